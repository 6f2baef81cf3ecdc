#include "editor/settings/MouseAdvancedDlg.h"
#include "toolkit/COptionUI.h"
#include "toolkit/editor/SettingsDialogSupport.h"

#include <gtest/gtest.h>

namespace torvane::editor {
namespace {

class MouseAdvancedDlgTest : public ::testing::Test {
 protected:
  static model::ConfigRecord Record() {
    model::ConfigRecord record = MakeSettingsRecord();
    record.hip_yx_ratio = 150;
    record.ads_yx_ratio = 75;
    record.hip_min_speed = -25;
    record.ads_min_speed = 40;
    record.ads_delay = 300;
    record.turn_assist_key = 4;
    return record;
  }
  FakeEditorHost host_;
  KeyMapping keys_{host_};
};

// Each field at and just outside its bounds: the text once the field is left, and what Ok stores when the field
// was never left (Ok applies the same rules).
TEST_F(MouseAdvancedDlgTest, FieldsAtAndOutsideTheirBounds) {
  struct Case {
    const char* field;
    const char* typed;
    const char* shown;
    int stored;
  };
  const Case cases[] = {
      {"editHip_YX_Ratio", "50", "50.00", 5000},
      {"editHip_YX_Ratio", "50.01", "1.50", 150},
      {"editHip_YX_Ratio", "0.01", "0.01", 1},
      {"editHip_YX_Ratio", "0.005", "1.50", 150},
      {"editHip_YX_Ratio", "60", "1.50", 150},
      {"editHip_YX_Ratio", "", "1.50", 150},
      {"editADS_XY_Ratio", "0.29", "0.29", 29},
      {"editADS_XY_Ratio", "0", "0.75", 75},
      {"editHip_Deadzone", "-100.0", "-100.0", -1000},
      {"editHip_Deadzone", "-100.1", "-2.5", -25},
      {"editADS_Deadzone", "100", "100.0", 1000},
      {"editADS_Deadzone", "100.1", "4.0", 40},
      {"editADS_Deadzone", "0.3", "0.3", 3},
      {"editADS_Deadzone", "12.36", "12.4", 124},
      {"editHip_Deadzone", "-0.05", "-0.1", -1},
      {"editHip_Deadzone", "", "-2.5", -25},
      {"editADS_Deadzone", "fast", "0.0", 0},
      {"editADSDelay", "6000", "6000", 6000},
      {"editADSDelay", "6001", "300", 300},
      {"editADSDelay", "0", "0", 0},
      {"editADSDelay", "", "300", 300},
  };
  const auto value_of = [](const model::ConfigRecord& r, const std::string& field) -> int {
    if (field == "editHip_YX_Ratio") return r.hip_yx_ratio.get();
    if (field == "editADS_XY_Ratio") return r.ads_yx_ratio.get();
    if (field == "editHip_Deadzone") return r.hip_min_speed.get();
    if (field == "editADS_Deadzone") return r.ads_min_speed.get();
    return r.ads_delay.get();
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " <- '" + c.typed + "'");
    for (const bool leave : {true, false}) {
      model::ConfigRecord record = Record();
      QString shown;
      MouseAdvancedDlg dialog(keys_, record);
      RunDialog<MouseAdvancedDlg>(dialog, [&](MouseAdvancedDlg& d) {
        Type(d, c.field, QString::fromUtf8(c.typed));
        if (leave) {
          LeaveField(d, c.field);
          shown = TextOf(d, c.field);
        }
        Click(d, "btnOk");
      });
      if (leave) {
        EXPECT_EQ(shown.toStdString(), c.shown);
      }
      EXPECT_EQ(value_of(record, c.field), c.stored);
    }
  }
}

TEST_F(MouseAdvancedDlgTest, OkWritesTheEditedFieldsAndNothingElse) {
  model::ConfigRecord record = Record();
  record.flags = 0x8001;         // bits outside the turning assistant's stay
  record.mouse_map_bits = 0x80;  // the touch pad's bit stays
  const model::ConfigRecord before = record;
  MouseAdvancedDlg dialog(keys_, record);
  EXPECT_EQ(RunDialog<MouseAdvancedDlg>(dialog,
                                        [](MouseAdvancedDlg& d) {
                                          Choose(d, "comboTurnAssistLoadBehavior", 1);
                                          Click(d, "optMouseMappingMode");
                                          Click(d, "btnTurnAssistLoadKey", Qt::RightButton);
                                          Type(d, "editHip_YX_Ratio", "2.5");
                                          Click(d, "btnOk");
                                        }),
            1);
  model::ConfigRecord expected = before;
  expected.flags = 0x8001 | (1u << 9);
  expected.mouse_map_bits = 0x81;
  expected.turn_assist_key = 0;
  expected.hip_yx_ratio = 250;
  EXPECT_TRUE(SameBytes(record, expected));
}

TEST_F(MouseAdvancedDlgTest, CancelLeavesTheRecordAsItWas) {
  for (const bool escape : {true, false}) {
    model::ConfigRecord record = Record();
    const model::ConfigRecord before = record;
    host_.keys = {9};
    MouseAdvancedDlg dialog(keys_, record);
    const int result = RunDialog<MouseAdvancedDlg>(dialog, [escape](MouseAdvancedDlg& d) {
      Click(d, "btnTurnAssistLoadKey");
      Choose(d, "comboTurnAssistLoadBehavior", 1);
      Type(d, "editADSDelay", "1000");
      LeaveField(d, "editADSDelay");
      escape ? PressEscape(d) : Click(d, "closebtn");
    });
    EXPECT_EQ(result, escape ? 1 : MouseAdvancedDlg::kClosed);
    EXPECT_EQ(dialog.WorkingCopy().turn_assist_key, 9) << "the capture went into the working copy";
    EXPECT_TRUE(SameBytes(record, before));
  }
}

// Values an adapter may hold: a load behaviour without an entry shows none and is kept; numbers are shown, and
// kept by Ok, as the nearest inside their ranges.
TEST_F(MouseAdvancedDlgTest, HostileValuesOpenWithoutFault) {
  model::ConfigRecord record = Record();
  record.flags = 3u << 9;
  record.hip_yx_ratio = 0;
  record.ads_yx_ratio = 65535;
  record.hip_min_speed = -32768;
  record.ads_min_speed = 32767;
  record.ads_delay = 65535;
  MouseAdvancedDlg dialog(keys_, record);
  int selection = 0;
  RunDialog<MouseAdvancedDlg>(dialog, [&](MouseAdvancedDlg& d) {
    selection = SelectionOf(d, "comboTurnAssistLoadBehavior");
    Click(d, "btnOk");
  });
  EXPECT_EQ(selection, -1);
  EXPECT_EQ(record.flags.get(), 3u << 9);
  EXPECT_EQ(record.hip_yx_ratio.get(), 1);
  EXPECT_EQ(record.ads_yx_ratio.get(), 5000);
  EXPECT_EQ(record.hip_min_speed.get(), -1000);
  EXPECT_EQ(record.ads_min_speed.get(), 1000);
  EXPECT_EQ(record.ads_delay.get(), 6000);
}

}  // namespace
}  // namespace torvane::editor
