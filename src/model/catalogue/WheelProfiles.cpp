#include "model/catalogue/WheelProfiles.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "model/HostType.h"
#include "model/catalogue/WheelMappings.h"

namespace torvane::model::catalogue {

namespace {

struct WheelModel {
  int id;
  std::string_view name;
  std::uint8_t force_feedback;
};

constexpr WheelModel kG27{kWheelG27, "Logitech G27", 15};
constexpr WheelModel kG25{kWheelG25, "Logitech G25", 15};
constexpr WheelModel kDFGT{kWheelDFGT, "Logitech DFGT", 15};
constexpr WheelModel kDFP{kWheelDFP, "Logitech DFP", 15};
constexpr WheelModel kG29{kWheelG29, "Logitech G29", 5};
constexpr WheelModel kT300RS{kWheelT300RS, "Logitech T300RS", 8};
constexpr WheelModel kG920{kWheelG920, "Logitech G920", 5};

using WheelSet = std::array<WheelModel, kWheelTypesPerProfile>;
// The two wheel line-ups differ only in their last slot.
constexpr WheelSet kWithG920{kG27, kG25, kDFGT, kDFP, kG29, kG920};
constexpr WheelSet kWithT300RS{kG27, kG25, kDFGT, kDFP, kG29, kT300RS};

struct ProfileRow {
  int host;
  int game_id;
  const WheelSet& wheels;
  int angle;  // steering angle of every wheel type but the DFP
  int dfp_angle;
};

constexpr ProfileRow kRows[] = {
    {kHostPS4, 89, kWithG920, 0, 0},           {kHostPS4, 65, kWithG920, 0, 0},
    {kHostPS4, 84, kWithG920, 0, 0},           {kHostPS4, 32, kWithG920, 0, 0},
    {kHostPS4, 43, kWithG920, 0, 0},           {kHostPS4, 88, kWithG920, 0, 0},
    {kHostPS4, 74, kWithG920, 0, 0},           {kHostPS4, 85, kWithG920, 0, 0},
    {kHostPS4, 59, kWithG920, 0, 0},           {kHostPS4, 54, kWithG920, 0, 0},
    {kHostPS4, 67, kWithG920, 0, 0},           {kHostPS4, 87, kWithG920, 0, 0},
    {kHostPS4, 68, kWithG920, 0, 0},           {kHostPS4, 31, kWithT300RS, 360, 200},
    {kHostPS4, 61, kWithT300RS, 360, 360},     {kHostPS4, 132, kWithT300RS, 360, 360},
    {kHostXbox360, 44, kWithT300RS, 210, 200}, {kHostXboxOne, 45, kWithT300RS, 210, 200},
    {kHostXboxOne, 60, kWithT300RS, 210, 200}, {kHostXboxOne, 66, kWithT300RS, 210, 200},
    {kHostXboxOne, 71, kWithT300RS, 210, 200}, {kHostXboxOne, 43, kWithT300RS, 210, 200},
    {kHostXboxOne, 65, kWithT300RS, 210, 200}, {kHostXboxOne, 61, kWithT300RS, 360, 200},
    {kHostXboxOne, 90, kWithT300RS, 900, 900},
};
static_assert(std::size(kRows) == kWheelProfileCount);

WheelType MakeWheelType(const WheelModel& model, int angle, int host) {
  WheelType type{};
  type.id = static_cast<std::uint8_t>(model.id);
  std::copy(model.name.begin(), model.name.end(), type.name.begin());
  type.steering_angle = static_cast<std::uint16_t>(angle);
  type.force_feedback_strength = model.force_feedback;
  type.mapping = WheelMapping(model.id, host);
  return type;
}

}  // namespace

std::vector<WheelProfile> BuildWheelProfiles() {
  std::vector<WheelProfile> profiles;
  profiles.reserve(std::size(kRows));
  for (const ProfileRow& row : kRows) {
    WheelProfile profile{};
    profile.game_id = static_cast<std::uint8_t>(row.game_id);
    profile.host = static_cast<std::uint8_t>(row.host);
    profile.count = static_cast<std::uint8_t>(row.wheels.size());
    for (std::size_t i = 0; i < row.wheels.size(); ++i) {
      const WheelModel& model = row.wheels[i];
      profile.types[i] = MakeWheelType(model, model.id == kWheelDFP ? row.dfp_angle : row.angle, row.host);
    }
    profiles.push_back(profile);
  }
  return profiles;
}

const WheelProfile* FindWheelProfile(std::span<const WheelProfile> profiles, int game_id, int host) {
  const auto found = std::find_if(profiles.begin(), profiles.end(), [&](const WheelProfile& profile) {
    return profile.game_id == game_id && profile.host == host;
  });
  return found == profiles.end() ? nullptr : &*found;
}

const WheelType* FindWheelType(const WheelProfile& profile, int type_id) {
  // Slots past the count are empty and would match type 0.
  const std::size_t count = std::min<std::size_t>(profile.count, kWheelTypesPerProfile);
  for (std::size_t i = 0; i < count; ++i) {
    if (profile.types[i].id == type_id) return &profile.types[i];
  }
  return nullptr;
}

}  // namespace torvane::model::catalogue
