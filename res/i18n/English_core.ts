<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ChannelTable</name>
    <message>
        <source>CH</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>Rx Frequency</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>Tx Frequency</translation>
    </message>
    <message>
        <source>QT/DQT Dec</source>
        <translation>QT/DQT Dec</translation>
    </message>
    <message>
        <source>QT/DQT Enc</source>
        <translation>QT/DQT Enc</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Scan Add</source>
        <translation>Scan Add</translation>
    </message>
    <message>
        <source>Busy Lock</source>
        <translation>Busy Lock</translation>
    </message>
    <message>
        <source>W/N</source>
        <translation>W/N</translation>
    </message>
    <message>
        <source>Compand</source>
        <translation>Compand</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>Scrambler</translation>
    </message>
</context>
<context>
    <name>ScanInfo</name>
    <message>
        <source>Please select channel inputed</source>
        <translation>Please select channel inputed</translation>
    </message>
</context>
<context>
    <name>FactoryMode</name>
    <message>
        <source>Password Error</source>
        <translation>Password Error</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Power Adjust</source>
        <translation>Power Adjust</translation>
    </message>
    <message>
        <source>Param Adjust</source>
        <translation>Param Adjust</translation>
    </message>
</context>
<context>
    <name>ParamAdjust</name>
    <message>
        <source>Audio inpput</source>
        <translation>Audio inpput</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>Audio output</translation>
    </message>
    <message>
        <source>MIC output</source>
        <translation>MIC output</translation>
    </message>
    <message>
        <source>MOD output</source>
        <translation>MOD output</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Compnad Off</source>
        <translation>Compnad Off</translation>
    </message>
    <message>
        <source>Compand On</source>
        <translation>Compand On</translation>
    </message>
</context>
<context>
    <name>PowerAdjust</name>
    <message>
        <source>Low Power
(5-155)</source>
        <translation>Low Power
(5-155)</translation>
    </message>
    <message>
        <source>High Power
(100-250)</source>
        <translation>High Power
(100-250)</translation>
    </message>
</context>
<context>
    <name>Verify</name>
    <message>
        <source>Not verified: reading the radio back after the write failed.</source>
        <translation>Not verified: reading the radio back after the write failed.</translation>
    </message>
    <message>
        <source>Verified: the radio holds what was written.</source>
        <translation>Verified: the radio holds what was written.</translation>
    </message>
    <message>
        <source>Verify failed: %1 byte(s) in the radio differ from what was written, at </source>
        <translation>Verify failed: %1 byte(s) in the radio differ from what was written, at </translation>
    </message>
    <message>
        <source>, ...</source>
        <translation>, ...</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>%1 Programming Software  [ Type:%2  Fre:%3 ]</source>
        <translation>%1 Programming Software  [ Type:%2  Fre:%3 ]</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Function</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Time Out Timer:</source>
        <translation>Time Out Timer:</translation>
    </message>
    <message>
        <source>TOT Pre-Alert:</source>
        <translation>TOT Pre-Alert:</translation>
    </message>
    <message>
        <source>Sequelch Level:</source>
        <translation>Sequelch Level:</translation>
    </message>
    <message>
        <source>Beep:</source>
        <translation>Beep:</translation>
    </message>
    <message>
        <source>Vox Gain Level:</source>
        <translation>Vox Gain Level:</translation>
    </message>
    <message>
        <source>Vox Delay Time:</source>
        <translation>Vox Delay Time:</translation>
    </message>
    <message>
        <source>Call Tone:</source>
        <translation>Call Tone:</translation>
    </message>
    <message>
        <source>Battery Saver:</source>
        <translation>Battery Saver:</translation>
    </message>
    <message>
        <source>Voice Annunciation:</source>
        <translation>Voice Annunciation:</translation>
    </message>
    <message>
        <source>VOX Function:</source>
        <translation>VOX Function:</translation>
    </message>
    <message>
        <source>Scan Function:</source>
        <translation>Scan Function:</translation>
    </message>
    <message>
        <source>Channel %1:</source>
        <translation>Channel %1:</translation>
    </message>
    <message>
        <source>Receive Frequency:</source>
        <translation>Receive Frequency:</translation>
    </message>
    <message>
        <source>Transceive Frequency:</source>
        <translation>Transceive Frequency:</translation>
    </message>
    <message>
        <source>QT/DQT Decode:</source>
        <translation>QT/DQT Decode:</translation>
    </message>
    <message>
        <source>QT/DQT Encode:</source>
        <translation>QT/DQT Encode:</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>Power:</translation>
    </message>
    <message>
        <source>Scan:</source>
        <translation>Scan:</translation>
    </message>
    <message>
        <source>Channel Lock:</source>
        <translation>Channel Lock:</translation>
    </message>
    <message>
        <source>W/N:</source>
        <translation>W/N:</translation>
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
        <translation>(no selection)</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>Channel %1</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation>Optional Features</translation>
    </message>
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
        <source>Beep</source>
        <translation>Beep</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>Battery Saver</translation>
    </message>
    <message>
        <source>VOX Function</source>
        <translation>VOX Function</translation>
    </message>
    <message>
        <source>Scan Function</source>
        <translation>Scan Function</translation>
    </message>
    <message>
        <source>Scan Info</source>
        <translation>Scan Info</translation>
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
        <source>Power Adjustment</source>
        <translation>Power Adjustment</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Row %1</translation>
    </message>
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
    <message>
        <source>The configurations are the same.</source>
        <translation>The configurations are the same.</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(empty)</translation>
    </message>
    <message>
        <source>Other bytes</source>
        <translation>Other bytes</translation>
    </message>
    <message>
        <source>From: %1</source>
        <translation>From: %1</translation>
    </message>
    <message>
        <source>To: %1</source>
        <translation>To: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Empty channels are written in this program's form; bytes that differ only by it are not listed.</source>
        <translation>Empty channels are written in this program's form; bytes that differ only by it are not listed.</translation>
    </message>
