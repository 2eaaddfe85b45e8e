<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>OptionFieldChecks</name>
    <message>
        <source>このフィールドには 1 ～ 32,767 の数値を入力してください。</source>
        <translation>Enter a number from 1 to 32,767 in this field.</translation>
    </message>
    <message>
        <source>このフィールドには 0 ～ 10 の数値を入力してください。</source>
        <translation>Enter a number from 0 to 10 in this field.</translation>
    </message>
    <message>
        <source>このフィールドには 0 ～  %1の数値を入力してください。</source>
        <translation>Enter a number from 0 to %1 in this field.</translation>
    </message>
</context>
<context>
    <name>OptionForm</name>
    <message>
        <source>タイマー設定</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Timer ON</source>
        <translation>Change automatically</translation>
    </message>
    <message>
        <source>タイマー自動切替を作動</source>
        <translation>Change the wallpaper on a timer</translation>
    </message>
    <message>
        <source>Interval Time（秒）：</source>
        <translation>Interval (seconds):</translation>
    </message>
    <message>
        <source>自動切替インターバルタイム設定</source>
        <translation>Seconds between automatic changes</translation>
    </message>
    <message>
        <source>切替時刻を記憶する（再起動・スリープ後も間隔を保つ）</source>
        <translation>Remember the next change time (across restarts and sleep)</translation>
    </message>
    <message>
        <source>次の切替時刻を保存し、再起動やスリープの後もその時刻に切り替える</source>
        <translation>Saves the time of the next change and changes then, even after a restart or sleep</translation>
    </message>
    <message>
        <source>切替モード</source>
        <translation>Order</translation>
    </message>
    <message>
        <source>ランダム切替</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>自動切替時にランダムに切り替える</source>
        <translation>Pick the next wallpaper at random</translation>
    </message>
    <message>
        <source>順次切替</source>
        <translation>In order</translation>
    </message>
    <message>
        <source>自動切替時に順番に切り替える</source>
        <translation>Go through the wallpapers in order</translation>
    </message>
    <message>
        <source>全画像を一巡するまで重複しない</source>
        <translation>No repeats until every picture has been shown</translation>
    </message>
    <message>
        <source>ランダム切替時に、すべての画像を一度ずつ表示してから次の一巡に移る</source>
        <translation>In random order, show every picture once before starting over</translation>
    </message>
    <message>
        <source>表示位置</source>
        <translation>Placement</translation>
    </message>
    <message>
        <source>自動</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>表示位置を自動判定する</source>
        <translation>Choose the placement to suit each picture</translation>
    </message>
    <message>
        <source>中央</source>
        <translation>Centred</translation>
    </message>
    <message>
        <source>壁紙を画面中央に表示</source>
        <translation>Show the wallpaper in the centre of the screen</translation>
    </message>
    <message>
        <source>全体</source>
        <translation>Tiled</translation>
    </message>
    <message>
        <source>壁紙を画面全体に表示</source>
        <translation>Tile the wallpaper over the whole screen</translation>
    </message>
    <message>
        <source>自動サイズ変更</source>
        <translation>Automatic resizing</translation>
    </message>
    <message>
        <source>自動サイズ変更を行う</source>
        <translation>Resize pictures to the screen</translation>
    </message>
    <message>
        <source>壁紙のサイズを自動的に変更する</source>
        <translation>Change the wallpaper's size automatically</translation>
    </message>
    <message>
        <source>画像サイズが画面サイズの</source>
        <translation>Pictures smaller than 1 /</translation>
    </message>
    <message>
        <source>分の1より</source>
        <translation> of the screen size</translation>
    </message>
    <message>
        <source>小さい場合は自動サイズ変更を行わない。</source>
        <translation>are not resized.</translation>
    </message>
    <message>
        <source>自動サイズ変更のしきい値を設定</source>
        <translation>Threshold for automatic resizing</translation>
    </message>
    <message>
        <source>エフェクト関連</source>
        <translation>Effects</translation>
    </message>
    <message>
        <source>エフェクトをかける</source>
        <translation>Apply effects</translation>
    </message>
    <message>
        <source>壁紙にエフェクトをかける</source>
        <translation>Apply image effects to the wallpaper</translation>
    </message>
    <message>
        <source>Effect Type：</source>
        <translation>Effect set:</translation>
    </message>
    <message>
        <source>エフェクト種類の選択</source>
        <translation>Choose the effect set</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>編集</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>エフェクト内容を編集する</source>
        <translation>Choose the effects of this set</translation>
    </message>
    <message>
        <source>コラージュ</source>
        <translation>Collage</translation>
    </message>
    <message>
        <source>コラージュ ON</source>
        <translation>Make a collage</translation>
    </message>
    <message>
        <source>コラージュ機能を作動</source>
        <translation>Combine several pictures into one wallpaper</translation>
    </message>
    <message>
        <source>ランダム合成</source>
        <translation>Random pictures</translation>
    </message>
    <message>
        <source>合成するファイルをリストからランダムに選択</source>
        <translation>Pick the pictures to combine at random from the list</translation>
    </message>
    <message>
        <source>並べて表示</source>
        <translation>Tile</translation>
    </message>
    <message>
        <source>行数：</source>
        <translation>Rows:</translation>
    </message>
    <message>
        <source>並べて表示する際の行数(0でランダム)</source>
        <translation>Rows when tiling (0 for a random number)</translation>
    </message>
    <message>
        <source>貼付枚数：</source>
        <translation>Pictures:</translation>
    </message>
    <message>
        <source>コラージュ貼付枚数を設定</source>
        <translation>Number of pictures in the collage</translation>
    </message>
    <message>
        <source>最大倍率：</source>
        <translation>Maximum scale:</translation>
    </message>
    <message>
        <source>画像リサイズの最大倍率を設定</source>
        <translation>Largest factor a picture is enlarged by</translation>
    </message>
    <message>
        <source>画像ファイルのサイズを基準</source>
        <translation>Relative to the picture</translation>
    </message>
    <message>
        <source>画像リサイズ時の基準を選択</source>
        <translation>What a picture's new size is relative to</translation>
    </message>
    <message>
        <source>画面サイズを基準</source>
        <translation>Relative to the screen</translation>
    </message>
    <message>
        <source>カレンダー</source>
        <translation>Calendar</translation>
    </message>
    <message>
        <source>カレンダー ON</source>
        <translation>Show a calendar</translation>
    </message>
    <message>
        <source>カレンダー機能を作動</source>
        <translation>Print the month's calendar on the wallpaper</translation>
    </message>
    <message>
        <source>文字設定</source>
        <translation>Text style</translation>
    </message>
    <message>
        <source>カレンダ表示用フォント設定</source>
        <translation>Font and style of the calendar's text</translation>
    </message>
    <message>
        <source>表示位置：</source>
        <translation>Position:</translation>
    </message>
    <message>
        <source>左上</source>
        <translation>Top left</translation>
    </message>
    <message>
        <source>右上</source>
        <translation>Top right</translation>
    </message>
    <message>
        <source>左下</source>
        <translation>Bottom left</translation>
    </message>
    <message>
        <source>右下</source>
        <translation>Bottom right</translation>
    </message>
    <message>
        <source>マージン&#x3000;横：</source>
        <translation>Margin, horizontal:</translation>
    </message>
    <message>
        <source>カレンダ表示位置横マージン</source>
        <translation>Distance of the calendar from the screen's side</translation>
    </message>
    <message>
        <source>縦：</source>
        <translation>vertical:</translation>
    </message>
    <message>
        <source>カレンダ表示位置縦マージン</source>
        <translation>Distance of the calendar from the screen's top or bottom</translation>
    </message>
    <message>
        <source>マルチモニター</source>
        <translation>Multiple monitors</translation>
    </message>
    <message>
        <source>全モニターに同じ壁紙</source>
        <translation>The same wallpaper on every monitor</translation>
    </message>
    <message>
        <source>各モニターにそのサイズに合わせた同じ壁紙を表示</source>
        <translation>Show the same wallpaper on every monitor, fitted to each one's size</translation>
    </message>
    <message>
        <source>モニターごとに次の壁紙</source>
        <translation>The next wallpaper on each monitor</translation>
    </message>
    <message>
        <source>左のモニターから順に、切替順で次の画像を表示</source>
        <translation>From the left, each monitor shows the next picture in the change order</translation>
    </message>
    <message>
        <source>全モニターにまたがる壁紙</source>
        <translation>One wallpaper across all monitors</translation>
    </message>
    <message>
        <source>全モニターを囲む大きさで１枚の壁紙を表示</source>
        <translation>Show one wallpaper as large as the area around all monitors</translation>
    </message>
    <message>
        <source>デスクトップに合わせる</source>
        <translation>Follow the desktop</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>オプション</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>ファイル選択後、プレビューで一時停止&#x3000;クリックで壁紙変更する</source>
        <translation>Preview a chosen file first; click the preview to set it</translation>
    </message>
    <message>
        <source>プレビュー</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>起動時に自動的に最小化する</source>
        <translation>Start minimised</translation>
    </message>
    <message>
        <source>起動関連</source>
        <translation>Start-up</translation>
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
    <name>velmora::AboutDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About Velmora</translation>
    </message>
