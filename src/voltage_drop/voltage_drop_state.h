#pragma once

// The working values of the voltage-drop calculator, which VoltageDropCalculator holds.
// They persist from one press of the Calculate button to the next: a calculation writes
// only what it computes, and the result text is built from whatever the record holds.

#include "app/conductor_tables.h"

#include <string>

struct VoltageDropState
{
    double LoadAmps = 0; // full-load current per phase
    std::string LoadKind; // "VA Per Phase", "Total VA" or "Full Load Amps"
    double WireLength = 0; // one-way run, feet
    int SizeIndex = 0; // row of the conductor tables
    std::string WireSizeName;
    ::AmpsColumn AmpsColumn = ::AmpsColumn::AmpsCu75; // ampacity column in force
    int WireAmps = 0; // ampacity of one conductor of the row in force
    double WireR = 0; // ohms per 1000 ft
    double WireX = 0; // ohms per 1000 ft
    double PhaseAngle = 0; // radians
    double EffectiveZ = 0; // ohms per 1000 ft of one phase path, parallel sets included
    double VoltDrop = 0;
    double PercentDrop = 0;
    std::string PhaseText; // "3 Phase", "1 Phase" or "Direct Current"
    std::string ResultText; // the result text last built
    double TargetPercent = 0; // allowed drop of the searches
};
