<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>MainWindow</name>
    <message>
        <source>MainWindow</source>
        <translation>Ventana principal</translation>
    </message>
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
        <source>Successfully saved</source>
        <translation>Guardado correctamente</translation>
    </message>
    <message>
        <source>Device found, but no permission to open it: install the udev rule (see README)</source>
        <translation>Dispositivo encontrado, pero sin permiso para abrirlo: instale la regla udev (véase README)</translation>
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
        <source>Group, date, scale, material or device</source>
        <translation>Grupo, fecha, escala, material o dispositivo</translation>
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
        <translation>&amp;Descargas:</translation>
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
