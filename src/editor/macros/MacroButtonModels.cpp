#include "editor/macros/MacroButtonModels.h"

#include <QStringList>
#include <QStringListModel>

#include "model/keys/ControllerButton.h"
#include "model/tables/MacroButtonValue.h"

namespace torvane::editor {

MacroButtonModels::MacroButtonModels() {
  for (int host = 0; host < model::kHostCount; ++host) {
    QStringList names;
    const int items = model::MacroButtonItems(host);
    for (int item = 0; item < items; ++item) {
      const std::string_view name = model::HostButtonName(host, item);
      names << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    }
    models_[static_cast<std::size_t>(host)] = new QStringListModel(names, this);
  }
}

QAbstractItemModel* MacroButtonModels::ForHost(int host) const {
  return models_[static_cast<std::size_t>(model::IsKnownHost(host) ? host : model::kHostPS4)];
}

}  // namespace torvane::editor
