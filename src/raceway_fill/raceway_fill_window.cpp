#include "raceway_fill/raceway_fill_window.h"

#include "nec/fill_inputs.h"
#include "raceway_fill/fill_group_rows.h"
#include "raceway_fill/fill_lists.h"
#include "raceway_fill/how_many_fit_box.h"
#include "raceway_fill/raceway_fill_text.h"
#include "raceway_fill/trade_size_model.h"
#include "ui/accessibility.h"
#include "ui/date_time_text.h"
#include "ui/number_locale.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// The groups scroll in a box that asks for the rows shown at first, whole. Made narrower,
// as a larger font or a small screen asks, the rows scroll sideways too.
class RowsArea : public QScrollArea
{
public:
    using QScrollArea::QScrollArea;

    QSize sizeHint() const override { return around(widget()->sizeHint()); }

private:
    QSize around(QSize rows) const
    {
        const int frame = 2 * frameWidth();
        return rows + QSize(frame + verticalScrollBar()->sizeHint().width(), frame);
    }
};

// A result: its caption beside it in the form, its name for a screen reader, empty
// until there is something to show.
QLabel* resultLabel(QFormLayout* form, const char* name, const QString& caption, const QString& tip,
    QWidget* parent)
{
    QLabel* result = ui::label(QLatin1String(name), QString(), parent);
    ui::setResultName(result, caption);
    result->setToolTip(tip);
    result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(
        ui::label(QLatin1String(name) + QStringLiteral("Caption"), caption, parent), result);
    return result;
}

// Wide enough that the trade sizes of every type show their columns without scrolling
// sideways, for fills below 1,000 %: each column as wide as its caption or the widest
// text it holds.
int widthForTradeSizes(QTableView* view)
{
    const numtext::Separators separators = ui::localeSeparators();
    const nec::Area largestArea {999999};
    const std::string widest[TradeSizeModel::ColumnCount] = {"3-1/2",
        RacewayAreaText(largestArea, separators), RacewayAreaText(largestArea, separators),
        FillPercentText(999.9, separators), "fits by Note 7"};
    const QFontMetrics metrics = view->fontMetrics();
    // The item view keeps a margin of the focus frame and a pixel on either side of a text.
    const int margin
        = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    int width = 2 * view->frameWidth() + view->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < TradeSizeModel::ColumnCount; ++column) {
        width += std::max(view->horizontalHeader()->sectionSizeHint(column),
            metrics.horizontalAdvance(ui::fromStd(widest[column])) + margin);
    }
    return width;
}

int mostTradeSizes()
{
    std::size_t most = 0;
    for (nec::RacewayType type : nec::kAllRacewayTypes)
        most = std::max(most, nec::RacewayRows(type).size());
    return static_cast<int>(most);
}

} // namespace

RacewayFillWindow::RacewayFillWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("RacewayFill"));
    setWindowTitle(QStringLiteral("Raceway Fill (NEC 2023) \u2014 Tavilon"));

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(buildConductors(), 1);
    left->addWidget(buildRaceway());
    columns->addLayout(left);
    auto* right = new QVBoxLayout;
    right->addWidget(buildResult(), 1);
    m_howMany = new HowManyFitBox(this);
    right->addWidget(m_howMany);
    columns->addLayout(right, 1);

    m_sendToSheet
        = ui::button(QStringLiteral("rfSendToSheet"), QStringLiteral("Send to Sheet"), this);
    m_sendToSheet->setToolTip(
        QStringLiteral("Adds the groups, the raceway, the fill and the answer to the results "
                       "sheet"));
    QPushButton* close = ui::button(QStringLiteral("rfClose"), QStringLiteral("Close"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_sendToSheet);
    buttons->addWidget(close);

    auto* window = new QVBoxLayout(this);
    window->addLayout(columns, 1);
    window->addLayout(buttons);

    connect(m_rows, &FillGroupRows::changed, this, &RacewayFillWindow::recalculate);
    connect(m_addGroup, &QPushButton::clicked, this, &RacewayFillWindow::addGroup);
    connect(m_raceway, &QComboBox::currentIndexChanged, this, &RacewayFillWindow::recalculate);
    connect(m_nipple, &QCheckBox::toggled, this, [this](bool nipple) {
        m_howMany->setNipple(nipple);
        recalculate();
    });
    connect(m_sendToSheet, &QPushButton::clicked, this, &RacewayFillWindow::sendToSheet);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    recalculate();

    // As large as the window asks for, within the screen: Qt would hold a new window to
    // two thirds of it, and the table would scroll where there is room.
    resize(sizeHint().boundedTo(screen()->availableGeometry().size()));
}

