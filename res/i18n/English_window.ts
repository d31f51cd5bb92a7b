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
        <message>
            <source>The program ended without saving "%1" (changed %2).</source>
            <translation>The program ended without saving "%1" (changed %2).</translation>
        </message>
        <message>
            <source>Restore its unsaved changes? Discard drops them for good; Later asks again at the next start.</source>
            <translation>Restore its unsaved changes? Discard drops them for good; Later asks again at the next start.</translation>
        </message>
        <message>
            <source>Restore</source>
            <translation>Restore</translation>
        </message>
        <message>
            <source>Later</source>
            <translation>Later</translation>
        </message>
    </context>
</TS>
