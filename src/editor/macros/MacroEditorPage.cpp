#include "editor/macros/MacroEditorPage.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <utility>

#include "dialogs/MessageBoxCodes.h"
#include "dialogs/MessageBoxes.h"
#include "editor/EditorHost.h"
#include "editor/KeyButtons.h"
#include "editor/KeyMapping.h"
#include "editor/macros/MacroButtonModels.h"
#include "editor/macros/MacroStepRow.h"
#include "editor/macros/MacroTexts.h"
#include "model/ConfigRecord.h"
#include "model/FlashImage.h"
#include "model/tables/MacroTable.h"
#include "model/tables/NameText.h"
#include "model/tables/TableMessages.h"
#include "toolkit/CComboUI.h"
#include "toolkit/CEditUI.h"
#include "toolkit/CListUI.h"
#include "toolkit/NarrowText.h"
#include "toolkit/TNotifyUI.h"
#include "toolkit/WindowImplBase.h"

namespace torvane::editor {

namespace {

constexpr char16_t kStepList[] = u"macro_listview";
constexpr char16_t kNameEdit[] = u"editMacroName";
constexpr char16_t kHotKeyButton[] = u"btnMacroHotMapKey";
constexpr char16_t kTriggerCombo[] = u"comboTriggerBehavior";
constexpr char16_t kHoldEdit[] = u"hold_time_edit";
constexpr char16_t kRowTemplate[] = u"macro_listitem.xml";
// Rows built on one turn of the event loop while the rest wait: well inside a frame.
constexpr std::size_t kRowsPerTurn = 12;

// Starts the row timer when the step list paints with rows waiting: the rows out of sight are built once the page
// is on screen, not before its first paint.
class AfterListPaint : public QObject {
 public:
  explicit AfterListPaint(QTimer& timer, std::function<bool()> waiting) : timer_(timer), waiting_(std::move(waiting)) {}

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    // Started from the next turn: a timer started now would run in this one, before the frame is out.
    if (event->type() == QEvent::Paint && !timer_.isActive() && waiting_()) {
      QMetaObject::invokeMethod(&timer_, qOverload<>(&QTimer::start), Qt::QueuedConnection);
    }
    return false;
  }

 private:
  QTimer& timer_;
  std::function<bool()> waiting_;
};

model::MacroStep EmptyStep() {
  model::MacroStep step{};
  step.hold_time = static_cast<std::uint16_t>(kNewStepHoldTime);
  return step;
}

}  // namespace

MacroEditorPage::MacroEditorPage(EditorHost& host, KeyMapping& keys)
    : host_(host),
      keys_(keys),
      button_names_(std::make_unique<MacroButtonModels>()),
      row_timer_(std::make_unique<QTimer>()) {
  row_timer_->setInterval(0);
  row_timer_->callOnTimeout([this] { BuildWaitingRows(kRowsPerTurn); });
  paint_watch_ =
      std::make_unique<AfterListPaint>(*row_timer_, [this] { return next_waiting_ < waiting_steps_.size(); });
}

MacroEditorPage::~MacroEditorPage() = default;

toolkit::CListUI* MacroEditorPage::List() const {
  if (!list_) {
    list_ = host_.Window().FindControl<toolkit::CListUI>(kStepList);
    if (list_) list_->installEventFilter(paint_watch_.get());
  }
  return list_;
}

int MacroEditorPage::RowCount() const {
  const toolkit::CListUI* list = List();
  return list != nullptr ? list->GetCount() + static_cast<int>(waiting_steps_.size() - next_waiting_) : 0;
}

void MacroEditorPage::BuildAllRows() {
  BuildWaitingRows(waiting_steps_.size());
}

void MacroEditorPage::BuildWaitingRows(std::size_t count) {
  toolkit::CListUI* list = List();
  for (; count > 0 && next_waiting_ < waiting_steps_.size(); --count, ++next_waiting_) {
    AddRow(list->GetCount(), waiting_steps_[next_waiting_]);
  }
  if (next_waiting_ < waiting_steps_.size()) return;
  waiting_steps_.clear();
  next_waiting_ = 0;
  row_timer_->stop();
}

