<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CProgressDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Process</translation>
    </message>
</context>
<context>
    <name>CComSetupDlg</name>
    <message>
        <source>COM Setup</source>
        <translation>COM Setup</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Other ports</source>
        <translation>Other ports</translation>
    </message>
    <message>
        <source>Other port:</source>
        <translation>Other port:</translation>
    </message>
    <message>
        <source>Virtual radio</source>
        <translation>Virtual radio</translation>
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
<context>
    <name>SerialPort</name>
    <message>
        <source>No port is chosen.</source>
        <translation>No port is chosen.</translation>
    </message>
    <message>
        <source>The port %1 does not exist.</source>
        <translation>The port %1 does not exist.</translation>
    </message>
    <message>
        <source>Permission denied for %1: your user must be in the "dialout" group (log in again after adding it).</source>
        <translation>Permission denied for %1: your user must be in the "dialout" group (log in again after adding it).</translation>
    </message>
    <message>
        <source>The port %1 is busy: another program holds it open.</source>
        <translation>The port %1 is busy: another program holds it open.</translation>
    </message>
</context>
</TS>
