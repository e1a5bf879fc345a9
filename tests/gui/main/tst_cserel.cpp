#include "gui/ControlColours.h"
#include "gui/main/FileCountText.h"
#include "gui/main/FileList.h"
#include "gui/main/FilterTable.h"
#include "support/WindowFixture.h"

#include <QAccessible>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProgressBar>
#include <QTextBrowser>
#include <QThreadPool>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

#include <fcntl.h>
#include <stdio.h>

// The main window as the user drives it, over real folders, its help, and leaving the program.
class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m = std::make_unique<WindowFixture>();
        QVERIFY(QTest::qWaitForWindowActive(&m->mainWindow()));
    }
    void cleanup() { m.reset(); }

    // The window opens fixed in size on the program's folder, all of it listed, with numbering on,
    // case unchanged and the list focused; Tab then walks every control that takes it once (one
    // button of the case group).
    void startState()
    {
        QCOMPARE(m->mainWindow().minimumSize(), m->mainWindow().maximumSize());
        QVERIFY(named<QAbstractButton>("Check1")->isChecked() && !named<QAbstractButton>("Check3")->isChecked());
        QVERIFY(named<QAbstractButton>("Option1(2)")->isChecked() && named("Command1")->property("default").toBool());
        QVERIFY(named("Check2")->isHidden() && named("ProgressBar1")->isHidden() && named("Text1")->isEnabled());
        QCOMPARE(list()->folder().text, QCoreApplication::applicationDirPath());
        const int listed = int(m->program.localFileSystem.listFiles(list()->folder(), QStringLiteral("*.*"), ListingOrder::AsStored).names.size());
        QVERIFY(listed > 0 && !list()->currentIndex().isValid());
        QCOMPARE(m->text("cserel", "Label1"), fileCountText(listed));
        QVERIFY(named("Label1")->font().bold());
        QSet<QString> walked, tabbed;
        for (QWidget *focused = QApplication::focusWidget(); !walked.contains(focused->objectName()); focused = QApplication::focusWidget()) {
            walked << focused->objectName();
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        for (const QWidget *control : m->mainWindow().findChildren<QWidget *>())
            if ((control->focusPolicy() & Qt::TabFocus) && control->isVisibleTo(&m->mainWindow()) && control->isEnabled()
                && !control->objectName().isEmpty() && (!control->objectName().startsWith(u"Option1") || control->objectName() == u"Option1(0)"))
                tabbed << control->objectName();
        QCOMPARE(walked, tabbed);
    }

    // While a run renames, the bar shows, full at the last entry, and the controls it reads are locked, all but the jpe and
    // accent boxes for the selected entries alone. After the steps the bar is hidden and the list re-read; without numbering the new-name box and
    // "Változatlan" are withdrawn (and "Kisbetű" chosen), with it they are back, the typed name kept.
    // Plain clicks turn entries over; a new filter lists in any case and drops the selection; Enter
    // in the filter box renames nothing and the list keeps the chosen filter.
    // A right press on a free spot of the settings frame shows the jpe box, a left or middle one
    // hides it, presses on its controls do neither; only a shown box, ticked, rewrites jpe names.
    void runs_data()
    {
        QTest::addColumn<QString>("files");
        QTest::addColumn<QString>("steps"); // separated by ", "
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("message");
        const QString ab = QStringLiteral("a.jpg b.jpg");
        const QString typed = QStringLiteral("open, text Nyár_, click Check4, ");
        const QString named = QStringLiteral("Nyár_000.jpg Nyár_001.jpg");
        QTest::newRow("whole list, accents") << "Kép.JPE nyár.jpg b.txt" << "open, click Check1, click Check3, click Command1" << "b.txt kep.jpe nyar.jpg" << "";
        QTest::newRow("numbering back") << ab << "text Nyár_, click Check1, click Check1, click Check4, open, click Command1" << "nyár_000.jpg nyár_001.jpg" << "";
        QTest::newRow("Enter in the new-name box") << ab << typed + "key Return Text1" << named << "";
        QTest::newRow("Enter in the file list") << ab << typed + "key Enter File1" << named << "";
        QTest::newRow("Escape starts nothing") << ab << typed + "key Esc File1" << ab << "";
        QTest::newRow("clicks turn entries over") << "a.txt b.txt c.txt" << "open, entry 1, entry 1, entry 0, entry 2, click Command1"
                                                  << "000.txt 001.txt b.txt" << "";
        QTest::newRow("a new filter, in any case, drops the selection") << "a.BMP b.gif c.Jpe h.jpeg i.txt"
            << "open, entry 0, filter 1, click Command1" << "000.BMP 001.gif 002.Jpe h.jpeg i.txt" << "";
        QTest::newRow("pattern typed, Enter in the filter box") << ab << "open, type *.txt Combo1, key Return Combo1" << ab << "";
        QTest::newRow("clicked entries alone") << "a.JPG b.Jpe c.txt d.txt" << "open, text Nyar, click Option1(0), entry 1, entry 2, click Command1"
                                               << "a.JPG d.txt nyar000.jpe nyar001.txt" << "";
        QTest::newRow("no folder yet") << ab << "click Command1" << ab << "Nincs megnyitott könyvtár. Válasszon egyet az „Új könyvtár” gombbal.";
        QTest::newRow("Ctrl+Z takes back once") << ab << "open, key Ctrl+Z File1, click Command1, key Ctrl+Z File1, key Ctrl+Z File1" << ab << "";
        QTest::newRow("jpe box shown") << "a.jpe" << "open, tick Check2, press right free, click Command1" << "000.jpg" << "";
        QTest::newRow("jpe box hidden by left") << "a.jpe" << "open, tick Check2, press right free, press left free, click Command1" << "000.jpe" << "";
        QTest::newRow("right on a control") << "a.jpe" << "open, tick Check2, press right Check1, click Command1" << "000.jpe" << "";
        QTest::newRow("left on a control") << "a.jpe" << "open, tick Check2, press right free, press left Check1, click Command1" << "a.jpg" << "";
        QTest::newRow("Ctrl+Z after another folder") << ab << "open, click Command1, open, key Ctrl+Z File1" << "000.jpg 001.jpg" << "";
        const QString undoStopped = QStringLiteral("\nA visszavonás leállt; a hiba elhárítása után a Ctrl+Z folytatja.");
        QTest::newRow("Ctrl+Z stops at a taken name, goes on") << "a.txt b.txt c.txt"
            << "open, click Command1, file b.txt, key Ctrl+Z File1, gone b.txt, key Ctrl+Z File1" << "a.txt b.txt c.txt"
            << "A(z) „001.txt” fájl nem nevezhető át erre: „b.txt”.\nMár létezik ilyen nevű fájl." + undoStopped;
        QTest::newRow("Ctrl+Z stops at swapped files") << "a.txt b.txt" << "open, click Command1, swap 000.txt 001.txt, key Ctrl+Z File1"
            << "000.txt 001.txt" << "Ezen a néven már nem az a fájl áll, amelyet a program átnevezett." + undoStopped;
        QTest::newRow("refused OK keeps Ctrl+Z") << ab << "open, click Command1, click Check4, text x/, click Command1, key Ctrl+Z File1" << ab
                                                 << "Érvénytelen fájlnév.\nEgyetlen fájl sem kapott új nevet.";
        QTest::newRow("Ctrl+Z in a swapped folder") << ab << "open, click Command1, swap folder, key Ctrl+Z File1" << "000.jpg 001.jpg"
                                                    << "útvonalon már nem az a mappa áll, amelyet a lista mutatott." + undoStopped;
        QTest::newRow("parked file put back") << ".atnevezes-3-Kép.JPG b.jpg" << "open" << "Kép.JPG b.jpg"
                                              << "Visszakapták a nevüket:\n„.atnevezes-3-Kép.JPG” → „Kép.JPG”";
        QTest::newRow("hidden name that carries no file name") << ".atnevezes-3-.. b.jpg" << "open" << ".atnevezes-3-.. b.jpg" << "";
        // Each row of the README's table of name examples: settings, old names, new names.
        QFile readme(QStringLiteral(SOURCE_DIR "/README.md"));
        QVERIFY(readme.open(QIODevice::ReadOnly));
        const QString table = QString::fromUtf8(readme.readAll()).section(QStringLiteral("<!-- examples -->\n"), 1).section(QStringLiteral("<!--"), 0, 0);
        for (const QString &row : table.trimmed().split(u'\n').mid(2)) {
            const QStringList cells = row.mid(2, row.size() - 4).split(QStringLiteral(" | "));
            QTest::addRow("README: %s", qPrintable(cells.at(0))) << cells.at(1).split(QStringLiteral(", ")).join(u' ')
                << stepsOf(cells.at(0)) << cells.at(2).split(QStringLiteral(", ")).join(u' ') << "";
        }
    }

    void runs()
    {
        QFETCH(QString, files);
        QFETCH(QString, steps);
        QFETCH(QString, message);
        m->folder.createAll(files.split(u' '));
        QString during;
        m->program.fileSystem.failingRename = 1;
        m->program.fileSystem.beforeFailingRename = [&] {
            QStringList enabled;
            for (const QString name : {"Command2", "Command3", "Check1", "Check2", "Check3", "Option1(0)", "Option1(1)", "Option1(2)", "Text1"})
                named(name)->isEnabled() ? void(enabled << name) : void();
            const auto *bar = named<QProgressBar>("ProgressBar1");
            const bool fullAtLast = bar->maximum() == qMax(1, list()->count() - 1);
            const QStringList open = list()->selectionModel()->hasSelection() ? QStringList{"Check2", "Check3"} : QStringList();
            during = (bar->isHidden() || !fullAtLast ? "bar hidden or short, " : "bar shown, ") + (enabled == open ? "locked" : enabled.join(u' '));
        };

        perform(steps);

        QTEST(m->folder.entries().join(u' '), "after");
        QCOMPARE(m->messageCount(), int(!message.isEmpty()));
        QVERIFY(message.isEmpty() || m->program.requests.first().text.endsWith(message));
        if (steps.contains(QStringLiteral("open")))
            QCOMPARE(list()->count(), m->program.localFileSystem.listFiles(list()->folder(), list()->pattern(), ListingOrder::AsStored).names.size());
        if (!during.isEmpty() && !files.startsWith(u'.')) // a parked file gets its name back outside a run
            QCOMPARE(during, QStringLiteral("bar shown, locked"));
        const bool numbering = named<QAbstractButton>("Check1")->isChecked();
        QVERIFY(named("ProgressBar1")->isHidden() && named("Command2")->isEnabled() && named("Option1(1)")->isEnabled());
        QCOMPARE(list()->pattern(), FilterTable::pattern(named<QComboBox>("Combo1")->currentIndex()));
        QVERIFY(!steps.contains(u"filter") || m->text("cserel", "Label1") == fileCountText(list()->count()));
        QVERIFY(named("Text1")->isEnabled() == numbering && named("Option1(2)")->isEnabled() == numbering);
    }

    // Each entry shows the name OK would give it, under its whole old name where the list cuts it
    // short, and "…" until the play answers; a selection, a typed text and a new folder each
    // change what it shows, also while a play is under way.
    void tooltipsPreviewTheRun()
    {
        const QString longName = QStringLiteral("zz a Balaton partján, a második héten.jpg");
        m->folder.createAll({"a.jpg", "b.jpg", longName});
        perform(QStringLiteral("open, text Tél_, click Check4"));
        QCOMPARE(rawToolTip(1), QStringLiteral("…"));
        QThreadPool::globalInstance()->waitForDone(); // its answer comes after the next change
        perform(QStringLiteral("text Nyár_"));
        QCoreApplication::processEvents();
        QCOMPARE(toolTip(1), QStringLiteral("→ Nyár_001.jpg"));
        QCOMPARE(toolTip(2), longName + QStringLiteral("\n→ Nyár_002.jpg"));

        perform(QStringLiteral("entry 1"));
        QCOMPARE(toolTip(0), QStringLiteral("(marad)"));
        QCOMPARE(toolTip(1), QStringLiteral("→ Nyár_000.jpg"));
        perform(QStringLiteral("text x/"));
        QVERIFY(toolTip(1).endsWith(QStringLiteral("Érvénytelen fájlnév.\nEmiatt az OK egyetlen fájlt sem nevezne át.")));
        QCOMPARE(toolTip(0), QStringLiteral("Az OK egyetlen fájlt sem nevezne át a(z) „b.jpg” fájl miatt."));
        m->folder.create("c.jpg");
        perform(QStringLiteral("open"));
        QCOMPARE(toolTip(2), QStringLiteral("Az OK egyetlen fájlt sem nevezne át a(z) „a.jpg” fájl miatt."));
        perform(QStringLiteral("text Ősz_"));
        QCursor::setPos(list()->viewport()->mapToGlobal(list()->visualRect(list()->model()->index(1, 0)).center()));
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("→ Ősz_001.jpg")); // "…" while the pointer rests, then the answer
    }

    // The help, hidden by Escape after an earlier F1, comes back at the topic of the focused control,
    // else of its frame, else of its window.
    void f1ShowsTheTopicAroundTheFocus_data()
    {
        QTest::addColumn<QString>("focus"); // window/control
        QTest::addColumn<QString>("page");
        QTest::newRow("accents, by its frame") << "cserel/Check3" << "foablak.html";
        QTest::newRow("folder list") << "indit/Dir1" << "konyvtar.html";
        QTest::newRow("About OK") << "frmAbout/cmdOK" << "nevjegy-ok.html";
        QTest::newRow("About window") << "frmAbout/" << "nevjegy.html";
    }

    void f1ShowsTheTopicAroundTheFocus()
    {
        QFETCH(QString, focus);
        m->openChooser();
        m->aboutWindow();
        HelpWindow &help = m->program.help;
        QTest::keyClick(m->window("indit"), Qt::Key_F1);
        QTest::keyClick(&help, Qt::Key_Escape);
        QVERIFY(help.isHidden());
        const QByteArray window = focus.section(u'/', 0, 0).toLatin1();
        QWidget *target = focus.endsWith(u'/') ? m->window(window) : m->find(window, focus.section(u'/', 1).toLatin1());
        if (focus.endsWith(u'/'))
            target->focusWidget()->clearFocus();
        target->setFocus();

        QTest::keyClick(target, Qt::Key_F1);

        QTEST(help.findChild<QTextBrowser *>()->source().fileName(), "page");
        QVERIFY(help.isVisible());
    }

    // On a light and on a dark desktop, with a larger desktop font, every window
    // stays usable: each text of an enabled control reads at 3:1 or better (the new-name box on its
    // own yellow too; the marquee's colours are random), each label's and button's text fits its
    // place, and a screen reader finds a name for every control that takes the focus.
    void everyWindowServesEveryDesktop_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::addColumn<int>("points");
        QTest::newRow("light, 11 points") << QApplication::style()->standardPalette() << 11;
        QTest::newRow("dark, 14 points") << QPalette(QColor("#302f2e")) << 14; // white text on black boxes and dark windows
    }

    void everyWindowServesEveryDesktop()
    {
        QFETCH(QPalette, palette);
        QFETCH(int, points);
        m.reset();
        const QFont desktop = QApplication::font();
        QApplication::setPalette(palette);
        QApplication::setFont(QFont(desktop.family(), points));
        m = std::make_unique<WindowFixture>();
        m->click("cserel", "Check1");
        m->click("cserel", "Check1");
        m->openChooser();
        m->aboutWindow();
        m->program.help.showTopic(HelpTopic::None);
        for (QWidget *control : QApplication::allWidgets()) {
            const QString where = control->window()->objectName() + u'/' + control->metaObject()->className() + u' ' + control->objectName();
            QVERIFY2(control->focusPolicy() == Qt::NoFocus || !QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(), qPrintable(where));
            const auto *label = qobject_cast<QLabel *>(control);
            const bool box = qobject_cast<QLineEdit *>(control) || qobject_cast<QAbstractItemView *>(control);
            const bool caption = (label || qobject_cast<QAbstractButton *>(control)) && !control->property("text").toString().isEmpty();
            if ((!caption && !box) || where == u"frmAbout/QLabel Label1" || !control->isEnabled())
                continue;
            const QWidget *ground = control;
            while (!box && !ground->autoFillBackground() && !ground->isWindow())
                ground = ground->parentWidget();
            const double contrast = box ? contrastRatio(control->palette().color(QPalette::Text), control->palette().color(QPalette::Base))
                                        : contrastRatio(control->palette().color(control->foregroundRole()), ground->palette().color(ground->backgroundRole()));
            QVERIFY2(contrast >= 3, qPrintable(where + u' ' + QString::number(contrast)));
            const QSize needed = label && label->wordWrap() ? QSize(0, label->heightForWidth(label->width())) : control->sizeHint();
            QVERIFY2(box || control->window()->objectName() == u"HelpWindow" || (needed.width() <= control->width() && needed.height() <= control->height()),
                     qPrintable(where));
        }
        m.reset();
        QApplication::setPalette(QPalette());
        QApplication::setFont(desktop);
    }

    // "Kilépés" leaves the About window as the only one, and closing it in any way ends the program;
    // the main window's close box ends it at once, whatever else was open. Steps: the "chooser"
    // used, the "help" shown, "exit", then what closes the last window: its "close box" or keys.
    void leavingEndsTheProgram_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::newRow("exit, OK by its key") << "exit, Space";
        QTest::newRow("exit after the chooser, Enter") << "chooser, exit, Return";
        QTest::newRow("exit, Escape") << "help, exit, Esc";
        QTest::newRow("exit after the chooser, close box") << "chooser, exit, close box";
        QTest::newRow("close box") << "close box";
        QTest::newRow("close box, help shown") << "help, close box";
    }

    void leavingEndsTheProgram()
    {
        QFETCH(QString, steps);
        QStringList afterExit;
        QTimer::singleShot(5000, &m->program.help, [] { QCoreApplication::exit(-1); }); // gone with the row's program
        QTimer::singleShot(0, [&] {
            if (steps.contains(u"chooser"))
                m->openChooser()->close();
            if (steps.contains(u"help"))
                m->program.help.showTopic(HelpTopic::None);
            if (steps.contains(u"exit")) {
                m->click("cserel", "Command3");
                afterExit = WindowFixture::openWindows();
            }
            QWidget *last = m->window(afterExit.isEmpty() ? "cserel" : "frmAbout");
            steps.endsWith(u"close box") ? void(last->windowHandle()->close())
                                         : QTest::keySequence(last->focusWidget(), QKeySequence(steps.section(QStringLiteral(", "), -1)));
        });
        QCOMPARE(QApplication::exec(), 0);
        QCOMPARE(afterExit, steps.contains(u"exit") ? QStringList{"frmAbout"} : QStringList());
        QCOMPARE(WindowFixture::openWindows(), QStringList());
    }

