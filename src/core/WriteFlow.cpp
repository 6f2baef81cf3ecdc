#include "core/WriteFlow.h"

#include <string>

#include "core/Clock.h"
#include "core/Session.h"
#include "core/backup/BackupTexts.h"
#include "device/AdapterTexts.h"

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

}  // namespace

WriteOutcome WriteToAdapter(Session& session, Host& host, const device::WritePlan& plan, WriteKind kind,
                            AfterFailure after_failure) {
  // Declining leaves the adapter and every edit as they were: no "USB Error" either.
  if (!BackUpOrAsk(session, host)) return WriteOutcome::kDeclined;
  const WriteResult result = host.RunWrite(plan, kind);
  if (result.done) {
    session.backups().TakeWritten(plan);
    return WriteOutcome::kDone;
  }
  host.Tell(device::kUsbErrorTitle, device::UsbErrorText(result.failure), Tone::kFailure);
  if (after_failure == AfterFailure::kReadAgain) host.ReadAdapterAgain();
  return WriteOutcome::kFailed;
}

}  // namespace torvane::core
