#pragma once

#include "app/number_text.h"

#include <cstdint>

// The separators of a few locales the program may meet.
inline numtext::Separators fuzzSeparators(std::uint8_t choice)
{
    switch (choice % 4) {
    case 0:
        return {".", ","}; // United States
    case 1:
        return {",", "."}; // Germany
    case 2:
        return {",", "\u202f"}; // France
    default:
        return {".", ""}; // no grouping
    }
}
