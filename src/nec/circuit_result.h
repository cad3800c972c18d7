#pragma once

// What a circuit check finds: every figure, every check with "meets" or "does not meet",
// the governing factor, and the working, step by step. Built by nec/circuit_check.

#include "nec/choices.h"
#include "nec/conductor_size.h"
#include "nec/fill.h"
#include "nec/tables.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nec {

// The rules' own figures, for the check and for its working.
inline constexpr double kContinuousFactor = 1.25; // 210.20(A), 215.3, 210.19(A)(1), 215.2(A)(1)
inline constexpr int kLargestRoundUpDevice = 800; // 240.4(B); above it 240.4(C)
inline constexpr double kTotalDropPercent = 5; // feeder and branch circuit together

// The rules a conductor size must meet, in the order that settles a tie for the
// governing factor.
enum class SizingRule
{
    Terminals, // 110.14(C), 210.19(A)(1), 215.2(A)(1)
    ConditionsOfUse, // 210.19(A)(2), 215.2(A)(2), 310.15
    Protection, // 240.4
    SmallConductor, // 240.4(D)
    ParallelMinimum, // 310.10(G)(1)
    VoltageDrop, // the design limit
};

inline constexpr int kSizingRules = 6;

inline constexpr std::array<SizingRule, kSizingRules> kAllSizingRules {SizingRule::Terminals,
    SizingRule::ConditionsOfUse, SizingRule::Protection, SizingRule::SmallConductor,
    SizingRule::ParallelMinimum, SizingRule::VoltageDrop};

// "terminals", "conditions of use", "protection", "small conductor", "parallel minimum",
// "voltage drop".
std::string_view SizingRuleName(SizingRule rule);

struct LoadFigures
{
    double Amps = 0; // the whole load, I
    double ContinuousAmps = 0;
    double NoncontinuousAmps = 0;
    double TerminalAmpsNeeded = 0; // 1.25 · continuous + noncontinuous: rule 1 and the device
};

struct DeviceFigures
{
    std::optional<int> Rating; // none: no standard rating up to the largest is large enough
    bool Automatic = true;
    bool Standard = true; // a rating of 240.6(A); a given one that is not is accepted with a note
    bool FusesOnly = false; // a standard rating for fuses only (1, 3, 6, 601 A)
    bool Meets = false; // not below TerminalAmpsNeeded
};

// What the ampacity of every size is worked from.
struct AmpacityBasis
{
    TemperatureRating TerminalColumn
        = TemperatureRating::C75; // the lower of terminals and insulation
    TemperatureRating InsulationColumn = TemperatureRating::C90;
    double AmbientCelsius = 30;
    const AmbientRow* Ambient = nullptr; // none above the table
    std::optional<double> AmbientFactor; // none: the table gives no factor, no size works
    int CurrentCarryingConductors = 3; // in one raceway
    const AdjustmentRow* Adjustment = nullptr; // none for three or fewer
    double AdjustmentFactor = 1;
};

struct SetsAndSize
{
    int Sets = 1;
    ConductorSize Size = ConductorSize::Awg14;
};

struct ConductorChoice
{
    int Sets = 1;
    ConductorSize Size = ConductorSize::Awg14;
    SizingRule Governing = SizingRule::Terminals;
    // With the chosen sets, the smallest size each rule alone would allow.
    std::array<ConductorSize, kSizingRules> SmallestForRule {};
    // Automatic sets: no number of sets up to 20 worked within the largest size per set,
    // so the size was searched without it.
    bool LargestSizeExceeded = false;
    // Automatic sets: fewer sets of a size above the largest per set would have done;
    // the sets were added because of that limit.
    std::optional<SetsAndSize> WithoutLargestSize;

    int TerminalAmpacity = 0; // one conductor, Table 310.16 at the terminal column
    int InsulationAmpacity = 0; // one conductor, Table 310.16 at the insulation's column
    double Ampacity = 0; // one conductor under its conditions of use, A(s)

    int terminalAmpacityAllSets() const { return Sets * TerminalAmpacity; }
    double ampacityAllSets() const { return Sets * Ampacity; }
};

// Why no size was chosen.
enum class NoSizeReason
{
    NoStandardDevice, // the load needs more than the largest standard rating
    NoAmbientFactor, // the ambient table gives no factor for the insulation's column
    NoSetsWork, // automatic: no number of sets up to 20 works with any size
    NoSizeWithGivenSets, // given sets: no size up to the largest meets every rule
};

