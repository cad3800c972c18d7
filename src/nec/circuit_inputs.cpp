#include "nec/circuit_inputs.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

namespace nec {

namespace {

// No current, power or length of building wiring comes near a billion, and the voltage
// and the load, which the check divides by, are never below a millionth: inside these
// bounds every figure of the check stays a number.
constexpr double kLargest = 1e9;
constexpr double kSmallestDivisor = 1e-6;

constexpr double kAbsoluteZeroCelsius = -273.15;
constexpr double kAbsoluteZeroFahrenheit = -459.67;
// Far above the last row of the ambient table, so that every ambient the table gives no
// factor for still reaches the check, which then says so.
constexpr double kHottestAmbient = 1000;

constexpr int kMostOcpdAmperes = 6000;

struct Range
{
    double Low = 0;
    bool LowIncluded = true;
    double High = kLargest;
    std::string_view Unit; // " V", " %", or nothing
    int Decimals = 0; // of the ends in the reason
    bool Divisor = false; // refused below a millionth
};

// Reads the fields one by one, noting each problem and each box still empty.
class FieldReader
{
public:
    FieldReader(const numtext::Separators& separators, CircuitReading& reading)
        : m_separators(separators)
        , m_reading(reading)
    { }

    // A number in its range; an empty box is still needed.
    std::optional<double> number(CircuitField field, const std::string& text, const Range& range)
    {
        if (isBlank(text)) {
            m_reading.StillNeeded.push_back(field);
            return std::nullopt;
        }
        return numberInRange(field, text, range);
    }

    // A number in its range; none for an empty box, which is not wrong.
    std::optional<double> optionalNumber(
        CircuitField field, const std::string& text, const Range& range)
    {
        return isBlank(text) ? std::nullopt : numberInRange(field, text, range);
    }

    // "Automatic" (none), or a whole number from 1 to `most`, into `target`; a refused or
    // empty box leaves it as it is.
    void automaticOrWhole(CircuitField field, const std::string& text, int most,
        std::string_view unit, std::optional<int>& target)
    {
        if (isBlank(text)) {
            m_reading.StillNeeded.push_back(field);
            return;
        }
        if (isAutomatic(text)) {
            target.reset();
            return;
        }
        const std::optional<double> value = numtext::toNumber(text, m_separators);
        if (!value || *value != std::floor(*value) || *value < 1 || *value > most) {
            problem(field,
                std::string(kAutomatic) + ", or a whole number" + std::string(unit) + " from 1 to "
                    + numtext::formatGrouped(most, 0, m_separators));
            return;
        }
        target = static_cast<int>(*value);
    }

    void problem(CircuitField field, std::string reason)
    {
        m_reading.Problems.push_back({field, std::move(reason)});
    }

private:
    static bool isBlank(const std::string& text) { return numtext::trimBlanks(text).empty(); }

    static bool isAutomatic(std::string_view text)
    {
        text = numtext::trimBlanks(text);
        return std::equal(
            text.begin(), text.end(), kAutomatic.begin(), kAutomatic.end(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a))
                    == std::tolower(static_cast<unsigned char>(b));
            });
    }

    std::optional<double> numberInRange(
        CircuitField field, const std::string& text, const Range& range)
    {
        const std::optional<double> value = numtext::toNumber(text, m_separators);
        if (!value) {
            problem(field, "not a number");
            return std::nullopt;
        }
        const bool aboveLow = range.LowIncluded ? *value >= range.Low : *value > range.Low;
        if (!aboveLow || *value > range.High) {
            problem(field, rangeText(range));
            return std::nullopt;
        }
        if (range.Divisor && *value < kSmallestDivisor) {
            problem(field, "too small to compute with");
            return std::nullopt;
        }
        return value;
    }

    std::string rangeText(const Range& range) const
    {
        const std::string low = numtext::formatGrouped(range.Low, range.Decimals, m_separators);
        const std::string high = numtext::formatGrouped(range.High, range.Decimals, m_separators);
        return (range.LowIncluded ? "from " + low + " to " : "above " + low + " and at most ")
            + high + std::string(range.Unit);
    }

    const numtext::Separators& m_separators;
    CircuitReading& m_reading;
};

std::string_view loadUnitText(LoadUnit unit)
{
    constexpr std::array<std::string_view, 3> units {" A", " kVA", " kW"};
    return units[static_cast<std::size_t>(unit)];
}

// The single-phase system with a neutral is the 120/240 V one.
constexpr double kOnePhaseThreeWireVolts = 240;

} // namespace

std::string_view SystemName(SystemType system)
{
    constexpr std::array<std::string_view, 5> names {
        "DC 2-wire", "1-phase 2-wire", "1-phase 3-wire", "3-phase 3-wire", "3-phase 4-wire"};
    return names[static_cast<std::size_t>(system)];
}

