#include <gtest/gtest.h>

#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/HostType.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/keys/ControllerButton.h"
#include "model/tables/NameText.h"

namespace torvane::model {
namespace {

struct Entry {
  std::string_view name;
  int game_id;
};

// The catalogues as the player sees them in the game chooser: names (trailing
// blanks included) and game ids, in order.
// clang-format off
const Entry kPS4[] = {
    {"Anthem", 114}, {"Apex Legends", 113}, {"Alienation", 93}, {"Assetto Corsa", 68}, {"Borderlands 3", 118},
    {"Battlefield 1", 69}, {"Battlefield 4", 9}, {"Battlefield V", 105}, {"Battlefield: Hardline", 27},
    {"BlackLight Retribution", 13}, {"Cyberpunk 2077 ", 135}, {"Call Of Duty: Black Ops Cold War ", 136},
    {"Call Of Duty: Modern Warfare(2019)", 131}, {"Call of Duty: Black Ops4", 108}, {"Call of Duty: WWII", 86},
    {"Call of Duty: Modern Warfare", 75}, {"Call of Duty: Infinite Warfare", 73}, {"Call of Duty: Black Ops3", 50},
    {"Call of Duty: Advanced Warfare", 23}, {"Call of Duty: Ghosts", 0}, {"Day Z", 134}, {"Dying Light", 29},
    {"Days Gone", 117}, {"DJMax Respect", 83}, {"Doom Eternal", 133}, {"Doom", 63}, {"Destiny 2", 82},
    {"Destiny", 19}, {"Dirt Rally", 65}, {"DIRT 4", 84}, {"Drive Club", 32}, {"Evolve", 28},
    {"Fortnite: Battle Royale", 98}, {"Fallout 4", 51}, {"Far Cry5", 97}, {"Far Cry4", 25}, {"Far Cry Primal", 57},
    {"F1 2017", 87}, {"F1 2016", 67}, {"F1 2015", 54}, {"GT Sport", 89}, {"Ghost Recon Wildlands", 76},
    {"Grand Theft Auto V", 24}, {"H1Z1: Battle Royale", 99}, {"Horizon: Zero Dawn", 78}, {"Killing Floor: 2", 79},
    {"Killzone Shadow Fall", 5}, {"Monter Hunter: World", 96}, {"Metal Gear Solid V: The Phantom Pain", 91},
    {"Minecraft", 26}, {"Need for Speed: Rivals", 31}, {"Need for Speed: 19", 61}, {"Need for Speed: Heat", 132},
    {"Outlast", 30}, {"Overwatch", 64}, {"Player Unknow's Battlegrounds", 111}, {"Paladins", 77},
    {"Plants vs Zombies Garden Warfare", 12}, {"Plants vs Zombies: Garden Warfare 2", 56},
    {"PvZ:Battle for Neighborville", 127}, {"Project Cars2", 88}, {"Project Cars", 43}, {"Realm Royale", 112},
    {"Red Dead R2-FPS", 109}, {"Red Dead R2-TPS", 110}, {"Resident Evil 7: Biohazard", 80},
    {"Rainbow Six: Siege", 53}, {"Uncharted 4", 62}, {"Star Wars Battlefront2", 94}, {"Star Wars Battlefront", 49},
    {"Sebastien Loeb Rally Evo", 59}, {"The Last of Us", 15}, {"Titanfall: 2", 72}, {"The Order:1886", 35},
    {"The Division 2", 115}, {"The Division", 58}, {"World War Z", 116}, {"Warface", 107}, {"WRC6", 85}, {"WRC5", 74},
    {"Wolfenstein The New Order", 17}, {"Watch Dogs 2", 119}, {"Watchdongs", 3}, {"War Frame", 16}, {"Custom", 18},
};
const Entry kXboxOne[] = {
    {"Expert Mode Beta", 90}, {"Anthem", 114}, {"Apex Legends", 113}, {"Battlefield V", 105}, {"Battlefield 1", 69},
    {"Battlefield 4", 9}, {"Battlefield: Hardline", 27}, {"Call Of Duty: Black Ops Cold War", 136},
    {"Cyberpunk 2077", 135}, {"Crackdown 3: Campaign", 124}, {"Call Of Duty: Modern Warfare(2019)", 131},
    {"Call of Duty: WWII", 86}, {"Call of Duty: Infinite Warfare", 73}, {"Call of Duty: Black Ops4", 108},
    {"Call of Duty: Black Ops3", 50}, {"Call of Duty: Advanced Warfare", 23}, {"Call of Duty: Ghosts", 0},
    {"Dead Rising 4", 129}, {"Doom", 63}, {"Destiny", 19}, {"Destiny2", 82}, {"Dead Rising 3", 20},
    {"Dying Light", 29}, {"Dirt Rally", 65}, {"Evolve", 28}, {"Elder Scroll Online-FPS", 121},
    {"Elder Scroll Online-TPS", 122}, {"Fortnite: Battle Royale", 98}, {"Fallout 4", 51}, {"Forza Horizon 3", 71},
    {"Forza Horizon 2", 66}, {"Forza 5", 45}, {"Forza 6", 60}, {"Far Cry5", 97}, {"Far Cry Primal", 57},
    {"Ghost Recon Wildlands", 76}, {"Gears of War: 5", 120}, {"Gears of War: 4", 70},
    {"Gears of War: Ultimate Edition", 55}, {"Grand Theft Auto V", 24}, {"Halo 4", 47}, {"Halo 5: Guardians", 48},
    {"Metal Gear Survive", 130}, {"Minecraft", 123}, {"Need for Speed: 19", 61}, {"Overwatch", 64},
    {"Payday 2: Crimewave Edition", 128}, {"Player Unknow's Battlegrounds", 95}, {"Paladins", 77},
    {"Plants vs Zombies: Garden Warfare", 12}, {"Plants vs Zombies: Garden Warfare2", 56}, {"Project Cars", 43},
    {"Red Dead R2-FPS", 109}, {"Red Dead R2-TPS", 110}, {"Realm Royale", 112}, {"Resident Evil 7: Biohazard", 80},
    {"RainBow Six: Siege", 53}, {"Rise of the Tomb Raider", 52}, {"Star Wars Battlefront2", 94},
    {"Star Wars Battlefront", 49}, {"Sniper Elite 4", 126}, {"Sniper Elite V3", 21}, {"Titanfall: 2", 72},
    {"Titanfall", 11}, {"The Division 2", 115}, {"The Division", 58}, {"World War Z", 116}, {"Warface", 107},
    {"War Frame", 16}, {"Watch Dogs", 3}, {"Custom", 18},
};
const Entry kPS3[] = {
    {"Battlefield 3", 8}, {"Battlefield 4", 9}, {"Call of Duty Black Ops 2", 1}, {"Call of Duty Ghosts", 0},
    {"Call of Duty Modern Warfare 3", 2}, {"Destiny", 19}, {"Killzone 3", 4},
    {"Plants vs Zombies Garden Warfare", 12}, {"Uncharted 3", 14}, {"WatchDogs", 3},
    {"Wolfenstein The New Order", 17}, {"Custom", 18},
};
const Entry kXbox360[] = {
    {"Battlefield 4", 9}, {"Battlefield 3", 8}, {"Call of Duty Modern Warfare 3", 2},
    {"Call of Duty: Black Ops 2", 1}, {"Call of Duty: Ghosts", 0}, {"Destiny", 19}, {"Gears of War 3", 10},
    {"Halo 4", 7}, {"Need For Speed Hot Pursuit", 44}, {"Plants vs Zombies Garden Warfare", 12}, {"Titanfall", 11},
    {"WatchDogs", 3}, {"Custom", 18},
};
const Entry kSwitch[] = {
    {"Doom", 92}, {"The Elder Scroll V: Skyrim", 125}, {"Fortnite", 100}, {"Morphies Law", 106},
    {"Minecraft:NS Edition", 102}, {"Minecraft", 103}, {"Overwatch ", 64}, {"Paladins beta", 101}, {"Splatoon 2", 81},
    {"Zelda", 104}, {"Custom", 18},
};
// clang-format on

std::span<const Entry> Expected(int host) {
  switch (host) {
    case kHostPS4:
      return kPS4;
    case kHostXboxOne:
      return kXboxOne;
    case kHostPS3:
      return kPS3;
    case kHostXbox360:
      return kXbox360;
    default:
      return kSwitch;
  }
}

std::string_view NameOf(const ConfigRecord& record) {
  return ReadName(record.name);
}

TEST(HostCatalogueTest, NamesAndGameIdsFollowTheListsInOrder) {
  for (int host = 0; host < kHostCount; ++host) {
    const std::span<const ConfigRecord> records = Catalogue(host);
    const std::span<const Entry> expected = Expected(host);
    ASSERT_EQ(records.size(), expected.size()) << "host " << host;
    for (std::size_t i = 0; i < records.size(); ++i) {
      EXPECT_EQ(NameOf(records[i]), expected[i].name) << "host " << host << " slot " << i;
      EXPECT_EQ(records[i].game_id, expected[i].game_id) << "host " << host << " slot " << i;
    }
  }
  EXPECT_EQ(Catalogue(kHostPS4).size() + Catalogue(kHostXboxOne).size() + Catalogue(kHostPS3).size() +
                Catalogue(kHostXbox360).size() + Catalogue(kHostSwitch).size(),
            192u);
}

TEST(HostCatalogueTest, UnknownHostsHaveNoCatalogue) {
  for (int host : {-1, 5, 6, 7, 255}) {
    EXPECT_TRUE(Catalogue(host).empty()) << host;
    EXPECT_FALSE(IsKnownGame(host, kCustomGameId)) << host;
  }
}

TEST(HostCatalogueTest, EveryRecordIsACompleteConfigurationOfItsHost) {
  for (int host = 0; host < kHostCount; ++host) {
    const std::span<const ConfigRecord> records = Catalogue(host);
    ASSERT_FALSE(records.empty());
    EXPECT_EQ(NameOf(records.back()), "Custom");
    EXPECT_EQ(records.back().game_id, kCustomGameId);
    std::set<std::string_view> names;
    for (const ConfigRecord& record : records) {
      SCOPED_TRACE(std::string(NameOf(record)) + " on host " + std::to_string(host));
      EXPECT_EQ(record.host_type(), host);
      EXPECT_FALSE(record.is_startup());
      EXPECT_TRUE(names.insert(NameOf(record)).second) << "duplicate name";
      EXPECT_EQ(record.name.back(), '\0');
      EXPECT_LT(record.game_id, kGameCount);
      EXPECT_FALSE(GameTitle(record.game_id).empty());
      EXPECT_EQ(record.button_count, 26);
      // Chosen when a configuration is created.
      EXPECT_EQ(record.color.get(), 0u);
      EXPECT_EQ(record.hotkey, 0);
      EXPECT_EQ(record.ads_key, 1);
      EXPECT_EQ(record.joystick_deadzone, 16);
      EXPECT_EQ(record.stick_deadzone, 16);
      EXPECT_EQ(record.hip_sensitivity.get(), 100);
      EXPECT_EQ(record.ads_sensitivity.get(), 200);
      EXPECT_EQ(record.ads_delay.get(), 0);
      EXPECT_EQ(record.hip_yx_ratio.get(), 200);
      EXPECT_EQ(record.ads_yx_ratio.get(), 200);
      EXPECT_EQ(record.hip_min_speed.get(), 0);
      EXPECT_EQ(record.ads_min_speed.get(), 0);
      EXPECT_EQ(record.vibration_strength, 10);
      EXPECT_EQ(record.reserved_65, 10);
      EXPECT_EQ(record.left_stick_strength, 100);
      EXPECT_EQ(record.right_stick_strength, 100);
      EXPECT_EQ(record.vibration_bits, 4);
      EXPECT_EQ(record.flight_axis_map.get(), 0x5510);
      EXPECT_NE(DefaultResponseRecord(record.curve_id), nullptr) << "curve " << record.curve_id.get();
      for (std::size_t g = 2; g < kMappingGroups; ++g) {
        for (std::uint8_t code : record.mapping[g]) EXPECT_EQ(code, 0) << "group " << g;
      }
    }
  }
}

TEST(HostCatalogueTest, MouseRecordsCarryTheKeyboardLayoutAndLeaveTheRightStickToTheMouse) {
  const ConfigRecord* ghosts = nullptr;
  for (const ConfigRecord& record : Catalogue(kHostPS4)) {
    if (record.game_id == 0) ghosts = &record;
  }
  ASSERT_NE(ghosts, nullptr);
  const MappingGroup& keys = ghosts->mapping[0];
  EXPECT_EQ(keys[kButtonL1], 20);   // Q
  EXPECT_EQ(keys[kButtonL2], 174);  // right mouse button
  EXPECT_EQ(keys[kButtonL3], 166);  // LeftShift
  EXPECT_EQ(keys[kButtonR1], 10);   // G
  EXPECT_EQ(keys[kButtonR2], 173);  // left mouse button
  EXPECT_EQ(keys[kButtonR3], 8);    // E
  EXPECT_EQ(keys[kButtonDpadUp], 82);
  EXPECT_EQ(keys[kButtonDpadDown], 81);
  EXPECT_EQ(keys[kButtonDpadLeft], 80);
  EXPECT_EQ(keys[kButtonDpadRight], 79);
  EXPECT_EQ(keys[kButtonCross], 44);  // SpaceBar
  EXPECT_EQ(keys[kButtonLsUp], 26);   // W
  EXPECT_EQ(keys[kButtonLsDown], 22);
  EXPECT_EQ(keys[kButtonLsLeft], 4);
  EXPECT_EQ(keys[kButtonLsRight], 7);
  for (int button = kButtonRsUp; button <= kButtonRsRight; ++button) EXPECT_EQ(keys[button], 0xFF);

  for (int host = 0; host < kHostCount; ++host) {
    for (const ConfigRecord& record : Catalogue(host)) {
      if (record.input_device != 0) continue;
      SCOPED_TRACE(std::string(NameOf(record)) + " on host " + std::to_string(host));
      // Every console button a pad has gets a key, the touch entry only where the pad has one;
      // the rhythm game leaves the buttons it does not use free.
      for (int button = 0; button < kButtonRsUp && record.game_id != 83; ++button) {
        const bool has_button = button != kButtonTouch || host == kHostPS4 || host == kHostSwitch;
        EXPECT_EQ(record.mapping[0][button] != 0, has_button) << "button " << button;
      }
      // One key drives one button, so the game never sees two buttons from one press.
      std::set<std::uint8_t> codes;
      for (int button = 0; button < kButtonRsUp; ++button) {
        const std::uint8_t code = record.mapping[0][button];
        if (code != 0) {
          EXPECT_TRUE(codes.insert(code).second) << "code " << static_cast<int>(code);
        }
      }
    }
  }
}

std::set<std::pair<int, int>> GamesWhere(bool (*test)(const ConfigRecord&)) {
  std::set<std::pair<int, int>> games;
  for (int host = 0; host < kHostCount; ++host) {
    for (const ConfigRecord& record : Catalogue(host)) {
      if (test(record)) games.insert({host, record.game_id});
    }
  }
  return games;
}

TEST(HostCatalogueTest, RacingGamesAndNativeWheelsAreExactlyTheListedOnes) {
  const std::set<std::pair<int, int>> native = {
      {kHostPS4, 68}, {kHostPS4, 65}, {kHostPS4, 84}, {kHostPS4, 32},     {kHostPS4, 54},
      {kHostPS4, 67}, {kHostPS4, 87}, {kHostPS4, 89}, {kHostPS4, 43},     {kHostPS4, 88},
      {kHostPS4, 59}, {kHostPS4, 74}, {kHostPS4, 85}, {kHostXboxOne, 90},
  };
  std::set<std::pair<int, int>> racing = {
      {kHostPS4, 31},     {kHostPS4, 61},     {kHostPS4, 132},    {kHostXboxOne, 65},
      {kHostXboxOne, 45}, {kHostXboxOne, 60}, {kHostXboxOne, 66}, {kHostXboxOne, 71},
      {kHostXboxOne, 61}, {kHostXboxOne, 43}, {kHostXbox360, 44},
  };
  racing.insert(native.begin(), native.end());
  EXPECT_EQ(GamesWhere([](const ConfigRecord& r) { return r.input_device == 1; }), racing);
  EXPECT_EQ(GamesWhere([](const ConfigRecord& r) { return (r.flags.get() & 0x4000) != 0; }), native);
  EXPECT_EQ(GamesWhere([](const ConfigRecord& r) { return r.input_device > 1 || (r.flags.get() & 0x8000) != 0; }),
            (std::set<std::pair<int, int>>{}));
}

TEST(HostCatalogueTest, CatalogueRecordForFindsTheFirstRecordOfTheRecordsOwnHost) {
  ConfigRecord imported{};
  imported.set_host_type(kHostPS4);
  imported.game_id = 92;  // Doom for the Switch only
  EXPECT_EQ(CatalogueRecordFor(imported), nullptr);
  EXPECT_FALSE(IsKnownGame(kHostPS4, 92));

  imported.set_host_type(kHostSwitch);
  const ConfigRecord* doom = CatalogueRecordFor(imported);
  ASSERT_NE(doom, nullptr);
  EXPECT_EQ(doom, &Catalogue(kHostSwitch)[0]);

  imported.set_host_type(kHostXboxOne);
  imported.game_id = 63;
  ASSERT_NE(CatalogueRecordFor(imported), nullptr);
  EXPECT_EQ(CatalogueRecordFor(imported)->host_type(), kHostXboxOne);

  imported.set_host_type(6);
  imported.game_id = kCustomGameId;
  EXPECT_EQ(CatalogueRecordFor(imported), nullptr);
}

}  // namespace
}  // namespace torvane::model
