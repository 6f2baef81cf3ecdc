#pragma once

#include <QPointer>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/CDialogBuilder.h"

class QTimer;

namespace torvane::model {
struct ConfigRecord;
struct MacroBlock;
struct MacroRecord;
struct MacroStep;
}  // namespace torvane::model

namespace torvane::toolkit {
class CListUI;
struct TNotifyUI;
}  // namespace torvane::toolkit

namespace torvane::editor {

class EditorHost;
class KeyMapping;
class MacroButtonModels;
class MacroStepRow;

// The macro editor page: one macro's name, hot key, trigger mode and its steps as rows of "macro_listview". The
// rows, name and mode reach the macro when the page is left (Store); the hot key goes into it at once. Opening
// builds the rows the list shows at once and the rest on the next turns of the event loop; whatever reads or
// changes the rows builds every one first (BuildAllRows).
class MacroEditorPage {
 public:
  static constexpr int kMaxRows = 67;

  MacroEditorPage(EditorHost& host, KeyMapping& keys);
  ~MacroEditorPage();

  // Shows the macro named `name` (as stored) of `owner`; false, with the page untouched, when `owner` has none.
  bool Open(model::ConfigRecord& owner, const std::string& name);
  bool IsOpen() const { return owner_ != nullptr; }
  // Runs the checks of the name and of every hold time, then writes the rows, the name and the trigger mode into
  // the macro. With `ask` false the checks correct what they would have warned about without a message.
  void Store(bool ask);
  // Stores, and the page holds no macro any more.
  void Close(bool ask);
  // Handles the editor's notifications; false for anything else.
  bool Notify(toolkit::TNotifyUI& msg);
  // Whether the macro block, with the page stored as it stands, would differ from `snapshot`.
  bool Differs(const model::MacroBlock& snapshot);

  // Inserts a row showing `step` at `at` and renumbers the rows from there; false when 67 rows exist already.
  bool InsertStepRow(int at, const model::MacroStep& step);
  // The rows shown and still to be built.
  int RowCount() const;
  // Builds the rows still to be built now.
  void BuildAllRows();
  toolkit::CListUI* List() const;
  // The macro shown, or null.
  model::MacroRecord* Macro() const;

 private:
  // InsertStepRow over the rows built so far.
  bool AddRow(int at, const model::MacroStep& step);
  // Builds up to `count` of the rows still to be built, in order.
  void BuildWaitingRows(std::size_t count);
  // At least as many rows as the list shows at once.
  int RowsInSight() const;
  void AddStepAfter(int row);
  void RemoveStep(int row);
  void MoveStep(int row, int by);
  void Renumber(int from);
  // Tab visits an inserted row's controls after the row above it.
  void ChainTabOrder(int row);
  // The focus-loss checks; each says whether it corrected a value. The hold time check warns only when `ask`.
  bool CheckHoldTime(const MacroStepRow& row, bool ask);
  // The hold time the check puts in place of an emptied field: the stored one, or a new step's below the least.
  int RestoredHoldTime(int row) const;
  void CheckName(bool ask);
  void ShowHeader(const model::MacroRecord& macro);
  // What changes here is compared at once, as on the editing page.
  void OfferSave();
  void Warn(std::string_view text) const;
  int Host() const;

  EditorHost& host_;
  KeyMapping& keys_;
  model::ConfigRecord* owner_ = nullptr;
  std::string name_;    // the macro's stored name: how it is found again
  QString shown_name_;  // the name as the edit showed it
  std::unique_ptr<MacroButtonModels> button_names_;
  toolkit::CDialogBuilder row_template_;
  mutable QPointer<toolkit::CListUI> list_;      // found once: a look-up walks the whole window
  std::vector<model::MacroStep> waiting_steps_;  // the steps whose rows come after the rows built, in order
  std::size_t next_waiting_ = 0;
  std::unique_ptr<QTimer> row_timer_;
  std::unique_ptr<QObject> paint_watch_;  // starts the timer when the list paints
};

}  // namespace torvane::editor
