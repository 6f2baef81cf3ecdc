#include "editor/settings/StickDlg.h"
#include "editor/settings/TouchPadDlg.h"
#include "model/keys/ControllerButton.h"
#include "toolkit/editor/SettingsDialogSupport.h"

#include <gtest/gtest.h>

namespace torvane::editor {
namespace {

constexpr std::uint8_t kKeyA = 4;
constexpr std::uint8_t kKeyB = 5;

struct SideCase {
  StickSide side;
  const char* up;
  std::size_t up_slot;
  std::size_t press_slot;
  std::uint8_t model::ConfigRecord::*strength;
  std::uint8_t model::ConfigRecord::*hotkey;
};
const SideCase kSides[] = {
    {StickSide::kLeft, "btnPlayKey_LeftStickUp", model::kButtonLsUp, model::kButtonL3,
     &model::ConfigRecord::left_stick_strength, &model::ConfigRecord::left_stick_hotkey},
    {StickSide::kRight, "btnPlayKey_RightStickUp", model::kButtonRsUp, model::kButtonR3,
     &model::ConfigRecord::right_stick_strength, &model::ConfigRecord::right_stick_hotkey},
};

class StickDlgTest : public ::testing::Test {
 protected:
  FakeEditorHost host_;
  KeyMapping keys_{host_};
};

// Keys captured in the dialog reach the record through Ok only; the dialog's buttons are in the key-button table
// exactly while it is open, however it ends.
TEST_F(StickDlgTest, KeysReachTheRecordOnlyThroughOkAndTheSlotsEmptyOnEveryWayOut) {
  struct Way {
    const char* what;
    std::function<void(toolkit::WindowImplBase&)> end;
    int result;
    bool written;
  };
  const Way ways[] = {
      {"Ok", [](toolkit::WindowImplBase& d) { Click(d, "btnOk"); }, 1, true},
      {"Escape", [](toolkit::WindowImplBase& d) { PressEscape(d); }, 1, false},
      {"the close button", [](toolkit::WindowImplBase& d) { Click(d, "closebtn"); }, StickDlg::kClosed, false},
  };
  for (const SideCase& side : kSides) {
    for (const Way& way : ways) {
      SCOPED_TRACE(way.what);
      model::ConfigRecord record = MakeSettingsRecord();
      const model::ConfigRecord before = record;
      host_.keys = {kKeyA, kKeyB};
      bool leased = false;
      {
        StickDlg dialog(side.side, keys_, record);
        EXPECT_EQ(RunDialog<StickDlg>(
                      dialog,
                      [&](StickDlg& d) {
                        leased = keys_.Slot(side.up_slot) == d.FindControl(QString::fromUtf8(side.up)) &&
                                 keys_.Slot(side.press_slot) != nullptr;
                        // the class image sits in a square at the left of the 28-pixel button
                        EXPECT_TRUE(d.FindControl(u"btnStickHotKey")->GetBkImage().contains(u"dest='6,4,26,24'"));
                        Click(d, side.up);
                        Click(d, "btnStickHotKey");
                        way.end(d);
                      }),
                  way.result);
      }
      EXPECT_TRUE(leased);
      for (std::size_t slot : {side.up_slot, side.up_slot + 1, side.up_slot + 2, side.up_slot + 3, side.press_slot}) {
        EXPECT_EQ(keys_.Slot(slot), nullptr) << slot;
      }
      model::ConfigRecord expected = before;
      if (way.written) {
        expected.mapping[0][side.up_slot] = kKeyA;
        expected.*(side.hotkey) = kKeyB;
      }
      EXPECT_TRUE(SameBytes(record, expected));
    }
  }
}

// Ok takes the number the field holds, whether or not it was left; a number outside 1..100 keeps the value shown
// when the dialog opened, and a stored value outside the range is shown (and kept) as the nearest inside.
TEST_F(StickDlgTest, StrengthAtAndOutsideItsBounds) {
  struct Case {
    std::uint8_t stored;
    const char* typed;
    const char* shown_after_leaving;
    std::uint8_t written;
  };
  const Case cases[] = {
      {50, "1", "1", 1},  {50, "100", "100", 100}, {50, "0", "50", 50},  {50, "101", "50", 50},
      {50, "", "50", 50}, {50, "x7", "50", 50},    {0, nullptr, "1", 1}, {255, nullptr, "100", 100},
  };
  for (const SideCase& side : kSides) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.typed ? c.typed : "(untouched)") + " over " + std::to_string(c.stored));
      for (const bool leave : {true, false}) {
        model::ConfigRecord record = MakeSettingsRecord();
        record.*(side.strength) = c.stored;
        QString shown;
        StickDlg dialog(side.side, keys_, record);
        RunDialog<StickDlg>(dialog, [&](StickDlg& d) {
          if (c.typed != nullptr) Type(d, "editStickStrength", QString::fromUtf8(c.typed));
          if (leave) {
            LeaveField(d, "editStickStrength");
            shown = TextOf(d, "editStickStrength");
          }
          Click(d, "btnOk");
        });
        if (leave) {
          EXPECT_EQ(shown.toStdString(), c.shown_after_leaving);
        }
        EXPECT_EQ(record.*(side.strength), c.written);
      }
    }
  }
}

