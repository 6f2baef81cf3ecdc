// The macro manager and the macro editor, driven through the main window: the manager's actions with their
// names and messages, the step rows and their checks, the hot key, what reaches the macro and the adapter.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <array>
#include <cstring>
#include <string>
#include <utility>

#include "app/MainPage.h"
#include "device/DeviceMessages.h"
#include "dialogs/CListCtrlUI.h"
#include "dialogs/MessageBoxAnswers.h"
#include "dialogs/MessageBoxCodes.h"
#include "editor/macros/MacroStepRow.h"
#include "model/FlashImage.h"
#include "model/HostType.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/MacroTable.h"
#include "model/tables/NameText.h"
#include "support/MainWindowFixture.h"
#include "toolkit/CButtonUI.h"
#include "toolkit/CComboUI.h"
#include "toolkit/CEditUI.h"
#include "toolkit/CListUI.h"
#include "toolkit/TNotifyUI.h"
#include "toolkit/WindowMessage.h"

namespace torvane::testing {
namespace {

using dialogs::MessageBoxAnswers;
using editor::MacroStepRow;

constexpr char kTableFull[] = "\nMacros  can not exceed 30.";
constexpr char kDuplicate[] = "\nA macro with the same name is already in list.";
constexpr char kHoldTime[] = "\nHold Time >= 8ms";

class MacroPagesTest : public MainWindowFixture {
 protected:
  void SetUp() override { MessageBoxAnswers::Reset(); }
  void TearDown() override { MessageBoxAnswers::Reset(); }

  // The macro manager of the first configuration of `host` (the console shown), which starts without macros.
  void OpenManager(int host = -1, const std::function<void()>& shape = {}) {
    ASSERT_TRUE(StartOnAdapterPage());
    model::ConfigBlock& block = state.session.image().config;
    if (host >= 0) block.host = static_cast<std::uint8_t>(host);
    Click(u"btnDeviceArrival");
    while (slot < model::UsedConfigCount(block) && block.records[slot].host_type() != block.host) ++slot;
    ASSERT_LT(slot, model::UsedConfigCount(block));
    model::DeleteMacrosOf(state.session.image().macro, Owner(), Record().host_type());
    if (shape) shape();
    window->OpenEditPage(static_cast<int>(slot));
    window->MarkUnsaved(0);
    Click(u"btnMacro");
    ASSERT_EQ(Page(), app::kPageMacroManager);
  }
  model::ConfigRecord& Record() { return state.session.image().config.records[slot]; }
  std::string Owner() { return std::string(model::ReadName(Record().name)); }
  model::MacroRecord* Macro(const std::string& name) {
    return model::FindMacro(state.session.image().macro, Owner(), name, Record().host_type());
  }
  // A macro of the configuration added to the table directly.
  model::MacroRecord& AddMacro(const char* name, std::size_t steps = 0) {
    model::MacroRecord macro{};
    macro.host = static_cast<std::uint8_t>(Record().host_type());
    macro.owner_name = Record().name;
    model::StoreName(macro.macro_name, name, model::kMacroNameChars);
    macro.step_count = static_cast<std::uint8_t>(steps);
    for (std::size_t i = 0; i < steps; ++i) macro.steps[i].hold_time = static_cast<std::uint16_t>(10 + i);
    EXPECT_TRUE(model::AddMacro(state.session.image().macro, macro));
    return *Macro(name);
  }
  dialogs::CListCtrlUI* Cards() const { return window->macro_manager().List(); }
  QStringList CardNames() const {
    QStringList names;
    for (int i = 0; i < Cards()->GetCount(); ++i) {
      names << Cards()->GetItemAt(i)->findChild<toolkit::CControlUI*>(QStringLiteral("macro_name"))->GetText();
    }
    return names;
  }
  void Edit(int card) {
    Cards()->SelectItem(card);
    Click(u"btnEditMacro");
    ASSERT_EQ(Page(), app::kPageMacroEditor);
  }
  toolkit::CListUI* Rows() const { return window->macro_editor().List(); }
  MacroStepRow Row(int i) const { return MacroStepRow(Rows()->GetItemAt(i)); }
  toolkit::CControlUI* RowPart(int i, const char* name) const {
    return Rows()->GetItemAt(i)->findChild<toolkit::CControlUI*>(QString::fromLatin1(name));
  }
  void ClickRow(int i, const char* button) { static_cast<toolkit::CButtonUI*>(RowPart(i, button))->Activate(); }
  QString Number(int i) const { return RowPart(i, "item_index")->GetText(); }
  // Types into an edit and leaves it.
  static void Type(toolkit::CControlUI* edit, const QString& text) {
    edit->SetText(text);
    edit->SendNotify(QString::fromUtf16(toolkit::notify::kKillFocus));
  }
  QStringList Messages() const {
    QStringList texts;
    for (const auto& box : MessageBoxAnswers::Shown()) texts << box.text;
    return texts;
  }

