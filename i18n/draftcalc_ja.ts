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
    <message>
        <source>point at (X, Y)</source>
        <translation>点 (X, Y)</translation>
    </message>
    <message>
        <source>circle: centre (X, Y), radius R, side S</source>
        <translation>円: 中心 (X, Y)、半径 R、側 S</translation>
    </message>
    <message>
        <source>line through (X, Y) at angle A degrees (1 in row 1, 2 in row 2)</source>
        <translation>(X, Y) を通る角度 A 度の直線 (1行目は 1、2行目は 2)</translation>
    </message>
    <message>
        <source>line through (X, Y) at angle A, moved by B to the left of its direction</source>
        <translation>(X, Y) を通る角度 A の直線を、向きの左へ B だけ移したもの</translation>
    </message>
    <message>
        <source>value row: C (row 2)</source>
        <translation>数値行: C (2行目)</translation>
    </message>
    <message>
        <source>row 3 not used (so is any D that is not a number from 0 to below 10)</source>
        <translation>3行目を使わない (0以上10未満の数でない D も同じ)</translation>
    </message>
    <message>
        <source>Left and right are seen looking along a line&apos;s direction A. Only the sign of S counts: S = 1 stands for any positive S, S = -1 for any negative one.</source>
        <translation>左右は直線の向き A に沿って見たものです。S は符号だけが意味を持ちます: S = 1 は正の S すべて、S = -1 は負の S すべてを表します。</translation>
    </message>
    <message>
        <source>No signs to choose: A is the direction from point 1 to point 2.</source>
        <translation>選ぶ符号はありません: A は点 1 から点 2 への向きです。</translation>
    </message>
    <message>
        <source>R &gt; 0: the tangent that has the circle on its left; R &lt; 0: on its right.</source>
        <translation>R &gt; 0: 円を左に見る接線。R &lt; 0: 右に見る接線。</translation>
    </message>
    <message>
        <source>Each circle lies left of the tangent when its R &gt; 0 and right of it when its R &lt; 0: equal signs give an outer tangent, opposite signs a crossing one.</source>
        <translation>各円は R &gt; 0 なら接線の左、R &lt; 0 なら右にあります: 同じ符号は外側の接線、逆の符号は交差する接線になります。</translation>
    </message>
    <message>
        <source>No signs to choose; B &gt; 0 moves a code-3 line to its left, B &lt; 0 to its right.</source>
        <translation>選ぶ符号はありません。B &gt; 0 はコード 3 の直線を左へ、B &lt; 0 は右へ移します。</translation>
    </message>
    <message>
        <source>S = 1: the intersection with the larger X (on a level line the smaller X, on an upright line the larger Y); S = -1: the other one; S empty or 0: the point midway between them. All reversed when the line&apos;s X lies right of the circle&apos;s centre.</source>
        <translation>S = 1: X の大きい方の交点 (水平な直線では X の小さい方、垂直な直線では Y の大きい方)。S = -1: もう一方。S が空か 0: 2点の中点。直線の X が円の中心より右にあるときはすべて逆になります。</translation>
    </message>
    <message>
        <source>S of row 3 = 1: the intersection left of the line from the row-1 centre to the row-3 centre; S = -1: the one right of it. A negative R in row 1 swaps them.</source>
        <translation>3行目の S = 1: 1行目の中心から3行目の中心への線の左の交点。S = -1: 右の交点。1行目の R が負なら入れ替わります。</translation>
    </message>
    <message>
        <source>R and C of one sign: the circles touch internally; opposite signs: externally. S = 1: the centre right of the line from the point to the circle&apos;s centre when C &gt; 0, left when C &lt; 0; S = -1: the other side. Runs when the point lies within |C + |R|| of the circle&apos;s centre, else 3.2.</source>
        <translation>R と C が同じ符号: 円は内接。逆の符号: 外接。S = 1: C &gt; 0 なら点から円の中心への線の右に中心、C &lt; 0 なら左。S = -1: 反対側。点が円の中心から |C + |R|| 以内のとき実行し、そうでなければ 3.2 になります。</translation>
    </message>
    <message>
        <source>R &gt; 0: the tangent from the point that has the circle on its left (R &lt; 0: on its right); C &gt; 0: the new circle right of that tangent (C &lt; 0: left of it); S = 1: it touches the circle internally, S = -1: externally; of the two centres that remain, S chooses as in 2.2.</source>
        <translation>R &gt; 0: 点からの接線のうち円を左に見るもの (R &lt; 0: 右に見るもの)。C &gt; 0: 新しい円はその接線の右 (C &lt; 0: 左)。S = 1: 円に内接、S = -1: 外接。残る2つの中心は 2.2 と同じく S で選びます。</translation>
    </message>
    <message>
        <source>C &gt; 0: the new circle right of the line (C &lt; 0: left of it); S = 1: it touches the circle internally, S = -1: externally; of the two centres that remain, S chooses as in 2.2.</source>
        <translation>C &gt; 0: 新しい円は直線の右 (C &lt; 0: 左)。S = 1: 円に内接、S = -1: 外接。残る2つの中心は 2.2 と同じく S で選びます。</translation>
    </message>
    <message>
        <source>R and C of one sign: the new circle touches that circle internally; opposite signs: externally. S of row 3 = 1: the centre left of the line from the row-1 centre to the row-3 centre; S = -1: right of it. Swapped when R of row 1 is less than C.</source>
        <translation>R と C が同じ符号: 新しい円はその円に内接。逆の符号: 外接。3行目の S = 1: 1行目の中心から3行目の中心への線の左に中心、S = -1: 右。1行目の R が C より小さいときは入れ替わります。</translation>
    </message>
    <message>
        <source>No signs to choose.</source>
        <translation>選ぶ符号はありません。</translation>
    </message>
    <message>
        <source>The circle on the same side of all three lines (left of each, or right of each): turning one line&apos;s A by 180 degrees picks another of the four touching circles.</source>
        <translation>3本の直線すべての同じ側 (どれも左、またはどれも右) にある円。1本の A を 180 度回すと、接する4つの円の別のものを選びます。</translation>
    </message>
    <message>
        <source>A remark means there is no answer: the numbers beside it (grey) are not one, and nothing is drawn for them. Under the answers the reason stands in numbers, with a button for the nearest edit of one box that gives an answer where there is one; draftcalc-cli --explain writes the same.</source>
        <translation>備考は解がないことを示します: 横の数値 (灰色) は解ではなく、図にも描きません。解答の下に理由を数値で示し、解が得られる最も近い1つの入力の変更があればそのボタンを出します。draftcalc-cli --explain も同じものを書きます。</translation>
    </message>
    <message>
        <source>The rows are in no calculation&apos;s order (any calculation): check the D codes against the catalogue, e.g. a point with a line, D 2 in row 1, or a value row (D 5) that is not in row 2 before a circle.</source>
        <translation>どの計算の順にもなっていません (全計算): D コードを入力データガイドと照らしてください。例: 点と直線、1行目の D 2、円の前の2行目にない数値行 (D 5)。</translation>
    </message>
    <message>
        <source>Two lines do not meet (2.1, 3.6): they are parallel or coincide; check their angles A.</source>
        <translation>2直線が交わりません (2.1、3.6): 平行か重なっています。角度 A を確かめてください。</translation>
    </message>
    <message>
        <source>A line misses a circle (2.2; in 3.2 and 3.3 the line on which the new circle&apos;s centre must lie misses the circle it must touch): the line passes farther from the centre than the radius, or |C| is too small for a circle touching both on the sides the signs choose; check R, C and the line&apos;s position.</source>
        <translation>直線が円と交わりません (2.2。3.2 と 3.3 では新しい円の中心が乗るべき線が、接すべき円と交わりません): 直線が中心から半径より遠くを通るか、符号の選ぶ側で両方に接するには |C| が小さすぎます。R、C と直線の位置を確かめてください。</translation>
    </message>
    <message>
        <source>Two circles lie too far apart to meet (2.3), or for a circle of radius |C| to touch both (3.1, 3.4): the centres are farther apart than the radii reach; check the centres, R and C.</source>
        <translation>2円が離れすぎていて交わらないか (2.3)、半径 |C| の円が両方に接せません (3.1、3.4): 中心間が半径の届く距離より遠いです。中心、R と C を確かめてください。</translation>
    </message>
    <message>
        <source>Two circles do not meet because one lies inside the other (2.3; in 3.1 and 3.4 for the circle of radius |C| the signs ask for), or in 3.6 no circle touches the three lines as their directions ask; check R, C and S, or turn a line&apos;s A by 180.</source>
        <translation>一方の円が他方の内側にあって2円が交わらないか (2.3。3.1 と 3.4 では符号の求める半径 |C| の円について)、3.6 で直線の向きの求めるように3直線に接する円がありません。R、C と S を確かめるか、直線の A を 180 回してください。</translation>
    </message>
    <message>
        <source>3.5: the three points lie on one level line; move one off it.</source>
        <translation>3.5: 3点が1本の水平線上にあります。1点を外してください。</translation>
    </message>
    <message>
        <source>3.5: the three points lie on one line; move one off it.</source>
        <translation>3.5: 3点が一直線上にあります。1点を外してください。</translation>
    </message>
    <message>
        <source>Two circles share their centre (1.3, 2.3, 3.1, 3.4), or in 1.2 the point is the circle&apos;s centre: there is no tangent, intersection or touching circle to find; move one centre.</source>
        <translation>2円の中心が同じか (1.3、2.3、3.1、3.4)、1.2 で点が円の中心です: 求める接線、交点、接する円がありません。中心の一つを動かしてください。</translation>
    </message>
    <message>
        <source>No tangent passes as asked (1.2, 1.3, 3.2): the point lies inside the circle, one circle lies inside the other, or the signs of R ask for a tangent crossing between circles that overlap; move the point or change R.</source>
        <translation>求める接線がありません (1.2、1.3、3.2): 点が円の内側にあるか、一方の円が他方の内側にあるか、R の符号が重なった円の間を横切る接線を求めています。点を動かすか R を変えてください。</translation>
    </message>
    <message>
        <source>2.3, 3.1, 3.4: R of row 1 equals C, so the circle of radius |C| touching circle 1 from inside is circle 1 itself and its centre cannot be placed; change R or C.</source>
        <translation>2.3、3.1、3.4: 1行目の R が C に等しく、円 1 に内側から接する半径 |C| の円は円 1 そのもので、中心が決まりません。R か C を変えてください。</translation>
    </message>
    <message>
        <source>A number is too large to calculate with (any calculation): a distance or its square passes the largest double (about 1.8e308); check the boxes for a mistyped exponent.</source>
        <translation>数値が大きすぎて計算できません (全計算): 距離かその2乗が double の最大値 (約 1.8e308) を超えます。指数の打ち間違いがないか確かめてください。</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>計算</translation>
    </message>
    <message>
        <source>next, previous box</source>
        <translation>次、前の入力欄</translation>
    </message>
    <message>
        <source>Click on a candidate</source>
        <translation>候補をクリック</translation>
    </message>
    <message>
        <source>on its number in the picture or its row in the candidates list: its edits are written into the rows and calculated (a candidate not reachable with these rows is only selected)</source>
        <translation>図の番号か候補一覧の行で: その変更を行に書き込んで計算します (この行では得られない候補は選ぶだけです)</translation>
    </message>
    <message>
        <source>pick the next, previous candidate, from anywhere in the window</source>
        <translation>ウィンドウのどこからでも次、前の候補を選ぶ</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab in the candidates list</source>
        <translation>候補一覧で Tab、Shift+Tab</translation>
    </message>
    <message>
        <source>pick the next, previous candidate; past the last or the first, on to the next control</source>
        <translation>次、前の候補を選ぶ。最後か最初を過ぎると次のコントロールへ</translation>
    </message>
    <message>
        <source>copy the answer as one tab-separated line: X, Y, A, R, remark; in the candidates list, with a candidate selected, that candidate&apos;s line instead: number, X, Y, A, R, edits, then X and Y of each touching point</source>
        <translation>解答をタブ区切りの1行でコピー: X、Y、A、R、備考。候補一覧で候補を選んでいるときはその候補の行: 番号、X、Y、A、R、変更、続いて各接点の X と Y</translation>
    </message>
    <message>
        <source>Right-click on an answer</source>
        <translation>解答を右クリック</translation>
    </message>
    <message>
        <source>copy that field or the whole answer</source>
        <translation>その欄か解答全体をコピー</translation>
    </message>
    <message>
        <source>Wheel, drag on the picture</source>
        <translation>図の上でホイール、ドラッグ</translation>
    </message>
    <message>
        <source>zoom in or out a slider step about the point under the pointer; drag with the left or middle button to pan</source>
        <translation>ポインタの下の点を中心にスライダー1段ずつ拡大・縮小。左か中ボタンのドラッグで移動</translation>
    </message>
    <message>
        <source>F or Home, +, -, arrow keys on the picture</source>
        <translation>図の上で F か Home、+、-、矢印キー</translation>
    </message>
    <message>
        <source>zoom to fit the rows, the answer and the candidates; zoom in, out about the centre; pan (click the picture first)</source>
        <translation>入力行、解答と候補の全体表示。中心での拡大・縮小。移動 (先に図をクリック)</translation>
    </message>
    <message>
        <source>export the picture: PNG as shown, SVG or DXF in drawing units (millimetres)</source>
        <translation>図をエクスポート: 表示のままの PNG、図面単位 (ミリメートル) の SVG か DXF</translation>
    </message>
    <message>
        <source>show the history of calculations in the candidates list&apos;s place, newest first, or hide it; double-click or Enter on a calculation writes its rows back into the boxes and calculates them</source>
        <translation>候補一覧の場所に計算の履歴を新しい順に表示、または隠す。計算をダブルクリックか Enter でその行を入力欄に戻して計算</translation>
    </message>
    <message>
        <source>save the rows and their answer as a CSV file of one record, with draftcalc-cli&apos;s columns</source>
        <translation>入力行と解答を draftcalc-cli の列で1レコードの CSV ファイルに保存</translation>
    </message>
    <message>
        <source>open a CSV file of rows (columns x1 .. s3, as draftcalc-cli reads them): its first record is calculated, and of several records a list lets you choose one; dropping a CSV file on the window does the same</source>
        <translation>入力行の CSV ファイル (draftcalc-cli の読む列 x1 .. s3) を開く: 最初のレコードを計算し、複数あれば一覧から選べます。CSV ファイルをウィンドウにドロップしても同じ</translation>
    </message>
    <message>
        <source>calculate the next, previous record of the file opened</source>
        <translation>開いたファイルの次、前のレコードを計算</translation>
    </message>
    <message>
        <source>Right-click on the picture</source>
        <translation>図を右クリック</translation>
    </message>
    <message>
        <source>undo what the program last did to the rows (Clear, a candidate picked, a record opened or restored), the answer with them; in a box you have typed into, undo the typing first</source>
        <translation>プログラムが最後に行へ行ったこと (クリア、候補の選択、レコードを開く・戻す) を解答とともに元に戻す。入力した欄では先にその入力を戻す</translation>
    </message>
    <message>
        <source>redo what Ctrl+Z undid</source>
        <translation>Ctrl+Z で戻したことをやり直す</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>このヘルプ</translation>
    </message>
    <message>
        <source>close this help</source>
        <translation>このヘルプを閉じる</translation>
    </message>
    <message>
        <source>D codes</source>
        <translation>D コード</translation>
    </message>
    <message>
        <source>Signs of R, S and C</source>
        <translation>R、S、C の符号</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>備考</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Zoom to fit; Fit after each calculation that leaves the answer out of view (on at first, kept); Export; Open rows, Save rows, History, Keep a history of calculations (on or off, remembered); English, 日本語: the window&apos;s language (remembered); About draftcalc: version, licence, libraries</source>
        <translation>全体表示。解答が見えなくなる計算ごとに全体表示 (最初はオン、保持)。エクスポート。行を開く、行を保存、履歴、計算の履歴を残す (オン・オフ、保持)。English、日本語: ウィンドウの言語 (保持)。draftcalc について: バージョン、ライセンス、ライブラリ</translation>
    </message>
    <message>
        <source>Usage:
  draftcalc-cli [FILE] [OPTIONS]   one calculation per CSV record of FILE (or standard input)
  draftcalc-cli calc BOX=TEXT ...  one calculation from the named input boxes
                [--svg FILE] [--dxf FILE]  and its drawing
  draftcalc-cli --help             this text
  draftcalc-cli --version          the version</source>
        <translation>使い方:
  draftcalc-cli [FILE] [OPTIONS]   FILE (または標準入力) の CSV レコードごとに1回計算
  draftcalc-cli calc BOX=TEXT ...  名前を付けた入力欄から1回計算
                [--svg FILE] [--dxf FILE]  その図面も
  draftcalc-cli --help             この説明
  draftcalc-cli --version          バージョン</translation>
    </message>
    <message>
        <source>Options:
  --all                 every answer of the construction as well (the
                        candidates), in both forms; see below
  --explain             why there is no answer, and the nearest input that
                        gives one; see below
  --strict              refuse a record (or calc) with a box text that is
                        not read whole, such as &quot;8,5&quot; read as 8 or &quot;point&quot;
                        read as 0; see below
  --lang en|ja          the language of the reasons (ansWhy, Why), of the
                        messages and of this help: English or Japanese
                        (default: the locale&apos;s, from LC_ALL, LC_MESSAGES or
                        LANG); ansRem is the same in both
  --jobs N              calculate in N threads (1 to 256; default: one per core);
                        the output is the same for every N
  --max-record-bytes N  longest record taken, in bytes (default 1048576)
  --svg FILE            with calc: also write the drawing of the calculation to
                        FILE as SVG 1.1: the rows, the answer and with --all the
                        candidates, fitted to them with a margin, in drawing
                        units (one to the millimetre) with y upwards, a group
                        per layer: AXES, INPUT, CANDIDATES, ANSWER
  --dxf FILE            with calc: the same drawing as DXF (AutoCAD 2000): LINE
                        and CIRCLE entities on those layers, millimetres
                        A drawing is written whole or not at all; one that
                        cannot be written gives &quot;cannot write FILE: reason&quot;
                        and exit status 1</source>
        <translation>オプション:
  --all                 作図のすべての解 (候補) も、両方の形式で。下を参照
  --explain             解がない理由と、解が得られる最も近い入力。下を参照
  --strict              数値として全体を読めない入力欄 (&quot;8,5&quot; を 8、&quot;point&quot; を
                        0 と読むなど) のあるレコード (または calc) を拒否。下を参照
  --lang en|ja          理由 (ansWhy、Why)、メッセージとこのヘルプの言語: 英語か
                        日本語 (既定: ロケール、LC_ALL、LC_MESSAGES、LANG の順)。
                        ansRem はどちらでも同じ
  --jobs N              N 本のスレッドで計算 (1 から 256。既定: コアごとに1本)。
                        出力はどの N でも同じ
  --max-record-bytes N  受け付ける最長のレコード、バイト数 (既定 1048576)
  --svg FILE            calc とともに: 計算の図面も FILE に SVG 1.1 で書く: 入力行、
                        解答、--all なら候補も。余白を付けて合わせ、図面単位
                        (1 ミリメートルに 1)、y は上向き、レイヤーごとのグループ:
                        AXES、INPUT、CANDIDATES、ANSWER
  --dxf FILE            calc とともに: 同じ図面を DXF (AutoCAD 2000) で: それらの
                        レイヤーの LINE と CIRCLE、ミリメートル
                        図面は全体を書くか何も書かないかで、書けないときは
                        &quot;FILE に書き込めません: 理由&quot; と終了状態 1</translation>
    </message>
    <message>
        <source>Input boxes are named by column and row: x1 y1 d1 a1 b1 c1 r1 s1, x2 ... s2,
