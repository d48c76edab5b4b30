#include "ui/status_line.h"

#include <QLabel>

namespace ui {

namespace {
constexpr qint64 paint_interval_ms = 33;
}

status_line::status_line(QLabel& label, QObject* parent) : QObject(parent), label_(label) {
  pending_.setSingleShot(true);
  connect(&pending_, &QTimer::timeout, this, [this] { paint(); });
}

bool status_line::due() const { return !since_paint_.isValid() || since_paint_.elapsed() >= paint_interval_ms; }

void status_line::set_text(const std::string& text) {
  text_ = text;
  if (due()) {
    pending_.stop();
    paint();
  } else if (!pending_.isActive()) {
    pending_.start(static_cast<int>(paint_interval_ms - since_paint_.elapsed()));
  }
}

void status_line::paint() {
  label_.setText(QString::fromStdString(text_));
  label_.repaint();  // the command may not return to the event loop for a while
  since_paint_.start();
}

}  // namespace ui
