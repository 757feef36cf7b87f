<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>AspectRatioPixmapLabel</name>
    <message>
        <source>Sorry</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>%1 does not appear to be an image file.
Please use files of these formats:
%2</source>
        <translation>%1, по-видимому, не является изображением.
Используйте файлы следующих форматов:
%2</translation>
    </message>
</context>
<context>
    <name>CompositorConfig</name>
    <message>
        <source>the settings cannot be stored in this file</source>
        <translation>в этом файле нельзя сохранить настройки</translation>
    </message>
</context>
<context>
    <name>ConfigDialog</name>
    <message>
        <source>Vyr Theme Editor</source>
        <translation>Настройка оформления Vyr</translation>
    </message>
    <message>
        <source>Restore...</source>
        <translation>Сбросить...</translation>
    </message>
    <message>
        <source>Restore all settings.
</source>
        <translation>Сбросить все настройки.
</translation>
    </message>
    <message>
        <source>All changes will be lost and restart session will be required.</source>
        <translation>Все изменения будут потеряны, потребуется перезапуск сеанса.</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Экспорт...</translation>
    </message>
    <message>
        <source>Export all settings.
</source>
        <translation>Экспортировать все настройки.
</translation>
    </message>
    <message>
        <source>All settings will be saved in archive.</source>
        <translation>Все настройки будут сохранены в архив.</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Импорт...</translation>
    </message>
    <message>
        <source>Import all settings.
</source>
        <translation>Импортировать все настройки.
</translation>
    </message>
    <message>
        <source>All settings will be rewritten from archive and restart session will be required.</source>
        <translation>Все настройки будут заменены настройками из архива, потребуется перезапуск сеанса.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Your session has high MIC level. Some exterior changes are unavalable.</source>
        <translation>Сеанс работает с высоким уровнем целостности. Некоторые настройки внешнего вида недоступны.</translation>
    </message>
    <message>
        <source>Save ?</source>
        <translation>Сохранить?</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Сохранить изменения?</translation>
    </message>
    <message>
        <source>Some changes could not be saved. The window stays open so that they are not lost.</source>
        <translation>Не все изменения удалось сохранить. Окно остаётся открытым, чтобы они не потерялись.</translation>
    </message>
    <message>
        <source>All Vyr settings</source>
        <translation>Все настройки Vyr</translation>
    </message>
    <message>
        <source>Theme only</source>
        <translation>Только тему</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>After restore your session will be closed, are you ready?
If yes then close all applications, select restore type and press Yes

Restore type:</source>
        <translation>После сброса сеанс будет завершён. Продолжить?
Если да, закройте все приложения, выберите, что сбросить, и нажмите «Да»

Сбросить:</translation>
    </message>
    <message>
        <source>Yes, reset and close session</source>
        <translation>Да, сбросить и завершить сеанс</translation>
    </message>
    <message>
        <source>Can&apos;t remove %1.</source>
        <translation>Не удаётся удалить %1.</translation>
    </message>
    <message>
        <source>Archives (*.tgz *.tar.gz)</source>
        <translation>Архивы (*.tgz *.tar.gz)</translation>
    </message>
    <message>
        <source>The archive cannot be imported: %1.</source>
        <translation>Архив нельзя импортировать: %1.</translation>
    </message>
    <message>
        <source>The archive cannot be imported: %1: %2.</source>
        <translation>Архив нельзя импортировать: %1: %2.</translation>
    </message>
    <message>
        <source>The window manager is not running; the archive was not scheduled for unpacking.</source>
        <translation>Оконный менеджер не запущен; распаковка архива не запланирована.</translation>
    </message>
    <message>
        <source>Import done</source>
        <translation>Импорт выполнен</translation>
    </message>
    <message>
        <source>You need to exit and restart session. Do it now (recommended)?</source>
        <translation>Необходимо выйти и заново начать сеанс. Сделать это сейчас (рекомендуется)?</translation>
    </message>
    <message>
        <source>Wallpaper</source>
        <translation>Обои</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Тема</translation>
    </message>
    <message>
        <source>Fonts</source>
        <translation>Шрифты</translation>
    </message>
    <message>
        <source>Screensaver</source>
        <translation>Заставка</translation>
    </message>
    <message>
        <source>Effects</source>
        <translation>Эффекты</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Программы</translation>
    </message>
</context>
<context>
    <name>EffectForm</name>
    <message>
        <source>Windows</source>
        <translation>Окна</translation>
    </message>
    <message>
        <source>For Windows:</source>
        <translation>Для окон:</translation>
    </message>
    <message>
        <source>Default placement:</source>
        <translation>Размещение по умолчанию:</translation>
    </message>
    <message>
        <source>Default window placement</source>
        <translation>Размещение новых окон по умолчанию</translation>
    </message>
    <message>
        <source>Window position. Useless if application set own position for window.

If &quot;Smart placement&quot; option is not set then this option will define new window position.

If &quot;Smart placement&quot; option is set then this option will be applied if no free space found only.</source>
        <translation>Положение окна. Не действует, если приложение само задаёт положение своего окна.

Если «Умное размещение» выключено, этот параметр задаёт положение нового окна.

