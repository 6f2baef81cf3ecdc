// The home page: the configuration list of each console, its actions, and the save with what it leaves behind
// when the write fails or the adapter goes away.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <functional>

#include <algorithm>
#include <cstring>
#include <set>

#include "app/MainPage.h"
#include "device/ProtocolCodes.h"
#include "dialogs/CListCtrlUI.h"
#include "dialogs/CPlaySelectDlg.h"
#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "emulator/AdapterFault.h"
#include "model/FlashImage.h"
#include "model/HostType.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/NameText.h"
#include "support/ByteVector.h"
#include "support/MainWindowFixture.h"
#include "toolkit/CEditUI.h"
#include "toolkit/dialogs/DialogTestSupport.h"

namespace torvane::testing {
namespace {

using dialogs::MessageBoxAnswers;

class HomePageTest : public MainWindowFixture {
 protected:
  void OpenHome() { ASSERT_TRUE(StartOnHomePage()); }
  dialogs::CListCtrlUI* List() const { return window->FindControl<dialogs::CListCtrlUI>(u"listctrl"); }
  QStringList Names() const {
    QStringList names;
    for (int i = 0; i < List()->GetCount(); ++i) names << Part(i, "filename")->GetText();
    return names;
  }
  toolkit::CControlUI* Part(int item, const char* name) const {
    return List()->GetItemAt(item)->findChild<toolkit::CControlUI*>(QString::fromLatin1(name));
  }
  void Click(const char16_t* name) { QTest::mouseClick(Control(name), Qt::LeftButton); }
  void Select(int item) { ASSERT_TRUE(List()->SelectItem(item)); }
  model::ConfigBlock& Block() { return state.session.image().config; }
  QString SaveText() const { return Control(u"btnSave")->GetText(); }
  // The names of the console's records, in stored order.
  QStringList RecordNames(int host) {
    QStringList names;
    for (std::size_t i = 0; i < model::UsedConfigCount(Block()); ++i) {
      if (Block().records[i].host_type() == host) {
        names << QString::fromLatin1(model::ReadName(Block().records[i].name));
      }
    }
    return names;
  }
  std::vector<std::uint8_t> AdapterBytes(std::uint32_t address, std::size_t size) const {
    return adapter.ReadFlash(address, size);
  }
};

TEST_F(HomePageTest, ListsEachConsolesConfigurationsAndTheSwitchCyclesThemAll) {
  OpenHome();
  const int start = Block().host;
  const bool save_enabled = Control(u"btnSave")->IsEnabled();
  const char* chips[] = {"host_ps4.png", "host_xboxone.png", "host_ps3.png", "host_xbox360.png", "host_switch.png"};
  for (int step = 0; step < model::kHostCount; ++step) {
    const int host = Block().host;
    SCOPED_TRACE(host);
    EXPECT_EQ(Names(), RecordNames(host));
    EXPECT_FALSE(Names().isEmpty());
    EXPECT_EQ(Control(u"ctlHostType")->GetBkImage(), QString::fromLatin1(chips[host]));
    EXPECT_EQ(IsShown(u"btnPlayKey_Touchpad_Setting"), host == model::kHostPS4);
    EXPECT_EQ(IsShown(u"btnPlayKey_Capture"), host == model::kHostSwitch);
    for (int i = 0; i < List()->GetCount(); ++i) {
      const model::ConfigRecord* record =
          model::FindConfig(Block(), Part(i, "filename")->GetText().toStdString(), host);
      ASSERT_NE(record, nullptr);
      EXPECT_EQ(Part(i, "startup")->GetText(), record->is_startup() ? QStringLiteral("Startup") : QString());
      EXPECT_EQ(Part(i, "color")->IsVisible(), record->color.get() != 0);
    }
    Click(u"btnHostSwith");
  }
  EXPECT_EQ(Block().host, start);
  EXPECT_EQ(Control(u"btnSave")->IsEnabled(), save_enabled);
  EXPECT_EQ(window->unsaved_mask(), 0u);
}

TEST_F(HomePageTest, NewAddsTheChosenGameUntilSixteen) {
  OpenHome();
  const int before = List()->GetCount();
  const std::uint8_t count = Block().count;
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);  // the game notes, if the game has any
  WhenModal([](toolkit::WindowImplBase& modal) {
    auto& dialog = dynamic_cast<dialogs::CPlaySelectDlg&>(modal);
    dialog.GetList()->SelectItem(0);
    dialog.FindControl<toolkit::CEditUI>(u"editNewPlayName")->SetText(QStringLiteral("Fresh"));
    ClickShown(dialog, QStringLiteral("btnOk"));
    if (dialog.isVisible()) dialog.Close(dialogs::kIdCancel);  // refused: the test fails below, never hangs
  });
  Click(u"btnNew");
  EXPECT_EQ(Block().count, count + 1);
  EXPECT_EQ(List()->GetCount(), before + 1);
  EXPECT_EQ(Names().back(), QStringLiteral("Fresh"));
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedConfig | model::kUnsavedResponse);
  EXPECT_EQ(SaveText(), QStringLiteral("Save *"));

