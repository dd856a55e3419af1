#include "games/domino.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/numbertext.h"
#include "platform/trace.h"
#include <QSet>
#include <algorithm>

namespace flumo {

namespace {

constexpr int kDominoTask = 407;

struct PlaceSpec {
    int left, top;
    bool vertical;
};
constexpr PlaceSpec kPlaces[kDominoPlaces] = {
    {57, 86, false},   {193, 86, false},  {329, 86, false}, {465, 86, false}, {601, 86, false},
    {669, 154, true},  {669, 290, true},  {533, 358, false}, {465, 290, true}, {397, 222, false},
    {261, 222, false}, {261, 290, true},  {125, 358, false}, {57, 290, true},  {57, 154, true},
};

int pairIndex(int first, int second)
{
    return first * 10 + second;
}

QString digitPicture(int digit)
{
    return QStringLiteral("obr\\404\\c") + NumberToText(digit, 2) + QStringLiteral(".jpg");
}

const QString kBlankDigit = QStringLiteral("obr\\404\\c0.jpg");
const QString kLaySound = QStringLiteral("zvuky\\poloz.wav");

} // namespace

QRect dominoPlaceRect(int place)
{
    if (place < 1 || place > kDominoPlaces)
        return {};
    const PlaceSpec &s = kPlaces[place - 1];
    return s.vertical ? QRect(s.left, s.top, 68, 136) : QRect(s.left, s.top, 136, 68);
}

bool dominoPlaceVertical(int place)
{
    return place >= 1 && place <= kDominoPlaces && kPlaces[place - 1].vertical;
}

bool dominoMatchingHalfFirst(int place)
{
    return (place >= 2 && place <= 7) || place == 12;
}

std::unique_ptr<Generator> makeDominoGame()
{
    return std::make_unique<DominoGame>();
}

void DominoGame::setSlot(Problem &problem, int slot, int first, int second)
{
    problem.tileValue[static_cast<std::size_t>(slot)] = first;
    m_state.second[static_cast<std::size_t>(slot)] = second;
    problem.tileInfo[static_cast<std::size_t>(slot)].name =
        m_state.prefix + QString::number(first) + u'_' + QString::number(second) + QStringLiteral("_1");
}

// Pairs stay marked after a redraw rejected them; with four values they can
// use up every free pair. Then only the dominoes in the hand (other than
// `slot`) keep their marks: the hand still never holds one domino twice.
void DominoGame::releaseStaleMarks(const Problem &problem, int slot)
{
    ++m_state.releases;
    m_state.used.reset();
    for (int t = 1; t <= kDominoHand; ++t) {
        const int a = problem.tileValue[static_cast<std::size_t>(t)];
        const int b = m_state.second[static_cast<std::size_t>(t)];
        if (t == slot || a == kDominoPlayed)
            continue;
        m_state.used.set(static_cast<std::size_t>(pairIndex(a, b)));
        m_state.used.set(static_cast<std::size_t>(pairIndex(b, a)));
    }
}

// DrawDomino. mustHave >= 0: the pair drawn has that half (ChooseSum's
// redraw loop, whose rejected pairs stay marked like every drawn pair).
void DominoGame::drawDomino(ProblemContext &ctx, int slot, int laid, int mustHave)
{
    Problem &p = ctx.problem;
    const auto &v = m_state.allowed;
    const auto admissible = [&](int a, int b) {
        return !(laid > 0 && a == b) && !m_state.used[static_cast<std::size_t>(pairIndex(a, b))];
    };
    const auto fits = [&](int a, int b) { return mustHave < 0 || a == mustHave || b == mustHave; };
    const auto anyFree = [&] {
        for (int a : v)
            for (int b : v)
                if (admissible(a, b) && fits(a, b))
                    return true;
        return false;
    };
    if (!anyFree())
        releaseStaleMarks(p, slot);

    const auto mark = [&](int a, int b) {
        if (slot == 0)
            return;   // the starting domino is not marked
        m_state.used.set(static_cast<std::size_t>(pairIndex(a, b)));
        m_state.used.set(static_cast<std::size_t>(pairIndex(b, a)));
    };
    int a = 0, b = 0;
    for (int tries = 0;; ++tries) {
        if (tries >= kMaxDraws) {
            // A free pair exists (kept so below): take the first one.
            bool found = false;
            for (int x : v)
                for (int y : v)
                    if (!found && admissible(x, y) && fits(x, y))
                        a = x, b = y, found = true;
            mark(a, b);
            break;
        }
        ++m_state.draws;
        a = v[static_cast<std::size_t>(ctx.random.range(0, kDominoHand - 1))];
        b = v[static_cast<std::size_t>(ctx.random.range(0, kDominoHand - 1))];
        if (!admissible(a, b))
            continue;
        mark(a, b);
        if (fits(a, b))
            break;
        // A rejected redraw stays marked; should that use up the free
        // pairs with the wanted half, the stale marks go.
        if (!anyFree())
            releaseStaleMarks(p, slot);
    }
    setSlot(p, slot, a, b);
}

bool DominoGame::playable(const Problem &problem, int t, int laid) const
{
    const int a = problem.tileValue[static_cast<std::size_t>(t)];
    const int b = m_state.second[static_cast<std::size_t>(t)];
    if (a == kDominoPlayed)
        return false;
    const int open = m_state.openEnd;
    if (laid != kDominoLays - 1)
        return a == open || b == open;
    const int f0 = m_state.startFirst;
    return (a == open && b == f0) || (b == open && a == f0);
}

void DominoGame::chooseSum(ProblemContext &ctx, int laid, int selected)
{
    Problem &p = ctx.problem;
    ProblemHost &host = ctx.host;
    host.hideBox(GameBox::Tile, selected);
    if (laid > 0)
        drawDomino(ctx, selected, laid);

    std::vector<int> counted;
    for (int t = 1; t <= kDominoHand; ++t)
        if (playable(p, t, laid))
            counted.push_back(t);
    if (counted.size() > 1)
        counted.erase(std::remove(counted.begin(), counted.end(), selected), counted.end());

    int chosen = selected;
    if (!counted.empty()) {
        chosen = counted[static_cast<std::size_t>(ctx.random.range(0, static_cast<int>(counted.size()) - 1))];
    } else if (laid != kDominoLays - 1) {
        drawDomino(ctx, selected, laid, m_state.openEnd);
    } else {
        const int f0 = m_state.startFirst;
        m_state.used.set(static_cast<std::size_t>(pairIndex(f0, m_state.openEnd)));
        m_state.used.set(static_cast<std::size_t>(pairIndex(m_state.openEnd, f0)));
        setSlot(p, selected, f0, m_state.openEnd);
    }
    if (laid > 0)
        host.drawBox(GameBox::Tile, selected);

    m_state.targetSum = p.tileValue[static_cast<std::size_t>(chosen)] + m_state.second[static_cast<std::size_t>(chosen)];
    p.targetTile = chosen;
    host.drawBox(GameBox::Price, 0);
    trace("target", {{"tile", QString::number(chosen)}});
    QStringList hand;
    for (int t = 1; t <= kDominoHand; ++t)
        hand << QStringLiteral("%1_%2").arg(p.tileValue[static_cast<std::size_t>(t)]).arg(m_state.second[static_cast<std::size_t>(t)]);
    trace("domino-hand", {{"hand", hand.join(u',')}, {"open", QString::number(m_state.openEnd)},
                          {"sum", QString::number(m_state.targetSum)}});
}

QString DominoGame::soundOfSum() const
{
    return QStringLiteral("Zvuky\\") + NumberToText(kDominoTask, 3) + QStringLiteral("\\zv")
        + NumberToText(m_state.targetSum, 2) + QStringLiteral(".wav");
}

void DominoGame::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    ProblemHost &host = ctx.host;
    m_state = DominoState{};
    m_state.prefix = QStringLiteral("obr\\407\\dom") + QString::number(ctx.state.currentSubtask) + u'_';
    p.tilePicturePrefix = m_state.prefix;
    p.altPicturePrefix = m_state.prefix;
    p.answersNeeded = kDominoLays;

