<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>draftcalc</name>
    <message>
        <source>1.1 ２点の角度</source>
        <translation>1.1 ２点の角度</translation>
    </message>
    <message>
        <source>1.2 点と円の接線の角度</source>
        <translation>1.2 点と円の接線の角度</translation>
    </message>
    <message>
        <source>1.3 円と円の接線の角度</source>
        <translation>1.3 円と円の接線の角度</translation>
    </message>
    <message>
        <source>2.1 ２直線の交点</source>
        <translation>2.1 ２直線の交点</translation>
    </message>
    <message>
        <source>2.2 直線と円の交点</source>
        <translation>2.2 直線と円の交点</translation>
    </message>
    <message>
        <source>2.3 円と円の交点</source>
        <translation>2.3 円と円の交点</translation>
    </message>
    <message>
        <source>3.1 点と円に接する円</source>
        <translation>3.1 点と円に接する円</translation>
    </message>
    <message>
        <source>3.2 円と接線に接する円</source>
        <translation>3.2 円と接線に接する円</translation>
    </message>
    <message>
        <source>3.3 直線と円に接する円</source>
        <translation>3.3 直線と円に接する円</translation>
    </message>
    <message>
        <source>3.4 ２円に接する円</source>
        <translation>3.4 ２円に接する円</translation>
    </message>
    <message>
        <source>3.5 ３点を通る円</source>
        <translation>3.5 ３点を通る円</translation>
    </message>
    <message>
        <source>3.6 ３直線に接する円</source>
        <translation>3.6 ３直線に接する円</translation>
    </message>
    <message>
        <source>入力順違いで計算出来ない</source>
        <translation>入力順違いで計算出来ない</translation>
    </message>
    <message>
        <source>交点が求められませんでした。</source>
        <translation>交点が求められませんでした。</translation>
    </message>
    <message>
        <source>交点無し??</source>
        <translation>交点無し??</translation>
    </message>
    <message>
        <source>交点無し?</source>
        <translation>交点無し?</translation>
    </message>
    <message>
        <source>交点無し!!</source>
        <translation>交点無し!!</translation>
    </message>
    <message>
        <source>求められませんでした。!!</source>
        <translation>求められませんでした。!!</translation>
    </message>
    <message>
        <source>求められない</source>
        <translation>求められない</translation>
    </message>
    <message>
        <source>中心が重なり求められない</source>
        <translation>中心が重なり求められない</translation>
    </message>
    <message>
        <source>接線が求められない</source>
        <translation>接線が求められない</translation>
    </message>
    <message>
        <source>半径の差が0で求められない</source>
        <translation>半径の差が0で求められない</translation>
    </message>
    <message>
        <source>数値が範囲外で計算出来ない</source>
        <translation>数値が範囲外で計算出来ない</translation>
    </message>
    <message>
        <source>(built with %1)</source>
        <translation>（%1 でビルド）</translation>
    </message>
    <message>
        <source>A fast, exact calculator for the plane-geometry construction problems of machining and drafting.</source>
        <translation>機械加工と製図の平面幾何の作図問題を、速く正確に解く計算機です。</translation>
    </message>
    <message>
        <source>Free software under the MIT License: use, copy, change and pass it on, keeping the copyright notice. It comes without any warranty.</source>
        <translation>MIT ライセンスのフリーソフトウェアです。著作権表示を残せば、使用・複製・改変・再配布は自由です。無保証です。</translation>
    </message>
    <message>
        <source>Runs on</source>
        <translation>動作環境</translation>
    </message>
    <message>
        <source>About draftcalc</source>
        <translation>draftcalc について</translation>
    </message>
    <message>
        <source>[ 備考 ]</source>
        <translation>[ 備考 ]</translation>
    </message>
    <message>
        <source>no calculation</source>
        <translation>計算なし</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>%1 行: %2</translation>
    </message>
    <message>
        <source>the answer</source>
        <translation>解答</translation>
    </message>
    <message>
        <source>not reachable
