// Answer input on the exercise screen: tile clicks, key releases with the
// command keys, the cursor over the tile grid and its automatic movement.
// Everything acts on key release, so a held key acts once; Timer1 (the
// praise pause) shuts answers out.
#include "engine/catalog.h"
#include "media/animation.h"
#include "platform/trace.h"
#include "screens/exercisescreen.h"
#include "screens/paintbox.h"
#include <QKeyEvent>

namespace flumo {

namespace {

constexpr int kColouring = 411;
constexpr int kColouringReward = 502;
constexpr int kMaze = 412;
constexpr int kFirstRewardGame = 500;

bool isColouring(int task)
{
    return task == kColouring || task == kColouringReward;
}

bool isCursorKey(int key)
{
    switch (key) {
    case ExerciseScreen::KeyEnter:
    case ExerciseScreen::KeySpace:
    case ExerciseScreen::KeyLeft:
    case ExerciseScreen::KeyUp:
    case ExerciseScreen::KeyRight:
    case ExerciseScreen::KeyDown:
        return true;
    default:
        return false;
    }
}

// Qt's key to the virtual-key code the handlers use; 0 for keys that have
// none here (modifiers alone among them).
int virtualKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return ExerciseScreen::KeyEnter;
    case Qt::Key_Escape: return ExerciseScreen::KeyEsc;
    case Qt::Key_Space: return ExerciseScreen::KeySpace;
    case Qt::Key_Left: return ExerciseScreen::KeyLeft;
    case Qt::Key_Up: return ExerciseScreen::KeyUp;
    case Qt::Key_Right: return ExerciseScreen::KeyRight;
    case Qt::Key_Down: return ExerciseScreen::KeyDown;
    default: break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return 112 + (qtKey - Qt::Key_F1);
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return qtKey;   // the same codes
    return 0;
}

} // namespace

// ---------------------------------------------------------------- Qt events

void ExerciseScreen::keyPressEvent(QKeyEvent *event)
{
    // Alt may be let go before the letter; the chord is remembered at the press.
    const int key = virtualKey(event->key());
    if (key != 0 && !event->isAutoRepeat()) {
        m_altChordKey = (event->modifiers() & Qt::AltModifier) ? key : 0;
        m_pressedKeys.insert(key);
    }
    event->accept();
}

void ExerciseScreen::keyReleaseEvent(QKeyEvent *event)
{
    event->accept();
    if (event->isAutoRepeat())
        return;
    const int key = virtualKey(event->key());
    if (key == 0)
        return;
    // A release whose press went elsewhere (a popup menu chosen with Enter,
    // a message box, the intro screen that started this exercise) is not
    // this screen's key: acting on it would answer a tile by accident.
    if (!m_pressedKeys.remove(key)) {
        trace("key-ignored", {{"code", QString::number(key)}});
        return;
    }
    Qt::KeyboardModifiers modifiers = event->modifiers();
    if (key == m_altChordKey)
        modifiers |= Qt::AltModifier;
    m_altChordKey = 0;
    FormKeyUp(key, modifiers);
}

// ---------------------------------------------------------------- keys

void ExerciseScreen::FormKeyUp(int key, Qt::KeyboardModifiers modifiers, InputSource source, int sourceTile)
{
    trace("key", {{"code", QString::number(key)}});
    if (m_timer1->isActive())
        return;
    EngineState &s = m_ctx.state;
    const int task = s.currentTask;

    // A game takes its own cursor keys first (it may turn one into another).
    if (Generator *g = game(); g && isCursorKey(key)) {
        ProblemContext ctx = gameContext();
        const InputFrom from = source == InputSource::Tile      ? InputFrom::Tile
                               : source == InputSource::Picture ? InputFrom::Picture
                                                                : InputFrom::Keyboard;
        if (g->takeKey(ctx, key, from, sourceTile))
            return;
    }

    const bool ordinary = task < kFirstRewardGame;
    const bool alt = modifiers & Qt::AltModifier;
    switch (key) {
    case KeyEsc:
        if (m_links.showIntro)
            m_links.showIntro();
        return;
    case KeyH:
        if (alt && ordinary)
            PBtl1Click(2);
        return;
    case KeyP:
        if (alt && ordinary)
            PBtl1Click(3);
        return;
    case KeyF1:
        PBtl1Click(5);
        return;
    case KeyF2:
        if (ordinary)
            playSound(m_soundPlayer.lastSoundName(), false);
        return;
    case KeyF3:
        if (ordinary && task % 100 > 1)
            SelectExercise(task % 100 - 1);
        return;
    case KeyF4:
        if (ordinary && task % 100 < static_cast<int>(groupExercises(task / 100).size()))
            SelectExercise(task % 100 + 1);
        return;
    case KeyF5:
    case KeyF6:
        if (ordinary)
            stepLevel(key == KeyF5 ? -1 : 1);
        return;
    case KeyF7:
    case KeyF8:
        if (ordinary)
            stepSubtask(key == KeyF7 ? -1 : 1);
        return;
    case KeyF9:
        ZamichUkl1Click();
        return;
    default:
        break;
    }
    if (!isCursorKey(key))
        return;

    if (task == kMaze) {
        // The maze walks by the keys its game takes; the tile cursor never
        // moves. An Enter the game hands on is its step onto the next number.
        if (key == KeyEnter && game()) {
            EvaluateAnswer();
            return;
        }
        trace("input-unhandled", {{"task", QString::number(task)}, {"code", QString::number(key)}});
        return;
    }

    const int old = m_problem.selectedTile;
    if (key != KeyEnter) {
        const int target = cursorTarget(key, old);
        if (target < 1)
            return;
        m_problem.selectedTile = target;
        moveCursorLook(old);
        trace("cursor", {{"tile", QString::number(target)}, {"by", QStringLiteral("key")}});
        return;
    }
    // Enter with nothing selected has nothing to answer.
    if (old >= 1)
        EvaluateAnswer();
}

