#pragma once

// The files of src/nec/data, built into the program as text: the one place the numbers
// of the current-code tables live. The typed tables (nec/tables) read them from here.

#include <span>
#include <string_view>

namespace nec {

struct DataFile
{
    std::string_view Name; // the file's name, "table_310_16.csv"
    std::string_view Text; // its text, every line ending in "\n"
};

// Every table file, in the order of the file names.
std::span<const DataFile> DataFiles();

// The text of the file of this name. A name that is not built in is a fault of the
// program, not of its user: it stops the program with a message.
std::string_view DataFileText(std::string_view name);

} // namespace nec
