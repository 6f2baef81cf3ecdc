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
// The wheel type id that preparation gives records without a wheel profile.
inline constexpr int kNoWheelTypeId = 60;

// One steering wheel type of a racing game's profile.
struct WheelType {
  std::uint8_t id;
  std::array<char, 40> name;  // narrow text, NUL-padded
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

// Builds the catalogue records, the wheel profiles and the default response
// records once, thread-safely; later calls return at once. Every lookup below
// that needs them calls it itself, so calling it at start-up only moves the
// cost there.
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

// The first wheel profile with the record's game id and host type, or null.
const WheelProfile* WheelProfilesFor(const ConfigRecord& record);
// Within that profile, the first wheel type (of as many as its count) whose id
// equals the record's wheel type (mode_bits bits 1-7), or null.
const WheelType* WheelTypeFor(const ConfigRecord& record);
// The wheel type's name up to its terminator (the whole field when it has none).
std::string_view WheelTypeName(const WheelType& type);

// The 159 default response records, in table order.
std::span<const ResponseRecord> DefaultResponseRecords();
// The first default response record with that identifier, or null.
const ResponseRecord* DefaultResponseRecord(std::uint16_t curve_id);

}  // namespace torvane::model
