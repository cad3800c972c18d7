#pragma once

// The voltage-drop calculator of the whole run: the program-wide settings, the working
// record, and the operations that change them. The main window may be closed and created
// again while the results sheet stays open, so the calculator lives outside any window and
// is handed to the windows; the Voltage Drop page hands it every choice, and nothing else
// writes its settings.

#include "app/number_text.h"
#include "voltage_drop/voltage_drop_calculation.h"
#include "voltage_drop/voltage_drop_inputs.h"
#include "voltage_drop/voltage_drop_settings.h"
#include "voltage_drop/voltage_drop_state.h"

class VoltageDropCalculator
{
public:
    const VoltageDropSettings& settings() const { return m_settings; }
    const VoltageDropState& state() const { return m_state; }

    // The page's choices. The calculation takes the choices of the option buttons as
    // they stand at the press; the settings keep the ones the result text reports.
    void chooseRaceway(Raceway raceway);
    void chooseMaterial(Material material);
    void chooseTemperature(Temperature rating);
    void choosePowerFactor(double percent);
    void chooseSetsPerPhase(int sets);

    // The main window was activated: every unset setting takes its default, and the
    // settings already chosen stay.
    void activate();

    // A press of the Calculate button. Writes the working record, and keeps in the
    // settings the parallel sets the result was calculated with and that a result for
    // the sheet exists.
    CalculationOutcome calculate(
        const VoltageDropInputs& inputs, const numtext::Separators& separators = {});

private:
    VoltageDropSettings m_settings;
    VoltageDropState m_state;
};
