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
    if (!row.hasFloor())
        return QStringLiteral("< %1 ms").arg(row.limitMs);
    return QStringLiteral("<= %1x").arg(QString::number(row.targetRatio, 'f', 1));
}

} // namespace

bool ResultTable::Row::metTarget() const
{
    if (!hasFloor())
        return correct && realMs < limitMs;
    return correct && realMs / floorMs <= targetRatio;
}

void ResultTable::addRow(const Row &row)
{
    m_rows.append(row);
}

void ResultTable::addNote(const QString &note)
{
    m_notes.append(note);
}

void ResultTable::print(QTextStream &out, double peakMiB, double peakLimitMiB) const
{
    out << QStringLiteral("case").leftJustified(labelWidth) << QStringLiteral("N").rightJustified(numberWidth)
        << QStringLiteral("real ms").rightJustified(numberWidth)
        << QStringLiteral("floor ms").rightJustified(numberWidth)
        << QStringLiteral("ratio").rightJustified(numberWidth)
        << QStringLiteral("target").rightJustified(numberWidth) << QStringLiteral("  result") << Qt::endl;

    for (const Row &row : m_rows)
        printRow(out, row);

    out << Qt::endl
        << QStringLiteral("peak resident memory: %1 MiB (target < %2 MiB)  %3")
               .arg(QString::number(peakMiB, 'f', 1), QString::number(peakLimitMiB, 'f', 0),
                    verdict(peakMiB < peakLimitMiB))
        << Qt::endl;
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
        << QStringLiteral("  ") << verdict(row.metTarget()) << Qt::endl;
}

QString ResultTable::verdict(bool met)
{
    return met ? QStringLiteral("OK") : QStringLiteral("MISSED");
}
