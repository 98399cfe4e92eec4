<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CLanguageSetting</name>
    <message>
        <source>Language Setting</source>
        <translation>语言设置</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>语言：</translation>
    </message>
    <message>
        <source>Language has changed.Need reopen application.</source>
        <translation>语言已更改，重新启动应用后生效。</translation>
    </message>
</context>
<context>
    <name>CUpdateNotifier</name>
    <message>
        <source>Update </source>
        <translation>更新 </translation>
    </message>
    <message>
        <source>YES</source>
        <translation>是</translation>
    </message>
    <message>
        <source>Remind Later</source>
        <translation>稍后提醒</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>DLCaptureController</name>
    <message>
        <source>Capture Region</source>
        <translation>截取区域</translation>
    </message>
    <message>
        <source>Capture Screen</source>
        <translation>截取屏幕</translation>
    </message>
    <message>
        <source>Capture Delay</source>
        <translation>截图延时</translation>
    </message>
    <message>
        <source>No Delay</source>
        <translation>不延时</translation>
    </message>
    <message>
        <source>2 Seconds</source>
        <translation>2 秒</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5 秒</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Copy Image</source>
        <translation>复制图像</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>The picture could not be kept in the temporary folder.</source>
        <translation>无法将图像保存到临时文件夹。</translation>
    </message>
    <message>
        <source>The clipboard holds no picture or file that can be opened.</source>
        <translation>剪贴板中没有可以打开的图像或文件。</translation>
    </message>
</context>
<context>
    <name>DLEditor</name>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>Rect</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Color Pick</source>
        <translation>取色</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>注释</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移动</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Fit Size</source>
        <translation>实际大小</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Auto Detect</source>
        <translation>自动检测</translation>
    </message>
    <message>
        <source>Finish Edit</source>
        <translation>完成编辑</translation>
    </message>
    <message>
        <source>Update Image</source>
        <translation>更新图片</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>切换语言</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>关闭窗口</translation>
    </message>
    <message>
        <source>About App</source>
        <translation>关于本应用</translation>
    </message>
    <message>
        <source>Could not open document file.</source>
        <translation>无法打开文档文件。</translation>
    </message>
    <message>
        <source>Could not read document file.</source>
        <translation>无法读取文档文件。</translation>
    </message>
    <message>
        <source>This document request min version &apos;%1.%2.%3&apos;. which you are using &apos;%4&apos;.  File can not open. Please update application.</source>
        <translation>此文档需要 %1.%2.%3 或更高版本，当前版本为 %4。请更新应用后再打开。</translation>
    </message>
    <message>
        <source>Could not parse image data. Open Failed. :(</source>
        <translation>无法解析图片数据，打开失败。</translation>
    </message>
    <message>
        <source>Could not save image file.</source>
        <translation>无法保存图片文件。</translation>
    </message>
    <message>
        <source>Could not open output file.</source>
        <translation>无法打开输出文件。</translation>
    </message>
    <message>
        <source>MoveEditFixSize</source>
        <translation>46</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>打开图片</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>图片文件</translation>
    </message>
    <message>
        <source>Replace current document?</source>
        <translation>替换当前文档？</translation>
    </message>
    <message>
        <source>File Existed. Replace?</source>
        <translation>文件已存在，是否替换？</translation>
    </message>
    <message>
        <source>Save success!</source>
        <translation>保存成功！</translation>
    </message>
    <message>
        <source>discard all change?</source>
        <translation>放弃所有更改？</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>DLD File (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;BMP Files (*.bmp)</source>
        <translation>DLD 文件 (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;BMP 文件 (*.bmp)</translation>
    </message>
</context>
<context>
    <name>DLGraphicsScene</name>
    <message>
        <source>Drop File Here</source>
        <translation>将文件拖放到此处</translation>
    </message>
    <message>
        <source>Detected retina image, but the size maybe invalid[%1x%2]. App will treat it as normal image.</source>
        <translation>检测到 Retina 图片，但尺寸可能无效 [%1x%2]。将按普通图片处理。</translation>
    </message>
</context>
<context>
    <name>DLSetting</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Mark Color:</source>
        <translation>标注颜色：</translation>
    </message>
    <message>
        <source>MacOS Generic Color Profile</source>
        <translation>macOS 通用颜色配置文件</translation>
    </message>
    <message>
        <source>Default Format #FFFFFF(90%)</source>
        <translation>默认格式 #FFFFFF(90%)</translation>
    </message>
    <message>
        <source>Alpha will show if need.</source>
        <translation>仅在需要时显示 Alpha</translation>
    </message>
    <message>
        <source>Background Color:</source>
        <translation>背景颜色：</translation>
    </message>
    <message>
        <source>Color Format:</source>
        <translation>颜色格式：</translation>
    </message>
    <message>
        <source>Origin:</source>
        <translation>原点：</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>左上角</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>左下角</translation>
    </message>
</context>
<context>
    <name>PortalScreenshot</name>
    <message>
        <source>The screen cannot be captured: there is no desktop session bus.</source>
        <translation>无法截取屏幕：没有桌面会话总线。</translation>
    </message>
    <message>
        <source>The screen cannot be captured: the desktop&apos;s screenshot service is not available.</source>
        <translation>无法截取屏幕：桌面的截图服务不可用。</translation>
    </message>
    <message>
        <source>The screenshot was cancelled. Nothing was changed.</source>
        <translation>截图已取消，未做任何更改。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not take a screenshot.</source>
        <translation>桌面的截图服务未能截图。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer.</source>
        <translation>桌面的截图服务没有响应。</translation>
    </message>
</context>
<context>
    <name>ScreenGrabber</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>无法截取屏幕。</translation>
    </message>
    <message>
        <source>The screen cannot be captured on this desktop.</source>
        <translation>在此桌面上无法截取屏幕。</translation>
    </message>
    <message>
        <source>The screenshot from the desktop&apos;s screenshot service could not be read.</source>
        <translation>无法读取桌面截图服务提供的截图。</translation>
    </message>
</context>
</TS>
