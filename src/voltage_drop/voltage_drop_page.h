#pragma once

// The "Voltage Drop" page: inputs of the voltage-drop and wire-size calculator.

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;
class ResultsHistory;
struct VoltageDropSettings;

class VoltageDropPage : public QWidget
{
    Q_OBJECT
public:
    VoltageDropPage(
        VoltageDropSettings& settings, ResultsHistory* history, QWidget* parent = nullptr);

    // Gives txtLoad the focus, and runs what its focus-in runs, whichever page is shown.
    void focusLoad();
    // Selects the 12 awg size when no size is selected.
    void selectDefaultWireSize();
    void setCalcSheetEnabled(bool enabled);

private:
    VoltageDropSettings& m_settings;
    ResultsHistory* m_history;
    QLineEdit* m_load = nullptr;
    QComboBox* m_wireSize = nullptr;
    QPushButton* m_calcSheet = nullptr;
};
