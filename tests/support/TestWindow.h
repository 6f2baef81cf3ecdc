#pragma once

#include "toolkit/WindowImplBase.h"

#include <QStringList>

#include <functional>
#include <vector>

namespace torvane::testing {

// A window whose layout, reactions and records are set by the test.
class TestWindow : public toolkit::WindowImplBase {
 public:
  explicit TestWindow(QString skin_file, QString class_name = QStringLiteral("TestWnd"));

  QString GetWindowClassName() const override { return class_name_; }
  QString GetSkinFile() const override { return skin_file_; }
  void InitWindow() override;
  void Notify(toolkit::TNotifyUI& msg) override;
  bool HandleCustomMessage(unsigned message, std::uintptr_t wparam, std::intptr_t lparam,
                           const std::any& payload) override;
  bool MessageFilter(QKeyEvent* event) override;
  toolkit::CControlUI* CreateControl(const QString& element_name) override;
  bool OnClose(int code) override;

  std::function<void(TestWindow&)> on_init;
  std::function<void(toolkit::TNotifyUI&)> on_notify;
  std::function<bool(QKeyEvent*)> filter;
  std::function<toolkit::CControlUI*(const QString&)> factory;
  std::function<bool(int)> allow_close;

  // "own:<type>:<name>" and "default:<type>:<name>" in the order they ran.
  QStringList log;
  struct Message {
    unsigned message;
    std::uintptr_t wparam;
    std::intptr_t lparam;
    std::any payload;
  };
  std::vector<Message> messages;
  std::vector<int> close_requests;
  int init_count = 0;

 protected:
  void DefaultNotify(toolkit::TNotifyUI& msg) override;

 private:
  QString skin_file_;
  QString class_name_;
};

}  // namespace torvane::testing
