<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>dialog</name>
    <message>
        <source>Profil Laden</source>
        <translation>Load Airfoil</translation>
    </message>
    <message>
        <source>Profil Plotten</source>
        <translation>Plot Airfoil</translation>
    </message>
    <message>
        <source>Profil Drucken</source>
        <translation>Print Airfoil</translation>
    </message>
    <message>
        <source>Profillänge in mm:</source>
        <translation>Chord in mm:</translation>
    </message>
    <message>
        <source>Profildicke in % 
der Originaldicke:</source>
        <translation>Thickness in % 
of the original:</translation>
    </message>
    <message>
        <source>Profil Daten zeigen</source>
        <translation>Show Airfoil Data</translation>
    </message>
    <message>
        <source>Datei:</source>
        <translation>File:</translation>
    </message>
    <message>
        <source>Plot Löschen</source>
        <translation>Clear Plot</translation>
    </message>
    <message>
        <source>Anzahl der Koordinatenpaare:</source>
        <translation>Number of coordinate pairs:</translation>
    </message>
    <message>
        <source>Selig
0.0 ... 1.0</source>
        <translation>Selig
0.0 ... 1.0</translation>
    </message>
    <message>
        <source> Werte
0.0 ... 100.0</source>
        <translation> Werte
0.0 ... 100.0</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Kommentar:</source>
        <translation>Comment:</translation>
    </message>
    <message>
        <source>Dateiname:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Programm zum Ausdruck von Profildateien.
Weitere Dateien mit Koordinaten gibt es unter
 &quot;https://m-selig.ae.illinois.edu/ads/coord_database.html&quot; </source>
        <translation>A program for printing airfoil files.
More coordinate files are available at
 &quot;https://m-selig.ae.illinois.edu/ads/coord_database.html&quot; </translation>
    </message>
    <message>
        <source>Erstellt mit Qt 6 und C++20</source>
        <translation>Built with Qt 6 and C++20</translation>
    </message>
    <message>
        <source>Freie Software</source>
        <translation>Free software</translation>
    </message>
    <message>
        <source>Lizenz: GPL-3.0-or-later</source>
        <translation>Licence: GPL-3.0-or-later</translation>
    </message>
    <message>
        <source>Die Kalibrierseite ist gedruckt. Bitte beide Balken mit einem Lineal
messen und die Längen in mm eintragen (Komma oder Punkt).</source>
        <translation>The calibration page has been printed. Please measure both bars with a ruler
and enter their lengths in mm (comma or point).</translation>
    </message>
    <message>
        <source>Balken längs (senkrecht):</source>
        <translation>Bar along (vertical):</translation>
    </message>
    <message>
        <source>Balken quer (waagrecht):</source>
        <translation>Bar across (horizontal):</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Wurzel in mm:</source>
        <translation>Root in mm:</translation>
    </message>
    <message>
        <source>Spitze in mm:</source>
        <translation>Tip in mm:</translation>
    </message>
    <message>
        <source>Anzahl Rippen:</source>
        <translation>Number of ribs:</translation>
    </message>
    <message>
        <source>Nasenleiste in mm:</source>
        <translation>LE stock in mm:</translation>
    </message>
    <message>
        <source>Endleiste in mm:</source>
        <translation>TE stock in mm:</translation>
    </message>
    <message>
        <source>Platte in mm:</source>
        <translation>Sheet in mm:</translation>
    </message>
    <message>
        <source>Profildicke in %:</source>
        <translation>Thickness in %:</translation>
    </message>
    <message>
        <source>&amp;Glätten</source>
        <translation>&amp;Smooth</translation>
    </message>
    <message>
        <source>Spitzenprofil:</source>
        <translation>Tip airfoil:</translation>
    </message>
    <message>
        <source>S&amp;pitzenprofil…</source>
        <translation>&amp;Tip airfoil…</translation>
    </message>
    <message>
        <source>Ent&amp;fernen</source>
        <translation>Re&amp;move</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Tiefe</source>
        <translation>Depth</translation>
    </message>
    <message>
        <source>Holm 1:</source>
        <translation>Spar 1:</translation>
    </message>
    <message>
        <source>unten</source>
        <translation>bottom</translation>
    </message>
    <message>
        <source>Holm 2:</source>
        <translation>Spar 2:</translation>
    </message>
    <message>
        <source>Holm 3:</source>
        <translation>Spar 3:</translation>
    </message>
    <message>
        <source>Ort in mm ab der Nase
oder in % (30%),
Breite und Tiefe in mm;
leer: kein Holm</source>
        <translation>Position: mm from the
nose, or % (30%);
width, depth in mm;
empty: no spar</translation>
    </message>
    <message>
        <source>Seiten&amp;ansicht</source>
        <translation>Page pre&amp;view</translation>
    </message>
    <message>
        <source>&amp;Drucken</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Exportieren…</source>
        <translation>&amp;Export…</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Drucker kalibrieren</source>
        <translation>Calibrate Printer</translation>
    </message>
    <message>
        <source>Info über Kestrun1</source>
        <translation>About Kestrun1</translation>
    </message>
    <message>
        <source>Kestrun</source>
        <translation>Kestrun</translation>
    </message>
    <message>
        <source>Kestrun Daten</source>
        <translation>Kestrun Data</translation>
    </message>
    <message>
        <source>Rippensatz</source>
        <translation>Rib Set</translation>
    </message>
    <message>
        <source>Inf&amp;o über Kestrun1…</source>
        <translation>&amp;About Kestrun1…</translation>
    </message>
    <message>
        <source>Seiten&amp;ansicht…	Strg+Umschalt+P</source>
        <translation>Page pre&amp;view…	Ctrl+Shift+P</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Speichern unter</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>&amp;Schließen	Alt+F4</source>
        <translation>&amp;Close	Alt+F4</translation>
    </message>
    <message>
        <source>Seitenansicht</source>
        <translation>Page Preview</translation>
    </message>
    <message>
        <source>Drucker &amp;kalibrieren…</source>
        <translation>Calibrate &amp;printer…</translation>
    </message>
    <message>
        <source>&amp;Zuletzt geöffnet</source>
        <translation>&amp;Recent files</translation>
    </message>
    <message>
        <source>(keine)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Die Datei „%1“ gibt es nicht mehr; sie wird aus der Liste „Zuletzt geöffnet“ genommen.</source>
        <translation>The file “%1” no longer exists; it is removed from the list “Recent files”.</translation>
    </message>
    <message>
        <source>Es wird nur eine Datei geladen: „%1“. Eine weitere Datei wurde nicht geladen.</source>
        <translation>Only one file is loaded: “%1”. One more file was not loaded.</translation>
    </message>
    <message>
        <source>Es wird nur eine Datei geladen: „%1“. %2 weitere Dateien wurden nicht geladen.</source>
        <translation>Only one file is loaded: “%1”. %2 more files were not loaded.</translation>
    </message>
    <message>
        <source>&amp;Rippensatz…</source>
        <translation>Ri&amp;b set…</translation>
    </message>
    <message>
        <source>Oben die Wurzelrippe, unten die Spitzenrippe, wie sie geschnitten werden.</source>
        <translation>Top: the root rib, bottom: the tip rib, as they are cut.</translation>
    </message>
    <message>
        <source>Profildateien|*.dat;*.txt;*.cor|Alle Dateien|*||</source>
        <translation>Airfoil files|*.dat;*.txt;*.cor|All files|*||</translation>
    </message>
    <message>
        <source>Stück je Rippe:</source>
        <translation>Pieces per rib:</translation>
    </message>
    <message>
        <source>Beplankung oben in mm:</source>
        <translation>Top sheeting in mm:</translation>
    </message>
    <message>
        <source>Beplankung unten in mm:</source>
        <translation>Bottom sheeting in mm:</translation>
    </message>
    <message>
        <source>Schnittbreite in mm:</source>
        <translation>Kerf in mm:</translation>
    </message>
    <message>
        <source>Schränkung in °:</source>
        <translation>Washout in °:</translation>
    </message>
    <message>
        <source>Drehpunkt in %:</source>
        <translation>Washout pivot in %:</translation>
    </message>
    <message>
        <source>Helling in mm:</source>
        <translation>Jig tabs in mm:</translation>
    </message>
    <message>
        <source>Löcher je Rippe:</source>
        <translation>Holes per rib:</translation>
    </message>
    <message>
        <source>Steg der Löcher in mm:</source>
        <translation>Web of the holes in mm:</translation>
    </message>
    <message>
        <source>&amp;Ohne Platte</source>
        <translation>&amp;No sheet frame</translation>
    </message>
    <message>
        <source>Oben die Wurzelrippe, unten die Spitzenrippe, wie sie geschnitten werden; gestrichelt der Weg des Schneidwerkzeugs.</source>
        <translation>Top: the root rib, bottom: the tip rib, as they are cut; dashed: the cutter&apos;s path.</translation>
    </message>
    <message>
        <source>Sc&amp;haumkern…</source>
        <translation>&amp;Foam core…</translation>
    </message>
    <message>
        <source>So wird Kestrun1 bedient:

