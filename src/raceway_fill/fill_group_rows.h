#pragma once

// The groups of conductors of the Raceway Fill window: twenty rows of count, size and
// insulation, each with its Clear button and, beside it, the words that say what is wrong
// with the row. Ten rows show at first and more are shown one at a time; a row keeps its
// controls and their names whatever happens to the others.

#include "nec/fill_inputs.h"

#include <QWidget>

#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class FillGroupRows : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kFirstShown = 10;

    explicit FillGroupRows(QWidget* parent = nullptr);

    // The shown rows as the user left them, first to last.
    std::vector<nec::FillGroupTexts> texts() const;

    int shownCount() const { return m_shown; }
    // Shows the next hidden row and returns its count box; none when all twenty show.
    QLineEdit* showNextRow();

    // Names each problem at its row, and clears the rows without one.
    void mark(const std::vector<nec::FillRowProblem>& problems);

signals:
    // A count, size or insulation changed, by the user or by Clear.
    void changed();

private:
    struct Row
    {
        QLineEdit* count = nullptr;
        QComboBox* size = nullptr;
        QComboBox* insulation = nullptr;
        QPushButton* clear = nullptr;
        QLabel* problem = nullptr;

        void setShown(bool shown) const;
    };

    void buildRow(int index);
    void clearRow(const Row& row);
    // The problem column is as wide as the longest problem it can name, so that the rows
    // do not move when one is marked.
    int widestProblem() const;

    std::array<Row, nec::kMostFillGroups> m_rows;
    int m_shown = kFirstShown;
};