  std::size_t slot = 0;
};

TEST_F(MacroPagesTest, NewMacrosTakeTheFirstFreeNameAndCopiesDropTheHotKey) {
  OpenManager();
  for (int i = 0; i < 3; ++i) Click(u"btnNewMacro");
  EXPECT_EQ(CardNames(), QStringList({"New Macro", "New Macro(1)", "New Macro(2)"}));
  model::MacroRecord& reload = AddMacro("Reload", 2);
  reload.macro_hotkey = 0x15;
  window->ShowMacroManager();
  Cards()->SelectItem(3);
  Click(u"btnCopyMacro");
  ASSERT_EQ(CardNames().value(4), QStringLiteral("Reload(1)"));
  const model::MacroRecord* copy = Macro("Reload(1)");
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->macro_hotkey, 0);
  EXPECT_EQ(copy->step_count, 2);
  // Delete asks nothing; without a selected card nothing happens.
  Click(u"btnDeleteMacro");
  EXPECT_EQ(Macro("Reload(1)"), nullptr);
  EXPECT_EQ(CardNames().size(), 4);
  for (const char16_t* button : {u"btnDeleteMacro", u"btnCopyMacro", u"btnEditMacro"}) Click(button);
  EXPECT_EQ(CardNames().size(), 4);
  EXPECT_EQ(Page(), app::kPageMacroManager);
  EXPECT_TRUE(MessageBoxAnswers::Shown().isEmpty());
}

TEST_F(MacroPagesTest, AFullTableRefusesNewAndCopiedMacros) {
  OpenManager(-1, [this] {
    // 30 macros, all of another configuration but one.
    model::MacroBlock& block = state.session.image().macro;
    block.count = 0;
    AddMacro("Mine");
    model::MacroRecord other{};
    model::StoreName(other.owner_name, "Someone else", 39);
    for (int i = 1; i < 30; ++i) {
      model::StoreName(other.macro_name, std::to_string(i), model::kMacroNameChars);
      ASSERT_TRUE(model::AddMacro(block, other));
    }
  });
  Cards()->SelectItem(0);
  for (const char16_t* button : {u"btnNewMacro", u"btnCopyMacro"}) {
    MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
    Click(button);
  }
  ASSERT_EQ(MessageBoxAnswers::Shown().size(), 2);
  for (const auto& box : MessageBoxAnswers::Shown()) {
    EXPECT_EQ(QStringList({box.title, box.text}), QStringList({"Warning", kTableFull}));
    EXPECT_EQ(box.style, dialogs::kMbOk);
  }
  EXPECT_EQ(CardNames(), QStringList({"Mine"}));
  EXPECT_EQ(state.session.image().macro.count, 30);
}

TEST_F(MacroPagesTest, LeavingTheManagerMarksTheMacrosOnlyWhenTheyChanged) {
  OpenManager(-1, [this] { AddMacro("Burst"); });
  Click(u"closebtn");
  EXPECT_EQ(Page(), app::kPagePlayEdit);
  EXPECT_EQ(window->unsaved_mask(), 0u);
  EXPECT_TRUE(IsShown(u"btnHome"));

  Click(u"btnMacro");
  EXPECT_FALSE(IsShown(u"btnHome"));
  Cards()->SelectItem(0);
  Click(u"btnDeleteMacro");
  EXPECT_EQ(window->unsaved_mask(), 0u);  // the table changed at once, the mark waits for the page's end
  Click(u"closebtn");
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedMacro);
  EXPECT_EQ(Control(u"btnSave")->GetText(), QStringLiteral("Save *"));
}

