#pragma once

#include <array>
#include <cstdint>

#include "editor/settings/SettingsDialog.h"
#include "model/params/FlightAxisMap.h"

namespace torvane::editor {

class EditorHost;

// Where the four flight stick axes go: each drives one axis of a controller stick, presses one controller button
// per direction, or does nothing. The direction buttons are the direction codes' places in mapping group 1.
class CFlightsticksetting : public SettingsDialog {
 public:
  // Runs the dialog over the main window; the modal result (1 after Ok, Escape or the close button). After 1 the
  // editing page shows its key buttons again: group 1 may have changed.
  static int Run(EditorHost& host, KeyMapping& keys, model::ConfigRecord& record);

  CFlightsticksetting(KeyMapping& keys, model::ConfigRecord& record);

  QString GetWindowClassName() const override;
  QString GetSkinFile() const override;
  void InitWindow() override;
  void Notify(toolkit::TNotifyUI& msg) override;

 private:
  static constexpr std::size_t kDirections = 2 * model::kFlightAxisCount;
  struct Axis {
    toolkit::CComboUI* type = nullptr;
    toolkit::CControlUI* row = nullptr;
    std::array<toolkit::CComboUI*, 2> directions{};
  };

  // Selects in the axis's direction combos the buttons its codes had when the dialog opened.
  void ShowRemembered(std::size_t axis);
  void Store();

  std::array<Axis, model::kFlightAxisCount> axes_{};
  // Per direction code (kFlightRollLeft first): where group 1 held it when the dialog opened, 1-based, 0 for
  // nowhere.
  std::array<int, kDirections> remembered_{};
};

}  // namespace torvane::editor
