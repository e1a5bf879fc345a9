#pragma once

#include "gui/MessageBoxes.h"

#include <QString>

// Message boxes that never show: each request is counted and answered with the box's escape
// button (Cancel, else OK). In a measured run any request means the run did not go through.
class CountingMessageBoxes final : public MessageBoxes {
public:
    QMessageBox::StandardButton ask(const MessageRequest &request) override;

    int requestCount() const { return m_requestCount; }
    // The text of the latest request, empty while there was none.
    QString lastText() const { return m_lastText; }

private:
    int m_requestCount = 0;
    QString m_lastText;
};
