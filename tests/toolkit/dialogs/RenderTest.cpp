// Renders each dialog as the player sees it, into PNGs under the build folder, for people to look at.
#include "device/DeviceMessages.h"
#include "dialogs/CHelpDlg.h"
#include "dialogs/CListCtrlUI.h"
#include "dialogs/CPlaySelectDlg.h"
#include "dialogs/CProgressDlg.h"
#include "dialogs/MessageBoxCodes.h"
#include "dialogs/MessageBoxes.h"
#include "model/FlashImage.h"
#include "model/tables/TableFixtures.h"
#include "support/TestSkin.h"
#include "toolkit/dialogs/DialogTestSupport.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace torvane::dialogs {
namespace {

using testing::ShownControl;
using testing::WhenModal;
using toolkit::WindowImplBase;

class RenderTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::InstallTestSkin(); }

  // Grabs the window; the picture must be the window's size and not one flat colour.
  static void Save(WindowImplBase& window, const QString& name) {
    const QPixmap shot = window.grab();
    EXPECT_EQ(shot.size() / shot.devicePixelRatio(), window.size());
    const QImage image = shot.toImage();
    EXPECT_NE(image.pixel(image.width() / 2, image.height() / 2), image.pixel(0, 0)) << "a blank window";
    testing::SaveRenderingAs(shot, name);
  }
};

TEST_F(RenderTest, MessageBoxes) {
  WhenModal([](WindowImplBase& box) {
    ShownControl(box, "YesBtn")->setFocus(Qt::TabFocusReason);
    Save(box, "message_box_yes_no_cancel.png");
    box.Close(kIdCancel);
  });
  ShowMessageBox("Warning", nullptr, "Modification will be discarded if you close the window without saving.",
                 kMbYesNoCancel);

  WhenModal([](WindowImplBase& box) {
    Save(box, "message_box_ok.png");
    box.Close(kIdOk);
  });
  ShowMessageBox("USB Error", nullptr,
                 "Please ensure your Torvane is firmly connected to PC.\n\nReadFlash:Read(86,258)", kMbOk);
}

TEST_F(RenderTest, Prompt) {
  WhenModal([](WindowImplBase& box) {
    Save(box, "prompt.png");
    box.Close(kIdOk);
  });
  ShowPromptBox("Battlefield 1", nullptr,
                "\r\nThe following options in game should be set accordingly!\r\n\r\n"
                "Soldier Aim Sensitivity = 100%\r\nSoldier Zoom Sensitivity = 100%\r\nUniform Soldier Aiming = On\r\n"
                "Aim Assist Slowdown = Off\r\nAim Assist Zoom Snap = Off");
}

TEST_F(RenderTest, Progress) {
  CProgressDlg dialog;
  dialog.SetMode(kProgressSave);
  ASSERT_TRUE(dialog.Create(nullptr, "Progress"));
  WhenModal([&dialog](WindowImplBase& modal) {
    toolkit::PostMessage(modal.Ref(), device::MSG_PROGRESS, 45);
    QTimer::singleShot(0, [&dialog] {
      Save(dialog, "progress_45.png");
      toolkit::PostMessage(dialog.Ref(), device::MSG_PROGRESS, 100);
    });
  });
  EXPECT_EQ(dialog.ShowModal(), kIdYes);
}

TEST_F(RenderTest, GameSelection) {
  auto image = model::fixtures::MakeDefaultImage();
  CPlaySelectDlg dialog(*image);
  ASSERT_TRUE(dialog.Create(nullptr, "New Game"));
  WhenModal([&dialog](WindowImplBase&) {
    CListCtrlUI* list = dialog.GetList();
    list->SelectItem(3, true);
    Save(dialog, "play_select.png");
    list->SelectItem(list->GetCount() - 1, true);  // scrolled to the end
    Save(dialog, "play_select_end.png");
    dialog.Close(kIdCancel);
  });
  dialog.ShowModal();
}

TEST_F(RenderTest, Help) {
  auto image = model::MakeFlashImage();
  image->config.version = {2, 0, 0};
  image->macro.version = {1, 10, 0};
  image->info.hardware_version = {1, 2, 0};
  image->boot.firmware_version = {4, 5, 118};
  image->info.boot_loader_version = {1, 0, 3};
  image->info.serial = {0x00, 0x1A, 0xFF, 0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF, 0x10};
  CHelpDlg dialog(*image);
  ASSERT_TRUE(dialog.Create(nullptr, "Help"));
  WhenModal([&dialog](WindowImplBase&) {
    Save(dialog, "help.png");
    dialog.Close(kIdOk);
  });
  dialog.ShowModal();
}

}  // namespace
}  // namespace torvane::dialogs
