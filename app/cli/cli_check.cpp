// stowix-cli check ARCHIVE: whether the archive has the packed layout that a
// save needs, naming the first problem when it has not.
#include "app/cli/cli_commands.h"
#include "archive/layout_check.h"

namespace cli {

int run_check(arguments args) {
  if (args.size() != 1) {
    print_usage(false);
    return exit_usage;
  }
  console run;
  if (!open_archive(run, std::string(args[0]))) return exit_failure;
  if (const auto problem = archive::check_layout(run.seams().fs, run.state.archive_path, run.state.cat.entries)) {
    print(*problem + "\n");
    return exit_failure;
  }
  print("The archive has the layout that saving needs.\n");
  return exit_ok;
}

}  // namespace cli
