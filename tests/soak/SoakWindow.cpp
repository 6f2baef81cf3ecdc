#include "soak/SoakWindow.h"

#include <QCoreApplication>
#include <QTest>

#include "app/MainPage.h"
#include "app/MainWindowTexts.h"
#include "dialogs/MessageBoxCodes.h"
#include "toolkit/CButtonUI.h"

namespace torvane::soak {

namespace {

using dialogs::MessageBoxAnswers;

// More than any one step shows.
constexpr int kQueuedAnswers = 8;

void QueueAnswers() {
  MessageBoxAnswers::Reset();
  for (int i = 0; i < kQueuedAnswers; ++i) MessageBoxAnswers::SetNextAnswer(dialogs::kIdOk);
}

}  // namespace

SoakWindow::SoakWindow(const std::string& socket, std::string lock_name) : source_(QString::fromStdString(socket)) {
  QueueAnswers();
  // No browser: a link is never opened. A captured key closes its dialog at once.
  window_ = std::make_unique<app::CMainWnd>(app::MainWndEnvironment{.state = &state_,
                                                                    .source = &source_,
                                                                    .instance_name = std::move(lock_name),
                                                                    .open_link = [](const QUrl&) { return false; },
                                                                    .captured_key_show_ms = 0});
}

SoakWindow::~SoakWindow() {
  window_.reset();
  MessageBoxAnswers::Reset();
}

bool SoakWindow::Start() {
  if (!window_->Create(nullptr, QStringLiteral("Torvane Manager"), toolkit::WindowImplBase::Kind::kMain)) {
    return false;
  }
  window_->ShowWindow(true);
  return WaitForPage(app::kPageDeviceArrival);
}

bool SoakWindow::WaitUntil(const std::function<bool()>& done, int timeout_ms) {
  return QTest::qWaitFor([&] { return done(); }, timeout_ms);
}

bool SoakWindow::WaitForPage(int page, int timeout_ms) {
  return WaitUntil([this, page] { return Page() == page; }, timeout_ms);
}

void SoakWindow::HandlePosted() {
  QCoreApplication::sendPostedEvents();
}

void SoakWindow::Click(const char16_t* name) {
  if (auto* button = window_->FindControl<toolkit::CButtonUI>(name)) button->Activate();
}

QList<dialogs::ShownMessageBox> SoakWindow::TakeBoxes() {
  QList<dialogs::ShownMessageBox> shown = MessageBoxAnswers::Shown();
  QueueAnswers();
  return shown;
}

bool SoakWindow::OffersSave() const {
  const auto* button = window_->FindControl<toolkit::CButtonUI>(u"btnSave");
  return button != nullptr && button->IsEnabled() && button->GetText() == QString::fromUtf8(app::kSaveUnsavedText);
}

}  // namespace torvane::soak
