<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CBarChartPlot</name>
    <message>
        <source>Impacts chart</source>
        <translation>Graphique des impacts</translation>
    </message>
    <message>
        <source>Choose a row of the table to see its single impacts here.</source>
        <translation>Choisissez une ligne du tableau pour voir ici ses impacts.</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Barres</translation>
    </message>
    <message>
        <source>Impact axis</source>
        <translation>Axe des impacts</translation>
    </message>
    <message>
        <source>Hardness axis</source>
        <translation>Axe de dureté</translation>
    </message>
    <message>
        <source>Impacts of record %1: no values</source>
        <translation>Impacts de la mesure %1 : aucune valeur</translation>
    </message>
    <message>
        <source>Impacts of record %1: one value, %2 %3</source>
        <translation>Impacts de la mesure %1 : une valeur, %2 %3</translation>
    </message>
    <message>
        <source>Impacts of record %1: %2 values from %3 to %4 %5</source>
        <translation>Impacts de la mesure %1 : %2 valeurs de %3 à %4 %5</translation>
    </message>
    <message>
        <source>Values: %1</source>
        <translation>Valeurs : %1</translation>
    </message>
</context>
<context>
    <name>CTableResult</name>
    <message>
        <source>Measurements</source>
        <translation>Mesures</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>Fenêtre principale</translation>
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
    <message>
        <source>Looking for the instrument...</source>
        <translation>Recherche de l’appareil...</translation>
    </message>
</context>
<context>
    <name>MyArchiveMenu</name>
    <message>
        <source>&amp;Archive</source>
        <translation>&amp;Archives</translation>
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
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
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
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>Delete the download of %1 (group %2, %3 records) from the archive?</source>
        <translation>Supprimer des archives le téléchargement du %1 (groupe %2, %3 mesures) ?</translation>
    </message>
    <message>
        <source>Delete download</source>
        <translation>Supprimer le téléchargement</translation>
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
    <message>
        <source>No. %1</source>
        <translation>N° %1</translation>
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
    <name>MyWindowMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Downloading a group&lt;/b&gt;: plug in the instrument and wait for &quot;Device Connected&quot; in the status bar, choose a group, then press &lt;b&gt;LoadData&lt;/b&gt; (Ctrl+L).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Looking at a measurement&lt;/b&gt;: click a row of the table or move to it with the arrow keys; the chart shows its single impacts.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Keeping the results&lt;/b&gt;: Save as CSV (Ctrl+S), Save as PDF for the chart, Print preview, Print (Ctrl+P). Every download is also kept in the archive: Archive, History (Ctrl+H).&lt;/p&gt;&lt;p&gt;Alt with the underlined letter presses a button or opens a menu.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Charger un groupe&lt;/b&gt; : branchez l’appareil et attendez « Appareil connecté » dans la barre d’état, choisissez un groupe puis appuyez sur &lt;b&gt;Charger les données&lt;/b&gt; (Ctrl+L).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Examiner une mesure&lt;/b&gt; : cliquez sur une ligne du tableau ou allez-y avec les flèches ; le graphique montre ses impacts.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Conserver les résultats&lt;/b&gt; : Enregistrer en CSV (Ctrl+S), Enregistrer en PDF pour le graphique, Aperçu avant impression, Imprimer (Ctrl+P). Chaque téléchargement est aussi conservé dans les archives : Archives, Historique (Ctrl+H).&lt;/p&gt;&lt;p&gt;Alt avec la lettre soulignée appuie sur un bouton ou ouvre un menu.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>none (%1)</source>
        <translation>aucune (%1)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Hardness Tester %1&lt;/h3&gt;&lt;p&gt;The desktop companion program of the portable hardness tester: download, view, save, print and archive its measurements.&lt;/p&gt;&lt;p&gt;Built with Qt %2 (running on Qt %3) and Qwt %4.&lt;/p&gt;&lt;p&gt;Licence: GNU General Public License, version 3 or later. Qt is used under the GNU LGPL 3, Qwt under the Qwt License 1.0.&lt;/p&gt;&lt;p&gt;Archive: %5&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Hardness Tester %1&lt;/h3&gt;&lt;p&gt;Le programme compagnon du duromètre portable : télécharger, consulter, enregistrer, imprimer et archiver ses mesures.&lt;/p&gt;&lt;p&gt;Compilé avec Qt %2 (exécuté avec Qt %3) et Qwt %4.&lt;/p&gt;&lt;p&gt;Licence : GNU General Public License, version 3 ou ultérieure. Qt est utilisé sous la GNU LGPL 3, Qwt sous la Qwt License 1.0.&lt;/p&gt;&lt;p&gt;Archives : %5&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>MyWndControl</name>
    <message>
        <source>Control</source>
        <translation>Commande</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Groupe :</translation>
    </message>
    <message>
        <source>&amp;LoadData</source>
        <translation>C&amp;harger les données</translation>
    </message>
    <message>
        <source>Save as &amp;CSV</source>
        <translation>Enregistrer en &amp;CSV</translation>
    </message>
    <message>
        <source>Save as P&amp;DF</source>
        <translation>Enregistrer en &amp;PDF</translation>
    </message>
    <message>
        <source>Print pre&amp;view</source>
        <translation>Aperçu a&amp;vant impression</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
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