1. Format wählen: „Selig“ für Koordinaten von 0.0 bis 1.0, „Werte“ für 0.0 bis 100.0.
2. „Profil Laden“ öffnet die Koordinatendatei; Name und Anzahl der Koordinatenpaare erscheinen, das Profil wird geplottet.
3. Profillänge in mm und Profildicke in % der Originaldicke eintragen; beim Verlassen des Feldes wird neu geplottet.
4. „Profil Plotten“ zeichnet das Profil neu, „Plot Löschen“ leert den Rahmen, „Profil Daten zeigen“ listet die Koordinaten.
5. „Profil Drucken“ druckt das Profil in wahrer Größe, ein langes Profil auf Wunsch über mehrere Seiten mit Passkreuzen. Im Druckdialog mit 100 % Skalierung drucken, nicht an die Seite angepasst; der 100-mm-Prüfbalken zeigt es.
6. Die Menüleiste bietet jeden Befehl: unter „Datei“ die zuletzt geöffneten Dateien, das Exportieren des Umrisses als SVG, DXF oder HPGL für Laser, Fräse und Plotter, die Seitenansicht und das Kalibrieren des Druckers, unter „Rippen“ den Rippensatz: Rippen von der Wurzel zur Spitze mit Beplankung, Leisten, Holmen, Schränkung, Hellingfüßen und Erleichterungslöchern, gedruckt oder als Datei, und den Schaumkern: G-Code für den 4-Achsen-Heißdraht. Das Kontextmenü (rechte Maustaste oder Umschalt+F10) bietet sie ebenso.

Tasten: Strg+O lädt eine Datei, Strg+P druckt, Strg+Umschalt+P zeigt die Seitenansicht, Strg+Q beendet, Alt und der unterstrichene Buchstabe öffnet ein Menü.

Eine Datei kann auch auf das Fenster gezogen oder beim Start genannt werden: kestrun1 DATEI (kestrun1 --help zeigt alle Möglichkeiten).</source>
        <translation>How to use Kestrun1:

1. Choose the format: “Selig” for coordinates from 0.0 to 1.0, “Werte” for 0.0 to 100.0.
2. “Load Airfoil” opens the coordinate file; its name and number of coordinate pairs appear and the airfoil is plotted.
3. Enter the chord in mm and the thickness in % of the original thickness; leaving the field plots again.
4. “Plot Airfoil” draws the airfoil again, “Clear Plot” empties the frame, “Show Airfoil Data” lists the coordinates.
5. “Print Airfoil” prints the airfoil at true size, a long airfoil over several pages with registration marks if you wish. Print at 100 % scale in the print dialog, not fitted to the page; the 100 mm check bar shows it.
6. The menu bar offers every command: under “File” the recent files, exporting the outline as SVG, DXF or HPGL for laser, mill and plotter, the page preview and calibrating the printer; under “Ribs” the rib set: ribs from root to tip with sheeting, stock, spars, washout, jig tabs and lightening holes, printed or as a file, and the foam core: G-code for the 4-axis hot wire. The context menu (right mouse button or Shift+F10) offers them too.

Keys: Ctrl+O loads a file, Ctrl+P prints, Ctrl+Shift+P shows the page preview, Ctrl+Q quits, Alt and the underlined letter opens a menu.

A file can also be dropped onto the window or named at start-up: kestrun1 FILE (kestrun1 --help shows all options).</translation>
    </message>
    <message>
        <source>&amp;Wurzel in mm:</source>
        <translation>&amp;Root in mm:</translation>
    </message>
    <message>
        <source>Spi&amp;tze in mm:</source>
        <translation>&amp;Tip in mm:</translation>
    </message>
    <message>
        <source>Spa&amp;nnweite in mm:</source>
        <translation>&amp;Span in mm:</translation>
    </message>
    <message>
        <source>Profil&amp;dicke in %:</source>
        <translation>Thic&amp;kness in %:</translation>
    </message>
    <message>
        <source>P&amp;feilung in mm:</source>
        <translation>Swee&amp;p in mm:</translation>
    </message>
    <message>
        <source>Schrän&amp;kung in Grad:</source>
        <translation>W&amp;ashout in degrees:</translation>
    </message>
    <message>
        <source>Dreh&amp;punkt in % der Tiefe:</source>
        <translation>Pi&amp;vot in % of the chord:</translation>
    </message>
    <message>
        <source>&amp;Schnittbreite Wurzel in mm:</source>
        <translation>Kerf at r&amp;oot in mm:</translation>
    </message>
    <message>
        <source>Schnittbreite Sp&amp;itze in mm:</source>
        <translation>Kerf at t&amp;ip in mm:</translation>
    </message>
    <message>
        <source>&amp;Vorlauf in mm:</source>
        <translation>&amp;Lead in mm:</translation>
    </message>
    <message>
        <source>&amp;Höhe in mm:</source>
        <translation>&amp;Height in mm:</translation>
    </message>
    <message>
        <source>T&amp;urmabstand in mm:</source>
        <translation>Tower distan&amp;ce in mm:</translation>
    </message>
    <message>
        <source>&amp;Blocklage in mm:</source>
        <translation>&amp;Block position in mm:</translation>
    </message>
    <message>
        <source>V&amp;orschub in mm/min:</source>
        <translation>&amp;Feed in mm/min:</translation>
    </message>
    <message>
        <source>Hei&amp;zung (0 bis 1000):</source>
        <translation>&amp;Wire heat (0 to 1000):</translation>
    </message>
    <message>
        <source>Vorh&amp;eizen in s:</source>
        <translation>Preheat d&amp;uration in s:</translation>
    </message>
    <message>
        <source>Verfahrweg &amp;X in mm:</source>
        <translation>&amp;X travel in mm:</translation>
    </message>
    <message>
        <source>Verfahrweg &amp;Y in mm:</source>
        <translation>&amp;Y travel in mm:</translation>
    </message>
    <message>
        <source>Blau die Wurzel, rot die Spitze, gestrichelt der Drahtweg am ersten (grün) und am zweiten Turm (violett), grau der Verfahrweg; leer: Turmabstand gleich Spannweite, Block mittig.</source>
        <translation>Blue the root, red the tip, dashed the wire&apos;s path at the first (green) and the second tower (purple), grey the travel; empty: tower distance equal to the span, block centred.</translation>
    </message>
    <message>
        <source>Schaumkern</source>
        <translation>Foam core</translation>
    </message>
    <message>
        <source>Spitzenprofi&amp;l…</source>
        <translation>Ope&amp;n tip airfoil…</translation>
    </message>
    <message>
        <source>Entfe&amp;rnen</source>
        <translation>Re&amp;move</translation>
    </message>
    <message>
        <source>Kern</source>
        <translation>Core</translation>
    </message>
    <message>
        <source>Lage und Maschine</source>
        <translation>Placement and machine</translation>
    </message>
    <message>
        <source>G93 (inverse Zeit)</source>
        <translation>G93 (inverse time)</translation>
    </message>
    <message>
        <source>G94 (mm/min)</source>
        <translation>G94 (mm/min)</translation>
    </message>
    <message>
        <source>Vorschub&amp;art:</source>
        <translation>Feed mo&amp;de:</translation>
    </message>
    <message>
        <source>A&amp;chsen:</source>
        <translation>Ax&amp;es:</translation>
    </message>
    <message>
        <source>Als &amp;G-Code speichern…</source>
        <translation>Save as &amp;G-code…</translation>
    </message>
    <message>
        <source>Als G-Code speichern</source>
        <translation>Save as G-code</translation>
    </message>
