#pragma once

// The words and figures of a raceway fill, as the Raceway Fill window shows them and as
// its report for the results sheet states them, in the user's separators. Made from the
// fill engine's result; nothing here decides what fits.

#include "app/number_text.h"
#include "nec/fill.h"

#include <string>
#include <string_view>
#include <vector>

// "1,000": a count of conductors.
std::string ConductorCountText(int count, const numtext::Separators& separators = {});

// "0.2179 in²": the conductors' area, to the four decimals of Chapter 9 Tables 5 and 8.
std::string ConductorAreaText(nec::Area area, const numtext::Separators& separators = {});

// "0.304 in²": a raceway's area, to the three decimals Chapter 9 Table 4 prints.
std::string RacewayAreaText(nec::Area area, const numtext::Separators& separators = {});

// "39.6 %": a fill to one decimal.
std::string FillPercentText(double percent, const numtext::Separators& separators = {});

// "40 %": the fill Table 1 allows.
std::string AllowedPercentText(int percent);

// "over two conductors", "nipple, 24 in or less": the case of Table 1 that applies.
std::string_view FillLimitWords(nec::FillLimit limit);

// The smallest trade size that fits, with the type: "3/4 RMC"; where none does, "No trade
// size of RMC holds these conductors."
std::string AnswerText(const nec::FillResult& result, nec::RacewayType raceway);

// "fits", "fits by Note 7" (above the allowed area, but no more conductors than Note 7
// lets the trade size hold), or "does not fit".
std::string_view FitsText(const nec::TradeSizeFill& size);

// One trade size of the type, as a row of the window's table.
struct TradeSizeTexts
{
    std::string TradeSize; // "1-1/4"
    std::string TotalArea; // "1.496 in²"
    std::string AllowedArea; // "0.598 in²"
    std::string PercentFill; // "8.9 %"
    std::string Fits; // FitsText
};

// Every trade size of the result, the smallest first.
std::vector<TradeSizeTexts> TradeSizeTable(
    const nec::FillResult& result, const numtext::Separators& separators = {});

// What a "how many fit" count rests on: "At 40 %, with Note 7's rounding", "Two at 31 %",
// "One at 53 %", "Not one at 53 %", or in a nipple "At 60 % (nipple), with Note 7's
// rounding".
std::string HowManyFitBasis(int count, bool nipple);

// The report for the results sheet: the heading, the date and time the button was
// pressed, the groups with their areas, the tables the areas came from, the raceway, the
// fill Table 1 allows, and the answer with its fill. Lines break with a carriage return
// and line feed; the report ends without one.
std::string BuildRacewayFillReport(const nec::FillRequest& request, const nec::FillResult& result,
    std::string_view dateTimeText, const numtext::Separators& separators = {});
