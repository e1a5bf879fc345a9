// Building the main window's controls: kinds, captions, start values, places, colours, fonts,
// focus order and help topics.
#include "gui/main/cserel.h"

#include "gui/AccessibleNames.h"
#include "gui/ControlColours.h"
#include "gui/help/HelpWindow.h"
#include "gui/main/FileList.h"
#include "gui/main/SettingsFrame.h"
#include "gui/MakeControl.h"
#include "gui/ProgramContext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

namespace {

void setSingleBorder(QLabel *label)
{
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
}

} // namespace

void cserel::createControls()
{
    Frame1 = makeControl<QGroupBox>("Frame1", this);
    Label4 = makeControl<QLabel>("Label4", Frame1, QStringLiteral("Aktuális könyvtár:"));
    Label5 = makeControl<QLabel>("Label5", Frame1);
    Label3 = makeControl<QLabel>("Label3", Frame1, QStringLiteral("Új név:"));
    Text1 = makeControl<QLineEdit>("Text1", Frame1);
    Frame2 = makeControl<SettingsFrame>("Frame2", Frame1, QStringLiteral("Beállítások"));
    Check1 = makeControl<QCheckBox>("Check1", Frame2, QStringLiteral("Sorszámozás"));
    Check4 = makeControl<QCheckBox>("Check4", Frame2, QStringLiteral("Hozzáfűzés"));
    Check3 = makeControl<QCheckBox>("Check3", Frame2, QStringLiteral("Ékezetmentesítés"));
    Check2 = makeControl<QCheckBox>("Check2", Frame2, QStringLiteral("*.jpe átírása *.jpg-be"));
    Option1[0] = makeControl<QRadioButton>("Option1(0)", Frame2, QStringLiteral("Kisbetű"));
    Option1[1] = makeControl<QRadioButton>("Option1(1)", Frame2, QStringLiteral("Nagybetű"));
    Option1[2] = makeControl<QRadioButton>("Option1(2)", Frame2, QStringLiteral("Változatlan"));
    Label2 = makeControl<QLabel>("Label2", Frame1, QStringLiteral("File-lista:"));
    File1 = makeControl<FileList>("File1", Frame1, m_context.fileSystem);
    Label6 = makeControl<QLabel>("Label6", Frame1, QStringLiteral("File-szűrő:"));
    Combo1 = makeControl<QComboBox>("Combo1", Frame1);
    Label1 = makeControl<QLabel>("Label1", Frame1, QStringLiteral("- darabszám -"));
    Command1 = makeControl<QPushButton>("Command1", this, QStringLiteral("OK"));
    Command2 = makeControl<QPushButton>("Command2", this, QStringLiteral("Új könyvtár"));
    ProgressBar1 = makeControl<QProgressBar>("ProgressBar1", this);
    Command3 = makeControl<QPushButton>("Command3", this, QStringLiteral("Kilépés"));

    setPathCaption(DiskName::fromText(QStringLiteral("*elérési út*")));
    Check1->setChecked(true);
    Check2->hide();
    Option1[2]->setChecked(true);
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setCompleter(nullptr);
    // Text typed into the edit field must never choose a filter, not even when it spells one.
    disconnect(Combo1->lineEdit(), &QLineEdit::editingFinished, Combo1, nullptr);
    Combo1->setMaxVisibleItems(12);
    Combo1->setEditText(QStringLiteral("* filter *"));
    Command1->setDefault(true);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->hide();
    setSingleBorder(Label5);
    setSingleBorder(Label1);
    Label1->setAlignment(Qt::AlignCenter);
    nameControls();
}

// What a screen reader calls the boxes: the labels beside them, and words of their own for the
// filter's edit field and the progress bar, which have none.
void cserel::nameControls()
{
    nameAfterLabel(Label3, Text1);
    nameAfterLabel(Label2, File1);
    nameAfterLabel(Label6, Combo1);
    ProgressBar1->setAccessibleName(QStringLiteral("Átnevezés folyamata"));
}

