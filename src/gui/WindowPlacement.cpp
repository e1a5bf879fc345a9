#include "gui/WindowPlacement.h"

#include <QScreen>
#include <QWidget>

void centreOnScreen(QWidget &window)
{
    const QRect screen = window.screen()->geometry();
    window.move(screen.x() + (screen.width() - window.width()) / 2,
                screen.y() + (screen.height() - window.height()) / 2);
}
