<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CalibrationPage</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Cancel this calibration? The pedal keeps the calibration it had.</source>
        <translation>この校正を中止しますか？ペダルは以前の校正のままです。</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>CALIBRATE</source>
        <translation>校正開始</translation>
    </message>
    <message>
        <source>Press the pedal all the way down, let it come back up, then click SAVE.</source>
        <translation>ペダルを奥まで踏み込み、戻してから「保存」をクリックしてください。</translation>
    </message>
    <message>
        <source>%1: press the pedal all the way down, let it come back up, then click SAVE; %2.</source>
        <translation>%1：ペダルを奥まで踏み込み、戻してから「保存」をクリックしてください。%2。</translation>
    </message>
    <message>
        <source>Save the calibration?</source>
        <translation>校正を保存しますか？</translation>
    </message>
</context>
<context>
    <name>DevicePage</name>
    <message>
        <source>CHECK UPDATE</source>
        <translation>更新を確認</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>The firmware file could not be read. Nothing was sent to the unit.</source>
        <translation>ファームウェアファイルを読み込めませんでした。ユニットには何も送信していません。</translation>
    </message>
    <message>
        <source>Not a valid firmware.</source>
        <translation>有効なファームウェアではありません。</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Another firmware update is running. Please try again when it is finished.</source>
        <translation>別のファームウェア更新を実行中です。終了してから再度お試しください。</translation>
    </message>
    <message>
        <source>Firmware updated successfully.</source>
        <translation>ファームウェアを更新しました。</translation>
    </message>
    <message>
        <source>Firmware update failed: the pedal unit was unplugged while it wrote its firmware. Please plug it in again and run the update again.</source>
        <translation>ファームウェアの更新に失敗しました：書き込み中にペダルユニットが取り外されました。接続し直して、もう一度更新してください。</translation>
    </message>
    <message>
        <source>Firmware update failed: the unit did not take the whole image. Please try again.</source>
        <translation>ファームウェアの更新に失敗しました：ユニットがイメージ全体を受け取りませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Writing ...</source>
        <translation>書き込み中 ...</translation>
    </message>
    <message>
        <source>Uploading ...</source>
        <translation>転送中 ...</translation>
    </message>
    <message>
        <source>Do you want to continue?
This operation will delete all the settings stored in the device flash memory.</source>
        <translation>続行しますか？
この操作により、デバイスのフラッシュメモリに保存されたすべての設定が削除されます。</translation>
    </message>
    <message>
        <source>Flash data has been cleared.</source>
        <translation>フラッシュデータを消去しました。</translation>
    </message>
    <message>
        <source>Firmware update stopped: the program ended while the pedal unit wrote its firmware. Please run the update again.</source>
        <translation>ファームウェアの更新を中断しました：ペダルユニットの書き込み中にプログラムが終了しました。もう一度更新してください。</translation>
    </message>
    <message>
        <source>A firmware file&apos;s name ends in .bin.</source>
        <translation>ファームウェアファイルの名前は .bin で終わります。</translation>
    </message>
    <message>
        <source>There is no file of that name.</source>
        <translation>その名前のファイルはありません。</translation>
    </message>
    <message>
        <source>It is not a regular file, but a folder, a device or a pipe.</source>
        <translation>通常のファイルではなく、フォルダー、デバイス、またはパイプです。</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>ファイルが空です。</translation>
    </message>
    <message>
        <source>The file is larger than %1 bytes, the most the unit takes.</source>
        <translation>ファイルが %1 バイトを超えています。ユニットが受け付けるのはそこまでです。</translation>
    </message>
    <message>
        <source>Upload the firmware file %1 (%2 bytes) to the unit?</source>
        <translation>ファームウェアファイル %1（%2 バイト）をユニットに書き込みますか？</translation>
    </message>
    <message>
        <source>MD5: %1</source>
        <translation>MD5: %1</translation>
    </message>
    <message>
        <source>The unit cannot check what a file holds and takes any file as its firmware. Upload only the maker&apos;s image for this unit, and compare the MD5 above with the one the maker publishes.</source>
        <translation>ユニットはファイルの中身を確認できず、どんなファイルもファームウェアとして受け付けます。このユニット用のメーカーのイメージだけを書き込み、上の MD5 をメーカーが公開しているものと照らし合わせてください。</translation>
    </message>
</context>
<context>
    <name>InputsPage</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>KestAxis</name>
    <message>
        <source>curve</source>
        <translation>カーブ</translation>
    </message>
    <message>
        <source>Left and Right choose a point; Up and Down move it by 1 %, Page Up and Page Down by 10 %.</source>
        <translation>左右キーで点を選び、上下キーで 1 %、Page Up／Page Down で 10 % 動かします。</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>50</source>
        <translation>50</translation>
    </message>
    <message>
        <source>100</source>
        <translation>100</translation>
    </message>
    <message>
        <source>%1 point %2: %3</source>
        <translation>%1 ポイント %2：%3</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>リニア</translation>
    </message>
    <message>
        <source>Progressive</source>
        <translation>プログレッシブ</translation>
    </message>
    <message>
        <source>Degressive</source>
        <translation>デグレッシブ</translation>
    </message>
    <message>
        <source>S-curve</source>
        <translation>S字カーブ</translation>
    </message>
    <message>
        <source>Copy curve</source>
        <translation>カーブをコピー</translation>
    </message>
    <message>
        <source>Paste curve</source>
        <translation>カーブを貼り付け</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>お知らせ</translation>
    </message>
</context>
<context>
    <name>KestSlider</name>
    <message>
        <source>Left and Right move the handle by 1 %, with Shift by 5 %.</source>
        <translation>左右キーでハンドルを 1 %、Shift キーを押しながらで 5 % 動かします。</translation>
    </message>
    <message>
        <source>%1: %2 %</source>
        <translation>%1：%2 %</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Kest Labs Setting</source>
        <translation>Kest Labs Setting</translation>
    </message>
    <message>
        <source>KEST LABS RM25</source>
        <translation>KEST LABS RM25</translation>
    </message>
    <message>
        <source>INPUTS</source>
        <translation>入力</translation>
    </message>
    <message>
        <source>CALIBRATION</source>
        <translation>校正</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>PROFILES</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>ABOUT</source>
        <translation>情報</translation>
    </message>
    <message>
        <source>%v</source>
        <translation>%v</translation>
    </message>
    <message>
        <source>20000</source>
        <translation>20000</translation>
    </message>
    <message>
        <source>ENABLE CLUTCH</source>
        <translation>クラッチを有効化</translation>
    </message>
    <message>
        <source>0%</source>
        <translation>0%</translation>
    </message>
    <message>
        <source>CALIBRATE</source>
        <translation>校正開始</translation>
    </message>
    <message>
        <source>THROTTLE</source>
        <translation>アクセル</translation>
    </message>
    <message>
        <source>BRAKE</source>
        <translation>ブレーキ</translation>
    </message>
    <message>
        <source>CLUTCH</source>
        <translation>クラッチ</translation>
    </message>
    <message>
        <source>NEW PROFILE</source>
        <translation>新規プロファイル</translation>
    </message>
    <message>
        <source>SAVE </source>
        <translation>保存 </translation>
    </message>
    <message>
        <source>REMOVE</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>IMPORT</source>
        <translation>インポート</translation>
    </message>
    <message>
        <source>EXPORT</source>
        <translation>エクスポート</translation>
    </message>
    <message>
        <source>MANUAL UPDATE</source>
        <translation>手動アップデート</translation>
    </message>
    <message>
        <source>UPLOADING...</source>
        <translation>転送中...</translation>
    </message>
    <message>
        <source>CHECK UPDATE</source>
        <translation>更新を確認</translation>
    </message>
    <message>
        <source>FIRMWARE</source>
        <translation>ファームウェア</translation>
    </message>
    <message>
        <source>CLEAR FLASH DATA</source>
        <translation>フラッシュデータ消去</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>www.kestlabs.com</source>
        <translation>www.kestlabs.com</translation>
    </message>
    <message>
        <source>No pedal unit found. Check that its USB cable is plugged in, preferably straight into the computer rather than into a hub. On Linux, lsusb lists the unit as e5b7:6a1c.</source>
        <translation>ペダルユニットが見つかりません。USB ケーブルが接続されているか確認してください。ハブではなくコンピューターに直接接続することをお勧めします。Linux では lsusb にユニットが e5b7:6a1c と表示されます。</translation>
    </message>
    <message>
        <source>The pedal unit was found but did not answer every read; trying again.</source>
        <translation>ペダルユニットは見つかりましたが、すべての読み取りに応答しませんでした。再試行します。</translation>
    </message>
    <message>
        <source>%1 curve</source>
        <translation>%1 カーブ</translation>
    </message>
    <message>
        <source>%1 low deadzone</source>
        <translation>%1 下側デッドゾーン</translation>
    </message>
    <message>
        <source>%1 high deadzone</source>
        <translation>%1 上側デッドゾーン</translation>
    </message>
    <message>
        <source>Firmware Version:	</source>
        <translation>ファームウェアバージョン：	</translation>
    </message>
    <message>
        <source>WAITING FOR DEVICE...</source>
        <translation>デバイスを待機中...</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>The firmware update is still running. Please wait until it is finished.</source>
        <translation>ファームウェアの更新がまだ実行中です。終了するまでお待ちください。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>%1 low deadzone: the first part of the travel, which counts as released. Drag it, or Tab to it and use Left and Right.</source>
        <translation>%1 下側デッドゾーン：踏み始めの、離した状態として扱われる範囲です。ドラッグするか、Tab で選んで左右キーで動かします。</translation>
    </message>
    <message>
        <source>%1 high deadzone: the last part of the travel, which counts as fully pressed. Drag it, or Tab to it and use Left and Right.</source>
        <translation>%1 上側デッドゾーン：踏み込みの最後の、踏み切った状態として扱われる範囲です。ドラッグするか、Tab で選んで左右キーで動かします。</translation>
    </message>
    <message>
        <source>Program Version:	</source>
        <translation>プログラムバージョン：	</translation>
    </message>
    <message>
        <source>Report a problem: see &quot;How to report a problem&quot; in %1</source>
        <translation>問題の報告：%1 の「How to report a problem」を参照</translation>
    </message>
    <message>
        <source>The pedal unit is connected but cannot be opened: this user has no access to it. Install the kest-setting package or its udev rule (70-kest-pedals.rules), then unplug the unit and plug it in again. kestctl doctor says what is missing; more in %1.</source>
        <translation>ペダルユニットは接続されていますが開けません：このユーザーにはアクセス権がありません。kest-setting パッケージまたはその udev ルール（70-kest-pedals.rules）をインストールし、ユニットを抜き差ししてください。kestctl doctor で何が足りないか分かります。詳しくは %1 を参照してください。</translation>
    </message>
