// stowix-cli replace [--dry-run] ARCHIVE ENTRY=FILE...: marks the named
// entries and saves exactly as the window does, without the question.
#include <cstdio>

#include "app/cli/cli_commands.h"
#include "commands/entry_matching.h"
#include "commands/mark_entry.h"
#include "commands/save_changes.h"
#include "commands/save_confirmation.h"
#include "platform/platform_error.h"

namespace cli {

namespace {

struct replacement {
  std::string_view selector;
  std::string file;
};

struct replace_call {
  bool dry_run = false;
  std::string archive;
  std::vector<replacement> replacements;
};

std::optional<replace_call> parse(arguments args) {
  replace_call call;
  bool options_done = false;
  std::vector<std::string_view> words;
  for (const std::string_view word : args) {
    if (!options_done && word == "--dry-run") {
      call.dry_run = true;
    } else if (!options_done && word == "--") {
      options_done = true;
    } else if (!options_done && word.size() > 1 && word[0] == '-') {
      return std::nullopt;
    } else {
      words.push_back(word);
    }
  }
  if (words.size() < 2) return std::nullopt;
  call.archive = std::string(words[0]);
  for (std::size_t i = 1; i < words.size(); ++i) {
    // The entry's name ends at the first "=": a file's path may hold more of them.
    const auto equals = words[i].find('=');
    if (equals == std::string_view::npos || equals == 0 || equals + 1 == words[i].size()) return std::nullopt;
    call.replacements.push_back({words[i].substr(0, equals), std::string(words[i].substr(equals + 1))});
  }
  return call;
}

void complain(const std::string& what, std::string_view subject) {
  std::fprintf(stderr, "%s %.*s\n", what.c_str(), static_cast<int>(subject.size()), subject.data());
}

}  // namespace

int run_replace(arguments args) {
  const auto call = parse(args);
  if (!call) {
    print_usage(false);
    return exit_usage;
  }
  console run;
  if (!open_archive(run, call->archive)) return exit_failure;
  const platform::seams seams = run.seams();

  // Every name and file is checked before anything is marked or written.
  bool callable = true;
  std::vector<std::vector<std::size_t>> rows;
  for (const auto& wanted : call->replacements) {
    rows.push_back(commands::match_entries(run.state.cat, wanted.selector));
    if (rows.back().empty()) {
      complain("No entry matches", wanted.selector);
      callable = false;
    }
    if (!seams.fs.file_exists(wanted.file)) {
      complain("No such file:", wanted.file);
      callable = false;
    }
  }
  if (!callable) return exit_usage;

  // A later ENTRY=FILE for the same entry wins, as marking an entry again does.
  for (std::size_t i = 0; i < rows.size(); ++i)
    for (const std::size_t row : rows[i]) commands::mark_entry(run.state, seams, row, call->replacements[i].file);

  try {
    if (call->dry_run) {
      print(commands::pending_replacements(run.state, seams.fs));
      return exit_ok;
    }
    if (commands::save_changes(run.state, seams) != commands::save_outcome::saved) return exit_failure;
  } catch (const platform::platform_error& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return exit_failure;
  }
  print(run.window.status() + "\n");
  return exit_ok;
}

}  // namespace cli
