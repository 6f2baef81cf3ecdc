#pragma once

#include "toolkit/WindowImplBase.h"

#include <QUrl>

#include <cstdint>
#include <functional>
#include <span>

namespace torvane::model {
class NewsStore;
}

namespace torvane::dialogs {

// The news message: its title, its text and, when it has one, a button that opens its link in the browser.
// Showing an unread message marks it read and hands the record to be stored again.
class CMessageDlg : public toolkit::WindowImplBase {
 public:
  // Stores the held record again (the news file).
  using StoreFn = std::function<void(std::span<const std::uint8_t> record)>;
  // Opens a web address; false when nothing could open it.
  using OpenLinkFn = std::function<bool(const QUrl& address)>;

  // Builds the dialog over `owner` for the held message and runs it modally; the dialog's result (0 when it
  // could not be built).
  static int Run(QWidget* owner, model::NewsStore& news, StoreFn store, OpenLinkFn open_link);

  CMessageDlg(model::NewsStore& news, StoreFn store, OpenLinkFn open_link);

  QString GetWindowClassName() const override;
  QString GetSkinFile() const override;
  void InitWindow() override;
  void Notify(toolkit::TNotifyUI& msg) override;

  // The address "btnLink" opens for a link target: web addresses only, since the target comes from outside and a
  // local file or program must not be started by a click. Invalid for anything else.
  static QUrl LinkAddress(const QString& target);

 private:
  model::NewsStore& news_;
  StoreFn store_;
  OpenLinkFn open_link_;
  QString link_target_;
};

}  // namespace torvane::dialogs
