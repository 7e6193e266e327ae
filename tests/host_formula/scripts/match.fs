# MATCH: exact (0) without regard to case, ascending (1) and descending (-1).
set A1 "alpha"
set A2 "Beta"
set A3 5
set A4 "gamma"
set A5 "beta"
set A6 TRUE
set C1 10
set C2 20
set C3 30
set C4 40
set E1 40
set E2 30
set E3 20
set E4 10
set G1 "a"
set H1 "b"
set I1 "c"
check =MATCH("beta",A1:A9,0) => 2
check =MATCH("BETA",A1:A9,0) => 2
check =MATCH("gamma",A:A,0) => 4
check =MATCH(5,A1:A9,0) => 3
check =MATCH("5",A1:A9,0) => #N/A
check =MATCH(TRUE,A1:A9,0) => 6
check =MATCH("delta",A1:A9,0) => #N/A
check =MATCH("x",A1:A9,0) => #N/A
check =MATCH("b*",A1:A9,0) => 2
check =MATCH("g?mma",A1:A9,0) => 4
check =MATCH("c",G1:I1,0) => 3
check =MATCH(25,C1:C4) => 2
check =MATCH(25,C1:C4,1) => 2
check =MATCH(40,C1:C4,1) => 4
check =MATCH(99,C1:C4,1) => 4
check =MATCH(5,C1:C4,1) => #N/A
check =MATCH(25,E1:E4,-1) => 2
check =MATCH(40,E1:E4,-1) => 1
check =MATCH(50,E1:E4,-1) => #N/A
check =MATCH("x",A1:C4,0) => #N/A
check =MATCH(#N/A,A1:A9,0) => #N/A
check =MATCH(1/0,A1:A9,0) => #DIV/0!
check =MATCH(B1,A1:A9,0) => #N/A
check =MATCH("beta","beta",0) => #N/A
check =INDEX(C1:C4,MATCH(25,C1:C4)) => 20
check =INDEX(G1:I1,2) => "b"
check =INDEX(C1:E4,4,3) => 10
check =INDEX(C1:C4,9) => #REF!