// Pixels at 96 dots per inch: the settings in the left column, the list in the right.
void cserel::placeControls()
{
    setFixedSize(417, 378);
    Frame1->setGeometry(11, 8, 393, 321);
    Label4->setGeometry(16, 14, 160, 16);
    Label5->setGeometry(16, 32, 361, 21);
    Label3->setGeometry(16, 64, 120, 16);
    Text1->setGeometry(16, 82, 193, 21);
    Frame2->setGeometry(16, 112, 193, 193);
    Check1->setGeometry(16, 26, 161, 20);
    Check4->setGeometry(16, 50, 161, 20);
    Check3->setGeometry(16, 74, 161, 20);
    Check2->setGeometry(16, 98, 161, 20);
    Option1[0]->setGeometry(16, 132, 80, 20);
    Option1[1]->setGeometry(100, 132, 85, 20);
    Option1[2]->setGeometry(16, 158, 120, 20);
    Label2->setGeometry(224, 64, 153, 16);
    File1->setGeometry(224, 82, 153, 118);
    Label6->setGeometry(224, 210, 153, 16);
    Combo1->setGeometry(224, 228, 153, 22);
    Label1->setGeometry(224, 266, 153, 25);
    Command1->setGeometry(11, 341, 81, 25);
    Command2->setGeometry(100, 341, 81, 25);
    ProgressBar1->setGeometry(191, 345, 113, 17);
    Command3->setGeometry(323, 341, 81, 25);
}

// Named colours are the program's own; the others follow the desktop's colour roles: the path
// display and the list in the inactive-title colour, the new-name box in the tooltip colour.
// The filter box's cyan keeps the ground it has on the classic desktop.
void cserel::colourControls()
{
    const QPalette system = palette();
    const QColor inactiveTitle = inactiveTitleColour(system);
    setControlColours(Label5, inactiveTitle, system.color(QPalette::HighlightedText));
    setControlColours(File1, inactiveTitle, textOnInactiveTitle(system));
    setControlColours(Combo1, classicInactiveTitle(), QColor(0, 255, 255));
    setControlColours(Label1, QColor(128, 128, 255), QColor(255, 255, 0));
    setControlColours(Text1, system.color(QPalette::ToolTipBase), system.color(QPalette::ToolTipText));
    Line = {{QRect(0, 0, 417, 1), system.color(QPalette::WindowText)},
            {QRect(0, 0, 1, 378), system.color(QPalette::WindowText)},
            {QRect(416, 0, 1, 378), system.color(QPalette::Base)},
            {QRect(0, 377, 417, 1), system.color(QPalette::Base)}};
}

// Arial 8¼ points for the labels, boxes, list and settings; the buttons and "Hozzáfűzés" keep
// the window's own face.
void cserel::setFonts()
{
    setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(8.25);
    for (QWidget *control : std::initializer_list<QWidget *>{Label4, Label5, Label3, Text1, Frame2, Check1, Check3,
                                                             Check2, Option1[0], Option1[1], Option1[2], Label2,
                                                             File1, Label6, Combo1, Label1})
        control->setFont(arial);
    Check4->setFont(font());
    QFont bold = arial;
    bold.setBold(true);
    Label1->setFont(bold);
}

void cserel::setFocusOrder()
{
    const std::initializer_list<QWidget *> order = {File1,      Text1,      Check1,     Command1, Command2,
                                                    Command3,   Option1[0], Option1[1], Option1[2], Check2,
                                                    Combo1,     Check3,     Check4};
    for (auto control = order.begin(); control + 1 != order.end(); ++control)
        setTabOrder(*control, *(control + 1));
}

// Topic numbers of the help document, looked up by F1 from the focused control or its frame.
void cserel::keepHelpTopics()
{
    for (QWidget *control : std::initializer_list<QWidget *>{Text1, Frame2, File1, Combo1, Command1, Command2})
        setHelpTopic(control, HelpTopic::MainWindow);
    setHelpTopic(Command3, HelpTopic::Leaving);
}
