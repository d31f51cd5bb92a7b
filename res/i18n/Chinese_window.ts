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
        <message>
            <source>The program ended without saving "%1" (changed %2).</source>
            <translation>程序未保存“%1”就结束了（修改于 %2）。</translation>
        </message>
        <message>
            <source>Restore its unsaved changes? Discard drops them for good; Later asks again at the next start.</source>
            <translation>恢复其未保存的修改吗？放弃将永久丢弃这些修改；以后再说将在下次启动时再问。</translation>
        </message>
        <message>
            <source>Restore</source>
            <translation>恢复</translation>
        </message>
        <message>
            <source>Later</source>
            <translation>以后再说</translation>
        </message>
    </context>
</TS>
