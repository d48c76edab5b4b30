#include "commands/extraction_walk.h"

#include <algorithm>

#include "archive/entry_name_safety.h"
#include "archive/extract_entry.h"

namespace commands {

namespace {

constexpr std::size_t names_shown = 5;
// A run above either size shows a progress bar.
constexpr std::size_t few_files = 20;
constexpr std::int64_t few_bytes = 8 * 1024 * 1024;

std::string output_directory(const archive::session& state, const archive::entry_type& entry,
                             const extraction_options& options) {
  switch (options.mode) {
    case target_mode::original:
      return state.game_directory + entry.path;
    case target_mode::chosen_flat:
      return options.chosen_directory + "\\";
    case target_mode::chosen_tree:
      return options.chosen_directory + "\\" + entry.path;
  }
  return {};
}

// The progress bar: units are bytes, plus one per entry so that empty files
// move it too. It is updated when its thousandth changes, not per entry.
class progress_bar {
 public:
  progress_bar(platform::main_window& window, const archive::catalogue& cat, const std::vector<std::size_t>& rows)
      : window_(window) {
    std::int64_t bytes = 0;
    for (const std::size_t row : rows)
      if (row < cat.entries.size()) bytes += std::max<std::int32_t>(cat.entries[row].data_size, 0);
    total_ = bytes + static_cast<std::int64_t>(rows.size());
    shown_ = rows.size() > few_files || bytes > few_bytes;
    if (shown_) window_.show_progress(0, total_);
  }
  ~progress_bar() {
    if (shown_) window_.show_progress(0, 0);
  }
  progress_bar(const progress_bar&) = delete;
  progress_bar& operator=(const progress_bar&) = delete;

  void advance(const archive::entry_type& entry) {
    done_ += std::max<std::int32_t>(entry.data_size, 0) + 1;
    const std::int64_t step = done_ * 1000 / total_;
    if (!shown_ || step == last_step_) return;
    last_step_ = step;
    window_.show_progress(done_, total_);
  }

 private:
  platform::main_window& window_;
  std::int64_t total_ = 0;
  std::int64_t done_ = 0;
  std::int64_t last_step_ = 0;
  bool shown_ = false;
};

// The archive is opened once for a run, at the first entry written, and
// closed at its end. When it cannot be opened, extract_entry meets that itself.
class archive_opener {
 public:
  explicit archive_opener(archive::extraction_source& source) : source_(source) {}
  ~archive_opener() {
    if (source_.archive_file != platform::no_file) source_.fs.close(source_.archive_file);
  }
  archive_opener(const archive_opener&) = delete;
  archive_opener& operator=(const archive_opener&) = delete;
  void open() {
    if (!tried_) source_.archive_file = source_.fs.open_read(source_.archive_path);
    tried_ = true;
  }

 private:
  archive::extraction_source& source_;
  bool tried_ = false;
};

}  // namespace

extraction_outcome extract_rows(const archive::session& state, const platform::seams& seams,
                                const std::vector<std::size_t>& rows, const extraction_options& options) {
  archive::extraction_source source{state.archive_path, seams.fs, seams.window};
  archive_opener archive(source);
  extraction_outcome outcome;
  progress_bar progress(seams.window, state.cat, rows);
  platform::answer answer = platform::answer::ok;  // ok stands for "not asked yet"
  bool asked = false;

  for (const std::size_t row : rows) {
    if (row >= state.cat.entries.size()) break;
    const archive::entry_type& entry = state.cat.entries[row];
    if (!archive::is_safe_to_write(entry)) {
      if (outcome.first_refused.size() < names_shown) outcome.first_refused.push_back(archive::printable_name_of(entry));
      ++outcome.refused;
      progress.advance(entry);
      continue;
    }

    const std::string directory = output_directory(state, entry, options);
    bool write = true;
    if (seams.fs.file_exists(directory + entry.name)) {
      if (options.overwrite == overwrite_policy::ask && !asked) {
        answer = seams.window.ask({overwrite_question_text, overwrite_question_caption,
                                   platform::buttons::yes_no_cancel, {}});
        asked = true;
      }
      write = options.overwrite == overwrite_policy::yes ||
              (options.overwrite == overwrite_policy::ask && answer == platform::answer::yes);
    }
    if (write) {
      archive.open();
      archive::extract_entry(entry, directory, source);
      ++outcome.written;
    } else {
      ++outcome.left_alone;
    }
    progress.advance(entry);

    if (asked && answer != platform::answer::yes && answer != platform::answer::no) {
      seams.window.set_status(cancelled_status);
      outcome.cancelled = true;
      break;
    }
  }

  if (outcome.refused > 0) seams.window.show_message(refused_message(outcome));
  return outcome;
}

std::string refused_message(const extraction_outcome& outcome) {
  std::string text = std::to_string(outcome.refused) +
                     " entries were not extracted because their names are unsafe: they could write outside "
                     "the target directory or to another file than their name says.\n";
  for (const auto& name : outcome.first_refused) text += "\n" + name;
  if (outcome.refused > static_cast<std::int64_t>(outcome.first_refused.size())) text += "\n...";
  return text;
}

}  // namespace commands
