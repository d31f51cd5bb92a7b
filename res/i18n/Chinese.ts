<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AfterTransfer</name>
    <message>
        <source>No backup of the read could be kept: %1</source>
        <translation>无法保存读取数据的备份：%1</translation>
    </message>
    <message>
        <source>Backup kept: %1</source>
        <translation>已保存备份：%1</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>校验</translation>
    </message>
</context>
<context>
    <name>Band</name>
    <message>
        <source>its low edge is below 10 MHz, which a channel cannot hold</source>
        <translation>其下限低于 10 MHz，信道无法存储</translation>
    </message>
    <message>
        <source>its high edge is missing or below its low edge</source>
        <translation>其上限缺失或低于下限</translation>
    </message>
    <message>
        <source>its high edge is above 999 MHz, which a channel cannot hold</source>
        <translation>其上限高于 999 MHz，信道无法存储</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), without any warranty.</source>
        <translation>依照自由软件基金会的通用公共许可证第 3 版或（您选择的）任何更新版本发布的自由软件，不提供任何担保。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CChannelPickerDlg</name>
    <message>
        <source>Choose Channels</source>
        <translation>选择信道</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>选用</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>Dec / Enc</source>
        <translation>解码 / 编码</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>&amp;First channel:</source>
        <translation>起始信道(&amp;F)：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>No frequency</source>
        <translation>无频率</translation>
    </message>
    <message>
        <source>does not fit</source>
        <translation>放不下</translation>
    </message>
    <message>
        <source>No row is chosen.</source>
        <translation>未选择任何行。</translation>
    </message>
    <message>
        <source>%1 rows are chosen, but channels %2 to %3 are only %4.</source>
        <translation>已选择 %1 行，但信道 %2 到 %3 只有 %4 个。</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) into channels %1 to %2.</source>
        <translation>
            <numerusform>%n 行放入信道 %1 到 %2。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CComSetupDlg</name>
    <message>
        <source>Other port:</source>
        <translation>其他串口：</translation>
    </message>
    <message>
        <source>COM Setup</source>
        <translation>串口设置</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>Other ports</source>
        <translation>其他串口</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Virtual radio</source>
        <translation>虚拟对讲机</translation>
    </message>
</context>
<context>
    <name>CFleetDlg</name>
    <message>
        <source>Waiting</source>
        <translation>等待</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>备份</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>写入中</translation>
    </message>
    <message>
        <source>Verifying</source>
        <translation>校验中</translation>
    </message>
    <message>
        <source>Programmed</source>
        <translation>已编程</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Write to Several Radios</source>
        <translation>写入多台电台</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>端口</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>秒</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>已校验</translation>
    </message>
    <message>
        <source>Port name or device path</source>
        <translation>端口名或设备路径</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>写入后校验</translation>
    </message>
    <message>
        <source>Keep a backup of each radio first</source>
        <translation>先备份每台电台</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Tick at least one port.</source>
        <translation>请至少勾选一个端口。</translation>
    </message>
    <message>
        <source>The port &quot;%1&quot; is ticked twice (under two names).</source>
        <translation>端口“%1”被勾选了两次（两个名称）。</translation>
    </message>
    <message>
        <source>Writing to %1 radio(s)...</source>
        <translation>正在写入 %1 台电台...</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>正在取消...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Failed: %1</source>
        <translation>失败：%1</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>The programming record could not be written: %1</source>
        <translation>无法写入编程记录：%1</translation>
    </message>
    <message>
        <source>The communication log could not be written: %1</source>
        <translation>无法写入通信日志：%1</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 失败：%2</translation>
    </message>
    <message>
        <source>%1 of %2 radio(s) programmed</source>
        <translation>%2 台电台中已编程 %1 台</translation>
    </message>
    <message>
        <source>Cancelled; %1</source>
        <translation>已取消；%1</translation>
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
        <source>Co&amp;mpare With...</source>
        <translation>比较配置(&amp;M)...</translation>
    </message>
    <message>
        <source>Compare the active configuration with a saved one
Compare With</source>
        <translation>比较当前配置与已保存的配置
比较配置</translation>
    </message>
    <message>
        <source>&amp;Import Channel List...</source>
        <translation>导入信道表(&amp;I)...</translation>
    </message>
    <message>
        <source>Read the channels from a channel list file (CSV)
Import Channel List</source>
        <translation>从信道表文件 (CSV) 读入信道
导入信道表</translation>
    </message>
    <message>
        <source>&amp;Export Channel List...</source>
        <translation>导出信道表(&amp;E)...</translation>
    </message>
    <message>
        <source>Save the channels as a channel list file (CSV)
Export Channel List</source>
        <translation>将信道保存为信道表文件 (CSV)
导出信道表</translation>
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
        <source>Recent &amp;Files</source>
        <translation>最近的文件(&amp;F)</translation>
    </message>
    <message>
        <source>Open a configuration opened or saved lately
Recent Files</source>
        <translation>打开最近打开或保存过的配置
最近的文件</translation>
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
        <source>&amp;Undo</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Undo the last change of the channels
Undo</source>
        <translation>撤销对信道的上一次更改
撤销</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Redo the change last undone
Redo</source>
        <translation>重做上一次撤销的更改
重做</translation>
    </message>
    <message>
        <source>Cop&amp;y Channels</source>
        <translation>复制信道(&amp;Y)</translation>
    </message>
    <message>
        <source>Copy the selected channel rows
Copy Channels</source>
        <translation>复制所选的信道行
复制信道</translation>
    </message>
    <message>
        <source>P&amp;aste Channels</source>
        <translation>粘贴信道(&amp;A)</translation>
    </message>
    <message>
        <source>Paste channel rows from the clipboard
Paste Channels</source>
        <translation>从剪贴板粘贴信道行
粘贴信道</translation>
    </message>
    <message>
        <source>C&amp;lear Channels</source>
        <translation>清除信道(&amp;L)</translation>
    </message>
    <message>
        <source>Clear the selected channel rows
Clear Channels</source>
        <translation>清除所选的信道行
清除信道</translation>
    </message>
    <message>
        <source>Fill &amp;Down</source>
        <translation>向下填充(&amp;D)</translation>
    </message>
    <message>
        <source>Copy the top selected value of each column into the selected rows below it
