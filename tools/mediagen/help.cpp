#include "family.h"

using namespace Qt::StringLiterals;

namespace mediagen {

namespace {

// The help page, UTF-8 HTML kept to what the program's rich-text viewer
// renders: paragraphs, lists and tables, large text. Titles are sized spans
// rather than heading elements, whose own size the viewer would impose.
const char kHelpPage[] = R"HTML(<!DOCTYPE html>
<html lang="cs">
<head>
<meta charset="utf-8">
<title>Flumo – nápověda</title>
<style>
body { font-family: "DejaVu Sans", sans-serif; font-size: 20px; background: #fffdf4; color: #202040; }
.t1 { font-size: 34px; font-weight: bold; color: #1e6e7a; }
.t2 { font-size: 28px; font-weight: bold; color: #1e6e7a; }
.t3 { font-size: 23px; font-weight: bold; color: #44307a; }
td, th { font-size: 20px; padding: 4px 12px; vertical-align: top; }
th { text-align: left; background: #dceff2; }
.key { font-weight: bold; color: #a03020; white-space: nowrap; }
</style>
</head>
<body>
<p><span class="t1">Flumo – počítání pro nejmenší</span></p>
<p>Flumo je hra, ve které se děti učí poznávat tvary, barvy, množství a čísla
a počítat do deseti, do dvaceti i do sta. Všechna zadání zazní nahlas, takže
děti nemusí umět číst.</p>

<p style="margin-top: 18px"><span class="t2">Jak se hraje</span></p>
<ol>
<li><b>Vyber skupinu.</b> Na úvodní obrazovce jsou čtyři velká tlačítka:
<b>A Úvod</b> (dvojice, barvy, tvary, velikosti, řady obrázků),
<b>B Poznávání</b> (čísla, množství, porovnávání, řadové číslovky, rozklad čísla),
<b>C Počítání</b> (sčítání a odčítání, rovnice, znaménka, číselné řady) a
<b>D Hry</b> (nakupování, domino, pexeso, skládačka, vybarvování, bludiště a další).</li>
<li><b>Vyber cvičení.</b> Vpravo se objeví seznam cvičení skupiny. Klikni na řádek
a cvičení začne.</li>
<li><b>Poslouchej zadání.</b> Panáček řekne, co máš udělat. Když zadání nestihneš,
stiskni <span class="key">F2</span> nebo růžové tlačítko s reproduktorem a uslyšíš ho znovu.</li>
<li><b>Ukaž na obrázek a klikni.</b> Když na obrázek najedeš myší, zvýrazní se.
Kliknutím na zvýrazněný obrázek odpovíš. Stejně dobře můžeš obrázek vybrat šipkami
nebo mezerníkem a odpovědět klávesou <span class="key">Enter</span>.</li>
<li><b>Pochvala.</b> Správná odpověď dostane pochvalu a veselou animaci a hned přijde
další příklad. Když odpověď správná není, ozve se vlídné povzbuzení nebo zvonek
a můžeš to zkusit znovu.</li>
<li><b>Kartičky.</b> Za správně vyřešené příklady ve skupinách A, B a C sbíráš body.
Když nasbíráš dost bodů a neuděláš moc chyb, dostaneš kartičku. Když máš celou sadu
kartiček, otevřou se dvě odměny: skládačka z obrázku sady a vybarvování obrázku.</li>
</ol>

<p style="margin-top: 18px"><span class="t2">Tlačítka nad cvičením</span></p>
<table>
<tr><th>Tlačítko</th><th>Co dělá</th></tr>
<tr><td>oranžové s domečkem</td><td>návrat na výběr skupiny a cvičení</td></tr>
<tr><td>fialové s hvězdičkou</td><td>sbírka kartiček; když na tlačítko ukážeš, uvidíš počet kartiček, bodů a chyb
(šedá hvězdička: kartičky se nesbírají)</td></tr>
<tr><td>tyrkysové s ozubeným kolečkem</td><td>otevře nastavení (pro rodiče, viz níže)</td></tr>
<tr><td>zelené s kulatou šipkou</td><td>nový příklad</td></tr>
<tr><td>modré s otazníkem</td><td>tato stránka</td></tr>
<tr><td>růžové s reproduktorem</td><td>ještě jednou přehraje poslední zadání</td></tr>
<tr><td>modré trojúhelníčky vlevo a vpravo od žlutého štítku s názvem cvičení</td><td>předchozí a další cvičení skupiny</td></tr>
<tr><td>trojúhelníčky u zeleného štítku s variantou</td><td>předchozí a další varianta cvičení</td></tr>
<tr><td>trojúhelníčky u modrého štítku s úrovní</td><td>menší nebo větší čísla (do 3, do 5, do 10, do 20, po desítkách, do 20 s přechodem přes desítku, do 100)</td></tr>
</table>
<p>Na žlutý, zelený i modrý štítek můžeš také kliknout a vybrat si ze seznamu.</p>

<p style="margin-top: 18px"><span class="t2">Klávesy při cvičení</span></p>
<table>
<tr><th>Klávesa</th><th>Co dělá</th></tr>
<tr><td class="key">F2</td><td>zopakuje poslední zadání nebo zvuk</td></tr>
<tr><td class="key">F3</td><td>předchozí cvičení skupiny</td></tr>
<tr><td class="key">F4</td><td>další cvičení skupiny</td></tr>
<tr><td class="key">F5</td><td>nižší úroveň (menší čísla)</td></tr>
<tr><td class="key">F6</td><td>vyšší úroveň (větší čísla)</td></tr>
<tr><td class="key">F7</td><td>předchozí varianta cvičení</td></tr>
<tr><td class="key">F8</td><td>další varianta cvičení</td></tr>
<tr><td class="key">F9</td><td>nový příklad</td></tr>
<tr><td class="key">Esc</td><td>návrat na výběr skupiny a cvičení; rozehrané cvičení zůstane, jak bylo</td></tr>
<tr><td class="key">Alt+H</td><td>sbírka kartiček (hodnocení)</td></tr>
<tr><td class="key">Alt+P</td><td>nastavení (parametry)</td></tr>
<tr><td class="key">šipky</td><td>posun výběru na sousední obrázek (vlevo, vpravo, nahoru, dolů; na konci řádku se výběr vrátí na jeho začátek)</td></tr>
<tr><td class="key">mezerník</td><td>posun výběru na další obrázek; za posledním přijde zase první</td></tr>
<tr><td class="key">Enter</td><td>odpověď: vybere zvýrazněný obrázek</td></tr>
</table>
<p>Klávesy působí, až když je pustíš, takže podržená klávesa udělá jen jeden krok.
Na začátku a na konci (první cvičení, nejnižší úroveň a podobně) klávesy nic nedělají.
V odměnových hrách fungují jen <span class="key">F9</span> a <span class="key">Esc</span>.</p>
<p><span class="t3">Bludiště</span></p>
<p>Šipky posouvají panáčka, mezerník ho posune o krok dál ve směru, kterým se dívá,
a <span class="key">Enter</span> ho otočí. Panáčka můžeš také posunout kliknutím na
políčko vedle něj. Čísla sbírej popořadě od jedničky do desítky.</p>
<p><span class="t3">Vybarvování</span></p>
<p>Vyber barvu a stiskni <span class="key">Enter</span>. Mezerníkem přejdeš na další
políčko obrázku a klávesou <span class="key">Enter</span> ho vybarvíš. Když barva
k políčku nepatří, vybíráš barvu znovu.</p>

<p style="margin-top: 18px"><span class="t2">Nastavení (pro rodiče)</span></p>
<p>Nastavení otevřete tlačítkem na úvodní obrazovce, tlačítkem nad cvičením nebo
klávesami <span class="key">Alt+P</span>. Změny platí hned a vydrží do ukončení
programu; při dalším spuštění program začne s nastavením ze souboru Param1.INI.
Tlačítko OK zkontroluje, že je zaškrtnutá aspoň jedna pochvala a jedno povzbuzení;
klávesy <span class="key">Enter</span> a <span class="key">Esc</span> zavřou okno bez kontroly.</p>
<p>Program soubor Param1.INI nikdy nepřepisuje. Kdo chce jiné nastavení natrvalo
a nemá práva správce, zkopíruje Param1.INI ze složky programu
(po instalaci <b>/usr/share/flumo</b>) do <b>~/.config/flumo/Param1.INI</b>
a tam ho upraví; program pak čte tento soubor místo nainstalovaného.</p>
<p><span class="t3">Obecné parametry</span></p>
<ul>
<li><b>Automatický posun kurzoru</b> – výběr sám přechází z obrázku na obrázek; dítě
jen klikne nebo stiskne Enter, když je vybraný správný obrázek. Hodí se pro děti,
kterým dělá potíže ovládat myš.
<b>Posun po</b> určuje, jak dlouho výběr stojí na jednom obrázku, v desetinách sekundy
(5 až 50, tedy půl sekundy až pět sekund).</li>
<li><b>Černé pozadí</b> – celá obrazovka kolem okna programu je černá, nic jiného dítě
neruší.</li>
<li><b>Tlačítka vždy nahoře</b> – lišta tlačítek je v horní části cvičení; bez zaškrtnutí
je níž, mezi zadáním a obrázky.</li>
<li><b>Změna varianty úkolu po jeho splnění</b> – po každém vyřešeném příkladu přijde
další varianta cvičení, po poslední zase první.</li>
<li><b>Počítat i s nulou</b> – čísla v příkladech mohou začínat nulou; bez zaškrtnutí
začínají jedničkou.</li>
</ul>
<p><span class="t3">Ohodnocení</span></p>
<ul>
<li><b>Použít hodnocení s kartičkami</b> – za body se sbírají kartičky.</li>
<li><b>Počet bodů</b> – kolik vyřešených příkladů (1 až 20) je potřeba na jednu kartičku.</li>
<li><b>Maxim. počet chyb</b> – kolik chyb (0 až 20) smí dítě při tom udělat. Při více
chybách se kartička nezíská a body i chyby se počítají znovu od nuly.</li>
<li><b>Počet kartiček</b> – sada má čtyři nebo devět kartiček. Změna začne sbírání nové sady.</li>
</ul>
<p>Body a chyby se počítají jen ve skupinách A, B a C; hry ze skupiny D se nepočítají.</p>
<p><span class="t3">Odměny</span></p>
<ul>
<li><b>Pochvaly</b> – seznam vyslovených pochval, každá pod svými slovy. Zaznějí jen
zaškrtnuté; dvojklikem na řádek si pochvalu poslechnete.</li>
<li><b>Použít pochvalu</b> – po vyřešeném příkladu zazní pochvala a běží veselá animace.</li>
<li><b>Pokárání</b> – seznam vlídných povzbuzení po chybné odpovědi („Zkus to ještě jednou“);
zaznějí jen zaškrtnutá.</li>
<li><b>Použít Ding místo pokárání</b> – místo povzbuzení zazní jen krátký zvonek.</li>
</ul>
</body>
</html>
)HTML";

class HelpFamily final : public Family {
public:
    bool threadSafe() const override { return true; }
    QString id() const override { return u"help"_s; }
    std::vector<MediaFile> files() const override
    {
        return {{u"Help\\Pocty.htm"_s, [] { return QByteArray(kHelpPage); }}};
    }
};

} // namespace

std::unique_ptr<Family> makeHelpFamily() { return std::make_unique<HelpFamily>(); }

} // namespace mediagen
