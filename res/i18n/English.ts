<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>CChannelPickerDlg</name>
    <message numerus="yes">
        <source>%n row(s) into channels %1 to %2.</source>
        <translation>
            <numerusform>%n row into channels %1 to %2.</numerusform>
            <numerusform>%n rows into channels %1 to %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CProgramView</name>
    <message numerus="yes">
        <source>%n row(s) of the file cannot be imported.</source>
        <translation>
            <numerusform>%n row of the file cannot be imported.</numerusform>
            <numerusform>%n rows of the file cannot be imported.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import the other %n row(s)? Cancel imports nothing.</source>
        <translation>
            <numerusform>Import the other %n row? Cancel imports nothing.</numerusform>
            <numerusform>Import the other %n rows? Cancel imports nothing.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChannelSets</name>
    <message numerus="yes">
        <source>%1 holds %n row(s); the radio has %2 channels.</source>
        <translation>
            <numerusform>%1 holds %n row; the radio has %2 channels.</numerusform>
            <numerusform>%1 holds %n rows; the radio has %2 channels.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n channel(s), %3</source>
        <translation>
            <numerusform>%1: %2, %n channel, %3</numerusform>
            <numerusform>%1: %2, %n channels, %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) saved as the set &quot;%1&quot; in %2.</source>
        <translation>
            <numerusform>%n channel saved as the set &quot;%1&quot; in %2.</numerusform>
            <numerusform>%n channels saved as the set &quot;%1&quot; in %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WriteCheck</name>
    <message numerus="yes">
        <source>%n value(s) of this configuration would be refused if typed; the radio may not work as intended. Write it anyway?</source>
        <translation>
            <numerusform>%n value of this configuration would be refused if typed; the radio may not work as intended. Write it anyway?</numerusform>
            <numerusform>%n values of this configuration would be refused if typed; the radio may not work as intended. Write it anyway?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n value(s) that no editor would accept:</source>
        <translation>
            <numerusform>%1 holds %n value that no editor would accept:</numerusform>
            <numerusform>%1 holds %n values that no editor would accept:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) lie outside the new band: %1. Write will list them until they are changed.</source>
        <translation>
            <numerusform>%n channel lies outside the new band: %1. Write will list it until it is changed.</numerusform>
            <numerusform>%n channels lie outside the new band: %1. Write will list them until they are changed.</numerusform>
        </translation>
    </message>
</context>
</TS>
