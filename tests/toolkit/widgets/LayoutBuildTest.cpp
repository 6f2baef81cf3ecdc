#include "toolkit/AttributeValues.h"
#include "toolkit/CComboUI.h"
#include "toolkit/CContainerUI.h"
#include "toolkit/CDialogBuilder.h"
#include "toolkit/CEditUI.h"
#include "toolkit/CLabelUI.h"
#include "toolkit/COptionUI.h"
#include "toolkit/CPaintManagerUI.h"
#include "toolkit/CProgressUI.h"
#include "toolkit/CScrollBarUI.h"
#include "toolkit/CTabLayoutUI.h"
#include "toolkit/CTileLayoutUI.h"
#include "toolkit/IDialogBuilderCallback.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

namespace torvane::toolkit {
namespace {

// Builds a layout into a free-standing control tree of the given size, laid out at once.
class LayoutBuildTest : public ::testing::Test {
 protected:
  CControlUI* Build(const char* xml, QSize size = QSize(400, 300), IDialogBuilderCallback* callback = nullptr) {
    CDialogBuilder builder;
    EXPECT_TRUE(builder.LoadXml(xml)) << builder.GetError().toStdString();
    root_.reset(builder.Create(callback, &manager_));
    warnings_ = builder.GetWarnings();
    if (!root_) return nullptr;
    manager_.AttachRoot(root_.get());
    root_->setGeometry(QRect(QPoint(0, 0), size));
    Arrange();
    return root_.get();
  }
  void Arrange() {
    QCoreApplication::sendPostedEvents();
    if (auto* container = dynamic_cast<CContainerUI*>(root_.get())) container->ArrangeNow();
  }
  template <class T = CControlUI>
  T* Find(const char16_t* name) {
    return dynamic_cast<T*>(manager_.FindControl(name));
  }

  CPaintManagerUI manager_;
  std::unique_ptr<CControlUI> root_;
  QStringList warnings_;
};

TEST_F(LayoutBuildTest, VerticalLayoutGivesFixedHeightsFirstAndSharesTheRest) {
  Build(R"(<VerticalLayout inset="10,10,10,10" childpadding="5">
             <Control name="top" height="50"/>
             <Control name="a" padding="4,0,4,0"/>
             <Control name="b" width="100"/>
           </VerticalLayout>)",
        QSize(200, 300));
  // 280 inner height - 50 fixed - 2 * 5 gaps = 220, shared by the two others.
  EXPECT_EQ(Find(u"top")->geometry(), QRect(10, 10, 180, 50));
  EXPECT_EQ(Find(u"a")->geometry(), QRect(14, 65, 172, 110));
  EXPECT_EQ(Find(u"b")->geometry(), QRect(10, 180, 100, 110));
}

TEST_F(LayoutBuildTest, HorizontalLayoutAlignsAFixedRowToTheRight) {
  Build(R"(<HorizontalLayout inset="16,16,16,16" childpadding="8" childalign="right" childvalign="vcenter">
             <Control name="ok" width="96" height="32"/>
             <Control name="cancel" width="96" height="32"/>
           </HorizontalLayout>)",
        QSize(500, 64));
  EXPECT_EQ(Find(u"ok")->geometry(), QRect(500 - 16 - 96 - 8 - 96, 16, 96, 32));
  EXPECT_EQ(Find(u"cancel")->geometry(), QRect(500 - 16 - 96, 16, 96, 32));
}

TEST_F(LayoutBuildTest, HiddenChildrenTakeNoSpaceUntilShown) {
  Build(R"(<VerticalLayout>
             <Control name="row1" height="40" visible="false"/>
             <Control name="rest"/>
           </VerticalLayout>)",
        QSize(100, 100));
  EXPECT_EQ(Find(u"rest")->geometry(), QRect(0, 0, 100, 100));
  Find(u"row1")->SetVisible(true);
  Arrange();
  EXPECT_EQ(Find(u"rest")->geometry(), QRect(0, 40, 100, 60));
}

