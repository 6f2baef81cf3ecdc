// The global settings dialog over the home page: which keys ask the occupied question, what closing and
// confirming leave behind, clearing, and a hot key count the adapter may report beyond the list.
#include <gtest/gtest.h>

#include <QTest>

#include <cstring>
#include <functional>
#include <memory>

#include "app/MainPage.h"
#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "editor/CGlobalSettingsDlg.h"
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

constexpr std::uint8_t kA = 4;
constexpr std::uint8_t kB = 5;
enum Entry : std::size_t { kPrevious, kNext, kConfigMode, kHipUp, kHipDown, kAdsUp, kAdsDown };
constexpr const char16_t* kButtons[] = {
    u"btnKeyMapPrevious",       u"btnKeyMapNext",           u"btnKeyMapConfigMode",     u"btnKeyMapHipSenInclease",
    u"btnKeyMapHipSenDeclease", u"btnKeyMapADSSenInclease", u"btnKeyMapADSSenDeclease",
};

void TapB(toolkit::WindowImplBase& dialog) {
  TapKey(dialog, Qt::Key_B, kKeyB, QStringLiteral("b"));
}

class GlobalSettingsTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(StartOnHomePage());
    RemoveKeyEverywhere(state.session.image(), kA);
    RemoveKeyEverywhere(state.session.image(), kB);
  }
  model::ConfigBlock& Block() { return state.session.image().config; }
  std::uint8_t& Global(std::size_t entry) { return Block().global_hotkeys[entry]; }
  // Opens the dialog with "btnSettings", runs `inside` in it, then ends it with `end` ("btnOk" or "closebtn").
  void RunDialog(const std::function<void(toolkit::WindowImplBase&)>& inside, const char16_t* end = u"btnOk") {
    bool ran = false;
    WhenModalShows(u"btnKeyMapPrevious", [&, end](toolkit::WindowImplBase& dialog) {
      inside(dialog);
      ran = true;
      QTest::mouseClick(dialog.FindControl(end), Qt::LeftButton);
    });
    QTest::mouseClick(Control(u"btnSettings"), Qt::LeftButton);
    EXPECT_TRUE(ran);
  }
  // Captures a key for `entry` inside the open dialog.
  static void Capture(toolkit::WindowImplBase& dialog, Entry entry,
                      std::function<void(toolkit::WindowImplBase&)> input = TapA) {
    WhenModalShows(u"txtPrompt", std::move(input));
    QTest::mouseClick(dialog.FindControl(kButtons[entry]), Qt::LeftButton);
  }
  QString SaveText() const { return Control(u"btnSave")->GetText(); }
};

TEST_F(GlobalSettingsTest, EachKeyAsksOnlyAboutTheKeysItCompetesWith) {
  const int other_console = model::kHostSwitch;
  int mapped = -1;
  for (std::size_t i = 0; i < model::UsedConfigCount(Block()); ++i) {
    if (Block().records[i].host_type() == other_console && Block().host != other_console) mapped = static_cast<int>(i);
  }
  ASSERT_GE(mapped, 0);
  struct Case {
    const char* what;
    Entry entry;
    std::function<void()> plant;
    bool asks;
  };
  const Case cases[] = {
      {"Next = Previous", kNext, [&] { Global(kPrevious) = kA; }, true},
      {"Hip + = Previous", kHipUp, [&] { Global(kPrevious) = kA; }, false},
      {"Hip + = Config Mode", kHipUp, [&] { Global(kConfigMode) = kA; }, true},
      {"Hip + = a mapped key", kHipUp, [&] { Block().records[mapped].mapping[0][3] = kA; }, false},
      {"Config Mode = a key mapped on another console", kConfigMode,
       [&] { Block().records[mapped].mapping[0][3] = kA; }, true},
      {"Config Mode = ADS -", kConfigMode, [&] { Global(kAdsDown) = kA; }, true},
      {"Previous = a configuration's hot key", kPrevious, [&] { Block().records[mapped].hotkey = kA; }, true},
      {"Previous = ADS -", kPrevious, [&] { Global(kAdsDown) = kA; }, false},
  };
  const auto fresh = std::make_unique<model::ConfigBlock>(Block());
  for (const Case& c : cases) {
    for (const int answer : {dialogs::kIdYes, dialogs::kIdNo}) {
      SCOPED_TRACE(::testing::Message() << c.what << (answer == dialogs::kIdYes ? ", Yes" : ", No"));
      Block() = *fresh;
      c.plant();
      const std::uint8_t before = Global(c.entry);
      MessageBoxAnswers::Reset();
      MessageBoxAnswers::SetNextAnswer(answer);
      RunDialog([&](toolkit::WindowImplBase& dialog) { Capture(dialog, c.entry); });
      EXPECT_EQ(MessageBoxAnswers::Shown().size(), c.asks ? 1 : 0);
      if (c.asks) {
        EXPECT_EQ(MessageBoxAnswers::Shown().front().text,
                  QStringLiteral("This key has been occupied!\r\nAre you sure?"));
      }
      EXPECT_EQ(Global(c.entry), c.asks && answer == dialogs::kIdNo ? before : kA);
    }
  }
}

