<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Extras</name>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Compare With</translation>
    </message>
    <message>
        <source>Compared with %1</source>
        <translation>Compared with %1</translation>
    </message>
    <message>
        <source>Configurations (*.dat)</source>
        <translation>Configurations (*.dat)</translation>
    </message>
    <message>
        <source>Channel lists (*.csv)</source>
        <translation>Channel lists (*.csv)</translation>
    </message>
    <message>
        <source>Import Channel List</source>
        <translation>Import Channel List</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>Export Channel List</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>Cannot open &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;.</source>
        <translation>Cannot write &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a configuration: it is shorter than 1024 bytes.</source>
        <translation>&quot;%1&quot; is not a configuration: it is shorter than 1024 bytes.</translation>
    </message>
    <message>
        <source>No row of the file can be imported:</source>
        <translation>No row of the file can be imported:</translation>
    </message>
    <message>
        <source>Nothing was pasted:</source>
        <translation>Nothing was pasted:</translation>
    </message>
    <message>
        <source>The clipboard holds no channel rows.</source>
        <translation>The clipboard holds no channel rows.</translation>
    </message>
    <message>
        <source>below the last channel</source>
        <translation>below the last channel</translation>
    </message>
    <message>
        <source>not a channel row of 10 or 11 tab-separated cells</source>
        <translation>not a channel row of 10 or 11 tab-separated cells</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the column&apos;s entries</source>
        <translation>&quot;%1&quot; is not one of the column&apos;s entries</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Row %1</translation>
    </message>
    <message>
        <source>Row %1, %2</source>
        <translation>Row %1, %2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Verify after writing</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verify</translation>
    </message>
    <message>
        <source>Backup kept: %1</source>
        <translation>Backup kept: %1</translation>
    </message>
    <message>
        <source>No backup of the read could be kept: %1</source>
        <translation>No backup of the read could be kept: %1</translation>
    </message>
    <message>
        <source>The backups are in %1</source>
        <translation>The backups are in %1</translation>
    </message>
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
    <message>
        <source>&quot;%1&quot; is too large: a channel list holds at most %2 KB.</source>
        <translation>&quot;%1&quot; is too large: a channel list holds at most %2 KB.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file: folders, devices and pipes cannot be read.</source>
        <translation>&quot;%1&quot; is not a regular file: folders, devices and pipes cannot be read.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file: folders, devices and pipes cannot be written.</source>
        <translation>&quot;%1&quot; is not a regular file: folders, devices and pipes cannot be written.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is write-protected; it was left unchanged.</source>
        <translation>&quot;%1&quot; is write-protected; it was left unchanged.</translation>
    </message>
</context>
</TS>
