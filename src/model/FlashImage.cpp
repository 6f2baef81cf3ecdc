#include "model/FlashImage.h"

#include <algorithm>

#include "model/RegionBytes.h"

namespace torvane::model {

namespace {

// PgUp, PgDn, F12, Up, Down, Right, Left.
constexpr std::array<std::uint8_t, 7> kDefaultGlobalHotkeys{0x4B, 0x4E, 0x45, 0x52, 0x51, 0x4F, 0x50};

template <typename Block>
bool HasMarkers(const Block& block) {
  return block.start == kStartMarker && block.end == kEndMarker;
}

template <typename T>
void Zero(T& object) {
  auto bytes = BytesOf(object);
  std::fill(bytes.begin(), bytes.end(), std::uint8_t{0});
}

}  // namespace

std::unique_ptr<FlashImage> MakeFlashImage() {
  auto image = std::make_unique<FlashImage>();
  Zero(*image);
  return image;
}

std::unique_ptr<DefaultImages> MakeDefaultImages() {
  auto defaults = std::make_unique<DefaultImages>();
  Zero(*defaults);
  return defaults;
}

void ResetDefaultImages(DefaultImages& defaults) {
  Zero(defaults.macro);
  defaults.macro.start = kStartMarker;
  defaults.macro.version = kMacroFormatVersion;
  defaults.macro.end = kEndMarker;

  Zero(defaults.config);
  defaults.config.start = kStartMarker;
  defaults.config.version = kConfigFormatVersion;
  defaults.config.host = 0;
  defaults.config.count = 0;
  defaults.config.global_hotkey_count = static_cast<std::uint8_t>(kDefaultGlobalHotkeys.size());
  std::copy(kDefaultGlobalHotkeys.begin(), kDefaultGlobalHotkeys.end(), defaults.config.global_hotkeys.begin());
  defaults.config.end = kEndMarker;

  Zero(defaults.response);
  defaults.response.start = kStartMarker;
  defaults.response.version = kResponseFormatVersion;
  defaults.response.end = kEndMarker;
}

void RestoreDefaultRegions(FlashImage& image, const DefaultImages& defaults) {
  image.macro = defaults.macro;
  image.config = defaults.config;
  image.response = defaults.response;
}

bool IsValid(const InfoBlock& block) { return HasMarkers(block); }
bool IsValid(const BootBlock& block) { return HasMarkers(block); }
bool IsValid(const MacroBlock& block) { return HasMarkers(block); }
bool IsValid(const ConfigBlock& block) { return HasMarkers(block); }
bool IsValid(const ResponseBlock& block) { return HasMarkers(block); }

bool HasCurrentFormat(const MacroBlock& block) { return block.version == kMacroFormatVersion; }
bool HasCurrentFormat(const ConfigBlock& block) { return block.version == kConfigFormatVersion; }
bool HasCurrentFormat(const ResponseBlock& block) { return block.version == kResponseFormatVersion; }

SaveJob BuildSaveJob(const FlashImage& image, unsigned unsaved_mask) {
  SaveJob job;
  auto add = [&job](std::uint32_t address, std::uint8_t sector, std::span<const std::uint8_t> bytes) {
    job.regions.push_back({address, sector, bytes});
    job.total_length += static_cast<std::uint32_t>(bytes.size());
  };
  if (unsaved_mask & kUnsavedMacro) add(kMacroBlockAddress, kMacroSector, BytesOf(image.macro));
  if (unsaved_mask & kUnsavedConfig) add(kConfigBlockAddress, kConfigSector, BytesOf(image.config));
  if (unsaved_mask & kUnsavedResponse) add(kResponseBlockAddress, kResponseSector, BytesOf(image.response));
  return job;
}

}  // namespace torvane::model
