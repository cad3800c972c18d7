#include "conduit/conduit_tables.h"

#include <algorithm>

const std::array<CondWireAreaRow, kCondWireSizes>& CondWireAreaTable()
{
    // The list items right-align the sizes; the line labels align them differently.
    static constexpr std::array<CondWireAreaRow, kCondWireSizes> table {{
        {"   18 awg", "   18 awg:  ", 0.0062f, 0.0088f},
        {"   16 awg", "  16 awg:  ", 0.0079f, 0.0109f},
        {"   14 awg", "  14 awg:  ", 0.0087f, 0.0135f},
        {"   12 awg", "  12 awg:  ", 0.0117f, 0.0206f},
        {"   10 awg", "  10 awg:  ", 0.0184f, 0.0252f},
        {"     8 awg", "   8 awg:  ", 0.0373f, 0.0598f},
        {"     6 awg", "   6 awg:  ", 0.0519f, 0.0819f},
        {"     4 awg", "   4 awg:  ", 0.0845f, 0.1087f},
        {"     3 awg", "   3 awg:  ", 0.0995f, 0.1263f},
        {"     2 awg", "   2 awg:  ", 0.1182f, 0.1473f},
        {"     1 awg", "   1 awg:  ", 0.1590f, 0.2027f},
        {"  1/0 awg", " 1/0 awg:  ", 0.1893f, 0.2367f},
        {"  2/0 awg", " 2/0 awg:  ", 0.2265f, 0.2781f},
        {"  3/0 awg", " 3/0 awg:  ", 0.2715f, 0.3288f},
        {"  4/0 awg", " 4/0 awg:  ", 0.3278f, 0.3904f},
        {"  250 kcmil", " 250 kcmil:  ", 0.4026f, 0.4877f},
        {"  300 kcmil", " 300 kcmil:  ", 0.4669f, 0.5581f},
        {"  350 kcmil", " 350 kcmil:  ", 0.5307f, 0.6291f},
        {"  400 kcmil", " 400 kcmil:  ", 0.5931f, 0.6969f},
        {"  500 kcmil", " 500 kcmil:  ", 0.7163f, 0.8316f},
        {"  600 kcmil", " 600 kcmil:  ", 0.8791f, 1.0261f},
        {"  700 kcmil", " 700 kcmil:  ", 1.0011f, 1.1575f},
        {"  750 kcmil", " 750 kcmil:  ", 1.0623f, 1.2252f},
        {"  800 kcmil", " 800 kcmil:  ", 1.1234f, 1.2908f},
        {"  900 kcmil", " 900 kcmil:  ", 1.2449f, 1.4208f},
        {"1000 kcmil", "1000 kcmil:  ", 1.3623f, 1.5482f},
    }};
    return table;
}

const std::array<ConduitSizeRow, kConduitTradeSizes>& ConduitSizeTable()
{
    // Inside diameters of Schedule 40 pipe of each nominal size.
    static constexpr std::array<ConduitSizeRow, kConduitTradeSizes> table {{
        {0.622f, "Conduit Size = 1/2 inch"},
        {0.824f, "Conduit Size = 3/4 inch"},
        {1.049f, "Conduit Size = 1 inch"},
        {1.38f, "Conduit Size = 1-1/4 inch"},
        {1.61f, "Conduit Size = 1-1/2 inch"},
        {2.067f, "Conduit Size = 2 inch"},
        {2.469f, "Conduit Size = 2-1/2 inch"},
        {3.068f, "Conduit Size = 3 inch"},
        {3.548f, "Conduit Size = 3-1/2 inch"},
        {4.026f, "Conduit Size = 4 inch"},
        {5.047f, "Conduit Size = 5 inch"},
        {6.065f, "Conduit Size = 6 inch"},
    }};
    return table;
}

const CondWireAreaRow* FindCondWireRow(std::string_view sizeText)
{
    const auto& table = CondWireAreaTable();
    const auto row = std::find_if(table.begin(), table.end(),
        [sizeText](const CondWireAreaRow& r) { return r.SizeItem == sizeText; });
    return row == table.end() ? nullptr : &*row;
}

std::optional<float> LookupCondWireArea(std::string_view sizeText, InsulationType insulation)
{
    if (const CondWireAreaRow* row = FindCondWireRow(sizeText))
        return row->area(insulation);
    return std::nullopt;
}

std::optional<int> SelectConduitSize(float requiredDiameter)
{
    const auto& table = ConduitSizeTable();
    const auto row
        = std::find_if(table.begin(), table.end(), [requiredDiameter](const ConduitSizeRow& r) {
              return r.InsideDiameter >= requiredDiameter;
          });
    if (row == table.end())
        return std::nullopt;
    return static_cast<int>(row - table.begin());
}
