#pragma once

#include "platform/FileCondition.h"

// The condition of the program's error table that a system error number stands for.
FileCondition conditionOfErrno(int error);
