<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
    <context>
        <name>CProgramApp</name>
        <message>
            <source>The configuration "%1" has changes that are not saved.</source>
            <translation>The configuration "%1" has changes that are not saved.</translation>
        </message>
        <message>
            <source>Save the changes?</source>
            <translation>Save the changes?</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Save</translation>
        </message>
        <message>
            <source>Discard</source>
            <translation>Discard</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
    </context>
</TS>