Fill Down</source>
        <translation>把每列选中的最上面的值复制到下面选中的行
向下填充</translation>
    </message>
    <message>
        <source>Set Selected C&amp;ells...</source>
        <translation>设置选中的单元格(&amp;E)...</translation>
    </message>
    <message>
        <source>Give every selected row one value of the current column
Set Selected Cells</source>
        <translation>为每个选中的行设置当前列的同一个值
设置选中的单元格</translation>
    </message>
    <message>
        <source>Mo&amp;ve Channels Up</source>
        <translation>上移信道(&amp;V)</translation>
    </message>
    <message>
        <source>Move the selected channels up one row, with all their settings
Move Channels Up</source>
        <translation>把所选信道连同全部设置上移一行
上移信道</translation>
    </message>
    <message>
        <source>Move Channels Do&amp;wn</source>
        <translation>下移信道(&amp;W)</translation>
    </message>
    <message>
        <source>Move the selected channels down one row, with all their settings
Move Channels Down</source>
        <translation>把所选信道连同全部设置下移一行
下移信道</translation>
    </message>
    <message>
        <source>Sort &amp;by Rx Frequency</source>
        <translation>按接收频率排序(&amp;B)</translation>
    </message>
    <message>
        <source>Sort the selected channels, or all programmed channels, by receive frequency
Sort by Rx Frequency</source>
        <translation>按接收频率排列所选信道（或全部已编程信道）
按接收频率排序</translation>
    </message>
    <message>
        <source>Insert E&amp;mpty Channel</source>
        <translation>插入空信道(&amp;M)</translation>
    </message>
    <message>
        <source>Insert an empty channel here; the channels below move down to the next empty one
Insert Empty Channel</source>
        <translation>在此插入一个空信道；下面的信道下移到下一个空信道为止
插入空信道</translation>
    </message>
    <message>
        <source>Dele&amp;te Channels</source>
        <translation>删除信道(&amp;T)</translation>
    </message>
    <message>
        <source>Delete the selected channels; the channels below move up
Delete Channels</source>
        <translation>删除所选信道；下面的信道上移
删除信道</translation>
    </message>
    <message>
        <source>&amp;Insert Channel Set...</source>
        <translation>插入信道组(&amp;I)...</translation>
    </message>
    <message>
        <source>Fill channels from a standard or your own channel set
Insert Channel Set</source>
        <translation>用标准信道组或您自己的信道组填充信道
插入信道组</translation>
    </message>
    <message>
        <source>Save as Channel &amp;Set...</source>
        <translation>另存为信道组(&amp;S)...</translation>
    </message>
    <message>
        <source>Save the selected channels as a channel set of your own
Save as Channel Set</source>
        <translation>将所选信道保存为您自己的信道组
另存为信道组</translation>
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
        <source>Edit the radio&apos;s optional features
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
        <source>Write to Several Radios…</source>
        <translation>写入多台电台…</translation>
    </message>
    <message>
        <source>Write the active configuration to the radios on several ports at once
Write to several radios</source>
        <translation>将当前配置同时写入多个端口上的电台
写入多台电台</translation>
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
        <source>Open &amp;Backups Folder</source>
        <translation>打开备份文件夹(&amp;B)</translation>
    </message>
    <message>
        <source>Open the folder of the backups kept at each read
Open Backups Folder</source>
        <translation>打开每次读取时保存的备份所在的文件夹
打开备份文件夹</translation>
    </message>
    <message>
        <source>Open Channel &amp;Sets Folder</source>
        <translation>打开信道组文件夹(&amp;S)</translation>
    </message>
    <message>
        <source>Open the folder of your own channel sets
Open Channel Sets Folder</source>
        <translation>打开您自己的信道组所在的文件夹
打开信道组文件夹</translation>
    </message>
    <message>
        <source>Open Programming Record</source>
        <translation>打开编程记录</translation>
    </message>
    <message>
        <source>Open the record of every radio this program has written
Open programming record</source>
        <translation>打开本程序写入的每台电台的记录
打开编程记录</translation>
    </message>
    <message>
        <source>Keep a communication log</source>
        <translation>保存通信日志</translation>
    </message>
    <message>
        <source>Log every byte of each transfer with the radio, for support
Keep a communication log</source>
        <translation>记录与电台每次传输的每个字节，供技术支持使用
保存通信日志</translation>
    </message>
    <message>
        <source>Open Communication Log Folder</source>
        <translation>打开通信日志文件夹</translation>
    </message>
    <message>
        <source>Open the folder of the communication logs
Open communication log folder</source>
        <translation>打开通信日志所在的文件夹
打开通信日志文件夹</translation>
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
        <source>Print</source>
        <translation>打印</translation>
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
        <source>The backups are in %1</source>
        <translation>备份保存在 %1</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>写频软件</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤销 %1(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做 %1(&amp;R)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
</context>
<context>
    <name>CNavigationBar</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>COptionalFeaturesDlg</name>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
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
    <name>CParamAdjustDlg</name>
    <message>
        <source>Param Adjust</source>
        <translation>参数调节</translation>
    </message>
    <message>
        <source>De-emphasis</source>
        <translation>去加重</translation>
    </message>
    <message>
        <source>Pre-emphasis</source>
        <translation>预加重</translation>
    </message>
</context>
<context>
    <name>CPasswordDlg</name>
    <message>
        <source>Password</source>
        <translation>密码</translation>
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
    <name>CPowerAdjustDlg</name>
    <message>
        <source>Power Adjustment</source>
        <translation>功率调节</translation>
    </message>
</context>
<context>
    <name>CProductInfoDlg</name>
    <message>
        <source>Product Information</source>
        <translation>类型设置</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
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
    <name>CProgramApp</name>
    <message>
        <source>The program ended without saving &quot;%1&quot; (changed %2).</source>
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
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>以后再说</translation>
    </message>
    <message>
        <source>The configuration &quot;%1&quot; has changes that are not saved.</source>
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
        <source>Cancel</source>
        <translation>取消</translation>
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
    <name>CProgramView</name>
    <message>
        <source>Compare With</source>
        <translation>比较配置</translation>
    </message>
    <message>
        <source>Compared with %1</source>
        <translation>与 %1 的比较</translation>
    </message>
    <message>
        <source>Import Channel List</source>
        <translation>导入信道表</translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) of the file cannot be imported.</source>
        <translation>
            <numerusform>文件中有 %n 行无法导入。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Import the other %n row(s)? Cancel imports nothing.</source>
        <translation>
            <numerusform>是否导入其余 %n 行？选择取消则不导入任何内容。</numerusform>
        </translation>
    </message>
    <message>
        <source>No row of the file can be imported:</source>
        <translation>文件中没有可以导入的行：</translation>
    </message>
    <message>
        <source>Export Channel List</source>
        <translation>导出信道表</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>无法打印报表。</translation>
    </message>
