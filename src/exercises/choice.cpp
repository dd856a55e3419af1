#include "exercises/choice.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "engine/state.h"
#include "media/numbertext.h"
#include "platform/trace.h"
#include <algorithm>
#include <utility>

namespace flumo {

namespace {

// Used[0..160]: the values (or picture kinds) already drawn in one build.
using Used = std::array<bool, 161>;

constexpr int kUsedLast = 160;

QString pad(long long value, int width)
{
    return NumberToText(value, width);
}

// Random(lo..hi), drawn again while the value is used. The layout table
// never asks for more values than a range holds; should it, lo is returned
// without a draw rather than looping for ever.
int drawUnused(Random &random, int lo, int hi, const Used &used)
{
    hi = std::min(hi, kUsedLast);
    bool free = false;
    for (int v = lo; v <= hi && !free; ++v)
        free = !used[static_cast<std::size_t>(v)];
    if (!free)
        return lo;
    int v;
    do {
        v = random.range(lo, hi);
    } while (used[static_cast<std::size_t>(v)]);
    return v;
}

// R: values are drawn from 1..R (202 and 204 counting with zero shift them
// to 0..R-1 afterwards).
int valueRange(int task, int level, int subtask, bool withZero)
{
    switch (task) {
    case 101:
        return 160;
    case 102:
        return level == 1 ? 6 : level == 2 ? 11 : 15;
    case 108:
        return subtask == 1 ? 4 : 10;
    default: {
        int r = level == 1 ? 3 : level == 2 ? 5 : 10;
        if ((task == 202 || task == 204) && withZero)
            ++r;
        return r;
    }
    }
}

bool usesRelation(int task)
{
    return task == 108 || task == 111 || task == 204;
}

// Tiles of the nth used value met walking from the top (downward) or from
// 1 (upward), and of the next used value after it; 0 where there is none.
std::pair<int, int> walkUsed(const Used &used, const std::array<int, kMaxRelationValue + 1> &valueToTile,
                             int nth, bool downward)
{
    int met = 0;
    int target = 0;
    for (int step = 0; step < kMaxRelationValue; ++step) {
        const int v = downward ? kMaxRelationValue - step : 1 + step;
        if (!used[static_cast<std::size_t>(v)])
            continue;
        if (target != 0)
            return {target, valueToTile[static_cast<std::size_t>(v)]};
        if (++met == nth)
            target = valueToTile[static_cast<std::size_t>(v)];
    }
    return {target, 0};
}

// The spoken relation of 111 and 204: 3 for more, 2 for same, 1 for fewer.
int spokenRelation(int mode)
{
    return 4 - mode;
}

QString taskSoundName(int task, const QString &tail)
{
    return QStringLiteral("Zvuky\\") + pad(task, 3) + QStringLiteral("\\zv") + tail + QStringLiteral(".wav");
}

const QString kEmptyDisplay = QStringLiteral("obr-pom\\prazdny.jpg");
const QString kEmptyAnswer = QStringLiteral("obr-pom\\prazdny_2.jpg");
const QString kEqualsSign = QStringLiteral("obr\\rovnase.Jpg");
const QString kAnswerFiller = QStringLiteral("obr\\prazdny6.jpg");

void appendOnce(QStringList &list, const QString &name)
{
    if (!name.isEmpty() && !list.contains(name))
        list.append(name);
}

} // namespace

QString relationSignPicture(int relationMode)
{
    switch (relationMode) {
    case RelationMore:
        return QStringLiteral("obr\\201\\mensi.Jpg");
    case RelationSame:
        return QStringLiteral("obr\\201\\rovnase.Jpg");
    case RelationFewer:
        return QStringLiteral("obr\\201\\vetsi.Jpg");
    default:
        return {};
    }
}

void ChoiceGenerator::build(ProblemContext &ctx)
{
    Problem &p = ctx.problem;
    Random &random = ctx.random;
    ProblemHost &host = ctx.host;
    const int task = ctx.state.currentTask;
    const int subtask = ctx.state.currentSubtask;
    // The build caps the level at the exercise's highest (3 at most here).
    const int level = std::clamp(ctx.state.currentLevel, 1, 3);
    const bool withZero = !ctx.settings.noZero;
    const bool zeroShift = withZero && (task == 202 || task == 204);
    m_task = task;
    m_subtask = subtask;
    m_state = ChoiceState{};
    ChoiceState &st = m_state;

    // Tiles with a TileInfo record; the layout gives these exercises 2..6.
    const int n = std::clamp(p.tileCount, 0, kTileInfoCount - 1);
    const auto value = [&p](int i) -> std::int32_t & { return p.tileValue[static_cast<std::size_t>(i)]; };
    const auto name = [&p](int i) -> QString & { return p.tileInfo[static_cast<std::size_t>(i)].name; };

    // Step 1: ranges and picture sets.
    p.setProblemValue(0);
    Used used{};
    const int range = valueRange(task, level, subtask, withZero);
    if (task == 102) {
        st.patternObject = random.range(1, 7);
        p.altPicturePrefix += QString::number(st.patternObject);
    }
    if (task == 108) {
        st.pictureSet = random.range(1, subtask == 1 ? 69 : 30);
        p.tilePicturePrefix += pad(st.pictureSet, 2) + u'_';
        p.altPicturePrefix = p.tilePicturePrefix;
    }
    if (task == 202) {
        const bool quantities = subtask == 1 || subtask == 3;
        for (int i = 1; i <= n; ++i) {
            if (quantities) {
                const int kind = drawUnused(random, 1, 30, used);
                used[static_cast<std::size_t>(kind)] = true;
                st.tileKind[static_cast<std::size_t>(i)] = kind;
                name(i) = p.tilePicturePrefix + pad(kind, p.numberWidth) + u'_';
            } else {
                name(i) = p.tilePicturePrefix;
            }
        }
        used.fill(false);
    }
    // 108's quantities skip the counts 4, 6, 8 and 9.
    const int excluded[] = {4, 6, 8, 9};
    if (task == 108 && subtask == 2)
        for (int v : excluded)
            used[static_cast<std::size_t>(v)] = true;

    // Step 2: distinct tile values.
    for (int i = 1; i <= n; ++i) {
        const int v = drawUnused(random, 1, range, used);
        used[static_cast<std::size_t>(v)] = true;
        value(i) = zeroShift ? v - 1 : v;
        if (usesRelation(task) && v <= kMaxRelationValue)
            st.valueToTile[static_cast<std::size_t>(v)] = i;
        if (task == 202)
            name(i) += pad(value(i), p.numberWidth);
    }

    // Step 3: target. Colour 1 is never asked for; with distinct values at
    // most one tile holds it, so a second tile ends the redraws.
    if (n >= 1) {
        p.targetTile = random.range(1, n);
        if (task == 102 && n >= 2)
            while (value(p.targetTile) == 1)
                p.targetTile = random.range(1, n);
    } else {
        p.targetTile = 0;
    }
    st.referenceTile = p.targetTile;

    // Step 4: relation.
    if (usesRelation(task) && n >= 1) {
        if (task == 108 && subtask == 2)
            for (int v : excluded)
                used[static_cast<std::size_t>(v)] = false;
        if (task == 108 || (task == 204 && (subtask == 1 || subtask == 3))) {
            st.relationMode = random.range(1, 2);
            if (st.relationMode == 2)
                st.relationMode = RelationFewer;
        } else {
            st.relationMode = random.range(1, 3);
        }
        const bool counting = task == 204 && subtask == 3;
        const int needed = std::max(1, p.answersNeeded);
        if (st.relationMode == RelationMore || st.relationMode == RelationFewer) {
            const bool more = st.relationMode == RelationMore;
            const int nth = counting && (more || level >= 2) ? needed : 1;
            const auto [target, reference] = walkUsed(used, st.valueToTile, nth, more);
            if (target != 0)
                p.targetTile = target;
            if (reference != 0)
                st.referenceTile = reference;
            if (task == 204)
                p.setProblemValue(value(st.referenceTile));
        } else {
            st.referenceTile = p.targetTile;
        }
        if (task == 108)
            st.referenceTile = p.targetTile;
    }

    // Step 5: 111 shows every tile and the pattern with a different object.
    if (task == 111) {
        used.fill(false);
        for (int i = 1; i <= n + 1; ++i) {
            const int kind = drawUnused(random, 1, 30, used);
            used[static_cast<std::size_t>(kind)] = true;
            const QString kindPrefix = p.tilePicturePrefix + pad(kind, p.numberWidth) + u'_';
            if (i <= n) {
                st.tileKind[static_cast<std::size_t>(i)] = kind;
                name(i) = kindPrefix + pad(value(i), p.numberWidth);
            } else {
                st.patternKind = kind;
                p.altPicturePrefix = kindPrefix;
            }
        }
    }

    // Step 6: tiles.
    host.layOutTiles();
    p.selectedTile = 1;
    for (int i = 1; i <= p.tileCount; ++i)
        host.showTile(i);

    // Step 7: pattern picture.
    const std::int32_t referenceValue = st.referenceTile >= 1 ? value(st.referenceTile) : 0;
    if (task == 202 && (subtask == 2 || subtask == 4)) {
        st.patternKind = random.range(1, 17);
        p.samplePicture = p.altPicturePrefix + pad(st.patternKind, p.altNumberWidth) + u'_'
            + pad(referenceValue, p.altNumberWidth) + QStringLiteral("d.jpg");
    } else if (task == 102) {
        p.samplePicture = p.altPicturePrefix + QStringLiteral("d.jpg");
    } else {
        p.samplePicture = p.altPicturePrefix + pad(referenceValue, p.altNumberWidth) + QStringLiteral("d.jpg");
    }

    // Step 8: the upper panel.
    if (task == 204) {
        const int needed = std::clamp(p.answersNeeded, 1, kDisplayBoxCount - 2);
        st.displayCount = subtask == 1 ? 1 : subtask == 2 ? 3 : needed + 2;
        for (int k = 1; k <= needed; ++k)
            st.display[static_cast<std::size_t>(k + 2)] = {kEmptyDisplay, 0, 216};
        const QString sign = relationSignPicture(st.relationMode);
        st.display[2] = {sign, 0, 75};
        if (subtask == 1) {
            st.display[1] = {sign, 0, 75};
        } else {
            const QSize sample = host.pictureSize(p.samplePicture);
            st.display[1] = {p.samplePicture, 0, sample.isValid() ? sample.width() : 0};
        }
        int total = 0;
        for (int k = 1; k <= st.displayCount; ++k)
            total += st.display[static_cast<std::size_t>(k)].width;
        int left = (kPanel1Width - total) / 2;
        for (int k = 1; k <= st.displayCount; ++k) {
            DisplayBoxPlan &box = st.display[static_cast<std::size_t>(k)];
            box.left = left;
            left += box.width;
        }
        st.displayDrawn = subtask == 2;
        for (int k = 1; k <= st.displayCount; ++k) {
            const DisplayBoxPlan &box = st.display[static_cast<std::size_t>(k)];
            host.placeDisplayBox(k, box.picture, box.left, box.width, st.displayDrawn);
        }
    } else {
        unsigned row;
        if (task == 102)
            row = PatternRow::Answer;
        else if (task == 108 || (task == 202 && subtask >= 3))
            row = 0;
        else
            row = PatternRow::Pattern | PatternRow::Answer | (task == 101 ? 0u : unsigned(PatternRow::Sign));
        st.patternRow = row;
        st.patternRowTouched = true;
        host.drawPatternRow(row, true, true);
    }

    // Step 9: spoken task.
    const std::int32_t targetValue = p.targetTile >= 1 ? value(p.targetTile) : 0;
    QString tail;
    switch (task) {
    case 102:
        if (subtask == 1) {
            const bool second = level == 3
                && (targetValue == 3 || targetValue == 4 || targetValue == 5 || targetValue == 10);
            tail = pad(targetValue, 3) + (second ? QStringLiteral("_2") : QString());
        }
        break;
    case 108: {
        const int spoken = subtask == 1 ? st.relationMode : spokenRelation(st.relationMode);
        tail = QString::number(spoken) + u'_' + QString::number(subtask) + u'-'
            + QString::number(random.range(1, 6));
        break;
    }
    case 111:
        tail = QString::number(spokenRelation(st.relationMode)) + u'-' + QString::number(random.range(1, 4));
        break;
    case 202:
        tail = pad(targetValue, 2);
        break;
    case 204:
        if (subtask == 3)
            tail = QString::number(spokenRelation(st.relationMode)) + u'_' + pad(p.problemValue(), 2);
        else
            tail = QString::number(spokenRelation(st.relationMode)) + u'_' + QString::number(subtask) + u'-'
                + QString::number(random.range(1, 4));
        break;
    default:
        break;
    }
    if (!tail.isEmpty()) {
        st.taskSound = taskSoundName(task, tail);
        host.playSound(st.taskSound, false);
    }

    trace("choice-problem", {{"task", QString::number(task)},
                             {"subtask", QString::number(subtask)},
                             {"level", QString::number(level)},
                             {"target", QString::number(p.targetTile)},
                             {"reference", QString::number(st.referenceTile)},
                             {"mode", QString::number(st.relationMode)},
                             {"value", QString::number(p.problemValue())}});
}

ChoiceVerdict ChoiceGenerator::judge(Problem &p, int selected)
{
    ChoiceVerdict out;
    if (selected < 1 || selected > p.tileCount || selected >= kTileInfoCount)
        return out;
    std::int32_t &chosen = p.tileValue[static_cast<std::size_t>(selected)];
    if (m_task == 204 && m_subtask == 3) {
        const std::int32_t pattern = p.problemValue();
        out.right = (m_state.relationMode == RelationMore && chosen > pattern)
            || (m_state.relationMode == RelationFewer && chosen < pattern);
        if (out.right)
            p.targetTile = selected;
    } else {
        out.right = selected == p.targetTile;
    }

    if (out.right && m_task == 204) {
        const int k = m_subtask == 1 ? 1 : p.answersGiven + 1 + 2;
        if (k >= 1 && k <= kDisplayBoxCount) {
            out.display.box = k;
            out.display.picture = p.tilePicturePrefix + pad(chosen, p.numberWidth) + QStringLiteral("d.jpg");
            out.display.repaintOnly = m_subtask == 2;
            m_state.display[static_cast<std::size_t>(k)].picture = out.display.picture;
        }
        chosen = p.problemValue();
    }
    return out;
}

QString ChoiceGenerator::signPicture() const
{
    if (m_task == 111 || m_task == 204)
        return relationSignPicture(m_state.relationMode);
    return kEqualsSign;
}

AnswerBoxLook ChoiceGenerator::answerBox(const Problem &p, bool solved) const
{
    AnswerBoxLook look;
    look.centred = m_task == 102 || m_task == 108 || (m_task == 202 && m_subtask >= 3);
    if (solved) {
        if (m_task == 102) {
            const int ref = std::clamp(m_state.referenceTile, 0, kMaxTiles);
            look.picture = p.altPicturePrefix + u'_'
                + pad(p.tileValue[static_cast<std::size_t>(ref)], p.altNumberWidth) + QStringLiteral("d.jpg");
        } else {
            look.picture = p.stem(p.targetTile) + QStringLiteral("d.Jpg");
        }
        if (m_task == 202 && m_subtask == 2)
            look.trailing = kAnswerFiller;
    } else {
        look.picture = m_task == 102 ? p.samplePicture : kEmptyAnswer;
    }
    return look;
}

QStringList ChoiceGenerator::mediaNames(const Problem &p) const
{
    QStringList names;
    const int n = std::clamp(p.tileCount, 0, kTileInfoCount - 1);
    for (int i = 1; i <= n; ++i) {
        appendOnce(names, p.stem(i) + QStringLiteral("n.Jpg"));
        appendOnce(names, p.stem(i) + QStringLiteral("k.Jpg"));
    }
    if (m_state.patternRowTouched) {
        if (m_state.patternRow & PatternRow::Pattern)
            appendOnce(names, p.samplePicture);
        if (m_state.patternRow & PatternRow::Sign)
            appendOnce(names, signPicture());
        if (m_state.patternRow & PatternRow::Answer)
            appendOnce(names, answerBox(p, false).picture);
        // The evaluation draws the solved look whenever the layout leaves
        // the pattern row on, even where the build hid the answer box.
        const AnswerBoxLook solved = answerBox(p, true);
        appendOnce(names, solved.picture);
        appendOnce(names, solved.trailing);
    }
    if (m_task == 204) {
        // The build reads the pattern's size for the first display box.
        if (m_subtask != 1)
            appendOnce(names, p.samplePicture);
        if (m_state.displayDrawn)
            for (int k = 1; k <= m_state.displayCount; ++k)
                appendOnce(names, m_state.display[static_cast<std::size_t>(k)].picture);
        // The numbers right answers bring into the display boxes.
        for (int i = 1; i <= n; ++i) {
            const std::int32_t v = p.tileValue[static_cast<std::size_t>(i)];
            bool right = i == p.targetTile;
            if (m_subtask == 3)
                right = (m_state.relationMode == RelationMore && v > p.problemValue())
                    || (m_state.relationMode == RelationFewer && v < p.problemValue());
            if (right)
                appendOnce(names, p.tilePicturePrefix + pad(v, p.numberWidth) + QStringLiteral("d.jpg"));
        }
    }
    appendOnce(names, m_state.taskSound);
    return names;
}

std::unique_ptr<Generator> makeChoiceGenerator()
{
    return std::make_unique<ChoiceGenerator>();
}

DisplayBoxPaint displayBoxPaint(const DisplayBoxPaintInput &in)
{
    DisplayBoxPaint out;
    out.box = in.current;
    const int pw = in.picture.width();
    out.box.setHeight(in.picture.height());
    const bool keepsWidth = in.solved || (in.task == 201 && in.box == 1);
    if (in.task == 306 && in.solved) {
        const int gap = in.nextLeft - in.current.left();
        out.dx = pw <= gap ? (gap - pw) / 2 : -7;
    } else if (in.task == 311) {
        out.dx = (115 - pw) / 2;
        out.box.setWidth(115);
    } else if (keepsWidth) {
        // Narrower pictures are centred; wider ones too, overhanging.
        out.dx = (in.current.width() - pw) / 2;
    } else {
        out.dx = 0;
        out.box.setWidth(pw);
    }
    if (in.task == 204 && in.subtask == 1)
        out.box.moveLeft((in.panel1Width - out.box.width()) / 2);
    if (in.task == 204 && in.subtask == 3)
        out.box.moveLeft((in.box - 1) * 180 - 300);
    return out;
}

} // namespace flumo
