#include "editor/settings/MouseAdvancedDlg.h"

#include <algorithm>

#include "editor/EditorHost.h"
#include "model/params/DecimalField.h"
#include "model/params/IntegerField.h"
#include "toolkit/CComboUI.h"
#include "toolkit/CEditUI.h"
#include "toolkit/COptionUI.h"

namespace torvane::editor {

namespace {

constexpr char16_t kTurnAssistKey[] = u"btnTurnAssistLoadKey";
constexpr std::uint8_t kMapToMouseBits = 0x7F;

template <typename T>
T Clamp(int value, int min, int max) {
  return static_cast<T>(std::clamp(value, min, max));
}

}  // namespace

int MouseAdvancedDlg::Run(EditorHost& host, KeyMapping& keys, model::ConfigRecord& record) {
  MouseAdvancedDlg dialog(keys, record);
  return dialog.RunModal(&host.Window(), QStringLiteral("Advanced Mouse Settings"));
}

MouseAdvancedDlg::MouseAdvancedDlg(KeyMapping& keys, model::ConfigRecord& record) : SettingsDialog(keys, record) {}

QString MouseAdvancedDlg::GetWindowClassName() const {
  return QStringLiteral("MouseAdvancedDlg");
}

QString MouseAdvancedDlg::GetSkinFile() const {
  return QStringLiteral("mouse_advanced_dlg.xml");
}

void MouseAdvancedDlg::InitWindow() {
  const model::ConfigRecord& record = WorkingCopy();
  turn_assist_ = FindControl<toolkit::CComboUI>(u"comboTurnAssistLoadBehavior");
  turn_assist_key_ = FindControl(kTurnAssistKey);
  map_to_mouse_ = FindControl(u"optMouseMappingMode");
  edits_.hip_ratio = FindControl<toolkit::CEditUI>(u"editHip_YX_Ratio");
  edits_.ads_ratio = FindControl<toolkit::CEditUI>(u"editADS_XY_Ratio");
  edits_.hip_min_speed = FindControl<toolkit::CEditUI>(u"editHip_Deadzone");
  edits_.ads_min_speed = FindControl<toolkit::CEditUI>(u"editADS_Deadzone");
  edits_.ads_delay = FindControl<toolkit::CEditUI>(u"editADSDelay");

  ShowChoice(turn_assist_,
             (record.flags.get() & model::config_flags::kTurnAssistMask) >> model::config_flags::kTurnAssistShift);
  ShowField(turn_assist_key_, record.turn_assist_key);
  // A value outside its field's range (from an adapter) is shown, and kept by Ok, as the nearest one inside.
  shown_ = {Clamp<std::uint16_t>(record.hip_yx_ratio.get(), model::kMinHundredths, model::kMaxHundredths),
            Clamp<std::uint16_t>(record.ads_yx_ratio.get(), model::kMinHundredths, model::kMaxHundredths),
            Clamp<std::int16_t>(record.hip_min_speed.get(), model::kMinTenths, model::kMaxTenths),
            Clamp<std::int16_t>(record.ads_min_speed.get(), model::kMinTenths, model::kMaxTenths),
            Clamp<std::uint16_t>(record.ads_delay.get(), model::kAdsDelayRange.min, model::kAdsDelayRange.max)};
  SetEditText(edits_.hip_ratio, model::FormatHundredths(shown_.hip_ratio));
  SetEditText(edits_.ads_ratio, model::FormatHundredths(shown_.ads_ratio));
  SetEditText(edits_.hip_min_speed, model::FormatTenths(shown_.hip_min_speed));
  SetEditText(edits_.ads_min_speed, model::FormatTenths(shown_.ads_min_speed));
  SetEditText(edits_.ads_delay, model::FormatInteger(shown_.ads_delay));
  if (auto* option = dynamic_cast<toolkit::COptionUI*>(map_to_mouse_)) {
    option->Selected((record.mouse_map_bits & kMapToMouseBits) != 0);
  }
}

std::uint16_t MouseAdvancedDlg::NormaliseRatio(toolkit::CEditUI* edit, std::uint16_t shown) {
  const std::uint16_t value = model::ParseHundredths(EditText(edit)).value_or(shown);
  SetEditText(edit, model::FormatHundredths(value));
  return value;
}

std::int16_t MouseAdvancedDlg::NormaliseMinSpeed(toolkit::CEditUI* edit, std::int16_t shown) {
  const model::ParsedField<model::ShownTenths> typed = model::ParseTenths(EditText(edit));
  // Text that is no number counts as 0, which is a speed like any other; blank text shows the value again.
  const std::int16_t fallback = typed.status == model::FieldStatus::kNotANumber ? std::int16_t{0} : shown;
  const model::ShownTenths value = typed.value_or({fallback, model::FormatTenths(fallback)});
  SetEditText(edit, value.text);
  return value.value;
}

std::uint16_t MouseAdvancedDlg::NormaliseDelay() {
  const auto value = static_cast<std::uint16_t>(
      model::ParseInteger(EditText(edits_.ads_delay), model::kAdsDelayRange).value_or(shown_.ads_delay));
  SetEditText(edits_.ads_delay, model::FormatInteger(value));
  return value;
}

bool MouseAdvancedDlg::Normalise(const toolkit::CControlUI* sender) {
  if (sender == nullptr) return false;
  if (sender == edits_.hip_ratio) {
    NormaliseRatio(edits_.hip_ratio, shown_.hip_ratio);
  } else if (sender == edits_.ads_ratio) {
    NormaliseRatio(edits_.ads_ratio, shown_.ads_ratio);
  } else if (sender == edits_.hip_min_speed) {
    NormaliseMinSpeed(edits_.hip_min_speed, shown_.hip_min_speed);
  } else if (sender == edits_.ads_min_speed) {
    NormaliseMinSpeed(edits_.ads_min_speed, shown_.ads_min_speed);
  } else if (sender == edits_.ads_delay) {
    NormaliseDelay();
  } else {
    return false;
  }
  return true;
}

// Every field goes through the same range rules as when it loses the focus: the one that still has the focus was
// never checked.
void MouseAdvancedDlg::Store() {
  model::ConfigRecord& record = Working();
  if (const auto choice = Choice(turn_assist_)) {
    record.flags = static_cast<std::uint16_t>((record.flags.get() & ~model::config_flags::kTurnAssistMask) |
                                              (*choice << model::config_flags::kTurnAssistShift));
  }
  record.hip_yx_ratio = NormaliseRatio(edits_.hip_ratio, shown_.hip_ratio);
  record.ads_delay = NormaliseDelay();
  if (const auto* option = dynamic_cast<const toolkit::COptionUI*>(map_to_mouse_)) {
    record.mouse_map_bits =
        static_cast<std::uint8_t>((record.mouse_map_bits & ~kMapToMouseBits) | (option->IsSelected() ? 1 : 0));
  }
  record.ads_yx_ratio = NormaliseRatio(edits_.ads_ratio, shown_.ads_ratio);
  record.hip_min_speed = NormaliseMinSpeed(edits_.hip_min_speed, shown_.hip_min_speed);
  record.ads_min_speed = NormaliseMinSpeed(edits_.ads_min_speed, shown_.ads_min_speed);
}

void MouseAdvancedDlg::Notify(toolkit::TNotifyUI& msg) {
  if (msg.Is(toolkit::notify::kKillFocus)) {
    Normalise(msg.sender);
    return;
  }
  const bool click = msg.Is(toolkit::notify::kClick);
  if (click && msg.sender_name == u"btnOk") {
    Store();
    msg.handled = true;
    Accept();
  } else if (click && msg.sender_name == u"closebtn") {
    msg.handled = true;
    Close(kClosed);
  } else if (msg.sender_name == kTurnAssistKey) {
    if (click) {
      CaptureField(turn_assist_key_, Working().turn_assist_key);
    } else if (msg.Is(toolkit::notify::kRightClick)) {
      ClearField(turn_assist_key_, Working().turn_assist_key);
    }
  }
}

}  // namespace torvane::editor
