#pragma once

#include "toolkit/CContainerUI.h"

namespace torvane::toolkit {

class IListOwnerUI;

// One item of a list: a container (usually built from an item template) that knows its owner list and its index.
// It draws the owner's item background for its state (normal, hot, selected, disabled), selects itself through
// the owner on a click, and asks the owner to activate it on a double click or Enter.
class CListContainerElementUI : public CContainerUI {
 public:
  explicit CListContainerElementUI(QWidget* parent = nullptr);
  QString GetClass() const override;

  IListOwnerUI* GetOwner() const { return owner_; }
  void SetOwner(IListOwnerUI* owner) { owner_ = owner; }
  int GetIndex() const { return index_; }
  void SetIndex(int index) { index_ = index; }
  bool IsSelected() const { return selected_; }
  bool IsHot() const { return hot_; }
  // Changes the selected look; a disabled item refuses to be selected (false).
  virtual bool Select(bool select = true);

 protected:
  void PaintBkColor(QPainter& painter) override;
  void PaintBorder(QPainter& painter) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  IListOwnerUI* owner_ = nullptr;
  int index_ = -1;
  bool selected_ = false;
  bool hot_ = false;
  bool keyboard_focus_ = false;
};

}  // namespace torvane::toolkit
