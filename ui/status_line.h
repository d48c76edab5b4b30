#pragma once
// The status line's text. A long command sets it many times without going
// back to the event loop, so each text is painted at once, but not more than
// about 30 times a second; the last text is always painted, at the latest
// when the event loop runs again.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <string>

class QLabel;

namespace ui {

class status_line : public QObject {
 public:
  explicit status_line(QLabel& label, QObject* parent = nullptr);

  void set_text(const std::string& text);
  const std::string& text() const { return text_; }
 private:
  bool due() const;
  void paint();

  QLabel& label_;
  std::string text_;
  QElapsedTimer since_paint_;
  QTimer pending_;
};

}  // namespace ui
