#pragma once

#include <QString>

#include <memory>

namespace torvane::model {
struct ConfigRecord;
}

namespace torvane::toolkit {
struct TNotifyUI;
}

namespace torvane::editor {

class EditorHost;
class KeyMapping;

// The editing page of one configuration: its name, colour, hot key, game, the five device-settings pages, the
// steering wheel choice and the buttons that lead to the settings dialogs. It edits the record in place in the
// image and compares it with the snapshot taken when the page opened once the page is left.
class EditPage {
 public:
  EditPage(EditorHost& host, KeyMapping& keys);
  ~EditPage();

  // Opens the page for the configuration in table slot `slot`; false when there is none.
  bool Open(int slot);
  // Writes the text fields back into the record and marks the configuration unsaved when it differs from the
  // snapshot. Run before the page is left and before a save.
  void Commit();
  // The record as it stands becomes the one compared with (after it reached the adapter).
  void TakeSnapshot();
  // Selects device-settings page 0..4 and fills its fields.
  void ShowSettingPage(int page);
  // Handles the editing page's notifications; false for anything else.
  bool Notify(toolkit::TNotifyUI& msg);

  // The record shown, or null before the page was first opened.
  model::ConfigRecord* current_record() const { return record_; }
  int setting_page() const { return setting_page_; }

 private:
  EditorHost& host_;
  KeyMapping& keys_;
  model::ConfigRecord* record_ = nullptr;
  std::unique_ptr<model::ConfigRecord> snapshot_;
  int setting_page_ = 0;
};

}  // namespace torvane::editor
