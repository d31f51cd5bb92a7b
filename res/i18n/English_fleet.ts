<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
    <context>
        <name>FleetDlg</name>
        <message>
            <source>Waiting</source>
            <translation>Waiting</translation>
        </message>
        <message>
            <source>Backup</source>
            <translation>Backup</translation>
        </message>
        <message>
            <source>Writing</source>
            <translation>Writing</translation>
        </message>
        <message>
            <source>Verifying</source>
            <translation>Verifying</translation>
        </message>
        <message>
            <source>Programmed</source>
            <translation>Programmed</translation>
        </message>
        <message>
            <source>Failed</source>
            <translation>Failed</translation>
        </message>
        <message>
            <source>Cancelled</source>
            <translation>Cancelled</translation>
        </message>
        <message>
            <source>Write to Several Radios</source>
            <translation>Write to Several Radios</translation>
        </message>
        <message>
            <source>Port</source>
            <translation>Port</translation>
        </message>
        <message>
            <source>Progress</source>
            <translation>Progress</translation>
        </message>
        <message>
            <source>State</source>
            <translation>State</translation>
        </message>
        <message>
            <source>Seconds</source>
            <translation>Seconds</translation>
        </message>
        <message>
            <source>Verified</source>
            <translation>Verified</translation>
        </message>
        <message>
            <source>Port name or device path</source>
            <translation>Port name or device path</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>Add</translation>
        </message>
        <message>
            <source>Verify after writing</source>
            <translation>Verify after writing</translation>
        </message>
        <message>
            <source>Keep a backup of each radio first</source>
            <translation>Keep a backup of each radio first</translation>
        </message>
        <message>
            <source>Start</source>
            <translation>Start</translation>
        </message>
        <message>
            <source>Close</source>
            <translation>Close</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
        <message>
            <source>Tick at least one port.</source>
            <translation>Tick at least one port.</translation>
        </message>
        <message>
            <source>The port "%1" is ticked twice (under two names).</source>
            <translation>The port "%1" is ticked twice (under two names).</translation>
        </message>
        <message>
            <source>Writing to %1 radio(s)...</source>
            <translation>Writing to %1 radio(s)...</translation>
        </message>
        <message>
            <source>Cancelling...</source>
            <translation>Cancelling...</translation>
        </message>
        <message>
            <source>Failed: %1</source>
            <translation>Failed: %1</translation>
        </message>
        <message>
            <source>yes</source>
            <translation>yes</translation>
        </message>
        <message>
            <source>no</source>
            <translation>no</translation>
        </message>
        <message>
            <source>The programming record could not be written: %1</source>
            <translation>The programming record could not be written: %1</translation>
        </message>
        <message>
            <source>The communication log could not be written: %1</source>
            <translation>The communication log could not be written: %1</translation>
        </message>
        <message>
            <source>%1 failed: %2</source>
            <translation>%1 failed: %2</translation>
        </message>
        <message>
            <source>%1 of %2 radio(s) programmed</source>
            <translation>%1 of %2 radio(s) programmed</translation>
        </message>
        <message>
            <source>Cancelled; %1</source>
            <translation>Cancelled; %1</translation>
        </message>
        <message>
            <source>No radio has been programmed yet: there is no programming record.</source>
            <translation>No radio has been programmed yet: there is no programming record.</translation>
        </message>
        <message>
            <source>The programming record is %1</source>
            <translation>The programming record is %1</translation>
        </message>
        <message>
            <source>The communication logs are in %1</source>
            <translation>The communication logs are in %1</translation>
        </message>
    </context>
</TS>
