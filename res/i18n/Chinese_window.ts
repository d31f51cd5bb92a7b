<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
    <context>
        <name>CProgramApp</name>
        <message>
            <source>The configuration "%1" has changes that are not saved.</source>
            <translation>配置“%1”有尚未保存的修改。</translation>
        </message>
        <message>
            <source>Save the changes?</source>
            <translation>保存这些修改吗？</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>保存</translation>
        </message>
        <message>
            <source>Discard</source>
            <translation>放弃</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
    </context>
</TS>
