#include "support/WindowControls.h"

#include "gui/main/cserel.h"
#include "gui/main/FileList.h"

#include <QApplication>

void pointMainWindowAt(cserel &window, const QString &folder)
{
    window.setFileListFolder(DiskName::fromText(folder));
    window.setPathCaption(DiskName::fromText(folder));
}

void clickEntry(FileList *list, int row)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(row, 0)).center());
}

QWidget *topLevelWindow(const char *name)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name))
            return window;
    }
    return nullptr;
}
