#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QToolButton;

// The program's help "Tartalom": one window, reused for every F1, that blocks nothing. Closing
// it only hides it, and it never keeps the program running.
class HelpWindow final : public QWidget {
    Q_OBJECT

public:
    HelpWindow();

    // The page of a help topic number; empty for a number without one.
    static QUrl pageOfTopic(int topic);

    // Brings the window to the front at the page of the topic, or at the start page.
    void showTopic(int topic);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QTextBrowser *m_browser = nullptr;
    QToolButton *m_back = nullptr;
    QToolButton *m_forward = nullptr;
};

// The help topic of the control, else of the frame or window around it; 0 when none has one.
int helpTopicAround(const QWidget *control);

// Opens the help at the topic around the window's focused control when the key is F1; tells
// whether it was.
bool showHelpForKey(const QKeyEvent &event, const QWidget &window, HelpWindow &help);
