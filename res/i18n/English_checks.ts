<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Text</name>
    <message>
        <source>... and %1 more</source>
        <translation>... and %1 more</translation>
    </message>
</context>
<context>
    <name>Band</name>
    <message>
        <source>its low edge is below 10 MHz, which a channel cannot hold</source>
        <translation>its low edge is below 10 MHz, which a channel cannot hold</translation>
    </message>
    <message>
        <source>its high edge is missing or below its low edge</source>
        <translation>its high edge is missing or below its low edge</translation>
    </message>
    <message>
        <source>its high edge is above 999 MHz, which a channel cannot hold</source>
        <translation>its high edge is above 999 MHz, which a channel cannot hold</translation>
    </message>
</context>
<context>
    <name>ConfigCheck</name>
    <message>
        <source>its stored digits are not a decimal frequency</source>
        <translation>its stored digits are not a decimal frequency</translation>
    </message>
    <message>
        <source>not a tone of the tone list</source>
        <translation>not a tone of the tone list</translation>
    </message>
    <message>
        <source>not one of the list's entries</source>
        <translation>not one of the list's entries</translation>
    </message>
    <message>
        <source>not a programmed channel</source>
        <translation>not a programmed channel</translation>
    </message>
    <message>
        <source>not a time from 0.50 to 5.00 seconds</source>
        <translation>not a time from 0.50 to 5.00 seconds</translation>
    </message>
    <message>
        <source>not a number from 0 to 300</source>
        <translation>not a number from 0 to 300</translation>
    </message>
    <message>
        <source>there is no settings file to check the model and band against</source>
        <translation>there is no settings file to check the model and band against</translation>
    </message>
    <message>
        <source>names no model of the settings file</source>
        <translation>names no model of the settings file</translation>
    </message>
    <message>
        <source>names no band of the model %1 in the settings file</source>
        <translation>names no band of the model %1 in the settings file</translation>
    </message>
    <message>
        <source>the band of settings key %1 cannot be used: %2</source>
        <translation>the band of settings key %1 cannot be used: %2</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>it is empty</translation>
    </message>
    <message>
        <source>Channel %1, %2, %3: %4</source>
        <translation>Channel %1, %2, %3: %4</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1, %2: %3</translation>
    </message>
</context>
<context>
    <name>WriteCheck</name>
    <message>
        <source>Write Anyway</source>
        <translation>Write Anyway</translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) of this configuration would be refused if typed; the radio may not work as intended. Write it anyway?</source>
        <translation>
            <numerusform>%n value of this configuration would be refused if typed; the radio may not work as intended. Write it anyway?</numerusform>
            <numerusform>%n values of this configuration would be refused if typed; the radio may not work as intended. Write it anyway?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n value(s) that no editor would accept:</source>
        <translation>
            <numerusform>%1 holds %n value that no editor would accept:</numerusform>
            <numerusform>%1 holds %n values that no editor would accept:</numerusform>
        </translation>
    </message>
    <message>
        <source>The band %1 (key Field%2 in section Setup of Program.ini) cannot be used: %3. No frequency can be entered until another band is chosen or the settings file is corrected.</source>
        <translation>The band %1 (key Field%2 in section Setup of Program.ini) cannot be used: %3. No frequency can be entered until another band is chosen or the settings file is corrected.</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) lie outside the new band: %1. Write will list them until they are changed.</source>
        <translation>
            <numerusform>%n channel lies outside the new band: %1. Write will list it until it is changed.</numerusform>
            <numerusform>%n channels lie outside the new band: %1. Write will list them until they are changed.</numerusform>
        </translation>
    </message>
</context>
</TS>
