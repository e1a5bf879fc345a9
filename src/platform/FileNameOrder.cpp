#include "platform/FileNameOrder.h"

#include "platform/DiskName.h"
#include "platform/PackedNames.h"

#include <QLocale>

#include <unicode/ucol.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <numeric>
#include <vector>

namespace {

using Collator = std::unique_ptr<UCollator, decltype(&ucol_close)>;

// The user's collation, set as Qt's own collator sets it for a comparison without regard to
// case: the text normalized first, letter case a difference of the last level only. The "C"
// locale has none beyond character codes, which would put every capital before every small
// letter, so the language-neutral collation stands in for it. Null when ICU has none.
Collator userCollator()
{
    const QLocale user;
    const QLocale language = user.language() == QLocale::C ? QLocale(QLocale::English) : user;
    const QByteArray name = language.bcp47Name().replace(u'-', u'_').toLatin1();
    UErrorCode status = U_ZERO_ERROR;
    Collator collator(ucol_open(name.constData(), &status), ucol_close);
    if (U_FAILURE(status))
        return Collator(nullptr, ucol_close);
    ucol_setAttribute(collator.get(), UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
    ucol_setAttribute(collator.get(), UCOL_STRENGTH, UCOL_SECONDARY, &status);
    return collator;
}

const QString &shownText(const QString &name)
{
    return name;
}

QString shownText(QByteArrayView name)
{
    return DiskName::textOf(name);
}

bool exactlyBefore(const QString &a, const QString &b)
{
    return a < b;
}

bool exactlyBefore(QByteArrayView a, QByteArrayView b)
{
    const QString textA = shownText(a);
    const QString textB = shownText(b);
    return textA < textB || (textA == textB && a < b);
}

// The text's sort key, appended to the keys; without a collator, its case-folded text.
void appendSortKey(const UCollator *collator, const QString &text, QByteArray &key, PackedNames &keys)
{
    if (!collator) {
        keys.append(text.toCaseFolded().toUtf8());
        return;
    }
    const auto utf16 = reinterpret_cast<const UChar *>(text.constData());
    int size = ucol_getSortKey(collator, utf16, int(text.size()), reinterpret_cast<uint8_t *>(key.data()), int(key.size()));
    if (size > key.size()) {
        key.resize(size);
        size = ucol_getSortKey(collator, utf16, int(text.size()), reinterpret_cast<uint8_t *>(key.data()), int(key.size()));
    }
    keys.append(QByteArrayView(key.constData(), size));
}

int compareKeys(QByteArrayView a, QByteArrayView b)
{
    const int byBytes = std::memcmp(a.data(), b.data(), size_t(std::min(a.size(), b.size())));
    return byBytes != 0 ? byBytes : int(a.size() - b.size());
}

// The positions of the names in display order. One sort key per name, all of them in one
// buffer, makes each comparison a plain byte comparison; the keys are gone before the sorted
// list is built.
template<typename Names>
std::vector<quint32> displayOrder(const Names &names)
{
    const Collator collator = userCollator();
    PackedNames keys;
    QByteArray key(256, Qt::Uninitialized);
    for (qsizetype index = 0; index < names.size(); ++index)
        appendSortKey(collator.get(), shownText(names.at(index)), key, keys);

    std::vector<quint32> order(size_t(names.size()));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](quint32 a, quint32 b) {
        const int byCollation = compareKeys(keys.at(a), keys.at(b));
        if (byCollation != 0)
            return byCollation < 0;
        return exactlyBefore(names.at(a), names.at(b));
    });
    return order;
}

} // namespace

void sortFileNames(QStringList &names)
{
    const std::vector<quint32> order = displayOrder(names);
    QStringList sorted;
    sorted.reserve(names.size());
    for (quint32 index : order)
        sorted.append(std::move(names[index]));
    names = std::move(sorted);
}

void sortFileNames(PackedNames &names)
{
    const std::vector<quint32> order = displayOrder(names);
    PackedNames sorted;
    for (quint32 index : order)
        sorted.append(names.at(index));
    names = std::move(sorted);
}
