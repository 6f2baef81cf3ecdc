#include "editor/curve/CCurveDlg.h"
#include "model/params/ResponseCurves.h"
#include "support/SyntheticInput.h"
#include "toolkit/CChartUI.h"
#include "toolkit/editor/SettingsDialogSupport.h"

#include <QClipboard>
#include <QGuiApplication>

#include <gtest/gtest.h>

namespace torvane::editor {
namespace {

using testing::kKeyF12;
using testing::kKeyLeftCtrl;
using testing::kKeyLeftShift;
using testing::kKeyRightCtrl;
using testing::SendKey;

constexpr int kHorizonGameId = 78;

model::ConfigRecord CurveRecord() {
  model::ConfigRecord record = MakeSettingsRecord(0, kHorizonGameId);
  record.hip_curve = model::NeutralCurve();
  record.ads_curve = model::NeutralCurve();
  return record;
}

std::vector<int> Values(const toolkit::CChartUI* chart) {
  std::vector<int> values;
  for (std::size_t i = 0; i < chart->GetPoints().size(); ++i) values.push_back(chart->ValueOf(static_cast<int>(i)));
  return values;
}

std::vector<int> Values(const model::Curve& curve) {
  return std::vector<int>(curve.begin(), curve.end());
}

TEST(CurveDlgTest, OkStoresTheChartsAndNothingElse) {
  model::ConfigRecord record = CurveRecord();
  record.hip_curve[3] = 250;  // hostile values open clamped to the top edge
  record.ads_curve[20] = 201;
  model::ConfigRecord expected = record;
  expected.hip_curve[3] = 200;
  expected.ads_curve[20] = 200;
  expected.ads_curve[4] = 45;
  expected.ads_curve[5] = 0;

  testing::RecordingHost flow_host;
  CCurveDlg dialog(flow_host, record);
  RunDialog<CCurveDlg>(dialog, [](CCurveDlg& d) {
    toolkit::CChartUI* ads = d.AdsChart();
    ASSERT_NE(ads, nullptr);
    EXPECT_EQ(d.HipChart()->ValueOf(3), 200);
    ads->SetFocusIndex(4);
    ads->setFocus(Qt::OtherFocusReason);
    for (int i = 0; i < 5; ++i) QTest::keyClick(ads, Qt::Key_Up);
    // Point 5 (50) dragged to the bottom: its dot is centred at (55, 155).
    QTest::mousePress(ads, Qt::LeftButton, Qt::NoModifier, {55, 155});
    QTest::mouseMove(ads, {55, 400});
    QTest::mouseRelease(ads, Qt::LeftButton, Qt::NoModifier, {55, 400});
    Click(d, "btnOk");
  });
  EXPECT_TRUE(SameBytes(record, expected));
}

TEST(CurveDlgTest, ResetGameCurveAndCopyChangeOnlyTheCharts) {
  model::ConfigRecord record = CurveRecord();
  record.hip_curve[1] = 90;
  record.ads_curve[2] = 120;
  const model::ConfigRecord before = record;
  const model::CurvePair horizon = *model::PerGameCurves(kHorizonGameId);

  testing::RecordingHost flow_host;
  CCurveDlg dialog(flow_host, record);
  RunDialog<CCurveDlg>(dialog, [&](CCurveDlg& d) {
    Click(d, "btnHipReset");
    EXPECT_EQ(Values(d.HipChart()), Values(model::NeutralCurve()));
    Click(d, "btnAdsGame");
    EXPECT_EQ(Values(d.AdsChart()), Values(horizon.ads));
    Click(d, "btnHipGame");
    EXPECT_EQ(Values(d.HipChart()), Values(horizon.hip));
    Click(d, "btnAdsReset");
    Click(d, "btnAdsToHip");
    EXPECT_EQ(Values(d.HipChart()), Values(model::NeutralCurve()));
    Click(d, "btnAdsGame");
    Click(d, "btnHipToAds");
    EXPECT_EQ(Values(d.AdsChart()), Values(model::NeutralCurve()));
    // Imported chart coordinates show as they are and read back the same.
    const model::CurvePair imported{model::ChartFromCurve(horizon.hip), model::ChartFromCurve(horizon.ads)};
    d.ShowChartCurves(imported.hip, imported.ads);
    EXPECT_EQ(Values(d.AdsChart()), Values(horizon.ads));
    EXPECT_EQ(d.ChartCurves().hip, imported.hip);
    Click(d, "closebtn");
  });
  EXPECT_TRUE(SameBytes(record, before));

  CCurveDlg escaped(flow_host, record);
  RunDialog<CCurveDlg>(escaped, [](CCurveDlg& d) {
    Click(d, "btnHipReset");
    PressEscape(d);
  });
  EXPECT_TRUE(SameBytes(record, before));
}

TEST(CurveDlgTest, LeftControlShiftF12CopiesTheStoredCurves) {
  model::ConfigRecord record = CurveRecord();
  record.ads_curve[20] = 0xff;
  testing::RecordingHost flow_host;
  CCurveDlg dialog(flow_host, record);
  QString left;
  QString right;
  RunDialog<CCurveDlg>(dialog, [&](CCurveDlg& d) {
    Click(d, "btnHipReset");  // the charts' unsaved points are not what is copied
    QClipboard* clipboard = QGuiApplication::clipboard();
    QWidget* focus = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &d;
    const Qt::KeyboardModifiers both = Qt::ControlModifier | Qt::ShiftModifier;

    clipboard->setText(QStringLiteral("before"));
    SendKey(*focus, QEvent::KeyPress, Qt::Key_Control, kKeyRightCtrl, Qt::ControlModifier);
    SendKey(*focus, QEvent::KeyPress, Qt::Key_Shift, kKeyLeftShift, both);
    SendKey(*focus, QEvent::KeyPress, Qt::Key_F12, kKeyF12, both);
    right = clipboard->text();

    SendKey(*focus, QEvent::KeyRelease, Qt::Key_Control, kKeyRightCtrl, Qt::ShiftModifier);
    SendKey(*focus, QEvent::KeyPress, Qt::Key_Control, kKeyLeftCtrl, both);
    SendKey(*focus, QEvent::KeyPress, Qt::Key_F12, kKeyF12, both);
    left = clipboard->text();
  });
  EXPECT_EQ(right, "before");
  EXPECT_TRUE(left.startsWith("{0x00,0x0a,0x14,")) << left.toStdString();
  EXPECT_TRUE(left.endsWith(",0xbe,0xff}")) << left.toStdString();
  EXPECT_TRUE(left.contains("0xc8},\r\n{0x00")) << left.toStdString();
}

}  // namespace
}  // namespace torvane::editor
