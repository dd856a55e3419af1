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
    static const std::vector<PromptSet> sets = {
        // Group A
        {101, 1, {u"Najdi dole stejný obrázek, jako je ten nahoře."_s,
                  u"Který obrázek je úplně stejný jako ten nahoře? Klikni na něj."_s,
                  u"Podívej se na obrázek nahoře a najdi jeho dvojici."_s,
                  u"Hledej dvojici. Najdi obrázek, který je stejný."_s}},
        {101, 2, {u"Najdi dole obrázek, který patří k obrázku nahoře."_s,
                  u"Co patří k obrázku nahoře? Najdi to dole."_s,
                  u"Obrázek nahoře je nakreslený jinak. Najdi ho mezi obrázky dole."_s,
                  u"Hledej dvojici. Který obrázek znamená totéž co obrázek nahoře?"_s}},
        {102, 1, {u"Poslouchej, jakou barvu ti řeknu, a najdi ji."_s,
                  u"Najdi pastelku s barvou, kterou uslyšíš."_s,
                  u"Kterou barvu hledáme? Poslouchej a klikni na ni."_s}},
        {103, 1, {u"Poslouchej, jaký tvar máš najít, a klikni na něj."_s,
                  u"Najdi tvar, který ti řeknu."_s,
                  u"Který tvar hledáme? Poslouchej dobře."_s,
                  u"Najdi mezi obrázky tvar, který uslyšíš."_s}},
        {104, 1, {u"Najdi tvar, který má barvu, kterou ti řeknu."_s,
                  u"Poslouchej, jaký tvar a jakou barvu hledáme."_s,
                  u"Dávej pozor na tvar i na barvu. Najdi ten správný."_s,
                  u"Najdi tvar se správnou barvou."_s}},
        {105, 1, {u"Najdi tvar, který je tak velký, jak ti řeknu."_s,
                  u"Poslouchej, jaký tvar a jak velký máš najít."_s,
                  u"Dávej pozor na tvar i na velikost. Najdi ten správný."_s,
                  u"Najdi tvar ve velikosti, kterou uslyšíš."_s}},
        {106, 1, {u"Poslouchej pozorně: jaký tvar, jakou barvu a jakou velikost hledáme?"_s,
                  u"Najdi tvar se správnou barvou a velikostí."_s,
                  u"Dávej pozor na tvar, barvu i velikost."_s,
                  u"Najdi přesně ten tvar, který ti popíšu."_s}},
        {107, 1, {u"Najdi postupně dva tvary, které ti řeknu."_s,
                  u"Poslouchej a klikni na oba tvary, jeden po druhém."_s,
                  u"Budeme hledat dva tvary. Najdi je popořadě."_s,
                  u"Zapamatuj si dva tvary a najdi je."_s}},
        {107, 2, {u"Najdi postupně tři tvary, které ti řeknu."_s,
                  u"Poslouchej a klikni na všechny tři tvary, jeden po druhém."_s,
                  u"Budeme hledat tři tvary. Najdi je popořadě."_s,
                  u"Zapamatuj si tři tvary a najdi je."_s}},
        {108, 1, {u"Poslouchej, jestli máš najít to největší, nebo to nejmenší."_s}},
        {109, 1, {u"Seřaď obrázky podle velikosti nebo podle počtu. Klikej na ně jeden po druhém, jak uslyšíš."_s}},
        {110, 1, {u"Najdi obrázek, který se od ostatních liší."_s,
                  u"Který obrázek sem nepatří? Klikni na něj."_s,
                  u"Jeden obrázek je jiný než ostatní. Najdi ho."_s,
                  u"Podívej se pozorně a najdi obrázek, který je jiný."_s}},
        {111, 1, {u"Podívej se na znaménko a najdi obrázek, na kterém je stejně, méně, nebo více věcí."_s}},
        {112, 1, {u"Doplň řadu. Který obrázek patří do prázdného okénka?"_s,
                  u"Podívej se, jak se obrázky opakují, a najdi ten, který chybí."_s,
                  u"Co chybí v řadě? Najdi správný obrázek."_s,
                  u"Obrázky jdou pořád stejně za sebou. Který přijde do okénka?"_s,
                  u"Najdi obrázek, který doplní řadu."_s}},
        // Group B
        {201, 1, {u"Klikni na číslo a uvidíš, kolik to je."_s,
                  u"Vyber si číslo a poznáš, jak vypadá na prstech."_s}},
        {202, 1, {u"Najdi obrázek, na kterém je tolik věcí, kolik ukazuje číslo."_s,
                  u"Podívej se na číslo a najdi stejný počet věcí."_s,
                  u"Kolik ukazuje číslo? Najdi obrázek se stejným počtem."_s}},
        {202, 2, {u"Spočítej věci na obrázku a najdi správné číslo."_s,
                  u"Kolik je tu věcí? Najdi to číslo."_s,
                  u"Spočítej, co vidíš nahoře, a klikni na číslo."_s}},
        {202, 3, {u"Poslouchej číslo a najdi obrázek, na kterém je tolik věcí."_s,
                  u"Řeknu ti číslo. Najdi obrázek se stejným počtem věcí."_s,
                  u"Poslouchej, kolik věcí hledáme, a najdi ten obrázek."_s}},
        {202, 4, {u"Poslouchej a najdi číslo, které ti řeknu."_s,
                  u"Řeknu ti číslo. Najdi ho."_s,
                  u"Které číslo uslyšíš? Klikni na něj."_s}},
        {203, 1, {u"Poslouchej, kolikátý obrázek máš najít, a klikni na něj."_s,
                  u"Počítej obrázky zleva a najdi ten, který ti řeknu."_s,
                  u"Najdi obrázek na místě, které uslyšíš."_s}},
        {204, 1, {u"Porovnávej čísla. Poslouchej a najdi, které číslo je větší nebo menší."_s}},
        {205, 1, {u"Vyber si číslo a rozlož ho. Šipkami přesouvej kuličky z jedné strany na druhou."_s}},
        {206, 1, {u"Najdi obrázek, který patří k rozkladu nahoře."_s,
                  u"Podívej se na rozklad čísla a najdi k němu obrázek."_s}},
        {206, 2, {u"Podívej se na obrázek a najdi k němu správný rozklad."_s,
                  u"Jak je číslo na obrázku rozložené? Najdi správný rozklad."_s}},
        {207, 1, {u"Doplň do rozkladu číslo, které chybí. Pomůže ti obrázek."_s,
                  u"Které číslo v rozkladu chybí? Podívej se na obrázek."_s}},
        {207, 2, {u"Kolik věcí chybí do celého čísla? Najdi správný obrázek."_s,
                  u"Kolik věcí musíš přidat, aby jich bylo tolik jako celé číslo? Najdi ten obrázek."_s}},
        {207, 3, {u"Doplň do rozkladu číslo, které chybí."_s,
                  u"Které číslo chybí v rozkladu? Najdi ho."_s}},
        {208, 1, {u"Doplň do řady číslo, které chybí."_s}},
        // Group C
        {301, 1, {u"Přidávej nebo ubírej, až bude věcí tolik, kolik ukazuje číslo. Pak to potvrď."_s,
                  u"Pomocí plus a mínus udělej stejný počet věcí jako číslo. Nakonec potvrď."_s,
                  u"Přidej, nebo uber, aby to bylo stejně. Až to bude, potvrď to."_s}},
        {301, 2, {u"Přidávej nebo ubírej, až bude číslo stejné jako počet věcí. Pak to potvrď."_s,
                  u"Pomocí plus a mínus najdi číslo, které patří k obrázku. Nakonec potvrď."_s,
                  u"Přidej, nebo uber, aby číslo odpovídalo obrázku. Až to bude, potvrď to."_s}},
        {301, 3, {u"Přidávej nebo ubírej, až budou obě čísla stejná. Pak to potvrď."_s,
                  u"Pomocí plus a mínus udělej stejné číslo. Nakonec potvrď."_s,
                  u"Přidej, nebo uber, aby se čísla rovnala. Až to bude, potvrď to."_s}},
        {302, 1, {u"Najdi příklad, který patří k obrázku."_s,
                  u"Podívej se na obrázek. Který příklad k němu patří?"_s,
                  u"Jaký příklad je na obrázku? Najdi ho."_s,
                  u"Najdi k obrázku správný příklad."_s}},
        {302, 2, {u"Najdi obrázek, který patří k příkladu."_s,
                  u"Podívej se na příklad. Který obrázek k němu patří?"_s,
                  u"Na kterém obrázku je tento příklad? Najdi ho."_s,
                  u"Najdi k příkladu správný obrázek."_s}},
        {303, 1, {u"Vypočítej příklad s obrázky a najdi výsledek."_s,
                  u"Kolik to bude dohromady, nebo kolik zbude? Najdi správný obrázek."_s,
                  u"Spočítej obrázky v příkladu a najdi, kolik vyjde."_s,
                  u"Najdi obrázek, který patří do prázdného okénka."_s}},
        {304, 1, {u"Najdi rovnici, která patří k obrázku."_s,
                  u"Podívej se na obrázek a najdi k němu správnou rovnici."_s}},
        {304, 2, {u"Najdi obrázek, který patří k rovnici."_s,
                  u"Podívej se na rovnici a najdi k ní správný obrázek."_s}},
        {305, 1, {u"Vypočítej příklad a najdi správný výsledek."_s,
                  u"Kolik to je? Najdi výsledek."_s,
                  u"Spočítej příklad a klikni na číslo, které vyjde."_s,
                  u"Najdi číslo, které patří do prázdného okénka."_s}},
        {306, 1, {u"Které číslo v příkladu chybí? Najdi ho."_s,
                  u"Doplň do příkladu číslo, které chybí."_s,
                  u"Najdi číslo, aby příklad platil."_s,
                  u"V příkladu je prázdné okénko. Které číslo tam patří?"_s}},
        {307, 1, {u"Najdi všechny příklady, které mají výsledek, jaký ti řeknu."_s,
                  u"Poslouchej číslo a najdi všechny příklady, kterým to vyjde."_s,
                  u"Které příklady mají výsledek, který uslyšíš? Najdi je všechny."_s}},
        {308, 1, {u"Poslouchej, jestli máš najít správný, nebo špatný příklad."_s}},
        {309, 1, {u"Vypočítej dlouhý příklad a najdi výsledek."_s,
                  u"Počítej postupně zleva a najdi, kolik vyjde."_s,
                  u"Kolik je výsledek? Počítej pozorně krok po kroku."_s,
                  u"Spočítej celý příklad a klikni na výsledek."_s}},
        {310, 1, {u"Doplň do příkladu správné znaménko: plus, nebo mínus."_s,
                  u"Které znaménko chybí? Plus, nebo mínus?"_s,
                  u"Má se přičítat, nebo odčítat? Vyber znaménko."_s}},
        {311, 1, {u"Najdi pravidlo řady a doplň číslo, které chybí."_s,
                  u"Čísla v řadě rostou vždy o stejné číslo. Které chybí?"_s,
                  u"Doplň matematickou řadu správným číslem."_s}},
        // Group D
        {401, 1, {u"Nakresli do prázdné mřížky stejný obrázek z teček."_s,
                  u"Označ tečky tak, aby vznikl stejný obrázek."_s}},
        {401, 2, {u"Nakresli obrázek obráceně, jako v zrcadle."_s,
                  u"Označ tečky tak, aby byl obrázek převrácený zleva doprava."_s}},
        {401, 3, {u"Nakresli obrázek vzhůru nohama."_s,
                  u"Označ tečky tak, aby byl obrázek otočený shora dolů."_s}},
        {402, 1, {u"Dostav zeď. Najdi cihlu, která s číslem v mezeře dá dohromady deset."_s}},
        {403, 1, {u"Nakup zboží přesně za tolik korun, kolik máš. Pak zaplať u pokladny."_s}},
        {404, 1, {u"Zaplať postupně tři nákupy. Klikej na mince a bankovky."_s}},
        {405, 1, {u"Myslím si číslo. Poslouchej pozorně a hádej, které to je."_s,
                  u"Hádej, jaké číslo si myslím. Dávej dobrý pozor."_s}},
        {406, 1, {u"Spojuj čísla popořadě od jedničky. Pak najdi, co jsi nakreslil."_s}},
        {407, 1, {u"Přikládej kostky domina. Najdi kostku, která dá dohromady číslo, které uslyšíš."_s,
                  u"Najdi kostku domina, která pasuje na konec řady a má součet, který ti řeknu."_s}},
        {408, 1, {u"Otáčej kartičky a hledej dvojice, které k sobě patří."_s}},
        {409, 1, {u"Jeden obrázek jsem si tajně vybral. Zkus ho najít, nápovědy ti pomůžou."_s}},
        {411, 1, {u"Vypočítej příklad v políčku a vybarvi ho barvou se stejným číslem."_s}},
        {412, 1, {u"Projdi bludištěm a sbírej čísla popořadě od jedničky do desítky."_s}},
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
    const QStringList puzzle1 = {
        u"Poskládej obrázek. Klikni na dílek vedle prázdného místa a posune se tam."_s,
        u"Dílky jsou přeházené. Posouvej je, až bude obrázek celý."_s,
        u"Poskládej obrázek zase dohromady. Posouvej dílky na prázdné místo."_s};
    const QStringList puzzle2 = {
        u"Tenhle hlavolam je větší. Posouvej dílky, až poskládáš celý obrázek."_s,
        u"Šestnáct políček a jedno prázdné. Poskládej obrázek posouváním dílků."_s};
    for (int n = 1; n <= puzzle1.size(); ++n)
        out.push_back({promptName(410, 1, n), puzzle1[n - 1]});
    for (int n = 1; n <= puzzle2.size(); ++n)
        out.push_back({promptName(410, 2, n), puzzle2[n - 1]});
    return out;
}

