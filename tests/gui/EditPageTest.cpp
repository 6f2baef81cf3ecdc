// The editing page of one configuration, driven through the main window: the fields, their checks and what
// reaches the record, the steering wheel choice, the group switch, the name and colour, and the change marks.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <cstring>
#include <functional>
#include <source_location>

#include "app/MainPage.h"
#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "model/FlashImage.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/catalogue/WheelProfiles.h"
#include "model/keys/KeyName.h"
#include "model/params/ResponseCurves.h"
#include "model/params/SteeringAngle.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/MacroTable.h"
#include "model/tables/NameText.h"
#include "support/MainWindowFixture.h"
#include "toolkit/CButtonUI.h"
#include "toolkit/CChartUI.h"
#include "toolkit/CComboUI.h"
#include "toolkit/CEditUI.h"
#include "toolkit/CTabLayoutUI.h"
#include "toolkit/TNotifyUI.h"

namespace torvane::testing {
namespace {

using dialogs::MessageBoxAnswers;
using model::ConfigRecord;

class EditPageTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MessageBoxAnswers::Reset();
    ASSERT_TRUE(StartOnHomePage());
    model::ConfigBlock& block = state.session.image().config;
    while (block.records[slot].host_type() != block.host) ++slot;
  }
  void TearDown() override { MessageBoxAnswers::Reset(); }

  ConfigRecord& Record() { return state.session.image().config.records[slot]; }
  // Shapes the record, then opens the page for it with nothing marked.
  void Open(const std::function<void(ConfigRecord&)>& shape = {}) {
    if (shape) shape(Record());
    window->MarkUnsaved(0);
    window->OpenEditPage(static_cast<int>(slot));
    ASSERT_EQ(Page(), app::kPagePlayEdit);
  }
  QString Text(const char16_t* name) const { return Control(name)->GetText(); }
  // "Save *" in red on the dark fill with the accent outline, and enabled; or the plain disabled primary button.
  void ExpectSaveMarked(bool marked, std::source_location where = std::source_location::current()) const {
    const ::testing::ScopedTrace trace(where.file_name(), static_cast<int>(where.line()), "");
    auto* save = window->FindControl<toolkit::CButtonUI>(u"btnSave");
    EXPECT_EQ(save->GetText(), marked ? QStringLiteral("Save *") : QStringLiteral("Save"));
    EXPECT_EQ(save->IsEnabled(), marked);
    EXPECT_EQ(save->GetTextColor(), marked ? 0xFFFF0000u : 0xFF000000u);
    EXPECT_EQ(save->GetAppearance(),
              marked ? toolkit::CButtonUI::Appearance::kOutline : toolkit::CButtonUI::Appearance::kPrimary);
  }
  // Types into an edit and leaves it.
  void Type(const char16_t* name, const QString& text) {
    Control(name)->SetText(text);
    Control(name)->SendNotify(QString::fromUtf16(toolkit::notify::kKillFocus));
  }
  toolkit::CComboUI* Combo(const char16_t* name) const { return window->FindControl<toolkit::CComboUI>(name); }
  // Chooses a combo item as the player does.
  void Choose(const char16_t* name, int item) { ASSERT_TRUE(Combo(name)->SelectItem(item, false, true)); }
  int AngleStyle() const { return window->FindControl<toolkit::CTabLayoutUI>(u"tabLayoutAngleStyle")->GetCurSel(); }
  QStringList Messages() const {
    QStringList texts;
    for (const auto& box : MessageBoxAnswers::Shown()) texts << box.text;
    return texts;
  }
  // A wheel profile of the record's console, given to the record with wheel type `wheel`.
  const model::WheelProfile& UseWheelProfile(ConfigRecord& record, int wheel) {
    static const std::vector<model::WheelProfile> profiles = model::catalogue::BuildWheelProfiles();
    record.game_id = profiles.front().game_id;
    record.set_host_type(profiles.front().host);
    record.set_wheel_type(wheel);
    record.input_device = 1;
    return profiles.front();
  }