int MacroEditorPage::RowsInSight() const {
  const toolkit::CListUI* list = List();
  if (list->GetCount() == 0) return 1;  // the first row tells how high rows are
  const int row_height = std::max(1, list->GetItemAt(0)->GetFixedHeight());
  // The list ends no lower than the window does. Its own height is not known before its page has been laid out, and
  // its top then lies no lower than where it will be shown, which only counts more rows.
  const QWidget& window = host_.Window();
  const int top = std::clamp(list->mapTo(&window, QPoint(0, 0)).y(), 0, window.height());
  return (window.height() - top) / row_height + 1;
}

int MacroEditorPage::Host() const {
  return owner_ != nullptr ? owner_->host_type() : 0;
}

model::MacroRecord* MacroEditorPage::Macro() const {
  if (owner_ == nullptr) return nullptr;
  return model::FindMacro(host_.Image().macro, model::ReadName(owner_->name), name_, owner_->host_type());
}

bool MacroEditorPage::Open(model::ConfigRecord& owner, const std::string& name) {
  const model::MacroRecord* macro =
      model::FindMacro(host_.Image().macro, model::ReadName(owner.name), name, owner.host_type());
  toolkit::CListUI* list = List();
  if (macro == nullptr || list == nullptr) return false;
  owner_ = &owner;
  name_ = name;
  // Rows still waiting from the macro shown before are not this one's.
  waiting_steps_.clear();
  next_waiting_ = 0;
  row_timer_->stop();
  // One layout pass for the whole page rather than one per row.
  list->setUpdatesEnabled(false);
  const int steps = static_cast<int>(macro->used_steps());
  const int rows = std::max(steps, 1);
  while (list->GetCount() > rows) list->RemoveAt(list->GetCount() - 1);
  list->SelectItem(-1);
  // The rows of the macro shown before are reused: building a row costs far more than showing a step in it.
  for (int i = 0; i < list->GetCount(); ++i) {
    MacroStepRow row(list->GetItemAt(i));
    row.UseButtonNames(button_names_->ForHost(Host()));
    row.Show(steps == 0 ? EmptyStep() : macro->steps[static_cast<std::size_t>(i)], Host());
  }
  // The rows out of sight are built on the next turns, but a screen reader is given the whole list at once.
  const bool all_now = QAccessible::isActive();
  for (int i = list->GetCount(); i < steps; ++i) {
    const model::MacroStep& step = macro->steps[static_cast<std::size_t>(i)];
    if (waiting_steps_.empty() && (all_now || i < RowsInSight())) {
      AddRow(i, step);
    } else {
      waiting_steps_.push_back(step);
    }
  }
  if (list->GetCount() == 0) AddRow(0, EmptyStep());
  list->setUpdatesEnabled(true);
  list->SetScrollPos(0);
  ShowHeader(*macro);
  return true;
}

void MacroEditorPage::ShowHeader(const model::MacroRecord& macro) {
  toolkit::WindowImplBase& window = host_.Window();
  if (auto* button = window.FindControl(kHotKeyButton)) ShowKey(*button, macro.macro_hotkey);
  window.SetControlText(kNameEdit, toolkit::DecodeNarrow(model::ReadName(macro.macro_name)));
  if (auto* edit = window.FindControl<toolkit::CEditUI>(kNameEdit)) {
    shown_name_ = edit->GetText();
    // The field takes the focus, not the control around it: it carries the name that is announced.
    edit->GetLineEdit()->setAccessibleName(QStringLiteral("Macro name"));
  }
  // A stored mode the chooser does not have shows no item, and stays as it is unless the player picks one.
  if (auto* combo = window.FindControl<toolkit::CComboUI>(kTriggerCombo)) {
    combo->GetComboBox()->setAccessibleName(QStringLiteral("Trigger mode"));
    if (!combo->SelectItem(macro.trigger_mode)) combo->SelectItem(-1);
  }
}

