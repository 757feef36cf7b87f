<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ScreensaverPage</name>
    <message numerus="yes">
        <source> minute(s)</source>
        <translation>
            <numerusform> minute</numerusform>
            <numerusform> minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> second(s)</source>
        <translation>
            <numerusform> second</numerusform>
            <numerusform> seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WallpaperPage</name>
    <message numerus="yes">
        <source> minute(s)</source>
        <translation>
            <numerusform> minute</numerusform>
            <numerusform> minutes</numerusform>
        </translation>
    </message>
</context>
</TS>