</context>
<context>
    <name>meldung</name>
    <message>
        <source>Es ist noch kein Profil geladen.</source>
        <translation>No airfoil has been loaded yet.</translation>
    </message>
    <message>
        <source>Eine Koordinate der Datei ist unsinnig groß: der Umriss wäre größer als %1 km. Es wird nichts ausgegeben.</source>
        <translation>A coordinate of the file is absurdly large: the outline would be larger than %1 km. Nothing is written.</translation>
    </message>
    <message>
        <source>Die Koordinaten der Datei ergeben keinen Umriss (weniger als drei verschiedene Punkte, oder alle auf einer Linie). Es wird nichts ausgegeben.</source>
        <translation>The coordinates of the file do not make an outline (fewer than three distinct points, or all on one line). Nothing is written.</translation>
    </message>
    <message>
        <source>Bei %1 % Dicke ist der Umriss flach; er lässt sich weder drucken noch schneiden.</source>
        <translation>At %1 % thickness the outline is flat; it can be neither printed nor cut.</translation>
    </message>
    <message>
        <source>Bei %1 % Dicke ist der Umriss weniger als 0,001 mm dick; er lässt sich weder drucken noch schneiden.</source>
        <translation>At %1 % thickness the outline is less than 0.001 mm thick; it can be neither printed nor cut.</translation>
    </message>
    <message>
        <source>Bei %1 % Dicke ist der Umriss %2 mm dick; er lässt sich weder drucken noch schneiden.</source>
        <translation>At %1 % thickness the outline is %2 mm thick; it can be neither printed nor cut.</translation>
    </message>
    <message>
        <source>Der Umriss der Datei ist %1 mm lang, die Profiltiefe ist %2 mm. Ist die Datei im anderen Format, oder enthält sie einen falschen Wert?</source>
        <translation>The outline of the file is %1 mm long, the chord is %2 mm. Is the file in the other format, or does it hold a wrong value?</translation>
    </message>
    <message>
        <source>%1 – Profiltiefe %2 mm – Dicke %3 %</source>
        <translation>%1 – chord %2 mm – thickness %3 %</translation>
    </message>
    <message>
        <source>Bei %1 % Dicke ist das Profil %2 mm breit; die Seite bietet neben dem Prüfbalken %3 mm. Bitte eine kleinere Dicke wählen. Es wird nichts gedruckt.</source>
        <translation>At %1 % thickness the airfoil is %2 mm wide; the page offers %3 mm beside the check bar. Please choose a smaller thickness. Nothing is printed.</translation>
    </message>
    <message>
        <source>Bei %1 mm Profiltiefe ist das Profil %2 mm breit; die Seite bietet neben dem Prüfbalken %3 mm. Bitte eine kleinere Profiltiefe oder größeres Papier wählen. Es wird nichts gedruckt.</source>
        <translation>At %1 mm chord the airfoil is %2 mm wide; the page offers %3 mm beside the check bar. Please choose a smaller chord or larger paper. Nothing is printed.</translation>
    </message>
    <message>
        <source>Bei %1 mm Profiltiefe bräuchte der Ausdruck mehr als %2 Seiten; so viele werden nicht gedruckt.</source>
        <translation>At %1 mm chord the printout would need more than %2 pages; that many are not printed.</translation>
    </message>
    <message>
        <source>Die Profillänge muss eine Zahl größer als 0 und höchstens %1 mm sein (eingegeben: „%2“).</source>
        <translation>The chord must be a number greater than 0 and at most %1 mm (entered: “%2”).</translation>
    </message>
    <message>
        <source>Die Profildicke muss eine Zahl sein, in Prozent der Originaldicke (eingegeben: „%1“).</source>
        <translation>The thickness must be a number, in percent of the original thickness (entered: “%1”).</translation>
    </message>
    <message>
        <source>Der Balken %1 kann nicht „%2“ mm lang sein: eine Korrektur außerhalb von %3 bis %4 % ist ein Messfehler. Bitte den %5-mm-Balken noch einmal messen.</source>
        <translation>The %1 bar cannot be “%2” mm long: a correction outside %3 to %4 % is a measuring error. Please measure the %5 mm bar again.</translation>
    </message>
    <message>
        <source>kalibriert %1 % / %2 %</source>
        <translation>calibrated %1 % / %2 %</translation>
    </message>
    <message>
        <source>Der Drucker „%1“ ist kalibriert: längs %2 %, quer %3 %. Jeder weitere Ausdruck auf ihm wird so korrigiert; PDF-, SVG- und DXF-Dateien der Kommandozeile und des Exports bleiben unkorrigiert.</source>
        <translation>The printer “%1” is calibrated: along %2 %, across %3 %. Every further printout on it is corrected that way; PDF, SVG and DXF files of the command line and of the export stay uncorrected.</translation>
    </message>
    <message>
        <source>Ein Rippensatz hat 2 bis %1 Rippen (angegeben: %2).</source>
        <translation>A rib set has 2 to %1 ribs (given: %2).</translation>
    </message>
    <message>
        <source>Der Auftrag bräuchte etwa %1 Eckpunkte (%2 mit bis zu %3 Eckpunkten%4); mehr als %5 Eckpunkte werden in einem Auftrag nicht erzeugt. Bitte weniger oder kleinere Rippen wählen.</source>
        <translation>The output job would need about %1 vertices (%2 with up to %3 vertices%4); more than %5 vertices are not generated in one output job. Please choose fewer or smaller ribs.</translation>
    </message>
    <message>
        <source>1 Rippe</source>
        <translation>1 rib</translation>
    </message>
    <message>
        <source>%1 Rippen</source>
        <translation>%1 ribs</translation>
    </message>
    <message>
        <source>; geglättet liegt alle %1 mm einer</source>
        <translation>; smoothed, one every %1 mm</translation>
    </message>
    <message>
        <source>Die Ausgaben wären zusammen %1 MB groß; mehr als %2 MB werden in einem Auftrag nicht geschrieben.</source>
        <translation>The outputs would be %1 MB together; more than %2 MB are not written in one output job.</translation>
    </message>
    <message>
        <source>Die Rippenlänge (%1 mm) ist keine Zahl größer als 0 und höchstens %2 mm.</source>
        <translation>The rib length (%1 mm) is not a number greater than 0 and at most %2 mm.</translation>
    </message>
    <message>
        <source>Spitzenprofil: %1</source>
        <translation>Tip airfoil: %1</translation>
    </message>
    <message>
        <source>Rippensatz %1</source>
        <translation>Rib set %1</translation>
    </message>
    <message>
        <source>Rippe %1</source>
        <translation>Rib %1</translation>
    </message>
    <message>
        <source> – %1 Rippen – Wurzel %2 mm – Spitze %3 mm%4</source>
        <translation> – %1 ribs – root %2 mm – tip %3 mm%4</translation>
    </message>
    <message>
        <source> – Profiltiefe %1 mm%2</source>
        <translation> – chord %1 mm%2</translation>
    </message>
    <message>
        <source> – Dicke %1 %</source>
        <translation> – thickness %1 %</translation>
    </message>
    <message>
        <source>%1: „%2“ ist keine Zahl.</source>
        <translation>%1: “%2” is not a number.</translation>
    </message>
    <message>
        <source>%1: „%2“ ist keine ganze Zahl.</source>
        <translation>%1: “%2” is not a whole number.</translation>
    </message>
    <message>
        <source>%1: „%2“ ist keine Länge von %3 bis %4 mm.</source>
        <translation>%1: “%2” is not a length from %3 to %4 mm.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: „%2“ ist keine Plattengröße BREITExHOEHE in mm (je größer als 0 und höchstens %3), etwa %4.</source>
        <translation>%1: “%2” is not a sheet size WIDTHxHEIGHT in mm (each greater than 0 and at most %3), such as %4.</translation>
    </message>
    <message>
        <source>Es ist kein Dateiname angegeben.</source>
        <translation>No file name is given.</translation>
    </message>
    <message>
        <source>Zu viele Ausgabedateien auf einmal.</source>
        <translation>Too many output files at once.</translation>
    </message>
    <message>
        <source>Die Verknüpfung „%1“ führt im Kreis.</source>
        <translation>The link “%1” goes round in a circle.</translation>
    </message>
    <message>
        <source>Die Verknüpfung „%1“ lässt sich nicht lesen.</source>
        <translation>The link “%1” cannot be read.</translation>
    </message>
    <message>
        <source>„%1“ ist ein Ordner, keine Datei.</source>
        <translation>“%1” is a folder, not a file.</translation>
    </message>
    <message>
        <source>„%1“ ist keine gewöhnliche Datei (ein Gerät, eine Pipe oder ein Socket); sie wird nicht überschrieben.</source>
        <translation>“%1” is not a regular file (a device, a pipe or a socket); it is not overwritten.</translation>
    </message>
    <message>
        <source>„%1“ ist die Profildatei selbst; sie wird nicht überschrieben.</source>
        <translation>“%1” is the airfoil file itself; it is not overwritten.</translation>
    </message>
    <message>
        <source>„%1“ ist schreibgeschützt; sie wird nicht überschrieben.</source>
        <translation>“%1” is read-only; it is not overwritten.</translation>
    </message>
    <message>
        <source>„%1“ ist zweimal als Ausgabe genannt.</source>
        <translation>“%1” is named twice as an output.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ existiert nicht.</source>
        <translation>The folder “%1” does not exist.</translation>
    </message>
    <message>
        <source>Die Verknüpfung „%1“ zeigt auf „%2“, dessen Ordner es nicht gibt.</source>
        <translation>The link “%1” points to “%2”, whose folder does not exist.</translation>
    </message>
    <message>
        <source>Die Verknüpfung „%1“ zeigt auf „%2“, das es nicht gibt.</source>
        <translation>The link “%1” points to “%2”, which does not exist.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht geschrieben werden: %2.</source>
        <translation>The file “%1” cannot be written: %2.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht geschrieben werden: %2. Die bisherige Datei ist unverändert.</source>
        <translation>The file “%1” could not be written: %2. The previous file is unchanged.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ konnte nicht geschrieben werden: %2. Es wurde nichts angelegt.</source>
        <translation>The file “%1” could not be written: %2. Nothing was created.</translation>
    </message>
    <message>
        <source>„%1“ wurde während des Schreibens von anderer Seite verändert; sie wird nicht überschrieben.</source>
        <translation>“%1” was changed by someone else while it was being written; it is not overwritten.</translation>
    </message>
    <message>
        <source> „%1“ ist schon neu geschrieben; die bisherige Datei liegt als „%2“ daneben.</source>
        <translation> “%1” has already been rewritten; the previous file lies beside it as “%2”.</translation>
    </message>
    <message>
        <source> Auch keine der anderen Ausgabedateien wurde verändert oder angelegt.</source>
        <translation> None of the other output files was changed or created either.</translation>
    </message>
    <message>
        <source> „%1“ ist schon neu angelegt und ließ sich nicht wieder entfernen.</source>
        <translation> “%1” has already been created and could not be removed again.</translation>
    </message>
    <message>
        <source> Die Sicherung „%1“ der bisherigen Datei ließ sich nicht löschen.</source>
        <translation> The backup “%1” of the previous file could not be deleted.</translation>
    </message>
    <message>
        <source>Alle Dateien sind geschrieben, aber die Sicherung „%1“ der bisherigen Datei ließ sich nicht löschen.</source>
        <translation>All files are written, but the backup “%1” of the previous file could not be deleted.</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei „%1“ wird nicht gelesen: %2. Das Programm beginnt mit den Startwerten und speichert in dieser Sitzung keine Einstellungen.</source>
        <translation>The settings file “%1” is not read: %2. The program starts with the default values and saves no settings in this session.</translation>
    </message>
    <message>
        <source>sie ist keine gewöhnliche Datei</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>sie ist größer als %1 MiB</source>
        <translation>it is larger than %1 MiB</translation>
    </message>
    <message>
        <source>Die Einstellungen wurden nicht gespeichert: %1</source>
        <translation>The settings were not saved: %1</translation>
    </message>
    <message>
        <source>%1

Den Umriss auf %2 mm skalieren?</source>
        <translation>%1

