#include "device/UpgradeChoice.h"

#include "device/CompatibilityRules.h"

namespace torvane::device {

UpgradeButtonAction DecideUpgradeButton(std::uint8_t working_mode) {
  if (working_mode == kModeRecovery) return UpgradeButtonAction::kRestoreFirmwareAndConfiguration;
  if (working_mode == kModeNormal || working_mode == kModePeripheral) return UpgradeButtonAction::kShowChoiceDialog;
  return UpgradeButtonAction::kExitProgram;
}

UpgradeChoiceAction DecideUpgradeChoice(int choice, std::uint8_t working_mode) {
  if (choice == kChoiceRestoreConfiguration) return UpgradeChoiceAction::kRestoreConfiguration;
  if (choice == kChoiceUpgradeFirmware) {
    return working_mode == kModePeripheral ? UpgradeChoiceAction::kShowUnplugInstructions
                                           : UpgradeChoiceAction::kUpgradeFirmware;
  }
  return UpgradeChoiceAction::kNothing;
}

}  // namespace torvane::device
