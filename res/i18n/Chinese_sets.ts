<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ChannelSets</name>
    <message>
        <source>at most %1</source>
        <translation>最大 %1</translation>
    </message>
    <message>
        <source>channels set to Low power and Narrow</source>
        <translation>信道设为低功率和窄带</translation>
    </message>
    <message>
        <source>channels set to Low power</source>
        <translation>信道设为低功率</translation>
    </message>
    <message>
        <source>channels set to Narrow</source>
        <translation>信道设为窄带</translation>
    </message>
    <message>
        <source>Give the set a name.</source>
        <translation>请为信道组命名。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a file name: leave out / \ : * ? &quot; &lt; &gt; |.</source>
        <translation>“%1”不能作为文件名：请去掉 / \ : * ? &quot; &lt; &gt; |。</translation>
    </message>
    <message>
        <source>%1 is the name of a built-in set.</source>
        <translation>%1 是内置信道组的名称。</translation>
    </message>
    <message>
        <source>Nothing was imported:</source>
        <translation>未导入任何内容：</translation>
    </message>
    <message>
        <source>Insert Channel Set</source>
        <translation>插入信道组</translation>
    </message>
    <message>
        <source>Channel set:</source>
        <translation>信道组：</translation>
    </message>
    <message>
        <source>Save as Channel Set</source>
        <translation>另存为信道组</translation>
    </message>
    <message>
        <source>Name of the set:</source>
        <translation>信道组名称：</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n row(s); the radio has %2 channels.</source>
        <translation>
            <numerusform>%1 共有 %n 行；电台有 %2 个信道。</numerusform>
        </translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n channel(s), %3</source>
        <translation>
            <numerusform>%1：%2，%n 个信道，%3</numerusform>
        </translation>
    </message>
    <message>
        <source>No channel set fits the band of this radio.</source>
        <translation>没有适合本电台频段的信道组。</translation>
    </message>
    <message>
        <source>Select the programmed channels to save first.</source>
        <translation>请先选择要保存的已编程信道。</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already: choose another name.</source>
        <translation>已有名为“%1”的信道组：请换一个名称。</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) saved as the set &quot;%1&quot; in %2.</source>
        <translation>
            <numerusform>已将 %n 个信道保存为信道组“%1”，位于 %2。</numerusform>
        </translation>
    </message>
    <message>
        <source>Your channel sets are in %1</source>
        <translation>您的信道组位于 %1</translation>
    </message>
</context>
<context>
    <name>InterchangeCsv</name>
    <message>
        <source>The first channel must be 1 to %1.</source>
        <translation>起始信道必须为 1 到 %1。</translation>
    </message>
    <message>
        <source>No row is chosen.</source>
        <translation>未选择任何行。</translation>
    </message>
    <message>
        <source>%1 rows are chosen, but channels %2 to %3 are only %4.</source>
        <translation>已选择 %1 行，但信道 %2 到 %3 只有 %4 个。</translation>
    </message>
    <message>
        <source>The file has no columns %1: the channels got their defaults.</source>
        <translation>文件没有 %1 列：信道使用了默认值。</translation>
    </message>
    <message>
        <source>Power in watts: at most 1 W became Low, more High (%1).</source>
        <translation>以瓦为单位的功率：不超过 1 W 设为低，更高设为高（%1）。</translation>
    </message>
    <message>
        <source>The radio keeps no channel names or comments: those of the file are not imported.</source>
        <translation>电台不保存信道名称和备注：未导入文件中的名称和备注。</translation>
    </message>
</context>
<context>
    <name>CChannelPickerDlg</name>
    <message>
        <source>Choose Channels</source>
        <translation>选择信道</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>选用</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>Dec / Enc</source>
        <translation>解码 / 编码</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>&amp;First channel:</source>
        <translation>起始信道(&amp;F)：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>No frequency</source>
        <translation>无频率</translation>
    </message>
    <message>
        <source>does not fit</source>
        <translation>放不下</translation>
    </message>
    <message>
        <source>No row is chosen.</source>
        <translation>未选择任何行。</translation>
    </message>
    <message>
        <source>%1 rows are chosen, but channels %2 to %3 are only %4.</source>
        <translation>已选择 %1 行，但信道 %2 到 %3 只有 %4 个。</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) into channels %1 to %2.</source>
        <translation>
            <numerusform>%n 行放入信道 %1 到 %2。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>&amp;Insert Channel Set...</source>
        <translation>插入信道组(&amp;I)...</translation>
    </message>
    <message>
        <source>Fill channels from a standard or your own channel set
Insert Channel Set</source>
        <translation>用标准信道组或您自己的信道组填充信道
插入信道组</translation>
    </message>
    <message>
        <source>Save as Channel &amp;Set...</source>
        <translation>另存为信道组(&amp;S)...</translation>
    </message>
    <message>
        <source>Save the selected channels as a channel set of your own
Save as Channel Set</source>
        <translation>将所选信道保存为您自己的信道组
另存为信道组</translation>
    </message>
    <message>
        <source>Open Channel &amp;Sets Folder</source>
        <translation>打开信道组文件夹(&amp;S)</translation>
    </message>
    <message>
        <source>Open the folder of your own channel sets
Open Channel Sets Folder</source>
        <translation>打开您自己的信道组所在的文件夹
打开信道组文件夹</translation>
    </message>
</context>
</TS>
