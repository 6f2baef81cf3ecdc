#include "editor/settings/TouchPadDlg.h"

#include "editor/EditorHost.h"
#include "editor/KeyButtons.h"
#include "editor/KeyMapping.h"
#include "model/keys/ControllerButton.h"
#include "toolkit/CComboUI.h"

namespace torvane::editor {

namespace {

constexpr char16_t kTouchButton[] = u"btnPlayKey_Touch";
constexpr char16_t kLoadKeyButton[] = u"btnTouchPadLoadKey";
constexpr std::uint8_t kToggleBit = 0x80;

}  // namespace

int TouchPadDlg::Run(EditorHost& host, KeyMapping& keys, model::ConfigRecord& record) {
  TouchPadDlg dialog(keys, record);
  return dialog.RunModal(&host.Window(), QStringLiteral("Touchpad Settings"));
}

TouchPadDlg::TouchPadDlg(KeyMapping& keys, model::ConfigRecord& record) : SettingsDialog(keys, record), lease_(keys) {}

QString TouchPadDlg::GetWindowClassName() const {
  return QStringLiteral("TouchPad_Dlg");
}

QString TouchPadDlg::GetSkinFile() const {
  return QStringLiteral("touch_pad_dlg.xml");
}

void TouchPadDlg::InitWindow() {
  toolkit::CControlUI* touch = FindControl(kTouchButton);
  lease_.Put(model::kButtonTouch, touch);
  behaviour_ = FindControl<toolkit::CComboUI>(u"comboTouchPadLoadBehavior");
  load_key_ = FindControl(kLoadKeyButton);
  ShowChoice(behaviour_, Working().mouse_map_bits >> 7);
  const auto group = static_cast<std::size_t>(Keys().mapping_group());
  ShowField(touch, Working().mapping[group][model::kButtonTouch]);
  ShowField(load_key_, Working().touchpad_key);
}

void TouchPadDlg::Notify(toolkit::TNotifyUI& msg) {
  if (!msg.Is(toolkit::notify::kClick)) return;
  if (msg.sender_name == u"btnOk") {
    if (const auto choice = Choice(behaviour_)) {
      std::uint8_t& bits = Working().mouse_map_bits;
      bits = static_cast<std::uint8_t>((bits & ~kToggleBit) | (*choice != 0 ? kToggleBit : 0));
    }
    msg.handled = true;
    Accept();
  } else if (msg.sender_name == u"closebtn") {
    msg.handled = true;
    Close(kClosed);
  } else if (msg.sender_name == kLoadKeyButton) {
    CaptureField(load_key_, Working().touchpad_key);
  } else if (msg.sender != nullptr && msg.sender_user_data == kControllerMapKey) {
    Keys().CaptureMappedKey(msg.sender, Working(), *this);
  }
}

}  // namespace torvane::editor
