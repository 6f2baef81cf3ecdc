#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace torvane::dialogs {
class CListCtrlUI;
}

namespace torvane::model {
struct ConfigRecord;
struct MacroRecord;
}  // namespace torvane::model

namespace torvane::toolkit {
struct TNotifyUI;
}

namespace torvane::editor {

class EditorHost;

// The macro manager page: the macros of the configuration being edited as cards of "macro_listctrl", and new,
// copy, delete and edit on the selected one. Cards are known by their shown name; every action looks the macro up
// again by that name, the configuration's name and its console, so a stale card does nothing. The macro table
// changes at once; the window marks it unsaved when the page is left.
class MacroManagerPage {
 public:
  // `open_editor` is given the stored name of the macro the player asked to edit.
  MacroManagerPage(EditorHost& host, std::function<void(const std::string&)> open_editor);

  // Refills the list with the macros of `owner`, in stored order.
  void Show(const model::ConfigRecord& owner);
  // Handles the manager's notifications for the macros of `owner`; false for anything else.
  bool Notify(toolkit::TNotifyUI& msg, const model::ConfigRecord& owner);

  void NewMacro(const model::ConfigRecord& owner);
  void CopySelected(const model::ConfigRecord& owner);
  void DeleteSelected(const model::ConfigRecord& owner);
  void ExportSelected(const model::ConfigRecord& owner);
  void EditSelected(const model::ConfigRecord& owner);

  dialogs::CListCtrlUI* List() const;
  // The stored name of the selected card's macro when `owner` has it.
  std::optional<std::string> SelectedMacro(const model::ConfigRecord& owner) const;

 private:
  void AppendItem(const model::MacroRecord& macro);
  // Appends the card of the macro just added at `slot` and selects it, or tells why nothing was added.
  void Added(int slot, bool added, std::string_view message);
  void OfferSave();

  EditorHost& host_;
  std::function<void(const std::string&)> open_editor_;
};

}  // namespace torvane::editor
