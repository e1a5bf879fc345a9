#include "platform/FileNameOrder.h"

#include "platform/DiskName.h"

#include <QCollator>
#include <QCollatorSortKey>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// The user's collation; the "C" locale has none beyond character codes, which would put every
// capital before every small letter, so the language-neutral collation stands in for it.
QCollator userCollator()
{
    const QLocale user;
    QCollator collator(user.language() == QLocale::C ? QLocale(QLocale::English) : user);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

const QString &shownText(const QString &name)
{
    return name;
}

QString shownText(const QByteArray &name)
{
    return DiskName::textOf(name);
}

bool exactlyBefore(const QString &a, const QString &b)
{
    return a < b;
}

bool exactlyBefore(const QByteArray &a, const QByteArray &b)
{
    const QString textA = shownText(a);
    const QString textB = shownText(b);
    return textA < textB || (textA == textB && a < b);
}

// The positions of the names in display order. One sort key per name makes each comparison a
// plain byte comparison; the keys are gone before the sorted list is built.
template<typename Name>
std::vector<qsizetype> displayOrder(const QList<Name> &names)
{
    const QCollator collator = userCollator();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(names.size());
    for (const Name &name : names)
        keys.push_back(collator.sortKey(shownText(name)));

    std::vector<qsizetype> order(names.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        const int byCollation = keys[a].compare(keys[b]);
        if (byCollation != 0)
            return byCollation < 0;
        return exactlyBefore(names[a], names[b]);
    });
    return order;
}

template<typename Name>
void sortInDisplayOrder(QList<Name> &names)
{
    const std::vector<qsizetype> order = displayOrder(names);
    QList<Name> sorted;
    sorted.reserve(names.size());
    for (qsizetype index : order)
        sorted.append(std::move(names[index]));
    names = std::move(sorted);
}

} // namespace

void sortFileNames(QStringList &names)
{
    sortInDisplayOrder(names);
}

void sortFileNames(QByteArrayList &names)
{
    sortInDisplayOrder(names);
}
