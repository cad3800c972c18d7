#include "app/main_window.h"
#include "app/program_windows.h"
#include "app/voltage_drop_settings.h"
#include "find_control.h"
#include "message_box_catcher.h"
#include "sheet/calc_sheet.h"
#include "test_main.h"
#include "user_actions.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QBitmap>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTabWidget>
#include <QToolBar>

#include <optional>
#include <set>
#include <utility>

namespace {

// Controls designed to lie over others: the blank panel over the transformer fields, the
// source symbols on the run drawing, the program logo beside the tab strip.
const std::set<std::pair<QString, QString>> kOverlays = [] {
    std::set<std::pair<QString, QString>> pairs {{"Image3", "Picture1"}, {"Image3", "Picture2"},
        {"Image3", "Picture3"}, {"SSTab1", "pictLogo"}};
    for (const char* field : {"Label29", "cbVoltsPri", "Label24", "txXfmrVA", "Label28", "txXfmrZ",
             "lblXfmrFLA", "lblXfmrISC"})
        pairs.insert({QLatin1String(field), QStringLiteral("Picture3")});
    return pairs;
}();

bool isOverlay(const QString& first, const QString& second)
{
    return kOverlays.count({first, second}) || kOverlays.count({second, first});
}

bool isNamed(const QWidget* widget)
{
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

// A control made of parts of the toolkit's own: its parts are not looked at one by one.
bool isCompound(const QWidget* widget)
{
    return qobject_cast<const QComboBox*>(widget)
        || qobject_cast<const QAbstractScrollArea*>(widget)
        || qobject_cast<const QTabWidget*>(widget) || qobject_cast<const QToolBar*>(widget)
        || qobject_cast<const QSvgWidget*>(widget);
}

// A frame the user sees, with a border or a caption, or a page of the tab control.
bool isFrame(const QWidget* widget)
{
    if (qobject_cast<const QGroupBox*>(widget))
        return true;
    if (qobject_cast<const QStackedWidget*>(widget->parentWidget()))
        return true;
    const auto* frame = qobject_cast<const QFrame*>(widget);
    return frame && !qobject_cast<const QLabel*>(widget) && !isCompound(widget)
        && frame->frameShape() != QFrame::NoFrame;
}

// The controls of a frame: what it holds, through the borderless frames that only group
// controls and show nothing of their own.
void collectControls(QWidget* parent, QList<QWidget*>& controls)
{
    for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isVisible() || child->isWindow())
            continue;
        const bool groups = !isFrame(child) && !isCompound(child)
            && !child->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty();
        if (groups)
            collectControls(child, controls);
        else if (isNamed(child))
            controls << child;
    }
}

// Where a frame keeps its controls: inside its border, and below its caption (a group
// box takes its contents margins from the style).
QRect contentsOf(const QWidget* frame)
{
    return frame->contentsRect();
}

// What a control covers of its frame; a drawing covers only what it paints.
QRegion footprint(QWidget* control, const QWidget* frame)
{
    const QRect box(control->mapTo(frame, QPoint()), control->size());
    auto* drawing = qobject_cast<QSvgWidget*>(control);
    if (!drawing)
        return box;
    QImage image(drawing->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawing->renderer()->render(&painter);
    painter.end();
    return QRegion(QBitmap::fromImage(image.createAlphaMask())).translated(box.topLeft());
}

// Where a control shows its caption or text, and what it has to show there.
struct Caption
{
    QString text;
    QRect area;
    bool wraps = false;
};

std::optional<Caption> captionOf(QWidget* widget)
{
    const auto inStyle = [widget](QStyle::SubElement element, const auto& option) {
        return widget->style()->subElementRect(element, &option, widget);
    };
    if (auto* label = qobject_cast<QLabel*>(widget))
        return Caption {label->text(), label->contentsRect(), label->wordWrap()};
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        // The style keeps a margin inside the button's face.
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
        return Caption {button->text(),
            inStyle(QStyle::SE_PushButtonContents, option).adjusted(margin / 2, 0, -margin / 2, 0)};
    }
    if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = option->text();
        return Caption {option->text(), inStyle(QStyle::SE_RadioButtonContents, style)};
    }
    if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        QStyleOptionButton style;
        style.initFrom(box);
        style.text = box->text();
        return Caption {box->text(), inStyle(QStyle::SE_CheckBoxContents, style)};
    }
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        return Caption {frame->title(), frame->rect()};
    return std::nullopt;
}

