<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>HotkeyBindings</name>
    <message>
        <source>No file given.</source>
        <translation>Файл не указан.</translation>
    </message>
    <message>
        <source>Can&apos;t read %1.</source>
        <translation>Не удаётся прочитать %1.</translation>
    </message>
    <message>
        <source>%1 has no [ShortCutKeys] section.</source>
        <translation>В %1 нет раздела [ShortCutKeys].</translation>
    </message>
</context>
<context>
    <name>HotkeyFunctions</name>
    <message>
        <source>Command Keybindings</source>
        <translation>Клавиши команд</translation>
    </message>
    <message>
        <source>Window decoration (on/off)</source>
        <translation>Оформление окна (вкл./выкл.)</translation>
    </message>
    <message>
        <source>toggle switch of a border</source>
        <translation>включить/выключить рамку</translation>
    </message>
    <message>
        <source>toggle switch of a border edge</source>
        <translation>включить/выключить край рамки</translation>
    </message>
    <message>
        <source>toggle switch of a minimize button</source>
        <translation>включить/выключить кнопку «Свернуть»</translation>
    </message>
    <message>
        <source>toggle switch of a restore button</source>
        <translation>включить/выключить кнопку «Восстановить»</translation>
    </message>
    <message>
        <source>toggle switch of a close button</source>
        <translation>включить/выключить кнопку «Закрыть»</translation>
    </message>
    <message>
        <source>toggle switch of a control button</source>
        <translation>включить/выключить кнопку меню окна</translation>
    </message>
    <message>
        <source>toggle switch of a taskbar button</source>
        <translation>включить/выключить кнопку на панели задач</translation>
    </message>
    <message>
        <source>toggle switch of a title bar</source>
        <translation>включить/выключить заголовок</translation>
    </message>
    <message>
        <source>toggle switch of all decorations</source>
        <translation>включить/выключить всё оформление</translation>
    </message>
    <message>
        <source>Taskbar</source>
        <translation>Панель задач</translation>
    </message>
    <message>
        <source>move the taskbar to bottom</source>
        <translation>переместить панель задач вниз</translation>
    </message>
    <message>
        <source>move the taskbar to top</source>
        <translation>переместить панель задач вверх</translation>
    </message>
    <message>
        <source>move the taskbar to left</source>
        <translation>переместить панель задач влево</translation>
    </message>
    <message>
        <source>move the taskbar to right</source>
        <translation>переместить панель задач вправо</translation>
    </message>
    <message>
        <source>toggle switch of TaskbarAutoHide</source>
        <translation>включить/выключить автоскрытие панели задач</translation>
    </message>
    <message>
        <source>enable TaskbarAutoHide</source>
        <translation>включить автоскрытие панели задач</translation>
    </message>
    <message>
        <source>disable TaskbarAutoHide</source>
        <translation>выключить автоскрытие панели задач</translation>
    </message>
    <message>
        <source>toggle switch of the taskbar show/hide</source>
        <translation>показать/скрыть панель задач</translation>
    </message>
    <message>
        <source>show the taskbar</source>
        <translation>показать панель задач</translation>
    </message>
    <message>
        <source>hide the taskbar</source>
        <translation>скрыть панель задач</translation>
    </message>
    <message>
        <source>appear the taskbar when TaskbarAutoHide</source>
        <translation>выдвинуть автоскрываемую панель задач</translation>
    </message>
    <message>
        <source>disappear the taskbar when TaskbarAutoHide</source>
        <translation>убрать автоскрываемую панель задач</translation>
    </message>
    <message>
        <source>toggle switch of the taskbar top/botton</source>
        <translation>панель задач поверх/под окнами</translation>
    </message>
    <message>
        <source>taskbar on top of all</source>
        <translation>панель задач поверх всех окон</translation>
    </message>
    <message>
        <source>taskbar on bottom of all</source>
        <translation>панель задач под всеми окнами</translation>
    </message>
    <message>
        <source>Desktop Icon</source>
        <translation>Значки рабочего стола</translation>
    </message>
    <message>
        <source>line up icons</source>
        <translation>выровнять значки</translation>
    </message>
    <message>
        <source>order icons</source>
        <translation>упорядочить значки</translation>
    </message>
    <message>
        <source>select all icons</source>
        <translation>выделить все значки</translation>
    </message>
    <message>
        <source>find icons</source>
        <translation>найти значки</translation>
    </message>
    <message>
        <source>execute the icon</source>
        <translation>открыть значок</translation>
    </message>
    <message>
        <source>execute the icon with</source>
        <translation>открыть значок с помощью</translation>
    </message>
    <message>
        <source>send the icon by email</source>
        <translation>отправить значок по электронной почте</translation>
    </message>
    <message>
        <source>delete the icon</source>
        <translation>удалить значок</translation>
    </message>
    <message>
        <source>show icon properties</source>
        <translation>показать свойства значка</translation>
    </message>
    <message>
        <source>create an icon</source>
        <translation>создать ярлык</translation>
    </message>
    <message>
        <source>create a text file</source>
        <translation>создать текстовый файл</translation>
    </message>
    <message>
        <source>create a session script file</source>
        <translation>создать сценарий сеанса</translation>
    </message>
    <message>
        <source>cretae a folder</source>
        <translation>создать папку</translation>
    </message>
    <message>
        <source>send icon to home folder</source>
        <translation>отправить значок в домашнюю папку</translation>
    </message>
    <message>
        <source>send icon to My documents folder</source>
        <translation>отправить значок в папку «Мои документы»</translation>
    </message>
    <message>
        <source>send icon trash can</source>
        <translation>отправить значок в корзину</translation>
    </message>
    <message>
        <source>send icon start menu</source>
        <translation>отправить значок в меню «Пуск»</translation>
    </message>
    <message>
        <source>send icon to toolbar</source>
        <translation>отправить значок на панель инструментов</translation>
    </message>
    <message>
        <source>send icon to folder</source>
        <translation>отправить значок в папку</translation>
    </message>
    <message>
        <source>cut icon(s)</source>
        <translation>вырезать значки</translation>
    </message>
    <message>
        <source>copy icon(s)</source>
        <translation>копировать значки</translation>
    </message>
    <message>
        <source>paste icon(s)</source>
        <translation>вставить значки</translation>
    </message>
    <message>
        <source>navigate up</source>
        <translation>перейти вверх</translation>
    </message>
    <message>
        <source>navigate down</source>
        <translation>перейти вниз</translation>
    </message>
    <message>
        <source>navigate left</source>
        <translation>перейти влево</translation>
    </message>
    <message>
        <source>navigate right</source>
        <translation>перейти вправо</translation>
    </message>
    <message>
        <source>rename icon</source>
        <translation>переименовать значок</translation>
    </message>
    <message>
        <source>undo last operation on desktop</source>
        <translation>отменить последнее действие на рабочем столе</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>switch to base keyboard</source>
        <translation>переключиться на основную раскладку</translation>
    </message>
    <message>
        <source>switch to alt keyboard</source>
        <translation>переключиться на дополнительную раскладку</translation>
    </message>
    <message>
        <source>switch keyboard</source>
        <translation>переключить раскладку</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Переключатель рабочих столов</translation>
    </message>
    <message>
        <source>toggle switch of the pager show/hide</source>
        <translation>показать/скрыть переключатель рабочих столов</translation>
    </message>
    <message>
        <source>show the pager</source>
        <translation>показать переключатель рабочих столов</translation>
    </message>
    <message>
        <source>hide the pager</source>
        <translation>скрыть переключатель рабочих столов</translation>
    </message>
    <message>
        <source>toggle switch of the pager top/botton</source>
        <translation>переключатель рабочих столов поверх/под окнами</translation>
    </message>
    <message>
        <source>pager on top of all</source>
        <translation>переключатель рабочих столов поверх всех окон</translation>
    </message>
    <message>
        <source>pager on botton of all</source>
        <translation>переключатель рабочих столов под всеми окнами</translation>
    </message>
    <message>
        <source>add row to the pager</source>
        <translation>добавить строку в переключатель рабочих столов</translation>
    </message>
    <message>
        <source>remove row from the pager</source>
        <translation>удалить строку из переключателя рабочих столов</translation>
    </message>
    <message>
        <source>add column to the pager</source>
        <translation>добавить столбец в переключатель рабочих столов</translation>
    </message>
    <message>
        <source>remove column from the pager</source>
        <translation>удалить столбец из переключателя рабочих столов</translation>
    </message>
    <message>
        <source>update the pager</source>
        <translation>обновить переключатель рабочих столов</translation>
    </message>
    <message>
        <source>maximize the pager (fullscreen)</source>
        <translation>развернуть переключатель рабочих столов (на весь экран)</translation>
    </message>
    <message>
        <source>restore the pager (small window)</source>
        <translation>восстановить переключатель рабочих столов (маленькое окно)</translation>
    </message>
    <message>
        <source>toggle pager fullscreen mode</source>
        <translation>переключатель рабочих столов на весь экран/в окне</translation>
    </message>
    <message>
        <source>Paging</source>
        <translation>Переход между рабочими столами</translation>
    </message>
    <message>
        <source>switch to the left page</source>
        <translation>перейти на рабочий стол слева</translation>
    </message>
    <message>
        <source>switch to the right page</source>
        <translation>перейти на рабочий стол справа</translation>
    </message>
    <message>
        <source>switch to the up page</source>
        <translation>перейти на рабочий стол сверху</translation>
    </message>
    <message>
        <source>switch to the down page</source>
        <translation>перейти на рабочий стол снизу</translation>
    </message>
    <message>
        <source>Search panel</source>
        <translation>Панель поиска</translation>
    </message>
    <message>
        <source>toggle search panel</source>
        <translation>показать/скрыть панель поиска</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>pop up the start menu</source>
        <translation>открыть меню «Пуск»</translation>
    </message>
    <message>
        <source>pop up the desktop menu</source>
        <translation>открыть меню рабочего стола</translation>
    </message>
    <message>
        <source>pop up a window ctrl menu</source>
        <translation>открыть меню окна</translation>
    </message>
    <message>
        <source>pop down a menu</source>
        <translation>закрыть меню</translation>
    </message>
    <message>
        <source>pop down all menus</source>
        <translation>закрыть все меню</translation>
    </message>
    <message>
        <source>Rearrangement</source>
        <translation>Расстановка окон</translation>
    </message>
    <message>
        <source>overlap all windows</source>
        <translation>расположить все окна каскадом</translation>
    </message>
    <message>
        <source>overlap windows within the screen</source>
        <translation>расположить окна экрана каскадом</translation>
    </message>
    <message>
        <source>horizontally tile all windows</source>
        <translation>расположить все окна сверху вниз</translation>
    </message>
    <message>
        <source>horizontally tile windows within the screen</source>
        <translation>расположить окна экрана сверху вниз</translation>
    </message>
    <message>
        <source>vertically tile all windows</source>
        <translation>расположить все окна слева направо</translation>
    </message>
    <message>
        <source>vertically tile windows within the screen</source>
        <translation>расположить окна экрана слева направо</translation>
    </message>
    <message>
        <source>tile all windows in matrix</source>
        <translation>расположить все окна сеткой</translation>
    </message>
    <message>
        <source>tile windows in matrix within the screen</source>
        <translation>расположить окна экрана сеткой</translation>
    </message>
    <message>
        <source>minimize all windows</source>
        <translation>свернуть все окна</translation>
    </message>
    <message>
        <source>minimize windows within the screen</source>
        <translation>свернуть окна экрана</translation>
    </message>
    <message>
        <source>minimize/restore all windows</source>
        <translation>свернуть/восстановить все окна</translation>
    </message>
    <message>
        <source>minimize/restore windows within the screen</source>
        <translation>свернуть/восстановить окна экрана</translation>
    </message>
    <message>
        <source>restore all windows</source>
        <translation>восстановить все окна</translation>
    </message>
    <message>
        <source>restore windows within the screen</source>
        <translation>восстановить окна экрана</translation>
    </message>
    <message>
        <source>close all windows</source>
        <translation>закрыть все окна</translation>
    </message>
    <message>
        <source>close windows within the screen</source>
        <translation>закрыть окна экрана</translation>
    </message>
    <message>
        <source>Window placement</source>
        <translation>Положение окна</translation>
    </message>
    <message>
        <source>move a window</source>
        <translation>переместить окно</translation>
    </message>
    <message>
        <source>move a window to the next screen</source>
        <translation>переместить окно на следующий экран</translation>
    </message>
    <message>
        <source>move a window to the previous screen</source>
        <translation>переместить окно на предыдущий экран</translation>
    </message>
    <message>
        <source>resize a window</source>
        <translation>изменить размер окна</translation>
    </message>
    <message>
        <source>minimize a window</source>
        <translation>свернуть окно</translation>
    </message>
    <message>
        <source>restore a window size</source>
        <translation>восстановить размер окна</translation>
    </message>
    <message>
        <source>maximize a window</source>
        <translation>развернуть окно</translation>
    </message>
    <message>
        <source>maximize/restore a window</source>
        <translation>развернуть/восстановить окно</translation>
    </message>
    <message>
        <source>fullscreen/restore a window</source>
        <translation>окно на весь экран/восстановить</translation>
    </message>
    <message>
        <source>move taskbar btn left(up)</source>
        <translation>сдвинуть кнопку на панели задач влево (вверх)</translation>
    </message>
    <message>
        <source>move taskbar btn right(down)</source>
        <translation>сдвинуть кнопку на панели задач вправо (вниз)</translation>
    </message>
    <message>
        <source>expand a window to all directions</source>
        <translation>растянуть окно во все стороны</translation>
    </message>
    <message>
        <source>expand a window to a left direction</source>
        <translation>растянуть окно влево</translation>
    </message>
    <message>
        <source>expand a window to a right direction</source>
        <translation>растянуть окно вправо</translation>
    </message>
    <message>
        <source>expand a window to an up direction</source>
        <translation>растянуть окно вверх</translation>
    </message>
    <message>
        <source>expand a window to a down direction</source>
        <translation>растянуть окно вниз</translation>
    </message>
    <message>
        <source>snap a window to a right edge</source>
        <translation>прикрепить окно к правому краю</translation>
    </message>
    <message>
        <source>snap a window to a left edge</source>
        <translation>прикрепить окно к левому краю</translation>
    </message>
    <message>
        <source>snap a window to a bottom right corner</source>
        <translation>прикрепить окно к правому нижнему углу</translation>
    </message>
    <message>
        <source>snap a window to a botton left corner</source>
        <translation>прикрепить окно к левому нижнему углу</translation>
    </message>
    <message>
        <source>snap a window to a top right corner</source>
        <translation>прикрепить окно к правому верхнему углу</translation>
    </message>
    <message>
        <source>snap a window to a top left corner</source>
        <translation>прикрепить окно к левому верхнему углу</translation>
    </message>
    <message>
        <source>snap a window to a top edge</source>
        <translation>прикрепить окно к верхнему краю</translation>
    </message>
    <message>
        <source>snap a window to a bottom edge</source>
        <translation>прикрепить окно к нижнему краю</translation>
    </message>
    <message>
        <source>raise a window</source>
        <translation>поднять окно</translation>
    </message>
    <message>
        <source>lower a window</source>
        <translation>опустить окно</translation>
    </message>
    <message>
        <source>close a window (recommend)</source>
        <translation>закрыть окно (рекомендуется)</translation>
    </message>
    <message>
        <source>close all similar window</source>
        <translation>закрыть все однотипные окна</translation>
    </message>
    <message>
        <source>close a window forcely</source>
        <translation>закрыть окно принудительно</translation>
    </message>
    <message>
        <source>toggle switch of an ONTOP attribute</source>
        <translation>включить/выключить признак «Поверх всех»</translation>
    </message>
    <message>
        <source>toggle switch of an ONBOTTOM attribute</source>
        <translation>включить/выключить признак «Под всеми»</translation>
    </message>
    <message>
        <source>toggle switch of a STICKY attribute</source>
        <translation>включить/выключить признак «На всех рабочих столах»</translation>
    </message>
    <message>
        <source>toggle switch of a focus attribute</source>
        <translation>включить/выключить признак получения фокуса</translation>
    </message>
    <message>
        <source>Window focus</source>
        <translation>Фокус окна</translation>
    </message>
    <message>
        <source>switch an active window</source>
        <translation>переключить активное окно</translation>
    </message>
    <message>
        <source>switch back an active window</source>
        <translation>переключить активное окно в обратном порядке</translation>
    </message>
    <message>
        <source>change an active window</source>
        <translation>сменить активное окно</translation>
    </message>
    <message>
        <source>change back an active window</source>
        <translation>сменить активное окно в обратном порядке</translation>
    </message>
    <message>
        <source>change an active window within a screen</source>
        <translation>сменить активное окно в пределах экрана</translation>
    </message>
    <message>
        <source>change back an active window in a screen</source>
        <translation>сменить активное окно в пределах экрана в обратном порядке</translation>
    </message>
    <message>
        <source>make the desktop active</source>
        <translation>сделать активным рабочий стол</translation>
    </message>
    <message>
        <source>Window Manager</source>
        <translation>Оконный менеджер</translation>
    </message>
    <message>
        <source>restart vyr-wm</source>
        <translation>перезапустить vyr-wm</translation>
    </message>
    <message>
        <source>lock screen</source>
        <translation>заблокировать экран</translation>
    </message>
    <message>
        <source>standby</source>
        <translation>ждущий режим</translation>
    </message>
    <message>
        <source>suspend</source>
        <translation>спящий режим</translation>
    </message>
    <message>
        <source>hibernate</source>
        <translation>гибернация</translation>
    </message>
    <message>
        <source>change user</source>
        <translation>сменить пользователя</translation>
    </message>
    <message>
        <source>change/switch user</source>
        <translation>сменить/переключить пользователя</translation>
    </message>
    <message>
        <source>postpone session</source>
        <translation>отложить сеанс</translation>
    </message>
    <message>
        <source>suspend screensaver</source>
        <translation>приостановить хранитель экрана</translation>
    </message>
    <message>
        <source>resume screensaver</source>
        <translation>возобновить хранитель экрана</translation>
    </message>
    <message>
        <source>exit vyr-wm</source>
        <translation>выйти из vyr-wm</translation>
    </message>
    <message>
        <source>reboot</source>
        <translation>перезагрузить</translation>
    </message>
    <message>
        <source>shutdown</source>
        <translation>выключить</translation>
    </message>
    <message>
        <source>dpms on</source>
        <translation>включить монитор (DPMS)</translation>
    </message>
    <message>
        <source>dpms off</source>
        <translation>выключить монитор (DPMS)</translation>
    </message>
    <message>
        <source>dpms toggle</source>
        <translation>включить/выключить монитор (DPMS)</translation>
    </message>
    <message>
        <source>previous wallpaper</source>
        <translation>предыдущие обои</translation>
    </message>
    <message>
        <source>next wallpaper</source>
        <translation>следующие обои</translation>
    </message>
