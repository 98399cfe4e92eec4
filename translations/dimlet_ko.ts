<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en">
<context>
    <name>CLanguageSetting</name>
    <message>
        <source>Language Setting</source>
        <translation>언어 설정</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>언어:</translation>
    </message>
    <message>
        <source>Language has changed.Need reopen application.</source>
        <translation>언어가 변경되었습니다. 앱을 다시 시작하면 적용됩니다.</translation>
    </message>
</context>
<context>
    <name>CUpdateNotifier</name>
    <message>
        <source>Update </source>
        <translation>업데이트 </translation>
    </message>
    <message>
        <source>YES</source>
        <translation>예</translation>
    </message>
    <message>
        <source>Remind Later</source>
        <translation>나중에 알림</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
</context>
<context>
    <name>DLCaptureController</name>
    <message>
        <source>Capture Region</source>
        <translation>영역 캡처</translation>
    </message>
    <message>
        <source>Capture Screen</source>
        <translation>화면 캡처</translation>
    </message>
    <message>
        <source>Capture Delay</source>
        <translation>캡처 지연</translation>
    </message>
    <message>
        <source>No Delay</source>
        <translation>지연 없음</translation>
    </message>
    <message>
        <source>2 Seconds</source>
        <translation>2초</translation>
    </message>
    <message>
        <source>5 Seconds</source>
        <translation>5초</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Copy Image</source>
        <translation>이미지 복사</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>붙여넣기</translation>
    </message>
    <message>
        <source>The picture could not be kept in the temporary folder.</source>
        <translation>임시 폴더에 그림을 보관할 수 없습니다.</translation>
    </message>
    <message>
        <source>The clipboard holds no picture or file that can be opened.</source>
        <translation>클립보드에 열 수 있는 그림이나 파일이 없습니다.</translation>
    </message>
</context>
<context>
    <name>DLEditor</name>
    <message>
        <source>Setting</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>길이</translation>
    </message>
    <message>
        <source>Rect</source>
        <translation>사각형</translation>
    </message>
    <message>
        <source>Color Pick</source>
        <translation>스포이트</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>주석</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>이동</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>도구</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>다른 이름으로 저장...</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>확대</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>축소</translation>
    </message>
    <message>
        <source>Fit Size</source>
        <translation>실제 크기</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>Auto Detect</source>
        <translation>자동 감지</translation>
    </message>
    <message>
        <source>Finish Edit</source>
        <translation>편집 완료</translation>
    </message>
    <message>
        <source>Update Image</source>
        <translation>이미지 업데이트</translation>
    </message>
    <message>
        <source>Change Language</source>
        <translation>언어 변경</translation>
    </message>
    <message>
        <source>Close Window</source>
        <translation>창 닫기</translation>
    </message>
    <message>
        <source>About App</source>
        <translation>앱 정보</translation>
    </message>
    <message>
        <source>Could not open document file.</source>
        <translation>문서 파일을 열 수 없습니다.</translation>
    </message>
    <message>
        <source>Could not read document file.</source>
        <translation>문서 파일을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>This document request min version &apos;%1.%2.%3&apos;. which you are using &apos;%4&apos;.  File can not open. Please update application.</source>
        <translation>이 문서를 열려면 %1.%2.%3 이상 버전이 필요합니다. 현재 버전은 %4입니다. 앱을 업데이트하세요.</translation>
    </message>
    <message>
        <source>Could not parse image data. Open Failed. :(</source>
        <translation>이미지 데이터를 해석할 수 없어 열지 못했습니다.</translation>
    </message>
    <message>
        <source>Could not save image file.</source>
        <translation>이미지 파일을 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>Could not open output file.</source>
        <translation>출력 파일을 열 수 없습니다.</translation>
    </message>
    <message>
        <source>MoveEditFixSize</source>
        <translation>46</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>이미지 열기</translation>
    </message>
    <message>
        <source>Image Files</source>
        <translation>이미지 파일</translation>
    </message>
    <message>
        <source>Replace current document?</source>
        <translation>현재 문서를 바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>File Existed. Replace?</source>
        <translation>파일이 이미 있습니다. 바꾸시겠습니까?</translation>
    </message>
    <message>
        <source>Save success!</source>
        <translation>저장했습니다.</translation>
    </message>
    <message>
        <source>discard all change?</source>
        <translation>모든 변경 사항을 버리시겠습니까?</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>파일 저장</translation>
    </message>
    <message>
        <source>DLD File (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;BMP Files (*.bmp)</source>
        <translation>DLD 파일 (*.dld);;PNG (*.png);;JPEG (*.jpeg);;JPG (*.jpg);;BMP 파일 (*.bmp)</translation>
    </message>
</context>
<context>
    <name>DLGraphicsScene</name>
    <message>
        <source>Drop File Here</source>
        <translation>여기에 파일을 놓으세요</translation>
    </message>
    <message>
        <source>Detected retina image, but the size maybe invalid[%1x%2]. App will treat it as normal image.</source>
        <translation>Retina 이미지가 감지되었지만 크기가 올바르지 않을 수 있습니다 [%1x%2]. 일반 이미지로 처리합니다.</translation>
    </message>
</context>
<context>
    <name>DLSetting</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Mark Color:</source>
        <translation>마크 색상:</translation>
    </message>
    <message>
        <source>MacOS Generic Color Profile</source>
        <translation>macOS 일반 색상 프로파일</translation>
    </message>
    <message>
        <source>Default Format #FFFFFF(90%)</source>
        <translation>기본 형식 #FFFFFF(90%)</translation>
    </message>
    <message>
        <source>Alpha will show if need.</source>
        <translation>필요할 때만 알파 표시</translation>
    </message>
    <message>
        <source>Background Color:</source>
        <translation>배경 색상:</translation>
    </message>
    <message>
        <source>Color Format:</source>
        <translation>색상 형식:</translation>
    </message>
    <message>
        <source>Origin:</source>
        <translation>원점:</translation>
    </message>
    <message>
        <source>top left</source>
        <translation>왼쪽 위</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>왼쪽 아래</translation>
    </message>
</context>
<context>
    <name>PortalScreenshot</name>
    <message>
        <source>The screen cannot be captured: there is no desktop session bus.</source>
        <translation>화면을 캡처할 수 없습니다: 데스크톱 세션 버스가 없습니다.</translation>
    </message>
    <message>
        <source>The screen cannot be captured: the desktop&apos;s screenshot service is not available.</source>
        <translation>화면을 캡처할 수 없습니다: 데스크톱의 스크린샷 서비스를 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>The screenshot was cancelled. Nothing was changed.</source>
        <translation>스크린샷이 취소되었습니다. 아무것도 변경되지 않았습니다.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not take a screenshot.</source>
        <translation>데스크톱의 스크린샷 서비스가 스크린샷을 찍지 않았습니다.</translation>
    </message>
    <message>
        <source>The desktop&apos;s screenshot service did not answer.</source>
        <translation>데스크톱의 스크린샷 서비스가 응답하지 않았습니다.</translation>
    </message>
</context>
<context>
    <name>ScreenGrabber</name>
    <message>
        <source>The screen could not be captured.</source>
        <translation>화면을 캡처할 수 없습니다.</translation>
    </message>
    <message>
        <source>The screen cannot be captured on this desktop.</source>
        <translation>이 데스크톱에서는 화면을 캡처할 수 없습니다.</translation>
    </message>
    <message>
        <source>The screenshot from the desktop&apos;s screenshot service could not be read.</source>
        <translation>데스크톱의 스크린샷 서비스에서 받은 스크린샷을 읽을 수 없습니다.</translation>
    </message>
</context>
</TS>
