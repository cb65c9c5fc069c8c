<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- German texts of the viewer's numbered strings; each source is the string's number. -->
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>GrafyonStrings</name>
    <message>
        <source>100</source>
        <extracomment>OLE initialization failed.  Make sure that the OLE libraries are the correct version.</extracomment>
        <translation>OLE-Initialisierung fehlgeschlagen.  Stellen Sie sicher, dass die OLE-Bibliotheken in der richtigen Version vorliegen.</translation>
    </message>
    <message>
        <source>128</source>
        <extracomment>Document template: title, document name, new-file name, filter, extension, file type, file type name</extracomment>
        <translation>Grafy

Neu
Datendateien (*.mcf)
.mcf
Grafyon.Document
Datendatei</translation>
    </message>
    <message>
        <source>1056</source>
        <extracomment>Vantorelline-Files (*.mcf;*.mdf,*.tks)|*.mcf;*.mdf;*.tks||</extracomment>
        <translation>Vantorelline-Dateien (*.mcf;*.mdf,*.tks)|*.mcf;*.mdf;*.tks||</translation>
    </message>
    <message>
        <source>4103</source>
        <extracomment>Requested language does not exist! Using standard language.</extracomment>
        <translation>Die gewünschte Sprache ist nicht vorhanden! Die Standardsprache wird verwendet.</translation>
    </message>
    <message>
        <source>4104</source>
        <extracomment>Requested language not up to date! Using standard language.</extracomment>
        <translation>Die gewünschte Sprache ist nicht aktuell! Die Standardsprache wird verwendet.</translation>
    </message>
    <message>
        <source>4200</source>
        <extracomment>Following file cannot be opened !\n«%1»</extracomment>
        <translation>Folgende Datei kann nicht geöffnet werden !
«%1»</translation>
    </message>
    <message>
        <source>4201</source>
        <extracomment>Grafy (title of message boxes)</extracomment>
        <translation>Grafy</translation>
    </message>
    <message>
        <source>4202</source>
        <extracomment>Automatic Exit: no file was named to open.</extracomment>
        <translation>Automatisches Beenden: Es wurde keine zu öffnende Datei angegeben.</translation>
    </message>
    <message>
        <source>4203</source>
        <extracomment>Automatic Exit: «%1» was not opened or holds no data.</extracomment>
        <translation>Automatisches Beenden: «%1» wurde nicht geöffnet oder enthält keine Daten.</translation>
    </message>
    <message>
        <source>4204</source>
        <extracomment>Automatic Exit: the export with the filter «%1» failed (result %2).</extracomment>
        <translation>Automatisches Beenden: Der Export mit dem Filter «%1» ist fehlgeschlagen (Ergebnis %2).</translation>
    </message>
    <message>
        <source>4205</source>
        <extracomment>Warning!\nThe data file «%1» ends early: %2 of %3 samples are missing.\nOnly the samples it holds are shown, exported and saved.</extracomment>
        <translation>Warnung!
Die Datendatei «%1» endet vorzeitig: %2 von %3 Messwerten fehlen.
Nur die vorhandenen Messwerte werden angezeigt, exportiert und gespeichert.</translation>
    </message>
    <message>
        <source>4206</source>
        <extracomment>Automatic Exit: «%1» was not opened: an unattended run works on the first file only.</extracomment>
        <translation>Automatisches Beenden: «%1» wurde nicht geöffnet: Ein unbeaufsichtigter Lauf bearbeitet nur die erste Datei.</translation>
    </message>
</context>
</TS>
