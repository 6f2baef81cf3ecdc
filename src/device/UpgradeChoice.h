#pragma once

#include <cstdint>

namespace torvane::device {

// Choices of the upgrade dialog.
inline constexpr int kChoiceNone = 0;
inline constexpr int kChoiceRestoreConfiguration = 1;
inline constexpr int kChoiceUpgradeFirmware = 2;

enum class UpgradeButtonAction {
  kRestoreFirmwareAndConfiguration,  // at once; on success the home page
  kShowChoiceDialog,
  kExitProgram,  // "Error" box with WorkingModeText, then exit code 0
};

enum class UpgradeChoiceAction {
  kNothing,
  kRestoreConfiguration,    // on success back to the adapter page
  kShowUnplugInstructions,  // "Error" box with kUnplugInstructionsText, nothing else
  kUpgradeFirmware,         // on success back to the adapter page
};

// The upgrade button on the adapter page, by working mode.
UpgradeButtonAction DecideUpgradeButton(std::uint8_t working_mode);
// What the upgrade dialog's choice leads to.
UpgradeChoiceAction DecideUpgradeChoice(int choice, std::uint8_t working_mode);

}  // namespace torvane::device
