#include "app/program_windows.h"
#include "test_main.h"
#include "user_actions.h"
#include "views.h"
#include "voltage_drop/voltage_drop_calculator.h"

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
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>

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

// What a scroll area shows, scrolled: its controls lie inside it as in a frame.
bool isScrolledContents(const QWidget* widget)
{
    const QWidget* viewport = widget->parentWidget();
    const auto* area
        = viewport ? qobject_cast<const QScrollArea*>(viewport->parentWidget()) : nullptr;
    return area && area->widget() == widget;
}

// A frame the user sees, with a border or a caption, a page of the tab control, or what a
// scroll area holds.
bool isFrame(const QWidget* widget)
{
    if (qobject_cast<const QGroupBox*>(widget) || isScrolledContents(widget))
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
    if (auto* label = qobject_cast<QLabel*>(widget))
        return Caption {label->text(), label->contentsRect(), label->wordWrap()};
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (!button || qobject_cast<QToolButton*>(widget))
        return std::nullopt;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle::SubElement element = qobject_cast<QRadioButton*>(button)
        ? QStyle::SE_RadioButtonContents
        : qobject_cast<QCheckBox*>(button) ? QStyle::SE_CheckBoxContents
                                           : QStyle::SE_PushButtonContents;
    QRect area = button->style()->subElementRect(element, &option, button);
    // The style keeps a margin inside a push button's face.
    if (element == QStyle::SE_PushButtonContents) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
        area.adjust(margin / 2, 0, -margin / 2, 0);
    }
    return Caption {button->text(), area};
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
    if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
        if (frame->minimumSizeHint().width() > frame->width())
            return QStringLiteral("the title");
    } else if (const std::optional<Caption> caption = captionOf(widget)) {
        if (!caption->text.isEmpty() && tooSmall(caption->text, caption->area, caption->wraps))
            return QStringLiteral("\"%1\" in %2x%3")
                .arg(caption->text)
                .arg(caption->area.width())
                .arg(caption->area.height());
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
        // A group box takes the style's margins round its caption as its contents margins.
        const QRect contents = frame->contentsRect();
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
    VoltageDropCalculator m_calculator;
    ProgramWindows* m_windows = nullptr;
};

void LayoutTest::init()
{
    m_calculator = {};
    m_windows = new ProgramWindows(m_calculator);
}

void LayoutTest::cleanup()
{
    testsupport::deleteTopLevelWindows();
    delete m_windows;
}

void LayoutTest::everyControlFits_data()
{
    QTest::addColumn<QString>("view");
    for (const QString& view : testsupport::viewNames())
        QTest::newRow(qPrintable(view)) << view;
}

void LayoutTest::everyControlFits()
{
    QFETCH(QString, view);
    QWidget* window = testsupport::showView(*m_windows, view);
    QVERIFY(window);
    // As the window paints: the layouts that new texts asked for are done first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const QStringList problems = layoutProblems(window);
    for (const QString& problem : problems)
        qInfo("%s", qPrintable(problem));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.value(0)));
}

TAVILON_SCALED_WIDGET_TEST_MAIN(LayoutTest)
#include "layout_test.moc"
