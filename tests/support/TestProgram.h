#pragma once

#include "gui/help/HelpWindow.h"
#include "gui/MessageBoxes.h"
#include "gui/ProgramContext.h"
#include "platform/CurrentFolders.h"
#include "platform/LocalFileSystem.h"
#include "platform/ProgramStarter.h"
#include "platform/Registry.h"
#include "platform/SystemRandomNumbers.h"
#include "platform/Volumes.h"
#include "support/ScriptedFileSystem.h"

#include <QHash>

// Everything the windows share, as a test scripts it: the real file system with the faults a test
// plants, message boxes, volumes, a registry held in memory, program starts, and a help window of
// its own.
class TestProgram final : public MessageBoxes, public Volumes, public Registry, public ProgramStarter {
public:
    // Buttons that answer the message boxes, in order, and every box asked for. With no answer
    // left a box gets its escape button (Cancel, else OK).
    QList<QMessageBox::StandardButton> answers;
    QList<MessageRequest> requests;
    QList<Volume> volumes = {{DiskName::root(), QString()}};
    // Type and data of the values by key and value name, such as "SOFTWARE\\Vendor" and "PATH",
    // and the keys left open.
    QHash<QByteArray, QHash<QByteArray, std::pair<quint32, QByteArray>>> keys;
    QHash<RegistryKey, QByteArray> openKeys;
    // Programs asked to start, none started; those in `failing` fail.
    QStringList started;
    QStringList failing;
    LocalFileSystem localFileSystem;
    ScriptedFileSystem fileSystem{localFileSystem};
    CurrentFolders currentFolders;
    SystemRandomNumbers randomNumbers;
    HelpWindow help;
    ProgramContext context{fileSystem, *this, *this, currentFolders, *this, *this, randomNumbers, help};

    QMessageBox::StandardButton ask(const MessageRequest &request) override
    {
        requests.append(request);
        if (!answers.isEmpty())
            return answers.takeFirst();
        return request.buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::Ok;
    }

    QList<Volume> mountedVolumes() const override { return volumes; }

    // Answers as the Windows registry functions do.
    bool openKey(quint32 root, const QByteArray &keyName, quint32, quint32, RegistryKey &key) override
    {
        if (root != LocalMachineRoot || !keys.contains(keyName))
            return false;
        key = ++m_keysOpened;
        openKeys.insert(key, keyName);
        return true;
    }
    bool queryValue(RegistryKey key, const QByteArray &valueName, quint32 &type, char *buffer, quint32 &size) override
    {
        const auto values = keys.value(openKeys.value(key));
        const auto value = values.constFind(valueName);
        return value != values.constEnd() && answerRegistryQuery(value->first, value->second, type, buffer, size);
    }
    void closeKey(RegistryKey key) override { openKeys.remove(key); }

    bool start(const QString &path) override
    {
        started.append(path);
        return !failing.contains(path);
    }

private:
    RegistryKey m_keysOpened = 0;
};
