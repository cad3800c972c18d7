#include "ui/colours.h"

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// Relative luminance, as WCAG 2.1 defines it for sRGB.
double luminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF())
        + 0.0722 * linear(rgb.blueF());
}

double leastContrast(const QColor& colour, const QList<QColor>& grounds)
{
    double least = 21.0;
    for (const QColor& ground : grounds)
        least = std::min(least, contrastRatio(colour, ground));
    return least;
}

// Keeps a widget's text colour in the shade of a hue that reads on its page, as the
// palette it inherits changes.
class TextHue : public QObject
{
public:
    TextHue(QWidget* widget, const QColor& hue)
        : QObject(widget)
        , m_widget(widget)
        , m_hue(hue)
    {
        apply();
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange)
            apply();
        return QObject::eventFilter(watched, event);
    }

private:
    void apply()
    {
        // Setting the colour raises another palette change, which finds it in place.
        QPalette palette = m_widget->palette();
        const QColor shade = textShade(m_hue, m_widget);
        if (palette.color(QPalette::WindowText) == shade)
            return;
        palette.setColor(QPalette::WindowText, shade);
        m_widget->setPalette(palette);
    }

    QWidget* m_widget;
    QColor m_hue;
};

} // namespace

double contrastRatio(const QColor& first, const QColor& second)
{
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor readableShade(const QColor& hue, const QList<QColor>& grounds, double ratio)
{
    if (leastContrast(hue, grounds) >= ratio)
        return hue;
    const bool darken = leastContrast(Qt::black, grounds) >= leastContrast(Qt::white, grounds);
    float h = 0;
    float s = 0;
    float l = 0;
    hue.toHsl().getHslF(&h, &s, &l);
    constexpr int kSteps = 100;
    for (int step = 1; step <= kSteps; ++step) {
        const float towards = static_cast<float>(step) / kSteps;
        const float lightness = darken ? l * (1 - towards) : l + (1 - l) * towards;
        const QColor shade = QColor::fromHslF(h, s, lightness).toRgb();
        if (leastContrast(shade, grounds) >= ratio)
            return shade;
    }
    return darken ? QColor(Qt::black) : QColor(Qt::white);
}

QColor pageColour(const QWidget* widget)
{
    // The page's fill, away from the frame the style draws round it.
    QImage page(32, 32, QImage::Format_RGB32);
    page.fill(widget->palette().color(QPalette::Window));
    QPainter painter(&page);
    QStyleOptionTabWidgetFrame option;
    option.initFrom(widget);
    option.rect = page.rect();
    widget->style()->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter, widget);
    painter.end();
    return page.pixelColor(page.rect().center());
}

QColor textShade(const QColor& hue, const QWidget* widget)
{
    return readableShade(
        hue, {widget->palette().color(QPalette::Window), pageColour(widget)}, kTextContrast);
}

void setTextHue(QWidget* widget, const QColor& hue)
{
    new TextHue(widget, hue);
}

void setFixedColours(QWidget* widget, const QColor& text, const QColor& ground)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, ground);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace ui
