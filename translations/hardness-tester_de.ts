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
