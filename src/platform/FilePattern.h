#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// A file list's pattern: wildcard patterns joined by ";", where "*" stands for any run of
// characters and "?" for any one, letters matched without regard to case. A pattern that ends
// in ".*" also matches names without a dot, so "*.*" matches every name.
class FilePattern {
public:
    explicit FilePattern(const QString &patterns);

    bool matches(QStringView name) const;
    // Whether every name matches, so that no name needs to be read.
    bool matchesAll() const { return m_matchesAll; }

private:
    static bool matchesOne(QStringView pattern, QStringView name);

    QStringList m_patterns;
    bool m_matchesAll = false;
};
