#pragma once

// The controls of the Voltage Drop page as the user first sees them: made with their
// names, captions and tooltips, placed at their designed twips, and in the keyboard's
// order. The form builds and holds the controls, as a Designer form would; the page
// connects and runs the handlers.

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

// The option arrays' indices are the values of the engine's choices (VD_CALC(0) is
// CalcMode::FixedSize, VD_PHASE(2) Circuit::DirectCurrent, and so on).
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
