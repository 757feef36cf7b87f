<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Options</name>
    <message>
        <source>Shows a message of a desktop program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position and size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show a warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show an error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
