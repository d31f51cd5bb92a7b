<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
    <context>
        <name>FileLayouts</name>
        <message>
            <source>Channel list, every field</source>
            <translation>Channel list, every field</translation>
        </message>
        <message>
            <source>Channel list, 21-column interchange</source>
            <translation>Channel list, 21-column interchange</translation>
        </message>
    </context>
    <context>
        <name>FileDialogs</name>
        <message>
            <source>Program Document (*.dat)</source>
            <translation>Program Document (*.dat)</translation>
        </message>
    </context>
    <context>
        <name>CMainFrame</name>
        <message>
            <source>Recent &amp;Files</source>
            <translation>Recent &amp;Files</translation>
        </message>
        <message>
            <source>Open a configuration opened or saved lately
Recent Files</source>
            <translation>Open a configuration opened or saved lately
Recent Files</translation>
        </message>
        <message>
            <source>Fill &amp;Down</source>
            <translation>Fill &amp;Down</translation>
        </message>
        <message>
            <source>Copy the top selected value of each column into the selected rows below it
Fill Down</source>
            <translation>Copy the top selected value of each column into the selected rows below it
Fill Down</translation>
        </message>
        <message>
            <source>Set Selected C&amp;ells...</source>
            <translation>Set Selected C&amp;ells...</translation>
        </message>
        <message>
            <source>Give every selected row one value of the current column
Set Selected Cells</source>
            <translation>Give every selected row one value of the current column
Set Selected Cells</translation>
        </message>
        <message>
            <source>&amp;Undo %1</source>
            <translation>&amp;Undo %1</translation>
        </message>
        <message>
            <source>&amp;Redo %1</source>
            <translation>&amp;Redo %1</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>(none)</translation>
        </message>
    </context>
    <!-- The type column of the file dialog: Qt's own catalogue lacks these. -->
    <context>
        <name>QAbstractFileIconProvider</name>
        <message>
            <source>Folder</source>
            <comment>All other platforms</comment>
            <translation>Folder</translation>
        </message>
        <message>
            <source>Drive</source>
            <translation>Drive</translation>
        </message>
        <message>
            <source>Shortcut</source>
            <comment>All other platforms</comment>
            <translation>Shortcut</translation>
        </message>
        <message>
            <source>Unknown</source>
            <translation>Unknown</translation>
        </message>
    </context>
</TS>
