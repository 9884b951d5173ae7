#include "help_text.h"

namespace kantrix::cli {

std::string_view helpText()
{
    return R"(kantrix-cli – Abwicklung einer Blechbiegung nach DIN 6935

Aufruf:
  kantrix-cli [--json] [r=WERT] [s=WERT] [beta=WERT] [a=WERT] [b=WERT]
  kantrix-cli --csv DATEI
  kantrix-cli tabelle --dicke LISTE --radius LISTE [--beta LISTE] [--csv [--semikolon]]
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
  -h, --help    diese Hilfe (zur Tabelle: kantrix-cli tabelle --help)
  --version     die Versionsnummer

Rückgabewert:
  0  alles berechnet
  2  Aufruf, Datei oder Wert abgelehnt; nichts berechnet
  3  Rechenfehler: ein Ergebnis liegt außerhalb des Zahlbereichs; bei --csv
     und tabelle: mindestens eine Zeile oder Zelle wurde nicht berechnet
  1  die Ausgabe ließ sich nicht schreiben (etwa volle Platte)

Ausgaben gehen nur auf die Standardausgabe, Hinweise und Fehler nur auf die
Standardfehlerausgabe; es werden keine Dateien geschrieben.

Beispiele:
  kantrix-cli r=3 s=1.5 beta=120 a=50 b=80
  kantrix-cli --json r=3 s=1.5
  kantrix-cli --csv teile.csv > ergebnisse.csv
  printf 'r;s;beta\n2,5;1,5;120\n' | kantrix-cli --csv -
  kantrix-cli tabelle --dicke 1:3:0.5 --radius 1/2/4/6 --beta 90/120
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

} // namespace kantrix::cli
