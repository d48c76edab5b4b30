#include "support/fake_seams.h"

#include "platform/fatal.h"

namespace testing_support {

throwing_fatal_end::throwing_fatal_end() {
  platform::set_fatal_handler([](std::string_view message) { throw fatal_error(std::string(message)); });
}

throwing_fatal_end::~throwing_fatal_end() { platform::set_fatal_handler(nullptr); }

platform::answer fake_window::ask(const platform::question& q) {
  questions.push_back(q);
  if (answers.empty()) return platform::answer::cancel;
  const auto next = answers.front();
  answers.pop_front();
  return next;
}

std::optional<std::string> fake_window::choose_directory() {
  if (directories.empty()) return std::nullopt;
  auto next = directories.front();
  directories.pop_front();
  return next;
}

std::optional<std::string> fake_window::choose_replacement_file() {
  if (chosen_files.empty()) return std::nullopt;
  auto next = chosen_files.front();
  chosen_files.pop_front();
  return next;
}

}  // namespace testing_support