TEST_F(LayoutBuildTest, TabLayoutShowsTheSelectedPageOnly) {
  Build(R"(<TabLayout name="tab" selectedid="2">
             <Control name="p0"/><Control name="p1"/><Control name="p2"/>
           </TabLayout>)");
  auto* tab = Find<CTabLayoutUI>(u"tab");
  ASSERT_NE(tab, nullptr);
  EXPECT_EQ(tab->GetCurSel(), 2);
  EXPECT_FALSE(Find(u"p0")->IsVisible());
  EXPECT_TRUE(Find(u"p2")->IsVisible());
  EXPECT_EQ(Find(u"p2")->geometry(), QRect(0, 0, 400, 300));
  EXPECT_TRUE(tab->SelectItem(0));
  EXPECT_TRUE(Find(u"p0")->IsVisible());
  EXPECT_FALSE(Find(u"p2")->IsVisible());
  EXPECT_FALSE(tab->SelectItem(3));
  EXPECT_FALSE(tab->SelectItem(-1));
  EXPECT_EQ(tab->GetCurSel(), 0);
}

TEST_F(LayoutBuildTest, HiddenPagesAreBuiltOnTheirFirstUse) {
  Build(R"(<TabLayout name="tab" selectedid="1">
             <VerticalLayout name="p0"><Button name="b0" text="Zero"/></VerticalLayout>
             <VerticalLayout name="p1"><Button name="b1" text="One"/></VerticalLayout>
             <VerticalLayout name="p2" inset="4,4,4,4">
               <TabLayout name="inner">
                 <VerticalLayout name="i0"><Control name="c0"/></VerticalLayout>
                 <VerticalLayout name="i1"><Control name="c1"/></VerticalLayout>
               </TabLayout>
               <HorizontalLayout><Label text="Speed:"/><Edit name="e2"/></HorizontalLayout>
             </VerticalLayout>
           </TabLayout>)");
  auto* tab = Find<CTabLayoutUI>(u"tab");
  ASSERT_NE(tab, nullptr);
  ASSERT_EQ(tab->GetCount(), 3);
  const auto built = [this](const char* name) { return root_->findChild<CControlUI*>(QString::fromLatin1(name)); };
  // The pages themselves stand, with their attributes; the controls of the hidden ones wait.
  EXPECT_EQ(tab->GetItemAt(0)->GetName(), "p0");
  EXPECT_EQ(dynamic_cast<CContainerUI*>(tab->GetItemAt(2))->GetInset(), QMargins(4, 4, 4, 4));
  EXPECT_NE(built("b1"), nullptr);
  EXPECT_EQ(built("b0"), nullptr);
  EXPECT_EQ(built("e2"), nullptr);
  // Showing a page builds it; so does looking up one of its controls, or the page itself, by name.
  EXPECT_TRUE(tab->SelectItem(0));
  EXPECT_NE(built("b0"), nullptr);
  EXPECT_TRUE(Find(u"b0")->IsVisible());
  auto* edit = Find<CEditUI>(u"e2");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->GetLineEdit()->accessibleName(), "Speed");  // named by its label, as a window's fields are
  // A tab layout on a page built late waits in turn; a lookup in a page built already builds nothing more.
  EXPECT_NE(built("c0"), nullptr);
  EXPECT_NE(built("i1"), nullptr);
  EXPECT_EQ(built("c1"), nullptr);
  EXPECT_NE(Find(u"c1"), nullptr);
  EXPECT_FALSE(manager_.BuildDeferred(tab->GetItemAt(2)));
}

TEST_F(LayoutBuildTest, TileLayoutFillsRowsOfEqualColumns) {
  Build(R"(<TileLayout name="tiles" columns="3" inset="10,10,10,10" childpadding="10">
             <Control name="t0" height="100"/><Control name="t1" height="100"/><Control name="t2" height="100"/>
             <Control name="t3" height="100"/>
           </TileLayout>)",
        QSize(800, 600));
  // (780 - 2 * 10) / 3 = 253 per column.
  EXPECT_EQ(Find(u"t0")->geometry(), QRect(10, 10, 253, 100));
  EXPECT_EQ(Find(u"t2")->geometry(), QRect(10 + 2 * 263, 10, 253, 100));
  EXPECT_EQ(Find(u"t3")->geometry(), QRect(10, 120, 253, 100));
}

TEST_F(LayoutBuildTest, FloatingChildrenSitAtTheirPosition) {
  Build(R"(<VerticalLayout>
             <Control name="flow" height="20"/>
             <Control name="floating" float="true" pos="30,40,130,90"/>
           </VerticalLayout>)");
  EXPECT_EQ(Find(u"floating")->geometry(), QRect(30, 40, 100, 50));
  EXPECT_EQ(Find(u"flow")->geometry(), QRect(0, 0, 400, 20));
}

