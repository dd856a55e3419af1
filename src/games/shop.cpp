#include "games/shop.h"
#include "engine/layout.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/numbertext.h"
#include "platform/trace.h"
#include <QSet>
#include <algorithm>

namespace flumo {

namespace {

constexpr int kGoodsCount = 10;
constexpr int kShopCount = 5;
const QString kUndoStem = QStringLiteral("obr\\zpet");
const QString kCashStem = QStringLiteral("obr\\cash");
const QString kUndoSound = QStringLiteral("zvuky\\zpet.wav");
const QString kCashSound = QStringLiteral("zvuky\\pokladna.wav");
const QString kCoinSound = QStringLiteral("zvuky\\penize.wav");
const QString kCrownSign = QStringLiteral("obr\\404\\kc.jpg");

QString pad(int value, int width)
{
    return NumberToText(value, width);
}

// Price[g] = g crowns.
int priceOf(int goods)
{
    return goods;
}

QString n(int value)
{
    return QString::number(value);
}

} // namespace

QString moneyDigitPicture(const QString &style, int digit)
{
    return QStringLiteral("obr\\404\\") + style + (digit < 0 ? QStringLiteral("0") : pad(digit, 2)) + QStringLiteral(".jpg");
}

std::vector<PictureDraw> moneyDisplay(const QString &style, int value, bool withHundreds, bool hundredsDrawn,
                                      bool crown, ProblemHost &host)
{
    std::vector<PictureDraw> out;
    int x = 15;
    if (withHundreds) {
        const int h = value / 100 % 10;
        const QString hundreds = moneyDigitPicture(style, h == 0 ? -1 : h);
        x = host.pictureSize(hundreds).width();
        if (hundredsDrawn)
            out.push_back({hundreds, {0, 0}});
    }
    const int t = value / 10 % 10;
    const QString tens = moneyDigitPicture(style, t != 0 || value >= 100 ? t : -1);
    out.push_back({tens, {x, 0}});
    const int unitsAt = x + host.pictureSize(tens).width();
    out.push_back({moneyDigitPicture(style, value % 10), {unitsAt, 0}});
    if (crown)
        out.push_back({kCrownSign, {unitsAt + 15, 3}});
    return out;
}

// ---------------------------------------------------------------- 403

std::unique_ptr<Generator> makeShopGame()
{
    return std::make_unique<ShopGame>();
}

void ShopGame::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    ProblemHost &host = ctx.host;
    m_state = ShopState{};
    m_state.shop = ctx.random.range(1, kShopCount);
    p.tilePicturePrefix = QStringLiteral("obr\\403\\") + pad(m_state.shop, 2) + QStringLiteral("\\zb");
    p.altPicturePrefix = p.tilePicturePrefix;

    for (int k = 1; k <= kBasketLines; ++k) {
        host.placeBox(GameBox::Back, k, QRect(28, 0, 150, 57));
        host.hideBox(GameBox::Back, k);
    }
    host.placeBox(GameBox::Price, 0, QRect(0, 0, 45, 20));
    host.placeBox(GameBox::Total, 0, QRect(0, 0, 60, 20));

    m_state.targetPrice = ctx.random.range(11, 30);

    bool used[kGoodsCount + 1] = {};
    for (int i = 1; i <= 9; ++i) {
        int g;
        do {
            g = ctx.random.range(1, kGoodsCount);
        } while (used[g]);
        used[g] = true;
        p.tileValue[static_cast<std::size_t>(i)] = g;
        p.tileInfo[static_cast<std::size_t>(i)].name = p.tilePicturePrefix + pad(g, p.numberWidth);
    }
    p.tileValue[kUndoTile] = 0;
    p.tileValue[kShopCashTile] = 0;
    p.tileInfo[kUndoTile].name = kUndoStem;
    p.tileInfo[kShopCashTile].name = kCashStem;

    host.layOutTiles();
    host.placeBox(GameBox::Tile, kUndoTile, QRect(QPoint(560, 480), host.pictureSize(kUndoStem + QStringLiteral("n.Jpg"))));
    host.placeBox(GameBox::Tile, kShopCashTile, QRect(QPoint(643, 460), host.pictureSize(kCashStem + QStringLiteral("n.Jpg"))));
    host.drawBox(GameBox::Price, 0);
    host.drawBox(GameBox::Total, 0);
    p.selectedTile = 1;
    for (int i = 1; i <= p.tileCount; ++i)
        host.showTile(i);
    trace("shop", {{"price", n(m_state.targetPrice)}, {"shop", n(m_state.shop)}});
}

