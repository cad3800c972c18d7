#pragma once

// The record of a fault calculation for the results sheet: the page's inputs as they
// stand, the captions of the last calculation and the method used.

#include "app/number_text.h"
#include "fault/fault_page_state.h"

#include <string>
#include <string_view>

// Lines break with a carriage return and line feed; the report ends without one.
std::string BuildFaultReport(const FaultPageState& page, double sourceFaultAmps,
    std::string_view dateTimeText, const numtext::Separators& separators = {});
