#pragma once
// The exercise screen FUkolu1: the 800 x 600 screen on which problems are
// shown. It owns the tile pools, the shared pictures, the pointers, the
// sound player, the random generator, the three timers and the toolbar.
#include "engine/catalog.h"
#include "engine/generator.h"
#include "engine/layout.h"
#include "engine/problem.h"
#include "engine/random.h"
#include "media/soundplayer.h"
#include "platform/inicache.h"
#include "screens/context.h"
#include "screens/controls.h"
#include <QCursor>
#include <QHash>
#include <QSet>
#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace flumo {

class GifView;
class PaintBox;

// The picture objects every exercise shares; null images until filled.
struct SharedPictures {
    QImage pictureBuffer;      // filled by LoadPicture
    QImage pictureBuffer2;     // toolbar pictures
    QImage scratchBitmap;      // per-exercise drawing
    QImage colouringBitmap;
    QImage mazeCursorBitmap1;
    QImage mazeCursorBitmap2;
};

class ChoiceGenerator;
struct ChoiceVerdict;

// The screen is the ProblemHost of the generators: everything a generator
// shows goes through the host methods below.
class ExerciseScreen : public QWidget, public ProblemHost {
    Q_OBJECT
public:
    static constexpr int kTilePool = 12;       // Tiles that exist from the start
    static constexpr int kDisplayPool = 7;
    static constexpr int kBackPool = 16;       // back boxes that exist from the start
    static constexpr int kMaxGroupPanels = 10;
    static constexpr int kClientWidth = 800;
    static constexpr int kClientHeight = 600;
    static constexpr int kCornerEllipse = 68;

    // ctx outlives the screen. display: the metrics the layout is made for.
    explicit ExerciseScreen(AppContext &ctx, const DisplayMetrics &display = DisplayMetrics::current(),
                            QWidget *parent = nullptr);
    ~ExerciseScreen() override;

    // Pool boxes by number (1-based); nullptr outside the pool. Tiles and
    // back boxes 1..64 exist while the current layout needs them (EnsureTiles).
    PaintBox *tile(int n) const;
    PaintBox *displayBox(int n) const;
    PaintBox *backBox(int n) const;

    Panel *toolbar() const { return m_toolbar; }          // PanelTlac1
    Panel *upperPanel() const { return m_panel1puv; }     // Panel1puv
    Panel *patternPanel() const { return m_panel1; }      // Panel1
    Panel *tilePanel() const { return m_panelVyb1; }      // PanelVyb1

    TagTimer *timer1() const { return m_timer1; }         // praise pause
    TagTimer *timer2() const { return m_timer2; }         // automatic pointer movement
    TagTimer *timer3() const { return m_timer3; }         // delayed sound start, maze blink

    Random &random() { return m_random; }
    SoundPlayer &soundPlayer() { return m_soundPlayer; }
    SharedPictures &sharedPictures() { return m_shared; }
    const ScreenColours &colours() const { return m_colours; }
    const QString &startFolder() const { return m_startFolder; }
    const QCursor &pointer1() const { return m_pointer1; }
    const QCursor &pointer2() const { return m_pointer2; }
    const DisplayMetrics &display() const { return m_display; }

    // ZmenaPozTlacitek: the strip at top 10 and Panel1puv at top 47, or for
    // exercises below 401 with ToolbarOnTop off the strip at top 198 (between
    // the pattern area and the tiles) and Panel1puv at top 27.
    void ZmenaPozTlacitek();

    // The plain background picture of the window for the current exercise
    // ("" when none applies).
    QString backgroundName() const;

    // The picture a toolbar box shows now ("" for none).
    QString toolbarPictureName(const PaintBox &box) const;

    // --- Toolbar and navigation (toolbar.cpp) ---

