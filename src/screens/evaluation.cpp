// Answer evaluation on the exercise screen: the verdict with its sounds,
// the scoring, the end of a solved problem with the praise pause, the card
// accounting and the score text of the cards button. The rules that are
// free of widgets live in engine/scoring; this file times them.
#include "engine/catalog.h"
#include "engine/scoring.h"
#include "exercises/choice.h"
#include "exercises/shapes.h"
#include "media/animation.h"
#include "platform/trace.h"
#include "screens/exercisescreen.h"
#include "screens/paintbox.h"
#include <QCoreApplication>

namespace flumo {

namespace {

constexpr int kPraiselessWaitMs = 2000;
constexpr int kAfterPraiseWaitMs = 50;
constexpr int kBeforeNextWaitMs = 250;
constexpr int kFirstGame = 400;
constexpr int kWallGame = 401;
constexpr int kVerdictShown = 308;   // shows its verdict sign in the answer box

// Exercises whose answer is judged by the common frame alone: right when
// SelectedTile is TargetTile, nothing drawn for a right step.
bool commonFrameOnly(int task)
{
    switch (task) {
    case 101: case 102: case 103: case 104: case 105: case 106: case 108: case 110: case 111:
    case 202: case 203: case 206: case 207:
    case 302: case 304: case 308:
        return true;
    default:
        return false;
    }
}

// While it lives, mouse buttons and keys addressed to the screen are dropped;
// when it ends, the input that queued up during the blocking waits is
// delivered, and so dropped, before the next problem can take any. Other
// windows (the card screen shown in between) get theirs.
class QueuedInputDrop : public QObject {
public:
    explicit QueuedInputDrop(QWidget *screen)
        : m_screen(screen)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~QueuedInputDrop() override
    {
        QCoreApplication::processEvents();
        QCoreApplication::instance()->removeEventFilter(this);
    }
    QueuedInputDrop(const QueuedInputDrop &) = delete;
    QueuedInputDrop &operator=(const QueuedInputDrop &) = delete;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            break;
        default:
            return false;
        }
        auto *w = qobject_cast<QWidget *>(watched);
        if (!w || (w != m_screen && !m_screen->isAncestorOf(w)))
            return false;
        trace("input-dropped", {{"event", QString::number(int(event->type()))}});
        return true;
    }

private:
    QWidget *m_screen;
};

} // namespace

PaintBox *ExerciseScreen::cardsButton() const
{
    return findChild<PaintBox *>(QStringLiteral("PBtl2"));
}

void ExerciseScreen::EvaluateAnswer()
{
    EngineState &s = m_ctx.state;
    Problem &p = m_problem;
    const int task = s.currentTask;
    p.freshProblem = false;
    m_timer2->setEnabled(false);
    if (handOverChoice()) {
        UpdateScoreHint();
        return;
    }

    // The families with their own steps (own handling, intermediate
    // actions, right-step drawings) answer here once they exist; until then
    // their answers are not judged at all rather than judged wrongly.
    // A game's step may move the selection (404 when a coin runs out).
    const int answered = p.selectedTile;
    ChoiceVerdict verdict;
    if (auto *c = dynamic_cast<ChoiceGenerator *>(m_generator.get())) {
        verdict = c->judge(p, p.selectedTile);
    } else if (auto *rule = dynamic_cast<AnswerRule *>(m_generator.get())) {
        ProblemContext ctx = gameContext();
        verdict.right = rule->judgeStep(ctx, p.selectedTile);
    } else if (commonFrameOnly(task)) {
        verdict.right = p.selectedTile == p.targetTile;
    } else {
        trace("answer-unhandled", {{"task", QString::number(task)}, {"tile", QString::number(p.selectedTile)}});
        UpdateScoreHint();
        return;
    }

    const auto traceAnswer = [&](bool right) {
        trace("answer", {{"tile", QString::number(answered)},
                         {"verdict", right ? QStringLiteral("right") : QStringLiteral("wrong")},
                         {"given", QString::number(p.answersGiven)},
                         {"needed", QString::number(p.answersNeeded)}});
    };
    const bool autoAdvance = m_ctx.settings.autoAdvance();
    if (!verdict.right) {
        traceAnswer(false);
        const auto *rule = dynamic_cast<const AnswerRule *>(m_generator.get());
        const bool quiet = isQuietControlTile(task, answered, false) || (rule && rule->quietWrong(p, answered));
        switch (recordWrongAnswer(m_ctx.scores, task, quiet, m_ctx.settings.useDing())) {
        case WrongSound::Ding: m_ctx.platform.dialogs.beep(BeepKind::Ding); break;
        case WrongSound::Reprimand: PlayVerdictSound(false); break;
        case WrongSound::None: break;
        }
        if (autoAdvance) {
            m_lastCursorMove = m_ctx.platform.clock.tickCount();
            m_timer2->setEnabled(true);
        }
    } else {
        ++p.answersGiven;
        applyRightStep(verdict);
        traceAnswer(true);
        if (p.answersGiven >= p.answersNeeded) {
            ProblemSolved();
        } else if (autoAdvance) {
            m_lastCursorMove = m_ctx.platform.clock.tickCount();
            m_timer2->setEnabled(true);
        }
    }
    UpdateScoreHint();
}