TEST_F(StickDlgTest, RightClickClearsTheDirectionInTheShownGroupOnly) {
  model::ConfigRecord record = MakeSettingsRecord();
  for (auto& group : record.mapping) group[model::kButtonLsLeft] = kKeyA;
  keys_.SwitchMappingGroup(record);  // group 1
  StickDlg dialog(StickSide::kLeft, keys_, record);
  RunDialog<StickDlg>(dialog, [](StickDlg& d) {
    EXPECT_EQ(TextOf(d, "btnPlayKey_LeftStickLeft"), "A");
    // Announced by the label of its row and the key, which follows a change.
    EXPECT_EQ(d.FindControl(u"btnPlayKey_LeftStickLeft")->accessibleName(), "Left: A");
    EXPECT_EQ(d.FindControl(u"btnPlayKey_L3")->accessibleName(), "Press (L3): < None >");
    Click(d, "btnPlayKey_LeftStickLeft", Qt::RightButton);
    EXPECT_EQ(d.FindControl(u"btnPlayKey_LeftStickLeft")->accessibleName(), "Left: < None >");
    Click(d, "btnOk");
  });
  EXPECT_EQ(record.mapping[0][model::kButtonLsLeft], kKeyA);
  EXPECT_EQ(record.mapping[1][model::kButtonLsLeft], 0);
  EXPECT_EQ(record.mapping[2][model::kButtonLsLeft], kKeyA);
}

// The touch pad dialog gives slot 13 back to what held it (the Switch's capture button on the main page).
TEST_F(StickDlgTest, TouchPadWritesItsKeysAndBehaviourAndGivesSlot13Back) {
  toolkit::CControlUI* capture_button = host_.Window().GetRoot();
  keys_.SetSlot(model::kButtonTouch, capture_button);
  struct Case {
    const char* what;
    std::uint8_t stored_bits;
    bool ok;
  };
  const Case cases[] = {{"Ok to toggle", 0x05, true}, {"closed", 0x05, false}, {"Ok to hold", 0xFF, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    model::ConfigRecord record = MakeSettingsRecord();
    record.mouse_map_bits = c.stored_bits;
    const model::ConfigRecord before = record;
    host_.keys = {kKeyA, kKeyB};
    bool leased = false;
    {
      TouchPadDlg dialog(keys_, record);
      RunDialog<TouchPadDlg>(dialog, [&](TouchPadDlg& d) {
        leased = keys_.Slot(model::kButtonTouch) == d.FindControl(u"btnPlayKey_Touch");
        Click(d, "btnPlayKey_Touch");
        Click(d, "btnTouchPadLoadKey");
        // The touch pad's key by its label; the simulating key, which has none, by its tip.
        EXPECT_EQ(d.FindControl(u"btnPlayKey_Touch")->accessibleName(), "Touchpad Button: A");
        EXPECT_EQ(d.FindControl(u"btnTouchPadLoadKey")->accessibleName(), "Key that simulates the touch pad: B");
        Choose(d, "comboTouchPadLoadBehavior", (c.stored_bits & 0x80) != 0 ? 0 : 1);
        Click(d, c.ok ? "btnOk" : "closebtn");
      });
    }
    EXPECT_TRUE(leased);
    EXPECT_EQ(keys_.Slot(model::kButtonTouch), capture_button);
    model::ConfigRecord expected = before;
    if (c.ok) {
      expected.mapping[0][model::kButtonTouch] = kKeyA;
      expected.touchpad_key = kKeyB;
      expected.mouse_map_bits = static_cast<std::uint8_t>(c.stored_bits ^ 0x80);
    }
    EXPECT_TRUE(SameBytes(record, expected));
  }
}

}  // namespace
}  // namespace torvane::editor
