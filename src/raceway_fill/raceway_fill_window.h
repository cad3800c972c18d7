#pragma once

// RacewayFill, the Raceway Fill window of the Tools menu: up to twenty groups of
// conductors in one raceway, the fill of every trade size of its type by Chapter 9 of the
// current code and the smallest that holds them, worked again as the user types; "How
// Many Fit" for one kind of conductor; and the report for the results sheet. Modeless
// and resizable, laid out by Qt's layouts.

#include "nec/fill.h"

#include <QWidget>

#include <optional>

class FillGroupRows;
class HowManyFitBox;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QTableView;
class TradeSizeModel;

class RacewayFillWindow : public QWidget
{
    Q_OBJECT
public:
    explicit RacewayFillWindow(QWidget* parent = nullptr);

signals:
    // Send to Sheet: the report, lines broken with CR LF, stamped when it was pressed.
    void sheetReportRequested(const QString& report);

private:
    QGroupBox* buildConductors();
    QGroupBox* buildRaceway();
    QGroupBox* buildResult();

    void addGroup();
    // Reads the groups and the raceway, marks the rows that are wrong, and shows the fill
    // or nothing.
    void recalculate();
    void showResult();
    void sendToSheet();

    FillGroupRows* m_rows = nullptr;
    QScrollArea* m_rowsArea = nullptr;
    QPushButton* m_addGroup = nullptr;
    QComboBox* m_raceway = nullptr;
    QCheckBox* m_nipple = nullptr;
    QLabel* m_totalCount = nullptr;
    QLabel* m_totalArea = nullptr;
    QLabel* m_allowed = nullptr;
    QLabel* m_answer = nullptr;
    QLabel* m_fill = nullptr;
    QTableView* m_sizes = nullptr;
    TradeSizeModel* m_sizesModel = nullptr;
    HowManyFitBox* m_howMany = nullptr;
    QPushButton* m_sendToSheet = nullptr;

    // What the shown result was worked from, and the result; none while there is none.
    std::optional<nec::FillRequest> m_request;
    std::optional<nec::FillResult> m_result;
};
