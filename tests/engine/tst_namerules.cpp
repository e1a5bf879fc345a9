#include "NameRules.h"

#include <QTest>

using namespace NameRules;

Q_DECLARE_METATYPE(RunKind)
Q_DECLARE_METATYPE(RenameSettings)

namespace {

RenameSettings settingsOf(bool numbering, bool append, const QString &newText, CaseMode mode)
{
    RenameSettings settings;
    settings.numbering = numbering;
    settings.append = append;
    settings.newText = newText;
    settings.caseMode = mode;
    return settings;
}

} // namespace

class TestNameRules : public QObject {
    Q_OBJECT

private slots:
    void splitFileName_data();
    void splitFileName();
    void numberText_data();
    void numberText();
    void composeNewName_data();
    void composeNewName();
    void rewriteJpeExtension_data();
    void rewriteJpeExtension();
    void foldedNewName_data();
    void foldedNewName();
    void fullPathKeepsEverySeparator();
};

void TestNameRules::splitFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("splits");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("extension");

    QTest::newRow("plain") << "Kép.JPG" << true << "Kép" << "JPG";
    QTest::newRow("four-letter extension") << "photo.jpeg" << true << "photo." << "peg";
    QTest::newRow("no dot") << "README" << true << "RE" << "DME";
    QTest::newRow("four, no dot") << "abcd" << true << "" << "bcd";
    QTest::newRow("four, empty base") << "x.jp" << true << "" << ".jp";
    QTest::newRow("three characters") << "abc" << false << "" << "";
    QTest::newRow("empty") << "" << false << "" << "";
}

void TestNameRules::splitFileName()
{
    QFETCH(QString, name);
    QFETCH(bool, splits);
    const std::optional<SplitName> split = SplitFileName(name);
    QCOMPARE(split.has_value(), splits);
    if (split) {
        QTEST(split->base, "base");
        QTEST(split->extension, "extension");
    }
}

void TestNameRules::numberText_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");

    QTest::newRow("0") << 0 << "000";
    QTest::newRow("7") << 7 << "007";
    QTest::newRow("10") << 10 << "010";
    QTest::newRow("99") << 99 << "099";
    QTest::newRow("100") << 100 << "100";
    QTest::newRow("1000") << 1000 << "1000";
    QTest::newRow("1234") << 1234 << "1234";
    QTest::newRow("past 16 bits") << 32768 << "32768";
    QTest::newRow("100000") << 100000 << "100000";
}

void TestNameRules::numberText()
{
    QFETCH(int, number);
    QTEST(NumberText(number), "text");
}

