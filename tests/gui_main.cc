// The window tests run against the real widgets on Qt's offscreen platform.

#include <gtest/gtest.h>

#include <QApplication>

#include "app/app.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  application.setQuitOnLastWindowClosed(false);
  quorbit::app::SetUpApplication();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