</context>
<context>
    <name>ProfilesPage</name>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>slot %1 (&quot;%2&quot;)</source>
        <translation>スロット %1（「%2」）</translation>
    </message>
    <message>
        <source>Notify</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>The pedal unit holds a profile that belongs to no pedal in %1. It is left as it is and shown in no list, and EXPORT does not write it. IMPORT of a profile file or CLEAR FLASH on the DEVICE page clears it.</source>
        <translation>ペダルユニットには、%1 にどのペダルにも属さないプロファイルがあります。そのまま残され、どの一覧にも表示されず、「エクスポート」でも書き出されません。プロファイルファイルの「インポート」または「デバイス」ページの「フラッシュデータ消去」で消去されます。</translation>
    </message>
    <message>
        <source>Profile is saved</source>
        <translation>プロファイルを保存しました</translation>
    </message>
    <message>
        <source>Curve changed, not saved in &quot;%1&quot;</source>
        <translation>カーブが変更され、「%1」に保存されていません</translation>
    </message>
    <message>
        <source>Curve not saved</source>
        <translation>カーブ未保存</translation>
    </message>
    <message>
        <source>The %1 curve of profile &quot;%2&quot; was changed and is not saved.</source>
        <translation>プロファイル「%2」の %1 カーブは変更されていて、保存されていません。</translation>
    </message>
    <message>
        <source>Save the curve as &quot;%1&quot; first?</source>
        <translation>先にカーブを「%1」として保存しますか？</translation>
    </message>
    <message>
        <source>%1: curve of profile &quot;%2&quot;</source>
        <translation>%1：プロファイル「%2」のカーブ</translation>
    </message>
    <message>
        <source>Changed and not saved:</source>
        <translation>変更され、保存されていないもの：</translation>
    </message>
    <message>
        <source>Save before closing?</source>
        <translation>閉じる前に保存しますか？</translation>
    </message>
    <message>
        <source>Remove the %1 profile &quot;%2&quot; from the unit?</source>
        <translation>%1 のプロファイル「%2」をユニットから削除しますか？</translation>
    </message>
    <message>
        <source>Import the profiles of %1?
This replaces all 16 profiles on the unit.</source>
        <translation>%1 のプロファイルをインポートしますか？
ユニットの 16 個のプロファイルがすべて置き換えられます。</translation>
    </message>
    <message>
        <source>Profiles written to %1.</source>
        <translation>プロファイルを %1 に書き出しました。</translation>
    </message>
    <message>
        <source>Profiles imported from %1.</source>
        <translation>%1 からプロファイルを読み込みました。</translation>
    </message>
    <message>
        <source>The file is a backup. It also holds these settings:
%1
Yes restores them too; No imports the profiles only.</source>
        <translation>このファイルはバックアップです。次の設定も含まれています：
%1
「はい」でこれらも復元し、「いいえ」でプロファイルだけをインポートします。</translation>
    </message>
    <message>
        <source>The file&apos;s other settings cannot be restored, only its profiles: %1</source>
        <translation>このファイルのその他の設定は復元できません（プロファイルのみ読み込めます）：%1</translation>
    </message>
    <message>
        <source>Profiles and settings restored from %1.</source>
        <translation>%1 からプロファイルと設定を復元しました。</translation>
    </message>
    <message>
        <source>Restore from %1 stopped part-way.</source>
        <translation>%1 からの復元は途中で止まりました。</translation>
    </message>
