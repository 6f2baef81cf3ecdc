// Upgrade and restores from the adapter page, against the virtual adapter: what is asked, what is written, and
// that a write failing half-way leaves a state the player can recover from.
#include <gtest/gtest.h>

#include <QTimer>

#include "app/MainPage.h"
#include "device/CompatibilityRules.h"
#include "device/FirmwareImage.h"
#include "device/ProtocolCodes.h"
#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "emulator/AdapterFault.h"
#include "gui/support/MainWindowFixture.h"
#include "model/FlashImage.h"
#include "model/FlashRegions.h"
#include "model/LittleEndian.h"
#include "model/RegionBytes.h"
#include "toolkit/CButtonUI.h"
#include "toolkit/SkinArchive.h"

namespace torvane::testing {
namespace {

using dialogs::MessageBoxAnswers;

class FirmwareProceduresTest : public MainWindowFixture {
 protected:
  static std::vector<std::uint8_t> CarriedFirmware() {
    const auto member = toolkit::SkinArchive::Current()->Read(QString::fromUtf8(device::kFirmwareMemberName.data()));
    if (!member) return {};
    return {member->begin(), member->end()};
  }

  static QStringList ShownTitles() {
    QStringList titles;
    for (const auto& box : MessageBoxAnswers::Shown()) titles << box.title;
    return titles;
  }

  template <class Block>
  std::vector<std::uint8_t> OnAdapter(std::uint32_t address) const {
    return adapter.ReadFlash(address, sizeof(Block));
  }

  template <class Block>
  static std::vector<std::uint8_t> Bytes(const Block& block) {
    const auto bytes = model::BytesOf(block);
    return {bytes.begin(), bytes.end()};
  }

