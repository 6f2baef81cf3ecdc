#include "device/DeviceMessages.h"
#include "dialogs/CMyProgressUI.h"
#include "dialogs/CProgressDlg.h"
#include "dialogs/MessageBoxCodes.h"
#include "dialogs/WindowResultTarget.h"
#include "support/TestSkin.h"
#include "toolkit/ControlAccessible.h"
#include "toolkit/dialogs/DialogTestSupport.h"

#include <QAccessible>
#include <QImage>

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <thread>

namespace torvane::dialogs {
namespace {

using testing::WhenModal;
using toolkit::PostMessage;
using toolkit::WindowImplBase;

class ProgressDlgTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::InstallTestSkin(); }

  std::unique_ptr<CProgressDlg> MakeDialog(int mode) {
    auto dialog = std::make_unique<CProgressDlg>();
    dialog->SetMode(mode);
    EXPECT_TRUE(dialog->Create(nullptr, "Progress")) << dialog->GetBuildError().toStdString();
    return dialog;
  }
};

TEST_F(ProgressDlgTest, EachModeShowsItsTitleAndTheWaitText) {
  const char* titles[] = {"Save Configuration", "Restore Configuration", "Upgrade Firmware",
                          "Restore Firmware and Configuration"};
  for (int mode = 1; mode <= 4; ++mode) {
    auto dialog = MakeDialog(mode);
    EXPECT_EQ(dialog->FindControl(u"btnTitle")->GetText(), titles[mode - 1]);
    EXPECT_EQ(dialog->FindControl(u"ContentText")->GetText(), "Please wait  .  .  .\n Do not unplug your Torvane !");
  }
  for (int mode : {0, 5}) {
    auto dialog = MakeDialog(mode);
    EXPECT_TRUE(dialog->FindControl(u"btnTitle")->GetText().isEmpty());
    EXPECT_TRUE(dialog->FindControl(u"ContentText")->GetText().isEmpty());
  }
}

TEST_F(ProgressDlgTest, TheLayoutBuildsTheProgramsOwnBar) {
  auto dialog = MakeDialog(1);
  CMyProgressUI* bar = dialog->GetProgressBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->GetClass(), "MyProgressUI");
  EXPECT_EQ(bar->GetFixedWidth(), 300);
  EXPECT_EQ(bar->GetFixedHeight(), 9);
  EXPECT_EQ(bar->GetBkImage(), "Progress-bar.png");
  EXPECT_EQ(bar->GetFillColor(), 0xFF007DFFu);
  EXPECT_EQ(bar->GetMargins(), QMargins(3, 2, 3, 3));
  EXPECT_EQ(bar->GetMaxValue(), 100);
  EXPECT_TRUE(bar->IsHorizontal());
}

TEST_F(ProgressDlgTest, NinetyNineKeepsItOpenAndAHundredClosesWithSuccess) {
  auto dialog = MakeDialog(1);
  int value_at_99 = -1;
  bool open_at_99 = false;
  WhenModal([&](WindowImplBase& modal) {
    PostMessage(modal.Ref(), device::MSG_PROGRESS, 99);
    QTimer::singleShot(0, [&] {
      value_at_99 = dialog->GetProgressBar()->GetValue();
      open_at_99 = dialog->isVisible();
      PostMessage(dialog->Ref(), device::MSG_PROGRESS, 100);
    });
  });
  EXPECT_EQ(dialog->ShowModal(), kIdYes);
  EXPECT_EQ(value_at_99, 99);
  EXPECT_TRUE(open_at_99);
}

TEST_F(ProgressDlgTest, AFailureClosesWithSevenAtAnyPoint) {
  for (unsigned before : {0u, 1u, 50u, 99u}) {
    auto dialog = MakeDialog(3);
    WhenModal([before](WindowImplBase& modal) {
      if (before) PostMessage(modal.Ref(), device::MSG_PROGRESS, before);
      PostMessage(modal.Ref(), device::MSG_DEVICE_FAILED);
      PostMessage(modal.Ref(), device::MSG_PROGRESS, 100);  // the first close counts
    });
    EXPECT_EQ(dialog->ShowModal(), kIdNo) << before;
  }
}

TEST_F(ProgressDlgTest, NothingButTheWorkersLastMessageEndsIt) {
  auto dialog = MakeDialog(4);
  WhenModal([](WindowImplBase& modal) {
    QTest::keyClick(&modal, Qt::Key_Escape);
    modal.close();   // the system's close command
    modal.Close(1);  // and any other close request
    EXPECT_TRUE(modal.isVisible());
    PostMessage(modal.Ref(), 1327, 100);  // another message
    PostMessage(modal.Ref(), device::MSG_PROGRESS, std::numeric_limits<std::uintptr_t>::max());
  });
  EXPECT_EQ(dialog->ShowModal(), kIdYes);
  EXPECT_EQ(dialog->GetProgressBar()->GetValue(), std::numeric_limits<int>::max());
}

