#pragma once

#include <QByteArray>

// One file a run renamed: the name it had and the name it got, as the folder holds them.
struct RenameStep {
    QByteArray before;
    QByteArray after;
};
