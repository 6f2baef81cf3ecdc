// Renders every page of the main window to PNG files in the build folder, for people to look at.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>

#include <algorithm>
#include <cmath>

#include "app/MainPage.h"
#include "app/MainWindowTexts.h"
#include "core/FirmwareProcedures.h"
#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "model/FlashImage.h"
#include "support/MainWindowFixture.h"
#include "toolkit/CButtonUI.h"
#include "toolkit/SkinArchive.h"

namespace torvane::testing {
namespace {

class PageRenderTest : public MainWindowFixture {
 protected:
  // The Save button as drawn, saved beside the page renderings at four times its size.
  QImage SaveButtonRendering(const QString& file_name) {
    QCoreApplication::processEvents();
    const QImage image = Control(u"btnSave")->grab().toImage();
    SaveRenderingAs(image.scaled(image.size() * 4), file_name);
    return image;
  }
};

// The contrast ratio of two colours as the web's accessibility guidelines define it.
double ContrastRatio(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& c) {
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
  };
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST_F(PageRenderTest, EveryPageRendersAtTheWindowSize) {
  ASSERT_TRUE(StartOnAdapterPage());
  EXPECT_EQ(window->size(), QSize(1000, 750));
  SaveRendering(QStringLiteral("main_page3_device_arrival.png"));

  window->SelectPage(app::kPageIncompatibleUpgrade);
  SaveRendering(QStringLiteral("main_page0_incompatible_upgrade.png"));
  window->SelectPage(app::kPageIncompatible);
  SaveRendering(QStringLiteral("main_page1_incompatible.png"));

  window->SelectPage(app::kPageDeviceArrival);
  Click(u"btnDeviceArrival");
  SaveRendering(QStringLiteral("main_page4_home.png"));
  SaveButtonRendering(QStringLiteral("save_button_plain.png"));
  window->MarkUnsaved(model::kUnsavedConfig);
  SaveRendering(QStringLiteral("main_page4_home_unsaved.png"));
  // The red marker reads on the button's fill; the accent stays as its edge.
  const QImage marked = SaveButtonRendering(QStringLiteral("save_button_marked.png"));
  const QColor fill = marked.pixelColor(6, marked.height() / 2);
  EXPECT_GE(ContrastRatio(QColor(0xFF, 0, 0), fill), 4.0) << fill.name().toStdString();
  const QColor edge = marked.pixelColor(marked.width() / 2, 0);
  EXPECT_GT(edge.blue(), 200) << edge.name().toStdString();
  EXPECT_LT(edge.red(), 40) << edge.name().toStdString();
  auto* save = window->FindControl<toolkit::CButtonUI>(u"btnSave");
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QCoreApplication::sendEvent(save, &enter);
  const QImage hovered = SaveButtonRendering(QStringLiteral("save_button_marked_hovered.png"));
  EXPECT_GE(ContrastRatio(QColor(0xFF, 0, 0), hovered.pixelColor(6, hovered.height() / 2)), 4.0);
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(save, &leave);
  save->setFocus(Qt::TabFocusReason);
  SaveButtonRendering(QStringLiteral("save_button_marked_focused.png"));
  save->clearFocus();
  for (const int page : {app::kPagePlayEdit, app::kPageMacroManager, app::kPageMacroEditor}) {
    window->SelectPage(page);
    EXPECT_EQ(Page(), page);
    SaveRendering(QStringLiteral("main_page%1.png").arg(page));
  }

  adapter.Unplug();
  ASSERT_TRUE(WaitUntil([this] { return Page() == app::kPageDeviceRemove; }));
  SaveRendering(QStringLiteral("main_page2_device_remove.png"));
}

// Grabs the next modal window with `control` to `file_name`, then closes it with `code`.
void RenderModal(const char16_t* control, const QString& file_name, int code) {
  WhenModalShows(control, [file_name, code](toolkit::WindowImplBase& dialog) {
    QCoreApplication::processEvents();
    SaveRenderingAs(dialog.grab(), file_name);
    dialog.Close(code);
  });
}

TEST_F(PageRenderTest, TheAdapterPageAndItsQuestionsRender) {
  ASSERT_TRUE(StartOnAdapterPage("old-firmware"));
  auto* adapter_button = window->FindControl<toolkit::CButtonUI>(u"btnDeviceArrival");
  ASSERT_NE(adapter_button, nullptr);
  EXPECT_EQ(adapter_button->GetAppearance(), toolkit::CButtonUI::Appearance::kGlow);
  EXPECT_EQ(adapter_button->width(), 340);
  EXPECT_FALSE(QAccessible::queryAccessibleInterface(adapter_button)->text(QAccessible::Name).isEmpty());
  const QPoint glow_spot(4, adapter_button->height() / 2);  // beside the drawing, inside the glow
  const QRgb idle = adapter_button->grab().toImage().pixel(glow_spot);

  adapter_button->setFocus(Qt::TabFocusReason);
  QEnterEvent enter(QPointF(20, 20), QPointF(20, 20), QPointF(20, 20));
  QCoreApplication::sendEvent(adapter_button, &enter);
  SaveRendering(QStringLiteral("main_page3_adapter_hovered.png"));
  const QRgb hovered = adapter_button->grab().toImage().pixel(glow_spot);
  // The glow is the accent's blue, not a grey veil.
  EXPECT_GT(qBlue(hovered), qBlue(idle) + 8);
  EXPECT_GT(qBlue(hovered) - qRed(hovered), qBlue(idle) - qRed(idle));

  adapter_button->clearFocus();
  SaveRendering(QStringLiteral("main_page3_adapter_hovered_only.png"));
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(20, 20), QPointF(20, 20), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(adapter_button, &press);
  SaveRendering(QStringLiteral("main_page3_adapter_pressed.png"));
  // Released outside: no click.
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-5, -5), QPointF(-5, -5), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(adapter_button, &release);
  EXPECT_EQ(Page(), app::kPageDeviceArrival);

