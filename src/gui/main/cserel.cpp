#include "gui/main/cserel.h"

#include "engine/ParkedFiles.h"
#include "gui/about/frmAbout.h"
#include "gui/ControlColours.h"
#include "gui/folder/indit.h"
#include "gui/help/HelpWindow.h"
#include "gui/main/FileCountText.h"
#include "gui/main/FileList.h"
#include "gui/main/FilterTable.h"
#include "gui/main/SettingsFrame.h"
#include "gui/MessageBoxes.h"
#include "gui/ProgramContext.h"
#include "gui/ProgramIcon.h"
#include "gui/WindowPlacement.h"
#include "platform/CurrentFolders.h"
#include "platform/Volumes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolTip>

cserel::cserel(ProgramContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_context(context)
    , m_renameCommand(*this, *this, context.fileSystem)
    , m_preview(context.fileSystem, [this] { return PreviewPlay::Start{listedFiles(), renameSettings()}; })
{
    setObjectName(QStringLiteral("cserel"));
    // Closing the window unloads it, and the chooser with it: by its close box the program
    // ends at once, by "Kilépés" after the About window.
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(programIcon());
    setWindowTitle(QStringLiteral("Átnevezés - Sorszámozás"));
    createControls();
    placeControls();
    colourControls();
    setFonts();
    setFocusOrder();
    keepHelpTopics();
    connectHandlers();
    keepPreviewCurrent();
    Form_Load();
    File1->setFocus();
}

cserel::~cserel() = default;

// The preview is played again once anything it depends on has changed. A tooltip that shows
// "…" when the answer comes is shown again with it.
void cserel::keepPreviewCurrent()
{
    connect(&m_preview, &PreviewPlay::answered, this, &cserel::showAnsweredToolTip);
    const auto forget = [this] { m_preview.forget(); };
    connect(Text1, &QLineEdit::textChanged, this, forget);
    for (QCheckBox *box : {Check1, Check2, Check3, Check4})
        connect(box, &QCheckBox::toggled, this, forget);
    for (QRadioButton *option : Option1)
        connect(option, &QRadioButton::toggled, this, forget);
    connect(File1->model(), &QAbstractItemModel::modelReset, this, forget);
    connect(File1->selectionModel(), &QItemSelectionModel::selectionChanged, this, forget);
    File1->setToolTipSource([this](int index) { return previewOf(index); });
}

void cserel::connectHandlers()
{
    connect(new QShortcut(QKeySequence::Undo, this), &QShortcut::activated, this, &cserel::undoLastRun);
    connect(Combo1, &QComboBox::currentIndexChanged, this, &cserel::Combo1_Click);
    connect(Check1, &QCheckBox::clicked, this, &cserel::Check1_Click);
    connect(Frame2, &SettingsFrame::mouseDown, this, &cserel::Frame2_MouseDown);
    connect(Command1, &QPushButton::clicked, this, &cserel::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &cserel::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &cserel::Command3_Click);
}

// Centres the window, makes the program's folder current, lists it and chooses the first
// filter, which writes the count display.
void cserel::Form_Load()
{
    centreOnScreen(*this);

    const QString programFolder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    const QList<Volume> volumes = m_context.volumes.mountedVolumes();
    const int drive = volumeIndexHolding(volumes, programFolder);
    m_context.currentFolders.makeCurrent(drive >= 0 ? volumes.at(drive).root : DiskName::root(), DiskName::fromText(programFolder));
    File1->setFolder(DiskName::fromText(programFolder));

    {
        const QSignalBlocker filling(Combo1);
        for (int index = 0; index < FilterTable::count(); ++index)
            Combo1->addItem(FilterTable::itemText(index));
        Combo1->setCurrentIndex(-1);
    }
    Combo1->setCurrentIndex(0);
}

void cserel::Combo1_Click()
{
    const int index = Combo1->currentIndex();
    if (index >= 0)
        File1->setPattern(FilterTable::pattern(index));
    Label1->setText(fileCountText(File1->count()));
}

// Without numbering, the new-name box and "Változatlan" are withdrawn and "Kisbetű" chosen,
// so a run never meets an unchanged case without a number. The box's light grounds carry black
// text on every desktop.
void cserel::Check1_Click()
{
    const bool numbering = Check1->isChecked();
    Text1->setEnabled(numbering);
    setControlColours(Text1, numbering ? QColor(255, 255, 224) : QColor(192, 192, 192), Qt::black);
    Option1[2]->setEnabled(numbering);
    if (!numbering)
        Option1[0]->setChecked(true);
}

void cserel::Frame2_MouseDown(Qt::MouseButton button)
{
    Check2->setVisible(button == Qt::RightButton);
    m_preview.forget();
}

void cserel::Command1_Click()
{
    showFailure(m_renameCommand.Command1_Click(renameSettings()));
}

void cserel::undoLastRun()
{
    showFailure(m_renameCommand.undoLastRun());
}

void cserel::showFailure(const std::optional<RenameFailure> &failure)
{
    if (failure)
        m_context.messages.ask({failure->message(), RenameFailure::title(), QMessageBox::Warning, QMessageBox::Ok,
                                QMessageBox::Ok, failure->details()});
}

// The jpe box counts only while it is shown: hidden, it is as if it were not ticked.
RenameSettings cserel::renameSettings() const
{
    RenameSettings settings;
    settings.numbering = Check1->isChecked();
    settings.append = Check4->isChecked();
    settings.newText = Text1->text();
    settings.caseMode = Option1[0]->isChecked() ? CaseMode::Lower
                      : Option1[1]->isChecked() ? CaseMode::Upper
                                                : CaseMode::Unchanged;
    settings.jpeRewrite = Check2->isChecked() && !Check2->isHidden();
    settings.accentFolding = Check3->isChecked();
    settings.folder = m_label5Folder;
    return settings;
}

// A name that the list shows cut short stands whole above what OK would do with it.
QString cserel::previewOf(int index)
{
    const QString preview = playedPreviewOf(index);
    if (preview.isEmpty() || File1->showsWhole(index))
        return preview;
    return File1->diskName(index).text + u'\n' + preview;
}

QString cserel::playedPreviewOf(int index)
{
    if (!m_preview.isAnswered())
        return QStringLiteral("…");
    const PlayedRun *played = m_preview.played();
    if (played && played->failure)
        return played->failure->preview(File1->diskName(index).text);
    if (!played || index >= played->finalNames.size())
        return {};
    const QByteArrayView finalName = played->finalNames.at(index);
    if (finalName == File1->diskName(index).bytes)
        return QStringLiteral("(marad)");
    return QStringLiteral("→ ") + DiskName::textOf(finalName);
}

void cserel::showAnsweredToolTip()
{
    if (!QToolTip::isVisible())
        return;
    const QPoint cursor = QCursor::pos();
    const QModelIndex entry = File1->indexAt(File1->viewport()->mapFromGlobal(cursor));
    if (entry.isValid())
        QToolTip::showText(cursor, previewOf(entry.row()), File1->viewport(), File1->visualRect(entry));
}

// The folder chooser takes the main window's place; it is created on its first opening only.
void cserel::Command2_Click()
{
    hide();
    if (!m_chooser)
        m_chooser = std::make_unique<indit>(*this, m_context);
    m_chooser->show();
}

// Unloads the chooser and this window and leaves the About window as the program's last one.
// The About window is shown first, so that closing this one does not end the program.
void cserel::Command3_Click()
{
    m_chooser.reset();
    (new frmAbout(m_context))->show();
    close();
}

void cserel::setFileListFolder(const DiskName &folder)
{
    m_renameCommand.forgetLastRun();
    File1->setFolder(folder);
    putBackParkedFiles();
}

// Files that a killed run left under a hidden name in the folder just opened get their names
// back, and the list shows them.
void cserel::putBackParkedFiles()
{
    const QString putBack = ::putBackParkedFiles(m_context.fileSystem, File1->folder(), File1->parkedNames());
    if (putBack.isEmpty())
        return;
    File1->refresh();
    m_context.messages.ask({putBack, QStringLiteral("Átnevezés"), QMessageBox::Information, QMessageBox::Ok, QMessageBox::Ok});
}

void cserel::setCountCaption(const QString &caption)
{
    Label1->setText(caption);
}

void cserel::setPathCaption(const DiskName &folder)
{
    m_label5Folder = folder;
    m_preview.forget();
    Label5->setText(folder.text);
}

void cserel::setNewName(const QString &text)
{
    Text1->setText(text);
}

// F1 opens the help. Enter presses the focused button, or "OK" wherever else the focus is, except in the filter
// box: Enter after typing a pattern there must not rename the whole folder.
void cserel::keyPressEvent(QKeyEvent *event)
{
    if (showHelpForKey(*event, *this, m_context.help))
        return;
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    QWidget *focused = focusWidget();
    if (focused == Combo1 || Combo1->isAncestorOf(focused))
        return;
    auto *button = qobject_cast<QPushButton *>(focused);
    (button ? button : Command1)->click();
}

void cserel::paintEvent(QPaintEvent *)
{
    drawLines(*this, Line);
}

int cserel::fileCount() const
{
    return File1->count();
}

bool cserel::isFileSelected(int index) const
{
    return File1->isSelected(index);
}

DiskName cserel::fileName(int index) const
{
    return File1->diskName(index);
}

QString cserel::filePattern() const
{
    return File1->pattern();
}

void cserel::refreshFiles()
{
    File1->refresh();
}

FileIdentity cserel::listedFolder() const
{
    return File1->listedFolder();
}

ListedFiles cserel::listedFiles() const
{
    return File1->listedFiles();
}

// The bar's maximum must stay above its minimum, so a single step gets a maximum of 1.
void cserel::runStarted(NameRules::RunKind kind, int steps)
{
    ProgressBar1->setRange(0, steps == 1 ? 1 : steps - 1);
    ProgressBar1->setValue(0);
    m_nextShownStep = 0;
    ProgressBar1->setVisible(true);
    ProgressBar1->repaint();
    lockControls(kind, true);
}

// The bar repaints itself whenever its drawing changes, so it moves although a run keeps the
// event loop waiting. It is told of a step only once the run has gone a thousandth of the way
// further, and of the last one: a smaller move cannot show, and each value it is told costs it
// a look at its style, which told at every step took a sixth of a run's time.
void cserel::stepReached(int step)
{
    if (step < m_nextShownStep && step != ProgressBar1->maximum())
        return;
    ProgressBar1->setValue(step);
    m_nextShownStep = step + qMax(1, ProgressBar1->maximum() / 1000);
}

void cserel::runEnded(NameRules::RunKind kind)
{
    ProgressBar1->setVisible(false);
    ProgressBar1->setValue(0);
    lockControls(kind, false);
}

// A run takes away every control whose state it reads or that would leave the folder; a run over
// the selected files leaves the jpe and accent boxes. Unlocked, the new-name box and "Változatlan"
// get the state the numbering box gives them.
void cserel::lockControls(NameRules::RunKind kind, bool locked)
{
    const bool numbering = Check1->isChecked();
    for (QWidget *control : std::initializer_list<QWidget *>{Command2, Command3, Check1, Option1[0], Option1[1]})
        control->setEnabled(!locked);
    Text1->setEnabled(!locked && numbering);
    Option1[2]->setEnabled(!locked && numbering);
    if (kind == NameRules::RunKind::WholeList) {
        Check2->setEnabled(!locked);
        Check3->setEnabled(!locked);
    }
}
