#include "engine/settings.h"
#include "engine/catalog.h"
#include "platform/filestore.h"
#include "platform/inifile.h"
#include "platform/trace.h"
#include <algorithm>

namespace flumo {

namespace {

const QString kHodnoceni = QStringLiteral("Hodnoceni");
const QString kObecne = QStringLiteral("Obecne");
const QString kOdmeny = QStringLiteral("Odmeny");
const QString kPochvaly = QStringLiteral("Pochvaly");
const QString kPokarani = QStringLiteral("Pokarani");

// Defaults of the keys as the file would give them when missing.
constexpr int kDefaultCardCountIndex = 4;   // past the last item: clamps to nine cards
constexpr int kDefaultTask = 101;
constexpr int kFirstLevel = 1, kLastLevel = 7;
constexpr int kFirstCardSet = 1, kLastCardSet = 10;

std::vector<SoundItem> itemsFrom(const QStringList &fileNames)
{
    std::vector<SoundItem> items;
    items.reserve(fileNames.size());
    for (const QString &name : fileNames) {
        // "*.wav" guarantees the extension; a bare ".wav" would give an item
        // without a name, which could be neither shown nor stored as a key.
        const QString text = name.left(name.size() - 4);
        if (!text.isEmpty())
            items.push_back({text, true});
    }
    return items;
}

int tickedCount(const std::vector<SoundItem> &items)
{
    return int(std::count_if(items.begin(), items.end(), [](const SoundItem &s) { return s.ticked; }));
}

// Setters change a value only when it differs, so the signals mean a real
// change (a control echoing the store's value back is a no-op).
template <typename T>
bool assign(T &member, T value)
{
    if (member == value)
        return false;
    member = value;
    return true;
}

} // namespace

Settings::Settings(Scores &scores, EngineState &state, QObject *parent)
    : QObject(parent), m_scores(scores), m_state(state)
{
}

void Settings::setUseCards(bool on)
{
    if (!assign(m_useCards, on))
        return;
    emit changed();
}

void Settings::setPointsPerCard(int v)
{
    if (!assign(m_pointsPerCard, std::clamp(v, kPointsMin, kPointsMax)))
        return;
    emit changed();
}

void Settings::setMaxErrors(int v)
{
    if (!assign(m_maxErrors, std::clamp(v, kErrorsMin, kErrorsMax)))
        return;
    emit changed();
}

void Settings::setCardCountIndex(int index)
{
    // Index 0 is four cards; any other index, a negative one included, is
    // the radio group's other item: nine.
    if (!assign(m_cardCountIndex, index == 0 ? 0 : 1))
        return;
    m_scores.cardsPerSet = m_cardCountIndex == 0 ? 4 : 9;
    m_scores.cardsEarned = 0;
    m_scores.pointCount = 0;
    m_scores.errorCount = 0;
    emit cardCountChanged();
    emit changed();
}

void Settings::setAutoAdvance(bool on)
{
    if (!assign(m_autoAdvance, on))
        return;
    emit changed();
}

void Settings::setAutoAdvanceDelay(int v)
{
    if (!assign(m_autoAdvanceDelay, std::clamp(v, kDelayMin, kDelayMax)))
        return;
    emit changed();
}

void Settings::setBlackBackdrop(bool on)
{
    if (!assign(m_blackBackdrop, on))
        return;
    emit blackBackdropChanged(on);
    emit changed();
}

void Settings::setAutoNextSubtask(bool on)
{
    if (!assign(m_autoNextSubtask, on))
        return;
    emit changed();
}

void Settings::setToolbarOnTop(bool on)
{
    if (!assign(m_toolbarOnTop, on))
        return;
    emit changed();
}

void Settings::setNoZero(bool on)
{
    if (!assign(m_noZero, on))
        return;
    emit changed();
}

void Settings::setOneKey(bool on)
{
    if (!assign(m_oneKey, on))
        return;
    emit changed();
}

void Settings::setUsePraise(bool on)
{
    if (!assign(m_usePraise, on))
        return;
    emit changed();
}

void Settings::setUseDing(bool on)
{
    if (!assign(m_useDing, on))
        return;
    emit changed();
}

void Settings::setPraiseTicked(int index, bool on)
{
    if (index < 0 || index >= int(m_praise.size()))
        return;
    if (!assign(m_praise[size_t(index)].ticked, on))
        return;
    emit changed();
}

void Settings::setReprimandTicked(int index, bool on)
{
    if (index < 0 || index >= int(m_reprimand.size()))
        return;
    if (!assign(m_reprimand[size_t(index)].ticked, on))
        return;
    emit changed();
}

void Settings::fillSoundLists(const FileStore &files)
{
    m_praise = itemsFrom(files.list(QStringLiteral("zvuky\\spravne"), QStringLiteral("*.wav")));
    m_reprimand = itemsFrom(files.list(QStringLiteral("zvuky\\spatne"), QStringLiteral("*.wav")));
    emit changed();
}

bool Settings::load(const IniFile &ini, const std::function<bool()> &locateMediaRoot)
{
    setUseCards(ini.readBool(kHodnoceni, QStringLiteral("Pouzit karticky"), true));
    setPointsPerCard(ini.readInt(kHodnoceni, QStringLiteral("Karticka za"), 2));
    setMaxErrors(ini.readInt(kHodnoceni, QStringLiteral("Max. pocet chyb"), 2));
    setCardCountIndex(ini.readInt(kHodnoceni, QStringLiteral("Pocet karticek"), kDefaultCardCountIndex));
    // Set whether or not the index changed: the score starts from the file.
    m_scores.cardsPerSet = m_cardCountIndex == 0 ? 4 : 9;
    // The card screen builds picture names from the set number; a set that
    // does not exist would leave it without pictures.
    const int cardSet = ini.readInt(kHodnoceni, QStringLiteral("Typ karticek"), kFirstCardSet);
    m_scores.cardSet = (cardSet >= kFirstCardSet && cardSet <= kLastCardSet) ? cardSet : kFirstCardSet;

    if (locateMediaRoot && !locateMediaRoot())
        return false;

    setAutoAdvance(ini.readBool(kObecne, QStringLiteral("Aut.posun"), false));
    setAutoAdvanceDelay(ini.readInt(kObecne, QStringLiteral("Posun po"), kDelayMin));
    setBlackBackdrop(ini.readBool(kObecne, QStringLiteral("Cerne pozadi"), true));
    setAutoNextSubtask(ini.readBool(kObecne, QStringLiteral("Autom. zmena podukolu"), false));
    setToolbarOnTop(ini.readBool(kObecne, QStringLiteral("Tlacitka nahore"), true));
    // Reward games (above 500) are never a starting exercise; a number that
    // names no exercise of the catalog would open an intro without a group.
    const int task = ini.readInt(kObecne, QStringLiteral("Cislo ukolu"), kDefaultTask);
    m_state.currentTask = (task > 500 || !findExercise(task)) ? kDefaultTask : task;
    // The level is a number range 1..7; anything else is brought into it here
    // so that no later screen sees a level without a range.
    m_state.currentLevel = std::clamp(ini.readInt(kObecne, QStringLiteral("Uroven ukolu"), kFirstLevel),
                                      kFirstLevel, kLastLevel);
    setNoZero(ini.readBool(kObecne, QStringLiteral("Bez nuly"), true));
    setOneKey(ini.readBool(kObecne, QStringLiteral("Jedna klavesa"), false));

    setUsePraise(ini.readBool(kOdmeny, QStringLiteral("Pochvalit"), true));
    setUseDing(ini.readBool(kOdmeny, QStringLiteral("Pohanet"), true));

    for (size_t i = 0; i < m_praise.size(); ++i)
        setPraiseTicked(int(i), ini.readBool(kPochvaly, m_praise[i].name, true));
    for (size_t i = 0; i < m_reprimand.size(); ++i)
        setReprimandTicked(int(i), ini.readBool(kPokarani, m_reprimand[i].name, true));

    auto num = [](int v) { return QString::number(v); };
    auto flag = [](bool b) { return b ? QStringLiteral("1") : QStringLiteral("0"); };
    trace("settings loaded",
          {{"task", num(m_state.currentTask)},
           {"level", num(m_state.currentLevel)},
           {"cards", num(m_scores.cardsPerSet)},
           {"points", num(m_pointsPerCard)},
           {"errors", num(m_maxErrors)},
           {"backdrop", flag(m_blackBackdrop)},
           {"toolbar", flag(m_toolbarOnTop)},
           {"zero", flag(countWithZero())},
           {"praise", num(tickedCount(m_praise)) + QLatin1Char('/') + num(int(m_praise.size()))},
           {"reprimand", num(tickedCount(m_reprimand)) + QLatin1Char('/') + num(int(m_reprimand.size()))}});
    return true;
}

void Settings::store(IniFile &ini) const
{
    ini.writeBool(kHodnoceni, QStringLiteral("Pouzit karticky"), m_useCards);
    ini.writeInt(kHodnoceni, QStringLiteral("Karticka za"), m_pointsPerCard);
    ini.writeInt(kHodnoceni, QStringLiteral("Max. pocet chyb"), m_maxErrors);
    ini.writeInt(kHodnoceni, QStringLiteral("Pocet karticek"), m_cardCountIndex);
    ini.writeInt(kHodnoceni, QStringLiteral("Typ karticek"), m_scores.cardSet);

    ini.writeBool(kObecne, QStringLiteral("Aut.posun"), m_autoAdvance);
    ini.writeInt(kObecne, QStringLiteral("Posun po"), m_autoAdvanceDelay);
    ini.writeBool(kObecne, QStringLiteral("Cerne pozadi"), m_blackBackdrop);
    ini.writeBool(kObecne, QStringLiteral("Autom. zmena podukolu"), m_autoNextSubtask);
    ini.writeBool(kObecne, QStringLiteral("Tlacitka nahore"), m_toolbarOnTop);
    // The file never names a reward game.
    ini.writeInt(kObecne, QStringLiteral("Cislo ukolu"),
                 m_state.currentTask > 500 ? m_state.lastTask : m_state.currentTask);
    ini.writeInt(kObecne, QStringLiteral("Uroven ukolu"), m_state.currentLevel);
    ini.writeBool(kObecne, QStringLiteral("Bez nuly"), m_noZero);
    ini.writeBool(kObecne, QStringLiteral("Jedna klavesa"), m_oneKey);

    ini.writeBool(kOdmeny, QStringLiteral("Pochvalit"), m_usePraise);
    ini.writeBool(kOdmeny, QStringLiteral("Pohanet"), m_useDing);

    for (const SoundItem &s : m_praise)
        ini.writeBool(kPochvaly, s.name, s.ticked);
    for (const SoundItem &s : m_reprimand)
        ini.writeBool(kPokarani, s.name, s.ticked);
}

QString Settings::okCheckMessage() const
{
    if (m_usePraise && tickedCount(m_praise) == 0)
        return QStringLiteral("Nemáte zatrženu žádnou pochvalu !");
    if (!m_useDing && tickedCount(m_reprimand) == 0)
        return QStringLiteral("Nemáte zatrženo žádné pokárání !");
    return {};
}

} // namespace flumo
