<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>SessionSettingsDialog</name>
    <message>
        <source>Session management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Use dialog at exit to select exit action.&lt;/p&gt;&lt;p&gt;If dialog is not used then the last exit action will be done at exit.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Con&amp;firm Dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use confirmation dialog if there are open applications at exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session &amp;Management</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use session management, i.e. save-restore session routines at startup-logout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore session saved at logout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore manually saved session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start with an empty session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Action at login.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None (logout)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turn off computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Action at exit.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shutdown type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Here you can enter a colon or comma separated list of applications that should not be saved in sessions, and therefore will not be started when restoring a session. For example &apos;xterm:konsole&apos; or &apos;xterm,konsole&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Applications to be e&amp;xcluded from sessions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote command string to start applications on remote hosts. 
It will be extended by remote user name and host. Default: ssh.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote command:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default remote user name.
It is inserted into the remote command string as user@host command.
With the command ssh this field may stay empty when ssh&apos;s configuration
sets user names per host or the remote user name equals the local one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote user:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t open &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t create &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attention</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deactivation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> of session management will be done after relogin only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t save file &apos;%1&apos;: %2</source>
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
    <name>vyrInit</name>
    <message>
        <source>Vyr session settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
