#include "support/TestSkin.h"
#include "support/TestWindow.h"
#include "toolkit/CButtonUI.h"
#include "toolkit/CComboUI.h"
#include "toolkit/CEditUI.h"
#include "toolkit/CListContainerElementUI.h"
#include "toolkit/CListUI.h"
#include "toolkit/COptionUI.h"
#include "toolkit/TNotifyUI.h"
#include "toolkit/Theme.h"
#include "toolkit/widgets/TestLayouts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace torvane::toolkit {
namespace {

using testing::TestWindow;

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::InstallTestSkin({{"test_wnd.xml", testing::kTestWindowLayout}});
    window_ = std::make_unique<TestWindow>("test_wnd.xml");
    ASSERT_TRUE(window_->Create(nullptr, "Controls"));
    window_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  }
  QStringList Notifications(const QString& type) const {
    QStringList found;
    for (const QString& entry : window_->log) {
      if (entry.startsWith("own:" + type + ":")) found.append(entry.section(':', 2));
    }
    return found;
  }

  std::unique_ptr<TestWindow> window_;
};

TEST_F(ControlsTest, ANumericEditRefusesKeystrokesThatLeaveItsRange) {
  auto* edit = window_->FindControl<CEditUI>(u"editStrength");
  QLineEdit* line = edit->GetLineEdit();
  line->setFocus(Qt::MouseFocusReason);
  QTest::keyClicks(line, "1000");
  EXPECT_EQ(edit->GetText(), "100");
  line->clear();
  QTest::keyClicks(line, "0x7");
  EXPECT_EQ(edit->GetText(), "7");
  // The program may show any stored value; only typing is held to the range.
  edit->SetText("250");
  EXPECT_EQ(line->text(), "250");
}

TEST_F(ControlsTest, EditsReportTypingAndLeavingButNotProgramChangesOrDeactivation) {
  auto* name = window_->FindControl<CEditUI>(u"editName");
  name->GetLineEdit()->setFocus(Qt::MouseFocusReason);
  name->SetText("set by program");
  // Whoever is told of a keystroke reads the text it made.
  QStringList read;
  window_->on_notify = [&read](TNotifyUI& msg) {
    if (msg.Is(notify::kTextChanged)) read.append(msg.sender->GetText());
  };
  QTest::keyClicks(name->GetLineEdit(), "ab");
  window_->on_notify = nullptr;
  EXPECT_EQ(Notifications("textchanged"), QStringList({"editName", "editName"}));
  EXPECT_EQ(read, QStringList({"set by programa", "set by programab"}));

  // Another window taking the activation is not leaving the field.
  TestWindow other("test_wnd.xml");
  ASSERT_TRUE(other.Create(nullptr, "Other"));
  other.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_TRUE(Notifications("killfocus").isEmpty());
  other.hide();
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(Notifications("killfocus"), QStringList({"editName"}));
  EXPECT_EQ(QApplication::focusWidget(), window_->FindControl<CEditUI>(u"editStrength")->GetLineEdit());
}

TEST_F(ControlsTest, TabVisitsControlsInReadingOrder) {
  QStringList order;
  window_->setFocus(Qt::OtherFocusReason);
  for (int i = 0; i < 8; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    while (focus && !dynamic_cast<CControlUI*>(focus)) focus = focus->parentWidget();
    order.append(focus ? focus->objectName() : QStringLiteral("?"));
  }
  EXPECT_EQ(order,
            QStringList({"closebtn", "editName", "editStrength", "btnOk", "optA", "optB", "optCheck", "comboKind"}));
}

TEST_F(ControlsTest, OptionsOfAGroupExcludeEachOtherAndReportChanges) {
  auto* a = window_->FindControl<COptionUI>(u"optA");
  auto* b = window_->FindControl<COptionUI>(u"optB");
  auto* check = window_->FindControl<COptionUI>(u"optCheck");
  QTest::mouseClick(a, Qt::LeftButton);
  EXPECT_TRUE(a->IsSelected());
  QTest::mouseClick(b, Qt::LeftButton);
  EXPECT_TRUE(b->IsSelected());
  EXPECT_FALSE(a->IsSelected());
  QTest::mouseClick(b, Qt::LeftButton);  // a grouped option stays selected
  EXPECT_TRUE(b->IsSelected());
  EXPECT_EQ(Notifications("selectchanged"), QStringList({"optA", "optB"}));
  EXPECT_EQ(window_->log.mid(0, 2), QStringList({"own:click:optA", "default:click:optA"}));

  QTest::mouseClick(check, Qt::LeftButton);
  QTest::mouseClick(check, Qt::LeftButton);
  EXPECT_FALSE(check->IsSelected());
  a->Selected(true);  // by program: no notification
  EXPECT_FALSE(b->IsSelected());
  EXPECT_EQ(Notifications("selectchanged").size(), 4);
}

