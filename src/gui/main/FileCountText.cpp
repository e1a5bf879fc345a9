#include "gui/main/FileCountText.h"

QString fileCountText(int count)
{
    return u' ' + QString::number(count) + QStringLiteral("  db file");
}
