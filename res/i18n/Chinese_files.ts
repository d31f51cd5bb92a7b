<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
    <context>
        <name>FileLayouts</name>
        <message>
            <source>Channel list, every field</source>
            <translation>信道表，全部字段</translation>
        </message>
        <message>
            <source>Channel list, 21-column interchange</source>
            <translation>信道表，21 列交换格式</translation>
        </message>
    </context>
    <context>
        <name>FileDialogs</name>
        <message>
            <source>Program Document (*.dat)</source>
            <translation>写频文件 (*.dat)</translation>
        </message>
    </context>
    <context>
        <name>CMainFrame</name>
        <message>
            <source>Recent &amp;Files</source>
            <translation>最近的文件(&amp;F)</translation>
        </message>
        <message>
            <source>Open a configuration opened or saved lately
Recent Files</source>
            <translation>打开最近打开或保存过的配置
最近的文件</translation>
        </message>
        <message>
            <source>Fill &amp;Down</source>
            <translation>向下填充(&amp;D)</translation>
        </message>
        <message>
            <source>Copy the top selected value of each column into the selected rows below it
Fill Down</source>
            <translation>把每列选中的最上面的值复制到下面选中的行
向下填充</translation>
        </message>
        <message>
            <source>Set Selected C&amp;ells...</source>
            <translation>设置选中的单元格(&amp;E)...</translation>
        </message>
        <message>
            <source>Give every selected row one value of the current column
Set Selected Cells</source>
            <translation>为每个选中的行设置当前列的同一个值
设置选中的单元格</translation>
        </message>
        <message>
            <source>&amp;Undo %1</source>
            <translation>撤销 %1(&amp;U)</translation>
        </message>
        <message>
            <source>&amp;Redo %1</source>
            <translation>重做 %1(&amp;R)</translation>
        </message>
        <message>
            <source>(none)</source>
            <translation>（无）</translation>
        </message>
    </context>
    <!-- The type column of the file dialog: Qt's own catalogue lacks these. -->
    <context>
        <name>QAbstractFileIconProvider</name>
        <message>
            <source>Folder</source>
            <comment>All other platforms</comment>
            <translation>文件夹</translation>
        </message>
        <message>
            <source>Drive</source>
            <translation>驱动器</translation>
        </message>
        <message>
            <source>Shortcut</source>
            <comment>All other platforms</comment>
            <translation>快捷方式</translation>
        </message>
        <message>
            <source>Unknown</source>
            <translation>未知</translation>
        </message>
    </context>
</TS>
