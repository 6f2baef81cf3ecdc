#pragma once

#include "toolkit/CControlUI.h"

#include <vector>

namespace torvane::toolkit {

class CScrollBarUI;

// A control holding other controls. The plain container stacks every child over its whole area (less "inset" and
// the child's "padding"; a fixed width or height keeps the child at the top left); floating children sit at their
// "pos". Subclasses arrange the children in rows, columns, pages or tiles. With "vscrollbar" the content scrolls
// vertically when it does not fit.
class CContainerUI : public CControlUI {
 public:
  explicit CContainerUI(QWidget* parent = nullptr);
  ~CContainerUI() override;
  QString GetClass() const override;
  void SetManager(CPaintManagerUI* manager) override;

  // The container takes ownership. False for nullptr, for a control it already holds and for an index out of range.
  virtual bool Add(CControlUI* control);
  virtual bool AddAt(CControlUI* control, int index);
  // Removing destroys the control (deferred, so a control may remove itself from its own notification).
  virtual bool Remove(CControlUI* control);
  virtual bool RemoveAt(int index);
  virtual void RemoveAll();
  bool AddChildControl(CControlUI* child) override { return Add(child); }
  int GetCount() const { return static_cast<int>(items_.size()); }
  CControlUI* GetItemAt(int index) const;
  int GetItemIndex(const CControlUI* control) const;

  QMargins GetInset() const { return inset_; }
  void SetInset(const QMargins& inset);
  int GetChildPadding() const { return child_padding_; }
  void SetChildPadding(int padding);
  // How children narrower (or shorter) than the area are placed: Qt::AlignLeft/HCenter/Right and
  // Qt::AlignTop/VCenter/Bottom ("childalign", "childvalign").
  Qt::Alignment GetChildAlignment() const { return child_align_; }

  bool IsVScrollBarEnabled() const { return vscroll_enabled_; }
  void EnableVScrollBar(bool enable);
  CScrollBarUI* GetVerticalScrollBar() const { return vscroll_; }
  int GetScrollPos() const;
  int GetScrollRange() const;
  void SetScrollPos(int pos);
  // Scrolls by whole lines (negative: up).
  void LineScroll(int lines);

  void NeedUpdate() override;
  // Lays this container and every container inside it out now instead of at the next event loop turn.
  void ArrangeNow();
  // Lays this container out now when a layout is pending, so that its children's geometry is current.
  void LayoutIfPending();

  void SetAttribute(const QString& name, const QString& value) override;

 protected:
  // Places the non-floating visible children inside `area`, shifted up by `offset`, and returns the height the
  // content needs. With `apply` false it only measures.
  virtual int LayoutItems(const QRect& area, int offset, bool apply);

  // The children that take part in the flow (visible, not floating), in order.
  std::vector<CControlUI*> FlowItems() const;
  // Size of a child in a slot of the given size: fixed size if set, else the slot, within min/max.
  static QSize ChildSize(const CControlUI* child, int slot_width, int slot_height);
  static int AlignOffset(int free_space, Qt::Alignment align, Qt::Alignment near, Qt::Alignment center);
  // The flow of the horizontal and vertical layouts: children in a line along `orientation`, "childpadding"
  // apart, fixed sizes kept and the rest of the line shared equally. Returns the height the content needs.
  int LayoutInLine(const QRect& area, int offset, bool apply, Qt::Orientation orientation);

  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void DoLayout();
  void PlaceFloating(CControlUI* child);
  void Adopt(CControlUI* control);

  std::vector<CControlUI*> items_;
  QMargins inset_;
  int child_padding_ = 0;
  Qt::Alignment child_align_ = Qt::AlignLeft | Qt::AlignTop;
  bool vscroll_enabled_ = false;
  CScrollBarUI* vscroll_ = nullptr;
  QString vscroll_style_;
  bool layout_pending_ = false;
};

}  // namespace torvane::toolkit
