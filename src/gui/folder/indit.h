#pragma once

#include "gui/folder/Module1.h"

#include <QWidget>

struct ProgramContext;
class DriveList;
class FolderList;
class QLabel;
class QLineEdit;
class QPushButton;
class cserel;

// The folder chooser "Könyvtár megnyitása": a drive, a folder on it, and the button that
// hands the folder to the main window. It is hidden, never closed, so the next opening shows
// the same drive and folder at the same place.
class indit final : public QWidget {
    Q_OBJECT

public:
    indit(cserel &mainWindow, ProgramContext &context);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void Drive1_Change();
    void Dir1_Change();
    void Dir1_KeyPress(int keyAscii);
    void Text1_Change();
    void Command1_Click();

private:
    void createControls();
    void placeControls();
    void colourControls();
    void setFonts();
    void setFocusOrder();
    void connectHandlers();
    void Form_Load();

    cserel &m_mainWindow;
    ProgramContext &m_context;
    Module1 m_module1;

    QLabel *Label3 = nullptr;
    FolderList *Dir1 = nullptr;
    QLabel *Label2 = nullptr;
    DriveList *Drive1 = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;
};