// The room a text box gives its text.
QRect textArea(const QLineEdit* box)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.lineWidth
        = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    // QLineEdit keeps two pixels between its text and the sides of that area.
    return contents.marginsRemoved(box->textMargins()).adjusted(2, 0, -2, 0);
}

// What of a control's caption or text does not show, if anything.
QString cutOff(QWidget* widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    const auto tooSmall = [&metrics](const QString& text, const QRect& area, bool wraps) {
        const QRect needed = wraps ? metrics.boundingRect(area, Qt::TextWordWrap, text)
                                   : QRect(0, 0, metrics.horizontalAdvance(text), metrics.height());
        return needed.width() > area.width() || needed.height() > area.height();
    };
    if (const std::optional<Caption> caption = captionOf(widget)) {
        if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            if (frame->minimumSizeHint().width() > frame->width())
                return QStringLiteral("the title");
        } else if (!caption->text.isEmpty()
            && tooSmall(caption->text, caption->area, caption->wraps)) {
            return QStringLiteral("\"%1\" in %2x%3")
                .arg(caption->text)
                .arg(caption->area.width())
                .arg(caption->area.height());
        }
    } else if (auto* list = qobject_cast<QComboBox*>(widget); list && list->lineEdit()) {
        const QRect area = textArea(list->lineEdit());
        for (int i = 0; i < list->count(); ++i) {
            if (tooSmall(list->itemText(i), area, false))
                return QStringLiteral("item \"%1\"").arg(list->itemText(i));
        }
    } else if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        if (tooSmall(box->text(), textArea(box), false))
            return QStringLiteral("\"%1\"").arg(box->text());
    }
    return {};
}

// Everything wrong with the layout of a window as it shows now.
QStringList layoutProblems(QWidget* window)
{
    QStringList problems;
    QList<QWidget*> frames {window};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->isVisible() && widget->window() == window && isFrame(widget))
            frames << widget;
    }
    for (QWidget* frame : std::as_const(frames)) {
        QList<QWidget*> controls;
        collectControls(frame, controls);
        const QRect contents = contentsOf(frame);
        QList<QRegion> covered;
        for (QWidget* control : std::as_const(controls))
            covered << footprint(control, frame);
        for (qsizetype i = 0; i < controls.size(); ++i) {
            const QString name = controls[i]->objectName();
            if (!contents.contains(covered[i].boundingRect()))
                problems
                    << QStringLiteral("%1 crosses the border of %2").arg(name, frame->objectName());
            if (const QString missing = cutOff(controls[i]); !missing.isEmpty())
                problems << QStringLiteral("%1 cuts off %2").arg(name, missing);
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                const QString other = controls[j]->objectName();
                if (covered[i].intersects(covered[j]) && !isOverlay(name, other))
                    problems << QStringLiteral("%1 lies over %2").arg(name, other);
            }
        }
    }
    return problems;
}

} // namespace

using testsupport::chooseFromList;
using testsupport::clickOnMark;

// Walks every window and mode and checks what the user sees of each control: it lies
// inside its frame, clear of its neighbours, and shows its whole caption. The test runs
// at 96 dpi, with a font DPI of 144 and at a scale factor of 1.5.
class LayoutTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void everyControlFits_data();
    void everyControlFits();