bool ShopGame::judgeStep(ProblemContext &ctx, int selected)
{
    Problem &p = ctx.problem;
    ProblemHost &host = ctx.host;
    ShopState &s = m_state;
    if (selected >= 1 && selected <= 9) {
        if (p.answersGiven >= p.answersNeeded - 1) {
            trace("shop-full", {{"tile", n(selected)}});
            return false;
        }
        ++s.itemsBought;
        s.paidSum += priceOf(p.tileValue[static_cast<std::size_t>(selected)]);
        s.basket[static_cast<std::size_t>(s.itemsBought)] = selected;
        host.drawBox(GameBox::Total, 0);
        host.drawBox(GameBox::Back, s.itemsBought);
        trace("shop-buy", {{"tile", n(selected)}, {"price", n(priceOf(p.tileValue[static_cast<std::size_t>(selected)]))},
                           {"line", n(s.itemsBought)}, {"sum", n(s.paidSum)}});
        return true;
    }
    if (selected == kUndoTile) {
        host.playDirect(kUndoSound, false);
        if (s.itemsBought > 0) {
            s.paidSum -= priceOf(p.tileValue[static_cast<std::size_t>(s.basket[static_cast<std::size_t>(s.itemsBought)])]);
            host.drawBox(GameBox::Total, 0);
            host.hideBox(GameBox::Back, s.itemsBought);
            s.basket[static_cast<std::size_t>(s.itemsBought)] = 0;
            --s.itemsBought;
            --p.answersGiven;
        }
        trace("shop-undo", {{"lines", n(s.itemsBought)}, {"sum", n(s.paidSum)}});
        return false;
    }
    if (selected == kShopCashTile) {
        const bool exact = s.paidSum == s.targetPrice;
        trace("shop-pay", {{"sum", n(s.paidSum)}, {"price", n(s.targetPrice)}, {"paid", exact ? n(1) : n(0)}});
        if (!exact)
            return false;
        host.playDirect(kCashSound, true);
        p.answersGiven = p.answersNeeded - 1;
        return true;
    }
    return false;
}

int ShopGame::cursorStep(const Problem &problem, int key, int from) const
{
    const int count = problem.tileCount;
    const int c = std::max(1, problem.gridColumns);
    const int r = std::max(1, problem.gridRows);
    if (count < 1)
        return 0;
    if (from < 1 || from > count)
        return 1;
    int s = from;
    switch (key) {
    case GameKey::Space: s = s >= count ? 1 : s + 1; break;
    case GameKey::Left: s = (s - 1) % c == 0 ? s + c - 1 : s - 1; break;
    case GameKey::Right: s = s % c == 0 ? s - c + 1 : s + 1; break;
    case GameKey::Up: s = s - c > 0 ? s - c : s + (r - 1) * c; break;
    case GameKey::Down:
        if (s + c <= count)
            s += c;
        else
            s = s > 9 ? (s - 1) % c + 1 : count;
        break;
    default: return -1;
    }
    // Beyond the last tile lie the two shop buttons.
    if (s > count)
        s = key == GameKey::Left ? kShopCashTile : kUndoTile;
    return s;
}

bool ShopGame::paintBox(const Problem &problem, GameBox box, int n, QChar, QSize, ProblemHost &host, std::vector<PictureDraw> &out) const
{
    const ShopState &s = m_state;
    switch (box) {
    case GameBox::Price:
        out = moneyDisplay(QStringLiteral("c"), s.targetPrice, false, false, false, host);
        return true;
    case GameBox::Total:
        out = moneyDisplay(QStringLiteral("cc"), s.paidSum, false, false, true, host);
        return true;
    case GameBox::Back: {
        if (n < 1 || n > s.itemsBought)
            return true;
        const int tile = s.basket[static_cast<std::size_t>(n)];
        out.push_back({problem.stem(tile) + QStringLiteral("d.JPG"), {0, 0}});
        const int price = priceOf(problem.tileValue[static_cast<std::size_t>(tile)]);
        const QString tens = moneyDigitPicture(QStringLiteral("cc"), price / 10);
        const int w = host.pictureSize(tens).width();
        if (price >= 10)
            out.push_back({tens, {108, 35}});
        out.push_back({moneyDigitPicture(QStringLiteral("cc"), price % 10), {106 + w, 35}});
        out.push_back({kCrownSign, {121 + w, 38}});
        return true;
    }
    default:
        return false;
    }
}