TEST_F(MacroPagesTest, TheEditorShowsTheMacroAndStoresItWhenLeft) {
  OpenManager(-1, [this] {
    model::MacroRecord& macro = AddMacro("Burst", 3);
    macro.trigger_mode = 2;
    macro.macro_hotkey = 0x15;
    macro.steps[1].buttons = {1, 2, 0, 0, 26};
    AddMacro("Empty");
  });
  Edit(0);
  EXPECT_EQ(Control(u"btnTitle")->GetText(), QStringLiteral("Edit Macro"));
  EXPECT_EQ(Control(u"editMacroName")->GetText(), QStringLiteral("Burst"));
  EXPECT_EQ(Control(u"btnMacroHotMapKey")->GetText(), QStringLiteral("R"));
  EXPECT_EQ(window->FindControl<toolkit::CComboUI>(u"comboTriggerBehavior")->GetCurSel(), 2);
  ASSERT_EQ(Rows()->GetCount(), 3);
  EXPECT_EQ(Number(2), QStringLiteral("3"));
  EXPECT_EQ(Row(1).Read(Record().host_type()).buttons, (std::array<std::uint8_t, 5>{1, 2, 0, 0, 26}));
  EXPECT_EQ(Row(2).HoldEdit()->GetText(), QStringLiteral("12"));

  // Opening a macro without steps shows one empty row of 100 ms; leaving stores it as one step.
  Click(u"closebtn");
  EXPECT_EQ(Page(), app::kPageMacroManager);
  Edit(1);
  ASSERT_EQ(Rows()->GetCount(), 1);
  EXPECT_EQ(Row(0).HoldEdit()->GetText(), QStringLiteral("100"));
  EXPECT_EQ(static_cast<toolkit::CComboUI*>(RowPart(0, "button0_combo"))->GetCurSel(), 0);
  window->FindControl<toolkit::CComboUI>(u"comboTriggerBehavior")->SelectItem(1, false, true);
  Click(u"closebtn");
  const model::MacroRecord* empty = Macro("Empty");
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(empty->step_count, 1);
  EXPECT_EQ(empty->steps[0].hold_time.get(), 100);
  EXPECT_EQ(empty->trigger_mode, 1);
  EXPECT_EQ(CardNames(), QStringList({"Burst", "Empty"}));
}

TEST_F(MacroPagesTest, EveryChoiceIsComparedAndAnnouncedAtOnce) {
  OpenManager(-1, [this] { AddMacro("Burst", 2).steps[1].buttons = {1, 2, 0, 0, 0}; });
  Edit(0);
  const auto save = [this] { return std::make_pair(Control(u"btnSave")->GetText(), Control(u"btnSave")->IsEnabled()); };
  EXPECT_EQ(save(), std::make_pair(QStringLiteral("Save"), false));
  auto* cell = static_cast<toolkit::CComboUI*>(RowPart(1, "button1_combo"));
  const auto announced = [cell] { return cell->GetComboBox()->accessibleName(); };
  EXPECT_EQ(announced(), QStringLiteral("Step 2 Button2: ") + cell->GetItemText(cell->GetCurSel()));
  const int before = cell->GetCurSel();
  // A step changed reads "Save *" before the editor is left; chosen back, the plain button again.
  ASSERT_TRUE(cell->SelectItem(before + 3, false, true));
  EXPECT_EQ(save(), std::make_pair(QStringLiteral("Save *"), true));
  EXPECT_EQ(announced(), QStringLiteral("Step 2 Button2: ") + cell->GetItemText(before + 3));
  EXPECT_EQ(window->unsaved_mask(), 0u);
  ASSERT_TRUE(cell->SelectItem(before, false, true));
  EXPECT_EQ(save(), std::make_pair(QStringLiteral("Save"), false));
  // Moved up, the cell's new row names it.
  ClickRow(1, "item_upbtn");
  EXPECT_EQ(static_cast<toolkit::CComboUI*>(RowPart(0, "button1_combo"))->GetComboBox()->accessibleName(),
            QStringLiteral("Step 1 Button2: ") + cell->GetItemText(before));
  EXPECT_EQ(save(), std::make_pair(QStringLiteral("Save *"), true));
}

