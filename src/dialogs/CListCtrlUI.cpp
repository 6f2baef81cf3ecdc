#include "dialogs/CListCtrlUI.h"

#include "toolkit/CListContainerElementUI.h"
#include "toolkit/CPaintManagerUI.h"
#include "toolkit/CScrollBarUI.h"
#include "toolkit/IDialogBuilderCallback.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimerEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

namespace torvane::dialogs {

namespace {

constexpr int kWheelNotch = 120;  // angle delta of one wheel notch, in eighths of a degree

toolkit::CControlUI* Part(toolkit::CControlUI* item, const QString& name) {
  return item->findChild<toolkit::CControlUI*>(name);
}

void SetPartText(toolkit::CControlUI* item, const QString& name, const QString& text) {
  if (auto* part = Part(item, name)) part->SetText(text);
}

}  // namespace

CListCtrlUI::CListCtrlUI(toolkit::CPaintManagerUI* manager, QWidget* parent)
    : CListOwnerUI<toolkit::CTileLayoutUI>(parent), manager_(manager) {
  SetManager(manager);
  // Not a Tab stop itself (the selected card is), but a click on the free area takes the arrows.
  setFocusPolicy(Qt::ClickFocus);
}

CListCtrlUI::~CListCtrlUI() = default;

QString CListCtrlUI::GetClass() const {
  return QStringLiteral("ListCtrlUI");
}

bool CListCtrlUI::AddAt(toolkit::CControlUI* control, int index) {
  if (!CListOwnerUI::AddAt(control, index)) return false;
  // Cards are usually added long after the window was built, which would put them at the end of its Tab order.
  QWidget::setTabOrder(index == 0 ? static_cast<QWidget*>(this) : GetItemAt(index - 1), control);
  return true;
}

bool CListCtrlUI::SelectItem(int index, bool take_focus) {
  QPointer<CListCtrlUI> self(this);
  const bool selected = CListOwnerUI::SelectItem(index, take_focus);
  // The "itemselect" handler may have changed the list.
  if (self && selected && index == GetCurSel()) EnsureVisible(index);
  return selected;
}

void CListCtrlUI::ActivateItem(int index) {
  if (!ElementAt(index)) return;
  QPointer<CListCtrlUI> self(this);
  if (index != GetCurSel() && !SelectItem(index, true)) return;
  if (self && index == GetCurSel()) CListOwnerUI::ActivateItem(index);
}

void CListCtrlUI::EnsureVisible(int index) {
  toolkit::CControlUI* item = GetItemAt(index);
  // Before the list has a size there is no view to bring the card into.
  if (!item || !IsVScrollBarEnabled() || rect().isEmpty()) return;
  LayoutIfPending();
  const QRect view = rect().marginsRemoved(GetInset());
  const QRect card = item->geometry();
  int move = 0;
  if (card.top() < view.top()) {
    move = card.top() - view.top();
  } else if (card.bottom() > view.bottom()) {
    move = std::min(card.bottom() - view.bottom(), card.top() - view.top());
  }
  if (move == 0) return;
  // A running wheel scroll would carry the card out of view again.
  wheel_.Stop();
  scroll_timer_.stop();
  SetScrollPos(GetScrollPos() + move);
}

toolkit::CControlUI* CListCtrlUI::BuildItem(std::optional<toolkit::CDialogBuilder>& builder, const QString& file) {
  if (!builder) {
    builder.emplace();
    if (!builder->LoadFile(file)) qWarning("list cards not built: %s", qUtf8Printable(builder->GetError()));
  }
  if (!builder->IsLoaded()) return nullptr;
  auto* callback = manager_ ? dynamic_cast<toolkit::IDialogBuilderCallback*>(manager_->GetHost()) : nullptr;
  return builder->Create(callback, manager_);
}

bool CListCtrlUI::AppendItem(toolkit::CControlUI* item, const QString& user_data, const QString& name,
                             const QString& description) {
  item->SetUserData(user_data);
  item->setAccessibleName(name);
  item->setAccessibleDescription(description);
  // Long names end in an ellipsis on the card; the tip shows them whole.
  item->SetToolTip(name);
  if (Add(item)) return true;
  delete item;
  return false;
}

bool CListCtrlUI::AddConfigItem(const ConfigItemEntry& entry) {
  toolkit::CControlUI* item = BuildItem(config_template_, QString::fromUtf16(kConfigItemTemplate));
  if (!item) return false;
  if (auto* logo = Part(item, QStringLiteral("logo"))) logo->SetBkImage(entry.logo_image);
  SetPartText(item, QStringLiteral("filename"), entry.file_name);
  SetPartText(item, QStringLiteral("description"), entry.description);
  SetPartText(item, QStringLiteral("startup"), entry.startup);
  if (auto* color = Part(item, QStringLiteral("color"))) {
    if (entry.color != 0) color->SetBkColor(entry.color);
    color->SetVisible(entry.color != 0);
  }
  QStringList details;
  for (const QString& text : {entry.description, entry.startup}) {
    if (!text.isEmpty()) details << text;
  }
  return AppendItem(item, QString::fromUtf16(kConfigItemData), entry.file_name, details.join(u", "));
}

bool CListCtrlUI::AddMacroItem(const MacroItemEntry& entry) {
  toolkit::CControlUI* item = BuildItem(macro_template_, QString::fromUtf16(kMacroItemTemplate));
  if (!item) return false;
  SetPartText(item, QStringLiteral("macro_name"), entry.name);
  SetPartText(item, QStringLiteral("macro_hotkey"), entry.hotkey);
  SetPartText(item, QStringLiteral("macro_trigger_mode"), entry.trigger_mode);
  if (auto* logo = Part(item, QStringLiteral("macro_logo"))) logo->SetBkImage(entry.logo_image);
  const QString details = QStringLiteral("Hotkey: %1, Mode: %2").arg(entry.hotkey, entry.trigger_mode);
  return AppendItem(item, QString::fromUtf16(kMacroItemData), entry.name, details);
}

int CListCtrlUI::RowStep() const {
  return ColumnsFor(rect().marginsRemoved(GetInset()).width());
}

void CListCtrlUI::TypeAhead(const QString& text) {
  if (!typed_at_.isValid() || typed_at_.elapsed() > kTypeAheadMs) typed_.clear();
  typed_at_.start();
  // Pressing the same letter again steps through the names that start with it.
  const bool repeat = typed_.size() == 1 && text == typed_;
  if (!repeat) typed_ += text;
  const int count = GetCount();
  const int from = GetCurSel() < 0 ? 0 : GetCurSel() + (typed_.size() == 1 ? 1 : 0);
  for (int step = 0; step < count; ++step) {
    const int index = (from + step) % count;
    const toolkit::CControlUI* item = GetItemAt(index);
    if (item && item->accessibleName().startsWith(typed_, Qt::CaseInsensitive)) {
      if (index != GetCurSel()) SelectItem(index, true);
      return;
    }
  }
}

int CListCtrlUI::FocusedIndex() const {
  for (const QWidget* w = QApplication::focusWidget(); w && w != this; w = w->parentWidget()) {
    const auto* card = dynamic_cast<const toolkit::CListContainerElementUI*>(w);
    if (card && card->GetOwner() == this) return card->GetIndex();
  }
  return -1;
}

void CListCtrlUI::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool arrow = key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left || key == Qt::Key_Right;
  if (arrow && GetCurSel() < 0 && GetCount() > 0) {
    // With nothing selected yet, the first arrow selects the card the keyboard is on.
    event->accept();
    SelectItem(std::max(0, FocusedIndex()), true);
    return;
  }
  if ((key == Qt::Key_Home || key == Qt::Key_End) && GetCount() > 0) {
    event->accept();
    SelectItem(key == Qt::Key_Home ? 0 : GetCount() - 1, true);
    return;
  }
  const QString text = event->text();
  const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  if (plain && text.size() == 1 && text[0].isPrint() && !text[0].isSpace() && GetCount() > 0) {
    event->accept();
    TypeAhead(text);
    return;
  }
  CListOwnerUI::keyPressEvent(event);
}

