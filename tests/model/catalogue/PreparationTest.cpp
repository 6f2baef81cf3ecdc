#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/HostType.h"
#include "model/catalogue/CataloguePreparation.h"
#include "model/catalogue/CatalogueRecords.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/catalogue/WheelProfiles.h"
#include "model/keys/ControllerButton.h"
#include "model/params/ResponseCurves.h"

namespace torvane::model {
namespace {

const ConfigRecord& Find(int host, int game_id) {
  for (const ConfigRecord& record : Catalogue(host)) {
    if (record.game_id == game_id) return record;
  }
  throw std::runtime_error("no catalogue record for game " + std::to_string(game_id));
}

constexpr std::uint8_t J(int n) {
  return static_cast<std::uint8_t>(192 + n);
}

TEST(PreparationTest, SwitchMouseRecordsPassTheAttachedPadThroughGroup1) {
  MappingGroup expected{};
  for (int i = 0; i < 26; ++i) expected[i] = J(i + 1);
  const std::uint8_t tail[] = {0, 0, 252, 16, 72, 0, 252, 16, 72, 0, 252, 16, 72, 0, 252, 16, 72, 0, 0, 1, 2, 3, 4, 5};
  std::copy(std::begin(tail), std::end(tail), expected.begin() + 26);
  for (const ConfigRecord& record : Catalogue(kHostSwitch)) {
    EXPECT_EQ(record.mapping[1], expected) << record.name.data();
  }
}

TEST(PreparationTest, OtherHostsPassJ1ToJ18ThroughExceptTheTouchEntry) {
  MappingGroup expected{};
  for (int i = 0; i < 18; ++i) expected[i] = i == 13 ? 0 : J(i + 1);
  EXPECT_EQ(Find(kHostPS4, 0).mapping[1], expected);  // Call of Duty: Ghosts
  for (int host : {kHostPS4, kHostXboxOne, kHostPS3, kHostXbox360}) {
    for (const ConfigRecord& record : Catalogue(host)) {
      if (record.input_device == 0) {
        EXPECT_EQ(record.mapping[1], expected) << record.name.data();
      }
    }
  }
}

TEST(PreparationTest, GamesWithTheirOwnCurvesGetThemAndTheOthersGetNeutralOnes) {
  const ConfigRecord& horizon = Find(kHostPS4, 78);
  const Curve hip{0, 63, 115, 162, 200, 200, 200, 200, 200, 200, 200, 200, 200, 200, 200, 200, 200, 200, 200, 200, 200};
  const Curve ads{0, 37, 78, 115, 143, 171, 188, 200, 200, 200, 200, 200, 200, 200, 200, 200, 200, 200, 200, 200, 200};
  EXPECT_EQ(horizon.hip_curve, hip);
  EXPECT_EQ(horizon.ads_curve, ads);

  const ConfigRecord& splatoon = Find(kHostSwitch, 81);
  EXPECT_EQ(splatoon.hip_curve[9], 165);
  EXPECT_EQ(splatoon.ads_curve, NeutralCurve());

  const ConfigRecord& overwatch = Find(kHostPS4, 64);
  EXPECT_EQ(overwatch.hip_curve, NeutralCurve());
  EXPECT_EQ(overwatch.ads_curve, NeutralCurve());
}

TEST(PreparationTest, EveryRecordEndsWithClearedReserveTuningByHostAndNoStrayGroup0Entries) {
  const int tuning[] = {128, 0, 128, 0};
  for (int host = 0; host < kHostCount; ++host) {
    for (const ConfigRecord& record : Catalogue(host)) {
      SCOPED_TRACE(std::string(record.name.data()) + " on host " + std::to_string(host));
      EXPECT_TRUE(std::all_of(record.reserved_133.begin(), record.reserved_133.end(), [](auto b) { return b == 0; }));
      EXPECT_TRUE(std::all_of(record.mapping[0].begin() + 26, record.mapping[0].end(), [](auto b) { return b == 0; }));
      if (host != kHostSwitch) {
        EXPECT_EQ(record.host_tuning_1.get(), tuning[host]);
        EXPECT_EQ(record.host_tuning_2.get(), tuning[host]);
      }
    }
  }
}

TEST(PreparationTest, MouseRecordsTakeWheelType60AndRacingRecordsTheirWheel) {
  for (int host = 0; host < kHostCount; ++host) {
    for (const ConfigRecord& record : Catalogue(host)) {
      SCOPED_TRACE(std::string(record.name.data()) + " on host " + std::to_string(host));
      if (record.input_device == 0) {
        EXPECT_EQ(record.mode_bits, kNoWheelTypeId << 1);
        EXPECT_EQ(WheelTypeFor(record), nullptr);
        continue;
      }
      const WheelType* wheel = WheelTypeFor(record);
      ASSERT_NE(wheel, nullptr);
      EXPECT_EQ(record.mapping, wheel->mapping);
      EXPECT_EQ(record.steering_angle.get(), wheel->steering_angle.get());
    }
  }
  // Native wheel games keep their own force feedback, except Expert Mode Beta.
  EXPECT_EQ(Find(kHostPS4, 89).force_feedback_strength, 4);  // GT Sport
  EXPECT_EQ(Find(kHostPS4, 89).steering_angle.get(), 0);
  EXPECT_EQ(Find(kHostPS4, 31).force_feedback_strength, 5);  // Need for Speed: Rivals on the G29
  EXPECT_EQ(Find(kHostPS4, 31).steering_angle.get(), 360);
  EXPECT_EQ(Find(kHostXboxOne, 90).force_feedback_strength, 5);
  EXPECT_EQ(Find(kHostXboxOne, 90).steering_angle.get(), 900);
  EXPECT_EQ(Find(kHostXbox360, 44).steering_angle.get(), 210);
}

class PrepareRecordTest : public ::testing::Test {
 protected:
  std::vector<WheelProfile> wheels = catalogue::BuildWheelProfiles();

