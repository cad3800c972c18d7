#pragma once

// Reading the Raceway Fill window's groups: each row's count and size as the user left
// them. A row with an empty count, or 0, is left out; a count that is not a whole number
// from 0 to 1,000, or a size the insulation's table rows do not list, is marked at its
// row, and nothing is computed while any row is marked.

#include "app/number_text.h"
#include "nec/choices.h"
#include "nec/fill.h"

#include <optional>
#include <string>
#include <vector>

namespace nec {

inline constexpr int kMostFillGroups = 20;
inline constexpr int kMostConductorsInGroup = 1000;

struct FillGroupTexts
{
    std::string Count; // as typed
    std::string Size; // the size list's text, "12 AWG"
    nec::Insulation Insulation = nec::Insulation::Thhn;
};

struct FillTexts
{
    std::vector<FillGroupTexts> Groups; // the rows, first to last; rows past the 20th are not read
    RacewayType Raceway = RacewayType::Emt;
    bool Nipple = false;
};

enum class FillRowField
{
    Count,
    Size,
};

struct FillRowProblem
{
    int Row = 0; // from 0, as the window numbers its rows
    FillRowField Field = FillRowField::Count;
    std::string Reason; // short: "a whole number from 0 to 1,000"
};

struct FillReading
{
    // None while a row is marked, and while no row has conductors.
    std::optional<FillRequest> Request;
    std::vector<FillRowProblem> Problems; // by row
};

FillReading ReadFillInputs(const FillTexts& texts, const numtext::Separators& separators);

// The reason a size is marked when its insulation's table rows do not list it:
// "1250 kcmil is not listed for THHN/THWN-2".
std::string UnlistedSizeReason(ConductorSize size, Insulation insulation);

} // namespace nec
