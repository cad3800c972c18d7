#pragma once

// The program-wide settings of the voltage-drop calculator. They live for the whole
// run, outside any window: the Voltage Drop page writes them, the calculation and its
// result text read them, and the main window's activation fills the unset ones.

#include <string>

struct VoltageDropSettings
{
    bool ResultReady = false; // a voltage-drop result exists: the sheet's Print button works
    double PowerFactor = 0; // percent; 0 means unset
    int SetsPerPhase = 0; // parallel conductor sets per phase; below 1 means unset
    std::string TempRating; // "75 C" or "90 C"
    std::string WireMaterial; // "cooper" or "aluminum"
    std::string ConduitType; // "Steel", "Aluminum" or "PVC"

    // Gives every unset setting its default; settings already chosen stay.
    void fillUnsetDefaults();
};
