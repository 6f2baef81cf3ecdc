#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "model/FlashRegions.h"

namespace torvane::model {

// The manager's copy of the adapter's flash regions; configurations, macros,
// response tables and global hotkeys are edited in place inside it.
struct FlashImage {
  InfoBlock info;
  BootBlock boot;
  MacroBlock macro;
  ConfigBlock config;
  ResponseBlock response;
};

// The regions a restore writes, built once at start-up.
struct DefaultImages {
  MacroBlock macro;
  ConfigBlock config;
  ResponseBlock response;
};

// Both are too large for a thread's stack; they start zero-filled.
std::unique_ptr<FlashImage> MakeFlashImage();
std::unique_ptr<DefaultImages> MakeDefaultImages();

// Fills the three default region images: empty tables, current format
// versions, markers, and the seven default global hotkeys.
void ResetDefaultImages(DefaultImages& defaults);
// Copies the default images over the live macro, configuration and response blocks.
void RestoreDefaultRegions(FlashImage& image, const DefaultImages& defaults);

// A region is present when it starts with 0x55 and ends with 0xAA.
bool IsValid(const InfoBlock& block);
bool IsValid(const BootBlock& block);
bool IsValid(const MacroBlock& block);
bool IsValid(const ConfigBlock& block);
bool IsValid(const ResponseBlock& block);

// A region has the current format when its version equals the one this manager writes.
bool HasCurrentFormat(const MacroBlock& block);
bool HasCurrentFormat(const ConfigBlock& block);
bool HasCurrentFormat(const ResponseBlock& block);

// Bits of the mask of regions changed since the last read or save.
inline constexpr unsigned kUnsavedConfig = 1u << 0;
inline constexpr unsigned kUnsavedMacro = 1u << 1;
inline constexpr unsigned kUnsavedResponse = 1u << 2;
inline constexpr unsigned kUnsavedAll = kUnsavedConfig | kUnsavedMacro | kUnsavedResponse;

// Flash sectors of the regions.
inline constexpr std::uint8_t kBootSector = 1;
inline constexpr std::uint8_t kMacroSector = 2;
inline constexpr std::uint8_t kConfigSector = 3;
inline constexpr std::uint8_t kResponseSector = 4;

// One region of a save: where it goes, which sector holds it, its bytes.
struct SaveRegion {
  std::uint32_t address;
  std::uint8_t sector;
  std::span<const std::uint8_t> bytes;
};

struct SaveJob {
  std::vector<SaveRegion> regions;  // macro, configuration, response order
  std::uint32_t total_length = 0;
};

// The dirty regions of `unsaved_mask` in the fixed save order, each as it stands.
SaveJob BuildSaveJob(const FlashImage& image, unsigned unsaved_mask);

}  // namespace torvane::model
