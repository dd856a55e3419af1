#include "games/findpicture.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/numbertext.h"
#include "platform/inifile.h"
#include "platform/trace.h"
#include <QSet>
#include <algorithm>

namespace flumo {

namespace {

const QString kPropertyFile = QStringLiteral("Obr\\409\\Vyroky.INI");

bool has(const HuntProperties &p, int code)
{
    return std::find(p.begin(), p.end(), code) != p.end();
}

} // namespace

HuntProperties parseHuntProperties(const QString &value)
{
    HuntProperties out{};
    std::size_t slot = 0;
    qint64 number = 0;
    bool inNumber = false;
    const auto store = [&] {
        if (inNumber && slot < out.size())
            out[slot++] = static_cast<int>(std::min<qint64>(number, 999));
        number = 0;
        inNumber = false;
    };
    for (const QChar c : value) {
        if (c >= u'0' && c <= u'9') {
            number = std::min<qint64>(number * 10 + (c.unicode() - u'0'), 1'000'000);
            inNumber = true;
        } else {
            store();
        }
    }
    store();
    return out;
}

std::vector<int> huntClues(const HuntProperties &secret, const HuntProperties &chosen)
{
    std::vector<int> clues;
    for (std::size_t k = 0; k < secret.size(); ++k)
        if (secret[k] != 0 && chosen[k] != 0 && !has(chosen, secret[k]))
            clues.push_back(secret[k]);
    return clues;
}

std::vector<int> huntFallbackClues(const HuntProperties &secret, const HuntProperties &chosen)
{
    std::vector<int> clues;
    for (int code : secret)
        if (code != 0 && !has(chosen, code))
            clues.push_back(code);
    return clues;
}

QString huntClueSound(int set, int code)
{
    return QStringLiteral("Zvuky\\409\\zv") + NumberToText(set, 2) + u'_' + NumberToText(code, 3) + QStringLiteral(".wav");
}

QString huntNoClueSound()
{
    return QStringLiteral("Zvuky\\409\\jiny.wav");
}

QString huntOpeningSound(int set)
{
    return QStringLiteral("Zvuky\\409\\zv") + NumberToText(set, 2) + QStringLiteral(".wav");
}

int huntPoolOf(int set)
{
    return set == kHuntSets ? 64 : 32;
}

std::unique_ptr<Generator> makeFindPictureGame()
{
    return std::make_unique<FindPictureGame>();
}

QString FindPictureGame::stem(int picture, int look) const
{
    return QStringLiteral("obr\\409\\") + NumberToText(m_set, 2) + QStringLiteral("\\obr") + NumberToText(picture, 2)
        + u'_' + QString::number(look);
}

void FindPictureGame::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    Random &r = ctx.random;
    p.targetTile = 0;
    m_set = r.range(1, kHuntSets);
    m_lastClue = 0;
    const int pool = huntPoolOf(m_set);
    // The media folder does not change while the program runs: the file is
    // read once per generator (one lives as long as its exercise is on).
    if (!m_iniRead) {
        m_ini = IniFile::fromBytes(ctx.host.readDataFile(kPropertyFile));
        m_iniRead = true;
    }
    const IniFile &ini = m_ini;
    const QString section = QStringLiteral("Typ") + NumberToText(m_set, 2);
    m_properties.assign(static_cast<std::size_t>(pool + 1), HuntProperties{});
    for (int o = 1; o <= pool; ++o)
        m_properties[static_cast<std::size_t>(o)] =
            parseHuntProperties(ini.readString(section, QStringLiteral("o") + NumberToText(o, 2)));

    const QString prefix = QStringLiteral("obr\\409\\") + NumberToText(m_set, 2) + QStringLiteral("\\obr");
    p.tilePicturePrefix = prefix;
    p.altPicturePrefix = prefix;
    p.answersNeeded = 1;
    p.targetTile = r.range(1, kHuntTiles);
    for (int i = 1; i <= kHuntTiles; ++i) {
        int picture;
        bool taken;
        do {
            picture = r.range(1, pool);
            taken = false;
            for (int j = 1; j < i; ++j)
                taken = taken || p.tileValue[static_cast<std::size_t>(j)] == picture;
        } while (taken);
        p.tileValue[static_cast<std::size_t>(i)] = picture;
        p.tileInfo[static_cast<std::size_t>(i)].name = stem(picture, 1);
    }
    trace("hunt", {{"set", QString::number(m_set)},
                   {"secret", QString::number(p.tileValue[static_cast<std::size_t>(p.targetTile)])}});
    ctx.host.layOutTiles();
    p.selectedTile = 1;
    for (int i = 1; i <= kHuntTiles; ++i)
        ctx.host.showTile(i);
    ctx.host.playSound(huntOpeningSound(m_set), true);
}

bool FindPictureGame::judgeStep(ProblemContext &ctx, int t)
{
    Problem &p = ctx.problem;
    if (t < 1 || t > kHuntTiles || p.tileValue[static_cast<std::size_t>(t)] > kHuntGrey) {
        trace("hunt-pick", {{"tile", QString::number(t)}, {"result", QStringLiteral("grey")}});
        return false;
    }
    const auto picture = [&](int i) { return p.tileValue[static_cast<std::size_t>(i)] % kHuntGrey; };
    if (t == p.targetTile) {
        for (int i = 1; i <= kHuntTiles; ++i) {
            if (i == t || p.tileValue[static_cast<std::size_t>(i)] > kHuntGrey)
                continue;
            p.tileInfo[static_cast<std::size_t>(i)].name = stem(picture(i), 2);
            ctx.host.drawBox(GameBox::Tile, i);
        }
        trace("hunt-pick", {{"tile", QString::number(t)}, {"result", QStringLiteral("found")}});
        return true;
    }
    const HuntProperties &secret = properties(picture(p.targetTile));
    const HuntProperties &chosen = properties(picture(t));
    std::vector<int> clues = huntClues(secret, chosen);
    if (clues.empty())
        clues = huntFallbackClues(secret, chosen);
    m_lastClue = clues.empty() ? 0 : clues[static_cast<std::size_t>(ctx.random.range(0, static_cast<int>(clues.size()) - 1))];
    p.tileInfo[static_cast<std::size_t>(t)].name = stem(picture(t), 2);
    p.tileValue[static_cast<std::size_t>(t)] += kHuntGrey;
    ctx.host.drawBox(GameBox::Tile, t);
    trace("hunt-pick", {{"tile", QString::number(t)}, {"result", QStringLiteral("clue")},
                        {"clue", QString::number(m_lastClue)}});
    ctx.host.playSound(m_lastClue ? huntClueSound(m_set, m_lastClue) : huntNoClueSound(), true);
    return false;
}

bool FindPictureGame::quietWrong(const Problem &problem, int selected) const
{
    (void)problem, (void)selected;
    return true;
}

QStringList FindPictureGame::mediaNames(const Problem &problem) const
{
    QSet<QString> names{huntNoClueSound()};
    for (int i = 1; i <= kHuntTiles; ++i) {
        const int picture = problem.tileValue[static_cast<std::size_t>(i)] % kHuntGrey;
        for (int look : {1, 2})
            for (const char *state : {"n.Jpg", "k.Jpg"})
                names.insert(stem(picture, look) + QLatin1String(state));
        for (int code : properties(picture))
            if (code != 0)
                names.insert(huntClueSound(m_set, code));
    }
    return names.values();
}

} // namespace flumo