TEST_F(MacroPagesTest, RowsAreAddedRemovedAndMovedWithinOneToSixtySevenSteps) {
  OpenManager(-1, [this] {
    AddMacro("Two", 2);
    AddMacro("Full", 67);
  });
  Edit(0);
  ClickRow(0, "item_subbtn");
  ClickRow(0, "item_subbtn");  // the last row stays
  ASSERT_EQ(Rows()->GetCount(), 1);
  EXPECT_EQ(Row(0).HoldEdit()->GetText(), QStringLiteral("11"));
  ClickRow(0, "item_addbtn");
  ClickRow(0, "item_addbtn");  // after row 1: the rows after it move down and are numbered again
  ASSERT_EQ(Rows()->GetCount(), 3);
  EXPECT_EQ(QStringList({Number(0), Number(1), Number(2)}), QStringList({"1", "2", "3"}));
  Type(Row(2).HoldEdit(), QStringLiteral("300"));
  ClickRow(2, "item_upbtn");
  ClickRow(0, "item_upbtn");  // the first row has nowhere to go
  EXPECT_EQ(Row(1).HoldEdit()->GetText(), QStringLiteral("300"));
  EXPECT_EQ(Row(2).HoldEdit()->GetText(), QStringLiteral("100"));
  ClickRow(1, "item_downbtn");
  ClickRow(2, "item_downbtn");
  EXPECT_EQ(Row(2).HoldEdit()->GetText(), QStringLiteral("300"));
  Click(u"closebtn");
  const model::MacroRecord* two = Macro("Two");
  ASSERT_NE(two, nullptr);
  EXPECT_EQ(two->step_count, 3);
  EXPECT_EQ(two->steps[0].hold_time.get(), 11);
  EXPECT_EQ(two->steps[2].hold_time.get(), 300);

  Edit(1);
  ASSERT_EQ(window->macro_editor().RowCount(), 67);
  ClickRow(10, "item_addbtn");  // with rows still waiting to be built: they count
  EXPECT_EQ(Rows()->GetCount(), 67);
  EXPECT_EQ(Number(66), QStringLiteral("67"));
  EXPECT_TRUE(MessageBoxAnswers::Shown().isEmpty());
}

// A long macro's rows out of sight are built on the turns after it opens; whatever reads the editor before then
// (comparing for the Save button, leaving, saving, the adapter going) gets every step.
TEST_F(MacroPagesTest, EveryStepOfAMacroJustOpenedReachesWhatReadsTheEditor) {
  std::array<model::MacroStep, model::kMacroSteps> steps{};
  OpenManager(-1, [this, &steps] {
    AddMacro("One", 1);
    model::MacroRecord& full = AddMacro("Full", 67);
    for (std::size_t i = 0; i < model::kMacroSteps; ++i) {
      full.steps[i].buttons = {static_cast<std::uint8_t>(1 + i % 26), 0, 0, 0, static_cast<std::uint8_t>(26 - i % 26)};
    }
    steps = full.steps;
  });
  const auto holds_every_step = [&steps](const model::MacroRecord* macro) {
    return macro != nullptr && macro->step_count == 67 &&
           std::memcmp(macro->steps.data(), steps.data(), sizeof(steps)) == 0;
  };
  const auto open_full = [this] {
    // After a short macro, so that the long one's rows are built anew.
    Edit(0);
    Click(u"closebtn");
    Edit(1);
    EXPECT_LT(Rows()->GetCount(), 67);
  };

  open_full();
  auto* cell = static_cast<toolkit::CComboUI*>(RowPart(0, "button1_combo"));
  ASSERT_TRUE(cell->SelectItem(4, false, true));
  ASSERT_TRUE(cell->SelectItem(0, false, true));
  EXPECT_EQ(Control(u"btnSave")->GetText(), QStringLiteral("Save"));
  Click(u"closebtn");

  open_full();
  Click(u"closebtn");
  EXPECT_TRUE(holds_every_step(Macro("Full")));

  open_full();
  window->FindControl<toolkit::CComboUI>(u"comboTriggerBehavior")->SelectItem(2, false, true);  // something to save
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  Click(u"btnSave");
  ASSERT_EQ(Messages(), QStringList({"\nSave successfully!"}));
  model::MacroBlock stored{};
  const auto bytes = adapter.ReadFlash(model::kMacroBlockAddress, sizeof(model::MacroBlock));
  ASSERT_EQ(bytes.size(), sizeof(stored));
  std::memcpy(static_cast<void*>(&stored), bytes.data(), sizeof(stored));
  EXPECT_TRUE(holds_every_step(model::FindMacro(stored, Owner(), "Full", Record().host_type())));
  Click(u"closebtn");

  open_full();
  adapter.Unplug();
  ASSERT_TRUE(WaitUntil([this] { return Page() == app::kPageDeviceRemove; }));
  EXPECT_TRUE(holds_every_step(Macro("Full")));
}

