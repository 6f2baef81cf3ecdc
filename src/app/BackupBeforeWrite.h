#pragma once

#include <string>

#include "platform/AdapterBackups.h"

class QWidget;

namespace torvane::app {

inline constexpr char kBackupTitle[] = "Backup";
inline constexpr char kBackupFailedText[] =
    "The adapter's settings could not be backed up before this write:\n%1\n\nWrite to the adapter without a backup?";

// Where the adapters' backups live: `configured`, or "backups" in the user's data folder when it is empty.
std::string BackupRoot(const std::string& configured);

// Backs up what the adapter holds before a write. When that fails the player is asked over `owner` whether to
// write without one; true to go on with the write.
bool BackUpOrAsk(platform::AdapterBackups& backups, QWidget* owner);

}  // namespace torvane::app
