#pragma once

class QWidget;

// Puts the window in the middle of its screen.
void centreOnScreen(QWidget &window);
