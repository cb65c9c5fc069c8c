<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- German texts of the view navigation: the command prompts by number, the action texts by source. -->
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CViewNavigator</name>
    <message>
        <source>Cursor or page left</source>
        <translation>Cursor oder Seite nach links</translation>
    </message>
    <message>
        <source>Cursor or page right</source>
        <translation>Cursor oder Seite nach rechts</translation>
    </message>
    <message>
        <source>&amp;Autoscaling</source>
        <translation>&amp;Autoskalierung</translation>
    </message>
    <message>
        <source>&amp;Show all</source>
        <translation>&amp;Alles anzeigen</translation>
    </message>
    <message>
        <source>&amp;Zoom in</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Informations...</source>
        <translation>&amp;Informationen...</translation>
    </message>
    <message>
        <source>&amp;Properties...</source>
        <translation>&amp;Eigenschaften...</translation>
    </message>
    <message>
        <source>Refresh the cursor value format</source>
        <translation>Format der Cursorwerte erneuern</translation>
    </message>
    <message>
        <source>&amp;Y-Autoscale</source>
        <translation>&amp;Y-Autoskalierung</translation>
    </message>
    <message>
        <source>Scroll left by a tenth</source>
        <translation>Um ein Zehntel nach links</translation>
    </message>
    <message>
        <source>Scroll right by a tenth</source>
        <translation>Um ein Zehntel nach rechts</translation>
    </message>
    <message>
        <source>Cursor or view to the start</source>
        <translation>Cursor oder Ansicht zum Anfang</translation>
    </message>
    <message>
        <source>Cursor or view to the end</source>
        <translation>Cursor oder Ansicht zum Ende</translation>
    </message>
    <message>
        <source>&amp;Deactivate</source>
        <translation>&amp;Deaktivieren</translation>
    </message>
    <message>
        <source>Next page of curves</source>
        <translation>Nächste Seite der Kurven</translation>
    </message>
    <message>
        <source>Previous page of curves</source>
        <translation>Vorige Seite der Kurven</translation>
    </message>
    <message>
        <source>Cursor B one step left</source>
        <translation>Cursor B einen Schritt nach links</translation>
    </message>
    <message>
        <source>Cursor B one step right</source>
        <translation>Cursor B einen Schritt nach rechts</translation>
    </message>
    <message>
        <source>Cursor &amp;B to the cursor</source>
        <translation>Cursor &amp;B auf den Cursor setzen</translation>
    </message>
    <message>
        <source>&amp;Remove cursor B</source>
        <translation>Cursor B &amp;entfernen</translation>
    </message>
</context>
<context>
    <name>GrafyonStrings</name>
    <message>
        <source>32780</source>
        <extracomment>Activate next curve</extracomment>
        <translation>Nächste Kurve aktivieren</translation>
    </message>
    <message>
        <source>32781</source>
        <extracomment>Activate previous curve</extracomment>
        <translation>Vorherige Kurve aktivieren</translation>
    </message>
    <message>
        <source>32782</source>
        <extracomment>Show full time range</extracomment>
        <translation>Gesamten Zeitbereich anzeigen</translation>
    </message>
    <message>
        <source>32783</source>
        <extracomment>Autoscale curves</extracomment>
        <translation>Kurven automatisch skalieren</translation>
    </message>
    <message>
        <source>32785</source>
        <extracomment>Equalized scaling</extracomment>
        <translation>Einheitliche Skalierung</translation>
    </message>
    <message>
        <source>32788</source>
        <extracomment>Zoom- and Center mode</extracomment>
        <translation>Zoom- und Zentriermodus</translation>
    </message>
    <message>
        <source>32789</source>
        <extracomment>Undo Zoom</extracomment>
        <translation>Zoom rückgängig</translation>
    </message>
    <message>
        <source>32790</source>
        <extracomment>Redo Zoom</extracomment>
        <translation>Zoom wiederherstellen</translation>
    </message>
    <message>
        <source>32791</source>
        <extracomment>Cursor mode</extracomment>
        <translation>Cursormodus</translation>
    </message>
    <message>
        <source>32792</source>
        <extracomment>One cursor step left</extracomment>
        <translation>Ein Cursorschritt nach links</translation>
    </message>
    <message>
        <source>32793</source>
        <extracomment>One cursor step right</extracomment>
        <translation>Ein Cursorschritt nach rechts</translation>
    </message>
</context>
</TS>
