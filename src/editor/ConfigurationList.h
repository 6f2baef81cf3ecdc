#pragma once

#include <QString>

#include <string_view>

namespace torvane::dialogs {
class CListCtrlUI;
}

namespace torvane::model {
struct ConfigRecord;
}

namespace torvane::toolkit {
struct TNotifyUI;
}

namespace torvane::editor {

class EditorHost;

// The home page: the configurations of the console the adapter serves now, the console switch, the actions on
// the selected configuration and the save. Items are known by their shown name only; every action looks the
// record up again by that name and the current console, so a stale item does nothing.
class ConfigurationList {
 public:
  explicit ConfigurationList(EditorHost& host);

  // Handles the home page's notifications; false for anything else.
  bool Notify(toolkit::TNotifyUI& msg);

  // Refills the list with the configurations of `host` and shows its console images (hosts 5..7 keep them).
  void Show(int host);
  void ShowCurrent();
  // The game's recommended in-game settings, when it has any.
  void ShowGameNotes(int game_id);

  void NewConfig();
  void CopySelected();
  void DeleteSelected();
  void StartUpSelected();
  void SwitchHost();
  // A configuration file into the current console's list, which is refilled and shows the game's notes.
  void ImportFile();
  // The selected configuration to a file.
  void ExportSelected();
  void EditSelected();
  // True when the adapter holds every change (also when there was nothing to save).
  bool Save();
  bool IsSaving() const { return saving_; }

  dialogs::CListCtrlUI* List() const;

 private:
  void ShowHostImages(int host);
  void AppendItem(const model::ConfigRecord& record);
  // Slot of the record the selected item names, or -1.
  int SelectedSlot() const;
  QString SelectedName() const;
  void Warn(std::string_view text);
  // Every action button but Save, while a save runs.
  void EnableActions(bool enable);

  EditorHost& host_;
  bool saving_ = false;
};

}  // namespace torvane::editor
