#pragma once

// Raceway fill by Chapter 9: the conductors' area against the area Table 1 allows in each
// trade size of a raceway type (Table 4's printed columns), and how many conductors of one
// kind a trade size holds (Note 7). Shared by Raceway Fill and Circuit Check.

#include "nec/choices.h"
#include "nec/conductor_size.h"
#include "nec/tables.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace nec {

// Conductors of one size and insulation.
struct FillGroup
{
    int Count = 0;
    ConductorSize Size = ConductorSize::Awg12;
    nec::Insulation Insulation = nec::Insulation::Thhn;
};

struct FillRequest
{
    std::vector<FillGroup> Groups; // a group of no conductors counts for nothing
    RacewayType Raceway = RacewayType::Emt;
    bool Nipple = false; // 24 in. or less between enclosures (Note 4)
};

struct GroupFill
{
    FillGroup Group;
    ConductorArea EachArea; // one conductor, with the table rows it came from
    Area TotalArea;
};

struct TradeSizeFill
{
    const RacewayRow* Row = nullptr; // trade size, total area and the printed columns
    Area Allowed; // the printed area of the fill limit
    double PercentFill = 0; // the conductors' area over the total area, in percent
    bool WithinAllowed = false; // the conductors' area is not above the allowed one
    std::optional<int> HowManyFit; // Note 7's count, where it decides (see FillResult)
    bool Fits = false;
};

struct FillResult
{
    std::vector<GroupFill> Groups; // those with conductors
    int TotalCount = 0;
    Area TotalArea;
    FillLimit Limit = FillLimit::OverTwo;
    int AllowedPercent = 0;
    // Three or more conductors of one size and insulation, not in a nipple: a trade size
    // also fits when it holds that many by Note 7.
    bool OneKindOfConductor = false;
    std::vector<TradeSizeFill> TradeSizes; // every trade size of the type, the smallest first
    std::optional<std::size_t> Smallest; // the first that fits; none when none does

    const TradeSizeFill* smallestFit() const { return Smallest ? &TradeSizes[*Smallest] : nullptr; }
};

// The limit of Table 1 for this many conductors: 53 % for one, 31 % for two, 40 % for
// more; 60 % in a nipple, whatever the count.
FillLimit FillLimitFor(int conductorCount, bool nipple);

// None when a group's size is not listed for its insulation.
std::optional<FillResult> ComputeFill(const FillRequest& request);

// The most conductors of one size and insulation a trade size holds: the 40 % area over
// one conductor's area, a fraction of 0.8 or more counting as one more (Chapter 9,
// Note 7); below three, two if two fit 31 %, else one if one fits 53 %, else none. In a
// nipple, the 60 % area with the same rounding. None when the size is not listed for
// the insulation.
std::optional<int> HowManyFit(
    ConductorSize size, Insulation insulation, const RacewayRow& tradeSize, bool nipple);

} // namespace nec
