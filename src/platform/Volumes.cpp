#include "platform/Volumes.h"

#include <QDir>

namespace {

bool holds(const QString &root, const QString &path)
{
    const QString cleanRoot = QDir::cleanPath(root);
    const QString cleanPath = QDir::cleanPath(path);
    if (!cleanPath.startsWith(cleanRoot))
        return false;
    return cleanPath.size() == cleanRoot.size() || cleanRoot.endsWith(u'/') || cleanPath.at(cleanRoot.size()) == u'/';
}

} // namespace

int volumeIndexHolding(const QList<Volume> &volumes, const QString &path)
{
    int best = -1;
    for (int index = 0; index < volumes.size(); ++index) {
        if (holds(volumes[index].root.text, path)
            && (best < 0 || volumes[index].root.text.size() > volumes[best].root.text.size()))
            best = index;
    }
    return best;
}
