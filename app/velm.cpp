#include "velm.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringDecoder>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <stdexcept>
#include <string>

#include "driver.h"
#include "paths.h"

namespace velm {

namespace {

const QStringList kFilters = {"Text Files (*.txt)", "All Files (*)"};

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

QString FromLocalPath(const std::string& path) { return QFile::decodeName(path.c_str()); }

// The value of a P or T box. Surrounding blanks are forgiven; anything else
// that is not a plain decimal number is refused, whatever the user's locale.
bool BoxNumber(const QString& text, double& v) {
  return ParseDecimal(text.trimmed().toStdString(), v);
}

double BoxValue(const QLineEdit& box, const char* what) {
  double v = 0;
  if (!BoxNumber(box.text(), v))
    throw std::runtime_error(std::string("The ") + what + " box \"" + box.text().toStdString() +
                             "\" is not a number");
  return v;
}

// The report as text. Sample labels are copied byte for byte from the
// analysis file, which may be in an 8-bit code page; a report that is not
// valid UTF-8 is read one byte to one Latin-1 character, so no byte turns
// into a replacement mark and Save As can write every byte back.
QString ReadReport(const QString& path, bool& latin1) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) throw InOutError("Cannot read the report: " + LocalPath(path));
  const QByteArray bytes = f.readAll();
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
  QString text = utf8(bytes);
  latin1 = utf8.hasError();
  return latin1 ? QString::fromLatin1(bytes) : text;
}

// The text in the encoding it was read in; an edit that Latin-1 cannot hold
// turns the whole text to UTF-8, so nothing typed is lost.
QByteArray Encoded(const QString& text, bool latin1) {
  if (latin1 && std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() <= 0xFF; }))
    return text.toLatin1();
  return text.toUtf8();
}

// A push button that outlines itself in a dark border while it has the
// keyboard focus, so the focus shows on a coloured face too.
class FocusMarkedButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPushButton::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
};

QFont MemoFont() {
  QFont font("Monaco");
  if (!QFontDatabase::hasFamily("Monaco")) font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPixelSize(12);
  font.setFixedPitch(true);
  return font;
}

// The label of a box: as wide as its text, and as high as the box beside it
// with the text centred, so label and value read on one line.
void SideLabel(QLabel& label, int left) {
  label.adjustSize();
  label.setGeometry(left, 13, label.width(), 22);
  label.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

}  // namespace

QString QtDialogs::OpenFileName(QWidget* parent, const QString& startDir) {
  QFileDialog dialog(parent);
  dialog.setObjectName("OpenDialog1");
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(kFilters);
  dialog.setDefaultSuffix("txt");
  dialog.setViewMode(QFileDialog::Detail);
  dialog.setDirectory(startDir);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles().value(0);
}

QString QtDialogs::SaveFileName(QWidget* parent, const QString& preset) {
  QFileDialog dialog(parent);
  dialog.setObjectName("SaveDialog1");
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(kFilters);
  dialog.setViewMode(QFileDialog::Detail);
  // A save dialog asks before it replaces a file (Qt's default, kept).
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  if (!preset.isEmpty()) dialog.selectFile(preset);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles().value(0);
}

void QtDialogs::ShowError(QWidget* parent, const QString& text) {
  QMessageBox::critical(parent, QApplication::applicationName(), text);
}

TForm1::TForm1(std::unique_ptr<WindowDialogs> dialogs, QWidget* parent)
    : QWidget(parent),
      Dialogs_(dialogs ? std::move(dialogs) : std::make_unique<QtDialogs>()),
      StartDir_(FromLocalPath(StartDirFor(LocalPath(QCoreApplication::applicationDirPath())))) {
  BuildLayout();
  connect(Run, &QPushButton::clicked, this, &TForm1::RunClick);
  connect(Exit, &QPushButton::clicked, this, &TForm1::ExitClick);
  connect(SaveAs, &QPushButton::clicked, this, &TForm1::SaveAsClick);
  connect(EditT, &QLineEdit::textChanged, this, &TForm1::EditTChange);
  connect(EditP, &QLineEdit::textChanged, this, &TForm1::EditPChange);
  EditP->setText("6");
  EditT->setText("550");
  // The P box has the first focus; its text is selected, as after Tab, so
  // typing at start-up replaces it.
  EditP->selectAll();
}

TForm1::~TForm1() = default;

