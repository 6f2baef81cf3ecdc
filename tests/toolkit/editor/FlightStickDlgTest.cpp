#include "editor/settings/CFlightsticksetting.h"
#include "model/keys/KeyCodes.h"
#include "toolkit/editor/SettingsDialogSupport.h"

#include <gtest/gtest.h>

namespace torvane::editor {
namespace {

using model::FlightAxis;

struct AxisNames {
  const char* type;
  const char* row;
  const char* first;
  const char* second;
};
constexpr AxisNames kAxes[] = {
    {"roll_map_type_combo", "layRollMapToButton", "roll_left_map_to_combo", "roll_right_map_to_combo"},
    {"pitch_map_type_combo", "layPitchMapToButton", "pitch_up_map_to_combo", "pitch_down_map_to_combo"},
    {"yaw_map_type_combo", "layYawMapToButton", "yaw_left_map_to_combo", "yaw_right_map_to_combo"},
    {"throttle_map_type_combo", "layThrottleMapToButton", "throttle_up_map_to_combo", "throttle_down_map_to_combo"},
};

class FlightStickDlgTest : public ::testing::Test {
 protected:
  int Run(model::ConfigRecord& record, std::function<void(CFlightsticksetting&)> act) {
    CFlightsticksetting dialog(keys_, record);
    return RunDialog<CFlightsticksetting>(dialog, std::move(act));
  }
  FakeEditorHost host_;
  KeyMapping keys_{host_};
};

TEST_F(FlightStickDlgTest, OpensOnTheStoredButtonsAndOkWithoutChangesKeepsTheRecord) {
  model::ConfigRecord record = MakeSettingsRecord();
  record.flight_axis_map = model::WithAxisType(0x5510, model::kAxisRoll, model::kAxisButtons);
  record.mapping[1][17] = model::kFlightRollLeft;
  record.mapping[1][3] = model::kFlightYawRight;  // an axis that drives no buttons keeps its code too
  record.mapping[1][0] = 4;
  const model::ConfigRecord before = record;
  Run(record, [](CFlightsticksetting& d) {
    EXPECT_TRUE(d.FindControl(u"layRollMapToButton")->isVisibleTo(&d));
    EXPECT_FALSE(d.FindControl(u"layYawMapToButton")->isVisibleTo(&d));
    EXPECT_EQ(SelectionOf(d, "roll_left_map_to_combo"), 18);
    EXPECT_EQ(d.FindControl<toolkit::CComboUI>(u"roll_left_map_to_combo")->GetItemText(18), "Circle");
    EXPECT_EQ(SelectionOf(d, "roll_right_map_to_combo"), 0);
    EXPECT_EQ(d.WorkingCopy().mapping[1][17], 0) << "the codes leave the working copy while it is open";
    Click(d, "btnOk");
  });
  EXPECT_TRUE(SameBytes(record, before));
}

// Each axis to buttons and then back to a stick: the type is the stick's, the chosen buttons' codes are written.
TEST_F(FlightStickDlgTest, EachAxisToButtonsOrToAStick) {
  for (int axis = 0; axis < model::kFlightAxisCount; ++axis) {
    for (const int final_type : {model::kAxisButtons, axis % 4, model::kAxisNone}) {
      SCOPED_TRACE(::testing::Message() << "axis " << axis << " type " << final_type);
      const AxisNames& names = kAxes[axis];
      model::ConfigRecord record = MakeSettingsRecord();
      record.flight_axis_map = 0x5555;
      bool row_shown = false;
      Run(record, [&](CFlightsticksetting& d) {
        Choose(d, names.type, model::kAxisButtons);
        row_shown = d.FindControl(QString::fromUtf8(names.row))->isVisibleTo(&d);
        Choose(d, names.first, 1);    // L1, entry 0
        Choose(d, names.second, 26);  // right stick right, entry 25
        Choose(d, names.type, final_type);
        EXPECT_EQ(d.FindControl(QString::fromUtf8(names.row))->isVisibleTo(&d), final_type == model::kAxisButtons);
        Click(d, "btnOk");
      });
      EXPECT_TRUE(row_shown);
      const auto& codes = model::kAxisDirectionCodes[static_cast<std::size_t>(axis)];
      EXPECT_EQ(record.flight_axis_map.get(), model::WithAxisType(0x5555, static_cast<FlightAxis>(axis), final_type));
      EXPECT_EQ(record.mapping[1][0], codes[0]);
      EXPECT_EQ(record.mapping[1][25], codes[1]);
    }
  }
}

// Back to buttons, an axis shows the buttons the record held again, whatever was chosen in between.
TEST_F(FlightStickDlgTest, BackToButtonsShowsTheRememberedButtons) {
  model::ConfigRecord record = MakeSettingsRecord();
  record.flight_axis_map = model::WithAxisType(0x5510, model::kAxisRoll, model::kAxisButtons);
  record.mapping[1][17] = model::kFlightRollLeft;
  Run(record, [](CFlightsticksetting& d) {
    Choose(d, "roll_left_map_to_combo", 1);
    Choose(d, "roll_right_map_to_combo", 2);
    Choose(d, "roll_map_type_combo", 0);
    Choose(d, "roll_map_type_combo", model::kAxisButtons);
    EXPECT_EQ(SelectionOf(d, "roll_left_map_to_combo"), 18);
    EXPECT_EQ(SelectionOf(d, "roll_right_map_to_combo"), 0);
    Click(d, "btnOk");
  });
  EXPECT_EQ(record.mapping[1][17], model::kFlightRollLeft);
  EXPECT_EQ(record.mapping[1][0], 0);
  EXPECT_EQ(record.mapping[1][1], 0);
}

TEST_F(FlightStickDlgTest, NoneRemovesACodeAndCancelKeepsEveryCode) {
  struct Case {
    const char* what;
    const char* end;
    std::uint8_t entry_5;
  };
  const Case cases[] = {
      {"< None > and Ok", "btnOk", 0},
      {"< None > and the close button", "closebtn", model::kFlightPitchUp},
      {"< None > and Escape", nullptr, model::kFlightPitchUp},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    model::ConfigRecord record = MakeSettingsRecord();
    record.flight_axis_map = 0x5545;
    record.mapping[1][5] = model::kFlightPitchUp;
    const int result = Run(record, [&](CFlightsticksetting& d) {
      EXPECT_EQ(SelectionOf(d, "pitch_up_map_to_combo"), 6);
      Choose(d, "pitch_up_map_to_combo", 0);
      Choose(d, "roll_map_type_combo", 2);
      c.end != nullptr ? Click(d, c.end) : PressEscape(d);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(record.mapping[1][5], c.entry_5);
    EXPECT_EQ(record.flight_axis_map.get(), c.entry_5 == 0 ? 0x5542 : 0x5545);
  }
}

// Pads without a touch pad button list one button fewer; codes at buttons no list shows, at the touch pad's place
// or beyond the 26 buttons, stay where they are.
TEST_F(FlightStickDlgTest, OtherHostsAndUnshowableButtonsKeepTheirPlaces) {
  model::ConfigRecord record = MakeSettingsRecord(1);
  record.button_count = 50;
  record.flight_axis_map = 0x4444;
  record.mapping[1][20] = model::kFlightRollLeft;    // left stick left
  record.mapping[1][13] = model::kFlightRollRight;   // the touch pad's place
  record.mapping[1][40] = model::kFlightPitchUp;     // beyond the pad
  record.mapping[1][14] = model::kFlightThrottleUp;  // Y
  const model::ConfigRecord before = record;
  Run(record, [](CFlightsticksetting& d) {
    EXPECT_EQ(d.FindControl<toolkit::CComboUI>(u"roll_left_map_to_combo")->GetCount(), 26);
    EXPECT_EQ(SelectionOf(d, "roll_left_map_to_combo"), 20);
    EXPECT_EQ(SelectionOf(d, "roll_right_map_to_combo"), -1);
    EXPECT_EQ(SelectionOf(d, "pitch_up_map_to_combo"), -1);
    EXPECT_EQ(d.FindControl<toolkit::CComboUI>(u"throttle_up_map_to_combo")->GetItemText(14), "Y");
    EXPECT_EQ(SelectionOf(d, "throttle_up_map_to_combo"), 14);
    Click(d, "btnOk");
  });
  EXPECT_TRUE(SameBytes(record, before));

  Run(record, [](CFlightsticksetting& d) {
    Choose(d, "roll_right_map_to_combo", 13);  // Guide, entry 12
    Click(d, "btnOk");
  });
  EXPECT_EQ(record.mapping[1][13], 0);
  EXPECT_EQ(record.mapping[1][12], model::kFlightRollRight);
}

TEST_F(FlightStickDlgTest, AxisTypesWithoutAnEntryOpenWithoutFault) {
  model::ConfigRecord record = MakeSettingsRecord(7);
  record.flight_axis_map = 0xF9A4;
  record.mapping[1][2] = model::kFlightRollLeft;
  const model::ConfigRecord before = record;
  Run(record, [](CFlightsticksetting& d) {
    EXPECT_EQ(SelectionOf(d, "pitch_map_type_combo"), -1);
    EXPECT_FALSE(d.FindControl(u"layPitchMapToButton")->isVisibleTo(&d));
    EXPECT_EQ(SelectionOf(d, "roll_left_map_to_combo"), 3);
    Click(d, "btnOk");
  });
  EXPECT_TRUE(SameBytes(record, before));
}

}  // namespace
}  // namespace torvane::editor
