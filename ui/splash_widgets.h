#pragma once
// The splash window's parts: a picture and labels that close it on a click,
// texts with a silver shadow, and the ticker of thanks.
#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace ui {

// Draws text with a shadow `depth` pixels down and to the right.
void draw_shadowed_text(QPainter& painter, const QRect& rect, int flags, const QString& text, const QColor& color,
                        int depth = 2);

class clickable_picture : public QWidget {
  Q_OBJECT
 public:
  clickable_picture(const QPixmap& picture, QWidget* parent = nullptr);
 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
};

// A transparent label with the silver shadow.
class shadow_label : public QWidget {
  Q_OBJECT
 public:
  shadow_label(const QString& text, int flags, const QColor& color, QWidget* parent = nullptr);
  QString text() const { return text_; }
 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QString text_;
  int flags_;
  QColor color_;
};

// One line of text that enters at the right edge and moves left, one step
// every 20 ms, until after 1000 steps it has passed the left edge; then it
// stops out of sight. restart() begins again from the right edge.
class scroll_text : public QWidget {
 public:
  static constexpr int step_count = 1000;
  static constexpr int step_ms = 20;

  scroll_text(const QString& text, const QColor& color, QWidget* parent = nullptr);
  void restart();
  void advance();  // one step; what the timer does
  int step() const { return step_; }
  bool running() const { return timer_.isActive(); }
  // Left edge of the text in the widget at the current step.
  int text_left() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  QColor color_;
  int step_ = step_count;  // out of sight until started
  QTimer timer_;
};

}  // namespace ui
