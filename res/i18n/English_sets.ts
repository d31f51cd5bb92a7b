<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ChannelSets</name>
    <message>
        <source>at most %1</source>
        <translation>at most %1</translation>
    </message>
    <message>
        <source>channels set to Low power and Narrow</source>
        <translation>channels set to Low power and Narrow</translation>
    </message>
    <message>
        <source>channels set to Low power</source>
        <translation>channels set to Low power</translation>
    </message>
    <message>
        <source>channels set to Narrow</source>
        <translation>channels set to Narrow</translation>
    </message>
    <message>
        <source>Give the set a name.</source>
        <translation>Give the set a name.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a file name: leave out / \ : * ? &quot; &lt; &gt; |.</source>
        <translation>&quot;%1&quot; cannot be a file name: leave out / \ : * ? &quot; &lt; &gt; |.</translation>
    </message>
    <message>
        <source>%1 is the name of a built-in set.</source>
        <translation>%1 is the name of a built-in set.</translation>
    </message>
    <message>
        <source>Nothing was imported:</source>
        <translation>Nothing was imported:</translation>
    </message>
    <message>
        <source>Insert Channel Set</source>
        <translation>Insert Channel Set</translation>
    </message>
    <message>
        <source>Channel set:</source>
        <translation>Channel set:</translation>
    </message>
    <message>
        <source>Save as Channel Set</source>
        <translation>Save as Channel Set</translation>
    </message>
    <message>
        <source>Name of the set:</source>
        <translation>Name of the set:</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n row(s); the radio has %2 channels.</source>
        <translation>
            <numerusform>%1 holds %n row; the radio has %2 channels.</numerusform>
            <numerusform>%1 holds %n rows; the radio has %2 channels.</numerusform>
        </translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n channel(s), %3</source>
        <translation>
            <numerusform>%1: %2, %n channel, %3</numerusform>
            <numerusform>%1: %2, %n channels, %3</numerusform>
        </translation>
    </message>
    <message>
        <source>No channel set fits the band of this radio.</source>
        <translation>No channel set fits the band of this radio.</translation>
    </message>
    <message>
        <source>Select the programmed channels to save first.</source>
        <translation>Select the programmed channels to save first.</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already: choose another name.</source>
        <translation>There is a set named &quot;%1&quot; already: choose another name.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) saved as the set &quot;%1&quot; in %2.</source>
        <translation>
            <numerusform>%n channel saved as the set &quot;%1&quot; in %2.</numerusform>
            <numerusform>%n channels saved as the set &quot;%1&quot; in %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Your channel sets are in %1</source>
        <translation>Your channel sets are in %1</translation>
    </message>
</context>
<context>
    <name>InterchangeCsv</name>
    <message>
        <source>The first channel must be 1 to %1.</source>
        <translation>The first channel must be 1 to %1.</translation>
    </message>
    <message>
        <source>No row is chosen.</source>
        <translation>No row is chosen.</translation>
    </message>
    <message>
        <source>%1 rows are chosen, but channels %2 to %3 are only %4.</source>
        <translation>%1 rows are chosen, but channels %2 to %3 are only %4.</translation>
    </message>
    <message>
        <source>The file has no columns %1: the channels got their defaults.</source>
        <translation>The file has no columns %1: the channels got their defaults.</translation>
    </message>
    <message>
        <source>Power in watts: at most 1 W became Low, more High (%1).</source>
        <translation>Power in watts: at most 1 W became Low, more High (%1).</translation>
    </message>
    <message>
        <source>The radio keeps no channel names or comments: those of the file are not imported.</source>
        <translation>The radio keeps no channel names or comments: those of the file are not imported.</translation>
    </message>
</context>
<context>
    <name>CChannelPickerDlg</name>
    <message>
        <source>Choose Channels</source>
        <translation>Choose Channels</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Use</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Rx Frequency</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Tx Frequency</translation>
    </message>
    <message>
        <source>Dec / Enc</source>
        <translation>Dec / Enc</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>&amp;First channel:</source>
        <translation>&amp;First channel:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>No frequency</source>
        <translation>No frequency</translation>
    </message>
    <message>
        <source>does not fit</source>
        <translation>does not fit</translation>
    </message>
    <message>
        <source>No row is chosen.</source>
        <translation>No row is chosen.</translation>
    </message>
    <message>
        <source>%1 rows are chosen, but channels %2 to %3 are only %4.</source>
        <translation>%1 rows are chosen, but channels %2 to %3 are only %4.</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) into channels %1 to %2.</source>
        <translation>
            <numerusform>%n row into channels %1 to %2.</numerusform>
            <numerusform>%n rows into channels %1 to %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Insert Channel Set...</source>
        <translation>&amp;Insert Channel Set...</translation>
    </message>
    <message>
        <source>Fill channels from a standard or your own channel set
Insert Channel Set</source>
        <translation>Fill channels from a standard or your own channel set
Insert Channel Set</translation>
    </message>
    <message>
        <source>Save as Channel &amp;Set...</source>
        <translation>Save as Channel &amp;Set...</translation>
    </message>
    <message>
        <source>Save the selected channels as a channel set of your own
Save as Channel Set</source>
        <translation>Save the selected channels as a channel set of your own
Save as Channel Set</translation>
    </message>
    <message>
        <source>Open Channel &amp;Sets Folder</source>
        <translation>Open Channel &amp;Sets Folder</translation>
    </message>
    <message>
        <source>Open the folder of your own channel sets
Open Channel Sets Folder</source>
        <translation>Open the folder of your own channel sets
Open Channel Sets Folder</translation>
    </message>
</context>
</TS>
