#include "editor/settings/CFlightsticksetting.h"

#include "editor/EditorHost.h"
#include "model/keys/ButtonChoice.h"
#include "toolkit/CComboUI.h"

namespace torvane::editor {

namespace {

// The group that holds the direction codes, whichever group the key buttons show.
constexpr std::size_t kDirectionGroup = 1;

struct AxisControls {
  const char16_t* type;
  const char16_t* row;
  std::array<const char16_t*, 2> directions;
};
constexpr std::array<AxisControls, model::kFlightAxisCount> kAxisControls{{
    {u"roll_map_type_combo", u"layRollMapToButton", {u"roll_left_map_to_combo", u"roll_right_map_to_combo"}},
    {u"pitch_map_type_combo", u"layPitchMapToButton", {u"pitch_up_map_to_combo", u"pitch_down_map_to_combo"}},
    {u"yaw_map_type_combo", u"layYawMapToButton", {u"yaw_left_map_to_combo", u"yaw_right_map_to_combo"}},
    {u"throttle_map_type_combo",
     u"layThrottleMapToButton",
     {u"throttle_up_map_to_combo", u"throttle_down_map_to_combo"}},
}};

std::size_t DirectionIndex(std::uint8_t code) {
  return static_cast<std::size_t>(code - model::kFlightRollLeft);
}

bool IsDirectionCode(std::uint8_t code) {
  return code >= model::kFlightRollLeft && code <= model::kFlightThrottleDown;
}

}  // namespace

int CFlightsticksetting::Run(EditorHost& host, KeyMapping& keys, model::ConfigRecord& record) {
  CFlightsticksetting dialog(keys, record);
  return dialog.RunModal(&host.Window(), QStringLiteral("Flight Stick Settings"));
}

CFlightsticksetting::CFlightsticksetting(KeyMapping& keys, model::ConfigRecord& record)
    : SettingsDialog(keys, record) {}

QString CFlightsticksetting::GetWindowClassName() const {
  return QStringLiteral("Flightsticksetting");
}

QString CFlightsticksetting::GetSkinFile() const {
  return QStringLiteral("flight_stick_setting_dlg.xml");
}

void CFlightsticksetting::InitWindow() {
  model::ConfigRecord& record = Working();
  const int host = record.host_type();
  for (std::size_t a = 0; a < axes_.size(); ++a) {
    axes_[a].type = FindControl<toolkit::CComboUI>(kAxisControls[a].type);
    axes_[a].row = FindControl(kAxisControls[a].row);
    for (std::size_t d = 0; d < 2; ++d) {
      toolkit::CComboUI* combo = FindControl<toolkit::CComboUI>(kAxisControls[a].directions[d]);
      axes_[a].directions[d] = combo;
      if (combo == nullptr) continue;
      combo->RemoveAll();
      for (int k = 0; k < model::ButtonChoiceCount(host); ++k) {
        combo->AddItem(QString::fromUtf8(model::ButtonChoiceName(host, k)));
      }
    }
  }
  // Every direction code leaves the copy; Ok puts back those still chosen. The last of repeated codes counts.
  auto& group = record.mapping[kDirectionGroup];
  for (std::size_t j = 0; j < record.used_buttons(); ++j) {
    if (!IsDirectionCode(group[j])) continue;
    remembered_[DirectionIndex(group[j])] = static_cast<int>(j) + 1;
    group[j] = 0;
  }
  for (std::size_t a = 0; a < axes_.size(); ++a) {
    const int type = model::AxisType(record.flight_axis_map.get(), static_cast<model::FlightAxis>(a));
    ShowChoice(axes_[a].type, type);  // a type above 5 selects nothing and keeps its row hidden
    if (axes_[a].row != nullptr) axes_[a].row->SetVisible(type == model::kAxisButtons);
    // Chosen on every axis, so that Ok without changes puts each code back where it was.
    ShowRemembered(a);
  }
}

void CFlightsticksetting::ShowRemembered(std::size_t axis) {
  const int host = WorkingCopy().host_type();
  for (std::size_t d = 0; d < 2; ++d) {
    const int position = remembered_[DirectionIndex(model::kAxisDirectionCodes[axis][d])];
    ShowChoice(axes_[axis].directions[d], model::PositionToButtonChoice(host, position).value_or(-1));
  }
}

void CFlightsticksetting::Store() {
  model::ConfigRecord& record = Working();
  const int host = record.host_type();
  auto& group = record.mapping[kDirectionGroup];
  // In code order, so that of two directions on one button the later code wins.
  for (std::size_t a = 0; a < axes_.size(); ++a) {
    for (std::size_t d = 0; d < 2; ++d) {
      const std::uint8_t code = model::kAxisDirectionCodes[a][d];
      const auto choice = Choice(axes_[a].directions[d]);
      // No entry selected: the record held the code at a button this host's list cannot show; it stays there.
      const int position = choice ? model::ButtonChoiceToPosition(host, *choice) : remembered_[DirectionIndex(code)];
      if (position > 0) group[static_cast<std::size_t>(position - 1)] = code;
    }
  }
}

void CFlightsticksetting::Notify(toolkit::TNotifyUI& msg) {
  if (msg.Is(toolkit::notify::kClick) && msg.sender_name == u"btnOk") {
    Store();
    msg.handled = true;
    Accept();
    return;
  }
  if (!msg.Is(toolkit::notify::kItemSelect) || msg.sender == nullptr) return;
  for (std::size_t a = 0; a < axes_.size(); ++a) {
    if (msg.sender != axes_[a].type) continue;
    const auto type = Choice(axes_[a].type);
    if (!type) return;
    model::ConfigRecord& record = Working();
    record.flight_axis_map =
        model::WithAxisType(record.flight_axis_map.get(), static_cast<model::FlightAxis>(a), *type);
    // The direction combos keep what they show while their row is hidden, and show the buttons the record held
    // again when the axis goes back to buttons.
    const bool buttons = *type == model::kAxisButtons;
    if (buttons) ShowRemembered(a);
    if (axes_[a].row != nullptr) axes_[a].row->SetVisible(buttons);
    return;
  }
}

}  // namespace torvane::editor
