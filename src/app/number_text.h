#pragma once

// How numbers travel between the user's text and the calculators: reading typed
// numbers, the fixed format masks of the result texts and the general conversion
// used where no mask is given. Free of any toolkit so the engines can use it; the
// pages pass in their locale's separators.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace numtext {

// The separators of the user's locale, as UTF-8 text.
struct Separators
{
    std::string decimal = ".";
    std::string group = ",";
};

// The text without the blanks (spaces and tabs) a user may type around it.
std::string_view trimBlanks(std::string_view text);

// Reads a typed decimal number. Blanks around it, a sign, digit-group separators in
// the integer part (in groups of three) and an exponent are accepted. Empty text,
// anything else, and a value beyond double range give no number.
std::optional<double> toNumber(std::string_view text, const Separators& separators = {});

// Reads a typed number as a 16-bit whole number, a half going to the even
// neighbour (2.5 gives 2, 3.5 gives 4). No number outside -32768..32767.
std::optional<std::int16_t> toInt16(std::string_view text, const Separators& separators = {});

// The format masks of the result texts. Rounding is half away from zero on the
// value's decimal form at the given number of significant digits.
enum class Mask
{
    Fixed2, // "##0.00": two decimals, at least one integer digit
    Fixed3, // "##0.000"
    Fixed1, // "##0.0"
    GroupedOneDecimal, // "#,###.#": thousands commas, at most one decimal, always the point
    GroupedWhole, // "#,###": thousands commas, whole number, empty when it rounds to 0
};

inline constexpr int kDoubleDigits = 15;
inline constexpr int kSingleDigits = 7;

std::string format(double value, Mask mask, const Separators& separators = {},
    int significantDigits = kDoubleDigits);

// The integer part in groups of three, then exactly `decimals` digits (0 to 15) after the
// decimal separator, none for 0: "1,234.56". Rounding as for the masks.
std::string formatGrouped(double value, int decimals, const Separators& separators = {});

// As formatGrouped, without the trailing zeros of the decimals, nor the separator when none
// is left: "263.9", "400".
std::string formatTrimmed(double value, int decimals, const Separators& separators = {});

// Applies a mask to the value of a text; a text that is not a number comes back as it is.
std::string formatText(std::string_view text, Mask mask, const Separators& separators = {});

// The general conversion where no mask is given: the shortest ordinary decimal form at
// the type's precision, exponent form (1.5E+07, 1E-05) below 0.0001 and from the
// precision's power of ten up (10,000,000 for a single).
std::string GeneralNumberText(float value, const Separators& separators = {});
std::string GeneralNumberText(double value, const Separators& separators = {});

// A count shown in a text: its digits only.
std::string plainNumber(long long value);

} // namespace numtext