  // Erased sectors (in order) and the bytes written, from the adapter's request log.
  void ReadLog(std::vector<std::uint8_t>& erased, std::size_t& written) {
    for (const auto& request : adapter.TakeRequestLog()) {
      if (request[device::kOffsetCommand] == device::kCmdEraseFlash) {
        for (std::size_t i = 0; i < request[device::kOffsetLength]; ++i)
          erased.push_back(request[device::kOffsetData + i]);
      } else if (request[device::kOffsetCommand] == device::kCmdWriteFlash) {
        written += model::ReadU32(&request[device::kOffsetLength]);
      }
    }
  }
};

TEST_F(FirmwareProceduresTest, UpgradeOfOldFirmwareWritesBootConfigurationAndFirmwareThenGoesHome) {
  ASSERT_TRUE(StartOnAdapterPage("old-firmware"));
  const auto firmware = CarriedFirmware();
  ASSERT_FALSE(firmware.empty());
  for (const int answer : {dialogs::kIdOk, dialogs::kIdYes, dialogs::kIdOk}) MessageBoxAnswers::SetNextAnswer(answer);
  adapter.SetRequestLogging(true);

  Click(u"btnDeviceArrival");

  EXPECT_EQ(ShownTitles(), (QStringList{"Error", "Upgrade Firmware", "Upgrade Firmware"}));
  EXPECT_EQ(MessageBoxAnswers::Shown().back().text, QStringLiteral("\nUpgrade successfully!"));
  EXPECT_EQ(Page(), app::kPagePlaySelect);
  std::vector<std::uint8_t> erased;
  std::size_t written = 0;
  ReadLog(erased, written);
  // The configuration block of the old format is replaced; macro and response blocks are current and stay.
  EXPECT_EQ(erased, (std::vector<std::uint8_t>{1, 3, 5, 6}));
  EXPECT_EQ(written, 2 * model::kBlockSize + firmware.size() + 1);
  EXPECT_EQ(adapter.ReadFlash(model::kFirmwareAddress, firmware.size()), firmware);
  EXPECT_EQ(adapter.ReadFlash(model::kFirmwareAddress + static_cast<std::uint32_t>(firmware.size()), 1).front(), 0xAA);
  EXPECT_EQ(OnAdapter<model::BootBlock>(model::kBootBlockAddress).at(1), 4);
  EXPECT_EQ(OnAdapter<model::ConfigBlock>(model::kConfigBlockAddress), Bytes(state.defaults->config));
}

TEST_F(FirmwareProceduresTest, LostFirmwareIsWrittenAgainFromTheAdapterButton) {
  ASSERT_TRUE(StartOnAdapterPage("lost-firmware"));
  const auto firmware = CarriedFirmware();
  for (const int answer : {dialogs::kIdOk, dialogs::kIdYes, dialogs::kIdOk}) MessageBoxAnswers::SetNextAnswer(answer);

  Click(u"btnDeviceArrival");

  EXPECT_EQ(ShownTitles(), (QStringList{"Error", "Upgrade Firmware", "Upgrade Firmware"}));
  EXPECT_EQ(Page(), app::kPagePlaySelect);
  EXPECT_EQ(adapter.ReadFlash(model::kFirmwareAddress, firmware.size()), firmware);
  EXPECT_EQ(adapter.ReadFlash(model::kFirmwareAddress + static_cast<std::uint32_t>(firmware.size()), 1).front(), 0xAA);
}

TEST_F(FirmwareProceduresTest, LostConfigurationIsRestoredAndTheFirmwareKept) {
  ASSERT_TRUE(StartOnAdapterPage("lost-configuration"));
  const auto boot_before = OnAdapter<model::BootBlock>(model::kBootBlockAddress);
  for (const int answer : {dialogs::kIdOk, dialogs::kIdYes, dialogs::kIdOk}) MessageBoxAnswers::SetNextAnswer(answer);
  adapter.SetRequestLogging(true);
  // No second write can be started from the page while this one runs (the erase keeps it running a while).
  adapter.SetEraseTime(std::chrono::milliseconds(20));
  bool buttons_off_while_writing = false;
  WhenModalShows(u"myProgressUSB_Task", [&](toolkit::WindowImplBase&) {
    buttons_off_while_writing = !Control(u"btnDeviceArrival")->IsEnabled() && !Control(u"btnUpgrade")->IsEnabled();
  });

  Click(u"btnDeviceArrival");
  EXPECT_TRUE(buttons_off_while_writing);
  EXPECT_TRUE(Control(u"btnDeviceArrival")->IsEnabled());

  EXPECT_EQ(ShownTitles(), (QStringList{"Error", "Restore Configuration Warning", "Restore Configuration"}));
  EXPECT_EQ(MessageBoxAnswers::Shown().back().text, QStringLiteral("Restore successfully!"));
  EXPECT_EQ(Page(), app::kPagePlaySelect);
  std::vector<std::uint8_t> erased;
  std::size_t written = 0;
  ReadLog(erased, written);
  EXPECT_EQ(erased, (std::vector<std::uint8_t>{1, 2, 3, 4}));
  EXPECT_EQ(OnAdapter<model::ConfigBlock>(model::kConfigBlockAddress), Bytes(state.defaults->config));
  EXPECT_EQ(OnAdapter<model::MacroBlock>(model::kMacroBlockAddress), Bytes(state.defaults->macro));
  // Firmware version, address and length stay as they were.
  const auto boot_after = OnAdapter<model::BootBlock>(model::kBootBlockAddress);
  EXPECT_TRUE(std::equal(boot_before.begin() + 1, boot_before.begin() + 12, boot_after.begin() + 1));
}

TEST_F(FirmwareProceduresTest, AnUpgradeFailingHalfWayIsRecoveredByTheNextClick) {
  ASSERT_TRUE(StartOnAdapterPage("old-firmware"));
  // An unsaved edit of a block the upgrade keeps survives the fresh read.
  auto macro_bytes = model::BytesOf(state.image->macro);
  const std::uint8_t edited = static_cast<std::uint8_t>(macro_bytes[100] ^ 0xFF);
  macro_bytes[100] = edited;
  window->MarkUnsaved(model::kUnsavedMacro);
  adapter.ArmFault(emulator::Fault(emulator::FaultKind::kWrongAnswerCode, device::kCmdWriteFlash, 3));
  for (const int answer : {dialogs::kIdOk, dialogs::kIdYes, dialogs::kIdOk}) MessageBoxAnswers::SetNextAnswer(answer);

  Click(u"btnDeviceArrival");
  ASSERT_TRUE(WaitUntil([] { return MessageBoxAnswers::Shown().size() == 3; }));
  EXPECT_EQ(MessageBoxAnswers::Shown().back().title, QStringLiteral("USB Error"));
  EXPECT_EQ(Page(), app::kPageDeviceArrival);
  EXPECT_TRUE(Control(u"btnDeviceArrival")->IsEnabled());
  // The image is read again and shows what the adapter holds: no complete firmware, no configuration.
  ASSERT_TRUE(WaitUntil([this] { return !device::FirmwarePresent(state.image->boot); }));
  EXPECT_FALSE(device::ConfigurationIntact(*state.image));
  EXPECT_EQ(model::BytesOf(state.image->macro)[100], edited);
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedMacro);