</context>
<context>
    <name>MemoryMap</name>
    <message>
        <source>header</source>
        <translation>header</translation>
    </message>
    <message>
        <source>channel records</source>
        <translation>channel records</translation>
    </message>
    <message>
        <source>receive frequency</source>
        <translation>receive frequency</translation>
    </message>
    <message>
        <source>transmit frequency</source>
        <translation>transmit frequency</translation>
    </message>
    <message>
        <source>receive tone</source>
        <translation>receive tone</translation>
    </message>
    <message>
        <source>transmit tone</source>
        <translation>transmit tone</translation>
    </message>
    <message>
        <source>busy lock</source>
        <translation>busy lock</translation>
    </message>
    <message>
        <source>power</source>
        <translation>power</translation>
    </message>
    <message>
        <source>bandwidth</source>
        <translation>bandwidth</translation>
    </message>
    <message>
        <source>compander off</source>
        <translation>compander off</translation>
    </message>
    <message>
        <source>scrambler</source>
        <translation>scrambler</translation>
    </message>
    <message>
        <source>voice annunciation</source>
        <translation>voice annunciation</translation>
    </message>
    <message>
        <source>time-out timer</source>
        <translation>time-out timer</translation>
    </message>
    <message>
        <source>time-out pre-alert</source>
        <translation>time-out pre-alert</translation>
    </message>
    <message>
        <source>squelch level</source>
        <translation>squelch level</translation>
    </message>
    <message>
        <source>battery saver</source>
        <translation>battery saver</translation>
    </message>
    <message>
        <source>key beep</source>
        <translation>key beep</translation>
    </message>
    <message>
        <source>VOX gain level</source>
        <translation>VOX gain level</translation>
    </message>
    <message>
        <source>VOX delay time</source>
        <translation>VOX delay time</translation>
    </message>
    <message>
        <source>call key function</source>
        <translation>call key function</translation>
    </message>
    <message>
        <source>scan priority mode</source>
        <translation>scan priority mode</translation>
    </message>
    <message>
        <source>priority channel</source>
        <translation>priority channel</translation>
    </message>
    <message>
        <source>look-back time A</source>
        <translation>look-back time A</translation>
    </message>
    <message>
        <source>look-back time B</source>
        <translation>look-back time B</translation>
    </message>
    <message>
        <source>revert channel</source>
        <translation>revert channel</translation>
    </message>
    <message>
        <source>dropout delay time</source>
        <translation>dropout delay time</translation>
    </message>
    <message>
        <source>transmit dwell time</source>
        <translation>transmit dwell time</translation>
    </message>
    <message>
        <source>scan-add bits of channels 1..8</source>
        <translation>scan-add bits of channels 1..8</translation>
    </message>
    <message>
        <source>scan-add bits of channels 9..16</source>
        <translation>scan-add bits of channels 9..16</translation>
    </message>
    <message>
        <source>new image tag</source>
        <translation>new image tag</translation>
    </message>
    <message>
        <source>factory-only bytes</source>
        <translation>factory-only bytes</translation>
    </message>
    <message>
        <source>VOX function switch</source>
        <translation>VOX function switch</translation>
    </message>
    <message>
        <source>scan function switch</source>
        <translation>scan function switch</translation>
    </message>
    <message>
        <source>parameter adjustment values</source>
        <translation>parameter adjustment values</translation>
    </message>
    <message>
        <source>emphasis switches</source>
        <translation>emphasis switches</translation>
    </message>
    <message>
        <source>de-emphasis</source>
        <translation>de-emphasis</translation>
    </message>
    <message>
        <source>pre-emphasis</source>
        <translation>pre-emphasis</translation>
    </message>
    <message>
        <source>model type index</source>
        <translation>model type index</translation>
    </message>
    <message>
        <source>band index</source>
        <translation>band index</translation>
    </message>
    <message>
        <source>power adjustment values</source>
        <translation>power adjustment values</translation>
    </message>
    <message>
        <source>call tone</source>
        <translation>call tone</translation>
    </message>
    <message>
        <source>never transferred</source>
        <translation>never transferred</translation>
    </message>
    <message>
        <source>unused 0x110</source>
        <translation>unused 0x110</translation>
    </message>
    <message>
        <source>unused 0x132</source>
        <translation>unused 0x132</translation>
    </message>
    <message>
        <source>unused 0x3DB</source>
        <translation>unused 0x3DB</translation>
    </message>
