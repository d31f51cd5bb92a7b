<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
    <context>
        <name>CMainFrame</name>
        <message>
            <source>Co&amp;mpare With...</source>
            <translation>比较配置(&amp;M)...</translation>
        </message>
        <message>
            <source>Compare the active configuration with a saved one
Compare With</source>
            <translation>比较当前配置与已保存的配置
比较配置</translation>
        </message>
        <message>
            <source>&amp;Import Channel List...</source>
            <translation>导入信道表(&amp;I)...</translation>
        </message>
        <message>
            <source>Read the channels from a channel list file (CSV)
Import Channel List</source>
            <translation>从信道表文件 (CSV) 读入信道
导入信道表</translation>
        </message>
        <message>
            <source>&amp;Export Channel List...</source>
            <translation>导出信道表(&amp;E)...</translation>
        </message>
        <message>
            <source>Save the channels as a channel list file (CSV)
Export Channel List</source>
            <translation>将信道保存为信道表文件 (CSV)
导出信道表</translation>
        </message>
        <message>
            <source>&amp;Undo</source>
            <translation>撤销(&amp;U)</translation>
        </message>
        <message>
            <source>Undo the last change of the channels
Undo</source>
            <translation>撤销对信道的上一次更改
撤销</translation>
        </message>
        <message>
            <source>&amp;Redo</source>
            <translation>重做(&amp;R)</translation>
        </message>
        <message>
            <source>Redo the change last undone
Redo</source>
            <translation>重做上一次撤销的更改
重做</translation>
        </message>
        <message>
            <source>Cop&amp;y Channels</source>
            <translation>复制信道(&amp;Y)</translation>
        </message>
        <message>
            <source>Copy the selected channel rows
Copy Channels</source>
            <translation>复制所选的信道行
复制信道</translation>
        </message>
        <message>
            <source>P&amp;aste Channels</source>
            <translation>粘贴信道(&amp;A)</translation>
        </message>
        <message>
            <source>Paste channel rows from the clipboard
Paste Channels</source>
            <translation>从剪贴板粘贴信道行
粘贴信道</translation>
        </message>
        <message>
            <source>C&amp;lear Channels</source>
            <translation>清除信道(&amp;L)</translation>
        </message>
        <message>
            <source>Clear the selected channel rows
Clear Channels</source>
            <translation>清除所选的信道行
清除信道</translation>
        </message>
        <message>
            <source>Write to Several Radios…</source>
            <translation>写入多台电台…</translation>
        </message>
        <message>
            <source>Write the active configuration to the radios on several ports at once
Write to several radios</source>
            <translation>将当前配置同时写入多个端口上的电台
写入多台电台</translation>
        </message>
        <message>
            <source>Open &amp;Backups Folder</source>
            <translation>打开备份文件夹(&amp;B)</translation>
        </message>
        <message>
            <source>Open the folder of the backups kept at each read
Open Backups Folder</source>
            <translation>打开每次读取时保存的备份所在的文件夹
打开备份文件夹</translation>
        </message>
        <message>
            <source>Open Programming Record</source>
            <translation>打开编程记录</translation>
        </message>
        <message>
            <source>Open the record of every radio this program has written
Open programming record</source>
            <translation>打开本程序写入的每台电台的记录
打开编程记录</translation>
        </message>
        <message>
            <source>Keep a communication log</source>
            <translation>保存通信日志</translation>
        </message>
        <message>
            <source>Log every byte of each transfer with the radio, for support
Keep a communication log</source>
            <translation>记录与电台每次传输的每个字节，供技术支持使用
保存通信日志</translation>
        </message>
        <message>
            <source>Open Communication Log Folder</source>
            <translation>打开通信日志文件夹</translation>
        </message>
        <message>
            <source>Open the folder of the communication logs
Open communication log folder</source>
            <translation>打开通信日志所在的文件夹
打开通信日志文件夹</translation>
        </message>
    </context>
</TS>
