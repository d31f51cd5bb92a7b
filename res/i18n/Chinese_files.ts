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
        <message>
            <source>Configuration text (*.yaml)</source>
            <translation>配置文本 (*.yaml)</translation>
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
    <context>
        <name>ConfigText</name>
        <message>
            <source>%1 is missing</source>
            <translation>缺少 %1</translation>
        </message>
        <message>
            <source>%1 is no name this format knows</source>
            <translation>%1 不是本格式认识的名称</translation>
        </message>
        <message>
            <source>%1 must hold named values</source>
            <translation>%1 必须包含带名称的值</translation>
        </message>
        <message>
            <source>%1 must be a single value</source>
            <translation>%1 必须是单个值</translation>
        </message>
        <message>
            <source>%1: the bytes must be %2 pairs of hex digits</source>
            <translation>%1：字节必须是 %2 对十六进制数字</translation>
        </message>
        <message>
            <source>%1: %2 sets bits outside the value's own (%3)</source>
            <translation>%1：%2 设置了该值所属位 (%3) 以外的位</translation>
        </message>
        <message>
            <source>%1: %2 is not a whole number from 0 to %3</source>
            <translation>%1：%2 不是 0 到 %3 之间的整数</translation>
        </message>
        <message>
            <source>the text is of format %1, written by a newer program; this program reads format %2 and older</source>
            <translation>此文本为格式 %1，由更新版本的程序写出；本程序只能读取格式 %2 及更早的格式</translation>
        </message>
        <message>
            <source>format 0 does not exist</source>
            <translation>不存在格式 0</translation>
        </message>
        <message>
            <source>a band by name needs a model by name</source>
            <translation>按名称给出的频段需要按名称给出的机型</translation>
        </message>
        <message>
            <source>the band %1 cannot be used: %2</source>
            <translation>频段 %1 无法使用：%2</translation>
        </message>
        <message>
            <source>%1: the settings file lists no entry %2</source>
            <translation>%1：设置文件中没有第 %2 项</translation>
        </message>
        <message>
            <source>%1: entry %2 of the settings file is %3, not %4</source>
            <translation>%1：设置文件的第 %2 项是 %3，而不是 %4</translation>
        </message>
        <message>
            <source>channel %1: %2 is neither &quot;empty&quot; nor a channel's values</source>
            <translation>信道 %1：%2 既不是 &quot;empty&quot;，也不是信道的值</translation>
        </message>
        <message>
            <source>not a frequency in MHz</source>
            <translation>不是以 MHz 为单位的频率</translation>
        </message>
        <message>
            <source>%1: %2: %3</source>
            <translation>%1：%2：%3</translation>
        </message>
        <message>
            <source>%1: %2: %3 (one of %4)</source>
            <translation>%1：%2：%3（可选：%4）</translation>
        </message>
        <message>
            <source>%1: a row holds 16 bytes (hex, or .. for a byte the values give whole)</source>
            <translation>%1：每行有 16 个字节（十六进制，或由上面的值完整给出的字节写作 ..）</translation>
        </message>
        <message>
            <source>%1: byte %2 must be two hex digits</source>
            <translation>%1：字节 %2 必须是两位十六进制数字</translation>
        </message>
        <message>
            <source>aliases (*name) are not used in a configuration text</source>
            <translation>配置文本中不使用别名 (*name)</translation>
        </message>
        <message>
            <source>tags (!name) are not used in a configuration text</source>
            <translation>配置文本中不使用标签 (!name)</translation>
        </message>
        <message>
            <source>a key must be a plain text</source>
            <translation>名称必须是普通文本</translation>
        </message>
        <message>
            <source>values are nested too deeply</source>
            <translation>值嵌套过深</translation>
        </message>
        <message>
            <source>the key %1 appears twice</source>
            <translation>名称 %1 出现了两次</translation>
        </message>
        <message>
            <source>the text is larger than %1 KB, more than any configuration</source>
            <translation>文本大于 %1 KB，超出任何配置的大小</translation>
        </message>
        <message>
            <source>the text holds more than one document</source>
            <translation>文本包含多于一个文档</translation>
        </message>
        <message>
            <source>not valid YAML: %1</source>
            <translation>不是有效的 YAML：%1</translation>
        </message>
        <message>
            <source>the text is no configuration: it holds no names with values</source>
            <translation>文本不是配置：其中没有带名称的值</translation>
        </message>
    </context>
</TS>
