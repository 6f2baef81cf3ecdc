#include "editor/EditPage.h"

#include <algorithm>
#include <cstring>

#include "dialogs/MessageBoxCodes.h"
#include "dialogs/MessageBoxes.h"
#include "editor/EditorHost.h"
#include "editor/KeyButtons.h"
#include "editor/KeyMapping.h"
#include "editor/curve/CCurveDlg.h"
#include "editor/settings/CFlightsticksetting.h"
#include "editor/settings/CMoreSettingsDlg.h"
#include "editor/settings/MouseAdvancedDlg.h"
#include "editor/settings/StickDlg.h"
#include "editor/settings/TouchPadDlg.h"
#include "model/ConfigRecord.h"
#include "model/FlashImage.h"
#include "model/catalogue/GameCatalogue.h"
#include "model/params/DecimalField.h"
#include "model/params/IntegerField.h"
#include "model/params/SteeringAngle.h"
#include "model/params/VibrationSource.h"
#include "model/tables/ConfigActions.h"
#include "model/tables/ConfigTable.h"
#include "model/tables/NameText.h"
#include "model/tables/TableMessages.h"
#include "toolkit/CComboUI.h"
#include "toolkit/CEditUI.h"
#include "toolkit/CTabLayoutUI.h"
#include "toolkit/NarrowText.h"
#include "toolkit/TNotifyUI.h"
#include "toolkit/WindowImplBase.h"