</context>
<context>
    <name>UpdateCheck</name>
    <message>
        <source>Checking ...</source>
        <translation>確認中 ...</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>アップデート</translation>
    </message>
    <message>
        <source>A new firmware is available. Please check again when the running update is finished.</source>
        <translation>新しいファームウェアがあります。実行中の更新が終わってから、もう一度確認してください。</translation>
    </message>
    <message>
        <source>A new firmware is available, update now?</source>
        <translation>新しいファームウェアがあります。今すぐ更新しますか？</translation>
    </message>
    <message>
        <source>Version: </source>
        <translation>バージョン：</translation>
    </message>
    <message>
        <source>Downloading ...</source>
        <translation>ダウンロード中 ...</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>kest</name>
    <message>
        <source>Not a curve: a curve is written kest-curve: and five numbers, like kest-curve:17,33,50,67,83.</source>
        <translation>カーブではありません：カーブは kest-curve: と 5 つの数値で書きます（例：kest-curve:17,33,50,67,83）。</translation>
    </message>
    <message>
        <source>Not a curve: it has %1 numbers, a curve has five.</source>
        <translation>カーブではありません：数値が %1 個あります。カーブは 5 個です。</translation>
    </message>
    <message>
        <source>Not a curve: %1 is not a percent from 0 to 100.</source>
        <translation>カーブではありません：%1 は 0～100 のパーセント値ではありません。</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the value is no profile record of 7 bytes.</source>
        <translation>キー「%1」：値が 7 バイトのプロファイルレコードではありません。</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: slot %2 does not exist; the slots are 0 to 15.</source>
        <translation>キー「%1」：スロット %2 は存在しません。スロットは 0～15 です。</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: pedal code %2; it must be 1 (clutch), 2 (brake) or 3 (throttle).</source>
        <translation>キー「%1」：ペダルコード %2。1（クラッチ）、2（ブレーキ）、3（アクセル）のいずれかでなければなりません。</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: curve point %2 is %3; curve points are 0 to 100.</source>
        <translation>キー「%1」：カーブポイント %2 が %3 です。カーブポイントは 0～100 です。</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the profile has no name.</source>
        <translation>キー「%1」：プロファイルに名前がありません。</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the name holds a zero byte.</source>
        <translation>キー「%1」：名前にゼロバイトが含まれています。</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the name is not valid UTF-8 text.</source>
        <translation>キー「%1」：名前が有効な UTF-8 テキストではありません。</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot;: the name takes %2 bytes; the unit keeps 16 (accented letters take two).</source>
        <translation>キー「%1」：名前が %2 バイトあります。ユニットが保持できるのは 16 バイトです（日本語の文字は 1 文字で 3 バイト）。</translation>
    </message>
    <message>
        <source>Line %1 runs on into the next line (a \ at its end or an unmatched &quot;).</source>
        <translation>%1 行目が次の行に続いています（行末の \ または閉じていない &quot;）。</translation>
    </message>
    <message>
        <source>Line %1: the section header has no &apos;]&apos;.</source>
        <translation>%1 行目：セクション見出しに &apos;]&apos; がありません。</translation>
    </message>
    <message>
        <source>Line %1: the text after the section header&apos;s &apos;]&apos; would be ignored.</source>
        <translation>%1 行目：セクション見出しの &apos;]&apos; の後のテキストは無視されます。</translation>
    </message>
    <message>
        <source>Line %1 is no key: a &apos;;&apos; starts a comment there (in a name, write it as %3B).</source>
        <translation>%1 行目はキーではありません：&apos;;&apos; からコメントになります（名前の中では %3B と書いてください）。</translation>
    </message>
    <message>
        <source>Line %1 is neither a key (it has no &apos;=&apos;), a comment (&apos;;&apos;) nor a section header.</source>
        <translation>%1 行目はキー（&apos;=&apos; がない）でも、コメント（&apos;;&apos;）でも、セクション見出しでもありません。</translation>
    </message>
    <message>
        <source>Line 1 does not read back as written.</source>
        <translation>1 行目が書いたとおりに読み戻せません。</translation>
    </message>
    <message>
        <source>Line %1: the key is in the section [%2]; profiles belong in [General].</source>
        <translation>%1 行目：キーがセクション [%2] にあります。プロファイルは [General] に置きます。</translation>
    </message>
    <message>
        <source>Line %1: the key &quot;%2&quot; is there twice (lines %3 and %1).</source>
        <translation>%1 行目：キー「%2」が 2 回あります（%3 行目と %1 行目）。</translation>
    </message>
    <message>
        <source>The key INDEX is missing.</source>
        <translation>キー INDEX がありません。</translation>
    </message>
    <message>
        <source>Key &quot;%1&quot; does not begin with its slot number as two digits.</source>
        <translation>キー「%1」が 2 桁のスロット番号で始まっていません。</translation>
    </message>
    <message>
        <source>The file holds %1 profiles; the unit keeps 16 at most.</source>
        <translation>ファイルには %1 個のプロファイルがあります。ユニットが保持できるのは最大 16 個です。</translation>
    </message>
    <message>
        <source>INDEX is no number with EF (hex) in its top byte.</source>
        <translation>INDEX が最上位バイトに EF（16 進）を持つ数値ではありません。</translation>
    </message>
    <message>
        <source>Line %1: the name is not valid UTF-8 text.</source>
        <translation>%1 行目：名前が有効な UTF-8 テキストではありません。</translation>
    </message>
    <message>
        <source>Keys &quot;%1&quot; and &quot;%2&quot; are both for slot %3; a slot holds one profile.</source>
        <translation>キー「%1」と「%2」はどちらもスロット %3 のものです。1 つのスロットには 1 つのプロファイルしか入りません。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>通常のファイルではありません。</translation>
    </message>
    <message>
        <source>The file is larger than 1 MiB; a file of 16 profiles takes 2 KB.</source>
        <translation>ファイルが 1 MiB を超えています。16 個のプロファイルのファイルは 2 KB です。</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>ファイルを読み込めません。</translation>
    </message>
    <message>
        <source>Line %1: the section [%2] holds one key per pedal: CLUTCH, BRAKE or THROTTLE.</source>
        <translation>%1 行目：セクション [%2] にはペダルごとに 1 つのキー（CLUTCH、BRAKE、THROTTLE）を書きます。</translation>
    </message>
    <message>
        <source>Line %1: %2 in [%3] is not a low and a high bound from 0 to 65535, such as &quot;1200 64000&quot;.</source>
        <translation>%1 行目：[%3] の %2 は 0〜65535 の下限と上限（例：「1200 64000」）ではありません。</translation>
    </message>
    <message>
        <source>[%1] has both process and steam-app; a section watches one of them.</source>
        <translation>[%1] に process と steam-app の両方があります。1 つのセクションで監視するのはどちらか一方です。</translation>
    </message>
    <message>
        <source>[%1] names no process and no steam-app.</source>
        <translation>[%1] に process も steam-app もありません。</translation>
    </message>
    <message>
        <source>[%1] chooses no profile: give clutch, brake or throttle.</source>
        <translation>[%1] でプロファイルが選ばれていません：clutch、brake、throttle のいずれかを指定してください。</translation>
    </message>
    <message>
        <source>[%1] watches the same %2 as [%3].</source>
        <translation>[%1] は [%3] と同じ %2 を監視しています。</translation>
    </message>
    <message>
        <source>this line is not UTF-8 text.</source>
        <translation>この行は UTF-8 テキストではありません。</translation>
    </message>
    <message>
        <source>neither a [game] header nor a &quot;key = value&quot; line.</source>
        <translation>[ゲーム] の見出しでも「キー = 値」の行でもありません。</translation>
    </message>
    <message>
        <source>the section has no name: [the game&apos;s name].</source>
        <translation>セクションに名前がありません：[ゲーム名] と書いてください。</translation>
    </message>
    <message>
        <source>a second [%1] section; the first is on line %2.</source>
        <translation>2 つ目の [%1] セクションです。1 つ目は %2 行目にあります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes before the first [game] section.</source>
        <translation>「%1」が最初の [ゲーム] セクションより前にあります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is given twice in [%2].</source>
        <translation>「%1」が [%2] に 2 回あります。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no value.</source>
        <translation>「%1」に値がありません。</translation>
    </message>
    <message>
        <source>process is a program&apos;s file name, without a folder: %1.</source>
        <translation>process はフォルダーを含まないプログラムのファイル名です：%1。</translation>
    </message>
    <message>
        <source>steam-app is a Steam game&apos;s number, as 227300: %1.</source>
        <translation>steam-app は Steam のゲームの番号です（例：227300）：%1。</translation>
    </message>
    <message>
        <source>unknown key &quot;%1&quot;; the keys are process, steam-app, clutch, brake and throttle.</source>
        <translation>不明なキー「%1」。キーは process、steam-app、clutch、brake、throttle です。</translation>
    </message>
    <message>
        <source>the profile name &quot;%1&quot; is longer than the unit&apos;s names (16 bytes).</source>
        <translation>プロファイル名「%1」がユニットの名前の長さ（16 バイト）を超えています。</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目：%2</translation>
    </message>
    <message>
        <source>There is no rules file %1.</source>
        <translation>ルールファイル %1 がありません。</translation>
    </message>
    <message>
        <source>%1 is not a regular file.</source>
        <translation>%1 は通常のファイルではありません。</translation>
    </message>
    <message>
        <source>%1 is larger than a rules file can be (256 KiB).</source>
        <translation>%1 はルールファイルの上限（256 KiB）を超えています。</translation>
    </message>
    <message>
        <source>%1 could not be read.</source>
        <translation>%1 を読み込めませんでした。</translation>
    </message>
    <message>
        <source>Line %1: the section [%2] holds one key, ENABLED.</source>
        <translation>%1 行目：セクション [%2] のキーは ENABLED の 1 つだけです。</translation>
    </message>
    <message>
        <source>Line %1: ENABLED in [%2] is 1 (the clutch pedal on) or 0 (off).</source>
        <translation>%1 行目：[%2] の ENABLED は 1（クラッチペダル オン）または 0（オフ）です。</translation>
    </message>
</context>
<context>
    <name>kest-setting</name>
    <message>
        <source>Usage: kest-setting [--lang CODE] [--trace FILE]
Sets up the Kest Labs RM25 pedal set: the pedals live, deadzones, calibration,
response curves, the profiles kept on the unit, and firmware updates.

  --lang CODE   the language of the texts: de, fr, es, it, pt_BR, ja; en for English
  --trace FILE  appends every exchange with the unit to FILE, for a problem report
  --help        shows this help and ends
  --version     shows the program&apos;s version and ends
Qt&apos;s own options (such as -platform) are passed on to Qt.

The settings live in the pedal unit. Before every change that cannot be undone
(an import, a removal, clearing the flash, a firmware update) a backup of the
unit&apos;s settings is saved in:
  %1
kestctl(1) does the same from a terminal.
</source>
        <translation>使い方: kest-setting [--lang コード] [--trace ファイル]
Kest Labs RM25 ペダルセットを設定します: ペダルのライブ表示、デッドゾーン、キャリブレーション、
応答カーブ、ユニットに保存するプロファイル、ファームウェアの更新。

  --lang コード      テキストの言語: de, fr, es, it, pt_BR, ja; 英語は en
  --trace ファイル   ユニットとのすべてのやり取りをファイルに追記します (問題の報告用)
  --help             このヘルプを表示して終了します
  --version          プログラムのバージョンを表示して終了します
Qt 自身のオプション (-platform など) は Qt に渡されます。

設定はペダルユニットに保存されます。元に戻せない変更 (インポート、削除、フラッシュの消去、
ファームウェアの更新) の前に、ユニットの設定のバックアップが次の場所に保存されます:
  %1
kestctl(1) は同じことをターミナルから行います。
</translation>
    </message>
</context>
<context>
    <name>kest::AutoSwitch</name>
    <message>
        <source>Stopped while %1 runs.</source>
        <translation>%1 の実行中に停止しました。</translation>
    </message>
    <message>
        <source>%1 has ended.</source>
        <translation>%1 が終了しました。</translation>
    </message>
    <message>
        <source>%1 is running (%2).</source>
        <translation>%1 を実行中です（%2）。</translation>
    </message>
    <message>
        <source>No pedal unit: the profiles switch once it is plugged in.</source>
        <translation>ペダルユニットがありません：接続されたらプロファイルを切り替えます。</translation>
    </message>
    <message>
        <source>The profiles could not be read from the pedal unit; the switch is tried again.</source>
        <translation>ペダルユニットからプロファイルを読み込めませんでした。切り替えを再試行します。</translation>
    </message>
    <message>
        <source>%1 has no profile called &quot;%2&quot;; it keeps its profile.</source>
        <translation>%1 には「%2」という名前のプロファイルがありません。プロファイルはそのままです。</translation>
    </message>
    <message>
        <source>The switch is tried again.</source>
        <translation>切り替えを再試行します。</translation>
    </message>
    <message>
        <source>In effect now: %1.</source>
        <translation>現在有効：%1。</translation>
    </message>