TEST_F(LayoutBuildTest, OverflowingContentScrollsAndTheWheelMovesIt) {
  Build(R"(<VerticalLayout name="list" vscrollbar="true">
             <Control name="c0" height="100"/><Control name="c1" height="100"/><Control name="c2" height="100"/>
           </VerticalLayout>)",
        QSize(200, 150));
  auto* list = Find<CContainerUI>(u"list");
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->GetScrollRange(), 150);
  EXPECT_LT(Find(u"c0")->width(), 200);  // room made for the bar
  list->SetScrollPos(60);
  EXPECT_EQ(Find(u"c1")->y(), 100 - 60);
  list->SetScrollPos(1000);
  EXPECT_EQ(list->GetScrollPos(), 150);

  QWheelEvent up(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                 Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(list, &up);
  EXPECT_EQ(list->GetScrollPos(), 150 - list->GetVerticalScrollBar()->GetLineSize());
}

TEST_F(LayoutBuildTest, DefaultsComeFirstAndStylesApplyWhereTheyStand) {
  Build(R"(<Window size="300,200">
             <Default name="Label" value="textcolor=&quot;#FF112233&quot; text=&quot;from default&quot;"/>
             <Style name="warn" value="textcolor=&quot;#FFFF0000&quot;"/>
             <VerticalLayout>
               <Label name="plain"/>
               <Label name="own" text="own text"/>
               <Label name="styled" style="warn"/>
               <Label name="restyled" style="warn" textcolor="#FF00FF00"/>
             </VerticalLayout>
           </Window>)");
  EXPECT_EQ(manager_.GetWindowAttributes().size, QSize(300, 200));
  EXPECT_EQ(Find(u"plain")->GetText(), "from default");
  EXPECT_EQ(Find(u"plain")->GetTextColor(), 0xFF112233u);
  EXPECT_EQ(Find(u"own")->GetText(), "own text");
  EXPECT_EQ(Find(u"styled")->GetTextColor(), 0xFFFF0000u);
  EXPECT_EQ(Find(u"restyled")->GetTextColor(), 0xFF00FF00u);
}

TEST_F(LayoutBuildTest, AttributesReachTheirControls) {
  Build(R"(<VerticalLayout>
             <Label name="lbl" text="Name:" userdata="ListCtrlItem" bkcolor="#FF1E232B" bkimage="logo.png"
                    align="right" textpadding="10,0,0,0" enabled="false" width="120" font="2"/>
             <Edit name="edit" maxchar="39" numberonly="true" min="1" max="100" text="50"/>
             <Option name="opt" group="g" selected="true"/>
             <Progress name="bar" min="0" max="200" value="50" hor="false"/>
             <Combo name="combo">
               <ListLabelElement text="Circle"/>
               <ListLabelElement text="Square" selected="true"/>
             </Combo>
           </VerticalLayout>)");
  auto* label = Find<CLabelUI>(u"lbl");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->GetUserData(), "ListCtrlItem");
  EXPECT_EQ(label->GetBkColor(), 0xFF1E232Bu);
  EXPECT_EQ(label->GetBkImage(), "logo.png");
  EXPECT_EQ(label->GetTextAlign(), Qt::AlignRight | Qt::AlignVCenter);
  EXPECT_EQ(label->GetTextPadding(), QMargins(10, 0, 0, 0));
  EXPECT_FALSE(label->IsEnabled());
  EXPECT_EQ(label->GetFixedWidth(), 120);
  EXPECT_EQ(label->GetFont(), 2);

  auto* edit = Find<CEditUI>(u"edit");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->GetMaxChar(), 39);
  EXPECT_TRUE(edit->IsNumberOnly());
  EXPECT_EQ(edit->GetMinNumber(), 1);
  EXPECT_EQ(edit->GetMaxNumber(), 100);
  EXPECT_EQ(edit->GetText(), "50");

  EXPECT_TRUE(Find<COptionUI>(u"opt")->IsSelected());
  auto* bar = Find<CProgressUI>(u"bar");
  EXPECT_EQ(bar->GetMaxValue(), 200);
  EXPECT_EQ(bar->GetValue(), 50);
  EXPECT_FALSE(bar->IsHorizontal());

  auto* combo = Find<CComboUI>(u"combo");
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->GetCount(), 2);
  EXPECT_EQ(combo->GetItemText(0), "Circle");
  EXPECT_EQ(combo->GetCurSel(), 1);
}

