// The main window's pages as the adapter comes, goes, is read and fails.
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>

#include "app/MainPage.h"
#include "device/DeviceMessages.h"
#include "device/ProtocolCodes.h"
#include "device/ReadResult.h"
#include "device/ResultTarget.h"
#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "emulator/Scenarios.h"
#include "model/FlashImage.h"
#include "support/MainWindowFixture.h"
#include "toolkit/WindowMessage.h"

namespace torvane::testing {
namespace {

using app::kPageDeviceArrival;
using app::kPageDeviceRemove;
using dialogs::MessageBoxAnswers;

class MainWindowDeviceTest : public MainWindowFixture {
 protected:
  // Delivers a result as the worker would, with a read of the adapter tagged `adapter_tag` whose configuration
  // block names console `host`.
  void PostResult(int message, std::uintptr_t wparam, std::uint64_t adapter_tag, std::uint8_t host = 0) {
    auto read = std::make_shared<device::ReadResult>();
    read->adapter = adapter_tag;
    read->run_status.bytes = {3, 0, 0, 0};
    read->image = model::MakeFlashImage();
    read->image->config.host = host;
    toolkit::PostMessage(window->Ref(), static_cast<unsigned>(message), wparam, 0,
                         std::any(device::ResultPayload(std::move(read))));
    QCoreApplication::sendPostedEvents();
  }
};

TEST_F(MainWindowDeviceTest, StartsWithoutAdapterOnTheConnectPageAndStaysThere) {
  StartWindow(false);
  EXPECT_EQ(Page(), kPageDeviceRemove);
  EXPECT_FALSE(IsShown(u"layToolBars"));
  EXPECT_FALSE(IsShown(u"btnTitle"));
  EXPECT_EQ(window->MappingGroupName(0), QStringLiteral("Primary Mapping"));
  EXPECT_EQ(window->MappingGroupName(1), QStringLiteral("Secondary Mapping"));
  // The default regions are built at start-up, ready for a restore.
  EXPECT_TRUE(model::IsValid(state.session.defaults().config));
  EXPECT_TRUE(model::IsValid(state.session.defaults().macro));
  EXPECT_TRUE(model::IsValid(state.session.defaults().response));

  EXPECT_FALSE(WaitUntil([this] { return Page() != kPageDeviceRemove; }, 1500));
  EXPECT_EQ(adapter.TotalRequests(), 0u);
  EXPECT_EQ(MessageBoxAnswers::Shown().size(), 0);
}

TEST_F(MainWindowDeviceTest, AdapterPresentAtStartIsReadAfterTheSettleSecond) {
  StartWindow(true);
  EXPECT_TRUE(window->IsSettling());
  // Nothing is read within the settle second.
  EXPECT_FALSE(WaitUntil([this] { return adapter.TotalRequests() > 0; }, 700));
  ASSERT_TRUE(WaitUntil([this] { return Page() == kPageDeviceArrival; }));
  EXPECT_FALSE(window->IsSettling());
  EXPECT_EQ(state.context.device_path(), "virtual/VID_0E3A&PID_B372");
  EXPECT_TRUE(model::IsValid(state.session.image().config));
}

TEST_F(MainWindowDeviceTest, PluggedInLaterLandsOnTheAdapterPage) {
  StartWindow(false);
  adapter.Plug();
  ASSERT_TRUE(WaitUntil([this] { return window->IsSettling(); }));
  ASSERT_TRUE(WaitUntil([this] { return Page() == kPageDeviceArrival; }));
  EXPECT_EQ(MessageBoxAnswers::Shown().size(), 0);
}

TEST_F(MainWindowDeviceTest, UnpluggedWithinTheSettleSecondIsNeverRead) {
  StartWindow(false);
  adapter.Plug();
  ASSERT_TRUE(WaitUntil([this] { return window->IsSettling(); }));
  adapter.Unplug();
  ASSERT_TRUE(WaitUntil([this] { return !window->IsSettling(); }));
  EXPECT_FALSE(WaitUntil([this] { return adapter.TotalRequests() > 0 || Page() != kPageDeviceRemove; }, 1500));
}

TEST_F(MainWindowDeviceTest, UnplugOnTheAdapterPageReturnsToTheConnectPageAndResetsSave) {
  ASSERT_TRUE(StartOnHomePage());
  window->MarkUnsaved(model::kUnsavedConfig | model::kUnsavedResponse);
  ASSERT_EQ(Control(u"btnSave")->GetText(), QStringLiteral("Save *"));
  ASSERT_TRUE(Control(u"btnSave")->IsEnabled());

  adapter.Unplug();
  ASSERT_TRUE(WaitUntil([this] { return Page() == kPageDeviceRemove; }));
  EXPECT_EQ(window->unsaved_mask(), 0u);
  toolkit::CControlUI* save = Control(u"btnSave");
  EXPECT_EQ(save->GetText(), QStringLiteral("Save"));
  EXPECT_EQ(save->GetTextColor(), 0xFF000000u);
  EXPECT_FALSE(save->IsEnabled());
  EXPECT_FALSE(IsShown(u"layToolBars"));
  EXPECT_FALSE(IsShown(u"btnTitle"));
  EXPECT_EQ(Control(u"layWndBackground")->GetBkImage(), QStringLiteral("main_wnd_init_background.png"));
  EXPECT_TRUE(state.context.device_path().empty());

  // Plugged in again, it is read afresh.
  adapter.Plug();
  EXPECT_TRUE(WaitUntil([this] { return Page() == kPageDeviceArrival; }));
}

TEST_F(MainWindowDeviceTest, UnplugDuringTheReadShowsTheConnectPageAndTheFailure) {
  // The adapter goes away at the 100th flash read, in the middle of the boot block.
  adapter.ArmFault(emulator::Fault(emulator::FaultKind::kUnplug, device::kCmdReadFlash, 100));
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  StartWindow(true);
  ASSERT_TRUE(WaitUntil([] { return MessageBoxAnswers::Shown().size() == 1; }));
  EXPECT_EQ(Page(), kPageDeviceRemove);
  EXPECT_EQ(MessageBoxAnswers::Shown().front().title, QStringLiteral("USB Error"));
  // The read's late result never brings the adapter page back.
  EXPECT_FALSE(WaitUntil([this] { return Page() != kPageDeviceRemove; }, 300));
}

TEST_F(MainWindowDeviceTest, FailedReadShowsUsbErrorWithTheWorkersTextAndKeepsThePage) {
  adapter.ArmFault(emulator::Fault(emulator::FaultKind::kWrongReportId, device::kCmdReadFlash, 3));
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  StartWindow(true);
  ASSERT_TRUE(WaitUntil([] { return MessageBoxAnswers::Shown().size() == 1; }));
  const dialogs::ShownMessageBox box = MessageBoxAnswers::Shown().front();
  EXPECT_EQ(box.title, QStringLiteral("USB Error"));
  EXPECT_EQ(box.style, dialogs::kMbOk);
  const std::string last_error = state.context.last_error();
  ASSERT_FALSE(last_error.empty());
  EXPECT_EQ(box.text, QStringLiteral("Please ensure your Torvane is firmly connected to PC.\n\n") +
                          QString::fromStdString(last_error));
  EXPECT_TRUE(box.text.contains(QStringLiteral("ReadFlash"))) << box.text.toStdString();
  EXPECT_EQ(Page(), kPageDeviceRemove);
}

TEST_F(MainWindowDeviceTest, OldGenerationAdaptersGetTheirIncompatiblePages) {
  StartWindow(true, "old-generation-upgradable");
  ASSERT_TRUE(WaitUntil([this] { return Page() == app::kPageIncompatibleUpgrade; }));
  adapter.Unplug();
  ASSERT_TRUE(WaitUntil([this] { return Page() == kPageDeviceRemove; }));

  ASSERT_TRUE(emulator::LoadScenario(adapter, "old-generation"));
  adapter.Plug();
  ASSERT_TRUE(WaitUntil([this] { return Page() == app::kPageIncompatible; }));
  EXPECT_EQ(MessageBoxAnswers::Shown().size(), 0);
}

TEST_F(MainWindowDeviceTest, IncompatibleWithAnotherValueChangesNothing) {
  ASSERT_TRUE(StartOnAdapterPage());
  for (const std::uintptr_t value : {std::uintptr_t{0}, std::uintptr_t{3}, std::uintptr_t{255}}) {
    PostResult(device::MSG_INCOMPATIBLE, value, window->presence().adapter_tag());
    EXPECT_EQ(Page(), kPageDeviceArrival) << value;
  }
}

TEST_F(MainWindowDeviceTest, ResultsForAnAdapterThatHasGoneAreIgnored) {
  StartWindow(false);
  toolkit::PostMessage(window->Ref(), device::MSG_READ_DONE);
  toolkit::PostMessage(window->Ref(), device::MSG_INCOMPATIBLE, 2);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(Page(), kPageDeviceRemove);
}

TEST_F(MainWindowDeviceTest, OnlyAReadOfThePresentAdapterReplacesTheShownImage) {
  ASSERT_TRUE(StartOnAdapterPage());
  const std::uint64_t tag = window->presence().adapter_tag();
  const model::FlashImage* shown = &state.session.image();
  PostResult(device::MSG_READ_DONE, 0, tag - 1, 77);  // late, from an earlier plug-in
  PostResult(device::MSG_INCOMPATIBLE, 2, tag - 1);
  EXPECT_NE(state.session.image().config.host, 77);
  EXPECT_EQ(Page(), kPageDeviceArrival);

  PostResult(device::MSG_READ_DONE, 0, tag, 78);
  EXPECT_EQ(state.session.image().config.host, 78);
  EXPECT_EQ(state.session.run_status().working_mode(), 3);
  EXPECT_EQ(&state.session.image(), shown) << "the shown image keeps its place";

  adapter.Unplug();
  ASSERT_TRUE(WaitUntil([this] { return Page() == kPageDeviceRemove; }));
  PostResult(device::MSG_READ_DONE, 0, tag, 79);  // finished after its adapter went away
  EXPECT_EQ(state.session.image().config.host, 78);
  EXPECT_EQ(Page(), kPageDeviceRemove);
}

TEST_F(MainWindowDeviceTest, AWorkerThatCannotStartIsReported) {
  start_worker = [](device::DeviceWorker&) { return EAGAIN; };
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  StartWindow(true);
  ASSERT_EQ(MessageBoxAnswers::Shown().size(), 1);
  const dialogs::ShownMessageBox box = MessageBoxAnswers::Shown().front();
  EXPECT_EQ(box.title, QStringLiteral("USB Error"));
  EXPECT_TRUE(box.text.contains(QStringLiteral("error 11"))) << box.text.toStdString();
  EXPECT_EQ(Page(), kPageDeviceRemove);
}

}  // namespace
}  // namespace torvane::testing
