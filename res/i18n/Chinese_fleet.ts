<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
    <context>
        <name>FleetDlg</name>
        <message>
            <source>Waiting</source>
            <translation>等待</translation>
        </message>
        <message>
            <source>Backup</source>
            <translation>备份</translation>
        </message>
        <message>
            <source>Writing</source>
            <translation>写入中</translation>
        </message>
        <message>
            <source>Verifying</source>
            <translation>校验中</translation>
        </message>
        <message>
            <source>Programmed</source>
            <translation>已编程</translation>
        </message>
        <message>
            <source>Failed</source>
            <translation>失败</translation>
        </message>
        <message>
            <source>Cancelled</source>
            <translation>已取消</translation>
        </message>
        <message>
            <source>Write to Several Radios</source>
            <translation>写入多台电台</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>端口</translation>
        </message>
        <message>
            <source>Progress</source>
            <translation>进度</translation>
        </message>
        <message>
            <source>State</source>
            <translation>状态</translation>
        </message>
        <message>
            <source>Seconds</source>
            <translation>秒</translation>
        </message>
        <message>
            <source>Verified</source>
            <translation>已校验</translation>
        </message>
        <message>
            <source>Port name or device path</source>
            <translation>端口名或设备路径</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>添加</translation>
        </message>
        <message>
            <source>Verify after writing</source>
            <translation>写入后校验</translation>
        </message>
        <message>
            <source>Keep a backup of each radio first</source>
            <translation>先备份每台电台</translation>
        </message>
        <message>
            <source>Start</source>
            <translation>开始</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
        <message>
            <source>Tick at least one port.</source>
            <translation>请至少勾选一个端口。</translation>
        </message>
        <message>
            <source>The port "%1" is ticked twice (under two names).</source>
            <translation>端口“%1”被勾选了两次（两个名称）。</translation>
        </message>
        <message>
            <source>Writing to %1 radio(s)...</source>
            <translation>正在写入 %1 台电台...</translation>
        </message>
        <message>
            <source>Cancelling...</source>
            <translation>正在取消...</translation>
        </message>
        <message>
            <source>Failed: %1</source>
            <translation>失败：%1</translation>
        </message>
        <message>
            <source>yes</source>
            <translation>是</translation>
        </message>
        <message>
            <source>no</source>
            <translation>否</translation>
        </message>
        <message>
            <source>The programming record could not be written: %1</source>
            <translation>无法写入编程记录：%1</translation>
        </message>
        <message>
            <source>The communication log could not be written: %1</source>
            <translation>无法写入通信日志：%1</translation>
        </message>
        <message>
            <source>%1 failed: %2</source>
            <translation>%1 失败：%2</translation>
        </message>
        <message>
            <source>%1 of %2 radio(s) programmed</source>
            <translation>%2 台电台中已编程 %1 台</translation>
        </message>
        <message>
            <source>Cancelled; %1</source>
            <translation>已取消；%1</translation>
        </message>
        <message>
            <source>No radio has been programmed yet: there is no programming record.</source>
            <translation>尚未编程任何电台：还没有编程记录。</translation>
        </message>
        <message>
            <source>The programming record is %1</source>
            <translation>编程记录位于 %1</translation>
        </message>
        <message>
            <source>The communication logs are in %1</source>
            <translation>通信日志位于 %1</translation>
        </message>
    </context>
</TS>
