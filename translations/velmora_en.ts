<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>ApplyWallpaper</name>
    <message>
        <source>モニターごとに別の壁紙</source>
        <translation>a different wallpaper on each monitor</translation>
    </message>
    <message>
        <source>全モニターにまたがる壁紙</source>
        <translation>a wallpaper spanning all monitors</translation>
    </message>
    <message>
        <source>%1 では%2を表示できないため、各モニターに同じ壁紙を表示します。</source>
        <translation>%1 cannot show %2, so every monitor shows the same wallpaper.</translation>
    </message>
</context>
<context>
    <name>Autostart</name>
    <message>
        <source>ログイン時に Velmora をウィンドウを出さずに起動します</source>
        <translation>Start Velmora hidden with the session</translation>
    </message>
</context>
<context>
    <name>BadSettingsFile</name>
    <message>
        <source>設定ファイルを最後まで読み込めなかったため、元のファイルを %1 として残しました。</source>
        <translation>The settings file could not be read to its end, so the original file was kept as %1.</translation>
    </message>
    <message>
        <source>設定ファイルを最後まで読み込めませんでした。%1 は以前のものを残しているため、%2 は終了時に上書きされます。</source>
        <translation>The settings file could not be read to its end. %1 already holds an earlier one, so %2 will be overwritten on exit.</translation>
    </message>
    <message>
        <source>設定ファイルを最後まで読み込めず、元のファイルを残せなかったため、終了時に設定を保存しません。</source>
        <translation>The settings file could not be read to its end and the original could not be kept, so the settings will not be saved on exit.</translation>
    </message>
</context>
<context>
    <name>DecodeFailure</name>
    <message>
        <source>画像データが壊れているか、途中で切れています。</source>
        <translation>The picture data is damaged or cut short.</translation>
    </message>
    <message>
        <source>画像の形式が認識できません。</source>
        <translation>The picture format is not recognised.</translation>
    </message>
    <message>
        <source>画像の中身が、名前の示す形式 (%1) ではありません。</source>
        <translation>The picture is not in the format its name says (%1).</translation>
    </message>
    <message>
        <source>画像が大きすぎます (%1 × %2 ピクセル)。読み込めるのは %3 万ピクセル、一辺 %4 ピクセルまでです。</source>
        <translation>The picture is too large (%1 × %2 pixels). Pictures can have up to %3 × 10,000 pixels and %4 pixels a side.</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>プロシージャの呼び出しが不正です。</source>
        <translation>Invalid procedure call.</translation>
    </message>
    <message>
        <source>オーバーフローしました。</source>
        <translation>Overflow.</translation>
    </message>
    <message>
        <source>メモリが不足しています。</source>
        <translation>Out of memory.</translation>
    </message>
    <message>
        <source>インデックスが有効範囲にありません。</source>
        <translation>Subscript out of range.</translation>
    </message>
    <message>
        <source>型が一致しません。</source>
        <translation>Type mismatch.</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>File not found.</translation>
    </message>
    <message>
        <source>ディスクの空き容量が不足しています。</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>書き込みできません。アクセスが拒否されました。</source>
        <translation>Cannot write. Access denied.</translation>
    </message>
    <message>
        <source>パス名またはファイル名が無効です。</source>
        <translation>Path or file access error.</translation>
    </message>
    <message>
        <source>パスが見つかりません。</source>
        <translation>Path not found.</translation>
    </message>
    <message>
        <source>プロパティ配列のインデックスが無効です。</source>
        <translation>Invalid property array index.</translation>
    </message>
    <message>
        <source>デザイン時には設定できません。</source>
        <translation>Not available at design time.</translation>
    </message>
    <message>
        <source>画像が無効です。</source>
        <translation>Invalid picture.</translation>
    </message>
    <message>
        <source>インデックスが範囲を超えています。</source>
        <translation>Index out of bounds.</translation>
    </message>
    <message>
        <source>要素が見つかりません。</source>
        <translation>Element not found.</translation>
    </message>
    <message>
        <source>エラーが発生しました。</source>
        <translation>An error occurred.</translation>
    </message>
    <message>
        <source>フォルダを読み込めません。アクセスが拒否されました。</source>
        <translation>Cannot read the folder. Access denied.</translation>
    </message>
    <message>
        <source>フォルダが見つかりません。</source>
        <translation>Folder not found.</translation>
    </message>
    <message>
        <source>フォルダを読み込めません。</source>
        <translation>Cannot read the folder.</translation>
    </message>
    <message>
        <source>読み込みできません。アクセスが拒否されました。</source>
        <translation>Cannot read. Access denied.</translation>
    </message>
