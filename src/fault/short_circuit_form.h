#pragma once

// The controls of the Short Circuit page as the user first sees them: made with their
// names, captions and tooltips, placed at their designed twips, and in the keyboard's
// order. The form builds and holds the controls, as a Designer form would; the page
// connects and runs the handlers.

#include "fault/fault_inputs.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;

namespace ui {
class OptionGroup;
} // namespace ui

// The indices of the option pairs.
enum SourceIndex // opShortType
{
    TransformerSourceIndex = 0,
    BreakerSourceIndex = 1,
};
enum PrimaryIndex // opAvalible
{
    InfiniteBusIndex = 0,
    KnownFaultIndex = 1,
};
enum SystemPhaseIndex // opPhase
{
    ThreePhaseSystemIndex = 0,
    SinglePhaseSystemIndex = 1,
};
enum CableIndex // opCableType
{
    SingleConductorsIndex = 0,
    ThreeConductorCableIndex = 1,
};
enum ConduitIndex // opMagneticCon
{
    MagneticConduitIndex = 0,
    NonMagneticConduitIndex = 1,
};

struct ShortCircuitForm
{
    // Builds the controls on `page`, which owns them.
    void setupUi(QWidget* page);

    // The name a field goes by, for a screen reader and in the message that refuses it.
    static QString fieldName(FaultField field);

    // Puts the blank panel back over the transformer fields.
    void movePanelHome();

    ui::OptionGroup* shortType = nullptr; // opShortType
    ui::OptionGroup* available = nullptr; // opAvalible
    ui::OptionGroup* phase = nullptr; // opPhase
    ui::OptionGroup* cableType = nullptr; // opCableType
    ui::OptionGroup* magneticCon = nullptr; // opMagneticCon

    QLineEdit* faultUtility = nullptr;
    QComboBox* voltsPri = nullptr;
    QLineEdit* xfmrVA = nullptr;
    QLineEdit* xfmrZ = nullptr;
    QComboBox* faultVoltage = nullptr;
    QComboBox* wireSize = nullptr;
    QLineEdit* phaseConductors = nullptr;
    QLineEdit* feet = nullptr;

    QLabel* xfmrFla = nullptr;
    QLabel* xfmrIsc = nullptr;
    QLabel* fault = nullptr;

    QPushButton* print = nullptr;
    QPushButton* calculate = nullptr;

    QWidget* breaker = nullptr;
    QWidget* transformer = nullptr;
    QWidget* panel = nullptr;

private:
    void buildDrawings(QWidget* page);
    void buildSourceFields(QWidget* page);
    void buildCircuitFields(QWidget* page);
    void buildResults(QWidget* page);
    void setKeyboardOrder();
};
