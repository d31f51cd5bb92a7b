<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
    <context>
        <name>CMainFrame</name>
        <message>
            <source>Co&amp;mpare With...</source>
            <translation>Co&amp;mpare With...</translation>
        </message>
        <message>
            <source>Compare the active configuration with a saved one
Compare With</source>
            <translation>Compare the active configuration with a saved one
Compare With</translation>
        </message>
        <message>
            <source>&amp;Import Channel List...</source>
            <translation>&amp;Import Channel List...</translation>
        </message>
        <message>
            <source>Read the channels from a channel list file (CSV)
Import Channel List</source>
            <translation>Read the channels from a channel list file (CSV)
Import Channel List</translation>
        </message>
        <message>
            <source>&amp;Export Channel List...</source>
            <translation>&amp;Export Channel List...</translation>
        </message>
        <message>
            <source>Save the channels as a channel list file (CSV)
Export Channel List</source>
            <translation>Save the channels as a channel list file (CSV)
Export Channel List</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation>&amp;Undo</translation>
        </message>
        <message>
            <source>Undo the last change of the channels
Undo</source>
            <translation>Undo the last change of the channels
Undo</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translation>&amp;Redo</translation>
        </message>
        <message>
            <source>Redo the change last undone
Redo</source>
            <translation>Redo the change last undone
Redo</translation>
        </message>
        <message>
            <source>Cop&amp;y Channels</source>
            <translation>Cop&amp;y Channels</translation>
        </message>
        <message>
            <source>Copy the selected channel rows
Copy Channels</source>
            <translation>Copy the selected channel rows
Copy Channels</translation>
        </message>
        <message>
            <source>P&amp;aste Channels</source>
            <translation>P&amp;aste Channels</translation>
        </message>
        <message>
            <source>Paste channel rows from the clipboard
Paste Channels</source>
            <translation>Paste channel rows from the clipboard
Paste Channels</translation>
        </message>
        <message>
            <source>C&amp;lear Channels</source>
            <translation>C&amp;lear Channels</translation>
        </message>
        <message>
            <source>Clear the selected channel rows
Clear Channels</source>
            <translation>Clear the selected channel rows
Clear Channels</translation>
        </message>
        <message>
            <source>Write to Several Radios…</source>
            <translation>Write to Several Radios…</translation>
        </message>
        <message>
            <source>Write the active configuration to the radios on several ports at once
Write to several radios</source>
            <translation>Write the active configuration to the radios on several ports at once
Write to several radios</translation>
        </message>
        <message>
            <source>Open &amp;Backups Folder</source>
            <translation>Open &amp;Backups Folder</translation>
        </message>
        <message>
            <source>Open the folder of the backups kept at each read
Open Backups Folder</source>
            <translation>Open the folder of the backups kept at each read
Open Backups Folder</translation>
        </message>
        <message>
            <source>Open Programming Record</source>
            <translation>Open Programming Record</translation>
        </message>
        <message>
            <source>Open the record of every radio this program has written
Open programming record</source>
            <translation>Open the record of every radio this program has written
Open programming record</translation>
        </message>
        <message>
            <source>Keep a communication log</source>
            <translation>Keep a communication log</translation>
        </message>
        <message>
            <source>Log every byte of each transfer with the radio, for support
Keep a communication log</source>
            <translation>Log every byte of each transfer with the radio, for support
Keep a communication log</translation>
        </message>
        <message>
            <source>Open Communication Log Folder</source>
            <translation>Open Communication Log Folder</translation>
        </message>
        <message>
            <source>Open the folder of the communication logs
Open communication log folder</source>
            <translation>Open the folder of the communication logs
Open communication log folder</translation>
        </message>
    </context>
</TS>
