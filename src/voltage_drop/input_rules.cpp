#include "voltage_drop/input_rules.h"

std::optional<Circuit> CircuitForVoltage(std::string_view voltsText)
{
    for (std::string_view volts : {"277", "125", "120"}) {
        if (voltsText == volts)
            return Circuit::SinglePhase;
    }
    for (std::string_view volts : {"12", "24", "36", "48"}) {
        if (voltsText == volts)
            return Circuit::DirectCurrent;
    }
    return std::nullopt;
}

CircuitSetup SetupForTypedVoltage(const CircuitSetup& before, std::string_view voltsText)
{
    if (before.Phases == Circuit::DirectCurrent)
        return before;
    switch (CircuitForVoltage(voltsText).value_or(before.Phases)) {
    case Circuit::DirectCurrent:
        return {Circuit::DirectCurrent, LoadEntry::TotalVa};
    case Circuit::SinglePhase:
        return {Circuit::SinglePhase, before.Load};
    case Circuit::ThreePhase:
        break;
    }
    return before;
}

std::string LightingTapNote(
    std::string_view lengthText, int sizeIndex, const numtext::Separators& separators)
{
    // NEC 240-4: 18 awg taps up to 50 ft, 16 awg taps up to 100 ft.
    const std::optional<double> length = numtext::toNumber(lengthText, separators);
    if (!length)
        return {};
    std::string note;
    if (*length > 50 && sizeIndex == kRow18Awg)
        note = "Caution... #18 Lighting taps can not be longer than 50 feet. NEC 240-4 (2)";
    if (*length > 100 && sizeIndex == kRow16Awg)
        note = "Caution... #16 Lighting taps can not be longer than 100 feet. NEC 240-4 (2)";
    return note;
}

std::optional<PowerFactorCorrection> PowerFactorBelowRange(
    std::string_view text, const numtext::Separators& separators)
{
    const std::optional<double> percent = numtext::toNumber(text, separators);
    if (!percent || *percent >= 0.1)
        return std::nullopt;
    // The corrected text is in the user's number form; the message keeps its own.
    return PowerFactorCorrection {numtext::format(0.1, numtext::Mask::Fixed1, separators),
        {"Power Factor must be greater than 0.1", "Power Factor Invalid",
            MessageKind::Information}};
}

std::optional<PowerFactorCorrection> PowerFactorAboveRange(
    std::string_view text, const numtext::Separators& separators)
{
    const std::optional<double> percent = numtext::toNumber(text, separators);
    if (!percent || *percent <= 99.9)
        return std::nullopt;
    return PowerFactorCorrection {"100",
        {"Power Factor must be at 99.9 or 100", "Power Factor Invalid", MessageKind::Information}};
}

AmpacityRuling CheckWireAmpacity(int sizeIndex, Material material, Temperature rating)
{
    const auto blocked = [](const char* secondLine) {
        return AmpacityRuling {false,
            PageMessage {std::string("The NEC does not offer valid current ratings for\r")
                    + secondLine
                    + "\r\rPlease choose 90C cooper for #18 and #16\rremote control circuits "
                      "or lighting taps.",
                "Wire Size Is Not Valid", MessageKind::Exclamation}};
    };
    if (material == Material::Aluminum && sizeIndex < kRow12Awg)
        return blocked("#18, #16 and #14 aluminum wire...");
    if (material == Material::Copper && rating == Temperature::C75 && sizeIndex < kRow14Awg)
        return blocked("#18 and #16 75C cooper wire...");
    return {};
}

PageMessage ChooseSizeFromListMessage()
{
    return {"Please select a NEC wire size from the drop down box.", "Wire Size Selection",
        MessageKind::Critical};
}

PageMessage ParallelSizeMessage()
{
    return {"NEC requires 1/0 or larger for parallel wires.", "Wire Size Selection",
        MessageKind::Critical};
}
