// Renders the toolkit's controls in their states into a PNG under the build folder, for people to look at.
#include "support/TestSkin.h"
#include "support/TestWindow.h"
#include "toolkit/CButtonUI.h"
#include "toolkit/CComboUI.h"
#include "toolkit/CEditUI.h"
#include "toolkit/COptionUI.h"
#include "toolkit/widgets/TestLayouts.h"

#include <QTest>

#include <gtest/gtest.h>

namespace torvane::toolkit {
namespace {

constexpr char kGallery[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<Window size="560,360" caption="0,0,0,40">
  <VerticalLayout bkcolor="#FF15181E">
    <HorizontalLayout height="40" bkcolor="#FF1E232B" inset="16,0,0,0">
      <Label name="lblTitle" text="Controls" font="2"/>
      <Button name="closebtn" width="48" appearance="close"/>
    </HorizontalLayout>
    <Control height="1" bkcolor="#FF39414D"/>
    <HorizontalLayout inset="16,16,16,16" childpadding="24">
      <VerticalLayout childpadding="8">
        <Label text="Buttons" font="1" height="20" textcolor="#FF9AA3B2"/>
        <Button name="btnRaised" text="Import" height="32"/>
        <Button name="btnPrimary" text="Save" height="32" appearance="primary"/>
        <Button name="btnFocus" text="Focused" height="32"/>
        <Button name="btnDisabled" text="Disabled" height="32" enabled="false"/>
        <Button name="btnLink" text="https://example.invalid/forum" height="24" appearance="link"/>
        <Label text="A configuration name far too long for its label ends in an ellipsis" height="24"/>
      </VerticalLayout>
      <VerticalLayout childpadding="8">
        <Label text="Fields" font="1" height="20" textcolor="#FF9AA3B2"/>
        <Edit name="editName" text="Call of Duty" height="32"/>
        <Edit name="editNumber" text="45" height="32" numberonly="true" min="1" max="100"/>
        <Combo name="comboMode" height="32">
          <ListLabelElement text="Temporary Hold" selected="true"/>
          <ListLabelElement text="Temporary Toggle"/>
        </Combo>
        <Option name="optOn" text="Invert mouse" height="24" selected="true"/>
        <Option name="optOff" text="ADS toggle" height="24"/>
        <HorizontalLayout height="24" childpadding="16">
          <Option name="optA" text="Circle" group="dz" selected="true"/>
          <Option name="optB" text="Square" group="dz"/>
        </HorizontalLayout>
        <Progress value="60" height="8" padding="0,8,0,0"/>
      </VerticalLayout>
    </HorizontalLayout>
  </VerticalLayout>
</Window>)";

TEST(GalleryRenderTest, ControlsInTheirStates) {
  testing::InstallTestSkin({{"gallery.xml", kGallery}});
  testing::TestWindow window("gallery.xml");
  ASSERT_TRUE(window.Create(nullptr, "Gallery", WindowImplBase::Kind::kMain));
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  window.FindControl(u"btnFocus")->setFocus(Qt::TabFocusReason);
  QTest::mouseMove(window.FindControl(u"btnRaised"));
  const QPixmap shot = window.grab();
  EXPECT_EQ(shot.size() / shot.devicePixelRatio(), QSize(560, 360));
  testing::SaveRenderingAs(shot, QStringLiteral("toolkit_gallery.png"));
}

}  // namespace
}  // namespace torvane::toolkit
