// Quorbit: set field-bus device addresses with an eight-way DIP switch.

#include <QApplication>

#include "app/app.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  quorbit::app::SetUpApplication();
  auto window = quorbit::app::OpenMainWindow();
  const int status = QApplication::exec();
  return status;
}