</context>
<context>
    <name>FolderDemo</name>
    <message>
        <source>Velmora – フォルダ</source>
        <translation>Velmora – Folder</translation>
    </message>
</context>
<context>
    <name>FreshWallpaperFile</name>
    <message>
        <source>壁紙のファイル「%1」を作成できません。
(%2)</source>
        <translation>Cannot create the wallpaper file &quot;%1&quot;.
(%2)</translation>
    </message>
</context>
<context>
    <name>GSettingsBackend</name>
    <message>
        <source>全モニターの壁紙を作るメモリーが足りません。</source>
        <translation>Not enough memory to make the wallpaper for all monitors.</translation>
    </message>
    <message>
        <source>壁紙の画像「%1」を読み込めません。
(%2)</source>
        <translation>Cannot read the wallpaper picture &quot;%1&quot;.
(%2)</translation>
    </message>
    <message>
        <source>%1 の壁紙の設定 (%2 %3) を書き込めません。
%4</source>
        <translation>Cannot write the %1 wallpaper setting (%2 %3).
%4</translation>
    </message>
    <message>
        <source>%1 の壁紙の設定 (%2) を読めません。スキーマがインストールされていない可能性があります。
%3</source>
        <translation>Cannot read the %1 wallpaper settings (%2). The schema may not be installed.
%3</translation>
    </message>
    <message>
        <source>%1 の壁紙の設定 (%2) にキー「%3」がありません。</source>
        <translation>The %1 wallpaper settings (%2) have no key &quot;%3&quot;.</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>ドキュメントファイルが見つかりません</source>
        <translation>The documentation file was not found.</translation>
    </message>
    <message>
        <source>%1 を開けませんでした。</source>
        <translation>Could not open %1.</translation>
    </message>
    <message>
        <source>本ソフトはフリーウェアですのでご自由にお使いいただけます。
開発にご支援いただける場合には次に表示されるリンクからオンラインショッピング等をお願いします。</source>
        <translation>Velmora is freeware: you are welcome to use it freely.
If you would like to support its development, the page shown next tells you how, for example by shopping online through its links.</translation>
    </message>
</context>
<context>
    <name>ImageDecoder</name>
    <message>
        <source>画像ファイルが空です (0 バイト)。</source>
        <translation>The picture file is empty (0 bytes).</translation>
    </message>
</context>
<context>
    <name>LanguageMenu</name>
    <message>
        <source>デスクトップに合わせる</source>
        <translation>Follow the desktop</translation>
    </message>
</context>
<context>
    <name>ListCatalog</name>
    <message>
        <source>ファイルリストの設定をして下さい</source>
        <translation>Set up the file list</translation>
    </message>
</context>
<context>
    <name>ListEditing</name>
    <message numerus="yes">
        <source>リストの項目数が上限 (%1) に達したため、%n 件を追加できませんでした。</source>
        <translation>
            <numerusform>The list is full at %1 entries: %n path could not be added.</numerusform>
            <numerusform>The list is full at %1 entries: %n paths could not be added.</numerusform>
        </translation>
    </message>
    <message>
        <source>削除完了しました</source>
        <translation>The missing files were removed.</translation>
    </message>
</context>
<context>
    <name>ListFiles</name>
    <message>
        <source>リストの項目が多すぎます (%1 項目を超えています)。
このリストは読み込まず、ファイルはそのまま残します。
%2</source>
        <translation>The list has too many entries (more than %1).
