#include "gui/ControlColours.h"

#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace {

// Relative luminance of the sRGB colour.
double luminance(const QColor &colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

} // namespace

QColor inactiveTitleColour(const QPalette &palette)
{
    return palette.color(QPalette::Dark).darker(130);
}

QColor textOnInactiveTitle(const QPalette &palette)
{
    const QColor ground = inactiveTitleColour(palette);
    const QColor base = palette.color(QPalette::Base);
    const QColor text = palette.color(QPalette::Text);
    return contrastRatio(base, ground) >= contrastRatio(text, ground) ? base : text;
}

QColor classicInactiveTitle()
{
    return QColor(123, 123, 123);
}

QColor classicWindow()
{
    return QColor(240, 240, 240);
}

double contrastRatio(const QColor &text, const QColor &ground)
{
    const double one = luminance(text);
    const double other = luminance(ground);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

void setControlColours(QWidget *control, const QColor &background, const QColor &text)
{
    QPalette palette = control->palette();
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, background);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

void setTextColour(QWidget *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}
