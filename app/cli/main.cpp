// stowix-cli: the archive commands of Qel Stowix without a window.
#include <string_view>
#include <utility>
#include <vector>

#include "app/cli/cli_commands.h"
#include "platform/fatal.h"

namespace {

struct command {
  std::string_view name;
  int (*run)(cli::arguments);
};

constexpr command commands[] = {
    {"list", cli::run_list},
    {"info", cli::run_info},
    {"extract", cli::run_extract},
    {"replace", cli::run_replace},
    {"check", cli::run_check},
};

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> words(argv + 1, argv + argc);
  if (words.empty()) {
    cli::print_usage(false);
    return cli::exit_usage;
  }
  if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
    cli::print_usage(true);
    return cli::exit_ok;
  }
  // The command line shows no message boxes: a fatal message goes to standard error.
  platform::set_fatal_display(nullptr);
  for (const auto& candidate : commands)
    if (candidate.name == words[0]) return candidate.run(cli::arguments(words).subspan(1));
  cli::print_usage(false);
  return cli::exit_usage;
}
