#include "editor/CGlobalSettingsDlg.h"

#include <algorithm>

#include "editor/CKeyMapDlg.h"
#include "editor/EditorHost.h"
#include "editor/KeyButtons.h"
#include "model/FlashImage.h"
#include "model/keys/KeyClass.h"
#include "model/tables/ConfigTable.h"
#include "toolkit/TNotifyUI.h"

namespace torvane::editor {

namespace {

// The layout's key buttons, in the order of the global hot key list.
constexpr const char16_t* kKeyButtons[] = {
    u"btnKeyMapPrevious",       u"btnKeyMapNext",           u"btnKeyMapConfigMode",     u"btnKeyMapHipSenInclease",
    u"btnKeyMapHipSenDeclease", u"btnKeyMapADSSenInclease", u"btnKeyMapADSSenDeclease",
};
static_assert(std::size(kKeyButtons) <= CGlobalSettingsDlg::kTableSize);

constexpr char16_t kKeyButtonMark[] = u"btnKeyMap";

}  // namespace

CGlobalSettingsDlg::CGlobalSettingsDlg(EditorHost& host)
    : host_(host), before_(std::make_unique<model::ConfigBlock>(host.Image().config)) {}

CGlobalSettingsDlg::~CGlobalSettingsDlg() = default;

bool CGlobalSettingsDlg::OnClose(int code) {
  if (code != kConfirmed) host_.Image().config = *before_;
  return WindowImplBase::OnClose(code);
}

QString CGlobalSettingsDlg::GetWindowClassName() const {
  return QStringLiteral("GlobalSettingsDlg");
}

QString CGlobalSettingsDlg::GetSkinFile() const {
  return QStringLiteral("global_settings_dlg.xml");
}

void CGlobalSettingsDlg::InitWindow() {
  setWindowTitle(QStringLiteral("Global Settings"));
  for (std::size_t i = 0; i < std::size(kKeyButtons); ++i) buttons_[i] = FindControl(kKeyButtons[i]);
  // The count comes from the adapter and may claim more keys than there are buttons.
  const model::ConfigBlock& block = host_.Image().config;
  const std::size_t shown = std::min(model::UsedGlobalHotkeys(block), kTableSize);
  for (std::size_t i = 0; i < shown; ++i) {
    if (buttons_[i] != nullptr) ShowKey(*buttons_[i], block.global_hotkeys[i]);
  }
}

toolkit::CControlUI* CGlobalSettingsDlg::Entry(std::size_t entry) const {
  return entry < kTableSize ? buttons_[entry] : nullptr;
}

std::size_t CGlobalSettingsDlg::FindEntry(const toolkit::CControlUI* button) const {
  if (button == nullptr) return kTableSize;
  return static_cast<std::size_t>(std::find(buttons_.begin(), buttons_.end(), button) - buttons_.begin());
}

void CGlobalSettingsDlg::Notify(toolkit::TNotifyUI& msg) {
  const bool click = msg.Is(toolkit::notify::kClick);
  const bool rclick = msg.Is(toolkit::notify::kRightClick);
  if (click && msg.sender_name == u"btnOk") {
    msg.handled = true;
    Close(kConfirmed);
  } else if (click && msg.sender_name == u"closebtn") {
    // Not the toolkit's close with 1: closing the window throws the changes away.
    msg.handled = true;
    Close(kClosed);
  } else if ((click || rclick) && msg.sender_name.contains(kKeyButtonMark)) {
    const std::size_t entry = FindEntry(msg.sender);
    if (entry == kTableSize) return;
    msg.handled = true;
    if (click) {
      CaptureEntry(entry);
    } else {
      ClearEntry(entry);
    }
  }
}

void CGlobalSettingsDlg::CaptureEntry(std::size_t entry) {
  const CapturedKey captured = host_.CaptureKey(*this);
  model::FlashImage& image = host_.Image();
  std::uint8_t& code = image.config.global_hotkeys[entry];
  if (captured.result != CKeyMapDlg::kCaptured || captured.key == code) return;
  // A key of no class maps nothing, so it cannot take anything from another key.
  if (model::KeyClass(captured.key) != model::kKeyClassNone &&
      model::GlobalKeyConflict(image, static_cast<int>(entry), captured.key) && !ConfirmTakenKey(*this)) {
    return;
  }
  code = captured.key;
  ShowKey(*buttons_[entry], code);
}

void CGlobalSettingsDlg::ClearEntry(std::size_t entry) {
  host_.Image().config.global_hotkeys[entry] = 0;
  ShowKey(*buttons_[entry], 0);
}

}  // namespace torvane::editor
