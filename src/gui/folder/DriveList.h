#pragma once

#include "platform/Volumes.h"

#include <QComboBox>

// The drive list: the mounted volumes by root path and label. Every change of the selected
// drive, by the user or by the program, is reported by currentIndexChanged.
class DriveList final : public QComboBox {
    Q_OBJECT

public:
    DriveList(const Volumes &volumes, QWidget *parent = nullptr);

    // The selected drive's designation: its root folder.
    DiskName drive() const;
    // Selects the drive that holds the folder or drive given as text.
    void setDrive(const QString &text);

protected:
    void showPopup() override;

private:
    void readVolumes();

    const Volumes &m_volumes;
    QList<Volume> m_listed;
};