    // The strip's buttons by tag: 1 back to the task selection screen,
    // 2 card collection (only while UseCards), 3 settings, 4 new problem,
    // 5 help, 6 repeat the last prompt. Other tags do nothing.
    void PBtl1Click(int tag);
    // Switches to exercise `item` (1..12: the position in the current group,
    // the Tag of a Menu1 item) with subtask 1 and builds a Problem. An item
    // outside the group or one whose exercise cannot be built does nothing.
    void SelectExercise(int item);
    // One step to the neighbouring subtask / level (delta -1 or +1) and a
    // new Problem; a step past the first or last one does nothing.
    void stepSubtask(int delta);
    void stepLevel(int delta);
    // Refills Menu1 for CurrentGroup and checks CurrentTask's item.
    void BuildExerciseMenu();
    // ExerciseMenuIndex (the position 1..12 of the current exercise in its
    // group) and GroupExerciseCount, both as of the last BuildExerciseMenu
    // or SelectExercise.
    int exerciseMenuIndex() const;
    int groupExerciseCount() const { return m_groupExerciseCount; }

    // The other screens, reached through what the application wires here.
    // Each may stay empty (the action then only does its own part).
    struct SettingsTags {
        int toolbarOnTop = 0;       // TlacNahore1's state when shown (1 checked)
        int countWithZero = 0;      // SNulou1's state when shown
    };
    struct ScreenLinks {
        // SelectedRow of the task selection screen := row (1..12).
        std::function<void(int row)> selectRow;
        // Refreshes the task selection screen's card strip and shows it.
        std::function<void()> showIntro;
        // The card screen in ViewMode, modal; returns when it closed.
        std::function<void()> showCards;
        // The settings screen, modal; returns the tags recorded on showing.
        std::function<SettingsTags()> showSettings;
    };
    void setScreenLinks(ScreenLinks links) { m_links = std::move(links); }

    // The popup menus (owned by this screen); 1-based items as in the
    // design: Menu1 12 items, MenuPodUkl1 4, MenuUrovni1 7.
    QMenu *exerciseMenu() const { return m_menu1; }
    QMenu *subtaskMenu() const { return m_menuPodUkl1; }
    QMenu *levelMenu() const { return m_menuUrovni1; }
    // Where a label box's popup opens, in global coordinates (tag 1 PBuk1,
    // 2 PBvar1, 3 PBurov1).
    QPoint popupPoint(int labelTag) const;
    // Choices of the three menus (the item's Tag).
    void N11Click(int item);
    void N1podukol1Click(int item);
    void N1uroven1Click(int item);

    // --- Problem cycle (problemcycle.cpp) ---

    // Builds a new Problem of CurrentTask. A TaskId without a generator is
    // refused before anything changes ("problem-refused task=<t>").
    void ZamichUkl1Click();
    // Whether ZamichUkl1Click can build this TaskId.
    bool canBuild(int task) const;
    // Where generators come from; tests hand in their own table.
    using GeneratorLookup = GeneratorFactory (*)(int task);
    void setGeneratorLookup(GeneratorLookup lookup) { m_generatorLookup = lookup; }

    // EnsureTiles applied: hides, frees, creates and reparents Tiles and
    // back boxes as the plan says.
    void applyTilePlan(const TilePlan &plan);
    // The extra panels "Pan1".."PanN" of CurrentTask (after freeing the old ones).
    void CreateGroupPanels();
    // Gives every control in an extra panel back to the parent it needs for
    // CurrentTask (Tiles: PanelVyb1 below 400, else the screen; all others:
    // the screen), then frees the panels. Safe to call with none.
    void FreeGroupPanels();
    Panel *groupPanel(int n) const;

    // Redraws every highlighted Tile (tag = its index) in its normal look
    // and clears its tag.
    void RestoreNormalLooks();
    // The pointer-move handler of Tile id (1..64).
    void tilePointerMoved(int id);
    // Milliseconds (platform clock) of the last pointer move over a Tile.
    qint64 lastCursorMove() const { return m_lastCursorMove; }
    // The picture a Tile or back box shows when painted now ("" when it
    // draws nothing). Back boxes are given by their hint number (n + 1000).
    QString tilePictureName(int id) const;

    Problem &problem() { return m_problem; }
    const Problem &problem() const { return m_problem; }
    Generator *generator() const { return m_generator.get(); }
    // SuppressBackground (the tag of PaintBox1): 1 from creation until the
    // end of the first build, and during every build.
    bool suppressBackground() const;
    void setSuppressBackground(bool on);
    // The decoded picture of the media folder (containers first), cached
    // per name; null when it cannot be read. A copy (shared, not deep): a
    // reference into the cache would dangle once a later load grows it.
    QImage picture(const QString &name);

