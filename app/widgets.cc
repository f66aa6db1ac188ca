#include "app/widgets.h"

#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageReader>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QStringList>

namespace quorbit::app {
namespace {

const QColor kBody(236, 236, 236);

const char* FormatOf(const QByteArray& bytes) {
  if (bytes.startsWith("\xFF\xD8\xFF")) return "JPG";
  if (bytes.startsWith("GIF8")) return "GIF";
  if (bytes.startsWith("\x89PNG")) return "PNG";
  return nullptr;
}

QPixmap Decode(const QByteArray& bytes) { return QPixmap::fromImage(DecodePicture(bytes)); }

// Qt's own save dialog, which also refuses a file in a folder that does not exist.
class SaveFileDialog : public QFileDialog {
 public:
  using QFileDialog::QFileDialog;

  void accept() override {
    const QStringList chosen = selectedFiles();
    if (!chosen.isEmpty()) {
      const QFileInfo file(chosen.front());
      if (!file.isDir() && !file.absoluteDir().exists()) {
        QMessageBox::warning(this, windowTitle(),
                             QStringLiteral("文件夹不存在：%1").arg(file.absolutePath()));
        return;
      }
    }
    QFileDialog::accept();
  }
};

}  // namespace

QImage DecodePicture(const QByteArray& bytes) {
  if (bytes.isEmpty()) return {};
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  const char* format = FormatOf(bytes);
  QImageReader reader(&buffer, format);
  // Told the format, Qt would still load one image plugin after another and ask each
  // whether it reads it; without the asking it loads only the one for that format.
  if (format != nullptr) reader.setAutoDetectImageFormat(false);
  return reader.read();
}

MainFrame::MainFrame(const QByteArray& backdrop) : backdrop_(Decode(backdrop)) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void MainFrame::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (backdrop_.isNull()) {
    painter.fillRect(rect(), kBody);
  } else {
    painter.drawTiledPixmap(rect(), backdrop_);
  }
}

void TitleLabel::mousePressEvent(QMouseEvent* event) {
  // A double click arrives as its own event type and is left alone.
  if (event->button() == Qt::LeftButton && on_press) {
    on_press();
    event->accept();
    return;
  }
  QLabel::mousePressEvent(event);
}

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover);
}

void PictureButton::SetPicture(Slot slot, const QByteArray& bytes) {
  bytes_[slot] = bytes;
  pixmaps_[slot] = Decode(bytes);
  repaint();
}

void PictureButton::CopyPictures(const PictureButton& from) {
  bytes_ = from.bytes_;
  pixmaps_ = from.pixmaps_;
  update();
}

void PictureButton::paintEvent(QPaintEvent*) {
  Slot slot = kNormal;
  if (!isEnabled()) {
    slot = kDisabled;
  } else if (isDown()) {
    slot = kPressed;
  } else if (underMouse()) {
    slot = kHover;
  }
  const QPixmap& pixmap = pixmaps_[slot].isNull() ? pixmaps_[kNormal] : pixmaps_[slot];
  QPainter painter(this);
  painter.drawPixmap(0, 0, pixmap);
}

Canvas::Canvas(QWidget* parent, Mode mode, bool framed)
    : QWidget(parent), mode_(mode), framed_(framed) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect Canvas::DrawingArea() const {
  const int frame = framed_ ? 1 : 0;
  return rect().adjusted(frame, frame, -frame, -frame);
}

void Canvas::SetBackground(const QByteArray& bytes) {
  background_ = bytes;
  Rebuild();
  repaint();
}

void Canvas::Rebuild() {
  const QRect area = DrawingArea();
  image_ = QImage(area.size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  image_.fill(kBody);
  const QImage picture = DecodePicture(background_);
  if (picture.isNull()) return;
  QPainter painter(&image_);
  if (mode_ == Mode::kTopLeft) {
    painter.drawImage(0, 0, picture);
    return;
  }
  // Centred, shrunk to fit (keeping its proportions) only when larger than the canvas.
  QSize size = picture.size();
  if (size.width() > image_.width() || size.height() > image_.height()) {
    size.scale(image_.size(), Qt::KeepAspectRatio);
  }
  const QRect target((image_.width() - size.width()) / 2, (image_.height() - size.height()) / 2,
                     size.width(), size.height());
  painter.drawImage(target, picture);
}

void Canvas::CopyFrom(const Canvas& source, const QRect& source_rect, const QPoint& target) {
  QPainter painter(&image_);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(target, source.image_, source_rect);
  painter.end();
  repaint();
}

void Canvas::resizeEvent(QResizeEvent*) {
  if (image_.size() != DrawingArea().size()) Rebuild();
}

void Canvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (framed_) {
    painter.setPen(QColor(0, 0, 0));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  painter.drawImage(DrawingArea().topLeft(), image_);
}

void ShapeBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), kBody);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(192, 192, 192), 1));
  painter.setBrush(Qt::NoBrush);
  // The corner ellipse is a fifth of the box's width and height; radii are its halves.
  const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  painter.drawRoundedRect(box, width() / 10.0, height() / 10.0);
}

LinkButton::LinkButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_Hover);
}

void LinkButton::SetIconPicture(const QByteArray& bytes) {
  icon_ = Decode(bytes);
  update();
}

void LinkButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect face = rect().adjusted(0, 0, -1, -1);
  QLinearGradient gradient(0, 0, 0, height());
  gradient.setColorAt(0, isDown() ? QColor(226, 226, 230) : QColor(250, 250, 252));
  gradient.setColorAt(1, isDown() ? QColor(242, 242, 246) : QColor(228, 228, 234));
  painter.fillRect(rect(), kBody);
  painter.setPen(underMouse() ? QColor(150, 148, 175) : QColor(198, 197, 215));
  painter.setBrush(gradient);
  painter.drawRoundedRect(face, 2, 2);

  const QFontMetrics metrics(font());
  const int text_width = metrics.horizontalAdvance(text());
  const int gap = icon_.isNull() ? 0 : 3;
  const int content = icon_.width() + gap + text_width;
  int x = (width() - content) / 2 + (isDown() ? 1 : 0);
  const int y_shift = isDown() ? 1 : 0;
  if (!icon_.isNull()) {
    painter.drawPixmap(x, (height() - icon_.height()) / 2 + y_shift, icon_);
    x += icon_.width() + gap;
  }
  painter.setPen(QColor(0, 0, 0));
  painter.drawText(QRect(x, y_shift, text_width + 1, height()), Qt::AlignLeft | Qt::AlignVCenter,
                   text());
}

bool SaveDialogComponent::Run(QWidget* owner) {
  // "name|pattern|name|pattern" becomes Qt's "name (pattern)" list.
  const QStringList parts = filter.split(u'|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    filters << QStringLiteral("%1 (%2)").arg(parts[i], parts[i + 1]);
  }
  SaveFileDialog dialog(owner);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(filters);
  if (!filters.isEmpty()) dialog.selectNameFilter(filters.front());
  dialog.setDefaultSuffix(default_extension);
  if (!file_name.isEmpty()) dialog.selectFile(file_name);
  dialog.setWindowModality(Qt::ApplicationModal);
  if (dialog.exec() != QDialog::Accepted) return false;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return false;
  file_name = chosen.front();
  return true;
}

}  // namespace quorbit::app
