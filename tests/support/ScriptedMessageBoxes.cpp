#include "support/ScriptedMessageBoxes.h"

QMessageBox::StandardButton ScriptedMessageBoxes::ask(const MessageRequest &request)
{
    requests.append(request);
    if (!answers.isEmpty())
        return answers.takeFirst();
    return request.buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::Ok;
}