</context>
<context>
    <name>kest::KestUnit</name>
    <message>
        <source>The deadzones were not saved: the pedal unit did not take them. It keeps the deadzones it had.</source>
        <translation>デッドゾーンは保存されませんでした：ペダルユニットが受け付けませんでした。デッドゾーンは以前のままです。</translation>
    </message>
    <message>
        <source>The clutch setting was not changed: the pedal unit did not answer. It keeps the setting it had.</source>
        <translation>クラッチの設定は変更されませんでした：ペダルユニットが応答しませんでした。設定は以前のままです。</translation>
    </message>
    <message>
        <source>The calibration did not start: the pedal unit did not answer. It keeps the calibration it had.</source>
        <translation>校正を開始できませんでした：ペダルユニットが応答しませんでした。校正は以前のままです。</translation>
    </message>
    <message>
        <source>The calibration was not saved: the pedal unit did not answer. It keeps the calibration it had; press SAVE to try again.</source>
        <translation>校正は保存されませんでした：ペダルユニットが応答しませんでした。校正は以前のままです。「保存」を押して再試行してください。</translation>
    </message>
    <message>
        <source>Move the pedal through its whole travel, then save.</source>
        <translation>ペダルをストロークの端から端まで動かしてから保存してください。</translation>
    </message>
    <message>
        <source>The calibration was not saved: the pedal unit did not take it. It keeps the calibration it had; press SAVE to try again.</source>
        <translation>校正は保存されませんでした：ペダルユニットが受け付けませんでした。校正は以前のままです。「保存」を押して再試行してください。</translation>
    </message>
    <message>
        <source>The calibration was saved, but the pedal unit did not take the cleared deadzones of this pedal: it keeps the deadzones it had.</source>
        <translation>校正は保存しましたが、ペダルユニットはこのペダルのデッドゾーンのリセットを受け付けませんでした：デッドゾーンは以前のままです。</translation>
    </message>
    <message>
        <source>The pedal unit did not take back the calibration it had; plug it in again to bring it back.</source>
        <translation>ペダルユニットは以前の校正に戻りませんでした。接続し直すと元に戻ります。</translation>
    </message>
    <message>
        <source>The flash data was not cleared: the pedal unit did not take the command. It keeps the settings it had.</source>
        <translation>フラッシュデータは消去されませんでした：ペダルユニットがコマンドを受け付けませんでした。設定は以前のままです。</translation>
    </message>
    <message>
        <source>A profile write to the pedal unit was cut off half-way: until the unit is plugged in again, its profile table reads otherwise than the unit keeps it.</source>
        <translation>ペダルユニットへのプロファイル書き込みが途中で中断されました：ユニットを接続し直すまで、プロファイル表はユニットが保持している内容と異なって読み取られます。</translation>
    </message>
    <message>
        <source>The pedal unit did not take the choice of profile.</source>
        <translation>ペダルユニットがプロファイルの選択を受け付けませんでした。</translation>
    </message>
    <message>
        <source>The choice of active profiles was not stored; the pedal unit keeps the choice it had.</source>
        <translation>アクティブなプロファイルの選択は保存されませんでした。ペダルユニットは以前の選択のままです。</translation>
    </message>
    <message>
        <source>The choice of active profiles was not stored: the pedal unit did not answer. It keeps the choice it had.</source>
        <translation>アクティブなプロファイルの選択は保存されませんでした：ペダルユニットが応答しませんでした。選択は以前のままです。</translation>
    </message>
    <message>
        <source>The choice of active profiles was not stored: the profile lists could not be read from the pedal unit. It keeps the choice it had.</source>
        <translation>アクティブなプロファイルの選択は保存されませんでした：ペダルユニットからプロファイル一覧を読み込めませんでした。選択は以前のままです。</translation>
    </message>
    <message>
        <source>Can not save to DEFAULT, please use a different name.</source>
        <translation>DEFAULT には保存できません。別の名前を使用してください。</translation>
    </message>
    <message>
        <source>Please enter a profile name.</source>
        <translation>プロファイル名を入力してください。</translation>
    </message>
    <message>
        <source>Profile name holds a character that cannot be stored (a zero byte or an unreadable character).</source>
        <translation>プロファイル名に保存できない文字（ゼロバイトまたは読み取れない文字）が含まれています。</translation>
    </message>
    <message>
        <source>Profile name is too long: 16 bytes at most (accented letters take two).</source>
        <translation>プロファイル名が長すぎます：最大 16 バイトです（日本語の文字は 1 文字で 3 バイト）。</translation>
    </message>
    <message>
        <source>The profile was not saved.</source>
        <translation>プロファイルは保存されませんでした。</translation>
    </message>
    <message>
        <source>The profile was not saved: the profile lists could not be read from the pedal unit. It keeps the profiles it had.</source>
        <translation>プロファイルは保存されませんでした：ペダルユニットからプロファイル一覧を読み込めませんでした。プロファイルは以前のままです。</translation>
    </message>
    <message>
        <source>The profile was not saved: the pedal unit did not answer. It keeps the profiles it had.</source>
        <translation>プロファイルは保存されませんでした：ペダルユニットが応答しませんでした。プロファイルは以前のままです。</translation>
    </message>
    <message>
        <source>Profile is full</source>
        <translation>プロファイルの空きがありません</translation>
    </message>
    <message>
        <source>The profile was saved, but the pedal unit did not store it as the active profile.</source>
        <translation>プロファイルは保存しましたが、ペダルユニットはアクティブなプロファイルとして保存しませんでした。</translation>
    </message>
    <message>
        <source>The profile was saved, but the profile lists could not be read back from the pedal unit. They are read again before anything else is stored.</source>
        <translation>プロファイルは保存しましたが、ペダルユニットからプロファイル一覧を読み直せませんでした。次に何かを保存する前に読み直します。</translation>
    </message>
    <message>
        <source>DEFAULT can not be removed.</source>
        <translation>DEFAULT は削除できません。</translation>
    </message>
    <message>
        <source>The profile was not removed.</source>
        <translation>プロファイルは削除されませんでした。</translation>
    </message>
    <message>
        <source>The profile was not removed: the profile lists could not be read from the pedal unit. It keeps the profiles it had.</source>
        <translation>プロファイルは削除されませんでした：ペダルユニットからプロファイル一覧を読み込めませんでした。プロファイルは以前のままです。</translation>
    </message>
    <message>
        <source>The profile was not removed: the pedal unit did not answer. It keeps the profiles it had.</source>
        <translation>プロファイルは削除されませんでした：ペダルユニットが応答しませんでした。プロファイルは以前のままです。</translation>
    </message>
    <message>
        <source>The profile was removed, but the pedal unit did not store the new choice of active profiles.</source>
        <translation>プロファイルは削除しましたが、ペダルユニットは新しいアクティブプロファイルの選択を保存しませんでした。</translation>
    </message>
    <message>
        <source>The profiles were not exported.</source>
        <translation>プロファイルはエクスポートされませんでした。</translation>
    </message>
    <message>
        <source>The profiles were not exported: the profile lists could not be read from the pedal unit.</source>
        <translation>プロファイルはエクスポートされませんでした：ペダルユニットからプロファイル一覧を読み込めませんでした。</translation>
    </message>
    <message>
        <source>The profile file could not be written.</source>
        <translation>プロファイルファイルを書き込めませんでした。</translation>
    </message>
    <message>
        <source>The file that was there is kept as it was.</source>
        <translation>既存のファイルはそのまま残っています。</translation>
    </message>
    <message>
        <source>The profiles were exported, except the one of no pedal in slot %1.</source>
        <translation>プロファイルをエクスポートしました。ただし、スロット %1 のどのペダルにも属さないプロファイルは除きます。</translation>
    </message>
    <message>
        <source>The profiles were exported except slot %1: the name that the pedal unit holds there is not valid text, and it would not come back as it is.</source>
        <translation>スロット %1 を除いてプロファイルをエクスポートしました：ペダルユニットがそこに保持している名前は有効なテキストではなく、元のとおりに戻りません。</translation>
    </message>
    <message>
        <source>Please choose INI file</source>
        <translation>INI ファイルを選択してください</translation>
    </message>
    <message>
        <source>INI file is not valid.</source>
        <translation>INI ファイルが正しくありません。</translation>
    </message>
    <message>
        <source>The import stopped after %1 of %2 profiles: the pedal unit did not answer. Its profile table is incomplete; please import the file again.</source>
        <translation>%2 個中 %1 個のプロファイルでインポートが止まりました：ペダルユニットが応答しませんでした。プロファイル表が不完全です。ファイルをもう一度インポートしてください。</translation>
    </message>
    <message>
        <source>The profiles were imported, but the pedal unit did not store the file&apos;s choice of active profiles.</source>
        <translation>プロファイルはインポートしましたが、ペダルユニットはファイルのアクティブプロファイルの選択を保存しませんでした。</translation>
    </message>
    <message>
        <source>A backup of the unit&apos;s profiles, deadzones and calibration is saved first, to:
%1</source>
        <translation>先にユニットのプロファイル、デッドゾーン、校正のバックアップを次の場所に保存します：
