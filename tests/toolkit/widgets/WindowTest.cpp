#include "support/ModalAction.h"
#include "support/TestSkin.h"
#include "support/TestWindow.h"
#include "toolkit/CButtonUI.h"
#include "toolkit/CEditUI.h"
#include "toolkit/WindowImplBase.h"
#include "toolkit/widgets/TestLayouts.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>

namespace torvane::toolkit {
namespace {

using testing::TestWindow;
using testing::WhenModal;

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::InstallTestSkin({{"test_wnd.xml", testing::kTestWindowLayout}}); }

  std::unique_ptr<TestWindow> MakeWindow(QWidget* owner = nullptr) {
    auto window = std::make_unique<TestWindow>("test_wnd.xml");
    EXPECT_TRUE(window->Create(owner, "Test window")) << window->GetBuildError().toStdString();
    return window;
  }
};

TEST_F(WindowTest, CreateBuildsTheLayoutThenRunsInitWindowOnce) {
  auto window = MakeWindow();
  EXPECT_EQ(window->init_count, 1);
  EXPECT_EQ(window->size(), QSize(320, 240));
  EXPECT_EQ(window->objectName(), "TestWnd");
  EXPECT_EQ(window->windowTitle(), "Test window");
  EXPECT_NE(window->FindControl<CEditUI>(u"editName"), nullptr);
  EXPECT_EQ(window->FindControl<CEditUI>(u"btnOk"), nullptr);  // exists, but is no edit
  EXPECT_EQ(window->FindControl(u"nothing"), nullptr);

  TestWindow broken("no_such_layout.xml");
  EXPECT_FALSE(broken.Create(nullptr, "Broken"));
  EXPECT_TRUE(broken.GetBuildError().contains("no_such_layout.xml"));
  EXPECT_EQ(broken.init_count, 0);
}

TEST_F(WindowTest, HelpersByNameReportUnknownControls) {
  auto window = MakeWindow();
  EXPECT_TRUE(window->SetControlText(u"lblTitle", "Home"));
  EXPECT_EQ(window->FindControl(u"lblTitle")->GetText(), "Home");
  EXPECT_TRUE(window->ShowControl(u"btnOk", false));
  EXPECT_FALSE(window->FindControl(u"btnOk")->IsVisible());
  EXPECT_TRUE(window->EnableControl(u"btnOk", false));
  EXPECT_FALSE(window->FindControl(u"btnOk")->IsEnabled());
  EXPECT_TRUE(window->SetControlTextColor(u"btnOk", 0xFFFF0000));
  EXPECT_TRUE(window->SetControlBkColor(u"lblTitle", 0xFF00FF00));
  EXPECT_TRUE(window->SetControlBkImage(u"lblTitle", "maim_wnd_background.png"));
  EXPECT_EQ(window->FindControl(u"lblTitle")->GetBkImage(), "maim_wnd_background.png");
  EXPECT_FALSE(window->SetControlText(u"btnMissing", "x"));
  EXPECT_FALSE(window->ShowControl(u"btnMissing", true));
}

TEST_F(WindowTest, OwnHandlingRunsBeforeTheDefaultAndMaySwallowIt) {
  auto window = MakeWindow();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  auto* ok = window->FindControl<CButtonUI>(u"btnOk");
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_EQ(window->log, QStringList({"own:click:btnOk", "default:click:btnOk"}));

  window->log.clear();
  window->on_notify = [](TNotifyUI& msg) {
    EXPECT_EQ(msg.sender_user_data, "OkData");
    msg.handled = true;
  };
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_EQ(window->log, QStringList({"own:click:btnOk"}));

  window->log.clear();
  window->on_notify = nullptr;
  QTest::mouseClick(ok, Qt::RightButton);
  EXPECT_EQ(window->log, QStringList({"own:rclick:btnOk", "default:rclick:btnOk"}));

  window->log.clear();
  ok->SetEnabled(false);
  QTest::mouseClick(ok, Qt::LeftButton);
  EXPECT_TRUE(window->log.isEmpty());
}

TEST_F(WindowTest, ShowModalReturnsTheCloseCodeAndDisablesTheOwnerMeanwhile) {
  auto owner = MakeWindow();
  owner->show();
  auto dialog = MakeWindow(owner.get());
  bool owner_was_enabled = true;
  WhenModal([&](WindowImplBase& modal) {
    EXPECT_EQ(&modal, dialog.get());
    owner_was_enabled = owner->isEnabled();
    modal.Close(6);
    modal.Close(7);  // only the first close request counts
  });
  EXPECT_EQ(dialog->ShowModal(), 6);
  EXPECT_FALSE(owner_was_enabled);
  EXPECT_TRUE(owner->isEnabled());
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(WindowImplBase::ActiveModal(), nullptr);
}

