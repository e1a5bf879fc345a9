#pragma once

#include "platform/FileHandle_posix.h"
#include "platform/NoReplaceRename_posix.h"
#include "platform/RenameFolder.h"

// A folder opened by its descriptor: every file step works on leaf names relative to it.
class LinuxRenameFolder final : public RenameFolder {
public:
    LinuxRenameFolder(int descriptor, SystemCalls &calls);
    ~LinuxRenameFolder() override = default;

    LinuxRenameFolder(const LinuxRenameFolder &) = delete;
    LinuxRenameFolder &operator=(const LinuxRenameFolder &) = delete;

    FileError setArchiveOnly(const DiskName &name, FileIdentity &file) override;
    FileError rename(const DiskName &oldName, const DiskName &newName) override;
    QString parkedName() const override;
    bool isRemoved() const override;
    FileIdentity identity() const override;
    FileIdentity identify(const DiskName &name) override;
    FileError makeDurable() override;

private:
    // The file whose mode the attribute step changed last, still open, and its mode before.
    struct ModeChange {
        QByteArray name;
        FileHandle handle;
        mode_t mode = 0;
    };

    mode_t writeBits();
    const QByteArray &mountType();
    void forgetModeChange();

    FileHandle m_folder;
    SystemCalls &m_calls;
    NoReplaceRename m_rename;
    ModeChange m_modeChange;
};