std::vector<SpokenText> praisePhrases()
{
    const QString dir = u"zvuky\\spravne\\"_s;
    return {{dir + u"vyborne.wav"_s, u"Výborně!"_s},
            {dir + u"spravne.wav"_s, u"Správně!"_s},
            {dir + u"povedlo.wav"_s, u"To se ti povedlo!"_s},
            {dir + u"sikula.wav"_s, u"Ty jsi ale šikula!"_s},
            {dir + u"skvele.wav"_s, u"Skvělé!"_s},
            {dir + u"hezky.wav"_s, u"Moc hezky!"_s},
            {dir + u"bezvadne.wav"_s, u"Bezvadné!"_s},
            {dir + u"jentakdal.wav"_s, u"Jen tak dál!"_s}};
}

std::vector<SpokenText> reprimandPhrases()
{
    const QString dir = u"zvuky\\spatne\\"_s;
    return {{dir + u"znovu.wav"_s, u"Zkus to ještě jednou."_s},
            {dir + u"neniono.wav"_s, u"To není ono."_s},
            {dir + u"pozorne.wav"_s, u"Podívej se pozorně a zkus to znovu."_s},
            {dir + u"skoro.wav"_s, u"Skoro! Zkus to ještě jednou."_s},
            {dir + u"premyslej.wav"_s, u"Ještě chvilku přemýšlej."_s}};
}

} // namespace mediagen
