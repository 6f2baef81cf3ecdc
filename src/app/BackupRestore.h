#pragma once

#include "platform/BackupStore.h"

namespace torvane::app {

class CMainWnd;

// Lists the backups (those of the adapter with `serial` first) and writes the data blocks of the one the player
// chooses to the adapter behind the progress dialog; the adapter is then read afresh, whatever the outcome.
void RestoreFromBackup(CMainWnd& window, const platform::Serial& serial, const platform::BackupStore& store);

}  // namespace torvane::app
