<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>CLanguageSetting</name>
    <message>
        <source>Language Setting</source>
        <translation>語言設定</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>語言：</translation>
    </message>
    <message>
        <source>Language has changed.Need reopen application.</source>
        <translation>語言已變更，重新啟動應用程式後生效。</translation>
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
        <translation>稍後提醒</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
</context>
<context>
    <name>DLCaptureController</name>
    <message>
        <source>Capture Region</source>
        <translation>擷取區域</translation>
    </message>
    <message>
        <source>Capture Screen</source>
        <translation>擷取螢幕</translation>
    </message>
    <message>
        <source>Capture Delay</source>
        <translation>擷取延遲</translation>
    </message>
    <message>
        <source>No Delay</source>
        <translation>不延遲</translation>
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
        <translation>複製</translation>
    </message>
    <message>
        <source>Copy Image</source>
        <translation>複製影像</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>The picture could not be kept in the temporary folder.</source>
        <translation>無法將影像保存到暫存資料夾。</translation>
    </message>
    <message>
        <source>The clipboard holds no picture or file that can be opened.</source>
        <translation>剪貼簿中沒有可以開啟的影像或檔案。</translation>
    </message>
</context>
<context>
    <name>DLEditor</name>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>長度</translation>
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
        <translation>註解</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>開啟檔案</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存新檔...</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Fit Size</source>
        <translation>實際大小</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Auto Detect</source>
        <translation>自動偵測</translation>
    </message>
    <message>
        <source>Finish Edit</source>
        <translation>完成編輯</translation>
    </message>
    <message>
        <source>Update Image</source>
        <translation>更新影像</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>變更語言</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>關閉視窗</translation>
    </message>
    <message>
        <source>About App</source>
        <translation>關於本應用程式</translation>
    </message>
    <message>
        <source>Could not open document file.</source>
        <translation>無法開啟文件檔案。</translation>
    </message>
    <message>
        <source>Could not read document file.</source>
        <translation>無法讀取文件檔案。</translation>
    </message>
    <message>
        <source>This document request min version &apos;%1.%2.%3&apos;. which you are using &apos;%4&apos;.  File can not open. Please update application.</source>
        <translation>此文件需要 %1.%2.%3 或更新的版本，您目前使用的是 %4。請更新應用程式後再開啟。</translation>
    </message>
    <message>
        <source>Could not parse image data. Open Failed. :(</source>
        <translation>無法解析影像資料，開啟失敗。</translation>
    </message>
    <message>
        <source>Could not save image file.</source>
        <translation>無法儲存影像檔案。</translation>
    </message>
    <message>
        <source>Could not open output file.</source>
        <translation>無法開啟輸出檔案。</translation>
    </message>
    <message>
        <source>MoveEditFixSize</source>
        <translation>46</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>開啟影像</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>影像檔案</translation>
    </message>
    <message>
        <source>Replace current document?</source>
        <translation>要取代目前的文件嗎？</translation>
    </message>
    <message>
        <source>File Existed. Replace?</source>
        <translation>檔案已存在，要取代嗎？</translation>
    </message>
    <message>
        <source>Save success!</source>
        <translation>儲存成功！</translation>
    </message>
    <message>
        <source>discard all change?</source>
        <translation>要放棄所有變更嗎？</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>儲存檔案</translation>
    </message>
    <message>
        <source>DLD File (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;BMP Files (*.bmp)</source>
        <translation>DLD 檔案 (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;BMP 檔案 (*.bmp)</translation>
    </message>
</context>
<context>
    <name>DLGraphicsScene</name>
    <message>
        <source>Drop File Here</source>
        <translation>將檔案拖放到這裡</translation>
    </message>
    <message>
        <source>Detected retina image, but the size maybe invalid[%1x%2]. App will treat it as normal image.</source>
        <translation>偵測到 Retina 影像，但尺寸可能無效 [%1x%2]。將以一般影像處理。</translation>
    </message>
</context>
<context>
    <name>DLSetting</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Mark Color:</source>
        <translation>標註顏色：</translation>
    </message>
    <message>
        <source>MacOS Generic Color Profile</source>
        <translation>macOS 通用色彩描述檔</translation>
    </message>
    <message>
        <source>Default Format #FFFFFF(90%)</source>
        <translation>預設格式 #FFFFFF(90%)</translation>
    </message>
    <message>
        <source>Alpha will show if need.</source>
        <translation>僅在需要時顯示 Alpha</translation>
    </message>
    <message>
        <source>Background Color:</source>
        <translation>背景顏色：</translation>
    </message>
    <message>
        <source>Color Format:</source>
        <translation>顏色格式：</translation>
    </message>
    <message>
        <source>Origin:</source>
        <translation>原點：</translation>
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
        <translation>無法擷取螢幕：沒有桌面工作階段匯流排。</translation>
    </message>
    <message>
        <source>The screen cannot be captured: the desktop&apos;s screenshot service is not available.</source>
        <translation>無法擷取螢幕：桌面的螢幕擷取服務無法使用。</translation>
    </message>
    <message>
        <source>The screenshot was cancelled. Nothing was changed.</source>
        <translation>螢幕擷取已取消，未做任何變更。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not take a screenshot.</source>
        <translation>桌面的螢幕擷取服務未能擷取畫面。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer.</source>
        <translation>桌面的螢幕擷取服務沒有回應。</translation>
    </message>
</context>
<context>
    <name>ScreenGrabber</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>無法擷取螢幕。</translation>
    </message>
    <message>
        <source>The screen cannot be captured on this desktop.</source>
        <translation>在此桌面上無法擷取螢幕。</translation>
    </message>
    <message>
        <source>The screenshot from the desktop&apos;s screenshot service could not be read.</source>
        <translation>無法讀取桌面螢幕擷取服務提供的擷圖。</translation>
    </message>
</context>
</TS>
