#include "voltage_drop/voltage_drop_calculator.h"

#include <algorithm>

void VoltageDropCalculator::chooseRaceway(Raceway raceway)
{
    m_settings.ConduitType = raceway;
}

void VoltageDropCalculator::chooseMaterial(Material material)
{
    m_settings.WireMaterial = material;
}

void VoltageDropCalculator::chooseTemperature(Temperature rating)
{
    m_settings.TempRating = rating;
}

void VoltageDropCalculator::choosePowerFactor(double percent)
{
    m_settings.PowerFactor = percent;
}

void VoltageDropCalculator::chooseSetsPerPhase(int sets)
{
    m_settings.SetsPerPhase = sets;
}

void VoltageDropCalculator::activate()
{
    m_settings.PowerFactor = m_settings.PowerFactor.value_or(100);
    m_settings.SetsPerPhase = std::max(m_settings.SetsPerPhase, 1);
    m_settings.TempRating = m_settings.TempRating.value_or(Temperature::C75);
    m_settings.WireMaterial = m_settings.WireMaterial.value_or(Material::Copper);
    m_settings.ConduitType = m_settings.ConduitType.value_or(Raceway::Steel);
}

CalculationOutcome VoltageDropCalculator::calculate(
    const VoltageDropInputs& inputs, const numtext::Separators& separators)
{
    CalculationRun run = CalculateVoltageDrop(inputs, m_state, m_settings, separators);
    if (run.SetsPerPhase)
        m_settings.SetsPerPhase = *run.SetsPerPhase;
    // Once a result for the sheet exists, the sheet can always be printed.
    if (run.ResultReady)
        m_settings.ResultReady = true;
    return std::move(run.Outcome);
}
