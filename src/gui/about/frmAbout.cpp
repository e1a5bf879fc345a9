#include "gui/about/frmAbout.h"

#include "gui/ControlColours.h"
#include "gui/help/HelpWindow.h"
#include "gui/ProgramContext.h"
#include "gui/WindowPlacement.h"
#include "platform/RandomNumbers.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

const QString RunningText = QStringLiteral("   Calvenor   ");
const QString StillText = QStringLiteral("   Calvenor \u2122   ");

int colourComponent(RandomNumbers &random)
{
    return int(random.next() * 255);
}

} // namespace

frmAbout::frmAbout(ProgramContext &context)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_context(context)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Névjegy"));
    setHelpTopic(this, HelpTopic::About);
    createControls();
    placeControls();
    colourControls();
    setFonts();
    connectHandlers();
    Form_Load();
    cmdOK->setFocus();
}

void frmAbout::connectHandlers()
{
    connect(Timer1, &QTimer::timeout, this, &frmAbout::Timer1_Timer);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    Label1->installEventFilter(this);
}

void frmAbout::Form_Load()
{
    m_marqueePos = 1;
    m_marqueeRunning = true;
    centreOnScreen(*this);
}

void frmAbout::Timer1_Timer()
{
    if (m_marqueeRunning)
        showMarqueeStep();
    else
        showStillName();
}

// The cut of the name grows by one character a tick in a new colour; the thirteenth tick of
// a cycle leaves the label empty.
void frmAbout::showMarqueeStep()
{
    const int red = colourComponent(m_context.randomNumbers);
    const int green = colourComponent(m_context.randomNumbers);
    const int blue = colourComponent(m_context.randomNumbers);
    setTextColour(Label1, QColor(red, green, blue));
    Label1->setText(RunningText.mid(m_marqueePos - 1, m_marqueePos + 3));
    if (++m_marqueePos == 14) {
        Label1->clear();
        m_marqueePos = 1;
    }
}

// The whole name stands still in blue; the marquee's place is kept for when it runs again.
void frmAbout::showStillName()
{
    setTextColour(Label1, QColor(0, 0, 255));
    Label1->setText(StillText);
}

void frmAbout::Label1_Click()
{
    m_marqueeRunning = !m_marqueeRunning;
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label1 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        Label1_Click();
    return QWidget::eventFilter(watched, event);
}

// OK is the window's default and cancel button: Enter and Escape press it, unless Enter meets
// another focused button, which it presses instead. F1 opens the help.
void frmAbout::paintEvent(QPaintEvent *)
{
    drawLines(*this, Line1 + FrameLine);
}

void frmAbout::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto *button = qobject_cast<QPushButton *>(focusWidget()))
            button->click();
        else
            cmdOK->click();
        break;
    case Qt::Key_Escape:
        cmdOK->click();
        break;
    default:
        if (!showHelpForKey(*event, *this, m_context.help))
            QWidget::keyPressEvent(event);
    }
}