  std::size_t slot = 0;
};

TEST_F(EditPageTest, IntegerFieldsTakeValuesInsideTheirRangeOnly) {
  struct Row {
    const char16_t* edit;
    int input_device;
    int min, max;
    std::function<int(const ConfigRecord&)> get;
    std::function<void(ConfigRecord&, int)> set;
  };
  const Row rows[] = {
      {u"editJoystickDeadzone", 0, 1, 127, [](auto& r) { return r.joystick_deadzone; },
       [](auto& r, int v) { r.joystick_deadzone = static_cast<std::uint8_t>(v); }},
      {u"editVibrationStrength", 0, 0, 100, [](auto& r) { return r.vibration_strength; },
       [](auto& r, int v) { r.vibration_strength = static_cast<std::uint8_t>(v); }},
      {u"editSW_VibrationStrength", 1, 0, 100, [](auto& r) { return r.vibration_strength; },
       [](auto& r, int v) { r.vibration_strength = static_cast<std::uint8_t>(v); }},
      {u"editForceFeedbackStrength", 1, 0, 15, [](auto& r) { return r.force_feedback_strength; },
       [](auto& r, int v) { r.force_feedback_strength = static_cast<std::uint8_t>(v); }},
      {u"editSteeringAngle", 1, 40, 900, [](auto& r) { return r.steering_angle.get(); },
       [](auto& r, int v) { r.steering_angle = static_cast<std::uint16_t>(v); }},
      {u"editSterringDeadzone", 1, 0, 127, [](auto& r) { return r.steering_deadzone; },
       [](auto& r, int v) { r.steering_deadzone = static_cast<std::uint8_t>(v); }},
      {u"editStickDeadzone", 0, 1, 127, [](auto& r) { return r.stick_deadzone; },
       [](auto& r, int v) { r.stick_deadzone = static_cast<std::uint8_t>(v); }},
  };
  for (const Row& row : rows) {
    for (const int typed : {row.min, row.max, row.min - 1, row.max + 1}) {
      SCOPED_TRACE(QString::fromUtf16(row.edit).toStdString() + " " + std::to_string(typed));
      const int stored = row.min + 1;
      Open([&](ConfigRecord& r) {
        r.input_device = static_cast<std::uint8_t>(row.input_device);
        r.set_wheel_type(0);
        row.set(r, stored);
      });
      EXPECT_EQ(Text(row.edit), QString::number(stored));
      const bool inside = typed >= row.min && typed <= row.max;
      const bool warns = !inside && row.edit == std::u16string_view(u"editSteeringAngle");
      MessageBoxAnswers::Reset();
      if (warns) MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
      // Typed and never left: leaving the page must check it as leaving the field would.
      Control(row.edit)->SetText(QString::number(typed));
      Click(u"btnHome");
      EXPECT_EQ(row.get(Record()), inside ? typed : stored);
      EXPECT_EQ(window->unsaved_mask(), inside ? model::kUnsavedConfig : 0u);
      EXPECT_EQ(Messages(), warns ? QStringList{QStringLiteral("Angle should be 40~900.")} : QStringList{});
      if (!inside) {
        EXPECT_EQ(Text(row.edit), QString::number(stored));
      }
    }
  }
}

