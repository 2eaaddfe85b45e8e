<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>FolderDemo</name>
    <message>
        <source>Velmora – フォルダ</source>
        <translation>Velmora – Folder</translation>
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
    <name>LanguageMenu</name>
    <message>
        <source>デスクトップに合わせる</source>
        <translation>Same as the desktop</translation>
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
    <name>velmora::AutostartToggle</name>
    <message>
        <source>ログイン時に起動する設定を変更できませんでした。
%1</source>
        <translation>Could not change whether Velmora starts at login.
%1</translation>
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
    <name>velmora::PreviewPanel</name>
    <message>
        <source>クリックで壁紙チェンジ</source>
        <translation>Click to change the wallpaper</translation>
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
