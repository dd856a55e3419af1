// Media of the number introduction: hands showing a number with fingers
// and the spoken numbers.
#include "choice_art.h"
#include "draw.h"
#include "family.h"
#include "numbers_media.h"
#include "speech.h"

#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace mediagen::numberrow {

namespace {

constexpr QSize kFingers(220, 160);
constexpr int kHighest = 10;

const QColor kSkin(247, 206, 168);
const QColor kSkinLine(176, 118, 78);

// One hand, palm towards the child, in a 100 × 140 box; raised fingers
// count from the thumb. thumbRight: the thumb stands on the right side.
void hand(QPainter &p, const QRectF &box, int raised, bool thumbRight)
{
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 100.0, box.height() / 140.0);
    if (!thumbRight) {
        p.translate(100, 0);
        p.scale(-1, 1);
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kSkinLine, 2.2));
    p.setBrush(kSkin);
    // Fingers from the little one to the index finger (left to right),
    // each with its raised height; folded ones are short stubs.
    const qreal xs[4] = {16, 32, 48, 64};
    const qreal tops[4] = {34, 16, 8, 14};
    for (int f = 0; f < 4; ++f) {
        // Raising order: thumb, index, middle, ring, little finger.
        const int order = 4 - f + 1;   // little = 5, ring = 4, middle = 3, index = 2
        const bool up = raised >= order;
        const qreal top = up ? tops[f] : 58;
        p.drawRoundedRect(QRectF(xs[f], top, 15, 86 - top), 7.5, 7.5);
    }
    QPainterPath palm;
    palm.addRoundedRect(QRectF(14, 64, 68, 70), 18, 18);
    p.drawPath(palm);
    // The thumb: out to the side when raised, across the palm when not.
    p.save();
    if (raised >= 1) {
        p.translate(76, 100);
        p.rotate(38);
        p.drawRoundedRect(QRectF(-8, -50, 16, 54), 8, 8);
    } else {
        p.translate(80, 86);
        p.rotate(70);
        p.drawRoundedRect(QRectF(-8, -6, 16, 48), 8, 8);
    }
    p.restore();
    // Knuckle lines of the folded fingers.
    p.setPen(QPen(kSkinLine.lighter(120), 1.6));
    for (int f = 0; f < 4; ++f)
        if (raised < 4 - f + 1)
            p.drawLine(QPointF(xs[f] + 3, 70), QPointF(xs[f] + 12, 70));
    p.restore();
}

} // namespace

QImage fingers(int n)
{
    QRect content;
    QImage img = choice::card(kFingers, choice::Look::Display, &content);
    QPainter p(&img);
    const QRectF c(content);
    const qreal h = c.height(), w = h * 100.0 / 140.0;
    if (n <= 5) {
        hand(p, QRectF(c.center().x() - w / 2, c.top(), w, h), n, true);
    } else {
        // A full hand on the left, the rest on the right, thumbs inwards.
        hand(p, QRectF(c.center().x() - w - 4, c.top(), w, h), 5, true);
        hand(p, QRectF(c.center().x() + 4, c.top(), w, h), n - 5, false);
    }
    return img;
}

std::vector<SpokenText> spokenNumbers()
{
    static const QString words[kHighest + 1] = {u"Nula."_s, u"Jedna."_s, u"Dva."_s,    u"Tři."_s,
                                                u"Čtyři."_s, u"Pět."_s,  u"Šest."_s,   u"Sedm."_s,
                                                u"Osm."_s,  u"Devět."_s, u"Deset."_s};
    std::vector<SpokenText> out;
    for (int n = 0; n <= kHighest; ++n)
        out.push_back({u"Zvuky\\201\\zv"_s + choice::pad(n, 2) + u".wav"_s, words[n]});
    return out;
}

namespace {

class PictureFamily final : public Family {
public:
    QString id() const override { return u"fingers"_s; }
    bool threadSafe() const override { return true; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        for (int n = 0; n <= kHighest; ++n)
            out.push_back({u"obr\\prsty\\prst"_s + choice::pad(n, 2) + u"d.jpg"_s,
                           [=] { return draw::jpeg(fingers(n)); }});
        return out;
    }
};

class SpeechFamily final : public Family {
public:
    QString id() const override { return u"numbers-speech"_s; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        for (const SpokenText &t : spokenNumbers())
            out.push_back(spokenFile(t.name, t.text));
        return out;
    }
};

} // namespace

} // namespace mediagen::numberrow

namespace mediagen {

std::unique_ptr<Family> makeFingerPictureFamily() { return std::make_unique<numberrow::PictureFamily>(); }
std::unique_ptr<Family> makeNumberSpeechFamily() { return std::make_unique<numberrow::SpeechFamily>(); }

} // namespace mediagen