Scale the outline to %2 mm?</translation>
    </message>
    <message>
        <source>Auf %1 mm skalieren</source>
        <translation>Scale to %1 mm</translation>
    </message>
    <message>
        <source>Das Profil ist %1 mm lang; die Seite bietet %2 mm. Auf %3 Seiten verteilt drucken?</source>
        <translation>The airfoil is %1 mm long; the page offers %2 mm. Print it spread over %3 pages?</translation>
    </message>
    <message>
        <source>Die längste Rippe ist %1 mm lang; die Seite bietet %2 mm. Auf %3 Seiten verteilt drucken?</source>
        <translation>The longest rib is %1 mm long; the page offers %2 mm. Print it spread over %3 pages?</translation>
    </message>
    <message>
        <source>Auf mehreren Seiten drucken</source>
        <translation>Print on several pages</translation>
    </message>
    <message>
        <source>%1

Im Format %2 laden?</source>
        <translation>%1

Load in the format %2?</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Ja</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Nein</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Aufruf: kestrun1 [Optionen] [DATEI]

Liest eine Profil-Koordinatendatei (Selig 0.0 ... 1.0 oder Werte 0.0 ... 100.0), zeigt,
plottet und druckt sie in wahrer Größe. Ohne eine Ausgabe (--ausgabe oder eine der
Formatoptionen) öffnet sich das Fenster, mit DATEI schon geladen.

Optionen:
  -h, --help              diese Hilfe
  -v, --version           die Version
  --sprache de|en         Sprache der Texte; ohne Angabe nach LANGUAGE, LC_ALL,
                          LC_MESSAGES oder LANG
  --format selig|werte    Format der Datei; ohne Angabe entscheiden die Zahlen
  --ausgabe DATEI         eine Ausgabe schreiben, das Format nach der Endung:
                          %1
</source>
        <translation>Usage: kestrun1 [options] [FILE]

Reads an airfoil coordinate file (Selig 0.0 ... 1.0 or Werte 0.0 ... 100.0), shows,
plots and prints it at true size. Without an output (--ausgabe or one of the
format options) the window opens, with FILE already loaded.

Options:
  -h, --help              this help
  -v, --version           the version
  --sprache de|en         language of the texts; by default from LANGUAGE, LC_ALL,
                          LC_MESSAGES or LANG
  --format selig|werte    format of the file; by default the numbers decide
  --ausgabe FILE          write one output, its format from the extension:
                          %1
</translation>
    </message>
    <message>
        <source>Kestrun1 Version %1 (%2)
</source>
        <translation>Kestrun1 version %1 (%2)
</translation>
    </message>
    <message>
        <source>%1 Mit --normieren wird der Umriss auf die Profiltiefe skaliert.</source>
        <translation>%1 With --normieren the outline is scaled to the chord.</translation>
    </message>
    <message>
        <source>Einer Option fehlt ihr Wert (kestrun1 --help zeigt alle).</source>
        <translation>An option is missing its value (kestrun1 --help shows them all).</translation>
    </message>
    <message>
        <source>Die Option „%1“ nimmt keinen Wert.</source>
        <translation>The option “%1” takes no value.</translation>
    </message>
    <message>
        <source>Die Option „%1“ ist mehrfach angegeben; sie gilt nur einmal.</source>
        <translation>The option “%1” is given more than once; it counts only once.</translation>
    </message>
    <message>
        <source>Der Option „%1“ fehlt ihr Wert (er ist leer).</source>
        <translation>The option “%1” is missing its value (it is empty).</translation>
    </message>
    <message>
        <source>Unbekannte Option „%1“ (kestrun1 --help zeigt alle).</source>
        <translation>Unknown option “%1” (kestrun1 --help shows them all).</translation>
    </message>
    <message>
        <source>--format kennt nur selig oder werte, nicht „%1“.</source>
        <translation>--format knows only selig or werte, not “%1”.</translation>
    </message>
    <message>
        <source>--seite kennt nur A4, A3 oder Letter, nicht „%1“.</source>
        <translation>--seite knows only A4, A3 or Letter, not “%1”.</translation>
    </message>
    <message>
        <source>--sprache kennt nur de oder en, nicht „%1“.</source>
        <translation>--sprache knows only de or en, not “%1”.</translation>
    </message>
    <message>
        <source>Bitte nur eine Datei nennen.</source>
        <translation>Please name only one file.</translation>
    </message>
    <message>
        <source>--laenge, --dicke, --seite, --normieren und die Rippen-Optionen gelten nur mit --pdf, --svg oder --dxf.</source>
        <translation>--laenge, --dicke, --seite, --normieren and the rib options apply only with --pdf, --svg or --dxf.</translation>
    </message>
    <message>
        <source>Zu --pdf, --svg und --dxf gehört eine Profildatei.</source>
        <translation>--pdf, --svg and --dxf need an airfoil file.</translation>
    </message>
    <message>
        <source>Das Format der Ausgabe „%1“ ist unbekannt; bekannte Endungen: %2.</source>
        <translation>The format of the output “%1” is unknown; known extensions: %2.</translation>
    </message>
    <message>
        <source>Der Name der Ausgabedatei fehlt.</source>
        <translation>The name of the output file is missing.</translation>
    </message>
    <message>
        <source>--normieren gilt nicht für Rippen.</source>
        <translation>--normieren does not apply to ribs.</translation>
    </message>
    <message>
        <source>Zu --rippen gehören --wurzel und --spitze.</source>
        <translation>--rippen needs --wurzel and --spitze.</translation>
    </message>
    <message>
        <source>Ein Rippensatz nimmt --wurzel und --spitze, nicht --laenge.</source>
        <translation>A rib set takes --wurzel and --spitze, not --laenge.</translation>
    </message>
    <message>
        <source>--wurzel, --spitze und --spitzenprofil gelten nur mit --rippen.</source>
        <translation>--wurzel, --spitze and --spitzenprofil apply only with --rippen.</translation>
    </message>
    <message>
        <source>Der Name des Spitzenprofils fehlt.</source>
        <translation>The name of the tip airfoil is missing.</translation>
    </message>
    <message>
        <source>Datei Öffnen fehlgeschlagen !
%1: %2</source>
        <translation>Opening the file failed!
