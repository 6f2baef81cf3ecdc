#include "device/AdapterCheck.h"

#include "device/AdapterTexts.h"
#include "device/CompatibilityRules.h"

namespace torvane::device {

CheckStep AdapterCheck::Next() {
  if (stage_ == Stage::kStopped) return {CheckAction::kStop, {}};
  if (stage_ == Stage::kConfiguration) {
    if (!IsAcceptedWorkingMode(mode_)) {
      stage_ = Stage::kStopped;
      return {CheckAction::kExitProgram, WorkingModeText(mode_)};
    }
    if (!model::IsValid(image_.info)) {
      stage_ = Stage::kStopped;
      return {CheckAction::kStop, std::string(kHardwareDamagedText)};
    }
    if (!ConfigurationIntact(image_)) {
      if (FirmwarePresent(image_.boot)) {
        return {CheckAction::kConfirmRestoreConfiguration, std::string(kConfigurationLostText)};
      }
      return {CheckAction::kRestoreFirmwareAndConfiguration, {}};
    }
    stage_ = Stage::kFirmware;
  }
  if (stage_ == Stage::kFirmware) {
    if (!FirmwareCurrent(image_.boot)) {
      const bool valid = FirmwarePresent(image_.boot);
      if (mode_ == kModePeripheral) {
        // The adapter cannot take firmware in this mode: only tell the player how to get out of it.
        stage_ = Stage::kStopped;
        return {CheckAction::kStop, std::string(valid ? kLongUpgradeText : kLongRestoreText)};
      }
      return {CheckAction::kConfirmUpgrade, std::string(valid ? kNeedUpgradeText : kFirmwareLostText)};
    }
    stage_ = Stage::kHome;
  }
  return {CheckAction::kPruneAndShowHome, {}};
}

void AdapterCheck::Resume(bool succeeded) {
  if (!succeeded) {
    stage_ = Stage::kStopped;
  } else if (stage_ == Stage::kConfiguration) {
    stage_ = Stage::kFirmware;
  } else if (stage_ == Stage::kFirmware) {
    stage_ = Stage::kHome;
  }
}

}  // namespace torvane::device
