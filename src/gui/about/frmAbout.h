#pragma once

#include "gui/DrawnLine.h"

#include <QWidget>

#include <optional>

struct ProgramContext;
class QLabel;
class QPushButton;
class QTimer;

// The About window "Névjegy", the last window of the program: title, version, the maker's
// name as a marquee in random colours, and a button that starts the system's information
// program. Closing it, by OK, Enter, Escape or the close box, ends the program.
class frmAbout final : public QWidget {
    Q_OBJECT

public:
    explicit frmAbout(ProgramContext &context);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private slots:
    void Timer1_Timer();
    void Label1_Click();
    void cmdOK_Click();
    void cmdSysInfo_Click();

private:
    // What GetKeyValue found: a value, none, or a value of no size, which ends the command.
    enum class KeyRead { Read, Missing, Empty };

    void createControls();
    void placeControls();
    void colourControls();
    void setFonts();
    void connectHandlers();
    void Form_Load();
    void showMarqueeStep();
    void showStillName();
    void StartSysInfo();
    std::optional<QString> sysInfoPath();
    KeyRead GetKeyValue(quint32 KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal);

    ProgramContext &m_context;
    int m_marqueePos = 1;
    bool m_marqueeRunning = true;

    QLabel *picIcon = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *lblVersion = nullptr;
    QLabel *lblDescription = nullptr;
    QLabel *lblDisclaimer = nullptr;
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdSysInfo = nullptr;
    QList<DrawnLine> Line1;     // the etched separator
    QList<DrawnLine> FrameLine; // the window's frame
    QTimer *Timer1 = nullptr;
};
