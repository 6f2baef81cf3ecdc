#include "toolkit/CEditUI.h"

#include "toolkit/AttributeValues.h"
#include "toolkit/CLabelUI.h"
#include "toolkit/NumericInput.h"
#include "toolkit/SheetLooks.h"
#include "toolkit/TNotifyUI.h"
#include "toolkit/Theme.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace torvane::toolkit {

CEditUI::CEditUI(QWidget* parent) : CControlUI(parent), edit_(new QLineEdit(this)) {
  setFocusPolicy(Qt::StrongFocus);
  setFocusProxy(edit_);
  edit_->setFrame(true);
  edit_->installEventFilter(this);
  UpdateStyle();
  QObject::connect(edit_, &QLineEdit::textChanged, edit_, [this](const QString& text) { CControlUI::SetText(text); });
  QObject::connect(edit_, &QLineEdit::textEdited, edit_, [this](const QString& text) {
    // Qt tells of the edit before the change: whoever is told reads the new text.
    CControlUI::SetText(text);
    SendNotify(QString::fromUtf16(notify::kTextChanged));
  });
  QObject::connect(edit_, &QLineEdit::returnPressed, edit_,
                   [this] { SendNotify(QString::fromUtf16(notify::kReturn)); });
}

QString CEditUI::GetClass() const {
  return QStringLiteral("EditUI");
}

void CEditUI::SetText(const QString& text) {
  // A program-set text is shown as given, even outside the typing range: it is the stored value.
  if (edit_->text() != text) edit_->setText(text);
  CControlUI::SetText(text);
}

void CEditUI::SetMaxChar(int max) {
  edit_->setMaxLength(max > 0 ? max : 32767);
}

int CEditUI::GetMaxChar() const {
  return edit_->maxLength();
}

void CEditUI::SetReadOnly(bool read_only) {
  edit_->setReadOnly(read_only);
}

bool CEditUI::IsReadOnly() const {
  return edit_->isReadOnly();
}

void CEditUI::SetPasswordMode(bool password) {
  edit_->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
}

void CEditUI::SetNumberOnly(bool number_only) {
  number_only_ = number_only;
  UpdateValidator();
}

void CEditUI::SetNumberRange(std::optional<long long> min, std::optional<long long> max) {
  min_ = min;
  max_ = max;
  UpdateValidator();
}

void CEditUI::UpdateValidator() {
  if (!number_only_) {
    edit_->setValidator(nullptr);
    delete validator_;
    validator_ = nullptr;
    return;
  }
  if (!validator_) validator_ = new NumericRangeValidator(edit_);
  validator_->SetRange(min_, max_);
  edit_->setValidator(validator_);
}

void CEditUI::UpdateStyle() {
  const bool dimmed = !IsEnabledInWindow();
  QString sheet = theme::NativeStyleSheet(dimmed);
  if (GetTextColor() && !dimmed) {
    sheet += QStringLiteral("QLineEdit { color: %1; }").arg(theme::Color(GetTextColor()).name(QColor::HexArgb));
  }
  if (sheet != sheet_) {
    sheet_ = sheet;
    UseLineEditLook(*edit_, sheet_);
  }
  edit_->setFont(ResolvedFont());
}

void CEditUI::SetAttribute(const QString& name, const QString& value) {
  if (NameIs(name, u"maxchar")) {
    if (const auto v = ParseInt(value)) SetMaxChar(*v);
  } else if (NameIs(name, u"readonly")) {
    if (const auto b = ParseBool(value)) SetReadOnly(*b);
  } else if (NameIs(name, u"password")) {
    if (const auto b = ParseBool(value)) SetPasswordMode(*b);
  } else if (NameIs(name, u"numberonly")) {
    if (const auto b = ParseBool(value)) SetNumberOnly(*b);
  } else if (NameIs(name, u"min")) {
    if (const auto v = ParseInt(value)) SetNumberRange(*v, max_);
  } else if (NameIs(name, u"max")) {
    if (const auto v = ParseInt(value)) SetNumberRange(min_, *v);
  } else if (NameIs(name, u"tipvalue")) {
    edit_->setPlaceholderText(value);
  } else if (NameIs(name, u"align")) {
    edit_->setAlignment(CLabelUI::ParseAlign(value, Qt::AlignLeft | Qt::AlignVCenter));
  } else if (NameIs(name, u"textpadding")) {
    if (const auto m = ParseMargins(value)) edit_->setTextMargins(*m);
  } else {
    CControlUI::SetAttribute(name, value);
    if (NameIs(name, u"textcolor") || NameIs(name, u"font")) UpdateStyle();
  }
}

bool CEditUI::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
    if (IsPlayerFocusChange(static_cast<QFocusEvent*>(event))) {
      SendNotify(QString::fromUtf16(event->type() == QEvent::FocusIn ? notify::kSetFocus : notify::kKillFocus));
    }
  }
  return CControlUI::eventFilter(watched, event);
}

void CEditUI::resizeEvent(QResizeEvent* event) {
  CControlUI::resizeEvent(event);
  edit_->setGeometry(rect());
}

void CEditUI::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) UpdateStyle();
  CControlUI::changeEvent(event);
}

}  // namespace torvane::toolkit
