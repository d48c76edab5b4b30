#pragma once
// The core's main window over TForm1's widgets: status line, file label,
// save button, progress bar, and every box and dialog through `dialogs`.
#include <QElapsedTimer>

#include "platform/window_seams.h"
#include "ui/dialog_components.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QWidget;

namespace platform {
class files;
}

namespace ui {

class dialogs;
class status_line;

struct main_window_parts {
  QWidget& form;
  status_line& status;
  QLabel& file_label;
  QPushButton& save_button;
  QProgressBar& progress;
  file_dialog_component& replacement_dialog;
  directory_dialog_component& directory_dialog;
};

class qt_main_window : public platform::main_window {
 public:
  qt_main_window(main_window_parts parts, dialogs& boxes, const platform::files& fs)
      : parts_(parts), dialogs_(boxes), fs_(fs) {}

  void set_status(const std::string& text) override;
  std::string status() const override;
  void set_file_label(const std::string& text, bool italic) override;
  void set_save_enabled(bool enabled) override;
  bool save_enabled() const override;
  void show_message(const std::string& text) override;
  void show_report(const std::string& text, const std::string& caption) override;
  void show_error(const std::string& text) override;
  platform::answer ask(const platform::question& q) override;
  std::optional<std::string> choose_directory() override;
  std::optional<std::string> choose_replacement_file() override;
  void show_progress(std::int64_t done, std::int64_t total) override;

 private:
  main_window_parts parts_;
  dialogs& dialogs_;
  const platform::files& fs_;
  QElapsedTimer progress_painted_;
};

}  // namespace ui