%1: %2</translation>
    </message>
    <message>
        <source>„%1“ ist keine gewöhnliche Datei.</source>
        <translation>“%1” is not a regular file.</translation>
    </message>
    <message>
        <source>%1…</source>
        <translation>%1…</translation>
    </message>
    <message>
        <source>Zeile %1: %2; die Datei wurde bis dort gelesen.</source>
        <translation>Line %1: %2; the file was read up to there.</translation>
    </message>
    <message>
        <source>Zeile %1: %2; die Datei wurde nicht geladen.</source>
        <translation>Line %1: %2; the file was not loaded.</translation>
    </message>
    <message>
        <source>Zur Zahl „%1“ fehlt der Y-Wert</source>
        <translation>The number “%1” has no Y value</translation>
    </message>
    <message>
        <source>„%1“ ist keine Zahl</source>
        <translation>“%1” is not a number</translation>
    </message>
    <message>
        <source>„%1“ ist keine Zahl (Dezimaltrennzeichen ist der Punkt)</source>
        <translation>“%1” is not a number (the decimal separator is the point)</translation>
    </message>
    <message>
        <source>„%1“ ist keine Zahl (zu lang)</source>
        <translation>“%1” is not a number (too long)</translation>
    </message>
    <message>
        <source>„%1“ ist als Koordinate zu groß</source>
        <translation>“%1” is too large for a coordinate</translation>
    </message>
    <message>
        <source>Lesefehler</source>
        <translation>Read error</translation>
    </message>
    <message>
        <source>Die Datei ist größer als %1 MiB; eine Koordinatendatei hat nur einige Kilobyte. Die Datei wurde nicht geladen.</source>
        <translation>The file is larger than %1 MiB; a coordinate file has only a few kilobytes. The file was not loaded.</translation>
    </message>
    <message>
        <source>Die erste Zeile (der Profilname) ist länger als %1 KiB; die Datei wurde nicht geladen.</source>
        <translation>The first line (the airfoil name) is longer than %1 KiB; the file was not loaded.</translation>
    </message>
    <message>
        <source>Die Datei enthält mehr als %1 Koordinatenpaare.</source>
        <translation>The file holds more than %1 coordinate pairs.</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Koordinatenpaare.</source>
        <translation>The file holds no coordinate pairs.</translation>
    </message>
    <message>
        <source>Zeile %1 („%2“) nennt die Zeichengrenzen eines anderen Programms, keine Koordinaten; sie wurde übersprungen.</source>
        <translation>Line %1 (“%2”) gives another program&apos;s drawing limits, not coordinates; it was skipped.</translation>
    </message>
    <message>
        <source>Die Datei enthält %1 Koordinatenpaare; %2 davon wurden übernommen (größte Abweichung %3 % der Profiltiefe).</source>
        <translation>The file holds %1 coordinate pairs; %2 of them were taken (largest deviation %3 % of the chord).</translation>
    </message>
    <message>
        <source>Die X-Werte reichen nur bis %1; die Datei ist wohl im Format Selig (0.0 ... 1.0).</source>
        <translation>The X values reach only %1; the file is probably in the Selig format (0.0 ... 1.0).</translation>
    </message>
    <message>
        <source>Die X-Werte reichen bis %1; die Datei ist wohl im Format Werte (0.0 ... 100.0).</source>
        <translation>The X values reach %1; the file is probably in the Werte format (0.0 ... 100.0).</translation>
    </message>
    <message>
        <source>Der Umriss der Datei kreuzt oder berührt sich selbst (bei X %1 mm, Y %2 mm); so lässt er sich nicht ausschneiden. Es wird nichts ausgegeben.</source>
        <translation>The outline of the file crosses or touches itself (at X %1 mm, Y %2 mm); it cannot be cut out like that. Nothing is written.</translation>
    </message>
    <message>
        <source>Rippe %1 – %2 mm</source>
        <translation>Rib %1 – %2 mm</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>Die Platte (%1 × %2 mm, Abstand %3 mm) ist nicht gültig.</source>
        <translation>The sheet (%1 × %2 mm, spacing %3 mm) is not valid.</translation>
    </message>
    <message>
        <source>%1 (%2 × %3 mm) passt nicht auf die Platte (%4 × %5 mm, %6 mm Rand).</source>
        <translation>%1 (%2 × %3 mm) does not fit on the sheet (%4 × %5 mm, %6 mm margin).</translation>
    </message>
    <message>
        <source>Holm &quot;%1&quot;: erwartet ORT:BREITE:TIEFE[:oben|unten].</source>
        <translation>Spar &quot;%1&quot;: expected POS:WIDTH:DEPTH[:oben|unten].</translation>
    </message>
    <message>
        <source>Holm &quot;%1&quot;: Die Lage &quot;%2&quot; ist keine Zahl in mm (ab 0) oder in Prozent (0 bis 100 %).</source>
        <translation>Spar &quot;%1&quot;: the position &quot;%2&quot; is not a number in mm (from 0) or in percent (0 to 100 %).</translation>
    </message>
    <message>
        <source>Holm &quot;%1&quot;: Die Breite &quot;%2&quot; ist keine Zahl größer als 0.</source>
        <translation>Spar &quot;%1&quot;: the width &quot;%2&quot; is not a number greater than 0.</translation>
    </message>
    <message>
        <source>Holm &quot;%1&quot;: Die Breite &quot;%2&quot; ist schmaler als %3 mm.</source>
        <translation>Spar &quot;%1&quot;: the width &quot;%2&quot; is narrower than %3 mm.</translation>
    </message>
    <message>
        <source>Holm &quot;%1&quot;: Die Tiefe &quot;%2&quot; ist keine Zahl größer als 0.</source>
        <translation>Spar &quot;%1&quot;: the depth &quot;%2&quot; is not a number greater than 0.</translation>
    </message>
    <message>
        <source>Holm &quot;%1&quot;: Die Seite &quot;%2&quot; ist weder &quot;oben&quot; noch &quot;unten&quot;.</source>
        <translation>Spar &quot;%1&quot;: the side &quot;%2&quot; is neither &quot;oben&quot; (top) nor &quot;unten&quot; (bottom).</translation>
    </message>
    <message>
        <source>Rippe %1: Die Länge %2 mm ist keine Zahl größer als 0 und höchstens %3 mm.</source>
        <translation>Rib %1: the length %2 mm is not a number greater than 0 and at most %3 mm.</translation>
    </message>
    <message>
        <source>Rippe %1: Die Beplankung oben (%2 mm) ist keine Zahl von 0 bis zur Rippenlänge.</source>
        <translation>Rib %1: the top sheeting (%2 mm) is not a number from 0 to the rib length.</translation>
    </message>
    <message>
        <source>Rippe %1: Die Beplankung unten (%2 mm) ist keine Zahl von 0 bis zur Rippenlänge.</source>
        <translation>Rib %1: the bottom sheeting (%2 mm) is not a number from 0 to the rib length.</translation>
    </message>
    <message>
        <source>Rippe %1: Die Nasenleiste (%2 mm) ist keine Zahl von 0 bis zur Rippenlänge.</source>
        <translation>Rib %1: the leading-edge stock (%2 mm) is not a number from 0 to the rib length.</translation>
    </message>
    <message>
        <source>Rippe %1: Die Endleiste (%2 mm) ist keine Zahl von 0 bis zur Rippenlänge.</source>
        <translation>Rib %1: the trailing-edge stock (%2 mm) is not a number from 0 to the rib length.</translation>
    </message>
    <message>
        <source>Nasenleiste und Endleiste (%1 mm und %2 mm) lassen von Rippe %3 nichts übrig.</source>
        <translation>Leading-edge and trailing-edge stock (%1 mm and %2 mm) leave nothing of rib %3.</translation>
    </message>
    <message>
        <source>Holm %1: Lage, Breite und Tiefe müssen Zahlen sein, Breite und Tiefe größer als 0.</source>
        <translation>Spar %1: position, width and depth must be numbers, width and depth greater than 0.</translation>
    </message>
    <message>
        <source>Das Profil &quot;%1&quot; für Rippe %2 hat zu wenige oder ungültige Koordinaten.</source>
        <translation>The airfoil &quot;%1&quot; for rib %2 has too few or invalid coordinates.</translation>
    </message>
    <message>
        <source>Das Profil &quot;%1&quot; umschließt bei Rippe %2 keine Fläche.</source>
        <translation>The airfoil &quot;%1&quot; encloses no area at rib %2.</translation>
    </message>
    <message>
        <source>Der Umriss des Profils &quot;%1&quot; kreuzt sich und zerfällt bei Rippe %2 in %3 Teile.</source>
        <translation>The outline of the airfoil &quot;%1&quot; crosses itself and falls apart into %3 pieces at rib %2.</translation>
    </message>
    <message>
        <source>Der Umriss des Profils &quot;%1&quot; kreuzt oder berührt sich bei Rippe %2 selbst (bei X %3 mm, Y %4 mm).</source>
        <translation>The outline of the airfoil &quot;%1&quot; crosses or touches itself at rib %2 (at X %3 mm, Y %4 mm).</translation>
    </message>
    <message>
        <source>Die Beplankung (%1 mm oben, %2 mm unten) lässt von Rippe %3 nichts übrig.</source>
        <translation>The sheeting (%1 mm top, %2 mm bottom) leaves nothing of rib %3.</translation>
    </message>
    <message>
        <source>Die Beplankung teilt Rippe %1 in %2 Teile.</source>
        <translation>The sheeting splits rib %1 into %2 pieces.</translation>
    </message>
    <message>
        <source>Holm %1 liegt nicht ganz in Rippe %2 (Holm %3 bis %4 mm, Rippe %5 bis %6 mm ab der Nase).</source>
        <translation>Spar %1 does not lie wholly within rib %2 (spar %3 to %4 mm, rib %5 to %6 mm from the nose).</translation>
    </message>
    <message>
        <source>Holm %1 ist tiefer als die Rippe %2 unter ihm dick ist (%3 mm Holmtiefe, %4 mm Rippendicke bei %5 mm ab der Nase, der dünnsten Stelle zwischen %6 und %7 mm, gemessen von der Oberfläche in der Holmmitte).</source>
        <translation>Spar %1 is deeper than rib %2 is thick below it (%3 mm spar depth, %4 mm rib thickness at %5 mm from the nose, the thinnest place between %6 and %7 mm, measured from the surface at the middle of the spar).</translation>
    </message>
    <message>
        <source>Die Holmnuten lassen von Rippe %1 nichts übrig.</source>
        <translation>The spar notches leave nothing of rib %1.</translation>
    </message>
    <message>
        <source>Die Schnitte teilen Rippe %1 in %2 Teile.</source>
        <translation>The cuts split rib %1 into %2 pieces.</translation>
    </message>
    <message>
        <source>Die Holmnuten kürzen Rippe %1 von %2 mm auf %3 mm.</source>
        <translation>The spar notches shorten rib %1 from %2 mm to %3 mm.</translation>
    </message>
    <message>
        <source>Der Umriss von Rippe %1 berührt sich nach den Schnitten selbst (bei X %2 mm, Y %3 mm); ein Teil hinge dort nur an einem Punkt.</source>
        <translation>The outline of rib %1 touches itself after the cuts (at X %2 mm, Y %3 mm); a piece would hang there by one point only.</translation>
    </message>
    <message>
        <source>Ein Rippensatz braucht mindestens 2 Rippen (angegeben: %1).</source>
        <translation>A rib set needs at least 2 ribs (given: %1).</translation>
    </message>
    <message>
        <source>Die Rippenlänge an der Wurzel (%1 mm) ist keine Zahl größer als 0 und höchstens %2 mm.</source>
        <translation>The rib length at the root (%1 mm) is not a number greater than 0 and at most %2 mm.</translation>
    </message>
    <message>
        <source>Die Rippenlänge an der Spitze (%1 mm) ist keine Zahl größer als 0 und höchstens %2 mm.</source>
        <translation>The rib length at the tip (%1 mm) is not a number greater than 0 and at most %2 mm.</translation>
    </message>
    <message>
        <source>Wurzel- und Spitzenprofil brauchen je mindestens 3 Koordinatenpaare.</source>
        <translation>Root and tip airfoil each need at least 3 coordinate pairs.</translation>
    </message>
    <message>
        <source>Holm %1, Ort: „%2“ ist keine Zahl in mm ab der Nase (ab 0) und keine in Prozent der Rippenlänge (0 bis 100 %).</source>
        <translation>Spar %1, position: “%2” is neither a number in mm from the nose (from 0) nor one in percent of the rib length (0 to 100 %).</translation>
    </message>
    <message>
        <source>Holm %1, Breite: „%2“ ist keine Zahl größer als 0 mm.</source>
        <translation>Spar %1, width: “%2” is not a number greater than 0 mm.</translation>
    </message>
    <message>
        <source>Holm %1, Tiefe: „%2“ ist keine Zahl größer als 0 mm.</source>
        <translation>Spar %1, depth: “%2” is not a number greater than 0 mm.</translation>
    </message>
    <message>
        <source>Holm %1, %2: Das Feld ist leer; ein Holm mit Ort braucht Breite und Tiefe in mm.</source>
        <translation>Spar %1, %2: the field is empty; a spar with a position needs a width and a depth in mm.</translation>
    </message>
    <message>
        <source>Die %1 von %2 mm reicht an Rippe %3 in Holm %4 hinein (Holm %5 bis %6 mm ab der Nase); ein Holm muss ganz in der verbleibenden Rippe liegen.</source>
        <translation>The %1 of %2 mm reaches into spar %4 at rib %3 (spar %5 to %6 mm from the nose); a spar must lie wholly within the remaining rib.</translation>
    </message>
    <message>
        <source>%1: „%2“ ist keine Zahl von %3 bis %4.</source>
        <translation>%1: “%2” is not a number from %3 to %4.</translation>
    </message>
    <message>
        <source>%1: „%2“ ist keine Schränkung GRAD[:DREHPUNKT%] (Drehpunkt 0 bis 100 % der Tiefe).</source>
        <translation>%1: “%2” is not a washout DEGREES[:PIVOT%] (pivot 0 to 100 % of the chord).</translation>
    </message>
    <message>
        <source>%1: „%2“ ist keine Schnittbreite WURZEL[:SPITZE] von 0 bis 100 mm.</source>
        <translation>%1: “%2” is not a kerf ROOT[:TIP] from 0 to 100 mm.</translation>
    </message>
    <message>
        <source>%1: „%2“ ist kein Verfahrweg XxY in mm (je größer als 0 und höchstens %3), etwa %4.</source>
        <translation>%1: “%2” is not a travel XxY in mm (each greater than 0 and at most %3), such as %4.</translation>
    </message>
    <message>
        <source>Die Spannweite (%1 mm) muss größer als 0 und höchstens 10000 mm sein.</source>
        <translation>The span (%1 mm) must be greater than 0 and at most 10000 mm.</translation>
    </message>
    <message>
        <source>Die Schränkung (%1°) liegt außerhalb von ±15°.</source>
        <translation>The washout (%1°) lies outside ±15°.</translation>
    </message>
    <message>
        <source>Die Türme stehen %1 mm auseinander, der Block ist aber %2 mm breit.</source>
        <translation>The towers stand %1 mm apart, but the block is %2 mm wide.</translation>
    </message>
    <message>
        <source>Der Block (von %1 bis %2 mm) liegt nicht zwischen den Türmen (0 bis %3 mm).</source>
        <translation>The block (from %1 to %2 mm) does not lie between the towers (0 to %3 mm).</translation>
    </message>
    <message>
        <source>Die Schnittbreite an der %1 (%2 mm) ist breiter als der Kern dort dick ist (%3 mm).</source>
        <translation>The kerf at the %1 (%2 mm) is wider than the core is thick there (%3 mm).</translation>
    </message>
    <message>
        <source>Wurzel</source>
        <translation>root</translation>
    </message>
    <message>
        <source>Spitze</source>
        <translation>tip</translation>
    </message>
    <message>
        <source>Der Drahtweg verlässt den Verfahrweg: %1 reicht bis %2 mm, %3 mm über %4 mm hinaus.</source>
        <translation>The wire path leaves the travel: %1 reaches %2 mm, %3 mm beyond %4 mm.</translation>
    </message>
    <message>
        <source>Der Drahtweg verlässt den Verfahrweg: %1 reicht bis %2 mm, %3 mm unter 0.</source>
        <translation>The wire path leaves the travel: %1 reaches %2 mm, %3 mm below 0.</translation>
    </message>
    <message>
        <source>Der Drahtweg hätte %1 Zeilen; mehr als %2 nimmt ein Auftrag nicht an.</source>
        <translation>The wire path would have %1 lines; an output job takes no more than %2.</translation>
    </message>
    <message>
        <source>Kestrun1 Schaumkern, 4-Achsen-Heissdraht</source>
        <translation>Kestrun1 foam core, 4-axis hot wire</translation>
    </message>
    <message>
        <source>%1: %2, Datei %3, Tiefe %4 mm, Dicke %5 %</source>
        <translation>%1: %2, file %3, chord %4 mm, thickness %5 %</translation>
    </message>
    <message>
        <source>Wurzelprofil</source>
        <translation>Root airfoil</translation>
    </message>
    <message>
        <source>Spitzenprofil</source>
        <translation>Tip airfoil</translation>
    </message>
    <message>
        <source>Spannweite %1 mm, Pfeilung %2 mm, Schraenkung %3 Grad um %4 % der Tiefe</source>
        <translation>Span %1 mm, sweep %2 mm, washout %3 degrees about %4 % of the chord</translation>
    </message>
    <message>
        <source>Vorlauf %1 mm, Hoehe %2 mm, Turmabstand %3 mm, Blocklage %4 mm</source>
        <translation>Lead-in %1 mm, height %2 mm, tower distance %3 mm, block position %4 mm</translation>
    </message>
    <message>
        <source>Schnittbreite Wurzel %1 mm, Spitze %2 mm</source>
        <translation>Kerf root %1 mm, tip %2 mm</translation>
    </message>
    <message>
        <source>Vorschub %1 mm/min, %2, Achsen %3</source>
        <translation>Feed %1 mm/min, %2, axes %3</translation>
    </message>
    <message>
        <source>Heizung S%1, Vorheizen %2 s</source>
        <translation>Heating S%1, preheat %2 s</translation>
    </message>
    <message>
        <source>Verfahrweg %1 x %2 mm, %3 Stationen</source>
        <translation>Travel %1 x %2 mm, %3 stations</translation>
    </message>
    <message>
        <source>
