<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
    <context>
        <name>CAboutDlg</name>
        <message>
            <source>OK</source>
            <translation>确定</translation>
        </message>
        <message>
            <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), without any warranty.</source>
            <translation>依照自由软件基金会的通用公共许可证第 3 版或（您选择的）任何更新版本发布的自由软件，不提供任何担保。</translation>
        </message>
    </context>
    <context>
        <name>CLanguageDlg</name>
        <message>
            <source>Language</source>
            <translation>语言</translation>
        </message>
        <message>
            <source>English</source>
            <translation>英文</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation>中文</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>确定</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>取消</translation>
        </message>
    </context>
    <context>
        <name>CMainFrame</name>
        <message>
            <source>&amp;New	Ctrl+N</source>
            <translation>新建(&amp;N)	Ctrl+N</translation>
        </message>
        <message>
            <source>Create a new document
New</source>
            <translation>新建一个文件
新建</translation>
        </message>
        <message>
            <source>&amp;Open...	Ctrl+O</source>
            <translation>打开(&amp;O)...	Ctrl+O</translation>
        </message>
        <message>
            <source>Open an existing document
Open</source>
            <translation>打开一个已有的文件
打开</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>关闭(&amp;C)</translation>
        </message>
        <message>
            <source>Close the active document
Close</source>
            <translation>关闭当前文件
关闭</translation>
        </message>
        <message>
            <source>&amp;Save	Ctrl+S</source>
            <translation>保存(&amp;S)	Ctrl+S</translation>
        </message>
        <message>
            <source>Save the active document
Save</source>
            <translation>保存当前文件
保存</translation>
        </message>
        <message>
            <source>Save &amp;As...</source>
            <translation>另存为(&amp;A)...</translation>
        </message>
        <message>
            <source>Save the active document with a new name
Save As</source>
            <translation>用新的文件名保存当前文件
另存为</translation>
        </message>
        <message>
            <source>&amp;Print...	Ctrl+P</source>
            <translation>打印(&amp;P)...	Ctrl+P</translation>
        </message>
        <message>
            <source>Print the active document
Print</source>
            <translation>打印当前文件
打印</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>打印</translation>
        </message>
        <message>
            <source>Print Pre&amp;view</source>
            <translation>打印预览(&amp;V)</translation>
        </message>
        <message>
            <source>Display full pages
Print Preview</source>
            <translation>显示整页
打印预览</translation>
        </message>
        <message>
            <source>P&amp;rint Setup...</source>
            <translation>打印设置(&amp;R)...</translation>
        </message>
        <message>
            <source>Change the printing options
Page Setup</source>
            <translation>更改打印选项
打印设置</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>退出(&amp;X)</translation>
        </message>
        <message>
            <source>Quit the application
Exit</source>
            <translation>退出程序
退出</translation>
        </message>
        <message>
            <source>&amp;Product Information</source>
            <translation>类型设置(&amp;P)</translation>
        </message>
        <message>
            <source>Choose the radio model and band
Product Information</source>
            <translation>选择机型和频段
类型设置</translation>
        </message>
        <message>
            <source>&amp;Channel Information</source>
            <translation>信道信息(&amp;C)</translation>
        </message>
        <message>
            <source>Show the channel window
Channel Information</source>
            <translation>显示信道窗口
信道信息</translation>
        </message>
        <message>
            <source>&amp;Optional Features</source>
            <translation>可选功能(&amp;O)</translation>
        </message>
        <message>
            <source>Edit the radio's optional features
Optional Features</source>
            <translation>设置对讲机的可选功能
可选功能</translation>
        </message>
        <message>
            <source>Power Adjustment</source>
            <translation>功率调节</translation>
        </message>
        <message>
            <source>Adjust the transmit power
Power Adjustment</source>
            <translation>调节发射功率
功率调节</translation>
        </message>
        <message>
            <source>Param Adjust</source>
            <translation>参数调节</translation>
        </message>
        <message>
            <source>Adjust the audio and deviation levels
Param Adjust</source>
            <translation>调节音频和频偏电平
参数调节</translation>
        </message>
        <message>
            <source>&amp;Read    Ctrl+R</source>
            <translation>读频(&amp;R)    Ctrl+R</translation>
        </message>
        <message>
            <source>Read Data From Radio