    // Four distinct values 1..10, each minus 1.
    for (int k = 0; k < kDominoHand; ++k) {
        int v;
        do {
            v = ctx.random.range(1, 10) - 1;
        } while (std::find(m_state.allowed.begin(), m_state.allowed.begin() + k, v) != m_state.allowed.begin() + k);
        m_state.allowed[static_cast<std::size_t>(k)] = v;
    }
    for (int slot = 0; slot <= kDominoHand; ++slot)
        drawDomino(ctx, slot, 0);
    m_state.startFirst = p.tileValue[0];
    m_state.openEnd = m_state.second[0];
    m_state.chain[0] = p.tileInfo[0].name;

    chooseSum(ctx, 0, ctx.random.range(1, kDominoHand));

    host.placeBox(GameBox::Price, 0, QRect(0, 0, 50, 20));
    host.drawBox(GameBox::Price, 0);
    host.layOutTiles();
    p.selectedTile = 1;
    for (int i = 1; i <= kDominoHand; ++i)
        host.showTile(i);
    for (int place = 1; place <= kDominoPlaces; ++place) {
        host.placeBox(GameBox::Back, place, dominoPlaceRect(place));
        host.hideBox(GameBox::Back, place);
    }
    host.drawBox(GameBox::Back, 1);
    host.playSound(soundOfSum(), false);
}

