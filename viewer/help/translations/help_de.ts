<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- German texts of the help: the manual's file name by number, and the messages. -->
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>GrafyonStrings</name>
    <message>
        <source>512</source>
        <extracomment>GrafyonEnu.html</extracomment>
        <translation>GrafyonDeu.html</translation>
    </message>
</context>
<context>
    <name>grafyon::UserManual</name>
    <message>
        <source>The user manual could not be found:
%1</source>
        <translation>Das Benutzerhandbuch wurde nicht gefunden:
%1</translation>
    </message>
    <message>
        <source>No web browser could be started to show the user manual:
%1</source>
        <translation>Es konnte kein Webbrowser gestartet werden, um das Benutzerhandbuch zu zeigen:
%1</translation>
    </message>
</context>
</TS>
