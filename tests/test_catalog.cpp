// The exercise catalog: groups in index order, the level clamp and the
// level / subtask caption menus.
#include "engine/catalog.h"
#include "platform/inifile.h"
#include <QTemporaryDir>
#include <QTest>
#include <set>

using namespace flumo;

namespace {

// Captions, then "v" / "-" for visible / hidden and "x" for checked.
QStringList menu(const std::vector<MenuItemModel> &items)
{
    QStringList out;
    for (const MenuItemModel &m : items)
        out << m.caption + (m.visible ? "|v" : "|-") + (m.checked ? "x" : "");
    return out;
}

} // namespace

class TestCatalog : public QObject {
    Q_OBJECT
private slots:
    void totalsAndGroups()
    {
        std::set<int> ids;
        for (const CatalogEntry &e : catalog()) {
            ids.insert(e.taskId);
            QCOMPARE(e.group, isCardGame(e.taskId) ? kCardGameGroup : e.taskId / 100);
            QVERIFY(isCardGame(e.taskId) || (e.maxLevel >= 1 && e.maxLevel <= 7 && e.subtasks >= 1 && e.subtasks <= 4));
        }
        QCOMPARE(int(catalog().size()), 45);
        QCOMPARE(int(ids.size()), 45);
        // Every group lists its exercises in index order with no gap.
        const int sizes[] = {12, 8, 11, 12};
        for (int g = 1; g <= 4; ++g) {
            const std::vector<int> tasks = groupExercises(g);
            QCOMPARE(int(tasks.size()), sizes[g - 1]);
            for (int i = 0; i < int(tasks.size()); ++i)
                QCOMPARE(tasks[std::size_t(i)], g * 100 + i + 1);
        }
        QCOMPARE(groupExercises(kCardGameGroup), (std::vector<int>{501, 502}));
    }

    void levelClamp()
    {
        // 305 at 7, then 110, 101 and back to 305: the level only goes down.
        LevelChoice c = clampLevel(305, 7, 3);
        QCOMPARE(c.effectiveLevel, 7);
        QList<int> levels{c.currentLevel};
        for (int task : {110, 101, 305}) {
            c = clampLevel(task, c.currentLevel, c.effectiveLevel);
            levels << c.currentLevel;
        }
        QCOMPARE(levels, (QList<int>{7, 5, 1, 1}));
        // A card game plays at 1 and keeps the effective level of 306 for the
        // return; level 0 becomes 1.
        c = clampLevel(501, 4, clampLevel(306, 4, 1).effectiveLevel);
        QCOMPARE(c.currentLevel, 1);
        QCOMPARE(c.effectiveLevel, 4);
        QCOMPARE(clampLevel(502, 7, 6).effectiveLevel, 6);
        QCOMPARE(clampLevel(305, 0, 0).currentLevel, 1);
    }

    void captionsFromSection()
    {
        // Section and key names are found whatever their case.
        const IniFile file = IniFile::fromBytes("[Ukol101]\nPocet=2\nUrov1=Jen jedna\n"
                                                "[ukol305]\npocet=3\nUrov1=a\nUrov2=b\nurov3=c\n"
                                                "[Ukol202]\nPocet=4\nPodukol1=P1\nPodukol3=P3\n");
        QCOMPARE(menu(ReadLevelCaptions(file, 101, 1)),
                 (QStringList{"Jen jedna|vx", "xyz|v", "do 10|-", "do 20|-", "po 10|-", "do 20 s prech.|-", "do 100|-"}));
        QCOMPARE(menu(ReadLevelCaptions(file, 305, 3)).mid(0, 4), (QStringList{"a|v", "b|v", "c|vx", "do 20|-"}));
        QCOMPARE(menu(ReadLevelCaptions(file, 305, 5)).filter("|vx").size(), 0); // beyond the shown items
        QCOMPARE(menu(ReadSubtaskCaptions(file, 202, 2)), (QStringList{"P1|v", "abc|vx", "P3|v", "abc|v"}));
        // Captions are Windows-1250: "ř" is the byte 0xF8.
        const IniFile czech = IniFile::fromBytes("[Ukol106]\r\nPocet=1\r\nUrov1=do 20 s p\xF8""ech.\r\n");
        QCOMPARE(ReadLevelCaptions(czech, 106, 1).front().caption, QStringLiteral("do 20 s přech."));
    }

    void captionsMissingOrOutOfRange()
    {
        QTemporaryDir dir;
        QCOMPARE(menu(ReadLevelCaptions(IniFile::load(dir.filePath("Urov1.INI")), 101, 1)),
                 (QStringList{"do 3|-", "do 5|-", "do 10|-", "do 20|-", "po 10|-", "do 20 s prech.|-", "do 100|-"}));
        QCOMPARE(menu(ReadSubtaskCaptions(IniFile::fromBytes("[Ukol102]\nPocet=3\n"), 101, 1)),
                 (QStringList{"1. podukol|-", "2. podukol|-", "3. podukol|-", "4. podukol|-"}));
        // More items than the menu holds: all of them shown, no more.
        const IniFile file = IniFile::fromBytes("[Ukol305]\nPocet=12\nUrov7=sedm\nPodukol4=ctyri\n[Ukol306]\nPocet=-2\nUrov1=x\n");
        const QStringList levels = menu(ReadLevelCaptions(file, 305, 7));
        QCOMPARE(levels.filter("|v").size(), 7);
        QCOMPARE(levels.size(), 7);
        QCOMPARE(levels.last(), QString("sedm|vx"));
        QCOMPARE(menu(ReadSubtaskCaptions(file, 305, 1)), (QStringList{"abc|vx", "abc|v", "abc|v", "ctyri|v"}));
        QCOMPARE(menu(ReadLevelCaptions(file, 306, 1)).filter("|v").size(), 0);
        // A drive root gives one separator after the drive.
        QCOMPARE(captionFilePath("C:\\", "Urov1.INI"), QString("C:\\Urov1.INI"));
        QCOMPARE(captionFilePath("D:\\Flumo", "PodUkl1.INI"), QString("D:\\Flumo\\PodUkl1.INI"));
    }
};

QTEST_GUILESS_MAIN(TestCatalog)
#include "test_catalog.moc"
