// stowix-cli info ARCHIVE ENTRY: the window's report on the first entry that
// ENTRY names, on standard output.
#include <cstdio>

#include "app/cli/cli_commands.h"
#include "commands/entry_matching.h"
#include "commands/entry_report.h"

namespace cli {

int run_info(arguments args) {
  if (args.size() != 2) {
    print_usage(false);
    return exit_usage;
  }
  console run;
  if (!open_archive(run, std::string(args[0]))) return exit_failure;
  const auto rows = commands::match_entries(run.state.cat, args[1]);
  if (rows.empty()) {
    std::fprintf(stderr, "No entry matches %.*s\n", static_cast<int>(args[1].size()), args[1].data());
    return exit_usage;
  }
  print(commands::entry_report(run.state, rows.front()));
  print("\n");
  return exit_ok;
}

}  // namespace cli
