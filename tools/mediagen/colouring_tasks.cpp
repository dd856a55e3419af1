// The sum and difference pictures a colouring region shows as its task
// ("obr\soucty\sou" and "obr\rozdil\roz" with the two operands): the part
// from row 54 down is what the 216 x 80 task box shows.
#include "colouring_media.h"
#include "draw.h"
#include <QPainter>

using namespace Qt::StringLiterals;

namespace mediagen::colouring {

namespace {

QString two(int v)
{
    return QString::number(v).rightJustified(2, u'0');
}

QImage taskPicture(int a, int b, bool plus)
{
    QImage img = draw::canvas(216, 134, QColor(250, 235, 175));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(8, 60, 200, 68), 14, 14);
    const QString text = QString::number(a) + (plus ? u" + "_s : u" − "_s) + QString::number(b) + u" = ?"_s;
    draw::fitText(p, QRect(8, 60, 200, 68), text, QColor(30, 40, 110), 44, 20, Qt::AlignCenter);
    p.end();
    return img;
}

class ColouringTaskFamily final : public Family {
public:
    QString id() const override { return u"colouring-tasks"_s; }
    bool threadSafe() const override { return true; }
    std::vector<MediaFile> files() const override
    {
        std::vector<MediaFile> out;
        for (int a = 0; a <= 10; ++a)
            for (int b = 0; b <= 10; ++b) {
                if (a + b >= 1 && a + b <= 9)
                    out.push_back({u"obr\\soucty\\sou"_s + two(a) + u'_' + two(b) + u"d.Jpg"_s,
                                   [=] { return draw::jpeg(taskPicture(a, b, true)); }});
                if (a - b >= 1 && a - b <= 9)
                    out.push_back({u"obr\\rozdil\\roz"_s + two(a) + u'_' + two(b) + u"d.Jpg"_s,
                                   [=] { return draw::jpeg(taskPicture(a, b, false)); }});
            }
        return out;
    }
};

} // namespace

} // namespace mediagen::colouring

namespace mediagen {
std::unique_ptr<Family> makeColouringTaskFamily() { return std::make_unique<colouring::ColouringTaskFamily>(); }
} // namespace mediagen
