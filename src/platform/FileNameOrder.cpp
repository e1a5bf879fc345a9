#include "platform/FileNameOrder.h"

#include "platform/DiskName.h"
#include "platform/PackedNames.h"

#include <QLocale>

#include <unicode/ucol.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <future>
#include <memory>
#include <numeric>
#include <system_error>
#include <thread>
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

// The sort keys of the names from `first` to `last`, one after another in one buffer.
template<typename Names>
PackedNames sortKeys(const Names &names, qsizetype first, qsizetype last)
{
    const Collator collator = userCollator();
    PackedNames keys;
    QByteArray key(256, Qt::Uninitialized);
    for (qsizetype index = first; index < last; ++index)
        appendSortKey(collator.get(), shownText(names.at(index)), key, keys);
    return keys;
}

// A long list is put in order in two halves at once, one on another core, and the halves are
// then merged; a short one is not worth the thread.
bool worthASecondCore(qsizetype size)
{
    constexpr qsizetype longList = 20'000;
    return size >= longList && std::thread::hardware_concurrency() > 1;
}

// Runs `work` on another thread when asked to, or else when its result is wanted; so does a
// process that the system refuses another thread.
template<typename Work>
auto startOnSecondCore(bool secondCore, Work work)
{
    if (secondCore) {
        try {
            return std::async(std::launch::async, work);
        } catch (const std::system_error &) {
        }
    }
    return std::async(std::launch::deferred, std::move(work));
}

// The sort keys of all names, in two halves, each made with a collator of its own; the first
// half is empty for a short list.
template<typename Names>
std::array<PackedNames, 2> sortKeysInHalves(const Names &names, bool secondCore)
{
    const qsizetype half = secondCore ? names.size() / 2 : 0;
    auto firstHalf = startOnSecondCore(secondCore, [&] { return sortKeys(names, 0, half); });
    PackedNames secondHalf = sortKeys(names, half, names.size());
    return {firstHalf.get(), std::move(secondHalf)};
}

// Sorts the positions by `less`, the two halves at once for a long list, then merges them.
template<typename Less>
void sortInHalves(std::vector<quint32> &order, bool secondCore, Less less)
{
    const auto middle = order.begin() + std::ptrdiff_t(secondCore ? order.size() / 2 : 0);
    auto firstHalf = startOnSecondCore(secondCore, [&] { std::sort(order.begin(), middle, less); });
    std::sort(middle, order.end(), less);
    firstHalf.get();
    std::inplace_merge(order.begin(), middle, order.end(), less);
}

// The positions of the names in display order. One sort key per name, all of them in two
// buffers, makes each comparison a plain byte comparison; the keys are gone before the sorted
// list is built.
template<typename Names>
std::vector<quint32> displayOrder(const Names &names)
{
    const bool secondCore = worthASecondCore(names.size());
    const std::array<PackedNames, 2> keys = sortKeysInHalves(names, secondCore);
    const qsizetype half = keys[0].size();
    const auto keyOf = [&](quint32 index) { return index < half ? keys[0].at(index) : keys[1].at(index - half); };

    std::vector<quint32> order(size_t(names.size()));
    std::iota(order.begin(), order.end(), 0);
    sortInHalves(order, secondCore, [&](quint32 a, quint32 b) {
        const int byCollation = compareKeys(keyOf(a), keyOf(b));
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