TEST_F(WindowTest, AssistiveToolsHearADialogByItsTitleAndReachNothingItCovers) {
  auto owner = std::make_unique<TestWindow>("test_wnd.xml");
  ASSERT_TRUE(owner->Create(nullptr, "Owner text", WindowImplBase::Kind::kMain));
  owner->show();
  auto dialog = MakeWindow(owner.get());
  const auto press = [](WindowImplBase& window) {
    QAccessible::queryAccessibleInterface(window.FindControl(u"btnOk"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
  };
  WhenModal([&](WindowImplBase& modal) {
    // The main window goes by its window text, a dialog by what its title bar says, not by its kind.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(owner.get())->text(QAccessible::Name), "Owner text");
    QAccessibleInterface* described = QAccessible::queryAccessibleInterface(&modal);
    EXPECT_EQ(described->role(), QAccessible::Dialog);
    EXPECT_EQ(described->text(QAccessible::Name), "Test");
    // A press sent to a control the dialog covers is refused as a click on it is; the dialog's own goes through.
    press(*owner);
    press(modal);
    modal.Close(1);
  });
  dialog->ShowModal();
  EXPECT_FALSE(owner->log.contains("own:click:btnOk")) << owner->log.join(", ").toStdString();
  EXPECT_TRUE(dialog->log.contains("own:click:btnOk")) << dialog->log.join(", ").toStdString();
  press(*owner);
  EXPECT_TRUE(owner->log.contains("own:click:btnOk"));
}

TEST_F(WindowTest, AnOwnersFieldIsNotLeftWhenADialogOpensAndHasTheFocusAgainAfterwards) {
  auto owner = MakeWindow();
  owner->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(owner.get()));
  QWidget* field = owner->FindControl<CEditUI>(u"editName")->GetLineEdit();
  field->setFocus(Qt::MouseFocusReason);
  owner->log.clear();
  auto dialog = MakeWindow(owner.get());
  WhenModal([](WindowImplBase& modal) { modal.Close(1); });
  EXPECT_EQ(dialog->ShowModal(), 1);
  EXPECT_TRUE(owner->log.filter("killfocus").isEmpty()) << owner->log.join(", ").toStdString();
  EXPECT_EQ(owner->focusWidget(), field);
  // The owner's controls kept their look: only a control disabled itself is drawn dimmed.
  EXPECT_EQ(field->styleSheet(), owner->FindControl<CEditUI>(u"editStrength")->GetLineEdit()->styleSheet());
}

TEST_F(WindowTest, TheCloseButtonClosesWithOneAndTheSystemCloseWithZero) {
  auto dialog = MakeWindow();
  WhenModal([](WindowImplBase& modal) { QTest::mouseClick(modal.FindControl(u"closebtn"), Qt::LeftButton); });
  EXPECT_EQ(dialog->ShowModal(), 1);

  WhenModal([](WindowImplBase& modal) { modal.close(); });  // what the window manager's close does
  EXPECT_EQ(dialog->ShowModal(), WindowImplBase::kSystemCloseCode);
  EXPECT_EQ(dialog->close_requests, std::vector<int>({1, 0}));
}

TEST_F(WindowTest, ARefusedCloseKeepsTheWindowRunning) {
  auto dialog = MakeWindow();
  dialog->allow_close = [](int code) { return code != 0; };
  WhenModal([](WindowImplBase& modal) {
    modal.close();
    EXPECT_TRUE(modal.isVisible());
    EXPECT_TRUE(modal.IsModalRunning());
    modal.Close(2);
  });
  EXPECT_EQ(dialog->ShowModal(), 2);
}

TEST_F(WindowTest, NestedModalRunsReturnInnermostFirst) {
  auto outer = MakeWindow();
  auto inner = MakeWindow(outer.get());
  int inner_result = -1;
  WhenModal([&](WindowImplBase&) {
    WhenModal([](WindowImplBase& modal) { modal.Close(7); });
    inner_result = inner->ShowModal();
    EXPECT_TRUE(outer->isEnabled());
    outer->Close(2);
  });
  EXPECT_EQ(outer->ShowModal(), 2);
  EXPECT_EQ(inner_result, 7);
}

TEST_F(WindowTest, AModalRunOfAWindowDestroyedMeanwhileEnds) {
  auto owner = MakeWindow();
  auto* dialog = new TestWindow("test_wnd.xml");
  ASSERT_TRUE(dialog->Create(owner.get(), "Doomed"));
  WhenModal([dialog](WindowImplBase&) { delete dialog; });
  EXPECT_EQ(dialog->ShowModal(), WindowImplBase::kSystemCloseCode);
  EXPECT_TRUE(owner->isEnabled());
}

TEST_F(WindowTest, EscapeClosesWithOneUnlessTheFilterKeepsIt) {
  auto dialog = MakeWindow();
  WhenModal([](WindowImplBase& modal) { QTest::keyClick(&modal, Qt::Key_Escape); });
  EXPECT_EQ(dialog->ShowModal(), 1);

  int escapes_seen = 0;
  dialog->filter = [&](QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) return false;
    ++escapes_seen;
    return true;
  };
  WhenModal([](WindowImplBase& modal) {
    QTest::keyClick(&modal, Qt::Key_Escape);
    EXPECT_TRUE(modal.isVisible());
    modal.Close(3);
  });
  EXPECT_EQ(dialog->ShowModal(), 3);
  EXPECT_EQ(escapes_seen, 1);
}

