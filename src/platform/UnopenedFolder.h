#pragma once

#include "platform/RenameFolder.h"

// A folder that could not be opened (removed, unreadable, on a disk that is gone): every step
// in it is refused for the reason the opening failed.
class UnopenedFolder final : public RenameFolder {
public:
    explicit UnopenedFolder(FileCondition reason)
        : m_reason(reason)
    {
    }

    FileError setArchiveOnly(const DiskName &, FileIdentity &) override { return m_reason; }
    FileError rename(const DiskName &, const DiskName &) override { return m_reason; }
    QString parkedName() const override { return {}; }
    bool isRemoved() const override { return false; }
    FileIdentity identity() const override { return {}; }
    FileIdentity identify(const DiskName &) override { return {}; }
    FileError makeDurable() override { return {}; }

private:
    FileCondition m_reason;
};