%1</translation>
    </message>
    <message>
        <source>No backup could be made. Nothing was changed.</source>
        <translation>バックアップを作成できませんでした。何も変更していません。</translation>
    </message>
    <message>
        <source>No backup could be made: the profile lists could not be read from the pedal unit. Nothing was changed.</source>
        <translation>バックアップを作成できませんでした：ペダルユニットからプロファイル一覧を読み込めませんでした。何も変更していません。</translation>
    </message>
    <message>
        <source>No backup could be made: the pedal unit did not tell its calibration and deadzones. Nothing was changed.</source>
        <translation>バックアップを作成できませんでした：ペダルユニットが校正とデッドゾーンを返しませんでした。何も変更していません。</translation>
    </message>
    <message>
        <source>No backup could be written to %1. Nothing was changed.</source>
        <translation>%1 にバックアップを書き込めませんでした。何も変更していません。</translation>
    </message>
    <message>
        <source>CLUTCH</source>
        <translation>クラッチ</translation>
    </message>
    <message>
        <source>BRAKE</source>
        <translation>ブレーキ</translation>
    </message>
    <message>
        <source>THROTTLE</source>
        <translation>アクセル</translation>
    </message>
    <message>
        <source>%1 low %2 % and high %3 %</source>
        <translation>%1 下側 %2 %・上側 %3 %</translation>
    </message>
    <message>
        <source>The clutch pedal is switched off: it has no deadzones to set.</source>
        <translation>クラッチペダルがオフのため、設定するデッドゾーンはありません。</translation>
    </message>
    <message>
        <source>A deadzone is a whole percent from 0 to %1.</source>
        <translation>デッドゾーンは 0〜%1 の整数のパーセントで指定してください。</translation>
    </message>
    <message>
        <source>The deadzones were not saved: the pedal unit still reports the ones it had (%1). It keeps the deadzones it had.</source>
        <translation>デッドゾーンは保存されませんでした：ペダルユニットは以前の値を報告したままです（%1）。デッドゾーンは以前のままです。</translation>
    </message>
    <message>
        <source>Please save other channel calibrate first.</source>
        <translation>先に、もう一方のペダルの校正を保存してください。</translation>
    </message>
    <message>
        <source>The clutch pedal is switched off: switch it on first.</source>
        <translation>クラッチペダルがオフです：先にオンにしてください。</translation>
    </message>
    <message>
        <source>no travel seen yet</source>
        <translation>ストロークはまだ検出されていません</translation>
    </message>
    <message>
        <source>travel seen %1 to %2 (%3 %)</source>
        <translation>検出したストローク %1～%2（%3 %）</translation>
    </message>
    <message>
        <source>Saving the %1 calibration also resets its deadzones: low %2 % and high %3 % go back to 0 %, and the new travel counts from 0 to 100 %. You can set them again on the INPUTS page afterwards.</source>
        <translation>%1 の校正を保存すると、デッドゾーンもリセットされます：下側 %2 % と上側 %3 % は 0 % に戻り、新しいストロークは 0〜100 % で数えられます。後で「入力」ページで設定し直せます。</translation>
    </message>
    <message>
        <source>The pedal unit did not take back the deadzones of the %1: it still reports none, and keeps low %2 % and high %3 %; plug it in again to bring them back.</source>
        <translation>ペダルユニットは %1 のデッドゾーンに戻りませんでした：なしと報告したままで、下側 %2 %・上側 %3 % を保持しています。接続し直すと元に戻ります。</translation>
    </message>
    <message>
        <source>Calibration cancelled: the %1 keeps the calibration it had.</source>
        <translation>校正を中止しました：%1 の校正は以前のままです。</translation>
    </message>
    <message>
        <source>The settings it had are in the backup %1.</source>
        <translation>以前の設定はバックアップ %1 にあります。</translation>
    </message>
    <message>
        <source>No backup could be written to %1.</source>
        <translation>%1 にバックアップを書き込めませんでした。</translation>
    </message>
    <message>
        <source>No backup could be made: the pedal unit did not tell its clutch setting. Nothing was changed.</source>
        <translation>バックアップを作成できませんでした：ペダルユニットがクラッチの設定を返しませんでした。何も変更していません。</translation>
    </message>
    <message>
        <source>The profiles were not switched.</source>
        <translation>プロファイルは切り替えられませんでした。</translation>
    </message>
    <message>
        <source>The profiles were not switched: the profile lists could not be read from the pedal unit.</source>
        <translation>プロファイルは切り替えられませんでした：ペダルユニットからプロファイル一覧を読み込めませんでした。</translation>
    </message>
    <message>
        <source>The %1 has no profile called &quot;%2&quot;.</source>
        <translation>%1 には「%2」という名前のプロファイルがありません。</translation>
    </message>
    <message>
        <source>The profiles in effect before were not put back: the profile lists could not be read from the pedal unit.</source>
        <translation>以前有効だったプロファイルに戻せませんでした：ペダルユニットからプロファイル一覧を読み込めませんでした。</translation>
    </message>
    <message>
        <source>The profiles in effect before were not put back: the pedal unit did not take them.</source>
        <translation>以前有効だったプロファイルに戻せませんでした：ペダルユニットが受け付けませんでした。</translation>
    </message>
    <message>
        <source>The backup&apos;s calibration of the %1 runs from %2 to %3: its low bound must be below its high bound.</source>
        <translation>バックアップの %1 の校正は %2～%3 です：下限は上限より小さくなければなりません。</translation>
    </message>
    <message>
        <source>The backup&apos;s deadzones of the %1 (low %2 %, high %3 %) lie beyond the handles&apos; travel of 0 to %4 %.</source>
        <translation>バックアップの %1 のデッドゾーン（下側 %2 %・上側 %3 %）が、ハンドルのストローク 0～%4 % を超えています。</translation>
    </message>
    <message>
        <source>%1 holds profiles only: it is no backup of the unit&apos;s settings.</source>
        <translation>%1 にはプロファイルしかありません：ユニットの設定のバックアップではありません。</translation>
    </message>
    <message>
        <source>The backup is not whole: its section [%1] has no key %2.</source>
        <translation>バックアップが不完全です：セクション [%1] にキー %2 がありません。</translation>
    </message>
    <message>
        <source>Calibration (raw, % of travel):</source>
        <translation>校正（生の値、ストロークの %）：</translation>
    </message>
    <message>
        <source>%1 %2 (%3 %) to %4 (%5 %)</source>
        <translation>%1 %2（%3 %）～%4（%5 %）</translation>
    </message>
    <message>
        <source>Deadzones (% as the handles show them, raw):</source>
        <translation>デッドゾーン（ハンドルの表示どおりの %、生の値）：</translation>
    </message>
    <message>
        <source>%1 low %2 % (%3), high %4 % (%5)</source>
        <translation>%1 下側 %2 %（%3）、上側 %4 %（%5）</translation>
    </message>
    <message>
        <source>Clutch pedal: on</source>
        <translation>クラッチペダル：オン</translation>
    </message>
    <message>
        <source>Clutch pedal: off</source>
        <translation>クラッチペダル：オフ</translation>
    </message>
    <message>
        <source>A calibration is under way: save or cancel it first.</source>
        <translation>校正の途中です：先に保存するか中止してください。</translation>
    </message>
    <message>
        <source>clutch setting</source>
        <translation>クラッチの設定</translation>
    </message>
    <message>
        <source>calibration</source>
        <translation>校正</translation>
    </message>
    <message>
        <source>deadzones</source>
        <translation>デッドゾーン</translation>
    </message>
    <message>
        <source>profiles</source>
        <translation>プロファイル</translation>
    </message>
    <message>
        <source>choice of active profiles</source>
        <translation>アクティブなプロファイルの選択</translation>
    </message>
    <message>
        <source>profiles of slots 0 to %1</source>
        <translation>スロット 0～%1 のプロファイル</translation>
    </message>
    <message>
        <source>profiles of slots %1 to 15</source>
        <translation>スロット %1～15 のプロファイル</translation>
    </message>
    <message>
        <source>The restore stopped part-way: the pedal unit did not answer.</source>
        <translation>復元は途中で止まりました：ペダルユニットが応答しませんでした。</translation>
    </message>
    <message>
        <source>It has the backup&apos;s %1.</source>
        <translation>バックアップから反映済み：%1。</translation>
    </message>
    <message>
        <source>It keeps the %1 it had.</source>
        <translation>以前のまま：%1。</translation>
    </message>
    <message>
        <source>The backup was restored, but the profile lists could not be read back from the pedal unit. They are read again before anything else is stored.</source>
        <translation>バックアップは復元しましたが、ペダルユニットからプロファイル一覧を読み直せませんでした。次に何かを保存する前に読み直します。</translation>
    </message>
    <message>
        <source>The backup holds no clutch setting (it was made before backups kept it): the unit keeps the one it had.</source>
        <translation>バックアップにクラッチの設定がありません（クラッチの設定を保存するようになる前のバックアップです）：ユニットは以前の設定のままです。</translation>
    </message>
    <message>
        <source>The backup leaves out slot %1: the name that the pedal unit holds there is not valid text, and it would not come back as it is. A restore of this backup clears the slot.</source>
        <translation>バックアップにはスロット %1 が含まれません：ペダルユニットがそこに保持している名前は有効なテキストではなく、元のとおりに戻りません。このバックアップから復元すると、そのスロットは空になります。</translation>
    </message>
</context>
<context>
    <name>kest::UpdateClient</name>
    <message>
        <source>a minute</source>
        <translation>1 分</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 分</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Update check failed: the update server did not answer in %1.</source>
        <translation>更新の確認に失敗：サーバーが %1以内に応答しません。</translation>
    </message>
    <message>
        <source>Update check failed: the update server could not be reached.</source>
        <translation>更新の確認に失敗：サーバーに接続できません。</translation>
    </message>
    <message>
        <source>Update check failed: the update server&apos;s answer could not be read.</source>
        <translation>更新の確認に失敗：サーバーの応答を読み取れません。</translation>
    </message>
    <message>
        <source>No valid device.</source>
        <translation>有効なデバイスがありません。</translation>
    </message>
    <message>
        <source>Your firmware is already up to date.</source>
        <translation>ファームウェアはすでに最新です。</translation>
    </message>
    <message>
        <source>A new firmware is available: %1 (the unit has %2)</source>
        <translation>新しいファームウェアがあります：%1（ユニットは %2）</translation>
    </message>
    <message>
        <source>Download file fail.</source>
        <translation>ファイルのダウンロードに失敗しました。</translation>
    </message>
    <message>
        <source>Download given up: the firmware did not arrive within %1.</source>
        <translation>ダウンロード中止：ファームウェアが %1以内に届きません。</translation>
    </message>
    <message>
        <source>Can not write to temp.</source>
        <translation>一時フォルダーに書き込めません。</translation>
    </message>
