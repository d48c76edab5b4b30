#include "ui/qt_main_window.h"

#include <QLabel>
#include <algorithm>
#include <QProgressBar>
#include <QPushButton>

#include "platform/files.h"
#include "ui/dialogs.h"
#include "ui/status_line.h"

namespace ui {

namespace {
QString text_of(const std::string& text) { return QString::fromStdString(text); }
}  // namespace

open_dialog_settings settings_of(const file_dialog_component& component, const platform::files& fs) {
  return {component.title, component.filter, component.default_suffix,
          component.initial_dir.empty() ? QString() : text_of(fs.native_path(component.initial_dir))};
}

void qt_main_window::set_status(const std::string& text) { parts_.status.set_text(text); }

std::string qt_main_window::status() const { return parts_.status.text(); }

void qt_main_window::set_file_label(const std::string& text, bool italic) {
  QFont font = parts_.file_label.font();
  font.setItalic(italic);
  parts_.file_label.setFont(font);
  parts_.file_label.setText(text_of(text));
}

void qt_main_window::set_save_enabled(bool enabled) { parts_.save_button.setEnabled(enabled); }

bool qt_main_window::save_enabled() const { return parts_.save_button.isEnabled(); }

void qt_main_window::show_message(const std::string& text) {
  dialogs_.show_box(&parts_.form, box_kind::message, app_title, text_of(text));
}

void qt_main_window::show_report(const std::string& text, const std::string& caption) {
  dialogs_.show_box(&parts_.form, box_kind::report, text_of(caption), text_of(text));
}

void qt_main_window::show_error(const std::string& text) {
  dialogs_.show_box(&parts_.form, box_kind::error, app_title, text_of(text));
}

platform::answer qt_main_window::ask(const platform::question& q) { return dialogs_.ask(&parts_.form, q); }

std::optional<std::string> qt_main_window::choose_directory() {
  directory_dialog_component& dialog = parts_.directory_dialog;
  const std::string& start = dialog.start();
  const auto chosen =
      dialogs_.choose_directory(&parts_.form, dialog.caption, start.empty() ? QString() : text_of(fs_.native_path(start)));
  if (!chosen) return std::nullopt;
  dialog.path = chosen->toStdString();
  return dialog.path;
}

std::optional<std::string> qt_main_window::choose_replacement_file() {
  file_dialog_component& dialog = parts_.replacement_dialog;
  const auto chosen = dialogs_.open_file(&parts_.form, settings_of(dialog, fs_));
  if (!chosen) return std::nullopt;
  dialog.file_name = chosen->toStdString();
  return dialog.file_name;
}

void qt_main_window::show_progress(std::int64_t done, std::int64_t total) {
  QProgressBar& bar = parts_.progress;
  if (total <= 0) {
    bar.hide();
    return;
  }
  // The bar counts in int: scale to a thousand steps, whatever the units.
  const std::int64_t clamped = std::clamp<std::int64_t>(done, 0, total);
  const int value = static_cast<int>(static_cast<long double>(clamped) * 1000 / static_cast<long double>(total));
  bar.setRange(0, 1000);
  bar.setValue(value);
  if (!bar.isVisible()) bar.show();
  if (!progress_painted_.isValid() || progress_painted_.elapsed() >= 33) {
    bar.repaint();  // the command does not return to the event loop meanwhile
    progress_painted_.start();
  }
}

}  // namespace ui
