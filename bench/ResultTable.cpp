#include "ResultTable.h"

#include <QTextStream>

namespace {

constexpr int labelWidth = 42;
constexpr int numberWidth = 10;

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals).rightJustified(numberWidth);
}

} // namespace

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

    for (const Row &row : m_rows) {
        const double ratio = row.realMs / row.floorMs;
        const bool met = row.correct && ratio <= row.targetRatio;
        out << row.label.leftJustified(labelWidth) << QString::number(row.fileCount).rightJustified(numberWidth)
            << fixed(row.realMs, 1) << fixed(row.floorMs, 1) << fixed(ratio, 2)
            << (QStringLiteral("<= ") + QString::number(row.targetRatio, 'f', 1) + u'x').rightJustified(numberWidth)
            << QStringLiteral("  ") << verdict(met) << Qt::endl;
    }

    out << Qt::endl
        << QStringLiteral("peak resident memory: %1 MiB (target < %2 MiB)  %3")
               .arg(QString::number(peakMiB, 'f', 1), QString::number(peakLimitMiB, 'f', 0),
                    verdict(peakMiB < peakLimitMiB))
        << Qt::endl;
    for (const QString &note : m_notes)
        out << QStringLiteral("note: ") << note << Qt::endl;
}

QString ResultTable::verdict(bool met)
{
    return met ? QStringLiteral("OK") : QStringLiteral("MISSED");
}
