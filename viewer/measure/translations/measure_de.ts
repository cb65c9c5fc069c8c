<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- German texts of the measurement between two cursors. -->
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>grafyon::CMeasurementPanel</name>
    <message>
        <source>Measurement</source>
        <translation>Messung</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the table as tab-separated text</source>
        <translation>Tabelle als tabulatorgetrennten Text kopieren</translation>
    </message>
    <message>
        <source>Set cursor B with Shift+click or Ctrl+B in the cursor mode.</source>
        <translation>Cursor B im Cursormodus mit Umschalt+Klick oder Strg+B setzen.</translation>
    </message>
    <message>
        <source>A: sample %1, B: sample %2, %3 samples between them</source>
        <translation>A: Abtastwert %1, B: Abtastwert %2, %3 Abtastwerte dazwischen</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Value at A</source>
        <translation>Wert bei A</translation>
    </message>
    <message>
        <source>Value at B</source>
        <translation>Wert bei B</translation>
    </message>
    <message>
        <source>Δt</source>
        <translation>Δt</translation>
    </message>
    <message>
        <source>1/Δt</source>
        <translation>1/Δt</translation>
    </message>
    <message>
        <source>Δy</source>
        <translation>Δy</translation>
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
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>RMS</source>
        <translation>Effektivwert</translation>
    </message>
    <message>
        <source>Standard deviation</source>
        <translation>Standardabweichung</translation>
    </message>
    <message>
        <source>Peak-to-peak</source>
        <translation>Spitze-Spitze</translation>
    </message>
    <message>
        <source>Position of minimum</source>
        <translation>Position des Minimums</translation>
    </message>
    <message>
        <source>Position of maximum</source>
        <translation>Position des Maximums</translation>
    </message>
</context>
</TS>
