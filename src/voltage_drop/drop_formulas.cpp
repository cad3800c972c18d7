#include "voltage_drop/drop_formulas.h"

#include <cmath>

// An overflow or a division by zero anywhere in a step fails the step.
bool allFinite(std::initializer_list<double> values)
{
    for (double value : values) {
        if (!std::isfinite(value))
            return false;
    }
    return true;
}

AmpsColumn ChooseAmpsColumn(Material material, Temperature rating)
{
    if (material == Material::Copper)
        return rating == Temperature::C75 ? AmpsColumn::AmpsCu75 : AmpsColumn::AmpsCu90;
    return rating == Temperature::C75 ? AmpsColumn::AmpsAl75 : AmpsColumn::AmpsAl90;
}

void TakeConductorRow(VoltageDropState& state)
{
    const ConductorRow& row = ConductorTable(state.SizeIndex);
    state.WireSizeName = std::string(row.SizeName);
    state.WireAmps = row.amps(state.AmpsColumn);
}

bool ComputeLoadAmps(
    VoltageDropState& state, const VoltageDropInputs& inputs, const numtext::Separators& separators)
{
    const std::optional<double> load = numtext::toNumber(inputs.LoadText, separators);
    if (!load)
        return false;
    if (inputs.Load == LoadEntry::FullLoadAmps) {
        state.LoadKind = "Full Load Amps";
        state.LoadAmps = *load;
        return true;
    }

    const std::optional<double> volts = numtext::toNumber(inputs.VoltsText, separators);
    if (!volts || *volts == 0)
        return false;
    const bool perPhase = inputs.Load == LoadEntry::VaPerPhase;
    double amps = 0;
    if (inputs.Phases == Circuit::ThreePhase) {
        const double lineVolts = *volts * std::sqrt(3.0);
        const double voltAmps = perPhase ? *load * 3 : *load;
        amps = voltAmps / lineVolts;
        if (!allFinite({lineVolts, voltAmps, amps}))
            return false;
    } else {
        const double voltAmps = perPhase ? *load + *load : *load;
        amps = voltAmps / *volts;
        if (!allFinite({voltAmps, amps}))
            return false;
    }
    state.LoadKind = perPhase ? "VA Per Phase" : "Total VA";
    state.LoadAmps = amps;
    return true;
}

void LookupWireImpedance(VoltageDropState& state, int row, Material material, Raceway raceway)
{
    struct Columns
    {
        ImpedanceColumn R;
        ImpedanceColumn X;
    };
    Columns columns {};
    const bool copper = material == Material::Copper;
    switch (raceway) {
    case Raceway::Steel:
        columns = {copper ? ImpedanceColumn::RacCuSteel : ImpedanceColumn::RacAlSteel,
            ImpedanceColumn::XlSteel};
        break;
    case Raceway::Aluminum:
        columns = {
            copper ? ImpedanceColumn::RacCuAl : ImpedanceColumn::RacAlAl, ImpedanceColumn::XlPvcAl};
        break;
    case Raceway::Pvc:
        columns = {copper ? ImpedanceColumn::RacCuPvc : ImpedanceColumn::RacAlPvc,
            ImpedanceColumn::XlPvcAl};
        break;
    }
    state.WireR = ImpedanceTable(row, columns.R);
    state.WireX = ImpedanceTable(row, columns.X);
}

bool ComputeVoltageDrop(
    VoltageDropState& state, double powerFactor, int setsPerPhase, Circuit circuit, double volts)
{
    // The cosine term is the power factor itself; the angle only gives the sine.
    const double p = powerFactor / 100;
    double angle = 0;
    if (powerFactor != 100) {
        const double sineSquared = 1 - p * p;
        if (!(sineSquared > 0))
            return false;
        angle = std::atan(-p / std::sqrt(sineSquared)) + 2 * std::atan(1.0);
    }
    double impedance = state.WireR * p + state.WireX * std::sin(angle);
    // Equal paths in parallel.
    if (setsPerPhase > 1)
        impedance = 1 / (setsPerPhase * (1 / impedance));

    double drop = ((2 * state.WireLength) * impedance * state.LoadAmps) / 1000;
    if (circuit == Circuit::ThreePhase)
        drop = drop * 0.866;
    const double percent = drop / volts * 100;
    if (!allFinite({impedance, drop, percent}))
        return false;

    state.PhaseAngle = angle;
    state.EffectiveZ = impedance;
    state.VoltDrop = drop;
    state.PercentDrop = percent;
    return true;
}
