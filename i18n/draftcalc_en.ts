<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>draftcalc</name>
    <message>
        <source>1.1 ２点の角度</source>
        <translation>1.1 Angle of 2 points</translation>
    </message>
    <message>
        <source>1.2 点と円の接線の角度</source>
        <translation>1.2 Point&apos;s tangent</translation>
    </message>
    <message>
        <source>1.3 円と円の接線の角度</source>
        <translation>1.3 Circles&apos; tangent</translation>
    </message>
    <message>
        <source>2.1 ２直線の交点</source>
        <translation>2.1 Meet of 2 lines</translation>
    </message>
    <message>
        <source>2.2 直線と円の交点</source>
        <translation>2.2 Line meets circle</translation>
    </message>
    <message>
        <source>2.3 円と円の交点</source>
        <translation>2.3 Meet of 2 circles</translation>
    </message>
    <message>
        <source>3.1 点と円に接する円</source>
        <translation>3.1 Circle thru point</translation>
    </message>
    <message>
        <source>3.2 円と接線に接する円</source>
        <translation>3.2 Circle on tangent</translation>
    </message>
    <message>
        <source>3.3 直線と円に接する円</source>
        <translation>3.3 Circle on line</translation>
    </message>
    <message>
        <source>3.4 ２円に接する円</source>
        <translation>3.4 Circle: 2 circles</translation>
    </message>
    <message>
        <source>3.5 ３点を通る円</source>
        <translation>3.5 Circle: 3 points</translation>
    </message>
    <message>
        <source>3.6 ３直線に接する円</source>
        <translation>3.6 Circle: 3 lines</translation>
    </message>
    <message>
        <source>入力順違いで計算出来ない</source>
        <translation>Rows in the wrong order</translation>
    </message>
    <message>
        <source>交点が求められませんでした。</source>
        <translation>No crossing could be found.</translation>
    </message>
    <message>
        <source>交点無し??</source>
        <translation>No intersection??</translation>
    </message>
    <message>
        <source>交点無し?</source>
        <translation>No intersection?</translation>
    </message>
    <message>
        <source>交点無し!!</source>
        <translation>No intersection!!</translation>
    </message>
    <message>
        <source>求められませんでした。!!</source>
        <translation>Could not be found.!!</translation>
    </message>
    <message>
        <source>求められない</source>
        <translation>Cannot be found</translation>
    </message>
    <message>
        <source>中心が重なり求められない</source>
        <translation>Centres coincide: none</translation>
    </message>
    <message>
        <source>接線が求められない</source>
        <translation>No tangent exists</translation>
    </message>
    <message>
        <source>半径の差が0で求められない</source>
        <translation>Radii equal: none</translation>
    </message>
    <message>
        <source>数値が範囲外で計算出来ない</source>
        <translation>A number is out of range</translation>
    </message>
    <message>
        <source>(built with %1)</source>
        <translation>(built with %1)</translation>
    </message>
    <message>
        <source>A fast, exact calculator for the plane-geometry construction problems of machining and drafting.</source>
        <translation>A fast, exact calculator for the plane-geometry construction problems of machining and drafting.</translation>
    </message>
    <message>
        <source>Free software under the MIT License: use, copy, change and pass it on, keeping the copyright notice. It comes without any warranty.</source>
        <translation>Free software under the MIT License: use, copy, change and pass it on, keeping the copyright notice. It comes without any warranty.</translation>
    </message>
    <message>
        <source>Runs on</source>
        <translation>Runs on</translation>
    </message>
    <message>
        <source>About draftcalc</source>
        <translation>About draftcalc</translation>
    </message>
    <message>
        <source>[ 備考 ]</source>
        <translation>[ Remark ]</translation>
    </message>
    <message>
        <source>no calculation</source>
        <translation>no calculation</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Row %1: %2</translation>
    </message>
    <message>
        <source>the answer</source>
        <translation>the answer</translation>
    </message>
    <message>
        <source>not reachable
with these rows</source>
        <translation>not reachable
