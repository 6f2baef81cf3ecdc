#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/FlashImage.h"

namespace torvane::model {

// The 16 colours offered to configurations, in offer order (ARGB).
extern const std::array<std::uint32_t, 16> kConfigColors;
// The 32 configuration hotkey candidates, in offer order (key codes).
extern const std::array<std::uint8_t, 32> kHotkeyCandidates;

// Records in use: the stored count, clamped to the table (a count read from
// the adapter can hold anything).
std::size_t UsedConfigCount(const ConfigBlock& block);
// Global hotkeys in use: the stored count, clamped to the area that holds them.
std::size_t UsedGlobalHotkeys(const ConfigBlock& block);

// Lookups over the records in use. Names compare byte-wise and case-sensitively.
int FindConfigIndex(const ConfigBlock& block, std::string_view name, int host);
ConfigRecord* FindConfig(ConfigBlock& block, std::string_view name, int host);
const ConfigRecord* FindConfig(const ConfigBlock& block, std::string_view name, int host);
int CountConfigs(const ConfigBlock& block, int host);
int StartupIndex(const ConfigBlock& block, int host);

// Table changes. `default_response` is the catalogue's response record for the
// record's curve_id, or null, which leaves the response slot as it is.
bool AddConfig(FlashImage& image, const ConfigRecord& record, const ResponseRecord* default_response);
// Fails when the table is full or `source_slot` is not in use.
bool CopyConfig(FlashImage& image, const ConfigRecord& record, int source_slot);
// Returns whether a record was removed.
bool DeleteConfig(FlashImage& image, int host, std::string_view name);
// Removes the record in `slot` with its response record; false when the slot is not in use.
bool DeleteConfigAt(FlashImage& image, int slot);
// Makes the named record of the current host the start-up one; true only when
// it was not before. An unknown name changes nothing.
bool SetStartup(ConfigBlock& block, std::string_view name);
// A save needs a start-up configuration on the current host: when it has none
// and exactly one configuration, that one becomes it. False when the host
// still has none (no configuration, or several to choose from).
bool EnsureStartup(ConfigBlock& block);

// Choices for new configurations.
std::uint32_t PickFreeColor(const ConfigBlock& block, int host);
std::uint32_t NextFreeColor(const ConfigBlock& block, std::uint32_t current);
std::uint8_t PickFreeHotkey(const ConfigBlock& block, const ConfigRecord& record);

// Key conflict checks.
// Global hotkeys 0..2 (previous, next, config mode), which no configuration may take.
bool IsReservedGlobalHotkey(const ConfigBlock& block, std::uint8_t code);
// A key for a controller button or a single-key field of `record`: reserved, some configuration's hotkey on its
// host, or already used by the record itself (mapping, key fields, its macros' hotkeys).
bool MappedKeyConflict(const FlashImage& image, const ConfigRecord& record, std::uint8_t code);
// A configuration hotkey on `host`: reserved, another hotkey there, or a key some configuration there uses.
bool ConfigHotkeyConflict(const FlashImage& image, int host, std::uint8_t code);
bool KeyUsedByConfig(const FlashImage& image, const ConfigRecord& record, std::uint8_t code);
bool KeyUsedOnHost(const FlashImage& image, int host, std::uint8_t code);
bool KeyUsedAnywhere(const FlashImage& image, std::uint8_t code);
bool HotkeyUsedOnHost(const ConfigBlock& block, std::uint8_t code, int host);
bool HotkeyUsedAnywhere(const ConfigBlock& block, std::uint8_t code);
bool GlobalKeyConflict(const FlashImage& image, int kind, std::uint8_t code);
// The first key of the record taken elsewhere, or 0. Entries that map nothing
// (0 and 0xFF) are skipped.
std::uint8_t FindOccupiedKey(const ConfigBlock& block, const ConfigRecord& record);

}  // namespace torvane::model