TEST_F(MacroPagesTest, HoldTimesBelowEightWarnAndEmptyOnesShowTheStoredTime) {
  OpenManager(-1, [this] {
    model::MacroRecord& macro = AddMacro("Timed", 2);
    macro.steps[0].hold_time = 250;
    macro.steps[1].hold_time = 3;
  });
  Edit(0);
  struct Case {
    int row;
    const char* typed;
    const char* shown;
    bool warns;
  };
  for (const Case& c : {Case{0, "5", "8", true}, Case{0, "", "250", false}, Case{1, "", "100", false},
                        Case{0, "20", "20", false}, Case{1, "8", "8", false}}) {
    MessageBoxAnswers::Reset();
    if (c.warns) MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
    Type(Row(c.row).HoldEdit(), QString::fromLatin1(c.typed));
    EXPECT_EQ(Row(c.row).HoldEdit()->GetText(), QString::fromLatin1(c.shown)) << c.typed;
    EXPECT_EQ(Messages(), c.warns ? QStringList({kHoldTime}) : QStringList()) << c.typed;
  }
}

TEST_F(MacroPagesTest, NamesAreCheckedWhenTypedAndStoredWhenTheEditorIsLeft) {
  OpenManager(-1, [this] {
    AddMacro("Burst");
    AddMacro("Reload");
  });
  Edit(0);
  auto* name = Control(u"editMacroName");
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  Type(name, QStringLiteral("Reload"));
  EXPECT_EQ(Messages(), QStringList({kDuplicate}));
  EXPECT_EQ(MessageBoxAnswers::Shown().front().title, QStringLiteral("Warning"));
  EXPECT_EQ(name->GetText(), QStringLiteral("Burst"));
  Type(name, QString());
  EXPECT_EQ(name->GetText(), QStringLiteral("Burst"));
  Type(name, QStringLiteral("Burst fire"));
  EXPECT_NE(Macro("Burst"), nullptr);  // stored only when the editor is left
  Click(u"closebtn");
  EXPECT_EQ(Macro("Burst"), nullptr);
  EXPECT_NE(Macro("Burst fire"), nullptr);
  EXPECT_EQ(CardNames(), QStringList({"Burst fire", "Reload"}));

  // A name the page has not checked yet is checked on the way out, not lost and not doubled.
  Edit(1);
  MessageBoxAnswers::Reset();
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  name->SetText(QStringLiteral("Burst fire"));
  Click(u"closebtn");
  EXPECT_EQ(Messages(), QStringList({kDuplicate}));
  EXPECT_NE(Macro("Reload"), nullptr);
}

TEST_F(MacroPagesTest, XboxButtonsAfterTheMissingOneAreShiftedBothWays) {
  OpenManager(model::kHostXbox360, [this] {
    model::MacroRecord& macro = AddMacro("Shift", 1);
    macro.steps[0].buttons = {14, 12, 13, 26, 0};
  });
  Edit(0);
  const std::array<int, 5> items{13, 12, 12, 25, 0};
  for (int i = 0; i < 5; ++i) {
    auto* combo = static_cast<toolkit::CComboUI*>(RowPart(0, ("button" + std::to_string(i) + "_combo").c_str()));
    EXPECT_EQ(combo->GetCount(), 26);
    EXPECT_EQ(combo->GetCurSel(), items[static_cast<std::size_t>(i)]) << i;
  }
  Click(u"closebtn");
  // Stored 13 has no item of its own on this pad: it comes back as the item it showed.
  EXPECT_EQ(Macro("Shift")->steps[0].buttons, (std::array<std::uint8_t, 5>{14, 12, 12, 26, 0}));
}

