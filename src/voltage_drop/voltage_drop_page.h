#pragma once

// The "Voltage Drop" page: inputs of the voltage-drop and wire-size calculator, the
// handlers that keep them consistent while the user edits, and the result box. The
// results-history slots belong to the main window; the page fills and shows them.

#include "voltage_drop/result_display.h"
#include "voltage_drop/voltage_drop_inputs.h"
#include "voltage_drop/voltage_drop_state.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class ResultsHistory;
struct VoltageDropSettings;

namespace ui {
class ChoiceList;
class OptionGroup;
} // namespace ui

class VoltageDropPage : public QWidget
{
    Q_OBJECT
public:
    VoltageDropPage(
        VoltageDropSettings& settings, ResultsHistory* history, QWidget* parent = nullptr);
    ~VoltageDropPage() override;

    // Gives txtLoad the focus, and runs what its focus-in runs, whichever page is shown.
    void focusLoad();
    // Selects the 12 awg size when no size is selected.
    void selectDefaultWireSize();
    void setCalcSheetEnabled(bool enabled);

    // txtboxResults: the result shown, which the calculation sheet copies.
    QTextEdit* resultsBox() const { return m_results; }
    // The page's last control in the keyboard's order.
    QWidget* lastTabStop() const;

signals:
    // The Print button (btnCalc_Sheet) was pressed.
    void printRequested();

private:
    void buildCalculationFrame();
    void buildLoadKindFrame();
    void buildPhaseFrame();
    void buildPowerFactorFrame();
    void buildLoadFrame();
    void buildVoltageWireFrame();
    void buildResults();
    void setKeyboardOrder();
    void connectHandlers();

    // Handlers of the page's controls.
    void calculationModeChosen(int index);
    void loadKindChosen(int index);
    void circuitChosen();
    void voltageChanged();
    void racewayChosen(int index);
    void materialChosen(int index);
    void temperatureChosen(int index);
    void powerFactorOptionChosen(int index);
    void powerFactorTextChanged();
    void wireSizeChosen();
    void wireSizeTyped(const QString& text);
    void parallelConductorsToggled(bool ticked);
    void wiresPerPhaseChanged();
    void lengthChanged();
    void historyPicked(int slot);
    void calculate();

    // The result box emptied, the history slots hidden.
    void ClearVoltageDropResults();
    void checkWireAmpacity();
    // Selects a size as a choice from the list; the size already selected is chosen again.
    void chooseWireSize(int index);
    QWidget* inputBox(InputBox box) const;
    void giveFocusTo(InputBox box);
    void showResultText(const std::string& text);
    void play(const std::vector<DisplayOperation>& operations);
    bool isDirectCurrent() const;
    bool isCopper() const;
    VoltageDropInputs readInputs() const;

    VoltageDropSettings& m_settings;
    VoltageDropState m_state;
    ResultsHistory* m_history;

    ui::OptionGroup* m_calcMode = nullptr; // VD_CALC
    ui::OptionGroup* m_loadKind = nullptr; // VD_LOAD
    ui::OptionGroup* m_phases = nullptr; // VD_PHASE
    ui::OptionGroup* m_powerFactorOption = nullptr; // rbPF
    ui::OptionGroup* m_conduit = nullptr; // Conduit
    ui::OptionGroup* m_wireType = nullptr; // Wire_Type
    ui::OptionGroup* m_temperature = nullptr; // rbTemp
    ui::OptionGroup* m_coating = nullptr; // rbCoated

    QLineEdit* m_branchPercent = nullptr;
    QLineEdit* m_feederPercent = nullptr;
    QWidget* m_powerFactorFrame = nullptr;
    QLineEdit* m_powerFactor = nullptr;
    QLabel* m_loadLabel = nullptr;
    QLineEdit* m_load = nullptr;
    QLineEdit* m_length = nullptr;
    ui::ChoiceList* m_volts = nullptr;
    QLabel* m_conduitLabel = nullptr;
    QWidget* m_coatedFrame = nullptr;
    QWidget* m_parallelFrame = nullptr;
    ui::ChoiceList* m_wireSize = nullptr;
    QCheckBox* m_parallel = nullptr;
    QLabel* m_wiresPerPhaseLabel = nullptr;
    QLineEdit* m_wiresPerPhase = nullptr;
    QLabel* m_wireNote = nullptr;
    QTextEdit* m_results = nullptr;
    QPushButton* m_calcSheet = nullptr;
    QPushButton* m_calculate = nullptr;
};
