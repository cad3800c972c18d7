#include "app/conductor_tables.h"

#include <array>

namespace {

// A row whose name is its list item without the blanks that line it up.
constexpr ConductorRow listed(std::string_view listItem, std::int32_t areaCmil,
    std::int16_t ampsCu75, std::int16_t ampsAl75, std::int16_t ampsCu90, std::int16_t ampsAl90)
{
    return {listItem.substr(listItem.find_first_not_of(' ')), listItem, areaCmil, ampsCu75,
        ampsAl75, ampsCu90, ampsAl90};
}

// Ampacities from row 5 ("8 awg") on are those of three current-carrying conductors in
// raceway, cable or earth. Rows 2 to 4 carry the small-conductor limits instead, and
// rows 0 and 1 the ratings of 18 and 16 awg, usable only as 90 C copper.
constexpr std::array<ConductorRow, kConductorRows> kConductors {{
    listed("   18 awg", 1620, 7, 7, 14, 7), listed("   16 awg", 2580, 10, 10, 18, 10),
    listed("   14 awg", 4110, 15, 10, 15, 10), listed("   12 awg", 6530, 20, 15, 20, 15),
    listed("   10 awg", 10380, 30, 25, 30, 25), listed("     8 awg", 16510, 50, 40, 55, 45),
    listed("     6 awg", 26240, 65, 50, 75, 60), listed("     4 awg", 41740, 85, 65, 95, 75),
    listed("     3 awg", 52620, 100, 75, 110, 85), listed("     2 awg", 66360, 115, 90, 130, 100),
    listed("     1 awg", 83690, 130, 100, 150, 115),
    listed("  1/0 awg", 105600, 150, 120, 170, 135),
    listed("  2/0 awg", 133100, 175, 135, 195, 150),
    listed("  3/0 awg", 167800, 200, 155, 225, 175),
    listed("  4/0 awg", 211600, 230, 180, 260, 205),
    listed("  250 kcmil", 250000, 255, 205, 290, 230),
    listed("  300 kcmil", 300000, 285, 230, 320, 255),
    listed("  350 kcmil", 350000, 310, 250, 350, 280),
    listed("  400 kcmil", 400000, 335, 270, 380, 305),
    listed("  500 kcmil", 500000, 380, 310, 430, 350),
    listed("  600 kcmil", 600000, 420, 340, 475, 385),
    listed("  750 kcmil", 750000, 475, 385, 535, 435),
    listed("1000 kcmil", 1000000, 545, 445, 615, 500), {}, // row 23 stays empty
}};

using ImpedanceRow = std::array<double, kImpedanceColumns>;

// Ohms per 1000 ft of one conductor. Columns in ImpedanceColumn order: reactance in
// PVC/aluminum and in steel conduit, AC resistance of copper and of aluminum in PVC,
// aluminum and steel conduit, then DC resistance of uncoated copper, coated copper
// and aluminum.
constexpr std::array<ImpedanceRow, kConductorRows> kImpedances {{
    {0, 0, 7.96, 7.96, 7.96, 13.1, 13.1, 13.1, 7.96, 8.45, 13.1},
    {0, 0, 4.99, 4.99, 4.99, 8.21, 8.21, 8.21, 4.99, 5.29, 8.21},
    {0.058, 0.073, 3.1, 3.1, 3.1, 5.17, 5.17, 5.17, 3.14, 3.29, 5.17},
    {0.054, 0.068, 2, 2, 2, 3.2, 3.2, 3.2, 1.98, 2.05, 3.25},
    {0.05, 0.063, 1.2, 1.2, 1.2, 2, 2, 2, 1.24, 1.29, 2.04},
    {0.052, 0.065, 0.78, 0.78, 0.78, 1.3, 1.3, 1.3, 0.778, 0.809, 1.28},
    {0.051, 0.064, 0.49, 0.49, 0.49, 0.81, 0.81, 0.81, 0.491, 0.51, 0.808},
    {0.048, 0.06, 0.31, 0.31, 0.31, 0.51, 0.51, 0.51, 0.308, 0.321, 0.508},
    {0.047, 0.059, 0.25, 0.25, 0.25, 0.4, 0.41, 0.4, 0.245, 0.254, 0.403},
    {0.045, 0.057, 0.19, 0.2, 0.2, 0.32, 0.32, 0.32, 0.194, 0.201, 0.319},
    {0.046, 0.057, 0.15, 0.16, 0.16, 0.25, 0.26, 0.25, 0.154, 0.16, 0.253},
    {0.044, 0.055, 0.12, 0.13, 0.12, 0.2, 0.21, 0.2, 0.122, 0.127, 0.201},
    {0.043, 0.054, 0.1, 0.1, 0.1, 0.16, 0.16, 0.16, 0.0967, 0.101, 0.159},
    {0.042, 0.052, 0.077, 0.082, 0.079, 0.13, 0.13, 0.13, 0.0766, 0.0797, 0.126},
    {0.041, 0.051, 0.062, 0.067, 0.063, 0.1, 0.11, 0.1, 0.0608, 0.0626, 0.1},
    {0.041, 0.052, 0.052, 0.057, 0.054, 0.085, 0.09, 0.086, 0.0515, 0.0535, 0.0847},
    {0.041, 0.051, 0.044, 0.049, 0.045, 0.071, 0.076, 0.072, 0.0429, 0.0446, 0.0707},
    {0.04, 0.05, 0.038, 0.043, 0.039, 0.061, 0.066, 0.063, 0.0367, 0.0382, 0.0605},
    {0.04, 0.049, 0.033, 0.038, 0.035, 0.054, 0.059, 0.055, 0.0321, 0.0331, 0.0529},
    {0.039, 0.048, 0.027, 0.032, 0.029, 0.043, 0.048, 0.045, 0.0258, 0.0265, 0.0424},
    {0.039, 0.048, 0.023, 0.028, 0.025, 0.036, 0.041, 0.038, 0.0214, 0.0223, 0.0353},
    {0.038, 0.048, 0.019, 0.024, 0.021, 0.029, 0.034, 0.031, 0.0171, 0.0176, 0.0282},
    {0.037, 0.046, 0.015, 0.019, 0.018, 0.023, 0.027, 0.025, 0.0129, 0.0132, 0.0212},
    {}, // row 23 stays empty
}};

bool inTable(int row)
{
    return row >= 0 && row < kConductorRows;
}

} // namespace

std::int16_t ConductorRow::amps(AmpsColumn column) const
{
    switch (column) {
    case AmpsColumn::AmpsCu75:
        return AmpsCu75;
    case AmpsColumn::AmpsAl75:
        return AmpsAl75;
    case AmpsColumn::AmpsCu90:
        return AmpsCu90;
    case AmpsColumn::AmpsAl90:
        return AmpsAl90;
    }
    return 0;
}

const ConductorRow& ConductorTable(int row)
{
    return kConductors[inTable(row) ? row : kRowPastTable];
}

double ImpedanceTable(int row, ImpedanceColumn column)
{
    return kImpedances[inTable(row) ? row : kRowPastTable][static_cast<int>(column)];
}
