// Records read from an adapter can hold anything; every operation must stay
// inside its region whatever the counts, host types and names say. ASan
// reports any stray access; the expectations check the results stay sensible.
#include <gtest/gtest.h>

#include <string>

#include "TableFixtures.h"
#include "model/HostType.h"
#include "model/tables/ConfigActions.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/MacroActions.h"
#include "model/tables/MacroTable.h"
#include "model/tables/PruneUnknownGames.h"

namespace torvane::model {
namespace {

using namespace fixtures;

class HostileRecordTest : public ::testing::Test {
 protected:
  // Heap-allocated regions sized exactly, so reading past one is caught.
  std::unique_ptr<FlashImage> image = MakeDefaultImage();
  ConfigBlock& block = image->config;
  MacroBlock& macros = image->macro;

  void SetUp() override {
    for (std::size_t i = 0; i < kMaxConfigs; ++i) {
      ConfigRecord& record = block.records[i];
      record.name.fill('N');  // no terminator
      record.name[0] = static_cast<char>('A' + i);
      record.flags = 0xFFFF;  // host type 7, start-up, everything
      record.button_count = 255;
      record.mapping[3][49] = kKeyE;
      record.hotkey = kKeyF1;
    }
    block.count = 200;
    block.global_hotkey_count = 255;
    for (std::size_t i = 0; i < kMaxMacros; ++i) {
      MacroRecord& macro = macros.records[i];
      macro.host = 250;
      macro.step_count = 255;
      macro.macro_name.fill('M');
      macro.owner_name.fill('O');
      macro.macro_hotkey = kKeyG;
    }
    macros.count = 250;
  }
};

TEST_F(HostileRecordTest, LookupsAndChecksStayInsideTheTable) {
  EXPECT_EQ(UsedConfigCount(block), 16u);
  EXPECT_EQ(UsedMacroCount(macros), 30u);
  EXPECT_EQ(CountConfigs(block, 7), 16);
  EXPECT_EQ(FindConfigIndex(block, "B" + std::string(39, 'N'), 7), 1);
  EXPECT_EQ(FindConfigIndex(block, "B" + std::string(40, 'N'), 7), -1);
  EXPECT_EQ(StartupIndex(block, 7), 0);
  // Entry 49 of group 3 counts: button_count 255 is clamped to the group's 50.
  EXPECT_TRUE(KeyUsedOnHost(*image, 7, kKeyE));
  EXPECT_FALSE(KeyUsedAnywhere(*image, kKeyE));
  EXPECT_FALSE(KeyUsedOnHost(*image, 7, kKeyG));  // macro hosts and owners match no record
  EXPECT_FALSE(HotkeyUsedAnywhere(block, kKeyF1));
  EXPECT_TRUE(HotkeyUsedOnHost(block, kKeyF1, 7));
  EXPECT_TRUE(GlobalKeyConflict(*image, 2, 0));  // the whole global area is zero past the seven
  EXPECT_FALSE(GlobalKeyConflict(*image, 2, kKeyE));
  EXPECT_EQ(FindOccupiedKey(block, block.records[3]), 0);
  ConfigRecord late_key = block.records[3];
  late_key.mapping[3][49] = kKeyF1;  // the hotkey of the host-7 records
  EXPECT_EQ(FindOccupiedKey(block, late_key), kKeyF1);
  EXPECT_EQ(PickFreeHotkey(block, block.records[0]), kKeyF2);
  EXPECT_EQ(PickFreeColor(block, kHostPS4), kConfigColors[0]);
  EXPECT_EQ(FindMacroIndex(macros, std::string(40, 'O'), std::string(30, 'M'), 250), 0);
}

TEST_F(HostileRecordTest, ChangesRefuseOrRepairTheCount) {
  EXPECT_FALSE(AddConfig(*image, MakeRecord("X", kHostPS4), nullptr));
  EXPECT_FALSE(CopyConfig(*image, MakeRecord("X", kHostPS4), 0));
  EXPECT_EQ(CreateConfig(*image, MakeRecord("", kHostPS4), "X", nullptr).outcome, ConfigOutcome::kTableFull);
  EXPECT_EQ(CreateConfigCopy(*image, 0).outcome, ConfigOutcome::kTableFull);
  EXPECT_FALSE(AddMacro(macros, MakeMacro("X", "Y", kHostPS4)));
  EXPECT_EQ(NewMacro(macros, block.records[0]).outcome, MacroOutcome::kTableFull);

  block.host = 7;
  EXPECT_FALSE(SetStartup(block, "A" + std::string(39, 'N')));  // already the start-up one
  EXPECT_FALSE(block.records[1].is_startup());

  // Deleting the last record in use keeps the record past the table untouched.
  ASSERT_TRUE(DeleteConfigAt(*image, 15));
  EXPECT_EQ(block.count, 15);
  EXPECT_EQ(block.global_hotkey_count, 255);
  ASSERT_TRUE(DeleteMacro(macros, 250, std::string(30, 'M'), std::string(40, 'O')));
  EXPECT_EQ(macros.count, 29);
  EXPECT_EQ(macros.end, kEndMarker);
  EXPECT_EQ(block.end, kEndMarker);
}

TEST_F(HostileRecordTest, RenameAndDeleteHandleUnterminatedNames) {
  for (std::size_t i = 0; i < kMaxMacros; ++i) {
    macros.records[i].host = 7;
    macros.records[i].owner_name = block.records[i % 2].name;
    macros.records[i].macro_name[0] = static_cast<char>('a' + i);
  }
  const ConfigActionResult renamed = RenameConfig(*image, block.records[0], std::string(50, 'R'));
  ASSERT_EQ(renamed.outcome, ConfigOutcome::kDone);
  EXPECT_EQ(ReadName(block.records[0].name), std::string(38, 'R'));
  EXPECT_EQ(renamed.unsaved, kUnsavedConfig | kUnsavedMacro);
  EXPECT_EQ(DeleteMacrosOf(macros, std::string(38, 'R'), 7), 15);
  EXPECT_EQ(macros.count, 15);

  EXPECT_EQ(DeleteConfigWithMacros(*image, 7, ReadName(block.records[1].name)), kUnsavedAll);
  EXPECT_EQ(macros.count, 0);
  EXPECT_EQ(block.count, 15);
}

TEST_F(HostileRecordTest, PruningEmptiesATableOfHostSeven) {
  bool asked = false;
  EXPECT_TRUE(PruneUnknownGames(*image, [&](int, int) { return asked = true; }));
  EXPECT_FALSE(asked);
  EXPECT_EQ(block.count, 0);
  EXPECT_EQ(macros.count, 250) << "macros of host 250 belong to no pruned configuration";
}

}  // namespace
}  // namespace torvane::model
