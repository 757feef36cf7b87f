<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>HotkeyBindings</name>
    <message>
        <source>No file given.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no [ShortCutKeys] section.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HotkeyFunctions</name>
    <message>
        <source>Command Keybindings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window decoration (on/off)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toggle switch of a border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toggle switch of a border edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toggle switch of a minimize button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toggle switch of a restore button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toggle switch of a close button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toggle switch of a control button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toggle switch of a taskbar button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toggle switch of a title bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toggle switch of all decorations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taskbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move the taskbar to bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move the taskbar to top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move the taskbar to left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move the taskbar to right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toggle switch of TaskbarAutoHide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>enable TaskbarAutoHide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disable TaskbarAutoHide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toggle switch of the taskbar show/hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the taskbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hide the taskbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>appear the taskbar when TaskbarAutoHide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>disappear the taskbar when TaskbarAutoHide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toggle switch of the taskbar top/botton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>taskbar on top of all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>taskbar on bottom of all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line up icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>order icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select all icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>find icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>execute the icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>execute the icon with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send the icon by email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>delete the icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show icon properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>create an icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>create a text file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>create a session script file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cretae a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send icon to home folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send icon to My documents folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send icon trash can</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send icon start menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send icon to toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>send icon to folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cut icon(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copy icon(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>paste icon(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>navigate up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>navigate down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>navigate left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>navigate right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rename icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>undo last operation on desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switch to base keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switch to alt keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switch keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toggle switch of the pager show/hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>show the pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hide the pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toggle switch of the pager top/botton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pager on top of all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pager on botton of all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add row to the pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remove row from the pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add column to the pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remove column from the pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>update the pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maximize the pager (fullscreen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restore the pager (small window)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toggle pager fullscreen mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switch to the left page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switch to the right page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switch to the up page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switch to the down page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toggle search panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pop up the start menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pop up the desktop menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pop up a window ctrl menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pop down a menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pop down all menus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rearrangement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>overlap all windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>overlap windows within the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>horizontally tile all windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>horizontally tile windows within the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vertically tile all windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vertically tile windows within the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tile all windows in matrix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>tile windows in matrix within the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minimize all windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minimize windows within the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minimize/restore all windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minimize/restore windows within the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restore all windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restore windows within the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close all windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close windows within the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window placement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move a window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move a window to the next screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move a window to the previous screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resize a window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>minimize a window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restore a window size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maximize a window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>maximize/restore a window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fullscreen/restore a window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move taskbar btn left(up)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>move taskbar btn right(down)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expand a window to all directions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expand a window to a left direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expand a window to a right direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expand a window to an up direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>expand a window to a down direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snap a window to a right edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snap a window to a left edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snap a window to a bottom right corner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snap a window to a botton left corner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snap a window to a top right corner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snap a window to a top left corner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snap a window to a top edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>snap a window to a bottom edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>raise a window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lower a window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close a window (recommend)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close all similar window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close a window forcely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toggle switch of an ONTOP attribute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toggle switch of an ONBOTTOM attribute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toggle switch of a STICKY attribute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>toggle switch of a focus attribute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window focus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switch an active window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>switch back an active window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change an active window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change back an active window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change an active window within a screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change back an active window in a screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>make the desktop active</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restart vyr-wm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lock screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standby</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>suspend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>hibernate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>change/switch user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>postpone session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>suspend screensaver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>resume screensaver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exit vyr-wm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reboot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shutdown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dpms on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dpms off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dpms toggle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>previous wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>next wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HotkeysStartup</name>
    <message>
        <source>Usage: vyr-admin-hotkeys filepath - open/create file as hotkeys coll
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File %1 doesn&apos;t exist. Create?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t open/create file:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t parse file:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeysConfForm</name>
    <message>
        <source>&amp;New file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore user&apos;s keyshortcutrc file from system one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>vyr-wm function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a Key for the Selected Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assign Key:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actions toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t parse file:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vyr hotkeys editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whoopsie! Key conflict.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ouch! The %1 key combination has already been allocated
to the %2 action (%3).

Please choose a unique key combination.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to delete this action?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save previous changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select hotkeys file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t create file </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save in file </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All changes will be lost. Save them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t restore file %1 from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You current file is &quot;%1&quot;.
After restart vyr-wm will use &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectCommandDialog</name>
    <message>
        <source>Select Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a program from the menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open executable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File doesn&apos;t exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File you have selected doesn&apos;t exist. Do you want to choose another one?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File isn&apos;t executable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can&apos;t exec selected file. Do you want to choose another one?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vyrInit</name>
    <message>
        <source>Vyr hotkeys editor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
