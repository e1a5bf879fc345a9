#include "platform/ParkedName.h"

#include <cctype>

namespace {

const QByteArray prefix = QByteArrayLiteral(".atnevezes-");
constexpr qsizetype maxNameBytes = 255;

} // namespace

QByteArray parkedNameFor(const QByteArray &name, unsigned attempt)
{
    const QByteArray numbered = prefix + QByteArray::number(attempt);
    const QByteArray carrying = numbered + '-' + name;
    return carrying.size() <= maxNameBytes ? carrying : numbered;
}

QByteArray nameBeforeParking(const QByteArray &hiddenName)
{
    if (!hiddenName.startsWith(prefix))
        return {};
    const qsizetype dash = hiddenName.indexOf('-', prefix.size());
    if (dash <= prefix.size())
        return {};
    for (qsizetype digit = prefix.size(); digit < dash; ++digit) {
        if (!std::isdigit(static_cast<unsigned char>(hiddenName.at(digit))))
            return {};
    }
    const QByteArray name = hiddenName.mid(dash + 1);
    return name == "." || name == ".." ? QByteArray() : name;
}
