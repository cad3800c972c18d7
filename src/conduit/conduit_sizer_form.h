#pragma once

// The controls of the Conduit Sizer page as the user first sees them: made with their
// names and tooltips, placed at their designed twips, and in the keyboard's order. The
// form builds and holds the controls, as a Designer form would; the page connects and
// runs the handlers.

#include "conduit/conduit_fill.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

struct ConduitSizerForm
{
    // Builds the controls on `page`, which owns them.
    void setupUi(QWidget* page);

    std::array<QComboBox*, kConduitGroups> sizes {}; // cbCondWireSize
    std::array<QLineEdit*, kConduitGroups> counts {}; // txCondWireNumber
    std::array<QRadioButton*, kConduitGroups> thhn {}; // Option1, even elements
    std::array<QRadioButton*, kConduitGroups> thw {}; // Option1, odd elements
    std::array<QLabel*, kConduitGroups> lines {}; // lblCalc
    QLabel* conduitSize = nullptr;
    QLabel* totalArea = nullptr;
    QLabel* diameter = nullptr;
    QPushButton* reset = nullptr;
    QPushButton* calculate = nullptr;
    QPushButton* print = nullptr; // cmdCondPrint: the last result to the results sheet

private:
    void buildWireData(QWidget* page);
    void buildResults(QWidget* page);
};
