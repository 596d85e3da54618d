<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CBarChartPlot</name>
    <message>
        <source>Impact %1: %2</source>
        <translation>Impacto %1: %2</translation>
    </message>
    <message>
        <source>Impacts chart</source>
        <translation>Gráfico de impactos</translation>
    </message>
    <message>
        <source>Choose a row of the table to see its single impacts here.</source>
        <translation>Elija una fila de la tabla para ver aquí sus impactos.</translation>
    </message>
    <message>
        <source>Bars</source>
        <translation>Barras</translation>
    </message>
    <message>
        <source>Impact axis</source>
        <translation>Eje de impactos</translation>
    </message>
    <message>
        <source>Hardness axis</source>
        <translation>Eje de dureza</translation>
    </message>
    <message>
        <source>Impacts of record %1: no values</source>
        <translation>Impactos de la medición %1: ningún valor</translation>
    </message>
    <message>
        <source>Impacts of record %1: one value, %2 %3</source>
        <translation>Impactos de la medición %1: un valor, %2 %3</translation>
    </message>
    <message>
        <source>Impacts of record %1: %2 values from %3 to %4 %5</source>
        <translation>Impactos de la medición %1: %2 valores de %3 a %4 %5</translation>
    </message>
    <message>
        <source>Values: %1</source>
        <translation>Valores: %1</translation>
    </message>
    <message>
        <source>No. %1, %2, %3</source>
        <translation>Núm. %1, %2, %3</translation>
    </message>
    <message>
        <source>Lower limit %1</source>
        <translation>Límite inferior %1</translation>
    </message>
    <message>
        <source>Upper limit %1</source>
        <translation>Límite superior %1</translation>
    </message>
    <message>
        <source>Mean %1</source>
        <translation>Media %1</translation>
    </message>
</context>
<context>
    <name>CTableResult</name>
    <message>
        <source>Mean outside %1; single values outside: %2</source>
        <translation>Media fuera de %1; valores individuales fuera: %2</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Mediciones</translation>
    </message>
</context>
<context>
    <name>GroupVerdict</name>
    <message>
        <source>No record in a scale with limits</source>
        <translation>Ninguna medición en una escala con límites</translation>
    </message>
    <message>
        <source>%1 of %2 records outside their limits</source>
        <translation>%1 de %2 mediciones fuera de sus límites</translation>
    </message>
    <message>
        <source>%1 of 1 record outside %2</source>
        <translation>%1 de 1 medición fuera de %2</translation>
    </message>
    <message>
        <source>%1 of %2 records outside %3</source>
        <translation>%1 de %2 mediciones fuera de %3</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Device Connected</source>
        <translation>Dispositivo conectado</translation>
    </message>
    <message>
        <source>Device Disconnected</source>
        <translation>Dispositivo desconectado</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Please choose group first!</source>
        <translation>¡Elija primero un grupo!</translation>
    </message>
    <message>
        <source>Load Data......</source>
        <translation>Cargando datos......</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>No data is found!</source>
        <translation>¡No se encontraron datos!</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>No data to save</source>
        <translation>No hay datos para guardar</translation>
    </message>
    <message>
        <source>File open failed</source>
        <translation>No se pudo abrir el archivo</translation>
    </message>
    <message>
        <source>Device found, but no permission to open it: install the udev rule (see README)</source>
        <translation>Dispositivo encontrado, pero sin permiso para abrirlo: instale la regla udev (véase README)</translation>
    </message>
    <message>
        <source>Hardness Tester</source>
        <translation>Durómetro</translation>
    </message>
    <message>
        <source>The instrument did not answer; nothing was downloaded.</source>
        <translation>El instrumento no respondió; no se descargó nada.</translation>
    </message>
    <message>
        <source>Incomplete download: group %1, %2 of %3 records</source>
        <translation>Descarga incompleta: grupo %1, %2 de %3 mediciones</translation>
    </message>
    <message>
        <source>The instrument was lost after %1 of %2 records; the rest were not downloaded.</source>
        <translation>Se perdió la conexión con el instrumento tras %1 de %2 mediciones; el resto no se descargó.</translation>
    </message>
    <message>
        <source>Archived download: group %1, %2</source>
        <translation>Descarga archivada: grupo %1, %2</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Imagen SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1.</source>
        <translation>No se pudo guardar el gráfico como %1.</translation>
    </message>
    <message>
        <source>Saved as %1</source>
        <translation>Guardado como %1</translation>
    </message>
    <message>
        <source>Looking for the instrument...</source>
        <translation>Buscando el instrumento...</translation>
    </message>
    <message>
        <source>The report could not be saved as %1.</source>
        <translation>No se pudo guardar el informe como %1.</translation>
    </message>
