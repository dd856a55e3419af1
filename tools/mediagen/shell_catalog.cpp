#include "shell_catalog.h"
#include "engine/catalog.h"

namespace mediagen {

namespace {

// What only the generator needs beside the engine's catalog: the title its
// pictures print, and the caption texts of the levels and subtasks. How many
// of them an exercise has, and its menu caption, come from the catalog.
struct ExerciseTexts {
    int taskId;
    const char *title;
    QStringList levels;      // at least as many as the catalog's levels
    QStringList subtasks;    // at least as many as the catalog's subtasks
};

QStringList list(std::initializer_list<const char *> items)
{
    QStringList out;
    for (const char *s : items)
        out << QString::fromUtf8(s);
    return out;
}

std::vector<ExerciseTexts> buildTexts()
{
    const QStringList ranges = list({"do 3", "do 5", "do 10", "do 20", "po 10", "do 20 s přechodem", "do 100"});
    const QStringList basic = list({"základní"});
    const QStringList addSub = list({"sčítání", "odčítání"});
    const QStringList rowGap = list({"doplň konec řady", "doplň mezeru v řadě"});
    const QStringList shapes = list({"3 tvary", "8 tvarů"});
    return {
        {101, "Dvojice", basic, list({"obrázek k obrázku", "značka ke značce", "obrázek ke značce", "značka k obrázku"})},
        {102, "Poznávání barev", list({"6 barev", "11 barev", "15 barev"}), list({"najdi barvu"})},
        {103, "Poznávání tvarů", shapes, list({"najdi tvar"})},
        {104, "Tvar a barva", shapes, list({"najdi tvar a barvu"})},
        {105, "Tvar a velikost", shapes, list({"najdi tvar a velikost"})},
        {106, "Tvar, barva a velikost", shapes, list({"tvar, barva i velikost"})},
        {107, "Několik tvarů", shapes, list({"dva tvary", "tři tvary"})},
        {108, "Největší a nejmenší", list({"4 obrázky"}), list({"podle velikosti", "podle počtu"})},
        {109, "Řada podle velikosti", list({"4 obrázky"}), list({"podle velikosti", "podle počtu"})},
        {110, "Odlišný obrázek", list({"velmi lehká", "lehká", "střední", "těžká", "velmi těžká"}),
         list({"najdi odlišný obrázek"})},
        {111, "Stejně, méně, více", ranges, list({"porovnej množství"})},
        {112, "Logická řada", list({"lehká", "střední", "těžká"}), rowGap},

        {201, "Představení čísel", ranges, list({"čísla a množství"})},
        {202, "Najdi množství i číslo", ranges,
         list({"množství k číslu", "číslo k množství", "slyšíš číslo: množství", "slyšíš číslo: číslo"})},
        {203, "Řadové číslovky", list({"3 obrázky", "5 obrázků", "10 obrázků"}), list({"kolikátý je obrázek"})},
        {204, "Stejné, menší a větší číslo", ranges,
         list({"největší a nejmenší", "číslo ke znaménku", "všechna větší, menší"})},
        {205, "Nácvik rozkladu", ranges, list({"rozlož číslo"})},
        {206, "Najdi správný rozklad", ranges, list({"obrázek k rozkladu", "rozklad k obrázku"})},
        {207, "Doplň rozklad", ranges, list({"doplň číslo", "doplň obrázek", "doplň číslo bez obrázku"})},
        {208, "Doplň řadu číslem", ranges, rowGap},

        {301, "Přidej nebo uber", ranges, list({"množství k číslu", "číslo k množství", "číslo k číslu"})},
        {302, "Obrázky a výrazy", ranges,
         list({"výraz k obrázku (+)", "výraz k obrázku (−)", "obrázek k výrazu (+)", "obrázek k výrazu (−)"})},
        {303, "Sčítání a odčítání množství", ranges, addSub},
        {304, "Obrázky a rovnice", ranges,
         list({"rovnice k obrázku (+)", "rovnice k obrázku (−)", "obrázek k rovnici (+)", "obrázek k rovnici (−)"})},
        {305, "Jednoduché rovnice", ranges, list({"sčítání", "odčítání", "sčítání: ? = a + b", "odčítání: ? = a − b"})},
        {306, "Doplň číslo do rovnice", ranges, addSub},
        {307, "Najdi rovnice k výsledku", ranges, addSub},
        {308, "Špatné a správné příklady", ranges, addSub},
        {309, "Složité rovnice", ranges, addSub},
        {310, "Doplň správná znaménka", ranges, list({"plus, nebo minus?"})},
        {311, "Matematická řada", list({"krok do 3", "krok do 5", "krok do 10"}), rowGap},

        {401, "Doplň obrázek", list({"mřížka 4 × 4", "mřížka 6 × 6", "mřížka 8 × 8"}),
         list({"stejný obrázek", "zrcadlově", "vzhůru nohama"})},
        {402, "Dostav zeď", basic, list({"stavíme zeď"})},
        {403, "Nákup za přesný obnos", basic, list({"zaplať přesně"})},
        {404, "Zaplať tři nákupy", basic, list({"tři nákupy"})},
        {405, "Myslím si číslo", list({"do 10"}), list({"jeden počet", "dva počty"})},
        {406, "Spojování čísel", list({"do 10", "do 20"}), list({"spoj tečky"})},
        {407, "Sčítací domino", basic, list({"první domino", "druhé domino"})},
        {408, "Matematické pexeso", basic, list({"hledej dvojice"})},
        {409, "Vypátrej obrázek", basic, list({"hádej obrázek"})},
        {410, "Hlavolam (patnáctka)", list({"3 × 3", "4 × 4"}), list({"posuň dílky"})},
        {411, "Vybarvování", list({"lehčí obrázky", "těžší obrázky"}), list({"4 barvy", "8 barev"})},
        {412, "Matematické bludiště", basic, list({"projdi bludiště"})},
    };
}

// The first n captions; where the texts run short, the engine's design
// captions fill in.
QStringList firstCaptions(const QStringList &texts, int n, QString (*fallback)(int))
{
    QStringList out;
    for (int i = 1; i <= n; ++i)
        out << (i <= texts.size() ? texts[i - 1] : fallback(i));
    return out;
}

std::vector<ExerciseInfo> buildExercises()
{
    const std::vector<ExerciseTexts> texts = buildTexts();
    std::vector<ExerciseInfo> out;
    for (const flumo::CatalogEntry &entry : flumo::catalog()) {
        if (entry.group < 1 || entry.group > 4)
            continue;
        ExerciseInfo e;
        e.taskId = entry.taskId;
        e.menuCaption = QString::fromUtf8(entry.caption);
        e.title = e.menuCaption.mid(4).trimmed();   // the caption without its number
        ExerciseTexts own{entry.taskId, nullptr, {}, {}};
        for (const ExerciseTexts &t : texts)
            if (t.taskId == entry.taskId)
                own = t;
        if (own.title)
            e.title = QString::fromUtf8(own.title);
        e.levels = firstCaptions(own.levels, entry.maxLevel, &flumo::defaultLevelCaption);
        e.subtasks = firstCaptions(own.subtasks, entry.subtasks, &flumo::defaultSubtaskCaption);
        out.push_back(std::move(e));
    }
    return out;
}

} // namespace

const std::vector<ExerciseInfo> &exercises()
{
    static const std::vector<ExerciseInfo> all = buildExercises();
    return all;
}

const std::vector<GroupInfo> &groups()
{
    static const std::vector<GroupInfo> all = {
        {1, QStringLiteral("A"), QString::fromUtf8("Úvod"),
         QString::fromUtf8("Dvojice obrázků, barvy, tvary a velikosti.\n"
                           "Najdi stejný obrázek, ten odlišný\n"
                           "a doplň řadu obrázků.")},
        {2, QStringLiteral("B"), QString::fromUtf8("Poznávání"),
         QString::fromUtf8("Čísla a množství, menší a větší,\n"
                           "řadové číslovky a rozklad čísel.\n"
                           "Kolik jich je?")},
        {3, QStringLiteral("C"), QString::fromUtf8("Počítání"),
         QString::fromUtf8("Sčítání a odčítání s obrázky i čísly,\n"
                           "rovnice, znaménka a číselné řady.\n"
                           "Počítej až do sta!")},
        {4, QStringLiteral("D"), QString::fromUtf8("Hry"),
         QString::fromUtf8("Nakupování, domino, pexeso, bludiště,\n"
                           "spojování čísel, vybarvování\n"
                           "a další hry s čísly.")},
    };
    return all;
}

std::vector<const ExerciseInfo *> exercisesOfGroup(int group)
{
    std::vector<const ExerciseInfo *> out;
    for (const ExerciseInfo &e : exercises())
        if (e.taskId / 100 == group)
            out.push_back(&e);
    return out;
}

} // namespace mediagen
