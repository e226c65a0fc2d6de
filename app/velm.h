// The calculator's window: pressure and temperature boxes, the Run, Close and
// Save As buttons and the report view, with the handlers that run an analysis
// file and save the report.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>

#include "calcdata.h"

class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace velm {

// What the window asks the user outside itself: the analysis file to run,
// the name to save the report view under, and the alert for a failure. The
// window only goes through this, so tests can answer without a dialog.
class WindowDialogs {
 public:
  virtual ~WindowDialogs() = default;
  // The chosen analysis file, or an empty string when the user cancels.
  virtual QString OpenFileName(QWidget* parent, const QString& startDir) = 0;
  // The chosen name to save under, or an empty string when the user cancels.
  virtual QString SaveFileName(QWidget* parent, const QString& preset) = 0;
  virtual void ShowError(QWidget* parent, const QString& text) = 0;
};

// The desktop's open and save dialogs and a modal error alert.
class QtDialogs : public WindowDialogs {
 public:
  QString OpenFileName(QWidget* parent, const QString& startDir) override;
  QString SaveFileName(QWidget* parent, const QString& preset) override;
  void ShowError(QWidget* parent, const QString& text) override;
};

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // Without dialogs the window uses the desktop's own (QtDialogs).
  explicit TForm1(std::unique_ptr<WindowDialogs> dialogs = nullptr, QWidget* parent = nullptr);
  ~TForm1() override;

  // Asks for an analysis file, runs it at the boxes' P and T into the three
  // output files beside it and shows the report.
  void RunClick();
  // Store the box's value whenever its text is a number; a half-typed value
  // keeps the previous one and is only reported when Run reads the box.
  void EditTChange();
  void EditPChange();
  // Saves the report view's text, edits included, under a chosen name.
  void SaveAsClick();
  void ExitClick();

  const RunState& State() const { return S; }
  const QString& StartDir() const { return StartDir_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildLayout();
  // Runs a handler's work; a failure becomes the error alert, so no
  // exception ever reaches the event loop.
  template <class Work>
  void Guarded(Work&& work);

  QFrame* Bevel1 = nullptr;
  QLineEdit* EditT = nullptr;
  QLineEdit* EditP = nullptr;
  QLabel* Label1 = nullptr;
  QLabel* Label2 = nullptr;
  QLabel* Label3 = nullptr;
  QLabel* Label4 = nullptr;
  QPushButton* Run = nullptr;
  QPushButton* Exit = nullptr;
  QPushButton* SaveAs = nullptr;
  QPlainTextEdit* Memo1 = nullptr;

  std::unique_ptr<WindowDialogs> Dialogs_;
  QString StartDir_;
  // The save dialog's file name: the report after a run, then the last name
  // saved under.
  QString SaveName_;
  // Whether the report shown was read as Latin-1 (it was not valid UTF-8);
  // Save As writes it back the same way.
  bool ReportLatin1_ = false;
  RunState S;
};

}  // namespace velm
