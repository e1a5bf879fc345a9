#pragma once

#include <QColor>
#include <QList>
#include <QRect>

class QWidget;

// A line that only decorates a window (its frame, an etched separator): drawn on the window
// itself rather than made a control, so that a screen reader never meets it.
struct DrawnLine {
    QRect place;
    QColor colour;
};

// Draws the lines onto the window; called from its paint event.
void drawLines(QWidget &window, const QList<DrawnLine> &lines);
