#include "dialogs/CListCtrlUI.h"
#include "dialogs/SmoothWheelScroll.h"
#include "support/TestSkin.h"
#include "support/TestWindow.h"
#include "toolkit/AttributeValues.h"
#include "toolkit/CListContainerElementUI.h"

#include <QAccessible>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace torvane::dialogs {
namespace {

using testing::TestWindow;
using toolkit::CControlUI;

// Three cards a row, 7 rows of 100 + 8 in a 368-high view: the list scrolls.
constexpr char kListLayout[] = R"(<Window size="840,400">
  <ListCtrl name="listctrl" columns="3" inset="8,8,8,8" childpadding="8" vscrollbar="true" />
</Window>)";
constexpr int kCards = 20;

struct Notice {
  QString type;
  QString user_data;
  std::intptr_t wparam;
  std::intptr_t lparam;
};

class ListCtrlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::InstallTestSkin({{"list_wnd.xml", kListLayout}});
    window_.factory = [this](const QString& element) -> CControlUI* {
      return toolkit::NameIs(element, u"listctrl") ? new CListCtrlUI(&window_.GetPaintManager()) : nullptr;
    };
    window_.on_notify = [this](toolkit::TNotifyUI& msg) {
      if (msg.type.startsWith(u"item")) notices_.push_back({msg.type, msg.sender_user_data, msg.wparam, msg.lparam});
    };
    ASSERT_TRUE(window_.Create(nullptr, "List")) << window_.GetBuildError().toStdString();
    list_ = window_.FindControl<CListCtrlUI>(u"listctrl");
    ASSERT_NE(list_, nullptr);
    for (int i = 0; i < kCards; ++i) {
      ASSERT_TRUE(list_->AddConfigItem({QStringLiteral("Game %1").arg(i), {}, "logo.png", {}, 0}));
    }
    window_.ShowWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
    list_->LayoutIfPending();
  }

  toolkit::CListContainerElementUI* Card(int index) const {
    return dynamic_cast<toolkit::CListContainerElementUI*>(list_->GetItemAt(index));
  }
  // Wheel notches at the list's centre (negative: down).
  void Wheel(int notches) {
    const QPointF at = QRectF(list_->rect()).center();
    QWheelEvent event(at, list_->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(list_, &event);
  }

  TestWindow window_{"list_wnd.xml", "ListWnd"};
  CListCtrlUI* list_ = nullptr;
  std::vector<Notice> notices_;
};

TEST_F(ListCtrlTest, CardsComeFromTheTemplateWithTheirTextsImageAndColour) {
  ASSERT_TRUE(list_->AddConfigItem({"Race", "F1", "Custom Game.png", "Startup", 0xFFFF8000}));
  list_->LayoutIfPending();
  CControlUI* card = list_->GetItemAt(kCards);
  EXPECT_EQ(list_->GetClass(), "ListCtrlUI");
  EXPECT_EQ(card->GetUserData(), "ListCtrlItem");
  EXPECT_EQ(card->size(), QSize(250, 100));
  EXPECT_EQ(card->findChild<CControlUI*>("filename")->GetText(), "Race");
  EXPECT_EQ(card->findChild<CControlUI*>("description")->GetText(), "F1");
  EXPECT_EQ(card->findChild<CControlUI*>("startup")->GetText(), "Startup");
  EXPECT_EQ(card->findChild<CControlUI*>("logo")->GetBkImage(), "Custom Game.png");
  EXPECT_EQ(card->findChild<CControlUI*>("color")->GetBkColor(), 0xFFFF8000u);
  EXPECT_TRUE(card->findChild<CControlUI*>("color")->IsVisible());
  EXPECT_FALSE(Card(0)->findChild<CControlUI*>("color")->IsVisible());  // colour 0

  ASSERT_TRUE(list_->AddMacroItem({"Reload", "R", "Press", {}}));
  CControlUI* macro = list_->GetItemAt(kCards + 1);
  EXPECT_EQ(macro->GetUserData(), "ListCtrlMacroItem");
  EXPECT_EQ(macro->findChild<CControlUI*>("macro_name")->GetText(), "Reload");
  EXPECT_EQ(macro->findChild<CControlUI*>("macro_hotkey")->GetText(), "R");
  EXPECT_EQ(macro->findChild<CControlUI*>("macro_trigger_mode")->GetText(), "Press");
  EXPECT_EQ(Card(kCards + 1)->GetIndex(), kCards + 1);
}

