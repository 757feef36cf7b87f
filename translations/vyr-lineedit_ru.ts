<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ItemRename</name>
    <message>
        <source>File name must not be empty or spaces only filled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dont use symbol &apos;.&apos; as first symbol in file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dont use symbols \n \ / : | &lt; &gt;.&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not recommended symbols []{}!@#$%^&amp;*()|:&lt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t rename &apos;%1&apos;.
Dont use symbol &apos;.&apos; as first symbol in file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t rename &apos;%1&apos;.
Dont use symbols \n \ / : | &lt; &gt;. &quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t rename &apos;%1&apos;.
New name/path is too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t rename &apos;%1&apos;.
The new name has letters the system&apos;s file names can&apos;t hold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t rename
 &apos;%1&apos;
 with &apos;%2&apos;.
Object exists.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error when renaming &apos;%1&apos;
 with &apos;%2&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renaming</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Displays this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X coordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y coordinate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Path (required)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vyr-lineedit</name>
    <message>
        <source>Can&apos;t rename &apos;%1&apos;.
Object doesn&apos;t exists.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vyrInit</name>
    <message>
        <source>Vyr helper progam to edit desktop item name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
