#pragma once

#include <string>

#include "platform/AdapterBackups.h"

class QWidget;

namespace torvane::app {

// Where the adapters' backups live: `configured`, or "backups" in the user's data folder when it is empty.
std::string BackupRoot(const std::string& configured);

// Backs up what the adapter holds before a write. When that fails the player is asked over `owner` whether to
// write without one; true to go on with the write.
bool BackUpOrAsk(platform::AdapterBackups& backups, QWidget* owner);

}  // namespace torvane::app
