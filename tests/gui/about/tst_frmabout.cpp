#include "platform/SystemProgramStarter.h"
#include "platform/SystemRegistry.h"
#include "support/WindowFixture.h"

#include <QFile>

class TestAboutWindow : public QObject {
    Q_OBJECT

private slots:
    void init() { m = std::make_unique<WindowFixture>(); }
    void cleanup() { m.reset(); }

    // Location 1 holds a path (type 0: no such key, -1: the key without the value); location 2 names
    // a real folder that holds the program file or not. The expected start uses FOLDER for that
    // folder; a null string is none. Starting "" or FAILING fails.
    void sysInfoFollowsTheRegistry_data()
    {
        QTest::addColumn<int>("pathType");
        QTest::addColumn<QByteArray>("pathData");
        QTest::addColumn<int>("location2"); // 0 none, 1 a folder, 2 a folder with the program file
        QTest::addColumn<QString>("started");

        const QByteArray path("/opt/info/sysinfo");
        QTest::newRow("text with its NUL") << 1 << path + '\0' << 0 << QString(path);
        QTest::newRow("text without NUL") << 1 << path << 0 << QString(path);
        QTest::newRow("exactly 1024 bytes") << 1 << QByteArray(1024, 'a') << 0 << QString(1024, u'a');
        QTest::newRow("over 1024 bytes") << 1 << QByteArray(1025, 'a') << 0 << QString();
        QTest::newRow("number") << 4 << QByteArray("\x1f\xab\0\0", 4) << 0 << "&hAB1F";
        QTest::newRow("expandable text") << 2 << path + '\0' << 0 << "";
        QTest::newRow("size 0 ends the command") << 1 << QByteArray() << 2 << QString();
        QTest::newRow("location 1 first, unchecked") << 1 << path << 2 << QString(path);
        QTest::newRow("location 2 with the file") << 0 << QByteArray() << 2 << "FOLDER/msinfo32.exe";
        QTest::newRow("key without the value") << -1 << path << 2 << "FOLDER/msinfo32.exe";
        QTest::newRow("location 2 without it") << 0 << QByteArray() << 1 << QString();
        QTest::newRow("start fails") << 1 << QByteArray("FAILING") << 0 << "FAILING";
        QTest::newRow("no location") << 0 << QByteArray() << 0 << QString();
    }

    // What is not started, found or not, is said in one message; no key is left open.
    void sysInfoFollowsTheRegistry()
    {
        QFETCH(int, pathType);
        QFETCH(QByteArray, pathData);
        QFETCH(int, location2);
        QFETCH(QString, started);
        started.replace(QLatin1String("FOLDER"), m->folder.path());
        if (location2 == 2)
            m->folder.create("msinfo32.exe");
        if (pathType != 0)
            m->program.keys[SysInfoPathKey][pathType > 0 ? SysInfoPathValue : "other"] = {quint32(qAbs(pathType)), pathData};
        if (location2 != 0)
            m->program.keys["SOFTWARE\\Microsoft\\Shared Tools Location"]["MSINFO"] = {RegistryText, m->folder.path().toUtf8() + '\0'};
        m->program.failing = {QString(""), QStringLiteral("FAILING")};

        m->aboutWindow();
        m->click("frmAbout", "cmdSysInfo");

        QCOMPARE(m->program.started, started.isNull() ? QStringList() : QStringList{started});
        QCOMPARE(m->messageCount(), int(started.isNull() || m->program.failing.contains(started)));
        QVERIFY(m->program.openKeys.isEmpty());
    }

    // Each tick shows a longer cut of the name in a new colour, the thirteenth none; a click on the
    // label stops it on the whole name in blue, a second goes on from where it stood.
    void marqueeRunsAndStops()
    {
        QStringList shown;
        for (int tick = 0; tick < 14; ++tick) {
            if (tick == 2 || tick == 3)
                QTest::mouseClick(m->find("frmAbout", "Label1"), Qt::LeftButton);
            QMetaObject::invokeMethod(&m->aboutWindow(), "Timer1_Timer");
            shown << m->text("frmAbout", "Label1") + (tick == 2 ? m->find("frmAbout", "Label1")->palette().color(QPalette::WindowText).name() : "");
        }
        QCOMPARE(shown, (QStringList{"   C", "  Cal", "   Calvenor \u2122   #0000ff", " Calve", "Calveno", "alvenor ", "lvenor   ", "venor   ",
                                     "enor   ", "nor   ", "or   ", "r   ", "   ", ""}));
    }

    // The system's registry finds the information program on the PATH and answers its one value
    // only while the program is found; the system starts it.
    void systemFindsProgramOnPath()
    {
        m->folder.create("hardinfo", "#!/bin/sh\n: > \"$0.started\"\n");
        QFile::setPermissions(m->folder.filePath(QStringLiteral("hardinfo")), QFile::ReadOwner | QFile::ExeOwner);
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", m->folder.path().toUtf8());
        SystemRegistry registry;
        RegistryKey key = 0, other = 0;
        quint32 type = 0, size = 1024;
        char buffer[1024];
        QVERIFY(registry.openKey(LocalMachineRoot, SysInfoPathKey, 0, 0, key) && !registry.queryValue(key, "other", type, buffer, size)
                && !registry.openKey(LocalMachineRoot, "SOFTWARE\\Other", 0, 0, other));
        QVERIFY(registry.queryValue(key, SysInfoPathValue, type, buffer, size) && SystemProgramStarter().start(QString::fromUtf8(buffer)));
        qputenv("PATH", QByteArray());
        QVERIFY(!registry.queryValue(key, SysInfoPathValue, type, buffer, size) && !registry.openKey(LocalMachineRoot, SysInfoPathKey, 0, 0, key));
        qputenv("PATH", oldPath);
        QTRY_VERIFY(QFile::exists(m->folder.filePath(QStringLiteral("hardinfo.started"))));
    }

private:
    std::unique_ptr<WindowFixture> m;
};

QTEST_MAIN(TestAboutWindow)
#include "tst_frmabout.moc"
