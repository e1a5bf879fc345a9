#pragma once

#include "platform/SystemRandomNumbers.h"

#include <QList>

// Draws the scripted numbers first, then those of the program's own generator.
class ScriptedRandomNumbers final : public RandomNumbers {
public:
    QList<double> values;

    double next() override { return values.isEmpty() ? m_system.next() : values.takeFirst(); }

private:
    SystemRandomNumbers m_system;
};
