#include "app/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace numtext {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool consume(std::string_view& text, std::string_view token)
{
    if (token.empty() || text.substr(0, token.size()) != token)
        return false;
    text.remove_prefix(token.size());
    return true;
}

std::string takeDigits(std::string_view& text)
{
    std::string digits;
    while (!text.empty() && isDigit(text.front())) {
        digits += text.front();
        text.remove_prefix(1);
    }
    return digits;
}

// The integer part with optional group separators: the first group one to three
// digits, every later group exactly three. Empty when there are no digits.
std::optional<std::string> takeIntegerPart(std::string_view& text, const Separators& separators)
{
    std::string digits = takeDigits(text);
    const bool groupingPossible
        = !separators.group.empty() && separators.group != separators.decimal;
    if (digits.empty() || !groupingPossible)
        return digits;

    bool grouped = false;
    std::string_view rest = text;
    while (consume(rest, separators.group)) {
        if (!grouped && digits.size() > 3)
            return std::nullopt;
        std::string group = takeDigits(rest);
        if (group.size() != 3)
            return std::nullopt;
        digits += group;
        grouped = true;
        text = rest;
    }
    return digits;
}

// A number held as its decimal digits: value = 0.d1 d2 d3 ... x 10^pointPosition.
struct Decimal
{
    bool negative = false;
    std::string digits; // no leading zeros; empty for zero
    int pointPosition = 0;
};

Decimal toDecimal(double value, int significantDigits)
{
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0.0)
        return d;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", significantDigits - 1, std::fabs(value));
    const char* p = buffer;
    for (; *p && *p != 'e'; ++p) {
        if (isDigit(*p))
            d.digits += *p;
    }
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    d.pointPosition = exponent + 1;
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

