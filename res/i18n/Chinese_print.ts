<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
    <context>
        <name>CProgramView</name>
        <message>
            <source>Print</source>
            <translation>打印</translation>
        </message>
        <message>
            <source>The report could not be printed.</source>
            <translation>无法打印报表。</translation>
        </message>
    </context>
</TS>
