#pragma once

#include <QObject>

#include <array>

#include "model/HostType.h"

class QAbstractItemModel;

namespace torvane::editor {

// The button names a step's choosers offer, one list per console, shared by every chooser of the editor: 335
// choosers filled item by item would cost more than the rest of the page.
class MacroButtonModels : public QObject {
 public:
  MacroButtonModels();

  // The names of `host`'s chooser ("< None >" first); the PS4's for a console the program does not know.
  QAbstractItemModel* ForHost(int host) const;

 private:
  std::array<QAbstractItemModel*, model::kHostCount> models_{};
};

}  // namespace torvane::editor
