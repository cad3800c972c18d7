#pragma once

// The inputs of a circuit check: the window's controls as the user left them
// (CircuitTexts), the numbers the engine works with (CircuitInput), and the reading that
// turns the one into the other or says which fields are wrong or still empty. Numbers are
// read in the user's locale; nothing is computed from a half-typed value.

#include "app/number_text.h"
#include "nec/choices.h"
#include "nec/conductor_size.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nec {

enum class SystemType
{
    Dc2Wire,
    OnePhase2Wire,
    OnePhase3Wire, // 120/240 V
    ThreePhase3Wire,
    ThreePhase4Wire,
};

enum class LoadUnit
{
    Amperes,
    KiloVoltAmperes,
    Kilowatts,
};

// Changes only the words of the report and the sections it cites.
enum class CircuitKind
{
    Feeder,
    BranchCircuit,
};

enum class TemperatureUnit
{
    Celsius,
    Fahrenheit,
};

// "DC 2-wire", ..., "3-phase 4-wire".
std::string_view SystemName(SystemType system);
bool IsDirectCurrent(SystemType system);
bool IsThreePhase(SystemType system);
bool HasNeutral(SystemType system); // 1-phase 3-wire and 3-phase 4-wire

// The text of the editable lists' first item; read without regard to case or blanks.
inline constexpr std::string_view kAutomatic = "Automatic";

// The controls of the Circuit Check window, with their starting values.
struct CircuitTexts
{
    SystemType System = SystemType::ThreePhase4Wire;
    std::string Voltage = "480";
    std::string Load;
    LoadUnit Unit = LoadUnit::Amperes;
    std::string ContinuousPercent = "100";
    CircuitKind Kind = CircuitKind::Feeder;
    std::string Ocpd = std::string(kAutomatic);
    bool Receptacles = false;
    nec::Material Material = nec::Material::Copper;
    nec::Material EgcMaterial = nec::Material::Copper;
    nec::Insulation Insulation = nec::Insulation::Thhn;
    TemperatureRating TerminalRating = TemperatureRating::C75;
    std::string Sets = std::string(kAutomatic);
    ConductorSize LargestSizePerSet = ConductorSize::Kcmil500;
    std::string Ambient = "30";
    TemperatureUnit AmbientUnit = TemperatureUnit::Celsius;
    std::string ConductorCount = std::string(kAutomatic);
    bool HarmonicNeutral = false; // read for 3-phase 4-wire only
    std::string Length;
    RacewayType Raceway = RacewayType::Emt;
    nec::RacewayMaterial RacewayMaterial = nec::RacewayMaterial::Steel;
    std::string PowerFactor = "0.85";
    std::string DropLimit = "3";
    std::string DropUpstream = "0";
    std::string SourceFaultAmps; // empty: no fault figure
    std::string MotorAmps = "0"; // empty reads as 0
};

// The most parallel sets the check tries or takes, and the most current-carrying
// conductors a raceway may be given.
inline constexpr int kMostSets = 20;
inline constexpr int kMostConductorsInRaceway = 60;

// What the engine works with.
struct CircuitInput
{
    SystemType System = SystemType::ThreePhase4Wire;
    double Volts = 480; // line to line for 3-phase and 1-phase 3-wire
    double Load = 0; // in Unit
    LoadUnit Unit = LoadUnit::Amperes;
    double ContinuousPercent = 100;
    CircuitKind Kind = CircuitKind::Feeder;
    std::optional<int> GivenOcpd; // none: the smallest standard rating that serves
    bool Receptacles = false;
    nec::Material Material = nec::Material::Copper;
    nec::Material EgcMaterial = nec::Material::Copper;
    nec::Insulation Insulation = nec::Insulation::Thhn;
    TemperatureRating TerminalRating = TemperatureRating::C75;
    std::optional<int> GivenSets; // none: automatic
    ConductorSize LargestSizePerSet = ConductorSize::Kcmil500; // for automatic sets
    double Ambient = 30; // in AmbientUnit
    TemperatureUnit AmbientUnit = TemperatureUnit::Celsius;
    std::optional<int> GivenConductorCount; // current-carrying, in one raceway; none: automatic
    bool HarmonicNeutral = false;
    double LengthFeet = 0; // one way
    RacewayType Raceway = RacewayType::Emt;
    nec::RacewayMaterial RacewayMaterial = nec::RacewayMaterial::Steel;
    double PowerFactor = 0.85; // lagging; not used on DC
    double DropLimitPercent = 3;
    double DropUpstreamPercent = 0;
    std::optional<double> SourceFaultAmps;
    double MotorAmps = 0;
};

// The fields a problem can name.
enum class CircuitField
{
    Voltage,
    Load,
    ContinuousPercent,
    Ocpd,
    Insulation,
    Sets,
    Ambient,
    ConductorCount,
    Length,
    PowerFactor,
    DropLimit,
    DropUpstream,
    SourceFaultAmps,
    MotorAmps,
};

// "voltage", "load", ..., as the list of problems names them.
std::string_view CircuitFieldName(CircuitField field);

struct FieldProblem
{
    CircuitField Field = CircuitField::Voltage;
    std::string Reason; // short: "above 0 and at most 1,000 V"
};

struct CircuitReading
{
    std::optional<CircuitInput> Input; // only when nothing is wrong or still needed
    std::vector<FieldProblem> Problems; // in the order of the fields
    std::vector<CircuitField> StillNeeded; // empty boxes that need a value: not wrong
};

// Reads every field the system uses: the power factor is not read on DC, nor the fault
// fields (no fault figure on DC). The separators are those of the user's locale.
CircuitReading ReadCircuitInputs(const CircuitTexts& texts, const numtext::Separators& separators);

} // namespace nec
