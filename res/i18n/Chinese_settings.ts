<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
    <context>
        <name>Settings</name>
        <message>
            <source>The settings could not be saved: %1 may not be changed, and no folder for your own settings is known (HOME is not set).</source>
            <translation>无法保存设置：%1 不可更改，且不知道您自己的设置文件夹在哪里（未设置 HOME）。</translation>
        </message>
        <message>
            <source>The settings could not be saved.</source>
            <translation>无法保存设置。</translation>
        </message>
        <message>
            <source>The settings were saved to %1, because the file beside the program may not be changed.</source>
            <translation>设置已保存到 %1，因为程序旁的设置文件不可更改。</translation>
        </message>
    </context>
</TS>
