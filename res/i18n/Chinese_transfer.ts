<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CProgressDlg</name>
    <message>
        <source>Read from the radio on %1: connect the radio, switch it on, press OK</source>
        <translation>从 %1 上的电台读取：请连接电台并打开电源，然后按“确定”</translation>
    </message>
    <message>
        <source>Write to the radio on %1: connect the radio, switch it on, press OK</source>
        <translation>写入 %1 上的电台：请连接电台并打开电源，然后按“确定”</translation>
    </message>
    <message>
        <source>Read from the radio on %1 in factory mode: connect the radio, switch it on, press OK</source>
        <translation>以工厂模式从 %1 上的电台读取：请连接电台并打开电源，然后按“确定”</translation>
    </message>
    <message>
        <source>Write to the radio on %1 in factory mode, calibration included: connect the radio, switch it on, press OK</source>
        <translation>以工厂模式写入 %1 上的电台（包括校准数据）：请连接电台并打开电源，然后按“确定”</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>正在连接…</translation>
    </message>
    <message>
        <source>Reading block %1 of %2</source>
        <translation>正在读取第 %1 块，共 %2 块</translation>
    </message>
    <message>
        <source>Writing block %1 of %2</source>
        <translation>正在写入第 %1 块，共 %2 块</translation>
    </message>
    <message>
        <source>Verifying: connecting…</source>
        <translation>校验：正在连接…</translation>
    </message>
    <message>
        <source>Verifying block %1 of %2</source>
        <translation>正在校验第 %1 块，共 %2 块</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>写入后校验</translation>
    </message>
    <message>
        <source>Read %1 bytes from the radio; a backup was saved as %2</source>
        <translation>已从电台读取 %1 字节；备份已保存为 %2</translation>
    </message>
    <message>
        <source>Read %1 bytes from the radio; no backup could be kept</source>
        <translation>已从电台读取 %1 字节；未能保存备份</translation>
    </message>
    <message>
        <source>Wrote %1 bytes to the radio</source>
        <translation>已向电台写入 %1 字节</translation>
    </message>
    <message>
        <source>Written and verified</source>
        <translation>已写入并校验通过</translation>
    </message>
    <message>
        <source>Written, but not verified: reading the radio back failed</source>
        <translation>已写入，但未能校验：读回电台数据失败</translation>
    </message>
    <message>
        <source>Written, but the check found %1 byte(s) that differ</source>
        <translation>已写入，但校验发现 %1 个字节与写入的不同</translation>
    </message>
    <message>
        <source>Read failed: %1 could not be opened</source>
        <translation>读取失败：无法打开 %1</translation>
    </message>
    <message>
        <source>Write failed: %1 could not be opened</source>
        <translation>写入失败：无法打开 %1</translation>
    </message>
    <message>
        <source>Read failed: the radio did not answer</source>
        <translation>读取失败：电台没有应答</translation>
    </message>
    <message>
        <source>Write failed: the radio did not answer; nothing was written</source>
        <translation>写入失败：电台没有应答；未写入任何数据</translation>
    </message>
    <message>
        <source>Read failed: the link broke off after %1 of %2 blocks; the document is unchanged</source>
        <translation>读取失败：通信在第 %1 块（共 %2 块）后中断；文档未改变</translation>
    </message>
    <message>
        <source>Write failed: the link broke off after %1 of %2 blocks; the radio may hold part of the new data</source>
        <translation>写入失败：通信在第 %1 块（共 %2 块）后中断；电台中可能只有部分新数据</translation>
    </message>
    <message>
        <source>Read cancelled; the document is unchanged</source>
        <translation>读取已取消；文档未改变</translation>
    </message>
    <message>
        <source>Write cancelled; nothing was written</source>
        <translation>写入已取消；未写入任何数据</translation>
    </message>
    <message>
        <source>Write cancelled after %1 of %2 blocks; the radio may hold part of the new data</source>
        <translation>写入在第 %1 块（共 %2 块）后取消；电台中可能只有部分新数据</translation>
    </message>
    <message>
        <source>From the radio, %1</source>
        <translation>读自电台，%1</translation>
    </message>
</context>
</TS>