TEST_F(ListCtrlTest, ATemplateThatCannotBeReadAddsNothing) {
  testing::InstallTestSkin({{"list_wnd.xml", kListLayout}, {"macro_manager_listctrl_item.xml", "<broken"}});
  CListCtrlUI fresh(&window_.GetPaintManager());
  EXPECT_FALSE(fresh.AddMacroItem({"Reload", "R", "Press", {}}));
  EXPECT_EQ(fresh.GetCount(), 0);
}

TEST_F(ListCtrlTest, ArrowsMoveByCardAndRowHomeAndEndJumpAndTheSelectionScrollsIntoView) {
  Card(1)->setFocus(Qt::TabFocusReason);
  struct Step {
    Qt::Key key;
    int selected;
  };
  // With nothing selected, the first arrow selects the focused card.
  const Step steps[] = {{Qt::Key_Down, 1},          {Qt::Key_Left, 0}, {Qt::Key_Right, 1}, {Qt::Key_Down, 4},
                        {Qt::Key_Left, 3},          {Qt::Key_Up, 0},   {Qt::Key_Up, 0},    {Qt::Key_End, kCards - 1},
                        {Qt::Key_Down, kCards - 1}, {Qt::Key_Home, 0}};
  for (const Step& step : steps) {
    QTest::keyClick(QApplication::focusWidget(), step.key);
    EXPECT_EQ(list_->GetCurSel(), step.selected) << step.key;
    EXPECT_EQ(QApplication::focusWidget(), Card(step.selected)) << step.key;
    const QRect view = list_->rect().marginsRemoved(list_->GetInset());
    EXPECT_TRUE(view.contains(Card(step.selected)->geometry())) << step.key;
  }
  EXPECT_GT(list_->GetScrollRange(), 0);
}

TEST_F(ListCtrlTest, SelectionNotifiesNewAndOldIndexAndActivationSelectsFirst) {
  QTest::mouseClick(Card(2), Qt::LeftButton);
  ASSERT_EQ(notices_.size(), 1u);
  EXPECT_EQ(notices_[0].type, "itemselect");
  EXPECT_EQ(notices_[0].wparam, 2);
  EXPECT_EQ(notices_[0].lparam, -1);

  // Enter on a focused card that is not selected: selected, then activated.
  Card(4)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Card(4), Qt::Key_Return);
  ASSERT_EQ(notices_.size(), 3u);
  EXPECT_EQ(notices_[1].type, "itemselect");
  EXPECT_EQ(notices_[1].wparam, 4);
  EXPECT_EQ(notices_[1].lparam, 2);
  EXPECT_EQ(notices_[2].type, "itemactivate");
  EXPECT_EQ(notices_[2].user_data, "ListCtrlItem");
  EXPECT_EQ(notices_[2].wparam, 4);

  // Space selects the focused card; a double click selects and activates.
  Card(5)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Card(5), Qt::Key_Space);
  EXPECT_EQ(list_->GetCurSel(), 5);
  notices_.clear();
  QTest::mouseDClick(Card(7), Qt::LeftButton);
  EXPECT_EQ(list_->GetCurSel(), 7);
  ASSERT_FALSE(notices_.empty());
  EXPECT_EQ(notices_.back().type, "itemactivate");
  EXPECT_EQ(notices_.back().wparam, 7);
}

TEST_F(ListCtrlTest, TypingTheStartOfANameSelectsTheNextCardWithIt) {
  list_->AddConfigItem({"Doom", {}, {}, {}, 0});
  list_->AddConfigItem({"Destiny", {}, {}, {}, 0});
  list_->AddConfigItem({"Doom Eternal", {}, {}, {}, 0});
  Card(0)->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(Card(0), "de");
  EXPECT_EQ(list_->GetCurSel(), kCards + 1);
  QTest::qWait(CListCtrlUI::kTypeAheadMs + 100);
  // A new letter searches on from the selected card; the same letter again steps to the next name with it.
  QTest::keyClick(QApplication::focusWidget(), 'd');
  EXPECT_EQ(list_->GetCurSel(), kCards + 2);
  QTest::keyClick(QApplication::focusWidget(), 'd');
  EXPECT_EQ(list_->GetCurSel(), kCards);
}

