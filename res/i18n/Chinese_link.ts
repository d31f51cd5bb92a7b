<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CProgressDlg</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>进度</translation>
    </message>
</context>
<context>
    <name>CComSetupDlg</name>
    <message>
        <source>COM Setup</source>
        <translation>串口设置</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Other ports</source>
        <translation>其他串口</translation>
    </message>
    <message>
        <source>Other port:</source>
        <translation>其他串口：</translation>
    </message>
    <message>
        <source>Virtual radio</source>
        <translation>虚拟对讲机</translation>
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
<context>
    <name>SerialPort</name>
    <message>
        <source>No port is chosen.</source>
        <translation>未选择串口。</translation>
    </message>
    <message>
        <source>The port %1 does not exist.</source>
        <translation>串口 %1 不存在。</translation>
    </message>
    <message>
        <source>Permission denied for %1: your user must be in the "dialout" group (log in again after adding it).</source>
        <translation>无权访问 %1：当前用户必须属于 "dialout" 组（加入后需重新登录）。</translation>
    </message>
    <message>
        <source>The port %1 is busy: another program holds it open.</source>
        <translation>串口 %1 正忙：另一个程序正在使用它。</translation>
    </message>
</context>
</TS>
