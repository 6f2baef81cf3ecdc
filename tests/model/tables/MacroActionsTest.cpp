#include "model/tables/MacroActions.h"

#include <gtest/gtest.h>

#include <string>

#include "TableFixtures.h"
#include "model/HostType.h"
#include "model/tables/MacroButtonValue.h"
#include "model/tables/MacroTable.h"

namespace torvane::model {
namespace {

using namespace fixtures;

class MacroActionsTest : public ::testing::Test {
 protected:
  std::unique_ptr<FlashImage> image = MakeDefaultImage();
  MacroBlock& block = image->macro;
  ConfigRecord halo = MakeRecord("Halo", kHostXboxOne);
};

TEST_F(MacroActionsTest, NewMacrosAreNumberedPerConfiguration) {
  EXPECT_EQ(NewMacro(block, halo).slot, 0);
  EXPECT_EQ(NewMacro(block, halo).slot, 1);
  EXPECT_EQ(NewMacro(block, halo).slot, 2);
  EXPECT_EQ(NameOf(block, 0), "New Macro");
  EXPECT_EQ(NameOf(block, 1), "New Macro(1)");
  EXPECT_EQ(NameOf(block, 2), "New Macro(2)");
  // Another configuration starts again at "New Macro".
  const ConfigRecord forza = MakeRecord("Forza", kHostXboxOne);
  ASSERT_EQ(NewMacro(block, forza).outcome, MacroOutcome::kDone);
  EXPECT_EQ(NameOf(block, 3), "New Macro");

  const MacroRecord& created = block.records[0];
  EXPECT_EQ(created.host, kHostXboxOne);
  EXPECT_EQ(ReadName(created.owner_name), "Halo");
  EXPECT_EQ(created.step_count, 0);
  EXPECT_EQ(created.macro_hotkey, 0);
  EXPECT_EQ(created.trigger_mode, 0);
}

TEST_F(MacroActionsTest, TheThirtyFirstMacroIsRefused) {
  const ConfigRecord busy = MakeRecord("Busy", kHostPS4);
  for (int i = 0; i < 30; ++i) ASSERT_EQ(NewMacro(block, busy).outcome, MacroOutcome::kDone) << i;
  EXPECT_EQ(NameOf(block, 29), "New Macro(29)");
  const MacroActionResult refused = NewMacro(block, halo);
  EXPECT_EQ(refused.outcome, MacroOutcome::kTableFull);
  EXPECT_EQ(block.count, 30);
  EXPECT_EQ(MacroOutcomeMessage(refused.outcome), "\nMacros  can not exceed 30.");
  EXPECT_EQ(CopyMacro(block, busy, "New Macro").outcome, MacroOutcome::kTableFull);
  EXPECT_TRUE(MacroOutcomeMessage(MacroOutcome::kDone).empty());
}

TEST_F(MacroActionsTest, CopyDropsTheHotkeyAndNumbersTheName) {
  MacroRecord reload = MakeMacro("Halo", "Reload", kHostXboxOne, kKeyF1);
  reload.step_count = 2;
  reload.steps[1].hold_time = 250;
  AppendMacro(*image, reload);

  EXPECT_EQ(CopyMacro(block, halo, "Missing").outcome, MacroOutcome::kNotFound);
  EXPECT_EQ(CopyMacro(block, MakeRecord("Halo", kHostPS4), "Reload").outcome, MacroOutcome::kNotFound);

  ASSERT_EQ(CopyMacro(block, halo, "Reload").slot, 1);
  ASSERT_EQ(CopyMacro(block, halo, "Reload").slot, 2);
  EXPECT_EQ(NameOf(block, 1), "Reload(1)");
  EXPECT_EQ(NameOf(block, 2), "Reload(2)");
  EXPECT_EQ(block.records[1].macro_hotkey, 0);
  EXPECT_EQ(block.records[1].step_count, 2);
  EXPECT_EQ(block.records[1].steps[1].hold_time.get(), 250);
  EXPECT_EQ(ReadName(block.records[1].owner_name), "Halo");
}

TEST_F(MacroActionsTest, CopyOfALongNameKeepsItsNumberAndStaysUnique) {
  const std::string name28(28, 'M');
  AppendMacro(*image, MakeMacro("Halo", name28, kHostXboxOne));
  ASSERT_EQ(CopyMacro(block, halo, name28).outcome, MacroOutcome::kDone);
  ASSERT_EQ(CopyMacro(block, halo, name28).outcome, MacroOutcome::kDone);
  EXPECT_EQ(NameOf(block, 1), std::string(25, 'M') + "(1)");
  EXPECT_EQ(NameOf(block, 2), std::string(25, 'M') + "(2)");
  for (int n = 3; n <= 12; ++n) ASSERT_EQ(CopyMacro(block, halo, name28).outcome, MacroOutcome::kDone);
  EXPECT_EQ(NameOf(block, 12), std::string(24, 'M') + "(12)");

  // Double-byte names are shortened by whole characters: 26 bytes are left
  // for "M" and 13 characters (27 bytes), and half of the last may not stay.
  const ScopedNarrowEncoding chinese(936);
  const std::string wide = "M" + GbkText(13);
  AppendMacro(*image, MakeMacro("Halo", wide, kHostXboxOne));
  ASSERT_EQ(CopyMacro(block, halo, wide).outcome, MacroOutcome::kDone);
  EXPECT_EQ(NameOf(block, 14), "M" + GbkText(12) + "(1)");
}

TEST_F(MacroActionsTest, NewMacroOwnerMatchesAnUnterminatedConfigurationName) {
  ConfigRecord odd = MakeRecord("", kHostPS4);
  odd.name.fill('Z');  // 40 bytes, no terminator
  ASSERT_EQ(NewMacro(block, odd).outcome, MacroOutcome::kDone);
  EXPECT_EQ(FindMacroIndex(block, ReadName(odd.name), "New Macro", kHostPS4), 0);
  ASSERT_EQ(CopyMacro(block, odd, "New Macro").outcome, MacroOutcome::kDone);
  EXPECT_EQ(NameOf(block, 1), "New Macro(1)");
}

TEST(MacroButtonValueTest, XboxAndPs3ItemsFrom13AreStoredOneHigher) {
  for (const int host : {kHostXboxOne, kHostPS3, kHostXbox360}) {
    EXPECT_EQ(MacroButtonToStored(host, 12), 12);
    EXPECT_EQ(MacroButtonToStored(host, 13), 14);
    EXPECT_EQ(MacroButtonToStored(host, 25), 26);
    EXPECT_EQ(MacroButtonToStored(host, 26), 0);  // the chooser has 26 items
    EXPECT_EQ(MacroButtonToItem(host, 14), 13);
    EXPECT_EQ(MacroButtonToItem(host, 12), 12);
    EXPECT_EQ(MacroButtonToItem(host, 26), 25);
    for (int item = 0; item < 26; ++item) EXPECT_EQ(MacroButtonToItem(host, MacroButtonToStored(host, item)), item);
  }
  for (const int host : {kHostPS4, kHostSwitch}) {
    EXPECT_EQ(MacroButtonToStored(host, 13), 13);
    EXPECT_EQ(MacroButtonToStored(host, 26), 26);
    EXPECT_EQ(MacroButtonToItem(host, 14), 14);
  }
  // Values read from the adapter that no chooser item has show as no button.
  EXPECT_EQ(MacroButtonToItem(kHostPS4, 27), 0);
  EXPECT_EQ(MacroButtonToItem(kHostXbox360, 27), 0);
  EXPECT_EQ(MacroButtonToItem(kHostXbox360, 255), 0);
  EXPECT_EQ(MacroButtonToStored(kHostPS4, -1), 0);
}

}  // namespace
}  // namespace torvane::model
