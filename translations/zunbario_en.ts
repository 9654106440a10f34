<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja_JP">
<context>
    <name>AboutBox</name>
    <message>
        <source>ズンバリオのバージョン情報</source>
        <translation>About Zunbario</translation>
    </message>
</context>
<context>
    <name>ConfirmDialog</name>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ErrorBox</name>
    <message>
        <source>%1。</source>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>FileError</name>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation>Cannot open the file %1</translation>
    </message>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>Cannot create the file %1</translation>
    </message>
</context>
<context>
    <name>GameMenus</name>
    <message>
        <source>ハンマー(&amp;T)</source>
        <translation>Ha&amp;mmer</translation>
    </message>
    <message>
        <source>普通のハンマーのみ(&amp;N)</source>
        <translation>&amp;Normal Hammer Only</translation>
    </message>
    <message>
        <source>変なハンマーのみ(&amp;S)</source>
        <translation>&amp;Strange Hammer Only</translation>
    </message>
    <message>
        <source>ランダムに普通のハンマーと変なハンマー(&amp;R)</source>
        <translation>&amp;Random: Normal or Strange Hammer</translation>
    </message>
    <message>
        <source>記録(&amp;V)…</source>
        <translation>&amp;High Scores…</translation>
    </message>
    <message>
        <source>ゲームの保存(&amp;K)</source>
        <translation>Save &amp;Game</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;D)</source>
        <translation>&amp;Help Contents</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;B)</source>
        <translation>&amp;About Zunbario</translation>
    </message>
    <message>
        <source>設定(&amp;S)</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>効果音を鳴らす(&amp;S)</source>
        <translation>Play &amp;Sounds</translation>
    </message>
    <message>
        <source>等倍(&amp;1)</source>
        <translation>&amp;Normal Size</translation>
    </message>
    <message>
        <source>1.5 倍(&amp;2)</source>
        <translation>&amp;1.5 × Size</translation>
    </message>
    <message>
        <source>2 倍(&amp;3)</source>
        <translation>&amp;Double Size</translation>
    </message>
    <message>
        <source>全画面表示(&amp;F)</source>
        <translation>&amp;Full Screen Mode</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>ズンバリオ ヘルプ</source>
        <translation>Zunbario Help</translation>
    </message>
    <message>
        <source>&lt;h2&gt;ヘルプを表示できません&lt;/h2&gt;&lt;p&gt;ヘルプファイル「%1」が見つかりません。&lt;/p&gt;&lt;p&gt;ゲームはこのまま続けられます。&lt;/p&gt;</source>
        <translation>&lt;h2&gt;The help cannot be shown&lt;/h2&gt;&lt;p&gt;The help file “%1” was not found.&lt;/p&gt;&lt;p&gt;The game goes on as before.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>HighScoresWindow</name>
    <message>
        <source>ズンバリオの記録</source>
        <translation>Zunbario High Scores</translation>
    </message>
    <message>
        <source>普通のハンマー</source>
        <translation>Normal Hammer</translation>
    </message>
    <message>
        <source>変なハンマー</source>
        <translation>Strange Hammer</translation>
    </message>
    <message>
        <source>ランダム</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>このモードでクリアしたゲームはまだありません。</source>
        <translation>No game has been cleared in this mode yet.</translation>
    </message>
    <message>
        <source>順位</source>
        <translation>Rank</translation>
    </message>
    <message>
        <source>得点</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>日時</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Player</translation>
    </message>
</context>
<context>
    <name>Texts</name>
    <message>
        <source>ズンバリオ</source>
        <translation>Zunbario</translation>
    </message>
    <message>
        <source>何かキーを押すとゲームが始まります。</source>
        <translation>Press any key to start the game.</translation>
    </message>
    <message>
        <source>一時停止中<byte value="xd"/><byte value="xd"/>何かキーを押すと再開します。</source>
        <translation>Paused<byte value="xd"/><byte value="xd"/>Press any key to resume.</translation>
    </message>
    <message>
        <source>ＧＡＭＥ&#x3000;ＯＶＥＲ&#x3000;！！<byte value="xd"/><byte value="xd"/>何かキーを押すとゲームを再開します。</source>
        <translation>GAME OVER!!<byte value="xd"/><byte value="xd"/>Press any key to try again.</translation>
    </message>
    <message>
        <source>ＣＬＥＡＲ&#x3000;！！<byte value="xd"/><byte value="xd"/>何かキーを押してください。</source>
        <translation>CLEAR!!<byte value="xd"/><byte value="xd"/>Press any key for the next level.</translation>
    </message>
    <message>
        <source>ＧＡＭＥ&#x3000;ＣＬＥＡＲ&#x3000;！！<byte value="xd"/><byte value="xd"/>何かキーを押すとゲームを再開します。</source>
        <translation>GAME CLEAR!!<byte value="xd"/><byte value="xd"/>Press any key for a new game.</translation>
    </message>
    <message>
        <source>新記録！！</source>
        <translation>NEW RECORD!!</translation>
    </message>
    <message>
        <source>レベル１からスタートになりますが、<byte value="xd"/>ゲームモードを変更しますか？</source>
        <translation>The game will start again from level 1.<byte value="xd"/>Change the hammer mode?</translation>
    </message>
    <message>
        <source>前回の続きからゲームを始めますか？</source>
        <translation>Continue the game from where you saved it?</translation>
    </message>
    <message>
        <source>ゲームを保存しますか？<byte value="xd"/>以前のデータは破棄されます。</source>
        <translation>Save the game?<byte value="xd"/>The game saved before will be lost.</translation>
    </message>
    <message>
        <source>レベル%1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>%1匹</source>
        <translation>%1pt</translation>
    </message>
    <message>
        <source>%1匹<byte value="xd"/>(最高記録)</source>
        <translation>%1pt<byte value="xd"/>(best)</translation>
    </message>
</context>
</TS>
