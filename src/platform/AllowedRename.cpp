#include "platform/AllowedRename.h"

#include <algorithm>

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

// C0 and C1 control characters, DEL, and the marks that embed, override or isolate a direction.
bool isUnseenMark(QChar character)
{
    const char16_t code = character.unicode();
    return code < 0x20 || (code >= 0x7f && code <= 0x9f) || code == 0x061c || code == 0x200e || code == 0x200f
        || (code >= 0x202a && code <= 0x202e) || (code >= 0x2066 && code <= 0x2069);
}

bool bringsUnseenMark(const QString &oldName, const QString &newName)
{
    return std::any_of(newName.cbegin(), newName.cend(),
                       [&](QChar character) { return isUnseenMark(character) && !oldName.contains(character); });
}

} // namespace

bool isAllowedRename(const DiskName &oldName, const DiskName &newName)
{
    return !leavesFolder(newName.text) && !leavesFolder(oldName.text) && newName.bytes.size() <= maxNameBytes
        && !hidesFile(oldName.text, newName.text) && newName.text.isValidUtf16()
        && !bringsUnseenMark(oldName.text, newName.text);
}