Если «Умное размещение» включено, этот параметр применяется, только когда свободное место не найдено.</translation>
    </message>
    <message>
        <source>Smart placement if possible</source>
        <translation>Умное размещение, если возможно</translation>
    </message>
    <message>
        <source>Search free area to map window</source>
        <translation>Искать для нового окна свободное место</translation>
    </message>
    <message>
        <source>Opaque move</source>
        <translation>Перемещение с содержимым</translation>
    </message>
    <message>
        <source>Opaque window move</source>
        <translation>Показывать содержимое окна при перемещении</translation>
    </message>
    <message>
        <source>Opaque resize</source>
        <translation>Изменение размера с содержимым</translation>
    </message>
    <message>
        <source>Opaque window resize</source>
        <translation>Показывать содержимое окна при изменении размера</translation>
    </message>
    <message>
        <source>Snapping move</source>
        <translation>Прилипание при перемещении</translation>
    </message>
    <message>
        <source>Propose window snapping when move</source>
        <translation>Предлагать прикрепление окна к краю при перемещении</translation>
    </message>
    <message>
        <source>Snapping resize</source>
        <translation>Прилипание при изменении размера</translation>
    </message>
    <message>
        <source>Propose window snapping when resize</source>
        <translation>Предлагать прикрепление окна к краю при изменении размера</translation>
    </message>
    <message>
        <source>Restore size after de-snap</source>
        <translation>Восстанавливать размер после открепления</translation>
    </message>
    <message>
        <source>Snapped to top is maximized</source>
        <translation>Прикреплённое к верху окно разворачивается</translation>
    </message>
    <message>
        <source>Resize snapped together</source>
        <translation>Менять размер прикреплённых окон вместе</translation>
    </message>
    <message>
        <source>Animation:</source>
        <translation>Анимация:</translation>
    </message>
    <message>
        <source>GradWindowMapSpeed:</source>
        <translation>Появление окон:</translation>
    </message>
    <message>
        <source>Speed of window map/unmap</source>
        <translation>Скорость появления и исчезновения окон</translation>
    </message>
    <message>
        <source>StartMenuMapSpeed:</source>
        <translation>Меню «Пуск»:</translation>
    </message>
    <message>
        <source>Speed of start menu show animation</source>
        <translation>Скорость анимации появления меню «Пуск»</translation>
    </message>
    <message>
        <source>ArrangeWindowSpeed:</source>
        <translation>Расстановка окон:</translation>
    </message>
    <message>
        <source>Speed of windows minimize-maximize, restore, rearrange</source>
        <translation>Скорость сворачивания, разворачивания, восстановления и расстановки окон</translation>
    </message>
    <message>
        <source>GradWindowMapStyle:</source>
        <translation>Стиль появления окон:</translation>
    </message>
    <message>
        <source>Style of window map/ummap</source>
        <translation>Стиль появления и исчезновения окон</translation>
    </message>
    <message>
        <source>Composite:</source>
        <translation>Композитинг:</translation>
    </message>
    <message>
        <source>Composite effect, available for some video cards only</source>
        <translation>Композитные эффекты; доступны не для всех видеокарт</translation>
    </message>
    <message>
        <source>Windows Preview</source>
        <translation>Миниатюры окон</translation>
    </message>
    <message>
        <source>Windows thumbnails in taskbar, task switcher, desktop pages, etc.</source>
        <translation>Миниатюры окон на панели задач, в переключателе задач, на страницах рабочих столов и т. д.</translation>
    </message>
    <message>
        <source>&amp;Composite Manager:</source>
        <translation>&amp;Композитный менеджер:</translation>
    </message>
    <message>
        <source>Disable composite manager to speed up desktop drawing or to fix onscreen artefacts if any</source>
        <translation>Отключите композитный менеджер, чтобы ускорить отрисовку рабочего стола или избавиться от артефактов на экране</translation>
    </message>
    <message>
        <source>Transparency of windows</source>
        <translation>Прозрачность окон</translation>
    </message>
    <message>
        <source>Transparency of some GUI elements.</source>
        <translation>Прозрачность некоторых элементов интерфейса.</translation>
    </message>
    <message>
        <source>Shadow</source>
        <translation>Тень</translation>
    </message>
    <message>
        <source>Show shadow for windows</source>
        <translation>Показывать тень окон</translation>
    </message>
    <message>
        <source>Shadow on focus only</source>
        <translation>Тень только у активного окна</translation>
    </message>
    <message>
        <source>Show shadow for active window only</source>
        <translation>Показывать тень только у активного окна</translation>
    </message>
    <message>
        <source>Round corners</source>
        <translation>Скруглённые углы</translation>
    </message>
    <message>
        <source>Round corners for windows</source>
        <translation>Скруглять углы окон</translation>
    </message>
    <message>
        <source>Animation</source>
        <translation>Анимация</translation>
    </message>
    <message>
        <source>Fading</source>
        <translation>Плавное появление</translation>
    </message>
    <message>
        <source>Vertical synchronization</source>
        <translation>Вертикальная синхронизация</translation>
    </message>
    <message>
        <source>Synchronise the compositor&apos;s screen updates with the refresh of the monitor, so that moving pictures do not tear. Switch it off when windows follow the mouse with a delay.</source>
        <translation>Согласовывать обновление экрана композитным менеджером с частотой обновления монитора, чтобы движущееся изображение не разрывалось. Выключите, если окна следуют за мышью с запаздыванием.</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Прочее</translation>
    </message>
    <message>
        <source>Transparency:</source>
        <translation>Прозрачность:</translation>
    </message>
    <message>
        <source>MenuTransparency:</source>
        <translation>Меню, слева:</translation>
    </message>
    <message>
        <source>menu transparency left side value</source>
        <translation>прозрачность меню у левого края</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>MenuTransparency2:</source>
        <translation>Меню, справа:</translation>
    </message>
    <message>
        <source>menu transparency right side value</source>
        <translation>прозрачность меню у правого края</translation>
    </message>
    <message>
        <source>Switch windows on all pages</source>
        <translation>Переключать окна на всех рабочих столах</translation>
    </message>
    <message>
        <source>Switch windows on all pages or inside current page only</source>
        <translation>Переключать окна всех рабочих столов или только текущего</translation>
    </message>
    <message>
        <source>For Taskbar:</source>
        <translation>Для панели задач:</translation>
    </message>
    <message>
        <source>TaskbarShowDelay:</source>
        <translation>Задержка появления:</translation>
    </message>
    <message>
        <source>autohided taskbar show delay (ms)</source>
        <translation>задержка появления автоскрываемой панели задач (мс)</translation>
    </message>
    <message>
        <source>ms</source>
        <translation> мс</translation>
    </message>
    <message>
        <source>TaskbarHideDelay:</source>
        <translation>Задержка скрытия:</translation>
    </message>
    <message>
        <source>autohided taskbar hide delay (ms)</source>
        <translation>задержка скрытия автоскрываемой панели задач (мс)</translation>
    </message>
    <message>
        <source>GradTaskbarMotionSpeed:</source>
        <translation>Скорость выдвижения:</translation>
    </message>
    <message>
        <source>speed of autohided taskbar map/unmap</source>
        <translation>скорость появления и скрытия автоскрываемой панели задач</translation>
    </message>
    <message>
        <source>For desktop menus and classic start menu:</source>
        <translation>Для меню рабочего стола и классического меню «Пуск»:</translation>
    </message>
    <message>
        <source>MenuDelayTime:</source>
        <translation>Задержка открытия:</translation>
    </message>
    <message>
        <source>popup submenu show delay (ms)</source>
        <translation>задержка открытия подменю (мс)</translation>
    </message>
    <message>
        <source>MenuDelayTime2:</source>
        <translation>Задержка закрытия:</translation>
    </message>
    <message>
        <source>popup submenu hide delay (ms)</source>
        <translation>задержка закрытия подменю (мс)</translation>
    </message>
    <message>
        <source>GradMenuMapSpeed:</source>
        <translation>Скорость появления:</translation>
    </message>
    <message>
        <source>menu map animation speed</source>
        <translation>скорость анимации появления меню</translation>
    </message>
    <message>
        <source>&amp;Autopaging:</source>
        <translation>&amp;Переход по краю экрана:</translation>
    </message>
    <message>
        <source>PagingBeltSize:</source>
        <translation>Ширина полосы:</translation>
    </message>
    <message>
        <source>Screen edge area for autopaging</source>
        <translation>Полоса у края экрана, при подведении к которой происходит переход на соседний рабочий стол</translation>
    </message>
    <message>
        <source>pix</source>
        <translation> пикс.</translation>
    </message>
    <message>
        <source>PagingResistance:</source>
        <translation>Сопротивление:</translation>
    </message>
    <message>
        <source>Autopaging resistance</source>
        <translation>Сопротивление перехода на соседний рабочий стол</translation>
    </message>
    <message>
        <source>PagingShiftCursor:</source>
        <translation>Сдвиг курсора:</translation>
    </message>
    <message>
        <source>Shift cursor from edge when autopaging</source>
        <translation>На сколько сдвигать курсор от края при переходе</translation>
    </message>
    <message>
        <source>PagingSpeed:</source>
        <translation>Скорость перехода:</translation>
    </message>
    <message>
        <source>Autopaging speed</source>
        <translation>Скорость перехода на соседний рабочий стол</translation>
    </message>
    <message>
        <source>Drag-and-drop indication</source>
        <translation>Подсветка при перетаскивании</translation>
    </message>
    <message>
        <source>Show desktop place will be used when drop</source>
        <translation>Показывать место на рабочем столе, куда будет брошен объект</translation>
    </message>
