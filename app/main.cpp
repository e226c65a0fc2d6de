// Starts the calculator: the application and its one window.
#include <QApplication>
#include <clocale>

#include "stdstreams.h"
#include "velm.h"

int main(int argc, char** argv) {
  // Before the display connection takes the lowest free descriptor.
  velm::OpenClosedStandardStreams();
  QApplication app(argc, argv);
  // QApplication hands the user's locale to the C library; no number the
  // program reads or writes may follow it.
  std::setlocale(LC_NUMERIC, "C");
  // The name only: a display name would be appended to the window caption
  // on some desktops.
  QApplication::setApplicationName("Velm_2");
  velm::TForm1 form;
  form.show();
  return app.exec();
}