bool MacroEditorPage::InsertStepRow(int at, const model::MacroStep& step) {
  BuildAllRows();
  return AddRow(at, step);
}

bool MacroEditorPage::AddRow(int at, const model::MacroStep& step) {
  toolkit::CListUI* list = List();
  if (list == nullptr || list->GetCount() >= kMaxRows || at < 0 || at > list->GetCount()) return false;
  toolkit::WindowImplBase& window = host_.Window();
  if (!row_template_.IsLoaded() && !row_template_.LoadFile(QString::fromUtf16(kRowTemplate))) {
    qWarning("macro steps not shown: %s", qUtf8Printable(row_template_.GetError()));
    return false;
  }
  toolkit::CControlUI* control = row_template_.Create(&window, &window.GetPaintManager());
  if (control == nullptr) return false;
  MacroStepRow row(control);
  row.UseButtonNames(button_names_->ForHost(Host()));
  row.Show(step, Host());
  if (!list->AddAt(control, at)) {
    delete control;
    return false;
  }
  Renumber(at);
  // A row added at the end already comes last in the window's Tab order.
  if (at + 1 < list->GetCount()) ChainTabOrder(at);
  return true;
}

void MacroEditorPage::Renumber(int from) {
  toolkit::CListUI* list = List();
  for (int i = std::max(0, from); i < list->GetCount(); ++i) MacroStepRow(list->GetItemAt(i)).SetNumber(i + 1);
}

void MacroEditorPage::ChainTabOrder(int row) {
  toolkit::CListUI* list = List();
  QWidget* previous = row == 0 ? static_cast<QWidget*>(host_.Window().FindControl(kTriggerCombo))
                               : MacroStepRow(list->GetItemAt(row - 1)).TabStops().back();
  for (toolkit::CControlUI* stop : MacroStepRow(list->GetItemAt(row)).TabStops()) {
    if (stop == nullptr) continue;
    if (previous != nullptr) QWidget::setTabOrder(previous, stop);
    previous = stop;
  }
}

void MacroEditorPage::AddStepAfter(int row) {
  if (InsertStepRow(row + 1, EmptyStep())) OfferSave();
}

void MacroEditorPage::RemoveStep(int row) {
  BuildAllRows();
  toolkit::CListUI* list = List();
  if (list->GetCount() < 2) return;
  // The keyboard stays on the same tool of the row that takes this one's place.
  const int next = row + 1 < list->GetCount() ? row + 1 : row - 1;
  toolkit::CControlUI* focus = MacroStepRow(list->GetItemAt(next)).TabStops().back();
  const bool had_focus = list->GetItemAt(row)->isAncestorOf(QApplication::focusWidget());
  list->RemoveAt(row);
  Renumber(0);
  if (had_focus && focus != nullptr) focus->setFocus(Qt::TabFocusReason);
  OfferSave();
}

void MacroEditorPage::MoveStep(int row, int by) {
  BuildAllRows();
  toolkit::CListUI* list = List();
  const int target = row + by;
  if (target < 0 || target >= list->GetCount()) return;
  MacroStepRow from(list->GetItemAt(row));
  MacroStepRow to(list->GetItemAt(target));
  // The rows keep their places; their contents change over, so nothing is rebuilt.
  from.SwapWith(to);
  list->SelectItem(target);
  const std::size_t tool = by < 0 ? 6 : 7;
  if (list->GetItemAt(row)->isAncestorOf(QApplication::focusWidget()) && to.TabStops()[tool] != nullptr) {
    to.TabStops()[tool]->setFocus(Qt::TabFocusReason);
  }
  OfferSave();
}

