# References: absolute parts, ranges, whole columns and rows, other sheets and
# defined names.
set A1 1
set A2 2
set A3 3
set B1 10
set B2 20
set B3 30
set Data!A1 100
set Data!B3 7
set 'My Sheet'!C2 5
set 'It''s'!A1 9
name Rate Data!$B$3
name Block $A$1:$B$3
name Twice Rate*2
name Missing Data!$Z$99
name Local A2
check =$A$1+A$2+$A3 => 6
check =SUM(A1:B3) => 66
check =SUM(B3:A1) => 66
check =SUM(A:A) => 6
check =SUM(A:B) => 66
check =SUM($B:$B) => 60
check =SUM(2:3) => 55
check =SUM(1:1) => 11
check =COUNT(B:B) => 3
check =Data!A1+1 => 101
check =data!a1 => 100
check =SUM(Data!A1:B3) => 107
check =SUM(Data!A:A) => 100
check ='My Sheet'!C2*2 => 10
check =SUM('My Sheet'!C:C) => 5
check ='It''s'!A1 => 9
check =Nowhere!A1 => 0
check =Rate => 7
check =rate*2 => 14
check =Twice => 14
check =SUM(Block) => 66
check =Missing => 0
check =Local => 2
check =NoSuchName => #NAME?
check =A1:A3 => #VALUE!
check =A1:A1+1 => 2
check =SUM(A1:A2:A3) => 6
check =SUM(A1:Data!A3) => #VALUE!