The list is not loaded and the file is left as it is.
%2</translation>
    </message>
    <message>
        <source>改行を含む項目はリストに保存できません。
%1 行目: %2
%3</source>
        <translation>An entry with a line break cannot be saved in a list.
Line %1: %2
%3</translation>
    </message>
    <message>
        <source>すでに存在するファイル名です
%1</source>
        <translation>A file with this name already exists.
%1</translation>
    </message>
</context>
<context>
    <name>LxqtBackend</name>
    <message>
        <source>LXQt のデスクトップ (pcmanfm-qt --desktop) が動いていないため、壁紙を設定できません。</source>
        <translation>Cannot set the wallpaper: the LXQt desktop (pcmanfm-qt --desktop) is not running.</translation>
    </message>
    <message>
        <source>LXQt の壁紙を設定できません。
%1</source>
        <translation>Cannot set the LXQt wallpaper.
%1</translation>
    </message>
</context>
<context>
    <name>MainLoadHandler</name>
    <message>
        <source>データファイルが見つかりません</source>
        <translation>The data file was not found.</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>リストファイル新規作成(&amp;N)</source>
        <translation>&amp;New list</translation>
    </message>
    <message>
        <source>リストファイル追加(&amp;A)</source>
        <translation>&amp;Add list</translation>
    </message>
    <message>
        <source>リストファイル解放(&amp;R)</source>
        <translation>&amp;Remove list</translation>
    </message>
    <message>
        <source>リストファイル削除(&amp;D)</source>
        <translation>&amp;Delete list file</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>サムネイル表示(&amp;N)</source>
        <translation>&amp;Thumbnails</translation>
    </message>
    <message>
        <source>ツールバー(&amp;T)</source>
        <translation>Tool&amp;bar</translation>
    </message>
    <message>
        <source>大きいアイコン(&amp;G)</source>
        <translation>Lar&amp;ge icons</translation>
    </message>
    <message>
        <source>小さいアイコン(&amp;M)</source>
        <translation>S&amp;mall icons</translation>
    </message>
    <message>
        <source>一覧(&amp;L)</source>
        <translation>&amp;List</translation>
    </message>
    <message>
        <source>詳細(&amp;D)</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>フォルダアイコン変更(&amp;I)</source>
        <translation>Change folder &amp;icons</translation>
    </message>
    <message>
        <source>ツール(&amp;T)</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>不在ファイルを除外する(&amp;N)</source>
        <translation>Remove &amp;missing files</translation>
    </message>
    <message>
        <source>ログイン時に起動する</source>
        <translation>Start at login</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>ユーザーズガイドの表示(&amp;G)</source>
        <translation>User&apos;s &amp;guide</translation>
    </message>
    <message>
        <source>作者ホームページの表示(&amp;H)</source>
        <translation>&amp;Home page</translation>
    </message>
    <message>
        <source>寄付について(&amp;D)</source>
        <translation>&amp;Donations</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)</source>
        <translation>&amp;About Velmora</translation>
    </message>
</context>
<context>
    <name>MainStatus</name>
    <message>
        <source>デスクトップの壁紙を更新できません: %1</source>
        <translation>Cannot update the desktop wallpaper: %1</translation>
    </message>
</context>
<context>
    <name>MainToolbar</name>
    <message>
        <source>プログラムを終了</source>
        <translation>Quit Velmora</translation>
    </message>
    <message>
        <source>大きいアイコン表示</source>
        <translation>Large icons</translation>
    </message>
    <message>
        <source>小さいアイコン表示</source>
        <translation>Small icons</translation>
    </message>
    <message>
        <source>一覧表示</source>
        <translation>List</translation>
    </message>
    <message>
        <source>詳細表示</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>フォルダツリーのイメージを切り換え</source>
        <translation>Switch the folder tree&apos;s icons</translation>
    </message>
    <message>
        <source>オプション画面を表示</source>
        <translation>Show the options</translation>
    </message>
    <message>
        <source>サムネイル画面を表示</source>
        <translation>Show the thumbnails</translation>
    </message>
