#pragma once

#include "engine/RenameCommand.h"
#include "engine/FileListSource.h"
#include "engine/RunObserver.h"
#include "gui/DrawnLine.h"
#include "gui/main/PreviewPlay.h"

#include <QWidget>

#include <array>
#include <memory>

struct ProgramContext;
class FileList;
class indit;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class SettingsFrame;

// The main window "Átnevezés - Sorszámozás". It keeps all its state in its controls: the
// folder in the path display, the filtered file list with its selection, the new-name box and
// the settings, which it hands to the rename runs. The runs work through its file list, and it
// watches them: the progress bar shows and the controls a run reads are locked while one works.
// Each entry's tooltip shows what OK would do with it, or "…" while that is being played.
class cserel final : public QWidget, public FileListSource, public RunObserver {
    Q_OBJECT

public:
    explicit cserel(ProgramContext &context, QWidget *parent = nullptr);
    ~cserel() override;

    // What the folder chooser sets when it hands over a folder.
    void setFileListFolder(const DiskName &folder);
    void setCountCaption(const QString &caption);
    void setPathCaption(const DiskName &folder);
    void setNewName(const QString &text);
    // The folder the path display shows, as the file system holds it.
    DiskName label5Caption() const { return m_label5Folder; }
    RenameSettings renameSettings() const;

    int fileCount() const override;
    bool isFileSelected(int index) const override;
    DiskName fileName(int index) const override;
    QString filePattern() const override;
    void refreshFiles() override;
    FileIdentity listedFolder() const override;
    ListedFiles listedFiles() const override;
    void runStarted(NameRules::RunKind kind, int steps) override;
    void stepReached(int step) override;
    void runEnded(NameRules::RunKind kind) override;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private slots:
    void Combo1_Click();
    void Check1_Click();
    void Frame2_MouseDown(Qt::MouseButton button);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void undoLastRun();

private:
    void createControls();
    void nameControls();
    void placeControls();
    void colourControls();
    void setFonts();
    void setFocusOrder();
    void keepHelpTopics();
    void keepPreviewCurrent();
    void connectHandlers();
    void Form_Load();
    void showFailure(const std::optional<RenameFailure> &failure);
    void putBackParkedFiles();
    QString previewOf(int index);
    QString playedPreviewOf(int index);
    void showAnsweredToolTip();
    void lockControls(NameRules::RunKind kind, bool locked);


    ProgramContext &m_context;
    RenameCommand m_renameCommand;
    std::unique_ptr<indit> m_chooser;
    DiskName m_label5Folder;
    PreviewPlay m_preview;
    int m_nextShownStep = 0; // the step at which the progress bar is next told how far the run is

    QGroupBox *Frame1 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Text1 = nullptr;
    SettingsFrame *Frame2 = nullptr;
    QCheckBox *Check1 = nullptr;
    QCheckBox *Check4 = nullptr;
    QCheckBox *Check3 = nullptr;
    QCheckBox *Check2 = nullptr;
    std::array<QRadioButton *, 3> Option1 = {};
    QLabel *Label2 = nullptr;
    FileList *File1 = nullptr;
    QLabel *Label6 = nullptr;
    QComboBox *Combo1 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QProgressBar *ProgressBar1 = nullptr;
    QPushButton *Command3 = nullptr;
    QList<DrawnLine> Line; // the window's frame
};
