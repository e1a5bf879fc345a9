#pragma once

#include "gui/MessageBoxes.h"

// Message boxes on the screen, in front of the active window.
class QtMessageBoxes final : public MessageBoxes {
public:
    QMessageBox::StandardButton ask(const MessageRequest &request) override;
};
