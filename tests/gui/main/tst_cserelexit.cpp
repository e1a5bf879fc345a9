#include "gui/help/HelpWindow.h"
#include "support/WindowFixture.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

// Leaving the program with its real windows inside a real event loop.
class TestLeaving : public QObject {
    Q_OBJECT

private slots:
    void leavingEndsTheProgram_data();
    void leavingEndsTheProgram();
};

// "Kilépés" leaves the About window as the only one, and closing it in any way ends the program;
// the main window's close box ends it at once, whatever else was open.
void TestLeaving::leavingEndsTheProgram_data()
{
    QTest::addColumn<bool>("chooserUsed");
    QTest::addColumn<bool>("helpShown");
    QTest::addColumn<QString>("aboutClosedBy"); // empty: the main window's close box, no About window
    QTest::newRow("exit, OK") << false << false << "OK";
    QTest::newRow("exit after the chooser, Enter") << true << false << "Enter";
    QTest::newRow("exit, Escape") << false << true << "Escape";
    QTest::newRow("exit after the chooser, close box") << true << false << "close box";
    QTest::newRow("close box") << false << false << "";
    QTest::newRow("close box, chooser hidden") << true << false << "";
    QTest::newRow("close box, help shown") << false << true << "";
}

void TestLeaving::leavingEndsTheProgram()
{
    QFETCH(bool, chooserUsed);
    QFETCH(bool, helpShown);
    QFETCH(QString, aboutClosedBy);
    WindowFixture m;
    QStringList afterExit;
    QTimer::singleShot(5000, &m.program.help, [] { QCoreApplication::exit(-1); }); // gone with the row's program
    QTimer::singleShot(0, [&] {
        if (chooserUsed) {
            m.openChooser();
            m.click("indit", "Command1");
        }
        if (helpShown)
            m.program.help.showTopic(0);
        if (aboutClosedBy.isEmpty()) {
            m.mainWindow().windowHandle()->close();
            return;
        }
        m.click("cserel", "Command3");
        afterExit = WindowFixture::openWindows();
        QWidget *about = m.window("frmAbout");
        if (aboutClosedBy == QLatin1String("OK"))
            m.click("frmAbout", "cmdOK");
        else if (aboutClosedBy == QLatin1String("close box"))
            about->windowHandle()->close();
        else
            QTest::keyClick(about->focusWidget(),
                            aboutClosedBy == QLatin1String("Enter") ? Qt::Key_Return : Qt::Key_Escape);
    });
    QCOMPARE(QApplication::exec(), 0);
    QCOMPARE(afterExit, aboutClosedBy.isEmpty() ? QStringList() : QStringList{"frmAbout"});
    QCOMPARE(WindowFixture::openWindows(), QStringList());
}

QTEST_MAIN(TestLeaving)
#include "tst_cserelexit.moc"
