<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- German texts of the document and the diagram view; each source is the string's number. -->
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>GrafyonStrings</name>
    <message>
        <source>1024</source>
        <extracomment>Time</extracomment>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>1048</source>
        <extracomment>No File opened !</extracomment>
        <translation>Keine Datei geöffnet !</translation>
    </message>
    <message>
        <source>1051</source>
        <extracomment>No curves defined !</extracomment>
        <translation>Keine Kurven definiert !</translation>
    </message>
    <message>
        <source>1052</source>
        <extracomment>Internal error !</extracomment>
        <translation>Interner Fehler !</translation>
    </message>
    <message>
        <source>1053</source>
        <extracomment>Samples</extracomment>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>1054</source>
        <extracomment>sec</extracomment>
        <translation>sec</translation>
    </message>
    <message>
        <source>1065</source>
        <extracomment>No existing data !</extracomment>
        <translation>Keine Daten vorhanden !</translation>
    </message>
    <message>
        <source>4096</source>
        <extracomment>Error!
Unknown File Format!</extracomment>
        <translation>Fehler!
Unbekanntes Dateiformat!</translation>
    </message>
    <message>
        <source>4097</source>
        <extracomment>Error!
The File is corrupt!</extracomment>
        <translation>Fehler!
Die Datei ist beschädigt!</translation>
    </message>
    <message>
        <source>4098</source>
        <extracomment>Error!
Unknown Error!</extracomment>
        <translation>Fehler!
Unbekannter Fehler!</translation>
    </message>
    <message>
        <source>4099</source>
        <extracomment>Error!
The file format is not supported !</extracomment>
        <translation>Fehler!
Das Dateiformat wird nicht unterstützt !</translation>
    </message>
    <message>
        <source>4100</source>
        <extracomment>Error!
The data file couldn't be opened !</extracomment>
        <translation>Fehler!
Die Datendatei konnte nicht geöffnet werden !</translation>
    </message>
    <message>
        <source>4101</source>
        <extracomment>Error!
File-Mapping Error!</extracomment>
        <translation>Fehler!
File-Mapping-Fehler!</translation>
    </message>
    <message>
        <source>4118</source>
        <extracomment>Error!
No data available !</extracomment>
        <translation>Fehler!
Keine Daten verfügbar !</translation>
    </message>
</context>
</TS>