</context>
<context>
    <name>MyArchiveMenu</name>
    <message>
        <source>&amp;Archive</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Archive: %1</source>
        <translation>Archivo: %1</translation>
    </message>
    <message>
        <source>This group is already in the archive.</source>
        <translation>Este grupo ya está en el archivo.</translation>
    </message>
    <message>
        <source>Not archived: %1</source>
        <translation>No archivado: %1</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historial...</translation>
    </message>
    <message>
        <source>Test &amp;details...</source>
        <translation>&amp;Datos del ensayo...</translation>
    </message>
    <message>
        <source>Test details not archived: %1</source>
        <translation>Datos del ensayo no archivados: %1</translation>
    </message>
    <message>
        <source>Download archived.</source>
        <translation>Descarga archivada.</translation>
    </message>
</context>
<context>
    <name>MyHistoryDialog</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtro</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Mediciones</translation>
    </message>
    <message>
        <source>Scales</source>
        <translation>Escalas</translation>
    </message>
    <message>
        <source>Averages</source>
        <translation>Promedios</translation>
    </message>
    <message>
        <source>Delete download</source>
        <translation>Eliminar descarga</translation>
    </message>
    <message>
        <source>Materials</source>
        <translation>Materiales</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>From date</source>
        <translation>Fecha desde</translation>
    </message>
    <message>
        <source>To date</source>
        <translation>Fecha hasta</translation>
    </message>
    <message>
        <source>Archived downloads</source>
        <translation>Descargas archivadas</translation>
    </message>
    <message>
        <source>Archive status</source>
        <translation>Estado del archivo</translation>
    </message>
    <message>
        <source>&amp;Filter:</source>
        <translation>&amp;Filtro:</translation>
    </message>
    <message>
        <source>F&amp;rom:</source>
        <translation>&amp;Desde:</translation>
    </message>
    <message>
        <source>&amp;To:</source>
        <translation>&amp;Hasta:</translation>
    </message>
    <message>
        <source>&amp;Downloads:</source>
        <translation>Des&amp;cargas:</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
    </message>
    <message>
        <source>Delete the download of %1 (group %2, records: %3) from the archive?</source>
        <translation>¿Eliminar del archivo la descarga del %1 (grupo %2, mediciones: %3)?</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n downloads from the archive?</source>
        <translation>
            <numerusform>¿Eliminar %n descarga del archivo?</numerusform>
            <numerusform>¿Eliminar %n descargas del archivo?</numerusform>
        </translation>
    </message>
    <message>
        <source>Group, date, scale, material, device or test details</source>
        <translation>Grupo, fecha, escala, material, dispositivo o datos del ensayo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>A&amp;brir</translation>
    </message>
    <message>
        <source>De&amp;lete...</source>
        <translation>&amp;Eliminar...</translation>
    </message>
    <message>
        <source>Test d&amp;etails...</source>
        <translation>Datos del e&amp;nsayo...</translation>
    </message>
</context>
<context>
    <name>MyLimitsDialog</name>
    <message>
        <source>Tolerance limits</source>
        <translation>Límites de tolerancia</translation>
    </message>
    <message>
        <source>A record passes when its mean lies within the limits of its scale; a value equal to a limit passes. Leave a side empty for a one-sided limit. The limits of a scale take the place of those for all scales.</source>
        <translation>Una medición es conforme cuando su media está dentro de los límites de su escala; un valor igual a un límite es conforme. Deje un lado vacío para un límite unilateral. Los límites de una escala sustituyen a los de todas las escalas.</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Lower limit</source>
        <translation>Límite inferior</translation>
    </message>
    <message>
        <source>Upper limit</source>
        <translation>Límite superior</translation>
    </message>
    <message>
        <source>All scales</source>
        <translation>Todas las escalas</translation>
    </message>
    <message>
        <source>Lower limit %1</source>
        <translation>Límite inferior %1</translation>
    </message>
    <message>
        <source>Upper limit %1</source>
        <translation>Límite superior %1</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number.</source>
        <translation>«%1» no es un número.</translation>
    </message>
    <message>
        <source>The lower limit is above the upper limit.</source>
        <translation>El límite inferior es mayor que el superior.</translation>
    </message>
    <message>
        <source>&amp;Clear all</source>
        <translation>&amp;Borrar todo</translation>
    </message>
