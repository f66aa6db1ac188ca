// The floor for start-up: a bare Qt window of the main window's size and place that shows
// one line of Chinese text in the same CJK font, and nothing else.

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  window.setFixedSize(698, 522);
  QLabel label(QStringLiteral("提示！输入编码数后，模拟开关就会立即显示出相应的接通位和断开位。"),
               &window);
  QFont font(QStringLiteral("Noto Sans CJK SC"));
  font.setPixelSize(12);
  label.setFont(font);
  label.setGeometry(12, 140, 385, 24);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  window.move((screen.width() - 698) / 2, (screen.height() - 522) / 2);
  window.show();
  return QApplication::exec();
}
