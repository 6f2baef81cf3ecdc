#include "model/tables/MacroTable.h"

#include <algorithm>

#include "model/tables/NameText.h"

namespace torvane::model {

namespace {

bool BelongsTo(const MacroRecord& macro, std::string_view owner, int host) {
  return macro.host == host && ReadName(macro.owner_name) == owner;
}

}  // namespace

std::size_t UsedMacroCount(const MacroBlock& block) {
  return std::min<std::size_t>(block.count, kMaxMacros);
}

bool AddMacro(MacroBlock& block, const MacroRecord& record) {
  if (block.count >= kMaxMacros) return false;
  const MacroRecord added = record;  // the source may be a slot of this block
  block.records[block.count] = added;
  ++block.count;
  return true;
}

int FindMacroIndex(const MacroBlock& block, std::string_view owner, std::string_view name, int host) {
  const std::size_t used = UsedMacroCount(block);
  for (std::size_t i = 0; i < used; ++i) {
    const MacroRecord& macro = block.records[i];
    if (BelongsTo(macro, owner, host) && ReadName(macro.macro_name) == name) return static_cast<int>(i);
  }
  return -1;
}

MacroRecord* FindMacro(MacroBlock& block, std::string_view owner, std::string_view name, int host) {
  const int index = FindMacroIndex(block, owner, name, host);
  return index < 0 ? nullptr : &block.records[static_cast<std::size_t>(index)];
}

const MacroRecord* FindMacro(const MacroBlock& block, std::string_view owner, std::string_view name, int host) {
  const int index = FindMacroIndex(block, owner, name, host);
  return index < 0 ? nullptr : &block.records[static_cast<std::size_t>(index)];
}

bool DeleteMacro(MacroBlock& block, int host, std::string_view name, std::string_view owner) {
  const int index = FindMacroIndex(block, owner, name, host);
  if (index < 0) return false;
  const std::size_t used = UsedMacroCount(block);
  for (std::size_t i = static_cast<std::size_t>(index); i + 1 < used; ++i) block.records[i] = block.records[i + 1];
  block.count = static_cast<std::uint8_t>(used - 1);
  return true;
}

int DeleteMacrosOf(MacroBlock& block, std::string_view owner, int host) {
  const std::size_t used = UsedMacroCount(block);
  std::size_t kept = 0;
  for (std::size_t i = 0; i < used; ++i) {
    if (BelongsTo(block.records[i], owner, host)) continue;
    if (kept != i) block.records[kept] = block.records[i];
    ++kept;
  }
  const auto removed = static_cast<int>(used - kept);
  // A hostile count is only rewritten when something was removed.
  if (removed > 0) block.count = static_cast<std::uint8_t>(kept);
  return removed;
}

int RenameOwner(MacroBlock& block, int host, std::string_view old_name, std::string_view new_name) {
  const std::size_t used = UsedMacroCount(block);
  int renamed = 0;
  for (std::size_t i = 0; i < used; ++i) {
    MacroRecord& macro = block.records[i];
    if (!BelongsTo(macro, old_name, host)) continue;
    StoreName(macro.owner_name, new_name, macro.owner_name.size() - 1);
    ++renamed;
  }
  return renamed;
}

}  // namespace torvane::model
