#pragma once

#include <QMessageBox>
#include <QString>

// One modal message box: what it says, its icon and buttons, and the button Enter presses.
struct MessageRequest {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
    // Shown behind the box's "Show Details..." button, when there are any.
    QString details = {};
};

// Every modal message box of the program goes through here, so tests can answer them.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // Shows the box and returns the button pressed; closing the box by Escape or by its
    // close box counts as its escape button.
    virtual QMessageBox::StandardButton ask(const MessageRequest &request) = 0;
};
