#include "fault/conductor_constants.h"

#include <array>

namespace {

// The blanks right-align the texts in the page's list.
constexpr std::array<ConductorCRow, 21> kConductorC {{
    {"   14 awg", 389, 389, 389, 389},
    {"   12 awg", 617, 617, 617, 617},
    {"   10 awg", 981, 982, 982, 982},
    {"     8 awg", 1557, 1559, 1559, 1560},
    {"     6 awg", 2425, 2431, 2430, 2433},
    {"     4 awg", 3806, 3830, 3826, 3838},
    {"     3 awg", 4774, 4820, 4811, 4833},
    {"     2 awg", 5907, 5989, 6044, 6087},
    {"     1 awg", 7293, 7454, 7493, 7579},
    {"  1/0 awg", 8925, 9210, 9317, 9473},
    {"  2/0 awg", 10755, 11245, 11424, 11703},
    {"  3/0 awg", 12844, 13656, 13923, 14410},
    {"  4/0 awg", 15082, 16392, 16673, 17483},
    {"  250 kcmil", 16483, 18311, 18594, 19779},
    {"  300 kcmil", 18177, 20617, 20868, 22525},
    {"  350 kcmil", 19704, 22646, 22737, 24904},
    {"  400 kcmil", 20566, 24253, 24297, 26916},
    {"  500 kcmil", 22185, 26980, 26706, 30096},
    {"  600 kcmil", 22965, 28752, 28033, 32154},
    {"  750 kcmil", 24137, 31051, 29735, 34605},
    {"1000 kcmil", 25278, 33864, 31491, 37197},
}};

} // namespace

std::span<const ConductorCRow> ConductorCTable()
{
    return kConductorC;
}

std::optional<std::int32_t> LookupConductorC(
    std::string_view sizeText, bool magnetic, bool singleConductors)
{
    for (const ConductorCRow& row : kConductorC) {
        if (row.SizeText != sizeText)
            continue;
        if (magnetic)
            return singleConductors ? row.MS : row.MC;
        return singleConductors ? row.NS : row.NC;
    }
    return std::nullopt;
}
