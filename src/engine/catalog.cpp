#include "engine/catalog.h"
#include "media/numbertext.h"
#include "platform/inifile.h"
#include <algorithm>
#include <array>

namespace flumo {

namespace {

// The one table of the catalog. Captions are UTF-8 and exact, spaces
// included: the exercise menu shows them as they stand.
const std::vector<CatalogEntry> kCatalog = {
    {101, "Piktogramy1", "  1   Dvojice", 1, 4, 4, 1},
    {102, "BarvyM1", "  2   Poznávání barev", 3, 1, 3, 1},
    {103, "TvaryM1", "  3   Poznávání tvarů", 2, 1, 4, 1},
    {104, "Tvarabarva1", "  4   Tvar a barva", 2, 1, 4, 1},
    {105, "Tvaravelikost1", "  5   Tvar a velikost", 2, 1, 4, 1},
    {106, "N5Tvarbarvel1", "  6   Tvar, barva a velikost", 2, 1, 4, 1},
    {107, "Tritvary1", "  7   Několik tvarů", 2, 2, 4, 1},
    {108, "Nejmnejv1", "  8   Největší a nejmenší", 1, 2, 1, 1},
    {109, "Lograda1", "  9   Řada podle velikosti", 1, 2, 1, 1},
    {110, "Nepatri1", "10  Odlišný obrázek", 5, 1, 4, 1},
    {111, "Stejnemene1", "11  Stejně, méně, více", 3, 1, 1, 1},
    {112, "Logickarada1", "12  Logická řada", 3, 2, 5, 1},
    {201, "Ucenicisel1", "  1  Představení čísel", 3, 1, 2, 2},
    {202, "Priradcislo1", "  2  Najdi množství i číslo", 3, 4, 3, 2},
    {203, "Oznacxtyprvek1", "  3  Řadové číslovky", 3, 1, 3, 2},
    {204, "Cislostejnemen1", "  4  Stejné, menší a větší číslo", 3, 3, 1, 2},
    {205, "Ucenirozkladu1", "  5  Nácvik rozkladu", 3, 1, 1, 2},
    {206, "Rozklad1", "  6  Najdi správný rozklad", 3, 2, 2, 2},
    {207, "Doplrozkladu1", "  7  Doplň rozklad", 3, 3, 2, 2},
    {208, "Doplrady1", "  8  Doplň řadu číslem", 3, 2, 1, 2},
    {301, "Pridejuber1", "  1  Přidej nebo uber", 3, 3, 3, 3},
    {302, "Kolikbylo1", "  2  Obrázky a výrazy", 3, 4, 4, 3},
    {303, "Scitani1", "  3  Sčítání a odčítání množství", 3, 2, 4, 3},
    {304, "Vyberrovnici1", "  4  Obrázky a rovnice", 3, 4, 2, 3},
    {305, "Vypocrovnici1", "  5  Jednoduché rovnice", 7, 4, 4, 3},
    {306, "Doplncislo1", "  6  Doplň číslo do rovnice", 7, 2, 4, 3},
    {307, "N9Rovnicekvysledku1", "  7  Najdi rovnice k výsledku", 3, 2, 3, 3},
    {308, "Sprpriklad1", "  8  Špatné a správné příklady", 3, 2, 1, 3},
    {309, "Vypocraducisel1", "  9  Složité rovnice", 7, 2, 4, 3},
    {310, "Doplnznam1", "10  Doplň správná znaménka", 7, 1, 3, 3},
    {311, "CiselnaRada1", "11  Matematická řada", 3, 2, 3, 3},
    {401, "Puntiky1", "  1  Doplň obrázek", 3, 3, 2, 4},
    {402, "Vahy1", "  2  Dostav zeď", 1, 1, 1, 4},
    {403, "Nakup1", "  3  Nákup za přesný obnos", 1, 1, 1, 4},
    {404, "N4Penize1", "  4  Zaplať tři nákupy", 1, 1, 1, 4},
    {405, "Telefcislo1", "  5  Myslím si číslo", 1, 2, 2, 4},
    {406, "Nakresliobr1", "  6  Spojování čísel", 2, 1, 1, 4},
    {407, "Domino1", "  7  Sčítací domino", 1, 2, 2, 4},
    {408, "Pexeso1", "  8  Matematické pexeso", 1, 1, 1, 4},
    {409, "Hadanka1", "  9  Vypátrej obrázek", 1, 1, 1, 4},
    {410, "N10Patnactka1", "10  Hlavolam (patnáctka)", 2, 1, 0, 4},
    {411, "N11Vybarvovani1", "11  Vybarvovani", 2, 2, 1, 4},
    {412, "N12Matembludit1", "12  Matem. bludiště", 1, 1, 1, 4},
    {501, "Osmicka1", "Osmicka", 1, 0, 0, kCardGameGroup},
    {502, "Vybarv1", "Vybarv", 1, 0, 0, kCardGameGroup},
};

struct ExerciseTables {
    std::array<int, kExerciseTableSize> maxLevel{};
    std::array<int, kExerciseTableSize> subtasks{};
    std::array<int, kExerciseTableSize> prompts{};
};

// The three byte tables, filled from the catalog so that the two can never
// disagree; slots without an exercise stay 0.
const ExerciseTables &tables()
{
    static const ExerciseTables t = [] {
        ExerciseTables out;
        for (const CatalogEntry &e : kCatalog) {
            const int at = exerciseTableIndex(e.taskId);
            if (at < 0)
                continue;
            out.maxLevel[at] = e.maxLevel;
            out.subtasks[at] = e.subtasks;
            out.prompts[at] = e.promptVariants;
        }
        return out;
    }();
    return t;
}

int lookup(const std::array<int, kExerciseTableSize> &table, int task)
{
    const int at = exerciseTableIndex(task);
    return at < 0 ? 0 : table[at];
}

const char *const kLevelDefaults[kLevelMenuSize] = {
    "do 3", "do 5", "do 10", "do 20", "po 10", "do 20 s prech.", "do 100"};

std::vector<MenuItemModel> readCaptions(const IniFile &ini, int task, int current, int size,
                                        const QString &keyStem, const QString &missing,
                                        QString (*defaultCaption)(int))
{
    const QString section = QStringLiteral("Ukol") + NumberToText(task, 3);
    const int count = std::clamp(ini.readInt(section, QStringLiteral("Pocet"), 0), 0, size);
    std::vector<MenuItemModel> items(static_cast<std::size_t>(size));
    for (int i = 1; i <= size; ++i) {
        MenuItemModel &item = items[static_cast<std::size_t>(i - 1)];
        if (i <= count) {
            item.caption = ini.readString(section, keyStem + QString::number(i), missing);
            item.visible = true;
            item.checked = i == current;
        } else {
            item.caption = defaultCaption(i);
        }
    }
    return items;
}

} // namespace

const std::vector<CatalogEntry> &catalog()
{
    return kCatalog;
}

const CatalogEntry *findExercise(int task)
{
    const auto it = std::find_if(kCatalog.begin(), kCatalog.end(),
                                 [task](const CatalogEntry &e) { return e.taskId == task; });
    return it == kCatalog.end() ? nullptr : &*it;
}

QString exerciseCaption(int task)
{
    const CatalogEntry *e = findExercise(task);
    return e ? QString::fromUtf8(e->caption) : QString();
}

bool isCardGame(int task)
{
    return task == 501 || task == 502;
}

int exerciseTableIndex(int task)
{
    const int group = task / 100;
    const int index = task % 100;
    if (group < 1 || group > 4 || index < 1 || index > 12)
        return -1;
    return (group - 1) * 12 + (index - 1);
}

int maxLevelOf(int task)
{
    return lookup(tables().maxLevel, task);
}

int subtaskCountOf(int task)
{
    return lookup(tables().subtasks, task);
}

int promptCountOf(int task)
{
    return lookup(tables().prompts, task);
}

QString groupCaption(int group)
{
    switch (group) {
    case 1: return QStringLiteral("A  Uvod");
    case 2: return QStringLiteral("B  Poznavani");
    case 3: return QStringLiteral("C  Pocitani");
    case 4: return QStringLiteral("D  Hry");
    default: return {};
    }
}

QString groupMenuItem(int group)
{
    switch (group) {
    case 1: return QStringLiteral("Uvod1");
    case 2: return QStringLiteral("Poznavani1");
    case 3: return QStringLiteral("Pocitani1");
    case 4: return QStringLiteral("Hry1");
    case kCardGameGroup: return QStringLiteral("Hodnoceni1");
    default: return {};
    }
}

std::vector<int> groupExercises(int group)
{
    std::vector<int> out;
    for (const CatalogEntry &e : kCatalog)
        if (e.group == group)
            out.push_back(e.taskId);
    return out;
}

LevelChoice clampLevel(int task, int currentLevel, int effectiveLevel)
{
    if (task > 500)
        return {1, effectiveLevel};
    // An exercise without a table entry is no exercise; play it at level 1
    // rather than at level 0.
    const int highest = std::max(1, maxLevelOf(task));
    const int level = std::max(1, std::min(currentLevel, highest));
    return {level, level};
}

int subtaskAfterChange(int task, int lastTask, int currentSubtask)
{
    return task != lastTask ? 1 : currentSubtask;
}

QString defaultLevelCaption(int level)
{
    if (level < 1 || level > kLevelMenuSize)
        return {};
    return QString::fromUtf8(kLevelDefaults[level - 1]);
}

QString defaultSubtaskCaption(int subtask)
{
    if (subtask < 1 || subtask > kSubtaskMenuSize)
        return {};
    return QString::number(subtask) + QStringLiteral(". podukol");
}

std::vector<MenuItemModel> ReadLevelCaptions(const IniFile &ini, int task, int currentLevel)
{
    return readCaptions(ini, task, currentLevel, kLevelMenuSize, QStringLiteral("Urov"),
                        QStringLiteral("xyz"), &defaultLevelCaption);
}

std::vector<MenuItemModel> ReadSubtaskCaptions(const IniFile &ini, int task, int currentSubtask)
{
    return readCaptions(ini, task, currentSubtask, kSubtaskMenuSize, QStringLiteral("Podukol"),
                        QStringLiteral("abc"), &defaultSubtaskCaption);
}

QString captionFilePath(const QString &workingFolder, const QString &fileName)
{
    QString folder = workingFolder;
    if (folder.size() == 3 && folder.at(1) == u':')
        folder.truncate(2);
    return folder + u'\\' + fileName;
}

} // namespace flumo
