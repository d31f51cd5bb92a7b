<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Extras</name>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>比较配置</translation>
    </message>
    <message>
        <source>Compared with %1</source>
        <translation>与 %1 的比较</translation>
    </message>
    <message>
        <source>Configurations (*.dat)</source>
        <translation>配置文件 (*.dat)</translation>
    </message>
    <message>
        <source>Channel lists (*.csv)</source>
        <translation>信道表 (*.csv)</translation>
    </message>
    <message>
        <source>Import Channel List</source>
        <translation>导入信道表</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>导出信道表</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>无法打开“%1”。</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;.</source>
        <translation>无法写入“%1”。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a configuration: it is shorter than 1024 bytes.</source>
        <translation>“%1”不是配置文件：不足 1024 字节。</translation>
    </message>
    <message>
        <source>No row of the file can be imported:</source>
        <translation>文件中没有可以导入的行：</translation>
    </message>
    <message>
        <source>Nothing was pasted:</source>
        <translation>未粘贴任何内容：</translation>
    </message>
    <message>
        <source>The clipboard holds no channel rows.</source>
        <translation>剪贴板中没有信道行。</translation>
    </message>
    <message>
        <source>below the last channel</source>
        <translation>超出最后一个信道</translation>
    </message>
    <message>
        <source>not a channel row of 10 or 11 tab-separated cells</source>
        <translation>不是由 10 或 11 个制表符分隔单元组成的信道行</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the column&apos;s entries</source>
        <translation>“%1”不是该列的可选项</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>Row %1, %2</source>
        <translation>第 %1 行，%2</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>写入后校验</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>校验</translation>
    </message>
    <message>
        <source>Backup kept: %1</source>
        <translation>已保存备份：%1</translation>
    </message>
    <message>
        <source>No backup of the read could be kept: %1</source>
        <translation>无法保存读取数据的备份：%1</translation>
    </message>
    <message>
        <source>The backups are in %1</source>
        <translation>备份保存在 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the file cannot be imported.</source>
        <translation>
            <numerusform>文件中有 %n 行无法导入。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import the other %n row(s)? Cancel imports nothing.</source>
        <translation>
            <numerusform>是否导入其余 %n 行？选择取消则不导入任何内容。</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large: a channel list holds at most %2 KB.</source>
        <translation>“%1”太大：信道表最多 %2 KB。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file: folders, devices and pipes cannot be read.</source>
        <translation>“%1”不是普通文件：无法读取文件夹、设备或管道。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file: folders, devices and pipes cannot be written.</source>
        <translation>“%1”不是普通文件：无法写入文件夹、设备或管道。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is write-protected; it was left unchanged.</source>
        <translation>“%1”已写保护，未作任何更改。</translation>
    </message>
</context>
</TS>
