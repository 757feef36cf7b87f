<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>VyrQtConfigWidget</name>
    <message numerus="yes">
        <source> line(s)</source>
        <translation>
            <numerusform> line</numerusform>
            <numerusform> lines</numerusform>
        </translation>
    </message>
</context>
</TS>