</context>
<context>
    <name>HotkeysStartup</name>
    <message>
        <source>Usage: vyr-admin-hotkeys filepath - open/create file as hotkeys coll
</source>
        <translation>Использование: vyr-admin-hotkeys путь — открыть или создать файл сочетаний клавиш
</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>File %1 doesn&apos;t exist. Create?</source>
        <translation>Файл %1 не существует. Создать его?</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Can&apos;t open/create file:
%1</source>
        <translation>Не удаётся открыть или создать файл:
%1</translation>
    </message>
    <message>
        <source>Can&apos;t parse file:
%1</source>
        <translation>Не удаётся разобрать файл:
%1</translation>
    </message>
</context>
<context>
    <name>KeysConfForm</name>
    <message>
        <source>&amp;New file</source>
        <translation>&amp;Новый файл</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>&amp;Restore...</source>
        <translation>&amp;Восстановить...</translation>
    </message>
    <message>
        <source>Restore user&apos;s keyshortcutrc file from system one</source>
        <translation>Восстановить файл keyshortcutrc пользователя из системного</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Сохранить</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>&amp;New action</source>
        <translation>&amp;Новое действие</translation>
    </message>
    <message>
        <source>&amp;Clone</source>
        <translation>&amp;Дублировать</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Изменить</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Действие</translation>
    </message>
    <message>
        <source>Current Key</source>
        <translation>Сочетание клавиш</translation>
    </message>
    <message>
        <source>vyr-wm function</source>
        <translation>Функция vyr-wm</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Источник</translation>
    </message>
    <message>
        <source>Choose a Key for the Selected Action</source>
        <translation>Сочетание клавиш для выбранного действия</translation>
    </message>
    <message>
        <source>Assign Key:</source>
        <translation>Назначить:</translation>
    </message>
    <message>
        <source>Clear Key</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>Actions toolbar</source>
        <translation>Панель действий</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Can&apos;t parse file:
