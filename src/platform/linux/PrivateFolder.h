#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "device/UniqueFd.h"

namespace torvane::platform {

// A folder that only this user can change: a real directory (no symbolic link), owned by the user, not writable
// by group or others. It is held open, so files are made in the folder that was checked even if its name is
// later pointed elsewhere.
struct PrivateFolder {
  device::UniqueFd fd;
  std::string path;

  // `path` when it is such a folder.
  static std::optional<PrivateFolder> Open(const std::string& path);
  // The user's runtime folder: `xdg_runtime_dir` when it is private, else `<tmp>/torvane-<uid>`, made with mode
  // 0700 when missing and checked the same way when it exists. Nothing when neither is private.
  static std::optional<PrivateFolder> Runtime(std::string_view xdg_runtime_dir, const std::string& tmp);
};

}  // namespace torvane::platform