bool ExerciseScreen::handOverChoice()
{
    if (!m_generator)
        return false;
    Problem &p = m_problem;
    const GeneratorSettings settings{m_ctx.settings.noZero(), m_ctx.scores.cardsPerSet, m_ctx.scores.cardSet};
    ProblemContext ctx{p, m_ctx.state, settings, m_random, *this};
    if (!m_generator->takeChoice(ctx, p.selectedTile))
        return false;
    // The family may have moved the selection and changed the tiles: the
    // highlight marks follow the tile selected now.
    for (int i = 1; i <= kMaxTiles; ++i)
        if (PaintBox *box = tile(i))
            box->setTag(i == p.selectedTile ? i : 0);
    if (m_ctx.settings.autoAdvance()) {
        m_lastCursorMove = m_ctx.platform.clock.tickCount();
        m_timer2->setEnabled(true);
    }
    return true;
}

void ExerciseScreen::applyRightStep(const ChoiceVerdict &verdict)
{
    const DisplayAction &show = verdict.display;
    if (show.box < 1 || show.box > kDisplayPool)
        return;
    m_dispPicture[static_cast<std::size_t>(show.box)] = show.picture;
    // A box drawn with the problem is repainted, a hidden one drawn now;
    // both run the display box paint rule.
    drawDisplayBox(show.box);
}

void ExerciseScreen::ProblemSolved()
{
    EngineState &s = m_ctx.state;
    const int task = s.currentTask;
    s.screenBusy = 1;
    m_pbvyb1->setTag(1);
    m_timer2->setEnabled(false);
    recordSolved(m_ctx.scores, task);
    m_panelVyb1->hide();
    // 108 and 202 in subtasks 3 and 4 show nothing above the tiles until
    // solved; then their answer stands alone, centred.
    const ChoiceGenerator *c = choice();
    const bool aloneWhenSolved = c && c->answerBox(m_problem, true).centred && m_panel1->isVisibleTo(this);
    if (task != kWallGame
        && (m_pbvyb1->isVisibleTo(this) || aloneWhenSolved || task == kVerdictShown || showsFoundInAnswerBox(task)))
        drawPatternBox(m_pbvyb1);
    traceSolved(task, m_ctx.scores);

    if (m_ctx.settings.usePraise()) {
        m_timer1->setEnabled(true);
        PlayVerdictSound(true);
        m_rxGifAnimator1->stop();
        if (task < kFirstGame) {
            m_rxGifAnimator1->show();
            m_rxGifAnimator1->start();
            m_panelGifu1->raise();
            m_panelGifu1->show();
        }
        return;
    }
    // Without praise: a still pause that takes no input, then the next problem.
    const QueuedInputDrop drop(this);
    m_ctx.platform.clock.sleep(kPraiselessWaitMs);
    AfterSolved();
}

void ExerciseScreen::Timer1Timer()
{
    m_timer1->setEnabled(false);
    m_ctx.state.screenBusy = 0;
    if (m_ctx.settings.usePraise()) {
        m_rxGifAnimator1->stop();
        m_panelGifu1->hide();
    }
    AfterSolved();
}

void ExerciseScreen::AfterSolved()
{
    EngineState &s = m_ctx.state;
    const QueuedInputDrop drop(this);
    m_panelGifu1->hide();
    m_ctx.platform.clock.sleep(kAfterPraiseWaitMs);

    const CardOutcome outcome = settleCard(m_ctx.scores, m_ctx.settings);
    if (outcome == CardOutcome::RewardMode) {
        trace("reward-mode", {{"wired", m_rewardModeHandler ? QStringLiteral("1") : QStringLiteral("0")}});
        const int solvedTask = s.currentTask;
        if (m_rewardModeHandler)
            m_rewardModeHandler();
        // A game button of the card screen has built the reward game: the
        // child sees it as built, not reshuffled by a second build.
        if (s.currentTask != solvedTask && m_problem.problemReady) {
            UpdateScoreHint();
            return;
        }
    } else {
        traceCard(outcome, m_ctx.scores);
    }

    // Pending paints run; input does not: the solved problem's tiles are
    // gone and an Enter now would judge the old problem a second time.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_ctx.platform.clock.sleep(kBeforeNextWaitMs);

    s.currentSubtask = subtaskAfterSolved(m_ctx.settings.autoNextSubtask(), s.currentSubtask,
                                          subtaskCountOf(s.currentTask));
    UpdateScoreHint();
    ZamichUkl1Click();
}

void ExerciseScreen::PlayVerdictSound(bool right)
{
    const QString file = verdictSoundFile(right, m_ctx.settings, m_random);
    if (file.isEmpty())
        return;
    m_soundPlayer.setFileName(file);
    m_soundPlayer.playNow(file, false);
}

void ExerciseScreen::UpdateScoreHint()
{
    if (PaintBox *cards = cardsButton())
        cards->setHint(scoreHint(m_ctx.scores, m_ctx.settings));
}

} // namespace flumo
