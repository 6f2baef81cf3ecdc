#include "device/FlashPlans.h"

#include <memory>
#include <vector>

#include "device/FirmwareImage.h"
#include "model/RegionBytes.h"

namespace torvane::device {

namespace {

using model::BytesOf;

constexpr std::uint8_t kFirmwareSectors[] = {5, 6};

// The boot parameters a restore sets: bytes 12 to 15 of the boot block.
constexpr std::uint8_t kDefaultBootParameters[] = {1, 0, 0, 0};

struct BlocksToReplace {
  bool macro = false;
  bool config = false;
  bool response = false;
};

std::unique_ptr<model::BootBlock> FreshBootBlock(std::span<const std::uint8_t> firmware) {
  auto boot = std::make_unique<model::BootBlock>();  // value-initialised: all zeros
  boot->start = model::kStartMarker;
  boot->firmware_version = model::kManagerVersion;
  boot->firmware_address = model::kFirmwareAddress;
  boot->firmware_length = static_cast<std::uint32_t>(firmware.size());
  boot->end = model::kEndMarker;
  return boot;
}

void SetDefaultBootParameters(model::BootBlock& boot) {
  std::copy(std::begin(kDefaultBootParameters), std::end(kDefaultBootParameters), boot.boot_parameters.begin());
}

bool AddRegion(WritePlan& plan, std::uint8_t sector, std::uint32_t address, std::span<const std::uint8_t> bytes) {
  return plan.AddSector(sector) && plan.AddEntry(address, bytes);
}

// Boot block, the chosen default blocks, and the firmware if there is one.
bool FillPlan(WritePlan& plan, const model::BootBlock& boot, const model::DefaultImages& defaults,
              const BlocksToReplace& replace, std::span<const std::uint8_t> firmware) {
  plan.Clear();
  bool ok = AddRegion(plan, model::kBootSector, model::kBootBlockAddress, BytesOf(boot));
  if (ok && replace.macro)
    ok = AddRegion(plan, model::kMacroSector, model::kMacroBlockAddress, BytesOf(defaults.macro));
  if (ok && replace.config) {
    ok = AddRegion(plan, model::kConfigSector, model::kConfigBlockAddress, BytesOf(defaults.config));
  }
  if (ok && replace.response) {
    ok = AddRegion(plan, model::kResponseSector, model::kResponseBlockAddress, BytesOf(defaults.response));
  }
  if (ok && !firmware.empty()) {
    // The end byte goes last: an upgrade cut short leaves it unwritten, and the
    // next read then finds the firmware lost.
    std::vector<std::uint8_t> image(firmware.begin(), firmware.end());
    image.push_back(model::kEndMarker);
    for (std::uint8_t sector : kFirmwareSectors) ok = ok && plan.AddSector(sector);
    ok = ok && plan.AddEntry(model::kFirmwareAddress, image);
  }
  if (!ok) plan.Clear();
  return ok;
}

void Commit(model::FlashImage& image, const model::BootBlock& boot, const model::DefaultImages& defaults,
            const BlocksToReplace& replace) {
  image.boot = boot;
  if (replace.macro) image.macro = defaults.macro;
  if (replace.config) image.config = defaults.config;
  if (replace.response) image.response = defaults.response;
}

}  // namespace

bool BuildUpgradePlan(model::FlashImage& image, const model::DefaultImages& defaults,
                      std::span<const std::uint8_t> firmware, WritePlan& plan) {
  if (!FirmwareImageFits(firmware)) {
    plan.Clear();
    return false;
  }
  auto boot = FreshBootBlock(firmware);
  boot->boot_parameters = image.boot.boot_parameters;
  if (boot->boot_parameters[3] > 4) SetDefaultBootParameters(*boot);
  const BlocksToReplace replace{!model::HasCurrentFormat(image.macro), !model::HasCurrentFormat(image.config),
                                !model::HasCurrentFormat(image.response)};
  if (!FillPlan(plan, *boot, defaults, replace, firmware)) return false;
  Commit(image, *boot, defaults, replace);
  return true;
}

bool BuildFirmwareRestorePlan(model::FlashImage& image, const model::DefaultImages& defaults,
                              std::span<const std::uint8_t> firmware, WritePlan& plan) {
  if (!FirmwareImageFits(firmware)) {
    plan.Clear();
    return false;
  }
  auto boot = FreshBootBlock(firmware);
  SetDefaultBootParameters(*boot);
  const BlocksToReplace all{true, true, true};
  if (!FillPlan(plan, *boot, defaults, all, firmware)) return false;
  Commit(image, *boot, defaults, all);
  return true;
}

bool BuildConfigurationRestorePlan(model::FlashImage& image, const model::DefaultImages& defaults, WritePlan& plan) {
  auto boot = std::make_unique<model::BootBlock>(image.boot);
  boot->start = model::kStartMarker;
  boot->end = model::kEndMarker;
  SetDefaultBootParameters(*boot);
  const BlocksToReplace all{true, true, true};
  if (!FillPlan(plan, *boot, defaults, all, {})) return false;
  Commit(image, *boot, defaults, all);
  return true;
}

bool BuildSavePlan(const model::SaveJob& job, WritePlan& plan) {
  plan.Clear();
  for (const model::SaveRegion& region : job.regions) {
    if (!AddRegion(plan, region.sector, region.address, region.bytes)) {
      plan.Clear();
      return false;
    }
  }
  return true;
}

}  // namespace torvane::device
