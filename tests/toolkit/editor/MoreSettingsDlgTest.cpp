#include "editor/settings/CMoreSettingsDlg.h"
#include "toolkit/editor/SettingsDialogSupport.h"

#include <gtest/gtest.h>

namespace torvane::editor {
namespace {

class MoreSettingsDlgTest : public ::testing::Test {
 protected:
  FakeEditorHost host_;
  KeyMapping keys_{host_};
};

TEST_F(MoreSettingsDlgTest, RowsOfTheCustomGameAndTheReportRateShowForTheirGamesOnly) {
  struct Case {
    int host;
    std::uint8_t game;
    bool custom_rows;
    bool report_rate;
  };
  const Case cases[] = {
      {0, CMoreSettingsDlg::kReportRateGameId, false, true},  {1, CMoreSettingsDlg::kReportRateGameId, false, false},
      {4, CMoreSettingsDlg::kReportRateGameId, false, false}, {0, CMoreSettingsDlg::kCustomGameId, true, false},
      {2, CMoreSettingsDlg::kCustomGameId, true, false},      {0, 82, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "host " << c.host << " game " << int{c.game});
    model::ConfigRecord record = MakeSettingsRecord(c.host, c.game);
    CMoreSettingsDlg dialog(keys_, record);
    RunDialog<CMoreSettingsDlg>(dialog, [&](CMoreSettingsDlg& d) {
      EXPECT_EQ(d.FindControl(u"layCustomGame")->isVisibleTo(&d), c.custom_rows);
      EXPECT_EQ(d.FindControl(u"layUSBRpeortRate")->isVisibleTo(&d), c.report_rate);
    });
  }
}

TEST_F(MoreSettingsDlgTest, OkWritesEveryChoiceIntoItsBits) {
  model::ConfigRecord record = MakeSettingsRecord(0, CMoreSettingsDlg::kReportRateGameId);
  record.flags = static_cast<std::uint16_t>(record.flags.get() | (1u << 9) | 0xC000 | (1u << 6));
  record.mode_bits = 0x06;  // wheel type bits stay
  record.report_interval = 33;
  record.stick_swap_key = 4;
  const model::ConfigRecord before = record;
  CMoreSettingsDlg dialog(keys_, record);
  EXPECT_EQ(
      RunDialog<CMoreSettingsDlg>(dialog,
                                  [](CMoreSettingsDlg& d) {
                                    EXPECT_EQ(SelectionOf(d, "comboUSBReportRate"), 0);
                                    for (const char* option : {"optSpeedWarning", "optInverMouse", "optADSNotification",
                                                               "optKeyMappingMode", "optADSToogle"}) {
                                      Click(d, option);
                                    }
                                    Choose(d, "comboAdsKey", 4);
                                    Choose(d, "comboDeadzoneType", 1);
                                    Choose(d, "comboLoadBehavior", 2);
                                    Choose(d, "comboUSBReportRate", 3);
                                    Click(d, "btnKeyMapStickSwap", Qt::RightButton);
                                    Click(d, "btnOk");
                                  }),
      1);
  model::ConfigRecord expected = before;
  // bit 6 cleared; 5, 7, 13, the deadzone and load behaviour 2 set; host, turning assistant and 14-15 kept
  expected.flags =
      static_cast<std::uint16_t>((1u << 9) | 0xC000 | (1u << 5) | (1u << 7) | (1u << 13) | 1u | (2u << 11));
  expected.mode_bits = 0x07;
  expected.ads_key = 4;
  expected.report_interval = 5;
  expected.stick_swap_key = 0;
  EXPECT_TRUE(SameBytes(record, expected));
}

// Escape and the close button both end with 1; neither writes, not even a key captured meanwhile.
TEST_F(MoreSettingsDlgTest, CancelLeavesTheRecordAsItWas) {
  for (const char* way : {"escape", "closebtn"}) {
    SCOPED_TRACE(way);
    model::ConfigRecord record = MakeSettingsRecord(0, CMoreSettingsDlg::kCustomGameId);
    const model::ConfigRecord before = record;
    host_.keys = {9};
    CMoreSettingsDlg dialog(keys_, record);
    EXPECT_EQ(RunDialog<CMoreSettingsDlg>(dialog,
                                          [way](CMoreSettingsDlg& d) {
                                            Click(d, "btnKeyMapStickSwap");
                                            Click(d, "optInverMouse");
                                            Choose(d, "comboAdsKey", 5);
                                            std::string(way) == "escape" ? PressEscape(d) : Click(d, way);
                                          }),
              1);
    EXPECT_EQ(TextOf(dialog, "btnKeyMapStickSwap"), "F") << "the capture went to the working copy";
    EXPECT_TRUE(SameBytes(record, before));
  }
}

// Values without an entry show no selection and are kept; an unknown report interval of the report-rate game shows
// the slowest rate, which Ok writes; the interval of any other game is never touched.
TEST_F(MoreSettingsDlgTest, HostileValuesOpenWithoutFault) {
  struct Case {
    std::uint8_t game;
    std::uint8_t interval;
    std::uint8_t written_interval;
  };
  const Case cases[] = {{CMoreSettingsDlg::kReportRateGameId, 0, 32},
                        {CMoreSettingsDlg::kReportRateGameId, 0xFF, 0x03 | 32},
                        {CMoreSettingsDlg::kCustomGameId, 0, 0},
                        {CMoreSettingsDlg::kCustomGameId, 7, 7}};
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "game " << int{c.game} << " interval " << int{c.interval});
    model::ConfigRecord record = MakeSettingsRecord(0, c.game);
    record.ads_key = 200;
    record.flags = static_cast<std::uint16_t>(record.flags.get() | (3u << 11));
    record.report_interval = c.interval;
    model::ConfigRecord expected = record;
    expected.report_interval = c.written_interval;
    CMoreSettingsDlg dialog(keys_, record);
    RunDialog<CMoreSettingsDlg>(dialog, [](CMoreSettingsDlg& d) {
      EXPECT_EQ(SelectionOf(d, "comboAdsKey"), -1);
      EXPECT_EQ(SelectionOf(d, "comboLoadBehavior"), -1);
      Click(d, "btnOk");
    });
    EXPECT_TRUE(SameBytes(record, expected));
  }
}

}  // namespace
}  // namespace torvane::editor
