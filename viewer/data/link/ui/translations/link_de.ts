<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- German texts of linking recordings; numbered texts under their number. -->
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>GrafyonStrings</name>
    <message>
        <source>1067</source>
        <extracomment>Different number of datasets</extracomment>
        <translation>Unterschiedliche Anzahl von Datensätzen</translation>
    </message>
    <message>
        <source>1068</source>
        <extracomment>Different resolution</extracomment>
        <translation>Unterschiedliche Auflösung</translation>
    </message>
    <message>
        <source>1069</source>
        <extracomment>Different frame size</extracomment>
        <translation>Unterschiedliche Rahmengröße</translation>
    </message>
    <message>
        <source>1070</source>
        <extracomment>Vantorelline-MDF-Fatei (*.mdf)|*.mdf||</extracomment>
        <translation>Vantorelline-MDF-Datei (*.mdf)|*.mdf||</translation>
    </message>
    <message>
        <source>1071</source>
        <extracomment>Different folders</extracomment>
        <translation>Unterschiedliche Verzeichnisse</translation>
    </message>
</context>
<context>
    <name>grafyon::CMergeFilesDialog</name>
    <message>
        <source>Merge Files</source>
        <translation>Dateien zusammenfügen</translation>
    </message>
    <message>
        <source>&amp;File list:</source>
        <translation>&amp;Dateiliste:</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Du&amp;plicate</source>
        <translation>Du&amp;plizieren</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>Ent&amp;fernen</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>I&amp;nfo</source>
        <translation>I&amp;nfo</translation>
    </message>
    <message>
        <source>Creation Mode</source>
        <translation>Erstellungsart</translation>
    </message>
    <message>
        <source>Create only an MDF-file, that handle the data in the original data files</source>
        <translation>Nur eine MDF-Datei erstellen, die die Daten in den ursprünglichen Datendateien verwendet</translation>
    </message>
    <message>
        <source>Create &amp;an MDF file and a data file, that contains all the data</source>
        <translation>Eine MDF-Datei und eine Datendatei erstellen, die &amp;alle Daten enthält</translation>
    </message>
    <message>
        <source>&amp;Open the created file</source>
        <translation>Die erstellte Datei &amp;öffnen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>grafyon::LinkFiles</name>
    <message>
        <source>Link data files</source>
        <translation>Datendateien verknüpfen</translation>
    </message>
    <message>
        <source>Storing the data ...</source>
        <translation>Die Daten werden gespeichert ...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The file «%1»
cannot be linked to the preceding files.
Reason: %2</source>
        <translation>Die Datei «%1»
kann nicht mit den vorhergehenden Dateien verknüpft werden.
Grund: %2</translation>
    </message>
    <message>
        <source>The mdf file have to be created in the data files folder !</source>
        <translation>Die MDF-Datei muss im Verzeichnis der Datendateien erstellt werden !</translation>
    </message>
    <message>
        <source>The file have to be named different as the source files !</source>
        <translation>Die Datei muss anders heißen als die Quelldateien !</translation>
    </message>
    <message>
        <source>The data file «%1» allready exists !
Do you want to overwrite the file ?</source>
        <translation>Die Datendatei «%1» existiert bereits !
Möchten Sie die Datei überschreiben ?</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>At least two files are needed to link them !</source>
        <translation>Zum Verknüpfen werden mindestens zwei Dateien benötigt !</translation>
    </message>
    <message>
        <source>Error while wrinting in the file «%1» !</source>
        <translation>Fehler beim Schreiben in die Datei «%1» !</translation>
    </message>
    <message>
        <source>The data file «%1» holds fewer frames than its description names !
Nothing was written.</source>
        <translation>Die Datendatei «%1» enthält weniger Messwerte als ihre Beschreibung nennt !
Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Error while reading the file «%1» !
Nothing was written.</source>
        <translation>Fehler beim Lesen der Datei «%1» !
Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The data file cannot be named «%1» !
A data file name has at most 127 characters of Western European script and no folder.</source>
        <translation>Die Datendatei kann nicht «%1» heißen !
Ein Datendateiname hat höchstens 127 Zeichen westeuropäischer Schrift und kein Verzeichnis.</translation>
    </message>
    <message>
        <source>The data do not fit into an MDF file !
Frame counts, frame numbers and data offsets are limited to 32 bits.</source>
        <translation>Die Daten passen nicht in eine MDF-Datei !
Anzahlen und Nummern der Messwerte und Datenpositionen sind auf 32 Bit begrenzt.</translation>
    </message>
    <message>
        <source>The frames of the file «%1» have no size !</source>
        <translation>Die Messwertrahmen der Datei «%1» haben keine Größe !</translation>
    </message>
    <message>
        <source>The files hold time segments of different resolution !
They can only be linked to an MDF file that handles the data in the original data files.</source>
        <translation>Die Dateien enthalten Zeitabschnitte unterschiedlicher Auflösung !
Sie können nur zu einer MDF-Datei verknüpft werden, die die Daten in den ursprünglichen Datendateien verwendet.</translation>
    </message>
    <message>
        <source>Error!
Unknown Error!</source>
        <translation>Fehler!
Unbekannter Fehler!</translation>
    </message>
</context>
</TS>
