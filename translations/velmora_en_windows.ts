<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
    <name>ProgramArtwork</name>
    <message>
        <source>壁紙チェンジャー</source>
        <translation>Wallpaper changer</translation>
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
</TS>