    // ProblemHost
    QSize pictureSize(const QString &name) override;
    void layOutTiles() override;
    void showTile(int i) override;
    void drawPatternRow(unsigned boxes, bool hideOthers, bool arrange) override;
    void playSound(const QString &name, bool wait) override;
    void placeDisplayBox(int k, const QString &picture, int left, int width, bool draw) override;
    void reprimand() override;
    void animateRiddleFigure(bool thinking) override;
    void coverTile(int i) override;
    void placeBox(GameBox box, int n, const QRect &rect) override;
    void drawBox(GameBox box, int n) override;
    void hideBox(GameBox box, int n) override;
    void selectTile(int n) override;
    void setGameTimer(int intervalMs) override;
    QImage pictureImage(const QString &name) override;
    QByteArray readDataFile(const QString &name) override;
    void handKey(int key, InputFrom from) override;
    void setOneKey(bool on) override;
    void setTileEnabled(int i, bool on) override;
    void movePointer(GameBox box, int n, QPoint at) override;
    void pause(int ms) override;
    void beep() override;

    // --- Games (gamehost.cpp) ---

    // The box of a kind and number; nullptr when it does not exist.
    PaintBox *gameBox(GameBox box, int n) const;
    // Whether the game timer runs, and its period.
    bool gameTimerActive() const;
    void setDisplayPicture(int k, const QString &picture) override;
    void placeTile(int i, const QRect &rect, bool interactive) override;
    // Hides Tile i and gives it its pointer and clicks back.
    void hideTile(int i) override;
    void showAnimation(const QString &file) override;
    void playDirect(const QString &name, bool wait) override;
    void ensureTiles() override;

    // The pattern row boxes' pictures now ("" for none): PBvz1Paint,
    // PBrov1Paint, PBvyb1Paint.
    QString patternPictureName() const;
    QString signPictureName() const;
    QString answerPictureName() const;
    void ArrangePatternRow();

    // --- Answer input (answerinput.cpp) and evaluation (evaluation.cpp) ---

    // Virtual-key codes of the keys the screen acts on.
    enum KeyCode : int {
        KeyEnter = 13, KeyEsc = 27, KeySpace = 32,
        KeyLeft = 37, KeyUp = 38, KeyRight = 39, KeyDown = 40,
        KeyH = 72, KeyP = 80,
        KeyF1 = 112, KeyF2, KeyF3, KeyF4, KeyF5, KeyF6, KeyF7, KeyF8, KeyF9,
    };
    // Where an Enter comes from: a real key, a tile click handed on as
    // Enter, or a click on the picture box PB0.
    enum class InputSource { Keyboard, Tile, Picture };

    // FormKeyUp: the release of key (a KeyCode or another virtual-key code)
    // with the modifiers held; sourceTile: the clicked tile of a Tile source.
    // Ignored while Timer1 (the praise pause) runs.
    void FormKeyUp(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                   InputSource source = InputSource::Keyboard, int sourceTile = 0);
    // PaintBox1Click: a click on Tile n.
    void tileClicked(int n);
    // Timer2Timer: one tick of the automatic cursor movement.
    void Timer2Timer();

    // The games take their own keys, clicks and timer through the generator
    // hooks (engine/generator.h); the screen hands them on (gamehost.cpp).

    // The answer rule of a family (engine/generator.h).
    using AnswerRule = flumo::AnswerRule;

    // EvaluateAnswer: judges the answer on SelectedTile.
    void EvaluateAnswer();
    // ProblemSolved: the problem is complete (tiles hidden, point counted,
    // praise pause started, or a silent 2000 ms and AfterSolved).
    void ProblemSolved();
    // Timer1Timer: the end of the praise pause.
    void Timer1Timer();
    // AfterSolved: card accounting, subtask step, next problem.
    void AfterSolved();
    // Starts a random ticked praise (right) or reprimand sound, not waiting;
    // silence when the list has no ticked item or praise is off.
    void PlayVerdictSound(bool right);
    // The score text of the cards button PBtl2.
    void UpdateScoreHint();
    // The one call that shows the card screen in RewardMode (modal) when the
    // last card of a set is won. Unset: traced ("reward-mode wired=0") only.
    void setRewardModeHandler(std::function<void()> handler) { m_rewardModeHandler = std::move(handler); }

