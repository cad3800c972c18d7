#pragma once

// What the Voltage Drop page hands to its calculations: the choices of its option
// buttons, the texts of its boxes as typed, and the messages the calculations give back
// for the page to show.

#include "app/page_message.h"

#include <string>

enum class CalcMode
{
    FixedSize, // "Find Voltage Drop for wire size"
    BranchSearch, // "Find Branch size for"
    FeederSearch, // "Find Feeder size for"
};

enum class LoadEntry
{
    VaPerPhase, // "Enter per Phase Load in VA"
    TotalVa, // "EnterTotal Load in VA"
    FullLoadAmps, // "Enter Full Load Amps"
};

enum class Circuit
{
    ThreePhase,
    SinglePhase,
    DirectCurrent,
};

enum class Material
{
    Copper,
    Aluminum,
};

enum class Temperature
{
    C75,
    C90,
};

enum class Raceway
{
    Steel,
    Aluminum,
    Pvc,
};

enum class Coating
{
    Uncoated,
    Coated,
};

struct VoltageDropInputs
{
    CalcMode Mode = CalcMode::BranchSearch;
    LoadEntry Load = LoadEntry::FullLoadAmps;
    Circuit Phases = Circuit::ThreePhase;
    Material Wire = Material::Copper;
    Temperature Rating = Temperature::C75;
    Raceway Conduit = Raceway::Steel;
    Coating Coated = Coating::Uncoated;
    bool Parallel = false; // "Use Parallel Conductors"

    // Texts as typed.
    std::string LoadText;
    std::string VoltsText;
    std::string LengthText;
    std::string BranchPercentText = "3.0";
    std::string FeederPercentText = "2.0";
    std::string WiresPerPhaseText = "2";

    int SizeIndex = -1; // list index of the chosen size, -1 when none is chosen
};

// The page's box that a refused calculation points the user to.
enum class InputBox
{
    None,
    Load,
    Volts,
    Length,
    BranchPercent,
    FeederPercent,
    WiresPerPhase,
};
