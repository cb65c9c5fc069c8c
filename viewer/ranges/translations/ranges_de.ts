<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- German texts of the range dialogs; numbered texts under their number. -->
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>GrafyonStrings</name>
    <message>
        <source>5126</source>
        <extracomment>Range</extracomment>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>5130</source>
        <extracomment>Start sample</extracomment>
        <translation>Startwert</translation>
    </message>
    <message>
        <source>5131</source>
        <extracomment>End sample</extracomment>
        <translation>Endwert</translation>
    </message>
</context>
<context>
    <name>grafyon::CRangePropertiesDialog</name>
    <message>
        <source>Range properties</source>
        <translation>Bereichseigenschaften</translation>
    </message>
    <message>
        <source>&amp;Active</source>
        <translation>&amp;Aktiv</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Commentary:</source>
        <translation>&amp;Kommentar:</translation>
    </message>
    <message>
        <source>&amp;Start position:</source>
        <translation>&amp;Startposition:</translation>
    </message>
    <message>
        <source>&amp;End position:</source>
        <translation>&amp;Endposition:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.</translation>
    </message>
</context>
<context>
    <name>grafyon::CRangesDialog</name>
    <message>
        <source>Ranges</source>
        <translation>Bereiche</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;All active</source>
        <translation>&amp;Alle aktiv</translation>
    </message>
    <message>
        <source>All inactive</source>
        <translation>Alle inaktiv</translation>
    </message>
</context>
<context>
    <name>grafyon::CShowRangesDialog</name>
    <message>
        <source>Show Ranges</source>
        <translation>Bereiche anzeigen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>&amp;Alle auswählen</translation>
    </message>
    <message>
        <source>&amp;Unselect all</source>
        <translation>Auswahl auf&amp;heben</translation>
    </message>
</context>
</TS>
