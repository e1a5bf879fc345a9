#include "gui/ControlColours.h"

#include <QPalette>
#include <QWidget>

QColor inactiveTitleColour(const QPalette &palette)
{
    return palette.color(QPalette::Dark).darker(130);
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
