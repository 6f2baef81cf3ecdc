#include <gtest/gtest.h>

#include "TestImage.h"
#include "model/exchange/ExchangeMessages.h"
#include "model/exchange/SuggestedFileName.h"

namespace torvane::model {
namespace {

using testing::MakeConfig;
using testing::SetName;

TEST(SuggestedFileNameTest, ConfigurationNamesLoseTheirColons) {
  EXPECT_EQ(SuggestedConfigFileName(MakeConfig("Call of Duty: WWII", kHostPS4, 1)), "Call of Duty  WWII(PS4)");
  EXPECT_EQ(SuggestedCurveFileName(MakeConfig("Call of Duty: WWII", kHostPS4, 1)), "Call of Duty  WWII");
  EXPECT_EQ(SuggestedConfigFileName(MakeConfig("a:b", kHostXboxOne, 1)), "a b(XBOX ONE)");
  EXPECT_EQ(SuggestedConfigFileName(MakeConfig("x", kHostPS3, 1)), "x(PS3)");
  EXPECT_EQ(SuggestedConfigFileName(MakeConfig("x", kHostSwitch, 1)), "x(SWITCH)");
  EXPECT_EQ(SuggestedConfigFileName(MakeConfig("AC/DC", kHostPS4, 1)), "AC DC(PS4)");
  EXPECT_EQ(SuggestedConfigFileName(MakeConfig("x", 6, 1)), "x");

  ConfigRecord unterminated = MakeConfig("", kHostPS4, 1);
  unterminated.name.fill('n');
  EXPECT_EQ(SuggestedConfigFileName(unterminated), std::string(40, 'n') + "(PS4)");
}

TEST(SuggestedFileNameTest, MacroNamesKeepTheirColons) {
  MacroRecord macro{};
  SetName(macro.macro_name, "Combo: 1/2");
  macro.host = kHostXbox360;
  EXPECT_EQ(SuggestedMacroFileName(macro), "Combo: 1 2(XBOX 360)");
  macro.host = 200;
  macro.macro_name.fill('m');
  EXPECT_EQ(SuggestedMacroFileName(macro), std::string(30, 'm'));
}

TEST(SuggestedFileNameTest, ChosenNamesEndInTheKindsExtension) {
  const struct {
    const char* chosen;
    const char* written;
  } cases[] = {
      {"/f/Race(PS4)", "/f/Race(PS4).vqc"},
      {"/f/F1 2019.5(PS4)", "/f/F1 2019.5(PS4).vqc"},  // a dot in the name is no extension
      {"/f/race.VQC", "/f/race.VQC"},
      {"/f/race.vqm", "/f/race.vqm.vqc"},
      {"vqc", "vqc.vqc"},
  };
  for (const auto& test : cases) EXPECT_EQ(WithExtension(test.chosen, ExchangeKind::kConfig), test.written);
  EXPECT_EQ(WithExtension("curves", ExchangeKind::kCurve), "curves.vql");
  EXPECT_EQ(ReplaceFileQuestion("a.vqm"), "\na.vqm already exists.\nDo you want to replace it?");
}

TEST(ExchangeMessagesTest, ReadAndWriteResults) {
  EXPECT_EQ(ReadFailureMessage(ExchangeKind::kConfig, kFileWrongSize, 5),
            "\nFailed to import file!\r\n[Error:  Incompatible version]");
  EXPECT_EQ(ReadFailureMessage(ExchangeKind::kMacro, kFileShort, 38), "\nFailed to import file!\n[Error Code:-3,38]");
  EXPECT_EQ(ReadFailureMessage(ExchangeKind::kCurve, kFileWrongSize, 0), "\nFailed to import file!\n[Error Code:-2,0]");
  EXPECT_EQ(ReadFailureMessage(ExchangeKind::kConfig, kFileCancelled, 0), "");
  EXPECT_EQ(ReadFailureMessage(ExchangeKind::kConfig, kFileDone, 0), "");
  EXPECT_EQ(ExportMessage(kFileDone, 0), "\nExport successfully!!");
  EXPECT_EQ(ExportMessage(kFileOpenFailed, 13), "\nFailed to export file!\n[Error Code:-1,13]");
  EXPECT_EQ(ExportMessage(kFileCancelled, 0), "");
}

TEST(ExchangeMessagesTest, OccupiedQuestionNamesTheKey) {
  EXPECT_EQ(OccupiedKeyQuestion(82), "The [\xE2\x86\x91] has been occupied!\r\nAre you sure?");
  EXPECT_EQ(OccupiedKeyQuestion(200), "The [J8] has been occupied!\r\nAre you sure?");
}

}  // namespace
}  // namespace torvane::model
