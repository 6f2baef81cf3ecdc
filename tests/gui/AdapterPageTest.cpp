// The adapter page as the player uses it: the click on the adapter and the upgrade button run the core's checks and
// procedures, and the window follows their outcome; a write half-way through is recovered by the next click.
#include <gtest/gtest.h>

#include <QTimer>

#include "app/MainPage.h"
#include "device/CompatibilityRules.h"
#include "device/FirmwareImage.h"
#include "device/ProtocolCodes.h"
#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "emulator/AdapterFault.h"
#include "model/FlashRegions.h"
#include "model/RegionBytes.h"
#include "support/MainWindowFixture.h"
#include "toolkit/CButtonUI.h"
#include "toolkit/SkinArchive.h"

namespace torvane::testing {
namespace {

using dialogs::MessageBoxAnswers;

QStringList ShownTitles() {
  QStringList titles;
  for (const auto& box : MessageBoxAnswers::Shown()) titles << box.title;
  return titles;
}

std::vector<std::uint8_t> CarriedFirmware() {
  const auto member = toolkit::SkinArchive::Current()->Read(QString::fromUtf8(device::kFirmwareMemberName.data()));
  return member ? std::vector<std::uint8_t>(member->begin(), member->end()) : std::vector<std::uint8_t>{};
}

using AdapterPageTest = MainWindowFixture;

TEST_F(AdapterPageTest, TheClickLeadsHomeOrEndsTheProgramOrStays) {
  ASSERT_TRUE(StartOnAdapterPage("damaged-hardware"));
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  Click(u"btnDeviceArrival");
  EXPECT_EQ(ShownTitles(), QStringList{QStringLiteral("Error")});
  EXPECT_EQ(Page(), app::kPageDeviceArrival);

  state.session.run_status().bytes[0] = 2;  // a working mode this manager does not serve
  MessageBoxAnswers::Reset();
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  Click(u"btnDeviceArrival");
  EXPECT_EQ(MessageBoxAnswers::Shown().front().text, QStringLiteral("Working Mode (2)"));
  EXPECT_FALSE(IsOpen());
}

TEST_F(AdapterPageTest, AnUpgradeReachesTheAdapterWithTheButtonsOffMeanwhileThenGoesHome) {
  ASSERT_TRUE(StartOnAdapterPage("old-firmware"));
  const auto firmware = CarriedFirmware();
  ASSERT_FALSE(firmware.empty());
  for (const int answer : {dialogs::kIdOk, dialogs::kIdYes, dialogs::kIdOk}) MessageBoxAnswers::SetNextAnswer(answer);
  // No second write can be started from the page while this one runs (the erase keeps it running a while).
  adapter.SetEraseTime(std::chrono::milliseconds(20));
  bool buttons_off_while_writing = false;
  WhenModalShows(u"myProgressUSB_Task", [&](toolkit::WindowImplBase&) {
    buttons_off_while_writing = !Control(u"btnDeviceArrival")->IsEnabled() && !Control(u"btnUpgrade")->IsEnabled();
  });

  Click(u"btnDeviceArrival");

  EXPECT_TRUE(buttons_off_while_writing);
  EXPECT_TRUE(Control(u"btnDeviceArrival")->IsEnabled());
  EXPECT_EQ(ShownTitles(), (QStringList{"Error", "Upgrade Firmware", "Upgrade Firmware"}));
  EXPECT_EQ(Page(), app::kPagePlaySelect);
  EXPECT_EQ(adapter.ReadFlash(model::kFirmwareAddress, firmware.size()), firmware);
  EXPECT_EQ(adapter.ReadFlash(model::kFirmwareAddress + static_cast<std::uint32_t>(firmware.size()), 1).front(), 0xAA);
}

TEST_F(AdapterPageTest, AnUpgradeFailingHalfWayIsRecoveredByTheNextClick) {
  ASSERT_TRUE(StartOnAdapterPage("old-firmware"));
  // An unsaved edit of a block the upgrade keeps survives the fresh read.
  auto macro_bytes = model::BytesOf(state.session.image().macro);
  const std::uint8_t edited = static_cast<std::uint8_t>(macro_bytes[100] ^ 0xFF);
  macro_bytes[100] = edited;
  window->MarkUnsaved(model::kUnsavedMacro);
  adapter.ArmFault(emulator::Fault(emulator::FaultKind::kWrongAnswerCode, device::kCmdWriteFlash, 3));
  for (const int answer : {dialogs::kIdOk, dialogs::kIdYes, dialogs::kIdOk}) MessageBoxAnswers::SetNextAnswer(answer);

  Click(u"btnDeviceArrival");
  ASSERT_TRUE(WaitUntil([] { return MessageBoxAnswers::Shown().size() == 3; }));
  // One box for one failure, with the failing step's text; the read after it works.
  WaitUntil([] { return false; }, 300);
  EXPECT_EQ(ShownTitles(), (QStringList{"Error", "Upgrade Firmware", "USB Error"}));
  EXPECT_TRUE(MessageBoxAnswers::Shown().back().text.endsWith(QStringLiteral("WriteFlash:Verify2(87,-2)")))
      << MessageBoxAnswers::Shown().back().text.toStdString();
  EXPECT_EQ(Page(), app::kPageDeviceArrival);
  EXPECT_TRUE(Control(u"btnDeviceArrival")->IsEnabled());
  // The image is read again and shows what the adapter holds: no complete firmware, no configuration.
  ASSERT_TRUE(WaitUntil([this] { return !device::FirmwarePresent(state.session.image().boot); }));
  EXPECT_FALSE(device::ConfigurationIntact(state.session.image()));
  EXPECT_EQ(model::BytesOf(state.session.image().macro)[100], edited);
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedMacro);

