// Sequential text files of a run: the analysis file read line by line and
// number by number, and the report, table and phasewise files written as text.
// Every failure raises InOutError with a text a user can act on.
#pragma once

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace velm {

class InOutError : public std::runtime_error {
 public:
  // what: the error's text ("Invalid input", "File not found: ..."); detail:
  // where in the file and what was found there, when that is known.
  explicit InOutError(const std::string& what, std::string detail = {})
      : std::runtime_error(what), detail_(std::move(detail)) {}
  const std::string& detail() const { return detail_; }

 private:
  std::string detail_;
};

// The text of a failed read of a number, and of a line too long to be one
// of an analysis file.
inline constexpr const char* kInvalidInput = "Invalid input";

// The longest line an analysis file may hold, in characters (line end not
// counted). It bounds the memory a run takes whatever file is picked.
inline constexpr long kMaxLineLength = 1048576;

// A file written as UTF-16 text (it starts with a UTF-16 byte-order mark).
inline constexpr const char* kUtf16Text =
    "The file is UTF-16 text: save it as plain text (UTF-8)";

// A number as analyses and the window's boxes are written: an optional sign,
// digits with at most one "." as the decimal point, an optional exponent, and
// nothing else ("inf", "nan", hexadecimal and decimal commas are not numbers).
// The reading does not depend on the locale.
bool ParseDecimal(const std::string& s, double& v);

// The same, telling a word that is no number from a number beyond the
// range of a double.
enum class DecimalResult { Ok, NotANumber, OutOfRange };
DecimalResult ConvertDecimal(const std::string& s, double& v);

class TextIn {
 public:
  TextIn() = default;
  TextIn(const TextIn&) = delete;
  TextIn& operator=(const TextIn&) = delete;
  ~TextIn();

  // A UTF-8 byte-order mark at the start of the file is skipped; a file
  // that starts with a UTF-16 one is refused.
  void Open(const std::string& path);
  bool IsOpen() const { return f_ != nullptr; }
  void Close();

  // The rest of the current line, without its line end (LF, CR LF or CR),
  // which is skipped. At the end of the file: an empty string, no error.
  std::string ReadLine();

  // One real number written with "." as the decimal point: blanks, TABs and
  // line ends before it are skipped; the number runs to the next blank, TAB
  // or line end, which is left unread. Anything else raises "Invalid input",
  // and so does a read past the end of the file.
  double ReadReal();

  // Skips the rest of the current line and its line end.
  void SkipLine();

  bool AtEnd();

  // Every read refuses a line longer than kMaxLineLength with "Invalid
  // input", before it has stored more than that.

  // Number of the line the next character belongs to, from 1.
  long LineNumber() const { return line_; }

 private:
  int Get();
  void Unget(int c);
  void CheckRead();
  void LineEnded();
  void SkipByteOrderMark();

  std::FILE* f_ = nullptr;
  std::string name_;
  long line_ = 1;
  // Characters of the current line read so far, its line end not counted.
  long column_ = 0;
  // Bytes read ahead and given back, the next one last.
  int ahead_[4] = {};
  int nAhead_ = 0;
};

class TextOut {
 public:
  TextOut() = default;
  TextOut(const TextOut&) = delete;
  TextOut& operator=(const TextOut&) = delete;
  ~TextOut();

  // Creates the file, or empties an existing one.
  void Create(const std::string& path);
  bool IsOpen() const { return f_ != nullptr; }
  void Close();

  void Write(std::string_view s);
  void WriteLn(std::string_view s = {});

 private:
  std::FILE* f_ = nullptr;
  std::string name_;
};

}  // namespace velm
