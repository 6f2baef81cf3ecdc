// Key mapping on the editing page: capturing keys for key buttons and the configuration hot key through the
// capture dialog, the occupied-key question, right-click clearing, and a capture the adapter's unplugging ends.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include <cstring>
#include <functional>
#include <memory>
#include <string_view>

#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "emulator/VirtualAdapter.h"
#include "model/FlashImage.h"
#include "model/HostType.h"
#include "model/keys/KeyName.h"
#include "model/tables/ConfigTable.h"
#include "support/KeyImage.h"
#include "support/KeyPlacement.h"
#include "support/MainWindowFixture.h"
#include "support/SyntheticInput.h"

namespace torvane::testing {
namespace {

using dialogs::MessageBoxAnswers;

constexpr std::uint8_t kA = 4;  // the key TapA gives
constexpr std::uint8_t kSlotL1 = 0;

class KeyMappingTest : public MainWindowFixture {
 protected:
  // The editing page of the first configuration of `host`.
  void OpenEditing(const char* scenario = "working-mode-1", int host = model::kHostPS4) {
    ASSERT_TRUE(StartOnHomePage(scenario));
    slot_ = SlotOf(host, 0);
    ASSERT_GE(slot_, 0);
    window->OpenEditPage(slot_);
  }
  // Slot of the n-th configuration of `host`, or -1.
  int SlotOf(int host, int n) const {
    for (std::size_t i = 0; i < model::UsedConfigCount(state.session.image().config); ++i) {
      if (state.session.image().config.records[i].host_type() == host && n-- == 0) return static_cast<int>(i);
    }
    return -1;
  }
  model::ConfigRecord& Record(int slot) { return state.session.image().config.records[static_cast<std::size_t>(slot)]; }
  model::ConfigRecord& Record() { return Record(slot_); }
  // Clicks `button` and answers the capture dialog with `input`; returns once the dialog and any question after
  // it have ended.
  void Capture(const char16_t* button, std::function<void(toolkit::WindowImplBase&)> input) {
    WhenModalShows(u"txtPrompt", std::move(input));
    QTest::mouseClick(Control(button), Qt::LeftButton);
  }
  std::uint8_t& L1() { return Record().mapping[static_cast<std::size_t>(window->keys().mapping_group())][kSlotL1]; }
  void ExpectShows(const char16_t* button, std::uint8_t code) {
    EXPECT_EQ(Control(button)->GetText(), QString::fromUtf8(model::KeyName(code)));
  }

