<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CBarChartPlot</name>
    <message>
        <source>Impact %1: %2</source>
        <translation>Impact %1 : %2</translation>
    </message>
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
    <message>
        <source>No. %1, %2, %3</source>
        <translation>N° %1, %2, %3</translation>
    </message>
    <message>
        <source>Lower limit %1</source>
        <translation>Limite inférieure %1</translation>
    </message>
    <message>
        <source>Upper limit %1</source>
        <translation>Limite supérieure %1</translation>
    </message>
    <message>
        <source>Mean %1</source>
        <translation>Moyenne %1</translation>
    </message>
</context>
<context>
    <name>CTableResult</name>
    <message>
        <source>Mean outside %1; single values outside: %2</source>
        <translation>Moyenne hors de %1 ; valeurs individuelles hors limites : %2</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Mesures</translation>
    </message>
</context>
<context>
    <name>GroupVerdict</name>
    <message>
        <source>No record in a scale with limits</source>
        <translation>Aucune mesure dans une échelle avec limites</translation>
    </message>
    <message>
        <source>%1 of %2 records outside their limits</source>
        <translation>%1 sur %2 mesures hors de leurs limites</translation>
    </message>
    <message>
        <source>%1 of 1 record outside %2</source>
        <translation>%1 mesure sur 1 hors de %2</translation>
    </message>
    <message>
        <source>%1 of %2 records outside %3</source>
        <translation>%1 sur %2 mesures hors de %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
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
        <source>Device found, but no permission to open it: install the udev rule (see README)</source>
        <translation>Appareil trouvé, mais sans droit d&apos;ouverture : installez la règle udev (voir README)</translation>
    </message>
    <message>
        <source>Hardness Tester</source>
        <translation>Duromètre</translation>
    </message>
    <message>
        <source>The instrument did not answer; nothing was downloaded.</source>
        <translation>L&apos;appareil n&apos;a pas répondu ; rien n&apos;a été téléchargé.</translation>
    </message>
    <message>
        <source>Incomplete download: group %1, %2 of %3 records</source>
        <translation>Téléchargement incomplet : groupe %1, %2 mesures sur %3</translation>
    </message>
    <message>
        <source>The instrument was lost after %1 of %2 records; the rest were not downloaded.</source>
        <translation>La liaison avec l&apos;appareil a été perdue après %1 mesures sur %2 ; les autres n&apos;ont pas été téléchargées.</translation>
    </message>
    <message>
        <source>Archived download: group %1, %2</source>
        <translation>Téléchargement archivé : groupe %1, %2</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>Le graphique n&apos;a pas pu être enregistré sous %1.</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Enregistré sous %1</translation>
    </message>
    <message>
        <source>Looking for the instrument...</source>
        <translation>Recherche de l’appareil...</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation>Le rapport n’a pas pu être enregistré sous %1.</translation>
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
    <message>
        <source>Test &amp;details...</source>
        <translation>&amp;Détails de l’essai...</translation>
    </message>
    <message>
        <source>Test details not archived: %1</source>
        <translation>Détails de l’essai non archivés : %1</translation>
    </message>
    <message>
        <source>Download archived.</source>
        <translation>Téléchargement archivé.</translation>
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
    <message>
        <source>Group, date, scale, material, device or test details</source>
        <translation>Groupe, date, échelle, matériau, appareil ou détails de l’essai</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>De&amp;lete...</source>
        <translation>&amp;Supprimer...</translation>
    </message>
    <message>
        <source>Test d&amp;etails...</source>
        <translation>Détails de l’&amp;essai...</translation>
    </message>
