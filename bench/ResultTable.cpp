#include "ResultTable.h"

#include <QTextStream>

namespace {

constexpr int labelWidth = 42;
constexpr int numberWidth = 10;

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals).rightJustified(numberWidth);
}

QString target(const ResultTable::Row &row)
{
    const QString limit = QStringLiteral("< %1 ms").arg(row.limitMs);
    if (!row.hasFloor())
        return limit;
    const QString ratio = QStringLiteral("<= %1x").arg(QString::number(row.targetRatio, 'f', 2));
    return row.limitMs > 0 ? ratio + QStringLiteral(", ") + limit : ratio;
}

} // namespace

bool ResultTable::Row::metTarget() const
{
    if (!correct || peakMiB >= peakLimitMiB || (limitMs > 0 && realMs >= limitMs))
        return false;
    return !hasFloor() || realMs / floorMs <= targetRatio;
}

void ResultTable::addRow(const Row &row)
{
    m_rows.append(row);
}

void ResultTable::addNote(const QString &note)
{
    m_notes.append(note);
}

void ResultTable::print(QTextStream &out) const
{
    printHeading(out);
    printBody(out);
}

void ResultTable::printHeading(QTextStream &out)
{
    out << QStringLiteral("case").leftJustified(labelWidth) << QStringLiteral("N").rightJustified(numberWidth)
        << QStringLiteral("real ms").rightJustified(numberWidth)
        << QStringLiteral("floor ms").rightJustified(numberWidth)
        << QStringLiteral("ratio").rightJustified(numberWidth)
        << QStringLiteral("target").rightJustified(numberWidth)
        << QStringLiteral("peak MiB").rightJustified(numberWidth + 4) << QStringLiteral("  result") << Qt::endl;
}

void ResultTable::printBody(QTextStream &out) const
{
    for (const Row &row : m_rows)
        printRow(out, row);
    if (!m_notes.isEmpty())
        out << Qt::endl;
    for (const QString &note : m_notes)
        out << QStringLiteral("note: ") << note << Qt::endl;
}

// A row without a floor shows a dash for the floor and the ratio.
void ResultTable::printRow(QTextStream &out, const Row &row)
{
    const QString none = QStringLiteral("-").rightJustified(numberWidth);
    out << row.label.leftJustified(labelWidth) << QString::number(row.fileCount).rightJustified(numberWidth)
        << fixed(row.realMs, 1) << (row.hasFloor() ? fixed(row.floorMs, 1) : none)
        << (row.hasFloor() ? fixed(row.realMs / row.floorMs, 2) : none) << target(row).rightJustified(numberWidth)
        << QStringLiteral("%1 < %2").arg(row.peakMiB, 0, 'f', 1).arg(row.peakLimitMiB).rightJustified(numberWidth + 4)
        << QStringLiteral("  ") << verdict(row.metTarget()) << Qt::endl;
}

QString ResultTable::verdict(bool met)
{
    return met ? QStringLiteral("OK") : QStringLiteral("MISSED");
}
