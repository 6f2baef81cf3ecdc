#include "toolkit/CComboUI.h"

#include "toolkit/AttributeValues.h"
#include "toolkit/CListLabelElementUI.h"
#include "toolkit/SheetLooks.h"
#include "toolkit/TNotifyUI.h"
#include "toolkit/Theme.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionComboBox>

namespace torvane::toolkit {

namespace {

// The style sheet hides Qt's arrow so that every combo draws the same chevron, which follows the text colour. The
// combo is painted as its sheet paints it, but carries the sheet itself only from its first drop-down on, for the
// list's look.
class ChevronComboBox : public QComboBox {
 public:
  using QComboBox::QComboBox;
  bool dimmed = false;

  void SetSheet(const QString& sheet) {
    if (sheet == sheet_) return;
    sheet_ = sheet;
    if (!styleSheet().isEmpty()) setStyleSheet(sheet_);
    update();
  }

  // The list is made when it first drops down: a page of many combos must not pay for lists nobody opens.
  void showPopup() override {
    if (styleSheet() != sheet_) setStyleSheet(sheet_);
    view()->setTextElideMode(Qt::ElideRight);
    QComboBox::showPopup();
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    PaintComboLook(painter, option, sheet_);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(theme::Color(dimmed ? theme::kTextDisabled : theme::kTextSecondary), 1.6);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter.setPen(pen);
    const QPointF c(width() - 14.0, height() / 2.0);
    const QPointF points[] = {c + QPointF(-4, -2), c + QPointF(0, 2), c + QPointF(4, -2)};
    painter.drawPolyline(points, 3);
  }

 private:
  QString sheet_;
};

}  // namespace

CComboUI::CComboUI(QWidget* parent) : CControlUI(parent), combo_(new ChevronComboBox(this)) {
  setFocusPolicy(Qt::StrongFocus);
  setFocusProxy(combo_);
  UpdateStyle();
  combo_->setFocusPolicy(Qt::StrongFocus);
  QObject::connect(combo_, &QComboBox::activated, combo_, [this](int index) {
    const int old = last_sel_;
    last_sel_ = index;
    if (index != old) SendNotify(QString::fromUtf16(notify::kItemSelect), index, old);
  });
}

QString CComboUI::GetClass() const {
  return QStringLiteral("ComboUI");
}

int CComboUI::GetCount() const {
  return combo_->count();
}

int CComboUI::GetCurSel() const {
  return combo_->currentIndex();
}

QString CComboUI::GetItemText(int index) const {
  return combo_->itemText(index);
}

bool CComboUI::AddItem(const QString& text) {
  return AddItemAt(text, GetCount());
}

bool CComboUI::AddItemAt(const QString& text, int index) {
  if (index < 0 || index > GetCount()) return false;
  // QComboBox selects the first item added to an empty box; the toolkit's combos start without a selection.
  const int before = combo_->currentIndex();
  combo_->insertItem(index, text);
  if (before < 0) {
    combo_->setCurrentIndex(-1);
  } else if (index <= before) {
    combo_->setCurrentIndex(before + 1);
  }
  last_sel_ = combo_->currentIndex();
  return true;
}

bool CComboUI::RemoveAt(int index) {
  if (index < 0 || index >= GetCount()) return false;
  combo_->removeItem(index);
  last_sel_ = combo_->currentIndex();
  return true;
}

void CComboUI::RemoveAll() {
  combo_->clear();
  last_sel_ = -1;
}

bool CComboUI::SelectItem(int index, bool take_focus, bool trigger_event) {
  if (index < -1 || index >= GetCount()) return false;
  const int old = combo_->currentIndex();
  combo_->setCurrentIndex(index);
  last_sel_ = index;
  if (take_focus) combo_->setFocus(Qt::OtherFocusReason);
  if (trigger_event && index != old) SendNotify(QString::fromUtf16(notify::kItemSelect), index, old);
  return true;
}

bool CComboUI::AddChildControl(CControlUI* child) {
  auto* item = dynamic_cast<CListLabelElementUI*>(child);
  if (!item) return false;
  AddItem(item->GetText());
  if (item->IsSelected()) SelectItem(GetCount() - 1);
  delete item;  // the text is all a combo item needs
  return true;
}

void CComboUI::SetAttribute(const QString& name, const QString& value) {
  if (NameIs(name, u"textpadding")) {
    // The chevron keeps its room on the right.
    if (const auto m = ParseMargins(value)) {
      padding_sheet_ = QStringLiteral("QComboBox { padding: %1px %2px %3px %4px; }")
                           .arg(m->top())
                           .arg(m->right() + 28)
                           .arg(m->bottom())
                           .arg(m->left());
      UpdateStyle();
    }
  } else {
    CControlUI::SetAttribute(name, value);
  }
}

void CComboUI::UpdateStyle() {
  const bool dimmed = !IsEnabledInWindow();
  auto* combo = static_cast<ChevronComboBox*>(combo_);
  combo->dimmed = dimmed;
  combo->SetSheet(theme::NativeStyleSheet(dimmed) + padding_sheet_);
  combo->update();
}

void CComboUI::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) UpdateStyle();
  CControlUI::changeEvent(event);
}

void CComboUI::resizeEvent(QResizeEvent* event) {
  CControlUI::resizeEvent(event);
  combo_->setGeometry(rect());
}

}  // namespace torvane::toolkit
