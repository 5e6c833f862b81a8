<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>About</name>
    <message>
        <source>５人で遊ぶ絵札取りのトランプゲーム</source>
        <translation>A card game for five players</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>Version information</translation>
    </message>
    <message>
        <source>確認 (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Quintrick(トランプゲーム)</source>
        <translation>Quintrick (card game)</translation>
    </message>
    <message>
        <source>バージョン %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>CardBacks</name>
    <message>
        <source>イメージファイルを指定</source>
        <translation>Choose an image file</translation>
    </message>
    <message>
        <source>イメージファイル(jpeg, gif, bmp, png, tiff) |*.jpg;*.jpeg;*.gif;*.bmp;*.png;*.tif;*.tiff|JPEGファイル(*.jpeg)|*.jpg;*.jpeg|GIFファイル(*.gif)|*.gif|ビットマップファイル(*.bmp)|*.bmp|PNGファイル(*.png)|*.png|TIFFファイル(*.tiff)|*.tif;*.tiff||</source>
        <translation>Image files (jpeg, gif, bmp, png, tiff) |*.jpg;*.jpeg;*.gif;*.bmp;*.png;*.tif;*.tiff|JPEG files (*.jpeg)|*.jpg;*.jpeg|GIF files (*.gif)|*.gif|Bitmap files (*.bmp)|*.bmp|PNG files (*.png)|*.png|TIFF files (*.tiff)|*.tif;*.tiff||</translation>
    </message>
    <message>
        <source>南八甲田山中の黄瀬沼(&amp;1)</source>
        <translation>Kisenuma, Hakkoda (&amp;1)</translation>
    </message>
    <message>
        <source>国指定名勝の盛美園(&amp;2)</source>
        <translation>Seibien garden (&amp;2)</translation>
    </message>
    <message>
        <source>自由設定イメージ(&amp;3)</source>
        <translation>Your own image (&amp;3)</translation>
    </message>
    <message>
        <source>カード背面の設定</source>
        <translation>Card backs</translation>
    </message>
    <message>
        <source>カードの背面に設定したいイメージを選択してください。</source>
        <translation>Choose the picture for the backs of the cards.</translation>
    </message>
    <message>
        <source>変更(&amp;P)</source>
        <translation>C&amp;hange...</translation>
    </message>
    <message>
        <source>カード外周に枠線を付ける(&amp;W)</source>
        <translation>Dra&amp;w a frame around the cards</translation>
    </message>
    <message>
        <source>※ 自由設定イメージを変更したい場合は、「変更」ボタンをクリックしてファイルを選択してください。</source>
        <translation>* To change your own image, click &quot;Change&quot; and choose a file.</translation>
    </message>
    <message>
        <source>黒枠内に直接ファイルをドラッグ＆ドロップしてセットすることもできます。</source>
        <translation>You can also drag a file and drop it into the black frame.</translation>
    </message>
    <message>
        <source>保存終了(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>中止(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>Cards</name>
    <message>
        <source>%1の%2</source>
        <extracomment>A card&apos;s name: %1 its suit, %2 its rank (&quot;ハートのＡ&quot;).</extracomment>
        <translation>%2 of %1</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>操作方法</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>ルール</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>カケヒキ</source>
        <translation>Tactics</translation>
    </message>
</context>
<context>
    <name>Map</name>
    <message>
        <source>保存するファイルを指定</source>
        <translation>Save the map as</translation>
    </message>
    <message>
        <source>無題</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>JPEGファイル(*.jpeg);;GIFファイル(*.gif);;ビットマップファイル(*.bmp);;PNGファイル(*.png);;TIFFファイル(*.tiff)</source>
        <translation>JPEG files (*.jpeg);;GIF files (*.gif);;Bitmap files (*.bmp);;PNG files (*.png);;TIFF files (*.tiff)</translation>
    </message>
    <message>
        <source>[閲覧]モード</source>
        <translation>[Viewing] mode</translation>
    </message>
    <message>
        <source>標準マップと拡大マップを切り替えます</source>
        <translation>Switches between the standard and the enlarged map</translation>
    </message>
    <message>
        <source>[ ｢%1｣ の国盗りモード ]</source>
        <translation>[ %1&apos;s conquest ]</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>速い(&amp;F)</source>
        <translation>&amp;Fast</translation>
    </message>
    <message>
        <source>やや速い(&amp;G)</source>
        <translation>Fairly f&amp;ast</translation>
    </message>
    <message>
        <source>普通(&amp;N)</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>やや遅い(&amp;T)</source>
        <translation>Fairly s&amp;low</translation>
    </message>
    <message>
        <source>遅い(&amp;S)</source>
        <translation>&amp;Slow</translation>
    </message>
    <message>
        <source>オープンモード(&amp;O)</source>
        <translation>&amp;Open mode</translation>
    </message>
    <message>
        <source>効果音(&amp;K)</source>
        <translation>Sound &amp;effects</translation>
    </message>
    <message>
        <source>ルール説明(&amp;R)</source>
        <translation>&amp;Rule explanations</translation>
    </message>
    <message>
        <source>画面表示説明(&amp;D)</source>
        <translation>Screen e&amp;xplanations</translation>
    </message>
    <message>
        <source>残り札(&amp;N)</source>
        <translation>Remaining car&amp;ds</translation>
    </message>
    <message>
        <source>現状表示(&amp;J)</source>
        <translation>C&amp;urrent state</translation>
    </message>
    <message>
        <source>自動スタート(&amp;A)</source>
        <translation>&amp;Automatic start</translation>
    </message>
    <message>
        <source>1200 X 900(&amp;4)	推奨</source>
        <translation>1200 X 900(&amp;4)	Recommended</translation>
    </message>
    <message>
        <source>開始(&amp;P)</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>新しいマッチ(&amp;N)	Ctrl+N</source>
        <translation>&amp;New match	Ctrl+N</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>操作方法(&amp;S)</source>
        <translation>&amp;How to play</translation>
    </message>
    <message>
        <source>ルール(&amp;R)</source>
        <translation>&amp;Rules</translation>
    </message>
    <message>
        <source>カケヒキ(&amp;K)</source>
        <translation>&amp;Tactics</translation>
    </message>
    <message>
        <source>バージョン情報 (&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>スピード(&amp;S)</source>
        <translation>&amp;Speed</translation>
    </message>
    <message>
        <source>国盗り(&amp;M)</source>
        <translation>&amp;Province conquest</translation>
    </message>
    <message>
        <source>国盗りの初期化(&amp;I)</source>
        <translation>Reset prov&amp;ince conquest</translation>
    </message>
    <message>
        <source>カード背面の設定(&amp;B)</source>
        <translation>Card &amp;backs</translation>
    </message>
    <message>
        <source>画面サイズ(&amp;G)</source>
        <translation>&amp;Window size</translation>
    </message>
    <message>
        <source>全画面表示(&amp;F)	F11</source>
        <translation>&amp;Full screen	F11</translation>
    </message>
    <message>
        <source>カンニング(&amp;C)</source>
        <translation>&amp;Peek</translation>
    </message>
    <message>
        <source>自動スタートの設定を解除しました
</source>
        <translation>Automatic start is now off.
</translation>
    </message>
    <message>
        <source>自動スタートに設定しました
</source>
        <translation>Automatic start is now on.
</translation>
    </message>
    <message>
        <source>%1(&amp;R)	F6</source>
        <extracomment>The records item: %1 the records window&apos;s title (string 30300).</extracomment>
        <translation>&amp;%1	F6</translation>
    </message>
    <message>
        <source>言語 / Language(&amp;U)</source>
        <translation>言語 / Lan&amp;guage</translation>
    </message>
    <message>
        <source>一手戻す(&amp;Z)	Ctrl+Z</source>
        <translation>Take &amp;back	Ctrl+Z</translation>
    </message>
    <message>
        <source>振り返り(&amp;V)	V</source>
        <translation>Re&amp;view last game	V</translation>
    </message>
    <message>
        <source>前のトリックを見る(&amp;L)	L</source>
        <translation>Show the &amp;last trick	L</translation>
    </message>
    <message>
        <source>捨て札を見る(&amp;D)	D</source>
        <translation>Show the &amp;discards	D</translation>
    </message>
    <message>
        <source>一時停止(&amp;U)	P</source>
        <translation>Pa&amp;use	P</translation>
    </message>
    <message>
        <source>得点(&amp;T)	S</source>
        <translation>S&amp;core	S</translation>
    </message>
    <message>
        <source>ゲームごとの結果(&amp;E)</source>
        <translation>R&amp;esult after each game</translation>
    </message>
</context>
<context>
    <name>Peek</name>
    <message>
        <source>右隣りの
手札のカンニング</source>
        <translation>Peek at the player 
on your right</translation>
    </message>
    <message>
        <source>右向いの
手札のカンニング</source>
        <translation>Peek at the player 
across on the right</translation>
    </message>
    <message>
        <source>左向いの
手札のカンニング</source>
        <translation>Peek at the player 
across on the left</translation>
    </message>
    <message>
        <source>左隣りの
手札のカンニング</source>
        <translation>Peek at the player 
on your left</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>%1%2</source>
        <extracomment>%1 the rank, %2 the rank&apos;s word (string 30332).</extracomment>
        <translation>%2%1</translation>
    </message>
    <message>
        <source>%1：</source>
        <translation>%1:</translation>
    </message>
    <message>
        <source>%1（%2、%3）</source>
        <extracomment>A match in the totals: %1 its points, %2 its start, %3 the human&apos;s character.</extracomment>
        <translation>%1 (%2, %3)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A rank&apos;s count in the totals: %1 the rank, %2 how often.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>&#x3000;</source>
        <translation>    </translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <extracomment>A match&apos;s state with its take-backs: %1 finished or abandoned, %2 &quot;with take-backs&quot;.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>ゲーム：</source>
        <extracomment>The game of the selected match to review.</extracomment>
        <translation>Game:</translation>
    </message>
    <message>
        <source>振り返り(&amp;V)</source>
        <translation>Re&amp;view</translation>
    </message>
    <message>
        <source>番号</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>終了日時</source>
        <translation>Ended</translation>
    </message>
    <message>
        <source>最後まで（1）／中断（0）</source>
        <translation>Finished (1) / abandoned (0)</translation>
    </message>
    <message>
        <source>ゲーム数</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>%1のキャラクター番号</source>
        <extracomment>The export&apos;s columns of one player: %1 the player (あなた, 相手1 ...).</extracomment>
        <translation>%1: character number</translation>
    </message>
    <message>
        <source>%1の名前</source>
        <translation>%1: name</translation>
    </message>
    <message>
        <source>%1の席</source>
        <translation>%1: seat</translation>
    </message>
    <message>
        <source>%1の得点</source>
        <translation>%1: points</translation>
    </message>
    <message>
        <source>相手%1</source>
        <extracomment>A computer player in the export: %1 its number, 1 to 4.</extracomment>
        <translation>Opponent %1</translation>
    </message>
    <message>
        <source>獲得した石</source>
        <translation>Stones won</translation>
    </message>
    <message>
        <source>石の残高</source>
        <translation>Stones held</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>振り返り</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>出せた札</source>
        <translation>Legal card</translation>
    </message>
    <message>
        <source>見えていた情報での価値</source>
        <translation>Value from what you could know</translation>
    </message>
    <message>
        <source>全員の手札が見えた場合の価値</source>
        <translation>Value with all cards seen</translation>
    </message>
    <message>
        <source>判定</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>取りやめ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>この対局は記録が壊れているため再現できません（%1）</source>
        <extracomment>A kept game that cannot be played again: %1 the reason.</extracomment>
        <translation>This game&apos;s record is damaged and cannot be played again (%1)</translation>
    </message>
    <message>
        <source>振り返りの計算を取りやめました</source>
        <translation>The review was cancelled</translation>
    </message>
    <message>
        <source>あなたの札を検討しています…</source>
        <translation>Looking at your cards…</translation>
    </message>
    <message>
        <source>ミスで失った点: %1（ミス %2 回）&#x3000;全員の手札が見えた場合の損失: %3</source>
        <extracomment>The review&apos;s summary: %1 points lost to mistakes, %2 the number of mistakes, %3 the points lost in all plays with all cards seen.</extracomment>
        <translation>Points lost to mistakes: %1 (%2 mistakes)   Lost with all cards seen: %3</translation>
    </message>
    <message>
        <source>第%1ゲーム&#x3000;第%2バトル&#x3000;%3トリック目&#x3000;切り札: %4</source>
        <extracomment>Where the review is: %1 the game, %2 the battle, %3 the trick, %4 the trump suit.</extracomment>
        <translation>Game %1   Battle %2   Trick %3   Trump: %4</translation>
    </message>
    <message>
        <source>%1が%2を出しました</source>
        <extracomment>Who played which card: %1 the player, %2 the card.</extracomment>
        <translation>%1 played %2</translation>
    </message>
    <message>
        <source>バトル開始時の全員の手札</source>
        <translation>Everybody&apos;s hand at the start of the battle</translation>
    </message>
    <message>
        <source>%1（%2を請求）</source>
        <extracomment>A joker led with its called suit: %1 the joker, %2 the suit.</extracomment>
        <translation>%1 (calling %2)</translation>
    </message>
    <message>
        <source>出した札</source>
        <translation>played</translation>
    </message>
    <message>
        <source>最善</source>
        <translation>best</translation>
    </message>
    <message>
        <source>ミス（%1点）</source>
        <translation>mistake (%1 points)</translation>
    </message>
</context>
<context>
    <name>Roster</name>
    <message>
        <source>紅隼</source>
        <translation>Kestrel</translation>
    </message>
    <message>
        <source>雎鳩</source>
        <translation>Osprey</translation>
    </message>
    <message>
        <source>蒼鷺</source>
        <translation>Heron</translation>
    </message>
    <message>
        <source>游隼</source>
        <translation>Falcon</translation>
    </message>
    <message>
        <source>丹頂</source>
        <translation>Crane</translation>
    </message>
    <message>
        <source>大鴉</source>
        <translation>Raven</translation>
    </message>
    <message>
        <source>喜鵲</source>
        <translation>Magpie</translation>
    </message>
    <message>
        <source>白鷺</source>
        <translation>Egret</translation>
    </message>
    <message>
        <source>百舌</source>
        <translation>Shrike</translation>
    </message>
    <message>
        <source>沢鵟</source>
        <translation>Harrier</translation>
    </message>
</context>
<context>
    <name>Select</name>
    <message>
        <source>打ち手の選択 (下の６名の中から選択してください)</source>
        <translation>Choose your player (one of the six below)</translation>
    </message>
    <message>
        <source>※ 自動スタートにするとこの画面は表示されません。</source>
        <translation>* With Automatic start this window is not shown.</translation>
    </message>
    <message>
        <source>%1の打ち手&#x3000;%2を選択します。</source>
        <extracomment>The tip of a character&apos;s button: %1 its home province, %2 the character&apos;s name.</extracomment>
        <translation>The player of %1: choose %2.</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>メモリの確保に失敗しました</source>
        <comment>30001</comment>
        <translation>Could not allocate memory.</translation>
    </message>
    <message>
        <source>ファイルの読み込みに失敗しました</source>
        <comment>30002</comment>
        <translation>Could not read the file.</translation>
    </message>
    <message>
        <source>あなたから打ち出しますか</source>
        <comment>30003</comment>
        <translation>Will you lead?</translation>
    </message>
    <message>
        <source>イメージの転写に失敗しました</source>
        <comment>30004</comment>
        <translation>Could not copy the image.</translation>
    </message>
    <message>
        <source>見せ札（２枚）を場に出してください</source>
        <comment>30005</comment>
        <translation>Put your two show cards on the field.</translation>
    </message>
    <message>
        <source>途中終了してもよろしいですか</source>
        <comment>30006</comment>
        <translation>Do you want to stop in the middle of the game?</translation>
    </message>
    <message>
        <source>カード背景イメージのセットに失敗しました</source>
        <comment>30007</comment>
        <translation>Could not set the card back image.</translation>
    </message>
    <message>
        <source>無関係グループの「逆１６」です</source>
        <comment>30008</comment>
        <translation>The unrelated group made reverse 16.</translation>
    </message>
    <message>
        <source>実行ファイルと同じ場所に上記のファイルが見つかりません</source>
        <comment>30009</comment>
        <translation>The file above is not in the program&apos;s folder.</translation>
    </message>
    <message>
        <source>タイマーがセットできませんでした</source>
        <comment>30011</comment>
        <translation>Could not set the timer.</translation>
    </message>
    <message>
        <source>現在の獲得数がなくなりますがよろしいですか</source>
        <comment>30012</comment>
        <translation>The stones gained so far will be lost. Are you sure?</translation>
    </message>
    <message>
        <source>蝦夷津軽南部伊達蘆名相馬秋田最上下野上野信濃飛弾美濃近江佐渡越後越中能登加賀越前若狭常陸下総上総安房武蔵相模甲斐伊豆駿河遠江三河尾張志摩伊勢伊賀山城大和摂津河内和泉丹波丹後但馬因幡伯耆出雲隠岐石見播磨美作備前備中備後周防安芸長門紀伊淡路阿波讃岐伊予土佐筑前筑後豊前豊後肥前肥後日向薩摩大隅琉球壱岐対馬</source>
        <comment>30013</comment>
        <translation>Ezo,Tsugaru,Nambu,Date,Ashina,Soma,Akita,Mogami,Shimotsuke,Kozuke,Shinano,Hida,Mino,Omi,Sado,Echigo,Etchu,Noto,Kaga,Echizen,Wakasa,Hitachi,Shimosa,Kazusa,Awa,Musashi,Sagami,Kai,Izu,Suruga,Totomi,Mikawa,Owari,Shima,Ise,Iga,Yamashiro,Yamato,Settsu,Kawachi,Izumi,Tamba,Tango,Tajima,Inaba,Hoki,Izumo,Oki,Iwami,Harima,Mimasaka,Bizen,Bitchu,Bingo,Suo,Aki,Nagato,Kii,Awaji,Awa,Sanuki,Iyo,Tosa,Chikuzen,Chikugo,Buzen,Bungo,Hizen,Higo,Hyuga,Satsuma,Osumi,Ryukyu,Iki,Tsushima</translation>
    </message>
    <message>
        <source>天下統一を達成しました</source>
        <comment>30014</comment>
        <translation>has unified the realm.</translation>
    </message>
    <message>
        <source>関係グループの勝ちです</source>
        <comment>30015</comment>
        <translation>The related group wins.</translation>
    </message>
    <message>
        <source>関係グループのスコン勝ちです
続けて１６を狙いますか</source>
        <comment>30016</comment>
        <translation>The related group wins with a sweep.
Go on for &quot;16&quot;?</translation>
    </message>
    <message>
        <source>関係グループが「１６」を宣言しました</source>
        <comment>30017</comment>
        <translation>The related group declared &quot;16&quot;.</translation>
    </message>
    <message>
        <source>ゲームを続けますか</source>
        <comment>30018</comment>
        <translation>Continue the match?</translation>
    </message>
    <message>
        <source>関係グループのスコン勝ちです</source>
        <comment>30019</comment>
        <translation>The related group wins with a sweep.</translation>
    </message>
    <message>
        <source>無関係グループの勝ちです</source>
        <comment>30020</comment>
        <translation>The unrelated group wins.</translation>
    </message>
    <message>
        <source>無関係グループの逆スコン勝ちです
続けて逆１６を狙いますか</source>
        <comment>30021</comment>
        <translation>The unrelated group wins with a reverse sweep.
Go on for reverse 16?</translation>
    </message>
    <message>
        <source>無関係グループが「逆１６」を宣言しました</source>
        <comment>30022</comment>
        <translation>The unrelated group declared reverse 16.</translation>
    </message>
    <message>
        <source>無関係グループの逆スコン勝ちです</source>
        <comment>30023</comment>
        <translation>The unrelated group wins with a reverse sweep.</translation>
    </message>
    <message>
        <source>関係グループの「１６はずし」です</source>
        <comment>30024</comment>
        <translation>The related group failed &quot;16&quot;.</translation>
    </message>
    <message>
        <source>関係グループの「１６」です</source>
        <comment>30025</comment>
        <translation>The related group made &quot;16&quot;.</translation>
    </message>
    <message>
        <source>無関係グループの「逆１６はずし」です</source>
        <comment>30026</comment>
        <translation>The unrelated group failed reverse 16.</translation>
    </message>
    <message>
        <source>請求された紋のカードがあります！
請求紋がある時は必ず出さなければいけません</source>
        <comment>30027</comment>
        <translation>You have a card of the called suit!
When you have the called suit, you must play it.</translation>
    </message>
    <message>
        <source>初巡のジョーカー出しはできません</source>
        <comment>30028</comment>
        <translation>The joker may not be played in the first trick.</translation>
    </message>
    <message>
        <source>第９巡目は必ずジョーカーを出さなければ駄目です</source>
        <comment>30029</comment>
        <translation>In the ninth trick you must play the joker.</translation>
    </message>
    <message>
        <source>どの紋のカードを請求するか指定します
他の打ち手は、その紋がある時は必ず出さなければいけません</source>
        <comment>30030</comment>
        <translation>Choose the suit to call.
The other players must play that suit when they have it.</translation>
    </message>
    <message>
        <source>ゲーム開始方法
① 画面左上の「旗のアイコン」をクリックします
&#x3000;または、F1キー押下します
② 表示されたメニューの「開始」をクリックします
&#x3000;設定メニューの「自動スタート」でこの動作を省略できます</source>
        <comment>30031</comment>
        <translation>How to start a game
1. Click the flag icon at the top left of the window
    or press F1
2. Click &quot;Start&quot; in the menu that opens
    &quot;Automatic start&quot; in the settings menu skips these steps</translation>
    </message>
    <message>
        <source>国盗り実行は、拡大マップでないとできません
（右下の Zoom ボタンをクリック）</source>
        <comment>30032</comment>
        <translation>Provinces can be conquered only on the enlarged map.
(Click the Zoom button at the bottom right)</translation>
    </message>
    <message>
        <source>累積石数が足りません</source>
        <comment>30033</comment>
        <translation>Not enough stones.</translation>
    </message>
    <message>
        <source>このイメージを保存しますか</source>
        <comment>30034</comment>
        <translation>Save this picture?</translation>
    </message>
    <message>
        <source>次回の起動時から適用されます</source>
        <comment>30038</comment>
        <translation>Takes effect at the next start.</translation>
    </message>
    <message>
        <source>このあと初期設定に戻り再度このイメージを表示することはできません
保存せずに初期状態に戻してもよろしいですか</source>
        <comment>30039</comment>
        <translation>After this the map goes back to its initial state and this picture cannot be shown again.
Go back to the initial state without saving?</translation>
    </message>
    <message>
        <source>自由設定イメージがセットされていません</source>
        <comment>30040</comment>
        <translation>No image of your own has been set.</translation>
    </message>
    <message>
        <source>カンニングウィンドウの作成に失敗しました</source>
        <comment>30041</comment>
        <translation>Could not open the peek window.</translation>
    </message>
    <message>
        <source>エクスプローラの起動に失敗しました</source>
        <comment>30048</comment>
        <translation>Could not open the file browser.</translation>
    </message>
    <message>
        <source>このファイルタイプはセットできません</source>
        <comment>30056</comment>
        <translation>Files of this type cannot be used.</translation>
    </message>
    <message>
        <source>指定したファイルは既に存在します
上書きしてもよろしいですか</source>
        <comment>30057</comment>
        <translation>The file already exists.
Replace it?</translation>
    </message>
    <message>
        <source>正常に保存しました
保存場所を表示しますか</source>
        <comment>30069</comment>
        <translation>Saved.
Show the folder?</translation>
    </message>
    <message>
        <source>紅隼
[性&#x3000;格] 味方ギリ。エサ撒き。敵ノセ。何でもアリ...
[本拠地] 津軽</source>
        <comment>30100</comment>
        <translation>Kestrel
[Character] Trumps partners, feeds, eggs on enemies. Anything goes...
[Home] Tsugaru</translation>
    </message>
    <message>
        <source>雎鳩
[性&#x3000;格] 独立心が強く、時々味方切りをして失敗する...
[本拠地] 伊達</source>
        <comment>30101</comment>
        <translation>Osprey
[Character] Fiercely independent; sometimes trumps a partner and fails...
[Home] Date</translation>
    </message>
    <message>
        <source>蒼鷺
[性&#x3000;格] ピンふかしの癖あり。特に役ピンは最後まで離さない...
[本拠地] 三河</source>
        <comment>30102</comment>
        <translation>Heron
[Character] Holds back aces, and never lets go of the trump ace until the end...
[Home] Mikawa</translation>
    </message>
    <message>
        <source>游隼
[性&#x3000;格] 動かざること山の如し、踊り札の出し遅れあり...
[本拠地] 甲斐</source>
        <comment>30103</comment>
        <translation>Falcon
[Character] Unmoving as a mountain; sometimes plays the key card too late...
[Home] Kai</translation>
    </message>
    <message>
        <source>丹頂
[性&#x3000;格] 手堅い札打ちに定評があり、初回のピン出しは絶対...
[本拠地] 越後</source>
        <comment>30104</comment>
        <translation>Crane
[Character] Known for safe play; always leads an ace first...
[Home] Echigo</translation>
    </message>
    <message>
        <source>大鴉
[性&#x3000;格] 抜群のスタミナの持ち主。切って切って切りまくる...
[本拠地] 尾張</source>
        <comment>30105</comment>
        <translation>Raven
[Character] Endless stamina. Trumps, trumps and trumps again...
[Home] Owari</translation>
    </message>
    <message>
        <source>喜鵲
[性&#x3000;格] 権利大好き。権利、権利で追い討ちをかける...
[本拠地] 近江</source>
        <comment>30106</comment>
        <translation>Magpie
[Character] Loves holding the trick and presses on, trick after trick...
[Home] Omi</translation>
    </message>
    <message>
        <source>白鷺
[性&#x3000;格] 二人では弱いが、三人寄れば絶対に強い...
[本拠地] 安芸</source>
        <comment>30107</comment>
        <translation>Egret
[Character] Weak as two, but unbeatable as three...
[Home] Aki</translation>
    </message>
    <message>
        <source>百舌
[性&#x3000;格] 息をつかせぬ役請求。途中で息切れ。普段は息を殺している...
[本拠地] 丹波</source>
        <comment>30108</comment>
        <translation>Shrike
[Character] Calls trump after trump, runs out of breath midway, otherwise lies low...
[Home] Tamba</translation>
    </message>
    <message>
        <source>沢鵟
[性&#x3000;格] 自力で勝利をつかもうとし、他をあてにしない...
[本拠地] 薩摩</source>
        <comment>30109</comment>
        <translation>Harrier
[Character] Wins by its own strength and counts on no one...
[Home] Satsuma</translation>
    </message>
    <message>
        <source>現在の役の紋柄です
クラブ・ダイヤ・ハート・スペードの４種類の紋柄の中で、一番強い紋柄です
一戦目の役は、第１ゲームのクラブから始まり、ダイヤ・ハートと繰り返します
第10ゲームだけは、スペードが役になります(止めスッペと呼ばれます)
二戦目、三戦目の役は、関係グループが決めます</source>
        <comment>30110</comment>
        <translation>The current trump suit.
Of the four suits, clubs, diamonds, hearts and spades, it is the strongest.
In the first battle the trump is clubs in game 1, then diamonds, hearts, and round again.
Only in game 10 spades are trump (the closing spades).
In the second and third battles the related group chooses the trump.</translation>
    </message>
    <message>
        <source>現在何ゲーム目かを表示しています
全部で10ゲーム目まであります
関係は、１ゲームごとに変わります</source>
        <comment>30111</comment>
        <translation>The number of the current game.
There are 10 games in all.
The groups change with every game.</translation>
    </message>
    <message>
        <source>現在何戦目かを表示しています
関係グループが勝ち進むと二戦目・三戦目となります
３戦目までしかありません</source>
        <comment>30112</comment>
        <translation>The number of the current battle.
When the related group keeps winning, the second and third battles follow.
There are at most three battles.</translation>
    </message>
    <message>
        <source>関係グループの勝利までに必要な絵札の枚数です
勝利決定枚数は、何戦目かで異なります
一戦目と三戦目は９枚、二戦目は８枚です</source>
        <comment>30113</comment>
        <translation>The picture cards the related group still needs to win.
The number depends on the battle:
9 in the first and third battles, 8 in the second.</translation>
    </message>
    <message>
        <source>無関係グループの勝利までに必要な絵札の枚数です
勝利決定枚数は、何戦目かで異なります
一戦目と三戦目は８枚、二戦目は９枚です</source>
        <comment>30114</comment>
        <translation>The picture cards the unrelated group still needs to win.
The number depends on the battle:
8 in the first and third battles, 9 in the second.</translation>
    </message>
    <message>
        <source>絵札の残り枚数です
絵札は、全部で16枚あります</source>
        <comment>30115</comment>
        <translation>The picture cards left.
There are 16 picture cards in all.</translation>
    </message>
    <message>
        <source>ジョーカーの残り枚数です
０の時は、既に使い終わったことを意味します
１の時は、まだ誰かの手札にあります</source>
        <comment>30116</comment>
        <translation>The jokers left.
0: the joker has been played.
1: it is still in someone&apos;s hand.</translation>
    </message>
    <message>
        <source>クラブの残り枚数です
クラブの最初の枚数は、12枚です</source>
        <comment>30117</comment>
        <translation>The clubs left.
There are 12 clubs at the start.</translation>
    </message>
    <message>
        <source>ダイヤの残り枚数です
ダイヤの最初の枚数は、12枚です</source>
        <comment>30118</comment>
        <translation>The diamonds left.
There are 12 diamonds at the start.</translation>
    </message>
    <message>
        <source>ハートの残り枚数です
ハートの最初の枚数は、12枚です</source>
        <comment>30119</comment>
        <translation>The hearts left.
There are 12 hearts at the start.</translation>
    </message>
    <message>
        <source>スペードの残り枚数です
スペードの最初の枚数は、他の紋柄より１枚多い13枚です</source>
        <comment>30120</comment>
        <translation>The spades left.
There are 13 spades at the start, one more than of the other suits.</translation>
    </message>
    <message>
        <source>各自がカードを出し合う場所で、「場」と言います
全員が出し終えた後、場に置かれた絵札は一番強かった人の面前に並べられます
絵札以外は、「捨て場」に裏返しにして重ねて置かれます
※ 場をクリックすると前の巡に各自が出したカードを確認できます
（マウスボタンを離すと元に戻ります）</source>
        <comment>30121</comment>
        <translation>The place where everyone plays a card: the &quot;field&quot;.
When all have played, the picture cards on the field are laid in front of the player who played the strongest card.
The other cards are put face down on the &quot;discard pile&quot;.
* Click the field to see the cards everyone played in the previous trick
(they go back when you release the mouse button)</translation>
    </message>
    <message>
        <source>場に置かれた絵札以外のカードを置く場所で、「捨て場」と言います
※ 捨て場をクリックするとカードを確認できます
（マウスボタンを離すと元に戻ります）
※ これはゲームの時だけで、実際のQuintrickでは、絶対にやらないでください</source>
        <comment>30122</comment>
        <translation>Where the cards of the field that are not picture cards go: the &quot;discard pile&quot;.
* Click the discard pile to see its cards
(they go back when you release the mouse button)
* Only in this program: never do this in a real game of Quintrick</translation>
    </message>
    <message>
        <source>現在の打ち手を表しています</source>
        <comment>30123</comment>
        <translation>Shows whose turn it is.</translation>
    </message>
    <message>
        <source>俯瞰角を増加させます
広範囲に場などに置かれたカードを見ることができます
※ F4キーでも操作できます</source>
        <comment>30124</comment>
        <translation>Raises the viewing angle.
You see more of the cards on the field and around it.
* F4 does the same</translation>
    </message>
    <message>
        <source>俯瞰角を減少させます
場などの視界はせまくなりますが、立体的になります
※ F5キーでも操作できます</source>
        <comment>30125</comment>
        <translation>Lowers the viewing angle.
You see less of the field, but in more depth.
* F5 does the same</translation>
    </message>
    <message>
        <source>今の巡の請求紋です
同じ紋がある場合は、他の紋のカードは出せません
ただし、ジョーカーは、同じ紋があっても出すことができます</source>
        <comment>30126</comment>
        <translation>The called suit of this trick.
When you have that suit, you may not play another.
The joker, though, may be played even when you have the suit.</translation>
    </message>
    <message>
        <source>現時点での権利の状態を表しています
「安全地帯標識」の場合は、味方に権利がある状態
「その他の危険標識」の場合は、敵に権利がある状態
を表しています</source>
        <comment>30127</comment>
        <translation>Shows who is holding the trick now.
The &quot;safety zone sign&quot;: your side holds it.
The other, &quot;danger signs&quot;: the other side holds it.</translation>
    </message>
    <message>
        <source>実行ファイルと同じ場所にヘルプフォルダがありません</source>
        <comment>30162</comment>
        <translation>There is no help folder beside the program.</translation>
    </message>
    <message>
        <source>上記の設定ファイルに書き込めないため、設定と国盗りの進行を保存できません
終了するまでは今の設定のまま続けられます</source>
        <comment>30170</comment>
        <translation>The settings file above cannot be written, so the settings and the province conquest cannot be saved.
You can play on with the current settings until you quit.</translation>
    </message>
    <message>
        <source>設定ファイルが大きすぎるため上記の名前で別に残し、初期設定で始めます</source>
        <comment>30171</comment>
        <translation>The settings file was too large: it was kept under the name above, and the game starts with the default settings.</translation>
    </message>
    <message>
        <source>上記のファイルに書き込めませんでした</source>
        <comment>30172</comment>
        <translation>The file above could not be written.</translation>
    </message>
    <message>
        <source>Ver 1.00&#x3000;2001.04.08&#x3000;最初の公開版</source>
        <comment>30200</comment>
        <translation>Ver 1.00  2001.04.08  First public release</translation>
    </message>
    <message>
        <source>Ver 1.10&#x3000;2001.09.15&#x3000;コンピュータの打ち筋を強化し、残り枚数表示・効果音・国盗りを追加</source>
        <comment>30201</comment>
        <translation>Ver 1.10  2001.09.15  Stronger computer play; remaining cards, sound effects and province conquest added</translation>
    </message>
    <message>
        <source>Ver 1.11&#x3000;2002.01.20&#x3000;細かな不具合を直し、打ち筋をさらに強化</source>
        <comment>30202</comment>
        <translation>Ver 1.11  2002.01.20  Small fixes and stronger play</translation>
    </message>
    <message>
        <source>Ver 2.00&#x3000;2004.06.06&#x3000;全面的に作り直し</source>
        <comment>30203</comment>
        <translation>Ver 2.00  2004.06.06  Rebuilt from the ground up</translation>
    </message>
    <message>
        <source>Ver 2.10&#x3000;2009.11.03&#x3000;カンニングモード（手札の覗き見）を追加</source>
        <comment>30204</comment>
        <translation>Ver 2.10  2009.11.03  Peek mode (looking into hands) added</translation>
    </message>
    <message>
        <source>Ver 2.20&#x3000;2010.05.22&#x3000;起動を速くし、打ち筋を強化</source>
        <comment>30205</comment>
        <translation>Ver 2.20  2010.05.22  Faster start and stronger play</translation>
    </message>
    <message>
        <source>Ver 2.30&#x3000;2011.08.11&#x3000;カード画像をフルカラーに変更</source>
        <comment>30206</comment>
        <translation>Ver 2.30  2011.08.11  Full-colour card pictures</translation>
    </message>
    <message>
        <source>Ver 2.40&#x3000;2013.02.17&#x3000;新しいOSのリリースに対応</source>
        <comment>30207</comment>
        <translation>Ver 2.40  2013.02.17  Runs on the new OS release</translation>
    </message>
    <message>
        <source>Ver 2.50&#x3000;2015.10.04&#x3000;その次のOSのリリースに対応</source>
        <comment>30208</comment>
        <translation>Ver 2.50  2015.10.04  Runs on the OS release after that</translation>
    </message>
    <message>
        <source>戦績</source>
        <comment>30300</comment>
        <translation>Records</translation>
    </message>
    <message>
        <source>マッチ数</source>
        <comment>30301</comment>
        <translation>Matches</translation>
    </message>
    <message>
        <source>最後まで終えたマッチ</source>
        <comment>30302</comment>
        <translation>Matches finished</translation>
    </message>
    <message>
        <source>平均得点</source>
        <comment>30303</comment>
        <translation>Average points</translation>
    </message>
    <message>
        <source>順位の分布</source>
        <comment>30304</comment>
        <translation>Ranks</translation>
    </message>
    <message>
        <source>最高のマッチ</source>
        <comment>30305</comment>
        <translation>Best match</translation>
    </message>
    <message>
        <source>最低のマッチ</source>
        <comment>30306</comment>
        <translation>Worst match</translation>
    </message>
    <message>
        <source>プラスの連続（最長）</source>
        <comment>30307</comment>
        <translation>Longest run of plus matches</translation>
    </message>
    <message>
        <source>キャラクター</source>
        <comment>30308</comment>
        <translation>Character</translation>
    </message>
    <message>
        <source>勝率（１位）</source>
        <comment>30309</comment>
        <translation>Wins (1st place)</translation>
    </message>
    <message>
        <source>平均絵札数</source>
        <comment>30310</comment>
        <translation>Average picture cards</translation>
    </message>
    <message>
        <source>得点の推移</source>
        <comment>30311</comment>
        <translation>Points by match</translation>
    </message>
    <message>
        <source>移動平均（１０マッチ）</source>
        <comment>30312</comment>
        <translation>Moving average (10 matches)</translation>
    </message>
    <message>
        <source>順位の回数</source>
        <comment>30313</comment>
        <translation>Times at each rank</translation>
    </message>
    <message>
        <source>最近の５０マッチ</source>
        <comment>30314</comment>
        <translation>Last 50 matches</translation>
    </message>
    <message>
        <source>CSVに書き出す</source>
        <comment>30315</comment>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>記録を消去</source>
        <comment>30316</comment>
        <translation>Clear records</translation>
    </message>
    <message>
        <source>閉じる</source>
        <comment>30317</comment>
        <translation>Close</translation>
    </message>
    <message>
        <source>すべての戦績を消去します
よろしいですか</source>
        <comment>30318</comment>
        <translation>All records will be cleared.
Are you sure?</translation>
    </message>
    <message>
        <source>戦績ファイルが壊れていたため、上記の名前で退避して新しく作り直しました</source>
        <comment>30319</comment>
        <translation>The records file was damaged: it was kept under the name above and a new one was made.</translation>
    </message>
    <message>
        <source>戦績ファイルに書き込めません
今回は戦績を記録せずにゲームを続けます</source>
        <comment>30320</comment>
        <translation>The records file cannot be written.
The game goes on without recording this time.</translation>
    </message>
    <message>
        <source>CSVファイルの書き出しに失敗しました</source>
        <comment>30321</comment>
        <translation>Could not write the CSV file.</translation>
    </message>
    <message>
        <source>あなた</source>
        <comment>30322</comment>
        <translation>You</translation>
    </message>
    <message>
        <source>対戦相手</source>
        <comment>30323</comment>
        <translation>Opponents</translation>
    </message>
    <message>
        <source>開始日時</source>
        <comment>30324</comment>
        <translation>Started</translation>
    </message>
    <message>
        <source>順位</source>
        <comment>30325</comment>
        <translation>Rank</translation>
    </message>
    <message>
        <source>得点</source>
        <comment>30326</comment>
        <translation>Points</translation>
    </message>
    <message>
        <source>状態</source>
        <comment>30327</comment>
        <translation>State</translation>
    </message>
    <message>
        <source>終了</source>
        <comment>30328</comment>
        <translation>Finished</translation>
    </message>
    <message>
        <source>中断</source>
        <comment>30329</comment>
        <translation>Abandoned</translation>
    </message>
    <message>
        <source>石</source>
        <comment>30330</comment>
        <translation>Stones</translation>
    </message>
    <message>
        <source>マッチ</source>
        <comment>30331</comment>
        <translation>Match</translation>
    </message>
    <message>
        <source>位</source>
        <comment>30332</comment>
        <translation>#</translation>
    </message>
    <message>
        <source>回数</source>
        <comment>30333</comment>
        <translation>Times</translation>
    </message>
    <message>
        <source>CSVファイル (*.csv)</source>
        <comment>30334</comment>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>ゲーム数</source>
        <comment>30335</comment>
        <translation>Games</translation>
    </message>
    <message>
        <source>まだ戦績がありません</source>
        <comment>30336</comment>
        <translation>No records yet</translation>
    </message>
    <message>
        <source>集計</source>
        <comment>30337</comment>
        <translation>Summary</translation>
    </message>
    <message>
        <source>グラフ</source>
        <comment>30338</comment>
        <translation>Charts</translation>
    </message>
    <message>
        <source>立場</source>
        <comment>30339</comment>
        <translation>Role</translation>
    </message>
    <message>
        <source>強さ(&amp;L)</source>
        <comment>30340</comment>
        <translation>&amp;Level</translation>
    </message>
    <message>
        <source>標準(&amp;N)</source>
        <comment>30341</comment>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>強い(&amp;H)</source>
        <comment>30342</comment>
        <translation>&amp;Strong</translation>
    </message>
    <message>
        <source>[強&#x3000;さ] 標準 (性格どおりの札打ち)</source>
        <comment>30343</comment>
        <translation>[Level] Normal (plays by its character)</translation>
    </message>
    <message>
        <source>[強&#x3000;さ] 強い (性格どおりの宣言、札は見えない手札を読んで選びます)</source>
        <comment>30344</comment>
        <translation>[Level] Strong (declares by its character, and chooses its cards by reading the hands it cannot see)</translation>
    </message>
    <message>
        <source>ヒント(&amp;H)	H</source>
        <comment>30345</comment>
        <translation>&amp;Hint	H</translation>
    </message>
    <message>
        <source>ヒント: %1（このカードでグループが勝つ見込み %2%）</source>
        <comment>30346</comment>
        <translation>Hint: %1 (your group wins with this card %2% of the time)</translation>
    </message>
    <message>
        <source>ヒント: %1（出せるカードはこれだけです）</source>
        <comment>30347</comment>
        <translation>Hint: %1 (the only card you can play)</translation>
    </message>
    <message>
        <source>クラブ,ダイヤ,ハート,スペード</source>
        <comment>30348</comment>
        <translation>Clubs,Diamonds,Hearts,Spades</translation>
    </message>
    <message>
        <source>２,３,４,５,６,７,８,９,１０,Ｊ,Ｑ,Ｋ,Ａ</source>
        <comment>30349</comment>
        <translation>2,3,4,5,6,7,8,9,10,Jack,Queen,King,Ace</translation>
    </message>
    <message>
        <source>ジョーカー</source>
        <comment>30350</comment>
        <translation>Joker</translation>
    </message>
    <message>
        <source>ヒント: %1</source>
        <comment>30351</comment>
        <translation>Hint: %1</translation>
    </message>
    <message>
        <source>前回のマッチの続きを遊びますか？</source>
        <comment>30360</comment>
        <translation>Continue the last match?</translation>
    </message>
    <message>
        <source>中断したマッチを復元できませんでした
保存ファイルは match.json.bad として残しました</source>
        <comment>30361</comment>
        <translation>The interrupted match could not be restored.
The saved file was kept as match.json.bad</translation>
    </message>
    <message>
        <source>対戦中のマッチを破棄して新しいマッチを始めますか？</source>
        <comment>30362</comment>
        <translation>Give up the match in progress and start a new one?</translation>
    </message>
    <message>
        <source>盗れる国がありません！！</source>
        <comment>30380</comment>
        <translation>No province left to take!!</translation>
    </message>
    <message>
        <source>この打ち手は自国がないので国盗りできません！！</source>
        <comment>30381</comment>
        <translation>Owns no province: cannot conquer!!</translation>
    </message>
    <message>
        <source>現在の石数: %1  ｢%2｣ が盗れます。</source>
        <comment>30382</comment>
        <translation>Stones: %1  You can take %2.</translation>
    </message>
    <message>
        <source>現在の石数: %1  石数不足で、盗れる国がありません！！</source>
        <comment>30383</comment>
        <translation>Stones: %1  Too few to take a province!!</translation>
    </message>
    <message>
        <source>レギュラー ｢%1｣ の国盗り</source>
        <comment>30384</comment>
        <translation>Regular %1&apos;s conquest</translation>
    </message>
    <message>
        <source> ｢%1｣ を盗ります。
    (残り : %2)</source>
        <comment>30385</comment>
        <translation>Takes %1.
    (stones left: %2)</translation>
    </message>
    <message>
        <source>初期設定に戻りました。</source>
        <comment>30386</comment>
        <translation>Back to the initial state.</translation>
    </message>
    <message>
        <source>%1が
</source>
        <comment>30387</comment>
        <translation>%1
</translation>
    </message>
    <message>
        <source>対戦中のマッチを上記のファイルに保存できませんでした
このまま遊べます。次の区切りでもう一度保存します</source>
        <comment>30390</comment>
        <translation>The match in progress could not be saved to the file above.
You can play on; the game tries again at the next break.</translation>
    </message>
    <message>
        <source>中断したマッチを復元できませんでした
保存ファイルは別名にできなかったため、上記の場所にそのまま残っています</source>
        <comment>30391</comment>
        <translation>The interrupted match could not be restored.
The saved file could not be renamed, so it stays where it is (above).</translation>
    </message>
    <message>
        <source>戦績ファイルは他のプログラムが使用中です
記録は失われません。空きしだい書き込みます</source>
        <comment>30392</comment>
        <translation>The records file is in use by another program.
Nothing is lost: the records are written as soon as it is free.</translation>
    </message>
    <message>
        <source>一手戻しあり</source>
        <comment>30400</comment>
        <translation>with take-backs</translation>
    </message>
    <message>
        <source>一手戻したマッチも集計に含める</source>
        <comment>30401</comment>
        <translation>Count matches played with take-backs</translation>
    </message>
    <message>
        <source>振り返ることのできる対局がまだありません</source>
        <comment>30402</comment>
        <translation>There is no game to review yet</translation>
    </message>
    <message>
        <source>第%1ゲームの結果</source>
        <comment>30411</comment>
        <translation>Result of game %1</translation>
    </message>
    <message>
        <source>第%1戦&#x3000;%2</source>
        <comment>30412</comment>
        <translation>Battle %1: %2</translation>
    </message>
    <message>
        <source>関係</source>
        <comment>30413</comment>
        <translation>related</translation>
    </message>
    <message>
        <source>無関係</source>
        <comment>30414</comment>
        <translation>unrelated</translation>
    </message>
    <message>
        <source>%1（%2）&#x3000;この回 %3&#x3000;合計 %4&#x3000;絵札 %5枚</source>
        <comment>30415</comment>
        <translation>%1 (%2): this game %3, total %4, %5 pictures</translation>
    </message>
    <message>
        <source>&#x3000;%1&#x3000;石 %2（計 %3）</source>
        <comment>30416</comment>
        <translation>, %1, stones %2 (now %3)</translation>
    </message>
    <message>
        <source>%1位</source>
        <comment>30417</comment>
        <translation>#%1</translation>
    </message>
    <message>
        <source>閉じる (Enter)</source>
        <comment>30418</comment>
        <translation>Close (Enter)</translation>
    </message>
    <message>
        <source>打ち手</source>
        <comment>30419</comment>
        <translation>Player</translation>
    </message>
    <message>
        <source>グループ</source>
        <comment>30420</comment>
        <translation>Group</translation>
    </message>
    <message>
        <source>この回</source>
        <comment>30421</comment>
        <translation>This game</translation>
    </message>
    <message>
        <source>合計</source>
        <comment>30422</comment>
        <translation>Total</translation>
    </message>
    <message>
        <source>絵札</source>
        <comment>30423</comment>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>順位</source>
        <comment>30424</comment>
        <translation>Rank</translation>
    </message>
    <message>
        <source>石</source>
        <comment>30425</comment>
        <translation>Stones</translation>
    </message>
    <message>
        <source>マッチ終了</source>
        <comment>30426</comment>
        <translation>Match over</translation>
    </message>
    <message>
        <source>見せ札を場に出してください（あと%1枚）：ダブルクリック、場へドラッグ、または Enter</source>
        <comment>30427</comment>
        <translation>Put out your show cards (%1 to go): double-click a card, drag it to the field, or press Enter</translation>
    </message>
    <message>
        <source>一時停止中&#x3000;P で再開します</source>
        <comment>30428</comment>
        <translation>Paused: press P to go on</translation>
    </message>
    <message>
        <source>対戦中のマッチは保存され、次に起動したときに続きから遊べます</source>
        <comment>30429</comment>
        <translation>The match in progress is kept; you can continue it at the next start.</translation>
    </message>
    <message>
        <source>今のマッチは中断として戦績に残り、続きからは遊べなくなります</source>
        <comment>30430</comment>
        <translation>The current match is recorded as abandoned and cannot be continued.</translation>
    </message>
    <message>
        <source>消去した戦績は元に戻せません</source>
        <comment>30431</comment>
        <translation>Cleared records cannot be restored.</translation>
    </message>
    <message>
        <source>第%1ゲーム（全１０ゲーム）、%2に開始したマッチ
</source>
        <comment>30432</comment>
        <translation>The match started %2, at game %1 of 10.
</translation>
    </message>
    <message>
        <source>戦績をCSVファイルに書き出しました</source>
        <comment>30433</comment>
        <translation>The records were written to this CSV file.</translation>
    </message>
    <message>
        <source>○の印：関係グループ</source>
        <comment>30440</comment>
        <translation>Circle sign: related group</translation>
    </message>
    <message>
        <source>△の印：無関係グループ</source>
        <comment>30441</comment>
        <translation>Triangle sign: unrelated group</translation>
    </message>
    <message>
        <source>選んだ理由：%1</source>
        <comment>30470</comment>
        <translation>Why: %1</translation>
    </message>
    <message>
        <source>取る価値のある場にジョーカー</source>
        <comment>30471</comment>
        <translation>The joker, on a trick worth taking</translation>
    </message>
    <message>
        <source>出せる札が１枚だけ</source>
        <comment>30472</comment>
        <translation>The only card it could play</translation>
    </message>
    <message>
        <source>最後の番なので味方にＪかＱを渡す</source>
        <comment>30473</comment>
        <translation>Last to play: a jack or queen to its own group</translation>
    </message>
    <message>
        <source>相手がジョーカーを持つので絵札を残す</source>
        <comment>30474</comment>
        <translation>An opponent holds the joker: keeps its picture card</translation>
    </message>
    <message>
        <source>後に相手がいないので場を取る</source>
        <comment>30475</comment>
        <translation>No opponent plays after it: takes the trick</translation>
    </message>
    <message>
        <source>後に相手がいないのでエサ撒き</source>
        <comment>30476</comment>
        <translation>No opponent plays after it: feeds its group</translation>
    </message>
    <message>
        <source>味方のＡにＪかＱを付ける</source>
        <comment>30477</comment>
        <translation>A jack or queen on its partner&apos;s ace</translation>
    </message>
    <message>
        <source>請求紋のＡ</source>
        <comment>30478</comment>
        <translation>The ace of the called suit</translation>
    </message>
    <message>
        <source>請求紋のいちばん低い札</source>
        <comment>30479</comment>
        <translation>The lowest card of the called suit</translation>
    </message>
    <message>
        <source>請求紋がないので味方のＡにＪかＱを捨てる</source>
        <comment>30480</comment>
        <translation>Void in the called suit: a jack or queen on its partner&apos;s ace</translation>
    </message>
    <message>
        <source>切り札でない低い札</source>
        <comment>30481</comment>
        <translation>A low card that is not trump</translation>
    </message>
    <message>
        <source>切り札で上から取る</source>
        <comment>30482</comment>
        <translation>Trumps over the best card</translation>
    </message>
    <message>
        <source>低い札</source>
        <comment>30483</comment>
        <translation>A low card</translation>
    </message>
    <message>
        <source>いちばん低い絵札</source>
        <comment>30484</comment>
        <translation>The lowest picture card</translation>
    </message>
    <message>
        <source>手札の２枚目</source>
        <comment>30485</comment>
        <translation>The second card of its hand</translation>
    </message>
    <message>
        <source>ジョーカーで打ち出す</source>
        <comment>30486</comment>
        <translation>Leads the joker</translation>
    </message>
    <message>
        <source>切り札でない組の残りで最強の札</source>
        <comment>30487</comment>
        <translation>The top remaining card of a suit that is not trump</translation>
    </message>
    <message>
        <source>切り札でない札</source>
        <comment>30488</comment>
        <translation>A card that is not trump</translation>
    </message>
    <message>
        <source>残りで最強の切り札</source>
        <comment>30489</comment>
        <translation>The top remaining trump</translation>
    </message>
    <message>
        <source>低い切り札</source>
        <comment>30490</comment>
        <translation>A low trump</translation>
    </message>
    <message>
        <source>Ａで打ち出す</source>
        <comment>30491</comment>
        <translation>Leads an ace</translation>
    </message>
    <message>
        <source>その組の残りで最強の札</source>
        <comment>30492</comment>
        <translation>The top remaining card of its suit</translation>
    </message>
    <message>
        <source>出せる札のうちいちばん低い札</source>
        <comment>30493</comment>
        <translation>The lowest card the rules allow</translation>
    </message>
    <message>
        <source>見えた札から配りを推し量って読んだ</source>
        <comment>30494</comment>
        <translation>Read ahead over the deals that fit what it had seen</translation>
    </message>
    <message>
        <source>選べる手が一つだけで読むまでもない</source>
        <comment>30495</comment>
        <translation>Only one choice: nothing to read ahead</translation>
    </message>
    <message>
        <source>つじつまの合う配りが見つからず最初の札</source>
        <comment>30496</comment>
        <translation>No deal fits what it had seen: its first card</translation>
    </message>
    <message>
        <source>振り返り (V)</source>
        <comment>30497</comment>
        <translation>Review (V)</translation>
    </message>
</context>
<context>
    <name>SuitDialog</name>
    <message>
        <source>クラブを指定します</source>
        <translation>Choose clubs</translation>
    </message>
    <message>
        <source>ダイヤを指定します</source>
        <translation>Choose diamonds</translation>
    </message>
    <message>
        <source>ハートを指定します</source>
        <translation>Choose hearts</translation>
    </message>
    <message>
        <source>スッペを指定します</source>
        <translation>Choose spades</translation>
    </message>
    <message>
        <source>役に</source>
        <translation>Trump:</translation>
    </message>
    <message>
        <source>紋の指定</source>
        <translation>Choose a suit</translation>
    </message>
    <message>
        <source>請求</source>
        <translation>Call:</translation>
    </message>
    <message>
        <source>する紋を指定してください。</source>
        <translation>choose the suit.</translation>
    </message>
    <message>
        <source>決 定(&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TableSpeech</name>
    <message>
        <source>手札</source>
        <translation>Your hand</translation>
    </message>
    <message>
        <source>場</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>トランプの卓</source>
        <translation>Card table</translation>
    </message>
    <message>
        <source>あなた</source>
        <translation>You</translation>
    </message>
    <message>
        <source>、</source>
        <extracomment>Between the names of a group&apos;s players.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>出せます</source>
        <translation>playable now</translation>
    </message>
    <message>
        <source>今は出せません</source>
        <translation>not playable now</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A seat&apos;s card on the field: %1 the player, %2 the card.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: まだ出していません</source>
        <translation>%1: no card yet</translation>
    </message>
    <message>
        <source>ゲームはまだ始まっていません</source>
        <translation>No game has started yet</translation>
    </message>
    <message>
        <source>第%1ゲーム 第%2戦 役は%3</source>
        <extracomment>%1 the game (1-10), %2 the battle (1-3), %3 the trump suit.</extracomment>
        <translation>Game %1, battle %2, trump %3</translation>
    </message>
    <message>
        <source>関係グループ %1: 絵札%2枚 (勝ちまで%3枚)</source>
        <extracomment>%1 the players of the related group, %2 its picture cards, %3 the number it needs.</extracomment>
        <translation>Related group %1: %2 picture cards (%3 to win)</translation>
    </message>
    <message>
        <source>無関係グループ %1: 絵札%2枚 (勝ちまで%3枚)</source>
        <translation>Unrelated group %1: %2 picture cards (%3 to win)</translation>
    </message>
    <message>
        <source>あなたが見せ札を２枚出す番です</source>
        <translation>Your turn to put out two show cards</translation>
    </message>
    <message>
        <source>あなたの番です</source>
        <translation>Your turn</translation>
    </message>
    <message>
        <source>%1の番です</source>
        <translation>%1&apos;s turn</translation>
    </message>
    <message>
        <source>%1 %2点</source>
        <translation>%1 %2 points</translation>
    </message>
    <message>
        <source>得点: %1</source>
        <translation>Points: %1</translation>
    </message>
    <message>
        <source>。</source>
        <extracomment>Between the parts of the state of the game.</extracomment>
        <translation>. </translation>
    </message>
    <message>
        <source>第%1ゲームが始まります。役は%2です</source>
        <translation>Game %1 begins. Trump is %2</translation>
    </message>
    <message>
        <source>配り直しです</source>
        <translation>Redeal</translation>
    </message>
    <message>
        <source>%1の見せ札は%2と%3です</source>
        <translation>%1 shows %2 and %3</translation>
    </message>
    <message>
        <source>%1が役を%2に決めました</source>
        <translation>%1 names %2 as trump</translation>
    </message>
    <message>
        <source>%1が%2を請求しました</source>
        <translation>%1 calls %2</translation>
    </message>
    <message>
        <source>%1が%2を出しました</source>
        <translation>%1 played %2</translation>
    </message>
    <message>
        <source>。%1を請求しました</source>
        <translation>, calling %1</translation>
    </message>
    <message>
        <source>%1が取りました。絵札は関係グループ%2枚、無関係グループ%3枚です</source>
        <extracomment>%1 the winner of the trick; %2 and %3 the picture cards each group has taken.</extracomment>
        <translation>%1 takes the trick. Picture cards: related group %2, unrelated group %3</translation>
    </message>
    <message>
        <source>「１６」は宣言しませんでした</source>
        <translation>No “16” declared</translation>
    </message>
    <message>
        <source>「逆１６」は宣言しませんでした</source>
        <translation>No reverse “16” declared</translation>
    </message>
    <message>
        <source>次の戦に進みます</source>
        <translation>On to the next battle</translation>
    </message>
    <message>
        <source>第%1ゲームの結果: %2</source>
        <translation>Game %1 result: %2</translation>
    </message>
</context>
<context>
    <name>quintrick::CKeyReference</name>
    <message>
        <source>← →</source>
        <translation>← →</translation>
    </message>
    <message>
        <source>手札(見せ札)のカードを選ぶ</source>
        <translation>choose a card of the hand (also the show cards)</translation>
    </message>
    <message>
        <source>Home / End</source>
        <translation>Home / End</translation>
    </message>
    <message>
        <source>手札の最初 / 最後のカード</source>
        <translation>the first / last card of the hand</translation>
    </message>
    <message>
        <source>Enter, Space, ↑</source>
        <translation>Enter, Space, ↑</translation>
    </message>
    <message>
        <source>選んだカードを出す(見せ札を出す)</source>
        <translation>play the chosen card (put out / take back a show card)</translation>
    </message>
    <message>
        <source>ゲームメニュー</source>
        <translation>the game menu</translation>
    </message>
    <message>
        <source>設定メニュー</source>
        <translation>the settings menu</translation>
    </message>
    <message>
        <source>ヘルプメニュー</source>
        <translation>the help menu</translation>
    </message>
    <message>
        <source>見下ろす角度を上げる / 下げる</source>
        <translation>bird&apos;s-eye angle up / down</translation>
    </message>
    <message>
        <source>戦績</source>
        <translation>the records</translation>
    </message>
    <message>
        <source>全画面の切り替え</source>
        <translation>full screen on / off</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>hint</translation>
    </message>
    <message>
        <source>得点表の表示 / 非表示</source>
        <translation>the score board on / off</translation>
    </message>
    <message>
        <source>前の巡の札を見る(もう一度で閉じる)</source>
        <translation>show the last trick (again: hide)</translation>
    </message>
    <message>
        <source>捨て札を見る(もう一度で閉じる)</source>
        <translation>show the discards (again: hide)</translation>
    </message>
    <message>
        <source>一時停止 / 再開</source>
        <translation>pause / resume the match</translation>
    </message>
    <message>
        <source>ゲームの状況を読み上げる</source>
        <translation>say the state of the game</translation>
    </message>
    <message>
        <source>このキー一覧</source>
        <translation>this key reference</translation>
    </message>
    <message>
        <source>効果音のオン / オフ</source>
        <translation>sound on / off (mute)</translation>
    </message>
    <message>
        <source>音量を下げる / 上げる</source>
        <translation>sound volume down / up</translation>
    </message>
    <message>
        <source>前のゲームの振り返り</source>
        <translation>review the last game</translation>
    </message>
    <message>
        <source>新しいマッチ</source>
        <translation>new match</translation>
    </message>
    <message>
        <source>一手戻す</source>
        <translation>take back</translation>
    </message>
    <message>
        <source>開いている表示を閉じる / 全画面を抜ける</source>
        <translation>close the panel or overlay that is open; leave full screen</translation>
    </message>
    <message>
        <source>キー一覧</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>? または Escape で閉じます</source>
        <translation>? or Escape closes this list</translation>
    </message>
</context>
<context>
    <name>quintrick::CT40913View</name>
    <message>
        <source>トランプの卓</source>
        <extracomment>The game&apos;s table as screen readers name it.</extracomment>
        <translation>Card table</translation>
    </message>
    <message>
        <source>音量(&amp;V)</source>
        <translation>&amp;Volume</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>下げる	-</source>
        <extracomment>The keys that change the volume in steps of 10 %.</extracomment>
        <translation>Down	-</translation>
    </message>
    <message>
        <source>上げる	+</source>
        <translation>Up	+</translation>
    </message>
    <message>
        <source>実況を文字でも表示(&amp;W)</source>
        <translation>Announcements as &amp;text</translation>
    </message>
    <message>
        <source>音量 %1 %</source>
        <extracomment>Said when the volume changes: %1 the new volume in per cent.</extracomment>
        <translation>Volume %1 %</translation>
    </message>
    <message>
        <source>効果音 オン</source>
        <translation>Sound on</translation>
    </message>
    <message>
        <source>効果音 オフ</source>
        <translation>Sound off</translation>
    </message>
    <message>
        <source>実況</source>
        <translation>Announcements</translation>
    </message>
</context>
</TS>
