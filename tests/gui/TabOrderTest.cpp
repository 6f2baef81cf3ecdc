// Keyboard use: Tab reaches every enabled control of each main window page and each dialog (the curve editor, the
// backups and the news among them), and comes back round.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTest>

#include <set>
#include <string>

#include "app/MainPage.h"
#include "core/ManagerFolders.h"
#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "model/FlashImage.h"
#include "support/MainWindowFixture.h"
#include "support/NewsRecord.h"
#include "toolkit/CButtonUI.h"
#include "toolkit/CControlUI.h"
#include "toolkit/WindowImplBase.h"

namespace torvane::testing {
namespace {

using dialogs::MessageBoxAnswers;

// The control a focused widget belongs to (an edit's line edit belongs to the edit).
toolkit::CControlUI* ControlOf(QWidget* widget) {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    if (auto* control = dynamic_cast<toolkit::CControlUI*>(widget)) return control;
  }
  return nullptr;
}

std::string Describe(const std::set<toolkit::CControlUI*>& controls) {
  std::string names;
  for (const auto* control : controls) {
    names += (control->GetName().isEmpty() ? control->GetClass() + u':' + control->GetText() : control->GetName())
                 .toStdString() +
             "; ";
  }
  return names;
}

// Presses Tab until the focus comes back to where it started and checks that every control a player could use
// was on the way. `where` names the page or dialog in a failure.
void ExpectTabReachesEveryControl(QWidget& window, const std::string& where) {
  SCOPED_TRACE(where);
  window.activateWindow();
  QApplication::setActiveWindow(&window);
  // The walk starts where the first Tab lands: the focus may rest on the window itself or on a hidden page.
  QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window, Qt::Key_Tab);
  QWidget* start = QApplication::focusWidget();
  ASSERT_NE(start, nullptr);
  std::set<toolkit::CControlUI*> reached{ControlOf(start)};
  for (int presses = 0; presses < 400; ++presses) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* now = QApplication::focusWidget();
    ASSERT_NE(now, nullptr) << "Tab lost the focus";
    ASSERT_EQ(now->window(), &window) << "Tab left the window";
    if (now == start) break;
    reached.insert(ControlOf(now));
  }
  ASSERT_EQ(QApplication::focusWidget(), start) << "Tab never came back round";

  std::set<toolkit::CControlUI*> missed;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    auto* control = dynamic_cast<toolkit::CControlUI*>(widget);  // the controls declare no meta-object of their own
    if (control == nullptr) continue;
    const bool usable = control->isVisibleTo(&window) && control->isEnabled() &&
                        (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
    if (usable && !reached.count(control)) missed.insert(control);
  }
  EXPECT_TRUE(missed.empty()) << "not reached by Tab: " << Describe(missed);
}

class TabOrderTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    QFile::remove(QString::fromStdString(core::NewsFilePath()));
    MessageBoxAnswers::Reset();
    ASSERT_TRUE(StartOnAdapterPage());
  }
  void TearDown() override {
    MessageBoxAnswers::Reset();
    QFile::remove(QString::fromStdString(core::NewsFilePath()));
  }

  // Opens the dialog of `button`, walks it, and closes it with its close button.
  void WalkDialog(const char16_t* button, const char16_t* control_inside) {
    bool walked = false;
    WhenModalShows(control_inside, [&](toolkit::WindowImplBase& dialog) {
      ExpectTabReachesEveryControl(dialog, QString::fromUtf16(button).toStdString());
      walked = true;
      dialog.Close(toolkit::WindowImplBase::kSystemCloseCode);
    });
    Click(button);
    EXPECT_TRUE(walked) << QString::fromUtf16(button).toStdString();
  }
};

TEST_F(TabOrderTest, EveryPageAndDialogIsWalkedByTab) {
  ExpectTabReachesEveryControl(*window, "adapter page");
  Click(u"btnDeviceArrival");
  ExpectTabReachesEveryControl(*window, "configuration list");

  std::size_t slot = 0;
  model::ConfigBlock& block = state.session.image().config;
  while (block.records[slot].host_type() != block.host) ++slot;
  block.records[slot].input_device = 0;  // the mouse page, with the curve editor's button
  window->OpenEditPage(static_cast<int>(slot));
  ASSERT_EQ(Page(), app::kPagePlayEdit);
  ExpectTabReachesEveryControl(*window, "editing page");

  WalkDialog(u"btnSettings", u"btnKeyMapPrevious");
  WalkDialog(u"btnLeftStickSettings", u"editStickStrength");
  WalkDialog(u"btnRightStickSettings", u"editStickStrength");
  WalkDialog(u"btnMoreSetting", u"optInverMouse");
  WalkDialog(u"btnAdvanced", u"btnOk");
  WalkDialog(u"btnCurve", u"chartHip");
  WalkDialog(u"btnhelp", u"closebtn");

  // The backups, reached from the help dialog, with a backup of this adapter and one the save just made.
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  ++state.session.image().config.records[slot].hotkey;
  window->MarkUnsaved(model::kUnsavedConfig);
  Click(u"btnSave");
  WhenModalShows(u"btnBackups", [](toolkit::WindowImplBase& help) {
    help.FindControl<toolkit::CButtonUI>(u"btnBackups")->Activate();
  });
  WalkDialog(u"btnhelp", u"comboBackups");

  // The news, with its link shown.
  window->ReceiveNews(MakeNewsRecord({1, "Firmware 4.6", "https://example.org/news", "Read more", "Out now."}));
  ASSERT_TRUE(IsShown(u"btnMessage"));
  WalkDialog(u"btnMessage", u"messageContentEdit");
}

}  // namespace
}  // namespace torvane::testing
