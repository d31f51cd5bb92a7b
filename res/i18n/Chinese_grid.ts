<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Grid</name>
    <message>
        <source>Edit Cell</source>
        <translation>编辑单元格</translation>
    </message>
    <message>
        <source>Fill Down</source>
        <translation>向下填充</translation>
    </message>
    <message>
        <source>Set Selected Cells</source>
        <translation>设置所选单元格</translation>
    </message>
    <message>
        <source>Nothing was changed:</source>
        <translation>未作任何更改：</translation>
    </message>
</context>
<context>
    <name>CSetCellsDlg</name>
    <message>
        <source>Set Selected Cells</source>
        <translation>设置所选单元格</translation>
    </message>
    <message>
        <source>Selected rows: %1</source>
        <translation>所选行数：%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
</TS>
