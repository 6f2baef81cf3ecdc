// The upgrade and the two factory restores: what each asks, the plan it writes, and what a failure or a missing
// firmware leaves; the upgrade button by working mode.
#include "core/FirmwareProcedures.h"

#include "CoreTest.h"
#include "device/AdapterTexts.h"
#include "device/UpgradeChoice.h"
#include "model/FlashRegions.h"

namespace torvane::testing {
namespace {

using core::ProcedureOutcome;

class FirmwareProceduresTest : public CoreTest {
 protected:
  core::FirmwareProcedures procedures{session, host};
};

TEST_F(FirmwareProceduresTest, TheUpgradeWritesBootFirmwareAndOnlyTheBlocksOfAnOldFormat) {
  Load("old-firmware");
  const auto firmware = firmware::CarriedFirmware();
  ASSERT_TRUE(firmware);
  const auto macro = BytesOfBlock(session.image().macro);
  host.answers = {core::kAnswerYes};

  EXPECT_EQ(procedures.UpgradeFirmware(), ProcedureOutcome::kDone);

  // The plan's contents are the plan builder's (tests/device); here: the carried firmware goes, and the image
  // takes what was written.
  ASSERT_EQ(host.writes.size(), 1u);
  EXPECT_EQ(host.writes[0].kind, core::WriteKind::kUpgradeFirmware);
  EXPECT_EQ(ErasedSectors().front(), (std::vector<std::uint8_t>{1, 3, 5, 6}));
  EXPECT_EQ(WrittenAt(model::kFirmwareAddress).size(), firmware->size() + 1);
  EXPECT_EQ(BytesOfBlock(session.image().config), BytesOfBlock(session.defaults().config));
  EXPECT_EQ(BytesOfBlock(session.image().macro), macro) << "a block of the current format stays";
  EXPECT_EQ(host.Titles(), (std::vector<std::string>{"Upgrade Firmware", "Upgrade Firmware"}));
  EXPECT_EQ(host.boxes.back().text, "\nUpgrade successfully!");
}

TEST_F(FirmwareProceduresTest, TheRestoresWriteTheirSectorsAndLeaveNothingToSave) {
  Load("working-mode-1");
  session.MarkUnsaved(model::kUnsavedConfig);
  host.answers = {core::kAnswerYes, core::kAnswerYes};

  EXPECT_EQ(procedures.RestoreConfiguration(), ProcedureOutcome::kDone);
  EXPECT_EQ(session.unsaved(), 0u) << "nothing is left to save";

  EXPECT_EQ(procedures.RestoreFirmwareAndConfiguration(), ProcedureOutcome::kDone);
  EXPECT_EQ(ErasedSectors(), (std::vector<std::vector<std::uint8_t>>{{1, 2, 3, 4}, {1, 2, 3, 4, 5, 6}}));
  EXPECT_EQ(host.writes[0].kind, core::WriteKind::kRestoreConfiguration);
  EXPECT_EQ(host.writes[1].kind, core::WriteKind::kRestoreAll);
  EXPECT_EQ(host.Titles(),
            (std::vector<std::string>{"Restore Configuration Warning", "Restore Configuration",
                                      "Restore Firmware and Configuration", "Restore Firmware and Configuration"}));
}

TEST_F(FirmwareProceduresTest, ADeclinedQuestionChangesNothing) {
  Load("old-firmware");
  const auto image = BytesOfBlock(session.image());
  host.answers = {core::kAnswerNo, core::kAnswerNo, core::kAnswerNo};
  EXPECT_EQ(procedures.UpgradeFirmware(), ProcedureOutcome::kDeclined);
  EXPECT_EQ(procedures.RestoreFirmwareAndConfiguration(), ProcedureOutcome::kDeclined);
  EXPECT_EQ(procedures.RestoreConfiguration(), ProcedureOutcome::kDeclined);
  EXPECT_TRUE(host.writes.empty());
  EXPECT_EQ(BytesOfBlock(session.image()), image);
}

// The image changes before the write, so a failed one shows what the adapter holds only once read again.
TEST_F(FirmwareProceduresTest, AFailedWriteIsToldWithItsStepsTextAndTheAdapterReadAgain) {
  Load("old-firmware");
  host.answers = {core::kAnswerYes};
  host.write_results = {core::WriteResult{false, {258, "WriteFlash: Read(87,258)"}}};
  EXPECT_EQ(procedures.UpgradeFirmware(), ProcedureOutcome::kFailed);
  EXPECT_EQ(host.Titles(), (std::vector<std::string>{"Upgrade Firmware", "USB Error"}));
  EXPECT_TRUE(host.boxes.back().text.ends_with("\n\nWriteFlash: Read(87,258)"));
  EXPECT_EQ(host.reads_again, 1);
}

TEST_F(FirmwareProceduresTest, WithoutAFirmwareImageNothingIsWrittenAndBothSaySo) {
  core::Session without{BackupRoot(), [] { return std::optional<std::vector<std::uint8_t>>(); }};
  core::FirmwareProcedures none(without, host);
  host.answers = {core::kAnswerYes, core::kAnswerYes};
  EXPECT_EQ(none.UpgradeFirmware(), ProcedureOutcome::kNoFirmware);
  EXPECT_EQ(none.RestoreFirmwareAndConfiguration(), ProcedureOutcome::kNoFirmware);
  EXPECT_TRUE(host.writes.empty());
  EXPECT_EQ(host.Texts(), (std::vector<std::string>{device::UpgradeQuestionText({}), "\nFirmware File Len Error!",
                                                    device::UpgradeQuestionText({}), "\nFirmware File Len Error!"}));
}

TEST_F(FirmwareProceduresTest, TheUpgradeButtonLeadsByWorkingModeAndChoice) {
  using Next = core::UpgradeButtonNext;
  const struct {
    std::uint8_t mode;
    int choice;
    std::vector<int> answers;
    Next next;
    std::vector<std::string> titles;
  } cases[] = {
      {3,
       device::kChoiceNone,
       {core::kAnswerYes},
       Next::kHomePage,
       {"Restore Firmware and Configuration", "Restore Firmware and Configuration"}},
      {1,
       device::kChoiceRestoreConfiguration,
       {core::kAnswerYes},
       Next::kAdapterPage,
       {"Restore Configuration Warning", "Restore Configuration"}},
      {1,
       device::kChoiceUpgradeFirmware,
       {core::kAnswerYes},
       Next::kAdapterPage,
       {"Upgrade Firmware", "Upgrade Firmware"}},
      {1, device::kChoiceNone, {}, Next::kNothing, {}},  // the dialog's close button
      {7, device::kChoiceUpgradeFirmware, {}, Next::kRefused, {"Error"}},
      {2, device::kChoiceUpgradeFirmware, {}, Next::kExitProgram, {"Error"}},
      {1, device::kChoiceUpgradeFirmware, {core::kAnswerNo}, Next::kNothing, {"Upgrade Firmware"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "mode " << int{c.mode} << " choice " << c.choice);
    host = RecordingHost();
    Load("working-mode-1");
    session.run_status().bytes[0] = c.mode;
    host.answers.assign(c.answers.begin(), c.answers.end());
    const core::UpgradeButtonResult result =
        core::PressUpgradeButton(session, host, [choice = c.choice] { return choice; });
    EXPECT_EQ(result.next, c.next);
    EXPECT_EQ(host.Titles(), c.titles);
  }
}

}  // namespace
}  // namespace torvane::testing
