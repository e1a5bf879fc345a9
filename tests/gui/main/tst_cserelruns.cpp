#include "gui/main/cserel.h"
#include "gui/main/FileList.h"
#include "support/TemporaryFolder.h"
#include "support/TestProgram.h"
#include "support/WindowControls.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

// Rename runs started from the main window as the user starts them.
class TestMainWindowRuns : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void okRenamesWholeList();
    void enterStartsRun_data();
    void enterStartsRun();
    void clickedEntriesRenameAlone();
    void okBeforeChoosingFolderExplains();
    void refusedRenameIsReported();
    void ctrlZTakesBackTheLastRun();
    void tooltipsPreviewTheRun();
    void hiddenJpeBoxCountsAsUnticked();

private:
    FileList *list() const { return control<FileList>(*m_window, "File1"); }
    void pressOk() const { QTest::mouseClick(control<QPushButton>(*m_window, "Command1"), Qt::LeftButton); }
    void pressCtrlZ() const { QTest::keyClick(list(), Qt::Key_Z, Qt::ControlModifier); }
    QString toolTip(int row) const { return list()->model()->index(row, 0).data(Qt::ToolTipRole).toString(); }

    std::unique_ptr<TestProgram> m_program;
    std::unique_ptr<cserel> m_window;
    std::unique_ptr<TemporaryFolder> m_folder;
};

void TestMainWindowRuns::init()
{
    m_folder = std::make_unique<TemporaryFolder>();
    m_program = std::make_unique<TestProgram>();
    m_window = std::make_unique<cserel>(m_program->context);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestMainWindowRuns::cleanup()
{
    m_window.reset();
    m_folder.reset();
}

void TestMainWindowRuns::okRenamesWholeList()
{
    m_folder->createAll({"Kép.JPE", "nyár.jpg", "b.txt"});
    pointMainWindowAt(*m_window, m_folder->path());
    QTest::mouseClick(control<QCheckBox>(*m_window, "Check1"), Qt::LeftButton);
    QTest::mouseClick(control<QCheckBox>(*m_window, "Check3"), Qt::LeftButton);

    pressOk();

    QCOMPARE(m_folder->entries(), (QStringList{"b.txt", "kep.jpe", "nyar.jpg"}));
    QCOMPARE(list()->count(), 3);
    QCOMPARE(list()->name(2), QStringLiteral("nyar.jpg"));
    QVERIFY(m_program->messages.requests.isEmpty());
    QVERIFY(control<QProgressBar>(*m_window, "ProgressBar1")->isHidden());
    QVERIFY(!control<QLineEdit>(*m_window, "Text1")->isEnabled());
    QVERIFY(!control<QRadioButton>(*m_window, "Option1(2)")->isEnabled());
    QVERIFY(control<QRadioButton>(*m_window, "Option1(1)")->isEnabled());
    QVERIFY(control<QPushButton>(*m_window, "Command2")->isEnabled());
}

void TestMainWindowRuns::enterStartsRun_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("names");
    const QStringList renamed = {"Nyár_000.jpg", "Nyár_001.jpg"};
    QTest::newRow("Enter in the new-name box") << "Text1" << int(Qt::Key_Return) << renamed;
    QTest::newRow("Enter in the file list") << "File1" << int(Qt::Key_Enter) << renamed;
    QTest::newRow("Escape starts nothing") << "File1" << int(Qt::Key_Escape) << QStringList{"a.jpg", "b.jpg"};
}

void TestMainWindowRuns::enterStartsRun()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    m_folder->createAll({"a.jpg", "b.jpg"});
    pointMainWindowAt(*m_window, m_folder->path());
    control<QLineEdit>(*m_window, "Text1")->setText(QStringLiteral("Nyár_"));
    control<QCheckBox>(*m_window, "Check4")->click();
    auto *focused = m_window->findChild<QWidget *>(focus);
    focused->setFocus();

    QTest::keyClick(focused, Qt::Key(key));

    QTEST(m_folder->entries(), "names");
}

void TestMainWindowRuns::clickedEntriesRenameAlone()
{
    m_folder->createAll({"a.JPG", "b.Jpe", "c.txt", "d.txt"});
    pointMainWindowAt(*m_window, m_folder->path());
    control<QLineEdit>(*m_window, "Text1")->setText(QStringLiteral("Nyar"));
    control<QRadioButton>(*m_window, "Option1(0)")->click();
    clickEntry(list(), 1);
    clickEntry(list(), 2);

    pressOk();

    QCOMPARE(m_folder->entries(), (QStringList{"a.JPG", "d.txt", "nyar000.jpe", "nyar001.txt"}));
    QCOMPARE(list()->count(), 4);
    QVERIFY(!list()->isSelected(2));
}

