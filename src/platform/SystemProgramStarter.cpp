#include "platform/SystemProgramStarter.h"

#include <QProcess>

bool SystemProgramStarter::start(const QString &path)
{
    return QProcess::startDetached(path, {});
}