x3 ... s3 (columns X Y D A B C R S of rows 1 to 3, either case). A box that is
not given keeps the window&apos;s start-up text: X and Y &quot;0.000&quot;, D of row 3 &quot;99&quot;,
all others empty. The D code says what a row is:
  8 point (X, Y)      0 circle (X, Y, radius R, side S)
  1, 2, 3 line (X, Y, angle A; offset B for 3)    5 value row (C)
and the codes alone choose the calculation; row 3 takes part when its D is a
number from 0 to below 10.</source>
        <translation>入力欄は列と行で名付けます: x1 y1 d1 a1 b1 c1 r1 s1、x2 ... s2、x3 ... s3
(1 から 3 行目の列 X Y D A B C R S、大文字小文字どちらでも)。与えない入力欄は
ウィンドウの起動時の値のままです: X と Y は &quot;0.000&quot;、3行目の D は &quot;99&quot;、ほかは空。
D コードが行の種類を表します:
  8 点 (X, Y)      0 円 (X, Y、半径 R、側 S)
  1, 2, 3 直線 (X, Y、角度 A。3 はずらし量 B も)    5 数値行 (C)
計算はコードだけで決まります。3行目は D が 0 以上 10 未満の数のとき加わります。</translation>
    </message>
    <message>
        <source>CSV mode reads RFC 4180 CSV (UTF-8, header line required, CR, LF or CRLF line
ends). Header names x1 .. s3 feed the boxes (a header naming none, or a column
such as &quot; x1 &quot; that is a box name only without its blanks or byte-order mark,
stops the run); any other column is passed through, except answer columns the input already has (a saved set, the
history, an earlier output), which are left out and written afresh. The output
is the input header followed by ansX,ansY,ansA,ansR,ansRem (with --all also
the candidate columns), then every record with its five results, in input
order, with LF line ends.
From a pipe or a terminal each result is written as soon as it is calculated.
Every record gives exactly one output record or one FILE:LINE message on
standard error: a record with the wrong number of fields, text after a closing
quote, or more bytes than --max-record-bytes is reported and skipped; an
unclosed quote runs to the end of the input.</source>
        <translation>CSV モードは RFC 4180 の CSV を読みます (UTF-8、見出し行が必要、行末は CR、LF か
CRLF)。見出しの x1 .. s3 が入力欄になります (どれも名付けない見出しや、空白や
バイトオーダーマークを除いてはじめて入力欄の名前になる &quot; x1 &quot; のような列があれば
止まります)。ほかの列はそのまま渡しますが、入力がすでに持つ解答の列 (保存した
入力、履歴、以前の出力) は除いて書き直します。出力は入力の見出しに
ansX,ansY,ansA,ansR,ansRem (--all なら候補の列も) を続け、各レコードに5つの結果を
付けて入力の順に、行末 LF で書きます。
パイプや端末からは、各結果を計算したらすぐ書きます。
どのレコードもちょうど1つの出力レコードか、標準エラーに1つの FILE:LINE
メッセージになります: 欄の数が違うレコード、閉じ引用符の後の文字、
--max-record-bytes を超えるレコードは報告して飛ばします。閉じない引用符は
入力の終わりまで続きます。</translation>
    </message>
    <message>
        <source>With --all, CSV mode writes twelve more columns after the answer columns,