</context>
<context>
    <name>CProgressDlg</name>
    <message>
        <source>Write failed: %1 could not be opened</source>
        <translation>写入失败：无法打开 %1</translation>
    </message>
    <message>
        <source>Read failed: %1 could not be opened</source>
        <translation>读取失败：无法打开 %1</translation>
    </message>
    <message>
        <source>Write failed: the radio did not answer; nothing was written</source>
        <translation>写入失败：电台没有应答；未写入任何数据</translation>
    </message>
    <message>
        <source>Read failed: the radio did not answer</source>
        <translation>读取失败：电台没有应答</translation>
    </message>
    <message>
        <source>Write failed: the link broke off after %1 of %2 blocks; the radio may hold part of the new data</source>
        <translation>写入失败：通信在第 %1 块（共 %2 块）后中断；电台中可能只有部分新数据</translation>
    </message>
    <message>
        <source>Read failed: the link broke off after %1 of %2 blocks; the document is unchanged</source>
        <translation>读取失败：通信在第 %1 块（共 %2 块）后中断；文档未改变</translation>
    </message>
    <message>
        <source>Read cancelled; the document is unchanged</source>
        <translation>读取已取消；文档未改变</translation>
    </message>
    <message>
        <source>Write cancelled; nothing was written</source>
        <translation>写入已取消；未写入任何数据</translation>
    </message>
    <message>
        <source>Write cancelled after %1 of %2 blocks; the radio may hold part of the new data</source>
        <translation>写入在第 %1 块（共 %2 块）后取消；电台中可能只有部分新数据</translation>
    </message>
    <message>
        <source>From the radio, %1</source>
        <translation>读自电台，%1</translation>
    </message>
    <message>
        <source>Read %1 bytes from the radio; no backup could be kept</source>
        <translation>已从电台读取 %1 字节；未能保存备份</translation>
    </message>
    <message>
        <source>Read %1 bytes from the radio; a backup was saved as %2</source>
        <translation>已从电台读取 %1 字节；备份已保存为 %2</translation>
    </message>
    <message>
        <source>Wrote %1 bytes to the radio</source>
        <translation>已向电台写入 %1 字节</translation>
    </message>
    <message>
        <source>Written and verified</source>
        <translation>已写入并校验通过</translation>
    </message>
    <message>
        <source>Written, but not verified: reading the radio back failed</source>
        <translation>已写入，但未能校验：读回电台数据失败</translation>
    </message>
    <message>
        <source>Written, but the check found %1 byte(s) that differ</source>
        <translation>已写入，但校验发现 %1 个字节与写入的不同</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Read from the radio on %1 in factory mode: connect the radio, switch it on, press OK</source>
        <translation>以工厂模式从 %1 上的电台读取：请连接电台并打开电源，然后按“确定”</translation>
    </message>
    <message>
        <source>Read from the radio on %1: connect the radio, switch it on, press OK</source>
        <translation>从 %1 上的电台读取：请连接电台并打开电源，然后按“确定”</translation>
    </message>
    <message>
        <source>Write to the radio on %1 in factory mode, calibration included: connect the radio, switch it on, press OK</source>
        <translation>以工厂模式写入 %1 上的电台（包括校准数据）：请连接电台并打开电源，然后按“确定”</translation>
    </message>
    <message>
        <source>Write to the radio on %1: connect the radio, switch it on, press OK</source>
        <translation>写入 %1 上的电台：请连接电台并打开电源，然后按“确定”</translation>
    </message>
    <message>
        <source>Connecting…</source>
        <translation>正在连接…</translation>
    </message>
    <message>
        <source>Reading block %1 of %2</source>
        <translation>正在读取第 %1 块，共 %2 块</translation>
    </message>
    <message>
        <source>Writing block %1 of %2</source>
        <translation>正在写入第 %1 块，共 %2 块</translation>
    </message>
    <message>
        <source>Verifying: connecting…</source>
        <translation>校验：正在连接…</translation>
    </message>
    <message>
        <source>Verifying block %1 of %2</source>
        <translation>正在校验第 %1 块，共 %2 块</translation>
    </message>
    <message>
        <source>Verify after writing</source>
        <translation>写入后校验</translation>
    </message>
</context>
<context>
    <name>CScanInfoDlg</name>
    <message>
        <source>Scan Infomation</source>
        <translation>扫描信息</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>优先</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <source>Look Back Time A</source>
        <translation>回看时间A</translation>
    </message>
    <message>
        <source>Look Back Time B</source>
        <translation>回看时间B</translation>
    </message>
    <message>
        <source>Revert Channel</source>
        <translation>返回信道</translation>
    </message>
    <message>
        <source>Dropout Delay Time</source>
        <translation>信号消失延时</translation>
    </message>
    <message>
        <source>Tx Dwell Time</source>
        <translation>发射驻留时间</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>请输入一个数字。</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>请输入一个整数。</translation>
    </message>
</context>
<context>
    <name>CSetCellsDlg</name>
    <message>
        <source>Set Selected Cells</source>
        <translation>设置所选单元格</translation>
    </message>
    <message>
        <source>Selected rows: %1</source>
        <translation>所选行数：%1</translation>
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
    <name>CellCommit</name>
    <message>
        <source>&quot;%1&quot; is not a frequency in MHz</source>
        <translation>“%1”不是以MHz为单位的频率</translation>
    </message>
    <message>
        <source>%1 MHz is not on the 5 kHz or 6.25 kHz raster</source>
        <translation>%1 MHz 不在 5 kHz 或 6.25 kHz 步进上</translation>
    </message>
    <message>
        <source>%1 MHz is outside the band: no band is set</source>
        <translation>%1 MHz 超出频段：未设置频段</translation>
    </message>
    <message>
        <source>%1 MHz is outside the band %2-%3 MHz</source>
        <translation>%1 MHz 超出频段 %2-%3 MHz</translation>
    </message>
