#include "model/exchange/MacroExchange.h"

#include <gtest/gtest.h>

#include <vector>

#include "TestImage.h"
#include "model/RegionBytes.h"
#include "model/exchange/DigestField.h"
#include "model/exchange/ExchangeMessages.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/MacroTable.h"
#include "model/tables/NameText.h"
#include "support/ByteVector.h"

namespace torvane::model {
namespace {

using testing::FreshImage;
using testing::MakeConfig;
using testing::SetName;

constexpr std::uint8_t kPgUp = 0x4B;
constexpr std::uint8_t kKeyG = 10;

MacroRecord MakeMacro(std::string_view name, std::string_view owner, int host, std::uint8_t hotkey) {
  MacroRecord macro{};
  macro.host = static_cast<std::uint8_t>(host);
  SetName(macro.macro_name, name);
  SetName(macro.owner_name, owner);
  macro.macro_hotkey = hotkey;
  macro.step_count = 1;
  macro.steps[0].buttons[0] = 3;
  macro.steps[0].hold_time = 40;
  return macro;
}

std::vector<std::uint8_t> FileBytes(const MacroRecord& macro) {
  const std::optional<MacroFile> file = BuildMacroFile(macro);
  EXPECT_TRUE(file.has_value());
  return torvane::testing::ByteVector(*file);
}

class MacroImportTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(AddConfig(*image, MakeConfig("Fortnite", kHostPS4, 5), nullptr)); }
  const ConfigRecord& owner() const { return image->config.records[0]; }
  ExchangeResult Import(const std::vector<std::uint8_t>& bytes) {
    return ImportMacroFile(*image, owner(), bytes, confirm);
  }

  std::unique_ptr<FlashImage> image = FreshImage(kHostPS4);
  std::vector<std::uint8_t> asked;
  bool answer = true;
  ConfirmOccupiedFn confirm = [this](std::uint8_t key) {
    asked.push_back(key);
    return answer;
  };
};

TEST(MacroFileTest, LayoutOfTheImage) {
  const MacroRecord macro = MakeMacro("Reload", "Fortnite", kHostPS4, kKeyG);
  const std::vector<std::uint8_t> bytes = FileBytes(macro);
  ASSERT_EQ(bytes.size(), 568u);
  EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 9),
            (std::vector<std::uint8_t>{4, 5, 118, 2, 0, 0, 1, 10, 0}));
  EXPECT_TRUE(std::equal(bytes.begin() + 25, bytes.end(), BytesOf(macro).begin()));
  EXPECT_TRUE(VerifyDigest(bytes, 9));
}

TEST_F(MacroImportTest, MacroJoinsTheEditedConfiguration) {
  MacroRecord macro = MakeMacro("Reload", "", kHostPS4, kKeyG);
  macro.owner_name.fill('X');  // the exporting configuration's name, unterminated
  ASSERT_EQ(Import(FileBytes(macro)), ExchangeResult::kOk);
  ASSERT_EQ(image->macro.count, 1);
  const MacroRecord& added = image->macro.records[0];
  EXPECT_EQ(ReadName(added.owner_name), "Fortnite");
  EXPECT_EQ(added.owner_name[39], '\0');
  EXPECT_EQ(added.steps[0].hold_time.get(), 40);
  EXPECT_TRUE(asked.empty());
}

TEST_F(MacroImportTest, TakenHotkeysAreAskedAbout) {
  image->config.records[0].mapping[0][3] = kKeyG;
  answer = false;
  EXPECT_EQ(Import(FileBytes(MakeMacro("A", "x", kHostPS4, kKeyG))), ExchangeResult::kDeclined);
  EXPECT_EQ(Import(FileBytes(MakeMacro("A", "x", kHostPS4, kPgUp))), ExchangeResult::kDeclined);
  image->config.records[0].hotkey = 0x3A;
  EXPECT_EQ(Import(FileBytes(MakeMacro("A", "x", kHostPS4, 0x3A))), ExchangeResult::kDeclined);
  EXPECT_EQ(asked, (std::vector<std::uint8_t>{kKeyG, kPgUp, 0x3A}));
  EXPECT_EQ(image->macro.count, 0);

  // Class 0 codes never count as taken.
  image->config.records[0].mapping[0][4] = 120;
  EXPECT_EQ(Import(FileBytes(MakeMacro("A", "x", kHostPS4, 120))), ExchangeResult::kOk);
  EXPECT_EQ(asked.size(), 3u);
}

TEST_F(MacroImportTest, RefusalsInTheirOrder) {
  std::vector<std::uint8_t> bytes = FileBytes(MakeMacro("A", "x", kHostXboxOne, 0));
  EXPECT_EQ(Import(bytes), ExchangeResult::kWrongConsole);
  bytes[9] ^= 1;
  EXPECT_EQ(Import(bytes), ExchangeResult::kVerifyFailed);
  bytes.pop_back();
  EXPECT_EQ(Import(bytes), ExchangeResult::kWrongSize);
  EXPECT_EQ(ImportMessage(ExchangeKind::kMacro, ExchangeResult::kWrongSize),
            "\nFailed to import file!\r\n[Error:  Incompatible version]");

  ASSERT_EQ(Import(FileBytes(MakeMacro("A", "x", kHostPS4, 0))), ExchangeResult::kOk);
  std::vector<std::uint8_t> again = FileBytes(MakeMacro("A", "y", kHostPS4, 0));
  again[6] = 1, again[7] = 10, again[8] = 1;
  ASSERT_TRUE(StampDigest(again, 9));
  EXPECT_EQ(Import(again), ExchangeResult::kDuplicateMacro);
  EXPECT_EQ(ImportMessage(ExchangeKind::kMacro, ExchangeResult::kDuplicateMacro),
            "\nA macro with the same name is already in list.");
  again[25 + 2] = 'B';  // first byte of the macro name
  ASSERT_TRUE(StampDigest(again, 9));
  EXPECT_EQ(Import(again), ExchangeResult::kNeedsNewerManager);
  EXPECT_EQ(image->macro.count, 1);
}

TEST_F(MacroImportTest, OnlyTheMacroFormatVersionCounts) {
  std::vector<std::uint8_t> bytes = FileBytes(MakeMacro("A", "x", kHostPS4, 0));
  bytes[3] = 9;  // configuration format: not checked for macros
  bytes[6] = 1, bytes[7] = 9, bytes[8] = 9;
  ASSERT_TRUE(StampDigest(bytes, 9));
  EXPECT_EQ(Import(bytes), ExchangeResult::kOk);
}

TEST_F(MacroImportTest, ThirtyMacrosFillTheTable) {
  for (int i = 0; i < 30; ++i) {
    ASSERT_TRUE(AddMacro(image->macro, MakeMacro(std::to_string(i), "Other", kHostSwitch, 0)));
  }
  EXPECT_EQ(Import(FileBytes(MakeMacro("A", "x", kHostPS4, 0))), ExchangeResult::kMacroTableFull);
  EXPECT_EQ(ImportMessage(ExchangeKind::kMacro, ExchangeResult::kMacroTableFull), "\nMacros  can not exceed 30.");
}

}  // namespace
}  // namespace torvane::model
