#pragma once

#include "app/AdapterDemo.h"

namespace torvane::app::demo {

// The demonstration over the emulator's in-process virtual adapter and its scenarios.
class VirtualAdapterDemo final : public AdapterDemo {
 public:
  std::vector<Scenario> Scenarios() const override;
  QString DefaultScenario() const override;
  std::unique_ptr<AdapterSource> CreateSource(const QString& scenario, QString* error) override;
};

}  // namespace torvane::app::demo
