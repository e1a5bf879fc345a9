#include "DriveList.h"
#include "FileList.h"
#include "FolderList.h"
#include "TemporaryFolder.h"
#include "TestProgram.h"
#include "UnreadyDrives.h"
#include "WindowControls.h"
#include "cserel.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <sys/stat.h>

// The folder chooser, opened from the main window's "Új könyvtár" as the user opens it.
class TestFolderChooser : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void handsFolderToMainWindow_data();
    void handsFolderToMainWindow();
    void secondOpeningShowsLastFolder();
    void typingIntoPathBoxChangesNothing();
    void enterOpensHighlightedFolder();
    void doubleClickOpensFolder_data();
    void doubleClickOpensFolder();
    void unreadyDriveRetriedThenReady();
    void unreadyDriveGivenUpReturnsToPreviousDrive();
    void closeBoxBringsMainWindowBackUnchanged();

private:
    QWidget *openChooser();
    void openFolder(const QString &path);
    QString mainText(const char *name) const;
    FolderList *dir1() const { return control<FolderList>(*m_chooser, "Dir1"); }
    DriveList *drive1() const { return control<DriveList>(*m_chooser, "Drive1"); }

    LocalFileSystem m_local;
    std::unique_ptr<TemporaryFolder> m_folder;
    std::unique_ptr<UnreadyDrives> m_drives;
    std::unique_ptr<TestProgram> m_program;
    std::unique_ptr<cserel> m_window;
    QWidget *m_chooser = nullptr;
};

void TestFolderChooser::init()
{
    m_folder = std::make_unique<TemporaryFolder>();
    m_drives = std::make_unique<UnreadyDrives>(m_local);
    m_program = std::make_unique<TestProgram>(m_drives.get());
    m_program->volumes.volumes.append({m_folder->path(), QStringLiteral("FOTO")});
    m_window = std::make_unique<cserel>(m_program->context);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestFolderChooser::cleanup()
{
    m_window.reset();
    m_program.reset();
    m_drives.reset();
    m_folder.reset();
    m_chooser = nullptr;
}

QWidget *TestFolderChooser::openChooser()
{
    QTest::mouseClick(control<QPushButton>(*m_window, "Command2"), Qt::LeftButton);
    m_chooser = topLevelWindow("indit");
    return m_chooser;
}

void TestFolderChooser::openFolder(const QString &path)
{
    dir1()->setPath(DiskName::fromText(path));
    QTest::mouseClick(control<QPushButton>(*m_chooser, "Command1"), Qt::LeftButton);
}

QString TestFolderChooser::mainText(const char *name) const
{
    QObject *found = m_window->findChild<QObject *>(QLatin1String(name));
    return found->property("text").toString();
}

void TestFolderChooser::handsFolderToMainWindow_data()
{
    QTest::addColumn<QString>("subfolder");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<QString>("count");

    QTest::newRow("photo folder") << "Nyár" << "Nyár_" << " 2  db file";
    QTest::newRow("empty folder") << "üres" << "üres_" << " 0  db file";
    QTest::newRow("root") << "" << "_" << "";
}

void TestFolderChooser::handsFolderToMainWindow()
{
    QFETCH(QString, subfolder);
    const QString path = subfolder.isEmpty() ? QStringLiteral("/") : m_folder->filePath(subfolder);
    QDir().mkpath(path);
    if (subfolder == u"Nyár")
        m_folder->createAll({"Nyár/a.jpg", "Nyár/b.jpg"});

    QVERIFY(openChooser());
    QVERIFY(m_window->isHidden());
    QVERIFY(m_chooser->isVisible());
    openFolder(path);

    QVERIFY(m_chooser->isHidden());
    QVERIFY(m_window->isVisible());
    QCOMPARE(mainText("Label5"), path);
    QCOMPARE(control<FileList>(*m_window, "File1")->folder().text, path);
    QTEST(mainText("Text1"), "newName");
    QFETCH(QString, count);
    if (!count.isEmpty())
        QCOMPARE(mainText("Label1"), count);
}

void TestFolderChooser::secondOpeningShowsLastFolder()
{
    QDir().mkpath(m_folder->filePath("Tél"));
    QVERIFY(openChooser());
    drive1()->setCurrentIndex(1);
    openFolder(m_folder->filePath("Tél"));
    m_chooser->move(m_chooser->pos() + QPoint(17, 23));
    const QPoint place = m_chooser->pos();

    QCOMPARE(openChooser(), m_chooser);

    QCOMPARE(dir1()->path(), m_folder->filePath("Tél"));
    QCOMPARE(drive1()->drive(), m_folder->path());
    QCOMPARE(m_chooser->pos(), place);
    QCOMPARE(control<QLineEdit>(*m_chooser, "Text1")->text(), m_folder->filePath("Tél"));
}

void TestFolderChooser::typingIntoPathBoxChangesNothing()
{
    QVERIFY(openChooser());
    dir1()->setPath(m_folder->diskPath());
    auto *text1 = control<QLineEdit>(*m_chooser, "Text1");

    QTest::keyClicks(text1, QStringLiteral("/etc"));
    QTest::keyClick(text1, Qt::Key_Backspace);

    QCOMPARE(text1->text(), m_folder->path());
    QCOMPARE(dir1()->path(), m_folder->path());
}

void TestFolderChooser::enterOpensHighlightedFolder()
{
    QDir().mkpath(m_folder->filePath("a"));
    QDir().mkpath(m_folder->filePath("b"));
    QVERIFY(openChooser());
    dir1()->setPath(m_folder->diskPath());

    QTest::keyClick(dir1(), Qt::Key_Return);
    QCOMPARE(dir1()->path(), m_folder->path());

    QTest::keyClick(dir1(), Qt::Key_Down);
    QTest::keyClick(dir1(), Qt::Key_Down);
    QTest::keyClick(dir1(), Qt::Key_Return);

    QCOMPARE(dir1()->path(), m_folder->filePath("b"));
    QCOMPARE(control<QLineEdit>(*m_chooser, "Text1")->text(), m_folder->filePath("b"));
}

void TestFolderChooser::doubleClickOpensFolder_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("UTF-8 name") << QByteArray("Ny\xC3\xA1r") << "Nyár";
    QTest::newRow("Windows-1250 name") << QByteArray("\xC1rv\xEDz") << "Árvíz";
}

