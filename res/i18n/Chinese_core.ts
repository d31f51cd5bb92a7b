<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ChannelTable</name>
    <message>
        <source>CH</source>
        <translation>信道</translation>
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
        <source>QT/DQT Dec</source>
        <translation>QT/DQT解码</translation>
    </message>
    <message>
        <source>QT/DQT Enc</source>
        <translation>QT/DQT编码</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>Scan Add</source>
        <translation>扫描添加</translation>
    </message>
    <message>
        <source>Busy Lock</source>
        <translation>繁忙锁定</translation>
    </message>
    <message>
        <source>W/N</source>
        <translation>宽/窄</translation>
    </message>
    <message>
        <source>Compand</source>
        <translation>压扩</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>扰频</translation>
    </message>
</context>
<context>
    <name>ScanInfo</name>
    <message>
        <source>Please select channel inputed</source>
        <translation>请选择已输入的信道</translation>
    </message>
</context>
<context>
    <name>FactoryMode</name>
    <message>
        <source>Password Error</source>
        <translation>密码错误</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Power Adjust</source>
        <translation>功率调节</translation>
    </message>
    <message>
        <source>Param Adjust</source>
        <translation>参数调节</translation>
    </message>
</context>
<context>
    <name>ParamAdjust</name>
    <message>
        <source>Audio inpput</source>
        <translation>音频输入</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>音频输出</translation>
    </message>
    <message>
        <source>MIC output</source>
        <translation>MIC输出</translation>
    </message>
    <message>
        <source>MOD output</source>
        <translation>MOD输出</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>调制限幅(0-255)</translation>
    </message>
    <message>
        <source>Compnad Off</source>
        <translation>压扩关闭</translation>
    </message>
    <message>
        <source>Compand On</source>
        <translation>压扩开启</translation>
    </message>
</context>
<context>
    <name>PowerAdjust</name>
    <message>
        <source>Low Power
(5-155)</source>
        <translation>低功率
(5-155)</translation>
    </message>
    <message>
        <source>High Power
(100-250)</source>
        <translation>高功率
(100-250)</translation>
    </message>
</context>
<context>
    <name>Verify</name>
    <message>
        <source>Not verified: reading the radio back after the write failed.</source>
        <translation>未能校验：写入后读回电台数据失败。</translation>
    </message>
    <message>
        <source>Verified: the radio holds what was written.</source>
        <translation>校验通过：电台中的数据与写入的一致。</translation>
    </message>
    <message>
        <source>Verify failed: %1 byte(s) in the radio differ from what was written, at </source>
        <translation>校验失败：电台中有 %1 个字节与写入的不同，地址：</translation>
    </message>
    <message>
        <source>, ...</source>
        <translation> 等</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>%1 Programming Software  [ Type:%2  Fre:%3 ]</source>
        <translation>%1 写频软件  [ 类型:%2  频率:%3 ]</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Option</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Time Out Timer:</source>
        <translation>超时定时器:</translation>
    </message>
    <message>
        <source>TOT Pre-Alert:</source>
        <translation>超时定时器预警:</translation>
    </message>
    <message>
        <source>Sequelch Level:</source>
        <translation>静噪电平:</translation>
    </message>
    <message>
        <source>Beep:</source>
        <translation>提示音:</translation>
    </message>
    <message>
        <source>Vox Gain Level:</source>
        <translation>声控增益电平:</translation>
    </message>
    <message>
        <source>Vox Delay Time:</source>
        <translation>声控延时时间:</translation>
    </message>
    <message>
        <source>Call Tone:</source>
        <translation>呼叫铃音:</translation>
    </message>
    <message>
        <source>Battery Saver:</source>
        <translation>电池省电:</translation>
    </message>
    <message>
        <source>Voice Annunciation:</source>
        <translation>语音报号:</translation>
    </message>
    <message>
        <source>VOX Function:</source>
        <translation>声控功能:</translation>
    </message>
    <message>
        <source>Scan Function:</source>
        <translation>扫描功能:</translation>
    </message>
    <message>
        <source>Channel %1:</source>
        <translation>信道%1:</translation>
    </message>
    <message>
        <source>Receive Frequency:</source>
        <translation>接收频率:</translation>
    </message>
    <message>
        <source>Transceive Frequency:</source>
        <translation>发射频率:</translation>
    </message>
    <message>
        <source>QT/DQT Decode:</source>
        <translation>QT/DQT解码:</translation>
    </message>
    <message>
        <source>QT/DQT Encode:</source>
        <translation>QT/DQT编码:</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>功率:</translation>
    </message>
    <message>
        <source>Scan:</source>
        <translation>扫描开关:</translation>
    </message>
    <message>
        <source>Channel Lock:</source>
        <translation>信道锁定:</translation>
    </message>
    <message>
        <source>W/N:</source>
        <translation>宽/窄:</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>Diff</name>
    <message>
        <source>(no selection)</source>
        <translation>(未选择)</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>信道%1</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Time-Out Timer</source>
        <translation>超时定时器</translation>
    </message>
    <message>
        <source>TOT Pre-Alert</source>
        <translation>超时预警</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>呼叫铃音</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>声控增益电平</translation>
    </message>
    <message>
        <source>Call Key Define</source>
        <translation>呼叫键定义</translation>
    </message>
    <message>
        <source>Voice Annunciation</source>
        <translation>语音报号</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>静噪电平</translation>
    </message>
    <message>
        <source>Vox Delay Time</source>
        <translation>声控延时时间</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>提示音</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>电池省电</translation>
    </message>
    <message>
        <source>VOX Function</source>
        <translation>声控功能</translation>
    </message>
    <message>
        <source>Scan Function</source>
        <translation>扫描功能</translation>
    </message>
    <message>
        <source>Scan Info</source>
        <translation>扫描信息</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>优先模式</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <source>Look Back Time A</source>
        <translation>回看时间A</translation>
    </message>
    <message>
        <source>Look Back Time B</source>
        <translation>回看时间B</translation>
    </message>
    <message>
        <source>Revert Channel</source>
        <translation>回复信道</translation>
    </message>
    <message>
        <source>Dropout Delay Time</source>
        <translation>信号消失延时</translation>
    </message>
    <message>
        <source>Tx Dwell Time</source>
        <translation>发射驻留时间</translation>
    </message>
    <message>
        <source>Product Information</source>
        <translation>类型设置</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Power Adjustment</source>
        <translation>功率调节</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>第%1行</translation>
    </message>
    <message>
        <source>Param Adjust</source>
        <translation>参数调节</translation>
    </message>
    <message>
        <source>De-emphasis</source>
        <translation>去加重</translation>
    </message>
    <message>
        <source>Pre-emphasis</source>
        <translation>预加重</translation>
    </message>
    <message>
        <source>The configurations are the same.</source>
        <translation>两个配置相同。</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(空)</translation>
    </message>
    <message>
        <source>Other bytes</source>
        <translation>其他字节</translation>
    </message>
    <message>
        <source>From: %1</source>
        <translation>原配置：%1</translation>
    </message>
    <message>
        <source>To: %1</source>
        <translation>对比配置：%1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>Empty channels are written in this program's form; bytes that differ only by it are not listed.</source>
        <translation>空信道按本程序的格式写入；仅因此不同的字节不予列出。</translation>
    </message>
