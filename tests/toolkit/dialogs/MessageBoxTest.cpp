#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "dialogs/MessageBoxes.h"
#include "support/TestSkin.h"
#include "support/TestWindow.h"
#include "toolkit/SkinArchive.h"
#include "toolkit/dialogs/DialogTestSupport.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace torvane::dialogs {
namespace {

using testing::ClickShown;
using testing::ShownControl;
using testing::WhenModal;
using toolkit::WindowImplBase;

class MessageBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::InstallTestSkin();
    MessageBoxAnswers::Reset();
  }
  void TearDown() override { MessageBoxAnswers::Reset(); }

  // Shows a box of `style`, lets `action` act on it, and returns the result.
  static int Run(int style, std::function<void(WindowImplBase&)> action, QWidget* owner = nullptr) {
    WhenModal(std::move(action));
    return ShowMessageBox("Warning", owner, "Modification will be discarded.", style);
  }
  static QStringList ShownRows(WindowImplBase& box) {
    QStringList rows;
    for (const char* row : {"MB_OK", "MB_OKCANCEL", "MB_YESNOCANCEL", "MB_YESNO"}) {
      if (ShownControl(box, row)) rows.append(row);
    }
    return rows;
  }
};

TEST_F(MessageBoxTest, EachStyleShowsItsOwnRowAndItsButtonsGiveTheirResults) {
  struct Case {
    int style;
    const char* row;
    const char* button;
    int result;
  };
  const Case cases[] = {
      {kMbOk, "MB_OK", "OkBtn", kIdOk},
      {kMbOkCancel, "MB_OKCANCEL", "OkBtn", kIdOk},
      {kMbOkCancel, "MB_OKCANCEL", "CancelBtn", kIdCancel},
      {kMbYesNoCancel, "MB_YESNOCANCEL", "YesBtn", kIdYes},
      {kMbYesNoCancel, "MB_YESNOCANCEL", "NoBtn", kIdNo},
      {kMbYesNoCancel, "MB_YESNOCANCEL", "CancelBtn", kIdCancel},
      {kMbYesNo, "MB_YESNO", "YesBtn", kIdYes},
      {kMbYesNo, "MB_YESNO", "NoBtn", kIdNo},
  };
  for (const Case& c : cases) {
    QStringList rows;
    const int result = Run(c.style, [&](WindowImplBase& box) {
      rows = ShownRows(box);
      ClickShown(box, c.button);
    });
    EXPECT_EQ(rows, QStringList({c.row})) << c.style;
    EXPECT_EQ(result, c.result) << c.row << " " << c.button;
  }
}

TEST_F(MessageBoxTest, AnUnknownStyleShowsNoButtonRow) {
  QStringList rows{"not looked at"};
  EXPECT_EQ(Run(2,
                [&](WindowImplBase& box) {
                  rows = ShownRows(box);
                  ClickShown(box, "CloseBtn");
                }),
            kIdCancel);
  EXPECT_TRUE(rows.isEmpty());
}

TEST_F(MessageBoxTest, TitleCloseGivesTwoEscapeOneAndSystemCloseZeroInEveryStyle) {
  for (int style : {kMbOk, kMbOkCancel, kMbYesNoCancel, kMbYesNo}) {
    EXPECT_EQ(Run(style, [](WindowImplBase& box) { ClickShown(box, "CloseBtn"); }), kIdCancel) << style;
    EXPECT_EQ(Run(style, [](WindowImplBase& box) { QTest::keyClick(&box, Qt::Key_Escape); }), kIdOk) << style;
    EXPECT_EQ(Run(style, [](WindowImplBase& box) { box.close(); }), 0) << style;
  }
}

