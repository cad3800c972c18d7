#pragma once

// The conduit sizer's own data: the cross-section area of one insulated conductor per
// size and insulation, and the trade sizes of conduit with their inside diameters.
// Both are kept in single precision, as the conduit calculation has always used them.

#include <array>
#include <optional>
#include <string_view>

enum class InsulationType
{
    THHN,
    THW,
};

struct CondWireAreaRow
{
    std::string_view SizeItem; // the size box's list item, leading blanks included
    std::string_view LineLabel; // begins a group's result line
    float AreaThhn = 0; // square inches
    float AreaThw = 0;

    float area(InsulationType insulation) const
    {
        return insulation == InsulationType::THHN ? AreaThhn : AreaThw;
    }
};

struct ConduitSizeRow
{
    float InsideDiameter = 0; // inches
    std::string_view SizeCaption;
};

inline constexpr int kCondWireSizes = 26;
inline constexpr int kConduitTradeSizes = 12;

// In size order, the order of the size boxes' lists.
const std::array<CondWireAreaRow, kCondWireSizes>& CondWireAreaTable();
// In ascending order, 1/2 inch to 6 inch.
const std::array<ConduitSizeRow, kConduitTradeSizes>& ConduitSizeTable();

// The row whose list item is exactly the text: same characters, case and blanks.
const CondWireAreaRow* FindCondWireRow(std::string_view sizeText);

std::optional<float> LookupCondWireArea(std::string_view sizeText, InsulationType insulation);

// The row of the smallest conduit whose inside diameter is at least the required one;
// none when even the largest is too small.
std::optional<int> SelectConduitSize(float requiredDiameter);
