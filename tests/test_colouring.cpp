// Colouring (411, 502): the generated pictures' data files agree with their
// masks; fills stay inside their outline; 411 counts coloured regions and
// is solved exactly when all are done; 502 is never solved.
#include "games/colouring.h"
#include "media/pictureloader.h"
#include "platform/filestore.h"
#include "platform/inifile.h"
#include "support/generatorenv.h"
#include <QFile>
#include <QSet>
#include <QTest>

using namespace flumo;

namespace {

struct Host : test::RecordingHost {
    const FileStore *files = nullptr;
    std::unique_ptr<PictureLoader> loader;
    QList<std::pair<int, InputFrom>> handed;   // keys handed back to the screen
    QByteArray dataOverride;                   // replaces the data file when set

    Host()
    {
        parent = TileParent::Screen;
        size = [this](const QString &n) { return loader->load(n).image.size(); };
    }
    void selectTile(int n) override { problem->selectedTile = n; }
    QImage pictureImage(const QString &name) override { return loader->load(name).image; }
    QByteArray readDataFile(const QString &name) override
    {
        if (!dataOverride.isEmpty())
            return dataOverride;
        QFile f(files->resolve(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void handKey(int key, InputFrom from) override { handed.append({key, from}); }
};

struct Game : test::GeneratorRun<ColouringGame, Host> {
    ColouringGame &game = gen;
    Game(const FileStore &files, int task, int level, int subtask, std::uint64_t seed, int cardSet = 1, bool oneKey = false)
        : GeneratorRun(task, level, subtask, seed, true, 9, cardSet)
    {
        host.files = &files;
        host.loader = std::make_unique<PictureLoader>(files);
        settings.oneKey = oneKey;
        p.markReady();
    }
    void build() { game.build(ctx); }
    bool key(int k, InputFrom from = InputFrom::Keyboard, int tile = 0) { return game.takeKey(ctx, k, from, tile); }
};

QString mediaDir()
{
    return qEnvironmentVariable("FLUMO_MEDIA_DIR");
}

// The mask as the game makes it: the places coloured in advance and the
// surroundings of 502 filled black.
QImage maskOf(const QImage &outline, const ColouringData &d, bool reward)
{
    QImage mask = outline.convertToFormat(QImage::Format_RGB32);
    if (reward)
        fillPixels(mask, regionPixels(mask, QPoint(10, 10)), kColouringBlack);
    for (QPoint at : d.precoloured)
        fillPixels(mask, regionPixels(mask, at), kColouringBlack);
    return mask;
}

} // namespace

class TestColouring : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        if (mediaDir().isEmpty())
            QSKIP("FLUMO_MEDIA_DIR is not set");
    }

    void dataFilesAgreeWithTheirMasks()
    {
        const FileStore files(mediaDir());
        PictureLoader loader(files);
        struct Pic { QString stem; QString data; int colours; bool reward; };
        QList<Pic> pics;
        for (int level = 1; level <= 2; ++level)
            for (int p = 1; p <= (level == 1 ? 9 : 10); ++p)
                for (int colours : {4, 8})
                    if (!(level == 2 && colours == 8 && p > 8)) {
                        const QString stem = QStringLiteral("obr\\411\\%1\\obr%2").arg(level).arg(p, 2, 10, QChar(u'0'));
                        pics.append({stem, stem + QStringLiteral("_%1.INI").arg(colours), colours, false});
                    }
        for (int set = 1; set <= 10; ++set) {
            const QString stem = QStringLiteral("obr\\411\\vybarv\\vyb%1").arg(set, 2, 10, QChar(u'0'));
            pics.append({stem, stem + QStringLiteral(".INI"), 0, true});
        }
        QCOMPARE(pics.size(), 9 * 2 + 10 + 8 + 10);
        for (const Pic &pic : std::as_const(pics)) {
            const QImage outline = loader.load(pic.stem + QStringLiteral(".bmp")).image;
            QVERIFY2(!outline.isNull(), qPrintable(pic.stem));
            QCOMPARE(outline.size(), pic.reward ? QSize(480, 480) : QSize(465, 380));
            QFile f(files.resolve(pic.data));
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(pic.data));
            const ColouringData d = readColouringData(IniFile::fromBytes(f.readAll()), pic.colours);
            const QImage mask = maskOf(outline, d, pic.reward);
            QVERIFY2(d.regions.size() >= 4, qPrintable(pic.data));
            // Each marker inside a region of its own.
            std::vector<int> owner(static_cast<std::size_t>(mask.width() * mask.height()), 0);
            for (std::size_t r = 0; r < d.regions.size(); ++r) {
                const std::vector<int> px = regionPixels(mask, d.regions[r].mark);
                QVERIFY2(!px.empty(), qPrintable(pic.data + QStringLiteral(" region %1 on black").arg(r + 1)));
                QVERIFY2(owner[static_cast<std::size_t>(px.front())] == 0,
                         qPrintable(pic.data + QStringLiteral(" regions %1 and %2 share an area")
                                                   .arg(owner[static_cast<std::size_t>(px.front())]).arg(r + 1)));
                for (int i : px)
                    owner[static_cast<std::size_t>(i)] = static_cast<int>(r) + 1;
                if (pic.colours > 0)
                    QVERIFY(d.regions[r].colour >= 1 && d.regions[r].colour <= pic.colours);
            }
            // No pickable pixel outside every region.
            for (int y = 0; y < mask.height(); ++y)
                for (int x = 0; x < mask.width(); ++x)
                    if ((mask.pixel(x, y) | 0xff000000) != kColouringBlack && owner[static_cast<std::size_t>(y * mask.width() + x)] == 0)
                        QFAIL(qPrintable(pic.data + QStringLiteral(": area at %1,%2 has no marker").arg(x).arg(y)));
            for (int i = 1; i <= pic.colours; ++i)
                QVERIFY(d.palette[static_cast<std::size_t>(i)] != kColouringBlack);
        }
    }

