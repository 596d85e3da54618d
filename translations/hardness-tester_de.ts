<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
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
        <source>Successfully saved</source>
        <translation>Erfolgreich gespeichert</translation>
    </message>
    <message>
        <source>Device found, but no permission to open it: install the udev rule (see README)</source>
        <translation>Gerät gefunden, aber keine Berechtigung zum Öffnen: udev-Regel installieren (siehe README)</translation>
    </message>
</context>
<context>
    <name>MyArchiveMenu</name>
    <message>
        <source>&amp;Archive</source>
        <translation>&amp;Archiv</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Verlauf...</translation>
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
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Löschen...</translation>
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
        <source>Group, date, scale, material or device</source>
        <translation>Gruppe, Datum, Skala, Werkstoff oder Gerät</translation>
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
    <name>MyWndControl</name>
    <message>
        <source>Control</source>
        <translation>Steuerung</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Gruppe:</translation>
    </message>
    <message>
        <source>LoadData</source>
        <translation>Daten laden</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>The file could not be written.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
</context>
</TS>
