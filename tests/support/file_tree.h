#pragma once
// What lies under a directory, to show that a command wrote nothing else.
#include <string>
#include <vector>

namespace testing_support {

// Every file and directory under `root`, relative to it and sorted;
// directories end with "/". Links are listed, not followed.
std::vector<std::string> tree_of(const std::string& root);

// The content of a file as text; "(missing)" when there is no such file.
std::string text_of(const std::string& path);

}  // namespace testing_support
