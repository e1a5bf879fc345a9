#include "WindowControls.h"

#include "FileList.h"

#include <QApplication>
#include <QLabel>

void pointMainWindowAt(const QWidget &window, const QString &folder)
{
    control<FileList>(window, "File1")->setFolder(folder);
    control<QLabel>(window, "Label5")->setText(folder);
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
