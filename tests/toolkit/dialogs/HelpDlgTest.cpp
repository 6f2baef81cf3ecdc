#include "dialogs/CHelpDlg.h"
#include "dialogs/MessageBoxCodes.h"
#include "model/FlashImage.h"
#include "support/TestSkin.h"
#include "toolkit/dialogs/DialogTestSupport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include <gtest/gtest.h>

namespace torvane::dialogs {
namespace {

using toolkit::WindowImplBase;

class HelpDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::InstallTestSkin();
    image->config.version = {2, 0, 0};
    image->macro.version = {1, 10, 0};
    image->info.hardware_version = {3, 0, 255};  // bytes are unsigned
    image->boot.firmware_version = {4, 5, 118};
    image->info.boot_loader_version = {1, 2, 3};
    image->info.serial = {0x00, 0x1A, 0xFF, 0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF, 0x10};
  }

  std::unique_ptr<model::FlashImage> image = model::MakeFlashImage();
  const QStringList expected_labels = {
      QStringLiteral("Manager Ver\uFF1A4.5.118"),
      QStringLiteral("GameEngine Ver\uFF1A2.0.0"),
      QStringLiteral("Macro Ver\uFF1A1.10.0"),
      QStringLiteral("Hardware Ver\uFF1A3.0.255"),
      QStringLiteral("Firmware Ver\uFF1A4.5.118"),
      QStringLiteral("BootLoader Ver\uFF1A1.2.3"),
      QStringLiteral("SN\uFF1A00-1a-ff-01-23-45-67-89-ab-cd-ef-10"),
  };
};

TEST_F(HelpDlgTest, TheLabelsShowTheVersionsAndTheSerialNumber) {
  CHelpDlg dialog(*image);
  ASSERT_TRUE(dialog.Create(nullptr, "Help")) << dialog.GetBuildError().toStdString();
  QStringList shown;
  for (const char16_t* name : CHelpDlg::kLabels) shown << dialog.FindControl(name)->GetText();
  EXPECT_EQ(shown, expected_labels);
  EXPECT_EQ(dialog.GetWindowClassName(), "HelpDlg");
  EXPECT_EQ(dialog.size(), QSize(449, 346));
}

TEST_F(HelpDlgTest, CopyPutsTheLinesAsPlainTextOnTheClipboardAndCloses) {
  QGuiApplication::clipboard()->clear();
  testing::WhenModal([](WindowImplBase& help) { testing::ClickShown(help, "btnCopyToClipboard"); });
  EXPECT_EQ(CHelpDlg::Run(nullptr, *image), kIdOk);

  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_TRUE(data->hasFormat("text/plain"));
  const QString text = data->text();
  EXPECT_EQ(text, "Torvane Help Information\r\n" + QString(28, u'-') + "\r\n" + expected_labels.join("\r\n") + "\r\n" +
                      QString(34, u'-'));
  // Title, short rule, seven labels and the long rule: nine line breaks, none after the last line.
  EXPECT_EQ(text.count("\r\n"), 9);
  EXPECT_EQ(text.count(u'\n'), 9);
  EXPECT_FALSE(text.endsWith(u'\n'));
}

TEST_F(HelpDlgTest, CloseAndEscapeEndTheDialogWithOneAndCopyNothing) {
  QGuiApplication::clipboard()->setText("kept");
  for (const bool escape : {false, true}) {
    CHelpDlg dialog(*image);
    ASSERT_TRUE(dialog.Create(nullptr, "Help"));
    testing::WhenModal([escape](WindowImplBase& help) {
      if (escape) {
        QTest::keyClick(&help, Qt::Key_Escape);
      } else {
        testing::ClickShown(help, "closebtn");
      }
    });
    EXPECT_EQ(dialog.ShowModal(), kIdOk) << escape;
  }
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
}

}  // namespace
}  // namespace torvane::dialogs
