<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>COptionalFeaturesDlg</name>
    <message>
        <source>Time-Out Timer</source>
        <translation>Time-Out Timer</translation>
    </message>
    <message>
        <source>TOT Pre-Alert</source>
        <translation>TOT Pre-Alert</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>Call Tone</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>Vox Gain Level</translation>
    </message>
    <message>
        <source>Call Key Define</source>
        <translation>Call Key Define</translation>
    </message>
    <message>
        <source>Voice Annunciation</source>
        <translation>Voice Annunciation</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>Squelch Level</translation>
    </message>
    <message>
        <source>Vox Delay Time</source>
        <translation>Vox Delay Time</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation>Optional Features</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Beep</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>Battery Saver</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CParamAdjustDlg</name>
    <message>
        <source>Param Adjust</source>
        <translation>Param Adjust</translation>
    </message>
    <message>
        <source>De-emphasis</source>
        <translation>De-emphasis</translation>
    </message>
    <message>
        <source>Pre-emphasis</source>
        <translation>Pre-emphasis</translation>
    </message>
</context>
<context>
    <name>CPasswordDlg</name>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CPowerAdjustDlg</name>
    <message>
        <source>Power Adjustment</source>
        <translation>Power Adjustment</translation>
    </message>
</context>
<context>
    <name>CProductInfoDlg</name>
    <message>
        <source>Product Information</source>
        <translation>Product Information</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CScanInfoDlg</name>
    <message>
        <source>Scan Infomation</source>
        <translation>Scan Infomation</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>Priority</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>Priority Channel</translation>
    </message>
    <message>
        <source>Look Back Time A</source>
        <translation>Look Back Time A</translation>
    </message>
    <message>
        <source>Look Back Time B</source>
        <translation>Look Back Time B</translation>
    </message>
    <message>
        <source>Revert Channel</source>
        <translation>Revert Channel</translation>
    </message>
    <message>
        <source>Dropout Delay Time</source>
        <translation>Dropout Delay Time</translation>
    </message>
    <message>
        <source>Tx Dwell Time</source>
        <translation>Tx Dwell Time</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Please enter a number.</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Please enter an integer.</translation>
    </message>
</context>
</TS>
