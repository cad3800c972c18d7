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
        {"voltage", &CircuitTexts::Voltage},
        {"load", &CircuitTexts::Load},
        {"continuous", &CircuitTexts::ContinuousPercent},
        {"ocpd", &CircuitTexts::Ocpd},
        {"sets", &CircuitTexts::Sets},
        {"ambient", &CircuitTexts::Ambient},
        {"count", &CircuitTexts::ConductorCount},
        {"length", &CircuitTexts::Length},
        {"pf", &CircuitTexts::PowerFactor},
        {"limit", &CircuitTexts::DropLimit},
        {"upstream", &CircuitTexts::DropUpstream},
        {"fault", &CircuitTexts::SourceFaultAmps},
        {"motor", &CircuitTexts::MotorAmps},
    };
    const auto choose = [](CircuitTexts& texts, const QString& edit) {
        static const std::map<QString, void (*)(CircuitTexts&)> choices {
            {"system=DC 2-wire", [](CircuitTexts& t) { t.System = nec::SystemType::Dc2Wire; }},
            {"system=1-phase 2-wire",
                [](CircuitTexts& t) { t.System = nec::SystemType::OnePhase2Wire; }},
            {"system=1-phase 3-wire",
                [](CircuitTexts& t) { t.System = nec::SystemType::OnePhase3Wire; }},
            {"system=3-phase 3-wire",
                [](CircuitTexts& t) { t.System = nec::SystemType::ThreePhase3Wire; }},
            {"unit=kVA", [](CircuitTexts& t) { t.Unit = nec::LoadUnit::KiloVoltAmperes; }},
            {"unit=kW", [](CircuitTexts& t) { t.Unit = nec::LoadUnit::Kilowatts; }},
            {"kind=Branch circuit",
                [](CircuitTexts& t) { t.Kind = nec::CircuitKind::BranchCircuit; }},
            {"receptacles", [](CircuitTexts& t) { t.Receptacles = true; }},
            {"material=Aluminum",
                [](CircuitTexts& t) {
                    t.Material = nec::Material::Aluminum;
                    t.EgcMaterial = nec::Material::Aluminum; // it follows until picked
                }},
            {"egc=Copper", [](CircuitTexts& t) { t.EgcMaterial = nec::Material::Copper; }},
            {"egc=Aluminum", [](CircuitTexts& t) { t.EgcMaterial = nec::Material::Aluminum; }},
            {"insulation=THW", [](CircuitTexts& t) { t.Insulation = nec::Insulation::Thw; }},
            {"insulation=TW", [](CircuitTexts& t) { t.Insulation = nec::Insulation::Tw; }},
            {"insulation=Bare", [](CircuitTexts& t) { t.Insulation = nec::Insulation::Bare; }},
            {"terminal=60 °C",
                [](CircuitTexts& t) { t.TerminalRating = nec::TemperatureRating::C60; }},
            {"terminal=90 °C",
                [](CircuitTexts& t) { t.TerminalRating = nec::TemperatureRating::C90; }},
            {"largest=1 AWG",
                [](CircuitTexts& t) { t.LargestSizePerSet = nec::ConductorSize::Awg1; }},
            {"ambient unit=°F",
                [](CircuitTexts& t) { t.AmbientUnit = nec::TemperatureUnit::Fahrenheit; }},
            {"harmonic neutral", [](CircuitTexts& t) { t.HarmonicNeutral = true; }},
            {"raceway=ENT",
                [](CircuitTexts& t) {
                    t.Raceway = nec::RacewayType::Ent;
                    t.RacewayMaterial = nec::RacewayMaterial::Pvc; // it follows until picked
                }},
            {"raceway=PVC Schedule 40",
                [](CircuitTexts& t) {
                    t.Raceway = nec::RacewayType::PvcSchedule40;
                    t.RacewayMaterial = nec::RacewayMaterial::Pvc; // it follows until picked
                }},
            {"raceway material=Aluminum",
                [](CircuitTexts& t) { t.RacewayMaterial = nec::RacewayMaterial::Aluminum; }},
        };
        const auto choice = choices.find(edit);
        if (choice == choices.end())
            qFatal("unknown edit %s", qPrintable(edit));
        choice->second(texts);
    };

    CircuitTexts texts;
    texts.Load = "400";
    texts.Length = "250";
    for (const QString& edit : edits) {
        if (const auto box = boxes.find(edit.section('=', 0, 0)); box != boxes.end())
            texts.*(box->second) = edit.section('=', 1).toStdString();
        else
            choose(texts, edit);
    }
    return texts;
}