private:
    template<typename T = QWidget>
    T* find(const QString& name) const
    {
        return testsupport::findControl<T>(m_windows->mainWindow(), name);
    }
    void type(const QString& box, const QString& text) const
    {
        QLineEdit* edit = find<QLineEdit>(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void click(const QString& name) const { clickOnMark(find<QAbstractButton>(name)); }
    QWidget* show(const QString& view);

    VoltageDropSettings m_settings;
    ProgramWindows* m_windows = nullptr;
};

void LayoutTest::init()
{
    m_settings = {};
    m_windows = new ProgramWindows(m_settings);
}

void LayoutTest::cleanup()
{
    testsupport::deleteTopLevelWindows();
    delete m_windows;
}

// Brings a window forward in one of its modes, with its longest texts on show.
QWidget* LayoutTest::show(const QString& view)
{
    MainWindow* window = m_windows->showMainWindow();
    if (!QTest::qWaitForWindowActive(window))
        return nullptr;
    QTabWidget* tabs = window->tabs();
    MessageBoxCatcher catcher;
    if (view.startsWith(QLatin1String("voltage drop"))) {
        tabs->setCurrentIndex(MainWindow::VoltageDropTab);
        if (view.endsWith(QLatin1String("fixed size in parallel"))) {
            click(QStringLiteral("VD_CALC(0)"));
            click(QStringLiteral("ckWiresParallel"));
            type(QStringLiteral("txtNumberOfWires"), QStringLiteral("12"));
        } else if (view.endsWith(QLatin1String("direct current"))) {
            click(QStringLiteral("VD_CALC(0)"));
            click(QStringLiteral("VD_PHASE(2)"));
            click(QStringLiteral("rbTemp(1)"));
            chooseFromList(
                find<QComboBox>(QStringLiteral("cbWireSize")), QStringLiteral("   16 awg"));
            type(QStringLiteral("txtLength"), QStringLiteral("150"));
        } else if (view.endsWith(QLatin1String("history"))) {
            chooseFromList(find<QComboBox>(QStringLiteral("cbVolts")), QStringLiteral("120"));
            type(QStringLiteral("txtLoad"), QStringLiteral("20"));
            type(QStringLiteral("txtLength"), QStringLiteral("2000"));
            // A long run: ten slots, the sets tried and then sizes with two-digit drops.
            click(QStringLiteral("btnCalculate"));
        }
    } else if (view == QLatin1String("conduit sizer")) {
        tabs->setCurrentIndex(MainWindow::ConduitSizerTab);
        for (int i = 0; i < 10; ++i) {
            chooseFromList(find<QComboBox>(QStringLiteral("cbCondWireSize(%1)").arg(i)),
                QStringLiteral("  750 kcmil"));
            type(QStringLiteral("txCondWireNumber(%1)").arg(i), QStringLiteral("40"));
        }
        click(QStringLiteral("cmdCalcCondSize"));
    } else if (view.startsWith(QLatin1String("short circuit"))) {
        tabs->setCurrentIndex(MainWindow::ShortCircuitTab);
        if (!view.endsWith(QLatin1String("breaker")))
            click(QStringLiteral("opShortType(0)"));
        if (view.endsWith(QLatin1String("known primary")))
            click(QStringLiteral("opAvalible(1)"));
        type(QStringLiteral("txtFaultUtility"), QStringLiteral("1000000"));
        chooseFromList(
            find<QComboBox>(QStringLiteral("cmbFaultWireSize")), QStringLiteral("1000 kcmil"));
        click(QStringLiteral("cmdCalcFault"));
    } else if (view.startsWith(QLatin1String("design data"))) {
        tabs->setCurrentIndex(MainWindow::DesignDataTab);
        if (view.endsWith(QLatin1String("transformers")))
            click(QStringLiteral("cmdTransfomers"));
        else if (view.endsWith(QLatin1String("motors")))
            click(QStringLiteral("cmdMotors"));
    } else if (view == QLatin1String("introduction")) {
        tabs->setCurrentIndex(MainWindow::IntroductionTab);
    } else if (view == QLatin1String("about")) {
        window->showAbout();
        QWidget* about = testsupport::shownWindow(QStringLiteral("AboutRudu_Vovor"));
        return QTest::qWaitForWindowExposed(about) ? about : nullptr;
    } else if (view == QLatin1String("sheet")) {
        tabs->setCurrentIndex(MainWindow::ShortCircuitTab);
        click(QStringLiteral("cmdPrint"));
        return m_windows->calcSheet();
    }
    return window;
}

void LayoutTest::everyControlFits_data()
{
    QTest::addColumn<QString>("view");
    for (const char* view : {"voltage drop, size search", "voltage drop, fixed size in parallel",
             "voltage drop, direct current", "voltage drop, history", "conduit sizer",
             "short circuit, breaker", "short circuit, transformer", "short circuit, known primary",
             "design data, transformers", "design data, motors", "design data, wire ampacities",
             "introduction", "about", "sheet"})
        QTest::newRow(view) << QString::fromLatin1(view);
}

void LayoutTest::everyControlFits()
{
    QFETCH(QString, view);
    QWidget* window = show(view);
    QVERIFY(window);
    const QStringList problems = layoutProblems(window);
    for (const QString& problem : problems)
        qInfo("%s", qPrintable(problem));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.value(0)));
}

TAVILON_SCALED_WIDGET_TEST_MAIN(LayoutTest)
#include "layout_test.moc"
