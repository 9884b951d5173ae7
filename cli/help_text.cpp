#include "help_text.h"

namespace kantrix::cli {

std::string_view helpText()
{
    return R"(kantrix-cli – Abwicklung einer Blechbiegung nach DIN 6935

Aufruf:
  kantrix-cli [--json] [r=WERT] [s=WERT] [beta=WERT] [a=WERT] [b=WERT]
  kantrix-cli --csv DATEI
  kantrix-cli tabelle --dicke LISTE --radius LISTE [--beta LISTE] [--csv [--semikolon]]
  kantrix-cli profil --dicke S --radius R --schenkel LISTE --winkel LISTE [...]
  kantrix-cli profil TEIL.kprofil [...]
  kantrix-cli kasten --dicke S --radius R --laenge A --breite B --hoehe LISTE [...]
  kantrix-cli kasten TEIL.kkasten [...]
  kantrix-cli probebiegung --werkstoff NAME --dicke S (--radius R | --matrize V)
              --winkel B --zuschnitt L0 --schenkel A/B [--eintragen] [...]
  kantrix-cli werkstoffe [--json]
  kantrix-cli --help | --version

Eine Biegung: Biegeradius r, Blechdicke s, Öffnungswinkel beta und die
Schenkellängen a und b werden wie im Fenster von Kantrix eingegeben, Feld für
Feld in der Reihenfolge r, s, beta, a, b; ein nicht genanntes Feld behält
seinen Startwert (r = 2, s = 2, beta = 90, a = b = 100), wird aber wie beim
Durchtabben ebenfalls geprüft. Ausgegeben werden die 13 Größen so, wie das
Fenster sie zeigt. Unzulässige Eingaben werden wie im
Fenster berichtigt – r oder s nicht größer als 0 wird 0.00001, beta nicht
größer als 0 wird 1, beta ab 180 wird 179, eine Schenkellänge unter 4*r wird
4*r – und jede Berichtigung wird auf der Standardfehlerausgabe gemeldet.

Werte: nur einfache Zahlen mit Dezimalpunkt, also Vorzeichen, Ziffern, Punkt,
Nachkommastellen und wahlweise ein Exponent (1.5, -2, 4e-3). Alles andere,
etwa 1,5 oder "12 mm" oder "1 000", wird abgelehnt, bevor gerechnet wird.

Optionen:
  --json        das Ergebnis als JSON-Objekt: zu jeder Größe (r, s, beta,
                alpha, k, n, v, bz, a, b, a', b', L) "text" wie im Fenster und
                "value" als gespeicherte Zahl, dazu die Liste "corrections"
  --csv DATEI   viele Biegungen aus einer CSV-Datei; "-" liest die
                Standardeingabe. Die Kopfzeile nennt r, s, beta, a und/oder b
                in beliebiger Reihenfolge; eine fehlende Spalte oder leere
                Zelle lässt das Feld beim Startwert. Ausgabe: je Zeile die 13
                Größen und die Spalte "error". Trennzeichen ist ";", wenn die
                Kopfzeile eines enthält, sonst ","; mit ";" stehen Zahlen mit
                Dezimalkomma, beim Lesen wie beim Schreiben. Eine abgelehnte
                oder fehlerhafte Zeile behält ihre Eingaben, nennt den Fehler
                in "error", und der Stapel läuft weiter.
  -h, --help    diese Hilfe (zur Tabelle: kantrix-cli tabelle --help, zu
                einem Profil mit mehreren Biegungen: kantrix-cli profil --help,
                zu einem Kasten mit Wänden: kantrix-cli kasten --help,
                zu Probebiegungen und Werkstoffen: kantrix-cli probebiegung
                --help und kantrix-cli werkstoffe --help)
  --version     die Versionsnummer

Rückgabewert:
  0  alles berechnet
  2  Aufruf, Datei oder Wert abgelehnt; nichts berechnet
  3  Rechenfehler: ein Ergebnis liegt außerhalb des Zahlbereichs; bei --csv
     und tabelle: mindestens eine Zeile oder Zelle wurde nicht berechnet
  1  die Ausgabe oder eine Datei ließ sich nicht schreiben (etwa volle Platte)

Ausgaben gehen nur auf die Standardausgabe, Hinweise und Fehler nur auf die
Standardfehlerausgabe; Dateien schreiben nur profil, kasten und probebiegung,
und nur auf Verlangen.

Beispiele:
  kantrix-cli r=3 s=1.5 beta=120 a=50 b=80
  kantrix-cli --json r=3 s=1.5
  kantrix-cli --csv teile.csv > ergebnisse.csv
  printf 'r;s;beta\n2,5;1,5;120\n' | kantrix-cli --csv -
  kantrix-cli tabelle --dicke 1:3:0.5 --radius 1/2/4/6 --beta 90/120
  kantrix-cli profil --dicke 2 --radius 2 --schenkel 50/100/50 --winkel 90/90
  kantrix-cli profil --dicke 1.5 --werkstoff S235JR --matrize 12
      --schenkel 50/100/50 --winkel 90/90 --breite 1000
)";
}

