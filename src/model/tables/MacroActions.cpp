#include "model/tables/MacroActions.h"

#include <array>
#include <cstdio>

#include "model/tables/MacroTable.h"
#include "model/tables/NameText.h"
#include "model/tables/TableMessages.h"

namespace torvane::model {

namespace {

constexpr int kNameAttempts = 30;
constexpr std::string_view kNewMacroName = "New Macro";

// Stores the first `candidate(n)`, n = first..30, that the owner has no macro of; false when all are taken.
template <typename Candidate>
bool StoreFreeName(const MacroBlock& block, MacroRecord& macro, Candidate candidate, int first) {
  const std::string owner(ReadName(macro.owner_name));
  for (int n = first; n <= kNameAttempts; ++n) {
    const std::string name = candidate(n);
    const std::string_view stored = CutName(name, kMacroNameChars, kMacroNameSize - 1);
    if (FindMacroIndex(block, owner, stored, macro.host) >= 0) continue;
    StoreName(macro.macro_name, stored, kMacroNameChars);
    return true;
  }
  return false;
}

// "(n)", the number that makes a macro name unique.
std::string NumberSuffix(int n) {
  std::array<char, 16> text{};
  std::snprintf(text.data(), text.size(), "(%d)", n);
  return text.data();
}

MacroActionResult Add(MacroBlock& block, const MacroRecord& macro) {
  if (!AddMacro(block, macro)) return {MacroOutcome::kTableFull};
  return {MacroOutcome::kDone, static_cast<int>(block.count) - 1};
}

}  // namespace

MacroActionResult NewMacro(MacroBlock& block, const ConfigRecord& owner) {
  MacroRecord macro{};
  macro.host = static_cast<std::uint8_t>(owner.host_type());
  // The whole field, so the owner matches the configuration's name byte for byte.
  macro.owner_name = owner.name;
  auto candidate = [](int n) {
    std::string name(kNewMacroName);
    if (n > 0) name.append(NumberSuffix(n));
    return name;
  };
  if (!StoreFreeName(block, macro, candidate, 0)) return {MacroOutcome::kNoFreeName};
  return Add(block, macro);
}

MacroActionResult CopyMacro(MacroBlock& block, const ConfigRecord& owner, std::string_view source_name) {
  const MacroRecord* source = FindMacro(block, ReadName(owner.name), source_name, owner.host_type());
  if (source == nullptr) return {MacroOutcome::kNotFound};
  MacroRecord macro = *source;
  macro.macro_hotkey = 0;
  const std::string base(ReadName(macro.macro_name));
  auto candidate = [&base](int n) {
    // Shorten the source name, never the suffix: a cut suffix could repeat the source's own name.
    const std::string suffix = NumberSuffix(n);
    std::string name(CutName(base, kMacroNameChars - suffix.size(), kMacroNameSize - 1 - suffix.size()));
    name.append(suffix);
    return name;
  };
  if (!StoreFreeName(block, macro, candidate, 1)) return {MacroOutcome::kNoFreeName};
  return Add(block, macro);
}

std::string MacroOutcomeMessage(MacroOutcome outcome) {
  if (outcome != MacroOutcome::kTableFull) return {};
  std::array<char, 64> text{};
  std::snprintf(text.data(), text.size(), kMsgMacrosExceedFormat, static_cast<int>(kMaxMacros));
  return text.data();
}

}  // namespace torvane::model
