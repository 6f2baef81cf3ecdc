#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "model/HostType.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/catalogue/WheelProfiles.h"
#include "model/keys/ControllerButton.h"

namespace torvane::model {
namespace {

struct Expected {
  std::string_view name;
  int angle;
  int force_feedback;
};

using TypeList = std::vector<std::pair<int, Expected>>;

void ExpectTypes(const WheelProfile& profile, const TypeList& types) {
  ASSERT_EQ(profile.count, 6);
  std::size_t i = 0;
  for (const auto& [id, expected] : types) {
    const WheelType& type = profile.types[i++];
    SCOPED_TRACE(std::string(expected.name));
    EXPECT_EQ(type.id, id);
    EXPECT_EQ(WheelTypeName(type), expected.name);
    EXPECT_EQ(type.steering_angle.get(), expected.angle);
    EXPECT_EQ(type.force_feedback_strength, expected.force_feedback);
  }
}

TEST(WheelProfileTest, TableHoldsTheListedEntriesInOrderWithTheirAnglesAndForceFeedback) {
  const std::vector<WheelProfile> profiles = catalogue::BuildWheelProfiles();
  const std::pair<int, int> order[] = {
      {0, 89}, {0, 65}, {0, 84}, {0, 32}, {0, 43}, {0, 88}, {0, 74},  {0, 85}, {0, 59},
      {0, 54}, {0, 67}, {0, 87}, {0, 68}, {0, 31}, {0, 61}, {0, 132}, {3, 44}, {1, 45},
      {1, 60}, {1, 66}, {1, 71}, {1, 43}, {1, 65}, {1, 61}, {1, 90},
  };
  ASSERT_EQ(profiles.size(), std::size(order));
  for (std::size_t i = 0; i < profiles.size(); ++i) {
    EXPECT_EQ(profiles[i].host, order[i].first) << i;
    EXPECT_EQ(profiles[i].game_id, order[i].second) << i;
  }
  for (std::size_t i = 0; i < 13; ++i) {
    ExpectTypes(profiles[i], {{0, {"Logitech G27", 0, 15}},
                              {1, {"Logitech G25", 0, 15}},
                              {2, {"Logitech DFGT", 0, 15}},
                              {3, {"Logitech DFP", 0, 15}},
                              {4, {"Logitech G29", 0, 5}},
                              {6, {"Logitech G920", 0, 5}}});
  }
  auto modern = [](int angle, int dfp_angle) {
    return TypeList{{0, {"Logitech G27", angle, 15}},  {1, {"Logitech G25", angle, 15}},
                    {2, {"Logitech DFGT", angle, 15}}, {3, {"Logitech DFP", dfp_angle, 15}},
                    {4, {"Logitech G29", angle, 5}},   {5, {"Logitech T300RS", angle, 8}}};
  };
  ExpectTypes(profiles[13], modern(360, 200));
  ExpectTypes(profiles[14], modern(360, 360));
  ExpectTypes(profiles[15], modern(360, 360));
  for (std::size_t i = 16; i < 23; ++i) ExpectTypes(profiles[i], modern(210, 200));
  ExpectTypes(profiles[23], modern(360, 200));
  ExpectTypes(profiles[24], modern(900, 900));
}

TEST(WheelProfileTest, MappingsDriveTheConsoleFromTheWheelAndStayFewAndWithinCodes) {
  std::set<std::vector<std::uint8_t>> blocks;
  for (const WheelProfile& profile : catalogue::BuildWheelProfiles()) {
    for (const WheelType& type : profile.types) {
      SCOPED_TRACE(std::string(WheelTypeName(type)) + " for game " + std::to_string(profile.game_id));
      const MappingGroup& wheel = type.mapping[1];
      // Pedals on the triggers, paddles on the bumpers, the wheel's face buttons on the pad's.
      for (int button : {kButtonL1, kButtonL2, kButtonR1, kButtonR2, kButtonTriangle, kButtonCross, kButtonSquare,
                         kButtonCircle, kButtonOptions, kButtonShare}) {
        EXPECT_GE(wheel[button], 193) << button;
        EXPECT_LE(wheel[button], 252) << button;
      }
      EXPECT_EQ(wheel[kButtonTouch], 0);
      // Group 0 keeps the keyboard: throttle W on R2, brake S on L2.
      EXPECT_EQ(type.mapping[0][kButtonR2], 26);
      EXPECT_EQ(type.mapping[0][kButtonL2], 22);
      EXPECT_EQ(type.mapping[0][kButtonTouch] != 0, profile.host == kHostPS4);
      EXPECT_EQ(type.mapping[2], MappingGroup{});
      EXPECT_EQ(type.mapping[3], MappingGroup{});
      std::set<std::uint8_t> codes;
      for (std::uint8_t code : wheel) {
        if (code != 0) {
          EXPECT_TRUE(codes.insert(code).second) << "J" << code - 192 << " drives two buttons";
        }
      }
      const auto* bytes = reinterpret_cast<const std::uint8_t*>(type.mapping.data());
      blocks.emplace(bytes, bytes + sizeof(type.mapping));
    }
  }
  EXPECT_LE(blocks.size(), 32u);
  EXPECT_GE(blocks.size(), 7u);  // each wheel model has its own buttons
}

TEST(WheelProfileTest, LookupsMatchGameHostAndWheelTypeWithinTheCount) {
  ConfigRecord record{};
  record.set_host_type(kHostXboxOne);
  record.game_id = 61;
  const WheelProfile* profile = WheelProfilesFor(record);
  ASSERT_NE(profile, nullptr);
  EXPECT_EQ(profile->types[0].steering_angle.get(), 360);

  record.set_wheel_type(5);
  ASSERT_NE(WheelTypeFor(record), nullptr);
  EXPECT_EQ(WheelTypeName(*WheelTypeFor(record)), "Logitech T300RS");
  record.set_wheel_type(6);
  EXPECT_EQ(WheelTypeFor(record), nullptr);  // no G920 in this profile
  record.set_wheel_type(kNoWheelTypeId);
  EXPECT_EQ(WheelTypeFor(record), nullptr);

  record.set_host_type(kHostPS3);  // same game, a host without wheel profiles
  EXPECT_EQ(WheelProfilesFor(record), nullptr);
  record.set_host_type(7);
  EXPECT_EQ(WheelProfilesFor(record), nullptr);

  WheelProfile short_profile = *profile;
  short_profile.count = 2;
  EXPECT_NE(catalogue::FindWheelType(short_profile, 1), nullptr);
  EXPECT_EQ(catalogue::FindWheelType(short_profile, 4), nullptr);
  short_profile.count = 0;
  EXPECT_EQ(catalogue::FindWheelType(short_profile, 0), nullptr);
  short_profile.count = 255;  // a count above 6 stays within the six slots
  EXPECT_NE(catalogue::FindWheelType(short_profile, 5), nullptr);
  EXPECT_EQ(catalogue::FindWheelType(short_profile, 9), nullptr);
}

}  // namespace
}  // namespace torvane::model
