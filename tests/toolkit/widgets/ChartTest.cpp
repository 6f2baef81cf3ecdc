#include "support/TestSkin.h"
#include "support/TestWindow.h"
#include "toolkit/CChartUI.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace torvane::toolkit {
namespace {

constexpr char kChartLayout[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<Window size="260,280">
  <VerticalLayout>
    <Chart name="chart" text="Test curve" width="210" height="210" />
    <Button name="after" text="After" height="30" />
  </VerticalLayout>
</Window>)";

class ChartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::InstallTestSkin({{"chart_wnd.xml", kChartLayout}});
    window_ = std::make_unique<testing::TestWindow>("chart_wnd.xml");
    ASSERT_TRUE(window_->Create(nullptr, "Chart"));
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    chart_ = window_->FindControl<CChartUI>(u"chart");
    ASSERT_NE(chart_, nullptr);
    std::array<std::uint8_t, 21> neutral{};
    for (std::size_t i = 0; i < neutral.size(); ++i) neutral[i] = static_cast<std::uint8_t>(10 * i);
    chart_->LoadCurve(neutral);
  }
  int Value(int index) const { return chart_->ValueOf(index); }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(chart_, key, modifiers); }

  std::unique_ptr<testing::TestWindow> window_;
  CChartUI* chart_ = nullptr;
};

TEST_F(ChartTest, LoadingSizesThePlotAndClampsValues) {
  EXPECT_EQ(chart_->GetFixedWidth(), 210);
  EXPECT_EQ(chart_->GetFixedHeight(), 210);
  ASSERT_EQ(chart_->GetPoints().size(), 21u);
  EXPECT_EQ(chart_->GetPoints()[7], QPoint(70, 130));
  CChartUI fresh;
  const std::uint8_t hostile[] = {0, 201, 255};
  fresh.LoadCurve(hostile);
  EXPECT_EQ(fresh.GetPoints()[1].y(), 0);
  EXPECT_EQ(fresh.GetPoints()[2].y(), 0);
  fresh.SetPoints({});
  EXPECT_EQ(fresh.GetPoints().size(), 3u);
  fresh.SetPoints({{0, 5}, {100, 7}});
  EXPECT_EQ(fresh.GetFixedWidth(), 110);
}

TEST_F(ChartTest, HitTestTakesTheDotsSquareWithoutItsRightAndBottomEdges) {
  // Point 10 is (100, 100), drawn centred at (105, 105) in the control.
  const std::pair<QPoint, int> cases[] = {{{100, 100}, 10}, {{109, 109}, 10}, {{110, 105}, -1},
                                          {{105, 110}, -1}, {{99, 105}, -1},  {{5, 205}, 0}};
  for (const auto& [pos, index] : cases) EXPECT_EQ(chart_->HitTest(pos), index) << pos.x() << "," << pos.y();
}

TEST_F(ChartTest, MouseDragsAPointVerticallyFromWhereItWasGrabbed) {
  QTest::mouseMove(chart_, {107, 103});
  EXPECT_EQ(chart_->GetHotIndex(), 10);
  EXPECT_EQ(chart_->cursor().shape(), Qt::PointingHandCursor);
  QTest::mousePress(chart_, Qt::LeftButton, Qt::NoModifier, {107, 103});
  EXPECT_TRUE(chart_->IsCaptured());
  EXPECT_EQ(chart_->GetSelectedIndex(), 10);
  EXPECT_EQ(chart_->GetHotIndex(), -1);

  QTest::mouseMove(chart_, {150, 73});  // 30 up; the point keeps its x
  EXPECT_EQ(chart_->GetPoints()[10], QPoint(100, 70));
  QTest::mouseMove(chart_, {107, 118});  // below its right neighbour: no ordering is kept
  EXPECT_EQ(Value(10), 85);
  EXPECT_EQ(Value(11), 110);
  QTest::mouseMove(chart_, {107, -400});
  EXPECT_EQ(Value(10), 200);
  QTest::mouseMove(chart_, {107, 900});
  EXPECT_EQ(Value(10), 0);
  QTest::mouseRelease(chart_, Qt::LeftButton, Qt::NoModifier, {107, 900});
  EXPECT_FALSE(chart_->IsCaptured());
  EXPECT_EQ(chart_->GetSelectedIndex(), -1);

  // A press beside every dot grabs nothing, and the drag after it moves nothing.
  QTest::mousePress(chart_, Qt::LeftButton, Qt::NoModifier, {2, 2});
  QTest::mouseMove(chart_, {2, 150});
  QTest::mouseRelease(chart_, Qt::LeftButton, Qt::NoModifier, {2, 150});
  EXPECT_EQ(Value(0), 0);
  EXPECT_EQ(Value(20), 200);
  EXPECT_EQ(chart_->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ChartTest, KeysMoveTheFocusedPointWithinThePlotAndWalkThePoints) {
  window_->FindControl(u"after")->setFocus(Qt::OtherFocusReason);
  chart_->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(chart_->hasFocus());
  EXPECT_EQ(chart_->GetFocusIndex(), 0);
  Key(Qt::Key_Down);  // already on the bottom edge
  EXPECT_EQ(Value(0), 0);
  for (int i = 0; i < 3; ++i) Key(Qt::Key_Up);
  EXPECT_EQ(Value(0), 3);
  Key(Qt::Key_Right);
  Key(Qt::Key_PageUp);
  EXPECT_EQ(Value(1), 20);
  Key(Qt::Key_Up, Qt::ControlModifier);  // not the chart's key
  EXPECT_EQ(Value(1), 20);
  Key(Qt::Key_End);
  Key(Qt::Key_PageUp);
  EXPECT_EQ(Value(20), 200);
  Key(Qt::Key_Home);
  Key(Qt::Key_Left);
  EXPECT_EQ(chart_->GetFocusIndex(), 0);

  // Tab walks the points, then leaves the chart; Shift+Tab comes back on the last point.
  for (int i = 0; i < 20; ++i) Key(Qt::Key_Tab);
  EXPECT_EQ(chart_->GetFocusIndex(), 20);
  EXPECT_TRUE(chart_->hasFocus());
  Key(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), window_->FindControl(u"after"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_TRUE(chart_->hasFocus());
  EXPECT_EQ(chart_->GetFocusIndex(), 20);
}

TEST_F(ChartTest, AssistiveTechnologyReadsAndSetsTheFocusedPoint) {
  chart_->setFocus(Qt::TabFocusReason);
  Key(Qt::Key_Right);
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(chart_);
  ASSERT_NE(accessible, nullptr);
  EXPECT_EQ(accessible->role(), QAccessible::Chart);
  EXPECT_EQ(accessible->text(QAccessible::Name), "Test curve");
  EXPECT_EQ(accessible->text(QAccessible::Value), "point 2 of 21: 10");
  QAccessibleValueInterface* value = accessible->valueInterface();
  ASSERT_NE(value, nullptr);
  value->setCurrentValue(150);
  EXPECT_EQ(Value(1), 150);
  value->setCurrentValue(999);
  EXPECT_EQ(value->currentValue().toInt(), 200);
}

}  // namespace
}  // namespace torvane::toolkit
