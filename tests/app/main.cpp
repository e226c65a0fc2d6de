// The window tests need a QApplication; they always run offscreen, also when
// CTest lists them while building.
#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName("Velm_2");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