  int slot_ = -1;
};

TEST_F(KeyMappingTest, CapturedInputLandsOnTheButtonAndInTheRecord) {
  OpenEditing("working-mode-7");
  struct Case {
    const char* what;
    std::function<void(toolkit::WindowImplBase&)> input;
    std::uint8_t code;
    const char* image;
  };
  const Case cases[] = {
      {"a letter", TapA, kA, "keymap_keyboard.png"},
      {"a modifier alone", [](auto& d) { TapKey(d, Qt::Key_Shift, kKeyLeftShift); }, 166, "keymap_keyboard.png"},
      {"a side button", [](auto& d) { ClickMouseButton(d, Qt::BackButton); }, 176, "keymap_mouse.png"},
      {"the wheel turned down", [](auto& d) { TurnWheel(d, QPoint(0, -120)); }, 190, "keymap_mouse.png"},
      {"a key on the adapter", [this](auto&) { adapter.PressKey(200); }, 200, "keymap_joystick.png"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RemoveKeyEverywhere(state.session.image(), c.code);
    L1() = 0;
    MessageBoxAnswers::SetNextAnswer(dialogs::kIdNo);  // a question would keep the old key and fail below
    Capture(u"btnPlayKey_L1", c.input);
    EXPECT_EQ(L1(), c.code);
    ExpectShows(u"btnPlayKey_L1", c.code);
    EXPECT_TRUE(ShowsKeyImage(*Control(u"btnPlayKey_L1"), c.image));
    EXPECT_TRUE(MessageBoxAnswers::Shown().isEmpty());
    MessageBoxAnswers::Reset();
  }
  EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
  EXPECT_EQ(window->unsaved_mask(), 0u) << "edits are compared when the page is left";
  // The button says at once that the record differs from what the adapter holds.
  EXPECT_EQ(Control(u"btnSave")->GetText(), QStringLiteral("Save *"));
  EXPECT_TRUE(Control(u"btnSave")->IsEnabled());
}

TEST_F(KeyMappingTest, KeyButtonsAreAnnouncedByTheConsoleButtonAndTheKey) {
  OpenEditing();
  RemoveKeyEverywhere(state.session.image(), kA);
  window->OpenEditPage(slot_);
  const auto group = static_cast<std::size_t>(window->keys().mapping_group());
  struct Case {
    const char16_t* button;
    const char* announced;  // before the key
    std::uint8_t key;
  };
  const Case cases[] = {
      {u"btnPlayKey_X_Square", "X/Square", Record().mapping[group][16]},
      {u"btnPlayKey_Y_Triange", "Y/Triange", Record().mapping[group][14]},
      {u"btnPlayKey_Start_Options_Menu", "Options/Sta/Menu", Record().mapping[group][10]},
      {u"btnPlayKey_L1", "L1", L1()},
      {u"btnHotMapKey", "Hot Key", Record().hotkey},  // by the label before it
  };
  const auto announced = [this](const char16_t* button) {
    return QAccessible::queryAccessibleInterface(Control(button))->text(QAccessible::Name);
  };
  for (const Case& c : cases) {
    EXPECT_EQ(announced(c.button),
              QString::fromUtf8(c.announced) + QStringLiteral(": ") + QString::fromUtf8(model::KeyName(c.key)))
        << QString::fromUtf16(c.button).toStdString();
  }
  // The name follows the key, from a capture and from a right click, in either mapping group.
  Capture(u"btnPlayKey_L1", TapA);
  EXPECT_EQ(announced(u"btnPlayKey_L1"), QStringLiteral("L1: ") + QString::fromUtf8(model::KeyName(kA)));
  QTest::mouseClick(Control(u"btnPlayKey_X_Square"), Qt::RightButton);
  EXPECT_EQ(announced(u"btnPlayKey_X_Square"), QStringLiteral("X/Square: < None >"));
  QTest::mouseClick(Control(u"btnMappingGroupSwith"), Qt::LeftButton);
  EXPECT_EQ(announced(u"btnPlayKey_L1"),
            QStringLiteral("L1: ") + QString::fromUtf8(model::KeyName(Record().mapping[1 - group][kSlotL1])));
}

TEST_F(KeyMappingTest, TakenKeysAskAndOnlyNoKeepsTheOldKey) {
  OpenEditing();
  const int other = SlotOf(model::kHostPS4, 1);
  ASSERT_GE(other, 0);
  const std::size_t macro = 0;
  ASSERT_EQ(std::strcmp(state.session.image().macro.records[macro].owner_name.data(), Record().name.data()), 0);
  struct Case {
    const char* what;
    const char16_t* button;  // a key button (L1) or the configuration hot key
    std::function<void(model::FlashImage&)> plant;
  };
  auto& config = state.session.image().config;
  const Case cases[] = {
      {"a reserved global hot key", u"btnPlayKey_L1", [&](auto&) { config.global_hotkeys[2] = kA; }},
      {"another configuration's hot key", u"btnPlayKey_L1", [&](auto&) { Record(other).hotkey = kA; }},
      {"another slot of the record", u"btnPlayKey_L1", [&](auto&) { Record().mapping[0][15] = kA; }},
      {"a key field of the record", u"btnPlayKey_L1", [&](auto&) { Record().touchpad_key = kA; }},
      {"a hot key of its macro", u"btnPlayKey_L1", [&](auto& image) { image.macro.records[macro].macro_hotkey = kA; }},
      {"hot key: a reserved global hot key", u"btnHotMapKey", [&](auto&) { config.global_hotkeys[0] = kA; }},
      {"hot key: a key another configuration maps", u"btnHotMapKey", [&](auto&) { Record(other).mapping[1][20] = kA; }},
  };
  const auto fresh = std::make_unique<model::FlashImage>(state.session.image());
  RemoveKeyEverywhere(*fresh, kA);
  for (const Case& c : cases) {
    for (const int answer : {dialogs::kIdYes, dialogs::kIdNo}) {
      SCOPED_TRACE(::testing::Message() << c.what << (answer == dialogs::kIdYes ? ", Yes" : ", No"));
      state.session.image() = *fresh;
      c.plant(state.session.image());
      window->OpenEditPage(slot_);
      const bool hotkey = std::u16string_view(c.button) == u"btnHotMapKey";
      std::uint8_t& target = hotkey ? Record().hotkey : L1();
      const std::uint8_t before = target;
      MessageBoxAnswers::Reset();
      MessageBoxAnswers::SetNextAnswer(answer);
      Capture(c.button, TapA);
      ASSERT_EQ(MessageBoxAnswers::Shown().size(), 1);
      EXPECT_EQ(MessageBoxAnswers::Shown().front().title, QStringLiteral("Warning"));
      EXPECT_EQ(MessageBoxAnswers::Shown().front().text,
                QStringLiteral("This key has been occupied!\r\nAre you sure?"));
      EXPECT_EQ(target, answer == dialogs::kIdYes ? kA : before);
      if (answer == dialogs::kIdYes) ExpectShows(c.button, kA);
    }
  }
}

TEST_F(KeyMappingTest, TheKeyAlreadyThereAndRightClicksAskNothing) {
  OpenEditing();
  auto& config = state.session.image().config;
  RemoveKeyEverywhere(state.session.image(), kA);
  config.global_hotkeys[0] = kA;  // any check would find this
  L1() = kA;
  const auto before = std::make_unique<model::ConfigBlock>(config);
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdNo);
  Capture(u"btnPlayKey_L1", TapA);
  EXPECT_TRUE(MessageBoxAnswers::Shown().isEmpty());
  EXPECT_EQ(std::memcmp(before.get(), &config, sizeof config), 0);

  ASSERT_NE(Record().hotkey, 0);
  QTest::mouseClick(Control(u"btnPlayKey_L1"), Qt::RightButton);
  QTest::mouseClick(Control(u"btnHotMapKey"), Qt::RightButton);
  EXPECT_EQ(L1(), 0);
  EXPECT_EQ(Record().hotkey, 0);
  ExpectShows(u"btnPlayKey_L1", 0);
  ExpectShows(u"btnHotMapKey", 0);
  EXPECT_EQ(Control(u"btnHotMapKey")->GetText(), QStringLiteral("< None >"));
  EXPECT_TRUE(ShowsKeyImage(*Control(u"btnHotMapKey"), "keymap_none.png"));
  EXPECT_TRUE(MessageBoxAnswers::Shown().isEmpty());
}

TEST_F(KeyMappingTest, TheSwitchsCaptureButtonIsSlot13) {
  OpenEditing("working-mode-1", model::kHostSwitch);
  ASSERT_GT(Record().used_buttons(), 13u);
  RemoveKeyEverywhere(state.session.image(), kA);
  Capture(u"btnPlayKey_Capture", [this](toolkit::WindowImplBase& dialog) {
    SaveRendering(QStringLiteral("key_capture_over_edit_page.png"), &dialog);
    TapA(dialog);
  });
  EXPECT_EQ(Record().mapping[static_cast<std::size_t>(window->keys().mapping_group())][13], kA);
  ExpectShows(u"btnPlayKey_Capture", kA);
}

TEST_F(KeyMappingTest, UnpluggingWhileTheDialogWaitsChangesNothingAndReleasesTheInput) {
  OpenEditing("working-mode-7");
  L1() = kA;  // a failed capture must not store its empty key
  const auto before = std::make_unique<model::ConfigBlock>(state.session.image().config);
  bool grabbed = false;
  Capture(u"btnPlayKey_L1", [&](toolkit::WindowImplBase& dialog) {
    grabbed = QWidget::keyboardGrabber() == &dialog;
    adapter.Unplug();
  });
  EXPECT_TRUE(grabbed);
  EXPECT_EQ(QWidget::keyboardGrabber(), nullptr);
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  EXPECT_EQ(std::memcmp(before.get(), &state.session.image().config, sizeof(model::ConfigBlock)), 0);
  EXPECT_TRUE(MessageBoxAnswers::Shown().isEmpty());
}

}  // namespace
}  // namespace torvane::testing
