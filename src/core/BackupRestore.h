#pragma once

#include <string>

#include "core/WriteFlow.h"
#include "core/backup/BackupStore.h"
#include "model/FlashImage.h"
#include "model/backup/BackupFile.h"

namespace torvane::core {

class Host;
class Session;

// What the adapter's firmware would make of a backup's data blocks. A block without its markers would be found
// lost by the next checks, so such a backup is refused, naming the block; a block of an older format is replaced
// by its default on the way, as the firmware upgrade replaces it.
struct BackupRestorePlan {
  std::string refusal;      // why nothing can be written; empty when the backup can be restored
  std::string conversions;  // the blocks replaced by their defaults, for the question; empty when none
};
BackupRestorePlan PlanBackupRestore(const model::FlashImage& backup);

enum class BackupConfirmation { kConfirmed, kDeclined, kRefused };

// Refuses a backup that cannot be restored (told), else asks whether the backup with `header` and `backup` is to
// replace what the adapter with `adapter_serial` holds (naming the other adapter when it is another's, and the
// blocks that are replaced on the way).
BackupConfirmation ConfirmBackupRestore(Host& host, const model::BackupHeader& header, const model::FlashImage& backup,
                                        const Serial& adapter_serial);

// Writes the macro, configuration and response blocks of `backup` (which the player confirmed), blocks of an older
// format as their defaults, tells the outcome, and has the adapter read again: it holds the backup now, or part of
// it. The edits of the image are gone with a restore that was written.
WriteOutcome RestoreBackup(Session& session, Host& host, const model::FlashImage& backup);

}  // namespace torvane::core
