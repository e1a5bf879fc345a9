#pragma once

#include <QColor>

class QPalette;
class QWidget;

// The colour the desktop gives an inactive title bar; lists and displays of the program use it
// as their background.
QColor inactiveTitleColour(const QPalette &palette);

// Paints the control's background and text in the given colours, whatever kind it is.
void setControlColours(QWidget *control, const QColor &background, const QColor &text);