with these rows</translation>
    </message>
    <message>
        <source>Candidate %1: %2; %3</source>
        <translation>Candidate %1: %2; %3</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Select with</source>
        <translation>Select with</translation>
    </message>
    <message>
        <source>Copy candidate line</source>
        <translation>Copy candidate line</translation>
    </message>
    <message>
        <source>Next candidate</source>
        <translation>Next candidate</translation>
    </message>
    <message>
        <source>Previous candidate</source>
        <translation>Previous candidate</translation>
    </message>
    <message>
        <source>No candidates: the construction has no answer for these rows.</source>
        <translation>No candidates: the construction has no answer for these rows.</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>計算</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>入力データガイド</source>
        <translation>Input guide</translation>
    </message>
    <message>
        <source>Copy answer line</source>
        <translation>Copy answer line</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>draftcalc help</source>
        <translation>draftcalc help</translation>
    </message>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Keep a history of calculations</source>
        <translation>Keep a history of calculations</translation>
    </message>
    <message>
        <source>Calculations are added to the history.</source>
        <translation>Calculations are added to the history.</translation>
    </message>
    <message>
        <source>The history is off: calculations are not kept.</source>
        <translation>The history is off: calculations are not kept.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Calculation and answer</source>
        <translation>Calculation and answer</translation>
    </message>
    <message>
        <source>(%1 characters)</source>
        <translation>(%1 characters)</translation>
    </message>
    <message>
        <source>The drawing coordinates under the cursor</source>
        <translation>The drawing coordinates under the cursor</translation>
    </message>
    <message>
        <source>Zoom to fit</source>
        <translation>Zoom to fit</translation>
    </message>
    <message>
        <source>Fit after each calculation</source>
        <translation>Fit after each calculation</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>PNG image, as shown (*.png)</source>
        <translation>PNG image, as shown (*.png)</translation>
    </message>
    <message>
        <source>SVG drawing, in drawing units (*.svg)</source>
        <translation>SVG drawing, in drawing units (*.svg)</translation>
    </message>
    <message>
        <source>DXF drawing for CAD, in millimetres (*.dxf)</source>
        <translation>DXF drawing for CAD, in millimetres (*.dxf)</translation>
    </message>
    <message>
        <source>Export the picture</source>
        <translation>Export the picture</translation>
    </message>
    <message>
        <source>the picture could not be encoded as %1</source>
        <translation>the picture could not be encoded as %1</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Export failed</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>No answer: %1</source>
        <translation>No answer: %1</translation>
    </message>
    <message>
        <source>Use %1</source>
        <translation>Use %1</translation>
    </message>
    <message>
        <source>Writes %1 into the rows and calculates; Ctrl+Z brings the rows back</source>
        <translation>Writes %1 into the rows and calculates; Ctrl+Z brings the rows back</translation>
    </message>
    <message>
        <source>Choose a record</source>
        <translation>Choose a record</translation>
    </message>
    <message>
        <source>%1 holds %2 records. Choose one to calculate; Ctrl+PgDn and Ctrl+PgUp step through them in the window.</source>
        <translation>%1 holds %2 records. Choose one to calculate; Ctrl+PgDn and Ctrl+PgUp step through them in the window.</translation>
    </message>
    <message>
        <source>Line %1: %2 — %3</source>
        <translation>Line %1: %2 — %3</translation>
    </message>
    <message>
        <source>CSV files (*.csv);;All files (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>Save rows…</source>
        <translation>Save rows…</translation>
    </message>
    <message>
        <source>Open rows…</source>
        <translation>Open rows…</translation>
    </message>
    <message>
        <source>Next record</source>
        <translation>Next record</translation>
    </message>
    <message>
        <source>Previous record</source>
        <translation>Previous record</translation>
    </message>
    <message>
        <source>Cannot save the rows</source>
        <translation>Cannot save the rows</translation>
    </message>
    <message>
        <source>%1 could not be written: %2

A file of that name is left as it was.</source>
        <translation>%1 could not be written: %2

A file of that name is left as it was.</translation>
    </message>
    <message>
        <source>Rows saved to %1</source>
        <translation>Rows saved to %1</translation>
    </message>
    <message>
        <source>Only the first %1 MiB of the file were read.</source>
        <translation>Only the first %1 MiB of the file were read.</translation>
    </message>
    <message>
        <source>Cannot open %1</source>
        <translation>Cannot open %1</translation>
    </message>
    <message>
        <source>The rows are left as they were.</source>
        <translation>The rows are left as they were.</translation>
    </message>
    <message>
        <source>… and %1 more problems</source>
        <translation>… and %1 more problems</translation>
    </message>
    <message>
        <source>Only the first %1 records of %2 were read.</source>
        <translation>Only the first %1 records of %2 were read.</translation>
    </message>
    <message>
        <source>%1: record %2 of %3, line %4</source>
        <translation>%1: record %2 of %3, line %4</translation>
    </message>
    <message>
        <source>That was the last record of %1.</source>
        <translation>That was the last record of %1.</translation>
    </message>
    <message>
        <source>That was the first record of %1.</source>
        <translation>That was the first record of %1.</translation>
    </message>
    <message>
        <source>Save rows</source>
        <translation>Save rows</translation>
    </message>
    <message>
        <source>Open rows</source>
        <translation>Open rows</translation>
    </message>
    <message>
        <source>Input rows</source>
        <translation>Input rows</translation>
    </message>
    <message>
        <source>Help (F1)</source>
        <translation>Help (F1)</translation>
    </message>
    <message>
        <source>Close the help</source>
        <translation>Close the help</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Catalogue: what to type for each calculation</source>
        <translation>Catalogue: what to type for each calculation</translation>
    </message>
    <message>
        <source>備考</source>
        <translation>Remark</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Zoom to fit (F)</source>
        <translation>Zoom to fit (F)</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Export SVG</source>
        <translation>Export SVG</translation>
    </message>
    <message>
        <source>The drawing as draftcalc-cli calc --all --svg writes it</source>
        <translation>The drawing as draftcalc-cli calc --all --svg writes it</translation>
    </message>
    <message>
        <source>Drawing of the rows, the answer and the candidates</source>
        <translation>Drawing of the rows, the answer and the candidates</translation>
    </message>
    <message>
        <source>Candidates</source>
        <translation>Candidates</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>not reachable with these rows</source>
        <translation>not reachable with these rows</translation>
    </message>
    <message>
        <source>Candidate %1: %2</source>
        <translation>Candidate %1: %2</translation>
    </message>
    <message>
        <source>a point</source>
        <translation>a point</translation>
    </message>
    <message>
        <source>a line</source>
        <translation>a line</translation>
    </message>
    <message>
        <source>a value row</source>
        <translation>a value row</translation>
    </message>
    <message>
        <source>a circle</source>
        <translation>a circle</translation>
    </message>
    <message>
        <source>a row</source>
        <translation>a row</translation>
    </message>
    <message>
        <source>a value row (D 5) stands in row 2, between two elements</source>
        <translation>a value row (D 5) stands in row 2, between two elements</translation>
    </message>
    <message>
        <source>D 2 marks the second of two lines; row 1 takes D 1 or 3</source>
        <translation>D 2 marks the second of two lines; row 1 takes D 1 or 3</translation>
    </message>
    <message>
        <source>the second of two lines takes D 2 or 3</source>
        <translation>the second of two lines takes D 2 or 3</translation>
    </message>
    <message>
        <source>2.2 takes a circle then a line with D 3 (or the line first)</source>
        <translation>2.2 takes a circle then a line with D 3 (or the line first)</translation>
    </message>
    <message>
        <source>a value row (D 5) in row 2 needs a circle in row 3 (D3 from 0 to below 10)</source>
        <translation>a value row (D 5) in row 2 needs a circle in row 3 (D3 from 0 to below 10)</translation>
    </message>
    <message>
        <source>no calculation takes a point with a line (1.2 takes a point and a circle, 2.2 a line and a circle)</source>
        <translation>no calculation takes a point with a line (1.2 takes a point and a circle, 2.2 a line and a circle)</translation>
    </message>
    <message>
        <source>no calculation takes them in this order (see the catalogue)</source>
        <translation>no calculation takes them in this order (see the catalogue)</translation>
    </message>
    <message>
        <source>rows 1 and 2 are %1 and %2: %3</source>
        <translation>rows 1 and 2 are %1 and %2: %3</translation>
    </message>
    <message>
        <source>the construction has %1 answer (the candidate): %2 gives candidate %3</source>
        <translation>the construction has %1 answer (the candidate): %2 gives candidate %3</translation>
    </message>
    <message>
        <source>the construction has %1 answers (the candidates): %2 gives candidate %3</source>
        <translation>the construction has %1 answers (the candidates): %2 gives candidate %3</translation>
    </message>
    <message>
        <source>the point is the circle&apos;s centre: no tangent passes through it</source>
        <translation>the point is the circle&apos;s centre: no tangent passes through it</translation>
    </message>
    <message>
        <source>the circles share their centre (%1, %2): they have no common tangent</source>
        <translation>the circles share their centre (%1, %2): they have no common tangent</translation>
    </message>
    <message>
        <source>the point lies %1 from the circle&apos;s centre, inside its radius %2: %3 inside</source>
        <translation>the point lies %1 from the circle&apos;s centre, inside its radius %2: %3 inside</translation>
    </message>
    <message>
        <source>circle %1 lies inside circle %2: the centres are %3 apart, less than the %4 between the radii: no common tangent</source>
        <translation>circle %1 lies inside circle %2: the centres are %3 apart, less than the %4 between the radii: no common tangent</translation>
    </message>
    <message>
        <source>the signs of R ask for a tangent crossing between the circles, which overlap: the centres are %1 apart, less than the radii %2 + %3</source>
        <translation>the signs of R ask for a tangent crossing between the circles, which overlap: the centres are %1 apart, less than the radii %2 + %3</translation>
    </message>
    <message>
        <source>lines %1 and %2 meet at (%3, %4) but so nearly parallel (A %5 and %6) that the calculation&apos;s angles cannot tell where</source>
        <translation>lines %1 and %2 meet at (%3, %4) but so nearly parallel (A %5 and %6) that the calculation&apos;s angles cannot tell where</translation>
    </message>
    <message>
        <source>lines %1 and %2 coincide (A %3 and %4)</source>
        <translation>lines %1 and %2 coincide (A %3 and %4)</translation>
    </message>
    <message>
        <source>lines %1 and %2 are parallel (A %3 and %4)</source>
        <translation>lines %1 and %2 are parallel (A %3 and %4)</translation>
    </message>
    <message>
        <source>the line passes %1 from the circle&apos;s centre; radius %2: %3 short</source>
        <translation>the line passes %1 from the circle&apos;s centre; radius %2: %3 short</translation>
    </message>
    <message>
        <source>the line touches the circle within %1, too closely for the calculation&apos;s rounding</source>
        <translation>the line touches the circle within %1, too closely for the calculation&apos;s rounding</translation>
    </message>
    <message>
        <source>the circles share their centre: they do not meet</source>
        <translation>the circles share their centre: they do not meet</translation>
    </message>
    <message>
        <source>circle %1 has radius 0</source>
        <translation>circle %1 has radius 0</translation>
    </message>
    <message>
        <source>the centres are %1 apart; radii %2 + %3 reach %4: %5 short</source>
        <translation>the centres are %1 apart; radii %2 + %3 reach %4: %5 short</translation>
    </message>
    <message>
        <source>circle %1 lies inside circle %2: the centres are %3 apart, less than the %4 between the radii: %5 too close to meet</source>
        <translation>circle %1 lies inside circle %2: the centres are %3 apart, less than the %4 between the radii: %5 too close to meet</translation>
    </message>
    <message>
        <source>the circles touch within %1, too closely for the calculation&apos;s rounding</source>
        <translation>the circles touch within %1, too closely for the calculation&apos;s rounding</translation>
    </message>
    <message>
        <source>; with these signs the nearest C that gives one is %1</source>
        <translation>; with these signs the nearest C that gives one is %1</translation>
    </message>
    <message>
        <source>the point</source>
        <translation>the point</translation>
    </message>
    <message>
        <source>circle 1</source>
        <translation>circle 1</translation>
    </message>
    <message>
        <source>circle 3</source>
        <translation>circle 3</translation>
    </message>
    <message>
        <source>%1 and circle 3 share their centre</source>
        <translation>%1 and circle 3 share their centre</translation>
    </message>
    <message>
        <source>%1 and circle 3 are %2 apart: a circle of radius |C| = %3 touching both needs |C| at least %4</source>
        <translation>%1 and circle 3 are %2 apart: a circle of radius |C| = %3 touching both needs |C| at least %4</translation>
    </message>
    <message>
        <source>%1 lies inside %2, %3 from its edge: a circle of radius |C| = %4 touching both needs |C| at least %5</source>
        <translation>%1 lies inside %2, %3 from its edge: a circle of radius |C| = %4 touching both needs |C| at least %5</translation>
    </message>
    <message>
        <source>no circle of radius |C| = %1 touches %2 and circle 3 as the signs of R, C and S ask</source>
        <translation>no circle of radius |C| = %1 touches %2 and circle 3 as the signs of R, C and S ask</translation>
    </message>
    <message>
        <source>the point lies %1 from the circle&apos;s centre, inside its radius %2: no tangent passes through it</source>
        <translation>the point lies %1 from the circle&apos;s centre, inside its radius %2: no tangent passes through it</translation>
    </message>
    <message>
        <source>no circle of radius |C| = %1 touches the circle and the tangent from the point on the sides the signs of R, C and S choose</source>
        <translation>no circle of radius |C| = %1 touches the circle and the tangent from the point on the sides the signs of R, C and S choose</translation>
    </message>
    <message>
        <source>the circle lies %1 from the line: a circle of radius |C| = %2 touching both needs |C| at least %3</source>
        <translation>the circle lies %1 from the line: a circle of radius |C| = %2 touching both needs |C| at least %3</translation>
    </message>
    <message>
        <source>no circle of radius |C| = %1 touches the line and the circle on the sides the signs of C and S choose</source>
        <translation>no circle of radius |C| = %1 touches the line and the circle on the sides the signs of C and S choose</translation>
    </message>
    <message>
        <source>points %1 and %2 coincide: three points are needed</source>
        <translation>points %1 and %2 coincide: three points are needed</translation>
    </message>
    <message>
        <source>the three points lie on one line: no circle passes through them</source>
        <translation>the three points lie on one line: no circle passes through them</translation>
    </message>
    <message>
        <source>the corners&apos; bisectors do not meet: no circle touches the three lines as their directions ask</source>
        <translation>the corners&apos; bisectors do not meet: no circle touches the three lines as their directions ask</translation>
    </message>
    <message>
        <source>the calculation found no answer for these rows</source>
        <translation>the calculation found no answer for these rows</translation>
    </message>
    <message>
        <source>the numbers are too large to calculate with: a distance or its square passes the largest double</source>
        <translation>the numbers are too large to calculate with: a distance or its square passes the largest double</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>point at (X, Y)</source>
        <translation>point at (X, Y)</translation>
    </message>
    <message>
        <source>circle: centre (X, Y), radius R, side S</source>
        <translation>circle: centre (X, Y), radius R, side S</translation>
    </message>
    <message>
        <source>line through (X, Y) at angle A degrees (1 in row 1, 2 in row 2)</source>
        <translation>line through (X, Y) at angle A degrees (1 in row 1, 2 in row 2)</translation>
    </message>
    <message>
        <source>line through (X, Y) at angle A, moved by B to the left of its direction</source>
        <translation>line through (X, Y) at angle A, moved by B to the left of its direction</translation>
    </message>
    <message>
        <source>value row: C (row 2)</source>
        <translation>value row: C (row 2)</translation>
    </message>
    <message>
        <source>row 3 not used (so is any D that is not a number from 0 to below 10)</source>
        <translation>row 3 not used (so is any D that is not a number from 0 to below 10)</translation>
    </message>
    <message>
        <source>Left and right are seen looking along a line&apos;s direction A. Only the sign of S counts: S = 1 stands for any positive S, S = -1 for any negative one.</source>
        <translation>Left and right are seen looking along a line&apos;s direction A. Only the sign of S counts: S = 1 stands for any positive S, S = -1 for any negative one.</translation>
    </message>
    <message>
        <source>No signs to choose: A is the direction from point 1 to point 2.</source>
        <translation>No signs to choose: A is the direction from point 1 to point 2.</translation>
    </message>
    <message>
        <source>R &gt; 0: the tangent that has the circle on its left; R &lt; 0: on its right.</source>
        <translation>R &gt; 0: the tangent that has the circle on its left; R &lt; 0: on its right.</translation>
    </message>
    <message>
        <source>Each circle lies left of the tangent when its R &gt; 0 and right of it when its R &lt; 0: equal signs give an outer tangent, opposite signs a crossing one.</source>
        <translation>Each circle lies left of the tangent when its R &gt; 0 and right of it when its R &lt; 0: equal signs give an outer tangent, opposite signs a crossing one.</translation>
    </message>
    <message>
        <source>No signs to choose; B &gt; 0 moves a code-3 line to its left, B &lt; 0 to its right.</source>
        <translation>No signs to choose; B &gt; 0 moves a code-3 line to its left, B &lt; 0 to its right.</translation>
    </message>
    <message>
        <source>S = 1: the intersection with the larger X (on a level line the smaller X, on an upright line the larger Y); S = -1: the other one; S empty or 0: the point midway between them. All reversed when the line&apos;s X lies right of the circle&apos;s centre.</source>
        <translation>S = 1: the intersection with the larger X (on a level line the smaller X, on an upright line the larger Y); S = -1: the other one; S empty or 0: the point midway between them. All reversed when the line&apos;s X lies right of the circle&apos;s centre.</translation>
    </message>
    <message>
        <source>S of row 3 = 1: the intersection left of the line from the row-1 centre to the row-3 centre; S = -1: the one right of it. A negative R in row 1 swaps them.</source>
        <translation>S of row 3 = 1: the intersection left of the line from the row-1 centre to the row-3 centre; S = -1: the one right of it. A negative R in row 1 swaps them.</translation>
    </message>
    <message>
        <source>R and C of one sign: the circles touch internally; opposite signs: externally. S = 1: the centre right of the line from the point to the circle&apos;s centre when C &gt; 0, left when C &lt; 0; S = -1: the other side. Runs when the point lies within |C + |R|| of the circle&apos;s centre, else 3.2.</source>
        <translation>R and C of one sign: the circles touch internally; opposite signs: externally. S = 1: the centre right of the line from the point to the circle&apos;s centre when C &gt; 0, left when C &lt; 0; S = -1: the other side. Runs when the point lies within |C + |R|| of the circle&apos;s centre, else 3.2.</translation>
    </message>
    <message>
        <source>R &gt; 0: the tangent from the point that has the circle on its left (R &lt; 0: on its right); C &gt; 0: the new circle right of that tangent (C &lt; 0: left of it); S = 1: it touches the circle internally, S = -1: externally; of the two centres that remain, S chooses as in 2.2.</source>
        <translation>R &gt; 0: the tangent from the point that has the circle on its left (R &lt; 0: on its right); C &gt; 0: the new circle right of that tangent (C &lt; 0: left of it); S = 1: it touches the circle internally, S = -1: externally; of the two centres that remain, S chooses as in 2.2.</translation>
    </message>
    <message>
        <source>C &gt; 0: the new circle right of the line (C &lt; 0: left of it); S = 1: it touches the circle internally, S = -1: externally; of the two centres that remain, S chooses as in 2.2.</source>
        <translation>C &gt; 0: the new circle right of the line (C &lt; 0: left of it); S = 1: it touches the circle internally, S = -1: externally; of the two centres that remain, S chooses as in 2.2.</translation>
    </message>
    <message>
        <source>R and C of one sign: the new circle touches that circle internally; opposite signs: externally. S of row 3 = 1: the centre left of the line from the row-1 centre to the row-3 centre; S = -1: right of it. Swapped when R of row 1 is less than C.</source>
        <translation>R and C of one sign: the new circle touches that circle internally; opposite signs: externally. S of row 3 = 1: the centre left of the line from the row-1 centre to the row-3 centre; S = -1: right of it. Swapped when R of row 1 is less than C.</translation>
    </message>
    <message>
        <source>No signs to choose.</source>
        <translation>No signs to choose.</translation>
    </message>
    <message>
        <source>The circle on the same side of all three lines (left of each, or right of each): turning one line&apos;s A by 180 degrees picks another of the four touching circles.</source>
        <translation>The circle on the same side of all three lines (left of each, or right of each): turning one line&apos;s A by 180 degrees picks another of the four touching circles.</translation>
    </message>
    <message>
        <source>A remark means there is no answer: the numbers beside it (grey) are not one, and nothing is drawn for them. Under the answers the reason stands in numbers, with a button for the nearest edit of one box that gives an answer where there is one; draftcalc-cli --explain writes the same.</source>
        <translation>A remark means there is no answer: the numbers beside it (grey) are not one, and nothing is drawn for them. Under the answers the reason stands in numbers, with a button for the nearest edit of one box that gives an answer where there is one; draftcalc-cli --explain writes the same.</translation>
    </message>
    <message>
        <source>The rows are in no calculation&apos;s order (any calculation): check the D codes against the catalogue, e.g. a point with a line, D 2 in row 1, or a value row (D 5) that is not in row 2 before a circle.</source>
        <translation>The rows are in no calculation&apos;s order (any calculation): check the D codes against the catalogue, e.g. a point with a line, D 2 in row 1, or a value row (D 5) that is not in row 2 before a circle.</translation>
    </message>
    <message>
        <source>Two lines do not meet (2.1, 3.6): they are parallel or coincide; check their angles A.</source>
        <translation>Two lines do not meet (2.1, 3.6): they are parallel or coincide; check their angles A.</translation>
    </message>
    <message>
        <source>A line misses a circle (2.2; in 3.2 and 3.3 the line on which the new circle&apos;s centre must lie misses the circle it must touch): the line passes farther from the centre than the radius, or |C| is too small for a circle touching both on the sides the signs choose; check R, C and the line&apos;s position.</source>
        <translation>A line misses a circle (2.2; in 3.2 and 3.3 the line on which the new circle&apos;s centre must lie misses the circle it must touch): the line passes farther from the centre than the radius, or |C| is too small for a circle touching both on the sides the signs choose; check R, C and the line&apos;s position.</translation>
    </message>
    <message>
        <source>Two circles lie too far apart to meet (2.3), or for a circle of radius |C| to touch both (3.1, 3.4): the centres are farther apart than the radii reach; check the centres, R and C.</source>
        <translation>Two circles lie too far apart to meet (2.3), or for a circle of radius |C| to touch both (3.1, 3.4): the centres are farther apart than the radii reach; check the centres, R and C.</translation>
    </message>
    <message>
        <source>Two circles do not meet because one lies inside the other (2.3; in 3.1 and 3.4 for the circle of radius |C| the signs ask for), or in 3.6 no circle touches the three lines as their directions ask; check R, C and S, or turn a line&apos;s A by 180.</source>
        <translation>Two circles do not meet because one lies inside the other (2.3; in 3.1 and 3.4 for the circle of radius |C| the signs ask for), or in 3.6 no circle touches the three lines as their directions ask; check R, C and S, or turn a line&apos;s A by 180.</translation>
    </message>
    <message>
        <source>3.5: the three points lie on one level line; move one off it.</source>
        <translation>3.5: the three points lie on one level line; move one off it.</translation>
    </message>
    <message>
        <source>3.5: the three points lie on one line; move one off it.</source>
        <translation>3.5: the three points lie on one line; move one off it.</translation>
    </message>
    <message>
        <source>Two circles share their centre (1.3, 2.3, 3.1, 3.4), or in 1.2 the point is the circle&apos;s centre: there is no tangent, intersection or touching circle to find; move one centre.</source>
        <translation>Two circles share their centre (1.3, 2.3, 3.1, 3.4), or in 1.2 the point is the circle&apos;s centre: there is no tangent, intersection or touching circle to find; move one centre.</translation>
    </message>
    <message>
        <source>No tangent passes as asked (1.2, 1.3, 3.2): the point lies inside the circle, one circle lies inside the other, or the signs of R ask for a tangent crossing between circles that overlap; move the point or change R.</source>
        <translation>No tangent passes as asked (1.2, 1.3, 3.2): the point lies inside the circle, one circle lies inside the other, or the signs of R ask for a tangent crossing between circles that overlap; move the point or change R.</translation>
    </message>
    <message>
        <source>2.3, 3.1, 3.4: R of row 1 equals C, so the circle of radius |C| touching circle 1 from inside is circle 1 itself and its centre cannot be placed; change R or C.</source>
        <translation>2.3, 3.1, 3.4: R of row 1 equals C, so the circle of radius |C| touching circle 1 from inside is circle 1 itself and its centre cannot be placed; change R or C.</translation>
    </message>
    <message>
        <source>A number is too large to calculate with (any calculation): a distance or its square passes the largest double (about 1.8e308); check the boxes for a mistyped exponent.</source>
        <translation>A number is too large to calculate with (any calculation): a distance or its square passes the largest double (about 1.8e308); check the boxes for a mistyped exponent.</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>next, previous box</source>
        <translation>next, previous box</translation>
    </message>
    <message>
        <source>Click on a candidate</source>
        <translation>Click on a candidate</translation>
    </message>
    <message>
        <source>on its number in the picture or its row in the candidates list: its edits are written into the rows and calculated (a candidate not reachable with these rows is only selected)</source>
        <translation>on its number in the picture or its row in the candidates list: its edits are written into the rows and calculated (a candidate not reachable with these rows is only selected)</translation>
    </message>
    <message>
        <source>pick the next, previous candidate, from anywhere in the window</source>
        <translation>pick the next, previous candidate, from anywhere in the window</translation>
    </message>
    <message>
        <source>Tab, Shift+Tab in the candidates list</source>
        <translation>Tab, Shift+Tab in the candidates list</translation>
    </message>
    <message>
        <source>pick the next, previous candidate; past the last or the first, on to the next control</source>
        <translation>pick the next, previous candidate; past the last or the first, on to the next control</translation>
    </message>
    <message>
        <source>copy the answer as one tab-separated line: X, Y, A, R, remark; in the candidates list, with a candidate selected, that candidate&apos;s line instead: number, X, Y, A, R, edits, then X and Y of each touching point</source>
        <translation>copy the answer as one tab-separated line: X, Y, A, R, remark; in the candidates list, with a candidate selected, that candidate&apos;s line instead: number, X, Y, A, R, edits, then X and Y of each touching point</translation>
    </message>
    <message>
        <source>Right-click on an answer</source>
        <translation>Right-click on an answer</translation>
    </message>
    <message>
        <source>copy that field or the whole answer</source>
        <translation>copy that field or the whole answer</translation>
    </message>
    <message>
        <source>Wheel, drag on the picture</source>
        <translation>Wheel, drag on the picture</translation>
    </message>
    <message>
        <source>zoom in or out a slider step about the point under the pointer; drag with the left or middle button to pan</source>
        <translation>zoom in or out a slider step about the point under the pointer; drag with the left or middle button to pan</translation>
    </message>
    <message>
        <source>F or Home, +, -, arrow keys on the picture</source>
        <translation>F or Home, +, -, arrow keys on the picture</translation>
    </message>
    <message>
        <source>zoom to fit the rows, the answer and the candidates; zoom in, out about the centre; pan (click the picture first)</source>
        <translation>zoom to fit the rows, the answer and the candidates; zoom in, out about the centre; pan (click the picture first)</translation>
    </message>
    <message>
        <source>export the picture: PNG as shown, SVG or DXF in drawing units (millimetres)</source>
        <translation>export the picture: PNG as shown, SVG or DXF in drawing units (millimetres)</translation>
    </message>
    <message>
        <source>show the history of calculations in the candidates list&apos;s place, newest first, or hide it; double-click or Enter on a calculation writes its rows back into the boxes and calculates them</source>
        <translation>show the history of calculations in the candidates list&apos;s place, newest first, or hide it; double-click or Enter on a calculation writes its rows back into the boxes and calculates them</translation>
    </message>
    <message>
        <source>save the rows and their answer as a CSV file of one record, with draftcalc-cli&apos;s columns</source>
        <translation>save the rows and their answer as a CSV file of one record, with draftcalc-cli&apos;s columns</translation>
    </message>
    <message>
        <source>open a CSV file of rows (columns x1 .. s3, as draftcalc-cli reads them): its first record is calculated, and of several records a list lets you choose one; dropping a CSV file on the window does the same</source>
        <translation>open a CSV file of rows (columns x1 .. s3, as draftcalc-cli reads them): its first record is calculated, and of several records a list lets you choose one; dropping a CSV file on the window does the same</translation>
    </message>
    <message>
        <source>calculate the next, previous record of the file opened</source>
        <translation>calculate the next, previous record of the file opened</translation>
    </message>
    <message>
        <source>Right-click on the picture</source>
        <translation>Right-click on the picture</translation>
    </message>
    <message>
        <source>undo what the program last did to the rows (Clear, a candidate picked, a record opened or restored), the answer with them; in a box you have typed into, undo the typing first</source>
        <translation>undo what the program last did to the rows (Clear, a candidate picked, a record opened or restored), the answer with them; in a box you have typed into, undo the typing first</translation>
    </message>
    <message>
        <source>redo what Ctrl+Z undid</source>
        <translation>redo what Ctrl+Z undid</translation>
    </message>
    <message>
        <source>this help</source>
        <translation>this help</translation>
    </message>
    <message>
        <source>close this help</source>
        <translation>close this help</translation>
    </message>
    <message>
        <source>D codes</source>
        <translation>D codes</translation>
    </message>
    <message>
        <source>Signs of R, S and C</source>
        <translation>Signs of R, S and C</translation>
    </message>
    <message>
        <source>Remarks</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Zoom to fit; Fit after each calculation that leaves the answer out of view (on at first, kept); Export; Open rows, Save rows, History, Keep a history of calculations (on or off, remembered); English, 日本語: the window&apos;s language (remembered); About draftcalc: version, licence, libraries</source>
        <translation>Zoom to fit; Fit after each calculation that leaves the answer out of view (on at first, kept); Export; Open rows, Save rows, History, Keep a history of calculations (on or off, remembered); English, 日本語: the window&apos;s language (remembered); About draftcalc: version, licence, libraries</translation>
    </message>
    <message>
        <source>Usage:
  draftcalc-cli [FILE] [OPTIONS]   one calculation per CSV record of FILE (or standard input)
  draftcalc-cli calc BOX=TEXT ...  one calculation from the named input boxes
                [--svg FILE] [--dxf FILE]  and its drawing
  draftcalc-cli --help             this text
  draftcalc-cli --version          the version</source>
        <translation>Usage:
  draftcalc-cli [FILE] [OPTIONS]   one calculation per CSV record of FILE (or standard input)
  draftcalc-cli calc BOX=TEXT ...  one calculation from the named input boxes
                [--svg FILE] [--dxf FILE]  and its drawing
  draftcalc-cli --help             this text
  draftcalc-cli --version          the version</translation>
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
        <translation>Options:
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
                        and exit status 1</translation>
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
        <translation>Input boxes are named by column and row: x1 y1 d1 a1 b1 c1 r1 s1, x2 ... s2,
x3 ... s3 (columns X Y D A B C R S of rows 1 to 3, either case). A box that is
not given keeps the window&apos;s start-up text: X and Y &quot;0.000&quot;, D of row 3 &quot;99&quot;,
all others empty. The D code says what a row is:
  8 point (X, Y)      0 circle (X, Y, radius R, side S)
  1, 2, 3 line (X, Y, angle A; offset B for 3)    5 value row (C)
and the codes alone choose the calculation; row 3 takes part when its D is a
number from 0 to below 10.</translation>
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
        <translation>CSV mode reads RFC 4180 CSV (UTF-8, header line required, CR, LF or CRLF line
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
unclosed quote runs to the end of the input.</translation>
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
        <translation>With --all, CSV mode writes twelve more columns after the answer columns,
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
captions, the touching points as lines T1, T2, T3.</translation>
    </message>
    <message>
        <source>With --explain, CSV mode writes two more columns after the answer columns
(before the --all ones): ansWhy, the reason a record has a remark instead of
an answer, in one sentence with the numbers that decide it (&quot;centres 20
apart; radii 5 + 5 reach 10: 10 short&quot;), and ansFix, the nearest input that
gives an answer as BOX=TEXT words (&quot;r2=15&quot;), the smallest change of one box
to the captions&apos; four decimals; both empty for an answer, ansFix empty when
no one box edit helps. calc --explain prints them as the lines Why and Fix.</source>
        <translation>With --explain, CSV mode writes two more columns after the answer columns
(before the --all ones): ansWhy, the reason a record has a remark instead of
an answer, in one sentence with the numbers that decide it (&quot;centres 20
apart; radii 5 + 5 reach 10: 10 short&quot;), and ansFix, the nearest input that
gives an answer as BOX=TEXT words (&quot;r2=15&quot;), the smallest change of one box
to the captions&apos; four decimals; both empty for an answer, ansFix empty when
no one box edit helps. calc --explain prints them as the lines Why and Fix.</translation>
    </message>
    <message>
        <source>With --strict, a record with a box text that is not read whole as a number
(text after the number, a decimal comma, a text with no number, which is read
as 0, or a number beyond the double range) is reported as
FILE:LINE: r2 &quot;8,5&quot; is read as 8 and skipped (exit status 2 at the end);
calc --strict refuses it the same way. Blanks around a number are fine.</source>
        <translation>With --strict, a record with a box text that is not read whole as a number
(text after the number, a decimal comma, a text with no number, which is read
as 0, or a number beyond the double range) is reported as
FILE:LINE: r2 &quot;8,5&quot; is read as 8 and skipped (exit status 2 at the end);
calc --strict refuses it the same way. Blanks around a number are fine.</translation>
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
        <translation>Exit status:
  0  every record was calculated and written
  1  the input could not be read or the output could not be written
     (the output is incomplete)
  2  malformed input (some records skipped, with --strict also those with a
     box not read whole, or a header that is missing, not UTF-8, names a box
     twice, names no box, or has a column that is a box name only once blanks
     or a byte-order mark are taken off it) or a wrong command line</translation>
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
        <translation>Examples:
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
    printf &apos;x1,y1,d1,x2,y2,d2\n0,0,8,3,4,8\n&apos; | draftcalc-cli</translation>
    </message>
    <message>
        <source>cannot read: %1</source>
        <translation>cannot read: %1</translation>
    </message>
    <message>
        <source>no header line</source>
        <translation>no header line</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not of the form BOX=TEXT with BOX one of x1 .. s3</source>
        <translation>&quot;%1&quot; is not of the form BOX=TEXT with BOX one of x1 .. s3</translation>
    </message>
    <message>
        <source>input box %1 is given twice</source>
        <translation>input box %1 is given twice</translation>
    </message>
    <message>
        <source>%1 needs a whole number from %2 to %3</source>
        <translation>%1 needs a whole number from %2 to %3</translation>
    </message>
    <message>
        <source>%1 needs a file name</source>
        <translation>%1 needs a file name</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 is given twice</translation>
    </message>
    <message>
        <source>--lang needs en or ja</source>
        <translation>--lang needs en or ja</translation>
    </message>
    <message>
        <source>%1 draws one calculation: it goes with calc</source>
        <translation>%1 draws one calculation: it goes with calc</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unknown option %1</translation>
    </message>
    <message>
        <source>too many arguments</source>
        <translation>too many arguments</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>Try &apos;draftcalc-cli --help&apos;.</source>
        <translation>Try &apos;draftcalc-cli --help&apos;.</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>cannot open %1: %2</translation>
    </message>
    <message>
        <source>cannot write output: %1</source>
        <translation>cannot write output: %1</translation>
    </message>
    <message>
        <source>read as 0: it does not begin with a number</source>
        <translation>read as 0: it does not begin with a number</translation>
    </message>
    <message>
        <source>read as 0: the number lies beyond the range of a double</source>
        <translation>read as 0: the number lies beyond the range of a double</translation>
    </message>
    <message>
        <source>read as %1: the text after &quot;%2&quot; is ignored</source>
        <translation>read as %1: the text after &quot;%2&quot; is ignored</translation>
    </message>
    <message>
        <source>header column %1 is not valid UTF-8</source>
        <translation>header column %1 is not valid UTF-8</translation>
    </message>
    <message>
        <source>column &quot;%1&quot; is not %2; write %2</source>
        <translation>column &quot;%1&quot; is not %2; write %2</translation>
    </message>
    <message>
        <source>header names input box %1 twice</source>
        <translation>header names input box %1 twice</translation>
    </message>
    <message>
        <source>the header names no input box (x1 … s3)</source>
        <translation>the header names no input box (x1 … s3)</translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is read as %3</source>
        <translation>%1 &quot;%2&quot; is read as %3</translation>
    </message>
    <message>
        <source>unexpected text after a closing quote</source>
        <translation>unexpected text after a closing quote</translation>
    </message>
    <message>
        <source>quoted field is not closed before the end of the input</source>
        <translation>quoted field is not closed before the end of the input</translation>
    </message>
    <message>
        <source>record longer than %1 bytes</source>
        <translation>record longer than %1 bytes</translation>
    </message>
    <message>
        <source>record has %1 fields, the header has %2</source>
        <translation>record has %1 fields, the header has %2</translation>
    </message>
    <message>
        <source>The history is not kept: there is no folder for the program&apos;s data.</source>
        <translation>The history is not kept: there is no folder for the program&apos;s data.</translation>
    </message>
    <message>
        <source>The history is not kept: %1 cannot be read (%2).</source>
        <translation>The history is not kept: %1 cannot be read (%2).</translation>
    </message>
    <message>
        <source>%1 of its %2 records are damaged</source>
        <translation>%1 of its %2 records are damaged</translation>
    </message>
    <message>
        <source>Damaged records in the history skipped: %1.</source>
        <translation>Damaged records in the history skipped: %1.</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>line %1: %2</translation>
    </message>
    <message>
        <source>not the header of a history</source>
        <translation>not the header of a history</translation>
    </message>
    <message>
        <source>The history is not kept: %1 is no history (%2) and could not be set aside (%3).</source>
        <translation>The history is not kept: %1 is no history (%2) and could not be set aside (%3).</translation>
    </message>
    <message>
        <source>The history file could not be read (%1): it was set aside as %2 and a new one started.</source>
        <translation>The history file could not be read (%1): it was set aside as %2 and a new one started.</translation>
    </message>
    <message>
        <source>The history file was mostly damaged (%1): it was set aside as %2 and a new one started (its readable records could not be kept: %3).</source>
        <translation>The history file was mostly damaged (%1): it was set aside as %2 and a new one started (its readable records could not be kept: %3).</translation>
    </message>
    <message>
        <source>The history file was mostly damaged (%1): it was set aside as %2 and a new one started with its %3 readable records.</source>
        <translation>The history file was mostly damaged (%1): it was set aside as %2 and a new one started with its %3 readable records.</translation>
    </message>
    <message>
        <source>The calculation could not be added to the history: cannot make the folder %1 (%2).</source>
        <translation>The calculation could not be added to the history: cannot make the folder %1 (%2).</translation>
    </message>
    <message>
        <source>The calculation could not be added to the history: another program has kept it locked.</source>
        <translation>The calculation could not be added to the history: another program has kept it locked.</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>%1; the part written could not be taken back</source>
        <translation>%1; the part written could not be taken back</translation>
    </message>
    <message>
        <source>The calculation could not be added to the history (%1).</source>
        <translation>The calculation could not be added to the history (%1).</translation>
    </message>
    <message>
        <source>The history could not be shortened (%1).</source>
        <translation>The history could not be shortened (%1).</translation>
    </message>
    <message>
        <source>input box %1 is not valid UTF-8</source>
        <translation>input box %1 is not valid UTF-8</translation>
    </message>
    <message>
        <source>no records after the header</source>
        <translation>no records after the header</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>cannot open: %1</translation>
    </message>
    <message>
        <source>not a regular file but a folder</source>
        <translation>not a regular file but a folder</translation>
    </message>
    <message>
        <source>not a regular file but a named pipe (FIFO)</source>
        <translation>not a regular file but a named pipe (FIFO)</translation>
    </message>
    <message>
        <source>not a regular file but a device</source>
        <translation>not a regular file but a device</translation>
    </message>
    <message>
        <source>not a regular file but a socket</source>
        <translation>not a regular file but a socket</translation>
    </message>
    <message>
        <source>not a regular file but of another kind</source>
        <translation>not a regular file but of another kind</translation>
    </message>
    <message>
        <source>construction only</source>
        <translation>construction only</translation>
    </message>
    <message>
        <source>Use as row 1</source>
        <translation>Use as row 1</translation>
    </message>
    <message>
        <source>Use as row 2</source>
        <translation>Use as row 2</translation>
    </message>
    <message>
        <source>Use as row 3</source>
        <translation>Use as row 3</translation>
    </message>
    <message>
        <source>Use as row</source>
        <translation>Use as row</translation>
    </message>
    <message>
        <source>Writes the candidate picked into row %1 as the element it is; Ctrl+Z brings the row back</source>
        <translation>Writes the candidate picked into row %1 as the element it is; Ctrl+Z brings the row back</translation>
    </message>
    <message>
        <source>Constructions without a calculation</source>
        <translation>Constructions without a calculation</translation>
    </message>
    <message>
        <source>These rows have no calculation of their own (the answer shows a remark or another calculation&apos;s reading); their answers stand first in the candidates list, marked construction only (+ in draftcalc-cli&apos;s candSet), and a click selects one without changing the rows.</source>
        <translation>These rows have no calculation of their own (the answer shows a remark or another calculation&apos;s reading); their answers stand first in the candidates list, marked construction only (+ in draftcalc-cli&apos;s candSet), and a click selects one without changing the rows.</translation>
    </message>
    <message>
        <source>Fillet</source>
        <translation>Fillet</translation>
    </message>
    <message>
        <source>line / value / line (D 1-3, D 5 with C, D 1-3): the circles of radius |C| touching both lines (4 for crossing lines, counter-clockwise around the crossing point), each with its touching points T1 on line 1 and T2 on line 3</source>
        <translation>line / value / line (D 1-3, D 5 with C, D 1-3): the circles of radius |C| touching both lines (4 for crossing lines, counter-clockwise around the crossing point), each with its touching points T1 on line 1 and T2 on line 3</translation>
    </message>
    <message>
        <source>Circle through a point touching a line</source>
        <translation>Circle through a point touching a line</translation>
    </message>
    <message>
        <source>point / value / line, or line / value / point: the circles of radius |C| through the point touching the line (2 within 2|C| of it, 1 at exactly 2|C|), with the touching point T1</source>
        <translation>point / value / line, or line / value / point: the circles of radius |C| through the point touching the line (2 within 2|C| of it, 1 at exactly 2|C|), with the touching point T1</translation>
    </message>
    <message>
        <source>Foot of the perpendicular</source>
        <translation>Foot of the perpendicular</translation>
    </message>
    <message>
        <source>point / line, or line / point, row 3 not used: the foot, its distance from the point as R and the line&apos;s direction as A</source>
        <translation>point / line, or line / point, row 3 not used: the foot, its distance from the point as R and the line&apos;s direction as A</translation>
    </message>
    <message>
        <source>Use as row 1, 2, 3</source>
        <translation>Use as row 1, 2, 3</translation>
    </message>
    <message>
        <source>in the right-click menu of the candidates list and of the picture: the candidate selected written into that row as the element it is (a circle: X, Y, D 0, R, S 1; a tangent or the line of two points: X, Y, D 3, A, B 0; the perpendicular through a foot; an intersection: X, Y, D 8), every digit kept; Ctrl+Z brings the row back</source>
        <translation>in the right-click menu of the candidates list and of the picture: the candidate selected written into that row as the element it is (a circle: X, Y, D 0, R, S 1; a tangent or the line of two points: X, Y, D 3, A, B 0; the perpendicular through a foot; an intersection: X, Y, D 8), every digit kept; Ctrl+Z brings the row back</translation>
    </message>
    <message>
        <source>construction
only</source>
        <translation>construction
only</translation>
    </message>
</context>
</TS>
