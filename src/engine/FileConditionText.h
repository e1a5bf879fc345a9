#pragma once

#include "platform/FileCondition.h"

#include <QString>

// The Hungarian message that tells the user about a failed file or drive operation.
QString fileConditionText(FileCondition condition);