</context>
<context>
    <name>ChannelEdits</name>
    <message>
        <source>The clipboard holds no channel rows.</source>
        <translation>剪贴板中没有信道行。</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>below the last channel</source>
        <translation>超出最后一个信道</translation>
    </message>
    <message>
        <source>not a channel row of 10 or 11 tab-separated cells</source>
        <translation>不是由 10 或 11 个制表符分隔单元组成的信道行</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of the column&apos;s entries</source>
        <translation>“%1”不是该列的可选项</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>Row %1, %2</source>
        <translation>第 %1 行，%2</translation>
    </message>
    <message>
        <source>Nothing was pasted:</source>
        <translation>未粘贴任何内容：</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
</context>
<context>
    <name>ChannelLists</name>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large: a channel list holds at most %2 KB.</source>
        <translation>“%1”太大：信道表最多 %2 KB。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file: folders, devices and pipes cannot be read.</source>
        <translation>“%1”不是普通文件：无法读取文件夹、设备或管道。</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;.</source>
        <translation>无法打开“%1”。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file: folders, devices and pipes cannot be written.</source>
        <translation>“%1”不是普通文件：无法写入文件夹、设备或管道。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is write-protected; it was left unchanged.</source>
        <translation>“%1”已写保护，未作任何更改。</translation>
    </message>
    <message>
        <source>Cannot write &quot;%1&quot;.</source>
        <translation>无法写入“%1”。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a configuration: it is shorter than 1024 bytes.</source>
        <translation>“%1”不是配置文件：不足 1024 字节。</translation>
    </message>
</context>
<context>
    <name>ChannelSets</name>
    <message>
        <source>at most %1</source>
        <translation>最大 %1</translation>
    </message>
    <message>
        <source>channels set to Low power and Narrow</source>
        <translation>信道设为低功率和窄带</translation>
    </message>
    <message>
        <source>channels set to Low power</source>
        <translation>信道设为低功率</translation>
    </message>
    <message>
        <source>channels set to Narrow</source>
        <translation>信道设为窄带</translation>
    </message>
    <message>
        <source>Give the set a name.</source>
        <translation>请为信道组命名。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a file name: leave out / \ : * ? &quot; &lt; &gt; |.</source>
        <translation>“%1”不能作为文件名：请去掉 / \ : * ? &quot; &lt; &gt; |。</translation>
    </message>
    <message>
        <source>%1 is the name of a built-in set.</source>
        <translation>%1 是内置信道组的名称。</translation>
    </message>
    <message>
        <source>Nothing was imported:</source>
        <translation>未导入任何内容：</translation>
    </message>
    <message>
        <source>Insert Channel Set</source>
        <translation>插入信道组</translation>
    </message>
    <message>
        <source>Channel set:</source>
        <translation>信道组：</translation>
    </message>
    <message>
        <source>Save as Channel Set</source>
        <translation>另存为信道组</translation>
    </message>
    <message>
        <source>Name of the set:</source>
        <translation>信道组名称：</translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n row(s); the radio has %2 channels.</source>
        <translation>
            <numerusform>%1 共有 %n 行；电台有 %2 个信道。</numerusform>
        </translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2, %n channel(s), %3</source>
        <translation>
            <numerusform>%1：%2，%n 个信道，%3</numerusform>
        </translation>
    </message>
    <message>
        <source>No channel set fits the band of this radio.</source>
        <translation>没有适合本电台频段的信道组。</translation>
    </message>
    <message>
        <source>Select the programmed channels to save first.</source>
        <translation>请先选择要保存的已编程信道。</translation>
    </message>
    <message>
        <source>There is a set named &quot;%1&quot; already: choose another name.</source>
        <translation>已有名为“%1”的信道组：请换一个名称。</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) saved as the set &quot;%1&quot; in %2.</source>
        <translation>
            <numerusform>已将 %n 个信道保存为信道组“%1”，位于 %2。</numerusform>
        </translation>
    </message>
    <message>
        <source>Your channel sets are in %1</source>
        <translation>您的信道组位于 %1</translation>
    </message>
</context>
<context>
    <name>ChannelTable</name>
    <message>
        <source>CH</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Rx Frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>Tx Frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>QT/DQT Dec</source>
        <translation>QT/DQT解码</translation>
    </message>
    <message>
        <source>QT/DQT Enc</source>
        <translation>QT/DQT编码</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>Scan Add</source>
        <translation>扫描添加</translation>
    </message>
    <message>
        <source>Busy Lock</source>
        <translation>繁忙锁定</translation>
    </message>
    <message>
        <source>W/N</source>
        <translation>宽/窄</translation>
    </message>
    <message>
        <source>Compand</source>
        <translation>压扩</translation>
    </message>
    <message>
        <source>Scrambler</source>
        <translation>扰频</translation>
    </message>
</context>
<context>
    <name>ConfigCheck</name>
    <message>
        <source>its stored digits are not a decimal frequency</source>
        <translation>存储的数字不是十进制频率</translation>
    </message>
    <message>
        <source>not a tone of the tone list</source>
        <translation>不是亚音列表中的亚音</translation>
    </message>
    <message>
        <source>not one of the list&apos;s entries</source>
        <translation>不是列表中的选项</translation>
    </message>
    <message>
        <source>not a programmed channel</source>
        <translation>不是已输入的信道</translation>
    </message>
    <message>
        <source>not a time from 0.50 to 5.00 seconds</source>
        <translation>不是 0.50 至 5.00 秒之间的时间</translation>
    </message>
    <message>
        <source>not a number from 0 to 300</source>
        <translation>不是 0 至 300 之间的数字</translation>
    </message>
    <message>
        <source>there is no settings file to check the model and band against</source>
        <translation>没有可用于核对型号和频段的设置文件</translation>
    </message>
    <message>
        <source>names no model of the settings file</source>
        <translation>不是设置文件中的型号</translation>
    </message>
    <message>
        <source>names no band of the model %1 in the settings file</source>
        <translation>不是设置文件中型号 %1 的频段</translation>
    </message>
    <message>
        <source>the band of settings key %1 cannot be used: %2</source>
        <translation>设置项 %1 的频段无法使用：%2</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>频段为空</translation>
    </message>
    <message>
        <source>Channel %1, %2, %3: %4</source>
        <translation>信道%1，%2，%3：%4</translation>
    </message>
    <message>
        <source>%1, %2: %3</source>
        <translation>%1，%2：%3</translation>
    </message>