Schaumkern (mit --gcode oder --ausgabe KERN.ngc|.nc|.gcode|.tap; dazu --wurzel, --spitze,
--spannweite, wahlweise --spitzenprofil und --dicke):
  --spannweite MM         Abstand Wurzel- zu Spitzenfläche
  --pfeilung MM           Nase der Spitze so weit hinter der Nase der Wurzel, Vorgabe 0
  --schraenkung GRAD[:DREHPUNKT%]
                          Spitze um GRAD (bis ±15) nasenunten gedreht, um DREHPUNKT % der
                          Tiefe, Vorgabe 0:100
  --vorlauf MM            X der Wurzelnase, Vorgabe 20
  --hoehe MM              Y beider Nasen, Vorgabe 30
  --turmabstand MM        Abstand der Türme, Vorgabe die Spannweite
  --blocklage MM          Abstand der Wurzelfläche vom XY-Turm, Vorgabe mittig
  --schnittbreite MM[:MM] Schnittbreite an Wurzel und Spitze, Vorgabe 0
  --vorschub MM/MIN       Geschwindigkeit der schnelleren Fläche, Vorgabe 200
  --vorschubart g93|g94   Vorschub in inverser Zeit (Vorgabe) oder in mm/min
  --achsen XYUV|XYZA      Namen der Achsen, Vorgabe XYUV
  --heizung 0..1000       Heizleistung M3 S, Vorgabe 500
  --vorheizen SEKUNDEN    Wartezeit nach dem Einschalten, Vorgabe 3
  --verfahrweg XxY        Verfahrweg in mm, Vorgabe 1000x500
Mit --pdf dazu: die Schablonen von Wurzel und Spitze (Umriss und Schnittlinie) in wahrer
Größe, mit Prüfbalken.

Beispiel:  kestrun1 --gcode kern.ngc --pdf schablonen.pdf --wurzel 250 --spitze 150 \
               --spannweite 600 --spitzenprofil naca0012.dat --schnittbreite 1:1,2 \
               naca2412.dat
</source>
        <translation>
Foam core (with --gcode or --ausgabe CORE.ngc|.nc|.gcode|.tap; with --wurzel, --spitze,
--spannweite, optionally --spitzenprofil and --dicke):
  --spannweite MM         distance from the root face to the tip face
  --pfeilung MM           sweep: the tip&apos;s nose that far behind the root&apos;s nose, default 0
  --schraenkung DEG[:PIVOT%]
                          washout: the tip turned nose-down by DEG (up to ±15) about PIVOT %
                          of the chord, default 0:100
  --vorlauf MM            lead-in: X of the root&apos;s nose, default 20
  --hoehe MM              Y of both noses, default 30
  --turmabstand MM        distance between the towers, default the span
  --blocklage MM          distance of the root face from the XY tower, default centred
  --schnittbreite MM[:MM] kerf at root and tip, default 0
  --vorschub MM/MIN       speed of the faster face, default 200
  --vorschubart g93|g94   feed in inverse time (default) or in mm/min
  --achsen XYUV|XYZA      names of the axes, default XYUV
  --heizung 0..1000       heating power M3 S, default 500
  --vorheizen SECONDS     wait after switching on, default 3
  --verfahrweg XxY        travel in mm, default 1000x500
With --pdf as well: the templates of root and tip (outline and kerf line) at true
size, with the check bar.

Example:   kestrun1 --gcode core.ngc --pdf templates.pdf --wurzel 250 --spitze 150 \
               --spannweite 600 --spitzenprofil naca0012.dat --schnittbreite 1:1,2 \
               naca2412.dat
