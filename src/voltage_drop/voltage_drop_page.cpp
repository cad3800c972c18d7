#include "voltage_drop/voltage_drop_page.h"

#include "ui/focus.h"
#include "voltage_drop/results_history.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

VoltageDropPage::VoltageDropPage(
    VoltageDropSettings& settings, ResultsHistory* history, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_history(history)
{
    m_load = new QLineEdit(this);
    m_load->setObjectName(QStringLiteral("txtLoad"));
    m_wireSize = new QComboBox(this);
    m_wireSize->setObjectName(QStringLiteral("cbWireSize"));
    m_calcSheet = new QPushButton(QStringLiteral("Print"), this);
    m_calcSheet->setObjectName(QStringLiteral("btnCalc_Sheet"));
    m_calcSheet->setEnabled(false);
}

void VoltageDropPage::focusLoad()
{
    ui::giveFocus(m_load);
}

void VoltageDropPage::selectDefaultWireSize()
{
    if (m_wireSize->currentIndex() < 0 && m_wireSize->count() > 3)
        m_wireSize->setCurrentIndex(3);
}

void VoltageDropPage::setCalcSheetEnabled(bool enabled)
{
    m_calcSheet->setEnabled(enabled);
}