</context>
<context>
    <name>MessageBoxPrompter</name>
    <message>
        <source>中止(&amp;A)</source>
        <translation>&amp;Abort</translation>
    </message>
    <message>
        <source>再試行(&amp;R)</source>
        <translation>&amp;Retry</translation>
    </message>
    <message>
        <source>無視(&amp;I)</source>
        <translation>&amp;Ignore</translation>
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
    <name>NullBackend</name>
    <message>
        <source>このデスクトップ</source>
        <translation>this desktop</translation>
    </message>
    <message>
        <source>このデスクトップ (%1)</source>
        <translation>this desktop (%1)</translation>
    </message>
    <message>
        <source>%1では壁紙を設定する方法が分からないため、壁紙は変更されません。
作成した壁紙の画像は「%2」に保存されています。デスクトップの設定でこのファイルを壁紙に選んでください。</source>
        <translation>Velmora does not know how to set the wallpaper on %1, so the wallpaper does not change.
The wallpaper picture is saved as &quot;%2&quot;. Choose this file as the wallpaper in the desktop&apos;s settings.</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
</context>
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
        <translation>Change the wallpaper&apos;s size automatically</translation>
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
        <translation>What a picture&apos;s new size is relative to</translation>
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
        <translation>Print the month&apos;s calendar on the wallpaper</translation>
    </message>
    <message>
        <source>文字設定</source>
        <translation>Text style</translation>
    </message>
    <message>
        <source>カレンダ表示用フォント設定</source>
        <translation>Font and style of the calendar&apos;s text</translation>
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
        <translation>Distance of the calendar from the screen&apos;s side</translation>
    </message>
    <message>
        <source>縦：</source>
        <translation>vertical:</translation>
    </message>
    <message>
        <source>カレンダ表示位置縦マージン</source>
        <translation>Distance of the calendar from the screen&apos;s top or bottom</translation>
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
        <translation>Show the same wallpaper on every monitor, fitted to each one&apos;s size</translation>
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
    <name>PlasmaBackend</name>
    <message>
        <source>KDE Plasma のシェル (plasmashell) に接続できません。
(%1)</source>
        <translation>Cannot connect to the KDE Plasma shell (plasmashell).
(%1)</translation>
    </message>
    <message>
        <source>KDE Plasma が壁紙の変更を受け付けませんでした。ウィジェットがロックされている場合は、ロックを解除してください。
(%1)</source>
        <translation>KDE Plasma did not accept the wallpaper change. If the widgets are locked, unlock them.
(%1)</translation>
    </message>
</context>
<context>
    <name>ProgramArtwork</name>
    <message>
        <source>壁紙チェンジャー</source>
        <translation>Wallpaper changer</translation>
    </message>
</context>
<context>
    <name>ShellRoutines</name>
    <message>
        <source>&apos;%1&apos; をごみ箱に移動しますか?</source>
        <translation>Move &apos;%1&apos; to the trash?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; を完全に削除しますか?</source>
        <translation>Delete &apos;%1&apos; permanently?</translation>
    </message>
    <message>
        <source>&apos;%1&apos; を削除できませんでした。
%2</source>
        <translation>Could not delete &apos;%1&apos;.
%2</translation>
    </message>
</context>
<context>
    <name>ShuffleRounds</name>
    <message>
        <source>シャッフルの順番を保存できませんでした。
%1</source>
        <translation>Could not save the shuffled order.
%1</translation>
    </message>
</context>
<context>
    <name>SwayBackend</name>
    <message>
        <source>sway に渡せる壁紙のファイル名を作れません (フォルダー「%1」)。</source>
        <translation>Cannot make a wallpaper file name that sway accepts (folder &quot;%1&quot;).</translation>
    </message>
    <message>
        <source>sway の壁紙を設定できません。
%1</source>
        <translation>Cannot set the sway wallpaper.
%1</translation>
    </message>
    <message>
        <source>sway の出力 %1 の壁紙を設定できません。
%2</source>
        <translation>Cannot set the wallpaper of sway output %1.
%2</translation>
    </message>