</context>
<context>
    <name>ConfigText</name>
    <message>
        <source>the text is larger than %1 KB, more than any configuration</source>
        <translation>文本大于 %1 KB，超出任何配置的大小</translation>
    </message>
    <message>
        <source>the text holds more than one document</source>
        <translation>文本包含多于一个文档</translation>
    </message>
    <message>
        <source>not valid YAML: %1</source>
        <translation>不是有效的 YAML：%1</translation>
    </message>
    <message>
        <source>the text is no configuration: it holds no names with values</source>
        <translation>文本不是配置：其中没有带名称的值</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>缺少 %1</translation>
    </message>
    <message>
        <source>%1 is no name this format knows</source>
        <translation>%1 不是本格式认识的名称</translation>
    </message>
    <message>
        <source>%1 must hold named values</source>
        <translation>%1 必须包含带名称的值</translation>
    </message>
    <message>
        <source>%1 must be a single value</source>
        <translation>%1 必须是单个值</translation>
    </message>
    <message>
        <source>%1: the bytes must be %2 pairs of hex digits</source>
        <translation>%1：字节必须是 %2 对十六进制数字</translation>
    </message>
    <message>
        <source>%1: %2 sets bits outside the value&apos;s own (%3)</source>
        <translation>%1：%2 设置了该值所属位 (%3) 以外的位</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number from 0 to %3</source>
        <translation>%1：%2 不是 0 到 %3 之间的整数</translation>
    </message>
    <message>
        <source>the text is of format %1, written by a newer program; this program reads format %2 and older</source>
        <translation>此文本为格式 %1，由更新版本的程序写出；本程序只能读取格式 %2 及更早的格式</translation>
    </message>
    <message>
        <source>format 0 does not exist</source>
        <translation>不存在格式 0</translation>
    </message>
    <message>
        <source>a band by name needs a model by name</source>
        <translation>按名称给出的频段需要按名称给出的机型</translation>
    </message>
    <message>
        <source>the band %1 cannot be used: %2</source>
        <translation>频段 %1 无法使用：%2</translation>
    </message>
    <message>
        <source>%1: the settings file lists no entry %2</source>
        <translation>%1：设置文件中没有第 %2 项</translation>
    </message>
    <message>
        <source>%1: entry %2 of the settings file is %3, not %4</source>
        <translation>%1：设置文件的第 %2 项是 %3，而不是 %4</translation>
    </message>
    <message>
        <source>channel %1: %2 is neither &quot;empty&quot; nor a channel&apos;s values</source>
        <translation>信道 %1：%2 既不是 &quot;empty&quot;，也不是信道的值</translation>
    </message>
    <message>
        <source>not a frequency in MHz</source>
        <translation>不是以 MHz 为单位的频率</translation>
    </message>
    <message>
        <source>%1: %2: %3</source>
        <translation>%1：%2：%3</translation>
    </message>
    <message>
        <source>%1: %2: %3 (one of %4)</source>
        <translation>%1：%2：%3（可选：%4）</translation>
    </message>
    <message>
        <source>%1: a row holds 16 bytes (hex, or .. for a byte the values give whole)</source>
        <translation>%1：每行有 16 个字节（十六进制，或由上面的值完整给出的字节写作 ..）</translation>
    </message>
    <message>
        <source>%1: byte %2 must be two hex digits</source>
        <translation>%1：字节 %2 必须是两位十六进制数字</translation>
    </message>
    <message>
        <source>aliases (*name) are not used in a configuration text</source>
        <translation>配置文本中不使用别名 (*name)</translation>
    </message>
    <message>
        <source>tags (!name) are not used in a configuration text</source>
        <translation>配置文本中不使用标签 (!name)</translation>
    </message>
    <message>
        <source>a key must be a plain text</source>
        <translation>名称必须是普通文本</translation>
    </message>
    <message>
        <source>values are nested too deeply</source>
        <translation>值嵌套过深</translation>
    </message>
    <message>
        <source>the key %1 appears twice</source>
        <translation>名称 %1 出现了两次</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>row %1, column %2: %3</source>
        <translation>第%1行，%2列：%3</translation>
    </message>
    <message>
        <source>%1 is not one of the column&apos;s entries</source>
        <translation>%1 不是该列的选项</translation>
    </message>
