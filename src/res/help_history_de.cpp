// Die deutschen Hilfeseiten der Fenster des Verlaufs.
#include <array>

#include "res/help_pages.h"

namespace tarvik {
namespace {

constexpr std::array<HelpPageText, 4> kTopics = {{
    {1310, R"html(
<h2>Verlauf</h2>
<p>Jeder Schuss wird in dem Moment, in dem er kommt, in der <i>laufenden Serie</i> aufbewahrt.
Wählen Sie <b>Schüsse &gt; Neue Serie...</b> (Strg+N), um der nächsten Serie
<a href="topic:1313">Name und Notizen</a> zu geben; <b>Durchschnitte &gt; Zurücksetzen</b>
schließt die laufende Serie, und der nächste Schuss beginnt eine neue, die nach Datum und Uhrzeit
heißt, bis Sie sie benennen. Eine Serie ohne Schuss wird nicht aufbewahrt.</p>
<p>Wählen Sie <b>Schüsse &gt; Verlauf...</b>, um jede aufbewahrte Serie zu sehen, die neueste
oben: wann sie <b>Begonnen</b> wurde, ihren <b>Name</b>n, wie viele <b>Schüsse</b> zählen, deren
<b>Durchschnitt</b>sgeschwindigkeit, <b>Streubreite</b> und Standardabweichung
(<b>Std.-Abw.</b>) in Ihren Einheiten und die erste Zeile ihrer <b>Notizen</b>. Wählen Sie Serien
aus, um unter der Liste ihre <a href="topic:1311">Kennzahlen und ihr Diagramm</a> zu sehen; mit
Strg oder Umschalt wählen Sie mehrere.</p>
<ul>
<li><b>Öffnen</b> (oder ein Doppelklick, oder die Eingabetaste) zeigt eine Serie in einem
<a href="topic:1312">eigenen Fenster</a>.</li>
<li><b>Name und Notizen...</b> benennt die gewählte Serie und notiert Diabolo, Gewicht, Waffe
und Aufbau.</li>
<li><b>Löschen</b> (oder die Entf-Taste) fragt zuerst und verschiebt die gewählten Serien dann
in den Ordner <i>deleted</i> neben dem Verlauf, wo Sie sie noch finden.</li>
<li><b>Exportieren...</b> schreibt die gewählten Serien, oder alle, wenn keine gewählt ist, in
eine CSV-Datei für Tabellenkalkulationen: eine Zeile je Schuss mit Zeit, Geschwindigkeit und
Energie in beiden Einheiten, Gewicht, Zählwert und Typ und ob er ausgelassen wurde (ein
rückgängig gemachter Schuss gilt als ausgelassen).</li>
<li><b>Diagramm speichern...</b> speichert das Diagramm als PNG-Bild, unter Linux auch als PDF
oder SVG, je nach Endung des Dateinamens.</li>
</ul>
<p>Der Verlauf liegt unter Windows im Ordner Dorvex\Tarvik Ihrer Anwendungsdaten, unter Linux in
~/.local/share/Dorvex/Tarvik, eine Datei je Serie. Das Fenster merkt sich, wo Sie es hingestellt
haben und wie groß Sie es gemacht haben.</p>
)html"},
    {1311, R"html(
<h2>Serien vergleichen</h2>
<p>Unter dem <a href="topic:1310">Verlauf</a> stehen die Kennzahlen der gewählten Serien, eine
Spalte je Serie mit ihrem Namen darüber: die gezählten Schüsse (und wie viele ausgelassen
wurden), Durchschnitt, Streubreite, Standardabweichung (n&nbsp;&minus;&nbsp;1), niedrigste und
höchste Geschwindigkeit und das Gewicht, mit dem geschossen wurde. Wählen Sie zwei bis vier
Serien, um sie nebeneinander zu vergleichen; sind mehr gewählt, werden die ersten vier gezeigt,
und die Ecke links oben sagt es.</p>
<p>Das Diagramm legt die Geschwindigkeiten der gewählten Serien nach Schussnummer übereinander,
jede in ihrer Farbe (Blau, Orange, Grün, Violett), mit einer gestrichelten Linie beim
Durchschnitt jeder Serie in ihrer Farbe und den Namen über dem Diagramm. Ausgelassene und
rückgängig gemachte Schüsse werden nicht gezeichnet.</p>
)html"},
    {1312, R"html(
<h2>Eine aufbewahrte Serie</h2>
<p><b>Öffnen</b> im <a href="topic:1310">Verlauf</a> zeigt eine Serie so, wie die
Schusstabelle sie zeigte: Nummer, Zeit, Geschwindigkeit, Energie, Zählwert und Typ jedes
Schusses und eine Spalte <b>Status</b>, die <b>ausgelassen</b>, <b>rückgängig</b> oder
<b>geladen</b> (aus der Aufzeichnung) sagt. Ausgelassene und rückgängig gemachte Schüsse sind
grau und zählen in keiner Kennzahl unter der Tabelle; das Diagramm zeichnet sie hohl. Klicken Sie
auf einen Schuss im Diagramm, um seine Zeile zu wählen.</p>
<p>Eine aufbewahrte Serie lässt sich nicht ändern, nur benennen: <b>Name und Notizen...</b>
ändert ihren <a href="topic:1313">Namen und ihre Notizen</a>, <b>Exportieren...</b> schreibt sie
in eine CSV-Datei, und <b>Diagramm speichern...</b> speichert ihr Diagramm. Sie können mehrere
Serien zugleich öffnen.</p>
)html"},
    {1313, R"html(
<h2>Name und Notizen</h2>
<p>Geben Sie einer Serie einen <b>Name</b>n, an dem Sie sie im <a href="topic:1310">Verlauf</a>
wiedererkennen, bis zu 100 Zeichen, und <b>Notizen</b> dazu, womit Sie geschossen haben:
Diabolo, Gewicht, Waffe und Aufbau, bis zu 1.000 Zeichen. Leerzeichen an den Enden entfallen.
Eine Serie ohne Namen wird mit Datum und Uhrzeit ihres Beginns gezeigt.</p>
<p>Klicken Sie <b>OK</b>, um sie zu übernehmen, oder <b>Abbrechen</b>, um alles zu lassen, wie
es war. Mit <b>Schüsse &gt; Neue Serie...</b> gefragt, gehören sie der nächsten Serie, die mit
dem nächsten Schuss beginnt.</p>
)html"},
}};

}  // namespace

std::span<const HelpPageText> GermanHistoryHelpTopics() { return kTopics; }

}  // namespace tarvik
