#include "QuietWindow.h"

namespace {

const QString everyFile = QStringLiteral("*.*");

} // namespace

QuietWindow::QuietWindow(const FileSystem &fileSystem, const QString &folder)
    : m_fileSystem(fileSystem)
    , m_folder(DiskName::fromText(folder))
{
    refreshFiles();
}

int QuietWindow::fileCount() const
{
    return int(m_names.size());
}

bool QuietWindow::isFileSelected(int) const
{
    return false;
}

DiskName QuietWindow::fileName(int index) const
{
    return DiskName::fromBytes(m_names.at(index));
}

QString QuietWindow::filePattern() const
{
    return everyFile;
}

// The names are shared, as the real list shares them.
ListedFiles QuietWindow::listedFiles() const
{
    return {m_names, std::vector<bool>(size_t(m_names.size()), false), everyFile, m_listedFolder};
}

void QuietWindow::refreshFiles()
{
    // The old list goes first, so that two lists are never held at once.
    m_names.clear();
    FolderListing listing = m_fileSystem.listFiles(m_folder, everyFile, ListingOrder::Alphabetical);
    m_names = std::move(listing.names);
    m_listedFolder = listing.folder;
}

void QuietWindow::setProgressMin(int value)
{
    m_progressMin = value;
}

void QuietWindow::setProgressMax(int value)
{
    m_progressMax = value;
}

void QuietWindow::setProgressValue(int value)
{
    m_progressValue = value;
}

int QuietWindow::progressMin() const
{
    return m_progressMin;
}

void QuietWindow::setProgressVisible(bool visible)
{
    m_progressVisible = visible;
}
