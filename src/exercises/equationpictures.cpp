#include "exercises/equationpictures.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/numbertext.h"
#include "platform/trace.h"
#include <algorithm>

namespace flumo {

namespace {

// Every range holds more admissible triples than there are tiles; the cap
// only keeps a faulty layout from hanging the screen.
constexpr int kMaxDraws = 20000;

const QString kEmptyBox = QStringLiteral("obr-pom\\prazdny.jpg");
const QString kEmptyAnswer = QStringLiteral("obr-pom\\prazdny_2.jpg");
const QString kPatternSign = QStringLiteral("obr\\rovnase.Jpg");

QString pad(long long value, int width)
{
    return NumberToText(value, width);
}

QString abc(const Triple &t, int w)
{
    return pad(t.a, w) + u'_' + pad(t.b, w) + u'_' + pad(t.c, w);
}

QString bc(const Triple &t, int w)
{
    return pad(t.b, w) + u'_' + pad(t.c, w);
}

bool isSum(int subtask)
{
    return subtask == 1 || subtask == 3;
}

void appendOnce(QStringList &list, const QString &name)
{
    if (!name.isEmpty() && !list.contains(name))
        list.append(name);
}

// 307: how many different right expressions the result allows at most.
int answersAllowed(int subtask, int result, int range, bool noZero)
{
    if (subtask == 1) {
        if (result == 1)
            return noZero ? 0 : 2;
        if (noZero && result >= 2 && result <= 4)
            return result - 1;
        return 3;
    }
    if (result == range)
        return 1;
    if (result == range - 1)
        return noZero ? 1 : 2;
    if (noZero && result == range - 2)
        return 1;
    return 3;
}

} // namespace

void EquationPictureGenerator::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    Random &random = ctx.random;
    ProblemHost &host = ctx.host;
    const int task = ctx.state.currentTask;
    const int subtask = ctx.state.currentSubtask;
    const int level = std::clamp(ctx.state.currentLevel, 1, 3);
    const bool noZero = ctx.settings.noZero;
    m_task = task;
    m_subtask = subtask;
    m_host = &host;
    m_state = EquationPictureState{};
    EquationPictureState &st = m_state;
    const int n = std::clamp(p.tileCount, 0, kTileInfoCount - 1);
    const int R = level == 1 ? 3 : level == 2 ? 5 : 10;
    st.range = R;
    const int w = p.numberWidth;
    const int aw = p.altNumberWidth;

    // Step 1: kind and result.
    const bool fewKinds = (task == 302 || task == 304) && (subtask == 2 || subtask == 4);
    if (task != 307) {
        st.kind = random.range(1, fewKinds ? 6 : 12);
        const QString kindTag = pad(st.kind, aw) + u'_';
        const bool onAlt = task == 303 || subtask <= 2;
        const bool onTiles = task == 303 || subtask >= 3;
        if (onAlt)
            p.altPicturePrefix += kindTag;
        if (onTiles)
            p.tilePicturePrefix += kindTag;
    }
    if (task == 307) {
        int result = random.range(1, R);
        if (noZero)
            while (subtask == 1 ? result < 2 : result >= R)
                result = random.range(1, R);
        st.resultValue = result;
        const int m = level <= 2 ? level + 1 : 3;
        int needed = random.range(1, m);
        needed = std::clamp(std::min(needed, answersAllowed(subtask, result, R, noZero)), 1, std::max(1, n));
        p.answersNeeded = needed;
        for (int k = 0; k < needed; ++k) {
            int t;
            do {
                t = random.range(1, n);
            } while (st.rightTile[static_cast<std::size_t>(t)]);
            st.rightTile[static_cast<std::size_t>(t)] = true;
            p.targetTile = t;
        }
    }
    const int result = st.resultValue;

    // Step 2: one triple per tile.
    for (int i = 1; i <= n; ++i) {
        const bool right = st.rightTile[static_cast<std::size_t>(i)];
        Triple t;
        for (int draws = 0; draws < kMaxDraws; ++draws) {
            do {
                if (isSum(subtask)) {
                    if (task == 307 && right) {
                        t.a = result;
                    } else {
                        do {
                            t.a = random.range(1, R);
                        } while (t.a == result);
                    }
                    t.b = random.range(0, t.a);
                    t.c = t.a - t.b;
                } else if (task == 307) {
                    if (right) {
                        t.a = result;
                        do {
                            t.b = random.range(1, R);
                        } while (t.b < t.a);
                    } else {
                        do {
                            t.b = random.range(1, R);
                            t.a = random.range(1, t.b);
                        } while (t.a == result);
                    }
                    t.c = t.b - t.a;
                } else {
                    t.b = random.range(1, R);
                    t.c = random.range(1, t.b);
                    t.a = t.b - t.c;
                }
            } while (noZero && (t.a == 0 || t.b == 0 || t.c == 0));
            bool seen = false;
            for (int j = 1; j < i && !seen; ++j) {
                const Triple &e = st.triple[static_cast<std::size_t>(j)];
                seen = t == e;
                if (task != 307)
                    seen = seen || Triple{t.a, t.c, t.b} == e || Triple{t.c, t.b, t.a} == e;
            }
            if (!seen)
                break;
        }
        st.triple[static_cast<std::size_t>(i)] = t;
        p.tileValue[static_cast<std::size_t>(i)] = t.a;
        QString &name = p.tileInfo[static_cast<std::size_t>(i)].name;
        if ((task == 302 || task == 307) && subtask <= 2)
            name = p.tilePicturePrefix + bc(t, w);
        else if (task == 303 && subtask == 2)
            name = p.altPicturePrefix + pad(t.c, aw) + QStringLiteral("_1");
        else
            name = p.tilePicturePrefix + abc(t, w);
    }

