#pragma once

#include <cstddef>

namespace torvane::model {
struct ConfigRecord;
}

namespace torvane::editor {

class EditorHost;

// Writes macro `macro_index` of the macro table to a file the player picks and says how it went. True when the
// file was written.
bool ExportMacro(EditorHost& host, std::size_t macro_index);

// Reads a macro file the player picks into the macro table as a macro of `owner`, the configuration being edited
// as the table stores it, in the fixed order of checks, asking before its hot key takes over one in use and
// telling every refusal. True when the macro was appended at the table's end. The macro block is not marked
// unsaved here: leaving the macro manager compares the table with its snapshot. Nothing while no console is
// selected.
bool ImportMacro(EditorHost& host, const model::ConfigRecord& owner);

}  // namespace torvane::editor
