#pragma once

#include "editor/settings/KeySlotLease.h"
#include "editor/settings/SettingsDialog.h"

namespace torvane::toolkit {
class CComboUI;
}

namespace torvane::editor {

class EditorHost;

// The touch pad button's key (slot 13 of the current mapping group), and the key and the hold or toggle behaviour
// of touch pad simulation.
class TouchPadDlg : public SettingsDialog {
 public:
  static constexpr int kClosed = 2;

  // Runs the dialog over the main window; the modal result (1 after Ok or Escape, 2 after the close button).
  static int Run(EditorHost& host, KeyMapping& keys, model::ConfigRecord& record);

  TouchPadDlg(KeyMapping& keys, model::ConfigRecord& record);

  QString GetWindowClassName() const override;
  QString GetSkinFile() const override;
  void InitWindow() override;
  void Notify(toolkit::TNotifyUI& msg) override;

 private:
  KeySlotLease lease_;
  toolkit::CComboUI* behaviour_ = nullptr;
  toolkit::CControlUI* load_key_ = nullptr;
};

}  // namespace torvane::editor