    void fillsStayInsideTheirOutline()
    {
        QImage img(60, 40, QImage::Format_RGB32);
        img.fill(kColouringWhite);
        for (int y = 0; y < 40; ++y)
            img.setPixel(30, y, kColouringBlack);         // a wall splits the picture
        img.setPixel(10, 10, qRgb(16, 16, 16));           // a hatch pixel is not a border
        const std::vector<int> left = regionPixels(img, QPoint(5, 5));
        QCOMPARE(int(left.size()), 30 * 40);
        for (int i : left)
            QVERIFY(i % 60 < 30);
        QVERIFY(regionPixels(img, QPoint(30, 3)).empty());
        QVERIFY(regionPixels(img, QPoint(-1, 3)).empty());
        // A diagonal gap of one corner does not join two areas.
        QImage d(4, 4, QImage::Format_RGB32);
        d.fill(kColouringWhite);
        for (QPoint b : {QPoint(1, 0), QPoint(0, 1), QPoint(2, 1), QPoint(1, 2)})
            d.setPixel(b, kColouringBlack);
        QCOMPARE(int(regionPixels(d, QPoint(1, 1)).size()), 1);
    }

    void keysColourRegionsUntilSolved()
    {
        const FileStore files(mediaDir());
        for (int subtask : {1, 2})
            for (std::uint64_t seed : {3u, 17u}) {
                Game g(files, 411, 2, subtask, seed);
                g.build();
                const int needed = g.p.answersNeeded;
                QCOMPARE(needed, int(g.game.regions().size()));
                QVERIFY(!g.game.picking());
                // A wrong colour sends the child back to the colours.
                const int r0 = g.game.currentRegion();
                const int right = g.game.tileFor(g.p, r0);
                g.p.selectedTile = right % g.p.tileCount + 1;
                QVERIFY(g.key(GameKey::Enter));
                QVERIFY(g.game.picking());
                for (int i = 1; i <= g.p.tileCount; ++i)
                    QCOMPARE(g.game.tileEnabled(i), i == g.p.selectedTile);
                QVERIFY(g.key(GameKey::Enter));
                QVERIFY(!g.game.picking());
                QVERIFY(g.game.tileEnabled(right));
                QCOMPARE(g.p.answersGiven, 0);
                // The task of a region is a sum or difference of the number
                // on the tile of its colour.
                for (const ColourRegion &r : g.game.regions()) {
                    const int n = g.game.tileNumber(g.game.tileFor(g.p, int(&r - g.game.regions().data()) + 1));
                    QCOMPARE(r.op == 1 ? r.a + r.b : r.a - r.b, n);
                }
                // Every region coloured right, stepping with Space.
                for (int k = 1; k <= needed; ++k) {
                    const int region = g.game.currentRegion();
                    // The colour stays taken after a right region; a tile click
                    // goes back to the colours.
                    QCOMPARE(g.game.picking(), k > 1);
                    if (k > 1)
                        QVERIFY(g.key(GameKey::Enter, InputFrom::Tile, g.p.selectedTile));
                    g.p.selectedTile = g.game.tileFor(g.p, region);
                    QVERIFY(g.key(GameKey::Enter));                      // the colour is taken
                    // A tile's Enter never colours a region.
                    QVERIFY(g.key(GameKey::Enter, InputFrom::Tile, g.p.selectedTile));
                    QVERIFY(!g.game.picking());
                    QVERIFY(g.key(GameKey::Enter));
                    int key = GameKey::Enter;
                    const bool consumed = g.game.takeKey(g.ctx, key, InputFrom::Picture, 0);
                    QCOMPARE(g.game.regions()[std::size_t(region - 1)].colour, 0);
                    QVERIFY(g.game.canvas().pixel(g.game.regions()[std::size_t(region - 1)].mark) != kColouringWhite);
                    if (k < needed) {
                        QVERIFY(consumed);
                        QCOMPARE(g.p.answersGiven, k);
                        QVERIFY(!g.game.judgeStep(g.ctx, g.p.selectedTile));
                        QVERIFY(g.key(GameKey::Space));
                        QVERIFY(g.game.currentRegion() != region);
                    } else {
                        // The last one goes to the common judge, which accepts it once.
                        QVERIFY(!consumed);
                        QCOMPARE(key, int(GameKey::Enter));
                        QCOMPARE(g.p.answersGiven, needed - 1);
                        QVERIFY(g.game.judgeStep(g.ctx, g.p.selectedTile));
                        QVERIFY(!g.game.judgeStep(g.ctx, g.p.selectedTile));
                    }
                }
            }
    }

