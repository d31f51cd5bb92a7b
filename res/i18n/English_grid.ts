<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Grid</name>
    <message>
        <source>Edit Cell</source>
        <translation>Edit Cell</translation>
    </message>
    <message>
        <source>Fill Down</source>
        <translation>Fill Down</translation>
    </message>
    <message>
        <source>Set Selected Cells</source>
        <translation>Set Selected Cells</translation>
    </message>
    <message>
        <source>Nothing was changed:</source>
        <translation>Nothing was changed:</translation>
    </message>
</context>
<context>
    <name>CSetCellsDlg</name>
    <message>
        <source>Set Selected Cells</source>
        <translation>Set Selected Cells</translation>
    </message>
    <message>
        <source>Selected rows: %1</source>
        <translation>Selected rows: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
</TS>
