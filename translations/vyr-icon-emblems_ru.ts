<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Options</name>
    <message>
        <source>Set config &lt;file&gt; with colors for MAC levels</source>
        <translation>Файл настроек &lt;file&gt; с цветами уровней мандатного доступа</translation>
    </message>
    <message>
        <source>Set icon theme &lt;path&gt;</source>
        <translation>Путь &lt;path&gt; к теме значков</translation>
    </message>
    <message>
        <source>Remove MAC emblems from theme &lt;path&gt;</source>
        <translation>Удалить эмблемы уровней мандатного доступа из темы &lt;path&gt;</translation>
    </message>
</context>
</TS>