</context>
<context>
    <name>MyPrint</name>
    <message>
        <source>Hardness Test Report</source>
        <translation>Informe de ensayo de dureza</translation>
    </message>
    <message>
        <source>Print date:</source>
        <translation>Fecha de impresión: </translation>
    </message>
    <message>
        <source>No. %1</source>
        <translation>Núm. %1</translation>
    </message>
    <message>
        <source>Test details</source>
        <translation>Datos del ensayo</translation>
    </message>
    <message>
        <source>%1 (any scale)</source>
        <translation>%1 (cualquier escala)</translation>
    </message>
    <message>
        <source>Limits</source>
        <translation>Límites</translation>
    </message>
    <message>
        <source>REJECTED, %1</source>
        <translation>RECHAZADO, %1</translation>
    </message>
    <message>
        <source>ACCEPTED, %1</source>
        <translation>ACEPTADO, %1</translation>
    </message>
    <message>
        <source>Group verdict</source>
        <translation>Dictamen del grupo</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rango</translation>
    </message>
    <message>
        <source>CV</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>Verdict: PASS, mean within %1, single values outside: %2</source>
        <translation>Dictamen: APTO, media dentro de %1, valores fuera: %2</translation>
    </message>
    <message>
        <source>Verdict: FAIL, mean outside %1, single values outside: %2</source>
        <translation>Dictamen: NO APTO, media fuera de %1, valores fuera: %2</translation>
    </message>
</context>
<context>
    <name>MyStatisticsBox</name>
    <message>
        <source>Statistics</source>
        <translation>Estadística</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Record %1</source>
        <translation>Medición %1</translation>
    </message>
    <message>
        <source>Within %1</source>
        <translation>Dentro de %1</translation>
    </message>
    <message>
        <source>Outside %1</source>
        <translation>Fuera de %1</translation>
    </message>
    <message>
        <source>Single values outside: %1</source>
        <translation>Valores individuales fuera: %1</translation>
    </message>
    <message>
        <source>The records&apos; means</source>
        <translation>Las medias de las mediciones</translation>
    </message>
    <message>
        <source>Impacts of the record, records of the group</source>
        <translation>Impactos de la medición, mediciones del grupo</translation>
    </message>
    <message>
        <source>Sample standard deviation (n - 1)</source>
        <translation>Desviación estándar muestral (n - 1)</translation>
    </message>
    <message>
        <source>Largest minus smallest</source>
        <translation>Mayor menos menor valor</translation>
    </message>
    <message>
        <source>Coefficient of variation: s / mean</source>
        <translation>Coeficiente de variación: s / media</translation>
    </message>
    <message>
        <source>The records are in different hardness scales: their means do not mix.</source>
        <translation>Las mediciones están en escalas de dureza distintas: sus medias no se pueden combinar.</translation>
    </message>
    <message>
        <source>n</source>
        <translation>n</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Rango</translation>
    </message>
    <message>
        <source>CV</source>
        <translation>CV</translation>
    </message>
    <message>
        <source>L&amp;imits...</source>
        <translation>&amp;Límites...</translation>
    </message>
</context>
<context>
    <name>MyTestDetailsDialog</name>
    <message>
        <source>Test details</source>
        <translation>Datos del ensayo</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>sin indicar</translation>
    </message>
    <message>
        <source>Deviations from the standard, anything that may have affected the result</source>
        <translation>Desviaciones de la norma, todo lo que pueda haber influido en el resultado</translation>
    </message>
    <message>
        <source>A report gives the temperature when it is outside 10-35 °C.</source>
        <translation>Un informe indica la temperatura cuando está fuera de 10-35 °C.</translation>
    </message>
</context>
<context>
    <name>MyTranslate</name>
    <message>
        <source>Steel and Cast Steel</source>
        <translation>Acero y acero fundido</translation>
    </message>
    <message>
        <source>Alloy Tool Steel</source>
        <translation>Acero aleado para herramientas</translation>
    </message>
    <message>
        <source>Stainless Steel</source>
        <translation>Acero inoxidable</translation>
    </message>
    <message>
        <source>Gray cast iron</source>
        <translation>Fundición gris</translation>
    </message>
    <message>
        <source>ductile iron</source>
        <translation>Fundición dúctil</translation>
    </message>
    <message>
        <source>Cast Aluminum</source>
        <translation>Aluminio fundido</translation>
    </message>
    <message>
        <source>Copper-Zinc Alloy</source>
        <translation>Aleación de cobre y zinc</translation>
    </message>
    <message>
        <source>Copper Tin Alloy</source>
        <translation>Aleación de cobre y estaño</translation>
    </message>
    <message>
        <source>pure copper</source>
        <translation>Cobre puro</translation>
    </message>
    <message>
        <source>Forged Steel</source>
        <translation>Acero forjado</translation>
    </message>
    <message>
        <source>Material</source>
        <translation>Material</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Probe</source>
        <translation>Sonda</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Veces</translation>
    </message>
    <message>
        <source>Values</source>
        <translation>Valores</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Mín</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Máx</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>Prom</translation>
    </message>
    <message>
        <source>DateTime</source>
        <translation>Fecha</translation>
    </message>
