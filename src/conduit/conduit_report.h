#pragma once

// The record of a conduit calculation for the results sheet: the captions of the page's
// last result, group by group, and what the result rests on.

#include "conduit/conduit_fill.h"

#include <array>
#include <string>
#include <string_view>

// What the page shows of its last result.
struct ConduitResultCaptions
{
    std::array<std::string, kConduitGroups> GroupLines; // lblCalc, empty for a group not used
    std::string TotalArea; // lblTotalArea
    std::string Diameter; // lblDiameter
    std::string ConduitSize; // Label12
};

// Lines break with a carriage return and line feed; the report ends without one.
std::string BuildConduitReport(const ConduitResultCaptions& result, std::string_view dateTimeText);