int ExerciseScreen::cursorTarget(int key, int from) const
{
    const int n = std::min(m_problem.tileCount, kMaxTiles);
    if (n < 1)
        return 0;
    // With nothing selected every cursor key starts on the first tile.
    if (from < 1 || from > n)
        return 1;
    if (const int own = gameCursorStep(key, from); own >= 0)
        return own;
    const int c = std::max(1, m_problem.gridColumns);
    const int r = std::max(1, m_problem.gridRows);
    int s = from;
    // The rules are those of a full grid; where a grid is not full the
    // computed tile may not exist, and the cursor then takes the nearest
    // real tile of the same row (Left, Right) or column (Up, Down).
    switch (key) {
    case KeySpace:
        s = s >= n ? 1 : s + 1;
        break;
    case KeyLeft:
        s = (s - 1) % c == 0 ? s + c - 1 : s - 1;
        s = std::min(s, n);
        break;
    case KeyRight:
        if (s % c == 0)
            s = s - c + 1;
        else if (s + 1 > n)
            s = s - (s - 1) % c;
        else
            s = s + 1;
        break;
    case KeyUp:
        s = s - c > 0 ? s - c : s + (r - 1) * c;
        while (s > n)
            s -= c;
        break;
    case KeyDown:
        if (s + c <= n)
            s = s + c;
        else
            s = (s - 1) % c + 1;   // the same column's top row
        break;
    default:
        return 0;
    }
    return s;
}

void ExerciseScreen::moveCursorLook(int old)
{
    const int s = m_problem.selectedTile;
    if (old >= 1)
        drawTileLook(old, u'n');
    if (old >= 1 && s != old)
        m_lastCursorMove = m_ctx.platform.clock.tickCount();
    if (PaintBox *box = tile(s)) {
        box->setTag(s);
        drawTileLook(s, u'k');
    }
    gameCursorMoved(old);
}

// ---------------------------------------------------------------- mouse

void ExerciseScreen::tileClicked(int n)
{
    trace("click", {{"tile", QString::number(n)}});
    if (m_timer1->isActive())
        return;
    const int task = m_ctx.state.currentTask;
    if (isColouring(task)) {
        FormKeyUp(KeyEnter, Qt::NoModifier, InputSource::Tile, n);
        return;
    }
    if (n == m_problem.selectedTile)
        EvaluateAnswer();
    else
        wrongTileClicked();
}

void ExerciseScreen::wrongTileClicked()
{
    // The cursor stood elsewhere (keys or the automatic movement moved it):
    // not judged, nothing counted, only the reprimand.
    m_timer2->setEnabled(false);
    if (m_ctx.settings.useDing())
        m_ctx.platform.dialogs.beep(BeepKind::Ding);
    else
        PlayVerdictSound(false);
    if (m_ctx.settings.autoAdvance()) {
        m_lastCursorMove = m_ctx.platform.clock.tickCount();
        m_timer2->setEnabled(true);
    }
}

// ---------------------------------------------------------------- automatic movement

void ExerciseScreen::Timer2Timer()
{
    const qint64 now = m_ctx.platform.clock.tickCount();
    if (now - m_lastCursorMove <= qint64(m_ctx.settings.autoAdvanceDelay()) * 100)
        return;
    m_lastCursorMove = now;
    const int task = m_ctx.state.currentTask;
    if (task == kColouring || task == kMaze) {
        FormKeyUp(KeySpace);
        return;
    }
    const int n = std::min(m_problem.tileCount, kMaxTiles);
    if (n < 1)
        return;
    const int old = m_problem.selectedTile;
    const int own = gameCursorStep(KeySpace, old);
    if (own == 0)
        return;
    m_problem.selectedTile = own > 0 ? own : old >= n || old < 1 ? 1 : old + 1;
    moveCursorLook(old);
    trace("cursor", {{"tile", QString::number(m_problem.selectedTile)}, {"by", QStringLiteral("auto")}});
}

// ---------------------------------------------------------------- waits

void ExerciseScreen::animatePromptTick()
{
    if (!m_gifAnimZac1->isVisible())
        return;
    const qint64 now = m_ctx.platform.clock.tickCount();
    if (now - m_promptFrameAt < m_promptFrameDelay)
        return;
    m_promptFrameAt = now;
    m_promptFrameDelay = m_gifAnimZac1->stepFrame();
}

} // namespace flumo
