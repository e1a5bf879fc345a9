#include "platform/FilePattern.h"

namespace {

bool sameLetter(QChar a, QChar b)
{
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

} // namespace

FilePattern::FilePattern(const QString &patterns)
{
    for (const QString &part : patterns.split(u';', Qt::SkipEmptyParts)) {
        const QString pattern = part.trimmed();
        if (pattern == u"*" || pattern == u"*.*")
            m_matchesAll = true;
        else if (!pattern.isEmpty())
            m_patterns.append(pattern);
    }
}

bool FilePattern::matches(QStringView name) const
{
    if (m_matchesAll)
        return true;
    for (const QString &pattern : m_patterns) {
        if (matchesOne(pattern, name))
            return true;
        if (pattern.endsWith(u".*") && !name.contains(u'.')
            && matchesOne(QStringView(pattern).chopped(2), name))
            return true;
    }
    return false;
}

// Greedy wildcard match with one back-tracking point: the position after the last "*".
bool FilePattern::matchesOne(QStringView pattern, QStringView name)
{
    qsizetype p = 0;
    qsizetype n = 0;
    qsizetype starP = -1;
    qsizetype starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == u'*') {
            starP = ++p;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == u'?' || sameLetter(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (starP >= 0) {
            p = starP;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == u'*')
        ++p;
    return p == pattern.size();
}
