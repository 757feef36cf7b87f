<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>VyrDesktopEntryEditDialog</name>
    <message>
        <source>Application</source>
        <translation>Приложение</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Ссылка</translation>
    </message>
    <message>
        <source>Directory</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Тип:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Название:</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation>&amp;Комментарий:</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Choose a program</source>
        <translation>Выбрать программу</translation>
    </message>
    <message>
        <source>Icon name or file</source>
        <translation>Имя значка или файл</translation>
    </message>
    <message>
        <source>Choose an icon file</source>
        <translation>Выбрать файл значка</translation>
    </message>
    <message>
        <source>&amp;Icon:</source>
        <translation>&amp;Значок:</translation>
    </message>
    <message>
        <source>Run in &amp;terminal</source>
        <translation>Запускать в &amp;терминале</translation>
    </message>
    <message>
        <source>Desktop Entry</source>
        <translation>Ярлык</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>&amp;Адрес:</translation>
    </message>
    <message>
        <source>Co&amp;mmand:</source>
        <translation>Ко&amp;манда:</translation>
    </message>
    <message>
        <source>Choose an icon</source>
        <translation>Выбор значка</translation>
    </message>
    <message>
        <source>Images (*.png *.svg *.svgz *.xpm *.ico)</source>
        <translation>Изображения (*.png *.svg *.svgz *.xpm *.ico)</translation>
    </message>
    <message>
        <source>No desktop entry file is open.</source>
        <translation>Файл ярлыка не открыт.</translation>
    </message>
    <message>
        <source>The name must not be empty.</source>
        <translation>Название не может быть пустым.</translation>
    </message>
    <message>
        <source>Enter the command to run.</source>
        <translation>Введите команду для запуска.</translation>
    </message>
    <message>
        <source>Enter the address to open.</source>
        <translation>Введите адрес для открытия.</translation>
    </message>
    <message>
        <source>Can&apos;t save %1.</source>
        <translation>Не удаётся сохранить %1.</translation>
    </message>
</context>
<context>
    <name>VyrFileIo</name>
    <message>
        <source>can&apos;t create directory %1</source>
        <translation>не удаётся создать папку %1</translation>
    </message>
</context>
<context>
    <name>VyrHelpMenu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>%1 &amp;Handbook</source>
        <translation>&amp;Руководство: %1</translation>
    </message>
    <message>
        <source>&amp;About %1</source>
        <translation>&amp;О программе «%1»</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>No help is installed for this program.</source>
        <translation>Справка для этой программы не установлена.</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;%2 %3&lt;/p&gt;&lt;p&gt;Part of the Vyr desktop.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;p&gt;%2 %3&lt;/p&gt;&lt;p&gt;Часть рабочего стола Vyr.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>О программе «%1»</translation>
    </message>
</context>
<context>
    <name>VyrIconTheme</name>
    <message>
        <source>no home directory</source>
        <translation>нет домашней папки</translation>
    </message>
    <message>
        <source>cursor theme name holds a line break</source>
        <translation>имя темы курсоров содержит перевод строки</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>cannot create %1</source>
        <translation>не удаётся создать %1</translation>
    </message>
</context>
<context>
    <name>VyrMenuCollection</name>
    <message>
        <source>The menu has no directory</source>
        <translation>У меню нет папки</translation>
    </message>
    <message>
        <source>Can&apos;t write &apos;%1&apos;</source>
        <translation>Не удаётся записать «%1»</translation>
    </message>