</context>
<context>
    <name>EffectPage</name>
    <message>
        <source>NorthWest</source>
        <translation>Слева вверху</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Can&apos;t find composite manager %1.</source>
        <translation>Композитный менеджер %1 не найден.</translation>
    </message>
    <message>
        <source>Composite manager started manually or from autostart.
We don&apos;t recommend manage it here in that case.</source>
        <translation>Композитный менеджер запущен вручную или через автозапуск.
В этом случае управлять им отсюда не рекомендуется.</translation>
    </message>
    <message>
        <source>Compositing is enabed, but composite manager isn&apos;t started now.
Exit and enter in session again to start compositor with vyr.</source>
        <translation>Композитинг включён, но композитный менеджер сейчас не запущен.
Чтобы vyr запустил его, выйдите из сеанса и войдите снова.</translation>
    </message>
    <message>
        <source>Can&apos;t read from file %1</source>
        <translation>Не удаётся прочитать файл %1</translation>
    </message>
    <message>
        <source>Can&apos;t create file %1</source>
        <translation>Не удаётся создать файл %1</translation>
    </message>
    <message>
        <source>Can&apos;t write to file %1</source>
        <translation>Не удаётся записать в файл %1</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
</context>
<context>
    <name>FontAASettings</name>
    <message>
        <source>RGB</source>
        <translation>RGB</translation>
    </message>
    <message>
        <source>BGR</source>
        <translation>BGR</translation>
    </message>
    <message>
        <source>Vertical RGB</source>
        <translation>Вертикальный RGB</translation>
    </message>
    <message>
        <source>Vertical BGR</source>
        <translation>Вертикальный BGR</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Slight</source>
        <translation>Лёгкое</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Полное</translation>
    </message>
</context>
<context>
    <name>FontAASettingsForm</name>
    <message>
        <source>Configure Anti-Alias Settings</source>
        <translation>Настройка сглаживания</translation>
    </message>
    <message>
        <source>Don&apos;t apply antialiasing for fonts size range</source>
        <translation>Не сглаживать шрифты в диапазоне размеров</translation>
    </message>
    <message>
        <source>E&amp;xclude range:</source>
        <translation>&amp;Исключить диапазон:</translation>
    </message>
    <message>
        <source> pix</source>
        <translation> пикс.</translation>
    </message>
    <message>
        <source> to </source>
        <translation> до </translation>
    </message>
    <message>
        <source>&amp;Use sub-pixel rendering:</source>
        <translation>&amp;Субпиксельное сглаживание:</translation>
    </message>
    <message>
        <source>&lt;p&gt;If you have a TFT or LCD screen, fonts can look sharper when each colour stripe of a pixel is lit on its own.&lt;/p&gt;&lt;p&gt;Choose the order in which the stripes lie on your screen: side by side (RGB, BGR) or one above the other (vertical). On a CRT screen leave this off.&lt;/p&gt;</source>
        <translation>&lt;p&gt;На ЖК-экране шрифты могут выглядеть чётче, если каждая цветная полоска пикселя светится отдельно.&lt;/p&gt;&lt;p&gt;Выберите порядок полосок на вашем экране: рядом друг с другом (RGB, BGR) или одна над другой (вертикальный). На ЭЛТ-мониторе оставьте этот параметр выключенным.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Hinting style: </source>
        <translation>Хинтинг: </translation>
    </message>
    <message>
        <source>Hinting is a process used to enhance the quality of fonts at small sizes.</source>
        <translation>Хинтинг улучшает качество отображения шрифтов малых размеров.</translation>
    </message>
