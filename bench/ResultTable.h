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
        double floorMs = 0;
        double targetRatio = 0; // the real time may be at most this many times the floor
        bool correct = true;    // the real code and the floor left the same result
    };

    void addRow(const Row &row);
    void addNote(const QString &note);

    // The rows, then the peak memory against its limit, then the notes.
    void print(QTextStream &out, double peakMiB, double peakLimitMiB) const;

private:
    static QString verdict(bool met);

    QList<Row> m_rows;
    QStringList m_notes;
};
