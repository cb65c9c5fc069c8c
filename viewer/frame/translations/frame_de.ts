<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- German texts of the main window; numbered texts under their number. -->
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>grafyon::CMainFrame</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Open...	Ctrl+O</source>
        <translation>Ö&amp;ffnen...	Strg+O</translation>
    </message>
    <message>
        <source>Save &amp;As...	Ctrl+S</source>
        <translation>Speichern &amp;unter...	Strg+S</translation>
    </message>
    <message>
        <source>&amp;Exportieren...	Ctrl+X</source>
        <translation>&amp;Exportieren...	Strg+X</translation>
    </message>
    <message>
        <source>Information...	Ctrl+I</source>
        <translation>Information...	Strg+I</translation>
    </message>
    <message>
        <source>&amp;Link data files	Strg+L</source>
        <translation>Datendateien &amp;verknüpfen	Strg+L</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Toolbars...</source>
        <translation>&amp;Symbolleisten...</translation>
    </message>
    <message>
        <source>St&amp;atus bar</source>
        <translation>St&amp;atusleiste</translation>
    </message>
    <message>
        <source>&amp;Diagrams...	Alt+Enter</source>
        <translation>&amp;Diagramme...	Alt+Eingabe</translation>
    </message>
    <message>
        <source>&amp;Y-Axes</source>
        <translation>&amp;Y-Achsen</translation>
    </message>
    <message>
        <source>&amp;X-Axes</source>
        <translation>&amp;X-Achsen</translation>
    </message>
    <message>
        <source>&amp;Export filter...</source>
        <translation>&amp;Exportfilter...</translation>
    </message>
    <message>
        <source>&amp;Workspace</source>
        <translation>&amp;Arbeitsumgebung</translation>
    </message>
    <message>
        <source>&amp;Ranges...</source>
        <translation>&amp;Bereiche...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;About Grafy...</source>
        <translation>&amp;Info über Grafy...</translation>
    </message>
    <message>
        <source>1st range border</source>
        <translation>1. Bereichsgrenze</translation>
    </message>
    <message>
        <source>2nd range border</source>
        <translation>2. Bereichsgrenze</translation>
    </message>
    <message>
        <source>Show range</source>
        <translation>Bereich anzeigen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export &amp;between cursors...</source>
        <translation>Zwischen den Cursorn e&amp;xportieren...</translation>
    </message>
    <message>
        <source>Range from &amp;cursors</source>
        <translation>Bereich aus den &amp;Cursorn</translation>
    </message>
    <message>
        <source>&amp;Measurement panel</source>
        <translation>&amp;Messfenster</translation>
    </message>
    <message>
        <source>Show the measurement between cursor A and cursor B</source>
        <translation>Die Messung zwischen Cursor A und Cursor B anzeigen</translation>
    </message>
</context>
<context>
    <name>grafyon::CToolbarsDialog</name>
    <message>
        <source>Toolbars</source>
        <translation>Symbolleisten</translation>
    </message>
    <message>
        <source>Switch o&amp;n all</source>
        <translation>Alle ei&amp;nschalten</translation>
    </message>
    <message>
        <source>Switch o&amp;ff all</source>
        <translation>Alle a&amp;usschalten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>GrafyonStrings</name>
    <message>
        <source>1060</source>
        <extracomment>Standard</extracomment>
        <translation>Standard</translation>
    </message>
    <message>
        <source>5125</source>
        <extracomment>Ranges</extracomment>
        <translation>Bereiche</translation>
    </message>
    <message>
        <source>5126</source>
        <extracomment>Reading the whole measurement: %1 %</extracomment>
        <translation>Die ganze Messung wird gelesen: %1 %</translation>
    </message>
    <message>
        <source>32771</source>
        <extracomment>Change the options
Options</extracomment>
        <translation>Optionen ändern
Optionen</translation>
    </message>
    <message>
        <source>32773</source>
        <extracomment>Information about the measurement
File info</extracomment>
        <translation>Informationen zur Messung
