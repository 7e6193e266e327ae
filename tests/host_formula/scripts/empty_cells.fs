# Empty cells: 0 in arithmetic, "" in text, FALSE in logic; ignored by the
# aggregates; equal to "" in comparisons.
set A1 5
set A2 "text"
set A4 ""
check =B1 => 0
check =B1+1 => 1
check =B1*A1 => 0
check =B1&"x" => "x"
check =B1="" => TRUE
check =B1=0 => TRUE
check =B1=FALSE => TRUE
check =B1<>"" => FALSE
check =A4="" => TRUE
check =A4=B1 => TRUE
check =A1="" => FALSE
check ="" = B1 => TRUE
check =SUM(A1:A5) => 5
check =MIN(B1:B9) => 0
check =MAX(B1:B9) => 0
check =COUNT(A1:A5) => 1
check =COUNTA(A1:A5) => 3
check =AVERAGE(A1:A5) => 5
check =AVERAGE(B1:B5) => #DIV/0!
check =ISBLANK(B1) => TRUE
check =ISBLANK(A4) => FALSE
check =ISBLANK("") => FALSE
check =N(B1) => 0
check =IF(B1,"yes","no") => "no"
check =LEN(B1) => 0
check =-B1 => 0
