#include "core/FirmwareProcedures.h"

#include <memory>
#include <string>

#include "core/Host.h"
#include "core/Session.h"
#include "core/WriteFlow.h"
#include "device/AdapterTexts.h"
#include "device/FlashPlans.h"
#include "device/UpgradeChoice.h"

namespace torvane::core {

namespace {

ProcedureOutcome Written(WriteOutcome outcome) {
  switch (outcome) {
    case WriteOutcome::kDone:
      return ProcedureOutcome::kDone;
    case WriteOutcome::kDeclined:
      return ProcedureOutcome::kDeclined;
    case WriteOutcome::kFailed:
      break;
  }
  return ProcedureOutcome::kFailed;
}

bool AskYes(Host& host, std::string_view title, std::string_view text) {
  return host.Ask(title, text, Buttons::kYesNo) == kAnswerYes;
}

}  // namespace

ProcedureOutcome FirmwareProcedures::UpgradeFirmware() {
  return WriteFirmware(device::kUpgradeFirmwareTitle, device::kUpgradeSuccessText, WriteKind::kUpgradeFirmware,
                       device::BuildUpgradePlan);
}

ProcedureOutcome FirmwareProcedures::RestoreFirmwareAndConfiguration() {
  return WriteFirmware(device::kRestoreFirmwareTitle, device::kRestoreSuccessText, WriteKind::kRestoreAll,
                       device::BuildFirmwareRestorePlan);
}

ProcedureOutcome FirmwareProcedures::WriteFirmware(std::string_view title, std::string_view success, WriteKind kind,
                                                   const FirmwarePlan& build) {
  if (!AskYes(host_, title, device::UpgradeQuestionText(session_.image().boot.firmware_version))) {
    return ProcedureOutcome::kDeclined;
  }
  const auto firmware = session_.CarriedFirmware();
  const auto next = std::make_unique<model::FlashImage>(session_.image());
  device::WritePlan plan;
  if (!firmware || !build(*next, session_.defaults(), *firmware, plan)) {
    // Told by the restore too: after a Yes, silence would look as if it had run.
    host_.Tell(title, device::kFirmwareLengthErrorText, Tone::kFailure);
    return ProcedureOutcome::kNoFirmware;
  }
  const ProcedureOutcome outcome = Written(WriteToAdapter(session_, host_, plan, kind, AfterFailure::kReadAgain));
  if (outcome != ProcedureOutcome::kDone) return outcome;
  session_.image() = *next;
  host_.Tell(title, success, Tone::kInformation);
  return outcome;
}

ProcedureOutcome FirmwareProcedures::RestoreConfiguration() {
  if (!AskYes(host_, device::kRestoreConfigurationWarningTitle, device::kRestoreConfigurationQuestion)) {
    return ProcedureOutcome::kDeclined;
  }
  const auto next = std::make_unique<model::FlashImage>(session_.image());
  device::WritePlan plan;
  if (!device::BuildConfigurationRestorePlan(*next, session_.defaults(), plan)) return ProcedureOutcome::kFailed;
  const ProcedureOutcome outcome =
      Written(WriteToAdapter(session_, host_, plan, WriteKind::kRestoreConfiguration, AfterFailure::kReadAgain));
  if (outcome == ProcedureOutcome::kDone) {
    session_.image() = *next;
    session_.ClearUnsaved();
    host_.Tell(device::kRestoreConfigurationTitle, device::kRestoreSuccessText, Tone::kInformation);
  }
  return outcome;
}

UpgradeButtonResult PressUpgradeButton(Session& session, Host& host, const std::function<int()>& choose) {
  FirmwareProcedures procedures(session, host);
  const std::uint8_t mode = session.run_status().working_mode();
  switch (device::DecideUpgradeButton(mode)) {
    case device::UpgradeButtonAction::kRestoreFirmwareAndConfiguration: {
      const ProcedureOutcome outcome = procedures.RestoreFirmwareAndConfiguration();
      return {outcome == ProcedureOutcome::kDone ? UpgradeButtonNext::kHomePage : UpgradeButtonNext::kNothing, outcome};
    }
    case device::UpgradeButtonAction::kExitProgram:
      host.Tell(device::kErrorTitle, device::WorkingModeText(mode), Tone::kFailure);
      return {UpgradeButtonNext::kExitProgram, std::nullopt};
    case device::UpgradeButtonAction::kShowChoiceDialog:
      break;
  }
  ProcedureOutcome outcome = ProcedureOutcome::kDeclined;
  switch (device::DecideUpgradeChoice(choose ? choose() : device::kChoiceNone, mode)) {
    case device::UpgradeChoiceAction::kRestoreConfiguration:
      outcome = procedures.RestoreConfiguration();
      break;
    case device::UpgradeChoiceAction::kUpgradeFirmware:
      outcome = procedures.UpgradeFirmware();
      break;
    case device::UpgradeChoiceAction::kShowUnplugInstructions:
      host.Tell(device::kErrorTitle, device::kUnplugInstructionsText, Tone::kFailure);
      return {UpgradeButtonNext::kRefused, std::nullopt};
    case device::UpgradeChoiceAction::kNothing:
      return {};
  }
  return {outcome == ProcedureOutcome::kDone ? UpgradeButtonNext::kAdapterPage : UpgradeButtonNext::kNothing, outcome};
}

}  // namespace torvane::core
