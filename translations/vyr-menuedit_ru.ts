<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>MenuEditor</name>
    <message>
        <source>Usage: vyr-menuedit path - open path as menu or other desktop entry collection
</source>
        <translation>Использование: vyr-menuedit путь — открыть папку как меню или другой набор ярлыков
</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Directory %1 doesn&apos;t exist. Create?</source>
        <translation>Папка %1 не существует. Создать её?</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Can&apos;t create directory %1</source>
        <translation>Не удаётся создать папку %1</translation>
    </message>
    <message>
        <source>Classic start menu</source>
        <translation>Классическое меню «Пуск»</translation>
    </message>
    <message>
        <source>Tooltips in classic menu</source>
        <translation>Подсказки в классическом меню</translation>
    </message>
</context>
<context>
    <name>vyrInit</name>
    <message>
        <source>Vyr desktop entry collection (menu, toolbar, etc.) editor</source>
        <translation>Редактор наборов ярлыков Vyr (меню, панель инструментов и т. п.)</translation>
    </message>
</context>
</TS>
