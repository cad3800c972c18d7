#pragma once

// Conduit fill at 40 %: the smallest trade size of conduit that holds up to ten groups
// of insulated conductors, with one result line per group.

#include "app/number_text.h"
#include "conduit/conduit_tables.h"

#include <array>
#include <optional>
#include <string>

inline constexpr int kConduitGroups = 10;

// One input row of the page, as the user left it.
struct ConduitGroup
{
    std::string SizeText; // a size box's text; only an exact list item counts
    InsulationType Insulation = InsulationType::THHN;
    std::string CountText; // the number of conductors as typed
};

struct ConduitFillResult
{
    // Set when a group with a size has a count that is not a whole number from 0 to
    // 32767: the index of the first such group. Nothing else is filled in then.
    std::optional<int> InvalidCountGroup;

    std::array<std::string, kConduitGroups> GroupLines; // empty for a group without a size
    float TotalArea = 0; // square inches
    float RequiredDiameter = 0; // inches, for 40 % fill
    std::optional<int> ConduitSize; // row of ConduitSizeTable; none when nothing fits

    std::string TotalAreaCaption; // "Area Total: ..."
    std::string DiameterCaption; // "Diameter Required: ..."
    // The size's caption, or "Conduit Size = over 6 inch" when no conduit is large enough.
    std::string ConduitSizeCaption;
};

ConduitFillResult CalcConduitFill(
    const std::array<ConduitGroup, kConduitGroups>& groups, const numtext::Separators& separators);
