// The window driven offscreen as a user drives it: boxes typed into, buttons
// clicked, dialog answers supplied through the window's dialog seam.
#include "velm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTest>
#include <filesystem>
#include <memory>

#include "../runfile.h"
#include "../testutil.h"

namespace velm {
namespace {

namespace fs = std::filesystem;
using test::DataPath;
using test::ReadFile;

struct FakeDialogs : WindowDialogs {
  QString openAnswer, saveAnswer;
  int opened = 0;
  QString startDirSeen, presetSeen;
  QStringList errors;

  QString OpenFileName(QWidget*, const QString& startDir) override {
    ++opened;
    startDirSeen = startDir;
    return openAnswer;
  }
  QString SaveFileName(QWidget*, const QString& preset) override {
    presetSeen = preset;
    return saveAnswer;
  }
  void ShowError(QWidget*, const QString& text) override { errors << text; }
};

class Window : public ::testing::Test {
 protected:
  Window() {
    auto d = std::make_unique<FakeDialogs>();
    dialogs = d.get();
    form = std::make_unique<TForm1>(std::move(d));
    form->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }

  template <class W>
  W* Find(const char* name) {
    W* w = form->findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QLineEdit* EditP() { return Find<QLineEdit>("EditP"); }
  QLineEdit* EditT() { return Find<QLineEdit>("EditT"); }
  QPlainTextEdit* Memo() { return Find<QPlainTextEdit>("Memo1"); }
  void Click(const char* button) { QTest::mouseClick(Find<QPushButton>(button), Qt::LeftButton); }

  // An analysis file in the test's folder, with the olivine analyses.
  QString Olivine(const std::string& name = "olivine.txt") {
    fs::copy_file(DataPath("olivine.txt"), dir / name);
    return QString::fromStdString(dir / name);
  }

  test::TempDir dir;
  FakeDialogs* dialogs = nullptr;
  std::unique_ptr<TForm1> form;
};

TEST_F(Window, StartsWithItsCaptionBoxesAndSize) {
  EXPECT_EQ(form->windowTitle(), "Velm 62");
  EXPECT_EQ(EditP()->text(), "6");
  EXPECT_EQ(EditT()->text(), "550");
  EXPECT_EQ(form->size(), QSize(609, 407));
  EXPECT_EQ(Find<QLabel>("Label1")->text(), "Velm 62");

  // The report's columns line up when every character it uses has one
  // advance; a monospace family need not declare fixed pitch for that.
  const QFontMetrics memo(Memo()->font());
  const int width = memo.horizontalAdvance('0');
  for (QChar c : QString("0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ .-_%"))
    EXPECT_EQ(memo.horizontalAdvance(c), width) << "'" << QString(c).toStdString() << "'";
}

// The width a box gives its text: the style's contents rectangle less the
// text margins, the line edit's own 2-pixel margins and a pixel for the cursor.
int TextRoom(const QLineEdit& box) {
  QStyleOptionFrame opt;
  opt.initFrom(&box);
  opt.lineWidth = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, &box);
  const QRect contents = box.style()->subElementRect(QStyle::SE_LineEditContents, &opt, &box);
  return contents.marginsRemoved(box.textMargins()).width() - 2 * 2 - 1;
}

TEST_F(Window, BothBoxesShowFiveCharactersWhole) {
  for (QLineEdit* box : {EditP(), EditT()})
    for (const char* text : {"12.5", "612.5", "-10.5"})
      EXPECT_LE(QFontMetrics(box->font()).horizontalAdvance(text), TextRoom(*box)) << text;
}

TEST_F(Window, ABoxShowsTheBeginningOfItsTextOnceFocusLeaves) {
  QApplication::setActiveWindow(form.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  EditT()->setFocus();
  QTest::keyClicks(EditT(), ".12345");  // typing goes on at the end
  EXPECT_EQ(EditT()->cursorPosition(), 9);
  QTest::keyClick(EditT(), Qt::Key_Tab);
  EXPECT_EQ(EditT()->cursorPosition(), 0);
}

// P 6 kbar and T 550 degC; the expected files were derived independently of
// the program (see tests/models/driver_test.cpp).
TEST_F(Window, RunWritesTheThreeFilesAndShowsTheReport) {
  dialogs->openAnswer = Olivine();
  Click("Run");

  EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();
  const std::string expected = ReadFile(DataPath("olivine_expected_o.txt"));
  EXPECT_EQ(ReadFile(dir / "olivine_o.txt"), expected);
  EXPECT_EQ(ReadFile(dir / "olivine_tab.txt"), ReadFile(DataPath("olivine_expected_tab.txt")));
  EXPECT_EQ(ReadFile(dir / "olivine_pwz.txt"), ReadFile(DataPath("olivine_expected_pwz.txt")));
  EXPECT_EQ(Memo()->toPlainText().toStdString(), expected);
  EXPECT_EQ(form->windowTitle(), "Velm 2 - olivine_o.txt");

  // The open dialog starts in the folder of the test program itself.
  const fs::path exe = fs::canonical("/proc/self/exe");
  EXPECT_EQ(dialogs->startDirSeen.toStdString(), exe.parent_path().string() + "/");

  // The save dialog now offers the report's own path.
  Click("SaveAs");
  EXPECT_EQ(dialogs->presetSeen.toStdString(), dir / "olivine_o.txt");
  EXPECT_EQ(form->windowTitle(), "Velm 2 - olivine_o.txt");

  form->grab().save(QString(VELM_TEST_OUTPUT) + "/window.png");
}

TEST_F(Window, TypingAtStartUpReplacesThePressure) {
  QApplication::setActiveWindow(form.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  ASSERT_EQ(QApplication::focusWidget(), EditP());
  QTest::keyClicks(QApplication::focusWidget(), "12");
  EXPECT_EQ(EditP()->text(), "12");
  EXPECT_EQ(form->State().P, 12.0);
}

TEST_F(Window, RunShowsWhenItHasTheFocus) {
  QApplication::setActiveWindow(form.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  auto* run = Find<QPushButton>("Run");
  const QImage unfocused = run->grab().toImage();
  run->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(run->hasFocus());
  EXPECT_NE(run->grab().toImage(), unfocused);
}

TEST_F(Window, ReturnPressesRunButNotInTheReport) {
  QTest::keyClick(EditP(), Qt::Key_Return);
  EXPECT_EQ(dialogs->opened, 1);
  QTest::keyClick(Find<QPushButton>("Exit"), Qt::Key_Return);
  EXPECT_EQ(dialogs->opened, 2);
  QTest::keyClick(Memo(), Qt::Key_Return);
  EXPECT_EQ(dialogs->opened, 2);
  EXPECT_EQ(Memo()->toPlainText(), "\n");
  EXPECT_TRUE(form->isVisible());
}

TEST_F(Window, ABadBoxIsNamedAndTheEarlierReportStays) {
  const QString input = Olivine("rocks.txt");
  test::WriteFile(dir / "rocks_o.txt", "earlier report\n");
  dialogs->openAnswer = input;

  QTest::keyClicks(EditT(), "o");  // "550o"
  Click("Run");
  ASSERT_EQ(dialogs->errors.size(), 1);
  EXPECT_EQ(dialogs->errors[0], "The temperature box \"550o\" is not a number");
  EXPECT_EQ(ReadFile(dir / "rocks_o.txt"), "earlier report\n");
  EXPECT_FALSE(fs::exists(dir / "rocks_tab.txt"));
  EXPECT_FALSE(fs::exists(dir / "rocks_pwz.txt"));
  EXPECT_EQ(form->windowTitle(), "Velm 62");

  EditT()->setText("550");
  EditP()->setText("6,5");
  Click("Run");
  ASSERT_EQ(dialogs->errors.size(), 2);
  EXPECT_EQ(dialogs->errors[1], "The pressure box \"6,5\" is not a number");

  EditP()->clear();
  Click("Run");
  ASSERT_EQ(dialogs->errors.size(), 3);
  EXPECT_EQ(dialogs->errors[2], "The pressure box \"\" is not a number");
  EXPECT_EQ(ReadFile(dir / "rocks_o.txt"), "earlier report\n");
}

TEST_F(Window, TypingStoresNumbersAndKeepsTheValueOtherwise) {
  EXPECT_EQ(form->State().P, 6.0);
  EXPECT_EQ(form->State().TK, 550.0);
  EditT()->clear();
  QTest::keyClicks(EditT(), "612.5");
  EXPECT_EQ(form->State().TK, 612.5);
  QTest::keyClicks(EditT(), "x");
  EXPECT_EQ(form->State().TK, 612.5);
  EditP()->clear();
  EXPECT_EQ(form->State().P, 6.0);
  QTest::keyClicks(EditP(), "-");
  EXPECT_EQ(form->State().P, 6.0);
  QTest::keyClicks(EditP(), "2");
  EXPECT_EQ(form->State().P, -2.0);
  EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST_F(Window, CancelDoesNothingEvenAfterARun) {
  dialogs->openAnswer = Olivine();
  Click("Run");
  ASSERT_TRUE(fs::remove(dir / "olivine_o.txt"));
  Memo()->setPlainText("kept");

  dialogs->openAnswer.clear();
  Click("Run");
  EXPECT_EQ(dialogs->opened, 2);
  EXPECT_FALSE(fs::exists(dir / "olivine_o.txt"));
  EXPECT_EQ(Memo()->toPlainText(), "kept");
  EXPECT_EQ(form->windowTitle(), "Velm 2 - olivine_o.txt");
  EXPECT_TRUE(dialogs->errors.isEmpty());
}

TEST_F(Window, SaveAsWritesTheEditedReport) {
  dialogs->openAnswer = Olivine();
  Click("Run");
  QTextCursor start = Memo()->textCursor();
  start.movePosition(QTextCursor::Start);
  Memo()->setTextCursor(start);
  QTest::keyClicks(Memo(), "checked ");

  dialogs->saveAnswer = QString::fromStdString(dir / "kept.txt");
  Click("SaveAs");
  EXPECT_TRUE(dialogs->errors.isEmpty());
  EXPECT_EQ(ReadFile(dir / "kept.txt"), "checked " + ReadFile(DataPath("olivine_expected_o.txt")));
  EXPECT_EQ(form->windowTitle(), "Velm 62 - kept.txt");

  // A text without a final line end is saved with one; the dialog now
  // offers the last name saved under.
  Memo()->setPlainText("one line");
  Click("SaveAs");
  EXPECT_EQ(dialogs->presetSeen, dialogs->saveAnswer);
  EXPECT_EQ(ReadFile(dir / "kept.txt"), "one line\n");

  dialogs->saveAnswer.clear();
  Memo()->setPlainText("not saved");
  Click("SaveAs");
  EXPECT_EQ(ReadFile(dir / "kept.txt"), "one line\n");
  EXPECT_EQ(form->windowTitle(), "Velm 62 - kept.txt");
}

// Labels in an 8-bit code page (é as E9, µ as B5, a no-break space A0) or in
// UTF-8 (C3 A9, C2 A0) come back from an unedited Save As byte for byte.
TEST_F(Window, SaveAsKeepsTheBytesOfTheLabels) {
  const std::string olivine = ReadFile(DataPath("olivine.txt"));
  dialogs->openAnswer = QString::fromStdString(dir / "labels.txt");
  dialogs->saveAnswer = QString::fromStdString(dir / "saved.txt");
  auto runWithLabel = [&](const std::string& label) {
    std::string analyses = olivine;
    analyses.replace(analyses.find("fa-rich"), 7, label);
    test::WriteFile(dir / "labels.txt", analyses);
    Click("Run");
    EXPECT_TRUE(dialogs->errors.isEmpty()) << dialogs->errors.join("\n").toStdString();
    const std::string report = ReadFile(dir / "labels_o.txt");
    EXPECT_NE(report.find("ol " + label), std::string::npos);
    return report;
  };
  for (const std::string label : {"\xE9t\xE9\xA0\xB5m", "\xC3\xA9t\xC3\xA9\xC2\xA0"}) {
    const std::string report = runWithLabel(label);
    Click("SaveAs");
    EXPECT_EQ(ReadFile(dir / "saved.txt"), report) << label;
  }

  // An edit Latin-1 cannot hold turns the whole saved text to UTF-8.
  runWithLabel("\xE9");
  Memo()->moveCursor(QTextCursor::End);
  Memo()->insertPlainText(QString::fromUtf8("\u20AC"));
  Click("SaveAs");
  const std::string saved = ReadFile(dir / "saved.txt");
  EXPECT_NE(saved.find("ol \xC3\xA9\n"), std::string::npos);
  EXPECT_EQ(saved.substr(saved.size() - 4), "\xE2\x82\xAC\n");
}

int OpenFiles() {
  int n = 0;
  for ([[maybe_unused]] auto& e : fs::directory_iterator("/proc/self/fd")) ++n;
  return n;
}

TEST_F(Window, AFailedRunIsReportedAndTheWindowStaysUsable) {
  dialogs->openAnswer = QString::fromStdString(dir / "missing.txt");
  Click("Run");
  ASSERT_EQ(dialogs->errors.size(), 1);
  EXPECT_EQ(dialogs->errors[0].toStdString(), "File not found: " + dir / "missing.txt");

  // A value that is not a number ends the run; the files it opened are
  // closed again and the window keeps what it showed.
  Memo()->setPlainText("earlier");
  test::WriteFile(dir / "bad.txt",
                  "SiO2 TiO2 Al2O3 Cr2O3 Fe2O3 FeO MnO MgO CaO Na2O K2O\n"
                  "ol a\n40.8 0 0 0 0 9.5 0.14 49,2 0.05 0 0\n*\n");
  dialogs->openAnswer = QString::fromStdString(dir / "bad.txt");
  const int before = OpenFiles();
  Click("Run");
  EXPECT_EQ(OpenFiles(), before);
  ASSERT_EQ(dialogs->errors.size(), 2);
  // The alert says where: the third line of the file holds "49,2".
  EXPECT_EQ(dialogs->errors[1], "Invalid input\nline 3: \"49,2\" is not a number");
  EXPECT_EQ(Memo()->toPlainText(), "earlier");
  EXPECT_EQ(form->windowTitle(), "Velm 62");

  dialogs->openAnswer = Olivine();
  Click("Run");
  EXPECT_EQ(dialogs->errors.size(), 2);
  EXPECT_EQ(form->windowTitle(), "Velm 2 - olivine_o.txt");
}

TEST_F(Window, TabGoesThroughBoxesButtonsReportAndSaveAs) {
  QApplication::setActiveWindow(form.get());
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  EditP()->setFocus();
  QStringList order;
  for (int i = 0; i < 5; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    order << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(order, QStringList({"EditT", "Run", "Exit", "Memo1", "SaveAs"}));
}

TEST_F(Window, TheReportGrowsWithTheWindow) {
  form->resize(900, 700);
  QApplication::processEvents();
  const QRect memo = Memo()->geometry();
  EXPECT_EQ(memo.bottom(), 699);
  EXPECT_EQ(memo.width(), 900);
  EXPECT_EQ(memo.top(), 49);
  // The top strip stays as it is.
  EXPECT_EQ(Find<QPushButton>("SaveAs")->geometry(), QRect(530, 13, 75, 20));
}

}  // namespace
}  // namespace velm
