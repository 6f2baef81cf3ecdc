#include "core/WriteFlow.h"

#include <string>

#include "core/Clock.h"
#include "core/Session.h"
#include "core/backup/BackupTexts.h"
#include "device/AdapterTexts.h"
#include "model/FlashRegions.h"

namespace torvane::core {

namespace {

// True to go on with the write.
bool BackUpOrAsk(Session& session, Host& host) {
  AdapterBackups& backups = session.backups();
  const std::string error =
      backups.store().root().empty() ? std::string(kNoDataFolderError) : backups.BackUp(SecondsNow());
  if (error.empty()) return true;
  return host.Ask(kBackupTitle, BackupFailedQuestion(error), Buttons::kYesNo) == kAnswerYes;
}

// The data regions `plan` writes, as unsaved marks.
unsigned RegionsOf(const device::WritePlan& plan) {
  unsigned regions = 0;
  for (const device::PlanEntry& entry : plan.entries()) {
    if (entry.address == model::kMacroBlockAddress) regions |= model::kUnsavedMacro;
    if (entry.address == model::kConfigBlockAddress) regions |= model::kUnsavedConfig;
    if (entry.address == model::kResponseBlockAddress) regions |= model::kUnsavedResponse;
  }
  return regions;
}

}  // namespace

WriteOutcome WriteToAdapter(Session& session, Host& host, const device::WritePlan& plan, WriteKind kind,
                            AfterFailure after_failure) {
  // Declining leaves the adapter and every edit as they were: no "USB Error" either.
  if (!BackUpOrAsk(session, host)) return WriteOutcome::kDeclined;
  const WriteResult result = host.RunWrite(plan, kind);
  if (result.done) {
    session.backups().TakeWritten(plan);
    // What the plan wrote is what the adapter holds now: an edit of those regions made before is gone.
    session.ForgetUnsaved(RegionsOf(plan));
    return WriteOutcome::kDone;
  }
  // The failing step's text first, then the read: a read that fails as well then tells its own.
  host.Tell(device::kUsbErrorTitle, device::UsbErrorText(result.failure), Tone::kFailure);
  if (after_failure == AfterFailure::kReadAgain) {
    // The adapter's regions that the plan reached may hold anything now; laying earlier edits over the fresh read
    // would write back what the plan was to replace.
    session.ForgetUnsaved(RegionsOf(plan));
    host.ReadAdapterAgain();
  }
  return WriteOutcome::kFailed;
}

}  // namespace torvane::core
