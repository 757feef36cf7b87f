<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Options</name>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>Input file path</source>
        <translation>Путь к исходному файлу</translation>
    </message>
    <message>
        <source>Output file path</source>
        <translation>Путь к создаваемому файлу</translation>
    </message>
</context>
</TS>
