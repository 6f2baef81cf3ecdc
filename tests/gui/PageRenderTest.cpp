// Renders every page of the main window to PNG files in the build folder, for people to look at.
#include <gtest/gtest.h>

#include "app/MainPage.h"
#include "gui/support/MainWindowFixture.h"
#include "model/FlashImage.h"

namespace torvane::testing {
namespace {

class PageRenderTest : public MainWindowFixture {};

TEST_F(PageRenderTest, EveryPageRendersAtTheWindowSize) {
  ASSERT_TRUE(StartOnAdapterPage());
  EXPECT_EQ(window->size(), QSize(1000, 750));
  SaveRendering(QStringLiteral("main_page3_device_arrival.png"));

  window->SelectPage(app::kPageIncompatibleUpgrade);
  SaveRendering(QStringLiteral("main_page0_incompatible_upgrade.png"));
  window->SelectPage(app::kPageIncompatible);
  SaveRendering(QStringLiteral("main_page1_incompatible.png"));

  window->ShowHomePage();
  SaveRendering(QStringLiteral("main_page4_home.png"));
  window->MarkUnsaved(model::kUnsavedConfig);
  SaveRendering(QStringLiteral("main_page4_home_unsaved.png"));
  for (const int page : {app::kPagePlayEdit, app::kPageMacroManager, app::kPageMacroEditor}) {
    window->SelectPage(page);
    EXPECT_EQ(Page(), page);
    SaveRendering(QStringLiteral("main_page%1.png").arg(page));
  }

  adapter.Unplug();
  ASSERT_TRUE(WaitUntil([this] { return Page() == app::kPageDeviceRemove; }));
  SaveRendering(QStringLiteral("main_page2_device_remove.png"));
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
