#include "gui/folder/Module1.h"
#include "platform/LocalFileSystem.h"
#include "support/ScriptedMessageBoxes.h"

#include <QSet>
#include <QTest>

// Retrying and giving up on a drive are driven through the folder chooser's tests.
class TestModule1 : public QObject {
    Q_OBJECT

private slots:
    void eachConditionHasItsOwnMessage();
};

// Every condition gives up without Retry and has a text of its own; Retry is the default.
void TestModule1::eachConditionHasItsOwnMessage()
{
    LocalFileSystem local;
    ScriptedMessageBoxes messages;
    Module1 module(local, messages);
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
