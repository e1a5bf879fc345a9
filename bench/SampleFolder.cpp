#include "SampleFolder.h"

#include <QCryptographicHash>
#include <QFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void fail(const char *what, const QByteArray &name)
{
    qFatal("%s %s: %s", what, name.constData(), std::strerror(errno));
}

QString numbered(const QString &prefix, int number, const QString &extension)
{
    return QStringLiteral("%1_%2.%3").arg(prefix).arg(number, 5, 10, QLatin1Char('0')).arg(extension);
}

bool isDotOrDotDot(const char *name)
{
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

} // namespace

SampleFolder::SampleFolder(int fileCount)
    : m_fileCount(fileCount)
{
    if (!m_dir.isValid())
        qFatal("No temporary folder: %s", qPrintable(m_dir.errorString()));
    createAll();
}

QString SampleFolder::path() const
{
    return m_dir.path();
}

int SampleFolder::fileCount() const
{
    return m_fileCount;
}

// Renaming the files back costs a fraction of removing and creating them; the files are made
// anew only when that fails, for instance after a run that stopped early.
void SampleFolder::reset()
{
    if (!restoreNames()) {
        removeAll();
        createAll();
    }
    flushToDisk();
}

QByteArray SampleFolder::namesDigest() const
{
    std::vector<Entry> entries = readEntries();
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) { return a.name < b.name; });

    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const Entry &entry : entries) {
        hash.addData(entry.name);
        hash.addData(QByteArrayView("/", 1)); // a character no name contains
    }
    return hash.result();
}

QString SampleFolder::sampleName(int number)
{
    static const std::array<QString, 5> accentedPrefixes = {
        QStringLiteral("Kép"), QStringLiteral("Ősz"), QStringLiteral("Tűz"),
        QStringLiteral("Úszó"), QStringLiteral("Árvíz"),
    };
    if (number % 4 == 2)
        return numbered(accentedPrefixes[(number / 4) % accentedPrefixes.size()], number, QStringLiteral("jpe"));
    if (number % 10 == 3)
        return numbered(QStringLiteral("DSC"), number, QStringLiteral("JPG"));
    return numbered(QStringLiteral("IMG"), number, QStringLiteral("JPE"));
}

int SampleFolder::openFolder() const
{
    const QByteArray folder = QFile::encodeName(path());
    const int descriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        fail("Cannot open", folder);
    return descriptor;
}

// Every entry but "." and "..", read in full before the caller changes anything, so that no
// change disturbs the reading of the folder.
std::vector<SampleFolder::Entry> SampleFolder::readEntries() const
{
    DIR *stream = ::fdopendir(openFolder());
    std::vector<Entry> entries;
    while (const dirent *entry = ::readdir(stream)) {
        if (!isDotOrDotDot(entry->d_name))
            entries.push_back({QByteArray(entry->d_name), entry->d_ino});
    }
    ::closedir(stream);
    return entries;
}

// True when every file of the folder is known by its inode and is back under its sample name.
bool SampleFolder::restoreNames() const
{
    const std::vector<Entry> entries = readEntries();
    if (qsizetype(entries.size()) != m_fileCount)
        return false;
    const int folder = openFolder();
    const bool restored =
        std::all_of(entries.begin(), entries.end(), [&](const Entry &entry) { return restoreName(folder, entry); });
    ::close(folder);
    return restored;
}

bool SampleFolder::restoreName(int folder, const Entry &entry) const
{
    const std::optional<int> number = numberOfInode(entry.inode);
    if (!number)
        return false;
    const QByteArray sample = QFile::encodeName(sampleName(*number));
    return sample == entry.name
        || ::renameat2(folder, entry.name.constData(), folder, sample.constData(), RENAME_NOREPLACE) == 0;
}

std::optional<int> SampleFolder::numberOfInode(ino_t inode) const
{
    const auto found = std::lower_bound(m_numbers.begin(), m_numbers.end(), inode,
                                        [](const NumberedInode &item, ino_t wanted) { return item.inode < wanted; });
    if (found == m_numbers.end() || found->inode != inode)
        return std::nullopt;
    return found->number;
}

void SampleFolder::removeAll() const
{
    const std::vector<Entry> entries = readEntries();
    const int folder = openFolder();
    for (const Entry &entry : entries) {
        if (::unlinkat(folder, entry.name.constData(), 0) != 0)
            fail("Cannot remove", entry.name);
    }
    ::close(folder);
}

void SampleFolder::createAll()
{
    const int folder = openFolder();
    m_numbers.clear();
    m_numbers.reserve(m_fileCount);
    for (int number = 1; number <= m_fileCount; ++number) {
        const QByteArray name = QFile::encodeName(sampleName(number));
        const int file = ::openat(folder, name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        struct stat status {};
        if (file < 0 || ::fstat(file, &status) != 0)
            fail("Cannot create", name);
        ::close(file);
        m_numbers.push_back({status.st_ino, number});
    }
    ::close(folder);
    std::sort(m_numbers.begin(), m_numbers.end(),
              [](const NumberedInode &a, const NumberedInode &b) { return a.inode < b.inode; });
}

void SampleFolder::flushToDisk() const
{
    const int folder = openFolder();
    ::syncfs(folder);
    ::close(folder);
}
