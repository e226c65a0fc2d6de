#include "textfile.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include <locale.h>

#include <sys/stat.h>

namespace velm {

namespace {

std::string OpenFailureText(int err, const std::string& path) {
  const char* what;
  switch (err) {
    case ENOENT:
    case ENOTDIR:
      what = "File not found";
      break;
    case EACCES:
    case EPERM:
    case EROFS:
      what = "Access denied";
      break;
    case EISDIR:
      what = "Is a folder, not a file";
      break;
    case ENOSPC:
      what = "Disk full";
      break;
    default:
      what = std::strerror(err);
      break;
  }
  return std::string(what) + ": " + path;
}

// A word as it can be shown to a user: control and non-ASCII bytes as "?",
// cut after 40 characters.
std::string Printable(const std::string& word) {
  std::string out;
  for (char ch : word) {
    if (out.size() == 40) return out + "...";
    const auto u = static_cast<unsigned char>(ch);
    out.push_back(u >= 32 && u < 127 ? ch : '?');
  }
  return out;
}

bool IsBlankOrLineEnd(int c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

}  // namespace

bool ParseDecimal(const std::string& s, double& v) {
  return ConvertDecimal(s, v) == DecimalResult::Ok;
}

DecimalResult ConvertDecimal(const std::string& s, double& v) {
  constexpr DecimalResult bad = DecimalResult::NotANumber;
  std::size_t i = 0, n = s.size();
  if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < n && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
  if (i < n && s[i] == '.') {
    ++i;
    while (i < n && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return bad;
  if (i < n && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t exp = 0;
    while (i < n && s[i] >= '0' && s[i] <= '9') ++i, ++exp;
    if (exp == 0) return bad;
  }
  if (i != n) return bad;
  // from_chars does not take a leading "+"; it is locale-independent and
  // correctly rounded.
  const char* first = s.data() + (s[0] == '+' ? 1 : 0);
  auto r = std::from_chars(first, s.data() + n, v, std::chars_format::general);
  if (r.ec == std::errc::result_out_of_range) {
    // from_chars refuses values below the normal range too; those are
    // numbers all the same, read as the C library's conversion rounds them:
    // a subnormal value or 0. Only values beyond the largest double are out
    // of range.
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(0));
    const double tiny = strtod_l(s.c_str(), nullptr, c);
    if (!std::isfinite(tiny)) return DecimalResult::OutOfRange;
    v = tiny;
    return DecimalResult::Ok;
  }
  return r.ec == std::errc{} && r.ptr == s.data() + n ? DecimalResult::Ok : bad;
}

TextIn::~TextIn() {
  if (f_) std::fclose(f_);
}

void TextIn::Open(const std::string& path) {
  Close();
  f_ = std::fopen(path.c_str(), "rb");
  if (!f_) throw InOutError(OpenFailureText(errno, path));
  // A folder opens like a file here but cannot be read.
  struct stat info {};
  if (fstat(fileno(f_), &info) == 0 && S_ISDIR(info.st_mode)) {
    Close();
    throw InOutError(OpenFailureText(EISDIR, path));
  }
  name_ = path;
  line_ = 1;
  column_ = 0;
  nAhead_ = 0;
  SkipByteOrderMark();
}

void TextIn::SkipByteOrderMark() {
  // Spreadsheets and some editors start UTF-8 text with EF BB BF; without
  // this the first header word would name no oxide and its column would be
  // dropped without a word. UTF-16 text ("Unicode text") cannot be read as
  // an analysis file at all.
  int read[3];
  int n = 0;
  auto next = [&] { return read[n++] = Get(); };
  const int c = next();
  if (c == 0xEF && next() == 0xBB && next() == 0xBF) {
    column_ = 0;
    return;
  }
  if ((c == 0xFF || c == 0xFE) && next() == (c == 0xFF ? 0xFE : 0xFF)) {
    Close();
    throw InOutError(kUtf16Text, name_);
  }
  while (n > 0) Unget(read[--n]);
}

void TextIn::Close() {
  if (f_) std::fclose(f_);
  f_ = nullptr;
}

void TextIn::CheckRead() {
  if (std::ferror(f_)) throw InOutError("Disk read error: " + name_);
}

int TextIn::Get() {
  int c;
  if (nAhead_ > 0) {
    c = ahead_[--nAhead_];
  } else {
    // One run reads its file on one thread: no stream lock is needed.
    c = getc_unlocked(f_);
    if (c == EOF) CheckRead();
  }
  if (c != '\n' && c != '\r' && c != EOF && ++column_ > kMaxLineLength)
    throw InOutError(kInvalidInput, "line " + std::to_string(line_) + ": the line is longer than " +
                                        std::to_string(kMaxLineLength) + " characters");
  return c;
}

void TextIn::Unget(int c) {
  if (c == EOF) return;
  if (c != '\n' && c != '\r') --column_;
  ahead_[nAhead_++] = c;
}

void TextIn::LineEnded() {
  ++line_;
  column_ = 0;
}

bool TextIn::AtEnd() {
  int c = Get();
  Unget(c);
  return c == EOF;
}

std::string TextIn::ReadLine() {
  std::string line;
  for (;;) {
    int c = Get();
    if (c == EOF) break;
    if (c == '\n') {
      LineEnded();
      break;
    }
    if (c == '\r') {
      LineEnded();
      int d = Get();
      if (d != '\n') Unget(d);
      break;
    }
    line.push_back(static_cast<char>(c));
  }
  return line;
}

void TextIn::SkipLine() { ReadLine(); }

double TextIn::ReadReal() {
  int c = Get();
  while (c != EOF && IsBlankOrLineEnd(c)) {
    if (c == '\n') LineEnded();
    if (c == '\r') {
      LineEnded();
      int d = Get();
      if (d != '\n') Unget(d);
    }
    c = Get();
  }
  std::string word;
  while (c != EOF && !IsBlankOrLineEnd(c)) {
    word.push_back(static_cast<char>(c));
    c = Get();
  }
  Unget(c);
  double v = 0;
  const DecimalResult result = ConvertDecimal(word, v);
  if (result != DecimalResult::Ok) {
    const std::string where = "line " + std::to_string(line_) + ": ";
    if (word.empty())
      throw InOutError(kInvalidInput, where + "the file ends where a number is due (is the end line \"*\" missing?)");
    const char* what = result == DecimalResult::OutOfRange ? "\" is out of range" : "\" is not a number";
    throw InOutError(kInvalidInput, where + "\"" + Printable(word) + what);
  }
  return v;
}

TextOut::~TextOut() {
  if (f_) std::fclose(f_);
}

void TextOut::Create(const std::string& path) {
  Close();
  f_ = std::fopen(path.c_str(), "wb");
  if (!f_) {
    const int err = errno;
    // A file to be created is not "not found": its folder is.
    if (err == ENOENT || err == ENOTDIR)
      throw InOutError("Folder not found, cannot create " + path);
    throw InOutError(OpenFailureText(err, path));
  }
  name_ = path;
}

void TextOut::Close() {
  if (!f_) return;
  std::FILE* f = f_;
  f_ = nullptr;
  bool failed = std::ferror(f) != 0;
  if (std::fclose(f) != 0) failed = true;
  if (failed) throw InOutError("Disk write error: " + name_);
}

void TextOut::Write(std::string_view s) {
  if (!f_) throw InOutError("File not open for output");
  if (s.empty()) return;
  if (std::fwrite(s.data(), 1, s.size(), f_) != s.size())
    throw InOutError("Disk write error: " + name_);
}

void TextOut::WriteLn(std::string_view s) {
  Write(s);
  Write("\n");
}

}  // namespace velm