</translation>
    </message>
    <message>
        <source>Schaumkern %1 → %2</source>
        <translation>Foam core %1 → %2</translation>
    </message>
    <message>
        <source> – Spannweite %1 mm – Schnittbreite Wurzel %2 mm, Spitze %3 mm</source>
        <translation> – span %1 mm – kerf root %2 mm, tip %3 mm</translation>
    </message>
    <message>
        <source>Schablone %1 – %2 mm</source>
        <translation>Template %1 – %2 mm</translation>
    </message>
    <message>
        <source>Zu einem Schaumkern gehören --wurzel, --spitze und --spannweite.</source>
        <translation>A foam core needs --wurzel, --spitze and --spannweite.</translation>
    </message>
    <message>
        <source>Ein Schaumkern wird als G-Code und als PDF mit den Schablonen geschrieben; andere Ausgaben gehören in einen eigenen Aufruf.</source>
        <translation>A foam core is written as G-code and as a PDF with the templates; other outputs belong in a call of their own.</translation>
    </message>
    <message>
        <source>--laenge, --normieren und die Rippen-Optionen gelten nicht für einen Schaumkern.</source>
        <translation>--laenge, --normieren and the rib options do not apply to a foam core.</translation>
    </message>
    <message>
        <source>Die Schaumkern-Optionen gelten nur mit --gcode (oder --ausgabe KERN.ngc) und --pdf.</source>
        <translation>The foam core options apply only with --gcode (or --ausgabe CORE.ngc) and --pdf.</translation>
    </message>
    <message>
        <source>--vorschubart kennt nur g93 oder g94, nicht „%1“.</source>
        <translation>--vorschubart knows only g93 or g94, not “%1”.</translation>
    </message>
    <message>
        <source>--achsen kennt nur XYUV oder XYZA, nicht „%1“.</source>
        <translation>--achsen knows only XYUV or XYZA, not “%1”.</translation>
    </message>
    <message>
        <source>Kestrun Ausdruck</source>
        <translation>Kestrun printout</translation>
    </message>
    <message>
        <source>Kestrun Kalibrierung</source>
        <translation>Kestrun calibration</translation>
    </message>
    <message>
        <source>%1 mm</source>
        <translation>%1 mm</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source> – %1</source>
        <translation> – %1</translation>
    </message>
    <message>
        <source>Kalibrierseite für „%1“</source>
        <translation>Calibration page for “%1”</translation>
    </message>
    <message>
        <source>Bei 100 % drucken, dann beide Balken messen: längs (senkrecht) und quer (waagrecht), je %1 mm.</source>
        <translation>Print at 100 %, then measure both bars: along (vertical) and across (horizontal), %1 mm each.</translation>
    </message>
    <message>
        <source>Der Ausdruck konnte nicht gestartet werden.</source>
        <translation>The printout could not be started.</translation>
    </message>
    <message>
        <source>Der Ausdruck konnte nicht abgeschlossen werden.</source>
        <translation>The printout could not be finished.</translation>
    </message>
    <message>
        <source>Der Ausdruck konnte nicht abgeschlossen werden.
%1</source>
        <translation>The printout could not be finished.
%1</translation>
    </message>
    <message>
        <source>Es gibt keine Rippe zu drucken.</source>
        <translation>There is no rib to print.</translation>
    </message>
    <message>
        <source>%1 ist %2 mm breit; die Seite bietet neben dem Prüfbalken %3 mm. Bitte größeres Papier wählen. Es wird nichts gedruckt.</source>
        <translation>%1 is %2 mm wide; the page offers %3 mm beside the check bar. Please choose larger paper. Nothing is printed.</translation>
    </message>
    <message>
        <source>Die Rippen bräuchten mehr als %1 Seiten; so viele werden nicht gedruckt.</source>
        <translation>The ribs would need more than %1 pages; that many are not printed.</translation>
    </message>
    <message>
        <source>Die Seiten bräuchten %1 Eckpunkte (eine lange Rippe wird auf jeder ihrer Seiten gezeichnet); mehr als %2 Eckpunkte werden in einem Auftrag nicht erzeugt. Bitte größeres Papier, weniger oder kürzere Rippen wählen. Es wird nichts gedruckt.</source>
        <translation>The pages would need %1 vertices (a long rib is drawn on each of its pages); more than %2 vertices are not generated in one output job. Please choose larger paper, or fewer or shorter ribs. Nothing is printed.</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>width</translation>
    </message>
    <message>
        <source>Tiefe</source>
        <translation>depth</translation>
    </message>
    <message>
        <source>Nasenleiste</source>
        <translation>leading-edge stock</translation>
    </message>
    <message>
        <source>Endleiste</source>
        <translation>trailing-edge stock</translation>
    </message>
    <message>
        <source>PDF-Dateien|*.pdf</source>
        <translation>PDF files|*.pdf</translation>
    </message>
    <message>
        <source>den Ausdruck als PDF schreiben, ohne Fenster</source>
        <translation>write the printout as PDF, without a window</translation>
    </message>
    <message>
        <source>SVG-Dateien|*.svg</source>
        <translation>SVG files|*.svg</translation>
    </message>
    <message>
        <source>den Umriss als SVG schreiben (Laser, Schneideplotter)</source>
        <translation>write the outline as SVG (laser, cutting plotter)</translation>
    </message>
    <message>
        <source>DXF-Dateien|*.dxf</source>
        <translation>DXF files|*.dxf</translation>
    </message>
    <message>
        <source>den Umriss als DXF schreiben (CAD, Fräse)</source>
        <translation>write the outline as DXF (CAD, milling machine)</translation>
    </message>
    <message>
        <source>HPGL-Dateien|*.plt;*.hpgl</source>
        <translation>HPGL files|*.plt;*.hpgl</translation>
    </message>
    <message>
        <source>den Umriss als HPGL schreiben (Stift- und Schneideplotter)</source>
        <translation>write the outline as HPGL (pen and cutting plotter)</translation>
    </message>
    <message>
        <source>G-Code-Dateien|*.ngc;*.nc;*.gcode;*.tap</source>
        <translation>G-code files|*.ngc;*.nc;*.gcode;*.tap</translation>
    </message>
    <message>
        <source>einen Schaumkern als G-Code schreiben (4-Achsen-Heißdraht)</source>
        <translation>write a foam core as G-code (4-axis hot wire)</translation>
    </message>
    <message>
        <source>Alle Dateien|*||</source>
        <translation>All files|*||</translation>
    </message>
    <message>
        <source>längs</source>
        <translation>vertical</translation>
    </message>
    <message>
        <source>quer</source>
        <translation>horizontal</translation>
    </message>
    <message>
        <source>Anzahl Rippen</source>
        <translation>number of ribs</translation>
    </message>
    <message>
        <source>Profillänge</source>
        <translation>chord</translation>
    </message>
    <message>
        <source>Beplankung</source>
        <translation>sheeting</translation>
    </message>
    <message>
        <source>Platte</source>
        <translation>sheet</translation>
    </message>
    <message>
        <source>Holm %1</source>
        <translation>Spar %1</translation>
    </message>
    <message>
        <source>%1 oben</source>
        <translation>%1 top</translation>
    </message>
    <message>
        <source>%1 unten</source>
        <translation>%1 bottom</translation>
    </message>
    <message>
        <source>Stückzahl</source>
        <translation>number of pieces</translation>
    </message>
    <message>
        <source>%1: „%2“ ist keine Stückzahl von 1 bis %3.</source>
        <translation>%1: “%2” is not a number of pieces from 1 to %3.</translation>
    </message>
    <message>
        <source>%1: „%2“ ist keine Schränkung GRAD[:DREHPUNKT%] mit einem Winkel von −%3 bis %3 Grad.</source>
        <translation>%1: “%2” is not a washout DEGREES[:PIVOT%] with an angle from −%3 to %3 degrees.</translation>
    </message>
    <message>
        <source>%1: In „%2“ ist der Drehpunkt keine Zahl von 0 bis 100 % der Profiltiefe.</source>
        <translation>%1: In “%2” the pivot is not a number from 0 to 100 % of the chord.</translation>
    </message>
    <message>
        <source>%1: „%2“ ist nicht ANZAHL:STEG (Löcher je Rippe und Steg in mm), etwa 4:3.</source>
        <translation>%1: “%2” is not COUNT:WEB (holes per rib and web in mm), such as 4:3.</translation>
    </message>
    <message>
        <source>%1: In „%2“ ist die Anzahl der Löcher keine ganze Zahl von 1 bis %3.</source>
        <translation>%1: In “%2” the number of holes is not a whole number from 1 to %3.</translation>
    </message>
    <message>
        <source>%1: In „%2“ ist der Steg keine Länge von %3 bis %4 mm.</source>
        <translation>%1: In “%2” the web is not a length from %3 to %4 mm.</translation>
    </message>
    <message>
        <source>  --laenge MM             Profiltiefe in mm, Vorgabe 100 (Komma oder Punkt)
  --dicke PROZENT         Dicke in % der Originaldicke, Vorgabe 100
  --seite A4|A3|Letter    Papier für --pdf, hochkant, Vorgabe A4
  --normieren             einen Umriss, der nicht so lang ist wie die Profiltiefe (falsches
                          Format, Millimeter, ein Ausreißer), auf die Profiltiefe skalieren

