#include "tutorial/ui/tutorial_window.h"

#include "shell/series_layout.h"
#include "shell/ui/focus_return.h"
#include "shell/ui/named_widgets.h"
#include "shell/ui/window_place.h"
#include "shell/user_dialogs.h"
#include "tutorial/achievement_record.h"
#include "tutorial/tutor_place.h"
#include "tutorial/tutorial_host.h"
#include "tutorial/tutorial_texts.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace kvx {

namespace {

const char *topicStateName(TutorialEngine::TopicState s)
{
    switch (s) {
    case TutorialEngine::TopicState::Complete: return "complete";
    case TutorialEngine::TopicState::Current: return "current";
    case TutorialEngine::TopicState::Open: break;
    }
    return "open";
}

QColor topicColour(TutorialEngine::TopicState s)
{
    switch (s) {
    case TutorialEngine::TopicState::Complete: return QColor(128, 255, 128);
    case TutorialEngine::TopicState::Current: return QColor(255, 128, 128);
    case TutorialEngine::TopicState::Open: break;
    }
    return QColor(); // the button face
}

} // namespace

TutorialWindow::TutorialWindow(TutorialHost *host, UserDialogs *dialogs, QWidget *mainWindow)
    // A tool window of the main window: the window manager keeps it above the main
    // window, so a click there never buries it.
    : QWidget(mainWindow, Qt::Tool), m_host(host), m_dialogs(*dialogs, this), m_mainWindow(mainWindow), m_engine(host),
      m_recordPath(achievement_record::defaultPath())
{
    setObjectName(QStringLiteral("tutorForm"));
    setWindowTitle(QStringLiteral("5200 Tutor"));
    keepPlaceWhenHidden(*this);

    m_menuLabel = new QLabel(this);
    m_menuLabel->setObjectName(QStringLiteral("Label2"));
    m_menuLabel->setAlignment(Qt::AlignCenter);
    auto *topics = new QVBoxLayout;
    topics->addWidget(m_menuLabel);
    for (int t = 0; t < tutorial::TopicCount; ++t) {
        auto *b = new QPushButton(this);
        b->setObjectName(QStringLiteral("IndexCommandButton_%1").arg(t));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, t] { topic(t); });
        topics->addWidget(b);
        m_topicButtons.append(b);
    }
    topics->addStretch(1);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName(QStringLiteral("toviText"));
    m_text->setReadOnly(true);
    m_text->setMinimumSize(380, 260);

    m_levelLabel = new QLabel(this);
    m_levelLabel->setObjectName(QStringLiteral("Label1"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ToutatuProgressBar"));
    m_progress->setTextVisible(false);

    auto makeButton = [this](const char *name) {
        auto *b = new QPushButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    m_back = makeButton("BackCommandButton");
    m_next = makeButton("NextCommandButton");
    m_reset = makeButton("ResetCommandButton");
    m_abort = makeButton("BtnAbort");
    connect(m_back, &QPushButton::clicked, this, &TutorialWindow::back);
    connect(m_next, &QPushButton::clicked, this, &TutorialWindow::next);
    connect(m_reset, &QPushButton::clicked, this, &TutorialWindow::reset);
    connect(m_abort, &QPushButton::clicked, this, &TutorialWindow::abort);

    auto *bottom = new QGridLayout;
    bottom->addWidget(m_levelLabel, 0, 0);
    bottom->addWidget(m_progress, 0, 1, 1, 3);
    bottom->addWidget(m_reset, 1, 0);
    bottom->addWidget(m_abort, 1, 1);
    bottom->addWidget(m_back, 1, 2);
    bottom->addWidget(m_next, 1, 3);

    auto *right = new QVBoxLayout;
    right->addWidget(m_text, 1);
    right->addLayout(bottom);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(topics);
    layout->addLayout(right, 1);

    m_skipExpiry.setSingleShot(true);
    m_skipExpiry.setInterval(1000);
    connect(&m_skipExpiry, &QTimer::timeout, this, [this] { m_skipActivation = false; });
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &TutorialWindow::onFocusWindowChanged);
    m_lastFocus = QGuiApplication::focusWindow();

    retranslate();
    render();
}

void TutorialWindow::retranslate()
{
    const bool ja = m_host->uiLanguage() == QLatin1String("Japanese");
    // The caption keeps its series; its word follows the language.
    setWindowTitle(tutorWindowCaption(windowTitle().section(QLatin1Char(' '), 0, 0), m_host->uiLanguage()));
    m_menuLabel->setText(tutorialCaption(QStringLiteral("Label2"), ja));
    m_levelLabel->setText(
        tutorialCaption(QStringLiteral("Label1"), ja).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    for (int t = 0; t < m_topicButtons.size(); ++t)
        m_topicButtons[t]->setText(tutorialCaption(QStringLiteral("IndexCommandButton"), ja, t));
    m_back->setText(tutorialCaption(QStringLiteral("BackCommandButton"), ja));
    m_next->setText(tutorialCaption(QStringLiteral("NextCommandButton"), ja));
    m_reset->setText(tutorialCaption(QStringLiteral("ResetCommandButton"), ja));
    m_reset->setToolTip(tutorialToolTip(QStringLiteral("ResetCommandButton"), ja));
    m_abort->setText(tutorialCaption(QStringLiteral("BtnAbort"), ja));
}

void TutorialWindow::ensureLoaded()
{
    if (m_loaded)
        return;
    m_engine.load(achievement_record::load(m_recordPath));
    m_record.took(achievement_record::format(m_engine.achieved()));
    m_host->clearTutorialWaiting();
    m_loaded = true;
    retranslate();
}

void TutorialWindow::runEngine()
{
    ensureLoaded();
    m_engine.run();
    render();
}

void TutorialWindow::render()
{
    const TutorialEngine::Progress &p = m_engine.progress();
    if (!p.title.isEmpty())
        setWindowTitle(p.title);
    for (int t = 0; t < m_topicButtons.size(); ++t) {
        QPushButton *b = m_topicButtons[t];
        b->setEnabled(m_engine.topicEnabled(t));
        const char *state = topicStateName(p.topics[t]);
        if (b->property("topicState").toString() != QLatin1String(state)) {
            b->setProperty("topicState", QString::fromLatin1(state));
            showFaceColour(b, topicColour(p.topics[t]));
        }
    }
    m_progress->setMaximum(qMax(1, p.maximum));
    m_progress->setValue(qMin(p.value, qMax(1, p.maximum)));

    QString shown = m_engine.text();
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (m_text->toPlainText() != shown)
        m_text->setPlainText(shown);
}

void TutorialWindow::showTutorial()
{
    ensureLoaded();
    // Placed beside the main window as it first opens; from then on it stays where the
    // user puts it, hidden and shown again (Abort, the Tutor picture, its close box)
    // included.
    if (!m_placed) {
        m_placed = true;
        standBesideMainWindow();
    }
    show();
    raise();
    if (!isActiveWindow()) {
        m_skipActivation = true;
        m_skipExpiry.start();
    }
    activateWindow();
    runEngine();
}

void TutorialWindow::standBesideMainWindow()
{
    if (!m_mainWindow || !m_mainWindow->isVisible())
        return;
    // The size the first showing would give it.
    if (!testAttribute(Qt::WA_Resized))
        adjustSize();
    // A hidden window has no frame: it gets one like the main window's. The place is
    // given without the frame, which Qt takes alike before and after a first showing.
    const QRect mainFrame = m_mainWindow->frameGeometry();
    const QPoint frameCorner = m_mainWindow->geometry().topLeft() - mainFrame.topLeft();
    const QSize tutorFrame = size() + (mainFrame.size() - m_mainWindow->size());
    const TutorPlace place = tutorPlace(m_mainWindow->screen()->availableGeometry(), mainFrame, tutorFrame);
    if (place.mainWindow != mainFrame.topLeft())
        m_mainWindow->move(place.mainWindow);
    setGeometry(QRect(place.tutor + frameCorner, size()));
}

void TutorialWindow::onFocusWindowChanged(QWindow *now)
{
    QWindow *before = m_lastFocus;
    m_lastFocus = now;
    QWindow *own = windowHandle();
    // The focus coming back after a dialog (this window's question) by whatever way the
    // window manager takes, often through the main window, is no return from the main
    // window; the user's own going there and back is.
    if (!own || now != own || FocusReturn::returning())
        return;
    if (m_skipActivation) {
        m_skipActivation = false;
        m_skipExpiry.stop();
        return;
    }
    if (before && m_mainWindow && before == m_mainWindow->windowHandle())
        runEngine();
}

void TutorialWindow::next()
{
    ensureLoaded();
    m_engine.next();
    runEngine();
}

void TutorialWindow::back()
{
    ensureLoaded();
    m_engine.back();
    runEngine();
}

void TutorialWindow::topic(int index)
{
    ensureLoaded();
    if (m_engine.goToTopic(index))
        runEngine();
}

void TutorialWindow::reset()
{
    ensureLoaded();
    const bool ja = m_host->uiLanguage() == QLatin1String("Japanese");
    const UserDialogs::Answer answer =
        m_dialogs.ask(resetQuestion(ja), UserDialogs::Buttons::OkCancel, UserDialogs::Icon::Question, resetTitle());
    if (answer == UserDialogs::Answer::Ok)
        m_engine.resetAchievements();
    else
        m_engine.refreshProgress();
    render();
}

void TutorialWindow::abort()
{
    m_host->clearTutorialShown();
    m_host->clearTutorialWaiting();
    m_host->stopTutorTimer();
    hide();
}

void TutorialWindow::setSeriesLayout(const QString &caption, const QList<std::pair<int, bool>> &topics)
{
    // The layout loads the tutorial: the record is read at start-up, and so the
    // shut-down, which unloads a loaded tutorial, writes it back at every normal end.
    ensureLoaded();
    for (const auto &[topic, on] : topics)
        m_engine.setTopicEnabled(topic, on);
    setWindowTitle(caption);
    for (int t = 0; t < m_topicButtons.size(); ++t)
        m_topicButtons[t]->setEnabled(m_engine.topicEnabled(t));
}

void TutorialWindow::unloadTutorial()
{
    if (!m_loaded)
        return;
    m_loaded = false;
    const FileWriteResult saved = m_record.write(m_recordPath, achievement_record::format(m_engine.achieved()));
    if (!saved.ok)
        m_dialogs.message(recordSaveFailed(saved, m_host->uiLanguage()), UserDialogs::Icon::Warning);
    m_host->clearTutorialWaiting();
    m_host->clearTutorialShown();
    m_host->stopTutorTimer();
    m_skipActivation = false;
    hide();
}

void TutorialWindow::closeEvent(QCloseEvent *event)
{
    unloadTutorial();
    event->accept();
}

} // namespace kvx
