#pragma once

#include <string>
#include <string_view>

#include "core/backup/BackupStore.h"
#include "model/backup/BackupNames.h"

namespace torvane::core {

// What the player is told about the backup taken before each write.
inline constexpr std::string_view kBackupTitle = "Backup";
inline constexpr std::string_view kBackupRestoredText = "Restore successfully!";
inline constexpr std::string_view kBackupsTitle = "Backups";
inline constexpr std::string_view kNoDataFolderError = "no data folder";

// The question before a backup of `backup_serial` is written to the adapter of `adapter_serial`.
inline std::string RestoreBackupQuestion(const Serial& backup_serial, const Serial& adapter_serial) {
  std::string question =
      "The adapter's configurations, macros and response tables will be replaced by those of this backup.\nAre you "
      "sure to continue this procedure?";
  if (backup_serial != adapter_serial) {
    question =
        "This backup was taken from another adapter (SN " + model::SerialFolderName(backup_serial) + ").\n" + question;
  }
  return question;
}

// A backup whose `block` ("configuration", ...) lacks its markers: the adapter would find it lost.
inline std::string BackupBlockDamagedText(std::string_view block) {
  return "This backup cannot be restored: its " + std::string(block) +
         " block lacks its start or end marker, and the adapter would count it as lost.\nNothing was written.";
}

// Put before the restore question for each block of an older format that is written as its default instead.
inline std::string BackupBlockReplacedText(std::string_view block, std::string_view format) {
  return "Its " + std::string(block) + " block has the older format " + std::string(format) +
         ", which this firmware does not read: it is restored as the factory " + std::string(block) +
         " block, as a firmware upgrade would replace it.\n";
}

// The question asked when the backup before a write failed for `error`.
inline std::string BackupFailedQuestion(std::string_view error) {
  return "The adapter's settings could not be backed up before this write:\n" + std::string(error) +
         "\n\nWrite to the adapter without a backup?";
}

}  // namespace torvane::core