</context>
<context>
    <name>TextLines</name>
    <message>
        <source>ファイルが大きすぎます (%1 MB を超えています)。
%2</source>
        <translation>The file is too large (more than %1 MB).
%2</translation>
    </message>
    <message>
        <source>ファイルではなくフォルダーです。</source>
        <translation>This is a folder, not a file.</translation>
    </message>
    <message>
        <source>通常のファイルではありません (パイプ、ソケット、デバイスなど)。</source>
        <translation>This is not a regular file (a pipe, socket, device or the like).</translation>
    </message>
</context>
<context>
    <name>ToolRun</name>
    <message>
        <source>壁紙の設定に使うプログラム「%1」を起動できません。
(%2)</source>
        <translation>Cannot start &quot;%1&quot;, the program that sets the wallpaper.
(%2)</translation>
    </message>
    <message>
        <source>壁紙の設定に使うプログラム「%1」が応答しません。</source>
        <translation>&quot;%1&quot;, the program that sets the wallpaper, does not respond.</translation>
    </message>
    <message>
        <source>壁紙の設定に使うプログラム「%1」がエラーで終了しました (終了コード %2)。</source>
        <translation>&quot;%1&quot;, the program that sets the wallpaper, failed (exit code %2).</translation>
    </message>
</context>
<context>
    <name>WindowsBackend</name>
    <message>
        <source>レジストリに壁紙の配置を書き込めません。
(%1)</source>
        <translation>Cannot write the wallpaper placement to the registry.
(%1)</translation>
    </message>
    <message>
        <source>壁紙を設定できません。
(%1)</source>
        <translation>Cannot set the wallpaper.
(%1)</translation>
    </message>
</context>
<context>
    <name>X11RootBackend</name>
    <message>
        <source>X サーバー「%1」に接続できません。</source>
        <translation>Cannot connect to the X server &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>X サーバーに壁紙の配置を記録できません。</source>
        <translation>Cannot record the wallpaper placement on the X server.</translation>
    </message>
    <message>
        <source>壁紙の画像「%1」を読み込めません。
(%2)</source>
        <translation>Cannot read the wallpaper picture &quot;%1&quot;.
(%2)</translation>
    </message>
    <message>
        <source>X サーバーに壁紙の画像を送れません (画面の色の形式に対応していないか、メモリーが足りません)。</source>
        <translation>Cannot send the wallpaper picture to the X server (the screen&apos;s colour format is not supported, or there is not enough memory).</translation>
    </message>
    <message>
        <source>X サーバーの背景を設定できません。</source>
        <translation>Cannot set the X server&apos;s background.</translation>
    </message>
</context>
<context>
    <name>XfceBackend</name>
    <message>
        <source>XFCE のデスクトップ設定に壁紙の項目 (%1) が見つかりません。</source>
        <translation>The Xfce desktop settings have no wallpaper entry (%1).</translation>
    </message>
    <message>
        <source>XFCE の壁紙の設定 (%1) を書き込めません。
%2</source>
        <translation>Cannot write the Xfce wallpaper setting (%1).
%2</translation>
    </message>
</context>
<context>
    <name>branchwise::BranchwiseBase</name>
    <message>
        <source>デザイン時にはこのプロパティを設定できません。</source>
        <translation>This property cannot be set at design time.</translation>
    </message>
    <message>
        <source>プロパティの値が不正です。</source>
        <translation>Invalid property value.</translation>
    </message>
    <message>
        <source>エラー %1</source>
        <translation>Error %1</translation>
    </message>
</context>
<context>
    <name>branchwise::BranchwisePropertyPage</name>
    <message>
        <source>プロパティ</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>全般</source>
        <translation>General</translation>
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
    <name>velmora::AutostartToggle</name>
    <message>
        <source>ログイン時に起動する設定を変更できませんでした。
%1</source>
        <translation>Could not change whether Velmora starts at login.
