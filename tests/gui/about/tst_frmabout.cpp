#include "gui/about/frmAbout.h"
#include "platform/SystemProgramStarter.h"
#include "platform/SystemRegistry.h"
#include "support/TemporaryFolder.h"
#include "support/TestProgram.h"
#include "support/WindowControls.h"

#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

class TestAboutWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void marqueeRunsInThirteenTickCycles();
    void marqueeColoursStayBelow255();
    void clickStopsAndResumesWhereItStopped();
    void everyStartDrawsTheSameColours();
    void sysInfoFollowsTheRegistry_data();
    void sysInfoFollowsTheRegistry();
    void systemRegistryFindsProgramOnPath_data();
    void systemRegistryFindsProgramOnPath();

private:
    static QStringList tick(frmAbout *window, int times);
    static QList<QColor> tickColours(frmAbout *window, int times);
    QLabel *marquee() const { return control<QLabel>(*m_window, "Label1"); }
    bool showsUnavailableMessage() const;

    std::unique_ptr<TestProgram> m_program;
    QPointer<frmAbout> m_window;
};

void TestAboutWindow::init()
{
    m_program = std::make_unique<TestProgram>();
    m_window = new frmAbout(m_program->context);
    m_window->show();
}

void TestAboutWindow::cleanup()
{
    delete m_window;
}

QStringList TestAboutWindow::tick(frmAbout *window, int times)
{
    QStringList captions;
    for (int count = 0; count < times; ++count) {
        QMetaObject::invokeMethod(window, "Timer1_Timer");
        captions.append(control<QLabel>(*window, "Label1")->text());
    }
    return captions;
}

QList<QColor> TestAboutWindow::tickColours(frmAbout *window, int times)
{
    QList<QColor> colours;
    for (int count = 0; count < times; ++count) {
        tick(window, 1);
        colours.append(control<QLabel>(*window, "Label1")->palette().color(QPalette::WindowText));
    }
    return colours;
}

bool TestAboutWindow::showsUnavailableMessage() const
{
    const QList<MessageRequest> &requests = m_program->messages.requests;
    return requests.size() == 1 && requests[0].text == QLatin1String("System Information Is Unavailable At This Time")
        && requests[0].title == QLatin1String("Vordrin") && requests[0].icon == QMessageBox::NoIcon
        && requests[0].buttons == QMessageBox::Ok;
}

void TestAboutWindow::marqueeRunsInThirteenTickCycles()
{
    QVERIFY(marquee()->text().isEmpty());
    const QStringList cycle = {"   C",       "  Cal",    " Calve",  "Calveno", "alvenor ", "lvenor   ", "venor   ",
                               "enor   ",    "nor   ",   "or   ",   "r   ",    "   ",      ""};
    QCOMPARE(tick(m_window, 26), cycle + cycle);
}

void TestAboutWindow::marqueeColoursStayBelow255()
{
    m_program->randomNumbers.values = {0.0, 0.5, 0.9999999999};
    QCOMPARE(tickColours(m_window, 1), QList<QColor>{QColor(0, 127, 254)});
}

