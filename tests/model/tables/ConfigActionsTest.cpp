#include "model/tables/ConfigActions.h"

#include <gtest/gtest.h>

#include <string>

#include "TableFixtures.h"
#include "model/HostType.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/MacroTable.h"

namespace torvane::model {
namespace {

using namespace fixtures;

class ConfigActionsTest : public ::testing::Test {
 protected:
  std::unique_ptr<FlashImage> image = MakeDefaultImage();
  ConfigBlock& block = image->config;
  ConfigRecord catalogue = MakeRecord("", kHostPS4, {kKeyQ, kKeyF1}, 42);

  void FillTable(int host) {
    while (block.count < kMaxConfigs) {
      ConfigRecord record = MakeRecord("fill" + std::to_string(block.count), host);
      record.color = kConfigColors[block.count];
      Append(*image, record);
    }
  }
};

TEST_F(ConfigActionsTest, CreateFromCatalogueSetsNameHotkeyColorAndResponse) {
  ConfigRecord used = MakeRecord("Old", kHostPS4);
  used.color = kConfigColors[0];
  used.hotkey = kKeyF2;
  Append(*image, used);
  ResponseRecord response{};
  response.curve_id = 9;
  catalogue.set_startup(true);

  const ConfigActionResult result = CreateConfig(*image, catalogue, "Fortnite", &response);
  ASSERT_EQ(result.outcome, ConfigOutcome::kDone);
  EXPECT_EQ(result.slot, 1);
  EXPECT_EQ(result.unsaved, kUnsavedConfig | kUnsavedResponse);
  const ConfigRecord& created = block.records[1];
  EXPECT_EQ(ReadName(created.name), "Fortnite");
  EXPECT_EQ(created.game_id, 42);
  EXPECT_EQ(created.hotkey, kKeyF3);  // F1 is mapped, F2 is another PS4 configuration's hotkey
  EXPECT_EQ(created.color.get(), kConfigColors[1]);
  EXPECT_FALSE(created.is_startup());
  EXPECT_EQ(image->response.records[1].curve_id.get(), 9);
}

TEST_F(ConfigActionsTest, CreateRefusesInOrder) {
  Append(*image, MakeRecord("Taken", kHostPS4));
  EXPECT_EQ(CreateConfig(*image, catalogue, "", nullptr).outcome, ConfigOutcome::kBlankName);
  EXPECT_EQ(CreateConfig(*image, catalogue, "Taken", nullptr).outcome, ConfigOutcome::kDuplicateName);
  // The duplicate check runs on the name as stored: 39 characters.
  block.records[0] = MakeRecord(std::string(39, 'L'), kHostPS4);
  EXPECT_EQ(CreateConfig(*image, catalogue, std::string(45, 'L'), nullptr).outcome, ConfigOutcome::kDuplicateName);
  // A name is checked against the current host only.
  block.host = kHostSwitch;
  ConfigRecord switch_record = catalogue;
  switch_record.set_host_type(kHostSwitch);
  EXPECT_EQ(CreateConfig(*image, switch_record, std::string(45, 'L'), nullptr).outcome, ConfigOutcome::kDone);
  EXPECT_EQ(ReadName(block.records[1].name), std::string(39, 'L'));
  EXPECT_EQ(block.records[1].color.get(), kConfigColors[0]);

  FillTable(kHostSwitch);
  EXPECT_EQ(CreateConfig(*image, catalogue, "", nullptr).outcome, ConfigOutcome::kTableFull);
}

TEST_F(ConfigActionsTest, CopyNamesTheFirstFreeCopyAndTakesTheResponse) {
  ConfigRecord source = MakeRecord("Apex", kHostPS4, {kKeyF1});
  source.set_startup(true);
  source.color = kConfigColors[0];
  source.hotkey = kKeyF2;
  Append(*image, source, 500);
  Append(*image, MakeRecord("copy(1)Apex", kHostPS4), 600);

  const ConfigActionResult result = CreateConfigCopy(*image, 0);
  ASSERT_EQ(result.outcome, ConfigOutcome::kDone);
  ASSERT_EQ(result.slot, 2);
  const ConfigRecord& copy = block.records[2];
  EXPECT_EQ(ReadName(copy.name), "copy(2)Apex");
  EXPECT_FALSE(copy.is_startup());
  EXPECT_TRUE(block.records[0].is_startup());
  EXPECT_EQ(copy.hotkey, kKeyF3);
  EXPECT_EQ(copy.color.get(), kConfigColors[1]);
  EXPECT_EQ(image->response.records[2].curve_id.get(), 500);
  EXPECT_EQ(result.unsaved, kUnsavedConfig | kUnsavedResponse);

  EXPECT_EQ(CreateConfigCopy(*image, 3).outcome, ConfigOutcome::kNotFound);
}

TEST_F(ConfigActionsTest, CopyNameIsCutToTheFieldWithoutSplittingCharacters) {
  // "x" and 19 double-byte characters: "copy(1)" + 39 bytes needs 46; 39 bytes
  // hold 7 + 1 + 15 characters, and the lead byte of the 16th stays out.
  const ScopedNarrowEncoding chinese(936);
  Append(*image, MakeRecord("x" + GbkText(19), kHostPS4));
  ASSERT_EQ(CreateConfigCopy(*image, 0).outcome, ConfigOutcome::kDone);
  EXPECT_EQ(ReadName(block.records[1].name), "copy(1)x" + GbkText(15));
}

TEST_F(ConfigActionsTest, CopyGivesUpAfterFifteenNames) {
  // A 39-byte name that repeats "copy(1)" is its own first candidate once cut
  // to the field, so fifteen taken names fit in the table with room to spare.
  const std::string source = "copy(1)copy(1)copy(1)copy(1)copy(1)copy";
  auto candidate = [&source](int n) {
    const std::string prefix = "copy(" + std::to_string(n) + ")";
    return prefix + source.substr(0, 39 - prefix.size());
  };
  ASSERT_EQ(candidate(1), source);
  Append(*image, MakeRecord(source, kHostPS4));
  for (int n = 2; n <= 14; ++n) Append(*image, MakeRecord(candidate(n), kHostPS4));

  ASSERT_EQ(CreateConfigCopy(*image, 0).outcome, ConfigOutcome::kDone);
  EXPECT_EQ(ReadName(block.records[14].name), candidate(15));
  EXPECT_EQ(block.count, 15);
  EXPECT_EQ(CreateConfigCopy(*image, 0).outcome, ConfigOutcome::kNoFreeName);
  EXPECT_EQ(block.count, 15);

  Append(*image, MakeRecord("Full", kHostSwitch));
  EXPECT_EQ(CreateConfigCopy(*image, 15).outcome, ConfigOutcome::kTableFull);
}

TEST_F(ConfigActionsTest, RenameCutsTo38AndTakesTheMacrosAlong) {
  Append(*image, MakeRecord("Halo", kHostXboxOne));
  Append(*image, MakeRecord(std::string(38, 'b'), kHostXboxOne));
  AppendMacro(*image, MakeMacro("Halo", "Reload", kHostXboxOne));
  AppendMacro(*image, MakeMacro("Halo", "Other host", kHostPS4));
  ConfigRecord& halo = block.records[0];

  EXPECT_EQ(RenameConfig(*image, halo, "").outcome, ConfigOutcome::kUnchanged);
  EXPECT_EQ(RenameConfig(*image, halo, "Halo").outcome, ConfigOutcome::kUnchanged);
  // 39 b's are stored as 38 and would collide with the other record.
  EXPECT_EQ(RenameConfig(*image, halo, std::string(39, 'b')).outcome, ConfigOutcome::kDuplicateName);
  EXPECT_EQ(ReadName(halo.name), "Halo");

  const std::string long_name = std::string(39, 'H');
  const ConfigActionResult result = RenameConfig(*image, halo, long_name);
  ASSERT_EQ(result.outcome, ConfigOutcome::kDone);
  EXPECT_EQ(result.unsaved, kUnsavedConfig | kUnsavedMacro);
  EXPECT_EQ(ReadName(halo.name), std::string(38, 'H'));
  EXPECT_EQ(FindMacroIndex(image->macro, ReadName(halo.name), "Reload", kHostXboxOne), 0);
  EXPECT_EQ(FindMacroIndex(image->macro, "Halo", "Other host", kHostPS4), 1);

  EXPECT_EQ(RenameConfig(*image, halo, "Plain").unsaved, kUnsavedConfig | kUnsavedMacro);
  EXPECT_EQ(RenameConfig(*image, block.records[1], "No macros").unsaved, kUnsavedConfig);
}

TEST_F(ConfigActionsTest, DeleteReportsWhichRegionsChanged) {
  Append(*image, MakeRecord("A", kHostPS4));
  Append(*image, MakeRecord("B", kHostPS4));
  Append(*image, MakeRecord("C", kHostPS4));
  AppendMacro(*image, MakeMacro("B", "b1", kHostPS4));
  AppendMacro(*image, MakeMacro("C", "c1", kHostPS4));
  AppendMacro(*image, MakeMacro("B", "b2", kHostPS4));

  // The name is a view into the table, which the deletion rewrites.
  EXPECT_EQ(DeleteConfigWithMacros(*image, kHostPS4, ReadName(block.records[1].name)), kUnsavedAll);
  EXPECT_EQ(block.count, 2);
  ASSERT_EQ(image->macro.count, 1);
  EXPECT_EQ(NameOf(image->macro, 0), "c1");
  EXPECT_EQ(DeleteConfigWithMacros(*image, kHostPS4, "A"), kUnsavedConfig | kUnsavedResponse);
  EXPECT_EQ(DeleteConfigWithMacros(*image, kHostPS4, "A"), 0u);
}

TEST_F(ConfigActionsTest, EditingRepairsDeadzoneAndButtonCount) {
  ConfigRecord record = MakeRecord("A", kHostPS4);
  record.stick_deadzone = 0;
  record.button_count = 20;
  PrepareForEditing(record);
  EXPECT_EQ(record.stick_deadzone, 16);
  EXPECT_EQ(record.button_count, 26);
  record.stick_deadzone = 3;
  record.button_count = 30;
  PrepareForEditing(record);
  EXPECT_EQ(record.stick_deadzone, 3);
  EXPECT_EQ(record.button_count, 30);
}

}  // namespace
}  // namespace torvane::model
