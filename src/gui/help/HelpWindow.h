#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QToolButton;

// The topics of the help, by the numbers the windows have always given them.
enum class HelpTopic { None = 0, FolderChooser = 2, MainWindow = 4, About = 5, Leaving = 6, AboutOk = 7 };

// The program's help "Tartalom": one window, reused for every F1, that blocks nothing. Closing
// it only hides it, and it never keeps the program running.
class HelpWindow final : public QWidget {
    Q_OBJECT

public:
    HelpWindow();

    // The page of a help topic; empty for none.
    static QUrl pageOfTopic(HelpTopic topic);

    // Brings the window to the front at the page of the topic, or at the start page.
    void showTopic(HelpTopic topic);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QTextBrowser *m_browser = nullptr;
    QToolButton *m_back = nullptr;
    QToolButton *m_forward = nullptr;
};

// Gives the control, and the controls it holds, the topic that F1 shows.
void setHelpTopic(QWidget *control, HelpTopic topic);

// The help topic of the control, else of the frame or window around it.
HelpTopic helpTopicAround(const QWidget *control);

// Opens the help at the topic around the window's focused control when the key is F1; tells
// whether it was.
bool showHelpForKey(const QKeyEvent &event, const QWidget &window, HelpWindow &help);