// Emptied, a vibration field shows the strength again whichever input device the configuration uses; only the
// controller page reads the byte as signed.
TEST_F(EditPageTest, EmptiedVibrationFieldsShowTheStrengthAgain) {
  const struct {
    const char16_t* edit;
    int page;
    int input_device;
    const char* shown;
  } cases[] = {
      {u"editVibrationStrength", 1, 0, "-56"},
      {u"editVibrationStrength", 1, 1, "-56"},
      {u"editVibrationStrength", 1, 3, "-56"},
      {u"editSW_VibrationStrength", 2, 1, "200"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(QString::fromUtf16(c.edit).toStdString() + " device " + std::to_string(c.input_device));
    Open([&](ConfigRecord& r) {
      r.input_device = static_cast<std::uint8_t>(c.input_device);
      r.set_wheel_type(0);
      r.vibration_strength = 0xC8;
    });
    while (window->edit_page().setting_page() != c.page) Click(u"btnNext");
    EXPECT_EQ(Text(c.edit).toStdString(), c.shown);
    Type(c.edit, QString());
    EXPECT_EQ(Text(c.edit).toStdString(), c.shown);
    Click(u"btnHome");
    EXPECT_EQ(Record().vibration_strength, 0xC8);
  }
}

TEST_F(EditPageTest, SensitivitiesStoreHundredthsOrShowTheStoredValueAgain) {
  const struct {
    const char* typed;
    int stored;
    const char* shown;
  } rows[] = {{"0", 250, " 2.50"},   {"60", 250, " 2.50"},   {"50.01", 250, " 2.50"}, {"", 250, " 2.50"},
              {"0.015", 1, " 0.01"}, {"50", 5000, " 50.00"}, {"0.29", 29, " 0.29"},   {"abc", 250, " 2.50"}};
  for (const char16_t* edit : {u"editHipSensitivity", u"editADSSensitivity"}) {
    for (const auto& row : rows) {
      SCOPED_TRACE(row.typed);
      Open([](ConfigRecord& r) {
        r.input_device = 0;
        r.hip_sensitivity = 250;
        r.ads_sensitivity = 250;
      });
      EXPECT_EQ(Text(edit), QStringLiteral(" 2.50"));
      Type(edit, QString::fromLatin1(row.typed));
      const auto& field =
          edit == std::u16string_view(u"editHipSensitivity") ? Record().hip_sensitivity : Record().ads_sensitivity;
      EXPECT_EQ(field.get(), row.stored);
      EXPECT_EQ(Text(edit), QString::fromLatin1(row.shown));
    }
  }
}

TEST_F(EditPageTest, AngleBelowRangeWarnsOnLeavingTheField) {
  Open([this](ConfigRecord& r) {
    UseWheelProfile(r, 0);
    r.steering_angle = 300;
  });
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  Type(u"editSteeringAngle", QStringLiteral("35"));
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("Angle should be 40~900.")});
  EXPECT_EQ(Text(u"editSteeringAngle"), QStringLiteral("300"));
  Type(u"editSteeringAngle", QStringLiteral("40"));
  EXPECT_EQ(MessageBoxAnswers::Shown().size(), 1);
  EXPECT_EQ(Record().steering_angle.get(), 300);  // the field waits for the page to be left
  Click(u"btnHome");
  EXPECT_EQ(Record().steering_angle.get(), 40);
}

TEST_F(EditPageTest, SteeringPageFollowsTheWheelKind) {
  for (const bool native : {false, true}) {
    SCOPED_TRACE(native);
    const model::WheelProfile* profile = nullptr;
    Open([&](ConfigRecord& r) {
      profile = &UseWheelProfile(r, 0);
      r.steering_angle = 360;
      r.flags = static_cast<std::uint16_t>(native ? r.flags | 0x4000 : r.flags & 0x3FFF);
    });
    EXPECT_EQ(window->edit_page().setting_page(), 2);
    EXPECT_EQ(Text(u"lblSettingType"), QStringLiteral("Steering Wheel"));
    EXPECT_EQ(Combo(u"comboSteeringType")->GetCount(), profile->count);
    EXPECT_EQ(Combo(u"comboSteeringType")->GetCurSel(), 0);
    EXPECT_EQ(AngleStyle(), 0);
    EXPECT_EQ(Text(u"editSteeringAngle"), QStringLiteral("360"));
    for (const char16_t* row :
         {u"laySteeringSensitivity", u"laySW_VibrationStrength", u"layForceFeedbackStrength", u"laySteeringDeadzone"}) {
      EXPECT_EQ(Control(row)->IsVisible(), !native);
    }
  }
  // The two-angle wheel: its chooser shows 200 or 900 and nothing for other angles, and writes its choice back.
  for (const int angle : {200, 900, 300}) {
    Open([&](ConfigRecord& r) {
      UseWheelProfile(r, model::kAngleChooserWheelType);
      r.steering_angle = static_cast<std::uint16_t>(angle);
    });
    EXPECT_EQ(AngleStyle(), 1);
    EXPECT_EQ(Combo(u"comboSteeringAngle")->GetCurSel(), angle == 200 ? 0 : angle == 900 ? 1 : -1);
  }
  Combo(u"comboSteeringAngle")->SelectItem(1);
  Click(u"btnHome");
  EXPECT_EQ(Record().steering_angle.get(), 900);
}

