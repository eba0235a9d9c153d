<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>SettingsHotspot</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>설정 | Wi-Fi 핫스팟</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Use Hotspot</source>
        <translation>핫스팟 사용</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>주파수</translation>
    </message>
    <message>
        <source>Connection Mode</source>
        <translation>연결 모드</translation>
    </message>
    <message>
        <source>Phone SSID</source>
        <translation>전화기 SSID</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>비밀번호</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Saved</source>
        <translation>저장됨</translation>
    </message>
    <message>
        <source>Phone SSID is Empty</source>
        <translation>전화기 SSID가 비어 있습니다</translation>
    </message>
    <message>
        <source>Password is Empty </source>
        <translation>비밀번호가 비어 있습니다</translation>
    </message>
    <message>
        <source>Password is too short (8~63)</source>
        <translation>비밀번호가 너무 짧습니다 (8~63)</translation>
    </message>
    <message>
        <source>Do not Enter the ID into Korean</source>
        <translation>ID를 한글로 입력하지 마십시오</translation>
    </message>
    <message>
        <source>Do not Enter the Password into Korean</source>
        <translation>비밀번호를 한글로 입력하지 마십시오</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>저장 중...</translation>
    </message>
    <message>
        <source>Failed
Please try again</source>
        <translation>실패
다시 시도하세요</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>Password is too long (8~63)</source>
        <translation>비밀번호가 너무 깁니다 (8~63)</translation>
    </message>
    <message>
        <source>Phone SSID is too long
(max. 32 bytes)</source>
        <translation>전화기 SSID가 너무 깁니다
(최대 32바이트)</translation>
    </message>
    <message>
        <source>Use only English letters, digits
and symbols in the Password</source>
        <translation>비밀번호에는 영문자, 숫자,
기호만 사용하십시오</translation>
    </message>
</context>
<context>
    <name>SettingsHotspotInfo</name>
    <message>
        <source>Settings | Wi-Fi Hotspot</source>
        <translation>설정 | Wi-Fi 핫스팟</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>새로 고침</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>연결 해제</translation>
    </message>
    <message>
        <source>There is no connected device</source>
        <translation>연결된 장치가 없습니다</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Disconnecting...</source>
        <translation>연결 해제 중...</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>연결 해제됨</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>지우기</translation>
    </message>
    <message>
        <source>The hotspot is not answering</source>
        <translation>핫스팟이 응답하지 않습니다</translation>
    </message>
</context>
</TS>
