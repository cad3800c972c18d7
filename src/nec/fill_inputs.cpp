#include "nec/fill_inputs.h"

#include <algorithm>
#include <cmath>

namespace nec {

namespace {

bool isBlank(const std::string& text)
{
    return numtext::trimBlanks(text).empty();
}

} // namespace

FillReading ReadFillInputs(const FillTexts& texts, const numtext::Separators& separators)
{
    FillReading reading;
    FillRequest request;
    request.Raceway = texts.Raceway;
    request.Nipple = texts.Nipple;

    const int rows = std::min(static_cast<int>(texts.Groups.size()), kMostFillGroups);
    for (int row = 0; row < rows; ++row) {
        const FillGroupTexts& group = texts.Groups[row];
        if (isBlank(group.Count))
            continue;
        const std::optional<double> count = numtext::toNumber(group.Count, separators);
        if (!count || *count != std::floor(*count) || *count < 0
            || *count > kMostConductorsInGroup) {
            reading.Problems.push_back({row, FillRowField::Count,
                "a whole number from 0 to "
                    + numtext::formatGrouped(kMostConductorsInGroup, 0, separators)});
            continue;
        }
        if (*count == 0)
            continue;
        const std::optional<ConductorSize> size = FindSize(group.Size);
        if (!size) {
            reading.Problems.push_back({row, FillRowField::Size, "not a size of the tables"});
            continue;
        }
        if (!ConductorAreaOf(*size, group.Insulation)) {
            reading.Problems.push_back(
                {row, FillRowField::Size, UnlistedSizeReason(*size, group.Insulation)});
            continue;
        }
        request.Groups.push_back({static_cast<int>(*count), *size, group.Insulation});
    }

    if (reading.Problems.empty() && !request.Groups.empty())
        reading.Request = std::move(request);
    return reading;
}

std::string UnlistedSizeReason(ConductorSize size, Insulation insulation)
{
    return std::string(SizeName(size)) + " is not listed for "
        + std::string(InsulationName(insulation));
}

} // namespace nec
