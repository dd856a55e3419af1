#include "app/application.h"
#include "app/backdrop.h"
#include "media/mediaroot.h"
#include "platform/trace.h"
#include "screens/cardscreen.h"
#include "screens/exercisescreen.h"
#include "screens/introscreen.h"
#include "screens/paramscreen.h"
#include <QApplication>
#include <QEventLoop>

namespace flumo {

Application::Application(Platform &platform, const DisplayMetrics &display)
    : m_platform(platform)
    , m_display(display)
    , m_settings(std::make_unique<Settings>(m_scores, m_state))
    , m_pictures(platform.files)
    , m_context{platform, *m_settings, m_state, m_scores, m_pictures}
{
    QApplication::setApplicationName(QStringLiteral("Flumo"));
    // Only the backdrop ends the program. Qt's rule "the last visible window
    // closed" would also fire when the intro screen closes while it is the
    // only screen shown; the close chain below (intro -> exercise screen ->
    // backdrop) makes that end explicit and in the designed order instead.
    QApplication::setQuitOnLastWindowClosed(false);
}

Application::~Application()
{
    m_cards.reset();
    m_intro.reset();
    m_exercise.reset();
    m_param.reset();
    m_backdrop.reset();
}

bool Application::locateMediaRoot()
{
    const std::optional<QString> root =
        LocateMediaRoot(m_platform.files, m_platform.drives, m_platform.dialogs, m_cdDrive);
    if (!root)
        return false;
    m_pictures.setMediaRoot(*root);
    trace("media-root", {{"root", *root}});
    return true;
}

bool Application::createScreens()
{
    m_backdrop = std::make_unique<BackdropScreen>(*m_settings);
    trace("screen-created", {{"name", QStringLiteral("FCernaObr1")}});

    m_param = std::make_unique<ParamScreen>(m_context, [this] { return locateMediaRoot(); });
    trace("screen-created", {{"name", QStringLiteral("FParam1")}});
    if (!m_param->loadSucceeded()) {
        trace("startup-ended", {{"reason", QStringLiteral("no-media")}});
        return false;
    }

    m_exercise = std::make_unique<ExerciseScreen>(m_context, m_display);
    trace("screen-created", {{"name", QStringLiteral("FUkolu1")}});
    m_intro = std::make_unique<IntroScreen>(m_context, m_display);
    trace("screen-created", {{"name", QStringLiteral("FUvodObr1")}});
    m_cards = std::make_unique<CardScreen>(m_context, m_display);
    trace("screen-created", {{"name", QStringLiteral("FKart1")}});

    connectScreens();
    return true;
}

void Application::connectScreens()
{
    m_backdrop->setIntroScreen(m_intro.get());
    m_backdrop->watchModalScreen(m_param.get());
    m_backdrop->watchModalScreen(m_cards.get());

    m_intro->setPointers(m_exercise->pointer1(), m_exercise->pointer2());
    m_intro->setExerciseScreen(m_exercise.get());
    m_intro->setExerciseMenuAction([this] { m_exercise->BuildExerciseMenu(); });
    m_intro->setSettingsAction([this] { m_param->showModal(); });
    m_intro->setMinimiseAction([this] { m_backdrop->minimiseProgram(m_intro.get()); });
    m_intro->setCardsAction([this] {
        m_cards->setTag(CardScreen::kViewMode);
        m_cards->showModal();
    });

    // The card screen: the reward showing after the last card of a set, and
    // the reward games it starts on the exercise screen once it has closed.
    m_cards->setPointers(m_exercise->pointer1(), m_exercise->pointer2());
    m_exercise->setRewardModeHandler([this] { m_cards->showModal(CardScreen::kRewardMode); });
    m_cards->setGameHooks([this](int task) { return m_exercise->canBuild(task); },
                          [this](int task) {
                              m_state.currentTask = task;
                              m_exercise->ZamichUkl1Click();
                          });

    // The exercise screen's toolbar: back to the task selection screen, the
    // card collection and the settings.
    ExerciseScreen::ScreenLinks links;
    links.selectRow = [this](int row) { m_intro->markRow(row); };
    links.showIntro = [this] {
        m_intro->RefreshCardStrip();
        const bool alreadyShown = m_intro->isVisible();
        m_intro->show();
        m_intro->raise();
        m_intro->activateWindow();
        // The two screens lie on top of each other: bringing the intro back
        // over the exercise screen shows one and hides the other from view,
        // which no show or hide event reports.
        if (alreadyShown)
            traceScreen("FUvodObr1", true);
        if (m_exercise->isVisible())
            traceScreen("FUkolu1", false);
    };
    links.showCards = [this] { m_cards->showModal(CardScreen::kViewMode); };
    links.showSettings = [this] {
        m_param->showModal();
        return ExerciseScreen::SettingsTags{m_param->toolbarTagOnShow(), m_param->zeroTagOnShow()};
    };
    m_exercise->setScreenLinks(std::move(links));

    // The ending chain: the intro closing closes the exercise screen (shown
    // or not), whose closing leaves the settings file to the settings screen
    // (which writes nothing while the settings are frozen) and closes the
    // backdrop, the main window.
    QObject::connect(m_intro.get(), &IntroScreen::closed, m_exercise.get(), [this] { m_exercise->close(); });
    QObject::connect(m_exercise.get(), &ExerciseScreen::closed, m_backdrop.get(), [this] {
        m_param->storeOnClose();
        m_backdrop->close();
    });
}

int Application::exec()
{
    if (!m_exercise)   // start-up ended at the disc prompt
        return 0;
    QEventLoop loop;
    QObject::connect(m_backdrop.get(), &BackdropScreen::closed, &loop, [&loop] { loop.exit(0); });
    m_backdrop->show();
    const int code = loop.exec();
    trace("program-ended", {{"code", QString::number(code)}});
    return code;
}

} // namespace flumo