</context>
<context>
    <name>FontPage</name>
    <message>
        <source>General</source>
        <translation>Основной</translation>
    </message>
    <message>
        <source>Default.</source>
        <translation>Шрифт по умолчанию.</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Заголовок</translation>
    </message>
    <message>
        <source>Window titles.</source>
        <translation>Заголовки окон.</translation>
    </message>
    <message>
        <source>Start Menu</source>
        <translation>Меню «Пуск»</translation>
    </message>
    <message>
        <source>Start menu.</source>
        <translation>Меню «Пуск».</translation>
    </message>
    <message>
        <source>Control Menu</source>
        <translation>Меню окна</translation>
    </message>
    <message>
        <source>Control menus.</source>
        <translation>Меню окон.</translation>
    </message>
    <message>
        <source>Dialog</source>
        <translation>Диалоги</translation>
    </message>
    <message>
        <source>Dialogs.</source>
        <translation>Диалоговые окна.</translation>
    </message>
    <message>
        <source>Taskbar</source>
        <translation>Панель задач</translation>
    </message>
    <message>
        <source>Taskbar.</source>
        <translation>Панель задач.</translation>
    </message>
    <message>
        <source>Taskbar bold</source>
        <translation>Панель задач, жирный</translation>
    </message>
    <message>
        <source>Taskbar bold.</source>
        <translation>Жирный шрифт панели задач.</translation>
    </message>
    <message>
        <source>Taskbar clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Taskbar clock.</source>
        <translation>Часы на панели задач.</translation>
    </message>
    <message>
        <source>Taskbar date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Taskbar date.</source>
        <translation>Дата на панели задач.</translation>
    </message>
    <message>
        <source>Taskbar lang</source>
        <translation>Раскладка</translation>
    </message>
    <message>
        <source>Taskbar language indicator.</source>
        <translation>Индикатор раскладки на панели задач.</translation>
    </message>
    <message>
        <source>Icon</source>
        <translation>Значки</translation>
    </message>
    <message>
        <source>Icons.</source>
        <translation>Подписи значков.</translation>
    </message>
    <message>
        <source>Tooltip</source>
        <translation>Подсказки</translation>
    </message>
    <message>
        <source>Tooltips.</source>
        <translation>Всплывающие подсказки.</translation>
    </message>
</context>
<context>
    <name>FontSettings</name>
    <message>
        <source>cannot remove %1: %2</source>
        <translation>не удаётся удалить %1: %2</translation>
    </message>
</context>
<context>
    <name>KFonts</name>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Font will be saved and used without underline, overline, strikeout.</source>
        <translation>Шрифт будет сохранён и использован без подчёркивания, надчёркивания и зачёркивания.</translation>
    </message>
    <message>
        <source>Font Settings</source>
        <translation>Настройка шрифтов</translation>
    </message>
    <message>
        <source>Font Settings Changed</source>
        <translation>Настройки шрифтов изменены</translation>
    </message>
    <message>
        <source>&lt;p&gt;Some changes such as anti-aliasing or DPI will only affect newly started applications.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Некоторые изменения, например сглаживание или DPI, подействуют только на вновь запущенные приложения.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Attention!</source>
        <translation>Внимание!</translation>
    </message>
    <message>
        <source>Font &apos;%1&apos; has no cyrillic. Save anyway?</source>
        <translation>В шрифте «%1» нет кириллицы. Всё равно сохранить?</translation>
    </message>
</context>
<context>
    <name>KFontsForm</name>
    <message>
        <source>Click to change all fonts</source>
        <translation>Изменить все шрифты сразу</translation>
    </message>
    <message>
        <source>Ad&amp;just All Fonts...</source>
        <translation>&amp;Настроить все шрифты...</translation>
    </message>
    <message>
        <source>Use a&amp;nti-aliasing:</source>
        <translation>&amp;Сглаживание:</translation>
    </message>
    <message>
        <source>Select options to enable/disable smooth the edges of curves in fonts.</source>
        <translation>Включение или отключение сглаживания краёв кривых в шрифтах.</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Включено</translation>
    </message>
    <message>
        <source>System Settings</source>
        <translation>Системные настройки</translation>
    </message>
    <message>
        <source>Disabled</source>
        <translation>Выключено</translation>
    </message>
    <message>
        <source>Configure...</source>
        <translation>Настроить...</translation>
    </message>
    <message>
        <source>Force fonts DPI:</source>
        <translation>Задать DPI шрифтов:</translation>
    </message>
    <message>
        <source>&lt;p&gt;This option forces a specific DPI value for fonts. Use it when the screen&apos;s real DPI is not detected correctly, or when the fonts in use look right only at one value such as 96 or 120.&lt;/p&gt;&lt;p&gt;Where possible, set the DPI for the whole X server instead. When fonts render poorly at the real DPI, other fonts or other hinting settings are usually the better remedy.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Этот параметр задаёт для шрифтов определённое значение DPI. Используйте его, если настоящее DPI экрана определяется неверно или если используемые шрифты хорошо выглядят только при одном значении, например 96 или 120.&lt;/p&gt;&lt;p&gt;По возможности лучше задать DPI для всего X-сервера. Если шрифты плохо выглядят при настоящем DPI, обычно лучше подобрать другие шрифты или другие настройки хинтинга.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source> dpi</source>
        <translation> dpi</translation>
    </message>
</context>
<context>
    <name>KXftConfig</name>
    <message>
        <source>%1: cannot read: %2</source>
        <translation>%1: не удаётся прочитать: %2</translation>
    </message>
    <message>
        <source>%1:%2:%3: not well-formed XML (%4); the file is left as it is</source>
        <translation>%1:%2:%3: ошибка в XML (%4); файл оставлен без изменений</translation>
    </message>
    <message>
        <source>%1: not a fontconfig document (root &lt;%2&gt;); the file is left as it is</source>
        <translation>%1: не является документом fontconfig (корневой элемент &lt;%2&gt;); файл оставлен без изменений</translation>
    </message>
    <message>
        <source>%1: cannot prepare the atomic write</source>
        <translation>%1: не удаётся подготовить атомарную запись</translation>
    </message>
    <message>
        <source>%1: cannot lock the file (is another program writing it?)</source>
        <translation>%1: не удаётся заблокировать файл (возможно, в него пишет другая программа)</translation>
    </message>
    <message>
        <source>%1: cannot write %2: %3</source>
        <translation>%1: не удаётся записать %2: %3</translation>
    </message>
    <message>
        <source>%1: cannot replace the file</source>
        <translation>%1: не удаётся заменить файл</translation>
    </message>
    <message>
        <source>%1: cannot be read; not overwritten</source>
        <translation>%1: не удаётся прочитать; файл не перезаписан</translation>
    </message>
    <message>
        <source>%1: cannot create the directory %2</source>
        <translation>%1: не удаётся создать папку %2</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>The desktop look and feel is not editable in your kiosk environment.</source>
        <translation>В режиме киоска оформление рабочего стола изменять нельзя.</translation>
    </message>
    <message>
        <source>New cursor size will be applied to newly started apps</source>
        <translation>Новый размер курсора будет применён к вновь запущенным приложениям</translation>
    </message>
    <message>
        <source>New cursor theme will be applied to newly started apps</source>
        <translation>Новая тема курсоров будет применена к вновь запущенным приложениям</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
