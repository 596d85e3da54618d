<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>MyWndControl</name>
    <message><source>&amp;LoadData</source><translation>Daten &amp;laden</translation></message>
</context>
<context>
    <name>MyTranslate</name>
    <message><source>Material</source><translation>Werkstoff</translation></message>
</context>
</TS>
