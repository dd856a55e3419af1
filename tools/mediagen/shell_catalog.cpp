#include "shell_catalog.h"

namespace mediagen {

namespace {

QStringList ranges(int n)
{
    static const char *const names[] = {"do 3", "do 5", "do 10", "do 20", "po 10", "do 20 s přechodem", "do 100"};
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << QString::fromUtf8(names[i]);
    return out;
}

QStringList list(std::initializer_list<const char *> items)
{
    QStringList out;
    for (const char *s : items)
        out << QString::fromUtf8(s);
    return out;
}

ExerciseInfo ex(int id, const char *menu, const char *title, QStringList levels, QStringList subtasks)
{
    return ExerciseInfo{id, QString::fromUtf8(menu), QString::fromUtf8(title), std::move(levels), std::move(subtasks)};
}

std::vector<ExerciseInfo> buildExercises()
{
    const QStringList basic = list({"základní"});
    const QStringList addSub = list({"sčítání", "odčítání"});
    const QStringList rowGap = list({"doplň konec řady", "doplň mezeru v řadě"});
    const QStringList shapes = list({"3 tvary", "8 tvarů"});
    return {
        ex(101, "  1   Dvojice", "Dvojice", basic,
           list({"obrázek k obrázku", "značka ke značce", "obrázek ke značce", "značka k obrázku"})),
        ex(102, "  2   Poznávání barev", "Poznávání barev", list({"6 barev", "11 barev", "15 barev"}),
           list({"najdi barvu"})),
        ex(103, "  3   Poznávání tvarů", "Poznávání tvarů", shapes, list({"najdi tvar"})),
        ex(104, "  4   Tvar a barva", "Tvar a barva", shapes, list({"najdi tvar a barvu"})),
        ex(105, "  5   Tvar a velikost", "Tvar a velikost", shapes, list({"najdi tvar a velikost"})),
        ex(106, "  6   Tvar, barva a velikost", "Tvar, barva a velikost", shapes,
           list({"tvar, barva i velikost"})),
        ex(107, "  7   Několik tvarů", "Několik tvarů", shapes, list({"dva tvary", "tři tvary"})),
        ex(108, "  8   Největší a nejmenší", "Největší a nejmenší", list({"4 obrázky"}),
           list({"podle velikosti", "podle počtu"})),
        ex(109, "  9   Řada podle velikosti", "Řada podle velikosti", list({"4 obrázky"}),
           list({"podle velikosti", "podle počtu"})),
        ex(110, "10  Odlišný obrázek", "Odlišný obrázek",
           list({"velmi lehká", "lehká", "střední", "těžká", "velmi těžká"}),
           list({"najdi odlišný obrázek"})),
        ex(111, "11  Stejně, méně, více", "Stejně, méně, více", ranges(3), list({"porovnej množství"})),
        ex(112, "12  Logická řada", "Logická řada", list({"lehká", "střední", "těžká"}), rowGap),

        ex(201, "  1  Představení čísel", "Představení čísel", ranges(3), list({"čísla a množství"})),
        ex(202, "  2  Najdi množství i číslo", "Najdi množství i číslo", ranges(3),
           list({"množství k číslu", "číslo k množství", "slyšíš číslo: množství", "slyšíš číslo: číslo"})),
        ex(203, "  3  Řadové číslovky", "Řadové číslovky", list({"3 obrázky", "5 obrázků", "10 obrázků"}),
           list({"kolikátý je obrázek"})),
        ex(204, "  4  Stejné, menší a větší číslo", "Stejné, menší a větší číslo", ranges(3),
           list({"největší a nejmenší", "číslo ke znaménku", "všechna větší, menší"})),
        ex(205, "  5  Nácvik rozkladu", "Nácvik rozkladu", ranges(3), list({"rozlož číslo"})),
        ex(206, "  6  Najdi správný rozklad", "Najdi správný rozklad", ranges(3),
           list({"obrázek k rozkladu", "rozklad k obrázku"})),
        ex(207, "  7  Doplň rozklad", "Doplň rozklad", ranges(3),
           list({"doplň číslo", "doplň obrázek", "doplň číslo bez obrázku"})),
        ex(208, "  8  Doplň řadu číslem", "Doplň řadu číslem", ranges(3), rowGap),

        ex(301, "  1  Přidej nebo uber", "Přidej nebo uber", ranges(3),
           list({"množství k číslu", "číslo k množství", "číslo k číslu"})),
        ex(302, "  2  Obrázky a výrazy", "Obrázky a výrazy", ranges(3),
           list({"výraz k obrázku (+)", "výraz k obrázku (−)", "obrázek k výrazu (+)", "obrázek k výrazu (−)"})),
        ex(303, "  3  Sčítání a odčítání množství", "Sčítání a odčítání množství", ranges(3), addSub),
        ex(304, "  4  Obrázky a rovnice", "Obrázky a rovnice", ranges(3),
           list({"rovnice k obrázku (+)", "rovnice k obrázku (−)", "obrázek k rovnici (+)", "obrázek k rovnici (−)"})),
        ex(305, "  5  Jednoduché rovnice", "Jednoduché rovnice", ranges(7),
           list({"sčítání", "odčítání", "sčítání: ? = a + b", "odčítání: ? = a − b"})),
        ex(306, "  6  Doplň číslo do rovnice", "Doplň číslo do rovnice", ranges(7), addSub),
        ex(307, "  7  Najdi rovnice k výsledku", "Najdi rovnice k výsledku", ranges(3), addSub),
        ex(308, "  8  Špatné a správné příklady", "Špatné a správné příklady", ranges(3), addSub),
        ex(309, "  9  Složité rovnice", "Složité rovnice", ranges(7), addSub),
        ex(310, "10  Doplň správná znaménka", "Doplň správná znaménka", ranges(7), list({"plus, nebo minus?"})),
        ex(311, "11  Matematická řada", "Matematická řada", list({"krok do 3", "krok do 5", "krok do 10"}), rowGap),

        ex(401, "  1  Doplň obrázek", "Doplň obrázek", list({"mřížka 4 × 4", "mřížka 6 × 6", "mřížka 8 × 8"}),
           list({"stejný obrázek", "zrcadlově", "vzhůru nohama"})),
        ex(402, "  2  Dostav zeď", "Dostav zeď", basic, list({"stavíme zeď"})),
        ex(403, "  3  Nákup za přesný obnos", "Nákup za přesný obnos", basic, list({"zaplať přesně"})),
        ex(404, "  4  Zaplať tři nákupy", "Zaplať tři nákupy", basic, list({"tři nákupy"})),
        ex(405, "  5  Myslím si číslo", "Myslím si číslo", list({"do 10"}), list({"jeden počet", "dva počty"})),
        ex(406, "  6  Spojování čísel", "Spojování čísel", list({"do 10", "do 20"}), list({"spoj tečky"})),
        ex(407, "  7  Sčítací domino", "Sčítací domino", basic, list({"první domino", "druhé domino"})),
        ex(408, "  8  Matematické pexeso", "Matematické pexeso", basic, list({"hledej dvojice"})),
        ex(409, "  9  Vypátrej obrázek", "Vypátrej obrázek", basic, list({"hádej obrázek"})),
        ex(410, "10  Hlavolam (patnáctka)", "Hlavolam (patnáctka)", list({"3 × 3", "4 × 4"}),
           list({"posuň dílky"})),
        ex(411, "11  Vybarvovani", "Vybarvování", list({"lehčí obrázky", "těžší obrázky"}),
           list({"4 barvy", "8 barev"})),
        ex(412, "12  Matem. bludiště", "Matematické bludiště", basic, list({"projdi bludiště"})),
    };
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
