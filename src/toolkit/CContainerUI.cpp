#include "toolkit/CContainerUI.h"

#include "toolkit/AttributeValues.h"
#include "toolkit/CScrollBarUI.h"
#include "toolkit/Theme.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QWheelEvent>

#include <algorithm>
#include <limits>

namespace torvane::toolkit {

CContainerUI::CContainerUI(QWidget* parent) : CControlUI(parent) {}

CContainerUI::~CContainerUI() {
  // Children are destroyed by QObject; forget them first so ChildRemoved has nothing left to do.
  items_.clear();
}

QString CContainerUI::GetClass() const {
  return QStringLiteral("ContainerUI");
}

void CContainerUI::SetManager(CPaintManagerUI* manager) {
  CControlUI::SetManager(manager);
  for (CControlUI* item : items_) item->SetManager(manager);
  if (vscroll_) vscroll_->SetManager(manager);
}

void CContainerUI::Adopt(CControlUI* control) {
  control->setParent(this);
  if (GetManager() && !control->GetManager()) control->SetManager(GetManager());
  control->ApplyVisibility();
  if (vscroll_) vscroll_->raise();
  NeedUpdate();
}

bool CContainerUI::Add(CControlUI* control) {
  return AddAt(control, GetCount());
}

bool CContainerUI::AddAt(CControlUI* control, int index) {
  if (!control || control == this || index < 0 || index > GetCount() || GetItemIndex(control) >= 0) return false;
  items_.insert(items_.begin() + index, control);
  Adopt(control);
  return true;
}

bool CContainerUI::Remove(CControlUI* control) {
  const int index = GetItemIndex(control);
  return index >= 0 && RemoveAt(index);
}

bool CContainerUI::RemoveAt(int index) {
  if (index < 0 || index >= GetCount()) return false;
  CControlUI* control = items_[static_cast<std::size_t>(index)];
  items_.erase(items_.begin() + index);
  control->hide();
  control->setObjectName(QString());  // out of reach of FindControl until it is gone
  control->deleteLater();
  NeedUpdate();
  return true;
}

void CContainerUI::RemoveAll() {
  while (!items_.empty()) RemoveAt(GetCount() - 1);
}

CControlUI* CContainerUI::GetItemAt(int index) const {
  if (index < 0 || index >= GetCount()) return nullptr;
  return items_[static_cast<std::size_t>(index)];
}

int CContainerUI::GetItemIndex(const CControlUI* control) const {
  const auto it = std::find(items_.begin(), items_.end(), control);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void CContainerUI::SetInset(const QMargins& inset) {
  inset_ = inset;
  NeedUpdate();
}

void CContainerUI::SetChildPadding(int padding) {
  child_padding_ = std::max(0, padding);
  NeedUpdate();
}

void CContainerUI::EnableVScrollBar(bool enable) {
  vscroll_enabled_ = enable;
  if (enable && !vscroll_) {
    vscroll_ = new CScrollBarUI(this);
    vscroll_->SetManager(GetManager());
    vscroll_->ApplyAttributeList(vscroll_style_);
    vscroll_->SetOnScroll([this](int) { NeedUpdate(); });
    vscroll_->hide();
  } else if (!enable && vscroll_) {
    delete vscroll_;
    vscroll_ = nullptr;
  }
  NeedUpdate();
}

int CContainerUI::GetScrollPos() const {
  return vscroll_ && vscroll_->isVisibleTo(this) ? vscroll_->GetScrollPos() : 0;
}

int CContainerUI::GetScrollRange() const {
  return vscroll_ && vscroll_->isVisibleTo(this) ? vscroll_->GetScrollRange() : 0;
}

void CContainerUI::SetScrollPos(int pos) {
  if (!vscroll_) return;
  const int before = vscroll_->GetScrollPos();
  vscroll_->SetScrollPos(pos);
  if (vscroll_->GetScrollPos() != before) DoLayout();
}

void CContainerUI::LineScroll(int lines) {
  if (vscroll_) SetScrollPos(GetScrollPos() + lines * vscroll_->GetLineSize());
}

void CContainerUI::NeedUpdate() {
  update();
  if (layout_pending_) return;
  layout_pending_ = true;
  QCoreApplication::postEvent(this, new QEvent(QEvent::LayoutRequest));
}

void CContainerUI::ArrangeNow() {
  DoLayout();
  for (CControlUI* item : items_) {
    if (auto* container = dynamic_cast<CContainerUI*>(item)) container->ArrangeNow();
  }
}

void CContainerUI::LayoutIfPending() {
  if (layout_pending_) DoLayout();
}

void CContainerUI::SetAttribute(const QString& name, const QString& value) {
  if (NameIs(name, u"inset")) {
    if (const auto m = ParseMargins(value)) SetInset(*m);
  } else if (NameIs(name, u"childpadding")) {
    if (const auto v = ParseInt(value)) SetChildPadding(*v);
  } else if (NameIs(name, u"childalign")) {
    const Qt::Alignment v = child_align_ & Qt::AlignVertical_Mask;
    child_align_ = v | (value.contains(u"center")  ? Qt::AlignHCenter
                        : value.contains(u"right") ? Qt::AlignRight
                                                   : Qt::AlignLeft);
    NeedUpdate();
  } else if (NameIs(name, u"childvalign")) {
    const Qt::Alignment h = child_align_ & Qt::AlignHorizontal_Mask;
    child_align_ = h | (value.contains(u"center")   ? Qt::AlignVCenter
                        : value.contains(u"bottom") ? Qt::AlignBottom
                                                    : Qt::AlignTop);
    NeedUpdate();
  } else if (NameIs(name, u"vscrollbar")) {
    if (const auto b = ParseBool(value)) EnableVScrollBar(*b);
  } else if (NameIs(name, u"vscrollbarstyle")) {
    vscroll_style_ = value;
    if (vscroll_) vscroll_->ApplyAttributeList(value);
  } else if (NameIs(name, u"hscrollbar")) {
    // Horizontal scrolling is not offered; the content is laid out to the container's width instead.
  } else {
    CControlUI::SetAttribute(name, value);
  }
}

std::vector<CControlUI*> CContainerUI::FlowItems() const {
  std::vector<CControlUI*> flow;
  for (CControlUI* item : items_) {
    if (item->IsVisible() && !item->IsFloat()) flow.push_back(item);
  }
  return flow;
}

QSize CContainerUI::ChildSize(const CControlUI* child, int slot_width, int slot_height) {
  auto fit = [](int fixed, int slot, int lo, int hi) {
    int v = fixed > 0 ? fixed : slot;
    if (hi > 0) v = std::min(v, hi);
    return std::max({v, lo, 0});
  };
  return QSize(fit(child->GetFixedWidth(), slot_width, child->GetMinWidth(), child->GetMaxWidth()),
               fit(child->GetFixedHeight(), slot_height, child->GetMinHeight(), child->GetMaxHeight()));
}

int CContainerUI::AlignOffset(int free_space, Qt::Alignment align, Qt::Alignment near, Qt::Alignment center) {
  if (free_space <= 0 || (align & near)) return 0;
  return (align & center) ? free_space / 2 : free_space;
}

int CContainerUI::LayoutItems(const QRect& area, int offset, bool apply) {
  int content = 0;
  for (CControlUI* child : FlowItems()) {
    const QMargins p = child->GetPadding();
    const QSize size = ChildSize(child, area.width() - p.left() - p.right(), area.height() - p.top() - p.bottom());
    if (apply) child->setGeometry(area.left() + p.left(), area.top() + p.top() - offset, size.width(), size.height());
    content = std::max(content, size.height() + p.top() + p.bottom());
  }
  return content;
}

void CContainerUI::PlaceFloating(CControlUI* child) {
  const QRect pos = child->GetFloatPos();
  const QSize size = ChildSize(child, pos.width(), pos.height());
  child->setGeometry(pos.left(), pos.top(), size.width(), size.height());
}

void CContainerUI::DoLayout() {
  layout_pending_ = false;
  QRect area = rect().marginsRemoved(inset_);
  if (area.width() < 0) area.setWidth(0);
  if (area.height() < 0) area.setHeight(0);

  int offset = 0;
  if (vscroll_enabled_ && vscroll_) {
    int content = LayoutItems(area, 0, false);
    if (content > area.height()) {
      const int bar = theme::kScrollBarWidth;
      vscroll_->setGeometry(area.right() + 1 - bar, area.top(), bar, area.height());
      area.setRight(area.right() - bar - 4);
      content = LayoutItems(area, 0, false);
      vscroll_->SetScrollRange(content - area.height());
      vscroll_->SetPageSize(area.height());
      vscroll_->show();
      vscroll_->raise();
      offset = vscroll_->GetScrollPos();
    } else {
      vscroll_->SetScrollRange(0);
      vscroll_->hide();
    }
  }
  LayoutItems(area, offset, true);
  for (CControlUI* item : items_) {
    if (item->IsVisible() && item->IsFloat()) PlaceFloating(item);
  }
  update();
}

bool CContainerUI::event(QEvent* event) {
  if (event->type() == QEvent::LayoutRequest) {
    if (layout_pending_) DoLayout();
    return true;
  }
  if (event->type() == QEvent::ChildRemoved) {
    // A child deleted or moved away by other code must not stay in the list.
    QObject* child = static_cast<QChildEvent*>(event)->child();
    const auto it = std::find(items_.begin(), items_.end(), child);
    if (it != items_.end()) {
      items_.erase(it);
      NeedUpdate();
    }
  }
  return CControlUI::event(event);
}

void CContainerUI::resizeEvent(QResizeEvent* event) {
  CControlUI::resizeEvent(event);
  DoLayout();
}

void CContainerUI::wheelEvent(QWheelEvent* event) {
  if (!vscroll_ || !vscroll_->isVisibleTo(this) || event->angleDelta().y() == 0) {
    event->ignore();
    return;
  }
  const int before = GetScrollPos();
  SetScrollPos(before - event->angleDelta().y() * vscroll_->GetLineSize() / 120);
  // At either end the wheel goes on to an outer scrolling container.
  if (GetScrollPos() == before) {
    event->ignore();
  } else {
    event->accept();
  }
}

}  // namespace torvane::toolkit
