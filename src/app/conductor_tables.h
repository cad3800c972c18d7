#pragma once

// The conductor data of the voltage-drop calculator: names, areas and allowable
// ampacities (ConductorTable) and resistance and reactance per 1000 ft of one
// conductor (ImpedanceTable). Row i is item i of the Voltage Drop page's size list.

#include <cstdint>
#include <string_view>

inline constexpr int kConductorRows = 24; // 23 sizes and the empty row past them

// The rows the rules name.
inline constexpr int kRow18Awg = 0;
inline constexpr int kRow16Awg = 1;
inline constexpr int kRow14Awg = 2;
inline constexpr int kRow12Awg = 3;
inline constexpr int kRow8Awg = 5;
inline constexpr int kRow1Awg = 10;
inline constexpr int kRow1_0Awg = 11; // "1/0 awg"
inline constexpr int kLastSizeRow = 22; // "1000 kcmil"
inline constexpr int kRowPastTable = 23; // reads as an empty name and zeros

enum class AmpsColumn
{
    AmpsCu75,
    AmpsAl75,
    AmpsCu90,
    AmpsAl90,
};

struct ConductorRow
{
    std::string_view SizeName;
    // The name as the Voltage Drop page's size list shows it: leading blanks line the
    // sizes up on the right.
    std::string_view ListItem;
    std::int32_t AreaCmil = 0;
    std::int16_t AmpsCu75 = 0;
    std::int16_t AmpsAl75 = 0;
    std::int16_t AmpsCu90 = 0;
    std::int16_t AmpsAl90 = 0;

    std::int16_t amps(AmpsColumn column) const;
};

enum class ImpedanceColumn
{
    XlPvcAl,
    XlSteel,
    RacCuPvc,
    RacCuAl,
    RacCuSteel,
    RacAlPvc,
    RacAlAl,
    RacAlSteel,
    RdcCuUncoated,
    RdcCuCoated,
    RdcAl,
};

inline constexpr int kImpedanceColumns = 11;

// Any row outside 0..22, the empty row 23 included, reads as an empty name and zeros.
const ConductorRow& ConductorTable(int row);
double ImpedanceTable(int row, ImpedanceColumn column);
