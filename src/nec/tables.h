#pragma once

// The tables of the current code (NEC 2023), typed. Each is read from its file of
// src/nec/data (nec/data_files) once, on first use; nothing is interpolated, and an
// empty cell (a dash in the NEC) reads as no value. Sizes are named as the tables name
// them (nec/conductor_size); areas are exact (see Area).

#include "nec/choices.h"
#include "nec/conductor_size.h"

#include <compare>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace nec {

// An area in ten-thousandths of a square inch. Chapter 9 Tables 4, 5 and 8 print their
// areas to four decimals at most, so sums and comparisons of them are exact.
struct Area
{
    std::int64_t TenThousandths = 0;

    double SquareInches() const { return static_cast<double>(TenThousandths) / 10000.0; }

    friend Area operator+(Area a, Area b) { return {a.TenThousandths + b.TenThousandths}; }
    friend Area operator*(std::int64_t count, Area a) { return {count * a.TenThousandths}; }
    auto operator<=>(const Area&) const = default;
};

// Table 310.16: the allowable ampacity of one insulated conductor, 30 °C ambient, not
// more than three current-carrying conductors. None where the table prints a dash.
std::optional<int> Ampacity(ConductorSize size, Material material, TemperatureRating column);

// Table 310.15(B)(1)(1): one row of ambient temperatures.
struct AmbientRow
{
    std::string CelsiusText; // "36-40", "10 or less"
    std::string FahrenheitText; // "96-104"
    double HighestCelsius = 0; // the row's upper end
    std::optional<double> Factor60; // none where the table prints a dash
    std::optional<double> Factor75;
    std::optional<double> Factor90;

    std::optional<double> factor(TemperatureRating column) const;
};

// The row an ambient temperature reads: the first whose upper end is not below it, so
// that an ambient between two rows reads the next higher one (30.5 °C reads 31-35 °C).
// None above the last row.
const AmbientRow* AmbientRowFor(double celsius);

// Table 310.15(C)(1): one row of current-carrying conductor counts.
struct AdjustmentRow
{
    std::string CountText; // "4-6", "41 and above"
    int LowestCount = 0;
    std::optional<int> HighestCount; // none for the open-ended last row
    int Percent = 0;
    double Factor = 0;
};

// The row for this many current-carrying conductors in one raceway; none for three or
// fewer, which need no adjustment.
const AdjustmentRow* AdjustmentRowFor(int count);

// Chapter 9 Table 5 (insulated) or Table 8 (bare, stranded): the area of one conductor.
struct ConductorArea
{
    Area Value;
    std::string_view TableRows; // "THHN, THWN, THWN-2", or "stranded" for a bare conductor
};

// Which rows of Table 5 an insulation reads (THW and TW share the "TW, THW, THHW,
// THW-2" rows, RHW-2 reads the rows without outer covering). None for a size those rows
// do not list.
std::optional<ConductorArea> ConductorAreaOf(ConductorSize size, Insulation insulation);

// Chapter 9 Table 1 and its Note (4).
enum class FillLimit
{
    OneConductor,
    TwoConductors,
    OverTwo,
    Nipple, // 24 in. or less between enclosures
};

int FillPercent(FillLimit limit); // 53, 31, 40, 60

// Chapter 9 Table 4: one trade size of a raceway type.
struct RacewayRow
{
    std::string TradeSize; // "1/2", "2-1/2"
    double InternalDiameter = 0; // inches
    Area Total;
    Area Percent40;
    Area Percent60;
    Area Percent53;
    Area Percent31;

    // The printed area for a fill limit.
    Area allowed(FillLimit limit) const;
};

// The trade sizes of a type, the smallest first.
std::span<const RacewayRow> RacewayRows(RacewayType type);

// Chapter 9 Table 8: the stranded conductor of a size.
struct StrandedConductor
{
    std::int64_t CircularMils = 0;
    Area OverallArea;
    double DcOhmsCopper = 0; // per 1000 ft at 75 °C, uncoated copper
    double DcOhmsAluminum = 0;

    double dcOhms(Material material) const;
};

const StrandedConductor& StrandedConductorOf(ConductorSize size);

// Chapter 9 Table 9: reactance and AC resistance per 1000 ft, three single conductors
// in conduit, 75 °C.
struct AcImpedance
{
    double Reactance = 0;
    double Resistance = 0;
};

// None where the table gives no value (aluminum 14 AWG) or has no row.
std::optional<AcImpedance> AcImpedanceOf(
    ConductorSize size, Material material, RacewayMaterial raceway);

// The sizes Table 9 gives values for in this material, the smallest first: the sizes a
// circuit may use (14 AWG copper or 12 AWG aluminum to 1000 kcmil, without 700, 800
// and 900 kcmil).
std::span<const ConductorSize> CircuitSizes(Material material);

// Table 250.122: the row of the smallest rating not below the device's.
struct EgcRow
{
    int RatingNotExceeding = 0;
    ConductorSize Copper = ConductorSize::Awg14;
    ConductorSize Aluminum = ConductorSize::Awg12;

    ConductorSize size(Material material) const;
};

// None for a rating above the last row.
const EgcRow* EgcRowFor(double deviceRating);

// 240.6(A): a standard ampere rating.
struct StandardRating
{
    int Amperes = 0;
    bool FusesOnly = false; // 1, 3, 6 and 601 A; the others apply to fuses and inverse
                            // time circuit breakers
};

// In the order of the file: the table, then the ratings for fuses only.
std::span<const StandardRating> StandardRatings();

// The 240.6(A) rating of exactly these amperes, for fuses only included; none for a
// rating that is not standard.
const StandardRating* FindStandardRating(int amperes);

// 240.4(D): the largest device allowed on a small conductor.
struct SmallConductorLimit
{
    std::string Item; // "240.4(D)(6)"
    int MaxDeviceAmperes = 0;
};

// None for a size and material the section does not limit. Copper-clad aluminum, which
// the tools do not offer, is not read.
const SmallConductorLimit* SmallConductorLimitOf(ConductorSize size, Material material);

// The point-to-point constant C of three single conductors (fuse maker's handbook), in
// steel conduit or in nonmagnetic conduit.
struct PointToPointC
{
    int Value = 0;
    bool Unconfirmed = false; // the file marks it "?"
};

std::optional<PointToPointC> PointToPointCOf(
    ConductorSize size, Material material, RacewayMaterial raceway);

} // namespace nec