</context>
<context>
    <name>kestctl</name>
    <message>
        <source>The pedal unit did not tell its firmware version.</source>
        <translation>ペダルユニットがファームウェアバージョンを返しませんでした。</translation>
    </message>
    <message>
        <source>Image: %1</source>
        <translation>イメージ：%1</translation>
    </message>
    <message>
        <source>MD5:   %1</source>
        <translation>MD5：     %1</translation>
    </message>
    <message>
        <source>usage: kestctl firmware check | update FILE</source>
        <translation>使い方：kestctl firmware check | update FILE</translation>
    </message>
    <message>
        <source>watch takes no arguments</source>
        <translation>watch に引数はありません</translation>
    </message>
    <message>
        <source>the pedal unit is back</source>
        <translation>ペダルユニットが再接続されました</translation>
    </message>
    <message>
        <source>the pedal unit was unplugged; waiting for it (Ctrl-C ends)</source>
        <translation>ペダルユニットが取り外されました。再接続を待っています（Ctrl-C で終了）</translation>
    </message>
    <message>
        <source>usage: kestctl calibrate PEDAL</source>
        <translation>使い方：kestctl calibrate PEDAL</translation>
    </message>
    <message>
        <source>unknown pedal &apos;%1&apos;: clutch, brake or throttle</source>
        <translation>不明なペダル「%1」：clutch、brake、throttle のいずれかです</translation>
    </message>
    <message>
        <source>The pedal unit did not answer. It keeps the calibration it had.</source>
        <translation>ペダルユニットが応答しませんでした。校正は以前のままです。</translation>
    </message>
    <message>
        <source>%1: press the pedal all the way down, let it come back up, then press Enter to save (Ctrl-C cancels; the pedal then keeps the calibration it had).</source>
        <translation>%1：ペダルを奥まで踏み込んで戻し、Enter を押すと保存します（Ctrl-C で中止。その場合、ペダルの校正は以前のままです）。</translation>
    </message>
    <message>
        <source>The pedal unit was unplugged during the calibration. It keeps the calibration it had.</source>
        <translation>校正中にペダルユニットが取り外されました。校正は以前のままです。</translation>
    </message>
    <message>
        <source>Input ended before Enter: the calibration was cancelled. The pedal keeps the calibration it had.</source>
        <translation>Enter の前に入力が終了したため、校正を中止しました。ペダルの校正は以前のままです。</translation>
    </message>
    <message>
        <source>(Enter saves, Ctrl-C cancels)</source>
        <translation>（Enter で保存、Ctrl-C で中止）</translation>
    </message>
    <message>
        <source>(Enter tries again, Ctrl-C cancels)</source>
        <translation>（Enter で再試行、Ctrl-C で中止）</translation>
    </message>
    <message>
        <source>%1 calibrated: the unit keeps %2 to %3.</source>
        <translation>%1 を校正しました：ユニットは %2～%3 を保存しています。</translation>
    </message>
    <message>
        <source>%1 needs a value (kestctl --help)</source>
        <translation>%1 には値が必要です（kestctl --help）</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; (kestctl --help)</source>
        <translation>不明なオプション「%1」（kestctl --help）</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos; (kestctl --help)</source>
        <translation>不明なコマンド「%1」（kestctl --help）</translation>
    </message>
    <message>
        <source>more than one pedal has a profile called &quot;%1&quot;: name one with --pedal</source>
        <translation>「%1」という名前のプロファイルが複数のペダルにあります：--pedal で指定してください</translation>
    </message>
    <message>
        <source>no profile called &quot;%1&quot; (kestctl profile list)</source>
        <translation>「%1」という名前のプロファイルはありません（kestctl profile list）</translation>
    </message>
    <message>
        <source>no profile called &quot;%1&quot; for the %2 (kestctl profile list)</source>
        <translation>%2 には「%1」という名前のプロファイルはありません（kestctl profile list）</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>save needs --curve with five points from 0 to 100, as 17,33,50,67,83</source>
        <translation>save には 0～100 の 5 点を --curve で指定してください（例：17,33,50,67,83）</translation>
    </message>
    <message>
        <source>%1 exists: add --yes to replace it</source>
        <translation>%1 は既にあります：置き換えるには --yes を付けてください</translation>
    </message>
    <message>
        <source>%1 is not a profile file (*.ini)</source>
        <translation>%1 はプロファイルファイル（*.ini）ではありません</translation>
    </message>
    <message>
        <source>The profile lists could not be read from the pedal unit. It keeps the profiles it had.</source>
        <translation>ペダルユニットからプロファイル一覧を読み込めませんでした。プロファイルは以前のままです。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is the active profile.</source>
        <translation>%1：「%2」がアクティブなプロファイルです。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; was removed.</source>
        <translation>%1：「%2」を削除しました。</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is saved and is the active profile.</source>
        <translation>%1：「%2」を保存し、アクティブなプロファイルにしました。</translation>
    </message>
    <message>
        <source>Profiles written to %1.</source>
        <translation>プロファイルを %1 に書き出しました。</translation>
    </message>
    <message>
        <source>Profiles imported from %1.</source>
        <translation>%1 からプロファイルを読み込みました。</translation>
    </message>
    <message>
        <source>The pedal unit was found but did not answer every read.</source>
        <translation>ペダルユニットは見つかりましたが、すべての読み取りには応答しませんでした。</translation>
    </message>
    <message>
        <source>%1 low %2 % (%3)  high %4 % (%5)</source>
        <translation>%1 下側 %2 %（%3）  上側 %4 %（%5）</translation>
    </message>
    <message>
        <source>info takes no arguments</source>
        <translation>info に引数はありません</translation>
    </message>
    <message>
        <source>Firmware version: %1</source>
        <translation>ファームウェアバージョン：%1</translation>
    </message>
    <message>
        <source>Clutch pedal:     %1</source>
        <translation>クラッチペダル：          %1</translation>
    </message>
    <message>
        <source>on</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Calibration (raw, % of travel)</source>
        <translation>校正（生の値、ストロークの %）</translation>
    </message>
    <message>
        <source>%1 %2 (%3 %) to %4 (%5 %)</source>
        <translation>%1 %2（%3 %）～%4（%5 %）</translation>
    </message>
    <message>
        <source>Deadzones (% as the handles show them, raw)</source>
        <translation>デッドゾーン（ハンドルの表示どおりの %、生の値）</translation>
    </message>
    <message>
        <source>Profiles (* active)</source>
        <translation>プロファイル（* アクティブ）</translation>
    </message>
    <message>
        <source>Active profiles</source>
        <translation>アクティブなプロファイル</translation>
    </message>
    <message>
        <source>%1 (slot %2)</source>
        <translation>%1（スロット %2）</translation>
    </message>
    <message>
        <source>usage: kestctl deadzone [PEDAL [LOW HIGH]]</source>
        <translation>使い方：kestctl deadzone [PEDAL [LOW HIGH]]</translation>
    </message>
    <message>
        <source>%1 must be a whole percent from 0 to %2, not &apos;%3&apos;</source>
        <translation>%1 は 0～%2 の整数のパーセントで指定してください（「%3」ではなく）</translation>
    </message>
    <message>
        <source>(clutch off)</source>
        <translation>（クラッチ オフ）</translation>
    </message>
    <message>
        <source>usage: kestctl clutch [on|off]</source>
        <translation>使い方：kestctl clutch [on|off]</translation>
    </message>
    <message>
        <source>Clutch pedal: %1</source>
        <translation>クラッチペダル：%1</translation>
    </message>
    <message>
        <source>clear-flash takes no arguments</source>
        <translation>clear-flash に引数はありません</translation>
    </message>
    <message>
        <source>clear-flash deletes every setting the unit keeps: confirm with --yes when not asked on a terminal</source>
        <translation>clear-flash はユニットの設定をすべて削除します：端末で確認できないときは --yes で確定してください</translation>
    </message>
    <message>
        <source>Nothing was cleared.</source>
        <translation>何も消去していません。</translation>
    </message>
    <message>
        <source>Backup of the unit&apos;s settings: %1</source>
        <translation>ユニット設定のバックアップ：%1</translation>
    </message>
    <message>
        <source>firmware update sends the file to the unit, which cannot check it: confirm with --yes when not asked on a terminal</source>
        <translation>firmware update はファイルをユニットに送りますが、ユニットはそれを確認できません: ターミナル以外では --yes で確認してください</translation>
    </message>
    <message>
        <source>Nothing was sent to the unit.</source>
        <translation>ユニットには何も送られていません。</translation>
    </message>
    <message>
        <source>This operation will delete all the settings stored in the device flash memory. Continue?</source>
        <translation>この操作により、デバイスのフラッシュメモリに保存されたすべての設定が削除されます。続行しますか？</translation>
    </message>
    <message>
        <source>SKIP</source>
        <translation>省略</translation>
    </message>
    <message>
        <source>PASS</source>
        <translation>合格</translation>
    </message>
    <message>
        <source>FAIL</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Fix: %1</source>
        <translation>対処：%1</translation>
    </message>
    <message>
        <source>Install the kest-setting package, or where /usr is read-only the rule by hand: kestctl doctor --print-rules | sudo tee /etc/udev/rules.d/%1; then load it with sudo udevadm control --reload &amp;&amp; sudo udevadm trigger, or plug the unit in again. The rule gives access to the user logged in at the seat only (more in %2).</source>
        <translation>kest-setting パッケージをインストールしてください。/usr が読み取り専用の場合はルールを手動で入れます：kestctl doctor --print-rules | sudo tee /etc/udev/rules.d/%1。その後 sudo udevadm control --reload &amp;&amp; sudo udevadm trigger で読み込むか、ユニットを接続し直してください。このルールはシートにログインしているユーザーにだけアクセスを与えます（詳しくは %2）。</translation>
    </message>
    <message>
        <source>%1 is this version&apos;s rule.</source>
        <translation>%1 はこのバージョンのルールです。</translation>
    </message>
    <message>
        <source>%1 differs from this version&apos;s rule.</source>
        <translation>%1 はこのバージョンのルールと異なります。</translation>
    </message>
    <message>
        <source>The udev rule %1 is not installed.</source>
        <translation>udev ルール %1 がインストールされていません。</translation>
    </message>
    <message>
        <source>Unplug the unit and plug it in again.</source>
        <translation>ユニットを抜いて、もう一度接続してください。</translation>
    </message>
    <message>
        <source>The firmware is %1. Whether it is the newest was not checked: the update server could not be reached.</source>
        <translation>ファームウェアは %1 です。最新かどうかは確認していません：アップデートサーバーに接続できませんでした。</translation>
    </message>
    <message>
        <source>The firmware is %1; %2 is available.</source>
        <translation>ファームウェアは %1 です。%2 が利用できます。</translation>
    </message>
    <message>
        <source>Update it on the DEVICE page, or with kestctl firmware update FILE (kestctl firmware check says where the image is).</source>
        <translation>デバイスページで、または kestctl firmware update FILE で更新してください（イメージの場所は kestctl firmware check で分かります）。</translation>
    </message>
    <message>
        <source>The firmware %1 is the newest.</source>
        <translation>ファームウェア %1 は最新です。</translation>
    </message>
    <message>
        <source>No pedal unit on USB.</source>
        <translation>USB にペダルユニットがありません。</translation>
    </message>
    <message>
        <source>%1 (%2:%3) is on USB %4.</source>
        <translation>%1（%2:%3）は USB %4 にあります。</translation>
    </message>
    <message>
        <source>The kernel made no hidraw node for the unit.</source>
        <translation>カーネルがユニットの hidraw ノードを作成しませんでした。</translation>
    </message>
    <message>
        <source>Unplug the unit and plug it in again; sudo dmesg says why the node is missing.</source>
        <translation>ユニットを抜いて、もう一度接続してください。ノードがない理由は sudo dmesg で分かります。</translation>
    </message>
    <message>
        <source>This user cannot open the unit&apos;s hidraw node %1: %2.</source>
        <translation>このユーザーはユニットの hidraw ノード %1 を開けません：%2。</translation>
    </message>
    <message>
        <source>This user can open the unit&apos;s hidraw node %1.</source>
        <translation>このユーザーはユニットの hidraw ノード %1 を開けます。</translation>
    </message>
    <message>
        <source>Only this user&apos;s programs could be looked at.</source>
        <translation>調べられたのはこのユーザーのプログラムだけです。</translation>
    </message>
    <message>
        <source>No other program has %1 open.</source>
        <translation>%1 を開いている他のプログラムはありません。</translation>
    </message>
    <message>
        <source>%1 is open in: %2.</source>
        <translation>%1 を開いているプログラム：%2。</translation>
    </message>
    <message>
        <source>Close these programs while kestctl or the window talks to the unit: two programs exchanging reports with it at once mix up its replies.</source>
        <translation>kestctl またはウィンドウがユニットと通信している間は、これらのプログラムを閉じてください。2 つのプログラムが同時にレポートをやり取りすると、応答が混ざります。</translation>
    </message>
    <message>
        <source>The unit has no input device: games find no pedals.</source>
        <translation>ユニットに入力デバイスがありません：ゲームはペダルを見つけられません。</translation>
    </message>
    <message>
        <source>Unplug the unit and plug it in again; if it stays missing, sudo dmesg says why (the usbhid and hid-generic modules must be loaded).</source>
        <translation>ユニットを抜いて、もう一度接続してください。それでもない場合は sudo dmesg で理由が分かります（usbhid と hid-generic モジュールが読み込まれている必要があります）。</translation>
    </message>
    <message>
        <source>The unit&apos;s input device is %1.</source>
        <translation>ユニットの入力デバイスは %1 です。</translation>
    </message>
    <message>
        <source>%1 is marked as a joystick (ID_INPUT_JOYSTICK=1).</source>
        <translation>%1 はジョイスティックとして登録されています（ID_INPUT_JOYSTICK=1）。</translation>
    </message>
    <message>
        <source>%1 is not marked as a joystick (ID_INPUT_JOYSTICK): games and Steam do not see the pedals.</source>
        <translation>%1 はジョイスティックとして登録されていません（ID_INPUT_JOYSTICK）：ゲームと Steam にペダルが見えません。</translation>
    </message>
    <message>
        <source>This user can read %1.</source>
        <translation>このユーザーは %1 を読み取れます。</translation>
    </message>
    <message>
        <source>This user cannot read %1.</source>
        <translation>このユーザーは %1 を読み取れません。</translation>
    </message>
    <message>
        <source>The firmware was not checked: the unit cannot be opened.</source>
        <translation>ファームウェアは確認していません：ユニットを開けません。</translation>
    </message>
    <message>
        <source>usage: kestctl doctor [--print-rules]</source>
        <translation>使い方: kestctl doctor [--print-rules]</translation>
    </message>
    <message>
        <source>doctor checks a Linux system with udev.</source>
        <translation>doctor は udev のある Linux システムを調べます。</translation>
    </message>
    <message>
        <source>Calibrate and reset them?</source>
        <translation>校正してリセットしますか？</translation>
    </message>
    <message>
        <source>calibrate resets the %1 deadzones (low %2 % and high %3 %): confirm with --yes when not asked on a terminal</source>
        <translation>calibrate は %1 のデッドゾーン（下側 %2 %・上側 %3 %）をリセットします：端末で確認できないときは --yes で確定してください</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>何も変更していません。</translation>
    </message>
    <message>
        <source>%1 is open in: %2, which take turns with kestctl through the unit&apos;s lock.</source>
        <translation>%1 は %2 で開かれています。これらはユニットのロックで kestctl と順番に使います。</translation>
    </message>
    <message>
        <source>Service:     %1: no systemd for this user</source>
        <translation>サービス：       %1：このユーザーの systemd がありません</translation>
    </message>
    <message>
        <source>Service:     %1: %2, %3</source>
        <translation>サービス：       %1：%2、%3</translation>
    </message>
    <message>
        <source>Rules file:  %1</source>
        <translation>ルールファイル： %1</translation>
    </message>
    <message>
        <source>Watching:    no</source>
        <translation>監視：           いいえ</translation>
    </message>
    <message>
        <source>Watching:    yes (process %1), no game running</source>
        <translation>監視：           はい（プロセス %1）、実行中のゲームなし</translation>
    </message>
    <message>
        <source>Watching:    yes (process %1), %2 running since %3%4</source>
        <translation>監視：           はい（プロセス %1）、%2 を %3 から実行中%4</translation>
    </message>
    <message>
        <source> (its profiles wait for the unit)</source>
        <translation> （プロファイルはユニットの接続待ち）</translation>
    </message>
    <message>
        <source>usage: kestctl autoswitch [--status]</source>
        <translation>使い方：kestctl autoswitch [--status]</translation>
    </message>
    <message>
        <source>See kestctl(1), AUTOMATIC SWITCHING.</source>
        <translation>kestctl(1) の AUTOMATIC SWITCHING を参照してください。</translation>
    </message>
    <message>
        <source>%1 holds no rules.</source>
        <translation>%1 にルールがありません。</translation>
    </message>
    <message>
        <source>autoswitch runs already (process %1)</source>
        <translation>autoswitch は既に実行中です（プロセス %1）</translation>
    </message>
    <message>
        <source>Watching for the games in %1 (Ctrl-C ends).</source>
        <translation>%1 のゲームを監視しています（Ctrl-C で終了）。</translation>
    </message>
    <message>
        <source>usage: kestctl backup [FILE] [--yes]</source>
        <translation>使い方：kestctl backup [FILE] [--yes]</translation>
    </message>
    <message>
        <source>usage: kestctl restore FILE [--yes]</source>
        <translation>使い方：kestctl restore FILE [--yes]</translation>
    </message>
    <message>
        <source>Restore everything %1 holds? It replaces all 16 profiles on the unit, the choice of active profiles and these settings:</source>
        <translation>%1 の内容をすべて復元しますか？ユニットの 16 個のプロファイルすべて、アクティブなプロファイルの選択、および次の設定が置き換えられます：</translation>
    </message>
    <message>
        <source>Continue?</source>
        <translation>続行しますか？</translation>
    </message>
    <message>
        <source>restore replaces every setting the unit keeps: confirm with --yes when not asked on a terminal</source>
        <translation>restore はユニットの設定をすべて置き換えます：端末で確認できないときは --yes で確定してください</translation>
    </message>
    <message>
        <source>Nothing was restored.</source>
        <translation>何も復元していません。</translation>
    </message>
    <message>
        <source>Profiles and settings restored from %1.</source>
        <translation>%1 からプロファイルと設定を復元しました。</translation>
    </message>
    <message>
        <source>usage: kestctl launch [--clutch NAME] [--brake NAME] [--throttle NAME] -- COMMAND [ARGS...]</source>
        <translation>使い方：kestctl launch [--clutch NAME] [--brake NAME] [--throttle NAME] -- COMMAND [ARGS...]</translation>
    </message>
    <message>
        <source>the profiles were not switched: %1</source>
        <translation>プロファイルは切り替えられませんでした：%1</translation>
    </message>
    <message>
        <source>the pedal unit is attached, but the profiles were not switched: %1</source>
        <translation>ペダルユニットは接続されていますが、プロファイルは切り替えられませんでした：%1</translation>
    </message>
    <message>
        <source>the pedal unit is back; the profiles are switched again</source>
        <translation>ペダルユニットが再接続されました。プロファイルを再び切り替えました</translation>
    </message>
    <message>
        <source>the pedal unit is attached; the profiles are switched</source>
        <translation>ペダルユニットが接続されています。プロファイルを切り替えました</translation>
    </message>
    <message>
        <source>%1 could not be started: %2</source>
        <translation>%1 を起動できませんでした：%2</translation>
    </message>
    <message>
        <source>usage: kestctl record FILE [--seconds N]</source>
        <translation>使い方：kestctl record FILE [--seconds N]</translation>
    </message>
    <message>
        <source>--seconds takes a time in seconds above 0, as 3 or 0.5</source>
        <translation>--seconds には 0 より大きい秒数を指定してください（例：3 または 0.5）</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません：%2</translation>
    </message>
    <message>
        <source>the pedal unit was unplugged: the recording ends there</source>
        <translation>ペダルユニットが取り外されました：記録はここで終了します</translation>
    </message>
    <message>
        <source>recorded %1 reports in %2 s (%3 reports/s)</source>
        <translation>%2 秒で %1 件のレポートを記録しました（%3 件/秒）</translation>
    </message>
    <message>
        <source>usage: kestctl [--json] COMMAND [ARGS...]

