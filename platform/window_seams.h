#pragma once
// What the core needs of the window: the entry list, the status line, the
// file label, the save button, message boxes and dialogs. The window program
// implements these with Qt; tests and the command-line program with doubles.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class list_box {
 public:
  virtual ~list_box() = default;
  virtual void set_enabled(bool enabled) = 0;
  // Remove all rows, then hold `count` rows; row k shows catalogue entry k,
  // with an empty marker field. No row is selected afterwards.
  virtual void reset_rows(std::size_t count) = 0;
  virtual std::size_t row_count() const = 0;
  virtual std::size_t selected_count() const = 0;
  virtual bool is_selected(std::size_t row) const = 0;
  // The selected rows in ascending order.
  virtual std::vector<std::size_t> selected_rows() const = 0;
  virtual void set_selected(std::size_t row) = 0;
  // The focused row; nullopt when no row holds the focus.
  virtual std::optional<std::size_t> item_index() const = 0;
  virtual void set_item_index(std::size_t row) = 0;
  // Field 0 of a row: empty, or " * " for a marked entry.
  virtual std::string marker(std::size_t row) const = 0;
  virtual void set_marker(std::size_t row, const std::string& text) = 0;
};

enum class answer { ok, cancel, yes, no };
enum class buttons { yes_no_cancel, ok_cancel };

struct question {
  std::string text;
  std::string caption;
  buttons choices = buttons::ok_cancel;
  std::string details;  // shown on request under the text; empty for none
};

class main_window {
 public:
  virtual ~main_window() = default;
  virtual void set_status(const std::string& text) = 0;
  virtual std::string status() const = 0;
  virtual void set_file_label(const std::string& text, bool italic) = 0;
  virtual void set_save_enabled(bool enabled) = 0;
  virtual bool save_enabled() const = 0;

  // The plain message box: caption "Qel Stowix", one OK button.
  virtual void show_message(const std::string& text) = 0;
  // The entry report's box: the given caption, one OK button, no icon.
  virtual void show_report(const std::string& text, const std::string& caption) = 0;
  // The exception display: caption "Qel Stowix", error icon, OK.
  virtual void show_error(const std::string& text) = 0;
  // A modal question; closing the box without a button answers cancel.
  virtual answer ask(const question& q) = 0;

  // The directory chooser "Specify directory for output"; nullopt on cancel.
  virtual std::optional<std::string> choose_directory() = 0;
  // The replacement chooser "Choose file for replacement"; nullopt on cancel.
  virtual std::optional<std::string> choose_replacement_file() = 0;

  // Progress of a long command: done of total units. total 0 hides it.
  virtual void show_progress(std::int64_t done, std::int64_t total) = 0;
};

}  // namespace platform
