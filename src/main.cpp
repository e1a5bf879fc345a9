#include "gui/help/HelpWindow.h"
#include "gui/main/cserel.h"
#include "gui/ProgramContext.h"
#include "gui/QtMessageBoxes.h"
#include "platform/CurrentFolders.h"
#include "platform/LargeBlocks.h"
#include "platform/LocalFileSystem.h"
#include "platform/SystemProgramStarter.h"
#include "platform/SystemRandomNumbers.h"
#include "platform/SystemRegistry.h"
#include "platform/SystemVolumes.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

// Starts the program in its main window, drawn as a classic desktop dialog, with Qt's own
// texts (standard buttons) in Hungarian. The program ends when its last window is closed;
// windows unload themselves on closing, and the help window goes with the program. Its windows
// name the desktop entry, so docks and task bars group them under the program's icon.
int main(int argc, char *argv[])
{
    returnLargeBlocksToSystem();
    QApplication application(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("hu.calvenor.Atnevezes"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_hu"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    const LocalFileSystem fileSystem;
    QtMessageBoxes messages;
    const SystemVolumes volumes;
    CurrentFolders currentFolders;
    SystemRegistry registry;
    SystemProgramStarter programStarter;
    SystemRandomNumbers randomNumbers;
    HelpWindow help;
    ProgramContext context{fileSystem, messages,       volumes,       currentFolders,
                           registry,   programStarter, randomNumbers, help};
    (new cserel(context))->show();
    const int status = QApplication::exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
