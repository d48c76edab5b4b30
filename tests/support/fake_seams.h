#pragma once
// Test doubles for the window seams: a window that records every text and
// question and answers from a queue, and a fatal end that throws.
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "archive/catalogue.h"
#include "platform/memory_list.h"
#include "platform/posix/posix_files.h"
#include "platform/seams.h"

namespace testing_support {

// Thrown instead of ending the process.
struct fatal_error : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// While alive, fatal_end throws fatal_error with the message.
struct throwing_fatal_end {
  throwing_fatal_end();
  ~throwing_fatal_end();
};

class fake_window : public platform::main_window {
 public:
  void set_status(const std::string& text) override { statuses.push_back(text); }
  std::string status() const override { return statuses.empty() ? std::string() : statuses.back(); }
  void set_file_label(const std::string& text, bool is_italic) override {
    file_label = text;
    italic = is_italic;
  }
  void set_save_enabled(bool enabled) override { save_button = enabled; }
  bool save_enabled() const override { return save_button; }
  void show_message(const std::string& text) override { messages.push_back(text); }
  void show_report(const std::string& text, const std::string& caption) override {
    reports.push_back({text, caption});
  }
  void show_error(const std::string& text) override { errors.push_back(text); }
  platform::answer ask(const platform::question& q) override;
  std::optional<std::string> choose_directory() override;
  std::optional<std::string> choose_replacement_file() override;
  void show_progress(std::int64_t done, std::int64_t total) override { progress.push_back({done, total}); }

  std::vector<std::string> statuses;
  std::string file_label = " no file opened";
  bool italic = true;
  bool save_button = false;
  std::vector<std::string> messages;
  std::vector<std::pair<std::string, std::string>> reports;
  std::vector<std::string> errors;
  std::vector<platform::question> questions;
  std::vector<std::pair<std::int64_t, std::int64_t>> progress;

  // Answers, directories and files handed out in order; when a queue is
  // empty a question gets cancel and a dialog is cancelled.
  std::deque<platform::answer> answers;
  std::deque<std::optional<std::string>> directories;
  std::deque<std::optional<std::string>> chosen_files;
};

// A session with a memory list, a recording window and the real files.
struct fake_desk {
  archive::session state;
  platform::memory_list list;
  fake_window window;
  platform::posix_files fs;
  platform::seams seams() { return {fs, list, window}; }
};

}  // namespace testing_support
