#pragma once

// The controls of the Voltage Drop page as the user first sees them: made with their
// names, captions and tooltips, placed at their designed twips, and in the keyboard's
// order. The form builds and holds the controls, as a Designer form would; the page
// connects and runs the handlers.

#include "voltage_drop/voltage_drop_inputs.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QString;
class QTextEdit;
class QWidget;

namespace ui {
class ChoiceList;
class OptionGroup;
} // namespace ui

// The option arrays' indices. Where an array stands for a choice of the calculation, an
// index is the value of the engine's choice (VD_CALC(0) is CalcMode::FixedSize,
// VD_PHASE(2) Circuit::DirectCurrent, and so on), which the page hands on as it stands.
enum CalcIndex
{
    FixedSizeIndex = 0,
    BranchIndex = 1,
    FeederIndex = 2,
};
enum LoadIndex
{
    VaPerPhaseIndex = 0,
    TotalVaIndex = 1,
    FullLoadAmpsIndex = 2,
};
enum PhaseIndex
{
    ThreePhaseIndex = 0,
    SinglePhaseIndex = 1,
    DirectCurrentIndex = 2,
};
enum RacewayIndex
{
    SteelConduitIndex = 0,
    AluminumConduitIndex = 1,
    PvcConduitIndex = 2,
};
enum MaterialIndex
{
    CopperIndex = 0,
    AluminumIndex = 1,
};
enum TemperatureIndex
{
    Rated75CIndex = 0,
    Rated90CIndex = 1,
};
enum CoatingIndex
{
    UncoatedIndex = 0,
    CoatedIndex = 1,
};
// rbPF: the power factor of 100 %, or the one typed in txtPF.
enum PowerFactorIndex
{
    UnityPowerFactorIndex = 0,
    EnteredPowerFactorIndex = 1,
};

template<typename Choice>
constexpr bool isIndexOf(int index, Choice choice)
{
    return index == static_cast<int>(choice);
}

static_assert(isIndexOf(FixedSizeIndex, CalcMode::FixedSize)
    && isIndexOf(BranchIndex, CalcMode::BranchSearch)
    && isIndexOf(FeederIndex, CalcMode::FeederSearch));
static_assert(isIndexOf(VaPerPhaseIndex, LoadEntry::VaPerPhase)
    && isIndexOf(TotalVaIndex, LoadEntry::TotalVa)
    && isIndexOf(FullLoadAmpsIndex, LoadEntry::FullLoadAmps));
static_assert(isIndexOf(ThreePhaseIndex, Circuit::ThreePhase)
    && isIndexOf(SinglePhaseIndex, Circuit::SinglePhase)
    && isIndexOf(DirectCurrentIndex, Circuit::DirectCurrent));
static_assert(isIndexOf(SteelConduitIndex, Raceway::Steel)
    && isIndexOf(AluminumConduitIndex, Raceway::Aluminum)
    && isIndexOf(PvcConduitIndex, Raceway::Pvc));
static_assert(
    isIndexOf(CopperIndex, Material::Copper) && isIndexOf(AluminumIndex, Material::Aluminum));
static_assert(
    isIndexOf(Rated75CIndex, Temperature::C75) && isIndexOf(Rated90CIndex, Temperature::C90));
static_assert(
    isIndexOf(UncoatedIndex, Coating::Uncoated) && isIndexOf(CoatedIndex, Coating::Coated));

struct VoltageDropForm
{
    // Builds the controls on `page`, which owns them.
    void setupUi(QWidget* page);

    // The load box's tooltip for the kind of load chosen (a LoadIndex).
    static QString loadTip(int index);

    ui::OptionGroup* calcMode = nullptr; // VD_CALC
    ui::OptionGroup* loadKind = nullptr; // VD_LOAD
    ui::OptionGroup* phases = nullptr; // VD_PHASE
    ui::OptionGroup* powerFactorOption = nullptr; // rbPF
    ui::OptionGroup* conduit = nullptr; // Conduit
    ui::OptionGroup* wireType = nullptr; // Wire_Type
    ui::OptionGroup* temperature = nullptr; // rbTemp
    ui::OptionGroup* coating = nullptr; // rbCoated

    QLineEdit* branchPercent = nullptr;
    QLineEdit* feederPercent = nullptr;
    QWidget* powerFactorFrame = nullptr;
    QLineEdit* powerFactor = nullptr;
    QLabel* loadLabel = nullptr;
    QLineEdit* load = nullptr;
    QLineEdit* length = nullptr;
    ui::ChoiceList* volts = nullptr;
    QLabel* conduitLabel = nullptr;
    QWidget* coatedFrame = nullptr;
    QWidget* parallelFrame = nullptr;
    ui::ChoiceList* wireSize = nullptr;
    QCheckBox* parallel = nullptr;
    QLabel* wiresPerPhaseLabel = nullptr;
    QLineEdit* wiresPerPhase = nullptr;
    QLabel* wireNote = nullptr;
    QTextEdit* results = nullptr;
    QPushButton* calcSheet = nullptr;
    QPushButton* calculate = nullptr;

private:
    void buildCalculationFrame(QWidget* page);
    void buildLoadKindFrame(QWidget* page);
    void buildPhaseFrame(QWidget* page);
    void buildPowerFactorFrame(QWidget* page);
    void buildLoadFrame(QWidget* page);
    void buildVoltageWireFrame(QWidget* page);
    void buildResults(QWidget* page);
    void setKeyboardOrder();
};
