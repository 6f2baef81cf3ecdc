#pragma once

#include <cstdint>

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

// Where the byte after the firmware sits; the sum wraps like the adapter's 32-bit address.
std::uint32_t FirmwareEndAddress(const model::BootBlock& boot);

// Macro, configuration and response blocks all carry both markers.
bool ConfigurationIntact(const model::FlashImage& image);
// The boot block is valid and names the firmware this manager carries.
bool FirmwareCurrent(const model::BootBlock& boot);

}  // namespace torvane::device
