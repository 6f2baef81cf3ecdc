#include "support/TestWindow.h"

namespace torvane::testing {

TestWindow::TestWindow(QString skin_file, QString class_name)
    : skin_file_(std::move(skin_file)), class_name_(std::move(class_name)) {}

void TestWindow::InitWindow() {
  ++init_count;
  if (on_init) on_init(*this);
}

void TestWindow::Notify(toolkit::TNotifyUI& msg) {
  log.append(QStringLiteral("own:%1:%2").arg(msg.type, msg.sender_name));
  if (on_notify) on_notify(msg);
}

void TestWindow::DefaultNotify(toolkit::TNotifyUI& msg) {
  log.append(QStringLiteral("default:%1:%2").arg(msg.type, msg.sender_name));
  WindowImplBase::DefaultNotify(msg);
}

bool TestWindow::HandleCustomMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam,
                                     const std::any& payload) {
  messages.push_back({message, wparam, lparam, payload});
  return true;
}

bool TestWindow::MessageFilter(QKeyEvent* event) {
  return filter && filter(event);
}

toolkit::CControlUI* TestWindow::CreateControl(const QString& element_name) {
  return factory ? factory(element_name) : nullptr;
}

bool TestWindow::OnClose(int code) {
  close_requests.push_back(code);
  return !allow_close || allow_close(code);
}

}  // namespace torvane::testing
