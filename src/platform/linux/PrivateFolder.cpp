#include "platform/linux/PrivateFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace torvane::platform {

std::optional<PrivateFolder> PrivateFolder::Open(const std::string& path) {
  // O_NOFOLLOW refuses a symbolic link in the last place; the checks then run on what was opened.
  device::UniqueFd fd(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
  if (!fd.valid()) return std::nullopt;
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::geteuid() ||
      (info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    return std::nullopt;
  }
  return PrivateFolder{std::move(fd), path};
}

std::optional<PrivateFolder> PrivateFolder::Runtime(std::string_view xdg_runtime_dir, const std::string& tmp) {
  if (xdg_runtime_dir.starts_with('/')) {
    if (auto folder = Open(std::string(xdg_runtime_dir))) return folder;
  }
  // Another user may have made this name first; then it fails the checks and there is no safe folder.
  const std::string fallback = tmp + "/torvane-" + std::to_string(::geteuid());
  if (::mkdir(fallback.c_str(), 0700) != 0 && errno != EEXIST) return std::nullopt;
  return Open(fallback);
}

}  // namespace torvane::platform