  core::FirmwareProcedures procedures(state.session, *window);
  RenderModal(u"YesBtn", QStringLiteral("question_upgrade_firmware.png"), dialogs::kIdNo);
  EXPECT_EQ(procedures.UpgradeFirmware(), core::ProcedureOutcome::kDeclined);
  RenderModal(u"YesBtn", QStringLiteral("question_restore_configuration.png"), dialogs::kIdNo);
  EXPECT_EQ(procedures.RestoreConfiguration(), core::ProcedureOutcome::kDeclined);
  RenderModal(u"btnRestoreFactoryConfig", QStringLiteral("restore_factory_dlg.png"), 0);
  Click(u"btnUpgrade");
  EXPECT_TRUE(dialogs::MessageBoxAnswers::Shown().isEmpty());
}

// Run once more at scale factor 2 by the build: the window is drawn at the screen's density from the double-size
// images, so nothing is scaled up and blurred.
TEST_F(PageRenderTest, ImagesFollowTheScreensDensity) {
  ASSERT_TRUE(StartOnAdapterPage());
  const qreal density = qApp->devicePixelRatio();
  EXPECT_EQ(window->grab().devicePixelRatio(), density);
  for (const char* image : {"main_wnd_init_background.png", "device_arrival.png", "ps4_keymap.png", "logo.png"}) {
    const QPixmap pixmap = toolkit::SkinArchive::Current()->Image(QString::fromUtf8(image));
    ASSERT_FALSE(pixmap.isNull()) << image;
    EXPECT_EQ(pixmap.devicePixelRatio(), density >= 1.5 ? 2.0 : 1.0) << image;
  }
}

TEST_F(PageRenderTest, TheLayoutHasEveryNamedPageAndControl) {
  StartWindow(false);
  const char16_t* pages[] = {u"layIncompatibleUpgrade", u"layIncompatible", u"layDeviceRemove",    u"layDeviceArrival",
                             u"layPlaySelect",          u"layPlayEdit",     u"layMacroManagerWnd", u"layMacroEidtWnd"};
  auto* tab = window->FindControl<toolkit::CTabLayoutUI>(u"tabLayoutWnd");
  ASSERT_NE(tab, nullptr);
  ASSERT_EQ(tab->GetCount(), 8);
  for (int index = 0; index < 8; ++index) {
    EXPECT_EQ(tab->GetItemAt(index)->GetName(), QString::fromUtf16(pages[index])) << index;
  }
  for (const char16_t* name :
       {u"layWndBackground", u"layToolBars", u"btnTitle", u"btnHome", u"btnSettings", u"btnhelp", u"btnSave",
        u"closebtn", u"btnDeviceArrival", u"btnUpgrade", u"btn_Download_Upgrade_Tool", u"btn_Download_Manager"}) {
    EXPECT_NE(Control(name), nullptr) << QString::fromUtf16(name).toStdString();
  }
  // Start-up looks as after a removal: no tool bar, no title, Save disabled.
  EXPECT_FALSE(Control(u"btnSave")->IsEnabled());
  EXPECT_EQ(Control(u"btnSave")->GetText(), QStringLiteral("Save"));
  EXPECT_EQ(Control(u"layWndBackground")->GetBkImage(), QStringLiteral("main_wnd_init_background.png"));
  EXPECT_EQ(QString::fromUtf8(app::kInitBackground), Control(u"layWndBackground")->GetBkImage());  // decoded ahead
  // The pages' own texts, blanks included.
  const auto texts = [this](const char16_t* page) {
    QStringList list;
    for (auto* control : Control(page)->findChildren<toolkit::CControlUI*>()) list << control->GetText();
    return list;
  };
  EXPECT_TRUE(
      texts(u"layIncompatibleUpgrade").contains(QStringLiteral("Option 2: use Torvane Manager  V1.X.X/2.X.X/3.X.X")));
  EXPECT_TRUE(texts(u"layIncompatible").contains(QStringLiteral("Please use Torvane Manager  V1.X.X/2.X.X/3.X.X.")));
  EXPECT_TRUE(texts(u"layDeviceRemove").contains(QStringLiteral("No Torvane Detected")));
  EXPECT_TRUE(
      texts(u"layDeviceRemove").contains(QStringLiteral("Please ensure your Torvane is firmly connected to PC.")));
}

}  // namespace
}  // namespace torvane::testing