cand,candX,candY,candA,candR,candSet,candT1X,candT1Y,candT2X,candT2Y,candT3X,candT3Y,
and one output record per candidate (the input and answer columns repeated),
cand numbering them 1..n in their order; a record without candidates gives
one output record with cand 0 and the others empty. candX and candY are the
candidate&apos;s point, candA its direction in degrees in (-180, 180] where it has
one (a tangent line&apos;s, of its two, the one nearer the answer&apos;s A), candR its
radius where it is a circle (numbers as the shortest text that reads back to
the same double); candSet the box edits that make the calculation show it, as
BOX=TEXT words (&quot;c2=-5 s3=-1&quot;, a line walked the other way &quot;a1=225 b1=-5&quot;),
empty for the answer shown, &quot;-&quot; when no edits give it. candT1X .. candT3Y are
where it touches the elements it was made to touch, in row order: a tangent
line its circles, an answer circle each line, circle and tangent; empty where
there are fewer. calc --all prints a block per candidate after the five
captions, the touching points as lines T1, T2, T3.</source>
        <translation>--all のとき、CSV モードは解答の列の後に12列を足します:
cand,candX,candY,candA,candR,candSet,candT1X,candT1Y,candT2X,candT2Y,candT3X,candT3Y。
候補ごとに1つの出力レコード (入力と解答の列を繰り返す) で、cand が順に 1..n と
番号を付けます。候補のないレコードは cand が 0 でほかが空の出力レコード1つです。
candX と candY は候補の点、candA はある場合の向き (度、(-180, 180]。接線は2つの
向きのうち解答の A に近い方)、candR は円のときの半径 (数値は同じ double に読み戻せる
最短の文字列)。candSet は計算がそれを示すための入力欄の変更で、BOX=TEXT の語
(&quot;c2=-5 s3=-1&quot;、逆向きにした直線は &quot;a1=225 b1=-5&quot;)。示している解答なら空、変更で
得られないなら &quot;-&quot;。candT1X .. candT3Y は接するように作った要素との接点で、行の順:
接線はその円、解答の円は各直線、円、接線。少ないときは空。calc --all は5つの
結果の後に候補ごとのブロックを印字し、接点は T1、T2、T3 の行です。</translation>
    </message>
    <message>
        <source>With --explain, CSV mode writes two more columns after the answer columns