%1</translation>
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
    <name>velmora::FileSelectTabs</name>
    <message>
        <source>ディスク上のフォルダよりファイルを選択</source>
        <translation>Choose files from a folder on disk</translation>
    </message>
    <message>
        <source>ファイルリストよりファイルを選択</source>
        <translation>Choose files from a file list</translation>
    </message>
</context>
<context>
    <name>velmora::FileViewModel</name>
    <message>
        <source>FileName</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>SizeDmy</source>
        <translation>SizeDmy</translation>
    </message>
    <message>
        <source>Ext</source>
        <translation>Extension</translation>
    </message>
</context>
<context>
    <name>velmora::FolderPage</name>
    <message>
        <source>検索ウィンドウを表示</source>
        <translation>Search sub-folders for pictures</translation>
    </message>
    <message>
        <source>検索</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>フォルダ内の全てのファイルをリストに追加</source>
        <translation>Add every file of the folder to the list</translation>
    </message>
    <message>
        <source>選択中のファイルをリストへ追加</source>
        <translation>Add the selected files to the list</translation>
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
<context>
    <name>velmora::ListPage</name>
    <message>
        <source>自動巡回ウィンドウを表示</source>
        <translation>Open the folder patrol</translation>
    </message>
    <message>
        <source>自動巡回</source>
        <translation>Patrol</translation>
    </message>
    <message>
        <source>下へ移動</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>上へ移動</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>リストをクリア</source>
        <translation>Clear the list</translation>
    </message>
    <message>
        <source>行削除</source>
        <translation>Remove the entry</translation>
    </message>
    <message>
        <source>リストを上書き保存</source>
        <translation>Save the list</translation>
    </message>
    <message>
        <source>ファイルリスト切替</source>
        <translation>Switch file list</translation>
    </message>
    <message>
        <source>保存先のファイルリストが選択されていません。</source>
        <translation>No file list is chosen to save to.</translation>
    </message>
    <message>
        <source>保存しました</source>
        <translation>Saved.</translation>
    </message>
    <message>
        <source>作成するファイル名を入力して下さい</source>
        <translation>Enter a name for the new list file</translation>
    </message>
    <message>
        <source>ファイル名入力</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>すでに存在するファイル名です</source>
        <translation>A list of that name already exists.</translation>
    </message>
    <message>
        <source>%1 はすでに存在します。
このファイルをファイルリストに追加して開きますか?</source>
        <translation>%1 already exists.
Add this file to the file lists and open it?</translation>
    </message>
    <message>
        <source>全てのファイルを解放することはできません。</source>
        <translation>The last list cannot be removed.</translation>
    </message>
</context>
<context>
    <name>velmora::MainToolbar</name>
    <message>
        <source>ツールバー</source>
        <translation>Toolbar</translation>
    </message>
</context>
<context>
    <name>velmora::MainTray</name>
    <message>
        <source>元の大きさに戻す</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>velmora::MainWindow</name>
    <message>
        <source>設定ファイルを保存できませんでした。
%1</source>
        <translation>Could not save the settings file.
%1</translation>
    </message>
</context>
<context>
    <name>velmora::PatrolWindow</name>
    <message>
        <source>自動巡回</source>
        <translation>Folder patrol</translation>
    </message>
    <message>
        <source>フォルダ選択：</source>
        <translation>Choose a folder:</translation>
    </message>
    <message>
        <source>巡回先フォルダリスト：</source>
        <translation>Folders to patrol:</translation>
    </message>
    <message>
        <source>選択中のフォルダをリストへ追加</source>
        <translation>Add the selected folder to the list</translation>
    </message>
    <message>
        <source>リストから削除</source>
        <translation>Remove from the list</translation>
    </message>
    <message>
        <source>リストから全て削除</source>
        <translation>Remove all from the list</translation>
    </message>
    <message>
        <source>巡回先保存</source>
        <translation>Save folders</translation>
    </message>
    <message>
        <source>巡回先フォルダリストを保存</source>
        <translation>Save the list of folders to patrol</translation>
    </message>
    <message>
        <source>巡回実行</source>
        <translation>Patrol now</translation>
    </message>
    <message>
        <source>自動巡回を実行し、ファイルリストを更新</source>
        <translation>Patrol the folders and rebuild the file list</translation>
    </message>
    <message>
        <source>保存しました</source>
        <translation>Saved.</translation>
    </message>
    <message>
        <source>リストの項目数が上限 (%1) に達したため、巡回を途中で終えました。
