#pragma once

#include "engine/ListedFiles.h"
#include "platform/DiskName.h"
#include "platform/FileIdentity.h"

#include <QString>

// The file list a rename run works through: the listed names, which of them are selected, the
// pattern they were listed by and the folder they were read from. The main window gives it, and
// so do a played run's copy, the tests and the benchmark.
class FileListSource {
public:
    virtual ~FileListSource() = default;

    virtual int fileCount() const = 0;
    virtual bool isFileSelected(int index) const = 0;
    virtual DiskName fileName(int index) const = 0;
    // The pattern the list shows; every re-read of the folder lists by it again.
    virtual QString filePattern() const = 0;
    virtual void refreshFiles() = 0;
    // The folder the list was last read from; empty when it could not be read.
    virtual FileIdentity listedFolder() const = 0;
    // The list as it stands; a list that holds its names together shares them at no cost.
    virtual ListedFiles listedFiles() const;
};
