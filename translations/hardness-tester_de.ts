<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CBarChartPlot</name>
    <message>
        <source>Impact %1: %2</source>
        <translation>Schlag %1: %2</translation>
    </message>
    <message>
        <source>Impacts chart</source>
        <translation>Diagramm der Einzelwerte</translation>
    </message>
    <message>
        <source>Choose a row of the table to see its single impacts here.</source>
        <translation>Wählen Sie eine Zeile der Tabelle, um hier ihre Einzelwerte zu sehen.</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Balken</translation>
    </message>
    <message>
        <source>Impact axis</source>
        <translation>Achse der Einzelwerte</translation>
    </message>
    <message>
        <source>Hardness axis</source>
        <translation>Härteachse</translation>
    </message>
    <message>
        <source>Impacts of record %1: no values</source>
        <translation>Einzelwerte von Messung %1: keine Werte</translation>
    </message>
    <message>
        <source>Impacts of record %1: one value, %2 %3</source>
        <translation>Einzelwerte von Messung %1: ein Wert, %2 %3</translation>
    </message>
    <message>
        <source>Impacts of record %1: %2 values from %3 to %4 %5</source>
        <translation>Einzelwerte von Messung %1: %2 Werte von %3 bis %4 %5</translation>
    </message>
    <message>
        <source>Values: %1</source>
        <translation>Werte: %1</translation>
    </message>
    <message>
        <source>No. %1, %2, %3</source>
        <translation>Nr. %1, %2, %3</translation>
    </message>
    <message>
        <source>Lower limit %1</source>
        <translation>Untere Grenze %1</translation>
    </message>
    <message>
        <source>Upper limit %1</source>
        <translation>Obere Grenze %1</translation>
    </message>
    <message>
        <source>Mean %1</source>
        <translation>Mittelwert %1</translation>
    </message>
</context>
<context>
    <name>CTableResult</name>
    <message>
        <source>Mean outside %1; single values outside: %2</source>
        <translation>Mittelwert außerhalb %1; Einzelwerte außerhalb: %2</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Messungen</translation>
    </message>
