// Closing the main window: back steps on the inner pages, the discard question, and what never closes it.
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>

#include "app/MainPage.h"
#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "model/FlashImage.h"
#include "support/MainWindowFixture.h"
#include "toolkit/CButtonUI.h"

namespace torvane::testing {
namespace {

using dialogs::MessageBoxAnswers;

class MainWindowCloseTest : public MainWindowFixture {};

TEST_F(MainWindowCloseTest, ClosesAtOnceWithoutChangesOrWithoutAdapter) {
  StartWindow(false);
  // Changes marked while no adapter is there are dropped without a question.
  window->MarkUnsaved(model::kUnsavedConfig);
  window->Close(1);
  EXPECT_FALSE(IsOpen());
  EXPECT_EQ(MessageBoxAnswers::Shown().size(), 0);
}

TEST_F(MainWindowCloseTest, UnsavedChangesAskBeforeDiscarding) {
  ASSERT_TRUE(StartOnHomePage());
  window->MarkUnsaved(model::kUnsavedMacro);

  MessageBoxAnswers::SetNextAnswer(dialogs::kIdNo);
  window->Close(1);
  EXPECT_TRUE(IsOpen());
  ASSERT_EQ(MessageBoxAnswers::Shown().size(), 1);
  const dialogs::ShownMessageBox box = MessageBoxAnswers::Shown().front();
  EXPECT_EQ(box.title, QStringLiteral("Warning"));
  EXPECT_EQ(box.text, QStringLiteral("Modification will be discarded if you close the window without saving."));
  EXPECT_EQ(box.style, dialogs::kMbYesNo);
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedMacro);

  // Dismissing the question (Escape gives 1, the box's close button 2, a system close 0) keeps the edits too.
  for (const int dismissed : {dialogs::kIdOk, dialogs::kIdCancel, 0}) {
    MessageBoxAnswers::SetNextAnswer(dismissed);
    window->Close(1);
    EXPECT_TRUE(IsOpen()) << dismissed;
  }
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedMacro);

  MessageBoxAnswers::SetNextAnswer(dialogs::kIdYes);
  window->Close(1);
  EXPECT_FALSE(IsOpen());
}

TEST_F(MainWindowCloseTest, InnerPagesStepBackInsteadOfClosing) {
  ASSERT_TRUE(StartOnHomePage());

  window->SelectPage(app::kPagePlayEdit);
  window->Close(1);
  EXPECT_TRUE(IsOpen());
  EXPECT_EQ(Page(), app::kPagePlaySelect);
  EXPECT_EQ(Control(u"btnTitle")->GetText(), QStringLiteral("Home"));
  EXPECT_FALSE(IsShown(u"btnHome"));

  window->SelectPage(app::kPageMacroEditor);
  window->Close(1);
  EXPECT_TRUE(IsOpen());
  EXPECT_EQ(Page(), app::kPageMacroManager);
  EXPECT_EQ(Control(u"btnTitle")->GetText(), QStringLiteral("Macro Manager"));

  // Leaving the manager unchanged marks nothing.
  window->TakeMacroSnapshot();
  window->Close(1);
  EXPECT_TRUE(IsOpen());
  EXPECT_EQ(Page(), app::kPagePlayEdit);
  EXPECT_EQ(window->unsaved_mask(), 0u);
  EXPECT_EQ(Control(u"btnTitle")->GetText(), QStringLiteral("Edit Configuration"));
  EXPECT_TRUE(IsShown(u"btnHome"));
  EXPECT_EQ(MessageBoxAnswers::Shown().size(), 0);
}

TEST_F(MainWindowCloseTest, LeavingTheMacroManagerAfterAChangeMarksTheMacroBlock) {
  ASSERT_TRUE(StartOnHomePage());
  window->SelectPage(app::kPageMacroManager);
  window->TakeMacroSnapshot();
  // A change in the block's last reserved byte counts as much as one in a record.
  state.session.image().macro.reserved_16295[87] ^= 0xFF;
  window->Close(1);
  EXPECT_TRUE(IsOpen());
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedMacro);
  toolkit::CControlUI* save = Control(u"btnSave");
  EXPECT_EQ(save->GetText(), QStringLiteral("Save *"));
  EXPECT_EQ(save->GetTextColor(), 0xFFFF0000u);
  EXPECT_TRUE(save->IsEnabled());
}

TEST_F(MainWindowCloseTest, EscapeAndCaptionDoubleClickLeaveTheWindowAlone) {
  StartWindow(false);
  const QSize size = window->size();
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_TRUE(IsOpen());
  QTest::mouseDClick(window.get(), Qt::LeftButton, Qt::NoModifier, QPoint(500, 20));
  EXPECT_FALSE(window->isMaximized());
  EXPECT_EQ(window->size(), size);
  EXPECT_EQ(window->size(), QSize(1000, 750));
}

TEST_F(MainWindowCloseTest, DownloadLinksOpenTheAddressAndEndTheProgram) {
  const QString address = QStringLiteral("https://www.example.com/forum/index.php?topic=25.0");
  StartWindow(true, "old-generation");
  ASSERT_TRUE(WaitUntil([this] { return Page() == app::kPageIncompatible; }));
  // Page 1's own link button, not page 0's of the same name.
  auto* page = Control(u"layIncompatible");
  ASSERT_NE(page, nullptr);
  auto* link = page->findChild<toolkit::CButtonUI*>(QStringLiteral("btn_Download_Manager"));
  ASSERT_NE(link, nullptr);
  EXPECT_EQ(link->GetText(), address);
  ASSERT_TRUE(link->Activate());
  ASSERT_EQ(opened_links.size(), 1u);
  EXPECT_EQ(opened_links.front(), QUrl(address));
  EXPECT_FALSE(IsOpen());
  EXPECT_EQ(MessageBoxAnswers::Shown().size(), 0);
}

TEST_F(MainWindowCloseTest, ALinkNoBrowserOpensKeepsTheWindowAndShowsTheAddress) {
  links_open = false;
  StartWindow(true, "old-generation");
  ASSERT_TRUE(WaitUntil([this] { return Page() == app::kPageIncompatible; }));
  auto* link = Control(u"layIncompatible")->findChild<toolkit::CButtonUI*>(QStringLiteral("btn_Download_Manager"));
  ASSERT_NE(link, nullptr);
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  ASSERT_TRUE(link->Activate());
  ASSERT_EQ(opened_links.size(), 1u);
  EXPECT_TRUE(IsOpen());
  EXPECT_EQ(Page(), app::kPageIncompatible);
  ASSERT_EQ(MessageBoxAnswers::Shown().size(), 1);
  EXPECT_EQ(MessageBoxAnswers::Shown().front().title, QStringLiteral("Warning"));
  EXPECT_TRUE(MessageBoxAnswers::Shown().front().text.contains(opened_links.front().toString()));
}

TEST_F(MainWindowCloseTest, UpgradeToolLinkOnTheUpgradablePage) {
  StartWindow(true, "old-generation-upgradable");
  ASSERT_TRUE(WaitUntil([this] { return Page() == app::kPageIncompatibleUpgrade; }));
  auto* link = dynamic_cast<toolkit::CButtonUI*>(Control(u"btn_Download_Upgrade_Tool"));
  ASSERT_NE(link, nullptr);
  ASSERT_TRUE(link->Activate());
  ASSERT_EQ(opened_links.size(), 1u);
  EXPECT_EQ(opened_links.front().toString(), link->GetText());
  EXPECT_FALSE(IsOpen());
}

}  // namespace
}  // namespace torvane::testing
