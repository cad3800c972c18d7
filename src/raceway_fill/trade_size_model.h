#pragma once

// Every trade size of the chosen raceway type with its areas, the fill and whether the
// conductors fit, for the Raceway Fill window's table. The texts come from the result;
// the smallest that fits is set in bold besides saying "fits".

#include "raceway_fill/raceway_fill_text.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

class TradeSizeModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        TradeSizeColumn,
        TotalAreaColumn,
        AllowedAreaColumn,
        PercentFillColumn,
        FitsColumn,
        ColumnCount,
    };

    using QAbstractTableModel::QAbstractTableModel;

    // The rows of a result and the one that answers; no rows while there is no result.
    void setRows(std::vector<TradeSizeTexts> rows, std::optional<std::size_t> answer);
    void clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<TradeSizeTexts> m_rows;
    std::optional<std::size_t> m_answer;
};