%1</source>
        <translation>Не удаётся разобрать файл:
%1</translation>
    </message>
    <message>
        <source>Vyr hotkeys editor</source>
        <translation>Редактор сочетаний клавиш Vyr</translation>
    </message>
    <message>
        <source>user</source>
        <translation>пользователь</translation>
    </message>
    <message>
        <source>system</source>
        <translation>система</translation>
    </message>
    <message>
        <source>Whoopsie! Key conflict.</source>
        <translation>Конфликт сочетаний клавиш</translation>
    </message>
    <message>
        <source>Ouch! The %1 key combination has already been allocated
to the %2 action (%3).

Please choose a unique key combination.</source>
        <translation>Сочетание клавиш %1 уже назначено
действию «%3» (%2).

Выберите другое сочетание.</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удаление</translation>
    </message>
    <message>
        <source>Are you sure to delete this action?</source>
        <translation>Удалить это действие?</translation>
    </message>
    <message>
        <source>Save ?</source>
        <translation>Сохранить?</translation>
    </message>
    <message>
        <source>Save previous changes?</source>
        <translation>Сохранить сделанные изменения?</translation>
    </message>
    <message>
        <source>Select hotkeys file</source>
        <translation>Выбор файла сочетаний клавиш</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Can&apos;t create file </source>
        <translation>Не удаётся создать файл </translation>
    </message>
    <message>
        <source>Can&apos;t save in file </source>
        <translation>Не удаётся сохранить в файл </translation>
    </message>
    <message>
        <source>All changes will be lost. Save them?</source>
        <translation>Все изменения будут потеряны. Сохранить их?</translation>
    </message>
    <message>
        <source>Can&apos;t restore file %1 from %2</source>
        <translation>Не удаётся восстановить файл %1 из %2</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>You current file is &quot;%1&quot;.