private:
    template<typename Control = QWidget>
    Control *named(const QString &name) const { return m->find<Control>("cserel", name.toLatin1().constData()); }
    FileList *list() const { return named<FileList>("File1"); }
    QString rawToolTip(int row) const { return list()->model()->index(row, 0).data(Qt::ToolTipRole).toString(); }
    QString toolTip(int row) const
    {
        QString text;
        return QTest::qWaitFor([&] { return (text = rawToolTip(row)) != u"…"; }) ? text : QString();
    }

    // Steps of the user, separated by ", ": "open" the test folder, "text X" in the new-name box,
    // "click NAME" on a control, "tick NAME" even while hidden, "press left|right|middle free|Check1"
    // in the settings frame, "entry N" of the list, "filter N" chosen, "type TEXT NAME" typed into a
    // control, "key KEYS NAME" such as "key Ctrl+Z File1". Other
    // programs meanwhile: "file NAME" made, "gone NAME" removed, "swap NAME NAME" two files' names
    // swapped, "swap folder" the folder moved away and one with the same names put in its place.
    void perform(const QString &steps) const
    {
        for (const QString &step : steps.split(QStringLiteral(", "))) {
            const QString verb = step.section(u' ', 0, 0);
            const QString what = step.section(u' ', 1);
            if (verb == u"open")
                openFolder();
            else if (verb == u"text")
                named<QLineEdit>("Text1")->setText(what);
            else if (verb == u"click")
                QTest::mouseClick(named(what), Qt::LeftButton);
            else if (verb == u"tick")
                named<QAbstractButton>(what)->setChecked(true);
            else if (verb == u"press")
                pressFrame(what);
            else if (verb == u"entry")
                QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, list()->visualRect(list()->model()->index(what.toInt(), 0)).center());
            else if (verb == u"filter")
                named<QComboBox>("Combo1")->setCurrentIndex(what.toInt());
            else if (verb == u"file")
                m->folder.create(what.toUtf8());
            else if (verb == u"gone")
                QFile::remove(m->folder.filePath(what));
            else if (verb == u"swap")
                swap(what.section(u' ', 0, 0), what.section(u' ', 1));
            else
                typeInto(named(what.section(u' ', 1)), what.section(u' ', 0, 0), verb == u"type");
        }
    }

    // Keys go to the focused control, as they would for the user.
    static void typeInto(QWidget *control, const QString &keys, bool asText)
    {
        control->setFocus();
        asText ? QTest::keyClicks(control, keys) : QTest::keySequence(control, QKeySequence(keys));
    }

    void swap(const QString &first, const QString &second) const
    {
        if (first == u"folder") {
            const QStringList names = m->folder.entries();
            const QString moved = m_elsewhere.filePath(QString::number(m_elsewhere.entries().size())); // a fresh place each time
            QVERIFY(QDir().rename(m->folder.path(), moved) && QDir().mkdir(m->folder.path()));
            m->folder.createAll(names);
            return;
        }
        QVERIFY(::renameat2(AT_FDCWD, QFile::encodeName(m->folder.filePath(first)), AT_FDCWD, QFile::encodeName(m->folder.filePath(second)),
                            RENAME_EXCHANGE) == 0);
    }

    // Points the main window at the test folder as the folder chooser does.
    void openFolder() const
    {
        m->mainWindow().setFileListFolder(m->folder.diskPath());
        m->mainWindow().setPathCaption(m->folder.diskPath());
    }

    // The steps that make the settings an example names, such as "Sorszámozás, Új név „Nyár_”".
    static QString stepsOf(const QString &settings)
    {
        const QStringList names = settings.split(QStringLiteral(", "));
        QString steps = QStringLiteral("open, text ") + settings.section(u'„', 1).section(u'”', 0, 0);
        if (!names.first().startsWith(u"Sorszámozás"))
            steps += QStringLiteral(", click Check1");
        const QList<std::pair<QString, QString>> clicks = {{"Hozzáfűzés", "click Check4"}, {"Kisbetű", "click Option1(0)"},
            {"Nagybetű", "click Option1(1)"}, {"Ékezetmentesítés", "click Check3"}, {"*.jpe átírása *.jpg-be", "tick Check2, press right free"}};
        for (const auto &[name, click] : clicks) {
            if (names.contains(name))
                steps += QStringLiteral(", ") + click;
        }
        return steps + QStringLiteral(", click Command1");
    }

    // A mouse button pressed where the user sees that spot of the settings frame.
    void pressFrame(const QString &press) const
    {
        QWidget *window = &m->mainWindow();
        const QPoint spot = named("Frame2")->mapTo(window, press.endsWith(u"free") ? QPoint(180, 180) : named("Check1")->geometry().center());
        QWidget *target = window->childAt(spot);
        const Qt::MouseButton button = press.startsWith(u"left") ? Qt::LeftButton : press.startsWith(u"right") ? Qt::RightButton : Qt::MiddleButton;
        QTest::mouseClick(target, button, {}, target->mapFrom(window, spot));
    }

    std::unique_ptr<WindowFixture> m;
    TemporaryFolder m_elsewhere;
};

QTEST_MAIN(TestMainWindow)
#include "tst_cserel.moc"
