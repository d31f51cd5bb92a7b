<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Text</name>
    <message>
        <source>... and %1 more</source>
        <translation>……另有 %1 项</translation>
    </message>
</context>
<context>
    <name>Band</name>
    <message>
        <source>its low edge is below 10 MHz, which a channel cannot hold</source>
        <translation>其下限低于 10 MHz，信道无法存储</translation>
    </message>
    <message>
        <source>its high edge is missing or below its low edge</source>
        <translation>其上限缺失或低于下限</translation>
    </message>
    <message>
        <source>its high edge is above 999 MHz, which a channel cannot hold</source>
        <translation>其上限高于 999 MHz，信道无法存储</translation>
    </message>
</context>
<context>
    <name>ConfigCheck</name>
    <message>
        <source>its stored digits are not a decimal frequency</source>
        <translation>存储的数字不是十进制频率</translation>
    </message>
    <message>
        <source>not a tone of the tone list</source>
        <translation>不是亚音列表中的亚音</translation>
    </message>
    <message>
        <source>not one of the list's entries</source>
        <translation>不是列表中的选项</translation>
    </message>
    <message>
        <source>not a programmed channel</source>
        <translation>不是已输入的信道</translation>
    </message>
    <message>
        <source>not a time from 0.50 to 5.00 seconds</source>
        <translation>不是 0.50 至 5.00 秒之间的时间</translation>
    </message>
    <message>
        <source>not a number from 0 to 300</source>
        <translation>不是 0 至 300 之间的数字</translation>
    </message>
    <message>
        <source>there is no settings file to check the model and band against</source>
        <translation>没有可用于核对型号和频段的设置文件</translation>
    </message>
    <message>
        <source>names no model of the settings file</source>
        <translation>不是设置文件中的型号</translation>
    </message>
    <message>
        <source>names no band of the model %1 in the settings file</source>
        <translation>不是设置文件中型号 %1 的频段</translation>
    </message>
    <message>
        <source>the band of settings key %1 cannot be used: %2</source>
        <translation>设置项 %1 的频段无法使用：%2</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>频段为空</translation>
    </message>
    <message>
        <source>Channel %1, %2, %3: %4</source>
        <translation>信道%1，%2，%3：%4</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1，%2：%3</translation>
    </message>
</context>
<context>
    <name>WriteCheck</name>
    <message>
        <source>Write Anyway</source>
        <translation>仍然写入</translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) of this configuration would be refused if typed; the radio may not work as intended. Write it anyway?</source>
        <translation>
            <numerusform>此配置中有 %n 个值在输入时会被拒绝，电台可能无法正常工作。仍然写入吗？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n value(s) that no editor would accept:</source>
        <translation>
            <numerusform>%1 中有 %n 个值是编辑器不会接受的：</numerusform>
        </translation>
    </message>
    <message>
        <source>The band %1 (key Field%2 in section Setup of Program.ini) cannot be used: %3. No frequency can be entered until another band is chosen or the settings file is corrected.</source>
        <translation>频段 %1（Program.ini 中 Setup 节的 Field%2 项）无法使用：%3。在选择其他频段或更正设置文件之前无法输入任何频率。</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) lie outside the new band: %1. Write will list them until they are changed.</source>
        <translation>
            <numerusform>有 %n 个信道超出新频段：%1。在修改之前，写入时会列出这些信道。</numerusform>
        </translation>
    </message>
</context>
</TS>
