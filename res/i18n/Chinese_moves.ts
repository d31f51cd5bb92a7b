<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CMainFrame</name>
    <message>
        <source>Mo&amp;ve Channels Up</source>
        <translation>上移信道(&amp;V)</translation>
    </message>
    <message>
        <source>Move the selected channels up one row, with all their settings
Move Channels Up</source>
        <translation>把所选信道连同全部设置上移一行
上移信道</translation>
    </message>
    <message>
        <source>Move Channels Do&amp;wn</source>
        <translation>下移信道(&amp;W)</translation>
    </message>
    <message>
        <source>Move the selected channels down one row, with all their settings
Move Channels Down</source>
        <translation>把所选信道连同全部设置下移一行
下移信道</translation>
    </message>
    <message>
        <source>Sort &amp;by Rx Frequency</source>
        <translation>按接收频率排序(&amp;B)</translation>
    </message>
    <message>
        <source>Sort the selected channels, or all programmed channels, by receive frequency
Sort by Rx Frequency</source>
        <translation>按接收频率排列所选信道（或全部已编程信道）
按接收频率排序</translation>
    </message>
    <message>
        <source>Insert E&amp;mpty Channel</source>
        <translation>插入空信道(&amp;M)</translation>
    </message>
    <message>
        <source>Insert an empty channel here; the channels below move down to the next empty one
Insert Empty Channel</source>
        <translation>在此插入一个空信道；下面的信道下移到下一个空信道为止
插入空信道</translation>
    </message>
    <message>
        <source>Dele&amp;te Channels</source>
        <translation>删除信道(&amp;T)</translation>
    </message>
    <message>
        <source>Delete the selected channels; the channels below move up
Delete Channels</source>
        <translation>删除所选信道；下面的信道上移
删除信道</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Move Channels</source>
        <translation>移动信道</translation>
    </message>
    <message>
        <source>Sort by Rx Frequency</source>
        <translation>按接收频率排序</translation>
    </message>
    <message>
        <source>Insert Channel</source>
        <translation>插入信道</translation>
    </message>
    <message>
        <source>Delete Channels</source>
        <translation>删除信道</translation>
    </message>
    <message>
        <source>No empty channel at or below channel %1 makes room for a new one: delete a channel first.</source>
        <translation>信道 %1 及其下方没有空信道可以腾出位置：请先删除一个信道。</translation>
    </message>
</context>
<context>
    <name>FleetDlg</name>
    <message>
        <source>not saved</source>
        <translation>未保存</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>Configuration: %1</source>
        <translation>配置：%1</translation>
    </message>
</context>
</TS>