    PaintBox *cardsButton() const;      // PBtl2
    Panel *praisePanel() const { return m_panelGifu1; }
    GifView *praiseAnimation() const { return m_rxGifAnimator1; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    // The cursor step of one cursor key on the tile grid; 0 for a key that
    // is not a cursor key.
    int cursorTarget(int key, int from) const;
    // Redraws old (normal) and the tile now selected (highlighted, tag set).
    void moveCursorLook(int old);
    void wrongTileClicked();
    void applyRightStep(const ChoiceVerdict &verdict);
    // A family that takes the chosen tile without a verdict (Generator::
    // takeChoice); true when it did.
    bool handOverChoice();
    // The tick run while a waiting sound blocks the thread: the prompt
    // animation steps on without input being processed.
    void animatePromptTick();

    // Games (gamehost.cpp).
    // The generator of the problem on screen; nullptr during a build or when
    // the last build was refused.
    Generator *game() const;
    void connectGameBoxes();
    // The context the game hooks get; valid while the screen lives.
    ProblemContext gameContext();
    // The generator's drawing of a box; false when the common painter draws it.
    bool paintGameBox(GameBox kind, int n, PaintBox &box, QPainter &p, QChar look);
    void gameBoxClicked(GameBox kind, int n, QPoint at);
    // The picture without the colour of its bottom-left pixel, cached.
    const QImage &transparentPicture(const QString &name);
    // The cursor step a game asks for (Generator::cursorStep), -1 for none.
    int gameCursorStep(int key, int from) const;
    // Tells the game that SelectedTile moved away from Tile from.
    void gameCursorMoved(int from);
    GeneratorSettings m_genSettings;
    QTimer *m_gameTimer = nullptr;
    QHash<QString, QImage> m_transparentPictures;
    std::function<void()> m_rewardModeHandler;
    int m_altChordKey = 0;              // a key pressed together with Alt, until released
    QSet<int> m_pressedKeys;            // keys whose press this screen saw, until released
    qint64 m_promptFrameAt = 0;         // platform clock of the prompt animation's last frame
    int m_promptFrameDelay = 0;         // ms that frame stays

signals:
    // Emitted from the close event, after Timer2 stopped.
    void closed();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createDesignControls();
    void createToolbar();
    void loadPointers();
    void createPools();
    void restoreStartFolder();
    void onTimer3();
    // The family's continuation after the sound its build started (or
    // could not start: a missing file must not stop a spoken riddle).
    void continueAfterSound();
    // Problem cycle helpers (problemcycle.cpp).
    PaintBox *createTile(int n, QWidget *parent);
    PaintBox *createBackBox(int n);
    void paintTile(PaintBox &box, QPainter &p);
    void drawTileLook(int i, QChar letter);
    void speakPrompt();
    void preparePraiseAnimation();
    void readCaptionMenus();
    void letUpdatesRun();
    void traceProblem();
    void paintPatternBox(PaintBox &box, QPainter &p);
    void drawPatternBox(PaintBox *box);
    void paintDisplayBox(PaintBox &box, QPainter &p);
    void drawDisplayBox(int k);
    void connectTile(PaintBox *box);
    // What the family's own rule shows in a pattern row box ("" for none).
    QString familyRowPicture(unsigned box) const;
    const ChoiceGenerator *choice() const;
    QWidget *tileHome() const;
    // Toolbar and background pictures, read once per name from the working
    // folder; a missing or broken file gives a null image (nothing drawn).
    QImage plainPicture(const QString &name);

    // A design rectangle at this screen's dpi.
    QRect design(int left, int top, int width, int height) const;
    int design(int value) const;

    AppContext &m_ctx;
    DisplayMetrics m_display;
    Random m_random;
    SoundPlayer m_soundPlayer;          // MediaPlayer1
    SharedPictures m_shared;
    ScreenColours m_colours;
    QString m_startFolder;
    QCursor m_pointer1;
    QCursor m_pointer2;
    QHash<QString, QImage> m_plainPictures;
    IniCache m_captionFiles;            // Urov1.INI and PodUkl1.INI, read once per change

    // Children, owned by their Qt parents.
    Panel *m_panel1puv = nullptr;
    Panel *m_panel1 = nullptr;
    PaintBox *m_pbvz1 = nullptr;
    PaintBox *m_pbrov1 = nullptr;
    PaintBox *m_pbvyb1 = nullptr;
    GifView *m_rxGifAnim2 = nullptr;
    Panel *m_panelVyb1 = nullptr;
    Panel *m_panelGifu1 = nullptr;
    GifView *m_rxGifAnimator1 = nullptr;
    GifView *m_gifAnimZac1 = nullptr;
    Panel *m_panelSamana1 = nullptr;
    GifView *m_rxGifAnimator1n = nullptr;
    PaintBox *m_pb0 = nullptr;
    PaintBox *m_pb0celk = nullptr;
    PaintBox *m_pb1pom = nullptr;
    PaintBox *m_paintBox2 = nullptr;
    QLabel *m_label2 = nullptr;
    PaintBox *m_paintBox1 = nullptr;
    Panel *m_panelMenu1 = nullptr;
    QPushButton *m_zamichUkl1 = nullptr;
    Panel *m_toolbar = nullptr;
    std::vector<PaintBox *> m_toolbarBoxes;
    TagTimer *m_timer1 = nullptr;
    TagTimer *m_timer2 = nullptr;
    TagTimer *m_timer3 = nullptr;
    std::array<PaintBox *, kMaxTiles> m_tiles{};           // 1..12 always, 13..64 on demand
    std::array<PaintBox *, kDisplayPool> m_displayBoxes{};
    std::array<PaintBox *, kMaxTiles> m_backBoxes{};       // 1..16 always, 17..64 on demand
    std::array<Panel *, kMaxGroupPanels> m_groupPanels{};

    // Problem cycle state.
    Problem m_problem;
    std::unique_ptr<Generator> m_generator;
    int m_generatorTask = 0;                // the TaskId m_generator was made for
    GeneratorLookup m_generatorLookup = &generatorFor;
    // Decoded media pictures by name, each with the build that last used it.
    struct CachedPicture {
        QImage image;
        quint64 usedInBuild = 0;
    };
    QHash<QString, CachedPicture> m_pictures;
    quint64 m_buildSerial = 0;
    // Drops the pictures used longest ago until the cache fits its budget.
    void trimPictureCache();
    // A look drawn directly (RestoreNormalLooks, the highlight move) that
    // the Tile's next paint shows instead of its state letter; 0 for none.
    std::array<QChar, kMaxTiles + 1> m_drawnLook{};
    std::array<QString, kDisplayPool + 1> m_dispPicture;   // DispPicture[1..7]
    std::array<int, kDisplayPool + 1> m_dispDx{};
    qint64 m_lastCursorMove = 0;
    std::vector<MenuItemModel> m_levelMenu;     // MenuUrovni1 as last read
    std::vector<MenuItemModel> m_subtaskMenu;   // MenuPodUkl1 as last read

    // Toolbar and navigation (toolbar.cpp).
    void createMenus();
    void connectToolbar();
    void toolbarBoxPressed(PaintBox *box);
    void toolbarBoxReleased(PaintBox *box);
    void toolbarBoxClicked(PaintBox *box);
    // Whether arrow tag (1..6) can step now / shows its pressed look.
    bool arrowStepPossible(int arrowTag) const;
    bool arrowPressed(int arrowTag) const;
    void fillCaptionMenu(QMenu *menu, const std::vector<MenuItemModel> &items);
    ScreenLinks m_links;
    QMenu *m_menu1 = nullptr;               // owned by this screen
    QMenu *m_menuPodUkl1 = nullptr;
    QMenu *m_menuUrovni1 = nullptr;
    int m_menuGroup = 0;                    // the group Menu1 was filled for
    int m_groupExerciseCount = 0;           // GroupExerciseCount (Menu1's tag)
    std::array<bool, 7> m_arrowPressed{};   // by arrow tag 1..6: pressed look shown
};

} // namespace flumo
