#pragma once

#include "NoReplaceRename_posix.h"
#include "RenameFolder.h"

#include <optional>

// A folder opened by its descriptor: every file step works on leaf names relative to it.
class PosixRenameFolder final : public RenameFolder {
public:
    PosixRenameFolder(int descriptor, SystemCalls &calls);
    ~PosixRenameFolder() override;

    PosixRenameFolder(const PosixRenameFolder &) = delete;
    PosixRenameFolder &operator=(const PosixRenameFolder &) = delete;

    FileError setArchiveOnly(const DiskName &name) override;
    FileError rename(const DiskName &oldName, const QString &newName) override;
    QString parkedName() const override;
    bool isRemoved() const override;

private:
    mode_t writeBits();

    int m_descriptor;
    SystemCalls &m_calls;
    NoReplaceRename m_rename;
    std::optional<bool> m_singleReadOnlyFlag;
};
