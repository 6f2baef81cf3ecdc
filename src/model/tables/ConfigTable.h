#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "model/FlashImage.h"

namespace torvane::model {

// The 16 colours offered to configurations, in offer order (ARGB).
extern const std::array<std::uint32_t, 16> kConfigColors;
// The 32 configuration hotkey candidates, in offer order (key codes).
extern const std::array<std::uint8_t, 32> kHotkeyCandidates;

// Lookups over the records in use. Names compare byte-wise and case-sensitively.
int FindConfigIndex(const ConfigBlock& block, std::string_view name, int host);
ConfigRecord* FindConfig(ConfigBlock& block, std::string_view name, int host);
const ConfigRecord* FindConfig(const ConfigBlock& block, std::string_view name, int host);
int CountConfigs(const ConfigBlock& block, int host);
int StartupIndex(const ConfigBlock& block, int host);

// Table changes. `default_response` is the catalogue's response record for the
// record's curve_id, or null, which leaves the response slot as it is.
bool AddConfig(FlashImage& image, const ConfigRecord& record, const ResponseRecord* default_response);
bool CopyConfig(FlashImage& image, const ConfigRecord& record, int source_slot);
// Returns whether a record was removed.
bool DeleteConfig(FlashImage& image, int host, std::string_view name);
bool SetStartup(ConfigBlock& block, std::string_view name);

// Choices for new configurations.
std::uint32_t PickFreeColor(const ConfigBlock& block, int host);
std::uint32_t NextFreeColor(const ConfigBlock& block, std::uint32_t current);
std::uint8_t PickFreeHotkey(const ConfigBlock& block, const ConfigRecord& record);

// Key conflict checks.
bool KeyUsedByConfig(const FlashImage& image, const ConfigRecord& record, std::uint8_t code);
bool KeyUsedOnHost(const FlashImage& image, int host, std::uint8_t code);
bool KeyUsedAnywhere(const FlashImage& image, std::uint8_t code);
bool HotkeyUsedOnHost(const ConfigBlock& block, std::uint8_t code, int host);
bool HotkeyUsedAnywhere(const ConfigBlock& block, std::uint8_t code);
bool GlobalKeyConflict(const FlashImage& image, int kind, std::uint8_t code);
std::uint8_t FindOccupiedKey(const ConfigBlock& block, const ConfigRecord& record);

}  // namespace torvane::model
