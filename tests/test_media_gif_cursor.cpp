// Animated-GIF views and ".cur" pointers, on files built byte by byte here.
#include "media/animation.h"
#include "media/cursors.h"
#include "support/screenenv.h"
#include "support/testplatform.h"

#include <QElapsedTimer>
#include <QMovie>
#include <QtTest>

using namespace flumo;

namespace {

void putU16(QByteArray &out, int v) { out.append(char(v & 0xff)).append(char((v >> 8) & 0xff)); }

// A w x h GIF of single-colour frames (0 black, 1 white), 20 ms each; with
// loop a loop-forever extension, without it the file plays once. The LZW
// data sends a clear code before every two 3-bit pixel codes, so the code
// width never grows.
QByteArray makeGif(int w, int h, const QList<int> &frames, bool loop)
{
    QByteArray gif("GIF89a");
    putU16(gif, w);
    putU16(gif, h);
    gif.append(QByteArray("\x80\0\0\0\0\0\xff\xff\xff", 9));
    if (loop)
        gif.append(QByteArray("\x21\xff\x0bNETSCAPE2.0\x03\x01\0\0\0", 19));
    for (int colour : frames) {
        gif.append(QByteArray("\x21\xf9\x04\0\x02\0\0\0,\0\0\0\0", 13));
        putU16(gif, w);
        putU16(gif, h);
        QByteArray bits;
        quint32 acc = 0;
        int n = 0;
        auto put = [&](int code) {
            acc |= quint32(code) << n;
            for (n += 3; n >= 8; n -= 8, acc >>= 8)
                bits.append(char(acc & 0xff));
        };
        for (int i = 0; i < w * h; ++i) {
            if (i % 2 == 0)
                put(4);
            put(colour);
        }
        put(5);
        if (n > 0)
            bits.append(char(acc & 0xff));
        gif.append(QByteArray("\0\x02", 2));
        for (int i = 0; i < bits.size(); i += 255)
            gif.append(char(bits.mid(i, 255).size())).append(bits.mid(i, 255));
        gif.append('\0');
    }
    return gif.append(';');
}

} // namespace

class MediaGifCursor : public QObject {
    Q_OBJECT
    test::TestPlatform tp;
private slots:
    void gifLoadSizeAndFrames()
    {
        tp.write("obr-pom/nulinka1.GIF", makeGif(6, 4, {0, 1}, true));
        tp.write("obr-pom/nulak01.gif", makeGif(3, 9, {1, 0, 1}, true));
        tp.writeJpeg("obr-pom/foto.gif");
        GifView view;
        view.resize(120, 150);
        QVERIFY(view.load(tp.files.resolve("obr-pom\\nulinka1.gif")));
        QCOMPARE(view.size(), QSize(6, 4));
        QVERIFY(!view.isRunning());
        // A failed load keeps the animation that was there.
        const QString first = view.fileName();
        QVERIFY(!view.load(tp.files.resolve("obr-pom\\foto.gif")));
        QVERIFY(!view.load(tp.dir() + "/obr-pom/chybi.gif"));
        QCOMPARE(view.fileName(), first);
        QCOMPARE(view.frameCount(), 2);
        QVERIFY(view.load(tp.files.resolve("obr-pom\\nulak01.gif")));
        QCOMPARE(view.frameCount(), 3);
        QCOMPARE(view.size(), QSize(3, 9));
        QCOMPARE(view.movie()->currentImage().pixelColor(1, 1), QColor(Qt::white));
    }

    void aHiddenViewReadsTheFramesWhenShown()
    {
        tp.write("late.gif", makeGif(5, 7, {1, 0}, true));
        QWidget panel;
        auto *view = new GifView(&panel);
        QVERIFY(view->load(tp.dir() + "/late.gif"));
        QCOMPARE(view->size(), QSize(5, 7));   // from the header, nothing decoded
        QVERIFY(!view->movie());
        panel.show();
        QVERIFY(view->movie());
        QCOMPARE(view->size(), QSize(5, 7));
        QCOMPARE(view->movie()->currentImage().pixelColor(0, 0), QColor(Qt::white));
    }