  MessageBoxAnswers::Reset();
  for (const int answer : {dialogs::kIdYes, dialogs::kIdOk}) MessageBoxAnswers::SetNextAnswer(answer);
  Click(u"btnDeviceArrival");
  EXPECT_EQ(ShownTitles(), (QStringList{"Restore Firmware and Configuration", "Restore Firmware and Configuration"}));
  EXPECT_EQ(Page(), app::kPagePlaySelect);
  const auto firmware = CarriedFirmware();
  EXPECT_EQ(adapter.ReadFlash(model::kFirmwareAddress + static_cast<std::uint32_t>(firmware.size()), 1).front(), 0xAA);
}

TEST_F(FirmwareProceduresTest, TheUpgradeButtonOffersTheChoiceByWorkingMode) {
  ASSERT_TRUE(StartOnAdapterPage("working-mode-7"));
  window->MarkUnsaved(model::kUnsavedConfig);
  adapter.SetRequestLogging(true);

  // Mode 7 cannot take firmware: only the instructions.
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  WhenModalShows(u"btnUpgradeFirmware", [](toolkit::WindowImplBase& dialog) {
    EXPECT_EQ(dialog.FindControl(u"TitleLabel")->GetText(), QStringLiteral("Upgrade"));
    dialog.FindControl<toolkit::CButtonUI>(u"btnUpgradeFirmware")->Activate();
  });
  Click(u"btnUpgrade");
  ASSERT_EQ(MessageBoxAnswers::Shown().size(), 1);
  EXPECT_TRUE(MessageBoxAnswers::Shown().front().text.startsWith(QStringLiteral("1. Unplug all peripherals")));
  EXPECT_TRUE(adapter.TakeRequestLog().empty());

  // The close button does nothing.
  WhenModalShows(u"btnUpgradeFirmware", [](toolkit::WindowImplBase& dialog) {
    dialog.FindControl<toolkit::CButtonUI>(u"closebtn")->Activate();
  });
  Click(u"btnUpgrade");
  EXPECT_EQ(MessageBoxAnswers::Shown().size(), 1);
  EXPECT_TRUE(adapter.TakeRequestLog().empty());

  // The factory configuration: back on the adapter page with nothing left to save.
  MessageBoxAnswers::Reset();
  for (const int answer : {dialogs::kIdYes, dialogs::kIdOk}) MessageBoxAnswers::SetNextAnswer(answer);
  WhenModalShows(u"btnRestoreFactoryConfig", [](toolkit::WindowImplBase& dialog) {
    dialog.FindControl<toolkit::CButtonUI>(u"btnRestoreFactoryConfig")->Activate();
  });
  Click(u"btnUpgrade");
  EXPECT_EQ(ShownTitles(), (QStringList{"Restore Configuration Warning", "Restore Configuration"}));
  EXPECT_EQ(Page(), app::kPageDeviceArrival);
  EXPECT_EQ(window->unsaved_mask(), 0u);
  EXPECT_FALSE(Control(u"btnSave")->IsEnabled());
  EXPECT_EQ(OnAdapter<model::ConfigBlock>(model::kConfigBlockAddress), Bytes(state.defaults->config));
}

TEST_F(FirmwareProceduresTest, InWorkingModeThreeTheUpgradeButtonRestoresEverythingAndGoesHome) {
  ASSERT_TRUE(StartOnAdapterPage("working-mode-3"));
  for (const int answer : {dialogs::kIdYes, dialogs::kIdOk}) MessageBoxAnswers::SetNextAnswer(answer);
  adapter.SetRequestLogging(true);

  Click(u"btnUpgrade");

  EXPECT_EQ(ShownTitles(), (QStringList{"Restore Firmware and Configuration", "Restore Firmware and Configuration"}));
  EXPECT_EQ(MessageBoxAnswers::Shown().back().text, QStringLiteral("Restore successfully!"));
  EXPECT_EQ(Page(), app::kPagePlaySelect);
  std::vector<std::uint8_t> erased;
  std::size_t written = 0;
  ReadLog(erased, written);
  EXPECT_EQ(erased, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(written, 3 * model::kBlockSize + sizeof(model::ResponseBlock) + CarriedFirmware().size() + 1);
}

TEST_F(FirmwareProceduresTest, HelpShowsTheVersionsOfTheShownImage) {
  ASSERT_TRUE(StartOnAdapterPage("old-firmware"));
  window->ShowHomePage();
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
