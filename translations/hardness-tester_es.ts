<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CBarChartPlot</name>
    <message>
        <source>Impact %1: %2</source>
        <translation>Impacto %1: %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Ready</source>
        <translation>Listo</translation>
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
</context>
<context>
    <name>MyArchiveMenu</name>
    <message>
        <source>&amp;Archive</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>History...</source>
        <translation>Historial...</translation>
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
    <name>MyWndControl</name>
    <message>
        <source>Control</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Group:</source>
        <translation>Grupo:</translation>
    </message>
    <message>
        <source>LoadData</source>
        <translation>Cargar datos</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>Print preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
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