</context>
<context>
    <name>CellCommit</name>
    <message>
        <source>"%1" is not a frequency in MHz</source>
        <translation>"%1" is not a frequency in MHz</translation>
    </message>
    <message>
        <source>%1 MHz is not on the 5 kHz or 6.25 kHz raster</source>
        <translation>%1 MHz is not on the 5 kHz or 6.25 kHz raster</translation>
    </message>
    <message>
        <source>%1 MHz is outside the band: no band is set</source>
        <translation>%1 MHz is outside the band: no band is set</translation>
    </message>
    <message>
        <source>%1 MHz is outside the band %2-%3 MHz</source>
        <translation>%1 MHz is outside the band %2-%3 MHz</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>row %1, column %2: %3</translation>
    </message>
    <message>
        <source>%1 is not one of the column's entries</source>
        <translation>%1 is not one of the column's entries</translation>
    </message>
</context>
<context>
    <name>InterchangeCsv</name>
    <message>
        <source>Busy lock, compander and scrambler are not in this layout: the imported channels have them Off.</source>
        <translation>Busy lock, compander and scrambler are not in this layout: the imported channels have them Off.</translation>
    </message>
    <message>
        <source>Busy lock, compander and scrambler are not in this layout: the file does not keep them.</source>
        <translation>Busy lock, compander and scrambler are not in this layout: the file does not keep them.</translation>
    </message>
</context>
<context>
    <name>RadioSettings</name>
    <message>
        <source>not a valid setting</source>
        <translation>not a valid setting</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>cancelled</source>
        <translation>cancelled</translation>
    </message>
    <message>
        <source>Could not Open the Port: %1</source>
        <translation>Could not Open the Port: %1</translation>
    </message>
    <message>
        <source>Could not Open the Port (backup read): %1</source>
        <translation>Could not Open the Port (backup read): %1</translation>
    </message>
    <message>
        <source>Could not Open the Port (verify read): %1</source>
        <translation>Could not Open the Port (verify read): %1</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>Communication Error</translation>
    </message>
    <message>
        <source>Communication Error (backup read)</source>
        <translation>Communication Error (backup read)</translation>
    </message>
    <message>
        <source>Communication Error (verify read)</source>
        <translation>Communication Error (verify read)</translation>
    </message>
    <message>
        <source>Program Interrupt</source>
        <translation>Program Interrupt</translation>
    </message>
    <message>
        <source>Program Interrupt (backup read)</source>
        <translation>Program Interrupt (backup read)</translation>
    </message>
    <message>
        <source>Program Interrupt (verify read)</source>
        <translation>Program Interrupt (verify read)</translation>
    </message>
    <message>
        <source>no backup kept: %1</source>
        <translation>no backup kept: %1</translation>
    </message>
    <message>
        <source>verify found %1 differing bytes</source>
        <translation>verify found %1 differing bytes</translation>
    </message>
    <message>
        <source>%1 is not a configuration file: it holds %2 bytes, 1024 are needed.</source>
        <translation>%1 is not a configuration file: it holds %2 bytes, 1024 are needed.</translation>
    </message>
    <message>
        <source>cannot create the backups folder "%1"</source>
        <translation>cannot create the backups folder "%1"</translation>
    </message>
    <message>
        <source>too many backups with the same time in "%1"</source>
        <translation>too many backups with the same time in "%1"</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
</context>
</TS>