std::string_view tableHelpText()
{
    return R"(kantrix-cli tabelle – Tabellen der Verkürzung v nach DIN 6935

Aufruf:
  kantrix-cli tabelle --dicke LISTE --radius LISTE [--beta LISTE] [--csv [--semikolon]]

Für jeden Öffnungswinkel beta eine Tabelle: Zeilen sind Blechdicken s,
Spalten Biegeradien r, jede Zelle zeigt v so, wie das Fenster es für dieses
r, s und beta zeigt.

Listen: Werte werden mit "/" getrennt, ein Bereich ist von:bis:Schritt; beides
lässt sich mischen und die Option wiederholen. Zahlen wie bei einer Biegung,
mit Dezimalpunkt. Höchstens 1000 Werte je Liste.
  --dicke 1/1.5/2        drei Dicken
  --dicke 1:3:0.5        1, 1.5, 2, 2.5, 3
  --radius 0.5/1:4:1     0.5, 1, 2, 3, 4

Optionen:
  -s, --dicke LISTE    die Blechdicken s in mm (Zeilen)
  -r, --radius LISTE   die Biegeradien r in mm (Spalten)
  --beta LISTE         die Öffnungswinkel in Grad, eine Tabelle je Wert
                       (ohne Angabe 90)
  --csv                als CSV statt als Text zum Drucken: Spalten beta, s und
                       je Radius eine Spalte "r=…"
  --semikolon          mit --csv: ";" als Trennzeichen und Dezimalkomma
  -h, --help           diese Hilfe

Rückgabewert: 0 alles berechnet, 2 Aufruf oder Wert abgelehnt, 3 mindestens
eine Zelle mit Rechenfehler (im Text "Fehler", in CSV leer).

Beispiele:
  kantrix-cli tabelle --dicke 1:3:0.5 --radius 1/2/4/6
  kantrix-cli tabelle -s 2 -r 1:10:1 --beta 60/90/120 --csv --semikolon
)";
}

