#include "dialogs/CMessageDlg.h"

#include "model/exchange/NewsStore.h"
#include "toolkit/CRichEditUI.h"
#include "toolkit/NarrowText.h"

namespace torvane::dialogs {

namespace {

// A counted text ends at its length or at a NUL inside it, whichever comes first.
QString CountedText(std::string_view text) {
  return toolkit::DecodeNarrow(text.substr(0, text.find('\0')));
}

}  // namespace

int CMessageDlg::Run(QWidget* owner, model::NewsStore& news, StoreFn store, OpenLinkFn open_link) {
  CMessageDlg dialog(news, std::move(store), std::move(open_link));
  if (!dialog.Create(owner, QStringLiteral("NewsDlg"))) {
    qWarning("news not shown: %s", qUtf8Printable(dialog.GetBuildError()));
    return kSystemCloseCode;
  }
  return dialog.ShowModal();
}

CMessageDlg::CMessageDlg(model::NewsStore& news, StoreFn store, OpenLinkFn open_link)
    : news_(news), store_(std::move(store)), open_link_(std::move(open_link)) {}

QString CMessageDlg::GetWindowClassName() const {
  return QStringLiteral("MessageDlg");
}

QString CMessageDlg::GetSkinFile() const {
  return QStringLiteral("message_dlg.xml");
}

QUrl CMessageDlg::LinkAddress(const QString& target) {
  const QUrl address = QUrl::fromUserInput(target.trimmed());
  const QString scheme = address.scheme();
  if (!address.isValid() || (scheme != u"http" && scheme != u"https")) return {};
  return address;
}

void CMessageDlg::InitWindow() {
  if (!news_.title().empty()) SetControlText(u"newsTitlelbl", CountedText(news_.title()));
  if (!news_.link_target().empty()) link_target_ = CountedText(news_.link_target());
  if (news_.has_link()) {
    SetControlText(u"btnLink", CountedText(news_.link_caption()));
    ShowControl(u"btnLink", true);
  }
  if (auto* content = FindControl<toolkit::CRichEditUI>(u"messageContentEdit")) {
    content->SetText(toolkit::DecodeNarrow(news_.content()));
  }
  // Shown once is read: the record is stored again with its flag cleared and its digest made anew.
  if (news_.MarkRead() && store_) store_(news_.file_bytes());
}

void CMessageDlg::Notify(toolkit::TNotifyUI& msg) {
  if (!msg.Is(toolkit::notify::kClick) || msg.sender_name != u"btnLink") return;
  msg.handled = true;
  // As with the shell's "open", a link that cannot be opened is not reported.
  if (const QUrl address = LinkAddress(link_target_); address.isValid() && open_link_) open_link_(address);
}

}  // namespace torvane::dialogs