bool IsDirectCurrent(SystemType system)
{
    return system == SystemType::Dc2Wire;
}

bool IsThreePhase(SystemType system)
{
    return system == SystemType::ThreePhase3Wire || system == SystemType::ThreePhase4Wire;
}

bool HasNeutral(SystemType system)
{
    return system == SystemType::OnePhase3Wire || system == SystemType::ThreePhase4Wire;
}

std::string_view CircuitFieldName(CircuitField field)
{
    constexpr std::array<std::string_view, 14> names {"voltage", "load", "continuous part",
        "overcurrent device", "insulation", "parallel sets", "ambient temperature",
        "current-carrying conductors", "length", "power factor", "voltage-drop limit",
        "drop upstream", "available fault current", "motor load"};
    return names[static_cast<std::size_t>(field)];
}

CircuitReading ReadCircuitInputs(const CircuitTexts& texts, const numtext::Separators& separators)
{
    CircuitReading reading;
    FieldReader read(separators, reading);
    CircuitInput input;
    input.System = texts.System;
    input.Unit = texts.Unit;
    input.Kind = texts.Kind;
    input.Receptacles = texts.Receptacles;
    input.Material = texts.Material;
    input.EgcMaterial = texts.EgcMaterial;
    input.Insulation = texts.Insulation;
    input.TerminalRating = texts.TerminalRating;
    input.LargestSizePerSet = texts.LargestSizePerSet;
    input.AmbientUnit = texts.AmbientUnit;
    input.HarmonicNeutral = texts.HarmonicNeutral && texts.System == SystemType::ThreePhase4Wire;
    input.Raceway = texts.Raceway;
    input.RacewayMaterial = texts.RacewayMaterial;
    const bool directCurrent = IsDirectCurrent(texts.System);

    const std::optional<double> volts
        = read.number(CircuitField::Voltage, texts.Voltage, {0, false, 1000, " V", 0, true});
    if (volts && texts.System == SystemType::OnePhase3Wire && *volts != kOnePhaseThreeWireVolts)
        read.problem(CircuitField::Voltage, "1-phase 3-wire is 120/240 V: 240 V only");
    input.Volts = volts.value_or(0);

    input.Load = read.number(CircuitField::Load, texts.Load,
                         {0, false, kLargest, loadUnitText(texts.Unit), 0, true})
                     .value_or(0);
    input.ContinuousPercent = read.number(CircuitField::ContinuousPercent, texts.ContinuousPercent,
                                      {0, true, 100, " %"})
                                  .value_or(0);
    read.automaticOrWhole(
        CircuitField::Ocpd, texts.Ocpd, kMostOcpdAmperes, " of amperes", input.GivenOcpd);
    if (texts.Insulation == nec::Insulation::Bare)
        read.problem(CircuitField::Insulation, "a bare conductor is for raceway fill only");
    read.automaticOrWhole(CircuitField::Sets, texts.Sets, kMostSets, "", input.GivenSets);

    const bool fahrenheit = texts.AmbientUnit == TemperatureUnit::Fahrenheit;
    input.Ambient = read.number(CircuitField::Ambient, texts.Ambient,
                            {fahrenheit ? kAbsoluteZeroFahrenheit : kAbsoluteZeroCelsius, true,
                                kHottestAmbient, fahrenheit ? " °F" : " °C", 2})
                        .value_or(0);
    read.automaticOrWhole(CircuitField::ConductorCount, texts.ConductorCount,
        kMostConductorsInRaceway, "", input.GivenConductorCount);
    input.LengthFeet
        = read.number(CircuitField::Length, texts.Length, {0, false, 100000, " ft"}).value_or(0);
    if (!directCurrent) {
        input.PowerFactor
            = read.number(CircuitField::PowerFactor, texts.PowerFactor, {0.5, true, 1, "", 2})
                  .value_or(0);
    }
    input.DropLimitPercent
        = read.number(CircuitField::DropLimit, texts.DropLimit, {0, false, 100, " %"}).value_or(0);
    input.DropUpstreamPercent
        = read.number(CircuitField::DropUpstream, texts.DropUpstream, {0, true, 100, " %"})
              .value_or(0);
    if (!directCurrent) {
        input.SourceFaultAmps = read.optionalNumber(
            CircuitField::SourceFaultAmps, texts.SourceFaultAmps, {0, false, 300000, " A"});
        input.MotorAmps = read.optionalNumber(CircuitField::MotorAmps, texts.MotorAmps,
                                  {0, true, kLargest, " A"})
                              .value_or(0);
    }

    if (reading.Problems.empty() && reading.StillNeeded.empty())
        reading.Input = input;
    return reading;
}

} // namespace nec
