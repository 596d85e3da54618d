<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>Fenêtre principale</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Prêt</translation>
    </message>
    <message>
        <source>Device Connected</source>
        <translation>Appareil connecté</translation>
    </message>
    <message>
        <source>Device Disconnected</source>
        <translation>Appareil déconnecté</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Please choose group first!</source>
        <translation>Veuillez d’abord choisir un groupe !</translation>
    </message>
    <message>
        <source>Load Data......</source>
        <translation>Chargement des données......</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>No data is found!</source>
        <translation>Aucune donnée trouvée !</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>No data to save</source>
        <translation>Aucune donnée à enregistrer</translation>
    </message>
    <message>
        <source>File open failed</source>
        <translation>Impossible d’ouvrir le fichier</translation>
    </message>
    <message>
        <source>Successfully saved</source>
        <translation>Enregistré avec succès</translation>
    </message>
    <message>
        <source>Device found, but no permission to open it: install the udev rule (see README)</source>
        <translation>Appareil trouvé, mais sans droit d&apos;ouverture : installez la règle udev (voir README)</translation>
    </message>
</context>
<context>
    <name>MyArchiveMenu</name>
    <message>
        <source>&amp;Archive</source>
        <translation>&amp;Archives</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Historique...</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <translation>Archives : %1</translation>
    </message>
    <message>
        <source>This group is already in the archive.</source>
        <translation>Ce groupe est déjà dans les archives.</translation>
    </message>
    <message>
        <source>Not archived: %1</source>
        <translation>Non archivé : %1</translation>
    </message>
</context>
<context>
    <name>MyHistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtre</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Mesures</translation>
    </message>
    <message>
        <source>Scales</source>
        <translation>Échelles</translation>
    </message>
    <message>
        <source>Averages</source>
        <translation>Moyennes</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Supprimer...</translation>
    </message>
    <message>
        <source>Delete download</source>
        <translation>Supprimer le téléchargement</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>Matériaux</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Appareil</translation>
    </message>
    <message>
        <source>Group, date, scale, material or device</source>
        <translation>Groupe, date, échelle, matériau ou appareil</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>Archived downloads</source>
        <translation>Téléchargements archivés</translation>
    </message>
    <message>
        <source>Archive status</source>
        <translation>État des archives</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtre :</translation>
    </message>
    <message>
        <source>F&amp;rom:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Au :</translation>
    </message>
    <message>
        <source>&amp;Downloads:</source>
        <translation>&amp;Téléchargements :</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
    </message>
    <message>
        <source>Delete the download of %1 (group %2, records: %3) from the archive?</source>
        <translation>Supprimer des archives le téléchargement du %1 (groupe %2, mesures : %3) ?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n downloads from the archive?</source>
        <translation>
            <numerusform>Supprimer %n téléchargement des archives ?</numerusform>
            <numerusform>Supprimer %n téléchargements des archives ?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MyPrint</name>
    <message>
        <source>Hardness Test Report</source>
        <translation>Rapport d’essai de dureté</translation>
    </message>
    <message>
        <source>Print date:</source>
        <translation>Date d’impression : </translation>
    </message>
</context>
<context>
    <name>MyTranslate</name>
    <message>
        <source>Steel and Cast Steel</source>
        <translation>Acier et acier moulé</translation>
    </message>
    <message>
        <source>Alloy Tool Steel</source>
        <translation>Acier à outils allié</translation>
    </message>
    <message>
        <source>Stainless Steel</source>
        <translation>Acier inoxydable</translation>
    </message>
    <message>
        <source>Gray cast iron</source>
        <translation>Fonte grise</translation>
    </message>
    <message>
        <source>ductile iron</source>
        <translation>Fonte ductile</translation>
    </message>
    <message>
        <source>Cast Aluminum</source>
        <translation>Aluminium moulé</translation>
    </message>
    <message>
        <source>Copper-Zinc Alloy</source>
        <translation>Alliage cuivre-zinc</translation>
    </message>
    <message>
        <source>Copper Tin Alloy</source>
        <translation>Alliage cuivre-étain</translation>
    </message>
    <message>
        <source>pure copper</source>
        <translation>Cuivre pur</translation>
    </message>
    <message>
        <source>Forged Steel</source>
        <translation>Acier forgé</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Matériau</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Sonde</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valeurs</translation>
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
        <translation>Moy</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Date</translation>
    </message>
</context>
<context>
    <name>MyWndControl</name>
    <message>
        <source>Control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Groupe :</translation>
    </message>
    <message>
        <source>LoadData</source>
        <translation>Charger les données</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>The file could not be written.</source>
        <translation>Le fichier n’a pas pu être écrit.</translation>
    </message>
</context>
</TS>