Rippen (mit einer Ausgabe; ohne --rippen eine Rippe von --laenge mm):
  --rippen ANZAHL         einen Rippensatz aus ANZAHL Rippen (2 bis 1000) ausgeben, von der
                          Wurzel zur Spitze gleichmäßig verjüngt
  --wurzel MM             Länge der Wurzelrippe, 0,1 bis 10000 (zu --rippen)
  --spitze MM             Länge der Spitzenrippe, 0,1 bis 10000 (zu --rippen)
  --spitzenprofil DATEI   Profil der Spitzenrippe; dazwischen wird übergeblendet
  --beplankung MM[:MM]    Beplankung oben und unten, um so viel wird die Rippe kleiner;
                          zwei Werte OBEN:UNTEN für verschiedene Dicken
  --holm ORT:BREITE:TIEFE[:oben|unten]
                          eine Holmnut, ORT in mm ab der Nase oder in % (30%), TIEFE ab der
                          Beplankung, Vorgabe oben; BREITE ab 0,1; mehrfach möglich
  --nasenleiste MM        vorn so viel für die Nasenleiste gerade abschneiden
  --endleiste MM          hinten so viel für die Endleiste gerade abschneiden
  --glaetten              den Umriss als Spline durch alle Punkte glätten
  --platte BREITExHOEHE   Plattengröße in mm für die Schneideformate, Vorgabe 600x300
  --anzahl N              jede Rippe N-mal (1 bis 100), 2 für beide Flächenhälften
  --ohne-platte           den Plattenrahmen nicht in SVG und DXF schreiben
  --schnittbreite MM      Schnittbreite des Lasers oder Messers (SVG, DXF, HPGL): Außen-
                          konturen um die Hälfte nach außen, Nuten und Löcher nach innen
  --schraenkung GRAD[:DREHPUNKT%]
                          Schränkung: Rippe k um den Winkel von 0 an der Wurzel bis GRAD
                          an der Spitze mit der Nase nach unten drehen, um DREHPUNKT % der
                          Profiltiefe, Vorgabe 100 (die Endleiste)
  --helling MM            zwei Hellingfüße je Rippe bis zu einer Linie MM unter dem
                          tiefsten Punkt der Wurzelrippe
  --erleichterung ANZAHL:STEG
                          bis zu ANZAHL Erleichterungslöcher je Rippe, STEG mm von jedem
                          Schnitt und voneinander

Passt das Profil nicht auf eine Seite, schreibt --pdf mehrere Seiten mit Passkreuzen.
Ein Auftrag erzeugt höchstens 200000 Eckpunkte und 50 MB, ein größerer wird sofort
abgelehnt. Außer --holm darf keine Option doppelt oder leer angegeben werden.
Exit-Code: 0 erledigt, 1 Datei oder Wert abgelehnt, 2 falsche Option.

Beispiele: kestrun1 --pdf rippe.pdf --laenge 150,5 naca2412.dat
           kestrun1 --dxf satz.dxf --wurzel 200 --spitze 120 --rippen 9 --beplankung 1,5 \
               --holm 30%:5:5 --holm 30%:5:5:unten naca2412.dat
</source>
        <translation>  --laenge MM             chord in mm, default 100 (comma or point)
  --dicke PERCENT         thickness in % of the original thickness, default 100
  --seite A4|A3|Letter    paper for --pdf, portrait, default A4
  --normieren             scale an outline that is not as long as the chord (wrong
                          format, millimetres, an outlier) to the chord

Ribs (with an output; without --rippen one rib of --laenge mm):
  --rippen COUNT          write a rib set of COUNT ribs (2 to 1000), tapered evenly from
                          root to tip
  --wurzel MM             length of the root rib, 0.1 to 10000 (with --rippen)
  --spitze MM             length of the tip rib, 0.1 to 10000 (with --rippen)
  --spitzenprofil FILE    airfoil of the tip rib; the ribs between are blended
  --beplankung MM[:MM]    sheeting top and bottom; the rib gets that much smaller;
                          two values TOP:BOTTOM for different thicknesses
  --holm POS:WIDTH:DEPTH[:oben|unten]
                          a spar notch, POS in mm from the nose or in % (30%), DEPTH from the
                          sheeting, default oben (top); WIDTH from 0.1; may be repeated
  --nasenleiste MM        cut that much off straight at the front for the leading-edge stock
  --endleiste MM          cut that much off straight at the back for the trailing-edge stock
  --glaetten              smooth the outline as a spline through all points
  --platte WIDTHxHEIGHT   sheet size in mm for the cutter formats, default 600x300
  --anzahl N              every rib N times (1 to 100), 2 for both wing halves
  --ohne-platte           leave the sheet frame out of SVG and DXF
  --schnittbreite MM      kerf of the laser or knife (SVG, DXF, HPGL): outer contours
                          move out by half of it, notches and holes in
  --schraenkung DEGREES[:PIVOT%]
                          washout: turn rib k nose-down by the angle from 0 at the root to
                          DEGREES at the tip, about PIVOT % of the chord, default 100 (the
                          trailing edge)
  --helling MM            two jig tabs per rib down to a line MM below the lowest point
                          of the root rib
  --erleichterung COUNT:WEB
                          up to COUNT lightening holes per rib, WEB mm from every cut and
                          from each other

If the airfoil does not fit on one page, --pdf writes several pages with registration marks.
An output job makes at most 200000 vertices and 50 MB; a larger one is refused at once.
Except --holm no option may be given twice or empty.
Exit code: 0 done, 1 file or value refused, 2 wrong option.

Examples: kestrun1 --pdf rib.pdf --laenge 150,5 naca2412.dat
          kestrun1 --dxf set.dxf --wurzel 200 --spitze 120 --rippen 9 --beplankung 1,5 \
              --holm 30%:5:5 --holm 30%:5:5:unten naca2412.dat
</translation>
    </message>
    <message>
        <source>--schraenkung gilt nur für einen Rippensatz, mit --rippen.</source>
        <translation>--schraenkung applies only to a rib set, with --rippen.</translation>
    </message>
    <message>
        <source> – Schnittbreite %1 mm</source>
        <translation> – kerf %1 mm</translation>
    </message>
    <message>
        <source>Rippe %1 (%2/%3) – %4 mm</source>
        <translation>Rib %1 (%2/%3) – %4 mm</translation>
    </message>
    <message>
        <source>Die Hellinglinie liegt zu nah an Rippe %1: sie muss mindestens %2 mm tiefer liegen, damit jede Rippe %3 mm über ihr steht.</source>
        <translation>The jig board line is too close to rib %1: it must lie at least %2 mm lower so that every rib stands %3 mm above it.</translation>
    </message>
    <message>
        <source>Der Hellingfuß bei %2 % der Profiltiefe liegt nicht ganz unter Rippe %1.</source>
        <translation>The jig tab at %2 % of the chord does not lie wholly under rib %1.</translation>
    </message>
    <message>
        <source>Der Hellingfuß bei %2 % der Profiltiefe von Rippe %1 träfe eine Holmnut.</source>
        <translation>The jig tab at %2 % of the chord of rib %1 would meet a spar notch.</translation>
    </message>
    <message>
        <source>%1, Fortsetzung</source>
        <translation>%1, continued</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>&amp;Zuletzt geöffnet</source>
        <translation>&amp;Recent files</translation>
    </message>
    <message>
        <source>&amp;Exportieren…</source>
        <translation>&amp;Export…</translation>
    </message>
    <message>
        <source>Seiten&amp;ansicht…</source>
        <translation>Print Pre&amp;view…</translation>
    </message>
    <message>
        <source>&amp;Drucken…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Drucker &amp;kalibrieren…</source>
        <translation>&amp;Calibrate printer…</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Rippen</source>
        <translation>&amp;Ribs</translation>
    </message>
    <message>
        <source>&amp;Rippensatz…</source>
        <translation>&amp;Rib set…</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Ü&amp;ber Kestrun1…</source>
        <translation>&amp;About Kestrun1…</translation>
    </message>
    <message>
        <source>(keine)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Stück je Rippe</source>
        <translation>pieces per rib</translation>
    </message>
    <message>
        <source>Schnittbreite</source>
        <translation>kerf</translation>
    </message>
    <message>
        <source>Schränkung</source>
        <translation>washout</translation>
    </message>
    <message>
        <source>Helling</source>
        <translation>jig tabs</translation>
    </message>
    <message>
        <source>Erleichterung</source>
        <translation>lightening holes</translation>
    </message>
    <message>
        <source>Beplankung oben</source>
        <translation>top sheeting</translation>
    </message>
    <message>
        <source>Beplankung unten</source>
        <translation>bottom sheeting</translation>
    </message>
    <message>
        <source>Drehpunkt</source>
        <translation>washout pivot</translation>
    </message>
    <message>
        <source>Löcher je Rippe</source>
        <translation>holes per rib</translation>
    </message>
    <message>
        <source>Steg der Löcher</source>
        <translation>web of the holes</translation>
    </message>
    <message>
        <source>&amp;Schaumkern…</source>
        <translation>&amp;Foam core…</translation>
    </message>
    <message>
        <source>Der G-Code ist gespeichert: „%1“.</source>
        <translation>The G-code is saved: “%1”.</translation>
    </message>
    <message>
        <source>Spannweite</source>
        <translation>Span</translation>
    </message>
    <message>
        <source>Profildicke</source>
        <translation>Thickness</translation>
    </message>
    <message>
        <source>Pfeilung</source>
        <translation>Sweep</translation>
    </message>
    <message>
        <source>Vorlauf</source>
        <translation>Lead</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Turmabstand</source>
        <translation>Tower distance</translation>
    </message>
    <message>
        <source>Blocklage</source>
        <translation>Block position</translation>
    </message>
    <message>
        <source>Vorschub</source>
        <translation>Feed</translation>
    </message>
    <message>
        <source>Heizung</source>
        <translation>Heat</translation>
    </message>
    <message>
        <source>Vorheizen</source>
        <translation>Preheat</translation>
    </message>
    <message>
        <source>Verfahrweg</source>
        <translation>Travel</translation>
    </message>
    <message>
        <source>,</source>
        <translation>.</translation>
    </message>
    <message>
        <source>.</source>
        <translation>,</translation>
    </message>
</context>
</TS>
