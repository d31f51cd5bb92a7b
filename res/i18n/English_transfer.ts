<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CProgressDlg</name>
    <message>
        <source>Read from the radio on %1: connect the radio, switch it on, press OK</source>
        <translation>Read from the radio on %1: connect the radio, switch it on, press OK</translation>
    </message>
    <message>
        <source>Write to the radio on %1: connect the radio, switch it on, press OK</source>
        <translation>Write to the radio on %1: connect the radio, switch it on, press OK</translation>
    </message>
    <message>
        <source>Read from the radio on %1 in factory mode: connect the radio, switch it on, press OK</source>
        <translation>Read from the radio on %1 in factory mode: connect the radio, switch it on, press OK</translation>
    </message>
    <message>
        <source>Write to the radio on %1 in factory mode, calibration included: connect the radio, switch it on, press OK</source>
        <translation>Write to the radio on %1 in factory mode, calibration included: connect the radio, switch it on, press OK</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>Connecting…</translation>
    </message>
    <message>
        <source>Reading block %1 of %2</source>
        <translation>Reading block %1 of %2</translation>
    </message>
    <message>
        <source>Writing block %1 of %2</source>
        <translation>Writing block %1 of %2</translation>
    </message>
    <message>
        <source>Verifying: connecting…</source>
        <translation>Verifying: connecting…</translation>
    </message>
    <message>
        <source>Verifying block %1 of %2</source>
        <translation>Verifying block %1 of %2</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>Verify after writing</translation>
    </message>
    <message>
        <source>Read %1 bytes from the radio; a backup was saved as %2</source>
        <translation>Read %1 bytes from the radio; a backup was saved as %2</translation>
    </message>
    <message>
        <source>Read %1 bytes from the radio; no backup could be kept</source>
        <translation>Read %1 bytes from the radio; no backup could be kept</translation>
    </message>
    <message>
        <source>Wrote %1 bytes to the radio</source>
        <translation>Wrote %1 bytes to the radio</translation>
    </message>
    <message>
        <source>Written and verified</source>
        <translation>Written and verified</translation>
    </message>
    <message>
        <source>Written, but not verified: reading the radio back failed</source>
        <translation>Written, but not verified: reading the radio back failed</translation>
    </message>
    <message>
        <source>Written, but the check found %1 byte(s) that differ</source>
        <translation>Written, but the check found %1 byte(s) that differ</translation>
    </message>
    <message>
        <source>Read failed: %1 could not be opened</source>
        <translation>Read failed: %1 could not be opened</translation>
    </message>
    <message>
        <source>Write failed: %1 could not be opened</source>
        <translation>Write failed: %1 could not be opened</translation>
    </message>
    <message>
        <source>Read failed: the radio did not answer</source>
        <translation>Read failed: the radio did not answer</translation>
    </message>
    <message>
        <source>Write failed: the radio did not answer; nothing was written</source>
        <translation>Write failed: the radio did not answer; nothing was written</translation>
    </message>
    <message>
        <source>Read failed: the link broke off after %1 of %2 blocks; the document is unchanged</source>
        <translation>Read failed: the link broke off after %1 of %2 blocks; the document is unchanged</translation>
    </message>
    <message>
        <source>Write failed: the link broke off after %1 of %2 blocks; the radio may hold part of the new data</source>
        <translation>Write failed: the link broke off after %1 of %2 blocks; the radio may hold part of the new data</translation>
    </message>
    <message>
        <source>Read cancelled; the document is unchanged</source>
        <translation>Read cancelled; the document is unchanged</translation>
    </message>
    <message>
        <source>Write cancelled; nothing was written</source>
        <translation>Write cancelled; nothing was written</translation>
    </message>
    <message>
        <source>Write cancelled after %1 of %2 blocks; the radio may hold part of the new data</source>
        <translation>Write cancelled after %1 of %2 blocks; the radio may hold part of the new data</translation>
    </message>
    <message>
        <source>From the radio, %1</source>
        <translation>From the radio, %1</translation>
    </message>
</context>
</TS>
