#include "gui/folder/DriveList.h"

#include <QSignalBlocker>

DriveList::DriveList(const Volumes &volumes, QWidget *parent)
    : QComboBox(parent)
    , m_volumes(volumes)
{
    readVolumes();
}

DiskName DriveList::drive() const
{
    const int index = currentIndex();
    return index >= 0 ? m_listed.at(index).root : DiskName();
}

void DriveList::setDrive(const QString &text)
{
    const int index = volumeIndexHolding(m_listed, text);
    if (index >= 0)
        setCurrentIndex(index);
}

// Volumes come and go, so the list is read again whenever it opens; the selected drive stays.
void DriveList::showPopup()
{
    const DiskName selected = drive();
    {
        const QSignalBlocker keepingSelection(this);
        readVolumes();
        setCurrentIndex(volumeIndexHolding(m_listed, selected.text));
    }
    QComboBox::showPopup();
}

void DriveList::readVolumes()
{
    m_listed = m_volumes.mountedVolumes();
    clear();
    for (const Volume &volume : std::as_const(m_listed))
        addItem(volume.label.isEmpty() ? volume.root.text : QStringLiteral("%1  [%2]").arg(volume.root.text, volume.label));
}
