<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CMainFrame</name>
    <message>
        <source>Mo&amp;ve Channels Up</source>
        <translation>Mo&amp;ve Channels Up</translation>
    </message>
    <message>
        <source>Move the selected channels up one row, with all their settings
Move Channels Up</source>
        <translation>Move the selected channels up one row, with all their settings
Move Channels Up</translation>
    </message>
    <message>
        <source>Move Channels Do&amp;wn</source>
        <translation>Move Channels Do&amp;wn</translation>
    </message>
    <message>
        <source>Move the selected channels down one row, with all their settings
Move Channels Down</source>
        <translation>Move the selected channels down one row, with all their settings
Move Channels Down</translation>
    </message>
    <message>
        <source>Sort &amp;by Rx Frequency</source>
        <translation>Sort &amp;by Rx Frequency</translation>
    </message>
    <message>
        <source>Sort the selected channels, or all programmed channels, by receive frequency
Sort by Rx Frequency</source>
        <translation>Sort the selected channels, or all programmed channels, by receive frequency
Sort by Rx Frequency</translation>
    </message>
    <message>
        <source>Insert E&amp;mpty Channel</source>
        <translation>Insert E&amp;mpty Channel</translation>
    </message>
    <message>
        <source>Insert an empty channel here; the channels below move down to the next empty one
Insert Empty Channel</source>
        <translation>Insert an empty channel here; the channels below move down to the next empty one
Insert Empty Channel</translation>
    </message>
    <message>
        <source>Dele&amp;te Channels</source>
        <translation>Dele&amp;te Channels</translation>
    </message>
    <message>
        <source>Delete the selected channels; the channels below move up
Delete Channels</source>
        <translation>Delete the selected channels; the channels below move up
Delete Channels</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Move Up</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Move Down</translation>
    </message>
    <message>
        <source>Move Channels</source>
        <translation>Move Channels</translation>
    </message>
    <message>
        <source>Sort by Rx Frequency</source>
        <translation>Sort by Rx Frequency</translation>
    </message>
    <message>
        <source>Insert Channel</source>
        <translation>Insert Channel</translation>
    </message>
    <message>
        <source>Delete Channels</source>
        <translation>Delete Channels</translation>
    </message>
    <message>
        <source>No empty channel at or below channel %1 makes room for a new one: delete a channel first.</source>
        <translation>No empty channel at or below channel %1 makes room for a new one: delete a channel first.</translation>
    </message>
</context>
<context>
    <name>FleetDlg</name>
    <message>
        <source>not saved</source>
        <translation>not saved</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>Configuration: %1</source>
        <translation>Configuration: %1</translation>
    </message>
</context>
</TS>
