#pragma once

// Point-to-point constants C of copper conductors, by size, raceway and arrangement.
// Rows are keyed by the exact list texts of the Short Circuit page's wire-size list.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

struct ConductorCRow
{
    std::string_view SizeText; // leading blanks included, as the list shows it
    std::int32_t MS = 0; // magnetic raceway, three single conductors
    std::int32_t MC = 0; // magnetic raceway, three-conductor cable
    std::int32_t NS = 0; // non-magnetic raceway, three single conductors
    std::int32_t NC = 0; // non-magnetic raceway, three-conductor cable
};

// The 21 sizes from 14 awg to 1000 kcmil, smallest first.
std::span<const ConductorCRow> ConductorCTable();

// The constant of the row whose key equals sizeText exactly; no value for any other
// text, "Terminals" and the empty text included.
std::optional<std::int32_t> LookupConductorC(
    std::string_view sizeText, bool magnetic, bool singleConductors);
