#pragma once

#include <QString>

#include <memory>
#include <vector>

#include "app/AdapterSource.h"

namespace torvane::app {

// The --virtual-adapter demonstration: an adapter without hardware, started in one of its named scenarios. The
// program's entry hands one in; without one the program offers no such option.
class AdapterDemo {
 public:
  struct Scenario {
    QString name;
    QString description;  // one line
  };

  virtual ~AdapterDemo() = default;

  virtual std::vector<Scenario> Scenarios() const = 0;
  virtual QString DefaultScenario() const = 0;
  // The demo's adapter in `scenario`, plugged in; nothing, with the reason in `error`, when it cannot be set up.
  virtual std::unique_ptr<AdapterSource> CreateSource(const QString& scenario, QString* error) = 0;
};

}  // namespace torvane::app
