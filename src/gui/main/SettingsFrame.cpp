#include "gui/main/SettingsFrame.h"

#include <QMouseEvent>

void SettingsFrame::mousePressEvent(QMouseEvent *event)
{
    QGroupBox::mousePressEvent(event);
    if (!childAt(event->position().toPoint()))
        emit mouseDown(event->button());
}
