<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>SessionSettingsDialog</name>
    <message>
        <source>Session management</source>
        <translation>Управление сеансами</translation>
    </message>
    <message>
        <source>&amp;Exit Dialog</source>
        <translation>&amp;Диалог выхода</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Use dialog at exit to select exit action.&lt;/p&gt;&lt;p&gt;If dialog is not used then the last exit action will be done at exit.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Показывать при выходе диалог выбора действия.&lt;/p&gt;&lt;p&gt;Если диалог не используется, при выходе выполняется последнее выбранное действие.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Con&amp;firm Dialog</source>
        <translation>Диалог &amp;подтверждения</translation>
    </message>
    <message>
        <source>Use confirmation dialog if there are open applications at exit</source>
        <translation>Запрашивать подтверждение, если при выходе остались открытые приложения</translation>
    </message>
    <message>
        <source>Session &amp;Management</source>
        <translation>&amp;Управление сеансами</translation>
    </message>
    <message>
        <source>Use session management, i.e. save-restore session routines at startup-logout</source>
        <translation>Использовать управление сеансами: сохранять сеанс при выходе и восстанавливать при входе</translation>
    </message>
    <message>
        <source>Restore session saved at logout</source>
        <translation>Восстанавливать сеанс, сохранённый при выходе</translation>
    </message>
    <message>
        <source>Restore manually saved session</source>
        <translation>Восстанавливать сеанс, сохранённый вручную</translation>
    </message>
    <message>
        <source>Start with an empty session</source>
        <translation>Начинать с пустого сеанса</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Action at login.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Действие при входе в систему.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Login mode</source>
        <translation>При входе</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>None (logout)</source>
        <translation>Нет (завершить сеанс)</translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation>Перезагрузить компьютер</translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation>Выключить компьютер</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Action at exit.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Действие при выходе.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Shutdown type</source>
        <translation>При выходе</translation>
    </message>
    <message>
        <source>Here you can enter a colon or comma separated list of applications that should not be saved in sessions, and therefore will not be started when restoring a session. For example &apos;xterm:konsole&apos; or &apos;xterm,konsole&apos;.</source>
        <translation>Здесь можно перечислить через двоеточие или запятую приложения, которые не должны сохраняться в сеансе и поэтому не будут запускаться при его восстановлении. Например: «xterm:konsole» или «xterm,konsole».</translation>
    </message>
    <message>
        <source>Applications to be e&amp;xcluded from sessions:</source>
        <translation>&amp;Исключить из сеансов приложения:</translation>
    </message>
    <message>
        <source>Remote command string to start applications on remote hosts. 
It will be extended by remote user name and host. Default: ssh.
</source>
        <translation>Команда для запуска приложений на удалённых компьютерах. 
К ней добавляются имя удалённого пользователя и имя компьютера. По умолчанию: ssh.
</translation>
    </message>
    <message>
        <source>Remote command:</source>
        <translation>Удалённая команда:</translation>
    </message>
    <message>
        <source>Default remote user name.
It is inserted into the remote command string as user@host command.
With the command ssh this field may stay empty when ssh&apos;s configuration
sets user names per host or the remote user name equals the local one.</source>
        <translation>Имя удалённого пользователя по умолчанию.
Оно вставляется в удалённую команду в виде «пользователь@компьютер команда».
Для ssh поле можно оставить пустым, если имена пользователей для компьютеров
заданы в настройках ssh или удалённое имя совпадает с локальным.</translation>
    </message>
    <message>
        <source>Remote user:</source>
        <translation>Удалённый пользователь:</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Can&apos;t open &apos;%1&apos;</source>
        <translation>Не удаётся открыть «%1»</translation>
    </message>
    <message>
        <source>Can&apos;t create &apos;%1&apos;</source>
        <translation>Не удаётся создать «%1»</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Activation</source>
        <translation>Включение</translation>
    </message>
    <message>
        <source>Deactivation</source>
        <translation>Отключение</translation>
    </message>
    <message>
        <source> of session management will be done after relogin only</source>
        <translation> управления сеансами вступит в силу только после повторного входа в систему</translation>
    </message>
    <message>
        <source>Can&apos;t save file &apos;%1&apos;: %2</source>
        <translation>Не удаётся сохранить файл «%1»: %2</translation>
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
    <name>vyrInit</name>
    <message>
        <source>Vyr session settings</source>
        <translation>Настройка сеансов Vyr</translation>
    </message>
</context>
</TS>
