<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Options</name>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input file path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output file path</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
