#include "app/program_windows.h"
#include "test_main.h"
#include "ui/colours.h"
#include "user_actions.h"
#include "views.h"
#include "voltage_drop/voltage_drop_calculator.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QSvgWidget>
#include <QTextEdit>
#include <QToolButton>

#include <algorithm>

namespace {

// A dark scheme of the kind desktops ship: light text on dark grey.
QPalette darkPalette()
{
    const QColor window(49, 54, 59);
    const QColor text(239, 240, 241);
    QPalette dark(window);
    for (QPalette::ColorRole role :
        {QPalette::Window, QPalette::Button, QPalette::AlternateBase, QPalette::ToolTipBase})
        dark.setColor(role, window);
    for (QPalette::ColorRole role :
        {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
        dark.setColor(role, text);
    dark.setColor(QPalette::Base, QColor(35, 38, 41));
    dark.setColor(QPalette::Highlight, QColor(61, 174, 233));
    dark.setColor(QPalette::HighlightedText, QColor(252, 252, 252));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(161, 169, 177));
    return dark;
}

// The colour that fills most of an area of a picture: the mean of the most frequent
// band of near colours, so that a gradient counts as one ground.
QColor groundColour(const QImage& image, const QRect& area)
{
    struct Band
    {
        int count = 0;
        qint64 red = 0, green = 0, blue = 0;
    };
    QHash<QRgb, Band> bands;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            Band& band = bands[qRgb(pixel.red() / 24, pixel.green() / 24, pixel.blue() / 24)];
            ++band.count;
            band.red += pixel.red();
            band.green += pixel.green();
            band.blue += pixel.blue();
        }
    }
    const auto most = std::max_element(bands.cbegin(), bands.cend(),
        [](const Band& a, const Band& b) { return a.count < b.count; });
    if (most == bands.cend())
        return {};
    return QColor(int(most->red / most->count), int(most->green / most->count),
        int(most->blue / most->count));
}

// How a drawing stands out from what lies behind it: along each pixel row, the first
// pixels that the drawing changes from either side, where its outline meets the ground.
// Each sample is the strongest contrast of the three pixels there, past the blending.
QList<double> outlineContrasts(const QImage& drawn, const QImage& behind, const QRect& area)
{
    const auto contrast = [&](int x, int y) {
        return ui::contrastRatio(drawn.pixelColor(x, y), behind.pixelColor(x, y));
    };
    QList<double> samples;
    const QRect inside = area & drawn.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int direction : {1, -1}) {
            const int start = direction > 0 ? inside.left() : inside.right();
            for (int x = start; inside.contains(x, y); x += direction) {
                if (contrast(x, y) < 1.2)
                    continue;
                double strongest = 1;
                for (int step = 0; step < 3 && inside.contains(x + step * direction, y); ++step)
                    strongest = std::max(strongest, contrast(x + step * direction, y));
                samples << strongest;
                break;
            }
        }
    }
    return samples;
}

// Where a widget shows in its window: its own rectangle less what its ancestors clip off,
// as a scroll area shows only part of what it holds.
QRect shownArea(const QWidget* widget, const QWidget* window)
{
    QRect area(widget->mapTo(window, QPoint()), widget->size());
    for (const QWidget* ancestor = widget->parentWidget(); ancestor && ancestor != window;
         ancestor = ancestor->parentWidget())
        area &= QRect(ancestor->mapTo(window, QPoint()), ancestor->size());
    return area;
}

// The text a control shows, where it shows one.
QString shownText(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* tool = qobject_cast<const QToolButton*>(widget);
        tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
        return {};
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(widget))
        return frame->title();
    if (const auto* box = qobject_cast<const QLineEdit*>(widget))
        return box->text();
    if (const auto* document = qobject_cast<const QTextEdit*>(widget))
        return document->toPlainText();
    return {};
}

} // namespace

// Under the default colours and a dark scheme, every text reads against what lies behind
// it (4.5:1), and the outline of every drawing stands out from its ground (3:1), in every
// window and mode.
class ColourSchemeTest : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void textAndDrawingsStandOut_data();
    void textAndDrawingsStandOut();

private:
    VoltageDropCalculator m_calculator;
    ProgramWindows* m_windows = nullptr;
    QPalette m_defaultPalette;
};