Dateiinformation</translation>
    </message>
    <message>
        <source>32774</source>
        <extracomment>Properties of the diagrams
Diagram properties</extracomment>
        <translation>Eigenschaften der Diagramme
Diagrammeigenschaften</translation>
    </message>
    <message>
        <source>32797</source>
        <extracomment>1st range border (Ctrl+1)
1st range border</extracomment>
        <translation>1. Bereichsgrenze (Strg+1)
1. Bereichsgrenze</translation>
    </message>
    <message>
        <source>32798</source>
        <extracomment>2nd range border (Ctrl+2)
2nd range border</extracomment>
        <translation>2. Bereichsgrenze (Strg+2)
2. Bereichsgrenze</translation>
    </message>
    <message>
        <source>32799</source>
        <extracomment>Range administration
Range administration</extracomment>
        <translation>Bereichsverwaltung
Bereichsverwaltung</translation>
    </message>
    <message>
        <source>32803</source>
        <extracomment>Show or hide the toolbars
Toolbars</extracomment>
        <translation>Symbolleisten ein- oder ausblenden
Symbolleisten</translation>
    </message>
    <message>
        <source>32804</source>
        <extracomment>Configure the workspace
Workspace</extracomment>
        <translation>Arbeitsumgebung einstellen
Arbeitsumgebung</translation>
    </message>
    <message>
        <source>32807</source>
        <extracomment>Export the active datasets with an export filter
Export (Ctrl+X)</extracomment>
        <translation>Die aktiven Datensätze mit einem Exportfilter exportieren
Exportieren (Strg+X)</translation>
    </message>
    <message>
        <source>32808</source>
        <extracomment>Create and edit export filter definitions
Export filter</extracomment>
        <translation>Exportfilter-Definitionen anlegen und bearbeiten
Exportfilter</translation>
    </message>
    <message>
        <source>32814</source>
        <extracomment>Show range
Show range</extracomment>
        <translation>Bereich anzeigen
Bereich anzeigen</translation>
    </message>
    <message>
        <source>32816</source>
        <extracomment>Link data files
Link data files</extracomment>
        <translation>Datendateien verknüpfen
Datendateien verknüpfen</translation>
    </message>
    <message>
        <source>57345</source>
        <extracomment>Ready</extracomment>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>57600</source>
        <extracomment>Close the measurement
New</extracomment>
        <translation>Messung schließen
Neu</translation>
    </message>
    <message>
        <source>57601</source>
        <extracomment>Open an existing measurement
Open</extracomment>
        <translation>Vorhandene Messung öffnen
Öffnen</translation>
    </message>
    <message>
        <source>57604</source>
        <extracomment>Save the measurement with a new name
Save As</extracomment>
        <translation>Messung unter neuem Namen speichern
Speichern unter</translation>
    </message>
    <message>
        <source>57664</source>
        <extracomment>Display program information, version number and copyright
About</extracomment>
        <translation>Programminformation, Versionsnummer und Copyright anzeigen
Info</translation>
    </message>
    <message>
        <source>57665</source>
        <extracomment>Quit the application
Exit</extracomment>
        <translation>Anwendung beenden
Beenden</translation>
    </message>
    <message>
        <source>57670</source>
        <extracomment>Open the user manual
Help</extracomment>
        <translation>Benutzerhandbuch öffnen
Hilfe</translation>
    </message>
    <message>
        <source>59137</source>
        <extracomment>CAP</extracomment>
        <translation>UF</translation>
    </message>
    <message>
        <source>59138</source>
        <extracomment>NUM</extracomment>
        <translation>NUM</translation>
    </message>
    <message>
        <source>59139</source>
        <extracomment>SCRL</extracomment>
        <translation>RF</translation>
    </message>
    <message>
        <source>59393</source>
        <extracomment>Show or hide the status bar
Toggle StatusBar</extracomment>
        <translation>Statusleiste ein- oder ausblenden
Statusleiste</translation>
    </message>
</context>
</TS>