  MessageBoxAnswers::Reset();
  for (const int answer : {dialogs::kIdYes, dialogs::kIdOk}) MessageBoxAnswers::SetNextAnswer(answer);
  Click(u"btnDeviceArrival");
  EXPECT_EQ(ShownTitles(), (QStringList{"Restore Firmware and Configuration", "Restore Firmware and Configuration"}));
  EXPECT_EQ(Page(), app::kPagePlaySelect);
}

TEST_F(AdapterPageTest, TheUpgradeButtonsChoiceDialogLeadsBackToTheAdapterPage) {
  ASSERT_TRUE(StartOnAdapterPage("working-mode-7"));
  window->MarkUnsaved(model::kUnsavedConfig);
  adapter.SetRequestLogging(true);

  // The close button does nothing.
  WhenModalShows(u"btnUpgradeFirmware", [](toolkit::WindowImplBase& dialog) {
    EXPECT_EQ(dialog.FindControl(u"TitleLabel")->GetText(), QStringLiteral("Upgrade"));
    dialog.FindControl<toolkit::CButtonUI>(u"closebtn")->Activate();
  });
  Click(u"btnUpgrade");
  EXPECT_TRUE(MessageBoxAnswers::Shown().isEmpty());
  EXPECT_TRUE(adapter.TakeRequestLog().empty());

  // The factory configuration: back on the adapter page with nothing left to save.
  for (const int answer : {dialogs::kIdYes, dialogs::kIdOk}) MessageBoxAnswers::SetNextAnswer(answer);
  WhenModalShows(u"btnRestoreFactoryConfig", [](toolkit::WindowImplBase& dialog) {
    dialog.FindControl<toolkit::CButtonUI>(u"btnRestoreFactoryConfig")->Activate();
  });
  Click(u"btnUpgrade");
  EXPECT_EQ(ShownTitles(), (QStringList{"Restore Configuration Warning", "Restore Configuration"}));
  EXPECT_EQ(Page(), app::kPageDeviceArrival);
  EXPECT_EQ(window->unsaved_mask(), 0u);
  EXPECT_FALSE(Control(u"btnSave")->IsEnabled());
  const auto defaults = model::BytesOf(state.session.defaults().config);
  EXPECT_EQ(adapter.ReadFlash(model::kConfigBlockAddress, sizeof(model::ConfigBlock)),
            std::vector<std::uint8_t>(defaults.begin(), defaults.end()));
}

// A question of the checks asked about an adapter that has gone is closed unanswered: nothing runs on the next
// adapter read.
TEST_F(AdapterPageTest, TheChecksBoxesCloseWhenTheAdapterGoes) {
  ASSERT_TRUE(StartOnAdapterPage("lost-configuration"));
  adapter.SetRequestLogging(true);
  bool left_open = false;
  WhenModalShows(u"OkBtn", [&](toolkit::WindowImplBase& box) {
    adapter.Unplug();
    // Only reached when the unplug did not end the box: then OK would run the restore.
    QTimer::singleShot(8000, &box, [&] {
      left_open = true;
      MessageBoxAnswers::SetNextAnswer(dialogs::kIdNo);  // the restore's question, so the test ends
      box.Close(dialogs::kIdOk);
    });
  });
  Click(u"btnDeviceArrival");
  EXPECT_FALSE(left_open);
  EXPECT_EQ(Page(), app::kPageDeviceRemove);
  for (const auto& request : adapter.TakeRequestLog())
    EXPECT_NE(request[device::kOffsetCommand], device::kCmdEraseFlash);
}

TEST_F(AdapterPageTest, HelpShowsTheVersionsOfTheShownImage) {
  ASSERT_TRUE(StartOnHomePage());
  state.session.image().boot.firmware_version = {4, 5, 110};
  QString firmware_line;
  WhenModalShows(u"lblFirmwareVer", [&](toolkit::WindowImplBase& dialog) {
    firmware_line = dialog.FindControl(u"lblFirmwareVer")->GetText();
    dialog.Close(1);
  });
  Click(u"btnhelp");
  EXPECT_EQ(firmware_line, QStringLiteral("Firmware Ver\uFF1A4.5.110"));
}

}  // namespace
}  // namespace torvane::testing