QStringList ShopGame::mediaNames(const Problem &problem) const
{
    QSet<QString> names{kUndoSound, kCashSound, kCrownSign};
    for (const QString &style : {QStringLiteral("c"), QStringLiteral("cc")})
        for (int d = -1; d <= 9; ++d)
            names.insert(moneyDigitPicture(style, d));
    for (int i = 1; i <= problem.tileCount && i < kTileInfoCount; ++i)
        for (const char *look : {"n.Jpg", "k.Jpg", "d.JPG"})
            if (i <= 9 || look[0] != 'd')
                names.insert(problem.stem(i) + QLatin1String(look));
    return names.values();
}

// ---------------------------------------------------------------- 404

int coinTileValue(int tile)
{
    static constexpr int values[] = {0, 50, 20, 10, 5, 2, 1};
    return tile >= 1 && tile <= kCoinTiles ? values[tile] : 0;
}

std::unique_ptr<Generator> makePurseGame()
{
    return std::make_unique<PurseGame>();
}

void PurseGame::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    ProblemHost &host = ctx.host;
    m_state = PurseState{};

    for (int r = 1; r <= kCounterRows; ++r) {
        host.placeBox(GameBox::Back, r, r == 1 ? QRect(10, 10, 370, 85) : QRect(10, 20 + 80 * (r - 1), 370, 75));
        host.hideBox(GameBox::Back, r);
    }
    host.placeBox(GameBox::Price, 0, QRect(538, 184, 80, 20));
    host.placeBox(GameBox::Total, 0, QRect(0, 0, 45, 20));
    host.placeBox(GameBox::Picture, 0, QRect(380, 70, 240, 140));
    m_state.goodsPicture = ctx.random.range(1, 10);
    host.drawBox(GameBox::Picture, 0);

    m_state.targetPrice = ctx.random.range(60, 99);
    host.drawBox(GameBox::Price, 0);
    host.drawBox(GameBox::Total, 0);

    for (int i = 1; i <= kCoinTiles; ++i) {
        p.tileValue[static_cast<std::size_t>(i)] = 7 - i;
        p.tileInfo[static_cast<std::size_t>(i)].name = QStringLiteral("obr\\404\\nove\\kc") + pad(7 - i, 2);
        m_state.purse[static_cast<std::size_t>(i)] = i == 1 ? 3 : ctx.random.range(1, 4);
    }
    p.tileValue[kPurseCashTile] = 0;
    p.tileInfo[kPurseCashTile].name = kCashStem;

    host.layOutTiles();
    // The stacks are 300 pixels wide; the notes and larger coins are taller
    // than a row, so the rows below move down by what those stick out.
    const auto placed = LayOutTiles(p, kPurseTask, TileParent::Screen, 744,
                                    [](int, const QString &) { return QSize(300, 87); }, ctx.random);
    static constexpr int heights[kCoinTiles + 1] = {0, 96, 87, 78, 87, 87, 87};
    int below = 15;
    for (int k = 1; k <= kCoinTiles; ++k) {
        QRect r = placed[static_cast<std::size_t>(k - 1)].rect;
        r.setHeight(heights[k]);
        r.moveTop(r.top() + below - (k >= 5 ? 5 : 0));
        r.moveLeft(placed[2].rect.left());
        below += heights[k] - 75;
        host.placeBox(GameBox::Tile, k, r);
    }
    host.placeBox(GameBox::Tile, kPurseCashTile,
                  QRect(QPoint(643, 57), host.pictureSize(kCashStem + QStringLiteral("n.Jpg"))));
    p.selectedTile = 1;
    for (int i = 1; i <= p.tileCount; ++i)
        host.showTile(i);
    QStringList purse;
    for (int i = 1; i <= kCoinTiles; ++i)
        purse << n(m_state.purse[static_cast<std::size_t>(i)]);
    trace("purse", {{"price", n(m_state.targetPrice)}, {"purse", purse.join(u',')}});
}

int PurseGame::nextWithPieces(int from, int direction) const
{
    // The cash tile always counts as having a piece.
    int s = from;
    for (int step = 0; step < kPurseCashTile; ++step) {
        s += direction;
        if (s > kPurseCashTile)
            s = 1;
        if (s < 1)
            s = kPurseCashTile;
        if (s == kPurseCashTile || m_state.purse[static_cast<std::size_t>(s)] > 0)
            return s;
    }
    return from;
}