QGroupBox* RacewayFillWindow::buildConductors()
{
    QGroupBox* box
        = ui::groupBox(QStringLiteral("rfConductors"), QStringLiteral("Conductors"), this);
    m_rows = new FillGroupRows(box);
    m_rowsArea = new RowsArea(box);
    m_rowsArea->setObjectName(QStringLiteral("rfGroupArea"));
    m_rowsArea->setAccessibleName(QStringLiteral("Groups of conductors"));
    m_rowsArea->setFrameShape(QFrame::NoFrame);
    // The focus goes to the rows' boxes, and the area scrolls to the one that has it.
    m_rowsArea->setFocusPolicy(Qt::NoFocus);
    m_rowsArea->setWidgetResizable(true);
    m_rowsArea->setWidget(m_rows);
    // The rows show the box's own ground, as the rest of the window does.
    m_rowsArea->viewport()->setAutoFillBackground(false);
    m_rows->setAutoFillBackground(false);

    m_addGroup = ui::button(QStringLiteral("rfAddGroup"), QStringLiteral("Add Group"), box);
    m_addGroup->setToolTip(
        QStringLiteral("Shows one more group, up to %1").arg(nec::kMostFillGroups));

    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_rowsArea, 1);
    layout->addWidget(m_addGroup, 0, Qt::AlignLeft);
    return box;
}

QGroupBox* RacewayFillWindow::buildRaceway()
{
    QGroupBox* box = ui::groupBox(QStringLiteral("rfRacewayBox"), QStringLiteral("Raceway"), this);
    m_raceway
        = fill_lists::racewayList(QStringLiteral("rfRaceway"), QStringLiteral("Raceway type"), box);
    m_nipple
        = ui::checkBox(QStringLiteral("rfNipple"), QStringLiteral("Nipple, 24 in or less"), box);
    m_nipple->setToolTip(QStringLiteral("A raceway of 24 in or less between enclosures may be "
                                        "filled to 60 % (Chapter 9, Note 4)"));

    auto* form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    QLabel* caption = ui::label(QStringLiteral("rfRacewayCaption"), QStringLiteral("Type"), box);
    caption->setBuddy(m_raceway);
    form->addRow(caption, m_raceway);
    form->addRow(m_nipple);
    return box;
}

