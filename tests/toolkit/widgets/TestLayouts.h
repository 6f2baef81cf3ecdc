#pragma once

// Layouts the toolkit tests build windows from.
namespace torvane::testing {

inline constexpr char kTestWindowLayout[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<Window size="320,240" caption="0,0,0,32">
  <VerticalLayout name="layRoot" inset="0,0,0,8" childpadding="4">
    <HorizontalLayout name="layTitle" height="32">
      <Label name="lblTitle" text="Test"/>
      <Button name="closebtn" width="32"/>
    </HorizontalLayout>
    <Edit name="editName" height="28"/>
    <Edit name="editStrength" height="28" numberonly="true" min="1" max="100"/>
    <Button name="btnOk" height="32" text="Ok" userdata="OkData"/>
    <Option name="optA" group="mode" height="20" text="A"/>
    <Option name="optB" group="mode" height="20" text="B"/>
    <Option name="optCheck" height="20" text="Check"/>
    <Combo name="comboKind" height="28">
      <ListLabelElement text="First"/>
      <ListLabelElement text="Second"/>
      <ListLabelElement text="Third"/>
    </Combo>
  </VerticalLayout>
</Window>)";

}  // namespace torvane::testing
