#pragma once
// Start-up and ending: the process-wide state, the settings store, the
// picture loader and the five screens, created once in the order backdrop,
// settings, exercise, intro, cards, and kept until the program ends.
#include "engine/settings.h"
#include "engine/state.h"
#include "media/pictureloader.h"
#include "screens/context.h"
#include "screens/controls.h"
#include <memory>

namespace flumo {

class BackdropScreen;
class CardScreen;
class ExerciseScreen;
class IntroScreen;
class ParamScreen;

class Application {
public:
    // platform: the services of the working folder; outlives the Application.
    // A QApplication must exist. display: the metrics the screens are laid
    // out for.
    explicit Application(Platform &platform, const DisplayMetrics &display = DisplayMetrics::current());
    ~Application();

    // Creates the five screens in order. Creating the settings screen loads
    // "Param1.INI" and locates the media root; false when the user chose to
    // end at the disc prompt (the program then ends with exit code 0, and
    // no screen after the settings screen exists).
    bool createScreens();

    // Shows the backdrop and runs the message loop until the backdrop (the
    // main window) closes. Returns the exit code (0).
    int exec();

    BackdropScreen *backdrop() const { return m_backdrop.get(); }
    ParamScreen *paramScreen() const { return m_param.get(); }
    ExerciseScreen *exerciseScreen() const { return m_exercise.get(); }
    IntroScreen *introScreen() const { return m_intro.get(); }
    CardScreen *cardScreen() const { return m_cards.get(); }

    EngineState &state() { return m_state; }
    Scores &scores() { return m_scores; }
    Settings &settings() { return *m_settings; }
    PictureLoader &pictures() { return m_pictures; }
    AppContext &context() { return m_context; }

private:
    bool locateMediaRoot();
    void connectScreens();

    Platform &m_platform;
    DisplayMetrics m_display;
    EngineState m_state;
    Scores m_scores;
    std::unique_ptr<Settings> m_settings;
    PictureLoader m_pictures;
    AppContext m_context;
    QString m_cdDrive;              // the last optical drive found

    // Top-level screens; destroyed in reverse order of creation.
    std::unique_ptr<BackdropScreen> m_backdrop;
    std::unique_ptr<ParamScreen> m_param;
    std::unique_ptr<ExerciseScreen> m_exercise;
    std::unique_ptr<IntroScreen> m_intro;
    std::unique_ptr<CardScreen> m_cards;
};

} // namespace flumo
