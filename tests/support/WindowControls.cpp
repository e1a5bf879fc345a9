#include "support/WindowControls.h"

#include "gui/main/cserel.h"

void pointMainWindowAt(cserel &window, const QString &folder)
{
    window.setFileListFolder(DiskName::fromText(folder));
    window.setPathCaption(DiskName::fromText(folder));
}