TEST_F(WindowTest, KeysReachTheFilterBeforeTheFocusedControl) {
  auto window = MakeWindow();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  auto* ok = window->FindControl<CButtonUI>(u"btnOk");
  ok->setFocus(Qt::TabFocusReason);
  QTest::keyClick(ok, Qt::Key_Space);
  QTest::keyClick(ok, Qt::Key_Return);
  EXPECT_EQ(window->log.count("own:click:btnOk"), 2);

  window->log.clear();
  window->SetEnterActivatesFocus(false);
  QTest::keyClick(ok, Qt::Key_Return);
  EXPECT_TRUE(window->log.isEmpty());
  window->filter = [](QKeyEvent* event) { return event->key() == Qt::Key_Space; };
  QTest::keyClick(ok, Qt::Key_Space);
  EXPECT_TRUE(window->log.isEmpty());
}

TEST_F(WindowTest, PostedMessagesArriveInOrderOnTheUiThread) {
  auto window = MakeWindow();
  const WindowRef ref = window->Ref();
  std::thread worker([ref] {
    for (unsigned i = 0; i < 50; ++i) PostMessage(ref, 1330, i, -static_cast<std::intptr_t>(i));
    PostMessage(ref, 1327, 0, 0, std::make_shared<std::string>("read"));  // data handed over with the message
    PostMessage(ref, 1332);
  });
  worker.join();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window->messages.size() >= 52; }));
  ASSERT_EQ(window->messages.size(), 52u);
  for (unsigned i = 0; i < 50; ++i) {
    EXPECT_EQ(window->messages[i].message, 1330u);
    EXPECT_EQ(window->messages[i].wparam, i);
    EXPECT_EQ(window->messages[i].lparam, -static_cast<std::intptr_t>(i));
    EXPECT_FALSE(window->messages[i].payload.has_value());
  }
  const auto* read = std::any_cast<std::shared_ptr<std::string>>(&window->messages[50].payload);
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(**read, "read");
  EXPECT_EQ(window->messages.back().message, 1332u);
}

TEST_F(WindowTest, MessagesForAWindowThatIsGoneAreDropped) {
  auto window = MakeWindow();
  const WindowRef ref = window->Ref();
  auto payload = std::make_shared<int>(7);
  const std::weak_ptr<int> watch = payload;
  PostMessage(ref, 1330, 100, 0, std::move(payload));
  window.reset();
  EXPECT_TRUE(ref.isNull());
  QCoreApplication::processEvents();  // would touch freed memory if the message were still delivered
  EXPECT_TRUE(watch.expired()) << "the payload goes with the dropped message";
  PostMessage(ref, 1330, 100);
  QCoreApplication::processEvents();
}

TEST_F(WindowTest, DraggingTheCaptionMovesTheWindowAndTheRestDoesNot) {
  auto window = MakeWindow();
  window->move(50, 40);
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  const QPoint start = window->pos();
  QWidget* title = window->FindControl(u"lblTitle");
  QTest::mousePress(title, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
  QTest::mouseMove(title, QPoint(60, 30));
  QTest::mouseRelease(title, Qt::LeftButton, Qt::NoModifier, QPoint(60, 30));
  EXPECT_EQ(window->pos(), start + QPoint(40, 20));

  // Below the caption strip a press does not move the window.
  QWidget* ok = window->FindControl(u"editName");
  const QPoint before = window->pos();
  QTest::mousePress(window.get(), Qt::LeftButton, Qt::NoModifier, ok->geometry().bottomLeft() + QPoint(2, 8));
  QTest::mouseMove(window.get(), QPoint(200, 200));
  QTest::mouseRelease(window.get(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 200));
  EXPECT_EQ(window->pos(), before);
}

TEST_F(WindowTest, ADialogCentresOverItsOwner) {
  auto owner = MakeWindow();
  owner->move(100, 80);
  owner->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(owner.get()));
  auto dialog = MakeWindow(owner.get());
  dialog->CenterWindow();
  EXPECT_EQ(dialog->frameGeometry().center(), owner->frameGeometry().center());
}

}  // namespace
}  // namespace torvane::toolkit
