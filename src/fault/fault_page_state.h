#pragma once

// What the Short Circuit page shows, as its report restates it: the fields as typed,
// the choices and the captions of the last calculation.

#include "fault/fault_inputs.h"

#include <string>

struct FaultPageState
{
    FaultInputTexts Fields;
    bool MagneticConduit = true;
    bool SingleConductors = true;
    std::string FullLoadCaption; // lblXfmrFLA
    std::string SourceFaultCaption; // lblXfmrISC
    std::string EndOfRunCaption; // lblFault(0)
};
