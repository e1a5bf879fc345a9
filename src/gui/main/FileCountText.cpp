#include "gui/main/FileCountText.h"

QString FileCountText(int count)
{
    return u' ' + QString::number(count) + QStringLiteral("  db file");
}