TEST_F(EditPageTest, ChoosingTheSavedWheelAgainUndoesThePage) {
  const model::WheelProfile* profile = nullptr;
  Open([&](ConfigRecord& r) { profile = &UseWheelProfile(r, 0); });
  const ConfigRecord opened = Record();
  Control(u"editSterringDeadzone")->SetText(QStringLiteral("99"));
  Click(u"btnNext");  // stores the deadzone
  Click(u"btnPrevious");
  Click(u"btnColor");
  Record().mapping[0][0] = 0x55;  // as a key capture would

  const model::WheelType& other = profile->types[4];
  Choose(u"comboSteeringType", 4);
  EXPECT_EQ(Record().wheel_type(), other.id);
  EXPECT_EQ(Record().mapping, other.mapping);
  EXPECT_EQ(Record().steering_angle.get(), other.steering_angle.get());
  EXPECT_EQ(Text(u"editForceFeedbackStrength"), QString::number(other.force_feedback_strength));

  Choose(u"comboSteeringType", 0);
  EXPECT_EQ(std::memcmp(&Record(), &opened, sizeof(ConfigRecord)), 0);
  EXPECT_EQ(Text(u"editSterringDeadzone"), QString::number(opened.steering_deadzone));
  Click(u"btnHome");
  EXPECT_EQ(window->unsaved_mask(), 0u);
}

TEST_F(EditPageTest, NextAndPreviousSkipTheWheelPageWithoutAWheel) {
  const struct {
    int input_device;
    const char16_t* button;
    std::vector<int> pages;
  } rows[] = {{0, u"btnNext", {1, 3, 4, 0}},
              {0, u"btnPrevious", {4, 3, 1, 0}},
              {1, u"btnNext", {3, 4, 0, 1, 2}},
              {7, u"btnPrevious", {3, 1, 0, 4}}};
  for (const auto& row : rows) {
    Open([&](ConfigRecord& r) { r.input_device = static_cast<std::uint8_t>(row.input_device); });
    std::vector<int> pages;
    for (std::size_t i = 0; i < row.pages.size(); ++i) {
      Click(row.button);
      pages.push_back(window->edit_page().setting_page());
    }
    EXPECT_EQ(pages, row.pages);
  }
  // Text typed on a page comes back with the page rather than the stored value.
  Open([](ConfigRecord& r) { r.input_device = 0; });
  while (window->edit_page().setting_page() != 3) Click(u"btnNext");
  Control(u"editStickDeadzone")->SetText(QStringLiteral("20"));
  for (int i = 0; i < 4; ++i) Click(u"btnNext");
  EXPECT_EQ(Text(u"editStickDeadzone"), QStringLiteral("20"));
}

TEST_F(EditPageTest, GroupSwitchShowsTheOtherGroupAndItsTitle) {
  Open([](ConfigRecord& r) {
    r.mapping[0][0] = 0x04;
    r.mapping[1][0] = 0x05;
  });
  EXPECT_EQ(Text(u"btnPlayKey_L1"), QString::fromUtf8(model::KeyName(0x04)));
  Click(u"btnMappingGroupSwith");
  EXPECT_EQ(Text(u"lblMappingGroupName"), QStringLiteral("Secondary Mapping"));
  EXPECT_EQ(Text(u"btnPlayKey_L1"), QString::fromUtf8(model::KeyName(0x05)));
  Click(u"btnMappingGroupSwith");
  EXPECT_EQ(Text(u"lblMappingGroupName"), QStringLiteral("Primary Mapping"));
  EXPECT_EQ(Text(u"btnPlayKey_L1"), QString::fromUtf8(model::KeyName(0x04)));
}

