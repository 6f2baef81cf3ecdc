#pragma once

#include <QString>

#include <memory>
#include <string_view>

namespace torvane::model {
struct ConfigRecord;
}

namespace torvane::toolkit {
class CEditUI;
struct TNotifyUI;
}  // namespace torvane::toolkit

namespace torvane::editor {

class EditorHost;
class KeyMapping;
struct IntegerField;

// The editing page of one configuration: its name, colour, hot key, game, the five device-settings pages, the
// steering wheel choice and the buttons that lead to the settings dialogs. It edits the record in place in the
// image and compares it with the snapshot taken when the page opened once the page is left.
class EditPage {
 public:
  static constexpr int kSettingPages = 5;
  static constexpr int kSteeringPage = 2;

  EditPage(EditorHost& host, KeyMapping& keys);
  ~EditPage();

  // Opens the page for the configuration in table slot `slot`; false when there is none.
  bool Open(int slot);
  // Writes the text fields back into the record and marks the configuration unsaved when it differs from the
  // snapshot. Run before the page is left and before a save.
  void Commit();
  // The same without a word: a refused value stays as the record holds it (the adapter went away, so nobody is
  // there to be told).
  void CommitQuietly();
  // The record as it stands becomes the one compared with (after it reached the adapter).
  void TakeSnapshot();
  // Whether the record, with what the fields hold now as the page would store it, differs from the snapshot.
  bool Differs() const;
  // Selects device-settings page 0..4 and fills its fields.
  void ShowSettingPage(int page);
  // Handles the editing page's notifications; false for anything else.
  bool Notify(toolkit::TNotifyUI& msg);

  // The record shown, or null before the page was first opened.
  model::ConfigRecord* current_record() const { return record_; }
  int setting_page() const { return setting_page_; }

 private:
  // Every field's check, then what the fields hold goes into the record: typed text is either stored or
  // replaced by the stored value, never left waiting where a page change could drop it.
  void ApplyFields();
  // The record as ApplyFields would leave it, without a message and without touching the page; the name aside.
  model::ConfigRecord WithTypedFields() const;
  // The focus-loss checks. `store` writes an accepted integer at once; otherwise it waits for ApplyFields.
  void CheckName();
  void CheckSensitivity(toolkit::CEditUI& edit, bool hip);
  void CheckInteger(const IntegerField& field, bool store);
  // Shows everything of the record: header, key buttons and all five settings pages, ending on `page`.
  void ShowRecord(int page);
  void StepSettingPage(int step);
  void ChooseSteeringWheel();
  void ShowSteeringAngle();
  void NextColor();
  void SwitchMappingGroup();
  // Runs the settings dialog of button `name`; false when `name` is none of them.
  bool RunSettingsDialog(const QString& name);
  // Shows the stored name; what the edit makes of it (cut to its length) is what counts as untouched.
  void ShowName();
  void ShowMessage(std::string_view text);
  void SetEditText(const char16_t* name, const QString& text);
  QString EditText(const char16_t* name) const;

  EditorHost& host_;
  KeyMapping& keys_;
  model::ConfigRecord* record_ = nullptr;
  std::unique_ptr<model::ConfigRecord> snapshot_;
  int setting_page_ = 0;
  QString shown_name_;
  bool quiet_ = false;  // while committing for an adapter that went away
};

}  // namespace torvane::editor
