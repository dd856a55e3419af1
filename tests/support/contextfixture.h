#pragma once
// The program-wide objects a screen is created with, around the test doubles
// of one program run.
#include "engine/settings.h"
#include "media/pictureloader.h"
#include "screens/context.h"
#include "support/testplatform.h"

namespace flumo::test {

struct ContextFixture {
    TestPlatform tp;
    EngineState state;
    Scores scores;
    Settings settings{scores, state};
    PictureLoader pictures{tp.files};
    AppContext ctx{tp.platform, settings, state, scores, pictures};

    // How many sounds played so far have part in their path.
    int played(const QString &part) const
    {
        int n = 0;
        for (const QString &p : tp.sound.played())
            n += p.contains(part) ? 1 : 0;
        return n;
    }
};

// The child of parent named name; a missing one fails the test run at once.
template <typename T = QWidget>
T *named(const QObject *parent, const char *name)
{
    T *w = parent->findChild<T *>(QLatin1String(name));
    if (!w)
        qFatal("no child named %s", name);
    return w;
}

} // namespace flumo::test
