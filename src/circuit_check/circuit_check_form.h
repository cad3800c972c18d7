#pragma once

// The controls of the Circuit Check window as the user first sees them: the inputs in
// labelled groups in a scrolling column, the key figures, the summary and the working
// beside them, each made with its name, unit, tooltip and screen-reader name, laid out
// with Qt's layouts and put in the keyboard's order. The form builds and holds the
// controls; the window connects and runs the handlers.

#include "circuit_check/circuit_summary.h"
#include "nec/circuit_inputs.h"

#include <QString>
#include <QStringList>

#include <array>
#include <string>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTextEdit;
class QWidget;

// What marks a field whose text the check refuses: a warning sign inside its box, the
// reason below it, and the reason in its tooltip and for a screen reader.
struct FieldMark
{
    QWidget* control = nullptr; // the box or list the field is typed into
    QLineEdit* box = nullptr; // where the sign goes; none for a list without a text box
    QAction* sign = nullptr;
    QLabel* reason = nullptr;
    QString tip; // the control's own tooltip, without a reason
};

// A read-only field of a key figure, and the figure it shows.
struct ResultField
{
    QLineEdit* field = nullptr;
    std::string CircuitKeyFigures::*figure = nullptr;
};

// The fields a problem can name; the motor load is the last of them.
inline constexpr int kCircuitFields = static_cast<int>(nec::CircuitField::MotorAmps) + 1;
inline constexpr int kKeyFigures = 17; // CircuitKeyFigures

struct CircuitCheckForm
{
    // Builds the controls on `window`, which owns them.
    void setupUi(QWidget* window);

    // The problem marks, by the field they belong to.
    FieldMark& mark(nec::CircuitField field) { return marks[static_cast<std::size_t>(field)]; }

    QScrollArea* inputs = nullptr;

    QComboBox* system = nullptr;
    QComboBox* voltage = nullptr;
    QLineEdit* load = nullptr;
    QComboBox* loadUnit = nullptr;
    QLineEdit* continuous = nullptr;
    QComboBox* circuitKind = nullptr;
    QComboBox* ocpd = nullptr;
    QCheckBox* receptacles = nullptr;
    QComboBox* material = nullptr;
    QComboBox* insulation = nullptr;
    QComboBox* terminal = nullptr;
    QComboBox* sets = nullptr;
    QComboBox* maxSize = nullptr;
    QLineEdit* ambient = nullptr;
    QComboBox* ambientUnit = nullptr;
    QComboBox* conductorCount = nullptr;
    QCheckBox* harmonicNeutral = nullptr;
    QLineEdit* length = nullptr;
    QComboBox* raceway = nullptr;
    QComboBox* racewayMaterial = nullptr;
    QLineEdit* powerFactor = nullptr;
    QLineEdit* dropLimit = nullptr;
    QLineEdit* dropUpstream = nullptr;
    QComboBox* egcMaterial = nullptr;
    QLineEdit* faultAmps = nullptr;
    QLineEdit* motorAmps = nullptr;

    QLabel* problems = nullptr;
    std::array<ResultField, kKeyFigures> results {};
    QTextEdit* summary = nullptr;
    QTextEdit* working = nullptr;
    QPushButton* sendToSheet = nullptr;
    QPushButton* close = nullptr;

    std::array<FieldMark, kCircuitFields> marks {};

    // The voltages the list offers, for alternating current and for direct current.
    static QStringList voltageItems(bool directCurrent);

private:
    QWidget* buildInputs();
    QWidget* buildResults();
    QWidget* buildFigures();
    void setTabOrder();
};