</context>
<context>
    <name>Diff</name>
    <message>
        <source>Voice Annunciation</source>
        <translation>语音报号</translation>
    </message>
    <message>
        <source>Priority</source>
        <translation>优先模式</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <source>Look Back Time A</source>
        <translation>回看时间A</translation>
    </message>
    <message>
        <source>Look Back Time B</source>
        <translation>回看时间B</translation>
    </message>
    <message>
        <source>Revert Channel</source>
        <translation>回复信道</translation>
    </message>
    <message>
        <source>Dropout Delay Time</source>
        <translation>信号消失延时</translation>
    </message>
    <message>
        <source>Tx Dwell Time</source>
        <translation>发射驻留时间</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>Channel %1</source>
        <translation>信道%1</translation>
    </message>
    <message>
        <source>Optional Features</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>提示音</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>电池省电</translation>
    </message>
    <message>
        <source>VOX Function</source>
        <translation>声控功能</translation>
    </message>
    <message>
        <source>Scan Function</source>
        <translation>扫描功能</translation>
    </message>
    <message>
        <source>Scan Info</source>
        <translation>扫描信息</translation>
    </message>
    <message>
        <source>Product Information</source>
        <translation>类型设置</translation>
    </message>
    <message>
        <source>Power Adjustment</source>
        <translation>功率调节</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>第%1行</translation>
    </message>
    <message>
        <source>Param Adjust</source>
        <translation>参数调节</translation>
    </message>
    <message>
        <source>De-emphasis</source>
        <translation>去加重</translation>
    </message>
    <message>
        <source>Pre-emphasis</source>
        <translation>预加重</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>From: %1</source>
        <translation>原配置：%1</translation>
    </message>
    <message>
        <source>To: %1</source>
        <translation>对比配置：%1</translation>
    </message>
    <message>
        <source>Empty channels are written in this program&apos;s form; bytes that differ only by it are not listed.</source>
        <translation>空信道按本程序的格式写入；仅因此不同的字节不予列出。</translation>
    </message>
    <message>
        <source>The configurations are the same.</source>
        <translation>两个配置相同。</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(空)</translation>
    </message>
    <message>
        <source>Other bytes</source>
        <translation>其他字节</translation>
    </message>
    <message>
        <source>Time-Out Timer</source>
        <translation>超时定时器</translation>
    </message>
    <message>
        <source>TOT Pre-Alert</source>
        <translation>超时预警</translation>
    </message>
    <message>
        <source>Call Tone</source>
        <translation>呼叫铃音</translation>
    </message>
    <message>
        <source>Vox Gain Level</source>
        <translation>声控增益电平</translation>
    </message>
    <message>
        <source>Call Key Define</source>
        <translation>呼叫键定义</translation>
    </message>
    <message>
        <source>Squelch Level</source>
        <translation>静噪电平</translation>
    </message>
    <message>
        <source>Vox Delay Time</source>
        <translation>声控延时时间</translation>
    </message>
    <message>
        <source>(no selection)</source>
        <translation>(未选择)</translation>
    </message>
</context>
<context>
    <name>FactoryMode</name>
    <message>
        <source>Password Error</source>
        <translation>密码错误</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Power Adjust</source>
        <translation>功率调节</translation>
    </message>
    <message>
        <source>Param Adjust</source>
        <translation>参数调节</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Could not Open the Port: %1</source>
        <translation>无法打开串口：%1</translation>
    </message>
    <message>
        <source>Could not Open the Port (backup read): %1</source>
        <translation>无法打开串口（读取备份）：%1</translation>
    </message>
    <message>
        <source>Could not Open the Port (verify read): %1</source>
        <translation>无法打开串口（校验读取）：%1</translation>
    </message>
    <message>
        <source>Communication Error</source>
        <translation>通讯错误</translation>
    </message>
    <message>
        <source>Communication Error (backup read)</source>
        <translation>通讯错误（读取备份）</translation>
    </message>
    <message>
        <source>Communication Error (verify read)</source>
        <translation>通讯错误（校验读取）</translation>
    </message>
    <message>
        <source>Program Interrupt</source>
        <translation>编程中断</translation>
    </message>
    <message>
        <source>Program Interrupt (backup read)</source>
        <translation>编程中断（读取备份）</translation>
    </message>
    <message>
        <source>Program Interrupt (verify read)</source>
        <translation>编程中断（校验读取）</translation>
    </message>
    <message>
        <source>no backup kept: %1</source>
        <translation>未保留备份：%1</translation>
    </message>
    <message>
        <source>verify found %1 differing bytes</source>
        <translation>校验发现 %1 个字节不一致</translation>
    </message>
    <message>
        <source>%1 is not a configuration file: it holds %2 bytes, 1024 are needed.</source>
        <translation>%1 不是配置文件：它只有 %2 个字节，需要 1024 个字节。</translation>
    </message>
    <message>
        <source>cannot create the backups folder &quot;%1&quot;</source>
        <translation>无法创建备份文件夹“%1”</translation>
    </message>
    <message>
        <source>too many backups with the same time in &quot;%1&quot;</source>
        <translation>“%1”中同一时刻的备份过多</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Program Document (*.dat)</source>
        <translation>写频文件 (*.dat)</translation>
    </message>
    <message>
        <source>Configuration text (*.yaml)</source>
        <translation>配置文本 (*.yaml)</translation>
    </message>
</context>
<context>
    <name>FileLayouts</name>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>Channel list, every field</source>
        <translation>信道表，全部字段</translation>
    </message>
    <message>
        <source>Channel list, 21-column interchange</source>
        <translation>信道表，21 列交换格式</translation>
    </message>
</context>
<context>
    <name>FleetWrite</name>
    <message>
        <source>No radio has been programmed yet: there is no programming record.</source>
        <translation>尚未编程任何电台：还没有编程记录。</translation>
    </message>
    <message>
        <source>The programming record is %1</source>
        <translation>编程记录位于 %1</translation>
    </message>
    <message>
        <source>The communication logs are in %1</source>
        <translation>通信日志位于 %1</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Edit Cell</source>
        <translation>编辑单元格</translation>
    </message>
    <message>
        <source>Nothing was changed:</source>
        <translation>未作任何更改：</translation>
    </message>
    <message>
        <source>Fill Down</source>
        <translation>向下填充</translation>
    </message>
    <message>
        <source>Set Selected Cells</source>
        <translation>设置所选单元格</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Move Channels</source>
        <translation>移动信道</translation>
    </message>
    <message>
        <source>Sort by Rx Frequency</source>
        <translation>按接收频率排序</translation>
    </message>
    <message>
        <source>No empty channel at or below channel %1 makes room for a new one: delete a channel first.</source>
        <translation>信道 %1 及其下方没有空信道可以腾出位置：请先删除一个信道。</translation>
    </message>
    <message>
        <source>Insert Channel</source>
        <translation>插入信道</translation>
    </message>
    <message>
        <source>Delete Channels</source>
        <translation>删除信道</translation>
    </message>