int PurseGame::cursorStep(const Problem &, int key, int from) const
{
    switch (key) {
    case GameKey::Space:
    case GameKey::Down: return nextWithPieces(from, 1);
    case GameKey::Up: return nextWithPieces(from, -1);
    case GameKey::Left:
    case GameKey::Right: return 0;
    default: return -1;
    }
}

bool PurseGame::quietWrong(const Problem &, int) const
{
    return m_state.paidSum == 0;
}

bool PurseGame::judgeStep(ProblemContext &ctx, int selected)
{
    Problem &p = ctx.problem;
    ProblemHost &host = ctx.host;
    PurseState &s = m_state;
    if (selected >= 1 && selected <= kCoinTiles) {
        int &pieces = s.purse[static_cast<std::size_t>(selected)];
        if (pieces <= 0)
            return false;
        host.playDirect(kCoinSound, false);
        ++s.itemsBought;
        s.paidSum += coinTileValue(selected);
        --pieces;
        host.drawBox(GameBox::Total, 0);
        const int row = s.counter.lay(selected);
        host.drawBox(GameBox::Back, row);
        if (pieces > 0) {
            host.drawBox(GameBox::Tile, selected);
        } else {
            host.hideBox(GameBox::Tile, selected);
            host.selectTile(nextWithPieces(selected, 1));
        }
        trace("purse-lay", {{"tile", n(selected)}, {"value", n(coinTileValue(selected))}, {"row", n(row)},
                            {"paid", n(s.paidSum)}, {"price", n(s.targetPrice)}});
        return true;
    }
    if (selected != kPurseCashTile || s.targetPrice == 0 || s.paidSum < s.targetPrice) {
        if (selected == kPurseCashTile)
            trace("purse-pay", {{"paid", n(s.paidSum)}, {"price", n(s.targetPrice)}, {"accepted", n(0)}});
        return false;
    }

    host.playDirect(kCashSound, true);
    const int laidSum = s.paidSum;
    QStringList change;
    for (int i = 1; i <= kCoinTiles; ++i) {
        bool got = false;
        while (s.paidSum - s.targetPrice >= coinTileValue(i)) {
            ++s.purse[static_cast<std::size_t>(i)];
            s.paidSum -= coinTileValue(i);
            change << n(coinTileValue(i));
            got = true;
        }
        if (got)
            host.drawBox(GameBox::Tile, i);
    }
    for (int r = 1; r <= kCounterRows; ++r)
        host.hideBox(GameBox::Back, r);
    s.counter.clear();
    int total = 0;
    for (int i = 1; i <= kCoinTiles; ++i)
        total += s.purse[static_cast<std::size_t>(i)] * coinTileValue(i);
    ++s.purchase;
    const int paidPrice = s.targetPrice;
    if (s.purchase >= kPurchases) {
        s.targetPrice = 0;
    } else if (s.purchase == 1) {
        // Random 60..99 below T - 20: drawn from exactly those values, so
        // the draw ends even if the purse were too poor (then T - 21).
        const int highest = std::min(99, total - 21);
        s.targetPrice = highest >= 60 ? ctx.random.range(60, highest) : std::max(1, highest);
    } else {
        s.targetPrice = total > 110 ? ctx.random.range(60, 99) : total - 10;
    }
    s.paidSum = 0;
    host.drawBox(GameBox::Price, 0);
    host.drawBox(GameBox::Total, 0);
    QStringList purse;
    for (int i = 1; i <= kCoinTiles; ++i)
        purse << n(s.purse[static_cast<std::size_t>(i)]);
    trace("purse-pay", {{"paid", n(laidSum)}, {"price", n(paidPrice)}, {"accepted", n(1)},
                        {"change", change.join(u',')}, {"purse", purse.join(u',')}, {"next", n(s.targetPrice)}});
    if (s.targetPrice == 0)
        p.answersGiven = p.answersNeeded - 1;
    return true;
}

int CoinCounter::lay(int tile)
{
    int r = 1;
    if (coinTileValue(tile) <= 20) {
        if (m_rows[static_cast<std::size_t>(m_row)].size() >= kCoinsPerRow && m_row < kCounterRows)
            ++m_row;
        r = m_row;
    }
    m_rows[static_cast<std::size_t>(r)].push_back(tile);
    return r;
}

