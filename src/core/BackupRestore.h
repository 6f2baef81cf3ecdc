#pragma once

#include "core/WriteFlow.h"
#include "core/backup/BackupStore.h"
#include "model/backup/BackupFile.h"

namespace torvane::core {

class Host;
class Session;

// Asks whether the backup with `backup` header is to replace what the adapter with `adapter_serial` holds (naming
// the other adapter when it is another's); true for Yes.
bool ConfirmBackupRestore(Host& host, const model::BackupHeader& backup, const Serial& adapter_serial);

// Writes the macro, configuration and response blocks of `backup` (which the player confirmed) to the adapter,
// tells the outcome, and has the adapter read again whatever it is: it holds the backup now, or part of it.
WriteOutcome RestoreBackup(Session& session, Host& host, const model::FlashImage& backup);

}  // namespace torvane::core