void TForm1::BuildLayout() {
  setObjectName("Form1");
  setWindowTitle("Velm 62");
  setGeometry(451, 248, 609, 407);

  // The top strip holds everything but the report, at fixed places.
  Bevel1 = new QFrame(this);
  Bevel1->setObjectName("Bevel1");
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Bevel1->setFixedHeight(49);

  Run = new FocusMarkedButton("Run", Bevel1);
  Run->setObjectName("Run");
  Run->setGeometry(8, 13, 75, 20);
  Run->setDefault(true);
  QPalette teal = Run->palette();
  teal.setColor(QPalette::Button, QColor(0, 128, 128));
  teal.setColor(QPalette::ButtonText, Qt::white);
  Run->setPalette(teal);

  Exit = new QPushButton("Close", Bevel1);
  Exit->setObjectName("Exit");
  Exit->setGeometry(88, 13, 75, 20);

  Label1 = new QLabel("Velm 62", Bevel1);
  Label1->setObjectName("Label1");
  QFont title("Times New Roman");
  title.setStyleHint(QFont::Serif);
  title.setPixelSize(24);
  Label1->setFont(title);
  QPalette maroon = Label1->palette();
  maroon.setColor(QPalette::WindowText, QColor(128, 0, 0));
  Label1->setPalette(maroon);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // A wider stand-in for the title font gets the room it needs instead of
  // being cut off.
  const QFontMetrics titleMetrics(title);
  Label1->setGeometry(232, 8, std::max(72, titleMetrics.horizontalAdvance("Velm 62") + 2), 33);

  // The description line sits centred under the title's text, below its
  // line height, so the two never overlap.
  Label2 = new QLabel("activities of mineral end-members", Bevel1);
  Label2->setObjectName("Label2");
  QFont small = Label2->font();
  small.setPixelSize(10);
  Label2->setFont(small);
  Label2->adjustSize();
  const int titleCentre = 232 + titleMetrics.horizontalAdvance("Velm 62") / 2;
  Label2->move(titleCentre - Label2->width() / 2, 8 + titleMetrics.height());

  Label4 = new QLabel("P kb", Bevel1);
  Label4->setObjectName("Label4");
  SideLabel(*Label4, 376);

  EditP = new QLineEdit(Bevel1);
  EditP->setObjectName("EditP");
  // Both boxes hold five characters ("612.5", "-10.5") whole in the
  // desktop's usual fonts; in a narrower one the text stays scrolled to its
  // end, and 12.5 reads "2.5".
  EditP->setGeometry(408, 13, 44, 22);
  EditP->installEventFilter(this);

  Label3 = new QLabel("T C", Bevel1);
  Label3->setObjectName("Label3");
  SideLabel(*Label3, 458);

  EditT = new QLineEdit(Bevel1);
  EditT->setObjectName("EditT");
  EditT->setGeometry(482, 13, 44, 22);
  EditT->installEventFilter(this);

  SaveAs = new QPushButton("Save As", Bevel1);
  SaveAs->setObjectName("SaveAs");
  SaveAs->setGeometry(530, 13, 75, 20);

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setFont(MemoFont());
  Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  // Tab moves on to Save As, as everywhere else in the window.
  Memo1->setTabChangesFocus(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(Bevel1);
  layout->addWidget(Memo1, 1);

  setTabOrder(EditP, EditT);
  setTabOrder(EditT, Run);
  setTabOrder(Run, Exit);
  setTabOrder(Exit, Memo1);
  setTabOrder(Memo1, SaveAs);
  EditP->setFocus();
}

template <class Work>
void TForm1::Guarded(Work&& work) {
  try {
    work();
  } catch (const InOutError& e) {
    QString text = QString::fromUtf8(e.what());
    if (!e.detail().empty()) text += "\n" + QString::fromUtf8(e.detail());
    Dialogs_->ShowError(this, text);
  } catch (const std::exception& e) {
    Dialogs_->ShowError(this, QString::fromUtf8(e.what()));
  } catch (...) {
    Dialogs_->ShowError(this, "Unknown error");
  }
}

void TForm1::RunClick() {
  Guarded([this] {
    // Both boxes are read before any file is touched, so a typing slip
    // never empties the report of an earlier run, and before the dialog, so
    // the user is not asked for a file in vain.
    const double p = BoxValue(*EditP, "pressure");
    const double t = BoxValue(*EditT, "temperature");
    const QString chosen = Dialogs_->OpenFileName(this, StartDir_);
    if (chosen.isEmpty()) return;
    const std::string in = LocalPath(chosen);
    CalculateFile(S, in, OutputBase(in), p, t);
    const QString report = FromLocalPath(S.OutName);
    Memo1->setPlainText(ReadReport(report, ReportLatin1_));
    setWindowTitle("Velm 2 - " + QFileInfo(report).fileName());
    SaveName_ = report;
  });
}

void TForm1::EditTChange() {
  double v = 0;
  if (BoxNumber(EditT->text(), v)) S.TK = v;
}

void TForm1::EditPChange() {
  double v = 0;
  if (BoxNumber(EditP->text(), v)) S.P = v;
}

void TForm1::SaveAsClick() {
  Guarded([this] {
    const QString name = Dialogs_->SaveFileName(this, SaveName_);
    if (name.isEmpty()) return;
    // The raw text keeps no-break spaces as they are; only the breaks
    // between lines become line ends.
    QString text = Memo1->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, '\n');
    // Every line of the saved file ends with a line end, the last included.
    if (!text.isEmpty() && !text.endsWith('\n')) text += '\n';
    const QByteArray bytes = Encoded(text, ReportLatin1_);
    TextOut f;
    f.Create(LocalPath(name));
    f.Write(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    f.Close();
    SaveName_ = name;
    setWindowTitle("Velm 62 - " + QFileInfo(name).fileName());
  });
}

void TForm1::ExitClick() { close(); }

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  // Once the user moves on, a box too narrow for its text shows the text's
  // beginning rather than its end. Switching to another window or opening
  // a menu keeps the cursor where the typing stopped.
  if (event->type() == QEvent::FocusOut && (watched == EditP || watched == EditT)) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
      static_cast<QLineEdit*>(watched)->setCursorPosition(0);
  }
  return QWidget::eventFilter(watched, event);
}

void TForm1::keyPressEvent(QKeyEvent* event) {
  // Run is the default button: Return presses it from anywhere in the
  // window. The report view keeps Return for itself as a line break.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    Run->click();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace velm