TEST_F(EditPageTest, OnlyARealChangeMarksTheConfiguration) {
  // The deadzone repair alone is no change.
  Open([](ConfigRecord& r) {
    r.stick_deadzone = 0;
    r.joystick_deadzone = 30;
  });
  Click(u"btnHome");
  EXPECT_EQ(Record().stick_deadzone, 16);
  EXPECT_EQ(window->unsaved_mask(), 0u);
  EXPECT_FALSE(Control(u"btnSave")->IsEnabled());

  // The button compares the record, with what the fields hold, after every change: "Save *" exactly while it
  // differs, whether the change is typed, left, stored or typed back.
  Open();
  ExpectSaveMarked(false);
  Type(u"editJoystickDeadzone", QStringLiteral("31"));
  ExpectSaveMarked(true);
  Click(u"btnNext");
  ExpectSaveMarked(true);
  auto* deadzone = window->FindControl<toolkit::CEditUI>(u"editJoystickDeadzone");
  deadzone->SetText(QString());
  QTest::keyClicks(deadzone->GetLineEdit(), QStringLiteral("3"));
  ExpectSaveMarked(true);
  QTest::keyClicks(deadzone->GetLineEdit(), QStringLiteral("0"));
  ExpectSaveMarked(false);
  QTest::keyClicks(window->FindControl<toolkit::CEditUI>(u"editPlayName")->GetLineEdit(), QStringLiteral("x"));
  ExpectSaveMarked(true);
  QTest::keyClick(window->FindControl<toolkit::CEditUI>(u"editPlayName")->GetLineEdit(), Qt::Key_Backspace);
  ExpectSaveMarked(false);
  Click(u"btnHome");
  EXPECT_EQ(window->unsaved_mask(), 0u);
  ExpectSaveMarked(false);

  Open();
  const std::uint32_t expected = model::NextFreeColor(state.session.image().config, Record().color);
  ASSERT_NE(expected, Record().color.get());
  Click(u"btnColor");
  EXPECT_EQ(Record().color.get(), expected);
  EXPECT_EQ(Control(u"btnColor")->GetBkColor(), expected);
  ExpectSaveMarked(true);
  Click(u"btnHome");
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedConfig);
  ExpectSaveMarked(true);
}

TEST_F(EditPageTest, SettingsDialogsWriteTheRecordAndOfferTheSave) {
  Open([](ConfigRecord& r) { r.left_stick_strength = 50; });
  WhenModalShows(u"editStickStrength", [](toolkit::WindowImplBase& dialog) {
    dialog.FindControl(u"editStickStrength")->SetText(QStringLiteral("77"));
    QTest::mouseClick(dialog.FindControl(u"btnOk"), Qt::LeftButton);
  });
  Click(u"btnLeftStickSettings");
  EXPECT_EQ(Record().left_stick_strength, 77);
  ExpectSaveMarked(true);
  Click(u"btnHome");
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedConfig);
}

TEST_F(EditPageTest, CurveButtonEditsTheRecordsCurves) {
  Open([](ConfigRecord& r) { r.hip_curve = model::NeutralCurve(); });
  EXPECT_EQ(Control(u"btnCurve")->GetText(), "Curve Editor");
  WhenModalShows(u"chartHip", [](toolkit::WindowImplBase& dialog) {
    auto* chart = dialog.FindControl<toolkit::CChartUI>(u"chartHip");
    chart->SetFocusIndex(2);
    chart->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(chart, Qt::Key_Up);
    QTest::mouseClick(dialog.FindControl(u"btnOk"), Qt::LeftButton);
  });
  Click(u"btnCurve");
  EXPECT_EQ(Record().hip_curve[2], 21);
  EXPECT_TRUE(Control(u"btnSave")->IsEnabled());
}

