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
    <name>ImageDecoder</name>
    <message>
        <source>画像ファイルが空です (0 バイト)。</source>
        <translation>The picture file is empty (0 bytes).</translation>
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
</TS>
