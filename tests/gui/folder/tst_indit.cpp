#include "gui/folder/DriveList.h"
#include "gui/folder/FolderList.h"
#include "gui/main/FileCountText.h"
#include "gui/main/FileList.h"
#include "support/ScriptedFileSystem.h"
#include "support/TemporaryFolder.h"
#include "support/WindowFixture.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>

#include <sys/stat.h>

namespace {

// The program with a drive "FOTO" of its own, whose root may be made unready.
struct Program {
    Program() { windows.program.volumes.volumes.append({folder.path(), QStringLiteral("FOTO")}); }

    LocalFileSystem local;
    TemporaryFolder folder;
    ScriptedFileSystem drives{local};
    WindowFixture windows{&drives};
};

} // namespace

class TestFolderChooser : public QObject {
    Q_OBJECT

private slots:
    void init() { m = std::make_unique<Program>(); }
    void cleanup() { m.reset(); }
    void handsFolderToMainWindow_data();
    void handsFolderToMainWindow();
    void selectingADrive_data();
    void selectingADrive();

private:
    QString path(const QString &name = {}) const { return m->folder.filePath(name); }
    QString mainText(const char *name) const { return m->windows.text("cserel", name); }
    FolderList *dir1() const { return m->windows.find<FolderList>("indit", "Dir1"); }
    DriveList *drive1() const { return m->windows.find<DriveList>("indit", "Drive1"); }
    QLineEdit *text1() const { return m->windows.find<QLineEdit>("indit", "Text1"); }

    std::unique_ptr<Program> m;
};

// A folder opened by a double click or by Enter, whatever the encoding of its name, goes to the
// main window with its file count and its name in front of the new names; the close box brings
// the main window back as it was. Typing into the path box, and Enter on the open folder, change
// nothing. The chooser comes back where and as it was left, and reads its drive list again when
// it drops down.
void TestFolderChooser::handsFolderToMainWindow_data()
{
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("openedBy");
    QTest::newRow("double-click") << QByteArray("Ny\xC3\xA1r") << "Nyár" << "double-click";
    QTest::newRow("Windows-1250 name") << QByteArray("\xC1rv\xEDz") << "Árvíz" << "double-click";
    QTest::newRow("Enter") << QByteArray("T\xC3\xA9l") << "Tél" << "Enter";
    QTest::newRow("close box") << QByteArray("Ny\xC3\xA1r") << "Nyár" << "close box";
}

void TestFolderChooser::handsFolderToMainWindow()
{
    QFETCH(QByteArray, folder);
    QFETCH(QString, name);
    QFETCH(QString, openedBy);
    const bool closed = openedBy == QLatin1String("close box");
    QVERIFY(::mkdir((QFile::encodeName(path()) + '/' + folder).constData(), 0700) == 0);
    for (const QByteArray file : {"/K\xE9p.jpg", "/b.jpg"})
        m->folder.createOnDisk(folder + file, file);
    const QStringList before = {mainText("Label5"), mainText("Label1"), mainText("Text1")};
    QWidget *chooser = m->windows.openChooser();
    QVERIFY(m->windows.mainWindow().isHidden());
    drive1()->setCurrentIndex(1);
    QTest::keyClicks(text1(), QStringLiteral("/etc"));
    QTest::keyClick(dir1(), Qt::Key_Return);
    QCOMPARE(QStringList({dir1()->path(), text1()->text()}), QStringList(2, path()));

    if (closed) {
        QVERIFY(!chooser->close());
    } else {
        if (openedBy == QLatin1String("Enter")) {
            QTest::keyClick(dir1(), Qt::Key_Down);
            QTest::keyClick(dir1(), Qt::Key_Return);
        } else {
            const QPoint place = dir1()->visualItemRect(dir1()->item(dir1()->count() - 1)).center();
            QTest::mouseClick(dir1()->viewport(), Qt::LeftButton, {}, place);
            QTest::mouseDClick(dir1()->viewport(), Qt::LeftButton, {}, place);
        }
        QCOMPARE(text1()->text(), path(name));
        m->windows.click("indit", "Command1");
    }

    QVERIFY(chooser->isHidden());
    QVERIFY(m->windows.mainWindow().isVisible());
    const QStringList after = {mainText("Label5"), mainText("Label1"), mainText("Text1")};
    QCOMPARE(after, closed ? before : QStringList({path(name), fileCountText(2), name + u'_'}));
    if (!closed) {
        m->windows.click("cserel", "Check4");
        m->windows.click("cserel", "Command1");
        QCOMPARE(m->windows.find<FileList>("cserel", "File1")->model()->index(0, 0).data().toString(), name + "_000.jpg");
    }

    chooser->move(chooser->pos() + QPoint(17, 23));
    const QStringList left = {text1()->text(), QString::number(chooser->x()), QString::number(chooser->y())};
    m->windows.program.volumes.volumes.append({path(name), QStringLiteral("USB")});
    QCOMPARE(m->windows.openChooser(), chooser);
    static_cast<QComboBox *>(drive1())->showPopup();
    drive1()->hidePopup();
    QCOMPARE(QStringList({text1()->text(), QString::number(chooser->x()), QString::number(chooser->y())}), left);
    QCOMPARE(QStringList({QString::number(drive1()->count()), drive1()->drive()}), QStringList({"3", path()}));
}

// Retried until ready, a drive opens at its current folder, or at the nearest existing parent of
// it; given up, the previous drive and folder stay.
void TestFolderChooser::selectingADrive_data()
{
    QTest::addColumn<int>("unready"); // attempts that find the drive unready, -1 for ever
    QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
    QTest::newRow("ready") << 0 << QList<QMessageBox::StandardButton>();
    QTest::newRow("retried until ready") << 2 << QList{QMessageBox::Retry, QMessageBox::Retry};
    QTest::newRow("given up") << -1 << QList{QMessageBox::Retry, QMessageBox::Cancel};
}

void TestFolderChooser::selectingADrive()
{
    QFETCH(int, unready);
    QFETCH(QList<QMessageBox::StandardButton>, answers);
    QVERIFY(QDir().mkpath(path("Tél")));
    m->windows.program.currentFolders.makeCurrent(path(), path("Tél/Hó"));
    m->drives.makeUnready(path() + u'/', FileCondition::DiskNotReady, unready);
    m->windows.program.messages.answers = answers;
    m->windows.openChooser();
    const QString before = dir1()->path();

    drive1()->setCurrentIndex(1);

    QCOMPARE(m->windows.messageCount(), answers.size());
    QCOMPARE(drive1()->drive(), unready < 0 ? QStringLiteral("/") : path());
    QCOMPARE(dir1()->path(), unready < 0 ? before : path("Tél"));
    QCOMPARE(text1()->text(), dir1()->path());
}

QTEST_MAIN(TestFolderChooser)
#include "tst_indit.moc"