</context>
<context>
    <name>ScreensaverForm</name>
    <message>
        <source>Screensaver</source>
        <translation>Заставка</translation>
    </message>
    <message>
        <source>Screen Locker</source>
        <translation>Блокировка экрана</translation>
    </message>
    <message>
        <source>After Inactivity</source>
        <translation>После бездействия</translation>
    </message>
    <message>
        <source>Start screen locker after time, if 0 then start never</source>
        <translation>Время до блокировки экрана; 0 — не блокировать</translation>
    </message>
    <message>
        <source>When screen locked:</source>
        <translation>Блокировать экран:</translation>
    </message>
    <message>
        <source>Screen blank</source>
        <translation>При гашении экрана</translation>
    </message>
    <message>
        <source>Lock after DPMS:</source>
        <translation>Блокировка после гашения:</translation>
    </message>
    <message>
        <source>Delay seconds between DPMS and screen lock</source>
        <translation>Задержка в секундах между гашением экрана и блокировкой</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>При переходе в сон</translation>
    </message>
    <message>
        <source>Session switched</source>
        <translation>При смене сеанса</translation>
    </message>
    <message>
        <source>Lid closed</source>
        <translation>При закрытии крышки</translation>
    </message>
    <message>
        <source>DPMS off after:</source>
        <translation>Гасить экран через:</translation>
    </message>
    <message>
        <source>Switch monitor off after screen locked, 0 - never </source>
        <translation>Время от блокировки экрана до выключения монитора; 0 — не выключать</translation>
    </message>
    <message>
        <source>If password is wrong:</source>
        <translation>При неверном пароле:</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Timeout after failed authentication</source>
        <translation>Пауза после неудачной попытки входа</translation>
    </message>
    <message>
        <source>Bell level</source>
        <translation>Громкость сигнала</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Bell sound volume after failed authentication.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;If volume is 0 then no sound.&lt;/p&gt;&lt;p&gt;If pulse audio server is not run, but your have conneted internal PC speaker device, then it is volume for PC speaker.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;b&gt;Громкость сигнала после неудачной попытки входа.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;При громкости 0 сигнала нет.&lt;/p&gt;&lt;p&gt;Если звуковой сервер PulseAudio не запущен, но подключён встроенный динамик компьютера, это громкость динамика.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Disable console switching</source>
        <translation>Запретить переключение на консоль</translation>
    </message>
    <message>
        <source>Lock console switching when screen locked</source>
        <translation>Запрещать переключение на текстовые консоли при заблокированном экране</translation>
    </message>
    <message>
        <source>Disable external connections to X server</source>
        <translation>Запретить внешние подключения к X-серверу</translation>
    </message>
    <message>
        <source>Disable start any graphical applications after screen locked</source>
        <translation>Запрещать запуск графических приложений при заблокированном экране</translation>
    </message>
    <message>
        <source>Power management...</source>
        <translation>Управление питанием...</translation>
    </message>
    <message>
        <source>Slideshow settings...</source>
        <translation>Настройка слайд-шоу...</translation>
    </message>
</context>
<context>
    <name>ScreensaverPage</name>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>You will not able to lock session if another user is logged in.</source>
        <translation>Если в системе работает другой пользователь, заблокировать сеанс не получится.</translation>
    </message>
    <message numerus="yes">
        <source> minute(s)</source>
        <translation>
            <numerusform> минута</numerusform>
            <numerusform> минуты</numerusform>
            <numerusform> минут</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> second(s)</source>
        <translation>
            <numerusform> секунда</numerusform>
            <numerusform> секунды</numerusform>
            <numerusform> секунд</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsArchive</name>
    <message>
        <source>Cannot copy %1 into %2: %3</source>
        <translation>Не удаётся скопировать %1 в %2: %3</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a gzip-compressed tar archive</source>
        <translation>%1 не является архивом tar, сжатым gzip</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 повреждён</translation>
    </message>
    <message>
        <source>a member has no name</source>
        <translation>у элемента архива нет имени</translation>
    </message>
    <message>
        <source>absolute name</source>
        <translation>абсолютный путь</translation>
    </message>
    <message>
        <source>&quot;..&quot; in the path</source>
        <translation>«..» в пути</translation>
    </message>
    <message>
        <source>device file</source>
        <translation>файл устройства</translation>
    </message>
    <message>
        <source>FIFO</source>
        <translation>именованный канал (FIFO)</translation>
    </message>
    <message>
        <source>member of an unsupported type</source>
        <translation>элемент неподдерживаемого типа</translation>
    </message>
    <message>
        <source>written through a link</source>
        <translation>запись через ссылку</translation>
    </message>
    <message>
        <source>not part of the settings</source>
        <translation>не относится к настройкам</translation>
    </message>
    <message>
        <source>link to %1, outside the home folder</source>
        <translation>ссылка на %1 за пределами домашней папки</translation>
    </message>
    <message>
        <source>link to %1, outside the settings</source>
        <translation>ссылка на %1 за пределами настроек</translation>
    </message>