void TestNameRules::composeNewName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<RenameSettings>("settings");
    QTest::addColumn<int>("number");
    QTest::addColumn<RunKind>("run");
    QTest::addColumn<QString>("newName");

    const RunKind whole = RunKind::WholeList;
    const RunKind selected = RunKind::SelectedFiles;
    QTest::newRow("lower whole name") << "Kép.JPG" << settingsOf(false, false, "X", CaseMode::Lower) << 3 << whole << "kép.jpg";
    QTest::newRow("upper whole name") << "Kép.JPG" << settingsOf(false, false, "X", CaseMode::Upper) << 3 << whole << "KÉP.JPG";
    QTest::newRow("every accented letter") << "ÁRVÍZTŰRŐ TÜKÖRFÚRÓGÉP.JPG" << settingsOf(false, false, "", CaseMode::Lower) << 0 << whole << "árvíztűrő tükörfúrógép.jpg";
    QTest::newRow("number alone") << "photo.jpg" << settingsOf(true, false, "Nyár", CaseMode::Unchanged) << 4 << whole << "004.jpg";
    QTest::newRow("text and number") << "photo.jpg" << settingsOf(true, true, "Nyár", CaseMode::Unchanged) << 4 << whole << "Nyár004.jpg";
    QTest::newRow("text and number upper") << "photo.jpg" << settingsOf(true, true, "Nyár", CaseMode::Upper) << 4 << whole << "NYÁR004.JPG";
    QTest::newRow("text before base") << "Photo.jpg" << settingsOf(false, true, "X_", CaseMode::Lower) << 0 << whole << "x_photo.jpg";
    QTest::newRow("jpeg numbered") << "photo.jpeg" << settingsOf(true, false, "", CaseMode::Unchanged) << 0 << whole << "000.peg";
    QTest::newRow("jpeg appended") << "photo.jpeg" << settingsOf(false, true, "T", CaseMode::Lower) << 0 << whole << "tphoto..peg";
    QTest::newRow("unchanged without numbering keeps name") << "Kép.JPG" << settingsOf(false, false, "", CaseMode::Unchanged) << 0 << whole << "Kép.JPG";
    QTest::newRow("number past 1000") << "a.txt" << settingsOf(true, false, "", CaseMode::Unchanged) << 1000 << whole << "1000.txt";
    QTest::newRow("selected: text always in front") << "x.jpg" << settingsOf(true, false, "nyár", CaseMode::Upper) << 0 << selected << "NYÁR000.JPG";
    QTest::newRow("selected: empty text") << "Kép.JPG" << settingsOf(true, false, "", CaseMode::Unchanged) << 0 << selected << "000.JPG";
    QTest::newRow("selected: no dot") << "readme" << settingsOf(true, false, "doc", CaseMode::Unchanged) << 0 << selected << "doc000.dme";
    QTest::newRow("selected: three characters") << "abc" << settingsOf(true, false, "", CaseMode::Unchanged) << 0 << selected << "000.abc";
    QTest::newRow("selected: case only, append ignored") << "Kép.JPG" << settingsOf(false, true, "X", CaseMode::Lower) << 0 << selected << "kép.jpg";
}

void TestNameRules::composeNewName()
{
    QFETCH(QString, name);
    QFETCH(RenameSettings, settings);
    QFETCH(int, number);
    QFETCH(RunKind, run);
    QTEST(ComposeNewName(name, settings, number, run).value_or(QStringLiteral("<none>")), "newName");
}

void TestNameRules::rewriteJpeExtension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("isJpe");
    QTest::addColumn<QString>("newName");

    QTest::newRow("upper") << "KÉP.JPE" << true << "KÉP.jpg";
    QTest::newRow("mixed") << "b.Jpe" << true << "b.jpg";
    QTest::newRow("jpg stays") << "kep.jpg" << false << "";
    QTest::newRow("jpeg stays") << "photo.jpeg" << false << "";
    QTest::newRow("only the extension") << "JPE" << true << "<none>";
    QTest::newRow("two characters") << "pe" << false << "";
}

void TestNameRules::rewriteJpeExtension()
{
    QFETCH(QString, name);
    QFETCH(bool, isJpe);
    QCOMPARE(HasJpeExtension(name), isJpe);
    if (isJpe)
        QTEST(RewriteJpeExtension(name).value_or(QStringLiteral("<none>")), "newName");
}

void TestNameRules::foldedNewName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("newName");

    QTest::newRow("upper case stays") << "Árvíztűrő.txt" << "Árvizturo.txt";
    QTest::newRow("all nine") << "áéíóöőúüű.jpg" << "aeiooouuu.jpg";
    QTest::newRow("extension never folded") << "a.áéí" << "a.áéí";
    QTest::newRow("no dot") << "README" << "RE.DME";
    QTest::newRow("too short") << "abc" << "<none>";
}

void TestNameRules::foldedNewName()
{
    QFETCH(QString, name);
    QTEST(FoldedNewName(name).value_or(QStringLiteral("<none>")), "newName");
}

void TestNameRules::fullPathKeepsEverySeparator()
{
    QCOMPARE(FullPath(QStringLiteral("/home/anna/Nyár"), QStringLiteral("a.jpg")), QStringLiteral("/home/anna/Nyár/a.jpg"));
    QCOMPARE(FullPath(QStringLiteral("/"), QStringLiteral("a.jpg")), QStringLiteral("//a.jpg"));
}

QTEST_GUILESS_MAIN(TestNameRules)
#include "tst_namerules.moc"
