#include "raceway_fill/trade_size_model.h"

#include "ui/number_locale.h"

#include <QFont>

namespace {

struct ColumnDesign
{
    const char* caption;
    const char* tip;
    std::string TradeSizeTexts::*text;
    Qt::Alignment alignment;
};

constexpr Qt::Alignment kNumber = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kWords = Qt::AlignLeft | Qt::AlignVCenter;

// In the order of TradeSizeModel::Column.
const ColumnDesign kColumns[] = {
    {"Trade size", "The trade size of the raceway type", &TradeSizeTexts::TradeSize, kWords},
    {"Total area", "The whole inside area (Chapter 9 Table 4)", &TradeSizeTexts::TotalArea,
        kNumber},
    {"Allowed area", "The area Table 1 allows these conductors (Chapter 9 Table 4)",
        &TradeSizeTexts::AllowedArea, kNumber},
    {"Fill", "The conductors' area over the total area", &TradeSizeTexts::PercentFill, kNumber},
    {"Fits", "Whether the conductors fit, by the allowed area or by Note 7", &TradeSizeTexts::Fits,
        kWords},
};
static_assert(std::size(kColumns) == TradeSizeModel::ColumnCount);

} // namespace

void TradeSizeModel::setRows(std::vector<TradeSizeTexts> rows, std::optional<std::size_t> answer)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_answer = answer;
    endResetModel();
}

void TradeSizeModel::clear()
{
    setRows({}, std::nullopt);
}

int TradeSizeModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int TradeSizeModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TradeSizeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return {};
    const ColumnDesign& column = kColumns[index.column()];
    switch (role) {
    case Qt::DisplayRole:
        return ui::fromStd(m_rows[index.row()].*column.text);
    case Qt::TextAlignmentRole:
        return column.alignment.toInt();
    case Qt::FontRole:
        if (m_answer == static_cast<std::size_t>(index.row())) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant TradeSizeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromUtf8(kColumns[section].caption);
    case Qt::ToolTipRole:
        return QString::fromUtf8(kColumns[section].tip);
    case Qt::TextAlignmentRole:
        return kColumns[section].alignment.toInt();
    default:
        return QAbstractTableModel::headerData(section, orientation, role);
    }
}