TEST_F(MessageBoxTest, EnterHasNoDefaultActionEvenOnAFocusedButton) {
  const int result = Run(kMbYesNo, [](WindowImplBase& box) {
    QTest::keyClick(&box, Qt::Key_Return);
    toolkit::CControlUI* yes = ShownControl(box, "YesBtn");
    yes->setFocus(Qt::TabFocusReason);
    QTest::keyClick(yes, Qt::Key_Enter);
    EXPECT_TRUE(box.isVisible());
    QTest::keyClick(yes, Qt::Key_Space);  // the keyboard can still press the button it has reached
  });
  EXPECT_EQ(result, kIdYes);
}

TEST_F(MessageBoxTest, TheBoxShowsItsTextsAndDisablesItsOwnerWhileItRuns) {
  testing::TestWindow owner("message_box_dlg.xml", "Owner");
  ASSERT_TRUE(owner.Create(nullptr, "Owner"));
  owner.show();
  QString title;
  QString text;
  QString window_text;
  bool owner_enabled = true;
  WhenModal([&](WindowImplBase& box) {
    title = box.FindControl(u"TitleLabel")->GetText();
    text = box.FindControl(u"ContentText")->GetText();
    window_text = box.windowTitle();
    owner_enabled = owner.isEnabled();
    box.Close(kIdOk);
  });
  ShowMessageBox("USB Error", &owner, "Please ensure your Torvane is firmly connected to PC.\n\nOpenDevice(2)", kMbOk);
  EXPECT_EQ(title, "USB Error");
  EXPECT_EQ(text, "Please ensure your Torvane is firmly connected to PC.\n\nOpenDevice(2)");
  EXPECT_EQ(window_text, "MessageBoxDlg");
  EXPECT_FALSE(owner_enabled);
  EXPECT_TRUE(owner.isEnabled());
}

TEST_F(MessageBoxTest, APromptIsANotificationWithAContentTitleAndOneButton) {
  QString title;
  QString content_title;
  QString class_name;
  QString window_text;
  WhenModal([&](WindowImplBase& box) {
    title = box.FindControl(u"TitleLabel")->GetText();
    content_title = box.FindControl(u"ContentTitle")->GetText();
    class_name = box.GetWindowClassName();
    window_text = box.windowTitle();
    ClickShown(box, "OkBtn");
  });
  EXPECT_EQ(ShowPromptBox("DOOM", nullptr, "\r\nThe following options in game should be set accordingly!\r\n\r\n"),
            kIdOk);
  EXPECT_EQ(title, "Notification");
  EXPECT_EQ(content_title, "DOOM");
  EXPECT_EQ(class_name, "PromptDlg");
  EXPECT_EQ(window_text, "MyPromptBox");
}

TEST_F(MessageBoxTest, QueuedAnswersStandInForThePlayerAndRecordWhatWouldShow) {
  MessageBoxAnswers::SetNextAnswer(kIdNo);
  MessageBoxAnswers::SetNextAnswer(kIdOk);
  EXPECT_EQ(ShowMessageBox("Warning", nullptr, "Discard?", kMbYesNo), kIdNo);
  EXPECT_EQ(ShowPromptBox("DOOM", nullptr, "notes"), kIdOk);
  EXPECT_EQ(WindowImplBase::ActiveModal(), nullptr);
  const auto shown = MessageBoxAnswers::Shown();
  ASSERT_EQ(shown.size(), 2);
  EXPECT_FALSE(shown[0].prompt);
  EXPECT_EQ(shown[0].title, "Warning");
  EXPECT_EQ(shown[0].text, "Discard?");
  EXPECT_EQ(shown[0].style, kMbYesNo);
  EXPECT_TRUE(shown[1].prompt);
  EXPECT_EQ(MessageBoxAnswers::QueuedAnswers(), 0);
}

TEST_F(MessageBoxTest, ABoxThatCannotBeBuiltReportsNoAnswer) {
  toolkit::SkinArchive::SetCurrent(nullptr);
  EXPECT_EQ(ShowMessageBox("Warning", nullptr, "text", kMbYesNo), 0);
}

}  // namespace
}  // namespace torvane::dialogs