QGroupBox* RacewayFillWindow::buildResult()
{
    QGroupBox* box = ui::groupBox(QStringLiteral("rfResult"), QStringLiteral("Fill"), this);
    auto* form = new QFormLayout;
    m_totalCount = resultLabel(form, "rfTotalCount", QStringLiteral("Conductors"),
        QStringLiteral("The conductors of every group"), box);
    m_totalArea = resultLabel(form, "rfTotalArea", QStringLiteral("Conductor area"),
        QStringLiteral("Their area from Chapter 9 Table 5, or Table 8 for bare conductors"), box);
    m_allowed = resultLabel(form, "rfAllowed", QStringLiteral("Fill allowed"),
        QStringLiteral("Chapter 9 Table 1: 53 % for one conductor, 31 % for two, 40 % for more; "
                       "60 % in a nipple"),
        box);
    m_answer = resultLabel(form, "rfAnswer", QStringLiteral("Smallest trade size"),
        QStringLiteral("The smallest trade size of the type that holds the conductors"), box);
    // As wide as the longest answer, so that the window keeps its size when that comes.
    int longestAnswer = 0;
    for (nec::RacewayType type : nec::kAllRacewayTypes) {
        longestAnswer = std::max(longestAnswer,
            m_answer->fontMetrics().horizontalAdvance(ui::fromStd(AnswerText({}, type))));
    }
    m_answer->setMinimumWidth(longestAnswer);
    m_fill = resultLabel(form, "rfFill", QStringLiteral("Its fill"),
        QStringLiteral("The conductors' area over the whole area of that trade size"), box);

    m_sizesModel = new TradeSizeModel(this);
    m_sizes = new QTableView(box);
    m_sizes->setObjectName(QStringLiteral("rfSizes"));
    m_sizes->setAccessibleName(QStringLiteral("Trade sizes"));
    m_sizes->setModel(m_sizesModel);
    m_sizes->verticalHeader()->hide();
    m_sizes->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Rows of one line, all of them in view for the type with the most trade sizes.
    const int rowHeight = m_sizes->fontMetrics().height()
        + 2 * (m_sizes->style()->pixelMetric(QStyle::PM_FocusFrameVMargin, nullptr, m_sizes) + 1);
    m_sizes->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_sizes->verticalHeader()->setMinimumSectionSize(rowHeight);
    m_sizes->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_sizes->setMinimumHeight(2 * m_sizes->frameWidth()
        + m_sizes->horizontalHeader()->sizeHint().height() + mostTradeSizes() * rowHeight);
    m_sizes->horizontalHeader()->setStretchLastSection(true);
    m_sizes->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_sizes->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_sizes->setSelectionMode(QAbstractItemView::SingleSelection);
    m_sizes->setTabKeyNavigation(false);
    m_sizes->setWordWrap(false);
    m_sizes->setMinimumWidth(widthForTradeSizes(m_sizes));

    auto* layout = new QVBoxLayout(box);
    layout->addLayout(form);
    layout->addWidget(m_sizes, 1);
    return box;
}

void RacewayFillWindow::addGroup()
{
    if (QLineEdit* count = m_rows->showNextRow()) {
        // The rows take their new height first, then the area scrolls to the new one.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        m_rowsArea->ensureWidgetVisible(count);
        count->setFocus();
    }
    m_addGroup->setEnabled(m_rows->shownCount() < nec::kMostFillGroups);
    recalculate();
}

void RacewayFillWindow::recalculate()
{
    nec::FillTexts texts;
    texts.Groups = m_rows->texts();
    texts.Raceway = fill_lists::racewayOf(m_raceway);
    texts.Nipple = m_nipple->isChecked();
    const nec::FillReading reading = nec::ReadFillInputs(texts, ui::localeSeparators());
    m_rows->mark(reading.Problems);
    m_request = reading.Request;
    m_result = m_request ? nec::ComputeFill(*m_request) : std::nullopt;
    showResult();
}

void RacewayFillWindow::showResult()
{
    const numtext::Separators separators = ui::localeSeparators();
    const auto show = [](QLabel* label, const std::string& text) {
        ui::setResultText(label, ui::fromStd(text));
    };
    m_sendToSheet->setEnabled(m_result.has_value());
    if (!m_result) {
        for (QLabel* label : {m_totalCount, m_totalArea, m_allowed, m_answer, m_fill})
            ui::setResultText(label, QString());
        m_sizesModel->clear();
        return;
    }
    const nec::FillResult& result = *m_result;
    show(m_totalCount, ConductorCountText(result.TotalCount, separators));
    show(m_totalArea, ConductorAreaText(result.TotalArea, separators));
    show(m_allowed, AllowedPercentText(result.AllowedPercent));
    show(m_answer, AnswerText(result, m_request->Raceway));
    const nec::TradeSizeFill* fit = result.smallestFit();
    show(m_fill, fit ? FillPercentText(fit->PercentFill, separators) : std::string());
    m_sizesModel->setRows(TradeSizeTable(result, separators), result.Smallest);
}

void RacewayFillWindow::sendToSheet()
{
    if (!m_result)
        return;
    const QString stamp = ui::generalDateTimeText(QDateTime::currentDateTime());
    emit sheetReportRequested(ui::fromStd(
        BuildRacewayFillReport(*m_request, *m_result, ui::toStd(stamp), ui::localeSeparators())));
}