bool MacroEditorPage::CheckHoldTime(const MacroStepRow& row, bool ask) {
  toolkit::CEditUI* edit = row.HoldEdit();
  if (edit == nullptr) return false;
  const QString text = edit->GetText();
  if (text.isEmpty()) {
    edit->SetText(QString::number(RestoredHoldTime(List()->GetItemIndex(row.Row()))));
    return true;
  }
  if (text.toUInt() >= unsigned{model::kMinHoldTime}) return false;
  if (ask) Warn(model::kMsgHoldTime);
  edit->SetText(QString::number(model::kMinHoldTime));
  return true;
}

int MacroEditorPage::RestoredHoldTime(int row) const {
  const model::MacroRecord* macro = Macro();
  int stored = kNewStepHoldTime;
  if (macro != nullptr && row >= 0 && row < kMaxRows) stored = macro->steps[static_cast<std::size_t>(row)].hold_time;
  return stored < model::kMinHoldTime ? kNewStepHoldTime : stored;
}

bool MacroEditorPage::Differs(const model::MacroBlock& snapshot) {
  const model::MacroRecord* macro = Macro();
  if (macro == nullptr) return false;
  BuildAllRows();
  toolkit::WindowImplBase& window = host_.Window();
  // A typed name counts as a change until its check has run.
  if (const auto* edit = window.FindControl(kNameEdit); edit && edit->GetText() != shown_name_) return true;
  // The block as Store would leave it, hold times corrected as its checks correct them.
  auto stored = std::make_unique<model::MacroBlock>(host_.Image().macro);
  model::MacroRecord& pending = stored->records[static_cast<std::size_t>(macro - host_.Image().macro.records.data())];
  const toolkit::CListUI* list = List();
  const int rows = std::min(list->GetCount(), kMaxRows);
  for (int i = 0; i < rows; ++i) {
    const MacroStepRow row(list->GetItemAt(i));
    model::MacroStep step = row.Read(Host());
    if (row.HoldEdit() != nullptr && row.HoldEdit()->GetText().isEmpty()) {
      step.hold_time = static_cast<std::uint16_t>(RestoredHoldTime(i));
    } else if (step.hold_time.get() < model::kMinHoldTime) {
      step.hold_time = static_cast<std::uint16_t>(model::kMinHoldTime);
    }
    pending.steps[static_cast<std::size_t>(i)] = step;
  }
  pending.step_count = static_cast<std::uint8_t>(rows);
  if (const auto* combo = window.FindControl<toolkit::CComboUI>(kTriggerCombo); combo && combo->GetCurSel() >= 0) {
    pending.trigger_mode = static_cast<std::uint8_t>(combo->GetCurSel());
  }
  return std::memcmp(stored.get(), &snapshot, sizeof(model::MacroBlock)) != 0;
}

void MacroEditorPage::CheckName(bool ask) {
  toolkit::WindowImplBase& window = host_.Window();
  toolkit::CControlUI* edit = window.FindControl(kNameEdit);
  if (edit == nullptr || owner_ == nullptr) return;
  const QString text = edit->GetText();
  if (text == shown_name_) return;
  if (text.isEmpty()) {
    edit->SetText(shown_name_);
    return;
  }
  // Compared as it would be stored, so a name that the cut makes equal to another's is refused too.
  const std::string encoded = toolkit::EncodeNarrow(text);
  const std::string_view stored = model::CutName(encoded, model::kMacroNameChars, model::kMacroNameSize - 1);
  if (stored == name_) return;
  const int other = model::FindMacroIndex(host_.Image().macro, model::ReadName(owner_->name), stored, Host());
  if (other < 0) return;
  if (ask) Warn(model::kMsgDuplicateMacro);
  edit->SetText(shown_name_);
}

