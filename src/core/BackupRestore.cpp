#include "core/BackupRestore.h"

#include "core/Host.h"
#include "core/Session.h"
#include "core/backup/BackupTexts.h"
#include "device/FlashPlans.h"

namespace torvane::core {

bool ConfirmBackupRestore(Host& host, const model::BackupHeader& backup, const Serial& adapter_serial) {
  return host.Ask(kBackupsTitle, RestoreBackupQuestion(backup.serial, adapter_serial), Buttons::kYesNo) == kAnswerYes;
}

WriteOutcome RestoreBackup(Session& session, Host& host, const model::FlashImage& backup) {
  device::WritePlan plan;
  if (!device::BuildSavePlan(model::BuildSaveJob(backup, model::kUnsavedAll), plan)) return WriteOutcome::kFailed;
  const WriteOutcome outcome =
      WriteToAdapter(session, host, plan, WriteKind::kRestoreConfiguration, AfterFailure::kReadAgain);
  if (outcome == WriteOutcome::kDone) {
    host.ReadAdapterAgain();
    host.Tell(kBackupTitle, kBackupRestoredText, Tone::kInformation);
  }
  return outcome;
}

}  // namespace torvane::core
