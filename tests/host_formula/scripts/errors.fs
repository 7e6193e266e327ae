# Errors are values: they propagate through operators and functions, except
# through ISERROR and IFERROR.
set A1 #DIV/0!
set A2 4
set A3 "four"
set A4 =1/0
check =1/0 => #DIV/0!
check =A2/B9 => #DIV/0!
check =A1+1 => #DIV/0!
check =A4 => #DIV/0!
check =A1&"x" => #DIV/0!
check =A1="" => #DIV/0!
check =#N/A+A1 => #N/A
check =A1+#N/A => #DIV/0!
check =A3+1 => #VALUE!
check =-A3 => #VALUE!
check =SUM(A1:A3) => #DIV/0!
check =MAX(A2,A1) => #DIV/0!
check =ISERROR(A1) => TRUE
check =ISERROR(A2) => FALSE
check =ISERROR(1/0) => TRUE
check =ISERROR(A3*2) => TRUE
check =ISNA(#N/A) => TRUE
check =ISNA(A1) => FALSE
check =IFERROR(A1,"none") => "none"
check =IFERROR(A2*2,"none") => 8
check =IF(ISERROR(A2/B9),"",A2/B9) => ""
check =IF(A1,1,2) => #DIV/0!
check =IF(TRUE,1,1/0) => 1
check =Unknown+1 => #NAME?
check =NOSUCHFUNCTION(1) => #NAME?
check =IFERROR(NOSUCHFUNCTION(1),0) => 0
check =0^0 => #NUM!
check =0^-1 => #DIV/0!
check =(-8)^0.5 => #NUM!
check =10^400 => #NUM!
check =MOD(5,0) => #DIV/0!
check =#REF! => #REF!
check =SUM(#REF!) => #REF!
check =AND(A1,TRUE) => #DIV/0!
check =COUNT(A1,A2,A3) => 1
check =COUNTA(A1,A2,A3) => 3
