#pragma once

#include <QGroupBox>

// The settings frame. It reports mouse presses on its own surface (border, caption and the
// free space between the controls, a hidden control's place included), never on a control.
class SettingsFrame final : public QGroupBox {
    Q_OBJECT

public:
    using QGroupBox::QGroupBox;

signals:
    void mouseDown(Qt::MouseButton button);

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
