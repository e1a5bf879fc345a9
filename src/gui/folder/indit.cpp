#include "gui/folder/indit.h"

#include "gui/AccessibleNames.h"
#include "gui/ControlColours.h"
#include "gui/folder/DriveList.h"
#include "gui/folder/FolderList.h"
#include "gui/folder/Module1.h"
#include "gui/help/HelpWindow.h"
#include "gui/MakeControl.h"
#include "gui/main/cserel.h"
#include "gui/main/FileCountText.h"
#include "gui/ProgramContext.h"
#include "gui/WindowPlacement.h"
#include "platform/CurrentFolders.h"

#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace {

// The window's own 16 × 16 icon: a yellow folder drawn in the sixteen-colour palette.
QIcon folderIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(0, 0, 0));
    painter.setBrush(QColor(255, 255, 0));
    painter.drawRect(1, 3, 5, 2);
    painter.drawRect(1, 5, 13, 8);
    painter.setPen(QColor(128, 128, 0));
    painter.drawLine(2, 12, 13, 12);
    return QIcon(pixmap);
}

} // namespace

indit::indit(cserel &mainWindow, ProgramContext &context)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_mainWindow(mainWindow)
    , m_context(context)
    , m_module1(context.fileSystem, context.messages)
{
    setObjectName(QStringLiteral("indit"));
    setWindowTitle(QStringLiteral("Könyvtár megnyitása"));
    setWindowIcon(folderIcon());
    setHelpTopic(this, HelpTopic::FolderChooser);
    createControls();
    placeControls();
    colourControls();
    setFonts();
    setFocusOrder();
    connectHandlers();
    Form_Load();
    Drive1->setFocus();
}

// Drive and folder start where the program's current folder is.
void indit::createControls()
{
    Label3 = makeControl<QLabel>(QStringLiteral("Label3"), this, QStringLiteral("Könyvtár:"));
    Dir1 = makeControl<FolderList>(QStringLiteral("Dir1"), this, m_context.fileSystem);
    Label2 = makeControl<QLabel>(QStringLiteral("Label2"), this, QStringLiteral("Meghajtó:"));
    Drive1 = makeControl<DriveList>(QStringLiteral("Drive1"), this, m_context.volumes);
    Label4 = makeControl<QLabel>(QStringLiteral("Label4"), this, QStringLiteral("Megnyitni kívánt alkönyvtár:"));
    Text1 = makeControl<QLineEdit>(QStringLiteral("Text1"), this, QStringLiteral("Text1"));
    Command1 = makeControl<QPushButton>(QStringLiteral("Command1"), this, QStringLiteral("Könyvtárnyitás"));
    nameAfterLabel(Label3, Dir1);
    nameAfterLabel(Label2, Drive1);
    nameAfterLabel(Label4, Text1);

    Dir1->setPath(DiskName::fromText(QDir::currentPath()));
    Drive1->setDrive(Dir1->path());
    for (QWidget *control : std::initializer_list<QWidget *>{Dir1, Drive1, Text1})
        setHelpTopic(control, HelpTopic::FolderChooser);
    setHelpTopic(Command1, HelpTopic::MainWindow);
}

// 3375 × 4665 twips, every control 120 twips from the left edge (15 twips to the pixel).
void indit::placeControls()
{
    setFixedSize(225, 311);
    Label3->setGeometry(8, 8, 120, 17);
    Dir1->setGeometry(8, 24, 209, 126);
    Label2->setGeometry(8, 168, 120, 17);
    Drive1->setGeometry(8, 184, 209, 21);
    Label4->setGeometry(8, 224, 201, 17);
    Text1->setGeometry(8, 240, 209, 19);
    Command1->setGeometry(8, 272, 209, 25);
}

void indit::colourControls()
{
    for (QWidget *control : std::initializer_list<QWidget *>{Dir1, Drive1, Text1})
        setControlColours(control, inactiveTitleColour(palette()), textOnInactiveTitle(palette()));
}

// The window's own face, as the main window's, so that a larger desktop font cannot clip its
// fixed-size controls.
void indit::setFonts()
{
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
}

void indit::setFocusOrder()
{
    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, Command1);
    setTabOrder(Command1, Text1);
}

void indit::connectHandlers()
{
    connect(Drive1, &QComboBox::currentIndexChanged, this, &indit::Drive1_Change);
    connect(Dir1, &FolderList::pathChanged, this, &indit::Dir1_Change);
    connect(Dir1, &FolderList::keyPress, this, &indit::Dir1_KeyPress);
    connect(Text1, &QLineEdit::textChanged, this, &indit::Text1_Change);
    connect(Command1, &QPushButton::clicked, this, &indit::Command1_Click);
}

void indit::Form_Load()
{
    Text1->setText(Dir1->path());
    centreOnScreen(*this);
}

// A drive that cannot be read, and given up on, gives way to the drive the folder list is on;
// selecting that one runs this handler again for it.
void indit::Drive1_Change()
{
    const DiskName drive = Drive1->drive();
    m_module1.CheckDriveReady(drive);
    if (m_module1.DriveFailed()) {
        Drive1->setDrive(Dir1->path());
        return;
    }
    m_context.currentFolders.makeCurrent(drive, m_context.currentFolders.currentFolderOf(drive));
    Dir1->setPath(m_context.currentFolders.currentFolderOf(drive));
    Text1->setText(Dir1->path());
}

void indit::Dir1_Change()
{
    Text1->setText(Dir1->path());
}

// Enter opens the highlighted folder, as a double-click does.
void indit::Dir1_KeyPress(int keyAscii)
{
    if (keyAscii == '\r')
        Dir1->setPath(Dir1->list(Dir1->listIndex()));
}

// The box only shows the folder list's path: typing is undone at once. Setting the same text
// again does not come back here.
void indit::Text1_Change()
{
    if (Text1->text() != Dir1->path())
        Text1->setText(Dir1->path());
}

// Hands the folder to the main window: its list, count, path display (the text of this box, with
// the folder as the file system holds it) and a new name made of the folder's own name and "_".
// Setting the list's folder reads it, once.
void indit::Command1_Click()
{
    m_mainWindow.show();
    m_mainWindow.setFileListFolder(Dir1->diskPath());
    m_mainWindow.setCountCaption(fileCountText(m_mainWindow.fileCount()));
    m_mainWindow.setPathCaption(Dir1->diskPath());
    const QString folder = m_mainWindow.label5Caption().text;
    m_mainWindow.setNewName(folder.mid(folder.lastIndexOf(QDir::separator()) + 1) + u'_');
    hide();
}

// Closing the chooser gives up the choice: the main window comes back as it was.
void indit::closeEvent(QCloseEvent *event)
{
    event->ignore();
    hide();
    m_mainWindow.show();
}

// Enter presses the focused button, as on every desktop.
void indit::keyPressEvent(QKeyEvent *event)
{
    auto *button = qobject_cast<QPushButton *>(focusWidget());
    if (button && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter))
        button->click();
    else if (!showHelpForKey(*event, *this, m_context.help))
        QWidget::keyPressEvent(event);
}
