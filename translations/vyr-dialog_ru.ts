<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Options</name>
    <message>
        <source>Shows a message of a desktop program</source>
        <translation>Показывает сообщение программы рабочего стола</translation>
    </message>
    <message>
        <source>Position and size</source>
        <translation>Положение и размер</translation>
    </message>
    <message>
        <source>Window title</source>
        <translation>Заголовок окна</translation>
    </message>
    <message>
        <source>Icon name</source>
        <translation>Имя значка</translation>
    </message>
    <message>
        <source>Show a warning</source>
        <translation>Показать предупреждение</translation>
    </message>
    <message>
        <source>Show an error</source>
        <translation>Показать ошибку</translation>
    </message>
</context>
</TS>
