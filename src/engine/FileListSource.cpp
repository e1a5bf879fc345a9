#include "engine/FileListSource.h"

ListedFiles FileListSource::listedFiles() const
{
    ListedFiles listed{{}, {}, filePattern(), listedFolder()};
    const int count = fileCount();
    listed.selected.reserve(size_t(count));
    for (int index = 0; index < count; ++index) {
        listed.names.append(fileName(index).bytes);
        listed.selected.push_back(isFileSelected(index));
    }
    return listed;
}