After restart vyr-wm will use &quot;%2&quot;.</source>
        <translation>Сейчас открыт файл «%1».
После перезапуска vyr-wm будет использовать «%2».</translation>
    </message>
</context>
<context>
    <name>SelectCommandDialog</name>
    <message>
        <source>Select Command</source>
        <translation>Выбор команды</translation>
    </message>
    <message>
        <source>Command:</source>
        <translation>Команда:</translation>
    </message>
    <message>
        <source>Choose a program from the menu</source>
        <translation>Выбрать программу из меню</translation>
    </message>
    <message>
        <source>Open executable</source>
        <translation>Выбор исполняемого файла</translation>
    </message>
    <message>
        <source>File doesn&apos;t exist</source>
        <translation>Файл не существует</translation>
    </message>
    <message>
        <source>File you have selected doesn&apos;t exist. Do you want to choose another one?</source>
        <translation>Выбранный файл не существует. Выбрать другой?</translation>
    </message>
    <message>
        <source>File isn&apos;t executable</source>
        <translation>Файл не является исполняемым</translation>
    </message>
    <message>
        <source>You can&apos;t exec selected file. Do you want to choose another one?</source>
        <translation>Выбранный файл нельзя запустить. Выбрать другой?</translation>
    </message>
</context>
<context>
    <name>vyrInit</name>
    <message>
        <source>Vyr hotkeys editor</source>
        <translation>Редактор сочетаний клавиш Vyr</translation>
    </message>
</context>
</TS>
