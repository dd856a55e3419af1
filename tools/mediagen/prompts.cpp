#include "prompts.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace mediagen {

namespace {

// The wordings of one exercise in one prompt variant; wording m (1-based) is
// file "-m". Every exercise has as many wordings per variant as the
// catalog's prompt count, and as many variants as its prompt rule produces.
struct PromptSet {
    int task;
    int variant;
    QStringList wordings;
};

const std::vector<PromptSet> &promptSets()
{
    // Short concrete sentences, each spoken in about three seconds at most:
    // the board stays still until the prompt ends.
    static const std::vector<PromptSet> sets = {
        // Group A
        {101, 1, {u"Najdi stejný obrázek."_s, u"Který obrázek je stejný?"_s,
                  u"Najdi dvojici k obrázku nahoře."_s, u"Hledej stejný obrázek."_s}},
        {101, 2, {u"Najdi, co patří k obrázku nahoře."_s, u"Co patří k obrázku nahoře?"_s,
                  u"Najdi tu věc, nakreslenou jinak."_s, u"Hledej dvojici k obrázku nahoře."_s}},
        {102, 1, {u"Najdi barvu, kterou řeknu."_s, u"Poslouchej a najdi tu barvu."_s,
                  u"Kterou barvu hledáme? Poslouchej."_s}},
        {103, 1, {u"Najdi tvar, který řeknu."_s, u"Poslouchej a najdi ten tvar."_s,
                  u"Který tvar hledáme? Poslouchej."_s, u"Najdi tvar, který uslyšíš."_s}},
        {104, 1, {u"Najdi tvar a barvu, které řeknu."_s, u"Poslouchej, jaký tvar a jaká barva."_s,
                  u"Dávej pozor na tvar i barvu."_s, u"Najdi tvar se správnou barvou."_s}},
        {105, 1, {u"Najdi tvar a velikost, které řeknu."_s, u"Poslouchej, jaký tvar a jak velký."_s,
                  u"Dávej pozor na tvar i velikost."_s, u"Najdi tvar se správnou velikostí."_s}},
        {106, 1, {u"Poslouchej tvar, barvu a velikost."_s, u"Najdi správný tvar, barvu i velikost."_s,
                  u"Dávej pozor na tvar, barvu i velikost."_s, u"Najdi přesně ten tvar, který popíšu."_s}},
        {107, 1, {u"Najdi dva tvary popořadě."_s, u"Poslouchej a klikni na oba tvary."_s,
                  u"Hledáme dva tvary. Najdi je."_s, u"Zapamatuj si dva tvary a najdi je."_s}},
        {107, 2, {u"Najdi tři tvary popořadě."_s, u"Poslouchej a klikni na tři tvary."_s,
                  u"Hledáme tři tvary. Najdi je."_s, u"Zapamatuj si tři tvary a najdi je."_s}},
        {108, 1, {u"Poslouchej: největší, nebo nejmenší?"_s}},
        {109, 1, {u"Seřaď obrázky. Klikej na ně popořadě."_s}},
        {110, 1, {u"Najdi obrázek, který je jiný."_s, u"Který obrázek sem nepatří?"_s,
                  u"Jeden obrázek je jiný. Najdi ho."_s, u"Najdi obrázek, který se liší."_s}},
        {111, 1, {u"Kde je víc, méně, nebo stejně věcí?"_s}},
        {112, 1, {u"Doplň řadu obrázků."_s, u"Který obrázek v řadě chybí?"_s, u"Co chybí v řadě? Najdi to."_s,
                  u"Který obrázek přijde do okénka?"_s, u"Najdi obrázek, který doplní řadu."_s}},
        // Group B
        {201, 1, {u"Klikni na číslo a uvidíš, kolik to je."_s, u"Vyber číslo a uvidíš ho na prstech."_s}},
        {202, 1, {u"Najdi tolik věcí, kolik ukazuje číslo."_s, u"Najdi obrázek se stejným počtem."_s,
                  u"Kolik ukazuje číslo? Najdi to."_s}},
        {202, 2, {u"Spočítej věci a najdi číslo."_s, u"Kolik je tu věcí? Najdi číslo."_s,
                  u"Spočítej obrázek a klikni na číslo."_s}},
        {202, 3, {u"Poslouchej číslo a najdi tolik věcí."_s, u"Řeknu číslo. Najdi tolik věcí."_s,
                  u"Kolik věcí hledáme? Poslouchej."_s}},
        {202, 4, {u"Poslouchej a najdi číslo."_s, u"Řeknu ti číslo. Najdi ho."_s,
                  u"Které číslo uslyšíš? Klikni na něj."_s}},
        {203, 1, {u"Poslouchej, kolikátý obrázek hledáme."_s, u"Počítej obrázky zleva."_s,
                  u"Najdi obrázek na místě, které řeknu."_s}},
        {204, 1, {u"Poslouchej a najdi správné číslo."_s}},
        {205, 1, {u"Rozlož číslo. Přesouvej kuličky šipkami."_s}},
        {206, 1, {u"Najdi obrázek k rozkladu nahoře."_s, u"Který obrázek patří k rozkladu?"_s}},
        {206, 2, {u"Najdi rozklad k obrázku."_s, u"Který rozklad patří k obrázku?"_s}},
        {207, 1, {u"Které číslo v rozkladu chybí?"_s, u"Doplň rozklad. Pomůže ti obrázek."_s}},
        {207, 2, {u"Kolik věcí chybí? Najdi obrázek."_s, u"Kolik věcí musíš přidat?"_s}},
        {207, 3, {u"Doplň číslo, které chybí."_s, u"Které číslo chybí v rozkladu?"_s}},
        {208, 1, {u"Doplň číslo, které v řadě chybí."_s}},
        // Group C
        {301, 1, {u"Přidávej a ubírej, až to bude stejně."_s, u"Udělej tolik věcí, kolik ukazuje číslo."_s,
                  u"Přidej, nebo uber. Pak potvrď."_s}},
        {301, 2, {u"Přidávej a ubírej, až bude číslo správné."_s, u"Nastav číslo podle obrázku."_s,
                  u"Najdi číslo k obrázku. Pak potvrď."_s}},
        {301, 3, {u"Přidávej a ubírej, až budou čísla stejná."_s, u"Udělej stejné číslo. Pak potvrď."_s,
                  u"Přidej, nebo uber, ať se čísla rovnají."_s}},
        {302, 1, {u"Najdi příklad k obrázku."_s, u"Který příklad patří k obrázku?"_s,
                  u"Jaký příklad je na obrázku?"_s, u"Najdi k obrázku správný příklad."_s}},
        {302, 2, {u"Najdi obrázek k příkladu."_s, u"Který obrázek patří k příkladu?"_s,
                  u"Na kterém obrázku je příklad?"_s, u"Najdi k příkladu správný obrázek."_s}},
        {303, 1, {u"Spočítej příklad s obrázky."_s, u"Kolik to bude? Najdi obrázek."_s,
                  u"Spočítej obrázky a najdi výsledek."_s, u"Co patří do prázdného okénka?"_s}},
        {304, 1, {u"Najdi rovnici k obrázku."_s, u"Která rovnice patří k obrázku?"_s}},
        {304, 2, {u"Najdi obrázek k rovnici."_s, u"Který obrázek patří k rovnici?"_s}},
        {305, 1, {u"Vypočítej příklad."_s, u"Kolik to je? Najdi výsledek."_s,
                  u"Spočítej příklad a klikni na výsledek."_s, u"Co patří do prázdného okénka?"_s}},
        {306, 1, {u"Které číslo v příkladu chybí?"_s, u"Doplň číslo, které chybí."_s,
                  u"Najdi číslo, aby příklad platil."_s, u"Co patří do prázdného okénka?"_s}},
        {307, 1, {u"Poslouchej číslo a najdi všechny příklady."_s, u"Najdi všechny příklady s tím výsledkem."_s,
                  u"Kterým příkladům to vyjde? Najdi je."_s}},
        {308, 1, {u"Správný, nebo špatný? Poslouchej."_s}},
        {309, 1, {u"Vypočítej dlouhý příklad."_s, u"Počítej postupně zleva."_s,
                  u"Počítej pozorně, krok po kroku."_s, u"Spočítej celý příklad."_s}},
        {310, 1, {u"Doplň znaménko plus, nebo mínus."_s, u"Které znaménko chybí?"_s,
                  u"Přičítat, nebo odčítat? Vyber znaménko."_s}},
        {311, 1, {u"Doplň číslo, které v řadě chybí."_s, u"Které číslo v řadě chybí?"_s,
                  u"Najdi pravidlo řady a doplň ji."_s}},
        // Group D
        {401, 1, {u"Nakresli stejný obrázek z teček."_s, u"Označ tečky jako na obrázku."_s}},
        {401, 2, {u"Nakresli obrázek jako v zrcadle."_s, u"Obrať obrázek zleva doprava."_s}},
        {401, 3, {u"Nakresli obrázek vzhůru nohama."_s, u"Obrať obrázek shora dolů."_s}},
        {402, 1, {u"Dostav zeď. Doplň cihly do deseti."_s}},
        {403, 1, {u"Nakup přesně za tolik, kolik máš."_s}},
        {404, 1, {u"Zaplať tři nákupy. Klikej na peníze."_s}},
        {405, 1, {u"Myslím si číslo. Hádej které."_s, u"Hádej, jaké číslo si myslím."_s}},
        {406, 1, {u"Spojuj čísla popořadě od jedničky."_s}},
        {407, 1, {u"Přikládej kostky domina."_s, u"Najdi kostku se správným součtem."_s}},
        {408, 1, {u"Hledej dvojice kartiček."_s}},
        {409, 1, {u"Najdi obrázek, který jsem si vybral."_s}},
        {411, 1, {u"Vypočítej příklad a vybarvi políčko."_s}},
        {412, 1, {u"Sbírej čísla popořadě od jedničky."_s}},
    };
    return sets;
}

QString promptName(int task, int variant, int wording)
{
    const QString ttt = QString::number(task).rightJustified(3, u'0');
    return u"Zvuky\\"_s + ttt + u"\\uv"_s + ttt + u'_' + QString::number(variant) + u'-'
        + QString::number(wording) + u".wav"_s;
}

} // namespace

