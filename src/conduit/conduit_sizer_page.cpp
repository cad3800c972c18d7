#include "conduit/conduit_sizer_page.h"

#include "ui/accessibility.h"
#include "ui/focus.h"
#include "ui/message_box.h"
#include "ui/number_locale.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

ConduitSizerPage::ConduitSizerPage(QWidget* parent)
    : QWidget(parent)
{
    m_ui.setupUi(this);
    connect(m_ui.reset, &QPushButton::clicked, this, &ConduitSizerPage::resetData);
    connect(m_ui.calculate, &QPushButton::clicked, this, &ConduitSizerPage::calculateConduitSize);
    connect(m_ui.print, &QPushButton::clicked, this, &ConduitSizerPage::printRequested);
}

std::array<ConduitGroup, kConduitGroups> ConduitSizerPage::groups() const
{
    std::array<ConduitGroup, kConduitGroups> groups;
    for (int i = 0; i < kConduitGroups; ++i) {
        groups[i].SizeText = ui::toStd(m_ui.sizes[i]->currentText());
        groups[i].Insulation
            = m_ui.thhn[i]->isChecked() ? InsulationType::THHN : InsulationType::THW;
        groups[i].CountText = ui::toStd(m_ui.counts[i]->text());
    }
    return groups;
}

void ConduitSizerPage::calculateConduitSize()
{
    const ConduitFillResult result = CalcConduitFill(groups(), ui::localeSeparators());
    if (result.InvalidCountGroup)
        refuseCount(*result.InvalidCountGroup);
    else
        showResult(result);
}

void ConduitSizerPage::showResult(const ConduitFillResult& result)
{
    for (int i = 0; i < kConduitGroups; ++i)
        ui::setResultText(m_ui.lines[i], ui::fromStd(result.GroupLines[i]));
    ui::setResultText(m_ui.totalArea, ui::fromStd(result.TotalAreaCaption));
    ui::setResultText(m_ui.diameter, ui::fromStd(result.DiameterCaption));
    ui::setResultText(m_ui.conduitSize, ui::fromStd(result.ConduitSizeCaption));
    m_ui.print->setEnabled(true);
}

ConduitResultCaptions ConduitSizerPage::resultCaptions() const
{
    ConduitResultCaptions captions;
    for (int i = 0; i < kConduitGroups; ++i)
        captions.GroupLines[i] = ui::toStd(m_ui.lines[i]->text());
    captions.TotalArea = ui::toStd(m_ui.totalArea->text());
    captions.Diameter = ui::toStd(m_ui.diameter->text());
    captions.ConduitSize = ui::toStd(m_ui.conduitSize->text());
    return captions;
}

void ConduitSizerPage::refuseCount(int group)
{
    ui::showMessage(this,
        QStringLiteral("Please enter a valid number of wires for group %1.").arg(group + 1),
        QStringLiteral("Invalid Number of Wires"), MessageKind::Information);
    ui::giveFocus(m_ui.counts[group]);
}

void ConduitSizerPage::resetData()
{
    for (int i = 0; i < kConduitGroups; ++i) {
        m_ui.counts[i]->setText(QStringLiteral("0"));
        m_ui.sizes[i]->setCurrentIndex(-1);
        m_ui.sizes[i]->clearEditText();
    }
    for (QRadioButton* thhn : m_ui.thhn)
        thhn->setChecked(true);
    for (QLabel* line : m_ui.lines)
        ui::setResultText(line, QString());
    // The group lines are gone: nothing to report until the next calculation.
    m_ui.print->setEnabled(false);
}