// The opened folder's files are listed and renamed with its name in front, whatever the
// encoding of that name.
void TestFolderChooser::doubleClickOpensFolder()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, text);
    QVERIFY(::mkdir((QFile::encodeName(m_folder->path()) + '/' + name).constData(), 0700) == 0);
    m_folder->createOnDisk(name + "/K\xE9p.jpg", "photo");
    QVERIFY(openChooser());
    dir1()->setPath(m_folder->diskPath());
    QListWidgetItem *last = dir1()->item(dir1()->count() - 1);
    QCOMPARE(last->text().trimmed(), text);

    QTest::mouseClick(dir1()->viewport(), Qt::LeftButton, {}, dir1()->visualItemRect(last).center());
    QTest::mouseDClick(dir1()->viewport(), Qt::LeftButton, {}, dir1()->visualItemRect(last).center());
    QCOMPARE(dir1()->path(), m_folder->filePath(text));
    QTest::mouseClick(control<QPushButton>(*m_chooser, "Command1"), Qt::LeftButton);
    QCOMPARE(control<FileList>(*m_window, "File1")->name(0), QStringLiteral("Kép.jpg"));
    control<QCheckBox>(*m_window, "Check4")->click();
    QTest::mouseClick(control<QPushButton>(*m_window, "Command1"), Qt::LeftButton);

    QCOMPARE(control<FileList>(*m_window, "File1")->name(0), text + "_000.jpg");
    QVERIFY(m_program->messages.requests.isEmpty());
}

void TestFolderChooser::unreadyDriveRetriedThenReady()
{
    m_drives->makeUnready(m_folder->path() + u'/', FileCondition::DiskNotReady, 2);
    m_program->messages.answers = {QMessageBox::Retry, QMessageBox::Retry};
    QVERIFY(openChooser());

    drive1()->setCurrentIndex(1);

    QCOMPARE(m_program->messages.requests.size(), 2);
    QCOMPARE(m_program->messages.requests.first().text, QStringLiteral("A lemez nem üzemkész."));
    QCOMPARE(drive1()->drive(), m_folder->path());
    QCOMPARE(dir1()->path(), m_folder->path());
}

void TestFolderChooser::unreadyDriveGivenUpReturnsToPreviousDrive()
{
    m_drives->makeUnready(m_folder->path() + u'/', FileCondition::DeviceUnavailable);
    m_program->messages.answers = {QMessageBox::Retry, QMessageBox::Cancel};
    QVERIFY(openChooser());
    const QString before = dir1()->path();

    drive1()->setCurrentIndex(1);

    QCOMPARE(m_program->messages.requests.size(), 2);
    QCOMPARE(m_program->messages.requests.first().text, QStringLiteral("Az eszköz valószínűleg nem érhető el."));
    QVERIFY(!m_program->module1.DriveFailed());
    QCOMPARE(drive1()->drive(), QStringLiteral("/"));
    QCOMPARE(dir1()->path(), before);
    QCOMPARE(control<QLineEdit>(*m_chooser, "Text1")->text(), before);
}

void TestFolderChooser::closeBoxBringsMainWindowBackUnchanged()
{
    const QString pathBefore = mainText("Label5");
    const QString countBefore = mainText("Label1");
    QVERIFY(openChooser());
    dir1()->setPath(m_folder->diskPath());

    QVERIFY(m_chooser->close() == false);

    QVERIFY(m_chooser->isHidden());
    QVERIFY(m_window->isVisible());
    QCOMPARE(mainText("Label5"), pathBefore);
    QCOMPARE(mainText("Label1"), countBefore);
    QVERIFY(mainText("Text1").isEmpty());
}

QTEST_MAIN(TestFolderChooser)
#include "tst_indit.moc"