std::vector<SpokenText> spokenPrompts()
{
    std::vector<SpokenText> out;
    for (const PromptSet &set : promptSets())
        for (int m = 1; m <= set.wordings.size(); ++m)
            out.push_back({promptName(set.task, set.variant, m), set.wordings[m - 1]});

    // The puzzle announces its picture itself, per level: at level 1 one of
    // three picture groups, at level 2 one of the two pictures.
    const QStringList puzzle1 = {u"Poskládej obrázek."_s, u"Posouvej dílky, až bude obrázek celý."_s,
                                 u"Posuň dílek na prázdné místo."_s};
    const QStringList puzzle2 = {u"Poskládej větší obrázek."_s, u"Šestnáct dílků. Poskládej obrázek."_s};
    for (int n = 1; n <= puzzle1.size(); ++n)
        out.push_back({promptName(410, 1, n), puzzle1[n - 1]});
    for (int n = 1; n <= puzzle2.size(); ++n)
        out.push_back({promptName(410, 2, n), puzzle2[n - 1]});
    return out;
}

namespace {

// A reward sound is named by its phrase: the settings screen lists the file
// names, so the lists read as the child hears them.
std::vector<SpokenText> named(const QString &dir, const QStringList &phrases)
{
    std::vector<SpokenText> out;
    for (const QString &phrase : phrases) {
        QString stem = phrase;
        while (!stem.isEmpty() && QStringLiteral(".!?").contains(stem.back()))
            stem.chop(1);
        out.push_back({dir + stem + u".wav"_s, phrase});
    }
    return out;
}

} // namespace

std::vector<SpokenText> praisePhrases()
{
    return named(u"zvuky\\spravne\\"_s,
                 {u"Výborně!"_s, u"Správně!"_s, u"To se ti povedlo!"_s, u"Ty jsi ale šikula!"_s, u"Skvělé!"_s,
                  u"Moc hezky!"_s, u"Bezvadné!"_s, u"Jen tak dál!"_s});
}

std::vector<SpokenText> reprimandPhrases()
{
    return named(u"zvuky\\spatne\\"_s,
                 {u"Zkus to ještě jednou."_s, u"To není ono."_s, u"Podívej se pozorně."_s,
                  u"Skoro, zkus to znovu."_s, u"Ještě přemýšlej."_s});
}

} // namespace mediagen
