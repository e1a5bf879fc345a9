#include "LocalFileSystem.h"
#include "Module1.h"
#include "ScriptedMessageBoxes.h"
#include "TemporaryFolder.h"
#include "UnreadyDrives.h"

#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(FileCondition)

class TestModule1 : public QObject {
    Q_OBJECT

private slots:
    void checkDriveReady_data();
    void checkDriveReady();
    void eachConditionHasItsOwnMessage();

private:
    LocalFileSystem m_local;
};

// A drive whose root fails to read `times` times, with the user's answers to the boxes; a later
// test of the drive, ready by then, starts afresh.
void TestModule1::checkDriveReady_data()
{
    QTest::addColumn<FileCondition>("condition");
    QTest::addColumn<int>("times");
    QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<bool>("failed");

    QTest::newRow("ready empty root") << FileCondition::DiskNotReady << 0 << QList<QMessageBox::StandardButton>{} << 0 << false;
    QTest::newRow("retried until ready") << FileCondition::DiskNotReady << 2
                                         << QList{QMessageBox::Retry, QMessageBox::Retry} << 2 << false;
    QTest::newRow("cancel gives up") << FileCondition::DeviceUnavailable << 1 << QList{QMessageBox::Cancel} << 1 << true;
    QTest::newRow("retry, then close box") << FileCondition::Other << 2 << QList{QMessageBox::Retry} << 2 << true;
}

void TestModule1::checkDriveReady()
{
    QFETCH(FileCondition, condition);
    QFETCH(int, times);
    TemporaryFolder drive;
    UnreadyDrives drives(m_local);
    drives.makeUnready(drive.path() + u'/', condition, times);
    ScriptedMessageBoxes messages;
    QFETCH(QList<QMessageBox::StandardButton>, answers);
    messages.answers = answers;
    Module1 module(drives, messages);

    module.CheckDriveReady(drive.path() + u'/');

    QTEST(int(messages.requests.size()), "boxes");
    QTEST(module.DriveFailed(), "failed");
    module.CheckDriveReady(drive.path() + u'/');
    QVERIFY(!module.DriveFailed());
    QTEST(int(messages.requests.size()), "boxes");
}

// Every condition gives up without Retry and has a text of its own.
void TestModule1::eachConditionHasItsOwnMessage()
{
    ScriptedMessageBoxes messages;
    Module1 module(m_local, messages);
    QSet<QString> texts;
    for (int condition = 0; condition <= int(FileCondition::Other); ++condition) {
        QCOMPARE(module.ReportFileError(FileCondition(condition)), Module1::GiveUp);
        QVERIFY(module.DriveFailed());
        texts.insert(messages.requests.last().text);
    }
    QCOMPARE(texts.size(), int(FileCondition::Other) + 1);
    QCOMPARE(messages.requests.last().defaultButton, QMessageBox::Retry);
}

QTEST_GUILESS_MAIN(TestModule1)
#include "tst_module1.moc"
