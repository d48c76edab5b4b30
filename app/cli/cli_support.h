#pragma once
// What every command of stowix-cli shares: the console stand-ins for the
// window, loading the named archive, and the exit codes.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "archive/catalogue.h"
#include "platform/memory_list.h"
#include "platform/seams.h"

namespace cli {

inline constexpr int exit_ok = 0;
inline constexpr int exit_failure = 1;
inline constexpr int exit_usage = 2;

using arguments = std::span<const std::string_view>;

// The window of a console program: status texts are kept (the last one is
// what a command reports), messages go to standard error, and questions get
// the answers that the command line gave (`scripted_answer`), else cancel.
class console_window : public platform::main_window {
 public:
  void set_status(const std::string& text) override { status_ = text; }
  std::string status() const override { return status_; }
  void set_file_label(const std::string&, bool) override {}
  void set_save_enabled(bool enabled) override { save_enabled_ = enabled; }
  bool save_enabled() const override { return save_enabled_; }
  void show_message(const std::string& text) override;
  void show_report(const std::string& text, const std::string& caption) override;
  void show_error(const std::string& text) override;
  platform::answer ask(const platform::question& q) override;
  std::optional<std::string> choose_directory() override { return chosen_directory; }
  std::optional<std::string> choose_replacement_file() override { return chosen_file; }
  void show_progress(std::int64_t, std::int64_t) override {}

  std::optional<platform::answer> scripted_answer;
  std::optional<std::string> chosen_directory;
  std::optional<std::string> chosen_file;

 private:
  std::string status_;
  bool save_enabled_ = false;
};

// One command-line run: the session and its stand-ins.
struct console {
  archive::session state;
  platform::memory_list list;
  console_window window;
  platform::seams seams() { return {platform::system_files(), list, window}; }
};

// Fills the session from the registry (game directory) and the locale, and
// loads the archive. A file without the signature gives its message on
// standard error and false; a read error ends the process with exit code 1.
bool open_archive(console& run, const std::string& path);

// Writes text to standard output as it stands.
void print(std::string_view text);

// Prints the usage to standard error (or standard output for --help).
void print_usage(bool to_stdout);

}  // namespace cli
