#pragma once

#include "toolkit/CListContainerElementUI.h"
#include "toolkit/IListOwnerUI.h"
#include "toolkit/TListInfoUI.h"
#include "toolkit/TNotifyUI.h"

#include <QKeyEvent>
#include <QPointer>

#include <algorithm>

namespace torvane::toolkit {

// The selection and item bookkeeping of a list, on top of any container layout (rows for CListUI, tiles for a
// grid list):
// - adding an item makes this list its owner and numbers it; inserting and removing renumber the later items and
//   keep the selected index on the same item (removing the selected item clears the selection);
// - SelectItem(index) succeeds at once for the selected index; otherwise it unselects the present item, refuses
//   (selection -1) an index without a list item or an item that will not be selected, and sends "itemselect"
//   (wparam new index, lparam previous index) synchronously;
// - the "item..." attributes set the presentation (TListInfoUI).
// Only the selected item (or the first) is on the Tab chain; arrow keys move the selection.
template <class Base>
class CListOwnerUI : public Base, public IListOwnerUI {
 public:
  explicit CListOwnerUI(QWidget* parent = nullptr) : Base(parent) {}

  const TListInfoUI& GetListInfo() const override { return info_; }
  TListInfoUI& GetListInfo() { return info_; }
  int GetCurSel() const override { return cur_sel_; }

  bool SelectItem(int index, bool take_focus = false) override {
    if (index == cur_sel_) return true;
    const int old = cur_sel_;
    if (auto* current = ElementAt(cur_sel_)) current->Select(false);
    cur_sel_ = -1;
    auto* item = ElementAt(index);
    if (index < 0 || !item) {
      UpdateTabStops();
      return false;
    }
    cur_sel_ = index;
    if (!item->Select(true)) {
      cur_sel_ = -1;
      UpdateTabStops();
      return false;
    }
    UpdateTabStops();
    if (take_focus) item->setFocus(Qt::OtherFocusReason);
    this->SendNotify(QString::fromUtf16(notify::kItemSelect), index, old);
    return true;
  }

  void ActivateItem(int index) override {
    if (auto* item = ElementAt(index)) item->SendNotify(QString::fromUtf16(notify::kItemActivate), index);
  }

  bool Add(CControlUI* control) override { return AddAt(control, this->GetCount()); }

  bool AddAt(CControlUI* control, int index) override {
    if (!Base::AddAt(control, index)) return false;
    if (auto* item = dynamic_cast<CListContainerElementUI*>(control)) item->SetOwner(this);
    Renumber(index);
    if (cur_sel_ >= index) ++cur_sel_;
    UpdateTabStops();
    return true;
  }

  bool RemoveAt(int index) override {
    if (!Base::RemoveAt(index)) return false;
    Renumber(index);
    if (index == cur_sel_) {
      cur_sel_ = -1;
    } else if (index < cur_sel_) {
      --cur_sel_;
    }
    UpdateTabStops();
    return true;
  }

  bool Remove(CControlUI* control) override {
    const int index = this->GetItemIndex(control);
    return index >= 0 && RemoveAt(index);
  }

  void RemoveAll() override {
    cur_sel_ = -1;
    Base::RemoveAll();
  }

  void SetAttribute(const QString& name, const QString& value) override {
    switch (ApplyListInfoAttribute(info_, name, value)) {
      case ListInfoChange::kRepaint:
        this->update();
        for (int i = 0; i < this->GetCount(); ++i) this->GetItemAt(i)->update();
        return;
      case ListInfoChange::kRelayout:
        this->NeedUpdate();
        return;
      case ListInfoChange::kNone:
        Base::SetAttribute(name, value);
        return;
    }
  }

 protected:
  // How far Up/Down move the selection; a grid moves by a row.
  virtual int RowStep() const { return 1; }

  void keyPressEvent(QKeyEvent* event) override {
    int step = 0;
    switch (event->key()) {
      case Qt::Key_Up:
        step = -RowStep();
        break;
      case Qt::Key_Down:
        step = RowStep();
        break;
      case Qt::Key_Left:
        step = RowStep() > 1 ? -1 : 0;
        break;
      case Qt::Key_Right:
        step = RowStep() > 1 ? 1 : 0;
        break;
      default:
        break;
    }
    if (step == 0 || this->GetCount() == 0) return Base::keyPressEvent(event);
    event->accept();
    const int from = cur_sel_ < 0 ? (step > 0 ? -1 : this->GetCount()) : cur_sel_;
    const int to = std::clamp(from + step, 0, this->GetCount() - 1);
    if (to != cur_sel_) SelectItem(to, true);
  }

  CListContainerElementUI* ElementAt(int index) const {
    return dynamic_cast<CListContainerElementUI*>(this->GetItemAt(index));
  }

 private:
  void Renumber(int from) {
    for (int i = std::max(0, from); i < this->GetCount(); ++i) {
      if (auto* item = ElementAt(i)) item->SetIndex(i);
    }
  }

  void UpdateTabStops() {
    const int stop = cur_sel_ >= 0 ? cur_sel_ : 0;
    for (int i = 0; i < this->GetCount(); ++i) {
      if (auto* item = ElementAt(i)) item->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
  }

  TListInfoUI info_ = TListInfoUI::ThemeDefaults();
  int cur_sel_ = -1;
};

}  // namespace torvane::toolkit
