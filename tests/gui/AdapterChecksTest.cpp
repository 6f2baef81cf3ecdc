// The click on the adapter: each check's outcome, its texts, and where the window goes.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "app/MainPage.h"
#include "device/ProtocolCodes.h"
#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "gui/support/MainWindowFixture.h"

namespace torvane::testing {
namespace {

using dialogs::MessageBoxAnswers;

struct CheckCase {
  const char* scenario;
  std::optional<std::uint8_t> working_mode;  // overrides what the read found
  std::vector<int> answers;                  // to the boxes, in order
  std::vector<const char*> texts;            // the boxes' texts, in order
  int page;
  bool open;
};

void PrintTo(const CheckCase& c, std::ostream* os) {
  *os << c.scenario << " mode " << (c.working_mode ? *c.working_mode : 0);
}

constexpr const char* kRestoreQuestion =
    "All configurations will be restored to default !\nAre you sure to continue this procedure ?";

class AdapterChecksTest : public MainWindowFixture, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(AdapterChecksTest, TheClickShowsItsTextsAndWritesNothingUnlessAsked) {
  const CheckCase& c = GetParam();
  ASSERT_TRUE(StartOnAdapterPage(c.scenario));
  if (c.working_mode) state.run_status.bytes[0] = *c.working_mode;
  for (const int answer : c.answers) MessageBoxAnswers::SetNextAnswer(answer);
  adapter.SetRequestLogging(true);

  Click(u"btnDeviceArrival");

  QStringList shown;
  for (const auto& box : MessageBoxAnswers::Shown()) shown << box.text;
  QStringList expected;
  for (const char* text : c.texts) expected << QString::fromUtf8(text);
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(MessageBoxAnswers::QueuedAnswers(), 0);
  EXPECT_EQ(IsOpen(), c.open);
  if (c.open) {
    EXPECT_EQ(Page(), c.page);
  }
  for (const auto& request : adapter.TakeRequestLog()) {
    EXPECT_NE(request[device::kOffsetCommand], device::kCmdEraseFlash);
    EXPECT_NE(request[device::kOffsetCommand], device::kCmdWriteFlash);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, AdapterChecksTest,
    ::testing::Values(
        CheckCase{"working-mode-1", {}, {}, {}, app::kPagePlaySelect, true},
        CheckCase{"working-mode-3", {}, {}, {}, app::kPagePlaySelect, true},
        CheckCase{"working-mode-7", {}, {}, {}, app::kPagePlaySelect, true},
        CheckCase{"factory-fresh", {}, {}, {}, app::kPagePlaySelect, true},
        CheckCase{"working-mode-1", 2, {dialogs::kIdOk}, {"Working Mode (2)"}, 0, false},
        CheckCase{"damaged-hardware", {}, {dialogs::kIdOk}, {"Hardware was damaged."}, app::kPageDeviceArrival, true},
        // The box's close button is no confirmation.
        CheckCase{"lost-configuration",
                  {},
                  {dialogs::kIdCancel},
                  {"Configuration lost! Please restore configuration."},
                  app::kPageDeviceArrival,
                  true},
        CheckCase{"lost-configuration",
                  {},
                  {dialogs::kIdOk, dialogs::kIdNo},
                  {"Configuration lost! Please restore configuration.", kRestoreQuestion},
                  app::kPageDeviceArrival,
                  true},
        CheckCase{"old-firmware",
                  {},
                  {dialogs::kIdOk, dialogs::kIdNo},
                  {"Need to upgrade firmware to use this manager!",
                   "Upgrade firmware from version 4.5.110 to 4.5.118. \nAre you sure to continue this procedure?"},
                  app::kPageDeviceArrival,
                  true},
        CheckCase{
            "old-firmware",
            7,
            {dialogs::kIdOk},
            {"Need to upgrade firmware to use this manager!\r\n\r\n1. Unplug all peripherals on Torvane\r\n2. Then "
             "connect Torvane to PC again\r\n3. Upgrade its firmware using this Torvane Manager"},
            app::kPageDeviceArrival,
            true},
        CheckCase{"lost-firmware",
                  {},
                  {dialogs::kIdCancel},
                  {"Firmware lost! Please restore firmware."},
                  app::kPageDeviceArrival,
                  true},
        CheckCase{"lost-firmware",
                  7,
                  {dialogs::kIdOk},
                  {"Firmware lost! Please restore firmware.\r\n\r\n1. Unplug all peripherals on Torvane\r\n2. Then "
                   "connect Torvane to PC again\r\n3. Restore its firmware using this Torvane Manager"},
                  app::kPageDeviceArrival,
                  true}));

}  // namespace
}  // namespace torvane::testing
