#include "engine/RenameRecord.h"

void RenameRecord::add(const QByteArray &before, const QByteArray &after, const FileIdentity &file)
{
    m_names.append(before);
    m_names.append(after);
    m_files.push_back(file);
}

void RenameRecord::removeLast()
{
    m_files.pop_back();
    m_names.removeLast();
    m_names.removeLast();
}

void RenameRecord::clear()
{
    m_names = {};
    m_files = {};
}
