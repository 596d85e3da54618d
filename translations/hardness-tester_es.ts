<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CBarChartPlot</name>
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
</context>
<context>
    <name>CTableResult</name>
    <message>
        <source>Measurements</source>
        <translation>Mediciones</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>Ventana principal</translation>
    </message>
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
        <source>Successfully saved</source>
        <translation>Guardado correctamente</translation>
    </message>
    <message>
        <source>Device found, but no permission to open it: install the udev rule (see README)</source>
        <translation>Dispositivo encontrado, pero sin permiso para abrirlo: instale la regla udev (véase README)</translation>
    </message>
    <message>
        <source>Looking for the instrument...</source>
        <translation>Buscando el instrumento...</translation>
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
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Eliminar...</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>To</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>Delete the download of %1 (group %2, %3 records) from the archive?</source>
        <translation>¿Eliminar del archivo la descarga del %1 (grupo %2, %3 mediciones)?</translation>
    </message>
    <message>
        <source>Delete download</source>
        <translation>Eliminar descarga</translation>
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
        <translation>N.º %1</translation>
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
</TS>