</context>
<context>
    <name>InterchangeCsv</name>
    <message>
        <source>The first channel must be 1 to %1.</source>
        <translation>起始信道必须为 1 到 %1。</translation>
    </message>
    <message>
        <source>No row is chosen.</source>
        <translation>未选择任何行。</translation>
    </message>
    <message>
        <source>%1 rows are chosen, but channels %2 to %3 are only %4.</source>
        <translation>已选择 %1 行，但信道 %2 到 %3 只有 %4 个。</translation>
    </message>
    <message>
        <source>Busy lock, compander and scrambler are not in this layout: the imported channels have them Off.</source>
        <translation>此格式不含繁忙锁定、压扩和扰频：导入的信道均设为关。</translation>
    </message>
    <message>
        <source>The file has no columns %1: the channels got their defaults.</source>
        <translation>文件没有 %1 列：信道使用了默认值。</translation>
    </message>
    <message>
        <source>Power in watts: at most 1 W became Low, more High (%1).</source>
        <translation>以瓦为单位的功率：不超过 1 W 设为低，更高设为高（%1）。</translation>
    </message>
    <message>
        <source>The radio keeps no channel names or comments: those of the file are not imported.</source>
        <translation>电台不保存信道名称和备注：未导入文件中的名称和备注。</translation>
    </message>
    <message>
        <source>Busy lock, compander and scrambler are not in this layout: the file does not keep them.</source>
        <translation>此格式不含繁忙锁定、压扩和扰频：文件中不保存这些设置。</translation>
    </message>
</context>
<context>
    <name>MemoryMap</name>
    <message>
        <source>header</source>
        <translation>头部</translation>
    </message>
    <message>
        <source>channel records</source>
        <translation>信道记录</translation>
    </message>
    <message>
        <source>receive frequency</source>
        <translation>接收频率</translation>
    </message>
    <message>
        <source>transmit frequency</source>
        <translation>发射频率</translation>
    </message>
    <message>
        <source>receive tone</source>
        <translation>接收亚音</translation>
    </message>
    <message>
        <source>transmit tone</source>
        <translation>发射亚音</translation>
    </message>
    <message>
        <source>busy lock</source>
        <translation>繁忙锁定</translation>
    </message>
    <message>
        <source>power</source>
        <translation>功率</translation>
    </message>
    <message>
        <source>bandwidth</source>
        <translation>带宽</translation>
    </message>
    <message>
        <source>compander off</source>
        <translation>压扩关闭</translation>
    </message>
    <message>
        <source>scrambler</source>
        <translation>扰频</translation>
    </message>
    <message>
        <source>voice annunciation</source>
        <translation>语音报号</translation>
    </message>
    <message>
        <source>time-out timer</source>
        <translation>超时定时器</translation>
    </message>
    <message>
        <source>time-out pre-alert</source>
        <translation>超时预警</translation>
    </message>
    <message>
        <source>squelch level</source>
        <translation>静噪电平</translation>
    </message>
    <message>
        <source>battery saver</source>
        <translation>电池省电</translation>
    </message>
    <message>
        <source>key beep</source>
        <translation>按键提示音</translation>
    </message>
    <message>
        <source>VOX gain level</source>
        <translation>声控增益电平</translation>
    </message>
    <message>
        <source>VOX delay time</source>
        <translation>声控延时时间</translation>
    </message>
    <message>
        <source>call key function</source>
        <translation>呼叫键功能</translation>
    </message>
    <message>
        <source>time-out timer as printed</source>
        <translation>超时定时器（打印值）</translation>
    </message>
    <message>
        <source>voice annunciation as printed</source>
        <translation>语音报号（打印值）</translation>
    </message>
    <message>
        <source>scan priority mode</source>
        <translation>扫描优先模式</translation>
    </message>
    <message>
        <source>priority channel</source>
        <translation>优先信道</translation>
    </message>
    <message>
        <source>look-back time A</source>
        <translation>回看时间A</translation>
    </message>
    <message>
        <source>look-back time B</source>
        <translation>回看时间B</translation>
    </message>
    <message>
        <source>revert channel</source>
        <translation>回复信道</translation>
    </message>
    <message>
        <source>dropout delay time</source>
        <translation>信号消失延时</translation>
    </message>
    <message>
        <source>transmit dwell time</source>
        <translation>发射驻留时间</translation>
    </message>
    <message>
        <source>scan-add bits of channels 1..8</source>
        <translation>信道1..8的扫描添加位</translation>
    </message>
    <message>
        <source>scan-add bits of channels 9..16</source>
        <translation>信道9..16的扫描添加位</translation>
    </message>
    <message>
        <source>new image tag</source>
        <translation>新配置标记</translation>
    </message>
    <message>
        <source>factory-only bytes</source>
        <translation>工厂专用字节</translation>
    </message>
    <message>
        <source>VOX function switch</source>
        <translation>声控功能开关</translation>
    </message>
    <message>
        <source>scan function switch</source>
        <translation>扫描功能开关</translation>
    </message>
    <message>
        <source>parameter adjustment values</source>
        <translation>参数调节值</translation>
    </message>
    <message>
        <source>emphasis switches</source>
        <translation>加重开关</translation>
    </message>
    <message>
        <source>de-emphasis</source>
        <translation>去加重</translation>
    </message>
    <message>
        <source>pre-emphasis</source>
        <translation>预加重</translation>
    </message>
    <message>
        <source>model type index</source>
        <translation>类型序号</translation>
    </message>
    <message>
        <source>band index</source>
        <translation>频段序号</translation>
    </message>
    <message>
        <source>power adjustment values</source>
        <translation>功率调节值</translation>
    </message>
    <message>
        <source>call tone</source>
        <translation>呼叫铃音</translation>
    </message>
    <message>
        <source>never transferred</source>
        <translation>不传输的字节</translation>
    </message>
    <message>
        <source>unused 0x110</source>
        <translation>未用 0x110</translation>
    </message>
    <message>
        <source>unused 0x132</source>
        <translation>未用 0x132</translation>
    </message>
    <message>
        <source>unused 0x3DB</source>
        <translation>未用 0x3DB</translation>
    </message>
</context>
<context>
    <name>ParamAdjust</name>
    <message>
        <source>Audio inpput</source>
        <translation>音频输入</translation>
    </message>
    <message>
        <source>Audio output</source>
        <translation>音频输出</translation>
    </message>
    <message>
        <source>MIC output</source>
        <translation>MIC输出</translation>
    </message>
    <message>
        <source>MOD output</source>
        <translation>MOD输出</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>调制限幅(0-255)</translation>
    </message>
    <message>
        <source>Compnad Off</source>
        <translation>压扩关闭</translation>
    </message>
    <message>
        <source>Compand On</source>
        <translation>压扩开启</translation>
    </message>