void TestAboutWindow::clickStopsAndResumesWhereItStopped()
{
    tick(m_window, 3);
    QTest::mouseClick(marquee(), Qt::LeftButton);
    QCOMPARE(tick(m_window, 2), QStringList(2, QStringLiteral("   Calvenor \u2122   ")));
    QCOMPARE(marquee()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    QTest::mouseClick(marquee(), Qt::LeftButton);
    QCOMPARE(tick(m_window, 1), QStringList{"Calveno"});
}

void TestAboutWindow::everyStartDrawsTheSameColours()
{
    const QList<QColor> first = tickColours(m_window, 20);
    TestProgram secondStart;
    frmAbout secondWindow(secondStart.context);
    QCOMPARE(tickColours(&secondWindow, 20), first);
    QVERIFY(first.count(first.first()) < first.size());
}

// Location 1 holds a path (type 0: no such key); location 2 names a real folder that may hold
// the program file. The expected start uses FOLDER for that folder.
void TestAboutWindow::sysInfoFollowsTheRegistry_data()
{
    QTest::addColumn<int>("pathType");
    QTest::addColumn<QByteArray>("pathData");
    QTest::addColumn<bool>("location2");
    QTest::addColumn<bool>("programFile");
    QTest::addColumn<bool>("startFails");
    QTest::addColumn<QString>("started");

    const QByteArray path("/opt/info/sysinfo");
    QTest::newRow("text with its NUL") << 1 << path + '\0' << false << false << false << QString(path);
    QTest::newRow("text without NUL") << 1 << path << false << false << false << QString(path);
    QTest::newRow("exactly 1024 bytes") << 1 << QByteArray(1024, 'a') << false << false << false << QString(1024, u'a');
    QTest::newRow("over 1024 bytes") << 1 << QByteArray(1025, 'a') << false << false << false << QString();
    QTest::newRow("number") << 4 << QByteArray("\x1f\xab\0\0", 4) << false << false << false << "&hAB1F";
    QTest::newRow("expandable text") << 2 << path + '\0' << false << false << true << "";
    QTest::newRow("size 0 ends the command") << 1 << QByteArray() << true << true << false << QString();
    QTest::newRow("location 1 first, unchecked") << 1 << path << true << true << false << QString(path);
    QTest::newRow("location 2 with the file") << 0 << QByteArray() << true << true << false << "FOLDER/msinfo32.exe";
    QTest::newRow("location 2 without it") << 0 << QByteArray() << true << false << false << QString();
    QTest::newRow("start fails") << 1 << path << false << false << true << QString(path);
    QTest::newRow("no location") << 0 << QByteArray() << false << false << false << QString();
}

void TestAboutWindow::sysInfoFollowsTheRegistry()
{
    QFETCH(int, pathType);
    QFETCH(QByteArray, pathData);
    QFETCH(bool, location2);
    QFETCH(bool, programFile);
    QFETCH(bool, startFails);
    QFETCH(QString, started);
    TemporaryFolder folder;
    started.replace(QLatin1String("FOLDER"), folder.path());
    if (programFile)
        folder.create(QStringLiteral("msinfo32.exe"));
    QHash<QByteArray, QHash<QByteArray, MemoryRegistry::Value>> &keys = m_program->registry.keys;
    if (pathType != 0)
        keys[SysInfoPathKey][SysInfoPathValue] = {quint32(pathType), pathData};
    if (location2)
        keys["SOFTWARE\\Microsoft\\Shared Tools Location"]["MSINFO"] = {RegistryText, folder.path().toUtf8() + '\0'};
    if (startFails)
        m_program->programStarter.failing.append(started);

    control<QPushButton>(*m_window, "cmdSysInfo")->click();

    QCOMPARE(m_program->programStarter.started, started.isNull() ? QStringList() : QStringList{started});
    QCOMPARE(showsUnavailableMessage(), started.isNull() || startFails);
    QVERIFY(m_program->registry.openKeys.isEmpty());
}

void TestAboutWindow::systemRegistryFindsProgramOnPath_data()
{
    QTest::addColumn<bool>("installed");
    QTest::newRow("hardinfo first on PATH") << true;
    QTest::newRow("empty PATH") << false;
}

void TestAboutWindow::systemRegistryFindsProgramOnPath()
{
    QFETCH(bool, installed);
    TemporaryFolder bin;
    bin.create(QStringLiteral("hardinfo"), "#!/bin/sh\n: > \"$0.started\"\n");
    QFile(bin.filePath(QStringLiteral("hardinfo"))).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", installed ? bin.path().toUtf8() : QByteArray());
    SystemRegistry registry;
    SystemProgramStarter starter;
    ProgramContext context = m_program->context;
    ProgramContext system{context.fileSystem, context.messages, context.volumes, context.currentFolders,
                          registry,           starter,          context.randomNumbers, context.help};
    frmAbout window(system);

    control<QPushButton>(window, "cmdSysInfo")->click();
    qputenv("PATH", oldPath);

    QCOMPARE(showsUnavailableMessage(), !installed);
    if (installed)
        QTRY_VERIFY(QFile::exists(bin.filePath(QStringLiteral("hardinfo.started"))));
}

QTEST_MAIN(TestAboutWindow)
#include "tst_frmabout.moc"
