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

// The main window as the user drives it, over real folders.
class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startState();
    void groupFiltersJoinTheirTypes();
    void listFollowsFilterAndClicks();
    void numberingWithdrawsNameAndUnchanged();
    void framePressesShowAndHideJpeBox_data();
    void framePressesShowAndHideJpeBox();
    void runs_data();
    void runs();
    void tooltipsPreviewTheRun();
    void hiddenJpeBoxCountsAsUnticked();

private:
    template<typename Control = QWidget>
    Control *named(const QString &name) const { return control<Control>(*m_window, name.toLatin1().constData()); }
    QComboBox *combo() const { return named<QComboBox>("Combo1"); }
    FileList *list() const { return named<FileList>("File1"); }
    QString countCaption() const { return named<QLabel>("Label1")->text(); }
    QString shown(int row) const { return list()->model()->index(row, 0).data().toString(); }
    QString toolTip(int row) const { return list()->model()->index(row, 0).data(Qt::ToolTipRole).toString(); }
    void open() const { pointMainWindowAt(*m_window, m_folder->path()); }
    void perform(const QString &step) const;

    std::unique_ptr<TestProgram> m_program;
    std::unique_ptr<cserel> m_window;
    std::unique_ptr<TemporaryFolder> m_folder;
};

void TestMainWindow::init()
{
    m_folder = std::make_unique<TemporaryFolder>();
    m_program = std::make_unique<TestProgram>();
    m_window = std::make_unique<cserel>(m_program->context);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestMainWindow::cleanup()
{
    m_window.reset();
    m_folder.reset();
}

void TestMainWindow::startState()
{
    QCOMPARE(m_window->size(), QSize(417, 378));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(!(m_window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(named<QLabel>("Label5")->text(), QStringLiteral("*elérési út*"));
    auto *text1 = named<QLineEdit>("Text1");
    QVERIFY(text1->text().isEmpty() && text1->isEnabled());
    QCOMPARE(text1->palette().color(QPalette::Base), m_window->palette().color(QPalette::ToolTipBase));
    QVERIFY(named<QCheckBox>("Check1")->isChecked() && !named<QCheckBox>("Check4")->isChecked());
    QVERIFY(named("Check2")->isHidden() && !named<QCheckBox>("Check3")->isChecked());
    QVERIFY(named<QRadioButton>("Option1(2)")->isChecked());
    QVERIFY(named("ProgressBar1")->isHidden());
    QVERIFY(named<QPushButton>("Command1")->isDefault());
    QCOMPARE(combo()->currentText(), QStringLiteral("*.*  (Minden file)"));
    QCOMPARE(list()->folder().text, QCoreApplication::applicationDirPath());
    const int listed = int(m_program->localFileSystem.listFiles(list()->folder(), QStringLiteral("*.*")).names.size());
    QVERIFY(listed > 0);
    QCOMPARE(countCaption(), fileCountText(listed));
    QVERIFY(!list()->currentIndex().isValid());
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
        const QStringList types = list()->pattern().split(u';');
        groups += types.size() > 1;
        for (int offset = 1; types.size() > 1 && offset <= types.size(); ++offset)
            QCOMPARE(combo()->itemText(index + offset), types.at(offset - 1));
    }
    QCOMPARE(groups, 7);
}

// Plain clicks turn entries over; a new filter lists in any case and drops the selection; a
// pattern typed into the filter box and confirmed with Enter filters and renames nothing.
void TestMainWindow::listFollowsFilterAndClicks()
{
    m_folder->createAll({"a.BMP", "b.gif", "c.Jpe", "d.jpg", "e.PCX", "f.tif", "g.png", "h.jpeg", "i.txt", "jpg"});
    open();
    for (int row : {1, 1, 0, 2})
        clickEntry(list(), row);
    QVERIFY(list()->isSelected(0) && !list()->isSelected(1) && list()->isSelected(2));

    combo()->setCurrentIndex(1);
    QCOMPARE(countCaption(), QStringLiteral(" 6  db file"));
    QCOMPARE(shown(5), QStringLiteral("f.tif"));
    QVERIFY(!list()->isSelected(0) && !list()->isSelected(2));
    QVERIFY(list()->selectionModel()->selectedIndexes().isEmpty());

    combo()->setCurrentIndex(0);
    combo()->setFocus();
    combo()->lineEdit()->selectAll();
    QTest::keyClicks(combo(), QStringLiteral("*.txt"));
    QTest::keyClick(combo(), Qt::Key_Return);
    QCOMPARE(list()->pattern(), QStringLiteral("*.*"));
    QCOMPARE(countCaption(), QStringLiteral(" 10  db file"));
    QCOMPARE(m_folder->entries().first(), QStringLiteral("a.BMP"));
    combo()->setCurrentIndex(41);
    QCOMPARE(countCaption(), QStringLiteral(" 0  db file"));
}

void TestMainWindow::numberingWithdrawsNameAndUnchanged()
{
    auto *text1 = named<QLineEdit>("Text1");
    text1->setText(QStringLiteral("Nyár_"));
    named<QRadioButton>("Option1(1)")->setChecked(true);

    QTest::mouseClick(named("Check1"), Qt::LeftButton);

    QVERIFY(named<QRadioButton>("Option1(0)")->isChecked());
    QVERIFY(!named("Option1(2)")->isEnabled() && !text1->isEnabled());
    QCOMPARE(text1->palette().color(QPalette::Base), QColor(192, 192, 192));
    QCOMPARE(text1->text(), QStringLiteral("Nyár_"));

    QTest::keyClick(named("Check1"), Qt::Key_Space);

    QVERIFY(named<QRadioButton>("Option1(0)")->isChecked());
    QVERIFY(named("Option1(2)")->isEnabled() && text1->isEnabled());
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
    auto *frame = named<QGroupBox>("Frame2");
    const QMap<QString, QPoint> spots = {
        {"free", QPoint(180, 180)},
        {"caption", QPoint(frame->width() / 2, 2)},
        {"check2", named("Check2")->geometry().center()},
        {"check1", named("Check1")->geometry().center()},
    };
    const QMap<QString, Qt::MouseButton> buttons = {
        {"left", Qt::LeftButton}, {"right", Qt::RightButton}, {"middle", Qt::MiddleButton}};

    for (const QString &press : presses) {
        const QPoint spot = frame->mapTo(m_window.get(), spots[press.section(u' ', 1, 1)]);
        QWidget *target = m_window->childAt(spot);
        QTest::mousePress(target, buttons[press.section(u' ', 0, 0)], {}, target->mapFrom(m_window.get(), spot));
        QTest::mouseRelease(target, buttons[press.section(u' ', 0, 0)], {}, target->mapFrom(m_window.get(), spot));
    }

    QTEST(!named("Check2")->isHidden(), "shown");
}

// One step of the user: "open" the folder, "text X" in the new-name box, "click NAME" on a
// control, "entry N" of the list, "key Return|Enter|Escape NAME", "ok", "undo" (Ctrl+Z).
void TestMainWindow::perform(const QString &step) const
{
    const QString verb = step.section(u' ', 0, 0);
    const QString what = step.section(u' ', 1);
    const QMap<QString, Qt::Key> keys = {{"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}, {"Escape", Qt::Key_Escape}};
    if (verb == u"open")
        open();
    else if (verb == u"text")
        named<QLineEdit>("Text1")->setText(what);
    else if (verb == u"click")
        QTest::mouseClick(named(what), Qt::LeftButton);
    else if (verb == u"entry")
        clickEntry(list(), what.toInt());
    else if (verb == u"key")
        QTest::keyClick(named(what.section(u' ', 1)), keys.value(what.section(u' ', 0, 0)));
    else if (verb == u"ok")
        QTest::mouseClick(named("Command1"), Qt::LeftButton);
    else if (verb == u"undo")
        QTest::keyClick(list(), Qt::Key_Z, Qt::ControlModifier);
}

// After every run the bar is hidden, the list re-read and the controls back in the state the
// numbering box gives them.
void TestMainWindow::runs_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("message");

    const QStringList ab = {"a.jpg", "b.jpg"};
    const QStringList typed = {"open", "text Nyár_", "click Check4"};
    const QStringList named = {"Nyár_000.jpg", "Nyár_001.jpg"};
    QTest::newRow("whole list, accents") << QStringList{"Kép.JPE", "nyár.jpg", "b.txt"} << QStringList{"open", "click Check1", "click Check3", "ok"}
                                         << QStringList{"b.txt", "kep.jpe", "nyar.jpg"} << "";
    QTest::newRow("Enter in the new-name box") << ab << typed + QStringList{"key Return Text1"} << named << "";
    QTest::newRow("Enter in the file list") << ab << typed + QStringList{"key Enter File1"} << named << "";
    QTest::newRow("Escape starts nothing") << ab << typed + QStringList{"key Escape File1"} << ab << "";
    QTest::newRow("clicked entries alone") << QStringList{"a.JPG", "b.Jpe", "c.txt", "d.txt"}
                                           << QStringList{"open", "text Nyar", "click Option1(0)", "entry 1", "entry 2", "ok"}
                                           << QStringList{"a.JPG", "d.txt", "nyar000.jpe", "nyar001.txt"} << "";
    QTest::newRow("refused, nothing renamed") << QStringList{"A.txt", "a.txt"} << QStringList{"open", "click Check1", "ok"}
                                              << QStringList{"A.txt", "a.txt"} << "Már létezik ilyen nevű fájl.\nEgyetlen fájl sem kapott új nevet.";
    QTest::newRow("no folder yet") << ab << QStringList{"ok"} << ab << "Nincs megnyitott könyvtár. Válasszon egyet az „Új könyvtár” gombbal.";
    QTest::newRow("Ctrl+Z takes back once") << ab << QStringList{"open", "undo", "ok", "undo", "undo"} << ab << "";
    QTest::newRow("Ctrl+Z after another folder") << ab << QStringList{"open", "ok", "open", "undo"} << QStringList{"000.jpg", "001.jpg"} << "";
}

void TestMainWindow::runs()
{
    QFETCH(QStringList, files);
    QFETCH(QStringList, steps);
    QFETCH(QString, message);
    m_folder->createAll(files);

    for (const QString &step : steps)
        perform(step);

    QTEST(m_folder->entries(), "after");
    QCOMPARE(m_program->messages.requests.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty())
        QVERIFY(m_program->messages.requests.first().text.endsWith(message));
    if (steps.contains(QStringLiteral("open")))
        QCOMPARE(list()->count(), m_folder->entries().size());
    const bool numbering = named<QCheckBox>("Check1")->isChecked();
    QVERIFY(named("ProgressBar1")->isHidden() && named("Command2")->isEnabled() && named("Option1(1)")->isEnabled());
    QVERIFY(named("Text1")->isEnabled() == numbering && named("Option1(2)")->isEnabled() == numbering);
}

// Each entry shows the name OK would give it; a selection, a typed text and a new folder
// each change what it shows.
void TestMainWindow::tooltipsPreviewTheRun()
{
    m_folder->createAll({"a.jpg", "b.jpg"});
    for (const char *step : {"open", "text Nyár_", "click Check4"})
        perform(QString::fromUtf8(step));
    QCOMPARE(toolTip(1), QStringLiteral("→ Nyár_001.jpg"));

    perform(QStringLiteral("entry 1"));
    QCOMPARE(toolTip(0), QStringLiteral("(marad)"));
    QCOMPARE(toolTip(1), QStringLiteral("→ Nyár_000.jpg"));
    perform(QStringLiteral("text x/"));
    QVERIFY(toolTip(0).endsWith(QStringLiteral("Érvénytelen fájlnév.\nEgyetlen fájl sem kapott új nevet.")));
    m_folder->create(QStringLiteral("c.jpg"));
    open();
    QVERIFY(toolTip(2).startsWith(QStringLiteral("A(z) „a.jpg” fájl nem nevezhető át erre: „x/000.jpg”.")));
}

void TestMainWindow::hiddenJpeBoxCountsAsUnticked()
{
    named<QCheckBox>("Check2")->setChecked(true);
    QVERIFY(!m_window->renameSettings().jpeRewrite);
    named("Check2")->show();
    QVERIFY(m_window->renameSettings().jpeRewrite);
}

QTEST_MAIN(TestMainWindow)
#include "tst_cserel.moc"