%2 の残りのファイルと、それ以降のフォルダのファイルは追加されていません。</source>
        <translation>The list reached its limit of %1 entries, so the patrol stopped early.
The rest of the files in %2 and the files of the folders after it were not added.</translation>
    </message>
    <message>
        <source>巡回完了</source>
        <translation>Patrol finished.</translation>
    </message>
</context>
<context>
    <name>velmora::PreviewPanel</name>
    <message>
        <source>クリックで壁紙チェンジ</source>
        <translation>Click to change the wallpaper</translation>
    </message>
</context>
<context>
    <name>velmora::SearchWindow</name>
    <message>
        <source>見つかりません</source>
        <translation>not found</translation>
    </message>
    <message>
        <source>アクセスが拒否されました</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>フォルダではありません</source>
        <translation>not a folder</translation>
    </message>
    <message numerus="yes">
        <source>%n 個のフォルダを読み取れなかったため、検索から除きました。</source>
        <translation>
            <numerusform>%n folder could not be read and was left out of the search.</numerusform>
            <numerusform>%n folders could not be read and were left out of the search.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>ほか %n 個</source>
        <translation>
            <numerusform>and %n more</numerusform>
            <numerusform>and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>サブフォルダ一括検索</source>
        <translation>Search sub-folders</translation>
    </message>
    <message>
        <source>検索対象フォルダ：</source>
        <translation>Folder to search: </translation>
    </message>
    <message>
        <source>検索実行</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>対象フォルダ配下の全画像ファイルを検索</source>
        <translation>Find every picture in the folder and its sub-folders</translation>
    </message>
    <message>
        <source>検索中断</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>ファイルを検索処理を中断</source>
        <translation>Stop the search</translation>
    </message>
    <message>
        <source>検索されたファイル：</source>
        <translation>Files found:</translation>
    </message>
    <message>
        <source>検索結果の全てのファイルをリストに追加</source>
        <translation>Add every file found to the list</translation>
    </message>
    <message>
        <source>検索結果のファイルで選択中のものをリストへ追加</source>
        <translation>Add the selected files to the list</translation>
    </message>
    <message>
        <source>選択解除</source>
        <translation>Clear selection</translation>
    </message>
    <message>
        <source>検索結果のファイル選択状態を解除</source>
        <translation>Clear the selection of files found</translation>
    </message>
    <message>
        <source>ﾘｽﾄ ﾎﾞｯｸｽがいっぱいになりました。検索を中止します。</source>
        <translation>The list is full. The search stops here.</translation>
    </message>
    <message>
        <source>検索完了!</source>
        <translation>Search finished.</translation>
    </message>
</context>
<context>
    <name>velmora::SingleChange</name>
    <message>
        <source>設定ファイルを保存できませんでした。
%1</source>
        <translation>Could not save the settings file.
%1</translation>
    </message>
</context>
<context>
    <name>velmora::ThumbnailWindow</name>
    <message>
        <source>クリック時の動作</source>
        <translation>On click</translation>
    </message>
    <message>
        <source>プレビュー</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>リストに追加</source>
        <translation>Add to list</translation>
    </message>
    <message>
        <source>再読込</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>読込中</source>
        <translation>Loading…</translation>
    </message>
</context>
<context>
    <name>velmora::WallpaperService</name>
    <message>
        <source>デスクトップの壁紙を更新できませんでした。
%1

壁紙の画像は「%2」に保存されています。壁紙を設定できるようになるまで、タイマーによる変更ではこのメッセージを表示しません。</source>
        <translation>Could not update the desktop wallpaper.
%1

The wallpaper picture is saved as &quot;%2&quot;. Until the wallpaper can be set again, changes by the timer will not show this message.</translation>
    </message>
</context>
</TS>
