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
        <message>
            <source>Configuration text (*.yaml)</source>
            <translation>Configuration text (*.yaml)</translation>
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
    <context>
        <name>ConfigText</name>
        <message>
            <source>%1 is missing</source>
            <translation>%1 is missing</translation>
        </message>
        <message>
            <source>%1 is no name this format knows</source>
            <translation>%1 is no name this format knows</translation>
        </message>
        <message>
            <source>%1 must hold named values</source>
            <translation>%1 must hold named values</translation>
        </message>
        <message>
            <source>%1 must be a single value</source>
            <translation>%1 must be a single value</translation>
        </message>
        <message>
            <source>%1: the bytes must be %2 pairs of hex digits</source>
            <translation>%1: the bytes must be %2 pairs of hex digits</translation>
        </message>
        <message>
            <source>%1: %2 sets bits outside the value's own (%3)</source>
            <translation>%1: %2 sets bits outside the value's own (%3)</translation>
        </message>
        <message>
            <source>%1: %2 is not a whole number from 0 to %3</source>
            <translation>%1: %2 is not a whole number from 0 to %3</translation>
        </message>
        <message>
            <source>the text is of format %1, written by a newer program; this program reads format %2 and older</source>
            <translation>the text is of format %1, written by a newer program; this program reads format %2 and older</translation>
        </message>
        <message>
            <source>format 0 does not exist</source>
            <translation>format 0 does not exist</translation>
        </message>
        <message>
            <source>a band by name needs a model by name</source>
            <translation>a band by name needs a model by name</translation>
        </message>
        <message>
            <source>the band %1 cannot be used: %2</source>
            <translation>the band %1 cannot be used: %2</translation>
        </message>
        <message>
            <source>%1: the settings file lists no entry %2</source>
            <translation>%1: the settings file lists no entry %2</translation>
        </message>
        <message>
            <source>%1: entry %2 of the settings file is %3, not %4</source>
            <translation>%1: entry %2 of the settings file is %3, not %4</translation>
        </message>
        <message>
            <source>channel %1: %2 is neither &quot;empty&quot; nor a channel's values</source>
            <translation>channel %1: %2 is neither &quot;empty&quot; nor a channel's values</translation>
        </message>
        <message>
            <source>not a frequency in MHz</source>
            <translation>not a frequency in MHz</translation>
        </message>
        <message>
            <source>%1: %2: %3</source>
            <translation>%1: %2: %3</translation>
        </message>
        <message>
            <source>%1: %2: %3 (one of %4)</source>
            <translation>%1: %2: %3 (one of %4)</translation>
        </message>
        <message>
            <source>%1: a row holds 16 bytes (hex, or .. for a byte the values give whole)</source>
            <translation>%1: a row holds 16 bytes (hex, or .. for a byte the values give whole)</translation>
        </message>
        <message>
            <source>%1: byte %2 must be two hex digits</source>
            <translation>%1: byte %2 must be two hex digits</translation>
        </message>
        <message>
            <source>aliases (*name) are not used in a configuration text</source>
            <translation>aliases (*name) are not used in a configuration text</translation>
        </message>
        <message>
            <source>tags (!name) are not used in a configuration text</source>
            <translation>tags (!name) are not used in a configuration text</translation>
        </message>
        <message>
            <source>a key must be a plain text</source>
            <translation>a key must be a plain text</translation>
        </message>
        <message>
            <source>values are nested too deeply</source>
            <translation>values are nested too deeply</translation>
        </message>
        <message>
            <source>the key %1 appears twice</source>
            <translation>the key %1 appears twice</translation>
        </message>
        <message>
            <source>the text is larger than %1 KB, more than any configuration</source>
            <translation>the text is larger than %1 KB, more than any configuration</translation>
        </message>
        <message>
            <source>the text holds more than one document</source>
            <translation>the text holds more than one document</translation>
        </message>
        <message>
            <source>not valid YAML: %1</source>
            <translation>not valid YAML: %1</translation>
        </message>
        <message>
            <source>the text is no configuration: it holds no names with values</source>
            <translation>the text is no configuration: it holds no names with values</translation>
        </message>
    </context>
</TS>