Read</source>
            <translation>从对讲机读取数据
读频</translation>
        </message>
        <message>
            <source>&amp;Write   Ctrl+W</source>
            <translation>写频(&amp;W)   Ctrl+W</translation>
        </message>
        <message>
            <source>Write Data To Radio
Write</source>
            <translation>向对讲机写入数据
写频</translation>
        </message>
        <message>
            <source>Scan Info</source>
            <translation>扫描信息</translation>
        </message>
        <message>
            <source>Edit the scan settings
Scan Info</source>
            <translation>设置扫描参数
扫描信息</translation>
        </message>
        <message>
            <source>&amp;Toolbar</source>
            <translation>工具栏(&amp;T)</translation>
        </message>
        <message>
            <source>Show or hide the toolbar
Toggle ToolBar</source>
            <translation>显示或隐藏工具栏
工具栏</translation>
        </message>
        <message>
            <source>&amp;Status Bar</source>
            <translation>状态栏(&amp;S)</translation>
        </message>
        <message>
            <source>Show or hide the status bar
Toggle StatusBar</source>
            <translation>显示或隐藏状态栏
状态栏</translation>
        </message>
        <message>
            <source>&amp;Control Bar</source>
            <translation>导航栏(&amp;C)</translation>
        </message>
        <message>
            <source>Show or hide the navigation bar
Toggle Control Bar</source>
            <translation>显示或隐藏导航栏
导航栏</translation>
        </message>
        <message>
            <source>&amp;Com Setup</source>
            <translation>串口设置(&amp;C)</translation>
        </message>
        <message>
            <source>Choose the serial port
Com Setup</source>
            <translation>选择串口
串口设置</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <translation>语言(&amp;L)</translation>
        </message>
        <message>
            <source>Choose the interface language
Language</source>
            <translation>选择界面语言
语言</translation>
        </message>
        <message>
            <source>&amp;About Program...</source>
            <translation>关于(&amp;A)...</translation>
        </message>
        <message>
            <source>Display program information, version number and copyright
About</source>
            <translation>显示程序信息、版本号和版权
关于</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>文件(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>编辑(&amp;E)</translation>
        </message>
        <message>
            <source>&amp;Program</source>
            <translation>编程(&amp;P)</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>查看(&amp;V)</translation>
        </message>
        <message>
            <source>&amp;Setup</source>
            <translation>设置(&amp;S)</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>帮助(&amp;H)</translation>
        </message>
        <message>
            <source>Program</source>
            <translation>写频软件</translation>
        </message>
        <message>
            <source>Ready</source>
            <translation>就绪</translation>
        </message>
    </context>
    <context>
        <name>CProgramApp</name>
        <message>
            <source>Program Document (*.dat)</source>
            <translation>写频文件 (*.dat)</translation>
        </message>
        <message>
            <source>Failed to open document.</source>
            <translation>无法打开文件。</translation>
        </message>
        <message>
            <source>Failed to save document.</source>
            <translation>无法保存文件。</translation>
        </message>
    </context>
    <context>
        <name>StringTable</name>
        <message>
            <source>Out of range,please input again.</source>
            <translation>超出范围，请重新输入。</translation>
        </message>
        <message>
            <source>Communication Error,Please check all the connections and the radio power</source>
            <translation>通讯错误，请检查所有连接和对讲机电源</translation>
        </message>
        <message>
            <source>All data will be Cleared!</source>
            <translation>所有数据将被清除！</translation>
        </message>
        <message>
            <source>Could not Open the Port,Please check whether the Port are occupied or the device are ok</source>
            <translation>无法打开串口，请检查串口是否被占用或设备是否正常</translation>
        </message>
        <message>
            <source>Program Interrupt, Please reset the radio and try again</source>
            <translation>编程中断，请重启对讲机后再试</translation>
        </message>
        <message>
            <source>Error data Value, please input according the step value(6.25K/5k).</source>
            <translation>数据错误，请按步进值(6.25K/5k)输入。</translation>
        </message>
        <message>
            <source>Caution</source>
            <translation>注意</translation>
        </message>
    </context>
    <context>
        <name>CNavigationBar</name>
        <message>
            <source>Close</source>
            <translation>关闭</translation>
        </message>
    </context>
</TS>
