#include "editor/settings/SettingsDialog.h"

#include "editor/KeyButtons.h"
#include "editor/KeyMapping.h"
#include "toolkit/CComboUI.h"
#include "toolkit/CEditUI.h"

namespace torvane::editor {

SettingsDialog::SettingsDialog(KeyMapping& keys, model::ConfigRecord& record)
    : keys_(keys), record_(record), working_(record) {}

int SettingsDialog::RunModal(QWidget* owner, const QString& title) {
  if (!Create(owner, title)) {
    qWarning("%s not shown: %s", qUtf8Printable(GetWindowClassName()), qUtf8Printable(GetBuildError()));
    return 0;
  }
  return ShowModal();
}

void SettingsDialog::Accept() {
  record_ = working_;
  accepted_ = true;
  Close(1);
}

void SettingsDialog::CaptureField(toolkit::CControlUI* button, std::uint8_t& field) {
  keys_.CaptureKeyField(*this, button, field, working_);
}

void SettingsDialog::ClearField(toolkit::CControlUI* button, std::uint8_t& field) {
  field = 0;
  ShowField(button, 0);
}

void SettingsDialog::ShowField(toolkit::CControlUI* button, std::uint8_t code) {
  if (button != nullptr) ShowKey(*button, code);
}

void SettingsDialog::ShowChoice(toolkit::CComboUI* combo, int index) {
  if (combo == nullptr) return;
  combo->SelectItem(index >= 0 && index < combo->GetCount() ? index : -1);
}

std::optional<int> SettingsDialog::Choice(const toolkit::CComboUI* combo) {
  if (combo == nullptr) return std::nullopt;
  const int index = combo->GetCurSel();
  if (index < 0 || index >= combo->GetCount()) return std::nullopt;
  return index;
}

void SettingsDialog::SetEditText(toolkit::CEditUI* edit, const std::string& text) {
  // The fields centre their text, and a leading blank would count against a field's length limit.
  if (edit != nullptr) edit->SetText(QString::fromStdString(text).trimmed());
}

std::string SettingsDialog::EditText(const toolkit::CEditUI* edit) {
  return edit != nullptr ? edit->GetText().toStdString() : std::string();
}

}  // namespace torvane::editor
