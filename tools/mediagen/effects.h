#pragma once
// Synthesised effect sounds: clicks, the cash register, coins, bricks, the
// domino place sound, the maze pick-up and the soft alert chime.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace mediagen {

// Stems of every effect ("klik1", ..., "ding"); each is "zvuky\" + stem + ".wav".
QStringList effectNames();

// The WAV bytes of one effect (22050 Hz, 16-bit mono, deterministic);
// empty for an unknown stem.
QByteArray effectWav(const QString &stem);

} // namespace mediagen
