#include "device/CompatibilityRules.h"

namespace torvane::device {

namespace {

constexpr model::Version kOldBootLoader{1, 22, 0};
constexpr model::Version kUpgradableHardware{1, 7, 6};

}  // namespace

bool IsAcceptedWorkingMode(std::uint8_t mode) {
  return mode == kModeNormal || mode == kModeRecovery || mode == kModePeripheral;
}

std::uint32_t OldGenerationKind(const model::InfoBlock& info) {
  if (!model::IsValid(info) || info.boot_loader_version != kOldBootLoader) return 0;
  return model::CompareVersion(kUpgradableHardware, info.hardware_version) == model::kVersionEqual
             ? kIncompatibleUpgradable
             : kIncompatibleNeedsOldManager;
}

std::optional<std::uint32_t> FirmwareEndAddress(const model::BootBlock& boot) {
  // Summed wide, so a length that would wrap the 32-bit address lands outside as well.
  const std::uint64_t end = std::uint64_t{boot.firmware_address} + std::uint64_t{boot.firmware_length};
  if (end < model::kFirmwareAddress || end >= kFirmwareAreaEnd) return std::nullopt;
  return static_cast<std::uint32_t>(end);
}

bool FirmwarePresent(const model::BootBlock& boot) {
  return model::IsValid(boot) && FirmwareEndAddress(boot).has_value();
}

bool ConfigurationIntact(const model::FlashImage& image) {
  return model::IsValid(image.macro) && model::IsValid(image.response) && model::IsValid(image.config);
}

bool FirmwareCurrent(const model::BootBlock& boot) {
  return FirmwarePresent(boot) &&
         model::CompareVersion(model::kManagerVersion, boot.firmware_version) == model::kVersionEqual;
}

}  // namespace torvane::device