    // Step 3: target.
    if (task != 307)
        p.targetTile = n >= 1 ? random.range(1, n) : 0;
    const int target = std::clamp(p.targetTile, 0, kTileInfoCount - 1);
    Triple &tt = st.triple[static_cast<std::size_t>(target)];

    // Step 4: 303 subtask 2 shows single quantities; the target's is the
    // difference, the others differ from it and from one another.
    if (task == 303 && subtask == 2 && target >= 1) {
        if (tt.a == 0 && random.range(1, 2) == 2) {
            tt = Triple{tt.c, tt.b, 0};
            p.tileInfo[static_cast<std::size_t>(target)].name = p.altPicturePrefix + pad(0, aw) + QStringLiteral("_1");
        }
        std::array<bool, 12> used{};
        used[static_cast<std::size_t>(tt.c)] = true;
        for (int i = 1; i <= n; ++i) {
            if (i == target)
                continue;
            int v;
            do {
                v = random.range(noZero ? 1 : 0, R);
            } while (used[static_cast<std::size_t>(v)]);
            used[static_cast<std::size_t>(v)] = true;
            p.tileInfo[static_cast<std::size_t>(i)].name = p.altPicturePrefix + pad(v, aw) + QStringLiteral("_1");
        }
    }

    // Step 5: the pictures of the problem.
    auto &disp = st.display;
    if (task == 303 && subtask == 2)
        disp[1] = QStringLiteral("obr\\302\\orez\\obr") + pad(st.kind, aw) + u'_' + pad(tt.b, aw) + u'_'
            + pad(tt.c, aw) + u'_' + pad(tt.a, aw) + QStringLiteral("d.jpg");
    else if (task == 304)
        disp[1] = p.altPicturePrefix + abc(tt, aw) + QStringLiteral("d.jpg");
    else if ((task == 302 && subtask <= 2) || task == 303)
        disp[1] = p.altPicturePrefix + pad(tt.b, aw) + QStringLiteral("_1d.jpg");
    disp[2] = isSum(subtask) ? QStringLiteral("obr\\201\\plus.jpg") : QStringLiteral("obr\\201\\minus.jpg");
    disp[3] = p.altPicturePrefix + pad(task == 303 && subtask == 2 ? tt.a : tt.c, aw) + QStringLiteral("_2d.jpg");
    disp[4] = QStringLiteral("obr\\201\\rovnase.jpg");
    disp[5] = kEmptyBox;
    if (task == 307)
        disp[6] = p.altPicturePrefix + pad(result, aw);
    else if (task == 302 && subtask >= 3)
        disp[6] = p.altPicturePrefix + bc(tt, aw);
    else
        disp[6] = p.altPicturePrefix + abc(tt, aw);

    // Step 6: tiles.
    host.layOutTiles();
    p.selectedTile = 1;
    for (int i = 1; i <= p.tileCount; ++i)
        host.showTile(i);

    // Step 7: the upper panel.
    if (task == 303 || task == 307) {
        if (task == 307)
            for (int k = 1; k <= 5; ++k)
                disp[static_cast<std::size_t>(k)] = kEmptyBox;
        const int gap = task == 303 ? 5 : 0;
        int left = 10;
        for (int k = 1; k <= 5; ++k) {
            const QSize size = host.pictureSize(disp[static_cast<std::size_t>(k)]);
            st.displayLeft[static_cast<std::size_t>(k)] = left;
            st.displayWidth[static_cast<std::size_t>(k)] = size.isValid() ? size.width() : 0;
            host.placeDisplayBox(k, disp[static_cast<std::size_t>(k)], left, st.displayWidth[static_cast<std::size_t>(k)],
                                 task == 303);
            left += st.displayWidth[static_cast<std::size_t>(k)] + gap;
        }
    } else if (task == 304) {
        p.samplePicture = disp[1];
        host.drawPatternRow(PatternRow::Pattern | PatternRow::Answer, true, true);
    } else {
        p.samplePicture = disp[6] + QStringLiteral("d.jpg");
        host.drawPatternRow(PatternRow::Pattern | PatternRow::Sign | PatternRow::Answer, true, true);
    }

