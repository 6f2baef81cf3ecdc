#include "core/BackupRestore.h"

#include <memory>

#include "core/Host.h"
#include "core/Session.h"
#include "core/backup/BackupTexts.h"
#include "device/FlashPlans.h"

namespace torvane::core {

namespace {

std::string VersionText(const model::Version& version) {
  return std::to_string(version.major) + "." + std::to_string(version.minor) + "." + std::to_string(version.patch);
}

// Each data block of `image` by its name for the player.
template <class Act>
void ForEachDataBlock(const model::FlashImage& image, Act act) {
  act("macro", model::IsValid(image.macro), model::HasCurrentFormat(image.macro), image.macro.version);
  act("configuration", model::IsValid(image.config), model::HasCurrentFormat(image.config), image.config.version);
  act("response", model::IsValid(image.response), model::HasCurrentFormat(image.response), image.response.version);
}

// `backup` with each block of an older format replaced by its default.
std::unique_ptr<model::FlashImage> Converted(const model::FlashImage& backup, const model::DefaultImages& defaults) {
  auto image = std::make_unique<model::FlashImage>(backup);
  if (!model::HasCurrentFormat(image->macro)) image->macro = defaults.macro;
  if (!model::HasCurrentFormat(image->config)) image->config = defaults.config;
  if (!model::HasCurrentFormat(image->response)) image->response = defaults.response;
  return image;
}

}  // namespace

BackupRestorePlan PlanBackupRestore(const model::FlashImage& backup) {
  BackupRestorePlan plan;
  ForEachDataBlock(backup, [&plan](const char* name, bool valid, bool current, const model::Version& version) {
    if (!valid && plan.refusal.empty()) {
      plan.refusal = BackupBlockDamagedText(name);
    } else if (valid && !current) {
      plan.conversions += BackupBlockReplacedText(name, VersionText(version));
    }
  });
  return plan;
}

BackupConfirmation ConfirmBackupRestore(Host& host, const model::BackupHeader& header, const model::FlashImage& backup,
                                        const Serial& adapter_serial) {
  const BackupRestorePlan plan = PlanBackupRestore(backup);
  if (!plan.refusal.empty()) {
    host.Tell(kBackupsTitle, plan.refusal, Tone::kFailure);
    return BackupConfirmation::kRefused;
  }
  const std::string question = plan.conversions + RestoreBackupQuestion(header.serial, adapter_serial);
  return host.Ask(kBackupsTitle, question, Buttons::kYesNo) == kAnswerYes ? BackupConfirmation::kConfirmed
                                                                          : BackupConfirmation::kDeclined;
}

WriteOutcome RestoreBackup(Session& session, Host& host, const model::FlashImage& backup) {
  if (const BackupRestorePlan plan = PlanBackupRestore(backup); !plan.refusal.empty()) {
    host.Tell(kBackupTitle, plan.refusal, Tone::kFailure);
    return WriteOutcome::kDeclined;
  }
  const auto written = Converted(backup, session.defaults());
  device::WritePlan plan;
  if (!device::BuildSavePlan(model::BuildSaveJob(*written, model::kUnsavedAll), plan)) return WriteOutcome::kFailed;
  const WriteOutcome outcome =
      WriteToAdapter(session, host, plan, WriteKind::kRestoreConfiguration, AfterFailure::kReadAgain);
  if (outcome == WriteOutcome::kDone) {
    host.ReadAdapterAgain();
    host.Tell(kBackupTitle, kBackupRestoredText, Tone::kInformation);
  }
  return outcome;
}

}  // namespace torvane::core
