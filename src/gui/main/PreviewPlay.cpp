#include "gui/main/PreviewPlay.h"

#include <QtConcurrent/QtConcurrentRun>

PreviewPlay::PreviewPlay(const FileSystem &fileSystem, std::function<Start()> start, QObject *parent)
    : QObject(parent)
    , m_fileSystem(fileSystem)
    , m_start(std::move(start))
{
    connect(&m_watcher, &QFutureWatcherBase::finished, this, &PreviewPlay::takeAnswer);
}

PreviewPlay::~PreviewPlay()
{
    m_watcher.waitForFinished();
}

bool PreviewPlay::isAnswered()
{
    if (!m_hasAnswer && !m_watcher.isRunning())
        startPlay();
    return m_hasAnswer;
}

const PlayedRun *PreviewPlay::played() const
{
    return m_answer ? &*m_answer : nullptr;
}

// The answer already given is dropped, and the one being played or on its way will be.
void PreviewPlay::forget()
{
    m_hasAnswer = false;
    m_answer.reset();
    ++m_changes;
}

// The list's names are shared with the play, which only reads them, and the settings copied.
void PreviewPlay::startPlay()
{
    m_playedChanges = m_changes;
    Start start = m_start();
    m_watcher.setFuture(QtConcurrent::run([&fileSystem = m_fileSystem, start = std::move(start)]() mutable {
        return playRun(std::move(start.listed), fileSystem, start.settings);
    }));
}

// A stale answer was asked for, or it would not have been played: the play starts again.
void PreviewPlay::takeAnswer()
{
    if (m_playedChanges != m_changes) {
        startPlay();
        return;
    }
    m_answer = m_watcher.result();
    m_hasAnswer = true;
    emit answered();
}
