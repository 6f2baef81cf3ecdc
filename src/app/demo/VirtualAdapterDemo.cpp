#include "app/demo/VirtualAdapterDemo.h"

#include <string_view>

#include "app/demo/VirtualAdapterSource.h"
#include "emulator/Scenarios.h"
#include "emulator/VirtualAdapter.h"

namespace torvane::app::demo {

std::vector<AdapterDemo::Scenario> VirtualAdapterDemo::Scenarios() const {
  std::vector<Scenario> scenarios;
  for (const emulator::Scenario& scenario : emulator::Scenarios()) {
    scenarios.push_back({QString::fromUtf8(scenario.name), QString::fromUtf8(scenario.description)});
  }
  return scenarios;
}

QString VirtualAdapterDemo::DefaultScenario() const {
  return QString::fromUtf8(emulator::kDefaultScenario);
}

std::unique_ptr<AdapterSource> VirtualAdapterDemo::CreateSource(const QString& scenario, QString* error) {
  auto adapter = std::make_unique<emulator::VirtualAdapter>();
  if (!emulator::LoadScenario(*adapter, scenario.toStdString())) {
    if (error != nullptr) *error = QStringLiteral("The virtual adapter has no scenario \"%1\".").arg(scenario);
    return nullptr;
  }
  return std::make_unique<VirtualAdapterSource>(std::move(adapter));
}

}  // namespace torvane::app::demo
