<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>VyrDesktopEntryEditDialog</name>
    <message>
        <source>Application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon name or file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an icon file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Icon:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run in &amp;terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mmand:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (*.png *.svg *.svgz *.xpm *.ico)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No desktop entry file is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name must not be empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the command to run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter the address to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VyrFileIo</name>
    <message>
        <source>can&apos;t create directory %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VyrHelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &amp;Handbook</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No help is installed for this program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;%2 %3&lt;/p&gt;&lt;p&gt;Part of the Vyr desktop.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VyrIconTheme</name>
    <message>
        <source>no home directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cursor theme name holds a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VyrMenuCollection</name>
    <message>
        <source>The menu has no directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t write &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VyrMenuDialog</name>
    <message>
        <source>Edit menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New &amp;submenu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co&amp;mmand:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Icon:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run in &amp;terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hidden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shipped entries can be hidden, not deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New submenu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New entry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VyrQtConfigWidget</name>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Widget style:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click interval:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cursor flash time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No blinking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse wheel scrolls:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GUI effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animate menus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade menus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animate combo boxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animate tool tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fade tool tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animate tool boxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source> line(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VyrQtSettings</name>
    <message>
        <source>can&apos;t read %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VyrSettings</name>
    <message>
        <source>can&apos;t read the existing file; it is left as it is</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VyrXResources</name>
    <message>
        <source>xrdb not found in PATH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot start xrdb: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xrdb %1 did not finish in time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>xrdb %1 failed: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no resource name given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vyrHelpShow</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