TEST_F(ControlsTest, ACombosItemSelectComesFromThePlayersChoiceOnly) {
  auto* combo = window_->FindControl<CComboUI>(u"comboKind");
  EXPECT_EQ(combo->GetCurSel(), -1);
  window_->on_notify = [](TNotifyUI& msg) {
    if (msg.type == "itemselect") {
      EXPECT_EQ(msg.wparam, 2);
      EXPECT_EQ(msg.lparam, -1);
    }
  };
  combo->GetComboBox()->setFocus();
  QTest::keyClick(combo->GetComboBox(), Qt::Key_End);
  EXPECT_EQ(combo->GetCurSel(), 2);
  EXPECT_EQ(Notifications("itemselect"), QStringList({"comboKind"}));
  window_->on_notify = nullptr;

  EXPECT_TRUE(combo->SelectItem(0));
  EXPECT_EQ(Notifications("itemselect").size(), 1);
  EXPECT_TRUE(combo->SelectItem(1, false, true));
  EXPECT_EQ(Notifications("itemselect").size(), 2);
  EXPECT_FALSE(combo->SelectItem(3));
  EXPECT_EQ(combo->GetCurSel(), 1);
  combo->RemoveAll();
  EXPECT_TRUE(combo->AddItem("  200°"));
  EXPECT_EQ(combo->GetCurSel(), -1);  // filling a combo selects nothing by itself
}

// A field's state for the look tests, put on the widget itself.
struct FieldState {
  const char* name;
  bool hovered;
  bool focused;
  bool enabled;
};
constexpr FieldState kPlain{"plain", false, false, true};
constexpr FieldState kStates[] = {
    kPlain, {"hovered", true, false, true}, {"focused", false, true, true}, {"disabled", false, false, false}};

QImage Shot(QWidget* widget, const FieldState& state) {
  widget->setAttribute(Qt::WA_UnderMouse, state.hovered);
  if (state.focused) {
    widget->setFocus(Qt::TabFocusReason);
  } else {
    widget->clearFocus();
  }
  // On one backdrop: the round corners show what lies behind.
  QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(theme::Color(theme::kWindow));
  widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  return image;
}

// The combo's chevron covered: the sheet hides Qt's arrow, and the combo draws its own there.
QImage ComboShot(QWidget* widget, const FieldState& state) {
  QImage image = Shot(widget, state);
  QPainter(&image).fillRect(image.width() - 24, 0, 24, image.height(), Qt::black);
  return image;
}

// Shoots `field` and `carrier` (which carries the theme's sheet itself) in every state: they must come out the same,
// and each state must show. Returns the plain shot.
template <class ShotOf>
QImage ExpectTheCarriersLookInEveryState(CControlUI& control, QWidget& field, QWidget& carrier, ShotOf shot) {
  QImage plain;
  for (const FieldState& state : kStates) {
    control.SetEnabled(state.enabled);
    carrier.setEnabled(state.enabled);
    carrier.setStyleSheet(theme::NativeStyleSheet(!state.enabled));
    const QImage painted = shot(&field, state);
    EXPECT_EQ(painted, shot(&carrier, state)) << state.name;
    if (state.name == kPlain.name) {
      plain = painted;
    } else {
      EXPECT_NE(painted, plain) << state.name;  // each state shows
    }
  }
  control.SetEnabled(true);
  carrier.setEnabled(true);
  return plain;
}

// Fields look as if they carried their style sheet, without carrying it (see SheetLooks.h): each must come out
// exactly as a field that carries it, in every state; a combo's dropped-down list takes its look from the sheet.
TEST_F(ControlsTest, CombosLookAsACarriedStyleSheetPaintsThemInEveryState) {
  auto* control = window_->FindControl<CComboUI>(u"comboKind");
  ASSERT_TRUE(control->SelectItem(1));
  QComboBox* combo = control->GetComboBox();
  QComboBox carrier(window_.get());
  carrier.addItems({"First", "Second", "Third"});
  carrier.setCurrentIndex(1);
  carrier.setGeometry(QRect(QPoint(0, 0), combo->size()));
  carrier.show();
  const QImage unstyled = ExpectTheCarriersLookInEveryState(*control, *combo, carrier, ComboShot);

  combo->showPopup();
  const QImage list = combo->view()->grab().toImage();
  combo->hidePopup();
  EXPECT_EQ(list.pixelColor(list.width() - 3, list.height() - 3), theme::Color(theme::kPanel));
  EXPECT_EQ(ComboShot(combo, kPlain), unstyled);
}

