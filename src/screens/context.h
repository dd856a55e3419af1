#pragma once
// What every screen is handed at creation. All references outlive the screens.
#include "engine/settings.h"
#include "engine/state.h"
#include "media/pictureloader.h"
#include "platform/platform.h"

namespace flumo {

struct AppContext {
    Platform &platform;
    Settings &settings;
    EngineState &state;
    Scores &scores;
    PictureLoader &pictures;
};

} // namespace flumo