  static ConfigRecord Mouse(int host, int game_id) {
    ConfigRecord record = catalogue::CommonRecord(host);
    record.game_id = static_cast<std::uint8_t>(game_id);
    return record;
  }
};

TEST_F(PrepareRecordTest, ClearsWhateverTheReserveAndTheUnusedGroup0EntriesHeld) {
  ConfigRecord record = Mouse(kHostPS4, 0);
  record.reserved_133.fill(0xEE);
  std::fill(record.mapping[0].begin() + 26, record.mapping[0].end(), std::uint8_t{0x33});
  catalogue::PrepareCatalogueRecord(record, wheels);
  EXPECT_EQ(std::count(record.reserved_133.begin(), record.reserved_133.end(), 0), 508);
  EXPECT_EQ(std::count(record.mapping[0].begin() + 26, record.mapping[0].end(), 0), 24);
  EXPECT_EQ(record.mapping[0][kButtonLsUp], 26);  // the used entries stay
}

TEST_F(PrepareRecordTest, Group1IsKeptWhenReportIntervalBit0IsSetOrTheRecordIsNotForTheMouse) {
  MappingGroup own{};
  own.fill(0x42);
  ConfigRecord odd = Mouse(kHostPS4, 0);
  odd.report_interval = 33;
  odd.mapping[1] = own;
  catalogue::PrepareCatalogueRecord(odd, wheels);
  EXPECT_EQ(odd.mapping[1], own);

  ConfigRecord flight = Mouse(kHostSwitch, 100);
  flight.input_device = 2;
  flight.mapping[1] = own;
  catalogue::PrepareCatalogueRecord(flight, wheels);
  EXPECT_EQ(flight.mapping[1], own);
}

TEST_F(PrepareRecordTest, HostsWithoutACatalogueGetAnEmptyGroup1AndKeepTheirTuning) {
  ConfigRecord record = Mouse(6, 0);
  record.mapping[1].fill(0x42);
  record.host_tuning_1 = 7;
  record.host_tuning_2 = 9;
  catalogue::PrepareCatalogueRecord(record, wheels);
  EXPECT_EQ(record.mapping[1], MappingGroup{});
  EXPECT_EQ(record.host_tuning_1.get(), 7);
  EXPECT_EQ(record.host_tuning_2.get(), 9);

  ConfigRecord nswitch = Mouse(kHostSwitch, 100);
  nswitch.host_tuning_1 = 7;
  catalogue::PrepareCatalogueRecord(nswitch, wheels);
  EXPECT_EQ(nswitch.host_tuning_1.get(), 7);
}

TEST_F(PrepareRecordTest, AWheelTypeTheProfileLacksFallsBackTo60AndKeepsTheMapping) {
  ConfigRecord record = Mouse(kHostPS4, 89);  // GT Sport: no T300RS (id 5) in its profile
  record.input_device = 1;
  record.mode_bits = static_cast<std::uint8_t>((5 << 1) | 1);
  const auto mapping = record.mapping;
  catalogue::PrepareCatalogueRecord(record, wheels);
  EXPECT_EQ(record.mode_bits, (kNoWheelTypeId << 1) | 1);
  EXPECT_EQ(record.mapping, mapping);
  EXPECT_EQ(record.steering_angle.get(), 300);
}

TEST_F(PrepareRecordTest, AFoundWheelKeepsModeBit0AndDecidesForceFeedbackByTheNativeFlag) {
  ConfigRecord record = Mouse(kHostPS4, 31);  // Need for Speed: Rivals
  record.input_device = 1;
  record.mode_bits = static_cast<std::uint8_t>((3 << 1) | 1);  // DFP
  catalogue::PrepareCatalogueRecord(record, wheels);
  EXPECT_EQ(record.mode_bits, (3 << 1) | 1);
  EXPECT_EQ(record.steering_angle.get(), 200);
  EXPECT_EQ(record.force_feedback_strength, 15);

  ConfigRecord native = Mouse(kHostPS4, 31);
  native.input_device = 1;
  native.flags = static_cast<std::uint16_t>(native.flags.get() | 0x4000);
  native.set_wheel_type(3);
  catalogue::PrepareCatalogueRecord(native, wheels);
  EXPECT_EQ(native.force_feedback_strength, 4);
  EXPECT_EQ(native.steering_angle.get(), 200);
}

TEST_F(PrepareRecordTest, PreparingAPreparedRecordChangesNothing) {
  for (int host = 0; host < kHostCount; ++host) {
    for (const ConfigRecord& prepared : Catalogue(host)) {
      ConfigRecord again = prepared;
      catalogue::PrepareCatalogueRecord(again, wheels);
      EXPECT_EQ(std::memcmp(&again, &prepared, sizeof(ConfigRecord)), 0) << prepared.name.data();
    }
  }
}

}  // namespace
}  // namespace torvane::model
