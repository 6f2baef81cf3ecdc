#include "editor/EditPage.h"

#include "editor/EditorHost.h"
#include "editor/KeyMapping.h"
#include "model/ConfigRecord.h"
#include "model/FlashImage.h"
#include "model/tables/ConfigTable.h"

namespace torvane::editor {

EditPage::EditPage(EditorHost& host, KeyMapping& keys) : host_(host), keys_(keys) {}

EditPage::~EditPage() = default;

bool EditPage::Open(int slot) {
  model::ConfigBlock& block = host_.Image().config;
  if (slot < 0 || static_cast<std::size_t>(slot) >= model::UsedConfigCount(block)) return false;
  record_ = &block.records[static_cast<std::size_t>(slot)];
  snapshot_ = std::make_unique<model::ConfigRecord>(*record_);
  keys_.RefreshKeyButtons(*record_);
  return true;
}

void EditPage::Commit() {}

void EditPage::TakeSnapshot() {
  if (record_ != nullptr) *snapshot_ = *record_;
}

void EditPage::ShowSettingPage(int page) {
  setting_page_ = page;
}

bool EditPage::Notify(toolkit::TNotifyUI& /*msg*/) {
  return false;
}

}  // namespace torvane::editor