void TestMainWindowRuns::okBeforeChoosingFolderExplains()
{
    const QByteArrayList before = m_program->localFileSystem.listFiles(list()->folder(), QStringLiteral("*.*")).names;

    pressOk();

    QCOMPARE(m_program->messages.requests.size(), 1);
    const MessageRequest &box = m_program->messages.requests.first();
    QCOMPARE(box.title, QStringLiteral("Átnevezési hiba"));
    QCOMPARE(box.text, QStringLiteral("Nincs megnyitott könyvtár. Válasszon egyet az „Új könyvtár” gombbal."));
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(m_program->localFileSystem.listFiles(list()->folder(), QStringLiteral("*.*")).names, before);
    QVERIFY(control<QPushButton>(*m_window, "Command3")->isEnabled());
}

void TestMainWindowRuns::refusedRenameIsReported()
{
    m_folder->create(QStringLiteral("A.txt"), "upper");
    m_folder->create(QStringLiteral("a.txt"), "lower");
    pointMainWindowAt(*m_window, m_folder->path());
    QTest::mouseClick(control<QCheckBox>(*m_window, "Check1"), Qt::LeftButton);

    pressOk();

    QCOMPARE(m_program->messages.requests.size(), 1);
    QVERIFY(m_program->messages.requests.first().text.contains(QStringLiteral("Már létezik ilyen nevű fájl.")));
    QCOMPARE(m_folder->content("A.txt"), QByteArray("upper"));
    QCOMPARE(m_folder->content("a.txt"), QByteArray("lower"));
}

// Ctrl+Z takes back the last run once, and nothing after another folder was opened.
void TestMainWindowRuns::ctrlZTakesBackTheLastRun()
{
    m_folder->createAll({"a.txt", "b.txt"});
    pointMainWindowAt(*m_window, m_folder->path());
    pressCtrlZ();
    pressOk();
    QCOMPARE(list()->name(1), QStringLiteral("001.txt"));

    pressCtrlZ();
    QCOMPARE(m_folder->entries(), (QStringList{"a.txt", "b.txt"}));
    QCOMPARE(list()->name(1), QStringLiteral("b.txt"));
    pressCtrlZ();
    pressOk();
    pointMainWindowAt(*m_window, m_folder->path());
    pressCtrlZ();

    QCOMPARE(m_folder->entries(), (QStringList{"000.txt", "001.txt"}));
    QVERIFY(m_program->messages.requests.isEmpty());
}

// Each entry shows the name OK would give it; a selection, a typed text and a new folder
// each change what it shows.
void TestMainWindowRuns::tooltipsPreviewTheRun()
{
    m_folder->createAll({"a.jpg", "b.jpg"});
    pointMainWindowAt(*m_window, m_folder->path());
    control<QLineEdit>(*m_window, "Text1")->setText(QStringLiteral("Nyár_"));
    control<QCheckBox>(*m_window, "Check4")->click();
    QCOMPARE(toolTip(1), QStringLiteral("→ Nyár_001.jpg"));

    clickEntry(list(), 1);
    QCOMPARE(toolTip(0), QStringLiteral("(marad)"));
    QCOMPARE(toolTip(1), QStringLiteral("→ Nyár_000.jpg"));
    control<QLineEdit>(*m_window, "Text1")->setText(QStringLiteral("x/"));
    QVERIFY(toolTip(0).endsWith(QStringLiteral("Érvénytelen fájlnév.\nEgyetlen fájl sem kapott új nevet.")));
    m_folder->create(QStringLiteral("c.jpg"));
    pointMainWindowAt(*m_window, m_folder->path());
    QVERIFY(toolTip(2).startsWith(QStringLiteral("A(z) „a.jpg” fájl nem nevezhető át erre: „x/000.jpg”.")));
}

void TestMainWindowRuns::hiddenJpeBoxCountsAsUnticked()
{
    auto *jpe = control<QCheckBox>(*m_window, "Check2");
    jpe->setChecked(true);
    QVERIFY(!m_window->renameSettings().jpeRewrite);
    jpe->show();
    QVERIFY(m_window->renameSettings().jpeRewrite);
}

QTEST_MAIN(TestMainWindowRuns)
#include "tst_cserelruns.moc"
