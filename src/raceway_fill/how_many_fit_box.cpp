#include "raceway_fill/how_many_fit_box.h"

#include "nec/fill.h"
#include "nec/fill_inputs.h"
#include "raceway_fill/fill_lists.h"
#include "raceway_fill/raceway_fill_text.h"
#include "ui/accessibility.h"
#include "ui/number_locale.h"
#include "ui/widgets.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

HowManyFitBox::HowManyFitBox(QWidget* parent)
    : QGroupBox(QStringLiteral("How Many Fit"), parent)
{
    setObjectName(QStringLiteral("rfHowMany"));
    setAccessibleName(title());

    m_size = fill_lists::sizeList(QStringLiteral("rfHmSize"), QStringLiteral("Size"), this);
    m_insulation = fill_lists::insulationList(
        QStringLiteral("rfHmInsulation"), QStringLiteral("Insulation"), this);
    m_raceway
        = fill_lists::racewayList(QStringLiteral("rfHmRaceway"), QStringLiteral("Raceway"), this);
    m_tradeSize = new QComboBox(this);
    m_tradeSize->setObjectName(QStringLiteral("rfHmTrade"));
    m_tradeSize->setAccessibleName(QStringLiteral("Trade size"));
    m_tradeSize->setToolTip(QStringLiteral("The trade size of that raceway type to fill"));
    m_count = ui::label(QStringLiteral("rfHmCount"), QString(), this);
    ui::setResultName(m_count, QStringLiteral("Conductors that fit"));
    m_count->setToolTip(QStringLiteral("The most conductors of this size and insulation the "
                                       "trade size holds"));
    m_basis = ui::label(QStringLiteral("rfHmBasis"), QString(), this);
    ui::setResultName(m_basis, QStringLiteral("What the count rests on"));
    m_basis->setToolTip(
        QStringLiteral("The fill allowed for that count, and whether Note 7's rounding applies"));

    auto* form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    const auto add = [this, form](const char* name, const QString& caption, QWidget* field) {
        QLabel* label = ui::label(QLatin1String(name), caption, this);
        label->setBuddy(field);
        form->addRow(label, field);
    };
    add("rfHmSizeCaption", QStringLiteral("Size"), m_size);
    add("rfHmInsulationCaption", QStringLiteral("Insulation"), m_insulation);
    add("rfHmRacewayCaption", QStringLiteral("Raceway"), m_raceway);
    add("rfHmTradeCaption", QStringLiteral("Trade size"), m_tradeSize);
    add("rfHmCountCaption", QStringLiteral("Conductors that fit"), m_count);
    form->addRow(m_basis);

    fillTradeSizes();
    count();
    connect(m_raceway, &QComboBox::currentIndexChanged, this, [this] {
        fillTradeSizes();
        count();
    });
    for (QComboBox* list : {m_size, m_insulation, m_tradeSize})
        connect(list, &QComboBox::currentIndexChanged, this, &HowManyFitBox::count);
}

void HowManyFitBox::setNipple(bool nipple)
{
    m_nipple = nipple;
    count();
}

void HowManyFitBox::fillTradeSizes()
{
    // The trade size chosen stays where the new type has it too.
    const QString chosen = m_tradeSize->currentText();
    const QSignalBlocker blocker(m_tradeSize);
    m_tradeSize->clear();
    for (const nec::RacewayRow& row : nec::RacewayRows(fill_lists::racewayOf(m_raceway)))
        m_tradeSize->addItem(ui::fromStd(row.TradeSize));
    m_tradeSize->setCurrentIndex(std::max(0, m_tradeSize->findText(chosen)));
}

void HowManyFitBox::count()
{
    const nec::ConductorSize size = fill_lists::sizeOf(m_size);
    const nec::Insulation insulation = fill_lists::insulationOf(m_insulation);
    const auto rows = nec::RacewayRows(fill_lists::racewayOf(m_raceway));
    const nec::RacewayRow& tradeSize = rows[static_cast<std::size_t>(m_tradeSize->currentIndex())];
    const std::optional<int> fit = nec::HowManyFit(size, insulation, tradeSize, m_nipple);
    if (!fit) {
        ui::setResultText(m_count, QString());
        ui::setResultText(m_basis, ui::fromStd(nec::UnlistedSizeReason(size, insulation)));
        return;
    }
    ui::setResultText(m_count, ui::fromStd(ConductorCountText(*fit, ui::localeSeparators())));
    ui::setResultText(m_basis, ui::fromStd(HowManyFitBasis(*fit, m_nipple)));
}