// Rounds half away from zero so that at most `decimals` digits follow the point.
void roundToDecimals(Decimal& d, int decimals)
{
    const int keep = d.pointPosition + decimals;
    if (keep >= static_cast<int>(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits.clear();
        d.pointPosition = 0;
        return;
    }
    const bool roundUp = d.digits[keep] >= '5';
    d.digits.resize(keep);
    if (roundUp) {
        int i = keep - 1;
        while (i >= 0 && d.digits[i] == '9') {
            d.digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[i];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.pointPosition;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        d.pointPosition = 0;
}

std::string integerDigits(const Decimal& d)
{
    if (d.pointPosition <= 0 || d.digits.empty())
        return {};
    std::string result
        = d.digits.substr(0, std::min<std::size_t>(d.digits.size(), d.pointPosition));
    result.append(d.pointPosition - result.size(), '0');
    return result;
}

std::string fractionDigits(const Decimal& d)
{
    if (d.pointPosition >= static_cast<int>(d.digits.size()))
        return {};
    if (d.pointPosition >= 0)
        return d.digits.substr(d.pointPosition);
    return std::string(-d.pointPosition, '0') + d.digits;
}

std::string withGroups(const std::string& digits, const std::string& separator)
{
    std::string result;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            result += separator;
        result += digits[i];
    }
    return result;
}

std::string general(double value, int significantDigits, const Separators& separators)
{
    if (!std::isfinite(value))
        return {};
    Decimal d = toDecimal(value, significantDigits);
    if (d.digits.empty())
        return "0";
    const std::string sign = d.negative ? "-" : "";
    const int exponent = d.pointPosition - 1;
    if (exponent < -4 || exponent >= significantDigits) {
        std::string mantissa = d.digits.substr(0, 1);
        if (d.digits.size() > 1)
            mantissa += separators.decimal + d.digits.substr(1);
        char exponentText[16];
        std::snprintf(exponentText, sizeof exponentText, "E%c%02d", exponent < 0 ? '-' : '+',
            std::abs(exponent));
        return sign + mantissa + exponentText;
    }
    std::string integer = integerDigits(d);
    if (integer.empty())
        integer = "0";
    const std::string fraction = fractionDigits(d);
    return sign + integer + (fraction.empty() ? "" : separators.decimal + fraction);
}

} // namespace

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<double> toNumber(std::string_view text, const Separators& separators)
{
    text = trimBlanks(text);
    std::string ascii;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        if (text.front() == '-')
            ascii += '-';
        text.remove_prefix(1);
    }
    const std::optional<std::string> integer = takeIntegerPart(text, separators);
    if (!integer)
        return std::nullopt;
    std::string fraction;
    if (consume(text, separators.decimal))
        fraction = takeDigits(text);
    if (integer->empty() && fraction.empty())
        return std::nullopt;
    ascii += (integer->empty() ? "0" : *integer) + "." + fraction + "0";

    if (!text.empty() && (text.front() == 'e' || text.front() == 'E')) {
        text.remove_prefix(1);
        ascii += 'e';
        if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
            ascii += text.front();
            text.remove_prefix(1);
        }
        const std::string exponent = takeDigits(text);
        if (exponent.empty())
            return std::nullopt;
        ascii += exponent;
    }
    if (!text.empty())
        return std::nullopt;

    double value = 0.0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int16_t> toInt16(std::string_view text, const Separators& separators)
{
    const std::optional<double> value = toNumber(text, separators);
    if (!value)
        return std::nullopt;
    // nearbyint rounds a half to the even neighbour in the default rounding mode.
    const double whole = std::nearbyint(*value);
    if (whole < -32768.0 || whole > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(whole);
}

std::string format(double value, Mask mask, const Separators& separators, int significantDigits)
{
    if (!std::isfinite(value))
        return {};
    int decimals = 0;
    switch (mask) {
    case Mask::Fixed2:
        decimals = 2;
        break;
    case Mask::Fixed3:
        decimals = 3;
        break;
    case Mask::Fixed1:
    case Mask::GroupedOneDecimal:
        decimals = 1;
        break;
    case Mask::GroupedWhole:
        decimals = 0;
        break;
    }
    Decimal d = toDecimal(value, significantDigits);
    roundToDecimals(d, decimals);
    const std::string sign = d.negative && !d.digits.empty() ? "-" : "";
    const std::string integer = integerDigits(d);
    std::string fraction = fractionDigits(d);

    switch (mask) {
    case Mask::Fixed2:
    case Mask::Fixed3:
    case Mask::Fixed1:
        fraction.append(decimals - fraction.size(), '0');
        return sign + (integer.empty() ? "0" : integer) + separators.decimal + fraction;
    case Mask::GroupedOneDecimal:
        return sign + withGroups(integer, separators.group) + separators.decimal + fraction;
    case Mask::GroupedWhole:
        return sign + withGroups(integer, separators.group);
    }
    return {};
}

std::string formatGrouped(double value, int decimals, const Separators& separators)
{
    if (!std::isfinite(value))
        return {};
    decimals = std::clamp(decimals, 0, kDoubleDigits);
    Decimal d = toDecimal(value, kDoubleDigits);
    roundToDecimals(d, decimals);
    const std::string sign = d.negative && !d.digits.empty() ? "-" : "";
    const std::string integer = integerDigits(d);
    std::string text = sign + (integer.empty() ? "0" : withGroups(integer, separators.group));
    if (decimals > 0) {
        std::string fraction = fractionDigits(d);
        fraction.append(decimals - fraction.size(), '0');
        text += separators.decimal + fraction;
    }
    return text;
}

std::string formatTrimmed(double value, int decimals, const Separators& separators)
{
    std::string text = formatGrouped(value, decimals, separators);
    const std::size_t point = decimals > 0 ? text.rfind(separators.decimal) : std::string::npos;
    if (point == std::string::npos)
        return text;
    std::size_t end = text.size();
    while (end > point + separators.decimal.size() && text[end - 1] == '0')
        --end;
    if (end == point + separators.decimal.size())
        end = point;
    return text.substr(0, end);
}

std::string formatText(std::string_view text, Mask mask, const Separators& separators)
{
    const std::optional<double> value = toNumber(text, separators);
    return value ? format(*value, mask, separators) : std::string(text);
}

std::string GeneralNumberText(float value, const Separators& separators)
{
    return general(value, kSingleDigits, separators);
}

std::string GeneralNumberText(double value, const Separators& separators)
{
    return general(value, kDoubleDigits, separators);
}

std::string plainNumber(long long value)
{
    return std::to_string(value);
}

} // namespace numtext