</context>
<context>
    <name>SoundForm</name>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>Theme:</source>
        <translation>Тема:</translation>
    </message>
    <message>
        <source>Select one of sound themes or None to use internal default sounds</source>
        <translation>Выберите звуковую тему или «Без темы», чтобы использовать встроенные звуки</translation>
    </message>
    <message>
        <source>No theme</source>
        <translation>Без темы</translation>
    </message>
    <message>
        <source>Use sounds in window manager</source>
        <translation>Звуки оконного менеджера</translation>
    </message>
    <message>
        <source>Set default sounds for window manager</source>
        <translation>Установить звуки оконного менеджера по умолчанию</translation>
    </message>
    <message>
        <source>From theme</source>
        <translation>Из темы</translation>
    </message>
    <message>
        <source>Clear all sounds for window manager</source>
        <translation>Убрать все звуки оконного менеджера</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Идентификатор</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Комментарий</translation>
    </message>
    <message>
        <source>Select sound file for current event in list</source>
        <translation>Выбрать звуковой файл для выбранного события</translation>
    </message>
    <message>
        <source>Remove assignment sound file to event</source>
        <translation>Убрать звук у события</translation>
    </message>
    <message>
        <source>Restore default assignment sound to event</source>
        <translation>Вернуть событию звук по умолчанию</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Воспроизвести</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Mixer</source>
        <translation>Микшер</translation>
    </message>
</context>
<context>
    <name>SoundPage</name>
    <message>
        <source>Menu Popup</source>
        <translation>Открытие меню</translation>
    </message>
    <message>
        <source>Menu Command</source>
        <translation>Выбор пункта меню</translation>
    </message>
    <message>
        <source>Open Window</source>
        <translation>Открытие окна</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Закрытие окна</translation>
    </message>
    <message>
        <source>Restore Window up</source>
        <translation>Восстановление окна из свёрнутого</translation>
    </message>
    <message>
        <source>Restore Window down</source>
        <translation>Восстановление окна из развёрнутого</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Сворачивание окна</translation>
    </message>
    <message>
        <source>Maximize Window</source>
        <translation>Разворачивание окна</translation>
    </message>
    <message>
        <source>System Start</source>
        <translation>Вход в систему</translation>
    </message>
    <message>
        <source>System Exit</source>
        <translation>Выход из системы</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Блокировка экрана</translation>
    </message>
    <message>
        <source>Wrong locker password</source>
        <translation>Неверный пароль разблокировки</translation>
    </message>
    <message>
        <source>Error Dialog</source>
        <translation>Сообщение об ошибке</translation>
    </message>
    <message>
        <source>Forced Tray Message</source>
        <translation>Важное сообщение в системном лотке</translation>
    </message>
    <message>
        <source>Show OSD Notification</source>
        <translation>Экранное уведомление</translation>
    </message>
    <message>
        <source>Base Layout</source>
        <translation>Основная раскладка</translation>
    </message>
    <message>
        <source>Sound for switch to base keyboard layout</source>
        <translation>Звук при переключении на основную раскладку клавиатуры</translation>
    </message>
    <message>
        <source>Alternative Layout</source>
        <translation>Дополнительная раскладка</translation>
    </message>
    <message>
        <source>Sound for switch to alternative keyboard layout</source>
        <translation>Звук при переключении на дополнительную раскладку клавиатуры</translation>
    </message>
    <message>
        <source>No theme</source>
        <translation>Без темы</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Can&apos;t load sound theme &apos;%1&apos;</source>
        <translation>Не удаётся загрузить звуковую тему «%1»</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Can&apos;t find sound player, i.e. &apos;play&apos; or &apos;sndfile-play&apos; command.
Ask administrator to install &apos;sox&apos; or &apos;sndfile-programs&apos; package.</source>
        <translation>Не найдена программа воспроизведения звука («play» или «sndfile-play»).
Попросите администратора установить пакет «sox» или «sndfile-programs».</translation>
    </message>
    <message>
        <source>Not all files in theme &apos;%1&apos; are in supported formats (wav, ogg)
You should convert them to wav.</source>
        <translation>Не все файлы темы «%1» в поддерживаемых форматах (wav, ogg).
Преобразуйте их в wav.</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Выбор файла</translation>
    </message>
    <message>
        <source>Sounds (*.wav *.au *.ogg *.oga)</source>
        <translation>Звуки (*.wav *.au *.ogg *.oga)</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Sound &apos;%1&apos; doesn&apos;t exist</source>
        <translation>Звук «%1» не существует</translation>
    </message>
    <message>
        <source>Program %1 not found</source>
        <translation>Программа %1 не найдена</translation>
    </message>
    <message>
        <source>Can&apos;t start &apos;%1&apos;</source>
        <translation>Не удаётся запустить «%1»</translation>
    </message>
    <message>
        <source>Program %1 could not play the sound &apos;%2&apos;</source>
        <translation>Программе %1 не удалось воспроизвести звук «%2»</translation>
    </message>
    <message>
        <source>Can&apos;t start &apos;kmix&apos;</source>
        <translation>Не удаётся запустить «kmix»</translation>
    </message>
