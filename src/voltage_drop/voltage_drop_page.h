#pragma once

// The "Voltage Drop" page of the voltage-drop and wire-size calculator: the handlers that
// keep its inputs consistent while the user edits, and the calculation behind its button.
// Its controls are built by VoltageDropForm. The results-history slots belong to the main
// window; the page fills and shows them.

#include "voltage_drop/input_rules.h"
#include "voltage_drop/result_display.h"
#include "voltage_drop/voltage_drop_form.h"
#include "voltage_drop/voltage_drop_inputs.h"

#include <QWidget>

#include <optional>
#include <vector>

class QTextEdit;
class ResultsHistory;
class VoltageDropCalculator;

class VoltageDropPage : public QWidget
{
    Q_OBJECT
public:
    VoltageDropPage(
        VoltageDropCalculator& calculator, ResultsHistory* history, QWidget* parent = nullptr);
    ~VoltageDropPage() override;

    // Gives txtLoad the focus, and runs what its focus-in runs, whichever page is shown.
    void focusLoad();
    // Selects the 12 awg size when no size is selected.
    void selectDefaultWireSize();
    void setCalcSheetEnabled(bool enabled);

    // txtboxResults: the result shown.
    QTextEdit* resultsBox() const { return m_ui.results; }
    // The result box's complete rich-text content, its own font included, as a history
    // slot stores it and the calculation sheet copies it. A result put into the box as
    // plain text carries no font of its own; without the box's, it would take the font of
    // wherever it is copied to.
    QString resultsContent() const;
    // The page's last control in the keyboard's order.
    QWidget* lastTabStop() const;

signals:
    // The Print button (btnCalc_Sheet) was pressed.
    void printRequested();

private:
    void showChoicesInForce();
    void connectHandlers();

    // Handlers of the page's controls.
    void calculationModeChosen(int index);
    void loadKindChosen(int index);
    void circuitChosen();
    void voltageTyped(const QString& text);
    void voltageChosen();
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
    CircuitSetup circuitSetup() const;
    void setCircuitSetup(const CircuitSetup& setup);
    bool isDirectCurrent() const;
    bool isCopper() const;
    VoltageDropInputs readInputs() const;

    VoltageDropCalculator& m_calculator;
    ResultsHistory* m_history;
    // The circuit choices from before the voltage now being typed.
    std::optional<CircuitSetup> m_setupBeforeTyping;

    VoltageDropForm m_ui;
};
