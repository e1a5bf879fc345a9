#include "gui/help/HelpWindow.h"
#include "gui/main/cserel.h"
#include "support/TestProgram.h"
#include "support/WindowControls.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>

// Leaving the program with its real windows inside a real event loop.
class TestLeaving : public QObject {
    Q_OBJECT

private slots:
    void exitShowsAboutThenEnds_data();
    void exitShowsAboutThenEnds();
    void closeBoxEndsAtOnce_data();
    void closeBoxEndsAtOnce();

private:
    static int runUntilQuit(const std::function<void()> &steps);
    static QStringList windowsOfProgram(bool shownOnly);
};

// Runs the event loop with `steps` as its first event; the loop's exit status, or -1 when the
// program did not end.
int TestLeaving::runUntilQuit(const std::function<void()> &steps)
{
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    guard.start(5000);
    QTimer::singleShot(0, steps);
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}

QStringList TestLeaving::windowsOfProgram(bool shownOnly)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QStringList names;
    for (const char *name : {"cserel", "indit", "frmAbout"}) {
        const QWidget *window = topLevelWindow(name);
        if (window && (!shownOnly || window->isVisible()))
            names.append(QLatin1String(name));
    }
    return names;
}

void TestLeaving::exitShowsAboutThenEnds_data()
{
    QTest::addColumn<bool>("chooserOpened");
    QTest::addColumn<QString>("closedBy");
    QTest::newRow("OK") << false << "OK";
    QTest::newRow("Enter, after the chooser") << true << "Enter";
    QTest::newRow("Escape") << false << "Escape";
    QTest::newRow("close box, after the chooser") << true << "close box";
}

void TestLeaving::exitShowsAboutThenEnds()
{
    QFETCH(bool, chooserOpened);
    QFETCH(QString, closedBy);
    TestProgram program;
    auto *mainWindow = new cserel(program.context);
    mainWindow->show();
    QStringList afterExit;
    const int status = runUntilQuit([&] {
        if (chooserOpened) {
            control<QPushButton>(*mainWindow, "Command2")->click();
            control<QPushButton>(*topLevelWindow("indit"), "Command1")->click();
        }
        control<QPushButton>(*mainWindow, "Command3")->click();
        afterExit = windowsOfProgram(false);
        QWidget *about = topLevelWindow("frmAbout");
        if (closedBy == QLatin1String("OK"))
            control<QPushButton>(*about, "cmdOK")->click();
        else if (closedBy == QLatin1String("close box"))
            about->windowHandle()->close();
        else
            QTest::keyClick(about->focusWidget(), closedBy == QLatin1String("Enter") ? Qt::Key_Return : Qt::Key_Escape);
    });
    QCOMPARE(afterExit, QStringList{"frmAbout"});
    QCOMPARE(status, 0);
    QCOMPARE(windowsOfProgram(false), QStringList());
}

void TestLeaving::closeBoxEndsAtOnce_data()
{
    QTest::addColumn<bool>("chooserHidden");
    QTest::addColumn<bool>("helpShown");
    QTest::newRow("alone") << false << false;
    QTest::newRow("chooser hidden behind") << true << false;
    QTest::newRow("help shown") << false << true;
}

void TestLeaving::closeBoxEndsAtOnce()
{
    QFETCH(bool, chooserHidden);
    QFETCH(bool, helpShown);
    TestProgram program;
    auto *mainWindow = new cserel(program.context);
    mainWindow->show();
    const int status = runUntilQuit([&] {
        if (chooserHidden) {
            control<QPushButton>(*mainWindow, "Command2")->click();
            control<QPushButton>(*topLevelWindow("indit"), "Command1")->click();
            QCOMPARE(windowsOfProgram(true), QStringList{"cserel"});
        }
        if (helpShown)
            program.help.showTopic(0);
        mainWindow->windowHandle()->close();
    });
    QCOMPARE(status, 0);
    QCOMPARE(windowsOfProgram(false), QStringList());
}

QTEST_MAIN(TestLeaving)
#include "tst_cserelexit.moc"
