// stowix-cli list ARCHIVE: every entry's row as the list holds it after loading.
#include "app/cli/cli_commands.h"

namespace cli {

int run_list(arguments args) {
  if (args.size() != 1) {
    print_usage(false);
    return exit_usage;
  }
  console run;
  if (!open_archive(run, std::string(args[0]))) return exit_failure;

  std::string out;
  out.reserve(1 << 20);
  for (const auto& entry : run.state.cat.entries) {
    archive::append_row_text(out, entry, run.state.decimal_separator);
    out += '\n';
    if (out.size() >= (1 << 20) - 1024) {
      print(out);
      out.clear();
    }
  }
  print(out);
  return exit_ok;
}

}  // namespace cli