</context>
<context>
    <name>ThemeForm</name>
    <message>
        <source>Themes</source>
        <translation>Темы</translation>
    </message>
    <message>
        <source>Scheme:</source>
        <translation>Цветовая схема:</translation>
    </message>
    <message>
        <source>Select color scheme</source>
        <translation>Выбор цветовой схемы</translation>
    </message>
    <message>
        <source>Primary:</source>
        <translation>Основной цвет:</translation>
    </message>
    <message>
        <source>Background:</source>
        <translation>Цвет фона:</translation>
    </message>
    <message>
        <source>Icon string:</source>
        <translation>Подписи значков:</translation>
    </message>
    <message>
        <source>Autogenerate icon string color</source>
        <translation>Подбирать цвет подписей значков автоматически</translation>
    </message>
    <message>
        <source>Auto detect desktop icon text color based on undeneath wallpaper area</source>
        <translation>Подбирать цвет подписей значков рабочего стола по участку обоев под ними</translation>
    </message>
    <message>
        <source>Autogenerate and apply color scheme:</source>
        <translation>Создавать и применять цветовую схему:</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;If you choise &lt;b&gt;light&lt;/b&gt; or &lt;b&gt;dark&lt;/b&gt; and a wallpaper of your own (not vyr-default) with enough color variety then а &lt;b&gt;light&lt;/b&gt; or &lt;b&gt;dark&lt;/b&gt; color scheme can be built from such a wallpaper. Then this color scheme can be applied automatically together with wallpaper for visual color consistency.&lt;/p&gt;&lt;p&gt;Attention: not all wallpapers could be suitable to extract enough palette to build color scheme.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Если выбрать &lt;b&gt;светлую&lt;/b&gt; или &lt;b&gt;тёмную&lt;/b&gt; схему и собственные обои (не vyr-default) с достаточным разнообразием цветов, по этим обоям можно построить &lt;b&gt;светлую&lt;/b&gt; или &lt;b&gt;тёмную&lt;/b&gt; цветовую схему. Она будет применяться вместе с обоями, чтобы цвета сочетались.&lt;/p&gt;&lt;p&gt;Внимание: не из всех обоев удаётся извлечь палитру, достаточную для цветовой схемы.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>light</source>
        <translation>светлую</translation>
    </message>
    <message>
        <source>dark</source>
        <translation>тёмную</translation>
    </message>
    <message>
        <source>Cursors:</source>
        <translation>Курсоры:</translation>
    </message>
    <message>
        <source>Select your personal Cursor theme</source>
        <translation>Выбор темы курсоров</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>Icons:</source>
        <translation>Значки:</translation>
    </message>
    <message>
        <source>Select your personal Icon theme</source>
        <translation>Выбор темы значков</translation>
    </message>
    <message>
        <source>Decor:</source>
        <translation>Оформление:</translation>
    </message>
    <message>
        <source>Select your personal window and taskbar decoration theme</source>
        <translation>Выбор темы оформления окон и панели задач</translation>
    </message>
    <message>
        <source>Window title string is centered</source>
        <translation>Заголовок окна по центру</translation>
    </message>
    <message>
        <source>Sizes:</source>
        <translation>Размеры:</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Automatic dpi based sizes</source>
        <translation>Размеры по DPI экрана</translation>
    </message>
    <message>
        <source>Taskbar:</source>
        <translation>Панель задач:</translation>
    </message>
    <message>
        <source>Taskbar size</source>
        <translation>Высота панели задач</translation>
    </message>
    <message>
        <source>Desktop  icons:</source>
        <translation>Значки рабочего стола:</translation>
    </message>
    <message>
        <source>Desktop icons size</source>
        <translation>Размер значков рабочего стола</translation>
    </message>
    <message>
        <source>Titlebar:</source>
        <translation>Заголовок окна:</translation>
    </message>
    <message>
        <source>Window Titlebar height</source>
        <translation>Высота заголовка окна</translation>
    </message>
    <message>
        <source>Frame:</source>
        <translation>Рамка:</translation>
    </message>
    <message>
        <source>Window frame width</source>
        <translation>Ширина рамки окна</translation>
    </message>
    <message>
        <source>Combine taskbar buttons</source>
        <translation>Группировать кнопки на панели задач</translation>
    </message>
    <message>
        <source>No text in taskbar buttons</source>
        <translation>Кнопки панели задач без подписей</translation>
    </message>
    <message>
        <source>Monochrome icons on toolbars</source>
        <translation>Монохромные значки на панелях инструментов</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Use monochrome icons on toolbars of Qt applications.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Использовать монохромные значки на панелях инструментов приложений Qt.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Monochrome icons on taskbar</source>
        <translation>Монохромные значки на панели задач</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Use monochrome icons on taskbar, tray, start menu and in its context menus. Allowed with vyr-solva-flat solva and solva-vantera icon themes and default flat decorations.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Использовать монохромные значки на панели задач, в системном лотке, в меню «Пуск» и в его контекстных меню. Доступно с темами значков vyr-solva-flat, solva и solva-vantera и плоским оформлением по умолчанию.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Pager</source>
        <translation>Переключатель рабочих столов</translation>
    </message>
    <message>
        <source>Pager of virtual desktops</source>
        <translation>Переключатель виртуальных рабочих столов</translation>
    </message>
    <message>
        <source>Classic start menu</source>
        <translation>Классическое меню «Пуск»</translation>
    </message>
    <message>
        <source>Classic menu or panel</source>
        <translation>Классическое меню или панель</translation>
    </message>
    <message>
        <source>Taskbar on all monitors</source>
        <translation>Панель задач на всех мониторах</translation>
    </message>
    <message>
        <source>Place taskbar on every monitor</source>
        <translation>Размещать панель задач на каждом мониторе</translation>
    </message>
    <message>
        <source>Show &quot;My computer&quot; icon</source>
        <translation>Значок «Мой компьютер»</translation>
    </message>
    <message>
        <source>Show Trash icon</source>
        <translation>Значок «Корзина»</translation>
    </message>
    <message>
        <source>Run desktop items by one click</source>
        <translation>Открывать объекты рабочего стола одним щелчком</translation>
    </message>
    <message>
        <source>National flags in keyboard indicator</source>
        <translation>Флаги в индикаторе раскладки</translation>
    </message>
    <message>
        <source>Keep own keyboard layout for each window</source>
        <translation>Своя раскладка клавиатуры для каждого окна</translation>
    </message>
    <message>
        <source>Base keyboard layout for new window</source>
        <translation>Основная раскладка для новых окон</translation>
    </message>
    <message>
        <source>NumLock at start</source>
        <translation>Включать NumLock при запуске</translation>
    </message>
</context>
<context>
    <name>ThemePage</name>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Your session has high MIC level. Some decoration changes are not applicable.</source>
        <translation>Сеанс работает с высоким уровнем целостности. Некоторые изменения оформления неприменимы.</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
</context>
<context>
    <name>ThemePaths</name>
    <message>
        <source>no home directory</source>
        <translation>нет домашней папки</translation>
    </message>
</context>
<context>
    <name>VyrQtConfigPage</name>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Can&apos;t save the settings of Qt programs in %1:
%2</source>
        <translation>Не удаётся сохранить настройки программ Qt в %1:
%2</translation>
    </message>