    // Step 8: the spoken task.
    if (task == 302)
        st.taskSound = QStringLiteral("Zvuky\\302") + (isSum(subtask) ? QString() : QStringLiteral("\\minus"))
            + QStringLiteral("\\zv") + pad(tt.a, 2) + u'_' + pad(tt.b, 2) + u'_' + pad(tt.c, 2) + QStringLiteral(".wav");
    else if (task == 307)
        st.taskSound = QStringLiteral("Zvuky\\307\\zv") + pad(result, 2) + QStringLiteral(".wav");
    if (!st.taskSound.isEmpty())
        host.playSound(st.taskSound, false);

    QStringList right;
    for (int i = 1; i <= n; ++i)
        if (task == 307 ? st.rightTile[static_cast<std::size_t>(i)] : i == p.targetTile)
            right << QString::number(i);
    trace("equation-problem", {{"task", QString::number(task)},
                               {"subtask", QString::number(subtask)},
                               {"kind", QString::number(st.kind)},
                               {"result", QString::number(result)},
                               {"needed", QString::number(p.answersNeeded)},
                               {"right", right.join(u',')}});
}

bool EquationPictureGenerator::judgeAnswer(Problem &p, int selected)
{
    if (selected < 1 || selected > p.tileCount || selected >= kTileInfoCount)
        return false;
    const auto at = static_cast<std::size_t>(selected);
    if (m_task != 307) {
        const bool right = selected == p.targetTile;
        if (right && m_task == 303) {
            m_state.display[5] = p.tileInfo[at].name + QStringLiteral("d.jpg");
            if (m_host)
                m_host->placeDisplayBox(5, m_state.display[5], m_state.displayLeft[5], m_state.displayWidth[5], true);
        }
        return right;
    }

    if (p.tileValue[at] != m_state.resultValue)
        return false;
    p.targetTile = selected;
    trace("target", {{"tile", QString::number(selected)}});
    // Box k takes the k-th found expression, right of the one before.
    const int k = std::clamp(p.answersGiven + 1, 1, 7);
    const auto ks = static_cast<std::size_t>(k);
    m_state.display[ks] = p.tileInfo[at].name + QStringLiteral("d.jpg");
    if (k > 1)
        m_state.displayLeft[ks] = m_state.displayLeft[ks - 1] + m_state.displayWidth[ks - 1] + 10;
    if (m_host) {
        const QSize size = m_host->pictureSize(m_state.display[ks]);
        m_state.displayWidth[ks] = size.isValid() ? size.width() : m_state.displayWidth[ks];
        m_host->placeDisplayBox(k, m_state.display[ks], m_state.displayLeft[ks], m_state.displayWidth[ks], true);
    }
    p.tileValue[at] = m_state.resultValue + 1;
    // While expressions are still to be found, the target moves on to one of
    // them, so the keyboard (and the automatic cursor) can follow it.
    if (p.answersGiven + 1 < p.answersNeeded)
        for (int i = 1; i <= p.tileCount && i < kTileInfoCount; ++i)
            if (p.tileValue[static_cast<std::size_t>(i)] == m_state.resultValue) {
                p.targetTile = i;
                trace("target", {{"tile", QString::number(i)}});
                break;
            }
    return true;
}

QStringList EquationPictureGenerator::mediaNames(const Problem &p) const
{
    QStringList names;
    const int n = std::clamp(p.tileCount, 0, kTileInfoCount - 1);
    for (int i = 1; i <= n; ++i) {
        appendOnce(names, p.stem(i) + QStringLiteral("n.Jpg"));
        appendOnce(names, p.stem(i) + QStringLiteral("k.Jpg"));
    }
    if (m_task == 302 || m_task == 304) {
        appendOnce(names, p.samplePicture);
        if (m_task == 302)
            appendOnce(names, kPatternSign);
        appendOnce(names, kEmptyAnswer);
        appendOnce(names, p.stem(p.targetTile) + QStringLiteral("d.Jpg"));
    }
    if (m_task == 303) {
        for (int k = 1; k <= 5; ++k)
            appendOnce(names, m_state.display[static_cast<std::size_t>(k)]);
        appendOnce(names, p.stem(p.targetTile) + QStringLiteral("d.jpg"));
    }
    if (m_task == 307)
        for (int i = 1; i <= n; ++i)
            if (p.tileValue[static_cast<std::size_t>(i)] == m_state.resultValue)
                appendOnce(names, p.stem(i) + QStringLiteral("d.jpg"));
    appendOnce(names, m_state.taskSound);
    return names;
}

std::unique_ptr<Generator> makeEquationPictureGenerator()
{
    return std::make_unique<EquationPictureGenerator>();
}

} // namespace flumo