void CListCtrlUI::wheelEvent(QWheelEvent* event) {
  const toolkit::CScrollBarUI* bar = GetVerticalScrollBar();
  const int dy = event->angleDelta().y();
  if (dy == 0 || !bar || !bar->isVisibleTo(this)) {
    event->ignore();
    return;
  }
  event->accept();
  // Fine-grained wheels and touch pads send parts of a notch; a turn of direction drops what was gathered.
  if ((wheel_rest_ > 0 && dy < 0) || (wheel_rest_ < 0 && dy > 0)) wheel_rest_ = 0;
  wheel_rest_ += dy;
  while (std::abs(wheel_rest_) >= kWheelNotch) {
    const bool up = wheel_rest_ > 0;
    wheel_.Wheel(up);
    wheel_rest_ += up ? -kWheelNotch : kWheelNotch;
  }
  if (wheel_.IsRunning() && !scroll_timer_.isActive()) scroll_timer_.start(SmoothWheelScroll::kTickMs, this);
}

void CListCtrlUI::timerEvent(QTimerEvent* event) {
  if (event->timerId() != scroll_timer_.timerId()) {
    CListOwnerUI::timerEvent(event);
    return;
  }
  const int move = wheel_.Tick(GetScrollPos(), GetScrollRange());
  if (move == 0) {
    scroll_timer_.stop();
    return;
  }
  SetScrollPos(GetScrollPos() + move);
}

}  // namespace torvane::dialogs