with these rows</source>
        <translation>この行では
得られない</translation>
    </message>
    <message>
        <source>Candidate %1: %2; %3</source>
        <translation>候補 %1: %2; %3</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>解答</translation>
    </message>
    <message>
        <source>Select with</source>
        <translation>選ぶには</translation>
    </message>
    <message>
        <source>Copy candidate line</source>
        <translation>候補の行をコピー</translation>
    </message>
    <message>
        <source>Next candidate</source>
        <translation>次の候補</translation>
    </message>
    <message>
        <source>Previous candidate</source>
        <translation>前の候補</translation>
    </message>
    <message>
        <source>No candidates: the construction has no answer for these rows.</source>
        <translation>候補なし: この行の作図には解がありません。</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>計算</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>入力データガイド</source>
        <translation>入力データガイド</translation>
    </message>
    <message>
        <source>Copy answer line</source>
        <translation>解答の行をコピー</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>draftcalc help</source>
        <translation>draftcalc ヘルプ</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Keep a history of calculations</source>
        <translation>計算の履歴を残す</translation>
    </message>
    <message>
        <source>Calculations are added to the history.</source>
        <translation>計算を履歴に残します。</translation>
    </message>
    <message>
        <source>The history is off: calculations are not kept.</source>
        <translation>履歴はオフです: 計算は残りません。</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>日時</translation>
    </message>
    <message>
        <source>Calculation and answer</source>
        <translation>計算と解答</translation>
    </message>
    <message>
        <source>(%1 characters)</source>
        <translation>（%1 文字）</translation>
    </message>
    <message>
        <source>The drawing coordinates under the cursor</source>
        <translation>カーソル位置の図面座標</translation>
    </message>
    <message>
        <source>Zoom to fit</source>
        <translation>全体表示</translation>
    </message>
    <message>
        <source>Fit after each calculation</source>
        <translation>計算ごとに全体表示</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>エクスポート…</translation>
    </message>
    <message>
        <source>PNG image, as shown (*.png)</source>
        <translation>PNG 画像、表示のまま (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing, in drawing units (*.svg)</source>
        <translation>SVG 図面、図面単位 (*.svg)</translation>
    </message>
    <message>
        <source>DXF drawing for CAD, in millimetres (*.dxf)</source>
        <translation>CAD 用 DXF 図面、ミリメートル (*.dxf)</translation>
    </message>
    <message>
        <source>Export the picture</source>
        <translation>図をエクスポート</translation>
    </message>
    <message>
        <source>the picture could not be encoded as %1</source>
        <translation>図を %1 に変換できませんでした</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>エクスポートできません</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>No answer: %1</source>
        <translation>解なし: %1</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>%1 にする</translation>
    </message>
    <message>
        <source>Writes %1 into the rows and calculates; Ctrl+Z brings the rows back</source>
        <translation>%1 を行に書き込んで計算します。Ctrl+Z で行が元に戻ります</translation>
    </message>
    <message>
        <source>Choose a record</source>
        <translation>レコードを選ぶ</translation>
    </message>
    <message>
        <source>%1 holds %2 records. Choose one to calculate; Ctrl+PgDn and Ctrl+PgUp step through them in the window.</source>
        <translation>%1 には %2 件のレコードがあります。計算するものを選んでください。ウィンドウでは Ctrl+PgDn と Ctrl+PgUp で順に移れます。</translation>
    </message>
    <message>
        <source>Line %1: %2 — %3</source>
        <translation>%1 行目: %2 — %3</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV ファイル (*.csv);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>…ほか %1 件</translation>
    </message>
    <message>
        <source>Save rows…</source>
        <translation>行を保存…</translation>
    </message>
    <message>
        <source>Open rows…</source>
        <translation>行を開く…</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>次のレコード</translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation>前のレコード</translation>
    </message>
    <message>
        <source>Cannot save the rows</source>
        <translation>行を保存できません</translation>
    </message>
    <message>
        <source>%1 could not be written: %2

A file of that name is left as it was.</source>
        <translation>%1 に書き込めませんでした: %2

その名前のファイルは元のままです。</translation>
    </message>
    <message>
        <source>Rows saved to %1</source>
        <translation>行を %1 に保存しました</translation>
    </message>
    <message>
        <source>Only the first %1 MiB of the file were read.</source>
        <translation>ファイルの最初の %1 MiB だけを読みました。</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>%1 を開けません</translation>
    </message>
    <message>
        <source>The rows are left as they were.</source>
        <translation>行は元のままです。</translation>
    </message>
    <message>
        <source>… and %1 more problems</source>
        <translation>…ほか %1 件の問題</translation>
    </message>
    <message>
        <source>Only the first %1 records of %2 were read.</source>
        <translation>%2 の最初の %1 件だけを読みました。</translation>
    </message>
    <message>
        <source>%1: record %2 of %3, line %4</source>
        <translation>%1: %3 件中 %2 件目、%4 行目</translation>
    </message>
    <message>
        <source>That was the last record of %1.</source>
        <translation>%1 の最後のレコードです。</translation>
    </message>
    <message>
        <source>That was the first record of %1.</source>
        <translation>%1 の最初のレコードです。</translation>
    </message>
    <message>
        <source>Save rows</source>
        <translation>行を保存</translation>
    </message>
    <message>
        <source>Open rows</source>
        <translation>行を開く</translation>
    </message>
    <message>
        <source>Input rows</source>
        <translation>入力行</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>ヘルプ (F1)</translation>
    </message>
    <message>
        <source>Close the help</source>
        <translation>ヘルプを閉じる</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Catalogue: what to type for each calculation</source>
        <translation>入力データガイド: 計算ごとの入力</translation>
    </message>
    <message>
        <source>備考</source>
        <translation>備考</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>全体</translation>
    </message>
    <message>
        <source>Zoom to fit (F)</source>
        <translation>全体表示 (F)</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>倍率</translation>
    </message>
    <message>
        <source>Export SVG</source>
        <translation>SVG 出力</translation>
    </message>
    <message>
        <source>The drawing as draftcalc-cli calc --all --svg writes it</source>
        <translation>draftcalc-cli calc --all --svg と同じ図面</translation>
    </message>
    <message>
        <source>Drawing of the rows, the answer and the candidates</source>
        <translation>入力行、解答と候補の図</translation>
    </message>
    <message>
        <source>Candidates</source>
        <translation>候補</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>番号</translation>
    </message>
    <message>
        <source>not reachable with these rows</source>
        <translation>この行では得られない</translation>
    </message>
    <message>
        <source>Candidate %1: %2</source>
        <translation>候補 %1: %2</translation>
    </message>
    <message>
        <source>a point</source>
        <translation>点</translation>
    </message>
    <message>
        <source>a line</source>
        <translation>直線</translation>
    </message>
    <message>
        <source>a value row</source>
        <translation>数値行</translation>
    </message>
    <message>
        <source>a circle</source>
        <translation>円</translation>
    </message>
    <message>
        <source>a row</source>
        <translation>行</translation>
    </message>
    <message>
        <source>a value row (D 5) stands in row 2, between two elements</source>
        <translation>数値行 (D 5) は2つの要素の間の2行目に置きます</translation>
    </message>
    <message>
        <source>D 2 marks the second of two lines; row 1 takes D 1 or 3</source>
        <translation>D 2 は2本目の直線の印です。1行目は D 1 か 3 です</translation>
    </message>
    <message>
        <source>the second of two lines takes D 2 or 3</source>
        <translation>2本目の直線は D 2 か 3 です</translation>
    </message>
    <message>
        <source>2.2 takes a circle then a line with D 3 (or the line first)</source>
        <translation>2.2 は円の次に D 3 の直線をとります (直線が先でも可)</translation>
    </message>
    <message>
        <source>a value row (D 5) in row 2 needs a circle in row 3 (D3 from 0 to below 10)</source>
        <translation>2行目の数値行 (D 5) には3行目に円が要ります (D3 は0以上10未満)</translation>
    </message>
    <message>
        <source>no calculation takes a point with a line (1.2 takes a point and a circle, 2.2 a line and a circle)</source>
        <translation>点と直線をとる計算はありません (1.2 は点と円、2.2 は直線と円)</translation>
    </message>
    <message>
        <source>no calculation takes them in this order (see the catalogue)</source>
        <translation>この順にとる計算はありません (入力データガイドを参照)</translation>
    </message>
    <message>
        <source>rows 1 and 2 are %1 and %2: %3</source>
        <translation>1行目と2行目は%1と%2です: %3</translation>
    </message>
    <message>
        <source>the construction has %1 answer (the candidate): %2 gives candidate %3</source>
        <translation>この作図の解は %1 個 (候補) です: %2 で候補 %3</translation>
    </message>
    <message>
        <source>the construction has %1 answers (the candidates): %2 gives candidate %3</source>
        <translation>この作図の解は %1 個 (候補) です: %2 で候補 %3</translation>
    </message>
    <message>
        <source>the point is the circle&apos;s centre: no tangent passes through it</source>
        <translation>点が円の中心です: 点を通る接線はありません</translation>
    </message>
    <message>
        <source>the circles share their centre (%1, %2): they have no common tangent</source>
        <translation>円の中心が同じ (%1, %2) です: 共通接線はありません</translation>
    </message>
    <message>
        <source>the point lies %1 from the circle&apos;s centre, inside its radius %2: %3 inside</source>
        <translation>点は円の中心から %1 で、半径 %2 の内側です: %3 内側</translation>
    </message>
    <message>
        <source>circle %1 lies inside circle %2: the centres are %3 apart, less than the %4 between the radii: no common tangent</source>
        <translation>円 %1 は円 %2 の内側です: 中心間 %3 は半径の差 %4 より小さい: 共通接線はありません</translation>
    </message>
    <message>
        <source>the signs of R ask for a tangent crossing between the circles, which overlap: the centres are %1 apart, less than the radii %2 + %3</source>
        <translation>R の符号は円の間を横切る接線を求めていますが、円が重なっています: 中心間 %1 は半径の和 %2 + %3 より小さい</translation>
    </message>
    <message>
        <source>lines %1 and %2 meet at (%3, %4) but so nearly parallel (A %5 and %6) that the calculation&apos;s angles cannot tell where</source>
        <translation>直線 %1 と %2 は (%3, %4) で交わりますが、ほぼ平行 (A %5 と %6) で、計算の角度では交点を決められません</translation>
    </message>
    <message>
        <source>lines %1 and %2 coincide (A %3 and %4)</source>
        <translation>直線 %1 と %2 は重なっています (A %3 と %4)</translation>
    </message>
    <message>
        <source>lines %1 and %2 are parallel (A %3 and %4)</source>
        <translation>直線 %1 と %2 は平行です (A %3 と %4)</translation>
    </message>
    <message>
        <source>the line passes %1 from the circle&apos;s centre; radius %2: %3 short</source>
        <translation>直線は円の中心から %1 を通ります。半径 %2: %3 足りません</translation>
    </message>
    <message>
        <source>the line touches the circle within %1, too closely for the calculation&apos;s rounding</source>
        <translation>直線は円に %1 以内で接していて、計算の丸めでは決められません</translation>
    </message>
    <message>
        <source>the circles share their centre: they do not meet</source>
        <translation>円の中心が同じです: 交わりません</translation>
    </message>
    <message>
        <source>circle %1 has radius 0</source>
        <translation>円 %1 の半径が0です</translation>
    </message>
    <message>
        <source>the centres are %1 apart; radii %2 + %3 reach %4: %5 short</source>
        <translation>中心間は %1。半径 %2 + %3 で届くのは %4: %5 足りません</translation>
    </message>
    <message>
        <source>circle %1 lies inside circle %2: the centres are %3 apart, less than the %4 between the radii: %5 too close to meet</source>
        <translation>円 %1 は円 %2 の内側です: 中心間 %3 は半径の差 %4 より小さい: %5 近すぎて交わりません</translation>
    </message>
    <message>
        <source>the circles touch within %1, too closely for the calculation&apos;s rounding</source>
        <translation>円は %1 以内で接していて、計算の丸めでは決められません</translation>
    </message>
    <message>
        <source>; with these signs the nearest C that gives one is %1</source>
        <translation>。この符号で解が得られる最も近い C は %1 です</translation>
    </message>
    <message>
        <source>the point</source>
        <translation>点</translation>
    </message>
    <message>
        <source>circle 1</source>
        <translation>円 1</translation>
    </message>
    <message>
        <source>circle 3</source>
        <translation>円 3</translation>
    </message>
    <message>
        <source>%1 and circle 3 share their centre</source>
        <translation>%1と円 3 の中心が同じです</translation>
    </message>
    <message>
        <source>%1 and circle 3 are %2 apart: a circle of radius |C| = %3 touching both needs |C| at least %4</source>
        <translation>%1と円 3 は %2 離れています: 両方に接する半径 |C| = %3 の円には |C| が %4 以上必要です</translation>
    </message>
    <message>
        <source>%1 lies inside %2, %3 from its edge: a circle of radius |C| = %4 touching both needs |C| at least %5</source>
        <translation>%1は%2の内側で、縁から %3 です: 両方に接する半径 |C| = %4 の円には |C| が %5 以上必要です</translation>
    </message>
    <message>
        <source>no circle of radius |C| = %1 touches %2 and circle 3 as the signs of R, C and S ask</source>
        <translation>R、C、S の符号の求める向きで%2と円 3 に接する半径 |C| = %1 の円はありません</translation>
    </message>
    <message>
        <source>the point lies %1 from the circle&apos;s centre, inside its radius %2: no tangent passes through it</source>
        <translation>点は円の中心から %1 で、半径 %2 の内側です: 点を通る接線はありません</translation>
    </message>
    <message>
        <source>no circle of radius |C| = %1 touches the circle and the tangent from the point on the sides the signs of R, C and S choose</source>
        <translation>R、C、S の符号の選ぶ側で、円と点からの接線に接する半径 |C| = %1 の円はありません</translation>
    </message>
    <message>
        <source>the circle lies %1 from the line: a circle of radius |C| = %2 touching both needs |C| at least %3</source>
        <translation>円は直線から %1 離れています: 両方に接する半径 |C| = %2 の円には |C| が %3 以上必要です</translation>
    </message>
    <message>
        <source>no circle of radius |C| = %1 touches the line and the circle on the sides the signs of C and S choose</source>
        <translation>C と S の符号の選ぶ側で、直線と円に接する半径 |C| = %1 の円はありません</translation>
    </message>
    <message>
        <source>points %1 and %2 coincide: three points are needed</source>
        <translation>点 %1 と %2 が重なっています: 3点が必要です</translation>
    </message>
    <message>
        <source>the three points lie on one line: no circle passes through them</source>
        <translation>3点が一直線上にあります: 3点を通る円はありません</translation>
    </message>
    <message>
        <source>the corners&apos; bisectors do not meet: no circle touches the three lines as their directions ask</source>
        <translation>角の二等分線が交わりません: 直線の向きの求めるように3直線に接する円はありません</translation>
    </message>
    <message>
        <source>the calculation found no answer for these rows</source>
        <translation>この行では計算が解を見つけませんでした</translation>
    </message>
    <message>
        <source>the numbers are too large to calculate with: a distance or its square passes the largest double</source>
        <translation>数値が大きすぎて計算できません: 距離かその2乗が double の最大値を超えます</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1。%2</translation>
    </message>
</context>
</TS>
