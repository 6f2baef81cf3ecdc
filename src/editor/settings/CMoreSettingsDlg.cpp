#include "editor/settings/CMoreSettingsDlg.h"

#include <array>

#include "editor/EditorHost.h"
#include "model/HostType.h"
#include "model/params/ReportInterval.h"
#include "toolkit/CComboUI.h"
#include "toolkit/COptionUI.h"

namespace torvane::editor {

namespace {

namespace flags = model::config_flags;

constexpr char16_t kSwapKey[] = u"btnKeyMapStickSwap";
constexpr std::uint8_t kNToOneMapping = 0x01;

// The ADS button each entry of "comboAdsKey" stands for.
constexpr std::array<std::uint8_t, 6> kAdsButtons{0, 1, 2, 3, 4, 5};

// The options and the bit of `flags` each shows.
struct FlagOption {
  const char16_t* name;
  std::uint16_t bit;
};
constexpr FlagOption kFlagOptions[] = {
    {u"optSpeedWarning", flags::kSpeedWarning},
    {u"optInverMouse", flags::kInvertMouse},
    {u"optADSNotification", flags::kAdsNotification},
    {u"optADSToogle", flags::kAdsToggle},
};
constexpr char16_t kNToOneOption[] = u"optKeyMappingMode";

std::uint16_t WithBits(std::uint16_t value, std::uint16_t mask, int shift, int bits) {
  return static_cast<std::uint16_t>((value & ~mask) | ((bits << shift) & mask));
}

}  // namespace

int CMoreSettingsDlg::Run(EditorHost& host, KeyMapping& keys, model::ConfigRecord& record) {
  CMoreSettingsDlg dialog(keys, record);
  return dialog.RunModal(&host.Window(), QStringLiteral("More Settings"));
}

CMoreSettingsDlg::CMoreSettingsDlg(KeyMapping& keys, model::ConfigRecord& record) : SettingsDialog(keys, record) {}

QString CMoreSettingsDlg::GetWindowClassName() const {
  return QStringLiteral("MoreSettingsDlg");
}

QString CMoreSettingsDlg::GetSkinFile() const {
  return QStringLiteral("more_settings_dlg.xml");
}

bool CMoreSettingsDlg::ShowsReportRate() const {
  return WorkingCopy().game_id == kReportRateGameId && WorkingCopy().host_type() == model::kHostPS4;
}

void CMoreSettingsDlg::InitWindow() {
  const model::ConfigRecord& record = WorkingCopy();
  const std::uint16_t bits = record.flags.get();
  ads_key_ = FindControl<toolkit::CComboUI>(u"comboAdsKey");
  deadzone_ = FindControl<toolkit::CComboUI>(u"comboDeadzoneType");
  load_behaviour_ = FindControl<toolkit::CComboUI>(u"comboLoadBehavior");
  report_rate_ = FindControl<toolkit::CComboUI>(u"comboUSBReportRate");
  swap_key_ = FindControl(kSwapKey);

  ShowControl(u"layUSBRpeortRate", ShowsReportRate());
  ShowControl(u"layCustomGame", record.game_id == kCustomGameId);
  ShowChoice(deadzone_, bits & flags::kSquareDeadzone);
  int ads_entry = -1;
  for (std::size_t i = 0; i < kAdsButtons.size(); ++i) {
    if (kAdsButtons[i] == record.ads_key) ads_entry = static_cast<int>(i);
  }
  ShowChoice(ads_key_, ads_entry);  // a button of no entry shows none and is kept
  // An interval that is none of the four shows the slowest rate, which Ok then writes.
  ShowChoice(report_rate_, model::ReportIntervalToChoice(record.report_interval).value_or(0));
  ShowChoice(load_behaviour_, (bits & flags::kLoadBehaviourMask) >> flags::kLoadBehaviourShift);
  for (const FlagOption& entry : kFlagOptions) {
    if (auto* option = FindControl<toolkit::COptionUI>(entry.name)) option->Selected((bits & entry.bit) != 0);
  }
  if (auto* option = FindControl<toolkit::COptionUI>(kNToOneOption)) {
    option->Selected((record.mode_bits & kNToOneMapping) != 0);
  }
  ShowField(swap_key_, record.stick_swap_key);
}

void CMoreSettingsDlg::Store() {
  model::ConfigRecord& record = Working();
  std::uint16_t bits = record.flags.get();
  for (const FlagOption& entry : kFlagOptions) {
    if (const auto* option = FindControl<toolkit::COptionUI>(entry.name)) {
      bits = static_cast<std::uint16_t>(option->IsSelected() ? (bits | entry.bit) : (bits & ~entry.bit));
    }
  }
  // A combo with no entry selected (the record held a value it has no entry for) keeps the stored bits.
  if (const auto choice = Choice(load_behaviour_)) {
    bits = WithBits(bits, flags::kLoadBehaviourMask, flags::kLoadBehaviourShift, *choice);
  }
  if (const auto choice = Choice(deadzone_)) bits = WithBits(bits, flags::kSquareDeadzone, 0, *choice & 1);
  record.flags = bits;
  if (const auto* option = FindControl<toolkit::COptionUI>(kNToOneOption)) {
    record.mode_bits =
        static_cast<std::uint8_t>((record.mode_bits & ~kNToOneMapping) | (option->IsSelected() ? kNToOneMapping : 0));
  }
  if (const auto choice = Choice(ads_key_); choice && *choice < static_cast<int>(kAdsButtons.size())) {
    record.ads_key = kAdsButtons[static_cast<std::size_t>(*choice)];
  }
  // Only where the player can see the rate: the interval of any other configuration stays as it was.
  if (const auto choice = Choice(report_rate_); choice && ShowsReportRate()) {
    record.report_interval = model::ApplyReportIntervalChoice(record.report_interval, *choice);
  }
}

void CMoreSettingsDlg::Notify(toolkit::TNotifyUI& msg) {
  const bool click = msg.Is(toolkit::notify::kClick);
  if (click && msg.sender_name == u"btnOk") {
    Store();
    msg.handled = true;
    Accept();
  } else if (msg.sender_name == kSwapKey) {
    if (click) {
      CaptureField(swap_key_, Working().stick_swap_key);
    } else if (msg.Is(toolkit::notify::kRightClick)) {
      ClearField(swap_key_, Working().stick_swap_key);
    }
  }
}

}  // namespace torvane::editor
