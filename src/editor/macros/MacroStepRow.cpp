#include "editor/macros/MacroStepRow.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

#include "model/tables/MacroButtonValue.h"
#include "toolkit/CComboUI.h"
#include "toolkit/CEditUI.h"
#include "toolkit/CListContainerElementUI.h"

namespace torvane::editor {

namespace {

constexpr std::array<const char*, 4> kToolNames{"item_upbtn", "item_downbtn", "item_addbtn", "item_subbtn"};
constexpr std::array<const char*, 4> kToolActions{"Move step %1 up", "Move step %1 down", "Add a step after step %1",
                                                  "Delete step %1"};

template <class Control>
Control* Part(toolkit::CControlUI* row, const QString& name) {
  return row->findChild<Control*>(name);
}

}  // namespace

std::optional<MacroStepRow> MacroStepRow::Of(toolkit::CControlUI* control) {
  for (QWidget* widget = control; widget != nullptr; widget = widget->parentWidget()) {
    if (auto* row = dynamic_cast<toolkit::CListContainerElementUI*>(widget)) return MacroStepRow(row);
  }
  return std::nullopt;
}

MacroStepRow::MacroStepRow(toolkit::CControlUI* row) : row_(row) {
  index_ = Part<toolkit::CControlUI>(row, QStringLiteral("item_index"));
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i] = Part<toolkit::CComboUI>(row, QStringLiteral("button%1_combo").arg(i));
  }
  hold_ = Part<toolkit::CEditUI>(row, QStringLiteral("hold_time_edit"));
  for (std::size_t i = 0; i < tools_.size(); ++i) {
    tools_[i] = Part<toolkit::CControlUI>(row, QString::fromLatin1(kToolNames[i]));
  }
}

void MacroStepRow::UseButtonNames(QAbstractItemModel* names) {
  for (toolkit::CComboUI* combo : buttons_) {
    if (combo != nullptr && combo->GetComboBox()->model() != names) combo->GetComboBox()->setModel(names);
  }
}

void MacroStepRow::Show(const model::MacroStep& step, int host) {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i] != nullptr) buttons_[i]->SelectItem(model::MacroButtonToItem(host, step.buttons[i]));
  }
  if (hold_ != nullptr) hold_->SetText(QString::number(step.hold_time.get()));
  NameButtons();
}

model::MacroStep MacroStepRow::Read(int host) const {
  model::MacroStep step{};
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i] != nullptr) step.buttons[i] = model::MacroButtonToStored(host, buttons_[i]->GetCurSel());
  }
  const unsigned hold = hold_ != nullptr ? hold_->GetText().toUInt() : 0;
  step.hold_time = static_cast<std::uint16_t>(std::min(hold, 0xFFFFu));
  return step;
}

void MacroStepRow::SwapWith(MacroStepRow& other) {
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i] == nullptr || other.buttons_[i] == nullptr) continue;
    const int mine = buttons_[i]->GetCurSel();
    buttons_[i]->SelectItem(other.buttons_[i]->GetCurSel());
    other.buttons_[i]->SelectItem(mine);
  }
  NameButtons();
  other.NameButtons();
  if (hold_ == nullptr || other.hold_ == nullptr) return;
  const QString mine = hold_->GetText();
  hold_->SetText(other.hold_->GetText());
  other.hold_->SetText(mine);
}

void MacroStepRow::SetNumber(int number) {
  const QString text = QString::number(number);
  if (index_ != nullptr) index_->SetText(text);
  row_->setAccessibleName(QStringLiteral("Step %1").arg(text));
  NameButtons();
  if (hold_ != nullptr) hold_->GetLineEdit()->setAccessibleName(QStringLiteral("Step %1 hold time").arg(text));
  for (std::size_t i = 0; i < tools_.size(); ++i) {
    if (tools_[i] != nullptr) tools_[i]->setAccessibleName(QString::fromLatin1(kToolActions[i]).arg(text));
  }
}

void MacroStepRow::NameButtons() {
  const QString number = index_ != nullptr ? index_->GetText() : QString();
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    toolkit::CComboUI* combo = buttons_[i];
    if (combo == nullptr) continue;
    QString name = QStringLiteral("Step %1 Button%2").arg(number).arg(i + 1);
    if (const QString chosen = combo->GetItemText(combo->GetCurSel()); !chosen.isEmpty()) {
      name += QStringLiteral(": ") + chosen;
    }
    combo->GetComboBox()->setAccessibleName(name);
  }
}

std::array<toolkit::CControlUI*, 10> MacroStepRow::TabStops() const {
  return {buttons_[0], buttons_[1], buttons_[2], buttons_[3], buttons_[4],
          hold_,       tools_[0],   tools_[1],   tools_[2],   tools_[3]};
}

}  // namespace torvane::editor
