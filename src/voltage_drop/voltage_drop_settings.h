#pragma once

// The program-wide settings of the voltage-drop calculator, which VoltageDropCalculator
// holds for the whole run. The Voltage Drop page's choices set them, the main window's
// activation fills the unset ones, the calculation reads the power factor, and the result
// text reports them.

#include "voltage_drop/voltage_drop_inputs.h"

#include <optional>

struct VoltageDropSettings
{
    bool ResultReady = false; // a voltage-drop result exists: the sheet's Print button works
    // Percent. Unset, as before the first activation, it counts as 0.
    std::optional<double> PowerFactor;
    int SetsPerPhase = 0; // parallel conductor sets per phase; below 1 means unset
    std::optional<Temperature> TempRating;
    std::optional<Material> WireMaterial;
    std::optional<Raceway> ConduitType;
};