</context>
<context>
    <name>GroupVerdict</name>
    <message>
        <source>No record in a scale with limits</source>
        <translation>Keine Messung in einer Skala mit Grenzwerten</translation>
    </message>
    <message>
        <source>%1 of %2 records outside their limits</source>
        <translation>%1 von %2 Messungen außerhalb ihrer Grenzwerte</translation>
    </message>
    <message>
        <source>%1 of 1 record outside %2</source>
        <translation>%1 von 1 Messung außerhalb %2</translation>
    </message>
    <message>
        <source>%1 of %2 records outside %3</source>
        <translation>%1 von %2 Messungen außerhalb %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Device Connected</source>
        <translation>Gerät verbunden</translation>
    </message>
    <message>
        <source>Device Disconnected</source>
        <translation>Gerät getrennt</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Please choose group first!</source>
        <translation>Bitte zuerst eine Gruppe wählen!</translation>
    </message>
    <message>
        <source>Load Data......</source>
        <translation>Daten werden geladen......</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>No data is found!</source>
        <translation>Keine Daten gefunden!</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>No data to save</source>
        <translation>Keine Daten zum Speichern</translation>
    </message>
    <message>
        <source>File open failed</source>
        <translation>Die Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Device found, but no permission to open it: install the udev rule (see README)</source>
        <translation>Gerät gefunden, aber keine Berechtigung zum Öffnen: udev-Regel installieren (siehe README)</translation>
    </message>
    <message>
        <source>Hardness Tester</source>
        <translation>Härteprüfgerät</translation>
    </message>
    <message>
        <source>The instrument did not answer; nothing was downloaded.</source>
        <translation>Das Gerät hat nicht geantwortet; es wurde nichts heruntergeladen.</translation>
    </message>
    <message>
        <source>Incomplete download: group %1, %2 of %3 records</source>
        <translation>Unvollständiger Download: Gruppe %1, %2 von %3 Messungen</translation>
    </message>
    <message>
        <source>The instrument was lost after %1 of %2 records; the rest were not downloaded.</source>
        <translation>Die Verbindung zum Gerät ging nach %1 von %2 Messungen verloren; der Rest wurde nicht heruntergeladen.</translation>
    </message>
    <message>
        <source>Archived download: group %1, %2</source>
        <translation>Archivierter Download: Gruppe %1, %2</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG-Grafik (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>Das Diagramm konnte nicht als %1 gespeichert werden.</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Gespeichert als %1</translation>
    </message>
    <message>
        <source>Looking for the instrument...</source>
        <translation>Suche nach dem Gerät...</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation>Der Bericht konnte nicht als %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>MyArchiveMenu</name>
    <message>
        <source>&amp;Archive</source>
        <translation>&amp;Archiv</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <translation>Archiv: %1</translation>
    </message>
    <message>
        <source>This group is already in the archive.</source>
        <translation>Diese Gruppe ist bereits im Archiv.</translation>
    </message>
    <message>
        <source>Not archived: %1</source>
        <translation>Nicht archiviert: %1</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>Test &amp;details...</source>
        <translation>&amp;Prüfangaben...</translation>
    </message>
    <message>
        <source>Test details not archived: %1</source>
        <translation>Prüfangaben nicht archiviert: %1</translation>
    </message>
    <message>
        <source>Download archived.</source>
        <translation>Download archiviert.</translation>
    </message>
</context>
<context>
    <name>MyHistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <source>Scales</source>
        <translation>Skalen</translation>
    </message>
    <message>
        <source>Averages</source>
        <translation>Mittelwerte</translation>
    </message>
    <message>
        <source>Delete download</source>
        <translation>Download löschen</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>Werkstoffe</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Datum von</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Datum bis</translation>
    </message>
    <message>
        <source>Archived downloads</source>
        <translation>Archivierte Downloads</translation>
    </message>
    <message>
        <source>Archive status</source>
        <translation>Archivstatus</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filter:</translation>
    </message>
    <message>
        <source>F&amp;rom:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Bis:</translation>
    </message>
    <message>
        <source>&amp;Downloads:</source>
        <translation>&amp;Downloads:</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
    <message>
        <source>Delete the download of %1 (group %2, records: %3) from the archive?</source>
        <translation>Den Download vom %1 (Gruppe %2, Messungen: %3) aus dem Archiv löschen?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n downloads from the archive?</source>
        <translation>
            <numerusform>%n Download aus dem Archiv löschen?</numerusform>
            <numerusform>%n Downloads aus dem Archiv löschen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Group, date, scale, material, device or test details</source>
        <translation>Gruppe, Datum, Skala, Werkstoff, Gerät oder Prüfangaben</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Öffne&amp;n</translation>
    </message>
    <message>
        <source>De&amp;lete...</source>
        <translation>&amp;Löschen...</translation>
    </message>
    <message>
        <source>Test d&amp;etails...</source>
        <translation>Prüf&amp;angaben...</translation>
    </message>
</context>
<context>
    <name>MyLimitsDialog</name>
    <message>
        <source>Tolerance limits</source>
        <translation>Toleranzgrenzen</translation>
    </message>
    <message>
        <source>A record passes when its mean lies within the limits of its scale; a value equal to a limit passes. Leave a side empty for a one-sided limit. The limits of a scale take the place of those for all scales.</source>
        <translation>Eine Messung besteht, wenn ihr Mittelwert innerhalb der Grenzwerte ihrer Skala liegt; ein Wert gleich einem Grenzwert besteht. Lassen Sie eine Seite leer für einen einseitigen Grenzwert. Die Grenzwerte einer Skala treten an die Stelle derer für alle Skalen.</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skala</translation>
    </message>
    <message>
        <source>Lower limit</source>
        <translation>Untere Grenze</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <translation>Obere Grenze</translation>
    </message>
    <message>
        <source>All scales</source>
        <translation>Alle Skalen</translation>
    </message>
    <message>
        <source>Lower limit %1</source>
        <translation>Untere Grenze %1</translation>
    </message>
    <message>
        <source>Upper limit %1</source>
        <translation>Obere Grenze %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number.</source>
        <translation>„%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>The lower limit is above the upper limit.</source>
        <translation>Die untere Grenze liegt über der oberen.</translation>
    </message>
    <message>
        <source>&amp;Clear all</source>
        <translation>&amp;Alle löschen</translation>
    </message>
</context>
<context>
    <name>MyPrint</name>
    <message>
        <source>Hardness Test Report</source>
        <translation>Härteprüfbericht</translation>
    </message>
    <message>
        <source>Print date:</source>
        <translation>Druckdatum: </translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>Nr. %1</translation>
    </message>
    <message>
        <source>Test details</source>
        <translation>Prüfangaben</translation>
    </message>
    <message>
        <source>%1 (any scale)</source>
        <translation>%1 (jede Skala)</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Grenzwerte</translation>
    </message>
    <message>
        <source>REJECTED, %1</source>
        <translation>ABGELEHNT, %1</translation>
    </message>
    <message>
        <source>ACCEPTED, %1</source>
        <translation>ANGENOMMEN, %1</translation>
    </message>
    <message>
        <source>Group verdict</source>
        <translation>Ergebnis der Gruppe</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Spanne</translation>
    </message>
    <message>
        <source>CV</source>
        <translation>VK</translation>
    </message>
    <message>
        <source>Verdict: PASS, mean within %1, single values outside: %2</source>
        <translation>Ergebnis: BESTANDEN, Mittelwert innerhalb %1, Einzelwerte außerhalb: %2</translation>
    </message>
    <message>
        <source>Verdict: FAIL, mean outside %1, single values outside: %2</source>
        <translation>Ergebnis: NICHT BESTANDEN, Mittelwert außerhalb %1, Einzelwerte außerhalb: %2</translation>
    </message>
</context>
<context>
    <name>MyStatisticsBox</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Messung %1</translation>
    </message>
    <message>
        <source>Within %1</source>
        <translation>Innerhalb %1</translation>
    </message>
    <message>
        <source>Outside %1</source>
        <translation>Außerhalb %1</translation>
    </message>
    <message>
        <source>Single values outside: %1</source>
        <translation>Einzelwerte außerhalb: %1</translation>
    </message>
    <message>
        <source>The records&apos; means</source>
        <translation>Die Mittelwerte der Messungen</translation>
    </message>
    <message>
        <source>Impacts of the record, records of the group</source>
        <translation>Schläge der Messung, Messungen der Gruppe</translation>
    </message>
    <message>
        <source>Sample standard deviation (n - 1)</source>
        <translation>Standardabweichung der Stichprobe (n - 1)</translation>
    </message>
    <message>
        <source>Largest minus smallest</source>
        <translation>Größter minus kleinster Wert</translation>
    </message>
    <message>
        <source>Coefficient of variation: s / mean</source>
        <translation>Variationskoeffizient: s / Mittelwert</translation>
    </message>
    <message>
        <source>The records are in different hardness scales: their means do not mix.</source>
        <translation>Die Messungen sind in verschiedenen Härteskalen: ihre Mittelwerte lassen sich nicht mischen.</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Spanne</translation>
    </message>
    <message>
        <source>CV</source>
        <translation>VK</translation>
    </message>
    <message>
        <source>L&amp;imits...</source>
        <translation>Grenz&amp;werte...</translation>
    </message>
</context>
<context>
    <name>MyTestDetailsDialog</name>
    <message>
        <source>Test details</source>
        <translation>Prüfangaben</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>nicht angegeben</translation>
    </message>
    <message>
        <source>Deviations from the standard, anything that may have affected the result</source>
        <translation>Abweichungen von der Norm, alles, was das Ergebnis beeinflusst haben kann</translation>
    </message>
    <message>
        <source>A report gives the temperature when it is outside 10-35 °C.</source>
        <translation>Ein Bericht nennt die Temperatur, wenn sie außerhalb von 10-35 °C liegt.</translation>
    </message>
</context>
<context>
    <name>MyTranslate</name>
    <message>
        <source>Steel and Cast Steel</source>
        <translation>Stahl und Stahlguss</translation>
    </message>
    <message>
        <source>Alloy Tool Steel</source>
        <translation>Legierter Werkzeugstahl</translation>
    </message>
    <message>
        <source>Stainless Steel</source>
        <translation>Edelstahl</translation>
    </message>
    <message>
        <source>Gray cast iron</source>
        <translation>Grauguss</translation>
    </message>
    <message>
        <source>ductile iron</source>
        <translation>Sphäroguss</translation>
    </message>
    <message>
        <source>Cast Aluminum</source>
        <translation>Aluminiumguss</translation>
    </message>
    <message>
        <source>Copper-Zinc Alloy</source>
        <translation>Kupfer-Zink-Legierung</translation>
    </message>
    <message>
        <source>Copper Tin Alloy</source>
        <translation>Kupfer-Zinn-Legierung</translation>
    </message>
    <message>
        <source>pure copper</source>
        <translation>Reinkupfer</translation>
    </message>
    <message>
        <source>Forged Steel</source>
        <translation>Schmiedestahl</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Werkstoff</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Sonde</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Werte</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Datum</translation>
    </message>
</context>
<context>
    <name>MyWindowMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Downloading a group&lt;/b&gt;: plug in the instrument and wait for &quot;Device Connected&quot; in the status bar, choose a group, then press &lt;b&gt;LoadData&lt;/b&gt; (Ctrl+L).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Looking at a measurement&lt;/b&gt;: click a row of the table or move to it with the arrow keys; the chart shows its single impacts.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Keeping the results&lt;/b&gt;: Save as CSV (Ctrl+S), Save as PDF for the chart, Print preview, Print (Ctrl+P). Every download is also kept in the archive: Archive, History (Ctrl+H).&lt;/p&gt;&lt;p&gt;Alt with the underlined letter presses a button or opens a menu.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Eine Gruppe laden&lt;/b&gt;: Schließen Sie das Gerät an und warten Sie, bis die Statusleiste „Gerät verbunden“ zeigt, wählen Sie eine Gruppe und drücken Sie &lt;b&gt;Daten laden&lt;/b&gt; (Strg+L).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Eine Messung ansehen&lt;/b&gt;: Klicken Sie eine Zeile der Tabelle an oder gehen Sie mit den Pfeiltasten dorthin; das Diagramm zeigt ihre Einzelwerte.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Ergebnisse sichern&lt;/b&gt;: Als CSV speichern (Strg+S), Als PDF speichern für das Diagramm, Druckvorschau, Drucken (Strg+P). Jede Übertragung kommt außerdem ins Archiv: Archiv, Verlauf (Strg+H).&lt;/p&gt;&lt;p&gt;Alt mit dem unterstrichenen Buchstaben drückt eine Schaltfläche oder öffnet ein Menü.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>none (%1)</source>
        <translation>keines (%1)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Hardness Tester %1&lt;/h3&gt;&lt;p&gt;The desktop companion program of the portable hardness tester: download, view, save, print and archive its measurements.&lt;/p&gt;&lt;p&gt;Built with Qt %2 (running on Qt %3) and Qwt %4.&lt;/p&gt;&lt;p&gt;Licence: GNU General Public License, version 3 or later. Qt is used under the GNU LGPL 3, Qwt under the Qwt License 1.0.&lt;/p&gt;&lt;p&gt;Archive: %5&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Hardness Tester %1&lt;/h3&gt;&lt;p&gt;Das Begleitprogramm zum tragbaren Härteprüfgerät: Messungen laden, ansehen, speichern, drucken und archivieren.&lt;/p&gt;&lt;p&gt;Erstellt mit Qt %2 (läuft mit Qt %3) und Qwt %4.&lt;/p&gt;&lt;p&gt;Lizenz: GNU General Public License, Version 3 oder später. Qt wird unter der GNU LGPL 3 verwendet, Qwt unter der Qwt License 1.0.&lt;/p&gt;&lt;p&gt;Archiv: %5&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Save &amp;report as PDF...</source>
        <translation>Berich&amp;t als PDF speichern...</translation>
    </message>
</context>
<context>
    <name>MyWndControl</name>
    <message>
        <source>Control</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Gruppe:</translation>
    </message>
    <message>
        <source>&amp;LoadData</source>
        <translation>Daten &amp;laden</translation>
    </message>
    <message>
        <source>Save as &amp;CSV</source>
        <translation>Als &amp;CSV speichern</translation>
    </message>
    <message>
        <source>Save as P&amp;DF</source>
        <translation>Als &amp;PDF speichern</translation>
    </message>
    <message>
        <source>Print pre&amp;view</source>
        <translation>Druck&amp;vorschau</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>D&amp;rucken</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>The file could not be written.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>TestDetails</name>
    <message>
        <source>Standard</source>
        <translation>Norm</translation>
    </message>
    <message>
        <source>Test piece / part</source>
        <translation>Prüfstück / Teil</translation>
    </message>
    <message>
        <source>Order / batch</source>
        <translation>Auftrag / Charge</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Prüfer</translation>
    </message>
    <message>
        <source>Test temperature</source>
        <translation>Prüftemperatur</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Bemerkungen</translation>
    </message>
</context>
</TS>
