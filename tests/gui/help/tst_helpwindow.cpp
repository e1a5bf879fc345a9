#include "support/WindowFixture.h"

#include <QTextBrowser>

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m = std::make_unique<WindowFixture>();
        m->openChooser();
        m->aboutWindow();
    }
    void cleanup() { m.reset(); }

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
        HelpWindow &help = m->program.help;
        QTest::keyClick(m->window("indit"), Qt::Key_F1);
        QTest::keyClick(&help, Qt::Key_Escape);
        QVERIFY(help.isHidden());
        QWidget *target = m->window(focus.section(u'/', 0, 0).toLatin1());
        if (focus.endsWith(u'/'))
            target->focusWidget()->clearFocus();
        else
            target = control<QWidget>(*target, focus.section(u'/', 1).toLatin1());
        target->setFocus();

        QTest::keyClick(target, Qt::Key_F1);

        QTEST(help.findChild<QTextBrowser *>()->source().fileName(), "page");
        QVERIFY(help.isVisible());
    }

    // F1 from every control that takes the focus opens a page that exists.
    void everyControlLeadsToAPage()
    {
        for (const char *window : {"cserel", "indit", "frmAbout"}) {
            for (const QWidget *control : m->window(window)->findChildren<QWidget *>()) {
                const QString page = u':' + HelpWindow::pageOfTopic(helpTopicAround(control)).path();
                QVERIFY2(control->focusPolicy() == Qt::NoFocus || QFile::exists(page), qPrintable(control->objectName()));
            }
        }
    }

private:
    std::unique_ptr<WindowFixture> m;
};

QTEST_MAIN(TestHelp)
#include "tst_helpwindow.moc"