std::string_view profileHelpText()
{
    return R"(kantrix-cli profil – Zuschnitt eines Profils mit mehreren Biegungen (DIN 6935)

Aufruf:
  kantrix-cli profil --dicke S --radius R --schenkel LISTE --winkel LISTE
                     [--radien LISTE] [--innen LISTE] [--richtung LISTE]
                     [--breite W] [ABKANTPRESSE] [AUSGABEN]
  kantrix-cli profil --dicke S --matrize V --schenkel LISTE --winkel LISTE
                     [...] [ABKANTPRESSE] [AUSGABEN]
  kantrix-cli profil TEIL.kprofil [AUSGABEN]

Ein Profil ist eine Kette von Schenkeln mit je einer Biegung dazwischen: n
Schenkel brauchen n - 1 Öffnungswinkel. Jede Biegung wird wie die eine Biegung
des Fensters gerechnet. Ausgegeben werden die Schenkel (wie eingegeben, außen
gemessen und ihr gerades Stück), die Biegungen (β, α, r, k, v, bz und die Lage
der Biegelinie), die gestreckte Länge L und die Hinweise.

Listen werden mit "/" getrennt, Zahlen mit Dezimalpunkt wie überall (2.5,
nicht 2,5). Nichts wird berichtigt: ein Wert außerhalb des zulässigen
Bereichs, Listen, die nicht zusammenpassen, mehr als 100 Biegungen oder ein
Schenkel, der für seine Biegungen zu kurz ist, werden abgelehnt.

Werte:
  -s, --dicke S      die Blechdicke s in mm
  -r, --radius R     der Biegeradius r in mm für jede Biegung ohne eigenen
  --schenkel LISTE   die Schenkellängen in mm von links nach rechts, außen
                     gemessen (bei mehr als 90° Öffnung bis zum Schnittpunkt
                     der Außenflächen), z. B. 50/100/50
  --winkel LISTE     die Öffnungswinkel β in Grad, einer je Biegung,
                     0 < β < 180
  --radien LISTE     eigene Biegeradien je Biegung; ein leeres Feld nimmt r,
                     z. B. 3// bei drei Biegungen: Radius 3 nur an Biegung 1
  --innen LISTE      die Nummern der innen gemessenen Schenkel, von 1 an,
                     z. B. 1/3
  --richtung LISTE   + oder - je Biegung (ohne Angabe alle +): + biegt zum
                     Betrachter des Zuschnitts hin, - von ihm weg, z. B. +/-
  --breite W         die Breite des Zuschnitts entlang der Biegelinien in mm

Abkantpresse (Freibiegen im Gesenk):
  --werkstoff NAME   der Werkstoff, mit Namen oder Werkstoffnummer, etwa
                     S235JR oder 1.0038 (kantrix-cli werkstoffe zeigt alle);
                     hat er Probebiegungen, kommt k aus ihnen statt aus
                     DIN 6935
  --matrize V        die Gesenköffnung V in mm; jede Biegung ohne eigenen
                     Radius bekommt r = f · V (f des Werkstoffs, ohne ihn
                     0.16), darum nicht zusammen mit --radius
  --presse KN        die Presskraft in kN: ein Hinweis für jede Biegung, die
                     mehr braucht
  --walzrichtung R   quer (ohne Angabe) oder laengs: die Lage der
                     Biegelinien zur Walzrichtung, für den Mindestradius
  --werkstoffe DATEI die Werkstoffdatei statt der eigenen des Benutzers

Mit Werkstoff und Matrize zeigt die Antwort je Biegung die Kraft (über die
Breite W und je Meter), den kleinsten Schenkel, der noch auf der Matrize
aufliegt, den Mindestradius des Werkstoffs und, wo Probebiegungen mit
eingestelltem Winkel es erlauben, den an der Presse einzustellenden Winkel;
dazu die empfohlene Matrize (die kleinste ab 8 · s) und Hinweise.

Ausgaben:
  --json             das Ergebnis als JSON-Objekt statt als Tabelle; jede Zahl
                     mit "text" wie angezeigt und "value" als genaue Zahl
  --dxf DATEI        der Zuschnitt als DXF für den Laser (braucht --breite)
  --svg DATEI        der Zuschnitt als SVG (braucht --breite)
  --schnitt DATEI    der Querschnitt als SVG
  --speichern DATEI  das Profil als .kprofil-Datei
  -h, --help         diese Hilfe

Eine Profildatei (.kprofil, "-" liest die Standardeingabe) ersetzt die Werte;
beides zusammen wird abgelehnt. Dateien werden ganz oder gar nicht
geschrieben: erst alle unter einem vorläufigen Namen im selben Ordner, dann
umbenannt; eine vorhandene Datei bleibt bis dahin unberührt.

Rückgabewert: 0 berechnet, 2 Aufruf, Datei oder Wert abgelehnt (nichts
berechnet, nichts geschrieben), 3 Rechenfehler, 1 eine Ausgabe ließ sich nicht
schreiben.

Beispiele:
  kantrix-cli profil --dicke 2 --radius 2 --schenkel 50/100/50 --winkel 90/90
  kantrix-cli profil -s 2 -r 2 --schenkel 30/60/30 --winkel 90/90 --richtung +/-
  kantrix-cli profil --dicke 1.5 --radius 2 --schenkel 20/30/40/30/20 \
      --winkel 90/90/90/90 --richtung -/+/+/- --breite 300 --dxf haube.dxf
  kantrix-cli profil --dicke 1.5 --werkstoff S235JR --matrize 12 \
      --schenkel 50/100/50 --winkel 90/90 --breite 1000 --presse 100
  kantrix-cli profil teil.kprofil --json
)";
}

