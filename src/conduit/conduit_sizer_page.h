#pragma once

// The "Conduit Sizer" page: ten groups of conductors and the conduit that holds them.

#include "conduit/conduit_fill.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class ConduitSizerPage : public QWidget
{
    Q_OBJECT
public:
    explicit ConduitSizerPage(QWidget* parent = nullptr);

    // "Calculate Conduit Size": the group lines, the total, the diameter and the size.
    void calculateConduitSize();
    // "Reset Data": the inputs and the group lines return to their opening state; the
    // total, the diameter and the size keep the last result.
    void resetData();

private:
    void buildWireData();
    void buildResults();
    std::array<ConduitGroup, kConduitGroups> groups() const;
    void showResult(const ConduitFillResult& result);
    void refuseCount(int group);

    std::array<QComboBox*, kConduitGroups> m_sizes {};
    std::array<QLineEdit*, kConduitGroups> m_counts {};
    std::array<QRadioButton*, kConduitGroups> m_thhn {};
    std::array<QRadioButton*, kConduitGroups> m_thw {};
    std::array<QLabel*, kConduitGroups> m_lines {};
    QLabel* m_conduitSize = nullptr;
    QLabel* m_totalArea = nullptr;
    QLabel* m_diameter = nullptr;
};