bool DominoGame::judgeStep(ProblemContext &ctx, int selected)
{
    Problem &p = ctx.problem;
    if (selected < 1 || selected > kDominoHand)
        return false;
    int first = p.tileValue[static_cast<std::size_t>(selected)];
    int second = m_state.second[static_cast<std::size_t>(selected)];
    const int open = m_state.openEnd;
    if (first == kDominoPlayed || (first != open && second != open) || first + second != m_state.targetSum)
        return false;

    const int laid = p.answersGiven + 1;
    const int place = laid + 1;
    ctx.host.playDirect(kLaySound, laid == kDominoLays);
    m_state.used.reset(static_cast<std::size_t>(pairIndex(first, second)));
    m_state.used.reset(static_cast<std::size_t>(pairIndex(second, first)));
    const bool matchingFirst = dominoMatchingHalfFirst(place);
    if ((matchingFirst && first != open) || (!matchingFirst && second != open))
        std::swap(first, second);
    const int orientation = dominoPlaceVertical(place) ? 2 : 1;
    m_state.chain[static_cast<std::size_t>(laid)] = m_state.prefix + QString::number(first) + u'_'
        + QString::number(second) + u'_' + QString::number(orientation);
    ctx.host.drawBox(GameBox::Back, place);
    m_state.openEnd = matchingFirst ? second : first;
    p.tileValue[static_cast<std::size_t>(selected)] = kDominoPlayed;
    m_state.second[static_cast<std::size_t>(selected)] = kDominoPlayed;
    trace("domino", {{"tile", QString::number(selected)}, {"place", QString::number(place)},
                     {"first", QString::number(first)}, {"second", QString::number(second)},
                     {"open", QString::number(m_state.openEnd)}});
    if (laid < kDominoLays) {
        chooseSum(ctx, laid, selected);
        ctx.host.playSound(soundOfSum(), false);
    }
    return true;
}

bool DominoGame::paintBox(const Problem &problem, GameBox box, int n, QChar look, QSize size, ProblemHost &host,
                          std::vector<PictureDraw> &out) const
{
    (void)problem, (void)look, (void)size;
    if (box == GameBox::Back) {
        if (n >= 1 && n <= kDominoPlaces && !m_state.chain[static_cast<std::size_t>(n - 1)].isEmpty())
            out.push_back({m_state.chain[static_cast<std::size_t>(n - 1)] + QStringLiteral("d.JPG"), {0, 0}});
        return true;
    }
    if (box == GameBox::Price) {
        const int sum = m_state.targetSum;
        if (sum >= 10) {
            const QString tens = digitPicture(sum / 10);
            out.push_back({tens, {11, 0}});
            out.push_back({digitPicture(sum % 10), {11 + host.pictureSize(tens).width(), 0}});
        } else {
            const QString units = digitPicture(sum);
            out.push_back({units, {17, 0}});
            out.push_back({kBlankDigit, {17 + host.pictureSize(units).width(), 0}});
        }
        return true;
    }
    return false;
}

QStringList DominoGame::mediaNames(const Problem &problem) const
{
    (void)problem;
    QSet<QString> names{kBlankDigit, kLaySound};
    for (int d = 0; d <= 9; ++d)
        names.insert(digitPicture(d));
    for (int a : m_state.allowed)
        for (int b : m_state.allowed) {
            const QString stem = m_state.prefix + QString::number(a) + u'_' + QString::number(b);
            names.insert(stem + QStringLiteral("_1n.Jpg"));
            names.insert(stem + QStringLiteral("_1k.Jpg"));
            names.insert(stem + QStringLiteral("_1d.JPG"));
            names.insert(stem + QStringLiteral("_2d.JPG"));
            names.insert(QStringLiteral("Zvuky\\407\\zv") + NumberToText(a + b, 2) + QStringLiteral(".wav"));
        }
    return names.values();
}

} // namespace flumo
