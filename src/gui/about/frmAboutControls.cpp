// Building the About window's controls: kinds, captions, places, colours and fonts.
#include "gui/about/frmAbout.h"

#include "gui/ControlColours.h"
#include "gui/help/HelpWindow.h"
#include "gui/MakeControl.h"
#include "gui/ProgramIcon.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

void frmAbout::createControls()
{
    picIcon = makeControl<QLabel>(QStringLiteral("picIcon"), this);
    Label1 = makeControl<QLabel>(QStringLiteral("Label1"), this);
    lblTitle = makeControl<QLabel>(QStringLiteral("lblTitle"), this, QStringLiteral("Vordrin"));
    lblVersion = makeControl<QLabel>(QStringLiteral("lblVersion"), this, QStringLiteral("1.1.0  Változat"));
    lblDescription = makeControl<QLabel>(QStringLiteral("lblDescription"), this,
                                         QStringLiteral("Fájlok csoportos átnevezése"));
    lblDisclaimer = makeControl<QLabel>(
        QStringLiteral("lblDisclaimer"), this,
        QStringLiteral("A program más fájlt soha nem ír felül, és hiba esetén megáll. Értékes fényképek "
                       "átnevezése előtt mégis érdemes biztonsági másolatot készíteni; a szerző az "
                       "adatvesztésért nem vállal felelősséget."));
    cmdOK = makeControl<QPushButton>(QStringLiteral("cmdOK"), this, QStringLiteral("OK"));
    cmdSysInfo = makeControl<QPushButton>(QStringLiteral("cmdSysInfo"), this, QStringLiteral("&Rendszer info"));
    Timer1 = makeControl<QTimer>(QStringLiteral("Timer1"), this);

    setWindowIcon(programIcon());
    picIcon->setPixmap(programIconPixmap(32));
    picIcon->setAlignment(Qt::AlignCenter);
    setHelpTopic(picIcon, HelpTopic::Leaving);
    Label1->setAlignment(Qt::AlignCenter);
    lblDisclaimer->setAlignment(Qt::AlignCenter);
    lblDisclaimer->setWordWrap(true);
    cmdOK->setDefault(true);
    setHelpTopic(cmdOK, HelpTopic::AboutOk);
    setTabOrder(cmdOK, cmdSysInfo);
    Timer1->start(150);
}

// 5805 × 3735 twips, at 15 twips to the pixel.
void frmAbout::placeControls()
{
    setFixedSize(387, 249);
    picIcon->setGeometry(16, 16, 36, 36);
    Label1->setGeometry(274, 16, 105, 25);
    lblTitle->setGeometry(70, 24, 178, 24);
    lblVersion->setGeometry(70, 65, 98, 15);
    lblDescription->setGeometry(16, 128, 165, 14);
    lblDisclaimer->setGeometry(16, 168, 258, 71);
    cmdOK->setGeometry(283, 175, 84, 23);
    cmdSysInfo->setGeometry(284, 205, 83, 23);
}

// The etched separator is a grey line over a white one; the frame is dark at the top and the
// left, and in the window's background colour at the right and the bottom.
void frmAbout::colourControls()
{
    const QColor windowText = palette().color(QPalette::WindowText);
    const QColor background = palette().color(QPalette::Base);
    Line1 = {{QRect(6, 163, 371, 1), QColor(128, 128, 128)}, {QRect(7, 164, 370, 2), QColor(255, 255, 255)}};
    FrameLine = {{QRect(0, 1, 386, 1), windowText},
                 {QRect(0, 1, 1, 247), windowText},
                 {QRect(386, 1, 1, 247), background},
                 {QRect(0, 248, 387, 1), background}};
    // Texts in colours of their own keep the classic window's ground under them; the marquee's
    // changing colours too.
    setControlColours(lblTitle, classicWindow(), QColor(0, 128, 0));
    setControlColours(lblDescription, classicWindow(), Qt::black);
    setControlColours(lblDisclaimer, classicWindow(), Qt::black);
    setControlColours(Label1, classicWindow(), Qt::blue);
}

void frmAbout::setFonts()
{
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    QFont marquee(QStringLiteral("Times New Roman"), 12, QFont::Bold);
    Label1->setFont(marquee);
    QFont title(QStringLiteral("MS Sans Serif"));
    title.setPointSizeF(13.5);
    title.setBold(true);
    lblTitle->setFont(title);
    lblDescription->setFont(QFont(QStringLiteral("Times New Roman"), 9, QFont::Bold));
}
