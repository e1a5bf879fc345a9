#pragma once

#include "platform/DiskName.h"

#include <QByteArrayList>
#include <QString>

class FileSystem;

// Files that a change of letter case left under a hidden temporary name of the folder, the
// program killed between its two steps. Each gets back the name its hidden name carries, when
// that name is free, never replacing a file. The result is what the user is told: each file
// given back and each that stays hidden, with the reason; empty when there was none.
QString putBackParkedFiles(const FileSystem &fileSystem, const DiskName &folder, const QByteArrayList &parked);
