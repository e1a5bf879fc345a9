#include "platform/FilePattern.h"

#include <QTest>

class TestFilePattern : public QObject {
    Q_OBJECT

private slots:
    void matches_data()
    {
        QTest::addColumn<QString>("patterns");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("matches");

        QTest::newRow("all: no dot") << "*.*" << "README" << true;
        QTest::newRow("extension shorter") << "*.jpe" << "a.jpeg" << false;
        QTest::newRow("group second") << "*.bmp;*.gif;*.jpe" << "x.GIF" << true;
        QTest::newRow("question mark") << "?.txt" << "a.txt" << true;
        QTest::newRow("question mark needs one") << "?.txt" << ".txt" << false;
        QTest::newRow("accented letter any case") << "á*.txt" << "Ábel.TXT" << true;
        QTest::newRow("name with trailing .* matches no dot") << "readme.*" << "README" << true;
        QTest::newRow("trailing .* needs the stem") << "readme.*" << "READ" << false;
        QTest::newRow("trailing star matches nothing") << "*.jp*" << "a.jp" << true;
        QTest::newRow("star backtracks") << "*a*b.txt" << "xaxxab.txt" << true;
        QTest::newRow("empty pattern matches nothing") << "" << "a.txt" << false;
    }

    void matches()
    {
        QFETCH(QString, patterns);
        QFETCH(QString, name);
        QTEST(FilePattern(patterns).matches(name), "matches");
    }
};

QTEST_GUILESS_MAIN(TestFilePattern)
#include "tst_filepattern.moc"
