#include "gui/folder/DriveList.h"
#include "gui/folder/FolderList.h"
#include "gui/main/cserel.h"
#include "gui/main/FileList.h"
#include "support/TemporaryFolder.h"
#include "support/TestProgram.h"
#include "support/UnreadyDrives.h"
#include "support/WindowControls.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <sys/stat.h>

namespace {

// The main window over a drive "FOTO" whose root may be made unready.
struct Program {
    Program()
    {
        program.volumes.volumes.append({folder.path(), QStringLiteral("FOTO")});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    LocalFileSystem local;
    TemporaryFolder folder;
    UnreadyDrives drives{local};
    TestProgram program{&drives};
    cserel window{program.context};
};

} // namespace

// The folder chooser, opened from the main window's "Új könyvtár" as the user opens it.
class TestFolderChooser : public QObject {
    Q_OBJECT

private slots:
    void init() { m = std::make_unique<Program>(); }
    void cleanup() { m.reset(); }
    void handsFolderToMainWindow_data();
    void handsFolderToMainWindow();
    void secondOpeningShowsLastFolder();
    void keyboard();
    void unreadyDrive_data();
    void unreadyDrive();

private:
    QWidget *openChooser();
    void openFolder(const QString &path);
    void doubleClickLastFolder();
    QString mainText(const char *name) const { return control<QWidget>(m->window, name)->property("text").toString(); }
    QString path() const { return m->folder.path(); }
    QString path(const QString &name) const { return m->folder.filePath(name); }
    FolderList *dir1() const { return control<FolderList>(*m_chooser, "Dir1"); }
    DriveList *drive1() const { return control<DriveList>(*m_chooser, "Drive1"); }
    QLineEdit *text1() const { return control<QLineEdit>(*m_chooser, "Text1"); }

