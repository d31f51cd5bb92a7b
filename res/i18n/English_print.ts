<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
    <context>
        <name>CProgramView</name>
        <message>
            <source>Print</source>
            <translation>Print</translation>
        </message>
        <message>
            <source>The report could not be printed.</source>
            <translation>The report could not be printed.</translation>
        </message>
    </context>
</TS>