</context>
<context>
    <name>MyLimitsDialog</name>
    <message>
        <source>Tolerance limits</source>
        <translation>Limites de tolérance</translation>
    </message>
    <message>
        <source>A record passes when its mean lies within the limits of its scale; a value equal to a limit passes. Leave a side empty for a one-sided limit. The limits of a scale take the place of those for all scales.</source>
        <translation>Une mesure est conforme lorsque sa moyenne se trouve dans les limites de son échelle ; une valeur égale à une limite est conforme. Laissez un côté vide pour une limite unilatérale. Les limites d&apos;une échelle remplacent celles valables pour toutes les échelles.</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Lower limit</source>
        <translation>Limite inférieure</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <translation>Limite supérieure</translation>
    </message>
    <message>
        <source>All scales</source>
        <translation>Toutes les échelles</translation>
    </message>
    <message>
        <source>Lower limit %1</source>
        <translation>Limite inférieure %1</translation>
    </message>
    <message>
        <source>Upper limit %1</source>
        <translation>Limite supérieure %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number.</source>
        <translation>« %1 » n&apos;est pas un nombre.</translation>
    </message>
    <message>
        <source>The lower limit is above the upper limit.</source>
        <translation>La limite inférieure dépasse la limite supérieure.</translation>
    </message>
    <message>
        <source>&amp;Clear all</source>
        <translation>&amp;Tout effacer</translation>
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
    <message>
        <source>Test details</source>
        <translation>Détails de l’essai</translation>
    </message>
    <message>
        <source>%1 (any scale)</source>
        <translation>%1 (toute échelle)</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Limites</translation>
    </message>
    <message>
        <source>REJECTED, %1</source>
        <translation>REFUSÉ, %1</translation>
    </message>
    <message>
        <source>ACCEPTED, %1</source>
        <translation>ACCEPTÉ, %1</translation>
    </message>
    <message>
        <source>Group verdict</source>
        <translation>Verdict du groupe</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Étendue</translation>
    </message>
    <message>
        <source>CV</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>Verdict: PASS, mean within %1, single values outside: %2</source>
        <translation>Verdict : CONFORME, moyenne dans %1, valeurs hors limites : %2</translation>
    </message>
    <message>
        <source>Verdict: FAIL, mean outside %1, single values outside: %2</source>
        <translation>Verdict : NON CONFORME, moyenne hors de %1, valeurs hors limites : %2</translation>
    </message>
</context>
<context>
    <name>MyStatisticsBox</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Mesure %1</translation>
    </message>
    <message>
        <source>Within %1</source>
        <translation>Dans %1</translation>
    </message>
    <message>
        <source>Outside %1</source>
        <translation>Hors de %1</translation>
    </message>
    <message>
        <source>Single values outside: %1</source>
        <translation>Valeurs hors limites : %1</translation>
    </message>
    <message>
        <source>The records&apos; means</source>
        <translation>Les moyennes des mesures</translation>
    </message>
    <message>
        <source>Impacts of the record, records of the group</source>
        <translation>Impacts de la mesure, mesures du groupe</translation>
    </message>
    <message>
        <source>Sample standard deviation (n - 1)</source>
        <translation>Écart type de l&apos;échantillon (n - 1)</translation>
    </message>
    <message>
        <source>Largest minus smallest</source>
        <translation>Plus grande moins plus petite valeur</translation>
    </message>
    <message>
        <source>Coefficient of variation: s / mean</source>
        <translation>Coefficient de variation : s / moyenne</translation>
    </message>
    <message>
        <source>The records are in different hardness scales: their means do not mix.</source>
        <translation>Les mesures sont dans des échelles de dureté différentes : leurs moyennes ne se combinent pas.</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Étendue</translation>
    </message>
    <message>
        <source>CV</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>L&amp;imits...</source>
        <translation>&amp;Limites...</translation>
    </message>
</context>
<context>
    <name>MyTestDetailsDialog</name>
    <message>
        <source>Test details</source>
        <translation>Détails de l’essai</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>non indiquée</translation>
    </message>
    <message>
        <source>Deviations from the standard, anything that may have affected the result</source>
        <translation>Écarts par rapport à la norme, tout ce qui a pu influencer le résultat</translation>
    </message>
    <message>
        <source>A report gives the temperature when it is outside 10-35 °C.</source>
        <translation>Un rapport indique la température lorsqu’elle est hors de 10-35 °C.</translation>
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
    <message>
        <source>Save &amp;report as PDF...</source>
        <translation>Enregistrer le &amp;rapport en PDF...</translation>
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
<context>
    <name>TestDetails</name>
    <message>
        <source>Standard</source>
        <translation>Norme</translation>
    </message>
    <message>
        <source>Test piece / part</source>
        <translation>Éprouvette / pièce</translation>
    </message>
    <message>
        <source>Order / batch</source>
        <translation>Commande / lot</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Opérateur</translation>
    </message>
    <message>
        <source>Test temperature</source>
        <translation>Température d’essai</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
</context>
</TS>
