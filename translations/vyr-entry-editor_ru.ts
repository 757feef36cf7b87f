<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Options</name>
    <message>
        <source>File Path to edit or create (if doesn&apos;t exist)</source>
        <translation>Путь к файлу для правки (если файла нет, он будет создан)</translation>
    </message>
    <message>
        <source>File Path to inherit fields from</source>
        <translation>Путь к файлу, из которого берутся поля</translation>
    </message>
    <message>
        <source>X coordinate on desktop</source>
        <translation>Координата X на рабочем столе</translation>
    </message>
    <message>
        <source>Y coordinate on desktop</source>
        <translation>Координата Y на рабочем столе</translation>
    </message>
    <message>
        <source>Monitor name</source>
        <translation>Имя монитора</translation>
    </message>
    <message>
        <source>Makes the dialog transient for an X app specified by winid</source>
        <translation>Сделать диалог подчинённым окну X-приложения с указанным идентификатором</translation>
    </message>
</context>
<context>
    <name>vyr-entry-editor</name>
    <message>
        <source>Vyr Desktop Entry Editor</source>
        <translation>Редактор ярлыков Vyr</translation>
    </message>
</context>
<context>
    <name>vyrInit</name>
    <message>
        <source>Program to create or edit desktop entry file</source>
        <translation>Программа для создания и правки ярлыков</translation>
    </message>
</context>
</TS>
