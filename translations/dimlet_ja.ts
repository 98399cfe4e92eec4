<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>CLanguageSetting</name>
    <message>
        <source>Language Setting</source>
        <translation>言語設定</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>言語：</translation>
    </message>
    <message>
        <source>Language has changed.Need reopen application.</source>
        <translation>言語を変更しました。アプリを再起動すると反映されます。</translation>
    </message>
</context>
<context>
    <name>CUpdateNotifier</name>
    <message>
        <source>Update </source>
        <translation>アップデート </translation>
    </message>
    <message>
        <source>YES</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>Remind Later</source>
        <translation>後で通知</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>DLCaptureController</name>
    <message>
        <source>Capture Region</source>
        <translation>範囲をキャプチャ</translation>
    </message>
    <message>
        <source>Capture Screen</source>
        <translation>画面をキャプチャ</translation>
    </message>
    <message>
        <source>Capture Delay</source>
        <translation>キャプチャの遅延</translation>
    </message>
    <message>
        <source>No Delay</source>
        <translation>遅延なし</translation>
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
        <translation>コピー</translation>
    </message>
    <message>
        <source>Copy Image</source>
        <translation>画像をコピー</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>The picture could not be kept in the temporary folder.</source>
        <translation>画像を一時フォルダーに保存できませんでした。</translation>
    </message>
    <message>
        <source>The clipboard holds no picture or file that can be opened.</source>
        <translation>クリップボードに開ける画像やファイルがありません。</translation>
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
        <translation>保存</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Rect</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Color Pick</source>
        <translation>スポイト</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>コメント</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>About</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>名前を付けて保存...</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>拡大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>縮小</translation>
    </message>
    <message>
        <source>Fit Size</source>
        <translation>実際のサイズ</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>取り消す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Auto Detect</source>
        <translation>自動検出</translation>
    </message>
    <message>
        <source>Finish Edit</source>
        <translation>編集を終了</translation>
    </message>
    <message>
        <source>Update Image</source>
        <translation>画像を更新</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>言語を変更</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>ウィンドウを閉じる</translation>
    </message>
    <message>
        <source>About App</source>
        <translation>このアプリについて</translation>
    </message>
    <message>
        <source>Could not open document file.</source>
        <translation>ドキュメントファイルを開けませんでした。</translation>
    </message>
    <message>
        <source>Could not read document file.</source>
        <translation>ドキュメントファイルを読み込めませんでした。</translation>
    </message>
    <message>
        <source>This document request min version &apos;%1.%2.%3&apos;. which you are using &apos;%4&apos;.  File can not open. Please update application.</source>
        <translation>このドキュメントを開くにはバージョン %1.%2.%3 以降が必要です（現在のバージョン：%4）。アプリをアップデートしてください。</translation>
    </message>
    <message>
        <source>Could not parse image data. Open Failed. :(</source>
        <translation>画像データを読み込めませんでした。開くことができません。</translation>
    </message>
    <message>
        <source>Could not save image file.</source>
        <translation>画像ファイルを保存できませんでした。</translation>
    </message>
    <message>
        <source>Could not open output file.</source>
        <translation>出力ファイルを開けませんでした。</translation>
    </message>
    <message>
        <source>MoveEditFixSize</source>
        <translation>46</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>画像を開く</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>画像ファイル</translation>
    </message>
    <message>
        <source>Replace current document?</source>
        <translation>現在のドキュメントを置き換えますか？</translation>
    </message>
    <message>
        <source>File Existed. Replace?</source>
        <translation>ファイルは既に存在します。置き換えますか？</translation>
    </message>
    <message>
        <source>Save success!</source>
        <translation>保存しました。</translation>
    </message>
    <message>
        <source>discard all change?</source>
        <translation>すべての変更を破棄しますか？</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>ファイルを保存</translation>
    </message>
    <message>
        <source>DLD File (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;BMP Files (*.bmp)</source>
        <translation>DLD ファイル (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;BMP ファイル (*.bmp)</translation>
    </message>
</context>
<context>
    <name>DLGraphicsScene</name>
    <message>
        <source>Drop File Here</source>
        <translation>ここにファイルをドロップ</translation>
    </message>
    <message>
        <source>Detected retina image, but the size maybe invalid[%1x%2]. App will treat it as normal image.</source>
        <translation>Retina 画像を検出しましたが、サイズが無効な可能性があります [%1x%2]。通常の画像として扱います。</translation>
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
        <translation>マークの色：</translation>
    </message>
    <message>
        <source>MacOS Generic Color Profile</source>
        <translation>macOS 汎用カラープロファイル</translation>
    </message>
    <message>
        <source>Default Format #FFFFFF(90%)</source>
        <translation>デフォルト形式 #FFFFFF(90%)</translation>
    </message>
    <message>
        <source>Alpha will show if need.</source>
        <translation>必要な場合のみアルファを表示</translation>
    </message>
    <message>
        <source>Background Color:</source>
        <translation>背景色：</translation>
    </message>
    <message>
        <source>Color Format:</source>
        <translation>カラー形式：</translation>
    </message>
    <message>
        <source>Origin:</source>
        <translation>原点：</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>左下</translation>
    </message>
</context>
<context>
    <name>PortalScreenshot</name>
    <message>
        <source>The screen cannot be captured: there is no desktop session bus.</source>
        <translation>画面をキャプチャできません：デスクトップのセッションバスがありません。</translation>
    </message>
    <message>
        <source>The screen cannot be captured: the desktop&apos;s screenshot service is not available.</source>
        <translation>画面をキャプチャできません：デスクトップのスクリーンショットサービスを利用できません。</translation>
    </message>
    <message>
        <source>The screenshot was cancelled. Nothing was changed.</source>
        <translation>スクリーンショットはキャンセルされました。何も変更されていません。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not take a screenshot.</source>
        <translation>デスクトップのスクリーンショットサービスがスクリーンショットを撮影しませんでした。</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer.</source>
        <translation>デスクトップのスクリーンショットサービスから応答がありませんでした。</translation>
    </message>
</context>
<context>
    <name>ScreenGrabber</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>画面をキャプチャできませんでした。</translation>
    </message>
    <message>
        <source>The screen cannot be captured on this desktop.</source>
        <translation>このデスクトップでは画面をキャプチャできません。</translation>
    </message>
    <message>
        <source>The screenshot from the desktop&apos;s screenshot service could not be read.</source>
        <translation>デスクトップのスクリーンショットサービスから受け取ったスクリーンショットを読み込めませんでした。</translation>
    </message>
</context>
</TS>
