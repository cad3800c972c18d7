#include "conduit/conduit_fill.h"

#include <cmath>
#include <cstdint>

namespace {

// 1 / 0.40: the area of a conduit filled to 40 %, per unit of conductor area.
constexpr double kFillMultiplier = 2.5;
// The value of pi the conduit calculation has always used.
constexpr double kPi = 3.1416;

// Larger than every trade size of the table: the size line must not keep an earlier size.
constexpr const char* kNoConduitFits = "Conduit Size = over 6 inch";

// A number of conductors must be a whole number a 16-bit count holds, and not negative:
// a fraction would make the group's line show a product that does not follow from it.
std::optional<std::int16_t> wireCount(
    const std::string& text, const numtext::Separators& separators)
{
    const std::optional<double> value = numtext::toNumber(text, separators);
    if (!value || *value != std::trunc(*value) || *value < 0.0 || *value > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(*value);
}

// The inside diameter of a circle whose area is the total divided by 0.40.
float requiredDiameter(float totalArea)
{
    return static_cast<float>(std::sqrt(totalArea * kFillMultiplier / kPi) * 2.0);
}

} // namespace

ConduitFillResult CalcConduitFill(
    const std::array<ConduitGroup, kConduitGroups>& groups, const numtext::Separators& separators)
{
    ConduitFillResult result;
    std::array<const CondWireAreaRow*, kConduitGroups> rows {};
    std::array<std::int16_t, kConduitGroups> counts {};
    for (int i = 0; i < kConduitGroups; ++i) {
        rows[i] = FindCondWireRow(groups[i].SizeText);
        if (!rows[i])
            continue; // a group without a size is never read further
        const std::optional<std::int16_t> count = wireCount(groups[i].CountText, separators);
        if (!count) {
            result.InvalidCountGroup = i;
            return result;
        }
        counts[i] = *count;
    }

    float total = 0;
    for (int i = 0; i < kConduitGroups; ++i) {
        if (!rows[i])
            continue;
        const float area = rows[i]->area(groups[i].Insulation);
        // The count times a single-precision area is exact in double precision; the
        // product and the running sum are each kept in single precision.
        const double areaOfGroup = counts[i] * static_cast<double>(area);
        const float product = static_cast<float>(areaOfGroup);
        result.GroupLines[i] = std::string(rows[i]->LineLabel)
            + numtext::GeneralNumberText(area, separators) + " * " + groups[i].CountText + " = "
            + numtext::GeneralNumberText(product, separators);
        total = static_cast<float>(total + areaOfGroup);
    }

    result.TotalArea = total;
    result.RequiredDiameter = requiredDiameter(total);
    result.ConduitSize = SelectConduitSize(result.RequiredDiameter);
    result.ConduitSizeCaption = result.ConduitSize
        ? std::string(ConduitSizeTable()[*result.ConduitSize].SizeCaption)
        : kNoConduitFits;
    result.TotalAreaCaption = "Area Total: " + numtext::GeneralNumberText(total, separators);
    result.DiameterCaption
        = "Diameter Required: " + numtext::GeneralNumberText(result.RequiredDiameter, separators);
    return result;
}
