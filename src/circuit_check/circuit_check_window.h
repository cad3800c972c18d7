#pragma once

// Circuit Check: one circuit checked against the 2023 NEC as the user types, with every
// figure, every check and the working. The controls are built by CircuitCheckForm; the
// window reads them, has the engine check the circuit, and shows what it finds, or marks
// the fields that keep it from a result.

#include "circuit_check/circuit_check_form.h"
#include "nec/circuit_inputs.h"
#include "nec/circuit_result.h"

#include <QWidget>

#include <optional>

class CircuitCheckWindow : public QWidget
{
    Q_OBJECT
public:
    explicit CircuitCheckWindow(QWidget* parent = nullptr);

    // True while a result is shown.
    bool hasResult() const { return m_result.has_value(); }

signals:
    // Send to Sheet: the report, dated at the press, its lines broken with CR LF.
    void reportReady(const QString& report);

private:
    void connectInputs();
    void systemChanged();
    void materialChanged();
    void racewayChanged();
    void check();
    void markProblems(const nec::CircuitReading& reading);
    void showResult();
    void clearResult();
    void sendToSheet();
    nec::CircuitTexts texts() const;

    CircuitCheckForm m_ui;
    // The lists that follow another until the user picks from them.
    bool m_egcMaterialPicked = false;
    bool m_racewayMaterialPicked = false;
    std::optional<nec::CircuitInput> m_input;
    std::optional<nec::CircuitResult> m_result;
};
