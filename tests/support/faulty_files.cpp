#include "support/faulty_files.h"

namespace testing_support {

void faulty_files::fail_at(call_kind kind, int n, failure how) { plan_[{kind, n}] = how; }

int faulty_files::count(call_kind kind) const {
  const auto found = counts_.find(kind);
  return found == counts_.end() ? 0 : found->second;
}

const failure* faulty_files::planned(call_kind kind, const std::string& subject) {
  calls_.push_back({kind, subject});
  const int n = ++counts_[kind];
  const auto found = plan_.find({kind, n});
  injected_ = found != plan_.end();
  return injected_ ? &found->second : nullptr;
}

platform::file_handle faulty_files::open_read(const std::string& path) {
  return planned(call_kind::open_read, path) ? platform::no_file : real_.open_read(path);
}

platform::file_handle faulty_files::create(const std::string& path) {
  return planned(call_kind::create, path) ? platform::no_file : real_.create(path);
}

platform::file_handle faulty_files::create_new(const std::string& path) {
  return planned(call_kind::create_new, path) ? platform::no_file : real_.create_new(path);
}

std::int64_t faulty_files::read(platform::file_handle file, void* buffer, std::int64_t count) {
  read_sizes.push_back(count);
  if (const auto* how = planned(call_kind::read, std::to_string(file)))
    return *how == failure::error ? -1 : real_.read(file, buffer, count / 2);
  return real_.read(file, buffer, count);
}

std::int64_t faulty_files::write(platform::file_handle file, const void* buffer, std::int64_t count) {
  write_sizes.push_back(count);
  if (const auto* how = planned(call_kind::write, std::to_string(file)))
    return *how == failure::error ? -1 : real_.write(file, buffer, count / 2);
  return real_.write(file, buffer, count);
}

std::int64_t faulty_files::seek(platform::file_handle file, std::int64_t offset, platform::seek_from origin) {
  return planned(call_kind::seek, std::to_string(file)) ? -1 : real_.seek(file, offset, origin);
}

std::int64_t faulty_files::copy_range(platform::file_handle from, platform::file_handle to, std::int64_t count) {
  if (const auto* how = planned(call_kind::copy_range, std::to_string(from) + ">" + std::to_string(to)))
    return *how == failure::error ? -1 : real_.copy_range(from, to, count / 2);
  return real_.copy_range(from, to, count);
}

bool faulty_files::sync(platform::file_handle file) {
  return planned(call_kind::sync, std::to_string(file)) ? false : real_.sync(file);
}

void faulty_files::close(platform::file_handle file) {
  calls_.push_back({call_kind::close, std::to_string(file)});
  real_.close(file);
}

bool faulty_files::create_directories(const std::string& path) {
  return planned(call_kind::create_directories, path) ? false : real_.create_directories(path);
}

bool faulty_files::rename_replace(const std::string& from, const std::string& to) {
  return planned(call_kind::rename, from + " > " + to) ? false : real_.rename_replace(from, to);
}

bool faulty_files::link_new(const std::string& existing, const std::string& new_name) {
  return planned(call_kind::link, existing + " > " + new_name) ? false : real_.link_new(existing, new_name);
}

bool faulty_files::remove_file(const std::string& path) {
  return planned(call_kind::remove, path) ? false : real_.remove_file(path);
}

bool faulty_files::sync_directory(const std::string& directory) {
  return planned(call_kind::sync_directory, directory) ? false : real_.sync_directory(directory);
}

}  // namespace testing_support
