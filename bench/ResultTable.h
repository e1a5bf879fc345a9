#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QTextStream;

// The measured times against their floors, printed as one table with a verdict per row.
class ResultTable {
public:
    struct Row {
        QString label;
        int fileCount = 0;
        double realMs = 0;
        double floorMs = 0;     // none for a row held to a time limit instead
        double targetRatio = 0; // the real time may be at most this many times the floor
        bool correct = true;    // the real code and the floor left the same result
        double limitMs = 0;     // when given, the real time must also stay below this
        double peakMiB = 0;     // the most memory the process held during the measurement
        double peakLimitMiB = 0;

        bool hasFloor() const { return floorMs > 0; }
        bool metTarget() const;
    };

    void addRow(const Row &row);
    void addNote(const QString &note);

    // The heading, then the body.
    void print(QTextStream &out) const;
    // The line that names the columns.
    static void printHeading(QTextStream &out);
    // The rows, each with its peak memory against its limit, then the notes.
    void printBody(QTextStream &out) const;

private:
    static void printRow(QTextStream &out, const Row &row);
    static QString verdict(bool met);

    QList<Row> m_rows;
    QStringList m_notes;
};
