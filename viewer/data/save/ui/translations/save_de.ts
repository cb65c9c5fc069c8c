<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- German texts of saving a measurement; numbered texts under their number. -->
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>GrafyonStrings</name>
    <message>
        <source>1061</source>
        <extracomment>Vantorelline-MCF-File (*.mcf)|*.mcf|Vantorelline-MDF-File (*.mdf)|*.mdf||</extracomment>
        <translation>Vantorelline-MCF-Datei (*.mcf)|*.mcf|Vantorelline-MDF-Datei (*.mdf)|*.mdf||</translation>
    </message>
</context>
<context>
    <name>grafyon::CStorageDialog</name>
    <message>
        <source>Storage</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>&amp;Store all datas</source>
        <translation>&amp;Alle Daten speichern</translation>
    </message>
    <message>
        <source>Store only data &amp;inside of ranges</source>
        <translation>Nur Daten &amp;innerhalb der Bereiche speichern</translation>
    </message>
    <message>
        <source>Store all data &amp;outside of the ranges</source>
        <translation>Alle Daten au&amp;ßerhalb der Bereiche speichern</translation>
    </message>
    <message>
        <source>Store &amp;range information</source>
        <translation>&amp;Bereichsinformationen speichern</translation>
    </message>
    <message>
        <source>&amp;Apply commentaries</source>
        <translation>&amp;Kommentare übernehmen</translation>
    </message>
    <message>
        <source>&amp;User defined Commentary</source>
        <translation>Ben&amp;utzerdefinierter Kommentar</translation>
    </message>
    <message>
        <source>O&amp;pen the stored file</source>
        <translation>Gespeicherte Datei ö&amp;ffnen</translation>
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
    <name>grafyon::SaveAs</name>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
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
        <source>Please store the data in another file as the source file!</source>
        <translation>Bitte speichern Sie die Daten in einer anderen Datei als der Quelldatei!</translation>
    </message>
    <message>
        <source>The data file «%1» allready exists !
Do you want to overwrite the file ?</source>
        <translation>Die Datendatei «%1» existiert bereits !
Möchten Sie die Datei überschreiben ?</translation>
    </message>
    <message>
        <source>Error while wrinting in the file «%1» !</source>
        <translation>Fehler beim Schreiben in die Datei «%1» !</translation>
    </message>
    <message>
        <source>Following file cannot be opened !
«%1»</source>
        <translation>Folgende Datei kann nicht geöffnet werden !
«%1»</translation>
    </message>
    <message>
        <source>The data do not fit into the file «%1» !
Sizes, frame counts and frame numbers of this file type are limited to 32 bits. Store the data as MDF file (*.mdf) or store fewer data.</source>
        <translation>Die Daten passen nicht in die Datei «%1» !
Größen, Anzahlen und Nummern der Messwerte sind in diesem Dateityp auf 32 Bit begrenzt. Speichern Sie die Daten als MDF-Datei (*.mdf) oder speichern Sie weniger Daten.</translation>
    </message>
    <message>
        <source>The data cannot be stored under the name «%1» !
The data file takes the name with the extension ".dta"; it must differ from the name and have at most 127 characters of Western European script.</source>
        <translation>Die Daten können nicht unter dem Namen «%1» gespeichert werden !
Die Datendatei erhält den Namen mit der Endung ".dta"; er muss sich vom Namen unterscheiden und darf höchstens 127 Zeichen westeuropäischer Schrift haben.</translation>
    </message>
    <message>
        <source>There is no active dataset to store !</source>
        <translation>Es ist kein aktiver Datensatz zu speichern !</translation>
    </message>
    <message>
        <source>There are no data to store: no sample lies in the chosen part of the ranges !</source>
        <translation>Es gibt keine Daten zu speichern: kein Messwert liegt im gewählten Teil der Bereiche !</translation>
    </message>
    <message>
        <source>No output possible, because no data are available !</source>
        <translation>Keine Ausgabe möglich, da keine Daten vorhanden sind !</translation>
    </message>
    <message>
        <source>Error while reading the data of the measurement !
The file «%1» was not written.</source>
        <translation>Fehler beim Lesen der Daten der Messung !
Die Datei «%1» wurde nicht geschrieben.</translation>
    </message>
    <message>
        <source>Unknown file type !</source>
        <translation>Unbekannter Dateityp !</translation>
    </message>
    <message>
        <source>Error!
Unknown Error!</source>
        <translation>Fehler!
Unbekannter Fehler!</translation>
    </message>
</context>
</TS>