void MacroEditorPage::Store(bool ask) {
  if (owner_ == nullptr) return;
  BuildAllRows();
  CheckName(ask);
  toolkit::CListUI* list = List();
  const int rows = std::min(list->GetCount(), kMaxRows);
  // One warning for every hold time below the least, not one box per row.
  bool warned = false;
  for (int i = 0; i < rows; ++i) warned = CheckHoldTime(MacroStepRow(list->GetItemAt(i)), ask && !warned) || warned;
  model::MacroRecord* macro = Macro();
  if (macro == nullptr) return;
  for (int i = 0; i < rows; ++i)
    macro->steps[static_cast<std::size_t>(i)] = MacroStepRow(list->GetItemAt(i)).Read(Host());
  macro->step_count = static_cast<std::uint8_t>(rows);
  toolkit::WindowImplBase& window = host_.Window();
  if (const auto* combo = window.FindControl<toolkit::CComboUI>(kTriggerCombo); combo && combo->GetCurSel() >= 0) {
    macro->trigger_mode = static_cast<std::uint8_t>(combo->GetCurSel());
  }
  // An untouched name stays byte for byte, even one that the code page cannot show.
  if (const auto* edit = window.FindControl(kNameEdit); edit && edit->GetText() != shown_name_) {
    model::StoreName(macro->macro_name, toolkit::EncodeNarrow(edit->GetText()), model::kMacroNameChars);
    name_ = std::string(model::ReadName(macro->macro_name));
    shown_name_ = edit->GetText();
  }
}

void MacroEditorPage::Close(bool ask) {
  Store(ask);
  owner_ = nullptr;
  name_.clear();
}

bool MacroEditorPage::Notify(toolkit::TNotifyUI& msg) {
  if (owner_ == nullptr) return false;
  const QString& name = msg.sender_name;
  const bool click = msg.Is(toolkit::notify::kClick);
  if (name == kHotKeyButton && (click || msg.Is(toolkit::notify::kRightClick))) {
    model::MacroRecord* macro = Macro();
    if (macro == nullptr || msg.sender == nullptr) return true;
    const std::uint8_t before = macro->macro_hotkey;
    if (click) {
      keys_.CaptureKeyField(host_.Window(), msg.sender, macro->macro_hotkey, *owner_);
    } else {
      macro->macro_hotkey = 0;
      ShowKey(*msg.sender, 0);
    }
    if (macro->macro_hotkey != before) OfferSave();
    return true;
  }
  if (msg.Is(toolkit::notify::kKillFocus) && name == kNameEdit) {
    CheckName(true);
    return true;
  }
  const std::optional<MacroStepRow> row = msg.sender ? MacroStepRow::Of(msg.sender) : std::nullopt;
  toolkit::CListUI* list = List();
  const int index = row && list ? list->GetItemIndex(row->Row()) : -1;
  if (index >= 0) {
    if (msg.Is(toolkit::notify::kKillFocus) && name == kHoldEdit) {
      CheckHoldTime(*row, true);
      return true;
    }
    if (click && name == u"item_addbtn") {
      AddStepAfter(index);
      return true;
    }
    if (click && name == u"item_subbtn") {
      RemoveStep(index);
      return true;
    }
    if (click && (name == u"item_upbtn" || name == u"item_downbtn")) {
      MoveStep(index, name == u"item_upbtn" ? -1 : 1);
      return true;
    }
  }
  if ((msg.Is(toolkit::notify::kTextChanged) || msg.Is(toolkit::notify::kItemSelect)) &&
      (index >= 0 || name == kNameEdit || name == kTriggerCombo)) {
    if (index >= 0 && msg.Is(toolkit::notify::kItemSelect)) MacroStepRow(row->Row()).NameButtons();
    OfferSave();
    return true;
  }
  return false;
}

void MacroEditorPage::OfferSave() {
  host_.RefreshSaveButton();
}

void MacroEditorPage::Warn(std::string_view text) const {
  dialogs::ShowMessageBox(QString::fromUtf8(model::kTitleWarning), &host_.Window(),
                          QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), dialogs::kMbOk);
}

}  // namespace torvane::editor
