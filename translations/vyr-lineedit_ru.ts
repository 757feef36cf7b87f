<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ItemRename</name>
    <message>
        <source>File name must not be empty or spaces only filled</source>
        <translation>Имя файла не может быть пустым или состоять только из пробелов</translation>
    </message>
    <message>
        <source>Dont use symbol &apos;.&apos; as first symbol in file name</source>
        <translation>Имя файла не может начинаться с точки «.»</translation>
    </message>
    <message>
        <source>Dont use symbols \n \ / : | &lt; &gt;.&quot;</source>
        <translation>Не используйте символы \n \ / : | &lt; &gt;.&quot;</translation>
    </message>
    <message>
        <source>Not recommended symbols []{}!@#$%^&amp;*()|:&lt;&gt;</source>
        <translation>Не рекомендуется использовать символы []{}!@#$%^&amp;*()|:&lt;&gt;</translation>
    </message>
    <message>
        <source>Can&apos;t rename &apos;%1&apos;.
Dont use symbol &apos;.&apos; as first symbol in file name</source>
        <translation>Не удаётся переименовать «%1».
Имя файла не может начинаться с точки «.»</translation>
    </message>
    <message>
        <source>Can&apos;t rename &apos;%1&apos;.
Dont use symbols \n \ / : | &lt; &gt;. &quot;</source>
        <translation>Не удаётся переименовать «%1».
Не используйте символы \n \ / : | &lt; &gt;. &quot;</translation>
    </message>
    <message>
        <source>Can&apos;t rename &apos;%1&apos;.
New name/path is too long.</source>
        <translation>Не удаётся переименовать «%1».
Новое имя или путь слишком длинные.</translation>
    </message>
    <message>
        <source>Can&apos;t rename &apos;%1&apos;.
The new name has letters the system&apos;s file names can&apos;t hold.</source>
        <translation>Не удаётся переименовать «%1».
В новом имени есть символы, недопустимые в именах файлов этой системы.</translation>
    </message>
    <message>
        <source>Can&apos;t rename
 &apos;%1&apos;
 with &apos;%2&apos;.
Object exists.</source>
        <translation>Не удаётся переименовать
 «%1»
 в «%2».
Объект уже существует.</translation>
    </message>
    <message>
        <source>Error when renaming &apos;%1&apos;
 with &apos;%2&apos;.</source>
        <translation>Ошибка при переименовании «%1»
 в «%2».</translation>
    </message>
    <message>
        <source>Renaming</source>
        <translation>Переименование</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Displays this help.</source>
        <translation>Показать эту справку.</translation>
    </message>
    <message>
        <source>X coordinate</source>
        <translation>Координата X</translation>
    </message>
    <message>
        <source>Y coordinate</source>
        <translation>Координата Y</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ширина</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>File Path (required)</source>
        <translation>Путь к файлу (обязательно)</translation>
    </message>
</context>
<context>
    <name>vyr-lineedit</name>
    <message>
        <source>Can&apos;t rename &apos;%1&apos;.
Object doesn&apos;t exists.</source>
        <translation>Не удаётся переименовать «%1».
Объект не существует.</translation>
    </message>
</context>
<context>
    <name>vyrInit</name>
    <message>
        <source>Vyr helper progam to edit desktop item name</source>
        <translation>Вспомогательная программа Vyr для переименования объектов рабочего стола</translation>
    </message>
</context>
</TS>
