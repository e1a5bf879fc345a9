#pragma once

#include "gui/MessageBoxes.h"

#include <QList>

// Answers message boxes with scripted buttons, in order, and keeps every request it was
// asked. With no answer left it presses the box's escape button (Cancel, else OK).
class ScriptedMessageBoxes final : public MessageBoxes {
public:
    QList<QMessageBox::StandardButton> answers;
    QList<MessageRequest> requests;

    QMessageBox::StandardButton ask(const MessageRequest &request) override
    {
        requests.append(request);
        if (!answers.isEmpty())
            return answers.takeFirst();
        return request.buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::Ok;
    }
};
