#include "model/tables/ConfigTable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>

#include "TableFixtures.h"
#include "model/HostType.h"

namespace torvane::model {
namespace {

using namespace fixtures;

class ConfigTableTest : public ::testing::Test {
 protected:
  std::unique_ptr<FlashImage> image = MakeDefaultImage();
  ConfigBlock& block = image->config;
};

TEST_F(ConfigTableTest, NamesAreUniquePerHostOnly) {
  Append(*image, MakeRecord("Fortnite", kHostPS4));
  Append(*image, MakeRecord("Apex", kHostPS4));
  Append(*image, MakeRecord("Fortnite", kHostSwitch));
  EXPECT_EQ(FindConfigIndex(block, "Fortnite", kHostPS4), 0);
  EXPECT_EQ(FindConfigIndex(block, "Fortnite", kHostSwitch), 2);
  EXPECT_EQ(FindConfigIndex(block, "Fortnite", kHostXboxOne), -1);
  EXPECT_EQ(FindConfigIndex(block, "fortnite", kHostPS4), -1);  // case-sensitive
  EXPECT_EQ(FindConfigIndex(block, "Fort", kHostPS4), -1);      // whole name, not a prefix
  EXPECT_EQ(FindConfig(block, "Apex", kHostPS4), &block.records[1]);
  EXPECT_EQ(CountConfigs(block, kHostPS4), 2);
  EXPECT_EQ(CountConfigs(block, kHostSwitch), 1);

  // Records beyond the count are not in use, whatever they hold.
  block.records[3] = MakeRecord("Ghost", kHostPS4);
  EXPECT_EQ(FindConfigIndex(block, "Ghost", kHostPS4), -1);
}

TEST_F(ConfigTableTest, AddCopiesDefaultResponseOrLeavesSlot) {
  ResponseRecord response{};
  response.curve_id = 77;
  response.data[4007] = 0x5A;
  image->response.records[0].curve_id = 12;
  ASSERT_TRUE(AddConfig(*image, MakeRecord("A", kHostPS4), &response));
  EXPECT_EQ(image->response.records[0].curve_id.get(), 77);
  EXPECT_EQ(image->response.records[0].data[4007], 0x5A);

  image->response.records[1].curve_id = 12;
  ASSERT_TRUE(AddConfig(*image, MakeRecord("B", kHostPS4), nullptr));
  EXPECT_EQ(image->response.records[1].curve_id.get(), 12);
  EXPECT_EQ(block.count, 2);
  EXPECT_EQ(NameOf(block, 1), "B");

  for (int i = 2; i < 16; ++i) ASSERT_TRUE(AddConfig(*image, MakeRecord("n" + std::to_string(i), kHostPS4), nullptr));
  EXPECT_FALSE(AddConfig(*image, MakeRecord("17th", kHostXboxOne), &response));
  EXPECT_EQ(block.count, 16);
}

TEST_F(ConfigTableTest, CopyTakesTheSourceResponseRecord) {
  Append(*image, MakeRecord("A", kHostPS4), 100);
  Append(*image, MakeRecord("B", kHostPS4), 200);
  image->response.records[1].data[0] = 0xC3;
  ASSERT_TRUE(CopyConfig(*image, MakeRecord("copy(1)B", kHostPS4), 1));
  EXPECT_EQ(block.count, 3);
  EXPECT_EQ(image->response.records[2].curve_id.get(), 200);
  EXPECT_EQ(image->response.records[2].data[0], 0xC3);

  // A slot that is not in use is no source.
  EXPECT_FALSE(CopyConfig(*image, MakeRecord("x", kHostPS4), 3));
  EXPECT_FALSE(CopyConfig(*image, MakeRecord("x", kHostPS4), -1));
  EXPECT_EQ(block.count, 3);
}

TEST_F(ConfigTableTest, DeleteMovesLaterRecordsWithTheirResponses) {
  Append(*image, MakeRecord("A", kHostPS4), 100);
  Append(*image, MakeRecord("B", kHostPS4), 200);
  Append(*image, MakeRecord("C", kHostXboxOne), 300);

  EXPECT_FALSE(DeleteConfig(*image, kHostXboxOne, "A"));  // wrong host: nothing changes
  EXPECT_EQ(block.count, 3);

  ASSERT_TRUE(DeleteConfig(*image, kHostPS4, "A"));
  EXPECT_EQ(block.count, 2);
  EXPECT_EQ(NameOf(block, 0), "B");
  EXPECT_EQ(NameOf(block, 1), "C");
  EXPECT_EQ(image->response.records[0].curve_id.get(), 200);
  EXPECT_EQ(image->response.records[1].curve_id.get(), 300);
  // The slot that fell out of use keeps its old bytes.
  EXPECT_EQ(NameOf(block, 2), "C");
  EXPECT_EQ(image->response.records[2].curve_id.get(), 300);

  ASSERT_TRUE(DeleteConfigAt(*image, 1));
  EXPECT_EQ(block.count, 1);
  EXPECT_FALSE(DeleteConfigAt(*image, 1));
}

TEST_F(ConfigTableTest, StartupIsOnePerHostAndReportsOnlyAChange) {
  block.host = kHostPS4;
  Append(*image, MakeRecord("A", kHostPS4));
  Append(*image, MakeRecord("B", kHostPS4));
  Append(*image, MakeRecord("B", kHostSwitch));
  block.records[2].set_startup(true);

  EXPECT_EQ(StartupIndex(block, kHostPS4), -1);
  EXPECT_TRUE(SetStartup(block, "A"));
  EXPECT_EQ(StartupIndex(block, kHostPS4), 0);

  const ConfigBlock before = block;
  EXPECT_FALSE(SetStartup(block, "A"));
  EXPECT_EQ(0, std::memcmp(&before, &block, sizeof block)) << "a repeated choice changed the table";

  EXPECT_TRUE(SetStartup(block, "B"));
  EXPECT_FALSE(block.records[0].is_startup());
  EXPECT_TRUE(block.records[1].is_startup());
  EXPECT_TRUE(block.records[2].is_startup()) << "another host's start-up configuration was touched";

  // An unknown name must not clear the present choice.
  EXPECT_FALSE(SetStartup(block, "Nope"));
  EXPECT_EQ(StartupIndex(block, kHostPS4), 1);
}

TEST_F(ConfigTableTest, ASaveMakesTheOnlyConfigurationOfTheConsoleTheStartUpOne) {
  block.host = kHostPS4;
  EXPECT_FALSE(EnsureStartup(block)) << "no configuration to choose";
  Append(*image, MakeRecord("A", kHostSwitch));
  Append(*image, MakeRecord("B", kHostPS4));
  EXPECT_TRUE(EnsureStartup(block));
  EXPECT_TRUE(block.records[1].is_startup());
  EXPECT_FALSE(block.records[0].is_startup()) << "another console's configuration was chosen";

  block.records[1].set_startup(false);
  Append(*image, MakeRecord("C", kHostPS4));
  EXPECT_FALSE(EnsureStartup(block)) << "two to choose from";
  EXPECT_EQ(StartupIndex(block, kHostPS4), -1);
  block.records[2].set_startup(true);
  EXPECT_TRUE(EnsureStartup(block));
  EXPECT_FALSE(block.records[1].is_startup()) << "a present choice stays";
}

TEST_F(ConfigTableTest, FreeColorIsChosenPerHost) {
  EXPECT_EQ(PickFreeColor(block, kHostPS4), 0xFF00FF00u);
  ConfigRecord first = MakeRecord("A", kHostPS4);
  first.color = 0xFF00FF00;
  Append(*image, first);
  ConfigRecord second = MakeRecord("B", kHostPS4);
  second.color = 0xFFFFFF00;
  Append(*image, second);
  EXPECT_EQ(PickFreeColor(block, kHostPS4), 0xFF0000FFu);
  EXPECT_EQ(PickFreeColor(block, kHostXboxOne), 0xFF00FF00u);

  for (std::size_t i = 2; i < kConfigColors.size(); ++i) {
    ConfigRecord record = MakeRecord("c" + std::to_string(i), kHostPS4);
    record.color = kConfigColors[i == 2 ? 1 : i];
    Append(*image, record);
  }
  EXPECT_EQ(PickFreeColor(block, kHostPS4), 0u);
}

TEST_F(ConfigTableTest, NextColorStepsThroughFreeColorsOfCurrentHost) {
  block.host = kHostPS4;
  ConfigRecord other = MakeRecord("Other", kHostPS4);
  other.color = kConfigColors[1];
  Append(*image, other);
  ConfigRecord xbox = MakeRecord("Xbox", kHostXboxOne);
  xbox.color = kConfigColors[2];
  Append(*image, xbox);

  EXPECT_EQ(NextFreeColor(block, kConfigColors[0]), kConfigColors[2]);   // skips the PS4 colour only
  EXPECT_EQ(NextFreeColor(block, kConfigColors[15]), kConfigColors[0]);  // wraps
  EXPECT_EQ(NextFreeColor(block, 0x12345678), kConfigColors[0]);         // not a palette colour
  // The present colour of the edited record counts as free even when a record uses it.
  EXPECT_EQ(NextFreeColor(block, kConfigColors[1]), kConfigColors[2]);

  // With one free colour or fewer the present colour stays.
  for (std::size_t i = 2; i < 16; ++i) {
    ConfigRecord record = MakeRecord("c" + std::to_string(i), kHostPS4);
    record.color = kConfigColors[i];
    Append(*image, record);
  }
  EXPECT_EQ(block.count, 16);
  EXPECT_EQ(NextFreeColor(block, kConfigColors[0]), kConfigColors[0]);
  EXPECT_EQ(NextFreeColor(block, kConfigColors[5]), kConfigColors[0]);
}

TEST_F(ConfigTableTest, FreeHotkeyAvoidsHostHotkeysGlobalsAndOwnMapping) {
  // A record that maps F1 gets F2.
  ConfigRecord record = MakeRecord("New", kHostPS4, {kKeyQ, kKeyF1});
  EXPECT_EQ(PickFreeHotkey(block, record), kKeyF2);

  ConfigRecord taken = MakeRecord("Old", kHostPS4);
  taken.hotkey = kKeyF2;
  Append(*image, taken);
  ConfigRecord elsewhere = MakeRecord("Old", kHostSwitch);
  elsewhere.hotkey = kKeyF3;
  Append(*image, elsewhere);
  EXPECT_EQ(PickFreeHotkey(block, record), kKeyF3);

  // Mapping entries at or beyond button_count do not count; other groups do.
  record.mapping[0][1] = 0;
  record.mapping[3][25] = kKeyF1;
  EXPECT_EQ(PickFreeHotkey(block, record), kKeyF3);
  record.mapping[3][25] = 0;
  record.mapping[3][26] = kKeyF1;
  EXPECT_EQ(PickFreeHotkey(block, record), kKeyF1);

  // Global hotkeys 0..2 are reserved, the later ones are not.
  block.global_hotkeys[2] = kKeyF1;
  block.global_hotkeys[3] = kKeyF3;
  EXPECT_EQ(PickFreeHotkey(block, record), kKeyF3);

  // Every candidate mapped somewhere in use: none is left.
  for (std::size_t i = 0; i < kHotkeyCandidates.size(); ++i) record.mapping[1 + i / 26][i % 26] = kHotkeyCandidates[i];
  EXPECT_EQ(PickFreeHotkey(block, record), 0);
}

TEST_F(ConfigTableTest, KeyUseCountsMappingKeyFieldsAndOwnMacros) {
  ConfigRecord record = MakeRecord("Halo", kHostXboxOne, {kKeyQ});
  record.mapping[2][25] = kKeyG;
  record.mapping[2][26] = kKeyE;  // beyond button_count
  record.touchpad_key = kKeyF3;
  record.stick_swap_key = kKeyUp;
  Append(*image, record);
  AppendMacro(*image, MakeMacro("Halo", "Reload", kHostXboxOne, kKeyF1));
  AppendMacro(*image, MakeMacro("Halo", "Jump", kHostPS4, kKeyF2));         // same name, other host
  AppendMacro(*image, MakeMacro("Halo 2", "Jump", kHostXboxOne, kKeyF12));  // other owner

  const ConfigRecord& stored = block.records[0];
  const std::pair<std::uint8_t, bool> uses[] = {{kKeyQ, true},  {kKeyG, true},  {kKeyE, false},  {kKeyF3, true},
                                                {kKeyUp, true}, {kKeyF1, true}, {kKeyF2, false}, {kKeyF12, false}};
  for (const auto& [key, used] : uses) EXPECT_EQ(KeyUsedByConfig(*image, stored, key), used) << int{key};

  EXPECT_TRUE(KeyUsedOnHost(*image, kHostXboxOne, kKeyQ));
  EXPECT_FALSE(KeyUsedOnHost(*image, kHostPS4, kKeyQ));
  EXPECT_TRUE(KeyUsedAnywhere(*image, kKeyF1));
  EXPECT_FALSE(KeyUsedAnywhere(*image, kKeyE));

  // A record of host type 7 belongs to no console and is not counted anywhere.
  Append(*image, MakeRecord("Odd", 7, {kKeyE}));
  EXPECT_TRUE(KeyUsedOnHost(*image, 7, kKeyE));
  EXPECT_FALSE(KeyUsedAnywhere(*image, kKeyE));
}

TEST_F(ConfigTableTest, GlobalKeyConflictByKind) {
  ConfigRecord record = MakeRecord("A", kHostSwitch, {kKeyQ});
  record.hotkey = kKeyF1;
  Append(*image, record);
  // Default globals: PgUp, PgDn, F12, Up, Down, Right, Left.
  for (const int kind : {0, 1}) {
    EXPECT_TRUE(GlobalKeyConflict(*image, kind, kKeyPgUp));
    EXPECT_TRUE(GlobalKeyConflict(*image, kind, kKeyF12));
    EXPECT_FALSE(GlobalKeyConflict(*image, kind, kKeyUp));
    EXPECT_TRUE(GlobalKeyConflict(*image, kind, kKeyF1));
    EXPECT_TRUE(GlobalKeyConflict(*image, kind, kKeyQ));
    EXPECT_FALSE(GlobalKeyConflict(*image, kind, kKeyE));
  }
  EXPECT_TRUE(GlobalKeyConflict(*image, 2, kKeyUp));
  EXPECT_TRUE(GlobalKeyConflict(*image, 2, kKeyLeft));
  EXPECT_TRUE(GlobalKeyConflict(*image, 2, kKeyQ));
  block.global_hotkey_count = 5;  // Right and Left are no longer global hotkeys
  EXPECT_FALSE(GlobalKeyConflict(*image, 2, kKeyLeft));

  for (const int kind : {3, 4, 6}) {
    EXPECT_FALSE(GlobalKeyConflict(*image, kind, kKeyPgUp));
    EXPECT_FALSE(GlobalKeyConflict(*image, kind, kKeyPgDn));
    EXPECT_TRUE(GlobalKeyConflict(*image, kind, kKeyF12));
    EXPECT_TRUE(GlobalKeyConflict(*image, kind, kKeyLeft));
    EXPECT_FALSE(GlobalKeyConflict(*image, kind, kKeyF1));
    EXPECT_FALSE(GlobalKeyConflict(*image, kind, kKeyQ));
  }
}

TEST_F(ConfigTableTest, OccupiedKeyIsFirstInGroupThenFieldOrder) {
  ConfigRecord owner = MakeRecord("Other", kHostPS4);
  owner.hotkey = kKeyG;
  Append(*image, owner);
  ConfigRecord elsewhere = MakeRecord("Other", kHostSwitch);
  elsewhere.hotkey = kKeyQ;
  Append(*image, elsewhere);

  ConfigRecord record = MakeRecord("Import", kHostPS4, {kKeyQ});  // Q is a hotkey only on Switch
  EXPECT_EQ(FindOccupiedKey(block, record), 0);
  record.touchpad_key = kKeyPgDn;
  record.stick_swap_key = kKeyF12;
  EXPECT_EQ(FindOccupiedKey(block, record), kKeyF12);  // stick swap comes before the touch pad key
  record.mapping[3][0] = kKeyPgUp;
  record.mapping[1][5] = kKeyG;
  EXPECT_EQ(FindOccupiedKey(block, record), kKeyG);  // group 1 before group 3
  record.mapping[1][5] = 0;
  record.mapping[3][0] = 0;
  record.mapping[0][40] = kKeyPgUp;  // beyond button_count
  EXPECT_EQ(FindOccupiedKey(block, record), kKeyF12);
}

TEST_F(ConfigTableTest, OccupiedKeySkipsEmptyEntries) {
  // With fewer than three global hotkeys the unused ones are 0; an empty
  // mapping entry must not hide a real conflict further on.
  block.global_hotkey_count = 2;
  block.global_hotkeys[2] = 0;
  ConfigRecord zero = MakeRecord("Zero", kHostPS4);
  zero.hotkey = 0xFF;
  Append(*image, zero);
  ConfigRecord record = MakeRecord("Import", kHostPS4, {0, 0xFF});
  record.touchpad_key = kKeyPgUp;
  EXPECT_EQ(FindOccupiedKey(block, record), kKeyPgUp);
}

}  // namespace
}  // namespace torvane::model
