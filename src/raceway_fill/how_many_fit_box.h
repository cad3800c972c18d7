#pragma once

// "How Many Fit": for one size and insulation, the most conductors a trade size of a
// raceway type holds by Chapter 9 (Note 7's rounding; 53 % and 31 % for one and two; the
// nipple's 60 % when the window's nipple box is ticked), with what the count rests on.

#include <QGroupBox>

class QComboBox;
class QLabel;

class HowManyFitBox : public QGroupBox
{
    Q_OBJECT
public:
    explicit HowManyFitBox(QWidget* parent = nullptr);

    // The raceway is a nipple of 24 in or less.
    void setNipple(bool nipple);

private:
    void fillTradeSizes();
    void count();

    QComboBox* m_size = nullptr;
    QComboBox* m_insulation = nullptr;
    QComboBox* m_raceway = nullptr;
    QComboBox* m_tradeSize = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_basis = nullptr;
    bool m_nipple = false;
};