    void pointingHighlightsAndClickHandsEnter()
    {
        const FileStore files(mediaDir());
        Game g(files, 411, 1, 1, 5);
        g.build();
        g.p.selectedTile = g.game.tileFor(g.p, 1);
        QVERIFY(g.key(GameKey::Enter));
        const auto &regions = g.game.regions();
        const int target = int(regions.size());
        const QImage before = g.game.canvas();
        g.game.pointerMoved(g.ctx, GameBox::Price, 0, regions.back().mark);
        QCOMPARE(g.game.currentRegion(), target);
        QCOMPARE(g.game.mask().pixel(regions.back().mark) | 0xff000000, kColouringRed);
        QCOMPARE(g.game.mask().pixel(regions.front().mark) | 0xff000000, kColouringWhite);
        // Only the old and the new region changed on the canvas.
        const std::vector<int> a = regionPixels(g.game.mask(), regions.front().mark);
        const std::vector<int> b = regionPixels(g.game.mask(), regions.back().mark);
        QSet<int> changed(a.begin(), a.end());
        changed.unite(QSet<int>(b.begin(), b.end()));
        const int w = before.width();
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < w; ++x)
                if (!changed.contains(y * w + x))
                    QCOMPARE(g.game.canvas().pixel(x, y), before.pixel(x, y));
        // The outline and the places coloured in advance never answer.
        g.game.click(g.ctx, GameBox::Price, 0, QPoint(0, 0));
        g.game.click(g.ctx, GameBox::Price, 0, QPoint(6, 6));
        QVERIFY(g.host.handed.isEmpty());
        g.game.pointerMoved(g.ctx, GameBox::Price, 0, QPoint(6, 6));
        QCOMPARE(g.game.currentRegion(), target);
        g.game.click(g.ctx, GameBox::Price, 0, regions.back().mark);
        QCOMPARE(g.host.handed.size(), 1);
        QCOMPARE(g.host.handed.front().second, InputFrom::Picture);
    }

    void markerOnBlackIsCountedDone()
    {
        const FileStore files(mediaDir());
        Game g(files, 411, 1, 1, 9);
        g.host.dataOverride = "[Plochy]\r\nPocet ploch=2\r\n[Plocha01]\r\nx=0\r\ny=0\r\nb=1\r\n"
                              "[Plocha02]\r\nx=60\r\ny=60\r\nb=2\r\n[Barevne]\r\nPocet ploch=0\r\n";
        g.build();
        QCOMPARE(g.p.answersNeeded, 1);
        QCOMPARE(g.game.regions()[0].colour, 0);
        QCOMPARE(g.game.currentRegion(), 2);
    }

    void freeColouringIsNeverSolved()
    {
        const FileStore files(mediaDir());
        for (bool oneKey : {false, true}) {
            Game g(files, 502, 1, 1, 4, 7, oneKey);
            g.build();
            QCOMPARE(g.p.tileCount, 10);
            QCOMPARE(g.game.keyMode(), oneKey);
            QCOMPARE(g.game.picking(), !oneKey);
            const auto regions = g.game.regions();
            for (std::size_t r = 0; r < regions.size(); ++r) {
                g.p.selectedTile = int(r % 10) + 1;
                if (oneKey) {
                    QVERIFY(g.key(GameKey::Enter));   // colours the current region, steps on
                    QVERIFY(g.key(GameKey::Enter));   // back to the colours
                } else {
                    g.game.pointerMoved(g.ctx, GameBox::Price, 0, regions[r].mark);
                    int key = GameKey::Enter;
                    QVERIFY(g.game.takeKey(g.ctx, key, InputFrom::Picture, 0));
                }
            }
            QCOMPARE(g.p.answersGiven, 0);
            QVERIFY(!g.game.judgeStep(g.ctx, 1));
            int coloured = 0;
            for (const ColourRegion &r : g.game.regions())
                coloured += r.fill != kColouringWhite;
            QCOMPARE(coloured, int(regions.size()));
        }
    }
};

QTEST_MAIN(TestColouring)
#include "test_colouring.moc"