TEST_F(ProgressDlgTest, TheWorkersResultsReachTheDialogFromItsThreadAndAreDroppedOnceItIsGone) {
  auto dialog = MakeDialog(1);
  auto target = std::make_shared<WindowResultTarget>(dialog->Ref());
  WhenModal([target](WindowImplBase&) {
    std::thread worker([target] {
      for (std::uint32_t percent = 10; percent <= 100; percent += 10)
        target->Deliver(device::MSG_PROGRESS, percent, nullptr);
    });
    worker.join();
  });
  EXPECT_EQ(dialog->ShowModal(), kIdYes);
  dialog.reset();
  std::thread late([target] { target->Deliver(device::MSG_DEVICE_FAILED, 0, nullptr); });
  late.join();
  QCoreApplication::processEvents();
}

TEST(MyProgressUITest, TheFillRectangleFollowsTheValueInsideTheMargins) {
  CMyProgressUI bar;
  bar.resize(300, 9);
  bar.SetAttribute("margins", "3,2,3,3");
  bar.SetValue(50);
  // 3 + 294 * 50 / 100 = 150 on the right; from 2 to 9 - 3 = 6 in height.
  EXPECT_EQ(bar.FillRect(), QRect(3, 2, 147, 4));
  bar.SetValue(100);
  EXPECT_EQ(bar.FillRect(), QRect(3, 2, 294, 4));
  bar.SetValue(0);
  EXPECT_TRUE(bar.FillRect().isEmpty());
  bar.SetValue(250);  // counts as the maximum
  EXPECT_EQ(bar.FillRect(), QRect(3, 2, 294, 4));
  bar.SetValue(1);  // 294 * 1 / 100 truncates to 2 pixels
  EXPECT_EQ(bar.FillRect(), QRect(3, 2, 2, 4));
}

TEST(MyProgressUITest, AScreenReaderReadsItsValue) {
  toolkit::ControlAccessible::EnsureInstalled();
  CMyProgressUI bar;
  bar.SetValue(45);
  QAccessibleInterface* described = QAccessible::queryAccessibleInterface(&bar);
  ASSERT_NE(described, nullptr);
  EXPECT_EQ(described->role(), QAccessible::ProgressBar);
  ASSERT_NE(described->valueInterface(), nullptr);
  EXPECT_EQ(described->valueInterface()->currentValue().toInt(), 45);
  EXPECT_EQ(described->valueInterface()->minimumValue().toInt(), 0);
  EXPECT_EQ(described->valueInterface()->maximumValue().toInt(), 100);
}

TEST(MyProgressUITest, AVerticalBarFillsFromTheBottom) {
  CMyProgressUI bar;
  bar.resize(20, 100);
  bar.SetHorizontal(false);
  bar.SetMargins(QMargins(2, 3, 4, 5));
  bar.SetValue(25);
  // top = 3 + 92 * 75 / 100 = 72, down to 100 - 5.
  EXPECT_EQ(bar.FillRect(), QRect(2, 72, 14, 23));
}

TEST(MyProgressUITest, AnEmptyRangeCountsAsOneStep) {
  CMyProgressUI bar;
  bar.resize(100, 10);
  bar.SetMinValue(10);
  bar.SetMaxValue(5);
  bar.SetValue(7);
  EXPECT_TRUE(bar.FillRect().isEmpty());  // clamped to the minimum
  bar.SetValue(50);
  EXPECT_EQ(bar.FillRect(), QRect(0, 0, 100, 10));
  EXPECT_EQ(bar.GetMaxValue(), 5);  // painting does not change the control's settings
}

TEST(MyProgressUITest, AttributesReadColoursAndMargins) {
  CMyProgressUI bar;
  bar.SetAttribute("progresscolor", "  #FF007DFF");
  EXPECT_EQ(bar.GetFillColor(), 0xFF007DFFu);
  bar.SetAttribute("bkcolor1", "80FF0000");
  EXPECT_EQ(bar.GetFillColor(), 0x80FF0000u);
  bar.SetAttribute("max", "200");
  EXPECT_EQ(bar.GetMaxValue(), 200);  // the base bar's attributes still work

  bar.SetAttribute("margins", "3,2,3,3");
  EXPECT_EQ(bar.GetMargins(), QMargins(3, 2, 3, 3));
  bar.SetAttribute("margins", "3,a,3,3");  // not four numbers: kept
  EXPECT_EQ(bar.GetMargins(), QMargins(3, 2, 3, 3));
}

TEST(MyProgressUITest, TheFillIsPaintedInItsColourAndAZeroColourPaintsNothing) {
  CMyProgressUI bar;
  bar.resize(300, 9);
  bar.SetMargins(QMargins(3, 2, 3, 3));
  bar.SetValue(50);
  bar.SetFillColor(0xFFFF0000);
  QImage image(300, 9, QImage::Format_ARGB32);
  image.fill(Qt::black);
  bar.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
  EXPECT_EQ(image.pixel(10, 4), 0xFFFF0000u);
  EXPECT_NE(image.pixel(200, 4), 0xFFFF0000u);
  EXPECT_NE(image.pixel(10, 7), 0xFFFF0000u);

  bar.SetFillColor(0);
  image.fill(Qt::black);
  bar.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
  EXPECT_NE(image.pixel(10, 4), 0xFFFF0000u);
}

}  // namespace
}  // namespace torvane::dialogs