    void playOnceStopsOnTheLastFrame()
    {
        tp.write("a.gif", makeGif(4, 4, {0, 1, 0, 1}, true)); // the file loops; the view's mode wins
        GifView view;
        view.setLoop(false);
        QVERIFY(view.load(tp.dir() + "/a.gif"));
        view.start();
        QVERIFY(view.isRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!view.isRunning(), 3000);
        QCOMPARE(view.movie()->currentFrameNumber(), 3);
        QCOMPARE(view.movie()->currentImage().pixelColor(0, 0), QColor(Qt::white));
        view.stop();
        QCOMPARE(view.movie()->currentFrameNumber(), 0);
        QCOMPARE(view.movie()->currentImage().pixelColor(0, 0), QColor(Qt::black));
    }

    void aFileLoadedAgainStartsOverAndFollowsItsChanges()
    {
        // The view keeps the movies it read: one shown again must start at
        // its first frame, keep its own size, and a file rewritten on disk
        // must be read anew rather than shown from memory.
        tp.write("c.gif", makeGif(4, 4, {0, 1, 0, 1}, false));
        tp.write("d.gif", makeGif(7, 3, {1}, false));
        GifView view;
        view.setLoop(false);
        QVERIFY(view.load(tp.dir() + "/c.gif"));
        view.start();
        QTRY_VERIFY_WITH_TIMEOUT(!view.isRunning(), 3000);
        QMovie *first = view.movie();
        QVERIFY(view.load(tp.dir() + "/d.gif"));
        QCOMPARE(view.size(), QSize(7, 3));
        QVERIFY(view.load(tp.dir() + "/c.gif"));
        QCOMPARE(view.movie(), first);
        QCOMPARE(view.size(), QSize(4, 4));
        QCOMPARE(view.movie()->currentFrameNumber(), 0);
        QCOMPARE(view.movie()->currentImage().pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(view.frameCount(), 4);

        QTest::qWait(20); // a modification time of its own
        tp.write("c.gif", makeGif(5, 6, {1, 0}, false));
        QVERIFY(view.load(tp.dir() + "/c.gif"));
        QCOMPARE(view.size(), QSize(5, 6));
        QCOMPARE(view.frameCount(), 2);
        QCOMPARE(view.movie()->currentImage().pixelColor(0, 0), QColor(Qt::white));
    }

    void loopingOutlivesAFileThatPlaysOnce()
    {
        tp.write("b.gif", makeGif(4, 4, {0, 1}, false));
        GifView view;
        view.setLoop(true);
        QVERIFY(view.load(tp.dir() + "/b.gif"));
        view.start();
        int frameChanges = 0;
        connect(view.movie(), &QMovie::frameChanged, this, [&frameChanges] { ++frameChanges; });
        QElapsedTimer t; // several times the animation's 40 ms
        t.start();
        while (t.elapsed() < 400)
            QTest::qWait(20);
        QVERIFY(view.isRunning());
        QVERIFY2(frameChanges > 4, qPrintable(QString::number(frameChanges)));
        view.stop();
        QVERIFY(!view.isRunning());
    }

    void brokenCursorsGiveNothing()
    {
        const QByteArray good = test::makeCursorFile(8, 8, 1, 1, qRgba(0, 0, 0, 255));
        QByteArray noImages = good, icon = good;
        noImages[4] = 0;
        icon[2] = 1; // an icon, not a pointer
        QVERIFY(!loadCursor(tp.dir() + "/missing.cur").has_value());
        for (const QByteArray &bytes : {QByteArray(), good.left(10), good.left(30), noImages, QByteArray(200, '\x7f'), icon}) {
            tp.write("x.cur", bytes);
            QVERIFY(!loadCursor(tp.dir() + "/x.cur").has_value());
        }
    }
};

QTEST_MAIN(MediaGifCursor)
#include "test_media_gif_cursor.moc"
