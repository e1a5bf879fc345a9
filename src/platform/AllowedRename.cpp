#include "platform/AllowedRename.h"

namespace {

constexpr qsizetype maxNameBytes = 255;

bool leavesFolder(const QString &name)
{
    return name.isEmpty() || name == u"." || name == u".." || name.contains(u'/') || name.contains(QChar(u'\0'));
}

bool hidesFile(const QString &oldName, const QString &newName)
{
    return newName.startsWith(u'.') && !oldName.startsWith(u'.');
}

} // namespace

bool isAllowedRename(const DiskName &oldName, const DiskName &newName)
{
    return !leavesFolder(newName.text) && !leavesFolder(oldName.text) && newName.bytes.size() <= maxNameBytes
        && !hidesFile(oldName.text, newName.text);
}