    std::unique_ptr<Program> m;
    QWidget *m_chooser = nullptr;
};

QWidget *TestFolderChooser::openChooser()
{
    QTest::mouseClick(control<QPushButton>(m->window, "Command2"), Qt::LeftButton);
    m_chooser = topLevelWindow("indit");
    return m_chooser;
}

void TestFolderChooser::openFolder(const QString &path)
{
    dir1()->setPath(DiskName::fromText(path));
    QTest::mouseClick(control<QPushButton>(*m_chooser, "Command1"), Qt::LeftButton);
}

// Double-clicks the last entry of the folder list, then "OK".
void TestFolderChooser::doubleClickLastFolder()
{
    const QPoint place = dir1()->visualItemRect(dir1()->item(dir1()->count() - 1)).center();
    QTest::mouseClick(dir1()->viewport(), Qt::LeftButton, {}, place);
    QTest::mouseDClick(dir1()->viewport(), Qt::LeftButton, {}, place);
    QTest::mouseClick(control<QPushButton>(*m_chooser, "Command1"), Qt::LeftButton);
}

// A folder opened by a double click, whatever the encoding of its name, is handed to the main
// window with its file count and its name in front of the new names; the close box (no folder)
// brings the main window back as it was.
void TestFolderChooser::handsFolderToMainWindow_data()
{
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("count");

    QTest::newRow("photo folder") << QByteArray("Ny\xC3\xA1r") << "Nyár" << " 2  db file";
    QTest::newRow("Windows-1250 name") << QByteArray("\xC1rv\xEDz") << "Árvíz" << " 2  db file";
    QTest::newRow("empty folder") << QByteArray("\xC3\xBCres") << "üres" << " 0  db file";
    QTest::newRow("root") << QByteArray("/") << "" << "";
    QTest::newRow("close box") << QByteArray() << "" << "";
}

void TestFolderChooser::handsFolderToMainWindow()
{
    QFETCH(QByteArray, folder);
    QFETCH(QString, text);
    QFETCH(QString, count);
    const QString before = mainText("Label5");
    const QString countBefore = mainText("Label1");
    const QString opened = folder.isEmpty() ? before : folder == "/" ? QStringLiteral("/") : path(text);
    QVERIFY(folder.size() < 2 || ::mkdir((QFile::encodeName(path()) + '/' + folder).constData(), 0700) == 0);
    if (count.startsWith(u" 2"))
        for (const QByteArray file : {"/K\xE9p.jpg", "/b.jpg"})
            m->folder.createOnDisk(folder + file, file);
    QVERIFY(openChooser());
    QVERIFY(m->window.isHidden());

    dir1()->setPath(m->folder.diskPath());
    if (folder.isEmpty())
        QVERIFY(!m_chooser->close());
    else if (folder == "/")
        openFolder(opened);
    else
        doubleClickLastFolder();

    QVERIFY(m_chooser->isHidden());
    QVERIFY(m->window.isVisible());
    QCOMPARE(mainText("Label5"), opened);
    QCOMPARE(mainText("Text1"), folder.isEmpty() ? QString() : text + u'_');
    if (folder != "/")
        QCOMPARE(mainText("Label1"), count.isEmpty() ? countBefore : count);
    if (!count.startsWith(u" 2"))
        return;
    control<QCheckBox>(m->window, "Check4")->click();
    QTest::mouseClick(control<QPushButton>(m->window, "Command1"), Qt::LeftButton);
    QCOMPARE(control<FileList>(m->window, "File1")->name(0), text + "_000.jpg");
    QVERIFY(m->program.messages.requests.isEmpty());
}

// A drive's current folder, since removed, gives way to its nearest existing parent; the chooser
// comes back where it was; its drive list is read again when it opens.
void TestFolderChooser::secondOpeningShowsLastFolder()
{
    QDir().mkpath(path("Tél"));
    m->program.currentFolders.makeCurrent(path(), path("Tél/Hó"));
    QVERIFY(openChooser());
    drive1()->setCurrentIndex(1);
    QCOMPARE(dir1()->path(), path("Tél"));
    openFolder(path("Tél"));
    m_chooser->move(m_chooser->pos() + QPoint(17, 23));
    const QPoint place = m_chooser->pos();
    m->program.volumes.volumes.append({path("Tél"), QStringLiteral("USB")});

    QCOMPARE(openChooser(), m_chooser);
    static_cast<QComboBox *>(drive1())->showPopup();
    drive1()->hidePopup();

    QCOMPARE(text1()->text(), path("Tél"));
    QCOMPARE(m_chooser->pos(), place);
    QCOMPARE(drive1()->count(), 3);
    QCOMPARE(drive1()->drive(), path());
}

// Typing into the path box changes nothing; Enter opens the highlighted folder.
void TestFolderChooser::keyboard()
{
    QVERIFY(QDir(path()).mkpath(QStringLiteral("a")) && QDir(path()).mkpath(QStringLiteral("b")));
    QVERIFY(openChooser());
    dir1()->setPath(m->folder.diskPath());

    QTest::keyClicks(text1(), QStringLiteral("/etc"));
    QTest::keyClick(text1(), Qt::Key_Backspace);
    QTest::keyClick(dir1(), Qt::Key_Return);
    QCOMPARE(text1()->text(), path());
    QCOMPARE(dir1()->path(), path());

    QTest::keyClick(dir1(), Qt::Key_Down);
    QTest::keyClick(dir1(), Qt::Key_Down);
    QTest::keyClick(dir1(), Qt::Key_Return);
    QCOMPARE(dir1()->path(), path("b"));
    QCOMPARE(text1()->text(), path("b"));
}

// Retried until ready, the drive opens; given up, the previous drive and folder stay.
void TestFolderChooser::unreadyDrive_data()
{
    QTest::addColumn<int>("times");
    QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
    QTest::addColumn<bool>("opens");

    QTest::newRow("retried until ready") << 2 << QList{QMessageBox::Retry, QMessageBox::Retry} << true;
    QTest::newRow("given up") << -1 << QList{QMessageBox::Retry, QMessageBox::Cancel} << false;
}

void TestFolderChooser::unreadyDrive()
{
    QFETCH(int, times);
    QFETCH(bool, opens);
    m->drives.makeUnready(path() + u'/', FileCondition::DiskNotReady, times);
    QFETCH(QList<QMessageBox::StandardButton>, answers);
    m->program.messages.answers = answers;
    QVERIFY(openChooser());
    const QString before = dir1()->path();

    drive1()->setCurrentIndex(1);

    QCOMPARE(m->program.messages.requests.size(), 2);
    QCOMPARE(drive1()->drive(), opens ? path() : QStringLiteral("/"));
    QCOMPARE(dir1()->path(), opens ? path() : before);
    QCOMPARE(text1()->text(), dir1()->path());
}

QTEST_MAIN(TestFolderChooser)
#include "tst_indit.moc"