TEST_F(GlobalSettingsTest, OnlyOkKeepsAChangeAndOnlyARealChangeMarksSave) {
  const std::uint8_t previous = Global(kPrevious);
  ASSERT_NE(previous, kB);
  RunDialog([](toolkit::WindowImplBase& dialog) { Capture(dialog, kPrevious, TapB); }, u"closebtn");
  EXPECT_EQ(Global(kPrevious), previous);
  EXPECT_EQ(window->unsaved_mask(), 0u);
  EXPECT_EQ(SaveText(), QStringLiteral("Save"));

  Global(kPrevious) = kA;
  RunDialog([](toolkit::WindowImplBase& dialog) {
    Capture(dialog, kPrevious, TapB);
    EXPECT_EQ(dialog.FindControl(kButtons[kPrevious])->GetText(), QString::fromUtf8(model::KeyName(kB)));
    Capture(dialog, kPrevious, TapA);
  });
  EXPECT_EQ(Global(kPrevious), kA);
  EXPECT_EQ(window->unsaved_mask(), 0u);

  RunDialog([](toolkit::WindowImplBase& dialog) { Capture(dialog, kPrevious, TapB); });
  EXPECT_EQ(Global(kPrevious), kB);
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedConfig);
  EXPECT_EQ(SaveText(), QStringLiteral("Save *"));
  EXPECT_TRUE(MessageBoxAnswers::Shown().isEmpty());
}

// The dialog's edits are nobody's once the adapter goes: the block is put back before the edits are set aside.
TEST_F(GlobalSettingsTest, AnUnplugWhileTheDialogIsOpenKeepsNoneOfItsEdits) {
  const std::uint8_t before = Global(kPrevious);
  WhenModalShows(u"btnKeyMapPrevious", [&](toolkit::WindowImplBase& dialog) {
    QTest::mouseClick(dialog.FindControl(kButtons[kPrevious]), Qt::RightButton);
    ASSERT_EQ(Global(kPrevious), 0);
    adapter.Unplug();
  });
  QTest::mouseClick(Control(u"btnSettings"), Qt::LeftButton);
  ASSERT_TRUE(WaitUntil([this] { return Page() == app::kPageDeviceRemove; }));
  adapter.Plug();
  ASSERT_TRUE(WaitUntil([this] { return Page() == app::kPageDeviceArrival; }));
  EXPECT_EQ(Global(kPrevious), before);
  EXPECT_EQ(window->unsaved_mask(), 0u);
  EXPECT_EQ(SaveText(), QStringLiteral("Save"));
}

TEST_F(GlobalSettingsTest, RightClickClearsWithoutAQuestion) {
  ASSERT_NE(Global(kNext), 0);
  RunDialog([](toolkit::WindowImplBase& dialog) {
    QTest::mouseClick(dialog.FindControl(kButtons[kNext]), Qt::RightButton);
    EXPECT_EQ(dialog.FindControl(kButtons[kNext])->GetText(), QStringLiteral("< None >"));
    EXPECT_TRUE(ShowsKeyImage(*dialog.FindControl(kButtons[kNext]), "keymap_none.png"));
  });
  EXPECT_EQ(Global(kNext), 0);
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedConfig);
  EXPECT_TRUE(MessageBoxAnswers::Shown().isEmpty());
}

TEST_F(GlobalSettingsTest, ACountBeyondTheButtonsShowsTheSevenAndChecksTheWholeList) {
  Block().global_hotkey_count = 255;
  Global(200) = kA;  // within the count: Config Mode competes with it
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdNo);
  RunDialog([&](toolkit::WindowImplBase& dialog) {
    for (std::size_t i = 0; i < std::size(kButtons); ++i) {
      EXPECT_EQ(dialog.FindControl(kButtons[i])->GetText(), QString::fromUtf8(model::KeyName(Global(i))));
      EXPECT_TRUE(ShowsKeyImage(*dialog.FindControl(kButtons[i]), "keymap_keyboard.png")) << i;
    }
    Capture(dialog, kConfigMode);
    SaveRendering(QStringLiteral("global_settings.png"), &dialog);
  });
  EXPECT_EQ(MessageBoxAnswers::Shown().size(), 1);
  EXPECT_NE(Global(kConfigMode), kA);

  // Fewer keys than buttons: the rest show none.
  Block().global_hotkey_count = 2;
  RunDialog([](toolkit::WindowImplBase& dialog) {
    EXPECT_NE(dialog.FindControl(kButtons[kNext])->GetText(), QStringLiteral("< None >"));
    EXPECT_EQ(dialog.FindControl(kButtons[kConfigMode])->GetText(), QStringLiteral("< None >"));
  });
}

}  // namespace
}  // namespace torvane::testing