std::string_view boxHelpText()
{
    return R"(kantrix-cli kasten – Zuschnitt eines Kastens mit bis zu vier Wänden (DIN 6935)

Aufruf:
  kantrix-cli kasten --dicke S --radius R --laenge A --breite B --hoehe LISTE
                     [--innen LISTE] [ECKEN] [ABKANTPRESSE] [AUSGABEN]
  kantrix-cli kasten --dicke S --matrize V --laenge A --breite B --hoehe LISTE
                     [...] [ABKANTPRESSE] [AUSGABEN]
  kantrix-cli kasten TEIL.kkasten [AUSGABEN]

Ein Kasten (eine Wanne, ein Deckel) ist ein rechteckiger Boden mit einer Wand
an jeder Seite, die eine hat: jede Wand steht rechtwinklig (90°) zum Boden,
alle zur selben Seite. Die beiden Schnitte – längs links, Boden, rechts und
quer vorne, Boden, hinten – werden wie Profile gerechnet (kantrix-cli
profil); dazu kommen der Zuschnitt mit seinen Ecken und Freistichen, seine
Fläche und mit Werkstoff seine Masse. Der Zuschnitt liegt mit seiner
vorderen Kante auf der x-Achse und seiner linken auf der y-Achse.

Werte:
  -s, --dicke S       die Blechdicke s in mm
  -r, --radius R      der Biegeradius r in mm für jede Biegung
  --laenge A          die Länge des Bodens entlang x in mm, außen gemessen
                      (zwischen den Außenflächen der Wände; ohne Wand bis zur
                      Kante des Bodens)
  --breite B          die Breite des Bodens entlang y in mm, ebenso
  --hoehe LISTE       die Höhen H der Wände vorne/rechts/hinten/links in mm,
                      außen gemessen (von der Außenfläche des Bodens); ein
                      leeres Feld ist keine Wand, z. B. 50//50/; ein Wert gilt
                      für alle vier
  --innen LISTE       innen gemessen: laenge, breite und/oder hoehe, z. B.
                      laenge/breite (zwischen den Innenflächen der Wände; die
                      Höhe von der Innenfläche des Bodens, H außen = H + s)

Ecken (wo zwei Wände zusammenstoßen):
  --ecken STIL        offen (ohne Angabe): jede Wand endet r + s vor der
                      äußeren Ecke, wo der ebene Boden endet; stumpf: ein
                      Paar läuft bis zur Ecke durch, das andere endet an
                      dessen Innenfläche mit einem Spalt
  --durchgehend PAAR  bei stumpfen Ecken das durchlaufende Paar:
                      vorne-hinten (ohne Angabe) oder links-rechts
  --spalt G           der Spalt g an stumpfen Ecken in mm (ohne Angabe 0.2)
  --freistich ART     eckig (ohne Angabe) oder rund:D, ein Kreis mit dem
                      Durchmesser D um den Schnittpunkt der Biegelinien

Abkantpresse (Freibiegen im Gesenk), wie bei kantrix-cli profil:
  --werkstoff NAME   der Werkstoff, mit Namen oder Werkstoffnummer
  --matrize V        die Gesenköffnung V in mm; r = f · V, darum nicht
                     zusammen mit --radius
  --presse KN        die Presskraft in kN
  --walzrichtung R   quer (ohne Angabe) oder laengs: die Lage der
                     Biegelinien vorne und hinten zur Walzrichtung; die
                     Biegelinien links und rechts liegen umgekehrt
  --werkstoffe DATEI die Werkstoffdatei statt der eigenen des Benutzers

Ausgaben:
  --json             das Ergebnis als JSON-Objekt statt als Tabelle; jede Zahl
                     mit "text" wie angezeigt und "value" als genaue Zahl
  --dxf DATEI        der Zuschnitt als DXF für den Laser: die Kontur mit den
                     Freistichen als Bögen, die Biegelinien mit Biegewinkel,
                     Radius und Richtung als Text
  --svg DATEI        der Zuschnitt als SVG
  --ansicht DATEI    der gefaltete Kasten als SVG, schräg von oben
  --speichern DATEI  der Kasten als .kkasten-Datei
  -h, --help         diese Hilfe

Eine Kastendatei (.kkasten, "-" liest die Standardeingabe) ersetzt die Werte;
beides zusammen wird abgelehnt. Dateien werden ganz oder gar nicht
geschrieben; eine Ausgabe auf die gelesene Datei oder zwei Ausgaben auf eine
Datei werden abgelehnt.

Rückgabewert: 0 berechnet, 2 Aufruf, Datei oder Wert abgelehnt (nichts
berechnet, nichts geschrieben), 3 Rechenfehler, 1 eine Ausgabe ließ sich nicht
schreiben.

Beispiele:
  kantrix-cli kasten --dicke 1.5 --radius 1.5 --laenge 300 --breite 200 \
      --hoehe 50 --dxf wanne.dxf
  kantrix-cli kasten -s 1.5 -r 1.5 --laenge 300 --breite 200 --hoehe 50 \
      --ecken stumpf --freistich rund:5 --ansicht wanne.svg
  kantrix-cli kasten --dicke 2 --werkstoff S235JR --matrize 16 --laenge 400 \
      --breite 250 --hoehe 60//60/ --json
)";
}

