#pragma once

#include <string>
#include <string_view>

namespace torvane::platform {

// What the player is told about the backup taken before each write.
inline constexpr std::string_view kBackupTitle = "Backup";
inline constexpr std::string_view kBackupRestoredText = "Restore successfully!";
inline constexpr std::string_view kNoDataFolderError = "no data folder";

// The question asked when the backup before a write failed for `error`.
inline std::string BackupFailedQuestion(std::string_view error) {
  return "The adapter's settings could not be backed up before this write:\n" + std::string(error) +
         "\n\nWrite to the adapter without a backup?";
}

}  // namespace torvane::platform
