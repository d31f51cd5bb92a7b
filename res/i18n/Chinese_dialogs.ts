<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>COptionalFeaturesDlg</name>
    <message>
        <source>Time-Out Timer</source>
        <translation>发射限时</translation>
    </message>
    <message>
        <source>TOT Pre-Alert</source>
        <translation>超时预警</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>呼叫音</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>声控灵敏度</translation>
    </message>
    <message>
        <source>Call Key Define</source>
        <translation>呼叫键定义</translation>
    </message>
    <message>
        <source>Voice Annunciation</source>
        <translation>语音提示</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>静噪等级</translation>
    </message>
    <message>
        <source>Vox Delay Time</source>
        <translation>声控延时</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>按键音</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>省电</translation>
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
    <name>CParamAdjustDlg</name>
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
</context>
<context>
    <name>CPasswordDlg</name>
    <message>
        <source>Password</source>
        <translation>密码</translation>
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
    <name>CPowerAdjustDlg</name>
    <message>
        <source>Power Adjustment</source>
        <translation>功率调节</translation>
    </message>
</context>
<context>
    <name>CProductInfoDlg</name>
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
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CScanInfoDlg</name>
    <message>
        <source>Scan Infomation</source>
        <translation>扫描信息</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>优先</translation>
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
        <translation>返回信道</translation>
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
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>请输入一个数字。</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>请输入一个整数。</translation>
    </message>
</context>
</TS>
