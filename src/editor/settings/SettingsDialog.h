#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/ConfigRecord.h"
#include "toolkit/WindowImplBase.h"

namespace torvane::toolkit {
class CComboUI;
class CEditUI;
}  // namespace torvane::toolkit

namespace torvane::editor {

class KeyMapping;

// A settings dialog of one configuration. It edits a working copy of the whole record, and only Accept copies that
// copy back, so every other way out (Escape, the close button, the system, a failed build) leaves the record as it
// was, keys captured while the dialog was open included.
class SettingsDialog : public toolkit::WindowImplBase {
 public:
  SettingsDialog(KeyMapping& keys, model::ConfigRecord& record);

  // Builds the dialog over `owner` and runs it; the modal result, 0 when the layout could not be built.
  int RunModal(QWidget* owner, const QString& title);

  const model::ConfigRecord& WorkingCopy() const { return working_; }
  bool Accepted() const { return accepted_; }

 protected:
  model::ConfigRecord& Working() { return working_; }
  KeyMapping& Keys() { return keys_; }

  // Copies the working copy over the record and closes with 1.
  void Accept();

  // A single-key field of the working copy on its button: capture on click, clear on right click.
  void CaptureField(toolkit::CControlUI* button, std::uint8_t& field);
  static void ClearField(toolkit::CControlUI* button, std::uint8_t& field);
  static void ShowField(toolkit::CControlUI* button, std::uint8_t code);

  // Selects item `index`, or nothing when the combo has no such item (a value from an adapter can be anything).
  static void ShowChoice(toolkit::CComboUI* combo, int index);
  // The selected item; nothing when none is.
  static std::optional<int> Choice(const toolkit::CComboUI* combo);
  static void SetEditText(toolkit::CEditUI* edit, const std::string& text);
  static std::string EditText(const toolkit::CEditUI* edit);

 private:
  KeyMapping& keys_;
  model::ConfigRecord& record_;
  model::ConfigRecord working_;
  bool accepted_ = false;
};

}  // namespace torvane::editor
