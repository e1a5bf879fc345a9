#pragma once

#include <QString>
#include <QWidget>

#include <utility>

// Creates a control of a window with the name the window's code and its tests know it by.
template<typename Control, typename... Arguments>
Control *makeControl(const QString &name, QWidget *parent, Arguments &&...arguments)
{
    auto *control = new Control(std::forward<Arguments>(arguments)..., parent);
    control->setObjectName(name);
    return control;
}
