#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "model/FlashRegions.h"

namespace torvane::model {

inline constexpr int kGameCount = 137;
inline constexpr int kCustomGameId = 18;
inline constexpr std::size_t kWheelTypesPerProfile = 6;

// One steering wheel type of a racing game's profile.
struct WheelType {
  std::uint8_t id;
  std::array<char, 40> name;
  U16le steering_angle;
  std::uint8_t force_feedback_strength;
  std::array<MappingGroup, kMappingGroups> mapping;
};
static_assert(sizeof(WheelType) == 244);

struct WheelProfile {
  std::uint8_t game_id;
  std::uint8_t host;
  std::uint8_t count;  // at most 6
  std::array<WheelType, kWheelTypesPerProfile> types;
};
static_assert(sizeof(WheelProfile) == 1467);

// Builds the catalogue records once; safe to call again (it does nothing then).
void PrepareCatalogue();

// Game information by game id (UTF-8); empty text for an id outside 0..136.
std::string_view GameTitle(int game_id);
std::string_view GameImage(int game_id);
std::string_view GameSettingsText(int game_id);

// The host's ready configurations in catalogue order; empty for an unknown host.
std::span<const ConfigRecord> Catalogue(int host);
// The first catalogue record of the record's host with the record's game id, or null.
const ConfigRecord* CatalogueRecordFor(const ConfigRecord& record);
bool IsKnownGame(int host, int game_id);

const WheelProfile* WheelProfilesFor(const ConfigRecord& record);
const WheelType* WheelTypeFor(const ConfigRecord& record);

std::span<const ResponseRecord> DefaultResponseRecords();
const ResponseRecord* DefaultResponseRecord(std::uint16_t curve_id);

}  // namespace torvane::model
