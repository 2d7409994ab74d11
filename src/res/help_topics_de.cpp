// The German help pages.
#include <array>

#include "res/help_pages.h"

namespace tarvik {
namespace {

constexpr std::string_view kContents = R"html(
<h2>Tarvik Hilfe</h2>
<p>Tarvik zeigt die Schüsse, die Ihr Dorvex qm-307 Chronoskop misst: Geschwindigkeit und Energie
jedes Diabolos, die Durchschnitte Ihrer Serie und mehr.</p>
<h3>Das Hauptfenster</h3>
<ul>
<li><a href="topic:1209">Das Hauptfenster und Ihre Schussserie</a></li>
<li><a href="topic:1200">Letzter Schuss</a>: <a href="topic:1201">Geschwindigkeit</a>,
<a href="topic:1202">Energie</a></li>
<li><a href="topic:1204">Geschossgewicht</a></li>
<li><a href="topic:1205">Durchschnitte</a>: <a href="topic:1206">Schüsse</a>,
<a href="topic:1207">mittlere Geschwindigkeit</a>, <a href="topic:1208">mittlere Energie</a></li>
<li><a href="topic:1210">Die Webadresse</a></li>
</ul>
<h3>Set up</h3>
<ul>
<li><a href="topic:1106">Set up</a></li>
<li>Generell: <a href="topic:1220">serielle Schnittstelle</a>,
<a href="topic:1221">gesetzliche Grenze</a>, <a href="topic:1222">metrische Einheiten</a>,
<a href="topic:1104">Kalibrierung</a></li>
<li>Log: <a href="topic:1240">Aufzeichnung einschalten</a>,
<a href="topic:1241">Aufzeichnungsdatei</a></li>
<li>Sound: <a href="topic:1260">Töne einschalten</a>, <a href="topic:1261">Tondateien</a>,
<a href="topic:1262">Suchen</a>, <a href="topic:1263">Abspielen</a></li>
<li>Tab: <a href="topic:1103">das Speichermodul</a></li>
</ul>
<h3>Weiteres</h3>
<ul>
<li><a href="topic:1300">Schusstabelle</a>: <a href="topic:1301">Kennzahlen</a>,
<a href="topic:1302">Diagramm</a></li>
<li><a href="topic:1310">Verlauf</a>: <a href="topic:1311">Serien vergleichen</a>,
<a href="topic:1312">eine aufbewahrte Serie</a>, <a href="topic:1313">Name und Notizen</a></li>
<li><a href="topic:1100">Ausführliche Statistik</a></li>
<li><a href="topic:1101">Großanzeige</a></li>
<li><a href="topic:1102">Grafik</a></li>
<li><a href="topic:1105">Aufzeichnen</a></li>
<li><a href="topic:1203">Zählwerte</a>, aus denen die Geschwindigkeit entsteht</li>
<li><a href="topic:1005">Hilfe benutzen</a></li>
</ul>
)html";

constexpr std::string_view kNoTopic =
    R"html(<p><i>Zu diesem Element gibt es keine Hilfe.</i></p>)html";

constexpr std::array<HelpPageText, 31> kTopics = {{
    {1300, R"html(
<h2>Schusstabelle</h2>
<p>Wählen Sie <b>Schüsse &gt; Schusstabelle ein/aus</b>, um jeden Schuss Ihrer Serie in einer
Tabelle zu sehen, den neuesten unten: seine Nummer, die Zeit, zu der er kam, Geschwindigkeit und
Energie in Ihren Einheiten, den <a href="topic:1203">Zählwert</a> und Typ des Geräts und, rot,
<b>über</b> in der Spalte <b>Grenze</b>, wenn seine Energie über der
<a href="topic:1221">gesetzlichen Grenze</a> liegt. Mit <b>Durchschnitte &gt; Aufzeichnung
Laden</b> geladene Schüsse haben keine Zeit, keinen Zählwert und keinen Typ.</p>
<p>Wählen Sie einen oder mehrere Schüsse und drücken Sie <b>Auslassen</b> (oder die Entf-Taste,
oder klicken Sie mit der rechten Maustaste in die Tabelle), um einen Ausreißer auszulassen: er
bleibt grau und durchgestrichen in der Tabelle, zählt aber nicht mehr in den Durchschnitten des
Hauptfensters, der <a href="topic:1100">ausführlichen Statistik</a>, der
<a href="topic:1102">Grafik</a> und den <a href="topic:1301">Kennzahlen</a> und dem
<a href="topic:1302">Diagramm</a> der Tabelle. <b>Einbeziehen</b> (oder die Einfg-Taste) zählt
ihn wieder: nichts geht durch einen Fehlgriff verloren. <b>Durchschnitte &gt; Undo</b> nimmt
den letzten Schuss der Tabelle weg, gezählt oder ausgelassen, und <b>Durchschnitte &gt;
Zurücksetzen</b> leert sie.</p>
<p>Das Fenster merkt sich, wo Sie es hingestellt haben und wie groß.</p>
)html"},
    {1301, R"html(
<h2>Kennzahlen der Schusstabelle</h2>
<p>Unter der <a href="topic:1300">Schusstabelle</a> stehen die Kennzahlen der gezählten
Schüsse, für Geschwindigkeit und Energie:</p>
<ul>
<li><b>Schüsse</b>: wie viele zählen und wie viele Sie ausgelassen haben.</li>
<li><b>Durchschnitt</b>: der Mittelwert. Der Energiedurchschnitt ist der Mittelwert der
Energien der Schüsse, nicht die Energie der mittleren Geschwindigkeit.</li>
<li><b>Streubreite</b>: der höchste minus der niedrigste Wert.</li>
<li><b>Standardabweichung</b>: die Stichproben-Standardabweichung, die durch
n&nbsp;&minus;&nbsp;1 teilt, wie bei Chronographen üblich. Die RMS-Abweichung der ausführlichen
Statistik teilt durch n und ist daher etwas kleiner. Sie braucht mindestens zwei Schüsse.</li>
<li><b>Niedrigste</b> und <b>Höchste</b>.</li>
</ul>
<p>Die Kennzahlen der Geschwindigkeit verwenden die ungerundete Geschwindigkeit jedes Schusses.
Die Kennzahlen der Energie verwenden die Energie jedes Schusses, wie seine Zeile sie zeigt: die
der auf ganze fps abgerundeten Geschwindigkeit, wie das Hauptfenster den letzten Schuss zeigt.
Daher können sie ein wenig von der <a href="topic:1100">ausführlichen Statistik</a> abweichen,
die die ungerundeten Geschwindigkeiten verwendet.</p>
)html"},
    {1302, R"html(
<h2>Diagramm der Schusstabelle</h2>
<p>Neben der <a href="topic:1300">Schusstabelle</a> zeigt das Diagramm die Geschwindigkeit jedes
Schusses nach seiner Nummer. Die gestrichelte Linie ist der Durchschnitt, das schattierte Band
reicht eine <a href="topic:1301">Standardabweichung</a> darüber und darunter. Ausgelassene
Schüsse sind hohl gezeichnet und zählen in keinem von beiden. Der in der Tabelle gewählte Schuss
ist hervorgehoben; klicken Sie einen Schuss im Diagramm an, um seine Zeile zu wählen.</p>
)html"},
    {1005, R"html(
<h2>Hilfe benutzen</h2>
<p>Die Hilfe öffnet sich in diesem kleinen Fenster neben Tarvik. So fragen Sie nach etwas:</p>
<ul>
<li>Drücken Sie <b>F1</b>, während ein Feld oder eine Schaltfläche den Fokus hat.</li>
<li>Klicken Sie auf die Schaltfläche <b>?</b> in der Titelleiste eines Fensters und dann auf
das Element.</li>
<li>Klicken Sie das Element mit der rechten Maustaste an.</li>
<li>Wählen Sie <b>Hilfe &gt; Inhalt</b> für die Liste aller Themen.</li>
</ul>
<p>Die Themen, zu denen eine Seite weiterführt, sind ihre Links. Steht ein Link unterstrichen im
Text, öffnet ein Klick darauf das Thema; stehen die Links in einer Liste unter der Seite, öffnet
ein Doppelklick auf einen Eintrag das Thema. <b>Zurück</b> führt Schritt für Schritt zu den
Themen, die Sie vorher gelesen haben, <b>Inhalt</b> zeigt die Liste der Themen.
Hat ein Element keine eigene Hilfe, erscheint der Inhalt mit einem kurzen Hinweis.</p>
)html"},
    {1100, R"html(
<h2>Ausführliche Statistik</h2>
<p>Mit <b>Durchschnitte &gt; Ausführliche Statistik ein/aus</b> öffnen und schließen Sie dieses
Fenster. Für Geschwindigkeit und Energie zeigt es Minimum (<b>Min</b>), Maximum (<b>Max</b>),
<b>Durchschnitt</b>, <b>Bereich</b> (Maximum minus Minimum) und die <b>RMS</b>-Abweichung. Es
nimmt alle Schüsse Ihrer Serie, oder nur die letzten N, wenn Sie <b>Nur den letzten
benutzen</b> ankreuzen und N eingeben.</p>
<p>Für die RMS-Abweichung werden die quadrierten Abweichungen vom Durchschnitt addiert, durch
die Zahl der Schüsse n geteilt, und daraus wird die Wurzel gezogen: die RMS-Abweichung der
Gesamtheit, nicht die Standardabweichung der Stichprobe (die durch n&nbsp;&minus;&nbsp;1 teilt
und etwas größer ausfällt).</p>
<p>Die Energien stammen hier aus der ungerundeten Geschwindigkeit jedes einzelnen Schusses. Der
Durchschnitt der Energie ist daher der Mittelwert der Schussenergien und kann leicht von der
<a href="topic:1208">mittleren Energie</a> im Hauptfenster abweichen.</p>
)html"},
    {1101, R"html(
<h2>Großanzeige</h2>
<p>Mit <b>Gross</b> öffnen Sie ein Fenster, das Geschwindigkeit und Energie des letzten Schusses
in großen Ziffern zeigt, gut lesbar vom Schützenstand aus. Ziehen Sie an den Rändern: Die
Ziffern wachsen und schrumpfen mit dem Fenster. Ein zweiter Klick auf <b>Gross</b> schließt es;
es öffnet sich wieder dort, wo Sie es verlassen haben.</p>
<p>Liegt die Energie über der <a href="topic:1221">gesetzlichen Grenze</a>, werden die Ziffern
rot.</p>
)html"},
    {1102, R"html(
<h2>Grafik</h2>
<p>Das Grafikfenster zeichnet die Geschwindigkeiten Ihrer Serie Schuss für Schuss oder als
Histogramm. Es gehört zur englischen Oberfläche von Tarvik: Das Menü <b>Durchschnitte</b> hat
in der deutschen keinen Eintrag dafür.</p>
<p>Die Streuung Ihrer Serie zeigt Ihnen hier die
<a href="topic:1100">ausführliche Statistik</a> in Zahlen.</p>
)html"},
    {1103, R"html(
<h2>Das Speichermodul</h2>
<p>Mit seinem Speichermodul, dem Tab, speichert das qm-307 bis zu 4095 Schüsse, auch während
Tarvik nicht läuft. Die Seite <b>Tab</b> von <a href="topic:1106">Set up</a> zeigt die Version
des Moduls und seine beiden Zeiger (<b>Next</b> und <b>Empty</b>); <b>Reset Tab</b> leert
es.</p>
<p>Gespeicherte Schüsse abrufen und zu früheren zurückgehen können Sie in der englischen
Oberfläche von Tarvik: Nur ihr Hauptfenster hat dafür eine eigene Gruppe.</p>
)html"},
    {1104, R"html(
<h2>Kalibrierung</h2>
<p>Die Kalibrierzahl auf der Seite <b>Generell</b> von <a href="topic:1106">Set up</a> stimmt die
Geschwindigkeit fein ab. <b>100</b> bedeutet keine Änderung, das Gerät so, wie es den Hersteller
verlassen hat, und ist fast immer richtig.</p>
<p>Sie verändert die Zeitkonstante, mit der die <a href="topic:1203">Zählwerte</a> zur
Geschwindigkeit werden: Eine höhere Zahl ergibt etwas niedrigere Geschwindigkeiten, eine
niedrigere etwas höhere. Ändern Sie sie nur, um einer verlässlichen Referenz zu folgen, und in
kleinen Schritten.</p>
)html"},
    {1105, R"html(
<h2>Aufzeichnen</h2>
<p>Das Menü <b>Aufzeichnen</b> hält Ihre Schüsse in der
<a href="topic:1241">Aufzeichnungsdatei</a> fest:</p>
<ul>
<li><b>Aufzeichnen</b> schaltet die Aufzeichnung ein und aus (mit Häkchen, wenn sie läuft),
genau wie <a href="topic:1240">Benutze Aufzeihnen</a> in Set up.</li>
<li><b>Aufzeichnung Zeigen</b> öffnet die Datei in Ihrem Texteditor.</li>
<li><b>Aufzeichnung Löschen</b> löscht die Datei sofort, ohne Rückfrage.</li>
</ul>
<p><b>Durchschnitte &gt; Aufzeichnung Laden</b> liest die Geschwindigkeiten aus der Datei und
fügt sie Ihrer Serie hinzu, etwa um eine frühere Sitzung in der
<a href="topic:1100">ausführlichen Statistik</a> anzusehen.</p>
)html"},
    {1106, R"html(
<h2>Set up</h2>
<p>Unter <b>Set up</b> stellen Sie ein, wie Tarvik arbeitet. Die Seiten:</p>
<ul>
<li><b>Generell</b>: die <a href="topic:1220">serielle Schnittstelle</a>, die
<a href="topic:1221">gesetzliche Grenze</a>, <a href="topic:1222">metrische Einheiten</a> und
die <a href="topic:1104">Kalibrierung</a>.</li>
<li><b>Log</b>: <a href="topic:1240">Aufzeichnung einschalten</a> und die
<a href="topic:1241">Aufzeichnungsdatei</a>.</li>
<li><b>Sound</b>: <a href="topic:1260">Töne einschalten</a> und die
<a href="topic:1261">Tondateien</a>.</li>
<li><b>Tab</b>: die Version und die beiden Zeiger des
<a href="topic:1103">Speichermoduls</a> im Gerät, und <b>Reset Tab</b>, das es leert.</li>
</ul>
<p><b>Apply</b> setzt Ihre Änderungen in Kraft, <b>OK</b> ebenso und schließt das Fenster,
<b>Cancel</b> schließt es ohne Änderungen. Tarvik merkt sich Ihre Einstellungen für das
nächste Mal. Eine eingetippte Kalibrierung gilt sofort, auch wenn Sie abbrechen; die gewählte
Schnittstelle wird geöffnet, wenn das Fenster sich schließt.</p>
)html"},
    {1200, R"html(
<h2>Letzter Schuss</h2>
<p>Die Gruppe <b>Letzter Schuss</b> zeigt den Schuss, den das Chronoskop zuletzt gemessen hat:
seine <a href="topic:1201">Geschwindigkeit</a> und seine <a href="topic:1202">Energie</a>.</p>
<p>Jeder neue Schuss ersetzt diese Werte und geht in die
<a href="topic:1205">Durchschnitte</a> ein. Beim nächsten Start zeigt Tarvik den letzten Schuss
wieder an.</p>
)html"},
    {1201, R"html(
<h2>Geschwindigkeit</h2>
<p>Die Geschwindigkeit des letzten Diabolos zwischen den beiden Sensoren, in Fuß pro Sekunde
(<b>fps</b>) oder mit <a href="topic:1222">metrischen Einheiten</a> in Metern pro Sekunde
(<b>m/s</b>). Die Einheit steht neben dem Wert.</p>
<p>Liegen Ihre Messungen gegenüber einer verlässlichen Referenz stets etwas zu hoch oder zu
niedrig, lesen Sie unter <a href="topic:1104">Kalibrierung</a> nach.</p>
)html"},
    {1202, R"html(
<h2>Energie</h2>
<p>Die Mündungsenergie des letzten Schusses in Foot-Pound (<b>ft.lbs</b>) oder mit
<a href="topic:1222">metrischen Einheiten</a> in Joule (<b>joules</b>). Tarvik berechnet sie aus
der auf ganze fps abgerundeten Geschwindigkeit und dem <a href="topic:1204">Geschossgewicht</a>;
geben Sie also das Gewicht der Diabolos ein, die Sie schießen.</p>
<p>Ein Schuss über der <a href="topic:1221">gesetzlichen Grenze</a> erscheint in der
<a href="topic:1101">Großanzeige</a> rot.</p>
)html"},
    {1203, R"html(
<h2>Zählwerte</h2>
<p>Der Rohwert hinter dem letzten Schuss: die Zahl der Zeittakte, die das Chronoskop gezählt hat,
während das Diabolo vom ersten zum zweiten Sensor flog. Je schneller das Diabolo, desto weniger
Takte.</p>
<p>Tarvik macht daraus mit der Zeitkonstante des Geräts und Ihrer
<a href="topic:1104">Kalibrierung</a> die <a href="topic:1201">Geschwindigkeit</a>. Das
Hauptfenster zeigt die Zählwerte nur in der englischen Oberfläche von Tarvik; Sie brauchen sie
selten, aber sie helfen beim Prüfen des Geräts.</p>
)html"},
    {1204, R"html(
<h2>Geschossgewicht</h2>
<p>Geben Sie hier das Gewicht eines Diabolos ein: in Grain (<b>grains</b>) oder mit
<a href="topic:1222">metrischen Einheiten</a> in Gramm (<b>grammes</b>). Tarvik übernimmt die
Eingabe sofort; bestätigen müssen Sie nichts. Ein Gewicht von 0 oder ein Text, der keine Zahl
ist, wird nicht übernommen.</p>
<p>Aus dem Gewicht ergeben sich von da an die <a href="topic:1202">Energie</a> jedes Schusses
und die <a href="topic:1208">mittlere Energie</a>.</p>
)html"},
    {1205, R"html(
<h2>Durchschnitte</h2>
<p>Die Gruppe <b>Durchschnitte</b> fasst Ihre Schussserie zusammen: die
<a href="topic:1206">Zahl der Schüsse</a>, die <a href="topic:1207">mittlere
Geschwindigkeit</a> und die <a href="topic:1208">mittlere Energie</a>.</p>
<p><b>Durchschnitte &gt; Zurücksetzen</b> beginnt eine neue Serie. <b>Durchschnitte &gt;
Undo</b> nimmt den letzten Schuss aus der Serie, etwa einen, der nicht zählen soll. Die Streuung
Ihrer Schüsse zeigt die <a href="topic:1100">ausführliche Statistik</a>.</p>
)html"},
    {1206, R"html(
<h2>Schüsse</h2>
<p>Wie viele Schüsse Ihre Serie enthält. Jeder gemessene Schuss zählt eins dazu,
<b>Zurücksetzen</b> beginnt wieder bei null und <b>Undo</b> nimmt den letzten Schuss weg. Mit
<b>Aufzeichnung Laden</b> gelesene Schüsse zählen mit (siehe
<a href="topic:1105">Aufzeichnen</a>).</p>
)html"},
    {1207, R"html(
<h2>Mittlere Geschwindigkeit</h2>
<p>Der Mittelwert der Geschwindigkeiten aller Schüsse Ihrer Serie, in fps oder m/s. Vergleichen
Sie ihn mit dem <a href="topic:1201">letzten Schuss</a>, um zu sehen, wie gleichmäßig Ihre Waffe
und Ihre Diabolos sind; die <a href="topic:1100">ausführliche Statistik</a> zeigt die Streuung
in Zahlen.</p>
)html"},
    {1208, R"html(
<h2>Mittlere Energie</h2>
<p>Die Energie der mittleren Geschwindigkeit: Tarvik nimmt die
<a href="topic:1207">mittlere Geschwindigkeit</a>, rundet sie auf ganze fps ab und berechnet
die Energie beim <a href="topic:1204">Geschossgewicht</a>.</p>
<p>Das ist nicht ganz der Mittelwert der einzelnen Schussenergien, den die
<a href="topic:1100">ausführliche Statistik</a> zeigt; die beiden können leicht
abweichen.</p>
)html"},
    {1209, R"html(
<h2>Das Hauptfenster</h2>
<p>Tarvik liest jeden Schuss über die serielle Schnittstelle vom qm-307 Chronoskop, sobald Sie
schießen. Das Hauptfenster zeigt den <a href="topic:1200">letzten Schuss</a> und die
<a href="topic:1205">Durchschnitte</a>, darunter links das
<a href="topic:1204">Geschossgewicht</a> und rechts die <a href="topic:1210">Webadresse</a>.
<b>Mk</b> darunter zeigt, von welcher Gerätegeneration die letzte Messung kam.</p>
<p>Ihre <i>Serie</i> sind die Schüsse seit dem Start von Tarvik oder seit dem letzten
<b>Durchschnitte &gt; Zurücksetzen</b>. Die Durchschnitte und die
<a href="topic:1100">Statistik</a> beziehen sich auf sie.</p>
<p>Wählen Sie vor dem ersten Schuss in <a href="topic:1106">Set up</a> die serielle
Schnittstelle und Ihre Einheiten.</p>
)html"},
    {1210, R"html(
<h2>Webadresse</h2>
<p>Die Zeile unter den Durchschnitten im Hauptfenster ist die Webadresse von Dorvex, dem
Hersteller des qm-307 Chronoskops. Dort finden Sie Neuigkeiten, Anleitungen und
Aktualisierungen.</p>
)html"},
    {1220, R"html(
<h2>Serielle Schnittstelle</h2>
<p>Wählen Sie auf der Seite <b>Generell</b> von <a href="topic:1106">Set up</a> die serielle
Schnittstelle, an der das Chronoskop hängt. Die Liste zeigt die Schnittstellen, die dieser
Rechner hat.</p>
<p>Ist die zuvor gewählte Schnittstelle nicht mehr da (etwa weil ein USB-Adapter abgezogen
wurde), tritt die erste vorhandene an ihre Stelle. Kann Tarvik die Schnittstelle nicht öffnen,
meldet es das einmal; schließen Sie das Chronoskop an und öffnen Sie Set up erneut.</p>
)html"},
    {1221, R"html(
<h2>Gesetzliche Grenze</h2>
<p>Das Feld <b>Gesetz</b> enthält die höchste Energie, die Ihre Waffe haben darf, in ft.lbs oder
mit <a href="topic:1222">metrischen Einheiten</a> in Joule. Anfangs steht es auf 12 ft.lbs.</p>
<p>Ein Schuss über der Grenze erscheint in der <a href="topic:1101">Großanzeige</a> rot und
spielt bei eingeschalteten <a href="topic:1260">Tönen</a> den Ton <b>FAC</b> für Überschreitungen.
Ein Schuss genau auf der Grenze erscheint nicht rot, spielt aber den FAC-Ton.</p>
)html"},
    {1222, R"html(
<h2>Metrische Einheiten</h2>
<p>Kreuzen Sie <b>Benutze Metrische Einheiten</b> auf der Seite <b>Generell</b> an, um
Geschwindigkeiten in m/s, Energien in Joule und das Geschossgewicht in Gramm zu sehen, überall
in Tarvik. Ohne Häkchen gelten fps, ft.lbs und Grain.</p>
<p>Das ändert nur, was Sie sehen und eingeben: Tarvik speichert Einstellungen, den letzten Schuss
und die Aufzeichnung in imperialen Einheiten, beim Hin- und Herschalten geht also nichts
verloren.</p>
)html"},
    {1240, R"html(
<h2>Aufzeichnung einschalten</h2>
<p>Kreuzen Sie <b>Benutze Aufzeihnen</b> auf der Seite <b>Log</b> an, um jeden Schuss in die
<a href="topic:1241">Aufzeichnungsdatei</a> zu schreiben. Jeder Schuss fügt eine Zeile
<code>Geschwindigkeit,Energie,Gewicht</code> an, in fps, ft.lbs und Grain, gleich welche
Einheiten Sie sehen, zum Beispiel <code>812.45,14.69,10.03</code>.</p>
<p>Die Datei ist reiner Text, den auch eine Tabellenkalkulation öffnet. Das Menü
<a href="topic:1105">Aufzeichnen</a> schaltet die Aufzeichnung ebenfalls ein und aus.</p>
)html"},
    {1241, R"html(
<h2>Aufzeichnungsdatei</h2>
<p>Die Datei, in die die Schüsse geschrieben werden; anfangs <b>Tarvik.log</b>. Geben Sie einen
Namen ein oder wählen Sie mit <b>Suchen</b> eine Datei. Neue Zeilen kommen immer ans Ende, was
schon in der Datei steht, bleibt erhalten.</p>
)html"},
    {1260, R"html(
<h2>Töne einschalten</h2>
<p>Kreuzen Sie <b>Benutze Sound</b> auf der Seite <b>Sound</b> an, um jeden Schuss zu hören. Nach
einem Schuss wartet Tarvik 200&nbsp;ms und spielt dann den Ton <b>Legal</b>, oder den Ton
<b>FAC</b>, wenn die Energie auf oder über der <a href="topic:1221">gesetzlichen Grenze</a>
liegt: So wissen Sie sofort, ohne hinzusehen, ob ein Schuss zu stark war.</p>
<p>Die beiden <a href="topic:1261">Tondateien</a> wählen Sie auf derselben Seite.</p>
)html"},
    {1261, R"html(
<h2>Tondateien</h2>
<p><b>Legal</b> ist der Ton für einen Schuss unter der
<a href="topic:1221">gesetzlichen Grenze</a>, <b>FAC</b> der Ton für einen auf oder über ihr.
Beides sind Wave-Dateien (.wav); Tarvik bringt Airgun.wav und Blurp.wav mit.</p>
<p>Geben Sie einen Dateinamen ein oder <a href="topic:1262">suchen</a> Sie eine Datei, und
probieren Sie sie mit <a href="topic:1263">Abspielen</a> aus.</p>
)html"},
    {1262, R"html(
<h2>Tondatei suchen</h2>
<p><b>Suchen</b> öffnet ein Dateifenster, in dem Sie eine Wave-Datei für den Ton neben der
Schaltfläche wählen. Die gewählte Datei kommt ins Feld und gilt, sobald Sie <b>OK</b> oder
<b>Apply</b> klicken.</p>
)html"},
    {1263, R"html(
<h2>Abspielen</h2>
<p><b>Abspielen</b> spielt die Datei aus dem Feld neben der Schaltfläche sofort ab, so hören Sie sie,
bevor Sie <b>OK</b> oder <b>Apply</b> klicken. Hören Sie nichts, prüfen Sie den Dateinamen
und den Ton Ihres Rechners.</p>
)html"},
}};

constexpr HelpLanguagePages kPages{kContents, kNoTopic, kTopics,
                                   HelpWindowTexts{"Tarvik Hilfe", "Inhalt", "Zurück"}};

}  // namespace

const HelpLanguagePages& GermanHelpPages() { return kPages; }

}  // namespace tarvik
