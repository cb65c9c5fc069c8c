<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- German texts of the file information; numbered texts under their number ("Ranges", 5125, is
     translated with the main window's texts). -->
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>grafyon::CFileInfoDialog</name>
    <message>
        <source>File Information</source>
        <translation>Dateiinformation</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>grafyon::InfoTexts</name>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Data Range</source>
        <translation>Datenbereich</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>Spot</source>
        <translation>Punkt</translation>
    </message>
    <message>
        <source>Number of Datasets</source>
        <translation>Anzahl Datensätze</translation>
    </message>
    <message>
        <source>Number of Frames</source>
        <translation>Anzahl Frames</translation>
    </message>
    <message>
        <source>Sample Step</source>
        <translation>Abtastschritt</translation>
    </message>
    <message>
        <source>Sample Rate</source>
        <translation>Abtastrate</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Frame Size</source>
        <translation>Framegröße</translation>
    </message>
    <message>
        <source>File Path</source>
        <translation>Dateipfad</translation>
    </message>
    <message>
        <source>Data File</source>
        <translation>Datendatei</translation>
    </message>
    <message>
        <source>Variabel</source>
        <translation>Variabel</translation>
    </message>
    <message>
        <source>Label</source>
        <translation>Bezeichnung</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Calibration Factor</source>
        <translation>Kalibrierfaktor</translation>
    </message>
    <message>
        <source>Calibration Offset</source>
        <translation>Kalibrieroffset</translation>
    </message>
    <message>
        <source>Data Type</source>
        <translation>Datentyp</translation>
    </message>
    <message>
        <source>Data Type Size</source>
        <translation>Datentypgröße</translation>
    </message>
    <message>
        <source>Data Mask</source>
        <translation>Datenmaske</translation>
    </message>
    <message>
        <source>Frame Offset</source>
        <translation>Frame-Offset</translation>
    </message>
    <message>
        <source>Values per Frame</source>
        <translation>Werte pro Frame</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Samples</source>
        <translation>Messwerte</translation>
    </message>
    <message>
        <source>Start Carrier</source>
        <translation>Trägerwert Anfang</translation>
    </message>
    <message>
        <source>End Carrier</source>
        <translation>Trägerwert Ende</translation>
    </message>
    <message>
        <source>File Offset</source>
        <translation>Datei-Offset</translation>
    </message>
    <message>
        <source>Start Frame</source>
        <translation>Anfangsframe</translation>
    </message>
    <message>
        <source>Stop Frame</source>
        <translation>Endframe</translation>
    </message>
    <message>
        <source>Start position</source>
        <translation>Anfangsposition</translation>
    </message>
    <message>
        <source>End position</source>
        <translation>Endposition</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Anfangsdatum</translation>
    </message>
    <message>
        <source>End Date</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>Frame</source>
        <translation>Frame</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
</context>
<context>
    <name>GrafyonStrings</name>
    <message>
        <source>1075</source>
        <extracomment>%H:%M:%S</extracomment>
        <translation>%H:%M:%S</translation>
    </message>
    <message>
        <source>1076</source>
        <extracomment>%m/%d/%y</extracomment>
        <translation>%d.%m.%y</translation>
    </message>
    <message>
        <source>5120</source>
        <extracomment>General</extracomment>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>5122</source>
        <extracomment>Datasets</extracomment>
        <translation>Datensätze</translation>
    </message>
    <message>
        <source>5124</source>
        <extracomment>Commentary</extracomment>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>5127</source>
        <extracomment>Data Ranges</extracomment>
        <translation>Datenbereiche</translation>
    </message>
    <message>
        <source>5136</source>
        <extracomment>Parameter</extracomment>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>5138</source>
        <extracomment>Undefined</extracomment>
        <translation>Undefiniert</translation>
    </message>
</context>
</TS>
