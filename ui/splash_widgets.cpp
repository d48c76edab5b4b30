#include "ui/splash_widgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace ui {

void draw_shadowed_text(QPainter& painter, const QRect& rect, int flags, const QString& text, const QColor& color,
                        int depth) {
  painter.setPen(QColor(192, 192, 192));  // silver
  painter.drawText(rect.translated(depth, depth), flags, text);
  painter.setPen(color);
  painter.drawText(rect, flags, text);
}

clickable_picture::clickable_picture(const QPixmap& picture, QWidget* parent) : QWidget(parent), picture_(picture) {
  setFixedSize(picture_.deviceIndependentSize().toSize());
}

void clickable_picture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

void clickable_picture::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
}

shadow_label::shadow_label(const QString& text, int flags, const QColor& color, QWidget* parent)
    : QWidget(parent), text_(text), flags_(flags), color_(color) {}

void shadow_label::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  draw_shadowed_text(painter, rect().adjusted(0, 0, -2, -2), flags_, text_, color_);
}

void shadow_label::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit clicked();
}

scroll_text::scroll_text(const QString& text, const QColor& color, QWidget* parent)
    : QWidget(parent), text_(text), color_(color) {
  setAttribute(Qt::WA_TransparentForMouseEvents);  // a click falls through to the picture
  timer_.setInterval(step_ms);
  connect(&timer_, &QTimer::timeout, this, [this] { advance(); });
}

void scroll_text::restart() {
  step_ = 0;
  timer_.start();
  update();
}

void scroll_text::advance() {
  if (step_ >= step_count) return;
  if (++step_ >= step_count) timer_.stop();
  update();
}

int scroll_text::text_left() const {
  // From the right edge (step 0) to fully past the left edge (last step).
  const int travel = width() + fontMetrics().horizontalAdvance(text_);
  return width() - static_cast<int>(static_cast<long long>(travel) * step_ / step_count);
}

void scroll_text::paintEvent(QPaintEvent*) {
  if (step_ >= step_count) return;
  QPainter painter(this);
  const int left = text_left();
  const QRect line(left, 0, fontMetrics().horizontalAdvance(text_) + 4, height() - 2);
  draw_shadowed_text(painter, line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text_, color_);
}

}  // namespace ui