  Block().count = model::kMaxConfigs;
  MessageBoxAnswers::Reset();
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  Click(u"btnNew");  // warns, no dialog
  ASSERT_EQ(MessageBoxAnswers::Shown().size(), 1);
  EXPECT_EQ(MessageBoxAnswers::Shown().front().text, QStringLiteral("\nConfigurations can not exceed 16."));
}

TEST_F(HomePageTest, CopyNamesTheCopyAfterItsSourceWithItsOwnHotkeyAndColour) {
  OpenHome();
  const int host = Block().host;
  const QString source_name = Names().front();
  for (const int n : {1, 2}) {
    Select(0);
    Click(u"btnCopy");
    const QString name = QStringLiteral("copy(%1)%2").arg(n).arg(source_name);
    ASSERT_EQ(Names().back(), name);
    const model::ConfigRecord* copy = model::FindConfig(Block(), name.toStdString(), host);
    const model::ConfigRecord* original = model::FindConfig(Block(), source_name.toStdString(), host);
    ASSERT_NE(copy, nullptr);
    EXPECT_FALSE(copy->is_startup());
    EXPECT_NE(copy->hotkey, original->hotkey);
    EXPECT_NE(copy->color.get(), original->color.get());
  }
  EXPECT_EQ(Names(), RecordNames(host));
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedConfig | model::kUnsavedResponse);
  EXPECT_TRUE(MessageBoxAnswers::Shown().isEmpty());
}

TEST_F(HomePageTest, DeleteAsksAndRemovesTheConfigurationWithItsMacros) {
  OpenHome();
  const QStringList names = Names();
  Select(0);
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdNo);
  Click(u"btnDelete");
  EXPECT_EQ(Names(), names);
  EXPECT_EQ(window->unsaved_mask(), 0u);

  const std::uint8_t macros = state.session.image().macro.count;
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdYes);
  Click(u"btnDelete");
  EXPECT_EQ(MessageBoxAnswers::Shown().back().text,
            QStringLiteral("This configuration will be deleted from Manager.\n Are your sure?"));
  EXPECT_EQ(Names(), names.mid(1));
  EXPECT_EQ(Names(), RecordNames(Block().host));
  const bool macros_went = state.session.image().macro.count < macros;
  EXPECT_EQ(window->unsaved_mask(), macros_went ? model::kUnsavedAll : 5u);

  // Nothing selected: nothing asked.
  const auto shown = MessageBoxAnswers::Shown().size();
  Click(u"btnDelete");
  EXPECT_EQ(MessageBoxAnswers::Shown().size(), shown);
}

TEST_F(HomePageTest, StartUpMovesTheMarkOnlyWhenItChanges) {
  OpenHome();
  const int host = Block().host;
  ASSERT_GE(List()->GetCount(), 2);
  const int other = Part(0, "startup")->GetText().isEmpty() ? 0 : 1;
  const QString name = Names().at(other);
  Select(other);
  Click(u"btnStartUp");
  EXPECT_EQ(model::StartupIndex(Block(), host), model::FindConfigIndex(Block(), name.toStdString(), host));
  EXPECT_EQ(Part(other, "startup")->GetText(), QStringLiteral("Startup"));
  EXPECT_EQ(Part(1 - other, "startup")->GetText(), QString());
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedConfig);

  window->MarkUnsaved(0);
  Select(other);
  Click(u"btnStartUp");
  EXPECT_EQ(window->unsaved_mask(), 0u);
  EXPECT_FALSE(Control(u"btnSave")->IsEnabled());
}

TEST_F(HomePageTest, EditAndActivationOpenTheEditingPage) {
  OpenHome();
  Click(u"btnEdit");  // nothing selected
  EXPECT_EQ(Page(), app::kPagePlaySelect);
  List()->ActivateItem(0);
  EXPECT_EQ(Page(), app::kPagePlayEdit);
  EXPECT_EQ(Control(u"btnTitle")->GetText(), QStringLiteral("Edit Configuration"));
  EXPECT_TRUE(IsShown(u"btnHome"));
}

