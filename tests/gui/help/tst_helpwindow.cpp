#include "gui/about/frmAbout.h"
#include "gui/help/HelpWindow.h"
#include "gui/main/cserel.h"
#include "support/TestProgram.h"
#include "support/WindowControls.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

class TestHelp : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void f1OpensTheTopicAroundTheFocus_data();
    void f1OpensTheTopicAroundTheFocus();
    void secondF1ReusesTheWindow();
    void everyTopicOfTheWindowsHasAPage();
    void everyLinkResolves();

private:
    QWidget *window(const QString &name) const;
    QString shownPage() const { return m_program->help.findChild<QTextBrowser *>()->source().fileName(); }

    std::unique_ptr<TestProgram> m_program;
    std::unique_ptr<cserel> m_mainWindow;
    std::unique_ptr<frmAbout> m_about;
};

void TestHelp::init()
{
    m_program = std::make_unique<TestProgram>();
    m_mainWindow = std::make_unique<cserel>(m_program->context);
    control<QPushButton>(*m_mainWindow, "Command2")->click();
    m_about = std::make_unique<frmAbout>(m_program->context);
}

void TestHelp::cleanup()
{
    m_about.reset();
    m_mainWindow.reset();
}

QWidget *TestHelp::window(const QString &name) const
{
    if (name == QLatin1String("cserel"))
        return m_mainWindow.get();
    return name == QLatin1String("frmAbout") ? m_about.get() : topLevelWindow("indit");
}

void TestHelp::f1OpensTheTopicAroundTheFocus_data()
{
    QTest::addColumn<QString>("windowName");
    QTest::addColumn<QString>("controlName");
    QTest::addColumn<QString>("page");
    QTest::newRow("new-name box") << "cserel" << "Text1" << "foablak.html";
    QTest::newRow("file list") << "cserel" << "File1" << "foablak.html";
    QTest::newRow("filter box") << "cserel" << "Combo1" << "foablak.html";
    QTest::newRow("accents, by its frame") << "cserel" << "Check3" << "foablak.html";
    QTest::newRow("OK") << "cserel" << "Command1" << "foablak.html";
    QTest::newRow("exit") << "cserel" << "Command3" << "kilepes.html";
    QTest::newRow("folder list") << "indit" << "Dir1" << "konyvtar.html";
    QTest::newRow("open folder") << "indit" << "Command1" << "foablak.html";
    QTest::newRow("About OK") << "frmAbout" << "cmdOK" << "nevjegy-ok.html";
    QTest::newRow("About window") << "frmAbout" << "" << "nevjegy.html";
}

void TestHelp::f1OpensTheTopicAroundTheFocus()
{
    QFETCH(QString, windowName);
    QFETCH(QString, controlName);
    QFETCH(QString, page);
    QWidget *target = window(windowName);
    if (controlName.isEmpty())
        target->focusWidget()->clearFocus();
    else
        target = control<QWidget>(*target, controlName.toLatin1().constData());
    target->setFocus();

    QTest::keyClick(target, Qt::Key_F1);

    QCOMPARE(shownPage(), page);
    QVERIFY(m_program->help.isVisible());
}

void TestHelp::secondF1ReusesTheWindow()
{
    QTest::keyClick(m_about.get(), Qt::Key_F1);
    QWidget *exit = control<QWidget>(*m_mainWindow, "Command3");
    exit->setFocus();
    QTest::keyClick(exit, Qt::Key_F1);
    QCOMPARE(shownPage(), QStringLiteral("kilepes.html"));
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(), [](QWidget *w) { return qobject_cast<HelpWindow *>(w); }), 1);
    QTest::keyClick(&m_program->help, Qt::Key_Escape);
    QVERIFY(!m_program->help.isVisible());
}

void TestHelp::everyTopicOfTheWindowsHasAPage()
{
    for (QWidget *shown : {window("cserel"), window("indit"), window("frmAbout")}) {
        QList<QWidget *> controls = shown->findChildren<QWidget *>();
        controls.append(shown);
        for (const QWidget *control : std::as_const(controls)) {
            const QVariant topic = control->property("helpTopic");
            if (topic.isValid())
                QVERIFY2(QFile::exists(u':' + HelpWindow::pageOfTopic(topic.toInt()).path()),
                         qPrintable(control->objectName()));
        }
    }
}

void TestHelp::everyLinkResolves()
{
    const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
    for (QDirIterator pages(QStringLiteral(":/help")); pages.hasNext();) {
        QFile page(pages.next());
        QVERIFY(page.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(page.readAll());
        for (const QRegularExpressionMatch &match : link.globalMatch(text)) {
            QVERIFY2(QFile::exists(QStringLiteral(":/help/") + match.captured(1)),
                     qPrintable(page.fileName() + u' ' + match.captured(0)));
        }
    }
}

QTEST_MAIN(TestHelp)
#include "tst_helpwindow.moc"
