#pragma once

#include <cstddef>
#include <string_view>

#include "model/FlashImage.h"

namespace torvane::model {

// Macros in use: the stored count, clamped to the table.
std::size_t UsedMacroCount(const MacroBlock& block);

bool AddMacro(MacroBlock& block, const MacroRecord& record);
int FindMacroIndex(const MacroBlock& block, std::string_view owner, std::string_view name, int host);
MacroRecord* FindMacro(MacroBlock& block, std::string_view owner, std::string_view name, int host);
const MacroRecord* FindMacro(const MacroBlock& block, std::string_view owner, std::string_view name, int host);
// Returns whether a record was removed.
bool DeleteMacro(MacroBlock& block, int host, std::string_view name, std::string_view owner);
// Returns how many macros were removed.
int DeleteMacrosOf(MacroBlock& block, std::string_view owner, int host);
// Returns how many macros now carry the new owner name.
int RenameOwner(MacroBlock& block, int host, std::string_view old_name, std::string_view new_name);

}  // namespace torvane::model
