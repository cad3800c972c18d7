#include "nec/circuit_result.h"

#include <algorithm>
#include <cstddef>

namespace nec {

std::string_view SizingRuleName(SizingRule rule)
{
    constexpr std::array<std::string_view, kSizingRules> names {"terminals", "conditions of use",
        "protection", "small conductor", "parallel minimum", "voltage drop"};
    return names[static_cast<std::size_t>(rule)];
}

std::string_view CheckName(CheckKind kind)
{
    constexpr std::array<std::string_view, 10> names {"device rating", "conductor size",
        "terminals", "conditions of use", "protection", "small conductor", "parallel minimum",
        "voltage drop", "total voltage drop", "raceway fill"};
    return names[static_cast<std::size_t>(kind)];
}

std::string_view VerdictWord(bool meets)
{
    return meets ? "meets" : "does not meet";
}

std::string SetCountText(int sets)
{
    return std::to_string(sets) + (sets == 1 ? " set" : " sets");
}

bool CircuitResult::meetsEveryCheck() const
{
    return std::all_of(
        Checks.begin(), Checks.end(), [](const Check& check) { return check.Meets; });
}

} // namespace nec