</context>
<context>
    <name>MemoryMap</name>
    <message>
        <source>header</source>
        <translation>头部</translation>
    </message>
    <message>
        <source>channel records</source>
        <translation>信道记录</translation>
    </message>
    <message>
        <source>receive frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>transmit frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>receive tone</source>
        <translation>接收亚音</translation>
    </message>
    <message>
        <source>transmit tone</source>
        <translation>发射亚音</translation>
    </message>
    <message>
        <source>busy lock</source>
        <translation>繁忙锁定</translation>
    </message>
    <message>
        <source>power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>compander off</source>
        <translation>压扩关闭</translation>
    </message>
    <message>
        <source>scrambler</source>
        <translation>扰频</translation>
    </message>
    <message>
        <source>voice annunciation</source>
        <translation>语音报号</translation>
    </message>
    <message>
        <source>time-out timer</source>
        <translation>超时定时器</translation>
    </message>
    <message>
        <source>time-out pre-alert</source>
        <translation>超时预警</translation>
    </message>
    <message>
        <source>squelch level</source>
        <translation>静噪电平</translation>
    </message>
    <message>
        <source>battery saver</source>
        <translation>电池省电</translation>
    </message>
    <message>
        <source>key beep</source>
        <translation>按键提示音</translation>
    </message>
    <message>
        <source>VOX gain level</source>
        <translation>声控增益电平</translation>
    </message>
    <message>
        <source>VOX delay time</source>
        <translation>声控延时时间</translation>
    </message>
    <message>
        <source>call key function</source>
        <translation>呼叫键功能</translation>
    </message>
    <message>
        <source>scan priority mode</source>
        <translation>扫描优先模式</translation>
    </message>
    <message>
        <source>priority channel</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <source>look-back time A</source>
        <translation>回看时间A</translation>
    </message>
    <message>
        <source>look-back time B</source>
        <translation>回看时间B</translation>
    </message>
    <message>
        <source>revert channel</source>
        <translation>回复信道</translation>
    </message>
    <message>
        <source>dropout delay time</source>
        <translation>信号消失延时</translation>
    </message>
    <message>
        <source>transmit dwell time</source>
        <translation>发射驻留时间</translation>
    </message>
    <message>
        <source>scan-add bits of channels 1..8</source>
        <translation>信道1..8的扫描添加位</translation>
    </message>
    <message>
        <source>scan-add bits of channels 9..16</source>
        <translation>信道9..16的扫描添加位</translation>
    </message>
    <message>
        <source>new image tag</source>
        <translation>新配置标记</translation>
    </message>
    <message>
        <source>factory-only bytes</source>
        <translation>工厂专用字节</translation>
    </message>
    <message>
        <source>VOX function switch</source>
        <translation>声控功能开关</translation>
    </message>
    <message>
        <source>scan function switch</source>
        <translation>扫描功能开关</translation>
    </message>
    <message>
        <source>parameter adjustment values</source>
        <translation>参数调节值</translation>
    </message>
    <message>
        <source>emphasis switches</source>
        <translation>加重开关</translation>
    </message>
    <message>
        <source>de-emphasis</source>
        <translation>去加重</translation>
    </message>
    <message>
        <source>pre-emphasis</source>
        <translation>预加重</translation>
    </message>
    <message>
        <source>model type index</source>
        <translation>类型序号</translation>
    </message>
    <message>
        <source>band index</source>
        <translation>频段序号</translation>
    </message>
    <message>
        <source>power adjustment values</source>
        <translation>功率调节值</translation>
    </message>
    <message>
        <source>call tone</source>
        <translation>呼叫铃音</translation>
    </message>
    <message>
        <source>never transferred</source>
        <translation>不传输的字节</translation>
    </message>
    <message>
        <source>unused 0x110</source>
        <translation>未用 0x110</translation>
    </message>
    <message>
        <source>unused 0x132</source>
        <translation>未用 0x132</translation>
    </message>
    <message>
        <source>unused 0x3DB</source>
        <translation>未用 0x3DB</translation>
    </message>