namespace torvane::editor {

using model::ConfigRecord;

// A "%d" field of the settings pages: where the record keeps it, its range, and whether the page writes it back
// for this record (the two vibration edits share one field; the angle edit yields to the angle chooser).
struct IntegerField {
  const char16_t* edit;
  model::IntRange range;
  int (*get)(const ConfigRecord&);
  void (*set)(ConfigRecord&, int);
  bool (*applies)(const ConfigRecord&);
  bool warns;  // out of range brings the angle message
};

namespace {

constexpr char16_t kNameEdit[] = u"editPlayName";
constexpr char16_t kHipEdit[] = u"editHipSensitivity";
constexpr char16_t kAdsEdit[] = u"editADSSensitivity";
constexpr char16_t kAngleEdit[] = u"editSteeringAngle";
constexpr char16_t kAngleChooser[] = u"comboSteeringAngle";
constexpr char16_t kWheelCombo[] = u"comboSteeringType";
constexpr char16_t kVibrationCombo[] = u"comboVibrationOn";
constexpr char16_t kColorButton[] = u"btnColor";
constexpr char16_t kHotKeyButton[] = u"btnHotMapKey";
constexpr char16_t kGroupLabel[] = u"lblMappingGroupName";

// Wheel profiles of this game set the force feedback even for a native wheel.
constexpr int kFeedbackAlwaysGame = 90;

constexpr const char* kSettingTypes[EditPage::kSettingPages] = {"Mouse", "Third Party Controller", "Steering Wheel",
                                                                "Original Controller", "Flight Stick"};

// The rows a native wheel does without: it brings its own angle, vibration, feedback and deadzone.
constexpr const char16_t* kWheelRows[] = {u"laySteeringSensitivity", u"laySW_VibrationStrength",
                                          u"layForceFeedbackStrength", u"laySteeringDeadzone"};

bool Always(const ConfigRecord&) {
  return true;
}

// The controller page shows the byte signed, the wheel page as it is stored.
int SignedVibration(const ConfigRecord& r) {
  return static_cast<std::int8_t>(r.vibration_strength);
}
int Vibration(const ConfigRecord& r) {
  return int{r.vibration_strength};
}
void SetVibration(ConfigRecord& r, int v) {
  r.vibration_strength = static_cast<std::uint8_t>(v);
}

enum FieldIndex {
  kJoystickDeadzone,
  kVibration,
  kWheelVibration,
  kFeedback,
  kAngle,
  kSteeringDeadzone,
  kStickDeadzone
};

const IntegerField kIntegerFields[] = {
    {u"editJoystickDeadzone", model::kJoystickDeadzoneRange,
     [](const ConfigRecord& r) { return int{r.joystick_deadzone}; },
     [](ConfigRecord& r, int v) { r.joystick_deadzone = static_cast<std::uint8_t>(v); }, &Always, false},
    {u"editVibrationStrength", model::kVibrationStrengthRange, &SignedVibration, &SetVibration,
     [](const ConfigRecord& r) { return r.input_device == 0; }, false},
    {u"editSW_VibrationStrength", model::kVibrationStrengthRange, &Vibration, &SetVibration,
     [](const ConfigRecord& r) { return r.input_device == 1; }, false},
    {u"editForceFeedbackStrength", model::kForceFeedbackRange,
     [](const ConfigRecord& r) { return int{r.force_feedback_strength}; },
     [](ConfigRecord& r, int v) { r.force_feedback_strength = static_cast<std::uint8_t>(v); }, &Always, false},
    {kAngleEdit, model::kSteeringAngleRange, [](const ConfigRecord& r) { return int{r.steering_angle.get()}; },
     [](ConfigRecord& r, int v) { r.steering_angle = static_cast<std::uint16_t>(v); },
     [](const ConfigRecord& r) { return !model::UsesAngleChooser(r.mode_bits); }, true},
    {u"editSterringDeadzone", model::kSteeringDeadzoneRange,
     [](const ConfigRecord& r) { return int{r.steering_deadzone}; },
     [](ConfigRecord& r, int v) { r.steering_deadzone = static_cast<std::uint8_t>(v); }, &Always, false},
    {u"editStickDeadzone", model::kStickDeadzoneRange, [](const ConfigRecord& r) { return int{r.stick_deadzone}; },
     [](ConfigRecord& r, int v) { r.stick_deadzone = static_cast<std::uint8_t>(v); }, &Always, false},
};

QString IntegerText(int value) {
  return QString::fromStdString(model::FormatInteger(value));
}

QString StoredName(const ConfigRecord& record) {
  return toolkit::DecodeNarrow(model::ReadName(record.name));
}

// The wheel types a profile offers; a stored count above the table's size is clamped.
std::size_t WheelCount(const model::WheelProfile& profile) {
  return std::min<std::size_t>(profile.count, model::kWheelTypesPerProfile);
}

}  // namespace

EditPage::EditPage(EditorHost& host, KeyMapping& keys) : host_(host), keys_(keys) {}

EditPage::~EditPage() = default;

bool EditPage::Open(int slot) {
  model::ConfigBlock& block = host_.Image().config;
  if (slot < 0 || static_cast<std::size_t>(slot) >= model::UsedConfigCount(block)) return false;
  record_ = &block.records[static_cast<std::size_t>(slot)];
  // The repairs alone must never count as a change, so they come before the snapshot.
  model::PrepareForEditing(*record_);
  snapshot_ = std::make_unique<ConfigRecord>(*record_);
  const int page = record_->input_device == 1 ? kSteeringPage : record_->input_device == 0 ? 0 : kSettingPages - 1;
  ShowRecord(page);
  return true;
}

void EditPage::ShowRecord(int page) {
  toolkit::WindowImplBase& window = host_.Window();
  if (toolkit::CControlUI* hot_key = window.FindControl(kHotKeyButton)) ShowKey(*hot_key, record_->hotkey);
  keys_.RefreshKeyButtons(*record_);
  window.SetControlBkColor(kColorButton, record_->color);
  window.SetControlText(u"lblEngineName", QString::fromUtf8(model::GameTitle(record_->game_id)));
  ShowName();
  window.SetControlText(kGroupLabel, host_.MappingGroupName(static_cast<std::size_t>(keys_.mapping_group())));
  for (int p = 0; p < kSettingPages; ++p) ShowSettingPage(p);
  if (page != kSettingPages - 1) ShowSettingPage(page);
}

void EditPage::ShowSettingPage(int page) {
  if (page < 0) return;
  toolkit::WindowImplBase& window = host_.Window();
  if (auto* tab = window.FindControl<toolkit::CTabLayoutUI>(u"tabLayDevice")) tab->SelectItem(page);
  setting_page_ = page;
  if (page >= kSettingPages || record_ == nullptr) return;
  window.SetControlText(u"lblSettingType", QString::fromUtf8(kSettingTypes[static_cast<std::size_t>(page)]));
  const ConfigRecord& r = *record_;
  const auto show = [&](FieldIndex field) {
    SetEditText(kIntegerFields[field].edit, IntegerText(kIntegerFields[field].get(r)));
  };
  switch (page) {
    case 0:
      SetEditText(kHipEdit, QString::fromStdString(model::FormatHundredths(r.hip_sensitivity)));
      SetEditText(kAdsEdit, QString::fromStdString(model::FormatHundredths(r.ads_sensitivity)));
      break;
    case 1:
      show(kJoystickDeadzone);
      show(kVibration);
      if (auto* combo = window.FindControl<toolkit::CComboUI>(kVibrationCombo)) {
        if (combo->GetCount() == 0) {
          for (const std::string_view name : model::kVibrationSourceNames) {
            combo->AddItem(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
          }
        }
        // A source without an entry selects nothing, and the bits stay as they are.
        if (!combo->SelectItem(model::VibrationSource(r.vibration_bits))) combo->SelectItem(-1);
      }
      break;
    case kSteeringPage: {
      // Without a profile for the game the combo keeps what it holds.
      const model::WheelProfile* profile = model::WheelProfilesFor(r);
      auto* combo = window.FindControl<toolkit::CComboUI>(kWheelCombo);
      if (profile != nullptr && combo != nullptr) {
        combo->RemoveAll();
        int selected = -1;
        for (std::size_t i = 0; i < WheelCount(*profile); ++i) {
          const model::WheelType& type = profile->types[i];
          combo->AddItem(toolkit::DecodeNarrow(model::WheelTypeName(type)));
          if (selected < 0 && type.id == r.wheel_type()) selected = static_cast<int>(i);
        }
        combo->SelectItem(selected);
      }
      show(kFeedback);
      show(kSteeringDeadzone);
      show(kWheelVibration);
      ShowSteeringAngle();
      for (const char16_t* row : kWheelRows) window.ShowControl(row, !r.is_native_wheel());
      break;
    }
    case 3:
      show(kStickDeadzone);
      break;
    default:
      break;
  }
}

void EditPage::ShowSteeringAngle() {
  toolkit::WindowImplBase& window = host_.Window();
  const bool chooser = model::UsesAngleChooser(record_->mode_bits);
  if (auto* style = window.FindControl<toolkit::CTabLayoutUI>(u"tabLayoutAngleStyle"))
    style->SelectItem(chooser ? 1 : 0);
  SetEditText(kAngleEdit, IntegerText(record_->steering_angle));
  // The chooser must not keep another configuration's choice: the page writes it back.
  if (auto* combo = window.FindControl<toolkit::CComboUI>(kAngleChooser)) {
    combo->SelectItem(model::AngleToChoice(record_->steering_angle).value_or(-1));
  }
}

void EditPage::ApplyFields() {
  if (record_ == nullptr) return;
  CheckName();
  toolkit::WindowImplBase& window = host_.Window();
  if (auto* hip = window.FindControl<toolkit::CEditUI>(kHipEdit)) CheckSensitivity(*hip, true);
  if (auto* ads = window.FindControl<toolkit::CEditUI>(kAdsEdit)) CheckSensitivity(*ads, false);
  for (const IntegerField& field : kIntegerFields) CheckInteger(field, true);
  if (model::UsesAngleChooser(record_->mode_bits)) {
    if (auto* combo = window.FindControl<toolkit::CComboUI>(kAngleChooser)) {
      if (const auto angle = model::ChoiceToAngle(combo->GetCurSel())) record_->steering_angle = *angle;
    }
  }
  if (auto* combo = window.FindControl<toolkit::CComboUI>(kVibrationCombo)) {
    const int source = combo->GetCurSel();
    if (source >= 0) record_->vibration_bits = model::WithVibrationSource(record_->vibration_bits, source);
  }
}

ConfigRecord EditPage::WithTypedFields() const {
  ConfigRecord r = *record_;
  toolkit::WindowImplBase& window = host_.Window();
  for (const bool hip : {true, false}) {
    const model::ParsedField<std::uint16_t> parsed =
        model::ParseHundredths(EditText(hip ? kHipEdit : kAdsEdit).toStdString());
    if (parsed.ok()) (hip ? r.hip_sensitivity : r.ads_sensitivity) = parsed.value;
  }
  for (const IntegerField& field : kIntegerFields) {
    const QString text = EditText(field.edit);
    if (!field.applies(r) || text == IntegerText(field.get(r))) continue;
    const model::ParsedField<int> parsed = model::ParseInteger(text.toStdString(), field.range);
    if (parsed.ok()) field.set(r, parsed.value);
  }
  if (model::UsesAngleChooser(r.mode_bits)) {
    if (auto* combo = window.FindControl<toolkit::CComboUI>(kAngleChooser)) {
      if (const auto angle = model::ChoiceToAngle(combo->GetCurSel())) r.steering_angle = *angle;
    }
  }
  if (auto* combo = window.FindControl<toolkit::CComboUI>(kVibrationCombo); combo && combo->GetCurSel() >= 0) {
    r.vibration_bits = model::WithVibrationSource(r.vibration_bits, combo->GetCurSel());
  }
  return r;
}

bool EditPage::Differs() const {
  if (record_ == nullptr) return false;
  // A typed name counts as a change until its check has run; a refused one is shown as stored again.
  if (EditText(kNameEdit) != shown_name_) return true;
  const ConfigRecord typed = WithTypedFields();
  return std::memcmp(&typed, snapshot_.get(), sizeof(ConfigRecord)) != 0;
}

void EditPage::Commit() {
  if (record_ == nullptr) return;
  ApplyFields();
  if (std::memcmp(record_, snapshot_.get(), sizeof(ConfigRecord)) != 0) host_.MarkUnsaved(model::kUnsavedConfig);
  host_.RefreshSaveButton();
}

void EditPage::CommitQuietly() {
  quiet_ = true;
  Commit();
  quiet_ = false;
}

void EditPage::TakeSnapshot() {
  if (record_ != nullptr) *snapshot_ = *record_;
}

void EditPage::ShowName() {
  SetEditText(kNameEdit, StoredName(*record_));
  shown_name_ = EditText(kNameEdit);
}

void EditPage::CheckName() {
  const QString text = EditText(kNameEdit);
  // Compared as shown, so a stored name that the edit cuts or that does not survive the round trip through the
  // code page stays as it is until the player changes it.
  if (text == shown_name_) return;
  const model::ConfigActionResult result = model::RenameConfig(host_.Image(), *record_, toolkit::EncodeNarrow(text));
  ShowName();
  if (result.outcome == model::ConfigOutcome::kDuplicateName) ShowMessage(model::kMsgDuplicateGame);
  // The record's own change shows at the comparison; the macros that followed the name are marked here.
  if (result.outcome == model::ConfigOutcome::kDone && (result.unsaved & model::kUnsavedMacro) != 0) {
    host_.MarkUnsaved(model::kUnsavedMacro);
  }
}

void EditPage::CheckSensitivity(toolkit::CEditUI& edit, bool hip) {
  model::U16le& field = hip ? record_->hip_sensitivity : record_->ads_sensitivity;
  const model::ParsedField<std::uint16_t> parsed = model::ParseHundredths(edit.GetText().toStdString());
  if (parsed.ok()) field = parsed.value;
  edit.SetText(QString::fromStdString(model::FormatHundredths(field)));
}

void EditPage::CheckInteger(const IntegerField& field, bool store) {
  const QString text = EditText(field.edit);
  const int stored = field.get(*record_);
  // Untouched text needs nothing, even when a stored value lies outside the range.
  if (text == IntegerText(stored)) return;
  const model::ParsedField<int> parsed = model::ParseInteger(text.toStdString(), field.range);
  // A field this record never writes back (such as the other input device's vibration) still shows its value
  // when emptied; what is typed there is left alone.
  if (!field.applies(*record_)) {
    if (parsed.status == model::FieldStatus::kBlank) SetEditText(field.edit, IntegerText(stored));
    return;
  }
  if (parsed.ok()) {
    if (store) field.set(*record_, parsed.value);
    return;
  }
  // The stored value goes back before any message, so a focus change the box causes finds nothing left to check.
  SetEditText(field.edit, IntegerText(stored));
  if (field.warns && parsed.status != model::FieldStatus::kBlank) ShowMessage(model::kMsgAngleRange);
}

void EditPage::StepSettingPage(int step) {
  // The page about to be filled again must not take typed text with it.
  ApplyFields();
  int page = setting_page_;
  do {
    page = ((page + step) % kSettingPages + kSettingPages) % kSettingPages;
  } while (page == kSteeringPage && record_->input_device != 1);
  ShowSettingPage(page);
}

void EditPage::ChooseSteeringWheel() {
  auto* combo = host_.Window().FindControl<toolkit::CComboUI>(kWheelCombo);
  const model::WheelProfile* profile = model::WheelProfilesFor(*record_);
  if (combo == nullptr || profile == nullptr || combo->GetCurSel() < 0) return;
  const QString chosen = combo->GetItemText(combo->GetCurSel());
  const model::WheelType* type = nullptr;
  for (std::size_t i = 0; i < WheelCount(*profile) && type == nullptr; ++i) {
    if (toolkit::DecodeNarrow(model::WheelTypeName(profile->types[i])) == chosen) type = &profile->types[i];
  }
  if (type == nullptr) return;
  if (type->id == snapshot_->wheel_type()) {
    // Back to the saved wheel: everything the page changed goes, except a rename, whose macros have moved with it.
    const auto name = record_->name;
    *record_ = *snapshot_;
    record_->name = name;
    ShowRecord(setting_page_);
    return;
  }
  record_->mapping = type->mapping;
  record_->steering_angle = type->steering_angle.get();
  record_->set_wheel_type(type->id);
  if (!record_->is_native_wheel() || record_->game_id == kFeedbackAlwaysGame) {
    record_->force_feedback_strength = type->force_feedback_strength;
  }
  ShowSteeringAngle();
  SetEditText(kIntegerFields[kFeedback].edit, IntegerText(record_->force_feedback_strength));
  keys_.RefreshKeyButtons(*record_);
}

void EditPage::NextColor() {
  const std::uint32_t color = model::NextFreeColor(host_.Image().config, record_->color);
  if (color == 0) {
    ShowMessage(model::kMsgNoUsefulColor);
    return;
  }
  record_->color = color;
  host_.Window().SetControlBkColor(kColorButton, color);
}

void EditPage::SwitchMappingGroup() {
  keys_.SwitchMappingGroup(*record_);
  host_.Window().SetControlText(kGroupLabel, host_.MappingGroupName(static_cast<std::size_t>(keys_.mapping_group())));
}

bool EditPage::RunSettingsDialog(const QString& name) {
  ConfigRecord& record = *record_;
  if (name == u"btnMoreSetting") {
    CMoreSettingsDlg::Run(host_, keys_, record);
  } else if (name == u"btnAdvanced") {
    MouseAdvancedDlg::Run(host_, keys_, record);
  } else if (name == u"btnCurve") {
    CCurveDlg::Run(host_, record);
  } else if (name == u"btnLeftStickSettings" || name == u"btnRightStickSettings") {
    StickDlg::Run(name == u"btnLeftStickSettings" ? StickSide::kLeft : StickSide::kRight, host_, keys_, record);
  } else if (name == u"btnPlayKey_Touchpad_Setting") {
    // The touch pad's key is one of the page's own buttons as well.
    if (TouchPadDlg::Run(host_, keys_, record) == 1) keys_.RefreshKeyButtons(record);
  } else if (name == u"btnFlightStickSettings") {
    if (CFlightsticksetting::Run(host_, keys_, record) == 1) keys_.RefreshKeyButtons(record);
  } else {
    return false;
  }
  // The dialogs write the record themselves; what they changed is offered for saving at once, like a typed value.
  host_.RefreshSaveButton();
  return true;
}

bool EditPage::Notify(toolkit::TNotifyUI& msg) {
  if (record_ == nullptr) return false;
  const QString& name = msg.sender_name;
  if (msg.Is(toolkit::notify::kClick)) {
    if (name == u"btnNext" || name == u"btnPrevious") {
      StepSettingPage(name == u"btnNext" ? 1 : -1);
    } else if (name == u"btnMappingGroupSwith") {
      SwitchMappingGroup();
    } else if (name == kColorButton) {
      NextColor();
      host_.RefreshSaveButton();
    } else if (name == u"btnMacro") {
      // The manager lists the macros under the configuration's name, so a typed name goes in first.
      ApplyFields();
      host_.OpenMacroManager();
    } else {
      return RunSettingsDialog(name);
    }
    return true;
  }
  if (msg.Is(toolkit::notify::kKillFocus)) {
    if (name == kNameEdit) {
      CheckName();
    } else if (name == kHipEdit || name == kAdsEdit) {
      if (auto* edit = dynamic_cast<toolkit::CEditUI*>(msg.sender.data())) CheckSensitivity(*edit, name == kHipEdit);
    } else if (const auto* field = std::find_if(std::begin(kIntegerFields), std::end(kIntegerFields),
                                                [&](const IntegerField& f) { return name == f.edit; });
               field != std::end(kIntegerFields)) {
      CheckInteger(*field, false);
    } else {
      return false;
    }
    // A check may have put the stored value back.
    host_.RefreshSaveButton();
    return true;
  }
  if (msg.Is(toolkit::notify::kItemSelect) && name == kWheelCombo) {
    ChooseSteeringWheel();
    host_.RefreshSaveButton();
    return true;
  }
  // What is typed or chosen here reaches the record only when the page writes its fields back, which the save
  // does first: the button compares what the fields hold at once rather than after the field is left.
  if (msg.Is(toolkit::notify::kTextChanged) || msg.Is(toolkit::notify::kItemSelect)) {
    host_.RefreshSaveButton();
    return true;
  }
  return false;
}

void EditPage::ShowMessage(std::string_view text) {
  if (quiet_) return;
  dialogs::ShowMessageBox(QString::fromUtf8(model::kTitleWarning), &host_.Window(),
                          QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), dialogs::kMbOk);
}

void EditPage::SetEditText(const char16_t* name, const QString& text) {
  host_.Window().SetControlText(name, text);
}

QString EditPage::EditText(const char16_t* name) const {
  const toolkit::CControlUI* control = host_.Window().FindControl(name);
  return control != nullptr ? control->GetText() : QString();
}

}  // namespace torvane::editor