// What the save wrote is the core's to decide (tests/core); here: it reaches the adapter, and the page follows.
TEST_F(HomePageTest, ASaveReachesTheAdapterAndThePageShowsItsOutcome) {
  OpenHome();
  for (std::size_t i = 0; i < Block().count; ++i) Block().records[i].set_startup(false);
  const auto macro = AdapterBytes(model::kMacroBlockAddress, sizeof(model::MacroBlock));
  ++state.session.image().macro.records[0].macro_hotkey;  // not marked: stays off the adapter
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdYes);
  Select(1);
  Click(u"btnDelete");
  window->MarkUnsaved(model::kUnsavedResponse);
  MessageBoxAnswers::Reset();
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  Click(u"btnSave");

  ASSERT_EQ(MessageBoxAnswers::Shown().size(), 1);
  EXPECT_EQ(MessageBoxAnswers::Shown().front().title, QStringLiteral("Save Configuration"));
  EXPECT_EQ(MessageBoxAnswers::Shown().front().text, QStringLiteral("\nSave successfully!"));
  // The console's only configuration became the start-up one, and the list shows it.
  EXPECT_EQ(Part(0, "startup")->GetText(), QStringLiteral("Startup"));
  EXPECT_EQ(window->unsaved_mask(), 0u);
  EXPECT_EQ(SaveText(), QStringLiteral("Save"));
  EXPECT_FALSE(Control(u"btnSave")->IsEnabled());
  EXPECT_EQ(AdapterBytes(model::kConfigBlockAddress, sizeof(model::ConfigBlock)), ByteVector(Block()));
  EXPECT_EQ(AdapterBytes(model::kResponseBlockAddress, sizeof(model::ResponseBlock)),
            ByteVector(state.session.image().response));
  EXPECT_EQ(AdapterBytes(model::kMacroBlockAddress, sizeof(model::MacroBlock)), macro);
}

TEST_F(HomePageTest, AFailedSaveKeepsTheEditsAndTheMarker) {
  OpenHome();
  ++Block().records[0].hotkey;
  const auto edited = ByteVector(Block());
  window->MarkUnsaved(model::kUnsavedConfig);
  adapter.ArmFault(emulator::Fault(emulator::FaultKind::kWrongAnswerCode, device::kCmdWriteFlash));
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  Click(u"btnSave");
  ASSERT_TRUE(WaitUntil([] { return !MessageBoxAnswers::Shown().isEmpty(); }));
  EXPECT_EQ(MessageBoxAnswers::Shown().front().title, QStringLiteral("USB Error"));
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedConfig);
  EXPECT_EQ(SaveText(), QStringLiteral("Save *"));
  EXPECT_TRUE(Control(u"btnSave")->IsEnabled());
  EXPECT_TRUE(Control(u"btnNew")->IsEnabled());
  EXPECT_EQ(ByteVector(Block()), edited);
}

TEST_F(HomePageTest, ASaveNeverStartsTwice) {
  OpenHome();
  window->MarkUnsaved(model::kUnsavedConfig);
  adapter.SetEraseTime(std::chrono::milliseconds(300));
  bool checked = false;
  WhenModal([&](toolkit::WindowImplBase&) {
    EXPECT_TRUE(window->IsWriting());
    EXPECT_FALSE(Control(u"btnSave")->IsEnabled());
    EXPECT_FALSE(Control(u"btnNew")->IsEnabled());
    EXPECT_FALSE(window->home().Save());
    checked = true;
  });
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  Click(u"btnSave");
  EXPECT_TRUE(checked);
  EXPECT_EQ(adapter.RequestCount(device::kCmdEraseFlash), 1u);
  EXPECT_EQ(MessageBoxAnswers::Shown().size(), 1);
  EXPECT_TRUE(Control(u"btnNew")->IsEnabled());
}

TEST_F(HomePageTest, EveryControlIsNamedAndWorksFromTheKeyboard) {
  OpenHome();
  for (const char16_t* name : {u"btnHostSwith", u"btnNew", u"btnCopy", u"btnEdit", u"btnStartUp", u"btnImportConfig",
                               u"btnExportConfig", u"btnDelete"}) {
    toolkit::CControlUI* control = Control(name);
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(control->focusPolicy() & Qt::TabFocus) << QString::fromUtf16(name).toStdString();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    ASSERT_NE(accessible, nullptr);
    EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty());
  }
  EXPECT_FALSE(QAccessible::queryAccessibleInterface(List()->GetItemAt(0))->text(QAccessible::Name).isEmpty());
  const int host = Block().host;
  Control(u"btnHostSwith")->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Control(u"btnHostSwith"), Qt::Key_Space);
  EXPECT_EQ(Block().host, (host + 1) % model::kHostCount);
}

