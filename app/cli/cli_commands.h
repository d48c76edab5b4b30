#pragma once
// One function per command of stowix-cli; `args` holds what follows the command's name.
#include "app/cli/cli_support.h"

namespace cli {

int run_list(arguments args);
int run_info(arguments args);
int run_extract(arguments args);
int run_replace(arguments args);
int run_check(arguments args);

}  // namespace cli
