#include "CountingMessageBoxes.h"

QMessageBox::StandardButton CountingMessageBoxes::ask(const MessageRequest &request)
{
    ++m_requestCount;
    m_lastText = request.text;
    return request.buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::Ok;
}