</context>
<context>
    <name>PowerAdjust</name>
    <message>
        <source>Low Power
(5-155)</source>
        <translation>低功率
(5-155)</translation>
    </message>
    <message>
        <source>High Power
(100-250)</source>
        <translation>高功率
(100-250)</translation>
    </message>
</context>
<context>
    <name>ProductInfo</name>
    <message>
        <source>%1 Programming Software  [ Type:%2  Fre:%3 ]</source>
        <translation>%1 写频软件  [ 类型:%2  频率:%3 ]</translation>
    </message>
</context>
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>Drive</source>
        <translation>驱动器</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>快捷方式</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>RadioSettings</name>
    <message>
        <source>not a valid setting</source>
        <translation>不是有效的设置</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>Option</source>
        <translation>可选功能</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>功能</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>信道</translation>
    </message>
    <message>
        <source>Time Out Timer:</source>
        <translation>超时定时器:</translation>
    </message>
    <message>
        <source>TOT Pre-Alert:</source>
        <translation>超时定时器预警:</translation>
    </message>
    <message>
        <source>Sequelch Level:</source>
        <translation>静噪电平:</translation>
    </message>
    <message>
        <source>Beep:</source>
        <translation>提示音:</translation>
    </message>
    <message>
        <source>Vox Gain Level:</source>
        <translation>声控增益电平:</translation>
    </message>
    <message>
        <source>Vox Delay Time:</source>
        <translation>声控延时时间:</translation>
    </message>
    <message>
        <source>Call Tone:</source>
        <translation>呼叫铃音:</translation>
    </message>
    <message>
        <source>Battery Saver:</source>
        <translation>电池省电:</translation>
    </message>
    <message>
        <source>Voice Annunciation:</source>
        <translation>语音报号:</translation>
    </message>
    <message>
        <source>VOX Function:</source>
        <translation>声控功能:</translation>
    </message>
    <message>
        <source>Scan Function:</source>
        <translation>扫描功能:</translation>
    </message>
    <message>
        <source>Channel %1:</source>
        <translation>信道%1:</translation>
    </message>
    <message>
        <source>Receive Frequency:</source>
        <translation>接收频率:</translation>
    </message>
    <message>
        <source>Transceive Frequency:</source>
        <translation>发射频率:</translation>
    </message>
    <message>
        <source>QT/DQT Decode:</source>
        <translation>QT/DQT解码:</translation>
    </message>
    <message>
        <source>QT/DQT Encode:</source>
        <translation>QT/DQT编码:</translation>
    </message>
    <message>
        <source>Power:</source>
        <translation>功率:</translation>
    </message>
    <message>
        <source>Scan:</source>
        <translation>扫描开关:</translation>
    </message>
    <message>
        <source>Channel Lock:</source>
        <translation>信道锁定:</translation>
    </message>
    <message>
        <source>W/N:</source>
        <translation>宽/窄:</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
</context>
<context>
    <name>ScanInfo</name>
    <message>
        <source>Please select channel inputed</source>
        <translation>请选择已输入的信道</translation>
    </message>
</context>
<context>
    <name>SerialPort</name>
    <message>
        <source>No port is chosen.</source>
        <translation>未选择串口。</translation>
    </message>
    <message>
        <source>The port %1 does not exist.</source>
        <translation>串口 %1 不存在。</translation>
    </message>
    <message>
        <source>Permission denied for %1: your user must be in the &quot;dialout&quot; group (log in again after adding it).</source>
        <translation>无权访问 %1：当前用户必须属于 &quot;dialout&quot; 组（加入后需重新登录）。</translation>
    </message>
    <message>
        <source>The port %1 is busy: another program holds it open.</source>
        <translation>串口 %1 正忙：另一个程序正在使用它。</translation>
    </message>
</context>
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
    <name>Text</name>
    <message>
        <source>... and %1 more</source>
        <translation>……另有 %1 项</translation>
    </message>
</context>
<context>
    <name>TransferRecord</name>
    <message>
        <source>not saved</source>
        <translation>未保存</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>Configuration: %1</source>
        <translation>配置：%1</translation>
    </message>
    <message>
        <source>The programming record could not be written: %1</source>
        <translation>无法写入编程记录：%1</translation>
    </message>
    <message>
        <source>The communication log could not be written: %1</source>
        <translation>无法写入通信日志：%1</translation>
    </message>
</context>
<context>
    <name>Verify</name>
    <message>
        <source>Not verified: reading the radio back after the write failed.</source>
        <translation>未能校验：写入后读回电台数据失败。</translation>
    </message>
    <message>
        <source>Verified: the radio holds what was written.</source>
        <translation>校验通过：电台中的数据与写入的一致。</translation>
    </message>
    <message>
        <source>Verify failed: %1 byte(s) in the radio differ from what was written, at </source>
        <translation>校验失败：电台中有 %1 个字节与写入的不同，地址：</translation>
    </message>
    <message>
        <source>, ...</source>
        <translation> 等</translation>
    </message>
</context>
<context>
    <name>WriteCheck</name>
    <message>
        <source>Write Anyway</source>
        <translation>仍然写入</translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) of this configuration would be refused if typed; the radio may not work as intended. Write it anyway?</source>
        <translation>
            <numerusform>此配置中有 %n 个值在输入时会被拒绝，电台可能无法正常工作。仍然写入吗？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 holds %n value(s) that no editor would accept:</source>
        <translation>
            <numerusform>%1 中有 %n 个值是编辑器不会接受的：</numerusform>
        </translation>
    </message>
    <message>
        <source>The band %1 (key Field%2 in section Setup of Program.ini) cannot be used: %3. No frequency can be entered until another band is chosen or the settings file is corrected.</source>
        <translation>频段 %1（Program.ini 中 Setup 节的 Field%2 项）无法使用：%3。在选择其他频段或更正设置文件之前无法输入任何频率。</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) lie outside the new band: %1. Write will list them until they are changed.</source>
        <translation>
            <numerusform>有 %n 个信道超出新频段：%1。在修改之前，写入时会列出这些信道。</numerusform>
        </translation>
    </message>
</context>
</TS>
