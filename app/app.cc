#include "app/app.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTranslator>
#include <array>

#include "app/frame.h"
#include "convert/handlers.h"
#include "switches/bank.h"
#include "table/handlers.h"

static void InitPictures() { Q_INIT_RESOURCE(quorbit); }

namespace quorbit::app {
namespace {

constexpr std::array kBindings = {
    Binding{"", Event::kCreated, WindowCreated},
    Binding{"透明标签1", Event::kLeftPressed, DragWindow},
    Binding{"图形按钮0", Event::kClicked, CloseWindow},
    Binding{"超级按钮1", Event::kClicked, OpenHomePage},
    Binding{"超级按钮2", Event::kClicked, OpenSupportChat},
    Binding{"编辑框_地址", Event::kTextChanged, switches::ApplyAddressText},
    Binding{"图形按钮1", Event::kClicked, switches::ToggleLever},
    Binding{"按钮_制表", Event::kClicked, table::GenerateTableClicked},
    Binding{"单选框1", Event::kClicked, table::ApplyStyle1},
    Binding{"单选框2", Event::kClicked, table::ApplyStyle2},
    Binding{"单选框3", Event::kClicked, table::ApplyStyleDefault},
    Binding{"选择框_不显示", Event::kClicked, table::HideOffClicked},
    Binding{"选择框_显示位数", Event::kClicked, table::ShowPositionsClicked},
    Binding{"按钮_复制", Event::kClicked, table::CopyTableClicked},
    Binding{"按钮_保存", Event::kClicked, table::SaveTableClicked},
    Binding{"按钮_十转二", Event::kClicked, convert::DecimalToBinaryClicked},
    Binding{"按钮_二转十", Event::kClicked, convert::BinaryToDecimalClicked},
};

}  // namespace

std::span<const Binding> Bindings() { return kBindings; }

void SetUpApplication() {
  InitPictures();
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  // "宋体" is SimSun where the system has it, else a Song-style CJK font.
  QFont::insertSubstitutions(
      QStringLiteral("宋体"),
      {QStringLiteral("SimSun"), QStringLiteral("NSimSun"), QStringLiteral("AR PL UMing CN"),
       QStringLiteral("Noto Serif CJK SC")});
  QFont dialog_font(QStringLiteral("Noto Sans CJK SC"));
  dialog_font.setPixelSize(12);
  // Chinese and Latin text need no shaping, and are drawn glyph by glyph from the
  // character map, pixel for pixel as shaped text would be.
  dialog_font.setStyleStrategy(QFont::PreferNoShaping);
  QApplication::setFont(dialog_font);
  // Qt's own dialogs and message-box buttons speak Chinese too, where Qt's translations
  // are installed; without them they stay in English.
  static QTranslator qt_texts;
  if (qt_texts.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                    QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&qt_texts);
  }
  // The program keeps nothing between runs: what Qt's own dialogs would remember goes to a
  // folder that is removed when the program ends.
  static QTemporaryDir settings_dir;
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_dir.path());
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_dir.path());
}

std::unique_ptr<MainWindowImpl> OpenMainWindow() {
  auto window = std::make_unique<MainWindowImpl>(Bindings());
  window->Show();
  return window;
}

}  // namespace quorbit::app
