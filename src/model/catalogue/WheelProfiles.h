#pragma once

#include <span>
#include <vector>

#include "model/catalogue/GameCatalogue.h"

namespace torvane::model::catalogue {

inline constexpr std::size_t kWheelProfileCount = 25;

// The steering wheel profiles of the racing games, in table order.
std::vector<WheelProfile> BuildWheelProfiles();

// The first profile for `game_id` on `host`, or null.
const WheelProfile* FindWheelProfile(std::span<const WheelProfile> profiles, int game_id, int host);
// The first of the profile's wheel types (as many as its count, at most 6) with that id, or null.
const WheelType* FindWheelType(const WheelProfile& profile, int type_id);

}  // namespace torvane::model::catalogue
