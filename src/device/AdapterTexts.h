#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "device/DeviceFailure.h"
#include "model/Version.h"

namespace torvane::device {

// Titles and texts of the adapter checks, the upgrade and the restores, as the player sees them.
inline constexpr std::string_view kErrorTitle = "Error";
inline constexpr std::string_view kUsbErrorTitle = "USB Error";
inline constexpr std::string_view kHardwareDamagedText = "Hardware was damaged.";
inline constexpr std::string_view kConfigurationLostText = "Configuration lost! Please restore configuration.";
inline constexpr std::string_view kNeedUpgradeText = "Need to upgrade firmware to use this manager!";
inline constexpr std::string_view kFirmwareLostText = "Firmware lost! Please restore firmware.";
inline constexpr std::string_view kLongUpgradeText =
    "Need to upgrade firmware to use this manager!\r\n\r\n1. Unplug all peripherals on Torvane\r\n2. Then connect "
    "Torvane to PC again\r\n3. Upgrade its firmware using this Torvane Manager";
inline constexpr std::string_view kLongRestoreText =
    "Firmware lost! Please restore firmware.\r\n\r\n1. Unplug all peripherals on Torvane\r\n2. Then connect Torvane "
    "to PC again\r\n3. Restore its firmware using this Torvane Manager";
inline constexpr std::string_view kUnplugInstructionsText =
    "1. Unplug all peripherals on Torvane\r\n2. Then connect Torvane to PC again\r\n3. Upgrade its firmware using "
    "this Torvane Manager";
inline constexpr std::string_view kNoAccessText =
    "Torvane Manager sees your Torvane but may not open it: this user has no permission to use its USB device.\n\n"
    "Install the udev rule 70-torvane-adapter.rules: the torvane-manager package puts it in place; after a build, "
    "copy packaging/70-torvane-adapter.rules from the build folder to /etc/udev/rules.d as root. Then unplug the "
    "Torvane and plug it in again.";

inline constexpr std::string_view kUpgradeFirmwareTitle = "Upgrade Firmware";
inline constexpr std::string_view kFirmwareLengthErrorText = "\nFirmware File Len Error!";
inline constexpr std::string_view kUpgradeSuccessText = "\nUpgrade successfully!";
inline constexpr std::string_view kRestoreFirmwareTitle = "Restore Firmware and Configuration";
inline constexpr std::string_view kRestoreSuccessText = "Restore successfully!";
inline constexpr std::string_view kRestoreConfigurationWarningTitle = "Restore Configuration Warning";
inline constexpr std::string_view kRestoreConfigurationQuestion =
    "All configurations will be restored to default !\nAre you sure to continue this procedure ?";
inline constexpr std::string_view kRestoreConfigurationTitle = "Restore Configuration";

// "Working Mode (%d)".
std::string WorkingModeText(std::uint8_t mode);
// The upgrade question, from the firmware version in the boot block to the manager's.
std::string UpgradeQuestionText(const model::Version& from);
// The "USB Error" box text: the connection hint followed by the failing step's text; when the worker could not
// open the adapter for lack of permission, how to get access instead of the connection hint.
std::string UsbErrorText(const DeviceFailure& failure);
// The "USB Error" box text when the device worker could not start, with the system error code.
std::string WorkerStartFailedText(int error);

}  // namespace torvane::device
