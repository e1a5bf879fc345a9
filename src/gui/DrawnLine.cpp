#include "gui/DrawnLine.h"

#include <QPainter>
#include <QWidget>

void drawLines(QWidget &window, const QList<DrawnLine> &lines)
{
    QPainter painter(&window);
    for (const DrawnLine &line : lines)
        painter.fillRect(line.place, line.colour);
}
