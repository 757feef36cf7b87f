<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>MenuEditor</name>
    <message>
        <source>Usage: vyr-menuedit path - open path as menu or other desktop entry collection
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory %1 doesn&apos;t exist. Create?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t create directory %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic start menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tooltips in classic menu</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vyrInit</name>
    <message>
        <source>Vyr desktop entry collection (menu, toolbar, etc.) editor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