struct DropFigures
{
    bool DirectCurrent = false;
    double Resistance = 0; // per 1000 ft: Table 9 AC, or Table 8 DC
    double Reactance = 0; // per 1000 ft, Table 9; 0 on DC
    double EffectiveZ = 0; // R · PF + XL · sin θ; the DC resistance on DC
    double Volts = 0;
    double Percent = 0;
    double LoadVolts = 0;
    double TotalPercent = 0; // with the drop upstream
    std::optional<double> ExactVolts; // AC only; none when the source cannot carry the load
    double LimitPercent = 0; // what the maximum length is worked to
    double MaxLengthFeet = 0; // whole feet, rounded down
};

struct EgcFigures
{
    const EgcRow* Row = nullptr; // the 250.122 row of the device
    nec::Material Material = nec::Material::Copper;
    ConductorSize Minimum = ConductorSize::Awg14; // the table's size, at least 12 AWG aluminum
    std::int64_t BaseCircularMils = 0; // per phase, the smallest that meets rules 1 to 5
    std::int64_t ChosenCircularMils = 0; // per phase, sets · the chosen size
    bool Upsized = false; // 250.122(B)
    double RequiredCircularMils = 0; // the minimum's, grown in the same ratio
    std::optional<ConductorSize> Size; // none: larger than the largest size of Table 8
    bool Capped = false; // 250.122(A): not larger than the phase conductors
    int Count = 1; // one in each raceway, 250.122(F)(1)(b)
};

struct RacewayFigures
{
    int PhaseAndNeutralConductors = 0; // in each raceway, beside the grounding conductor
    std::optional<FillResult> Fill; // none when a conductor's area is not listed
};

enum class FaultStatus
{
    NotGiven, // no available fault current at the source
    DirectCurrent, // the point-to-point method is not for DC
    Computed,
};

struct FaultFigures
{
    FaultStatus Status = FaultStatus::NotGiven;
    PointToPointC C;
    double F = 0;
    double M = 0;
    double FromSourceAmps = 0; // I_s · M
    double MotorContributionAmps = 0; // 4 · motor load
    double AtEndAmps = 0;
};

enum class CheckKind
{
    Device, // not below 125 % of the continuous load plus the rest
    Conductor, // a size was found
    Terminals,
    ConditionsOfUse,
    Protection,
    SmallConductor,
    ParallelMinimum,
    VoltageDrop, // this circuit's drop against the design limit
    TotalDrop, // with the drop upstream, against 5 %
    Raceway, // a trade size of the type holds the conductors
};

// "device rating", "conductor size", "terminals", ..., "raceway fill".
std::string_view CheckName(CheckKind kind);

// A check's outcome in words, never by colour alone: "meets", "does not meet".
std::string_view VerdictWord(bool meets);

// "1 set", "2 sets".
std::string SetCountText(int sets);

struct Check
{
    CheckKind Kind = CheckKind::Device;
    bool Meets = false;
    // What the circuit has and what the check needs: amperes for the device, terminals,
    // conditions of use and protection (all sets), the device against its largest for a
    // small conductor, percent for the drops and the fill; 0 where nothing is measured.
    double Figure = 0;
    double Needed = 0;
    bool ByNextStandardRating = false; // protection met by 240.4(B)
};

// One step of the working.
struct WorkingStep
{
    std::string What; // "Load current"
    std::string Formula; // "I = S / (√3 · V)"
    std::string Numbers; // "I = 332,550 VA / (√3 · 480 V) = 400 A"
    std::string Source; // "Table 310.16, 75 °C copper, 250 kcmil: 255 A"; may be empty
    std::string Section; // "215.2(A)(1)"; may be empty
};

struct CircuitResult
{
    LoadFigures Load;
    DeviceFigures Device;
    AmpacityBasis Basis;
    std::optional<ConductorChoice> Conductors; // none: see NoSize
    std::optional<NoSizeReason> NoSize;
    // No size: the rules that fail at the largest size (with the given sets, or 20).
    std::vector<SizingRule> FailingAtLargestSize;
    std::optional<DropFigures> Drop;
    std::optional<EgcFigures> Egc;
    std::optional<RacewayFigures> Raceway;
    FaultFigures Fault;
    // 75 °C or 90 °C terminals on a circuit of 100 A or less: the equipment must be
    // listed and marked for that temperature, 110.14(C)(1)(a).
    bool ListingNote = false;
    std::vector<Check> Checks; // in the order of the summary
    std::vector<WorkingStep> Working;

    bool meetsEveryCheck() const;
};

} // namespace nec
