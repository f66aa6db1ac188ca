#pragma once
// The window's own small controls, each with one job and its own drawing: a picture button
// that keeps its pictures as encoded bytes, a canvas with a persistent image, the shape
// box, the link button, the transparent title label, the tiled window itself and the
// save-dialog component, which is never drawn.

#include <QAbstractButton>
#include <QByteArray>
#include <QImage>
#include <QLabel>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>

namespace quorbit::app {

// Decodes one of the program's pictures, a JPEG, GIF or PNG told by its first bytes.
QImage DecodePicture(const QByteArray& bytes);

// The top-level window: no frame, a tiled backdrop, a fixed size.
class MainFrame : public QWidget {
  Q_OBJECT

 public:
  explicit MainFrame(const QByteArray& backdrop);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap backdrop_;
};

// Draws only its text; the window shows through. A left press runs on_press.
class TitleLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TitleLabel(QWidget* parent) : QLabel(parent) {}
  std::function<void()> on_press;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

// A button drawn from pictures only. Slots left empty fall back to the normal picture, so a
// button with only a normal picture looks the same in every state.
class PictureButton : public QAbstractButton {
  Q_OBJECT

 public:
  enum Slot { kNormal, kHover, kPressed, kDisabled };
  explicit PictureButton(QWidget* parent);

  const QByteArray& Picture(Slot slot) const { return bytes_[slot]; }
  void SetPicture(Slot slot, const QByteArray& bytes);
  // Takes the other button's pictures as they are, already decoded.
  void CopyPictures(const PictureButton& from);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::array<QByteArray, 4> bytes_;
  std::array<QPixmap, 4> pixmaps_;
};

// A canvas keeps what it shows in a persistent image the size of its drawing area: its
// background picture, then whatever is copied into it. The image exists while hidden.
class Canvas : public QWidget {
  Q_OBJECT

 public:
  enum class Mode { kTopLeft, kCentredFit };
  Canvas(QWidget* parent, Mode mode, bool framed);

  const QByteArray& Background() const { return background_; }
  void SetBackground(const QByteArray& bytes);  // rebuilds the image from it alone
  const QImage& Image() const { return image_; }
  void CopyFrom(const Canvas& source, const QRect& source_rect, const QPoint& target);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Rebuild();
  QRect DrawingArea() const;

  Mode mode_;
  bool framed_;
  QByteArray background_;
  QImage image_;
};

// A rounded-rectangle outline on the body colour.
class ShapeBox : public QWidget {
  Q_OBJECT

 public:
  explicit ShapeBox(QWidget* parent) : QWidget(parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A flat button face with a frame, an icon left of the caption, no focus rectangle.
class LinkButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit LinkButton(QWidget* parent);
  void SetIconPicture(const QByteArray& bytes);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap icon_;
};

// The save-dialog component: settings kept between uses; shown only while saving.
class SaveDialogComponent : public QObject {
  Q_OBJECT

 public:
  explicit SaveDialogComponent(QObject* parent) : QObject(parent) {}
  QString filter;             // "name|pattern|name|pattern"
  QString default_extension;  // without the point
  QString file_name;          // the path chosen last

  bool Run(QWidget* owner);
};

}  // namespace quorbit::app
