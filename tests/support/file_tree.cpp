#include "support/file_tree.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace testing_support {

std::vector<std::string> tree_of(const std::string& root) {
  namespace fs = std::filesystem;
  std::vector<std::string> found;
  for (const auto& item : fs::recursive_directory_iterator(root)) {
    std::string relative = fs::relative(item.path(), root).string();
    if (item.is_directory() && !item.is_symlink()) relative += '/';
    found.push_back(relative);
  }
  std::sort(found.begin(), found.end());
  return found;
}

std::string text_of(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "(missing)";
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

}  // namespace testing_support
