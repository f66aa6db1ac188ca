#include "app/skin.h"

#include <QFile>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyleOption>
#include <QTextEdit>
#include <utility>

#include "app/widgets.h"

namespace quorbit::app {
namespace {

const QColor kGround(236, 236, 236);
const QColor kFrame(198, 197, 215);
// The frames keep their colour; under the mouse a control's face lightens instead.
const QColor kIndicatorHover(240, 240, 247);
const QColor kRadioDot(58, 62, 96);
constexpr int kIndicator = 13;  // an 11-pixel box inside its frame
constexpr int kLabelSpacing = 4;
constexpr int kTitleIndent = 8;
constexpr int kTitlePadding = 2;

// A one-pixel frame just inside the rectangle. Filled rather than stroked, so that it stays a
// whole number of device pixels when the screen is scaled. A rounded frame leaves its four
// corner pixels out.
void DrawFrame(QPainter* painter, const QRect& rect, const QColor& colour, bool rounded) {
  const int cut = rounded ? 1 : 0;
  const int left = rect.left(), top = rect.top(), right = rect.right(), bottom = rect.bottom();
  painter->fillRect(QRect(QPoint(left + cut, top), QPoint(right - cut, top)), colour);
  painter->fillRect(QRect(QPoint(left + cut, bottom), QPoint(right - cut, bottom)), colour);
  painter->fillRect(QRect(QPoint(left, top + 1), QPoint(left, bottom - 1)), colour);
  painter->fillRect(QRect(QPoint(right, top + 1), QPoint(right, bottom - 1)), colour);
}

// The multi-line edit boxes draw their frame as a plain frame; one-line ones have their own.
bool IsMultiLineBox(const QWidget* widget) {
  return qobject_cast<const QPlainTextEdit*>(widget) != nullptr ||
         qobject_cast<const QTextEdit*>(widget) != nullptr;
}

// The title's height, and so the top margin above the frame, whose line runs through the
// title's middle.
int TitleHeight(const QStyleOptionGroupBox& box) { return box.fontMetrics.height(); }

}  // namespace

SilverStyle::SilverStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

// The tick, with its variant for screens of twice the density; read when first drawn.
const QIcon& SilverStyle::Tick() const {
  if (!tick_.isNull()) return tick_;
  for (const auto& [path, ratio] :
       {std::pair{":/CheckMark.png", 1.0}, {":/CheckMark@2x.png", 2.0}}) {
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly)) continue;
    QImage image = DecodePicture(file.readAll());
    image.setDevicePixelRatio(ratio);
    tick_.addPixmap(QPixmap::fromImage(std::move(image)));
  }
  return tick_;
}

// The ground of every window and control is the body colour of the main window, and a
// selection keeps its colours when its window is not the active one.
void SilverStyle::polish(QPalette& palette) {
  QProxyStyle::polish(palette);
  palette.setColor(QPalette::Window, kGround);
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Active, role, Qt::black);
    palette.setColor(QPalette::Inactive, role, Qt::black);
  }
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(160, 160, 160));
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(160, 160, 160));
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Disabled, QPalette::Base, QColor(245, 245, 245));
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    palette.setColor(group, QPalette::Highlight, QColor(51, 94, 168));
    palette.setColor(group, QPalette::HighlightedText, Qt::white);
  }
}

int SilverStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
  switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
      return kIndicator;
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
      return kLabelSpacing;
    default:
      return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

void SilverStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                QPainter* painter, const QWidget* widget) const {
  const QRect& rect = option->rect;
  const bool enabled = option->state & State_Enabled;
  const bool hover = enabled && (option->state & State_MouseOver);
  switch (element) {
    case PE_PanelButtonCommand: {
      const bool pressed = option->state & (State_Sunken | State_On);
      QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
      fill.setColorAt(0, pressed ? QColor(0xd9, 0xd9, 0xe2)
                                 : (hover ? QColor(0xff, 0xff, 0xff) : QColor(0xfd, 0xfd, 0xfe)));
      fill.setColorAt(1, pressed ? QColor(0xef, 0xef, 0xf3)
                                 : (hover ? QColor(0xec, 0xec, 0xf2) : QColor(0xe3, 0xe3, 0xea)));
      painter->fillRect(rect.adjusted(1, 1, -1, -1), fill);
      DrawFrame(painter, rect, kFrame, true);
      return;
    }
    case PE_FrameDefaultButton:
      return;
    case PE_PanelLineEdit: {
      painter->fillRect(rect, option->palette.brush(QPalette::Base));
      const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
      if (frame != nullptr && frame->lineWidth > 0) DrawFrame(painter, rect, kFrame, false);
      return;
    }
    case PE_FrameLineEdit:
      DrawFrame(painter, rect, kFrame, false);
      return;
    case PE_Frame:
      if (!IsMultiLineBox(widget)) break;
      DrawFrame(painter, rect, kFrame, false);
      return;
    case PE_FrameGroupBox:
      DrawFrame(painter, rect, kFrame, true);
      return;
    case PE_IndicatorCheckBox: {
      painter->fillRect(rect.adjusted(1, 1, -1, -1), hover ? kIndicatorHover : Qt::white);
      DrawFrame(painter, rect, kFrame, false);
      if (option->state & State_On) {
        Tick().paint(painter, rect.adjusted(1, 1, -1, -1), Qt::AlignCenter,
                     enabled ? QIcon::Normal : QIcon::Disabled);
      }
      return;
    }
    case PE_IndicatorRadioButton: {
      // The ring is drawn without smoothing, so that it is a one-pixel line of the frame
      // colour; the dot inside is smoothed.
      painter->save();
      painter->setPen(QPen(kFrame, 1));
      painter->setBrush(hover ? kIndicatorHover : Qt::white);
      painter->drawEllipse(rect.adjusted(0, 0, -1, -1));
      if (option->state & State_On) {
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(kRadioDot);
        const qreal radius = rect.width() / 4.0;
        painter->drawEllipse(QRectF(rect).center(), radius, radius);
      }
      painter->restore();
      return;
    }
    default:
      break;
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void SilverStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                     QPainter* painter, const QWidget* widget) const {
  const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
  if (control != CC_GroupBox || box == nullptr || (box->subControls & SC_GroupBoxCheckBox)) {
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    return;
  }
  const QRect frame = subControlRect(control, option, SC_GroupBoxFrame, widget);
  const QRect title = subControlRect(control, option, SC_GroupBoxLabel, widget);
  painter->save();
  if (!box->text.isEmpty()) painter->setClipRegion(QRegion(option->rect).subtracted(title));
  QStyleOption frame_option(*option);
  frame_option.rect = frame;
  drawPrimitive(PE_FrameGroupBox, &frame_option, painter, widget);
  painter->setClipping(false);
  drawItemText(painter, title.adjusted(kTitlePadding, 0, -kTitlePadding, 0),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, box->palette,
               box->state & State_Enabled, box->text, QPalette::WindowText);
  painter->restore();
}

QRect SilverStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                  SubControl sub_control, const QWidget* widget) const {
  const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
  if (control != CC_GroupBox || box == nullptr || (box->subControls & SC_GroupBoxCheckBox)) {
    return QProxyStyle::subControlRect(control, option, sub_control, widget);
  }
  const QRect& rect = option->rect;
  const int height = TitleHeight(*box);
  switch (sub_control) {
    case SC_GroupBoxFrame:
      return rect.adjusted(0, height / 2, 0, 0);
    case SC_GroupBoxLabel: {
      const int width = box->fontMetrics.horizontalAdvance(box->text) + 2 * kTitlePadding;
      return QRect(rect.left() + kTitleIndent, rect.top(), width, height);
    }
    case SC_GroupBoxContents:
      return rect.adjusted(1, height, -1, -1);
    default:
      return QProxyStyle::subControlRect(control, option, sub_control, widget);
  }
}

}  // namespace quorbit::app
