#pragma once

// The "Short Circuit" page: available fault current by the point-to-point method. Its
// controls are built by ShortCircuitForm; the page runs their handlers.

#include "fault/fault_inputs.h"
#include "fault/fault_page_state.h"
#include "fault/short_circuit_form.h"

#include <QWidget>

#include <cstdint>

class ShortCircuitPage : public QWidget
{
    Q_OBJECT
public:
    explicit ShortCircuitPage(QWidget* parent = nullptr);
    ~ShortCircuitPage() override;

    // Puts the blank panel back over the transformer fields, where it belongs when the
    // page comes forward.
    void movePanelHome();

    // Fault current at the start of the run from the last calculation; 0 before one.
    double SourceFaultAmps() const { return m_sourceFaultAmps; }
    // Constant C of the wire size last chosen; 0 before a size has been chosen.
    std::int32_t ConductorC() const { return m_conductorC; }

    FaultPageState pageState() const;

signals:
    void printRequested();

private:
    void sourceChosen(int index);
    void primaryChosen(int index);
    void guardPhase();
    void selectConductorC();
    void calculate();
    void refuse(FaultField field);

    FaultInputTexts inputTexts() const;
    QWidget* fieldWidget(FaultField field) const;

    double m_sourceFaultAmps = 0;
    std::int32_t m_conductorC = 0;

    ShortCircuitForm m_ui;
};
