#pragma once
// The flat silver look of the standard controls: one-pixel frames in (198,197,215).

#include <QIcon>
#include <QProxyStyle>

namespace quorbit::app {

// Push buttons, check boxes, radio buttons, group boxes and edit boxes get flat silver
// frames; everything else is drawn as the Fusion style draws it.
class SilverStyle : public QProxyStyle {
 public:
  SilverStyle();

  void polish(QPalette& palette) override;
  using QProxyStyle::polish;
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override;
  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget) const override;
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                       SubControl sub_control, const QWidget* widget) const override;

 private:
  const QIcon& Tick() const;
  mutable QIcon tick_;
};

}  // namespace quorbit::app