TEST_F(ControlsTest, EditsLookAsACarriedStyleSheetPaintsThemInEveryState) {
  auto* control = window_->FindControl<CEditUI>(u"editName");
  control->SetText("Call of Duty");
  QLineEdit* edit = control->GetLineEdit();
  QLineEdit carrier("Call of Duty", window_.get());
  carrier.setFont(edit->font());
  carrier.setGeometry(QRect(QPoint(0, 0), edit->size()));
  carrier.show();
  const auto compare = [&](const FieldState& state, const QString& sheet) {
    carrier.setStyleSheet(sheet);
    const QImage painted = Shot(edit, state);
    EXPECT_EQ(painted, Shot(&carrier, state)) << state.name;
    return painted;
  };
  ExpectTheCarriersLookInEveryState(*control, *edit, carrier, Shot);

  edit->selectAll();
  carrier.selectAll();
  compare({"selected", false, true, true}, theme::NativeStyleSheet());
  control->SetAttribute("tipvalue", "Game name");
  control->SetText(QString());
  carrier.setPlaceholderText("Game name");
  carrier.clear();
  compare({"hint", false, false, true}, theme::NativeStyleSheet());
  control->SetText("Call of Duty");
  control->SetAttribute("textcolor", "#FFFF5A5A");
  carrier.setText("Call of Duty");
  compare({"coloured", false, false, true}, theme::NativeStyleSheet() + "QLineEdit { color: #ffff5a5a; }");
}

TEST(LabelTextTest, WideFormsWithoutAGlyphAreDrawnInTheirNormalForm) {
  const QFont font = theme::Font(theme::kFontBody);
  const QString text = QStringLiteral("Ver\uFF1A4.5 \uFF21");  // fullwidth colon and fullwidth A
  QString expected = QStringLiteral("Ver");
  expected += QFontMetrics(font).inFontUcs4(0xFF1A) ? QStringLiteral("\uFF1A") : QStringLiteral(": ");
  expected += QStringLiteral("4.5 ");
  expected += QFontMetrics(font).inFontUcs4(0xFF21) ? QStringLiteral("\uFF21") : QStringLiteral("A");
  EXPECT_EQ(CLabelUI::DrawableText(text, font), expected);
  EXPECT_EQ(CLabelUI::DrawableText(QStringLiteral("Plain: text"), font), "Plain: text");
}

class ListFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 5; ++i) {
      auto* item = new CListContainerElementUI;
      item->SetName(QStringLiteral("item%1").arg(i));
      item->SetFixedHeight(20);
      ASSERT_TRUE(list_.Add(item));
    }
  }
  CListContainerElementUI* Item(int index) { return dynamic_cast<CListContainerElementUI*>(list_.GetItemAt(index)); }
  CListUI list_;
};

TEST_F(ListFixture, ItemsAreNumberedAndTheSelectionFollowsInsertionsAndRemovals) {
  ASSERT_TRUE(list_.SelectItem(3));
  EXPECT_TRUE(Item(3)->IsSelected());
  ASSERT_TRUE(list_.RemoveAt(1));
  EXPECT_EQ(list_.GetCurSel(), 2);
  EXPECT_EQ(Item(2)->GetName(), "item3");
  EXPECT_EQ(Item(2)->GetIndex(), 2);
  EXPECT_EQ(Item(3)->GetIndex(), 3);

  auto* inserted = new CListContainerElementUI;
  ASSERT_TRUE(list_.AddAt(inserted, 0));
  EXPECT_EQ(list_.GetCurSel(), 3);
  EXPECT_EQ(inserted->GetIndex(), 0);
  EXPECT_EQ(inserted->GetOwner(), &list_);

  ASSERT_TRUE(list_.Remove(Item(3)));
  EXPECT_EQ(list_.GetCurSel(), -1);
}

TEST_F(ListFixture, SelectingRefusesBadIndexesAndDisabledItemsAndClearsTheOldSelection) {
  ASSERT_TRUE(list_.SelectItem(1));
  EXPECT_TRUE(list_.SelectItem(1));  // the selected index: at once
  EXPECT_FALSE(list_.SelectItem(7));
  EXPECT_EQ(list_.GetCurSel(), -1);
  EXPECT_FALSE(Item(1)->IsSelected());
  Item(4)->SetEnabled(false);
  EXPECT_FALSE(list_.SelectItem(4));
  EXPECT_EQ(list_.GetCurSel(), -1);
  EXPECT_TRUE(list_.SelectItem(-1));  // nothing selected already: at once
  ASSERT_TRUE(list_.SelectItem(2));
  EXPECT_FALSE(list_.SelectItem(-1));  // clears the selection, but selects nothing
  EXPECT_EQ(list_.GetCurSel(), -1);
  EXPECT_FALSE(Item(2)->IsSelected());
  list_.RemoveAll();
  EXPECT_EQ(list_.GetCount(), 0);
  EXPECT_FALSE(list_.SelectItem(0));
}

}  // namespace
}  // namespace torvane::toolkit