Commands:
  info                          firmware, clutch, calibration, deadzones, profiles
  watch                         live pedal positions until Ctrl-C
  record FILE [--seconds N]     every input report with its time, as CSV, until
                                Ctrl-C or N s; --json: JSON lines; FILE - is stdout;
                                --yes replaces an existing FILE
  deadzone [PEDAL [LOW HIGH]]   show, or set in % (0-21 from each end)
  clutch [on|off]               show, or switch the clutch pedal on or off
  calibrate PEDAL [--yes]       teach the unit a pedal&apos;s travel (Enter saves)
  profile list
  profile apply NAME [--pedal P]
  profile save PEDAL NAME --curve C1,C2,C3,C4,C5
  profile remove NAME [--pedal P]
  profile export FILE [--yes]   --yes replaces an existing file
  profile import FILE
  backup [FILE] [--yes]         save every setting the unit keeps (without FILE:
                                a new file in the backup folder)
  restore FILE [--yes]          put back everything a backup holds
  firmware check                ask the update server for newer firmware
  firmware update FILE [--yes]  write a firmware image (.bin) to the unit
  clear-flash [--yes]           delete every setting the unit keeps
  doctor [--print-rules]        check what keeps kestctl from the unit or games
                                from the pedals; --print-rules prints the udev rule
  autoswitch [--status]         switch profiles while a game of the rules file runs
                                (~/.config/kest-setting/autoswitch.ini) until Ctrl-C;
                                --status: the service, the rules, the game active now