// Typed and not yet left, on the editing page or on the macro pages reached from it: kept for the adapter's return.
TEST_F(EditPageTest, WhatThePageHoldsWhenTheAdapterGoesComesBackWithIt) {
  for (const bool via_macros : {false, true}) {
    SCOPED_TRACE(via_macros);
    Open();
    const std::uint8_t deadzone = Record().joystick_deadzone;
    Control(u"editHipSensitivity")->SetText(via_macros ? QStringLiteral("6.5") : QStringLiteral("7.25"));
    Control(u"editJoystickDeadzone")->SetText(QStringLiteral("999"));  // out of range: kept as stored, unasked
    if (via_macros) Click(u"btnMacro");
    adapter.Unplug();
    ASSERT_TRUE(WaitUntil([this] { return Page() == app::kPageDeviceRemove; }));
    EXPECT_TRUE(MessageBoxAnswers::Shown().isEmpty());
    adapter.Plug();
    ASSERT_TRUE(WaitUntil([this] { return Page() == app::kPageDeviceArrival; }));
    EXPECT_EQ(Record().hip_sensitivity, via_macros ? 650 : 725);
    EXPECT_EQ(Record().joystick_deadzone, deadzone);
    EXPECT_NE(window->unsaved_mask() & model::kUnsavedConfig, 0u);
    EXPECT_EQ(Control(u"btnSave")->GetText(), QStringLiteral("Save *"));
    Click(u"btnDeviceArrival");
    ASSERT_EQ(Page(), app::kPagePlaySelect);
  }
}

TEST_F(EditPageTest, UnpluggingClosesAnOpenSettingsDialogWithoutApplyingIt) {
  Open();
  const ConfigRecord before = Record();
  bool left_open = false;
  WhenModalShows(u"optInverMouse", [&](toolkit::WindowImplBase& dialog) {
    QTest::mouseClick(dialog.FindControl(u"optInverMouse"), Qt::LeftButton);
    adapter.Unplug();
    // Only reached when the unplug did not end the dialog.
    QTimer::singleShot(8000, &dialog, [&] {
      left_open = true;
      QTest::mouseClick(dialog.FindControl(u"btnOk"), Qt::LeftButton);
    });
  });
  Click(u"btnMoreSetting");
  EXPECT_FALSE(left_open);
  EXPECT_EQ(Page(), app::kPageDeviceRemove);
  EXPECT_EQ(std::memcmp(&before, &Record(), sizeof(ConfigRecord)), 0);
}

TEST_F(EditPageTest, RenameRefusesTakenNamesAndTakesTheMacrosAlong) {
  Open();
  const int host = Record().host_type();
  const std::string old_name(model::ReadName(Record().name));
  std::size_t other = 0;
  while (other == slot || state.session.image().config.records[other].host_type() != host) ++other;
  const std::string taken(model::ReadName(state.session.image().config.records[other].name));
  model::MacroRecord macro{};
  macro.host = static_cast<std::uint8_t>(host);
  model::StoreName(macro.macro_name, "Burst", model::kMacroNameChars);
  model::StoreName(macro.owner_name, old_name, model::kEditedConfigNameChars);
  ASSERT_TRUE(model::AddMacro(state.session.image().macro, macro));

  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  Type(u"editPlayName", QString::fromStdString(taken));
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("\nA game with the same name is already in list.")});
  EXPECT_EQ(Text(u"editPlayName").toStdString(), old_name);
  Type(u"editPlayName", QString());
  EXPECT_EQ(Text(u"editPlayName").toStdString(), old_name);
  EXPECT_EQ(window->unsaved_mask(), 0u);

  // Typed and never left: typing offers the save, which checks the name as leaving would, macros included.
  auto* name = window->FindControl<toolkit::CEditUI>(u"editPlayName");
  name->SetText(QString());
  QTest::keyClicks(name->GetLineEdit(), QStringLiteral("Renamed"));
  EXPECT_TRUE(Control(u"btnSave")->IsEnabled());
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);  // "Save successfully!"
  Click(u"btnSave");
  EXPECT_EQ(model::ReadName(Record().name), "Renamed");
  EXPECT_NE(model::FindMacro(state.session.image().macro, "Renamed", "Burst", host), nullptr);
  EXPECT_EQ(window->unsaved_mask(), 0u);
  Click(u"btnHome");
  EXPECT_EQ(window->unsaved_mask(), 0u);  // saved, so no change is left to mark

  Open();
  Type(u"editPlayName", QStringLiteral("Again"));
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedMacro);
  // The macro manager lists the macros under the name as typed.
  Control(u"editPlayName")->SetText(QStringLiteral("Third"));
  Click(u"btnMacro");
  EXPECT_EQ(Page(), app::kPageMacroManager);
  EXPECT_NE(model::FindMacro(state.session.image().macro, "Third", "Burst", host), nullptr);
}