void ColourSchemeTest::init()
{
    m_defaultPalette = QApplication::palette();
    m_calculator = {};
    m_windows = new ProgramWindows(m_calculator);
}

void ColourSchemeTest::cleanup()
{
    testsupport::deleteTopLevelWindows();
    delete m_windows;
    QApplication::setPalette(m_defaultPalette);
}

void ColourSchemeTest::textAndDrawingsStandOut_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("whileOpen"); // the scheme changes with the window open
    QTest::addColumn<QString>("view");

    for (const QString& view : testsupport::viewNames()) {
        QTest::addRow("light, %s", qPrintable(view)) << false << false << view;
        QTest::addRow("dark, %s", qPrintable(view)) << true << false << view;
    }
    // A desktop may change its scheme while the program runs.
    for (const char* view :
        {"voltage drop, direct current", "conduit sizer", "short circuit, breaker"})
        QTest::addRow("dark while open, %s", view) << true << true << QString::fromLatin1(view);
}

void ColourSchemeTest::textAndDrawingsStandOut()
{
    QFETCH(bool, dark);
    QFETCH(bool, whileOpen);
    QFETCH(QString, view);

    if (dark && !whileOpen)
        QApplication::setPalette(darkPalette());
    QWidget* window = testsupport::showView(*m_windows, view);
    QVERIFY(window);
    if (dark && whileOpen)
        QApplication::setPalette(darkPalette());
    QTest::qWait(20);
    const QImage shot = window->grab().toImage();
    const auto inWindow = [window](const QWidget* widget) {
        return QRect(widget->mapTo(window, QPoint()), widget->size());
    };

    int texts = 0;
    const auto checkText = [&](const QString& name, const QColor& ink, const QRect& area) {
        const QColor ground = groundColour(shot, area);
        const double contrast = ui::contrastRatio(ink, ground);
        ++texts;
        return contrast >= ui::kTextContrast ? QString()
                                             : QStringLiteral("%1: %2 on %3, %4:1")
                                                   .arg(name, ink.name(), ground.name())
                                                   .arg(contrast, 0, 'f', 2);
    };
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const QString text = shownText(widget).trimmed();
        const QRect area = shownArea(widget, window);
        if (text.isEmpty() || !widget->isVisible() || !widget->isEnabled() || area.isEmpty())
            continue;
        const QString failure = checkText(
            widget->objectName(), widget->palette().color(widget->foregroundRole()), area);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
    // The cells of tables and lists, in the view's text colour.
    for (const QAbstractItemView* view : window->findChildren<QAbstractItemView*>()) {
        if (!view->isVisible() || qobject_cast<const QHeaderView*>(view))
            continue;
        const QAbstractItemModel* model = view->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                const QRect cell
                    = view->visualRect(index).translated(view->viewport()->mapTo(window, QPoint()));
                const QRect area = cell & shownArea(view->viewport(), window);
                if (index.data().toString().trimmed().isEmpty() || area.isEmpty())
                    continue;
                const QString failure = checkText(
                    QStringLiteral("%1 (%2, %3)").arg(view->objectName()).arg(row).arg(column),
                    view->palette().color(QPalette::Text), area);
                QVERIFY2(failure.isEmpty(), qPrintable(failure));
            }
        }
    }
    QVERIFY(texts > 0);

    for (QSvgWidget* drawing : window->findChildren<QSvgWidget*>()) {
        if (!drawing->isVisible())
            continue;
        drawing->hide();
        const QImage behind = window->grab().toImage();
        drawing->show();
        QList<double> outline = outlineContrasts(shot, behind, inWindow(drawing));
        const QString name = drawing->objectName();
        QVERIFY2(outline.size() > 10, qPrintable(name));
        // The faintest tenth is the blending where a curve only grazes a row.
        std::sort(outline.begin(), outline.end());
        const double faint = outline[outline.size() / 10];
        QVERIFY2(faint >= ui::kGraphicsContrast,
            qPrintable(QStringLiteral("%1: %2:1").arg(name).arg(faint, 0, 'f', 2)));
    }
}

TAVILON_WIDGET_TEST_MAIN(ColourSchemeTest)
#include "colour_scheme_test.moc"
