<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>CLanguageSetting</name>
    <message>
        <source>Language Setting</source>
        <translation>Language Setting</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Language has changed.Need reopen application.</source>
        <translation>Language has changed.Need reopen application.</translation>
    </message>
</context>
<context>
    <name>CUpdateNotifier</name>
    <message>
        <source>Update </source>
        <translation>Update </translation>
    </message>
    <message>
        <source>YES</source>
        <translation>YES</translation>
    </message>
    <message>
        <source>Remind Later</source>
        <translation>Remind Later</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>DLCaptureController</name>
    <message>
        <source>Capture Region</source>
        <translation>Capture Region</translation>
    </message>
    <message>
        <source>Capture Screen</source>
        <translation>Capture Screen</translation>
    </message>
    <message>
        <source>Capture Delay</source>
        <translation>Capture Delay</translation>
    </message>
    <message>
        <source>No Delay</source>
        <translation>No Delay</translation>
    </message>
    <message>
        <source>2 Seconds</source>
        <translation>2 Seconds</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5 Seconds</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Copy Image</source>
        <translation>Copy Image</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>The picture could not be kept in the temporary folder.</source>
        <translation>The picture could not be kept in the temporary folder.</translation>
    </message>
    <message>
        <source>The clipboard holds no picture or file that can be opened.</source>
        <translation>The clipboard holds no picture or file that can be opened.</translation>
    </message>
</context>
<context>
    <name>DLEditor</name>
    <message>
        <source>Setting</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Rect</source>
        <translation>Rect</translation>
    </message>
    <message>
        <source>Color Pick</source>
        <translation>Color Pick</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comment</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Save As...</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom In</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Fit Size</source>
        <translation>Fit Size</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Auto Detect</source>
        <translation>Auto Detect</translation>
    </message>
    <message>
        <source>Finish Edit</source>
        <translation>Finish Edit</translation>
    </message>
    <message>
        <source>Update Image</source>
        <translation>Update Image</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>Change Language</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>Close Window</translation>
    </message>
    <message>
        <source>About App</source>
        <translation>About App</translation>
    </message>
    <message>
        <source>Could not open document file.</source>
        <translation>Could not open document file.</translation>
    </message>
    <message>
        <source>Could not read document file.</source>
        <translation>Could not read document file.</translation>
    </message>
    <message>
        <source>This document request min version &apos;%1.%2.%3&apos;. which you are using &apos;%4&apos;.  File can not open. Please update application.</source>
        <translation>This document request min version &apos;%1.%2.%3&apos;. which you are using &apos;%4&apos;.  File can not open. Please update application.</translation>
    </message>
    <message>
        <source>Could not parse image data. Open Failed. :(</source>
        <translation>Could not parse image data. Open Failed. :(</translation>
    </message>
    <message>
        <source>Could not save image file.</source>
        <translation>Could not save image file.</translation>
    </message>
    <message>
        <source>Could not open output file.</source>
        <translation>Could not open output file.</translation>
    </message>
    <message>
        <source>MoveEditFixSize</source>
        <translation>46</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Open Image</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>Image Files</translation>
    </message>
    <message>
        <source>Replace current document?</source>
        <translation>Replace current document?</translation>
    </message>
    <message>
        <source>File Existed. Replace?</source>
        <translation>File Existed. Replace?</translation>
    </message>
    <message>
        <source>Save success!</source>
        <translation>Save success!</translation>
    </message>
    <message>
        <source>discard all change?</source>
        <translation>discard all change?</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Save file</translation>
    </message>
    <message>
        <source>DLD File (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;BMP Files (*.bmp)</source>
        <translation>DLD File (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;BMP Files (*.bmp)</translation>
    </message>
</context>
<context>
    <name>DLGraphicsScene</name>
    <message>
        <source>Drop File Here</source>
        <translation>Drop File Here</translation>
    </message>
    <message>
        <source>Detected retina image, but the size maybe invalid[%1x%2]. App will treat it as normal image.</source>
        <translation>Detected retina image, but the size maybe invalid[%1x%2]. App will treat it as normal image.</translation>
    </message>
</context>
<context>
    <name>DLSetting</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Mark Color:</source>
        <translation>Mark Color:</translation>
    </message>
    <message>
        <source>MacOS Generic Color Profile</source>
        <translation>MacOS Generic Color Profile</translation>
    </message>
    <message>
        <source>Default Format #FFFFFF(90%)</source>
        <translation>Default Format #FFFFFF(90%)</translation>
    </message>
    <message>
        <source>Alpha will show if need.</source>
        <translation>Alpha will show if need.</translation>
    </message>
    <message>
        <source>Background Color:</source>
        <translation>Background Color:</translation>
    </message>
    <message>
        <source>Color Format:</source>
        <translation>Color Format:</translation>
    </message>
    <message>
        <source>Origin:</source>
        <translation>Origin:</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>top left</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>bottom left</translation>
    </message>
</context>
<context>
    <name>PortalScreenshot</name>
    <message>
        <source>The screen cannot be captured: there is no desktop session bus.</source>
        <translation>The screen cannot be captured: there is no desktop session bus.</translation>
    </message>
    <message>
        <source>The screen cannot be captured: the desktop&apos;s screenshot service is not available.</source>
        <translation>The screen cannot be captured: the desktop&apos;s screenshot service is not available.</translation>
    </message>
    <message>
        <source>The screenshot was cancelled. Nothing was changed.</source>
        <translation>The screenshot was cancelled. Nothing was changed.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not take a screenshot.</source>
        <translation>The desktop&apos;s screenshot service did not take a screenshot.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer.</source>
        <translation>The desktop&apos;s screenshot service did not answer.</translation>
    </message>
</context>
<context>
    <name>ScreenGrabber</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>The screen could not be captured.</translation>
    </message>
    <message>
        <source>The screen cannot be captured on this desktop.</source>
        <translation>The screen cannot be captured on this desktop.</translation>
    </message>
    <message>
        <source>The screenshot from the desktop&apos;s screenshot service could not be read.</source>
        <translation>The screenshot from the desktop&apos;s screenshot service could not be read.</translation>
    </message>
</context>
</TS>
