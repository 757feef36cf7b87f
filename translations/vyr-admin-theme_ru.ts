<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AspectRatioPixmapLabel</name>
    <message>
        <source>Sorry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not appear to be an image file.
Please use files of these formats:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CompositorConfig</name>
    <message>
        <source>the settings cannot be stored in this file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Vyr Theme Editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore all settings.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All changes will be lost and restart session will be required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export all settings.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All settings will be saved in archive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import all settings.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All settings will be rewritten from archive and restart session will be required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your session has high MIC level. Some exterior changes are unavalable.</source>
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
    <message>
        <source>Some changes could not be saved. The window stays open so that they are not lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Vyr settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After restore your session will be closed, are you ready?
If yes then close all applications, select restore type and press Yes

Restore type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes, reset and close session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t remove %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archives (*.tgz *.tar.gz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive cannot be imported: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The archive cannot be imported: %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The window manager is not running; the archive was not scheduled for unpacking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You need to exit and restart session. Do it now (recommended)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screensaver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EffectForm</name>
    <message>
        <source>Windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For Windows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default placement:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default window placement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window position. Useless if application set own position for window.

If &quot;Smart placement&quot; option is not set then this option will define new window position.

If &quot;Smart placement&quot; option is set then this option will be applied if no free space found only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smart placement if possible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search free area to map window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opaque move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opaque window move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opaque resize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opaque window resize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snapping move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Propose window snapping when move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snapping resize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Propose window snapping when resize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore size after de-snap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snapped to top is maximized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resize snapped together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GradWindowMapSpeed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed of window map/unmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>StartMenuMapSpeed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed of start menu show animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ArrangeWindowSpeed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed of windows minimize-maximize, restore, rearrange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GradWindowMapStyle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Style of window map/ummap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Composite:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Composite effect, available for some video cards only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows thumbnails in taskbar, task switcher, desktop pages, etc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Composite Manager:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable composite manager to speed up desktop drawing or to fix onscreen artefacts if any</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparency of windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparency of some GUI elements.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show shadow for windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shadow on focus only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show shadow for active window only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round corners</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round corners for windows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Animation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical synchronization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synchronise the compositor&apos;s screen updates with the refresh of the monitor, so that moving pictures do not tear. Switch it off when windows follow the mouse with a delay.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MenuTransparency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>menu transparency left side value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MenuTransparency2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>menu transparency right side value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch windows on all pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch windows on all pages or inside current page only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For Taskbar:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TaskbarShowDelay:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>autohided taskbar show delay (ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TaskbarHideDelay:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>autohided taskbar hide delay (ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GradTaskbarMotionSpeed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>speed of autohided taskbar map/unmap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For desktop menus and classic start menu:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MenuDelayTime:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>popup submenu show delay (ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MenuDelayTime2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>popup submenu hide delay (ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GradMenuMapSpeed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>menu map animation speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Autopaging:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PagingBeltSize:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen edge area for autopaging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PagingResistance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autopaging resistance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PagingShiftCursor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift cursor from edge when autopaging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PagingSpeed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autopaging speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag-and-drop indication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show desktop place will be used when drop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EffectPage</name>
    <message>
        <source>NorthWest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t find composite manager %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Composite manager started manually or from autostart.
We don&apos;t recommend manage it here in that case.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compositing is enabed, but composite manager isn&apos;t started now.
Exit and enter in session again to start compositor with vyr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t read from file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t create file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t write to file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FontAASettings</name>
    <message>
        <source>RGB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BGR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical RGB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical BGR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FontAASettingsForm</name>
    <message>
        <source>Configure Anti-Alias Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t apply antialiasing for fonts size range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xclude range:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> pix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use sub-pixel rendering:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;If you have a TFT or LCD screen, fonts can look sharper when each colour stripe of a pixel is lit on its own.&lt;/p&gt;&lt;p&gt;Choose the order in which the stripes lie on your screen: side by side (RGB, BGR) or one above the other (vertical). On a CRT screen leave this off.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hinting style: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hinting is a process used to enhance the quality of fonts at small sizes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FontPage</name>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window titles.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control menus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dialogs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taskbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taskbar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taskbar bold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taskbar bold.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taskbar clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taskbar clock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taskbar date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taskbar date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taskbar lang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taskbar language indicator.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icons.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tooltip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tooltips.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FontSettings</name>
    <message>
        <source>cannot remove %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KFonts</name>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font will be saved and used without underline, overline, strikeout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Settings Changed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;Some changes such as anti-aliasing or DPI will only affect newly started applications.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font &apos;%1&apos; has no cyrillic. Save anyway?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KFontsForm</name>
    <message>
        <source>Click to change all fonts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ad&amp;just All Fonts...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use a&amp;nti-aliasing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select options to enable/disable smooth the edges of curves in fonts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configure...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force fonts DPI:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;This option forces a specific DPI value for fonts. Use it when the screen&apos;s real DPI is not detected correctly, or when the fonts in use look right only at one value such as 96 or 120.&lt;/p&gt;&lt;p&gt;Where possible, set the DPI for the whole X server instead. When fonts render poorly at the real DPI, other fonts or other hinting settings are usually the better remedy.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> dpi</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KXftConfig</name>
    <message>
        <source>%1: cannot read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1:%2:%3: not well-formed XML (%4); the file is left as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: not a fontconfig document (root &lt;%2&gt;); the file is left as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot prepare the atomic write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot lock the file (is another program writing it?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot write %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot replace the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot be read; not overwritten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: cannot create the directory %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop look and feel is not editable in your kiosk environment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New cursor size will be applied to newly started apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New cursor theme will be applied to newly started apps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreensaverForm</name>
    <message>
        <source>Screensaver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen Locker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After Inactivity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start screen locker after time, if 0 then start never</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When screen locked:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen blank</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock after DPMS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay seconds between DPMS and screen lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session switched</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lid closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DPMS off after:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch monitor off after screen locked, 0 - never </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If password is wrong:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timeout after failed authentication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bell level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Bell sound volume after failed authentication.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;If volume is 0 then no sound.&lt;/p&gt;&lt;p&gt;If pulse audio server is not run, but your have conneted internal PC speaker device, then it is volume for PC speaker.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable console switching</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock console switching when screen locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable external connections to X server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable start any graphical applications after screen locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Power management...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slideshow settings...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreensaverPage</name>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will not able to lock session if another user is logged in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source> minute(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> second(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsArchive</name>
    <message>
        <source>Cannot copy %1 into %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a gzip-compressed tar archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a member has no name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>absolute name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;..&quot; in the path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FIFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>member of an unsupported type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>written through a link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not part of the settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link to %1, outside the home folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>link to %1, outside the settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundForm</name>
    <message>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Theme:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select one of sound themes or None to use internal default sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use sounds in window manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set default sounds for window manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear all sounds for window manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select sound file for current event in list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove assignment sound file to event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore default assignment sound to event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <source>Menu Popup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Window up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Window down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximize Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong locker password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forced Tray Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show OSD Notification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound for switch to base keyboard layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternative Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound for switch to alternative keyboard layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t load sound theme &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t find sound player, i.e. &apos;play&apos; or &apos;sndfile-play&apos; command.
Ask administrator to install &apos;sox&apos; or &apos;sndfile-programs&apos; package.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not all files in theme &apos;%1&apos; are in supported formats (wav, ogg)
You should convert them to wav.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds (*.wav *.au *.ogg *.oga)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound &apos;%1&apos; doesn&apos;t exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program %1 not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t start &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program %1 could not play the sound &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t start &apos;kmix&apos;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ThemeForm</name>
    <message>
        <source>Themes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheme:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select color scheme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Primary:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icon string:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autogenerate icon string color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto detect desktop icon text color based on undeneath wallpaper area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autogenerate and apply color scheme:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;If you choise &lt;b&gt;light&lt;/b&gt; or &lt;b&gt;dark&lt;/b&gt; and a wallpaper of your own (not vyr-default) with enough color variety then а &lt;b&gt;light&lt;/b&gt; or &lt;b&gt;dark&lt;/b&gt; color scheme can be built from such a wallpaper. Then this color scheme can be applied automatically together with wallpaper for visual color consistency.&lt;/p&gt;&lt;p&gt;Attention: not all wallpapers could be suitable to extract enough palette to build color scheme.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cursors:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select your personal Cursor theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Icons:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select your personal Icon theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select your personal window and taskbar decoration theme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window title string is centered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sizes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic dpi based sizes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taskbar:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taskbar size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop  icons:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop icons size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Titlebar:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window Titlebar height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window frame width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combine taskbar buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No text in taskbar buttons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monochrome icons on toolbars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Use monochrome icons on toolbars of Qt applications.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monochrome icons on taskbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Use monochrome icons on taskbar, tray, start menu and in its context menus. Allowed with vyr-solva-flat solva and solva-vantera icon themes and default flat decorations.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pager of virtual desktops</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic start menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic menu or panel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Taskbar on all monitors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place taskbar on every monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &quot;My computer&quot; icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Trash icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run desktop items by one click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>National flags in keyboard indicator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep own keyboard layout for each window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base keyboard layout for new window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NumLock at start</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ThemePage</name>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your session has high MIC level. Some decoration changes are not applicable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ThemePaths</name>
    <message>
        <source>no home directory</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>VyrQtConfigPage</name>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save the settings of Qt programs in %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WallpaperForm</name>
    <message>
        <source>Wallpaper:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full path to wallpaper file or color in #RRGGBB format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;Use selected wallpaper for current virtual desktop only,&lt;/p&gt;&lt;p&gt;if multiple virtual desktops available.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for current desktop only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;Use selected wallpaper for current monitor only, &lt;/p&gt;&lt;p&gt;i.e. for monitor where this window is placed now.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for current monitor only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to fit wallpaper to desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide-show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slide show interval (0 - no slide show)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full path to logo file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WallpaperPage</name>
    <message>
        <source>BottomRight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BottomLeft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TopRight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TopLeft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NotShow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (*.png *.xpm *.jpg *.jpeg *.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your session has high MIC level. Some decoration changes are not applicable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set default wallpaper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set default logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select wallpaper image file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File conversion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected file &apos;%1&apos; is in svg format
Would you like to convert it to png now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File &apos;%1&apos; already exists
Would you like to rewrite it now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select logo image file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image size %1x%2 is too large for logo. Resize it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source> minute(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vyr-admin-theme</name>
    <message>
        <source>Usage: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1) vyr-admin-theme [pagename] [themefile]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     themefile - file to open and edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     pagename  - initial page, may be one of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2) vyr-admin-theme wmcolor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     service non-GUI mode to use  ~/.vyr/paletterc for generation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Qt color patette in ~/.config/Trolltech.conf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     vyr-wm colors    in ~/.vyr/theme/current.themerc file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3) vyr-admin-theme apply-color-scheme colorthemepath</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     service non-GUI mode to apply colorschemepath</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>vyrInit</name>
    <message>
        <source>Vyr theme editor</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
