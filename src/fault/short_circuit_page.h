#pragma once

// The "Short Circuit" page: available fault current by the point-to-point method.

#include "fault/fault_inputs.h"
#include "fault/fault_page_state.h"

#include <QWidget>

#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {
class OptionGroup;
} // namespace ui

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
    void buildSourceFields();
    void buildCircuitFields();
    void buildResults();
    void buildDrawings();
    void setKeyboardOrder();

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

    ui::OptionGroup* m_shortType = nullptr;
    ui::OptionGroup* m_available = nullptr;
    ui::OptionGroup* m_phase = nullptr;
    ui::OptionGroup* m_cableType = nullptr;
    ui::OptionGroup* m_magneticCon = nullptr;

    QLineEdit* m_faultUtility = nullptr;
    QComboBox* m_voltsPri = nullptr;
    QLineEdit* m_xfmrVA = nullptr;
    QLineEdit* m_xfmrZ = nullptr;
    QComboBox* m_faultVoltage = nullptr;
    QComboBox* m_wireSize = nullptr;
    QLineEdit* m_phaseConductors = nullptr;
    QLineEdit* m_feet = nullptr;

    QLabel* m_xfmrFla = nullptr;
    QLabel* m_xfmrIsc = nullptr;
    QLabel* m_fault = nullptr;

    QPushButton* m_print = nullptr;
    QPushButton* m_calculate = nullptr;

    QWidget* m_breaker = nullptr;
    QWidget* m_transformer = nullptr;
    QWidget* m_panel = nullptr;
};
