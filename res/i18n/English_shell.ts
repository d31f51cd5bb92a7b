<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
    <context>
        <name>CAboutDlg</name>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), without any warranty.</source>
            <translation>Free software under the GNU General Public License, version 3 or later (GPL-3.0-or-later), without any warranty.</translation>
        </message>
    </context>
    <context>
        <name>CLanguageDlg</name>
        <message>
            <source>Language</source>
            <translation>Language</translation>
        </message>
        <message>
            <source>English</source>
            <translation>English</translation>
        </message>
        <message>
            <source>Chinese</source>
            <translation>Chinese</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancel</translation>
        </message>
    </context>
    <context>
        <name>CMainFrame</name>
        <message>
            <source>&amp;New	Ctrl+N</source>
            <translation>&amp;New	Ctrl+N</translation>
        </message>
        <message>
            <source>Create a new document
New</source>
            <translation>Create a new document
New</translation>
        </message>
        <message>
            <source>&amp;Open...	Ctrl+O</source>
            <translation>&amp;Open...	Ctrl+O</translation>
        </message>
        <message>
            <source>Open an existing document
Open</source>
            <translation>Open an existing document
Open</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Close</translation>
        </message>
        <message>
            <source>Close the active document
Close</source>
            <translation>Close the active document
Close</translation>
        </message>
        <message>
            <source>&amp;Save	Ctrl+S</source>
            <translation>&amp;Save	Ctrl+S</translation>
        </message>
        <message>
            <source>Save the active document
Save</source>
            <translation>Save the active document
Save</translation>
        </message>
        <message>
            <source>Save &amp;As...</source>
            <translation>Save &amp;As...</translation>
        </message>
        <message>
            <source>Save the active document with a new name
Save As</source>
            <translation>Save the active document with a new name
Save As</translation>
        </message>
        <message>
            <source>&amp;Print...	Ctrl+P</source>
            <translation>&amp;Print...	Ctrl+P</translation>
        </message>
        <message>
            <source>Print the active document
Print</source>
            <translation>Print the active document
Print</translation>
        </message>
        <message>
            <source>Print</source>
            <translation>Print</translation>
        </message>
        <message>
            <source>Print Pre&amp;view</source>
            <translation>Print Pre&amp;view</translation>
        </message>
        <message>
            <source>Display full pages
Print Preview</source>
            <translation>Display full pages
Print Preview</translation>
        </message>
        <message>
            <source>P&amp;rint Setup...</source>
            <translation>P&amp;rint Setup...</translation>
        </message>
        <message>
            <source>Change the printing options
Page Setup</source>
            <translation>Change the printing options
Page Setup</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>E&amp;xit</translation>
        </message>
        <message>
            <source>Quit the application
Exit</source>
            <translation>Quit the application
Exit</translation>
        </message>
        <message>
            <source>&amp;Product Information</source>
            <translation>&amp;Product Information</translation>
        </message>
        <message>
            <source>Choose the radio model and band
Product Information</source>
            <translation>Choose the radio model and band
Product Information</translation>
        </message>
        <message>
            <source>&amp;Channel Information</source>
            <translation>&amp;Channel Information</translation>
        </message>
        <message>
            <source>Show the channel window
Channel Information</source>
            <translation>Show the channel window
Channel Information</translation>
        </message>
        <message>
            <source>&amp;Optional Features</source>
            <translation>&amp;Optional Features</translation>
        </message>
        <message>
            <source>Edit the radio's optional features
Optional Features</source>
            <translation>Edit the radio's optional features
Optional Features</translation>
        </message>
        <message>
            <source>Power Adjustment</source>
            <translation>Power Adjustment</translation>
        </message>
        <message>
            <source>Adjust the transmit power
Power Adjustment</source>
            <translation>Adjust the transmit power
Power Adjustment</translation>
        </message>
        <message>
            <source>Param Adjust</source>
            <translation>Param Adjust</translation>
        </message>
        <message>
            <source>Adjust the audio and deviation levels
Param Adjust</source>
            <translation>Adjust the audio and deviation levels
Param Adjust</translation>
        </message>
        <message>
            <source>&amp;Read    Ctrl+R</source>
            <translation>&amp;Read    Ctrl+R</translation>
        </message>
        <message>
            <source>Read Data From Radio
