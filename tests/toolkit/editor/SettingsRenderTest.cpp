// Renders each settings dialog as the player sees it, into PNGs under the build folder, for people to look at.
#include "editor/curve/CCurveDlg.h"
#include "editor/settings/CFlightsticksetting.h"
#include "editor/settings/CMoreSettingsDlg.h"
#include "editor/settings/MouseAdvancedDlg.h"
#include "editor/settings/StickDlg.h"
#include "editor/settings/TouchPadDlg.h"
#include "model/keys/ControllerButton.h"
#include "model/keys/KeyCodes.h"
#include "model/params/ResponseCurves.h"
#include "toolkit/CChartUI.h"
#include "toolkit/editor/SettingsDialogSupport.h"

#include <QImage>
#include <QPixmap>
#include <QTest>

#include <gtest/gtest.h>

namespace torvane::editor {
namespace {

void Save(toolkit::WindowImplBase& window, const char* name) {
  const QPixmap shot = window.grab();
  const QImage image = shot.toImage();
  EXPECT_NE(image.pixel(image.width() / 2, image.height() / 2), image.pixel(0, 0)) << "a blank window";
  testing::SaveRenderingAs(shot, QString::fromUtf8(name));
}

template <class Dialog>
void Render(Dialog& dialog, const char* name) {
  RunDialog<Dialog>(dialog, [name](Dialog& d) { Save(d, name); });
}

TEST(SettingsRenderTest, EveryDialog) {
  FakeEditorHost host;
  KeyMapping keys(host);
  model::ConfigRecord record = MakeSettingsRecord(0, CMoreSettingsDlg::kReportRateGameId);
  record.mapping[0][model::kButtonLsUp] = 26;      // W
  record.mapping[0][model::kButtonLsLeft] = 4;     // A
  record.mapping[0][model::kButtonLsDown] = 22;    // S
  record.mapping[0][model::kButtonLsRight] = 7;    // D
  record.mapping[0][model::kButtonL3] = 225 - 60;  // left control
  record.left_stick_hotkey = 175;
  record.touchpad_key = 175;
  record.turn_assist_key = 20;
  record.flight_axis_map = 0x4414;
  record.mapping[1][17] = model::kFlightRollLeft;
  record.mapping[1][14] = model::kFlightRollRight;

  StickDlg left(StickSide::kLeft, keys, record);
  Render(left, "left_stick_dlg.png");
  StickDlg right(StickSide::kRight, keys, record);
  Render(right, "right_stick_dlg.png");
  TouchPadDlg touch(keys, record);
  Render(touch, "touch_pad_dlg.png");
  MouseAdvancedDlg mouse(keys, record);
  Render(mouse, "mouse_advanced_dlg.png");
  CMoreSettingsDlg more(keys, record);
  Render(more, "more_settings_dlg.png");
  record.game_id = CMoreSettingsDlg::kCustomGameId;
  CMoreSettingsDlg custom(keys, record);
  Render(custom, "more_settings_custom_game_dlg.png");
  CFlightsticksetting flight(keys, record);
  Render(flight, "flight_stick_setting_dlg.png");
}

// The curve editor mid-drag on the hip chart at scale 1, then with a keyboard-focused ADS point at scale 2 (the
// charts are painted as vectors, so the larger rendering must stay sharp).
TEST(SettingsRenderTest, CurveEditor) {
  model::ConfigRecord record = MakeSettingsRecord(0, 78);
  const model::CurvePair horizon = *model::PerGameCurves(78);
  record.hip_curve = horizon.hip;
  record.ads_curve = horizon.ads;
  testing::RecordingHost flow_host;
  CCurveDlg dialog(flow_host, record);
  RunDialog<CCurveDlg>(dialog, [](CCurveDlg& d) {
    toolkit::CChartUI* hip = d.HipChart();
    const QPoint grab(25, 5 + hip->GetPoints()[2].y());
    QTest::mousePress(hip, Qt::LeftButton, Qt::NoModifier, grab);
    QTest::mouseMove(hip, grab + QPoint(0, 30));
    Save(d, "curve_edit_dlg.png");
    QTest::mouseRelease(hip, Qt::LeftButton, Qt::NoModifier, grab + QPoint(0, 30));
    toolkit::CChartUI* ads = d.AdsChart();
    ads->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 4; ++i) QTest::keyClick(ads, Qt::Key_Right);
    QPixmap large(d.size() * 2);
    large.setDevicePixelRatio(2);
    large.fill(Qt::transparent);
    d.render(&large);
    testing::SaveRenderingAs(large, QStringLiteral("curve_edit_dlg@2x.png"));
  });
}

}  // namespace
}  // namespace torvane::editor
