#include "gui/QtMessageBoxes.h"

#include <QApplication>

QMessageBox::StandardButton QtMessageBoxes::ask(const MessageRequest &request)
{
    QMessageBox box(request.icon, request.title, request.text, request.buttons, QApplication::activeWindow());
    box.setDefaultButton(request.defaultButton);
    box.setDetailedText(request.details);
    return QMessageBox::StandardButton(box.exec());
}
