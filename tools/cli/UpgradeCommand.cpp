// upgrade: the firmware upgrade and the two factory restores, as the manager's adapter page offers them.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CarriedFirmware.h"
#include "Commands.h"
#include "ExitCodes.h"
#include "device/AdapterCheck.h"
#include "device/AdapterTexts.h"
#include "device/FlashPlans.h"
#include "device/UpgradeChoice.h"

namespace torvane::cli {

namespace {

// Each procedure asks its question, builds its plan from the image and writes it behind a backup.
class Procedures {
 public:
  explicit Procedures(CommandContext& context) : context_(context), defaults_(model::MakeDefaultImages()) {
    model::ResetDefaultImages(*defaults_);
  }

  int UpgradeFirmware() {
    if (!Ask(device::kUpgradeFirmwareTitle, device::UpgradeQuestionText(Image().boot.firmware_version))) {
      return kExitDeclined;
    }
    const auto firmware = CarriedFirmware();
    if (!firmware || !device::BuildUpgradePlan(Image(), *defaults_, *firmware, plan_)) {
      return Refuse(device::kUpgradeFirmwareTitle);
    }
    return Write(device::kUpgradeFirmwareTitle, device::kUpgradeSuccessText, "Upgrading");
  }

  int RestoreFirmwareAndConfiguration() {
    if (!Ask(device::kRestoreFirmwareTitle, device::UpgradeQuestionText(Image().boot.firmware_version))) {
      return kExitDeclined;
    }
    const auto firmware = CarriedFirmware();
    if (!firmware || !device::BuildFirmwareRestorePlan(Image(), *defaults_, *firmware, plan_)) {
      return Refuse(device::kRestoreFirmwareTitle);
    }
    return Write(device::kRestoreFirmwareTitle, device::kRestoreSuccessText, "Restoring");
  }

  int RestoreConfiguration() {
    if (!Ask(device::kRestoreConfigurationWarningTitle, device::kRestoreConfigurationQuestion)) return kExitDeclined;
    if (!device::BuildConfigurationRestorePlan(Image(), *defaults_, plan_)) {
      return Refuse(device::kRestoreConfigurationTitle);
    }
    return Write(device::kRestoreConfigurationTitle, device::kRestoreSuccessText, "Restoring");
  }

 private:
  model::FlashImage& Image() { return context_.session.image(); }
  bool Ask(std::string_view title, std::string_view question) { return context_.prompter.Ask(title, question); }

  // The carried firmware is missing or does not fit: nothing was written.
  int Refuse(std::string_view title) {
    context_.output.Error(title, device::kFirmwareLengthErrorText);
    return kExitRefusedFile;
  }

  int Write(std::string_view title, std::string_view success, const std::string& label) {
    if (const int code = context_.session.Write(plan_, label); code != kExitOk) return code;
    context_.output.Message(title, success);
    return kExitOk;
  }

  CommandContext& context_;
  std::unique_ptr<model::DefaultImages> defaults_;
  device::WritePlan plan_;
};

// The adapter page's upgrade button, with "upgrade firmware" chosen in its dialog.
int UpgradeButton(CommandContext& context, Procedures& procedures, std::uint8_t mode) {
  switch (device::DecideUpgradeButton(mode)) {
    case device::UpgradeButtonAction::kRestoreFirmwareAndConfiguration:
      return procedures.RestoreFirmwareAndConfiguration();
    case device::UpgradeButtonAction::kExitProgram:
      context.output.Error(device::kErrorTitle, device::WorkingModeText(mode));
      return kExitAdapterState;
    case device::UpgradeButtonAction::kShowChoiceDialog:
      break;
  }
  switch (device::DecideUpgradeChoice(device::kChoiceUpgradeFirmware, mode)) {
    case device::UpgradeChoiceAction::kUpgradeFirmware:
      return procedures.UpgradeFirmware();
    case device::UpgradeChoiceAction::kShowUnplugInstructions:
      context.output.Error(device::kErrorTitle, device::kUnplugInstructionsText);
      return kExitAdapterState;
    case device::UpgradeChoiceAction::kRestoreConfiguration:
      return procedures.RestoreConfiguration();
    case device::UpgradeChoiceAction::kNothing:
      break;
  }
  return kExitOk;
}

}  // namespace

int UpgradeAdapter(CommandContext& context) {
  AdapterSession& session = context.session;
  if (const int code = session.Connect(); code != kExitOk) return code;
  if (const int code = session.Read(); code != kExitOk) return code;
  const std::uint8_t mode = session.run_status().working_mode();
  Procedures procedures(context);
  // First what the checks on a click on the adapter ask for; an adapter that needs nothing gets the upgrade
  // button's upgrade.
  device::AdapterCheck check(session.image(), mode);
  bool repaired = false;
  for (;;) {
    const device::CheckStep step = check.Next();
    int code = kExitOk;
    switch (step.action) {
      case device::CheckAction::kExitProgram:
      case device::CheckAction::kStop:
        if (!step.text.empty()) context.output.Error(device::kErrorTitle, step.text);
        return kExitAdapterState;
      case device::CheckAction::kConfirmRestoreConfiguration:
        context.output.Message(device::kErrorTitle, step.text);
        code = procedures.RestoreConfiguration();
        break;
      case device::CheckAction::kRestoreFirmwareAndConfiguration:
        code = procedures.RestoreFirmwareAndConfiguration();
        break;
      case device::CheckAction::kConfirmUpgrade:
        context.output.Message(device::kErrorTitle, step.text);
        code = procedures.UpgradeFirmware();
        break;
      case device::CheckAction::kPruneAndShowHome:
        return repaired ? kExitOk : UpgradeButton(context, procedures, mode);
    }
    if (code != kExitOk) return code;
    repaired = true;
    check.Resume(true);
  }
}

}  // namespace torvane::cli