</context>
<context>
    <name>WallpaperForm</name>
    <message>
        <source>Wallpaper:</source>
        <translation>Обои:</translation>
    </message>
    <message>
        <source>Full path to wallpaper file or color in #RRGGBB format</source>
        <translation>Полный путь к файлу обоев или цвет в формате #RRGGBB</translation>
    </message>
    <message>
        <source>File...</source>
        <translation>Файл...</translation>
    </message>
    <message>
        <source>Color...</source>
        <translation>Цвет...</translation>
    </message>
    <message>
        <source>&lt;p&gt;Use selected wallpaper for current virtual desktop only,&lt;/p&gt;&lt;p&gt;if multiple virtual desktops available.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Использовать выбранные обои только для текущего виртуального рабочего стола,&lt;/p&gt;&lt;p&gt;если рабочих столов несколько.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>for current desktop only</source>
        <translation>только этот рабочий стол</translation>
    </message>
    <message>
        <source>&lt;p&gt;Use selected wallpaper for current monitor only, &lt;/p&gt;&lt;p&gt;i.e. for monitor where this window is placed now.&lt;/p&gt;</source>
        <translation>&lt;p&gt;Использовать выбранные обои только для текущего монитора, &lt;/p&gt;&lt;p&gt;то есть того, на котором сейчас находится это окно.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>for current monitor only</source>
        <translation>только этот монитор</translation>
    </message>
    <message>
        <source>Position:</source>
        <translation>Положение:</translation>
    </message>
    <message>
        <source>How to fit wallpaper to desktop</source>
        <translation>Как обои размещаются на рабочем столе</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>Tile</source>
        <translation>Мозаикой</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Растянуть</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Вписать</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Заполнить</translation>
    </message>
    <message>
        <source>Slide-show:</source>
        <translation>Слайд-шоу:</translation>
    </message>
    <message>
        <source>Slide show interval (0 - no slide show)</source>
        <translation>Интервал смены обоев (0 — без слайд-шоу)</translation>
    </message>
    <message>
        <source>Logo:</source>
        <translation>Логотип:</translation>
    </message>
    <message>
        <source>Full path to logo file</source>
        <translation>Полный путь к файлу логотипа</translation>
    </message>
</context>
<context>
    <name>WallpaperPage</name>
    <message>
        <source>BottomRight</source>
        <translation>Справа внизу</translation>
    </message>
    <message>
        <source>BottomLeft</source>
        <translation>Слева внизу</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Внизу</translation>
    </message>
    <message>
        <source>TopRight</source>
        <translation>Справа вверху</translation>
    </message>
    <message>
        <source>TopLeft</source>
        <translation>Слева вверху</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Вверху</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Справа</translation>
    </message>
    <message>
        <source>In Center</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Слева</translation>
    </message>
    <message>
        <source>NotShow</source>
        <translation>Не показывать</translation>
    </message>
    <message>
        <source>Images (*.png *.xpm *.jpg *.jpeg *.svg)</source>
        <translation>Изображения (*.png *.xpm *.jpg *.jpeg *.svg)</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Your session has high MIC level. Some decoration changes are not applicable.</source>
        <translation>Сеанс работает с высоким уровнем целостности. Некоторые изменения оформления неприменимы.</translation>
    </message>
    <message>
        <source>Set default wallpaper</source>
        <translation>Обои по умолчанию</translation>
    </message>
    <message>
        <source>Set default logo</source>
        <translation>Логотип по умолчанию</translation>
    </message>
    <message>
        <source>Select wallpaper image file</source>
        <translation>Выбор файла обоев</translation>
    </message>
    <message>
        <source>File conversion</source>
        <translation>Преобразование файла</translation>
    </message>
    <message>
        <source>Selected file &apos;%1&apos; is in svg format
Would you like to convert it to png now?</source>
        <translation>Выбранный файл «%1» в формате SVG.
Преобразовать его в PNG сейчас?</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Файл существует</translation>
    </message>
    <message>
        <source>File &apos;%1&apos; already exists
Would you like to rewrite it now?</source>
        <translation>Файл «%1» уже существует.
Перезаписать его?</translation>
    </message>
    <message>
        <source>Select logo image file</source>
        <translation>Выбор файла логотипа</translation>
    </message>
    <message>
        <source>Image size %1x%2 is too large for logo. Resize it?</source>
        <translation>Изображение %1×%2 слишком велико для логотипа. Уменьшить его?</translation>
    </message>
    <message numerus="yes">
        <source> minute(s)</source>
        <translation>
            <numerusform> минута</numerusform>
            <numerusform> минуты</numerusform>
            <numerusform> минут</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vyr-admin-theme</name>
    <message>
        <source>Usage: </source>
        <translation>Использование: </translation>
    </message>
    <message>
        <source>1) vyr-admin-theme [pagename] [themefile]</source>
        <translation>1) vyr-admin-theme [страница] [файл_темы]</translation>
    </message>
    <message>
        <source>     themefile - file to open and edit</source>
        <translation>     файл_темы — файл, который открыть для правки</translation>
    </message>
    <message>
        <source>     pagename  - initial page, may be one of %1</source>
        <translation>     страница  — начальная страница, одна из: %1</translation>
    </message>
    <message>
        <source>2) vyr-admin-theme wmcolor</source>
        <translation>2) vyr-admin-theme wmcolor</translation>
    </message>
    <message>
        <source>     service non-GUI mode to use  ~/.vyr/paletterc for generation</source>
        <translation>     служебный режим без окна: по ~/.vyr/paletterc создаются</translation>
    </message>
    <message>
        <source>     Qt color patette in ~/.config/Trolltech.conf</source>
        <translation>     палитра Qt в ~/.config/Trolltech.conf</translation>
    </message>
    <message>
        <source>     vyr-wm colors    in ~/.vyr/theme/current.themerc file</source>
        <translation>     и цвета vyr-wm в файле ~/.vyr/theme/current.themerc</translation>
    </message>
    <message>
        <source>3) vyr-admin-theme apply-color-scheme colorthemepath</source>
        <translation>3) vyr-admin-theme apply-color-scheme путь_к_схеме</translation>
    </message>
    <message>
        <source>     service non-GUI mode to apply colorschemepath</source>
        <translation>     служебный режим без окна: применить цветовую схему</translation>
    </message>
</context>
<context>
    <name>vyrInit</name>
    <message>
        <source>Vyr theme editor</source>
        <translation>Настройка оформления Vyr</translation>
    </message>
</context>
</TS>
