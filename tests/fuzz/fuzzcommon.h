#pragma once
// What every fuzz target shares: the input as Qt bytes, a check that stops
// the run (libFuzzer keeps the input) when an invariant breaks, and the Qt
// application object the image readers need for their plugins.
#include <QByteArray>
#include <QCoreApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace flumo::fuzz {

inline QByteArray bytesOf(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
}

inline void require(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "fuzz invariant broken: %s\n", what);
        std::abort();
    }
}

// A QCoreApplication for the life of the process (plugin paths, codecs).
inline void startCoreApplication()
{
    static int argc = 1;
    static char name[] = "flumo-fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication *app = new QCoreApplication(argc, argv);
    (void)app;
}

} // namespace flumo::fuzz
