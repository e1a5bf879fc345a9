#pragma once

#include <QColor>

class QPalette;
class QWidget;

// The colour the desktop gives an inactive title bar; lists and displays of the program use it
// as their background.
QColor inactiveTitleColour(const QPalette &palette);

// The desktop's window-background colour written on the inactive-title ground, as the lists
// show their names: the palette's Base where it reads there (light desktops, where the ground
// is a darker grey), else its Text colour (dark desktops, where Base is as dark as the ground).
QColor textOnInactiveTitle(const QPalette &palette);

// The grounds of texts whose colour the program fixes (cyan, yellow, dark green, black): those
// of the classic light desktop, so that such a text reads the same on every desktop.
QColor classicInactiveTitle();
QColor classicWindow();

// How well two colours read one on the other: 1 for the same, 21 for black on white.
double contrastRatio(const QColor &text, const QColor &ground);

// Paints the text of a label in the colour, its ground left as it is.
void setTextColour(QWidget *label, const QColor &colour);

// Paints the control's background and text in the given colours, whatever kind it is.
void setControlColours(QWidget *control, const QColor &background, const QColor &text);
