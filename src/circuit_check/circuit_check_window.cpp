#include "circuit_check/circuit_check_window.h"

#include "circuit_check/circuit_report.h"
#include "circuit_check/circuit_summary.h"
#include "nec/circuit_check.h"
#include "ui/accessibility.h"
#include "ui/date_time_text.h"
#include "ui/number_locale.h"
#include "ui/widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextEdit>

#include <algorithm>

namespace {

// The room the window opens with where the screen has it; it reads from 800 × 600 up.
constexpr QSize kOpeningSize(1040, 760);

QString joined(const std::vector<std::string>& lines)
{
    QStringList texts;
    for (const std::string& line : lines)
        texts << ui::fromStd(line);
    return texts.join(QLatin1Char('\n'));
}

// Each step a paragraph: what it works out and the section, the formula, the numbers and
// the table they came from.
QString workingHtml(const std::vector<nec::WorkingStep>& steps)
{
    const auto escaped = [](const std::string& text) { return ui::fromStd(text).toHtmlEscaped(); };
    QString html;
    for (const nec::WorkingStep& step : steps) {
        html += QStringLiteral("<p><b>%1</b>").arg(escaped(step.What));
        if (!step.Section.empty())
            html += QStringLiteral(" (%1)").arg(escaped(step.Section));
        html += QStringLiteral("<br>%1<br>%2").arg(escaped(step.Formula), escaped(step.Numbers));
        if (!step.Source.empty())
            html += QStringLiteral("<br><i>Source: %1</i>").arg(escaped(step.Source));
        html += QStringLiteral("</p>");
    }
    return html;
}

} // namespace

CircuitCheckWindow::CircuitCheckWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("CircuitCheck"));
    setWindowTitle(QStringLiteral("Circuit Check (NEC 2023) — Tavilon"));
    m_ui.setupUi(this);

    const QSize room = screen()->availableGeometry().size();
    resize(kOpeningSize.boundedTo(room).expandedTo(minimumSizeHint()));

    connectInputs();
    systemChanged();
    check();
    // The user starts at the top of the inputs, where the keyboard's order starts.
    m_ui.system->setFocus();
}

void CircuitCheckWindow::connectInputs()
{
    const auto recheck = [this] { check(); };
    for (QLineEdit* box : {m_ui.load, m_ui.continuous, m_ui.ambient, m_ui.length, m_ui.powerFactor,
             m_ui.dropLimit, m_ui.dropUpstream, m_ui.faultAmps, m_ui.motorAmps})
        connect(box, &QLineEdit::textChanged, this, recheck);
    for (QComboBox* list : {m_ui.voltage, m_ui.ocpd, m_ui.sets, m_ui.conductorCount})
        connect(list, &QComboBox::editTextChanged, this, recheck);
    for (QComboBox* list : {m_ui.loadUnit, m_ui.circuitKind, m_ui.insulation, m_ui.terminal,
             m_ui.maxSize, m_ui.ambientUnit, m_ui.racewayMaterial, m_ui.egcMaterial})
        connect(list, &QComboBox::currentIndexChanged, this, recheck);
    for (QCheckBox* box : {m_ui.receptacles, m_ui.harmonicNeutral})
        connect(box, &QCheckBox::toggled, this, recheck);

    connect(m_ui.system, &QComboBox::currentIndexChanged, this, [this] {
        systemChanged();
        check();
    });
    connect(m_ui.material, &QComboBox::currentIndexChanged, this, [this] {
        materialChanged();
        check();
    });
    connect(m_ui.raceway, &QComboBox::currentIndexChanged, this, [this] {
        racewayChanged();
        check();
    });
    // A list the user picks from stops following.
    connect(m_ui.egcMaterial, &QComboBox::activated, this, [this] { m_egcMaterialPicked = true; });
    connect(m_ui.racewayMaterial, &QComboBox::activated, this,
        [this] { m_racewayMaterialPicked = true; });

    connect(m_ui.sendToSheet, &QPushButton::clicked, this, &CircuitCheckWindow::sendToSheet);
    connect(m_ui.close, &QPushButton::clicked, this, &QWidget::close);
}

// The voltages offered follow the kind of current, the text typed stays; what the system
// does not use is not offered.
void CircuitCheckWindow::systemChanged()
{
    const nec::SystemType system = ui::chosen<nec::SystemType>(m_ui.system);
    const bool directCurrent = nec::IsDirectCurrent(system);
    {
        const QSignalBlocker blocker(m_ui.voltage);
        const QString typed = m_ui.voltage->currentText();
        m_ui.voltage->clear();
        m_ui.voltage->addItems(CircuitCheckForm::voltageItems(directCurrent));
        m_ui.voltage->setCurrentIndex(m_ui.voltage->findText(typed));
        m_ui.voltage->setEditText(typed);
    }
    m_ui.harmonicNeutral->setEnabled(system == nec::SystemType::ThreePhase4Wire);
    for (QWidget* alternating : {m_ui.powerFactor, m_ui.faultAmps, m_ui.motorAmps})
        alternating->setEnabled(!directCurrent);
}

// A list that follows another moves quietly: the check that follows covers both.
void CircuitCheckWindow::materialChanged()
{
    if (!m_egcMaterialPicked) {
        const QSignalBlocker quiet(m_ui.egcMaterial);
        ui::chooseValue(m_ui.egcMaterial, ui::chosenValue(m_ui.material));
    }
}

void CircuitCheckWindow::racewayChanged()
{
    if (!m_racewayMaterialPicked) {
        const QSignalBlocker quiet(m_ui.racewayMaterial);
        ui::chooseValue(m_ui.racewayMaterial,
            static_cast<int>(
                nec::DefaultRacewayMaterial(ui::chosen<nec::RacewayType>(m_ui.raceway))));
    }
}