TEST_F(ListCtrlTest, CardsAndTheListDescribeThemselvesToAssistiveTechnology) {
  ASSERT_TRUE(list_->SelectItem(3));
  QAccessibleInterface* card = QAccessible::queryAccessibleInterface(Card(3));
  ASSERT_NE(card, nullptr);
  EXPECT_EQ(card->role(), QAccessible::ListItem);
  EXPECT_EQ(card->text(QAccessible::Name), "Game 3");
  EXPECT_TRUE(card->state().selectable);
  EXPECT_TRUE(card->state().selected);
  EXPECT_FALSE(QAccessible::queryAccessibleInterface(Card(2))->state().selected);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(list_)->role(), QAccessible::List);

  notices_.clear();
  QAccessible::queryAccessibleInterface(Card(6))->actionInterface()->doAction(
      QAccessibleActionInterface::pressAction());
  QCoreApplication::processEvents();  // the press is carried out after the action's reply
  EXPECT_EQ(list_->GetCurSel(), 6);
  ASSERT_FALSE(notices_.empty());
  EXPECT_EQ(notices_.back().type, "itemactivate");
}

TEST_F(ListCtrlTest, AWheelNotchScrollsSmoothlyAndStopsAtTheEnds) {
  Wheel(-1);
  EXPECT_EQ(list_->GetWheelScroll().Delta(), -8);
  EXPECT_EQ(list_->GetWheelScroll().Steps(), 10);
  QTRY_VERIFY(!list_->GetWheelScroll().IsRunning());
  EXPECT_EQ(list_->GetScrollPos(), 6 + 5 + 3 + 2 + 2 + 1);
  Wheel(3);
  QTRY_VERIFY(!list_->GetWheelScroll().IsRunning());
  EXPECT_EQ(list_->GetScrollPos(), 0);
}

TEST(SmoothWheelScrollTest, NotchesSetTheAmountAndTheSteps) {
  struct Case {
    std::vector<bool> notches;  // true: up
    int delta;
    int steps;
  };
  const Case cases[] = {
      {{false}, -8, 10},                       // trunc(sqrt(8)) * 5
      {{false, false}, -16, 20},               // the running -8 and another -8
      {{true}, 8, 10},                         //
      {{false, true}, 4, 10},                  // against the running -8: -8 + 12
      {std::vector<bool>(30, true), 100, 50},  // clamped
  };
  for (const Case& c : cases) {
    SmoothWheelScroll scroll;
    for (const bool up : c.notches) scroll.Wheel(up);
    EXPECT_EQ(scroll.Delta(), c.delta) << c.notches.size();
    EXPECT_EQ(scroll.Steps(), c.steps) << c.notches.size();
    EXPECT_EQ(scroll.StepsLeft(), c.steps);
  }
}

TEST(SmoothWheelScrollTest, StepsShrinkQuadraticallyAndEndAtZeroOrAtTheEdge) {
  SmoothWheelScroll scroll;
  scroll.Wheel(false);
  std::vector<int> moves;
  for (int move = scroll.Tick(0, 1000); move != 0; move = scroll.Tick(0, 1000)) moves.push_back(move);
  EXPECT_EQ(moves, (std::vector<int>{6, 5, 3, 2, 2, 1}));
  EXPECT_FALSE(scroll.IsRunning());

  scroll.Wheel(false);
  EXPECT_EQ(scroll.Tick(1000, 1000), 0);  // already at the end
  EXPECT_FALSE(scroll.IsRunning());
  scroll.Wheel(true);
  EXPECT_EQ(scroll.Tick(0, 1000), 0);  // already at the start
  EXPECT_EQ(scroll.Delta(), 0);
}

}  // namespace
}  // namespace torvane::dialogs