PEDAL is clutch, brake or throttle. Options: --json (machine-readable output on
stdout), --trace FILE (every exchange with the unit, for a problem report),
--lang CODE (de, fr, es, it, pt_BR, ja; en for English), --help, --version.
Exit status: 0 done; 1 bad input or refused, nothing sent; 2 the unit failed
part-way (the message says what it keeps); 3 no unit, or no access to it.
See kestctl(1).
</source>
        <translation>使い方：kestctl [--json] COMMAND [ARGS...]

コマンド：
  info                          ファームウェア、クラッチ、校正、デッドゾーン、プロファイル
  watch                         Ctrl-C まで各ペダルの位置を表示
  record FILE [--seconds N]     すべての入力レポートを時刻付きで CSV に記録（Ctrl-C
                                または N 秒まで。--json で JSON 行、FILE が - なら
                                stdout、--yes で既存の FILE を置き換え）
  deadzone [PEDAL [LOW HIGH]]   表示、または % で設定（両端から 0～21）
  clutch [on|off]               表示、またはクラッチペダルのオン／オフ
  calibrate PEDAL [--yes]       ペダルのストロークをユニットに覚えさせる（Enter で保存）
  profile list
  profile apply NAME [--pedal P]
  profile save PEDAL NAME --curve C1,C2,C3,C4,C5
  profile remove NAME [--pedal P]
  profile export FILE [--yes]   --yes で既存のファイルを置き換え
  profile import FILE
  backup [FILE] [--yes]         ユニットに保存された設定をすべて保存（FILE を省略
                                するとバックアップフォルダーに新しいファイルを作成）
  restore FILE [--yes]          バックアップの内容をすべて元に戻す
  firmware check                アップデートサーバーに新しいファームウェアを問い合わせる
  firmware update FILE [--yes]  ファームウェアイメージ（.bin）をユニットに書き込む
  clear-flash [--yes]           ユニットに保存された設定をすべて削除
  doctor [--print-rules]        kestctl がユニットに、ゲームがペダルに届かない
                                原因を調べる（--print-rules で udev ルールを表示）
  autoswitch [--status]         ルールファイルのゲームの実行中にプロファイルを
                                切り替える（~/.config/kest-setting/autoswitch.ini、
                                Ctrl-C まで）。--status：サービス、ルール、現在の
                                ゲーム

PEDAL は clutch、brake、throttle のいずれかです。オプション：--json（機械可読
な出力を stdout に）、--trace FILE（ユニットとのやり取りをすべて記録、問題の報
告用）、--lang CODE（de、fr、es、it、pt_BR、ja。英語は en）、--help、--version。
終了ステータス：0 完了、1 入力が不正または拒否（何も送信していません）、2 ユ
ニットが途中で失敗（何が残っているかはメッセージに表示）、3 ユニットがない、
またはアクセスできない。
kestctl(1) を参照してください。
</translation>
    </message>
    <message>
        <source>
Profiles for a game (in effect while it runs; the unit keeps its stored choice):
  profile apply NAME [--pedal P] --for-now
                                put the profile into effect without storing it;
                                prints the choice that was in effect before
  launch [--clutch NAME] [--brake NAME] [--throttle NAME] -- COMMAND [ARGS...]
                                run COMMAND with these profiles, then put back the
                                ones before; exits with COMMAND&apos;s status. In Steam&apos;s
                                launch options: kestctl launch --brake NAME -- %command%
</source>
        <translation>
ゲームごとのプロファイル（実行中だけ有効。ユニットに保存された選択はそのまま）：
  profile apply NAME [--pedal P] --for-now
                                プロファイルを保存せずに有効にし、それまで有効
                                だった選択を表示する
  launch [--clutch NAME] [--brake NAME] [--throttle NAME] -- COMMAND [ARGS...]
                                これらのプロファイルで COMMAND を実行し、終了後に
                                以前のプロファイルに戻す。終了ステータスは COMMAND
                                のもの。Steam の起動オプションでは：
                                kestctl launch --brake NAME -- %command%
</translation>
    </message>
    <message>
        <source>--clutch, --brake and --throttle are for launch (kestctl --help)</source>
        <translation>--clutch、--brake、--throttle は launch 用です（kestctl --help）</translation>
    </message>
    <message>
        <source>--for-now is for profile apply (kestctl --help)</source>
        <translation>--for-now は profile apply 用です（kestctl --help）</translation>
    </message>
    <message>
        <source>usage: kestctl profile list | apply NAME [--pedal P] [--for-now] | save PEDAL NAME --curve C1,C2,C3,C4,C5 | remove NAME [--pedal P] | export FILE [--yes] | import FILE</source>
        <translation>使い方：kestctl profile list | apply NAME [--pedal P] [--for-now] | save PEDAL NAME --curve C1,C2,C3,C4,C5 | remove NAME [--pedal P] | export FILE [--yes] | import FILE</translation>
    </message>
    <message>
        <source>Before: %1</source>
        <translation>以前：%1</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is in effect for now; the unit keeps its stored choice.</source>
        <translation>%1：「%2」を一時的に有効にしました。ユニットに保存された選択はそのままです。</translation>
    </message>
    <message>
        <source>the profiles in effect before were not put back: %1</source>
        <translation>以前有効だったプロファイルに戻せませんでした：%1</translation>
    </message>
</context>
</TS>
