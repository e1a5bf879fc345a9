#pragma once

#include "engine/ListedFiles.h"
#include "engine/PlayedRun.h"

#include <QFutureWatcher>
#include <QObject>

#include <functional>
#include <optional>

class FileSystem;

// What OK would do with the file list and settings as they stand, played on a thread of its own
// so that the window keeps answering however large the folder. One play runs at a time; a
// change of anything the play depends on makes it stale, and a stale play's answer is dropped.
// A play starts when an answer is first asked for, and again when an answer asked for went
// stale while it was being played.
class PreviewPlay final : public QObject {
    Q_OBJECT

public:
    // What a play starts from: the list as it stands and the settings as the window holds them.
    struct Start {
        ListedFiles listed;
        RenameSettings settings;
    };

    PreviewPlay(const FileSystem &fileSystem, std::function<Start()> start, QObject *parent = nullptr);
    // Waits for a play still running, since it reads through the file system.
    ~PreviewPlay() override;

    // Whether the answer for the list and settings as they stand is there; when it is not, a
    // play is started, and `answered` tells when it is.
    bool isAnswered();
    // The answer: the played run, or nullptr when the folder could not be read.
    const PlayedRun *played() const;

    // Something the play depends on has changed.
    void forget();

signals:
    void answered();

private:
    void startPlay();
    void takeAnswer();

    const FileSystem &m_fileSystem;
    std::function<Start()> m_start;
    QFutureWatcher<std::optional<PlayedRun>> m_watcher;
    bool m_hasAnswer = false;
    // Changes counted, and the count the play under way started from.
    quint64 m_changes = 0;
    quint64 m_playedChanges = 0;
    std::optional<PlayedRun> m_answer;
};
