#include "gui/help/HelpWindow.h"

#include "gui/ProgramIcon.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMap>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QUrl startPage(QStringLiteral("qrc:/help/index.html"));
const char *const topicProperty = "helpTopic";

QToolButton *makeButton(const QString &text, const QString &toolTip, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setText(text);
    button->setToolTip(toolTip);
    button->setAccessibleName(toolTip);
    button->setEnabled(false);
    return button;
}

} // namespace

HelpWindow::HelpWindow()
    : QWidget(nullptr, Qt::Window)
    , m_browser(new QTextBrowser(this))
    , m_back(makeButton(QStringLiteral("◀"), QStringLiteral("Vissza"), this))
    , m_forward(makeButton(QStringLiteral("▶"), QStringLiteral("Előre"), this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    m_browser->setAccessibleName(QStringLiteral("Súgó"));
    setWindowIcon(programIcon());
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(560, 520);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(QStringLiteral("Súgó – ") + m_browser->documentTitle()); });
}

QUrl HelpWindow::pageOfTopic(HelpTopic topic)
{
    static const QMap<HelpTopic, QString> pages = {
        {HelpTopic::FolderChooser, QStringLiteral("konyvtar.html")}, {HelpTopic::MainWindow, QStringLiteral("foablak.html")},
        {HelpTopic::About, QStringLiteral("nevjegy.html")},          {HelpTopic::Leaving, QStringLiteral("kilepes.html")},
        {HelpTopic::AboutOk, QStringLiteral("nevjegy-ok.html")},
    };
    const QString page = pages.value(topic);
    return page.isEmpty() ? QUrl() : startPage.resolved(QUrl(page));
}

void HelpWindow::showTopic(HelpTopic topic)
{
    const QUrl page = pageOfTopic(topic);
    m_browser->setSource(page.isEmpty() ? startPage : page);
    show();
    raise();
    activateWindow();
}

void HelpWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void setHelpTopic(QWidget *control, HelpTopic topic)
{
    control->setProperty(topicProperty, int(topic));
}

HelpTopic helpTopicAround(const QWidget *control)
{
    for (; control; control = control->parentWidget()) {
        const QVariant topic = control->property(topicProperty);
        if (topic.isValid())
            return HelpTopic(topic.toInt());
    }
    return HelpTopic::None;
}

bool showHelpForKey(const QKeyEvent &event, const QWidget &window, HelpWindow &help)
{
    if (event.key() != Qt::Key_F1)
        return false;
    const QWidget *focused = window.focusWidget();
    help.showTopic(helpTopicAround(focused ? focused : &window));
    return true;
}