TEST_F(EditPageTest, ClosingTheWindowChecksTypedText) {
  Open([this](ConfigRecord& r) {
    UseWheelProfile(r, 0);
    r.steering_angle = 300;
  });
  Control(u"editSteeringAngle")->SetText(QStringLiteral("35"));
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  window->close();
  EXPECT_EQ(Messages(), QStringList{QStringLiteral("Angle should be 40~900.")});
  EXPECT_EQ(Page(), app::kPagePlaySelect);
  EXPECT_EQ(Record().steering_angle.get(), 300);
}

TEST_F(EditPageTest, HostileRecordOpensAndLeavesUnchanged) {
  Open([](ConfigRecord& r) {
    r.name.fill('\xFF');
    r.game_id = 250;
    r.hotkey = 0xFF;
    r.input_device = 1;
    r.mode_bits = 0xFF;
    r.vibration_bits = 0xFF;
    r.vibration_strength = 0xC8;
    r.joystick_deadzone = 0;
    r.hip_sensitivity = 65535;
    r.steering_angle = 0;
    r.button_count = 255;
  });
  const ConfigRecord opened = Record();
  EXPECT_EQ(Combo(u"comboVibrationOn")->GetCurSel(), -1);
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);  // any box would be a fault; it must not hang the test
  for (int i = 0; i < 5; ++i) Click(u"btnNext");
  Click(u"btnMappingGroupSwith");
  Click(u"btnMappingGroupSwith");
  Click(u"btnHome");
  EXPECT_TRUE(MessageBoxAnswers::Shown().isEmpty());
  EXPECT_EQ(std::memcmp(&Record(), &opened, sizeof(ConfigRecord)), 0);
  EXPECT_EQ(window->unsaved_mask(), 0u);
}

TEST_F(EditPageTest, EverySettingsPageRendersInsideThePage) {
  Open([this](ConfigRecord& r) { UseWheelProfile(r, 0); });
  const toolkit::CControlUI* page = Control(u"layPlayEdit");
  for (int setting = 0; setting < 5; ++setting) {
    window->edit_page().ShowSettingPage(setting);
    SaveRendering(QStringLiteral("edit_page_settings%1.png").arg(setting));
    // Where the page stands once laid out: it is built on its first use.
    const QRect bounds(page->mapTo(window.get(), QPoint(0, 0)), page->size());
    for (auto* control : page->findChildren<toolkit::CControlUI*>()) {
      if (!control->isVisibleTo(window.get()) || control->GetName().isEmpty()) continue;
      const QRect rect(control->mapTo(window.get(), QPoint(0, 0)), control->size());
      EXPECT_TRUE(bounds.contains(rect)) << control->GetName().toStdString();
    }
  }
}

}  // namespace
}  // namespace torvane::testing