</context>
<context>
    <name>VyrMenuDialog</name>
    <message>
        <source>Edit menu</source>
        <translation>Правка меню</translation>
    </message>
    <message>
        <source>Select program</source>
        <translation>Выбор программы</translation>
    </message>
    <message>
        <source>New &amp;entry</source>
        <translation>Новый &amp;пункт</translation>
    </message>
    <message>
        <source>New &amp;submenu</source>
        <translation>Новое &amp;подменю</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Вверх</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>В&amp;низ</translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Пункт</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Название:</translation>
    </message>
    <message>
        <source>&amp;Comment:</source>
        <translation>&amp;Комментарий:</translation>
    </message>
    <message>
        <source>Co&amp;mmand:</source>
        <translation>Ко&amp;манда:</translation>
    </message>
    <message>
        <source>&amp;Icon:</source>
        <translation>&amp;Значок:</translation>
    </message>
    <message>
        <source>Run in &amp;terminal</source>
        <translation>Запускать в &amp;терминале</translation>
    </message>
    <message>
        <source>&amp;Hidden</source>
        <translation>&amp;Скрыт</translation>
    </message>
    <message>
        <source>Shipped entries can be hidden, not deleted</source>
        <translation>Поставляемые пункты можно скрыть, но не удалить</translation>
    </message>
    <message>
        <source>New submenu</source>
        <translation>Новое подменю</translation>
    </message>
    <message>
        <source>New entry</source>
        <translation>Новый пункт</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Save ?</source>
        <translation>Сохранить?</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Сохранить изменения?</translation>
    </message>
</context>
<context>
    <name>VyrQtConfigWidget</name>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Widget style:</source>
        <translation>Стиль элементов:</translation>
    </message>
    <message>
        <source>Double-click interval:</source>
        <translation>Интервал двойного щелчка:</translation>
    </message>
    <message>
        <source> ms</source>
        <translation> мс</translation>
    </message>
    <message>
        <source>Cursor flash time:</source>
        <translation>Период мигания курсора:</translation>
    </message>
    <message>
        <source>No blinking</source>
        <translation>Без мигания</translation>
    </message>
    <message>
        <source>Mouse wheel scrolls:</source>
        <translation>Прокрутка колесом мыши:</translation>
    </message>
    <message>
        <source>GUI effects</source>
        <translation>Эффекты интерфейса</translation>
    </message>
    <message>
        <source>Animate menus</source>
        <translation>Анимировать меню</translation>
    </message>
    <message>
        <source>Fade menus</source>
        <translation>Плавное появление меню</translation>
    </message>
    <message>
        <source>Animate combo boxes</source>
        <translation>Анимировать раскрывающиеся списки</translation>
    </message>
    <message>
        <source>Animate tool tips</source>
        <translation>Анимировать подсказки</translation>
    </message>
    <message>
        <source>Fade tool tips</source>
        <translation>Плавное появление подсказок</translation>
    </message>
    <message>
        <source>Animate tool boxes</source>
        <translation>Анимировать панели инструментов</translation>
    </message>
    <message numerus="yes">
        <source> line(s)</source>
        <translation>
            <numerusform> строка</numerusform>
            <numerusform> строки</numerusform>
            <numerusform> строк</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>VyrQtSettings</name>
    <message>
        <source>can&apos;t read %1</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
</context>
<context>
    <name>VyrSettings</name>
    <message>
        <source>can&apos;t read the existing file; it is left as it is</source>
        <translation>не удаётся прочитать существующий файл; он оставлен без изменений</translation>
    </message>
</context>
<context>
    <name>VyrXResources</name>
    <message>
        <source>xrdb not found in PATH</source>
        <translation>программа xrdb не найдена в PATH</translation>
    </message>
    <message>
        <source>cannot start xrdb: %1</source>
        <translation>не удаётся запустить xrdb: %1</translation>
    </message>
    <message>
        <source>xrdb %1 did not finish in time</source>
        <translation>xrdb %1 не завершилась вовремя</translation>
    </message>
    <message>
        <source>xrdb %1 failed: %2</source>
        <translation>ошибка xrdb %1: %2</translation>
    </message>
    <message>
        <source>no resource name given</source>
        <translation>не указано имя ресурса</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>не удаётся записать %1: %2</translation>
    </message>
</context>
<context>
    <name>vyrHelpShow</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
</context>
</TS>
