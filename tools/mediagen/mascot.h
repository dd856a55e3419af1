#pragma once
// The program's mascot, the little zero of the prompt and praise animations,
// and the desktop icons drawn from it.
#include <QPainter>
#include <QString>

namespace mediagen {

// Paints the mascot around centre; scale 1 is about 100 x 120 pixels
// including its arms and bow.
void paintMascot(QPainter &p, QPointF centre, double scale);

// Writes the icon theme tree under dir: hicolor/scalable/apps/flumo.svg and
// hicolor/NxN/apps/flumo.png for the usual sizes. False with error text when
// a file cannot be written.
bool writeIcons(const QString &dir, QString *error);

} // namespace mediagen