TEST_F(MacroPagesTest, TheHotKeyIsCapturedWithTheOccupiedQuestionAndClearedByRightClick) {
  OpenManager(-1, [this] { AddMacro("Burst"); });
  const std::uint8_t taken = Record().mapping[0][0];
  ASSERT_NE(taken, 0);
  Edit(0);
  const auto capture = [this](std::uint8_t code) {
    WhenModalShows(u"txtPrompt", [code](toolkit::WindowImplBase& dialog) {
      toolkit::PostMessage(dialog.Ref(), static_cast<unsigned>(device::MSG_KEY_CODE), code);
    });
    Click(u"btnMacroHotMapKey");
  };
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdNo);
  capture(taken);
  EXPECT_EQ(Messages(), QStringList({"This key has been occupied!\r\nAre you sure?"}));
  EXPECT_EQ(Macro("Burst")->macro_hotkey, 0);
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdYes);
  capture(taken);
  EXPECT_EQ(Macro("Burst")->macro_hotkey, taken);
  Control(u"btnMacroHotMapKey")->SendNotify(QString::fromUtf16(toolkit::notify::kRightClick));
  EXPECT_EQ(Macro("Burst")->macro_hotkey, 0);
  EXPECT_EQ(Control(u"btnMacroHotMapKey")->GetText(), QStringLiteral("< None >"));
}

TEST_F(MacroPagesTest, AMacroEditedAndSavedReachesTheAdapter) {
  OpenManager();
  Click(u"btnNewMacro");
  Edit(0);
  Control(u"editMacroName")->SetText(QStringLiteral("Saved"));
  ClickRow(0, "item_addbtn");
  static_cast<toolkit::CComboUI*>(RowPart(1, "button2_combo"))->SelectItem(5, false, true);
  Row(1).HoldEdit()->SetText(QStringLiteral("640"));
  // Saving from the editor takes along what it holds, unchecked text included.
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  Click(u"btnSave");
  ASSERT_EQ(Messages(), QStringList({"\nSave successfully!"}));
  EXPECT_EQ(window->unsaved_mask(), 0u);
  model::MacroBlock stored{};
  const auto bytes = adapter.ReadFlash(model::kMacroBlockAddress, sizeof(model::MacroBlock));
  ASSERT_EQ(bytes.size(), sizeof(stored));
  std::memcpy(static_cast<void*>(&stored), bytes.data(), sizeof(stored));
  const model::MacroRecord* saved = model::FindMacro(stored, Owner(), "Saved", Record().host_type());
  ASSERT_NE(saved, nullptr);
  EXPECT_EQ(saved->step_count, 2);
  EXPECT_EQ(saved->steps[1].buttons[2], 5);
  EXPECT_EQ(saved->steps[1].hold_time.get(), 640);
  EXPECT_EQ(std::memcmp(saved, Macro("Saved"), sizeof(model::MacroRecord)), 0);
  // Saved already: leaving marks nothing.
  Click(u"closebtn");
  Click(u"closebtn");
  EXPECT_EQ(window->unsaved_mask(), 0u);
}

TEST_F(MacroPagesTest, WhatTheEditorHoldsWhenTheAdapterGoesComesBackWithIt) {
  OpenManager(-1, [this] { AddMacro("Burst", 1); });
  Edit(0);
  Control(u"editMacroName")->SetText(QStringLiteral("Typed"));
  Row(0).HoldEdit()->SetText(QStringLiteral("3"));
  adapter.Unplug();
  ASSERT_TRUE(WaitUntil([this] { return Page() == app::kPageDeviceRemove; }));
  adapter.Plug();
  ASSERT_TRUE(WaitUntil([this] { return Page() == app::kPageDeviceArrival; }));
  EXPECT_EQ(window->unsaved_mask(), model::kUnsavedMacro);
  ASSERT_NE(Macro("Typed"), nullptr);
  EXPECT_EQ(Macro("Typed")->steps[0].hold_time.get(), 8);  // corrected without a box nobody could answer
  EXPECT_TRUE(MessageBoxAnswers::Shown().isEmpty());
}