void CoinCounter::clear()
{
    for (auto &r : m_rows)
        r.clear();
    m_row = 2;
}

int CoinCounter::pieces() const
{
    int n = 0;
    for (const auto &r : m_rows)
        n += static_cast<int>(r.size());
    return n;
}

std::vector<int> CoinCounter::positions(int r, int width, int pieceWidth) const
{
    const auto &laid = m_rows[static_cast<std::size_t>(std::clamp(r, 1, kCounterRows))];
    const int count = static_cast<int>(laid.size());
    int step = r == 1 ? 60 : 40;
    if (count > 1 && (count - 1) * step + pieceWidth > width)
        step = std::max(0, (width - pieceWidth) / (count - 1));
    std::vector<int> xs;
    for (int j = 0; j < count; ++j)
        xs.push_back(j * step);
    return xs;
}

bool PurseGame::paintBox(const Problem &problem, GameBox box, int n, QChar look, QSize size, ProblemHost &host,
                         std::vector<PictureDraw> &out) const
{
    const PurseState &s = m_state;
    switch (box) {
    case GameBox::Price:
        out = moneyDisplay(QStringLiteral("cc"), s.targetPrice, true, false, false, host);
        return true;
    case GameBox::Total:
        out = moneyDisplay(QStringLiteral("c"), s.paidSum, true, true, false, host);
        return true;
    case GameBox::Picture:
        out.push_back({QStringLiteral("obr\\404\\n") + pad(s.goodsPicture, 2) + QStringLiteral(".jpg"), {0, 0}});
        return true;
    case GameBox::Back: {
        if (n < 1 || n > kCounterRows)
            return true;
        const auto &laid = s.counter.row(n);
        if (laid.empty())
            return true;
        int widest = 0;
        for (int tile : laid)
            widest = std::max(widest, host.pictureSize(problem.stem(tile) + QStringLiteral("d.bmp")).width());
        const std::vector<int> xs = s.counter.positions(n, size.width(), widest);
        for (std::size_t j = 0; j < laid.size(); ++j) {
            const QString name = problem.stem(laid[j]) + QStringLiteral("d.bmp");
            const int h = host.pictureSize(name).height();
            out.push_back({name, {xs[j], h < size.height() ? size.height() - h : 0}, true});
        }
        return true;
    }
    case GameBox::Tile: {
        if (n < 1 || n > kCoinTiles)
            return false;
        const int pieces = s.purse[static_cast<std::size_t>(n)];
        if (pieces <= 0)
            return true;
        const QString stem = problem.stem(n);
        const QString letter = look == u'k' ? QStringLiteral("k") : QStringLiteral("n");
        const QString left = stem + QStringLiteral("_1") + letter + QStringLiteral(".Jpg");
        const QString middle = stem + QStringLiteral("_2") + letter + QStringLiteral(".Jpg");
        const int w1 = host.pictureSize(left).width();
        const int w2 = pieces >= 2 ? host.pictureSize(middle).width() : 0;
        out.push_back({left, {0, 0}});
        for (int j = 1; j <= pieces - 1; ++j)
            out.push_back({middle, {w1 + (j - 1) * w2, 0}});
        out.push_back({stem + QStringLiteral("_3") + letter + QStringLiteral(".Jpg"), {w1 + (pieces - 1) * w2, 0}});
        return true;
    }
    }
    return false;
}

QStringList PurseGame::mediaNames(const Problem &problem) const
{
    QSet<QString> names{kCoinSound, kCashSound};
    for (const QString &style : {QStringLiteral("c"), QStringLiteral("cc")})
        for (int d = -1; d <= 9; ++d)
            names.insert(moneyDigitPicture(style, d));
    for (int g = 1; g <= 10; ++g)
        names.insert(QStringLiteral("obr\\404\\n") + pad(g, 2) + QStringLiteral(".jpg"));
    for (int i = 1; i <= kCoinTiles; ++i) {
        const QString stem = problem.stem(i);
        names.insert(stem + QStringLiteral("d.bmp"));
        for (const char *piece : {"_1", "_2", "_3"})
            for (const char *look : {"n.Jpg", "k.Jpg"})
                names.insert(stem + QLatin1String(piece) + QLatin1String(look));
    }
    names.insert(kCashStem + QStringLiteral("n.Jpg"));
    names.insert(kCashStem + QStringLiteral("k.Jpg"));
    return names.values();
}

} // namespace flumo
