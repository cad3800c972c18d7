#pragma once

// Reads the comma-separated tables of src/nec/data. The first line names the columns;
// every later line is one row with as many cells. A cell may be quoted ("THHN, THWN")
// to hold commas, line ends and doubled quotes. A cell whose text ends in "?" was not
// confirmed by two sources: the mark is taken off its text and kept as a flag.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nec {

struct CsvCell
{
    std::string Text; // without the "?" mark; empty where the table prints a dash
    bool Unconfirmed = false; // the cell ended in "?"

    bool operator==(const CsvCell&) const = default;
};

struct CsvTable
{
    std::vector<std::string> Header; // the column names, as written
    std::vector<std::vector<CsvCell>> Rows; // each as many cells as the header

    // The place of the column of this name.
    std::optional<std::size_t> Column(std::string_view name) const;

    bool operator==(const CsvTable&) const = default;
};

struct CsvError
{
    int Line = 0; // where the faulty row starts, from 1
    std::string Reason;
};

struct CsvReading
{
    CsvTable Table; // complete only without an error
    std::optional<CsvError> Error;
};

// Lines may end in "\n" or "\r\n"; the last line may end without either.
CsvReading ReadCsv(std::string_view text);

} // namespace nec