TEST_F(LayoutBuildTest, UnknownElementsAreSkippedWithTheirChildren) {
  Build(R"(<VerticalLayout>
             <Gizmo name="odd"><Label name="inside"/></Gizmo>
             <Label name="after"/>
             <Label name="leaf"><Label name="child_of_leaf"/></Label>
           </VerticalLayout>)");
  EXPECT_EQ(Find(u"odd"), nullptr);
  EXPECT_EQ(Find(u"inside"), nullptr);
  EXPECT_EQ(Find(u"child_of_leaf"), nullptr);
  EXPECT_NE(Find(u"after"), nullptr);
  EXPECT_EQ(warnings_.size(), 2);
}

TEST_F(LayoutBuildTest, MalformedXmlIsRefusedWithItsPosition) {
  CDialogBuilder builder;
  EXPECT_FALSE(builder.LoadXml("<VerticalLayout>\n  <Label name=\"x\">\n</VerticalLayout>"));
  EXPECT_TRUE(builder.GetError().contains("line 3")) << builder.GetError().toStdString();
  EXPECT_EQ(builder.Create(nullptr, &manager_), nullptr);
  EXPECT_FALSE(builder.LoadXml(""));
  EXPECT_FALSE(builder.LoadFile("nothing.xml"));
}

class MyControl : public CLabelUI {
 public:
  QString GetClass() const override { return QStringLiteral("MyControlUI"); }
};

class Factory : public IDialogBuilderCallback {
 public:
  CControlUI* CreateControl(const QString& element_name) override {
    asked.append(element_name);
    if (NameIs(element_name, u"MyControl") || NameIs(element_name, u"Label")) return new MyControl;
    return nullptr;
  }
  QStringList asked;
};

TEST_F(LayoutBuildTest, TheWindowsFactoryIsAskedFirstForEveryElement) {
  Factory factory;
  Build(R"(<VerticalLayout><MYCONTROL name="mine"/><Label name="lbl"/><Button name="btn"/></VerticalLayout>)",
        QSize(100, 100), &factory);
  EXPECT_EQ(factory.asked, QStringList({"VerticalLayout", "MYCONTROL", "Label", "Button"}));
  EXPECT_EQ(Find(u"mine")->GetClass(), "MyControlUI");
  EXPECT_EQ(Find(u"lbl")->GetClass(), "MyControlUI");  // the window may replace a toolkit control
  EXPECT_EQ(Find(u"btn")->GetClass(), "ButtonUI");
}

TEST_F(LayoutBuildTest, ItemTemplatesBuildAgainAndAgainFromOneParse) {
  CDialogBuilder builder;
  ASSERT_TRUE(builder.LoadXml(R"(<ListContainerElement height="100"><Label name="filename"/></ListContainerElement>)"));
  Build(R"(<VerticalLayout name="list"/>)");
  auto* list = Find<CContainerUI>(u"list");
  for (int i = 0; i < 3; ++i) ASSERT_NE(builder.Create(nullptr, &manager_, list), nullptr);
  EXPECT_EQ(list->GetCount(), 3);
  EXPECT_EQ(manager_.FindControls([](CControlUI* c) { return c->GetName() == "filename"; }).size(), 3u);
}

TEST_F(LayoutBuildTest, ContainersForgetChildrenThatAreRemovedOrDestroyedElsewhere) {
  Build(R"(<VerticalLayout name="box"><Control name="a"/><Control name="b"/><Control name="c"/></VerticalLayout>)");
  auto* box = Find<CContainerUI>(u"box");
  CControlUI* b = Find(u"b");
  EXPECT_TRUE(box->Remove(b));
  EXPECT_EQ(box->GetCount(), 2);
  EXPECT_EQ(Find(u"b"), nullptr);  // out of reach at once, destroyed later
  EXPECT_FALSE(box->Remove(b));
  delete Find(u"c");
  EXPECT_EQ(box->GetCount(), 1);
  EXPECT_EQ(box->GetItemAt(0)->GetName(), "a");
  const auto stray = std::make_unique<CControlUI>();
  EXPECT_FALSE(box->AddAt(stray.get(), 5));
  EXPECT_FALSE(box->Add(nullptr));
  EXPECT_FALSE(box->Add(box->GetItemAt(0)));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace torvane::toolkit
