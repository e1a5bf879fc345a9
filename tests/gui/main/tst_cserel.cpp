#include "gui/main/cserel.h"
#include "gui/main/FileCountText.h"
#include "gui/main/FileList.h"
#include "support/TemporaryFolder.h"
#include "support/TestProgram.h"
#include "support/WindowControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startState();
    void groupFiltersJoinTheirTypes();
    void groupFilterListsItsTypesInAnyCase();
    void newFilterDropsSelection();
    void typedFilterTextFiltersNothing();
    void plainClicksToggleEntries();
    void numberingWithdrawsNameAndUnchanged();
    void framePressesShowAndHideJpeBox_data();
    void framePressesShowAndHideJpeBox();

private:
    QComboBox *combo() const { return control<QComboBox>(*m_window, "Combo1"); }
    FileList *list() const { return control<FileList>(*m_window, "File1"); }
    QCheckBox *check(const char *name) const { return control<QCheckBox>(*m_window, name); }

    std::unique_ptr<TestProgram> m_program;
    std::unique_ptr<cserel> m_window;
};

void TestMainWindow::init()
{
    m_program = std::make_unique<TestProgram>();
    m_window = std::make_unique<cserel>(m_program->context);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestMainWindow::cleanup()
{
    m_window.reset();
}

void TestMainWindow::startState()
{
    QCOMPARE(m_window->size(), QSize(417, 378));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(!(m_window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(control<QLabel>(*m_window, "Label5")->text(), QStringLiteral("*elérési út*"));
    auto *text1 = control<QLineEdit>(*m_window, "Text1");
    QVERIFY(text1->text().isEmpty() && text1->isEnabled());
    QCOMPARE(text1->palette().color(QPalette::Base), m_window->palette().color(QPalette::ToolTipBase));
    QVERIFY(check("Check1")->isChecked() && !check("Check4")->isChecked() && !check("Check3")->isChecked());
    QVERIFY(check("Check2")->isHidden() && !check("Check2")->isChecked());
    QVERIFY(control<QRadioButton>(*m_window, "Option1(2)")->isChecked());
    QVERIFY(control<QProgressBar>(*m_window, "ProgressBar1")->isHidden());
    QVERIFY(control<QPushButton>(*m_window, "Command1")->isDefault());
    QCOMPARE(combo()->count(), 42);
    QCOMPARE(combo()->currentText(), QStringLiteral("*.*  (Minden file)"));
    const QString programFolder = QCoreApplication::applicationDirPath();
    QCOMPARE(list()->folder().text, programFolder);
    const int listed = int(m_program->localFileSystem.listFiles(list()->folder(), QStringLiteral("*.*")).names.size());
    QVERIFY(listed > 0);
    QCOMPARE(control<QLabel>(*m_window, "Label1")->text(), fileCountText(listed));
    QCOMPARE(list()->listIndex(), -1);
    QCOMPARE(QApplication::focusWidget(), list());
}

// Every item filters by its own pattern; a group item ("*.*" aside) is followed by exactly its
// single types, each spelled as its pattern.
void TestMainWindow::groupFiltersJoinTheirTypes()
{
    QCOMPARE(combo()->count(), 42);
    int groups = 0;
    for (int index = 0; index < combo()->count(); ++index) {
        combo()->setCurrentIndex(index);
        const QString pattern = list()->pattern();
        if (!pattern.contains(u';'))
            continue;
        ++groups;
        const QStringList types = pattern.split(u';');
        for (int offset = 1; offset <= types.size(); ++offset)
            QCOMPARE(combo()->itemText(index + offset), types.at(offset - 1));
    }
    QCOMPARE(groups, 7);
}

void TestMainWindow::groupFilterListsItsTypesInAnyCase()
{
    TemporaryFolder folder;
    folder.createAll({"a.BMP", "b.gif", "c.Jpe", "d.jpg", "e.PCX", "f.tif", "g.png", "h.jpeg", "i.txt", "jpg"});
    pointMainWindowAt(*m_window, folder.path());

    combo()->setCurrentIndex(1);

    QCOMPARE(list()->count(), 6);
    QCOMPARE(list()->name(5), QStringLiteral("f.tif"));
    QCOMPARE(control<QLabel>(*m_window, "Label1")->text(), QStringLiteral(" 6  db file"));

    combo()->setCurrentIndex(0);
    QCOMPARE(control<QLabel>(*m_window, "Label1")->text(), QStringLiteral(" 10  db file"));
    combo()->setCurrentIndex(41);
    QCOMPARE(control<QLabel>(*m_window, "Label1")->text(), QStringLiteral(" 0  db file"));
}

void TestMainWindow::newFilterDropsSelection()
{
    TemporaryFolder folder;
    folder.createAll({"a.jpg", "b.jpg", "c.txt"});
    pointMainWindowAt(*m_window, folder.path());
    clickEntry(list(), 0);
    clickEntry(list(), 2);
    QVERIFY(list()->isSelected(0) && list()->isSelected(2));

    combo()->setCurrentIndex(5);

    QCOMPARE(list()->count(), 2);
    QVERIFY(!list()->isSelected(0) && !list()->isSelected(1));
    QVERIFY(list()->selectionModel()->selectedIndexes().isEmpty());
}

void TestMainWindow::typedFilterTextFiltersNothing()
{
    TemporaryFolder folder;
    folder.createAll({"a.jpg", "b.txt"});
    pointMainWindowAt(*m_window, folder.path());
    const QString countBefore = control<QLabel>(*m_window, "Label1")->text();

    combo()->setFocus();
    combo()->lineEdit()->selectAll();
    QTest::keyClicks(combo(), QStringLiteral("*.txt"));
    QTest::keyClick(combo(), Qt::Key_Return);
    list()->setFocus();

    QCOMPARE(list()->pattern(), QStringLiteral("*.*"));
    QCOMPARE(list()->count(), 2);
    QCOMPARE(control<QLabel>(*m_window, "Label1")->text(), countBefore);
    QCOMPARE(folder.entries(), (QStringList{"a.jpg", "b.txt"}));
}

void TestMainWindow::plainClicksToggleEntries()
{
    TemporaryFolder folder;
    folder.createAll({"a.jpg", "b.jpg", "c.jpg", "d.jpg"});
    pointMainWindowAt(*m_window, folder.path());

    clickEntry(list(), 1);
    clickEntry(list(), 1);
    QVERIFY(!list()->isSelected(1));

    for (int row : {0, 2, 3})
        clickEntry(list(), row);
    QVERIFY(list()->isSelected(0) && !list()->isSelected(1) && list()->isSelected(2) && list()->isSelected(3));

    list()->refresh();
    QVERIFY(!list()->isSelected(0) && !list()->isSelected(2));
}

void TestMainWindow::numberingWithdrawsNameAndUnchanged()
{
    auto *text1 = control<QLineEdit>(*m_window, "Text1");
    auto *lower = control<QRadioButton>(*m_window, "Option1(0)");
    auto *upper = control<QRadioButton>(*m_window, "Option1(1)");
    auto *unchanged = control<QRadioButton>(*m_window, "Option1(2)");
    text1->setText(QStringLiteral("Nyár_"));
    upper->setChecked(true);

    QTest::mouseClick(check("Check1"), Qt::LeftButton);

    QVERIFY(lower->isChecked());
    QVERIFY(!unchanged->isEnabled());
    QVERIFY(!text1->isEnabled());
    QCOMPARE(text1->palette().color(QPalette::Base), QColor(192, 192, 192));
    QCOMPARE(text1->text(), QStringLiteral("Nyár_"));

    QTest::keyClick(check("Check1"), Qt::Key_Space);

    QVERIFY(lower->isChecked());
    QVERIFY(unchanged->isEnabled() && text1->isEnabled());
    QCOMPARE(text1->palette().color(QPalette::Base), QColor(255, 255, 224));
}

void TestMainWindow::framePressesShowAndHideJpeBox_data()
{
    QTest::addColumn<QStringList>("presses");
    QTest::addColumn<bool>("shown");

    QTest::newRow("right on free spot") << QStringList{"right free"} << true;
    QTest::newRow("right on the caption") << QStringList{"right caption"} << true;
    QTest::newRow("right where the box hides") << QStringList{"right check2"} << true;
    QTest::newRow("then left hides") << QStringList{"right free", "left free"} << false;
    QTest::newRow("middle hides") << QStringList{"right free", "middle free"} << false;
    QTest::newRow("right on a control") << QStringList{"right check1"} << false;
    QTest::newRow("left on a control keeps it") << QStringList{"right free", "left check1"} << true;
}

void TestMainWindow::framePressesShowAndHideJpeBox()
{
    QFETCH(QStringList, presses);
    auto *frame = control<QGroupBox>(*m_window, "Frame2");
    const QMap<QString, QPoint> spots = {
        {"free", QPoint(180, 180)},
        {"caption", QPoint(frame->width() / 2, 2)},
        {"check2", check("Check2")->geometry().center()},
        {"check1", check("Check1")->geometry().center()},
    };
    const QMap<QString, Qt::MouseButton> buttons = {
        {"left", Qt::LeftButton}, {"right", Qt::RightButton}, {"middle", Qt::MiddleButton}};

    for (const QString &press : presses) {
        const QString button = press.section(u' ', 0, 0);
        const QString spot = press.section(u' ', 1, 1);
        QWidget *target = m_window->childAt(frame->mapTo(m_window.get(), spots[spot]));
        QTest::mousePress(target, buttons[button], {}, target->mapFrom(m_window.get(), frame->mapTo(m_window.get(), spots[spot])));
        QTest::mouseRelease(target, buttons[button], {}, target->mapFrom(m_window.get(), frame->mapTo(m_window.get(), spots[spot])));
    }

    QTEST(!check("Check2")->isHidden(), "shown");
}

QTEST_MAIN(TestMainWindow)
#include "tst_cserel.moc"
