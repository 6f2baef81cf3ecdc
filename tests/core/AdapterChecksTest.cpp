// The checks when the player takes the adapter into use: each outcome with its texts, what it writes, and the
// command line's way of only saying what is needed.
#include "core/AdapterChecks.h"

#include <optional>

#include "CoreTest.h"
#include "core/Host.h"
#include "device/AdapterTexts.h"
#include "device/FirmwareImage.h"
#include "model/FlashRegions.h"

namespace torvane::testing {
namespace {

using Outcome = core::CheckResult::Outcome;

constexpr const char* kRestoreQuestion =
    "All configurations will be restored to default !\nAre you sure to continue this procedure ?";
constexpr const char* kUpgradeQuestion =
    "Upgrade firmware from version 4.5.110 to 4.5.118. \nAre you sure to continue this procedure?";

struct CheckCase {
  const char* scenario;
  std::optional<std::uint8_t> working_mode;  // overrides what the read found
  std::vector<int> answers;
  std::vector<std::string> texts;  // of the boxes, in order
  Outcome outcome;
  std::vector<std::vector<std::uint8_t>> erased;  // the sectors of each write
};

void PrintTo(const CheckCase& c, std::ostream* os) {
  *os << c.scenario << " mode " << int{c.working_mode.value_or(0)} << " answers " << c.answers.size();
}

class AdapterChecksCaseTest : public CoreTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(AdapterChecksCaseTest, TellsAndWritesWhatTheCaseNeeds) {
  const CheckCase& c = GetParam();
  Load(c.scenario);
  if (c.working_mode) session.run_status().bytes[0] = *c.working_mode;
  host.answers.assign(c.answers.begin(), c.answers.end());

  const core::CheckResult result = core::RunAdapterChecks(session, host, core::Repairs::kOffer);

  EXPECT_EQ(host.Texts(), c.texts);
  EXPECT_TRUE(host.answers.empty()) << "every answer was asked for";
  EXPECT_EQ(result.outcome, c.outcome);
  EXPECT_EQ(ErasedSectors(), c.erased);
  EXPECT_EQ(result.repaired, !c.erased.empty());
}

const std::vector<std::uint8_t> kConfigurationSectors{1, 2, 3, 4};
const std::vector<std::uint8_t> kUpgradeSectors{1, 3, 5, 6};  // the configuration block is of the old format

INSTANTIATE_TEST_SUITE_P(
    Outcomes, AdapterChecksCaseTest,
    ::testing::Values(
        CheckCase{"working-mode-1", {}, {}, {}, Outcome::kReady, {}},
        CheckCase{"working-mode-3", {}, {}, {}, Outcome::kReady, {}},
        CheckCase{"working-mode-7", {}, {}, {}, Outcome::kReady, {}},
        CheckCase{"factory-fresh", {}, {}, {}, Outcome::kReady, {}},
        CheckCase{"working-mode-1", 2, {}, {"Working Mode (2)"}, Outcome::kExitProgram, {}},
        CheckCase{"damaged-hardware", {}, {}, {"Hardware was damaged."}, Outcome::kStopped, {}},
        // The box's close button is no confirmation.
        CheckCase{"lost-configuration",
                  {},
                  {core::kAnswerCancel},
                  {"Configuration lost! Please restore configuration."},
                  Outcome::kStopped,
                  {}},
        CheckCase{"lost-configuration",
                  {},
                  {core::kAnswerOk, core::kAnswerNo},
                  {"Configuration lost! Please restore configuration.", kRestoreQuestion},
                  Outcome::kStopped,
                  {}},
        CheckCase{"lost-configuration",
                  {},
                  {core::kAnswerOk, core::kAnswerYes},
                  {"Configuration lost! Please restore configuration.", kRestoreQuestion, "Restore successfully!"},
                  Outcome::kReady,
                  {kConfigurationSectors}},
        CheckCase{"old-firmware",
                  {},
                  {core::kAnswerOk, core::kAnswerNo},
                  {"Need to upgrade firmware to use this manager!", kUpgradeQuestion},
                  Outcome::kStopped,
                  {}},
        CheckCase{"old-firmware",
                  {},
                  {core::kAnswerOk, core::kAnswerYes},
                  {"Need to upgrade firmware to use this manager!", kUpgradeQuestion, "\nUpgrade successfully!"},
                  Outcome::kReady,
                  {kUpgradeSectors}},
        CheckCase{"old-firmware",
                  7,
                  {},
                  {"Need to upgrade firmware to use this manager!\r\n\r\n1. Unplug all peripherals on Torvane\r\n2. "
                   "Then connect Torvane to PC again\r\n3. Upgrade its firmware using this Torvane Manager"},
                  Outcome::kStopped,
                  {}},
        CheckCase{"lost-firmware",
                  {},
                  {core::kAnswerCancel},
                  {"Firmware lost! Please restore firmware."},
                  Outcome::kStopped,
                  {}},
        CheckCase{"lost-firmware",
                  7,
                  {},
                  {"Firmware lost! Please restore firmware.\r\n\r\n1. Unplug all peripherals on Torvane\r\n2. Then "
                   "connect Torvane to PC again\r\n3. Restore its firmware using this Torvane Manager"},
                  Outcome::kStopped,
                  {}}));

TEST_F(CoreTest, ARepairTheAdapterFailsStopsTheChecksAndReadsTheAdapterAgain) {
  Load("old-firmware");
  host.answers = {core::kAnswerOk, core::kAnswerYes};
  host.write_results = {core::WriteResult{false, {-2, "WriteFlash:Verify2(87,-2)"}}};

  const core::CheckResult result = core::RunAdapterChecks(session, host, core::Repairs::kOffer);

  EXPECT_EQ(result.outcome, Outcome::kStopped);
  EXPECT_EQ(result.procedure, core::ProcedureOutcome::kFailed);
  EXPECT_FALSE(result.repaired);
  ASSERT_EQ(host.boxes.size(), 3u);
  EXPECT_EQ(host.boxes.back().title, device::kUsbErrorTitle);
  EXPECT_EQ(host.boxes.back().text,
            "Please ensure your Torvane is firmly connected to PC.\n\nWriteFlash:Verify2(87,-2)");
  EXPECT_EQ(host.reads_again, 1);
}

TEST_F(CoreTest, WithoutRepairsTheChecksOnlySayWhatTheAdapterNeeds) {
  const struct {
    const char* scenario;
    Outcome outcome;
    const char* text;  // of the result; nothing is told for a repair
  } cases[] = {
      {"working-mode-1", Outcome::kReady, ""},
      {"lost-configuration", Outcome::kNeedsRepair, "Configuration lost! Please restore configuration."},
      {"old-firmware", Outcome::kNeedsRepair, "Need to upgrade firmware to use this manager!"},
      {"lost-firmware", Outcome::kNeedsRepair, "Firmware lost! Please restore firmware."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.scenario);
    host = RecordingHost();
    Load(c.scenario);
    const core::CheckResult result = core::RunAdapterChecks(session, host, core::Repairs::kRefuse);
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(result.text, c.text);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(host.writes.empty());
  }
}

TEST_F(CoreTest, AnAdapterWithoutFirmwareOrConfigurationNamesTheLostFirmware) {
  Load("lost-configuration");
  session.image().boot.start = 0;  // no firmware either: the full restore, which has no box before its question
  const core::CheckResult result = core::RunAdapterChecks(session, host, core::Repairs::kRefuse);
  EXPECT_EQ(result.outcome, Outcome::kNeedsRepair);
  EXPECT_EQ(result.text, device::kFirmwareLostText);
}

}  // namespace
}  // namespace torvane::testing
