#pragma once

#include <cstdint>
#include <optional>

#include "model/FlashImage.h"

namespace torvane::device {

// The working modes this manager serves; any other ends the program.
inline constexpr std::uint8_t kModeNormal = 1;
inline constexpr std::uint8_t kModeRecovery = 3;
inline constexpr std::uint8_t kModePeripheral = 7;  // key codes come from the adapter's own inputs

bool IsAcceptedWorkingMode(std::uint8_t mode);

// wParam of MSG_INCOMPATIBLE for an information block of the older adapter
// generation (valid, boot loader 1.22.0): 1 for hardware 1.7.6, which the
// separate tool can upgrade, 2 for any other; 0 when the adapter is not old.
inline constexpr std::uint32_t kIncompatibleUpgradable = 1;
inline constexpr std::uint32_t kIncompatibleNeedsOldManager = 2;
std::uint32_t OldGenerationKind(const model::InfoBlock& info);

using model::kFirmwareAreaSize;
inline constexpr std::uint32_t kFirmwareAreaEnd = model::kFlashEndAddress;

// Where the byte after the firmware sits, as the boot block's address and
// length put it; nothing when that lies outside the firmware area, where no
// firmware can end (and no read may go).
std::optional<std::uint32_t> FirmwareEndAddress(const model::BootBlock& boot);
// The boot block carries both markers (the end one as the read found it
// after the firmware) and its firmware ends inside the firmware area;
// anything else counts as lost firmware.
bool FirmwarePresent(const model::BootBlock& boot);

// Macro, configuration and response blocks all carry both markers.
bool ConfigurationIntact(const model::FlashImage& image);
// The firmware is present and is the one this manager carries.
bool FirmwareCurrent(const model::BootBlock& boot);

}  // namespace torvane::device