Read</source>
            <translation>Read Data From Radio
Read</translation>
        </message>
        <message>
            <source>&amp;Write   Ctrl+W</source>
            <translation>&amp;Write   Ctrl+W</translation>
        </message>
        <message>
            <source>Write Data To Radio
Write</source>
            <translation>Write Data To Radio
Write</translation>
        </message>
        <message>
            <source>Scan Info</source>
            <translation>Scan Info</translation>
        </message>
        <message>
            <source>Edit the scan settings
Scan Info</source>
            <translation>Edit the scan settings
Scan Info</translation>
        </message>
        <message>
            <source>&amp;Toolbar</source>
            <translation>&amp;Toolbar</translation>
        </message>
        <message>
            <source>Show or hide the toolbar
Toggle ToolBar</source>
            <translation>Show or hide the toolbar
Toggle ToolBar</translation>
        </message>
        <message>
            <source>&amp;Status Bar</source>
            <translation>&amp;Status Bar</translation>
        </message>
        <message>
            <source>Show or hide the status bar
Toggle StatusBar</source>
            <translation>Show or hide the status bar
Toggle StatusBar</translation>
        </message>
        <message>
            <source>&amp;Control Bar</source>
            <translation>&amp;Control Bar</translation>
        </message>
        <message>
            <source>Show or hide the navigation bar
Toggle Control Bar</source>
            <translation>Show or hide the navigation bar
Toggle Control Bar</translation>
        </message>
        <message>
            <source>&amp;Com Setup</source>
            <translation>&amp;Com Setup</translation>
        </message>
        <message>
            <source>Choose the serial port
Com Setup</source>
            <translation>Choose the serial port
Com Setup</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <translation>&amp;Language</translation>
        </message>
        <message>
            <source>Choose the interface language
Language</source>
            <translation>Choose the interface language
Language</translation>
        </message>
        <message>
            <source>&amp;About Program...</source>
            <translation>&amp;About Program...</translation>
        </message>
        <message>
            <source>Display program information, version number and copyright
About</source>
            <translation>Display program information, version number and copyright
About</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;File</translation>
        </message>
        <message>
            <source>&amp;Edit</source>
            <translation>&amp;Edit</translation>
        </message>
        <message>
            <source>&amp;Program</source>
            <translation>&amp;Program</translation>
        </message>
        <message>
            <source>&amp;View</source>
            <translation>&amp;View</translation>
        </message>
        <message>
            <source>&amp;Setup</source>
            <translation>&amp;Setup</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Help</translation>
        </message>
        <message>
            <source>Program</source>
            <translation>Program</translation>
        </message>
        <message>
            <source>Ready</source>
            <translation>Ready</translation>
        </message>
    </context>
    <context>
        <name>CProgramApp</name>
        <message>
            <source>Program Document (*.dat)</source>
            <translation>Program Document (*.dat)</translation>
        </message>
        <message>
            <source>Failed to open document.</source>
            <translation>Failed to open document.</translation>
        </message>
        <message>
            <source>Failed to save document.</source>
            <translation>Failed to save document.</translation>
        </message>
    </context>
    <context>
        <name>StringTable</name>
        <message>
            <source>Out of range,please input again.</source>
            <translation>Out of range,please input again.</translation>
        </message>
        <message>
            <source>Communication Error,Please check all the connections and the radio power</source>
            <translation>Communication Error,Please check all the connections and the radio power</translation>
        </message>
        <message>
            <source>All data will be Cleared!</source>
            <translation>All data will be Cleared!</translation>
        </message>
        <message>
            <source>Could not Open the Port,Please check whether the Port are occupied or the device are ok</source>
            <translation>Could not Open the Port,Please check whether the Port are occupied or the device are ok</translation>
        </message>
        <message>
            <source>Program Interrupt, Please reset the radio and try again</source>
            <translation>Program Interrupt, Please reset the radio and try again</translation>
        </message>
        <message>
            <source>Error data Value, please input according the step value(6.25K/5k).</source>
            <translation>Error data Value, please input according the step value(6.25K/5k).</translation>
        </message>
        <message>
            <source>Caution</source>
            <translation>Caution</translation>
        </message>
    </context>
    <context>
        <name>CNavigationBar</name>
        <message>
            <source>Close</source>
            <translation>Close</translation>
        </message>
    </context>
</TS>
