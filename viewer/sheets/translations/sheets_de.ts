<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- German texts of the option sheet, the diagram property sheet and the "Scaling" dialog. -->
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>GrafyonStrings</name>
    <message>
        <source>1035</source>
        <extracomment>Minimum</extracomment>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>1050</source>
        <extracomment>Maximum</extracomment>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>1058</source>
        <extracomment>Options</extracomment>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>1059</source>
        <extracomment>Diagram</extracomment>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>4125</source>
        <extracomment>Changes to the UI Language will not take effekt until you exit the application and start it again.</extracomment>
        <translation>Eine Änderung der Sprache der Benutzeroberfläche wird erst wirksam, wenn Sie das Programm beenden und neu starten.</translation>
    </message>
    <message>
        <source>5121</source>
        <extracomment>Dataset</extracomment>
        <translation>Datensatz</translation>
    </message>
</context>
<context>
    <name>DataExchange</name>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Bitte geben Sie eine Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
    <message>
        <source>Please enter a number between %1 and %2.</source>
        <translation>Bitte geben Sie eine Zahl zwischen %1 und %2 ein.</translation>
    </message>
</context>
<context>
    <name>grafyon::CPropertySheet</name>
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
    <name>grafyon::COptionsDiagramPage</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Initial View</source>
        <translation>Anfangsansicht</translation>
    </message>
    <message>
        <source>&amp;Number of samples:</source>
        <translation>&amp;Anzahl Messwerte:</translation>
    </message>
    <message>
        <source>&amp;Time interval [sec]:</source>
        <translation>&amp;Zeitintervall [sec]:</translation>
    </message>
    <message>
        <source>&amp;Value range [%]:</source>
        <translation>&amp;Wertebereich [%]:</translation>
    </message>
    <message>
        <source>&amp;All samples</source>
        <translation>A&amp;lle Messwerte</translation>
    </message>
    <message>
        <source>&amp;Speed optimized</source>
        <translation>&amp;Geschwindigkeitsoptimiert</translation>
    </message>
    <message>
        <source>Curve scaling</source>
        <translation>Kurvenskalierung</translation>
    </message>
    <message>
        <source>&amp;Optimized</source>
        <translation>&amp;Optimiert</translation>
    </message>
    <message>
        <source>&amp;Equalized</source>
        <translation>Ang&amp;eglichen</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Bezug</translation>
    </message>
    <message>
        <source>&amp;Initial range</source>
        <translation>Anfangs&amp;bereich</translation>
    </message>
    <message>
        <source>&amp;Full range</source>
        <translation>Gesamtbe&amp;reich</translation>
    </message>
</context>
<context>
    <name>grafyon::COptionsUsagePage</name>
    <message>
        <source>Handling</source>
        <translation>Bedienung</translation>
    </message>
    <message>
        <source>Summaries for reopening</source>
        <translation>Zusammenfassungen zum erneuten Öffnen</translation>
    </message>
    <message>
        <source>&amp;Keep the summaries of opened measurements</source>
        <translation>&amp;Zusammenfassungen geöffneter Messungen aufbewahren</translation>
    </message>
    <message>
        <source>&amp;Limit of the cache folder (MiB):</source>
        <translation>&amp;Grenze des Zwischenspeicherordners (MiB):</translation>
    </message>
    <message>
        <source>Center rmode</source>
        <translation>Zentriermodus</translation>
    </message>
    <message>
        <source>Center &amp;vertically and horizontal</source>
        <translation>&amp;Vertikal und horizontal zentrieren</translation>
    </message>
    <message>
        <source>Center only &amp;horizontal</source>
        <translation>Nur &amp;horizontal zentrieren</translation>
    </message>
    <message>
        <source>&amp;Inactive</source>
        <translation>&amp;Inaktiv</translation>
    </message>
