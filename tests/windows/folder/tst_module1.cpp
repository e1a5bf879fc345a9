#include "Module1.h"
#include "ScriptedMessageBoxes.h"
#include "TemporaryFolder.h"
#include "LocalFileSystem.h"
#include "UnreadyDrives.h"

#include <QTest>

Q_DECLARE_METATYPE(FileCondition)

class TestModule1 : public QObject {
    Q_OBJECT

private slots:
    void eachConditionHasItsMessage_data();
    void eachConditionHasItsMessage();
    void retryTestsAgainUntilReady();
    void cancelGivesUpUntilNextTest();
    void readyEmptyRootPassesSilently();

private:
    LocalFileSystem m_local;
};

void TestModule1::eachConditionHasItsMessage_data()
{
    QTest::addColumn<FileCondition>("condition");
    QTest::addColumn<QString>("message");

    QTest::newRow("device") << FileCondition::DeviceUnavailable << "Az eszköz valószínűleg nem érhető el.";
    QTest::newRow("not ready") << FileCondition::DiskNotReady << "A lemez nem üzemkész.";
    QTest::newRow("full") << FileCondition::DiskFull << "A lemez megtelt.";
    QTest::newRow("name") << FileCondition::InvalidFileName << "Érvénytelen fájlnév.";
    QTest::newRow("path") << FileCondition::PathNotFound << "Az útvonal nem létezik.";
    QTest::newRow("access") << FileCondition::AccessDenied << "A fájl erre a műveletre nem nyitható meg.";
    QTest::newRow("open") << FileCondition::AlreadyOpen << "A fájl már megnyitott.";
    QTest::newRow("end of file") << FileCondition::EndOfFile
                                 << "Érvénytelen fájlvége-jelző,vagy kísérlet a fájlvége jelzőn túli olvasásra.";
    QTest::newRow("other") << FileCondition::Other << "Egyéb hiba - a lemezegység nem üzemkész.";
}

void TestModule1::eachConditionHasItsMessage()
{
    QFETCH(FileCondition, condition);
    ScriptedMessageBoxes messages;
    Module1 module(m_local, messages);

    QCOMPARE(module.ReportFileError(condition), Module1::GiveUp);

    QCOMPARE(messages.requests.size(), 1);
    const MessageRequest &box = messages.requests.first();
    QTEST(box.text, "message");
    QCOMPARE(box.title, QStringLiteral("Fájlhiba"));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttons, QMessageBox::Retry | QMessageBox::Cancel);
    QCOMPARE(box.defaultButton, QMessageBox::Retry);
    QVERIFY(module.DriveFailed());
}

void TestModule1::retryTestsAgainUntilReady()
{
    TemporaryFolder drive;
    UnreadyDrives drives(m_local);
    drives.makeUnready(drive.path(), FileCondition::DiskNotReady, 2);
    ScriptedMessageBoxes messages;
    messages.answers = {QMessageBox::Retry, QMessageBox::Retry};
    Module1 module(drives, messages);

    module.CheckDriveReady(drive.path());

    QCOMPARE(messages.requests.size(), 2);
    QVERIFY(!module.DriveFailed());
}

void TestModule1::cancelGivesUpUntilNextTest()
{
    TemporaryFolder drive;
    UnreadyDrives drives(m_local);
    drives.makeUnready(drive.path(), FileCondition::DeviceUnavailable, 1);
    ScriptedMessageBoxes messages;
    messages.answers = {QMessageBox::Cancel};
    Module1 module(drives, messages);

    module.CheckDriveReady(drive.path());
    QVERIFY(module.DriveFailed());

    module.CheckDriveReady(drive.path());
    QVERIFY(!module.DriveFailed());
    QCOMPARE(messages.requests.size(), 1);
}

void TestModule1::readyEmptyRootPassesSilently()
{
    TemporaryFolder emptyDrive;
    ScriptedMessageBoxes messages;
    Module1 module(m_local, messages);

    module.CheckDriveReady(emptyDrive.path() + u'/');

    QVERIFY(messages.requests.isEmpty());
    QVERIFY(!module.DriveFailed());
}

QTEST_GUILESS_MAIN(TestModule1)
#include "tst_module1.moc"
