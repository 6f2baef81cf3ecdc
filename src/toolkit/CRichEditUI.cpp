#include "toolkit/CRichEditUI.h"

#include "toolkit/AttributeValues.h"
#include "toolkit/TNotifyUI.h"
#include "toolkit/Theme.h"

#include <QFocusEvent>
#include <QPlainTextEdit>

#include <algorithm>

namespace torvane::toolkit {

CRichEditUI::CRichEditUI(QWidget* parent) : CControlUI(parent), edit_(new QPlainTextEdit(this)) {
  setFocusPolicy(Qt::StrongFocus);
  setFocusProxy(edit_);
  edit_->setStyleSheet(theme::NativeStyleSheet());
  edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  edit_->setTabChangesFocus(true);
  edit_->installEventFilter(this);
  QObject::connect(edit_, &QPlainTextEdit::textChanged, edit_, [this] { CControlUI::SetText(edit_->toPlainText()); });
}

QString CRichEditUI::GetClass() const {
  return QStringLiteral("RichEditUI");
}

void CRichEditUI::SetText(const QString& text) {
  if (edit_->toPlainText() != text) edit_->setPlainText(text);
  CControlUI::SetText(text);
}

void CRichEditUI::SetReadOnly(bool read_only) {
  edit_->setReadOnly(read_only);
}

bool CRichEditUI::IsReadOnly() const {
  return edit_->isReadOnly();
}

void CRichEditUI::SetAttribute(const QString& name, const QString& value) {
  if (NameIs(name, u"readonly")) {
    if (const auto b = ParseBool(value)) SetReadOnly(*b);
  } else if (NameIs(name, u"vscrollbar")) {
    if (const auto b = ParseBool(value)) {
      edit_->setVerticalScrollBarPolicy(*b ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    }
  } else if (NameIs(name, u"wordwrap")) {
    if (const auto b = ParseBool(value)) {
      edit_->setLineWrapMode(*b ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    }
  } else if (NameIs(name, u"inset")) {
    if (const auto m = ParseMargins(value)) edit_->document()->setDocumentMargin(std::max({m->left(), m->top(), 0}));
  } else if (NameIs(name, u"multiline")) {
    // Always multi-line.
  } else {
    CControlUI::SetAttribute(name, value);
    if (NameIs(name, u"font")) edit_->setFont(ResolvedFont());
  }
}

bool CRichEditUI::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::FocusOut) {
    if (IsPlayerFocusChange(static_cast<QFocusEvent*>(event))) {
      SendNotify(QString::fromUtf16(notify::kKillFocus));
    }
  }
  return CControlUI::eventFilter(watched, event);
}

void CRichEditUI::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) {
    const QString sheet = theme::NativeStyleSheet(!IsEnabledInWindow());
    if (sheet != edit_->styleSheet()) edit_->setStyleSheet(sheet);
  }
  CControlUI::changeEvent(event);
}

void CRichEditUI::resizeEvent(QResizeEvent* event) {
  CControlUI::resizeEvent(event);
  edit_->setGeometry(rect());
}

}  // namespace torvane::toolkit