class HomePageReplugTest : public HomePageTest, public ::testing::WithParamInterface<bool> {};

// The adapter goes away in the middle of a save. Read again, the same adapter gets the edits back and the same
// save writes them; another adapter drops them.
TEST_P(HomePageReplugTest, EditsSurviveAnUnplugDuringSaveOnlyForTheSameAdapter) {
  const bool same_adapter = GetParam();
  OpenHome();
  ++Block().records[0].hotkey;
  ++state.session.image().response.records[0].data[0];
  const auto config = ByteVector(Block());
  const auto response = ByteVector(state.session.image().response);
  window->MarkUnsaved(model::kUnsavedConfig | model::kUnsavedResponse);
  adapter.ArmFault(emulator::Fault(emulator::FaultKind::kUnplug, device::kCmdWriteFlash));
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);  // "USB Error"
  Click(u"btnSave");
  ASSERT_TRUE(WaitUntil([this] { return Page() == app::kPageDeviceRemove; }));
  EXPECT_EQ(window->unsaved_mask(), 0u);

  if (!same_adapter) {
    const std::uint8_t other_serial[] = {'O', 'T', 'H', 'E', 'R'};
    ASSERT_TRUE(adapter.LoadFlash(model::kInfoBlockAddress + 1, other_serial));
  }
  adapter.Plug();
  ASSERT_TRUE(WaitUntil([this] { return Page() == app::kPageDeviceArrival; }));
  if (!same_adapter) {
    EXPECT_EQ(window->unsaved_mask(), 0u);
    EXPECT_NE(ByteVector(Block()), config);
    return;
  }
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedConfig | model::kUnsavedResponse);
  EXPECT_EQ(SaveText(), QStringLiteral("Save *"));
  EXPECT_EQ(ByteVector(Block()), config);
  EXPECT_EQ(ByteVector(state.session.image().response), response);

  Click(u"btnDeviceArrival");
  MessageBoxAnswers::Reset();
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  Click(u"btnSave");
  EXPECT_EQ(MessageBoxAnswers::Shown().back().text, QStringLiteral("\nSave successfully!"));
  EXPECT_EQ(AdapterBytes(model::kConfigBlockAddress, sizeof(model::ConfigBlock)), config);
  EXPECT_EQ(AdapterBytes(model::kResponseBlockAddress, sizeof(model::ResponseBlock)), response);
}

INSTANTIATE_TEST_SUITE_P(SameOrOther, HomePageReplugTest, ::testing::Bool());

// A wobbly plug goes out again within the settle second, before the adapter is read: the edits are set aside a
// second time, and still come back over the read that follows.
TEST_F(HomePageTest, EditsSurviveAPlugThatGoesOutAgainBeforeTheRead) {
  OpenHome();
  ++Block().records[0].hotkey;
  const auto config = ByteVector(Block());
  window->MarkUnsaved(model::kUnsavedConfig);
  adapter.Unplug();
  ASSERT_TRUE(WaitUntil([this] { return Page() == app::kPageDeviceRemove; }));
  adapter.Plug();
  ASSERT_TRUE(WaitUntil([this] { return window->IsSettling(); }));
  adapter.Unplug();
  ASSERT_TRUE(WaitUntil([this] { return window->presence().state() == device::PresenceState::kAbsent; }));
  QCoreApplication::sendPostedEvents();  // the removal it posted

  adapter.Plug();
  ASSERT_TRUE(WaitUntil([this] { return Page() == app::kPageDeviceArrival; }, 10000));
  EXPECT_EQ(ByteVector(Block()), config);
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedConfig);
  EXPECT_EQ(SaveText(), QStringLiteral("Save *"));
}

TEST_F(HomePageTest, RendersTheHomePageOfEachConsole) {
  OpenHome();
  for (int step = 0; step < model::kHostCount; ++step) {
    SaveRendering(QStringLiteral("home_host%1.png").arg(static_cast<int>(Block().host)));
    Click(u"btnHostSwith");
  }
  Select(0);
  window->MarkUnsaved(model::kUnsavedConfig);
  SaveRendering(QStringLiteral("home_selected_unsaved.png"));
}

}  // namespace
}  // namespace torvane::testing
