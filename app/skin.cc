#include "app/skin.h"

namespace quorbit::app {

// Only the standard controls are named, so labels, pictures, canvases and the window's own
// controls keep their drawing. Message boxes and the save dialog are standard controls too.
QString SilverSkin() {
  return QStringLiteral(R"(
QPushButton {
  border: 1px solid rgb(198,197,215); border-radius: 2px; color: black; padding: 1px 4px;
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdfdfe, stop:1 #e3e3ea);
}
QPushButton:hover {
  border-color: rgb(160,158,186);
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #ececf2);
}
QPushButton:pressed {
  background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #d9d9e2, stop:1 #efeff3);
}
QPushButton:focus { border-color: rgb(150,148,178); }
QPushButton:disabled { color: rgb(160,160,160); }
QLineEdit, QPlainTextEdit, QTextEdit {
  border: 1px solid rgb(198,197,215); background: white; color: black;
  selection-background-color: rgb(51,94,168); selection-color: white;
}
QLineEdit:disabled { background: rgb(245,245,245); color: rgb(120,120,120); }
QGroupBox {
  border: 1px solid rgb(198,197,215); border-radius: 3px; margin-top: 6px; padding-top: 4px;
  background: rgb(236,236,236); color: black;
}
QGroupBox::title {
  subcontrol-origin: margin; subcontrol-position: top left; left: 8px; padding: 0 2px;
}
QCheckBox, QRadioButton { spacing: 4px; color: black; background: rgb(236,236,236); }
QCheckBox:disabled, QRadioButton:disabled { color: rgb(160,160,160); }
QCheckBox::indicator, QRadioButton::indicator {
  width: 11px; height: 11px; border: 1px solid rgb(198,197,215); background: white;
}
QRadioButton::indicator { border-radius: 6px; }
QCheckBox::indicator:hover, QRadioButton::indicator:hover { border-color: rgb(150,148,178); }
QCheckBox::indicator:checked { image: url(:/CheckMark.png); }
QRadioButton::indicator:checked {
  background: qradialgradient(cx:0.5, cy:0.5, radius:0.5, fx:0.5, fy:0.5,
                              stop:0 rgb(58,62,96), stop:0.5 rgb(58,62,96),
                              stop:0.6 white, stop:1 white);
}
)");
}

}  // namespace quorbit::app