</context>
<context>
    <name>grafyon::COptionsFontPage</name>
    <message>
        <source>Labelling</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>&amp;Font</source>
        <translation>&amp;Schriftart</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>S&amp;tyle:</source>
        <translation>S&amp;til:</translation>
    </message>
    <message>
        <source>Cursor value format</source>
        <translation>Format der Cursorwerte</translation>
    </message>
    <message>
        <source>Festkomma</source>
        <translation>Festkomma</translation>
    </message>
    <message>
        <source>Gleitkomma</source>
        <translation>Gleitkomma</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>Exponential</translation>
    </message>
    <message>
        <source>F&amp;ormat:</source>
        <translation>F&amp;ormat:</translation>
    </message>
    <message>
        <source>&amp;Character count:</source>
        <translation>&amp;Zeichenanzahl:</translation>
    </message>
    <message>
        <source>&amp;Precision:</source>
        <translation>&amp;Genauigkeit:</translation>
    </message>
</context>
<context>
    <name>grafyon::COptionsLanguagePage</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>To activate a new language, you have to exit and restart the program.</source>
        <translation>Um eine neue Sprache zu aktivieren, müssen Sie das Programm beenden und neu starten.</translation>
    </message>
</context>
<context>
    <name>grafyon::CGraphicDiagramPage</name>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>&amp;Diagrams with one Curve</source>
        <translation>&amp;Diagramme mit einer Kurve</translation>
    </message>
    <message>
        <source>&amp;One Diagram with all Curves</source>
        <translation>&amp;Ein Diagramm mit allen Kurven</translation>
    </message>
    <message>
        <source>Diagrams per &amp;page:</source>
        <translation>Diagramme pro &amp;Seite:</translation>
    </message>
    <message>
        <source>Show &amp;Y-Grid</source>
        <translation>&amp;Y-Gitter anzeigen</translation>
    </message>
</context>
<context>
    <name>grafyon::CGraphicXAxisPage</name>
    <message>
        <source>X-Axis</source>
        <translation>X-Achse</translation>
    </message>
    <message>
        <source>&amp;Interval</source>
        <translation>&amp;Intervall</translation>
    </message>
    <message>
        <source>Start index</source>
        <translation>Startindex</translation>
    </message>
    <message>
        <source>Start time [sec]</source>
        <translation>Startzeit [sec]</translation>
    </message>
    <message>
        <source>Number of values</source>
        <translation>Anzahl Werte</translation>
    </message>
    <message>
        <source>Max. index</source>
        <translation>Max. Index</translation>
    </message>
    <message>
        <source>Time interval [sec]</source>
        <translation>Zeitintervall [sec]</translation>
    </message>
    <message>
        <source>Max. time [sec]</source>
        <translation>Max. Zeit [sec]</translation>
    </message>
    <message>
        <source>All values</source>
        <translation>Alle Werte</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>&amp;Top</source>
        <translation>&amp;Oben</translation>
    </message>
    <message>
        <source>&amp;Bottom</source>
        <translation>&amp;Unten</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Ti&amp;me</source>
        <translation>&amp;Zeit</translation>
    </message>
    <message>
        <source>&amp;Samples</source>
        <translation>&amp;Messwerte</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Number of values:</source>
        <translation>Anzahl Werte:</translation>
    </message>
    <message>
        <source>Time maximum [sec]:</source>
        <translation>Zeitmaximum [sec]:</translation>
    </message>
</context>
<context>
    <name>grafyon::CGraphicCurvesPage</name>
    <message>
        <source>Curves</source>
        <translation>Kurven</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>Deaktivieren</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>Aktivieren</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>MoveUp</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>MoveDown</source>
        <translation>Nach unten</translation>
    </message>
</context>
<context>
    <name>grafyon::CScalingDialog</name>
    <message>
        <source>Scaling</source>
        <translation>Skalierung</translation>
    </message>
    <message>
        <source>&amp;Show Curve</source>
        <translation>&amp;Kurve anzeigen</translation>
    </message>
    <message>
        <source>&amp;Minimum:</source>
        <translation>&amp;Minimum:</translation>
    </message>
    <message>
        <source>M&amp;aximum:</source>
        <translation>M&amp;aximum:</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Farbe:</translation>
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
</TS>
