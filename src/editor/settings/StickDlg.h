#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "editor/settings/KeySlotLease.h"
#include "editor/settings/SettingsDialog.h"

namespace torvane::toolkit {
class CEditUI;
}

namespace torvane::editor {

class EditorHost;

enum class StickSide { kLeft, kRight };

// The keys of one controller stick (four directions and the press, in the current mapping group), the stick's
// strength percentage and its hot key. The left and right stick dialogs differ only by the table in StickDlg.cpp.
class StickDlg : public SettingsDialog {
 public:
  static constexpr int kClosed = 2;

  // Runs the dialog over the main window; the modal result (1 after Ok or Escape, 2 after the close button).
  static int Run(StickSide side, EditorHost& host, KeyMapping& keys, model::ConfigRecord& record);

  StickDlg(StickSide side, KeyMapping& keys, model::ConfigRecord& record);

  QString GetWindowClassName() const override;
  QString GetSkinFile() const override;
  void InitWindow() override;
  void Notify(toolkit::TNotifyUI& msg) override;

  struct Side;

 private:
  // The stored strength as the field shows it: inside 1..100.
  int ShownStrength() const;
  // The field's number, or the shown strength when the field holds none inside the range.
  int NormaliseStrength();
  std::uint8_t& Hotkey();
  std::uint8_t& Strength();
  void ClearSlot(toolkit::CControlUI* sender);

  const Side& side_;
  KeySlotLease lease_;
  toolkit::CEditUI* strength_ = nullptr;
  toolkit::CControlUI* hotkey_ = nullptr;
};

}  // namespace torvane::editor