</context>
<context>
    <name>CellCommit</name>
    <message>
        <source>"%1" is not a frequency in MHz</source>
        <translation>“%1”不是以MHz为单位的频率</translation>
    </message>
    <message>
        <source>%1 MHz is not on the 5 kHz or 6.25 kHz raster</source>
        <translation>%1 MHz 不在 5 kHz 或 6.25 kHz 步进上</translation>
    </message>
    <message>
        <source>%1 MHz is outside the band: no band is set</source>
        <translation>%1 MHz 超出频段：未设置频段</translation>
    </message>
    <message>
        <source>%1 MHz is outside the band %2-%3 MHz</source>
        <translation>%1 MHz 超出频段 %2-%3 MHz</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>第%1行，%2列：%3</translation>
    </message>
    <message>
        <source>%1 is not one of the column's entries</source>
        <translation>%1 不是该列的选项</translation>
    </message>
</context>
<context>
    <name>InterchangeCsv</name>
    <message>
        <source>Busy lock, compander and scrambler are not in this layout: the imported channels have them Off.</source>
        <translation>此格式不含繁忙锁定、压扩和扰频：导入的信道均设为关。</translation>
    </message>
    <message>
        <source>Busy lock, compander and scrambler are not in this layout: the file does not keep them.</source>
        <translation>此格式不含繁忙锁定、压扩和扰频：文件中不保存这些设置。</translation>
    </message>
</context>
<context>
    <name>RadioSettings</name>
    <message>
        <source>not a valid setting</source>
        <translation>不是有效的设置</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Could not Open the Port: %1</source>
        <translation>无法打开串口：%1</translation>
    </message>
    <message>
        <source>Could not Open the Port (backup read): %1</source>
        <translation>无法打开串口（读取备份）：%1</translation>
    </message>
    <message>
        <source>Could not Open the Port (verify read): %1</source>
        <translation>无法打开串口（校验读取）：%1</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>通讯错误</translation>
    </message>
    <message>
        <source>Communication Error (backup read)</source>
        <translation>通讯错误（读取备份）</translation>
    </message>
    <message>
        <source>Communication Error (verify read)</source>
        <translation>通讯错误（校验读取）</translation>
    </message>
    <message>
        <source>Program Interrupt</source>
        <translation>编程中断</translation>
    </message>
    <message>
        <source>Program Interrupt (backup read)</source>
        <translation>编程中断（读取备份）</translation>
    </message>
    <message>
        <source>Program Interrupt (verify read)</source>
        <translation>编程中断（校验读取）</translation>
    </message>
    <message>
        <source>no backup kept: %1</source>
        <translation>未保留备份：%1</translation>
    </message>
    <message>
        <source>verify found %1 differing bytes</source>
        <translation>校验发现 %1 个字节不一致</translation>
    </message>
    <message>
        <source>%1 is not a configuration file: it holds %2 bytes, 1024 are needed.</source>
        <translation>%1 不是配置文件：它只有 %2 个字节，需要 1024 个字节。</translation>
    </message>
    <message>
        <source>cannot create the backups folder "%1"</source>
        <translation>无法创建备份文件夹“%1”</translation>
    </message>
    <message>
        <source>too many backups with the same time in "%1"</source>
        <translation>“%1”中同一时刻的备份过多</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
</context>
</TS>
