<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Options</name>
    <message>
        <source>X coordinate</source>
        <translation>Координата X</translation>
    </message>
    <message>
        <source>Y coordinate</source>
        <translation>Координата Y</translation>
    </message>
    <message>
        <source>service name</source>
        <translation>имя службы</translation>
    </message>
    <message>
        <source>menu path</source>
        <translation>путь к меню</translation>
    </message>
</context>
<context>
    <name>vyrInit</name>
    <message>
        <source>Vyr helper progam to parse and show dbus menu</source>
        <translation>Вспомогательная программа Vyr для показа меню D-Bus</translation>
    </message>
</context>
</TS>