TEST_F(MacroPagesTest, AHostileMacroBlockOpensAndIsCorrectedOnTheWayOut) {
  OpenManager(-1, [this] {
    state.session.image().macro.count = 0;
    model::MacroRecord& macro = AddMacro("x");
    macro.macro_name.fill('N');  // no terminator
    macro.step_count = 250;
    macro.trigger_mode = 9;
    for (auto& step : macro.steps) step = {{200, 27, 255, 0, 1}, 0};
    state.session.image().macro.count = 255;
  });
  ASSERT_GE(Cards()->GetCount(), 1);
  Edit(0);
  ASSERT_EQ(window->macro_editor().RowCount(), 67);
  MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
  Click(u"closebtn");
  EXPECT_EQ(Messages(), QStringList({kHoldTime}));  // one warning for every row
  const model::MacroRecord& macro = state.session.image().macro.records[0];
  EXPECT_EQ(macro.step_count, 67);
  EXPECT_EQ(macro.steps[66].hold_time.get(), 8);
  EXPECT_EQ(macro.steps[0].buttons, (std::array<std::uint8_t, 5>{0, 0, 0, 0, 1}));
  EXPECT_EQ(macro.trigger_mode, 9);  // kept until the player picks a mode
}

TEST_F(MacroPagesTest, EveryControlIsNamedAndReachedByTab) {
  OpenManager(-1, [this] { AddMacro("Burst", 2); });
  const auto check = [](QWidget* widget, const QString& what) {
    ASSERT_NE(widget, nullptr) << what.toStdString();
    QWidget* focus = widget->focusProxy() ? widget->focusProxy() : widget;
    EXPECT_TRUE(focus->focusPolicy() & Qt::TabFocus) << what.toStdString();
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(focus)->text(QAccessible::Name).isEmpty()) << what.toStdString();
  };
  for (const char16_t* name :
       {u"btnNewMacro", u"btnCopyMacro", u"btnEditMacro", u"btnImportMacro", u"btnExportMacro", u"btnDeleteMacro"}) {
    check(Control(name), QString::fromUtf16(name));
  }
  Edit(0);
  check(Control(u"btnMacroHotMapKey"), QStringLiteral("hot key"));
  check(window->FindControl<toolkit::CEditUI>(u"editMacroName")->GetLineEdit(), QStringLiteral("name"));
  check(window->FindControl<toolkit::CComboUI>(u"comboTriggerBehavior")->GetComboBox(), QStringLiteral("trigger"));
  ClickRow(0, "item_addbtn");
  for (toolkit::CControlUI* stop : Row(1).TabStops()) check(stop, stop->GetName());
  // A row inserted between two comes between them on the Tab chain too.
  QWidget* last_of_first = Row(0).TabStops().back();
  window->activateWindow();
  last_of_first->setFocus(Qt::TabFocusReason);
  QTest::keyClick(last_of_first, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Row(1).TabStops().front()->focusProxy());
}

TEST_F(MacroPagesTest, TheManagerAndAFullEditorRender) {
  OpenManager(-1, [this] {
    model::MacroRecord& full = AddMacro("Rapid fire", 67);
    full.macro_hotkey = 0x15;
    for (std::size_t i = 0; i < model::kMacroSteps; ++i) {
      for (std::size_t b = 0; b <= i % 5; ++b)
        full.steps[i].buttons[b] = static_cast<std::uint8_t>(1 + (i + 3 * b) % 26);
    }
    AddMacro("Reload cancel").macro_hotkey = 0xB0;
    AddMacro("Drop shot").trigger_mode = 2;
  });
  Cards()->SelectItem(1);
  SaveRendering(QStringLiteral("main_page6_macro_manager.png"));
  Edit(0);
  // The rows out of sight come on the next turns of the event loop.
  ASSERT_TRUE(WaitUntil([this] { return Rows()->GetCount() == 67; }));
  Rows()->SelectItem(1);
  SaveRendering(QStringLiteral("main_page7_macro_editor_67_steps.png"));
  // The rows scroll inside the page; the window keeps its size.
  EXPECT_EQ(window->size(), QSize(1000, 750));
  EXPECT_GT(Rows()->GetScrollRange(), 0);
}

}  // namespace
}  // namespace torvane::testing
