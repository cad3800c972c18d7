#pragma once

// The Circuit Check window's starting texts with a load and a length typed, then the
// edits of a test row, each "field=text" for a box, or a choice as the window lists it.

#include "nec/circuit_inputs.h"

#include <QStringList>

#include <map>

inline nec::CircuitTexts editedCircuitTexts(const QStringList& edits)
{
    using nec::CircuitTexts;
    static const std::map<QString, std::string CircuitTexts::*> boxes {
        {"voltage", &CircuitTexts::Voltage}, {"load", &CircuitTexts::Load},
        {"continuous", &CircuitTexts::ContinuousPercent}, {"ocpd", &CircuitTexts::Ocpd},
        {"sets", &CircuitTexts::Sets}, {"ambient", &CircuitTexts::Ambient},
        {"count", &CircuitTexts::ConductorCount}, {"length", &CircuitTexts::Length},
        {"pf", &CircuitTexts::PowerFactor}, {"limit", &CircuitTexts::DropLimit},
        {"upstream", &CircuitTexts::DropUpstream}, {"fault", &CircuitTexts::SourceFaultAmps},
        {"motor", &CircuitTexts::MotorAmps}};
    using T = CircuitTexts;
    // A list that follows another (the grounding conductor's material, the raceway's)
    // moves with it until the user picks one.
    static const std::map<QString, void (*)(T&)> choices {
        {"system=DC 2-wire", [](T& t) { t.System = nec::SystemType::Dc2Wire; }},
        {"system=1-phase 2-wire", [](T& t) { t.System = nec::SystemType::OnePhase2Wire; }},
        {"system=1-phase 3-wire", [](T& t) { t.System = nec::SystemType::OnePhase3Wire; }},
        {"system=3-phase 3-wire", [](T& t) { t.System = nec::SystemType::ThreePhase3Wire; }},
        {"unit=kVA", [](T& t) { t.Unit = nec::LoadUnit::KiloVoltAmperes; }},
        {"unit=kW", [](T& t) { t.Unit = nec::LoadUnit::Kilowatts; }},
        {"kind=Branch circuit", [](T& t) { t.Kind = nec::CircuitKind::BranchCircuit; }},
        {"receptacles", [](T& t) { t.Receptacles = true; }},
        {"material=Aluminum",
            [](T& t) {
                t.Material = nec::Material::Aluminum;
                t.EgcMaterial = nec::Material::Aluminum;
            }},
        {"egc=Copper", [](T& t) { t.EgcMaterial = nec::Material::Copper; }},
        {"insulation=THW", [](T& t) { t.Insulation = nec::Insulation::Thw; }},
        {"insulation=TW", [](T& t) { t.Insulation = nec::Insulation::Tw; }},
        {"insulation=Bare", [](T& t) { t.Insulation = nec::Insulation::Bare; }},
        {"terminal=60 °C", [](T& t) { t.TerminalRating = nec::TemperatureRating::C60; }},
        {"largest=1 AWG", [](T& t) { t.LargestSizePerSet = nec::ConductorSize::Awg1; }},
        {"ambient unit=°F", [](T& t) { t.AmbientUnit = nec::TemperatureUnit::Fahrenheit; }},
        {"harmonic neutral", [](T& t) { t.HarmonicNeutral = true; }},
        {"raceway=ENT",
            [](T& t) {
                t.Raceway = nec::RacewayType::Ent;
                t.RacewayMaterial = nec::RacewayMaterial::Pvc;
            }},
        {"raceway=PVC Schedule 40",
            [](T& t) {
                t.Raceway = nec::RacewayType::PvcSchedule40;
                t.RacewayMaterial = nec::RacewayMaterial::Pvc;
            }},
        {"raceway material=Aluminum",
            [](T& t) { t.RacewayMaterial = nec::RacewayMaterial::Aluminum; }}};

    CircuitTexts texts;
    texts.Load = "400";
    texts.Length = "250";
    for (const QString& edit : edits) {
        if (const auto box = boxes.find(edit.section('=', 0, 0)); box != boxes.end())
            texts.*(box->second) = edit.section('=', 1).toStdString();
        else if (const auto choice = choices.find(edit); choice != choices.end())
            choice->second(texts);
        else
            qFatal("unknown edit %s", qPrintable(edit));
    }
    return texts;
}

// The input the edited texts read as, in these separators; a test row that is not
// complete stops the test.
inline nec::CircuitInput readCircuitInput(
    const QStringList& edits, const numtext::Separators& separators = {})
{
    const nec::CircuitReading reading
        = nec::ReadCircuitInputs(editedCircuitTexts(edits), separators);
    if (!reading.Input)
        qFatal("the edits %s are not a complete input", qPrintable(edits.join(", ")));
    return *reading.Input;
}