std::string_view testBendHelpText()
{
    return R"(kantrix-cli probebiegung – das eigene k aus einer Probebiegung

Aufruf:
  kantrix-cli probebiegung --werkstoff NAME --dicke S (--radius R | --matrize V)
                           --winkel B --zuschnitt L0 --schenkel A/B
                           [--winkel-eingestellt BE] [--eintragen] [--json]
                           [--werkstoffe DATEI]

Ein Streifen des Werkstoffs wird auf L0 zugeschnitten, einmal gebogen und
gemessen: der Öffnungswinkel β nach dem Entlasten und die beiden Schenkel a
und b außen. Daraus folgen die Verkürzung v = L0 - a - b und das k, das in der
Formel von DIN 6935 genau dieses v ergibt. Ausgegeben werden v und k neben
k und v nach DIN 6935, die Länge, die DIN 6935 ergäbe (a + b + v), und die
Abweichung von L0; mit dem eingestellten Winkel βe auch die Rückfederung
K = (180 - β) / (180 - βe).

Mit --eintragen kommt die Probebiegung in die Werkstoffdatei (ganz oder gar
nicht geschrieben; fehlt sie, wird sie angelegt). Hat ein Werkstoff
Probebiegungen, rechnet profil mit ihrem k: zwischen ihnen nach r/s
(logarithmisch) gemittelt, außerhalb mit der nächsten. Wo Probebiegungen βe
nennen, zeigt profil auch den an der Presse einzustellenden Winkel.

Optionen:
  --werkstoff NAME         Name oder Werkstoffnummer
  -s, --dicke S            die Blechdicke in mm
  -r, --radius R           der Innenradius in mm, oder
  --matrize V              die Gesenköffnung, die ihn macht: r = f · V
  --winkel B               der gemessene Öffnungswinkel β, 45 bis 135 Grad
  --winkel-eingestellt BE  der an der Presse eingestellte Winkel βe
  --zuschnitt L0           die Länge des Streifens vor dem Biegen in mm
  --schenkel A/B           die gemessenen Schenkel außen in mm, z. B. 50/53
  --eintragen              in die Werkstoffdatei eintragen
  --json                   das Ergebnis als JSON-Objekt
  --werkstoffe DATEI       die Werkstoffdatei statt der eigenen des Benutzers
  -h, --help               diese Hilfe

Abgelehnt wird β außerhalb 45 … 135 Grad (die Messung bestimmte k zu ungenau)
und ein k außerhalb 0 < k ≤ 1.2 (wohl ein Messfehler).

Die eigene Werkstoffdatei ist $XDG_CONFIG_HOME/kantrix/werkstoffe.json, ohne
XDG_CONFIG_HOME ~/.config/kantrix/werkstoffe.json. Eine fehlerhafte Datei
wird nie überschrieben.

Rückgabewert: 0 berechnet (und eingetragen), 2 Aufruf, Datei oder Wert
abgelehnt (nichts geschrieben), 3 Rechenfehler, 1 die Werkstoffdatei ließ sich
nicht schreiben (die alte bleibt unverändert).

Beispiel:
  kantrix-cli probebiegung --werkstoff S235JR --dicke 1.5 --matrize 12 \
      --winkel 90 --winkel-eingestellt 88 --zuschnitt 100 --schenkel 51.5/51.7 \
      --eintragen
)";
}

std::string_view materialsHelpText()
{
    return R"(kantrix-cli werkstoffe – die Werkstoffe mit ihren Werten und Probebiegungen

Aufruf:
  kantrix-cli werkstoffe [--json] [--werkstoffe DATEI] [--importieren DATEI]

Zeigt jeden eingebauten Werkstoff, mit dem ergänzt, was die Werkstoffdatei zu
ihm sagt, und die eigenen Werkstoffe der Datei: Name, Werkstoffnummer,
Zugfestigkeit Rm (nach Dicke), Radiusfaktor f (Innenradius durch
Gesenköffnung beim Freibiegen), Mindestradius und die Probebiegungen mit dem
v und k, die sie ergeben.

Mit --importieren kommt eine andere Werkstoffdatei (etwa die von der Seite
im Browser exportierte) in die eigene, nach Werkstoffnamen: ein neuer
Werkstoff ganz, die Probebiegungen eines bekannten zu den eigenen (eine
gleiche nur einmal), und wo die Datei andere Werte nennt, gelten ihre. Von
der eigenen Datei geht nichts verloren; sie wird ganz geschrieben oder gar
nicht.

Optionen:
  --json                als JSON-Objekt
  --werkstoffe DATEI    die Werkstoffdatei statt der eigenen des Benutzers
  --importieren DATEI   diese Werkstoffdatei in die eigene übernehmen
  -h, --help            diese Hilfe

Rückgabewert: 0 gezeigt, 1 die Werkstoffdatei nicht geschrieben, 2 eine
Werkstoffdatei abgelehnt.
)";
}

} // namespace kantrix::cli
