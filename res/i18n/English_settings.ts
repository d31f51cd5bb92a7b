<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
    <context>
        <name>Settings</name>
        <message>
            <source>The settings could not be saved: %1 may not be changed, and no folder for your own settings is known (HOME is not set).</source>
            <translation>The settings could not be saved: %1 may not be changed, and no folder for your own settings is known (HOME is not set).</translation>
        </message>
        <message>
            <source>The settings could not be saved.</source>
            <translation>The settings could not be saved.</translation>
        </message>
        <message>
            <source>The settings were saved to %1, because the file beside the program may not be changed.</source>
            <translation>The settings were saved to %1, because the file beside the program may not be changed.</translation>
        </message>
    </context>
</TS>
