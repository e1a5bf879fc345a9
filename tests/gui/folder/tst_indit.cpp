#include "gui/folder/DriveList.h"
#include "gui/folder/FolderList.h"
#include "gui/main/FileCountText.h"
#include "gui/main/FileList.h"
#include "support/WindowFixture.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>

#include <sys/stat.h>

// The chooser as the user drives it, with a drive "FOTO" of its own whose root may be made unready.
class TestFolderChooser : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m = std::make_unique<WindowFixture>();
        m->program.volumes.append({m->folder.diskPath(), QStringLiteral("FOTO")});
    }
    void cleanup() { m.reset(); }

    // A folder opened by a double click, or by typing its first letter and Enter and handed over by
    // Enter on the focused button, whatever the encoding of its name, goes to the main window with
    // its file count and its name in front of the new names; the close box brings the main window
    // back as it was. Typing into the path box, and Enter on the open folder, change nothing. Entries
    // show names alone, open folders along the path, closed ones below. The chooser comes back
    // where and as it was left, and reads its drive list again when it drops down.
    void handsFolderToMainWindow_data()
    {
        QTest::addColumn<QByteArray>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("openedBy"); // else the keys that open it
        QTest::newRow("double-click") << QByteArray("Ny\xC3\xA1r") << "Nyár" << "double-click";
        QTest::newRow("Windows-1250 name") << QByteArray("\xC1rv\xEDz") << "Árvíz" << "double-click";
        QTest::newRow("Enter") << QByteArray("T\xC3\xA9l") << "Tél" << "Return";
        QTest::newRow("close box") << QByteArray("Ny\xC3\xA1r") << "Nyár" << "close box";
    }

    void handsFolderToMainWindow()
    {
        QFETCH(QByteArray, folder);
        QFETCH(QString, name);
        QFETCH(QString, openedBy);
        const bool closed = openedBy == QLatin1String("close box");
        QVERIFY(::mkdir((QFile::encodeName(path()) + '/' + folder).constData(), 0700) == 0);
        for (const QByteArray file : {"/K\xE9p.jpg", "/b.jpg"})
            m->folder.create(folder + file, file);
        const QStringList before = mainTexts();
        QWidget *chooser = m->openChooser();
        QVERIFY(m->mainWindow().isHidden());
        drive1()->setCurrentIndex(1);
        QTest::keyClicks(text1(), QStringLiteral("/etc"));
        QTest::keyClick(dir1(), Qt::Key_Return);
        QCOMPARE(QStringList({dir1()->path(), text1()->text()}), QStringList(2, path()));
        QCOMPARE(QStringList({dir1()->currentItem()->text(), dir1()->item(dir1()->count() - 1)->text()}),
                 QStringList({path().section(u'/', -1), name}));
        const auto iconOf = [](const QListWidgetItem *entry) { return entry->icon().pixmap(16).toImage(); };
        QVERIFY(iconOf(dir1()->currentItem()) != iconOf(dir1()->item(dir1()->count() - 1))); // open along the path, closed below

        if (closed) {
            QVERIFY(!chooser->close());
        } else {
            const QPoint place = dir1()->visualItemRect(dir1()->item(dir1()->count() - 1)).center();
            if (openedBy == QLatin1String("double-click")) {
                QTest::mouseClick(dir1()->viewport(), Qt::LeftButton, {}, place);
                QTest::mouseDClick(dir1()->viewport(), Qt::LeftButton, {}, place);
            } else {
                QTest::keyClicks(dir1(), name.left(1));
                QTest::keySequence(dir1(), QKeySequence(openedBy));
            }
            QCOMPARE(text1()->text(), path(name));
            m->find<QWidget>("indit", "Command1")->setFocus();
            QTest::keyClick(m->find<QWidget>("indit", "Command1"), Qt::Key_Return);
        }

        QVERIFY(chooser->isHidden() && m->mainWindow().isVisible());
        QCOMPARE(mainTexts(), closed ? before : QStringList({path(name), fileCountText(2), name + u'_'}));
        if (!closed) {
            m->click("cserel", "Check4");
            m->click("cserel", "Command1");
            QCOMPARE(m->find<FileList>("cserel", "File1")->model()->index(0, 0).data().toString(), name + "_000.jpg");
        }

        chooser->move(chooser->pos() + QPoint(17, 23));
        const QStringList left = {text1()->text(), QString::number(chooser->x()), QString::number(chooser->y())};
        m->program.volumes.append({DiskName::fromText(path(name)), QStringLiteral("USB")});
        QCOMPARE(m->openChooser(), chooser);
        static_cast<QComboBox *>(drive1())->showPopup();
        drive1()->hidePopup();
        QCOMPARE(QStringList({text1()->text(), QString::number(chooser->x()), QString::number(chooser->y())}), left);
        QCOMPARE(QStringList({QString::number(drive1()->count()), drive1()->drive().text}), QStringList({"3", path()}));
    }

    // Retried until ready, a drive opens at its current folder, or at the nearest existing parent of
    // it; given up, the previous drive and folder stay.
    void selectingADrive_data()
    {
        QTest::addColumn<int>("unready"); // attempts that find the drive unready, -1 for ever
        QTest::addColumn<QList<QMessageBox::StandardButton>>("answers");
        QTest::newRow("ready") << 0 << QList<QMessageBox::StandardButton>();
        QTest::newRow("retried until ready") << 2 << QList{QMessageBox::Retry, QMessageBox::Retry};
        QTest::newRow("given up") << -1 << QList{QMessageBox::Retry, QMessageBox::Cancel};
    }

    void selectingADrive()
    {
        QFETCH(int, unready);
        QFETCH(QList<QMessageBox::StandardButton>, answers);
        QVERIFY(QDir().mkpath(path("Tél")));
        m->program.currentFolders.makeCurrent(m->folder.diskPath(), DiskName::fromText(path("Tél/Hó")));
        m->program.fileSystem.makeUnready(path(), FileCondition::DiskNotReady, unready);
        m->program.answers = answers;
        m->openChooser();
        const QString before = dir1()->path();

        drive1()->setCurrentIndex(1);

        QCOMPARE(m->messageCount(), answers.size());
        QVERIFY(answers.isEmpty() || m->program.requests.last().defaultButton == QMessageBox::Retry);
        QCOMPARE(drive1()->drive().text, unready < 0 ? QStringLiteral("/") : path());
        QCOMPARE(dir1()->path(), unready < 0 ? before : path("Tél"));
        QCOMPARE(text1()->text(), dir1()->path());
    }

private:
    QString path(const QString &name = {}) const { return m->folder.filePath(name); }
    QStringList mainTexts() const { return {m->text("cserel", "Label5"), m->text("cserel", "Label1"), m->text("cserel", "Text1")}; }
    FolderList *dir1() const { return m->find<FolderList>("indit", "Dir1"); }
    DriveList *drive1() const { return m->find<DriveList>("indit", "Drive1"); }
    QLineEdit *text1() const { return m->find<QLineEdit>("indit", "Text1"); }

    std::unique_ptr<WindowFixture> m;
};

QTEST_MAIN(TestFolderChooser)
#include "tst_indit.moc"
