#include "strings.h"

#include <algorithm>
#include <iterator>

namespace quintrick {
namespace {

// The translation tools find every text by this marker (and its context and id); the program
// itself keeps the Japanese text here, and the window translates it by the same context and id.
#define QT_TRANSLATE_NOOP3(context, text, id) text

struct Entry {
    int id;
    std::string_view text;
};

// Sorted by id.
constexpr Entry kTable[] = {
    {30001, QT_TRANSLATE_NOOP3("StringTable", "メモリの確保に失敗しました", "30001")},
    {30002, QT_TRANSLATE_NOOP3("StringTable", "ファイルの読み込みに失敗しました", "30002")},
    {30003, QT_TRANSLATE_NOOP3("StringTable", "あなたから打ち出しますか", "30003")},
    {30004, QT_TRANSLATE_NOOP3("StringTable", "イメージの転写に失敗しました", "30004")},
    {30005, QT_TRANSLATE_NOOP3("StringTable", "見せ札（２枚）を場に出してください", "30005")},
    {30006, QT_TRANSLATE_NOOP3("StringTable", "途中終了してもよろしいですか", "30006")},
    {30007, QT_TRANSLATE_NOOP3("StringTable", "カード背景イメージのセットに失敗しました", "30007")},
    {30008, QT_TRANSLATE_NOOP3("StringTable", "無関係グループの「逆１６」です", "30008")},
    {30009, QT_TRANSLATE_NOOP3("StringTable",
                               "実行ファイルと同じ場所に上記のファイルが見つかりません", "30009")},
    {30011, QT_TRANSLATE_NOOP3("StringTable", "タイマーがセットできませんでした", "30011")},
    {30012,
     QT_TRANSLATE_NOOP3("StringTable", "現在の獲得数がなくなりますがよろしいですか", "30012")},
    {30013, QT_TRANSLATE_NOOP3("StringTable",
                               "蝦夷津軽南部伊達蘆名相馬秋田最上下野上野信濃飛弾美濃近江佐渡越後越"
                               "中能登加賀越前若狭常陸下総"
                               "上総安房武蔵相模甲斐伊豆駿河遠江三河尾張志摩伊勢伊賀山城大和摂津河"
                               "内和泉丹波丹後但馬因幡伯耆"
                               "出雲隠岐石見播磨美作備前備中備後周防安芸長門紀伊淡路阿波讃岐伊予土"
                               "佐筑前筑後豊前豊後肥前肥後"
                               "日向薩摩大隅琉球壱岐対馬",
                               "30013")},
    {30014, QT_TRANSLATE_NOOP3("StringTable", "天下統一を達成しました", "30014")},
    {30015, QT_TRANSLATE_NOOP3("StringTable", "関係グループの勝ちです", "30015")},
    {30016, QT_TRANSLATE_NOOP3("StringTable",
                               "関係グループのスコン勝ちです\n続けて１６を狙いますか", "30016")},
    {30017, QT_TRANSLATE_NOOP3("StringTable", "関係グループが「１６」を宣言しました", "30017")},
    {30018, QT_TRANSLATE_NOOP3("StringTable", "ゲームを続けますか", "30018")},
    {30019, QT_TRANSLATE_NOOP3("StringTable", "関係グループのスコン勝ちです", "30019")},
    {30020, QT_TRANSLATE_NOOP3("StringTable", "無関係グループの勝ちです", "30020")},
    {30021,
     QT_TRANSLATE_NOOP3("StringTable", "無関係グループの逆スコン勝ちです\n続けて逆１６を狙いますか",
                        "30021")},
    {30022, QT_TRANSLATE_NOOP3("StringTable", "無関係グループが「逆１６」を宣言しました", "30022")},
    {30023, QT_TRANSLATE_NOOP3("StringTable", "無関係グループの逆スコン勝ちです", "30023")},
    {30024, QT_TRANSLATE_NOOP3("StringTable", "関係グループの「１６はずし」です", "30024")},
    {30025, QT_TRANSLATE_NOOP3("StringTable", "関係グループの「１６」です", "30025")},
    {30026, QT_TRANSLATE_NOOP3("StringTable", "無関係グループの「逆１６はずし」です", "30026")},
    {30027,
     QT_TRANSLATE_NOOP3(
         "StringTable",
         "請求された紋のカードがあります！\n請求紋がある時は必ず出さなければいけません", "30027")},
    {30028, QT_TRANSLATE_NOOP3("StringTable", "初巡のジョーカー出しはできません", "30028")},
    {30029,
     QT_TRANSLATE_NOOP3("StringTable", "第９巡目は必ずジョーカーを出さなければ駄目です", "30029")},
    {30030, QT_TRANSLATE_NOOP3("StringTable",
                               "どの紋のカードを請求するか指定します\n他の打ち手は、その紋がある時"
                               "は必ず出さなければいけませ"
                               "ん",
                               "30030")},
    {30031,
     QT_TRANSLATE_NOOP3("StringTable",
                        "ゲーム開始方法\n① "
                        "画面左上の「旗のアイコン」をクリックします\n　または、F1キー押下します\n"
                        "② "
                        "表示されたメニューの「開始」をクリックします\n　設定メニューの「自動スター"
                        "ト」でこの動作を省"
                        "略できます",
                        "30031")},
    {30032,
     QT_TRANSLATE_NOOP3(
         "StringTable",
         "国盗り実行は、拡大マップでないとできません\n（右下の Zoom ボタンをクリック）", "30032")},
    {30033, QT_TRANSLATE_NOOP3("StringTable", "累積石数が足りません", "30033")},
    {30034, QT_TRANSLATE_NOOP3("StringTable", "このイメージを保存しますか", "30034")},
    {30038, QT_TRANSLATE_NOOP3("StringTable", "次回の起動時から適用されます", "30038")},
    {30039, QT_TRANSLATE_NOOP3("StringTable",
                               "このあと初期設定に戻り再度このイメージを表示することはできません\n"
                               "保存せずに初期状態に戻してもよろしいですか",
                               "30039")},
    {30040, QT_TRANSLATE_NOOP3("StringTable", "自由設定イメージがセットされていません", "30040")},
    {30041, QT_TRANSLATE_NOOP3("StringTable", "カンニングウィンドウの作成に失敗しました", "30041")},
    {30048, QT_TRANSLATE_NOOP3("StringTable", "エクスプローラの起動に失敗しました", "30048")},
    {30056, QT_TRANSLATE_NOOP3("StringTable", "このファイルタイプはセットできません", "30056")},
    {30057,
     QT_TRANSLATE_NOOP3("StringTable",
                        "指定したファイルは既に存在します\n上書きしてもよろしいですか", "30057")},
    {30069,
     QT_TRANSLATE_NOOP3("StringTable", "正常に保存しました\n保存場所を表示しますか", "30069")},
    {30100,
     QT_TRANSLATE_NOOP3("StringTable",
                        "紅隼\n[性　格] 味方ギリ。エサ撒き。敵ノセ。何でもアリ...\n[本拠地] 津軽",
                        "30100")},
    {30101,
     QT_TRANSLATE_NOOP3("StringTable",
                        "雎鳩\n[性　格] 独立心が強く、時々味方切りをして失敗する...\n[本拠地] 伊達",
                        "30101")},
    {30102, QT_TRANSLATE_NOOP3(
                "StringTable",
                "蒼鷺\n[性　格] ピンふかしの癖あり。特に役ピンは最後まで離さない...\n[本拠地] 三河",
                "30102")},
    {30103,
     QT_TRANSLATE_NOOP3(
         "StringTable",
         "游隼\n[性　格] 動かざること山の如し、踊り札の出し遅れあり...\n[本拠地] 甲斐", "30103")},
    {30104, QT_TRANSLATE_NOOP3(
                "StringTable",
                "丹頂\n[性　格] 手堅い札打ちに定評があり、初回のピン出しは絶対...\n[本拠地] 越後",
                "30104")},
    {30105, QT_TRANSLATE_NOOP3(
                "StringTable",
                "大鴉\n[性　格] 抜群のスタミナの持ち主。切って切って切りまくる...\n[本拠地] 尾張",
                "30105")},
    {30106,
     QT_TRANSLATE_NOOP3("StringTable",
                        "喜鵲\n[性　格] 権利大好き。権利、権利で追い討ちをかける...\n[本拠地] 近江",
                        "30106")},
    {30107, QT_TRANSLATE_NOOP3(
                "StringTable",
                "白鷺\n[性　格] 二人では弱いが、三人寄れば絶対に強い...\n[本拠地] 安芸", "30107")},
    {30108,
     QT_TRANSLATE_NOOP3(
         "StringTable",
         "百舌\n[性　格] 息をつかせぬ役請求。途中で息切れ。普段は息を殺している...\n[本拠地] 丹波",
         "30108")},
    {30109,
     QT_TRANSLATE_NOOP3(
         "StringTable",
         "沢鵟\n[性　格] 自力で勝利をつかもうとし、他をあてにしない...\n[本拠地] 薩摩", "30109")},
    {30110, QT_TRANSLATE_NOOP3("StringTable",
                               "現在の役の紋柄です\nクラブ・ダイヤ・ハート・スペードの４種類の紋柄"
                               "の中で、一番強い紋柄です\n"
                               "一戦目の役は、第１ゲームのクラブから始まり、ダイヤ・ハートと繰り返"
                               "します\n第10ゲームだけは、"
                               "スペードが役になります(止めスッペと呼ばれます)"
                               "\n二戦目、三戦目の役は、関係グループが決めます",
                               "30110")},
    {30111, QT_TRANSLATE_NOOP3("StringTable",
                               "現在何ゲーム目かを表示しています\n全部で10ゲーム目まであります\n関"
                               "係は、１ゲームごとに変わり"
                               "ます",
                               "30111")},
    {30112, QT_TRANSLATE_NOOP3("StringTable",
                               "現在何戦目かを表示しています\n関係グループが勝ち進むと二戦目・三戦"
                               "目となります\n３戦目までし"
                               "かありません",
                               "30112")},
    {30113, QT_TRANSLATE_NOOP3("StringTable",
                               "関係グループの勝利までに必要な絵札の枚数です\n勝利決定枚数は、何戦"
                               "目かで異なります\n一戦目と"
                               "三戦目は９枚、二戦目は８枚です",
                               "30113")},
    {30114, QT_TRANSLATE_NOOP3("StringTable",
                               "無関係グループの勝利までに必要な絵札の枚数です\n勝利決定枚数は、何"
                               "戦目かで異なります\n一戦目"
                               "と三戦目は８枚、二戦目は９枚です",
                               "30114")},
    {30115,
     QT_TRANSLATE_NOOP3("StringTable", "絵札の残り枚数です\n絵札は、全部で16枚あります", "30115")},
    {30116, QT_TRANSLATE_NOOP3("StringTable",
                               "ジョーカーの残り枚数です\n０の時は、既に使い終わったことを意味しま"
                               "す\n１の時は、まだ誰かの手"
                               "札にあります",
                               "30116")},
    {30117, QT_TRANSLATE_NOOP3("StringTable",
                               "クラブの残り枚数です\nクラブの最初の枚数は、12枚です", "30117")},
    {30118, QT_TRANSLATE_NOOP3("StringTable",
                               "ダイヤの残り枚数です\nダイヤの最初の枚数は、12枚です", "30118")},
    {30119, QT_TRANSLATE_NOOP3("StringTable",
                               "ハートの残り枚数です\nハートの最初の枚数は、12枚です", "30119")},
    {30120,
     QT_TRANSLATE_NOOP3(
         "StringTable",
         "スペードの残り枚数です\nスペードの最初の枚数は、他の紋柄より１枚多い13枚です", "30120")},
    {30121,
     QT_TRANSLATE_NOOP3(
         "StringTable",
         "各自がカードを出し合う場所で、「場」と言います\n全員が出し終えた後、場に置かれた絵札は一"
         "番強"
         "かった人の面前に並べられます\n絵札以外は、「捨て場」に裏返しにして重ねて置かれます\n※ "
         "場をクリックすると前の巡に各自が出したカードを確認できます\n（マウスボタンを離すと元に戻"
         "りま"
         "す）",
         "30121")},
    {30122,
     QT_TRANSLATE_NOOP3(
         "StringTable",
         "場に置かれた絵札以外のカードを置く場所で、「捨て場」と言います\n※ "
         "捨て場をクリックするとカードを確認できます\n（マウスボタンを離すと元に戻ります）\n※ "
         "これはゲームの時だけで、実際のQuintrickでは、絶対にやらないでください",
         "30122")},
    {30123, QT_TRANSLATE_NOOP3("StringTable", "現在の打ち手を表しています", "30123")},
    {30124, QT_TRANSLATE_NOOP3(
                "StringTable",
                "俯瞰角を増加させます\n広範囲に場などに置かれたカードを見ることができます\n※ "
                "F4キーでも操作できます",
                "30124")},
    {30125,
     QT_TRANSLATE_NOOP3("StringTable",
                        "俯瞰角を減少させます\n場などの視界はせまくなりますが、立体的になります\n※ "
                        "F5キーでも操作できます",
                        "30125")},
    {30126, QT_TRANSLATE_NOOP3("StringTable",
                               "今の巡の請求紋です\n同じ紋がある場合は、他の紋のカードは出せません"
                               "\nただし、ジョーカーは、同"
                               "じ紋があっても出すことができます",
                               "30126")},
    {30127, QT_TRANSLATE_NOOP3("StringTable",
                               "現時点での権利の状態を表しています\n「安全地帯標識」の場合は、味方"
                               "に権利がある状態\n「その他"
                               "の危険標識」の場合は、敵に権利がある状態\nを表しています",
                               "30127")},
    {30162, QT_TRANSLATE_NOOP3("StringTable", "実行ファイルと同じ場所にヘルプフォルダがありません",
                               "30162")},
    {30170, QT_TRANSLATE_NOOP3("StringTable",
                               "上記の設定ファイルに書き込めないため、設定と国盗りの進行を保存でき"
                               "ません\n終了するまでは今の"
                               "設定のまま続けられます",
                               "30170")},
    {30171, QT_TRANSLATE_NOOP3(
                "StringTable",
                "設定ファイルが大きすぎるため上記の名前で別に残し、初期設定で始めます", "30171")},
    {30172, QT_TRANSLATE_NOOP3("StringTable", "上記のファイルに書き込めませんでした", "30172")},
    {30200, QT_TRANSLATE_NOOP3("StringTable", "Ver 1.00　2001.04.08　最初の公開版", "30200")},
    {30201,
     QT_TRANSLATE_NOOP3(
         "StringTable",
         "Ver 1.10　2001.09.15　コンピュータの打ち筋を強化し、残り枚数表示・効果音・国盗りを追加",
         "30201")},
    {30202,
     QT_TRANSLATE_NOOP3("StringTable",
                        "Ver 1.11　2002.01.20　細かな不具合を直し、打ち筋をさらに強化", "30202")},
    {30203, QT_TRANSLATE_NOOP3("StringTable", "Ver 2.00　2004.06.06　全面的に作り直し", "30203")},
    {30204,
     QT_TRANSLATE_NOOP3("StringTable",
                        "Ver 2.10　2009.11.03　カンニングモード（手札の覗き見）を追加", "30204")},
    {30205, QT_TRANSLATE_NOOP3("StringTable", "Ver 2.20　2010.05.22　起動を速くし、打ち筋を強化",
                               "30205")},
    {30206, QT_TRANSLATE_NOOP3("StringTable", "Ver 2.30　2011.08.11　カード画像をフルカラーに変更",
                               "30206")},
    {30207,
     QT_TRANSLATE_NOOP3("StringTable", "Ver 2.40　2013.02.17　新しいOSのリリースに対応", "30207")},
    {30208, QT_TRANSLATE_NOOP3("StringTable", "Ver 2.50　2015.10.04　その次のOSのリリースに対応",
                               "30208")},
    {30300, QT_TRANSLATE_NOOP3("StringTable", "戦績", "30300")},
    {30301, QT_TRANSLATE_NOOP3("StringTable", "マッチ数", "30301")},
    {30302, QT_TRANSLATE_NOOP3("StringTable", "最後まで終えたマッチ", "30302")},
    {30303, QT_TRANSLATE_NOOP3("StringTable", "平均得点", "30303")},
    {30304, QT_TRANSLATE_NOOP3("StringTable", "順位の分布", "30304")},
    {30305, QT_TRANSLATE_NOOP3("StringTable", "最高のマッチ", "30305")},
    {30306, QT_TRANSLATE_NOOP3("StringTable", "最低のマッチ", "30306")},
    {30307, QT_TRANSLATE_NOOP3("StringTable", "プラスの連続（最長）", "30307")},
    {30308, QT_TRANSLATE_NOOP3("StringTable", "キャラクター", "30308")},
    {30309, QT_TRANSLATE_NOOP3("StringTable", "勝率（１位）", "30309")},
    {30310, QT_TRANSLATE_NOOP3("StringTable", "平均絵札数", "30310")},
    {30311, QT_TRANSLATE_NOOP3("StringTable", "得点の推移", "30311")},
    {30312, QT_TRANSLATE_NOOP3("StringTable", "移動平均（１０マッチ）", "30312")},
    {30313, QT_TRANSLATE_NOOP3("StringTable", "順位の回数", "30313")},
    {30314, QT_TRANSLATE_NOOP3("StringTable", "最近の５０マッチ", "30314")},
    {30315, QT_TRANSLATE_NOOP3("StringTable", "CSVに書き出す", "30315")},
    {30316, QT_TRANSLATE_NOOP3("StringTable", "記録を消去", "30316")},
    {30317, QT_TRANSLATE_NOOP3("StringTable", "閉じる", "30317")},
    {30318, QT_TRANSLATE_NOOP3("StringTable", "すべての戦績を消去します\nよろしいですか", "30318")},
    {30319, QT_TRANSLATE_NOOP3(
                "StringTable",
                "戦績ファイルが壊れていたため、上記の名前で退避して新しく作り直しました", "30319")},
    {30320, QT_TRANSLATE_NOOP3(
                "StringTable",
                "戦績ファイルに書き込めません\n今回は戦績を記録せずにゲームを続けます", "30320")},
    {30321, QT_TRANSLATE_NOOP3("StringTable", "CSVファイルの書き出しに失敗しました", "30321")},
    {30322, QT_TRANSLATE_NOOP3("StringTable", "あなた", "30322")},
    {30323, QT_TRANSLATE_NOOP3("StringTable", "対戦相手", "30323")},
    {30324, QT_TRANSLATE_NOOP3("StringTable", "開始日時", "30324")},
    {30325, QT_TRANSLATE_NOOP3("StringTable", "順位", "30325")},
    {30326, QT_TRANSLATE_NOOP3("StringTable", "得点", "30326")},
    {30327, QT_TRANSLATE_NOOP3("StringTable", "状態", "30327")},
    {30328, QT_TRANSLATE_NOOP3("StringTable", "終了", "30328")},
    {30329, QT_TRANSLATE_NOOP3("StringTable", "中断", "30329")},
    {30330, QT_TRANSLATE_NOOP3("StringTable", "石", "30330")},
    {30331, QT_TRANSLATE_NOOP3("StringTable", "マッチ", "30331")},
    {30332, QT_TRANSLATE_NOOP3("StringTable", "位", "30332")},
    {30333, QT_TRANSLATE_NOOP3("StringTable", "回数", "30333")},
    {30334, QT_TRANSLATE_NOOP3("StringTable", "CSVファイル (*.csv)", "30334")},
    {30335, QT_TRANSLATE_NOOP3("StringTable", "ゲーム数", "30335")},
    {30336, QT_TRANSLATE_NOOP3("StringTable", "まだ戦績がありません", "30336")},
    {30337, QT_TRANSLATE_NOOP3("StringTable", "集計", "30337")},
    {30338, QT_TRANSLATE_NOOP3("StringTable", "グラフ", "30338")},
    {30339, QT_TRANSLATE_NOOP3("StringTable", "立場", "30339")},
    {30340, QT_TRANSLATE_NOOP3("StringTable", "強さ(&L)", "30340")},
    {30341, QT_TRANSLATE_NOOP3("StringTable", "標準(&N)", "30341")},
    {30342, QT_TRANSLATE_NOOP3("StringTable", "強い(&H)", "30342")},
    {30343, QT_TRANSLATE_NOOP3("StringTable", "[強　さ] 標準 (性格どおりの札打ち)", "30343")},
    {30344, QT_TRANSLATE_NOOP3("StringTable",
                               "[強　さ] 強い (性格どおりの宣言、札は見えない手札を読んで選びます)",
                               "30344")},
    {30345, QT_TRANSLATE_NOOP3("StringTable", "ヒント(&H)\tH", "30345")},
    {30346, QT_TRANSLATE_NOOP3("StringTable", "ヒント: %1（このカードでグループが勝つ見込み %2%）",
                               "30346")},
    {30347, QT_TRANSLATE_NOOP3("StringTable", "ヒント: %1（出せるカードはこれだけです）", "30347")},
    {30348, QT_TRANSLATE_NOOP3("StringTable", "クラブ,ダイヤ,ハート,スペード", "30348")},
    {30349, QT_TRANSLATE_NOOP3("StringTable", "２,３,４,５,６,７,８,９,１０,Ｊ,Ｑ,Ｋ,Ａ", "30349")},
    {30350, QT_TRANSLATE_NOOP3("StringTable", "ジョーカー", "30350")},
    {30351, QT_TRANSLATE_NOOP3("StringTable", "ヒント: %1", "30351")},
    {30360, QT_TRANSLATE_NOOP3("StringTable", "前回のマッチの続きを遊びますか？", "30360")},
    {30361,
     QT_TRANSLATE_NOOP3(
         "StringTable",
         "中断したマッチを復元できませんでした\n保存ファイルは match.json.bad として残しました",
         "30361")},
    {30362, QT_TRANSLATE_NOOP3("StringTable", "対戦中のマッチを破棄して新しいマッチを始めますか？",
                               "30362")},
    {30380, QT_TRANSLATE_NOOP3("StringTable", "盗れる国がありません！！", "30380")},
    {30381,
     QT_TRANSLATE_NOOP3("StringTable", "この打ち手は自国がないので国盗りできません！！", "30381")},
    {30382, QT_TRANSLATE_NOOP3("StringTable", "現在の石数: %1  ｢%2｣ が盗れます。", "30382")},
    {30383, QT_TRANSLATE_NOOP3("StringTable",
                               "現在の石数: %1  石数不足で、盗れる国がありません！！", "30383")},
    {30384, QT_TRANSLATE_NOOP3("StringTable", "レギュラー ｢%1｣ の国盗り", "30384")},
    {30385, QT_TRANSLATE_NOOP3("StringTable", " ｢%1｣ を盗ります。\n    (残り : %2)", "30385")},
    {30386, QT_TRANSLATE_NOOP3("StringTable", "初期設定に戻りました。", "30386")},
    {30387, QT_TRANSLATE_NOOP3("StringTable", "%1が\n", "30387")},
    {30390, QT_TRANSLATE_NOOP3("StringTable",
                               "対戦中のマッチを上記のファイルに保存できませんでした\n"
                               "このまま遊べます。次の区切りでもう一度保存します",
                               "30390")},
    {30391,
     QT_TRANSLATE_NOOP3("StringTable",
                        "中断したマッチを復元できませんでした\n"
                        "保存ファイルは別名にできなかったため、上記の場所にそのまま残っています",
                        "30391")},
    {30392, QT_TRANSLATE_NOOP3("StringTable",
                               "戦績ファイルは他のプログラムが使用中です\n"
                               "記録は失われません。空きしだい書き込みます",
                               "30392")},
    {30400, QT_TRANSLATE_NOOP3("StringTable", "一手戻しあり", "30400")},
    {30401, QT_TRANSLATE_NOOP3("StringTable", "一手戻したマッチも集計に含める", "30401")},
    {30402, QT_TRANSLATE_NOOP3("StringTable", "振り返ることのできる対局がまだありません", "30402")},
    {30411, QT_TRANSLATE_NOOP3("StringTable", "第%1ゲームの結果", "30411")},
    {30412, QT_TRANSLATE_NOOP3("StringTable", "第%1戦　%2", "30412")},
    {30413, QT_TRANSLATE_NOOP3("StringTable", "関係", "30413")},
    {30414, QT_TRANSLATE_NOOP3("StringTable", "無関係", "30414")},
    {30415, QT_TRANSLATE_NOOP3("StringTable", "%1（%2）　この回 %3　合計 %4　絵札 %5枚", "30415")},
    {30416, QT_TRANSLATE_NOOP3("StringTable", "　%1　石 %2（計 %3）", "30416")},
    {30417, QT_TRANSLATE_NOOP3("StringTable", "%1位", "30417")},
    {30418, QT_TRANSLATE_NOOP3("StringTable", "閉じる (Enter)", "30418")},
    {30419, QT_TRANSLATE_NOOP3("StringTable", "打ち手", "30419")},
    {30420, QT_TRANSLATE_NOOP3("StringTable", "グループ", "30420")},
    {30421, QT_TRANSLATE_NOOP3("StringTable", "この回", "30421")},
    {30422, QT_TRANSLATE_NOOP3("StringTable", "合計", "30422")},
    {30423, QT_TRANSLATE_NOOP3("StringTable", "絵札", "30423")},
    {30424, QT_TRANSLATE_NOOP3("StringTable", "順位", "30424")},
    {30425, QT_TRANSLATE_NOOP3("StringTable", "石", "30425")},
    {30426, QT_TRANSLATE_NOOP3("StringTable", "マッチ終了", "30426")},
    {30427, QT_TRANSLATE_NOOP3("StringTable",
                               "見せ札を場に出してください（あと%1枚）：ダブルクリック、"
                               "場へドラッグ、または Enter",
                               "30427")},
    {30428, QT_TRANSLATE_NOOP3("StringTable", "一時停止中　P で再開します", "30428")},
    {30429,
     QT_TRANSLATE_NOOP3("StringTable",
                        "対戦中のマッチは保存され、次に起動したときに続きから遊べます", "30429")},
    {30430,
     QT_TRANSLATE_NOOP3("StringTable",
                        "今のマッチは中断として戦績に残り、続きからは遊べなくなります", "30430")},
    {30431, QT_TRANSLATE_NOOP3("StringTable", "消去した戦績は元に戻せません", "30431")},
    {30432, QT_TRANSLATE_NOOP3("StringTable", "第%1ゲーム（全１０ゲーム）、%2に開始したマッチ\n",
                               "30432")},
    {30433, QT_TRANSLATE_NOOP3("StringTable", "戦績をCSVファイルに書き出しました", "30433")},
    {30440, QT_TRANSLATE_NOOP3("StringTable", "○の印：関係グループ", "30440")},
    {30441, QT_TRANSLATE_NOOP3("StringTable", "△の印：無関係グループ", "30441")},
    {30470, QT_TRANSLATE_NOOP3("StringTable", "選んだ理由：%1", "30470")},
    {30471, QT_TRANSLATE_NOOP3("StringTable", "取る価値のある場にジョーカー", "30471")},
    {30472, QT_TRANSLATE_NOOP3("StringTable", "出せる札が１枚だけ", "30472")},
    {30473, QT_TRANSLATE_NOOP3("StringTable", "最後の番なので味方にＪかＱを渡す", "30473")},
    {30474, QT_TRANSLATE_NOOP3("StringTable", "相手がジョーカーを持つので絵札を残す", "30474")},
    {30475, QT_TRANSLATE_NOOP3("StringTable", "後に相手がいないので場を取る", "30475")},
    {30476, QT_TRANSLATE_NOOP3("StringTable", "後に相手がいないのでエサ撒き", "30476")},
    {30477, QT_TRANSLATE_NOOP3("StringTable", "味方のＡにＪかＱを付ける", "30477")},
    {30478, QT_TRANSLATE_NOOP3("StringTable", "請求紋のＡ", "30478")},
    {30479, QT_TRANSLATE_NOOP3("StringTable", "請求紋のいちばん低い札", "30479")},
    {30480, QT_TRANSLATE_NOOP3("StringTable", "請求紋がないので味方のＡにＪかＱを捨てる", "30480")},
    {30481, QT_TRANSLATE_NOOP3("StringTable", "切り札でない低い札", "30481")},
    {30482, QT_TRANSLATE_NOOP3("StringTable", "切り札で上から取る", "30482")},
    {30483, QT_TRANSLATE_NOOP3("StringTable", "低い札", "30483")},
    {30484, QT_TRANSLATE_NOOP3("StringTable", "いちばん低い絵札", "30484")},
    {30485, QT_TRANSLATE_NOOP3("StringTable", "手札の２枚目", "30485")},
    {30486, QT_TRANSLATE_NOOP3("StringTable", "ジョーカーで打ち出す", "30486")},
    {30487, QT_TRANSLATE_NOOP3("StringTable", "切り札でない組の残りで最強の札", "30487")},
    {30488, QT_TRANSLATE_NOOP3("StringTable", "切り札でない札", "30488")},
    {30489, QT_TRANSLATE_NOOP3("StringTable", "残りで最強の切り札", "30489")},
    {30490, QT_TRANSLATE_NOOP3("StringTable", "低い切り札", "30490")},
    {30491, QT_TRANSLATE_NOOP3("StringTable", "Ａで打ち出す", "30491")},
    {30492, QT_TRANSLATE_NOOP3("StringTable", "その組の残りで最強の札", "30492")},
    {30493, QT_TRANSLATE_NOOP3("StringTable", "出せる札のうちいちばん低い札", "30493")},
    {30494, QT_TRANSLATE_NOOP3("StringTable", "見えた札から配りを推し量って読んだ", "30494")},
    {30495, QT_TRANSLATE_NOOP3("StringTable", "選べる手が一つだけで読むまでもない", "30495")},
    {30496, QT_TRANSLATE_NOOP3("StringTable", "つじつまの合う配りが見つからず最初の札", "30496")},
    {30497, QT_TRANSLATE_NOOP3("StringTable", "振り返り (V)", "30497")},
};

static_assert(std::is_sorted(std::begin(kTable), std::end(kTable),
                             [](const Entry& a, const Entry& b) { return a.id < b.id; }));

}  // namespace

std::string_view LoadString(int id) {
    const auto it = std::lower_bound(std::begin(kTable), std::end(kTable), id,
                                     [](const Entry& e, int v) { return e.id < v; });
    if (it == std::end(kTable) || it->id != id) return {};
    return it->text;
}

}  // namespace quintrick