</context>
<context>
    <name>velmora::CalendarTextStyleDialog</name>
    <message>
        <source>Calendar</source>
        <translation>Calendar text</translation>
    </message>
    <message>
        <source>太字</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>斜体</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>下線</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>取り消し線</source>
        <translation>Strikethrough</translation>
    </message>
    <message>
        <source>文字の色</source>
        <translation>Text colour</translation>
    </message>
    <message>
        <source>縁取りの色</source>
        <translation>Outline colour</translation>
    </message>
    <message>
        <source>影の色</source>
        <translation>Shadow colour</translation>
    </message>
    <message>
        <source>標準</source>
        <translation>Plain</translation>
    </message>
    <message>
        <source>縁取り</source>
        <translation>Outlined</translation>
    </message>
    <message>
        <source>浮き出し</source>
        <translation>Embossed</translation>
    </message>
    <message>
        <source>彫り込み</source>
        <translation>Engraved</translation>
    </message>
    <message>
        <source>フォント</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>サイズ・太さ</source>
        <translation>Size and weight</translation>
    </message>
    <message>
        <source>色</source>
        <translation>Colours</translation>
    </message>
    <message>
        <source>角度</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>スタイル</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>影の位置 (横・縦)</source>
        <translation>Shadow offset (x, y)</translation>
    </message>
</context>
<context>
    <name>velmora::EffectEditDialog</name>
    <message>
        <source>エンボス</source>
        <translation>Emboss</translation>
    </message>
    <message>
        <source>グレー化</source>
        <translation>Greyscale</translation>
    </message>
    <message>
        <source>ハーフトーン</source>
        <translation>Halftone</translation>
    </message>
    <message>
        <source>ぼかし</source>
        <translation>Blur</translation>
    </message>
    <message>
        <source>コントラスト強調</source>
        <translation>Enhance contrast</translation>
    </message>
    <message>
        <source>ガンマ補正</source>
        <translation>Gamma correction</translation>
    </message>
    <message>
        <source>Effect編集</source>
        <translation>Edit effects</translation>
    </message>
    <message>
        <source>Effect Type:</source>
        <translation>Effect set:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>velmora::ListFileSelectDialog</name>
    <message>
        <source>ファイル選択</source>
        <translation>Choose a list file</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ファイル名フィルタ：</source>
        <translation>File name filter:</translation>
    </message>
    <message>
        <source>ファイル名：</source>
        <translation>File name:</translation>
    </message>
</context>
</TS>
