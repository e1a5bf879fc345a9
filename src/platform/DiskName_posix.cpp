#include "platform/DiskName.h"

#include <QStringDecoder>

namespace {

constexpr char separator = '/';

// A name that begins with a byte order mark keeps it, so its text leads back to its bytes.
QString utf8Text(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    return utf8.decode(bytes);
}

QString windows1250Text(QByteArrayView bytes)
{
    thread_local QStringDecoder windows1250("windows-1250", QStringConverter::Flag::Stateless);
    return windows1250.decode(bytes);
}

QString partText(QByteArrayView part)
{
    return part.isValidUtf8() ? utf8Text(part) : windows1250Text(part);
}

} // namespace

// A path may mix both kinds of names, so each part between separators is decoded on its own.
QString DiskName::textOf(QByteArrayView bytes)
{
    if (bytes.isValidUtf8())
        return utf8Text(bytes);
    QString text;
    for (qsizetype start = 0; start <= bytes.size();) {
        qsizetype end = bytes.indexOf(separator, start);
        if (end < 0)
            end = bytes.size();
        if (start > 0)
            text += QChar(u'/');
        text += partText(bytes.sliced(start, end - start));
        start = end + 1;
    }
    return text;
}

DiskName DiskName::fromBytes(QByteArray bytes)
{
    QString text = textOf(bytes);
    return {std::move(bytes), std::move(text)};
}

DiskName DiskName::fromText(const QString &text)
{
    return {text.toUtf8(), text};
}

DiskName DiskName::root()
{
    return {QByteArray(1, separator), QStringLiteral("/")};
}

bool DiskName::isRoot() const
{
    return bytes == QByteArrayView(&separator, 1);
}

DiskName DiskName::parent() const
{
    const qsizetype last = bytes.lastIndexOf(separator);
    return last <= 0 ? root() : fromBytes(bytes.first(last));
}

DiskName DiskName::child(const DiskName &name) const
{
    if (isRoot())
        return {bytes + name.bytes, text + name.text};
    return {bytes + separator + name.bytes, text + u'/' + name.text};
}

QList<DiskName> DiskName::components() const
{
    QList<DiskName> names;
    for (const QByteArray &part : bytes.split(separator)) {
        if (!part.isEmpty())
            names.append(fromBytes(part));
    }
    return names;
}
