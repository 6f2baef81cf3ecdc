#include "support/MainWindowFixture.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>
#include <QTest>
#include <QTimer>

#include <atomic>

#include "app/MainPage.h"
#include "dialogs/MessageBoxAnswers.h"
#include "emulator/Scenarios.h"
#include "toolkit/CButtonUI.h"

namespace torvane::testing {

bool WaitUntil(const std::function<bool()>& done, int timeout_ms) {
  return QTest::qWaitFor([&] { return done(); }, timeout_ms);
}

MainWindowFixture::MainWindowFixture() {
  static std::atomic<int> counter{0};
  lock_name = "gui-test-" + std::to_string(QCoreApplication::applicationPid()) + "-" + std::to_string(counter++);
  dialogs::MessageBoxAnswers::Reset();
}

MainWindowFixture::~MainWindowFixture() {
  window.reset();
  source.reset();
  dialogs::MessageBoxAnswers::Reset();
}

app::MainWndEnvironment MainWindowFixture::Environment() {
  // No browser in tests: the links are only recorded. A captured key closes its dialog at once.
  return app::MainWndEnvironment{.state = &state,
                                 .source = source.get(),
                                 .instance_name = lock_name,
                                 .open_link =
                                     [this](const QUrl& url) {
                                       opened_links.push_back(url);
                                       return links_open;
                                     },
                                 .captured_key_show_ms = 0};
}

void MainWindowFixture::StartWindow(bool plugged, const char* scenario) {
  ASSERT_TRUE(emulator::LoadScenario(adapter, scenario));
  if (!plugged) adapter.Unplug();
  source = std::make_unique<app::demo::VirtualAdapterSource>(adapter);
  app::MainWndEnvironment environment = Environment();
  if (start_worker) environment.start_worker = start_worker;
  window = std::make_unique<app::CMainWnd>(std::move(environment));
  ASSERT_TRUE(window->Create(nullptr, QStringLiteral("Torvane Manager"), toolkit::WindowImplBase::Kind::kMain))
      << window->GetBuildError().toStdString();
  window->ShowWindow(true);
}

void MainWindowFixture::Click(const char16_t* name) {
  auto* button = window->FindControl<toolkit::CButtonUI>(name);
  ASSERT_NE(button, nullptr) << QString::fromUtf16(name).toStdString();
  button->Activate();
}

bool MainWindowFixture::StartOnAdapterPage(const char* scenario) {
  StartWindow(true, scenario);
  return WaitUntil([this] { return Page() == app::kPageDeviceArrival; }, 10000);
}

bool MainWindowFixture::StartOnHomePage(const char* scenario) {
  if (!StartOnAdapterPage(scenario)) return false;
  Click(u"btnDeviceArrival");
  return Page() == app::kPagePlaySelect;
}

bool MainWindowFixture::IsShown(const char16_t* name) const {
  toolkit::CControlUI* control = Control(name);
  return control != nullptr && control->IsVisible();
}

void MainWindowFixture::SaveRendering(const QString& file_name, QWidget* dialog) {
  const QString path = RenderPath(file_name);
  if (path.isEmpty()) return;
  QCoreApplication::processEvents();
  QPixmap shot = window->grab();
  if (dialog != nullptr) {
    QPainter painter(&shot);
    painter.drawPixmap(dialog->geometry().topLeft() - window->geometry().topLeft(), dialog->grab());
  }
  EXPECT_TRUE(shot.save(path)) << path.toStdString();
}

}  // namespace torvane::testing