(before the --all ones): ansWhy, the reason a record has a remark instead of
an answer, in one sentence with the numbers that decide it (&quot;centres 20
apart; radii 5 + 5 reach 10: 10 short&quot;), and ansFix, the nearest input that
gives an answer as BOX=TEXT words (&quot;r2=15&quot;), the smallest change of one box
to the captions&apos; four decimals; both empty for an answer, ansFix empty when
no one box edit helps. calc --explain prints them as the lines Why and Fix.</source>
        <translation>--explain のとき、CSV モードは解答の列の後 (--all の列の前) に2列を足します:
ansWhy はレコードが解答でなく備考を示す理由で、決め手の数値を入れた1文
(&quot;centres 20 apart; radii 5 + 5 reach 10: 10 short&quot;、--lang ja では日本語)、
ansFix は解が得られる最も近い入力で BOX=TEXT の語 (&quot;r2=15&quot;)、1つの入力欄の
結果の4桁での最小の変更です。解答なら両方とも空、1つの入力欄の変更で解が
得られないなら ansFix は空。calc --explain はそれらを Why と Fix の行で印字します。</translation>
    </message>
    <message>
        <source>With --strict, a record with a box text that is not read whole as a number
(text after the number, a decimal comma, a text with no number, which is read
as 0, or a number beyond the double range) is reported as
FILE:LINE: r2 &quot;8,5&quot; is read as 8 and skipped (exit status 2 at the end);
calc --strict refuses it the same way. Blanks around a number are fine.</source>
        <translation>--strict のとき、数値として全体を読めない入力欄 (数値の後の文字、小数点のコンマ、
0 と読む数値のない文字列、double の範囲を超える数値) のあるレコードは
FILE:LINE: r2 &quot;8,5&quot; は 8 と読まれます と報告して飛ばします (最後に終了状態 2)。
calc --strict も同じく拒否します。数値の前後の空白はかまいません。</translation>
    </message>
    <message>
        <source>Exit status:
  0  every record was calculated and written
  1  the input could not be read or the output could not be written
     (the output is incomplete)
  2  malformed input (some records skipped, with --strict also those with a
     box not read whole, or a header that is missing, not UTF-8, names a box
     twice, names no box, or has a column that is a box name only once blanks
     or a byte-order mark are taken off it) or a wrong command line</source>
        <translation>終了状態:
  0  すべてのレコードを計算して書いた
  1  入力を読めなかったか出力を書けなかった (出力は不完全)
  2  不正な入力 (飛ばしたレコードがある。--strict では全体を読めない入力欄の
     あるものも。見出しがない、UTF-8 でない、入力欄を2度名付ける、どれも
     名付けない、空白かバイトオーダーマークを除いてはじめて入力欄の名前になる
     列がある) か、誤ったコマンドライン</translation>
    </message>
    <message>
        <source>Examples:
  1.1 angle of two points
    draftcalc-cli calc x1=0 y1=0 d1=8 x2=3 y2=4 d2=8
  1.2 tangent from a point to a circle
    draftcalc-cli calc x1=0 y1=0 d1=8 x2=10 y2=0 d2=0 r2=5
  2.1 intersection of two lines
    draftcalc-cli calc x1=0 y1=0 d1=3 a1=45 x2=10 y2=0 d2=3 a2=135
  2.2 intersection of a line and a circle (S chooses the point)
    draftcalc-cli calc x1=0 y1=0 d1=3 a1=45 x2=10 y2=0 d2=0 r2=8 s2=1
  2.3 intersection of two circles
    draftcalc-cli calc d1=0 r1=10 d2=5 c2=0.001 x3=12 d3=0 r3=10 s3=1
  3.4 circle of radius 5 touching two circles, and every other one
    draftcalc-cli calc --all d1=0 r1=10 d2=5 c2=-5 x3=20 d3=0 r3=10 s3=1
  3.5 circle through three points
    draftcalc-cli calc d1=8 x2=1 y2=3 d2=8 x3=4 y3=2 d3=8
  3.4 with every candidate, drawn for CAD
    draftcalc-cli calc --all d1=0 r1=10 d2=5 c2=-5 x3=20 d3=0 r3=10 s3=1 --dxf touching.dxf
  Why 3.2 has no answer, and the nearest input that gives one
    draftcalc-cli calc --explain x1=0 y1=30 d1=8 d2=5 c2=5 x3=0 y3=0 d3=0 r3=10 s3=1
  CSV
    printf &apos;x1,y1,d1,x2,y2,d2\n0,0,8,3,4,8\n&apos; | draftcalc-cli</source>
        <translation>例:
  1.1 2点の角度
    draftcalc-cli calc x1=0 y1=0 d1=8 x2=3 y2=4 d2=8
  1.2 点から円への接線
    draftcalc-cli calc x1=0 y1=0 d1=8 x2=10 y2=0 d2=0 r2=5
  2.1 2直線の交点
    draftcalc-cli calc x1=0 y1=0 d1=3 a1=45 x2=10 y2=0 d2=3 a2=135
  2.2 直線と円の交点 (S で点を選ぶ)
    draftcalc-cli calc x1=0 y1=0 d1=3 a1=45 x2=10 y2=0 d2=0 r2=8 s2=1
  2.3 2円の交点
    draftcalc-cli calc d1=0 r1=10 d2=5 c2=0.001 x3=12 d3=0 r3=10 s3=1
  3.4 2円に接する半径 5 の円と、ほかのすべての解
    draftcalc-cli calc --all d1=0 r1=10 d2=5 c2=-5 x3=20 d3=0 r3=10 s3=1
  3.5 3点を通る円
    draftcalc-cli calc d1=8 x2=1 y2=3 d2=8 x3=4 y3=2 d3=8
  3.4 をすべての候補とともに、CAD 用の図面で
    draftcalc-cli calc --all d1=0 r1=10 d2=5 c2=-5 x3=20 d3=0 r3=10 s3=1 --dxf touching.dxf
  3.2 に解がない理由と、解が得られる最も近い入力 (日本語で)
    draftcalc-cli calc --explain --lang ja x1=0 y1=30 d1=8 d2=5 c2=5 x3=0 y3=0 d3=0 r3=10 s3=1
  CSV
    printf &apos;x1,y1,d1,x2,y2,d2\n0,0,8,3,4,8\n&apos; | draftcalc-cli</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>読めません: %1</translation>
    </message>
    <message>
        <source>no header line</source>
        <translation>見出し行がありません</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not of the form BOX=TEXT with BOX one of x1 .. s3</source>
        <translation>&quot;%1&quot; は BOX=TEXT (BOX は x1 .. s3 のどれか) の形ではありません</translation>
    </message>
    <message>
        <source>input box %1 is given twice</source>
        <translation>入力欄 %1 が2度与えられています</translation>
    </message>
    <message>
        <source>%1 needs a whole number from %2 to %3</source>
        <translation>%1 には %2 から %3 の整数が必要です</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 にはファイル名が必要です</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 が2度与えられています</translation>
    </message>
    <message>
        <source>--lang needs en or ja</source>
        <translation>--lang には en か ja が必要です</translation>
    </message>
    <message>
        <source>%1 draws one calculation: it goes with calc</source>
        <translation>%1 は1回の計算を図にします: calc とともに使います</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>不明なオプション %1</translation>
    </message>
    <message>
        <source>too many arguments</source>
        <translation>引数が多すぎます</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Try &apos;draftcalc-cli --help&apos;.</source>
        <translation>&apos;draftcalc-cli --help&apos; を参照してください。</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>cannot write output: %1</source>
        <translation>出力を書き込めません: %1</translation>
    </message>
    <message>
        <source>read as 0: it does not begin with a number</source>
        <translation>0 と読みます: 数値で始まっていません</translation>
    </message>
    <message>
        <source>read as 0: the number lies beyond the range of a double</source>
        <translation>0 と読みます: 数値が double の範囲を超えています</translation>
    </message>
    <message>
        <source>read as %1: the text after &quot;%2&quot; is ignored</source>
        <translation>%1 と読みます: &quot;%2&quot; の後の文字は無視します</translation>
    </message>
    <message>
        <source>header column %1 is not valid UTF-8</source>
        <translation>見出しの %1 列目が正しい UTF-8 ではありません</translation>
    </message>
    <message>
        <source>column &quot;%1&quot; is not %2; write %2</source>
        <translation>列 &quot;%1&quot; は %2 ではありません。%2 と書いてください</translation>
    </message>
    <message>
        <source>header names input box %1 twice</source>
        <translation>見出しが入力欄 %1 を2度名付けています</translation>
    </message>
    <message>
        <source>the header names no input box (x1 … s3)</source>
        <translation>見出しが入力欄 (x1 … s3) をどれも名付けていません</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is read as %3</source>
        <translation>%1 &quot;%2&quot; は %3 と読まれます</translation>
    </message>
    <message>
        <source>unexpected text after a closing quote</source>
        <translation>閉じ引用符の後に文字があります</translation>
    </message>
    <message>
        <source>quoted field is not closed before the end of the input</source>
        <translation>引用符で囲んだ欄が入力の終わりまでに閉じていません</translation>
    </message>
    <message>
        <source>record longer than %1 bytes</source>
        <translation>レコードが %1 バイトを超えています</translation>
    </message>
    <message>
        <source>record has %1 fields, the header has %2</source>
        <translation>レコードの欄は %1 個、見出しは %2 個です</translation>
    </message>
    <message>
        <source>The history is not kept: there is no folder for the program&apos;s data.</source>
        <translation>履歴は残りません: プログラムのデータ用のフォルダがありません。</translation>
    </message>
    <message>
        <source>The history is not kept: %1 cannot be read (%2).</source>
        <translation>履歴は残りません: %1 を読めません (%2)。</translation>
    </message>
    <message>
        <source>%1 of its %2 records are damaged</source>
        <translation>%2 件のレコードのうち %1 件が壊れています</translation>
    </message>
    <message>
        <source>Damaged records in the history skipped: %1.</source>
        <translation>履歴の壊れたレコードを飛ばしました: %1 件。</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>not the header of a history</source>
        <translation>履歴の見出しではありません</translation>
    </message>
    <message>
        <source>The history is not kept: %1 is no history (%2) and could not be set aside (%3).</source>
        <translation>履歴は残りません: %1 は履歴ではなく (%2)、別名にもできませんでした (%3)。</translation>
    </message>
    <message>
        <source>The history file could not be read (%1): it was set aside as %2 and a new one started.</source>
        <translation>履歴ファイルを読めませんでした (%1): %2 として別にし、新しい履歴を始めました。</translation>
    </message>
    <message>
        <source>The history file was mostly damaged (%1): it was set aside as %2 and a new one started (its readable records could not be kept: %3).</source>
        <translation>履歴ファイルの大部分が壊れていました (%1): %2 として別にし、新しい履歴を始めました (読めるレコードは残せませんでした: %3)。</translation>
    </message>
    <message>
        <source>The history file was mostly damaged (%1): it was set aside as %2 and a new one started with its %3 readable records.</source>
        <translation>履歴ファイルの大部分が壊れていました (%1): %2 として別にし、読める %3 件のレコードで新しい履歴を始めました。</translation>
    </message>
    <message>
        <source>The calculation could not be added to the history: cannot make the folder %1 (%2).</source>
        <translation>計算を履歴に残せませんでした: フォルダ %1 を作れません (%2)。</translation>
    </message>
    <message>
        <source>The calculation could not be added to the history: another program has kept it locked.</source>
        <translation>計算を履歴に残せませんでした: ほかのプログラムがロックしたままです。</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>%1; the part written could not be taken back</source>
        <translation>%1。書いた部分を取り消せませんでした</translation>
    </message>
    <message>
        <source>The calculation could not be added to the history (%1).</source>
        <translation>計算を履歴に残せませんでした (%1)。</translation>
    </message>
    <message>
        <source>The history could not be shortened (%1).</source>
        <translation>履歴を短くできませんでした (%1)。</translation>
    </message>
    <message>
        <source>input box %1 is not valid UTF-8</source>
        <translation>入力欄 %1 が正しい UTF-8 ではありません</translation>
    </message>
    <message>
        <source>no records after the header</source>
        <translation>見出しの後にレコードがありません</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>開けません: %1</translation>
    </message>
    <message>
        <source>not a regular file but a folder</source>
        <translation>通常のファイルではなくフォルダです</translation>
    </message>
    <message>
        <source>not a regular file but a named pipe (FIFO)</source>
        <translation>通常のファイルではなく名前付きパイプ (FIFO) です</translation>
    </message>
    <message>
        <source>not a regular file but a device</source>
        <translation>通常のファイルではなくデバイスです</translation>
    </message>
    <message>
        <source>not a regular file but a socket</source>
        <translation>通常のファイルではなくソケットです</translation>
    </message>
    <message>
        <source>not a regular file but of another kind</source>
        <translation>通常のファイルではなくほかの種類です</translation>
    </message>
    <message>
        <source>construction only</source>
        <translation>作図のみ</translation>
    </message>
    <message>
        <source>Use as row 1</source>
        <translation>1行目に使う</translation>
    </message>
    <message>
        <source>Use as row 2</source>
        <translation>2行目に使う</translation>
    </message>
    <message>
        <source>Use as row 3</source>
        <translation>3行目に使う</translation>
    </message>
    <message>
        <source>Use as row</source>
        <translation>行に使う</translation>
    </message>
    <message>
        <source>Writes the candidate picked into row %1 as the element it is; Ctrl+Z brings the row back</source>
        <translation>選んだ候補をその要素として %1 行目に書き込みます。Ctrl+Z で行が元に戻ります</translation>
    </message>
    <message>
        <source>Constructions without a calculation</source>
        <translation>計算のない作図</translation>
    </message>
    <message>
        <source>These rows have no calculation of their own (the answer shows a remark or another calculation&apos;s reading); their answers stand first in the candidates list, marked construction only (+ in draftcalc-cli&apos;s candSet), and a click selects one without changing the rows.</source>
        <translation>次の行には専用の計算がありません (解答には備考か、別の計算として読んだ結果が出ます)。その解は候補一覧の先頭に「作図のみ」(draftcalc-cli の candSet では +) として並び、クリックすると行を変えずに選びます。</translation>
    </message>
    <message>
        <source>Fillet</source>
        <translation>隅の丸み (フィレット)</translation>
    </message>
    <message>
        <source>line / value / line (D 1-3, D 5 with C, D 1-3): the circles of radius |C| touching both lines (4 for crossing lines, counter-clockwise around the crossing point), each with its touching points T1 on line 1 and T2 on line 3</source>
        <translation>直線 / 数値 / 直線 (D 1-3、C のある D 5、D 1-3): 両方の直線に接する半径 |C| の円 (交わる直線なら 4 個、交点のまわりに反時計回り)。直線 1 上の接点 T1 と直線 3 上の接点 T2 つき</translation>
    </message>
    <message>
        <source>Circle through a point touching a line</source>
        <translation>点を通り直線に接する円</translation>
    </message>
    <message>
        <source>point / value / line, or line / value / point: the circles of radius |C| through the point touching the line (2 within 2|C| of it, 1 at exactly 2|C|), with the touching point T1</source>
        <translation>点 / 数値 / 直線、または直線 / 数値 / 点: 点を通り直線に接する半径 |C| の円 (直線から 2|C| 以内なら 2 個、ちょうど 2|C| なら 1 個)。接点 T1 つき</translation>
    </message>
    <message>
        <source>Foot of the perpendicular</source>
        <translation>垂線の足</translation>
    </message>
    <message>
        <source>point / line, or line / point, row 3 not used: the foot, its distance from the point as R and the line&apos;s direction as A</source>
        <translation>点 / 直線、または直線 / 点、3行目は使わない: 垂線の足。点からの距離が R、直線の向きが A</translation>
    </message>
    <message>
        <source>Use as row 1, 2, 3</source>
        <translation>1、2、3 行目に使う</translation>
    </message>
    <message>
        <source>in the right-click menu of the candidates list and of the picture: the candidate selected written into that row as the element it is (a circle: X, Y, D 0, R, S 1; a tangent or the line of two points: X, Y, D 3, A, B 0; the perpendicular through a foot; an intersection: X, Y, D 8), every digit kept; Ctrl+Z brings the row back</source>
        <translation>候補一覧と図の右クリックメニューから: 選んだ候補をその要素としてその行に書き込みます (円: X、Y、D 0、R、S 1。接線や2点の直線: X、Y、D 3、A、B 0。垂線の足なら垂線。交点: X、Y、D 8)。桁はすべて残ります。Ctrl+Z で行が元に戻ります</translation>
    </message>
    <message>
        <source>construction
only</source>
        <translation>作図のみ</translation>
    </message>
</context>
</TS>