</context>
<context>
    <name>MyWindowMenus</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichero</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Downloading a group&lt;/b&gt;: plug in the instrument and wait for &quot;Device Connected&quot; in the status bar, choose a group, then press &lt;b&gt;LoadData&lt;/b&gt; (Ctrl+L).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Looking at a measurement&lt;/b&gt;: click a row of the table or move to it with the arrow keys; the chart shows its single impacts.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Keeping the results&lt;/b&gt;: Save as CSV (Ctrl+S), Save as PDF for the chart, Print preview, Print (Ctrl+P). Every download is also kept in the archive: Archive, History (Ctrl+H).&lt;/p&gt;&lt;p&gt;Alt with the underlined letter presses a button or opens a menu.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Descargar un grupo&lt;/b&gt;: conecte el instrumento y espere a que la barra de estado diga «Dispositivo conectado», elija un grupo y pulse &lt;b&gt;Cargar datos&lt;/b&gt; (Ctrl+L).&lt;/p&gt;&lt;p&gt;&lt;b&gt;Ver una medición&lt;/b&gt;: haga clic en una fila de la tabla o vaya a ella con las flechas; el gráfico muestra sus impactos.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Guardar los resultados&lt;/b&gt;: Guardar como CSV (Ctrl+S), Guardar como PDF para el gráfico, Vista previa, Imprimir (Ctrl+P). Cada descarga se guarda también en el archivo: Archivo, Historial (Ctrl+H).&lt;/p&gt;&lt;p&gt;Alt con la letra subrayada pulsa un botón o abre un menú.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>none (%1)</source>
        <translation>ninguno (%1)</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Hardness Tester %1&lt;/h3&gt;&lt;p&gt;The desktop companion program of the portable hardness tester: download, view, save, print and archive its measurements.&lt;/p&gt;&lt;p&gt;Built with Qt %2 (running on Qt %3) and Qwt %4.&lt;/p&gt;&lt;p&gt;Licence: GNU General Public License, version 3 or later. Qt is used under the GNU LGPL 3, Qwt under the Qwt License 1.0.&lt;/p&gt;&lt;p&gt;Archive: %5&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Hardness Tester %1&lt;/h3&gt;&lt;p&gt;El programa de escritorio del durómetro portátil: descargar, ver, guardar, imprimir y archivar sus mediciones.&lt;/p&gt;&lt;p&gt;Compilado con Qt %2 (en ejecución con Qt %3) y Qwt %4.&lt;/p&gt;&lt;p&gt;Licencia: GNU General Public License, versión 3 o posterior. Qt se usa bajo la GNU LGPL 3, Qwt bajo la Qwt License 1.0.&lt;/p&gt;&lt;p&gt;Archivo: %5&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Save &amp;report as PDF...</source>
        <translation>Guardar i&amp;nforme como PDF...</translation>
    </message>
</context>
<context>
    <name>MyWndControl</name>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Grupo:</translation>
    </message>
    <message>
        <source>&amp;LoadData</source>
        <translation>&amp;Cargar datos</translation>
    </message>
    <message>
        <source>Save as &amp;CSV</source>
        <translation>G&amp;uardar como CSV</translation>
    </message>
    <message>
        <source>Save as P&amp;DF</source>
        <translation>Guardar como &amp;PDF</translation>
    </message>
    <message>
        <source>Print pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
</context>
<context>
    <name>SaveFile</name>
    <message>
        <source>The file could not be written.</source>
        <translation>No se pudo escribir el archivo.</translation>
    </message>
</context>
<context>
    <name>TestDetails</name>
    <message>
        <source>Standard</source>
        <translation>Norma</translation>
    </message>
    <message>
        <source>Test piece / part</source>
        <translation>Probeta / pieza</translation>
    </message>
    <message>
        <source>Order / batch</source>
        <translation>Pedido / lote</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operador</translation>
    </message>
    <message>
        <source>Test temperature</source>
        <translation>Temperatura de ensayo</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Observaciones</translation>
    </message>
</context>
</TS>