nec::CircuitTexts CircuitCheckWindow::texts() const
{
    nec::CircuitTexts texts;
    texts.System = ui::chosen<nec::SystemType>(m_ui.system);
    texts.Voltage = ui::toStd(m_ui.voltage->currentText());
    texts.Load = ui::toStd(m_ui.load->text());
    texts.Unit = ui::chosen<nec::LoadUnit>(m_ui.loadUnit);
    texts.ContinuousPercent = ui::toStd(m_ui.continuous->text());
    texts.Kind = ui::chosen<nec::CircuitKind>(m_ui.circuitKind);
    texts.Ocpd = ui::toStd(m_ui.ocpd->currentText());
    texts.Receptacles = m_ui.receptacles->isChecked();
    texts.Material = ui::chosen<nec::Material>(m_ui.material);
    texts.EgcMaterial = ui::chosen<nec::Material>(m_ui.egcMaterial);
    texts.Insulation = ui::chosen<nec::Insulation>(m_ui.insulation);
    texts.TerminalRating = ui::chosen<nec::TemperatureRating>(m_ui.terminal);
    texts.Sets = ui::toStd(m_ui.sets->currentText());
    texts.LargestSizePerSet = ui::chosen<nec::ConductorSize>(m_ui.maxSize);
    texts.Ambient = ui::toStd(m_ui.ambient->text());
    texts.AmbientUnit = ui::chosen<nec::TemperatureUnit>(m_ui.ambientUnit);
    texts.ConductorCount = ui::toStd(m_ui.conductorCount->currentText());
    texts.HarmonicNeutral = m_ui.harmonicNeutral->isChecked();
    texts.Length = ui::toStd(m_ui.length->text());
    texts.Raceway = ui::chosen<nec::RacewayType>(m_ui.raceway);
    texts.RacewayMaterial = ui::chosen<nec::RacewayMaterial>(m_ui.racewayMaterial);
    texts.PowerFactor = ui::toStd(m_ui.powerFactor->text());
    texts.DropLimit = ui::toStd(m_ui.dropLimit->text());
    texts.DropUpstream = ui::toStd(m_ui.dropUpstream->text());
    texts.SourceFaultAmps = ui::toStd(m_ui.faultAmps->text());
    texts.MotorAmps = ui::toStd(m_ui.motorAmps->text());
    return texts;
}

void CircuitCheckWindow::check()
{
    const numtext::Separators separators = ui::localeSeparators();
    const nec::CircuitReading reading = nec::ReadCircuitInputs(texts(), separators);
    markProblems(reading);
    if (!reading.Input) {
        clearResult();
        return;
    }
    m_input = reading.Input;
    m_result = nec::CheckCircuit(*m_input, separators);
    showResult();
}

void CircuitCheckWindow::markProblems(const nec::CircuitReading& reading)
{
    for (int i = 0; i < kCircuitFields; ++i) {
        const auto field = static_cast<nec::CircuitField>(i);
        QStringList reasons;
        for (const nec::FieldProblem& problem : reading.Problems) {
            if (problem.Field == field)
                reasons << ui::fromStd(problem.Reason);
        }
        const FieldMark& mark = m_ui.mark(field);
        const QString reason = reasons.join(QStringLiteral("; "));
        const QString shown = reason.isEmpty() ? QString() : QStringLiteral("Invalid: ") + reason;
        mark.reason->setText(shown);
        mark.reason->setVisible(!reason.isEmpty());
        if (mark.sign)
            mark.sign->setVisible(!reason.isEmpty());
        mark.control->setToolTip(
            reason.isEmpty() ? mark.tip : mark.tip + QStringLiteral("\n\n") + shown);
        for (QWidget* named : {mark.control, static_cast<QWidget*>(mark.box)}) {
            if (named)
                named->setAccessibleDescription(shown);
        }
    }
    const QString problems = joined(DescribeCircuitProblems(reading));
    ui::setResultText(m_ui.problems, problems);
    m_ui.problems->setVisible(!problems.isEmpty());
}

void CircuitCheckWindow::showResult()
{
    const numtext::Separators separators = ui::localeSeparators();
    const CircuitKeyFigures figures = BuildCircuitKeyFigures(*m_input, *m_result, separators);
    for (const ResultField& result : m_ui.results) {
        result.field->setText(ui::fromStd(figures.*(result.figure)));
        result.field->setCursorPosition(0);
    }
    m_ui.summary->setPlainText(joined(BuildCircuitSummary(*m_input, *m_result, separators)));
    // The working stays where the user has scrolled it to while a figure changes.
    QScrollBar* scroll = m_ui.working->verticalScrollBar();
    const int at = scroll->value();
    m_ui.working->setHtml(workingHtml(m_result->Working));
    scroll->setValue(at);
    m_ui.sendToSheet->setEnabled(true);
}

void CircuitCheckWindow::clearResult()
{
    m_input.reset();
    m_result.reset();
    for (const ResultField& result : m_ui.results)
        result.field->clear();
    m_ui.summary->clear();
    m_ui.working->clear();
    m_ui.sendToSheet->setEnabled(false);
}

void CircuitCheckWindow::sendToSheet()
{
    if (!m_result)
        return;
    const QString stamp = ui::generalDateTimeText(QDateTime::currentDateTime());
    emit reportReady(ui::fromStd(
        BuildCircuitReport(*m_input, *m_result, ui::toStd(stamp), ui::localeSeparators())));
}
