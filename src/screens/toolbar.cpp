// The toolbar strip of the exercise screen: its six buttons, the six arrows
// with their pressed looks, the three label boxes with their popup menus,
// and the moves between exercises, subtasks and levels they lead to.
#include "engine/catalog.h"
#include "engine/scoring.h"
#include "platform/trace.h"
#include "screens/exercisescreen.h"
#include "screens/helpviewer.h"
#include "screens/paintbox.h"
#include <QAction>
#include <QMenu>

namespace flumo {

namespace {

constexpr int kExerciseMenuSize = 12;
// Items 1..7 of Menu1 are always shown: every group has at least eight.
constexpr int kAlwaysShownItems = 7;
constexpr int kArrowPressMs = 100;

bool isArrow(const PaintBox *box)
{
    return box->objectName().startsWith(QLatin1String("PBsip"));
}

bool isLabel(const PaintBox *box)
{
    const QString n = box->objectName();
    return n == QLatin1String("PBuk1") || n == QLatin1String("PBvar1") || n == QLatin1String("PBurov1");
}

// Menu texts are plain captions: a "&" must not turn into a mnemonic.
QString menuText(const QString &caption)
{
    QString t = caption;
    return t.replace(QLatin1Char('&'), QLatin1String("&&"));
}

QAction *item(QMenu *menu, int tag)
{
    const QList<QAction *> actions = menu->actions();
    return tag >= 1 && tag <= actions.size() ? actions.at(tag - 1) : nullptr;
}

} // namespace

void ExerciseScreen::createMenus()
{
    const auto make = [this](const QString &name, const QString &itemStem, int count,
                             void (ExerciseScreen::*choose)(int)) {
        auto *menu = new QMenu(this);
        menu->setObjectName(name);
        for (int tag = 1; tag <= count; ++tag) {
            QAction *a = menu->addAction(QString());
            // N11..N121 for the exercises, N1podukol1.. and N1uroven1.. for the rest.
            a->setObjectName(QStringLiteral("N%1%2").arg(tag).arg(itemStem));
            a->setCheckable(true);
            a->setData(tag);
            connect(a, &QAction::triggered, this, [this, choose, tag] { (this->*choose)(tag); });
        }
        return menu;
    };
    m_menu1 = make(QStringLiteral("Menu1"), QStringLiteral("1"), kExerciseMenuSize, &ExerciseScreen::N11Click);
    m_menuPodUkl1 = make(QStringLiteral("MenuPodUkl1"), QStringLiteral("podukol1"), kSubtaskMenuSize,
                         &ExerciseScreen::N1podukol1Click);
    m_menuUrovni1 = make(QStringLiteral("MenuUrovni1"), QStringLiteral("uroven1"), kLevelMenuSize,
                         &ExerciseScreen::N1uroven1Click);
    for (int tag = 1; tag <= kSubtaskMenuSize; ++tag)
        item(m_menuPodUkl1, tag)->setText(menuText(defaultSubtaskCaption(tag)));
    for (int tag = 1; tag <= kLevelMenuSize; ++tag)
        item(m_menuUrovni1, tag)->setText(menuText(defaultLevelCaption(tag)));
}

void ExerciseScreen::connectToolbar()
{
    for (PaintBox *box : m_toolbarBoxes) {
        connect(box, &PaintBox::pressed, this, [this](PaintBox *b, Qt::MouseButton button, QPoint) {
            if (button == Qt::LeftButton)
                toolbarBoxPressed(b);
        });
        connect(box, &PaintBox::released, this, [this](PaintBox *b, Qt::MouseButton, QPoint) { toolbarBoxReleased(b); });
        connect(box, &PaintBox::clicked, this, [this](PaintBox *b) { toolbarBoxClicked(b); });
    }
}

int ExerciseScreen::exerciseMenuIndex() const
{
    return m_panelMenu1->tag();
}

bool ExerciseScreen::arrowPressed(int arrowTag) const
{
    return arrowTag >= 1 && arrowTag <= 6 && m_arrowPressed[static_cast<std::size_t>(arrowTag)];
}

bool ExerciseScreen::arrowStepPossible(int arrowTag) const
{
    const EngineState &s = m_ctx.state;
    if (s.currentTask >= 500)
        return false;
    const int index = s.currentTask % 100;
    switch (arrowTag) {
    // The neighbouring exercise must also be one the screen can build.
    case 1: return index > 1 && canBuild(100 * m_menuGroup + exerciseMenuIndex() - 1);
    case 2: return index < m_groupExerciseCount && canBuild(100 * m_menuGroup + exerciseMenuIndex() + 1);
    case 3: return s.currentSubtask > 1;
    case 4: return s.currentSubtask < subtaskCountOf(s.currentTask);
    case 5: return s.currentLevel > 1;
    case 6: return s.currentLevel < maxLevelOf(s.currentTask);
    default: return false;
    }
}

void ExerciseScreen::toolbarBoxPressed(PaintBox *box)
{
    if (!isArrow(box) || !arrowStepPossible(box->tag()))
        return;
    m_arrowPressed[static_cast<std::size_t>(box->tag())] = true;
    box->repaint();
}

void ExerciseScreen::toolbarBoxReleased(PaintBox *box)
{
    if (!isArrow(box))
        return;
    m_arrowPressed[static_cast<std::size_t>(box->tag())] = false;
    box->repaint();
}

void ExerciseScreen::toolbarBoxClicked(PaintBox *box)
{
    const int tag = box->tag();
    if (isLabel(box)) {
        QMenu *menu = tag == 1 ? m_menu1 : tag == 2 ? m_menuPodUkl1 : m_menuUrovni1;
        if (tag != 1) {
            if (m_levelMenu.empty() || m_subtaskMenu.empty())
                readCaptionMenus();
            fillCaptionMenu(menu, tag == 2 ? m_subtaskMenu : m_levelMenu);
        }
        menu->popup(popupPoint(tag));
        return;
    }
    if (!isArrow(box)) {
        PBtl1Click(tag);
        return;
    }
    // At its limit an arrow does nothing at all (no pressed look, no wait).
    if (!arrowStepPossible(tag))
        return;
    trace("toolbar", {{"arrow", QString::number(tag)}});
    m_arrowPressed[static_cast<std::size_t>(tag)] = true;
    box->repaint();
    switch (tag) {
    case 1: SelectExercise(exerciseMenuIndex() - 1); break;
    case 2: SelectExercise(exerciseMenuIndex() + 1); break;
    case 3: stepSubtask(-1); break;
    case 4: stepSubtask(+1); break;
    case 5: stepLevel(-1); break;
    case 6: stepLevel(+1); break;
    default: break;
    }
    m_ctx.platform.clock.sleep(kArrowPressMs);
    m_arrowPressed[static_cast<std::size_t>(tag)] = false;
    box->repaint();
}

QPoint ExerciseScreen::popupPoint(int labelTag) const
{
    const char *name = labelTag == 1 ? "PBuk1" : labelTag == 2 ? "PBvar1" : "PBurov1";
    const PaintBox *box = m_toolbar->findChild<PaintBox *>(QString::fromLatin1(name));
    if (!box)
        return mapToGlobal(m_toolbar->pos());
    // The exercise menu opens a little to the left so that its check marks
    // stand under the label's text.
    const int dx = labelTag == 1 ? -14 : 2;
    return mapToGlobal(m_toolbar->pos() + box->pos() + QPoint(design(dx), design(2)));
}

void ExerciseScreen::fillCaptionMenu(QMenu *menu, const std::vector<MenuItemModel> &items)
{
    const EngineState &s = m_ctx.state;
    const int current = menu == m_menuUrovni1 ? s.currentLevel : s.currentSubtask;
    for (std::size_t i = 0; i < items.size(); ++i) {
        QAction *a = item(menu, static_cast<int>(i) + 1);
        if (!a)
            continue;
        a->setText(menuText(items[i].caption));
        a->setVisible(items[i].visible);
        // The check follows the state now: a build may have changed the
        // subtask after the captions were read.
        a->setChecked(items[i].visible && static_cast<int>(i) + 1 == current);
    }
}

void ExerciseScreen::BuildExerciseMenu()
{
    if (QAction *old = item(m_menu1, exerciseMenuIndex()))
        old->setChecked(false);
    const int group = m_ctx.state.currentGroup;
    const std::vector<int> tasks = groupExercises(group);
    m_menuGroup = group;
    for (int tag = 1; tag <= kExerciseMenuSize; ++tag) {
        QAction *a = item(m_menu1, tag);
        const bool inGroup = tag <= static_cast<int>(tasks.size());
        if (inGroup) {
            const int task = tasks[static_cast<std::size_t>(tag - 1)];
            a->setText(menuText(exerciseCaption(task)));
            // An exercise without a generator is listed but cannot be chosen.
            a->setEnabled(canBuild(task));
        }
        if (tag > kAlwaysShownItems)
            a->setVisible(inGroup);
    }
    m_panelMenu1->setTag(m_ctx.state.currentTask % 100);
    m_groupExerciseCount = static_cast<int>(tasks.size());
    if (QAction *now = item(m_menu1, exerciseMenuIndex()))
        now->setChecked(true);
}

void ExerciseScreen::SelectExercise(int itemTag)
{
    EngineState &s = m_ctx.state;
    if (itemTag < 1 || itemTag > m_groupExerciseCount || !canBuild(100 * m_menuGroup + itemTag))
        return;
    if (QAction *old = item(m_menu1, exerciseMenuIndex()))
        old->setChecked(false);
    s.currentTask = 100 * m_menuGroup + itemTag;
    m_panelMenu1->setTag(itemTag);
    if (m_links.selectRow)
        m_links.selectRow(itemTag);
    if (QAction *now = item(m_menu1, itemTag))
        now->setChecked(true);
    s.currentSubtask = 1;
    ZamichUkl1Click();
}

void ExerciseScreen::stepSubtask(int delta)
{
    EngineState &s = m_ctx.state;
    const int next = s.currentSubtask + delta;
    if (s.currentTask >= 500 || delta == 0 || next < 1 || next > subtaskCountOf(s.currentTask))
        return;
    s.currentSubtask = next;
    ZamichUkl1Click();
}

void ExerciseScreen::stepLevel(int delta)
{
    EngineState &s = m_ctx.state;
    const int next = s.currentLevel + delta;
    if (s.currentTask >= 500 || delta == 0 || next < 1 || next > maxLevelOf(s.currentTask))
        return;
    s.currentLevel = next;
    ZamichUkl1Click();
}

void ExerciseScreen::N11Click(int itemTag)
{
    trace("menu", {{"kind", QStringLiteral("exercise")}, {"choice", QString::number(itemTag)}});
    SelectExercise(itemTag);
}

void ExerciseScreen::N1podukol1Click(int itemTag)
{
    trace("menu", {{"kind", QStringLiteral("subtask")}, {"choice", QString::number(itemTag)}});
    if (itemTag < 1 || itemTag > kSubtaskMenuSize)
        return;
    m_ctx.state.currentSubtask = itemTag;
    ZamichUkl1Click();
}

void ExerciseScreen::N1uroven1Click(int itemTag)
{
    trace("menu", {{"kind", QStringLiteral("level")}, {"choice", QString::number(itemTag)}});
    if (itemTag < 1 || itemTag > kLevelMenuSize)
        return;
    // 201 shortens a prompt it has already spoken; a new number range must
    // be introduced in full.
    if (m_ctx.state.currentTask == 201)
        m_soundPlayer.clearLastSoundName();
    m_ctx.state.currentLevel = itemTag;
    ZamichUkl1Click();
}

void ExerciseScreen::PBtl1Click(int tag)
{
    trace("toolbar", {{"button", QString::number(tag)}});
    EngineState &s = m_ctx.state;
    PointerDevice &pointer = m_ctx.platform.pointer;
    switch (tag) {
    case 1:
        FreeGroupPanels();
        if (s.currentTask > 500) {
            s.currentTask = s.lastTask;
            s.currentLevel = s.effectiveLevel;
        }
        if (m_links.selectRow)
            m_links.selectRow(s.currentTask % 100);
        m_timer2->setEnabled(false);
        if (m_links.showIntro)
            m_links.showIntro();
        break;
    case 2: {
        if (!m_ctx.settings.useCards())
            break;
        const QPoint at = pointer.pos();
        if (m_links.showCards)
            m_links.showCards();
        pointer.setPos(at);
        break;
    }
    case 3: {
        const QPoint at = pointer.pos();
        // Without a settings screen nothing can have changed.
        SettingsTags before{m_ctx.settings.toolbarOnTop() ? 1 : 0, m_ctx.settings.countWithZero() ? 1 : 0};
        if (m_links.showSettings)
            before = m_links.showSettings();
        pointer.setPos(at);
        if ((m_ctx.settings.toolbarOnTop() ? 1 : 0) != before.toolbarOnTop) {
            repaint();
            ZmenaPozTlacitek();
        }
        if (PaintBox *cards = m_toolbar->findChild<PaintBox *>(QStringLiteral("PBtl2")))
            cards->repaint();
        if ((m_ctx.settings.countWithZero() ? 1 : 0) != before.countWithZero) {
            repaint();
            ZamichUkl1Click();
        }
        m_timer2->setEnabled(m_ctx.settings.autoAdvance());
        if (PaintBox *cards = m_toolbar->findChild<PaintBox *>(QStringLiteral("PBtl2")))
            cards->setHint(scoreHint(m_ctx.scores, m_ctx.settings));
        break;
    }
    case 4:
        ZamichUkl1Click();
        break;
    case 5:
        showHelp(m_ctx.platform.files, 1, this);
        break;
    case 6: {
        const QString last = m_soundPlayer.lastSoundName();
        playSound(last, false);
        break;
    }
    default:
        break;
    }
}

} // namespace flumo
