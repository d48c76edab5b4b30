// stowix-cli extract ARCHIVE [ENTRY...]: writes entries out as files, through
// the same walk as the window's extraction commands.
#include <algorithm>
#include <cstdio>
#include <iostream>
#include <unistd.h>

#include "app/cli/cli_commands.h"
#include "commands/entry_matching.h"
#include "commands/extraction_walk.h"

namespace cli {

namespace {

struct extract_call {
  std::string archive;
  std::vector<std::string_view> selectors;
  std::optional<std::string> directory;  // -C DIR
  bool flat = false;
  bool original = false;
  std::optional<commands::overwrite_policy> overwrite;
};

std::optional<commands::overwrite_policy> policy_named(std::string_view word) {
  if (word == "yes") return commands::overwrite_policy::yes;
  if (word == "no") return commands::overwrite_policy::no;
  if (word == "ask") return commands::overwrite_policy::ask;
  return std::nullopt;
}

std::optional<extract_call> parse(arguments args) {
  extract_call call;
  bool options_done = false;
  std::vector<std::string_view> words;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view word = args[i];
    if (options_done || word.empty() || word[0] != '-' || word == "-") {
      words.push_back(word);
    } else if (word == "--") {
      options_done = true;
    } else if (word == "-C" && i + 1 < args.size() && !call.directory) {
      call.directory = std::string(args[++i]);
    } else if (word == "--flat") {
      call.flat = true;
    } else if (word == "--original") {
      call.original = true;
    } else if (word.starts_with("--overwrite=") && (call.overwrite = policy_named(word.substr(12)))) {
    } else {
      return std::nullopt;
    }
  }
  if (words.empty() || (call.original && (call.flat || call.directory))) return std::nullopt;
  call.archive = std::string(words[0]);
  call.selectors.assign(words.begin() + 1, words.end());
  return call;
}

// Asks the overwrite question on the terminal: standard error for the
// question, standard input for the answer. No answer counts as cancel.
class terminal_window : public console_window {
 public:
  platform::answer ask(const platform::question& q) override {
    for (;;) {
      std::fprintf(stderr, "%s [y]es, [n]o, [c]ancel: ", q.text.c_str());
      std::fflush(stderr);
      std::string reply;
      if (!std::getline(std::cin, reply)) return platform::answer::cancel;
      if (reply == "y" || reply == "yes") return platform::answer::yes;
      if (reply == "n" || reply == "no") return platform::answer::no;
      if (reply == "c" || reply == "cancel") return platform::answer::cancel;
    }
  }
};

// The rows that the selectors name, in catalogue order; all rows when none are given.
std::vector<std::size_t> rows_of(const archive::catalogue& cat, const std::vector<std::string_view>& selectors,
                                 bool& all_matched) {
  std::vector<std::size_t> rows;
  if (selectors.empty()) {
    rows.resize(cat.entries.size());
    for (std::size_t k = 0; k < rows.size(); ++k) rows[k] = k;
    return rows;
  }
  for (const auto selector : selectors) {
    const auto matched = commands::match_entries(cat, selector);
    if (matched.empty()) {
      std::fprintf(stderr, "No entry matches %.*s\n", static_cast<int>(selector.size()), selector.data());
      all_matched = false;
    }
    rows.insert(rows.end(), matched.begin(), matched.end());
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  return rows;
}

}  // namespace

int run_extract(arguments args) {
  const auto call = parse(args);
  if (!call) {
    print_usage(false);
    return exit_usage;
  }
  console run;
  if (!open_archive(run, call->archive)) return exit_failure;

  commands::extraction_options options;
  if (call->original) {
    options.mode = commands::target_mode::original;
  } else {
    options.mode = call->flat ? commands::target_mode::chosen_flat : commands::target_mode::chosen_tree;
    options.chosen_directory = call->directory.value_or(".");
  }
  // Without a terminal nobody can answer, so existing files are kept.
  options.overwrite = call->overwrite.value_or(::isatty(STDIN_FILENO) != 0 ? commands::overwrite_policy::ask
                                                                           : commands::overwrite_policy::no);

  bool all_matched = true;
  const auto rows = rows_of(run.state.cat, call->selectors, all_matched);
  terminal_window window;
  const auto outcome = commands::extract_rows(run.state, {platform::system_files(), run.list, window}, rows, options);

  if (outcome.cancelled) std::fprintf(stderr, "%s\n", commands::cancelled_status);
  print(std::to_string(outcome.written) + " files written, " + std::to_string(outcome.left_alone) +
        " existing files left alone, " + std::to_string(outcome.refused) + " entries refused.\n");
  return all_matched && !outcome.cancelled && outcome.refused == 0 ? exit_ok : exit_failure;
}

}  // namespace cli
