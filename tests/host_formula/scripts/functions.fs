# Built-in functions.
set A1 3
set A2 "7"
set A3 TRUE
set A4 -2.5
set A5 "x"
# SUM MIN MAX skip text and booleans in ranges, but count direct arguments
check =SUM(A1:A5) => 0.5
check =SUM(A1,A2) => 3
check =SUM(A1,"7",TRUE) => 11
check =SUM("x",1) => #VALUE!
check =SUM(1,) => 1
check =MIN(A1:A5) => -2.5
check =MAX(A1:A5) => 3
check =MAX(A5) => 0
check =MIN(A2,A5) => 0
check =MAX(-1,-5) => -1
check =MIN("1",5) => 1
check =MAX("a",1) => #VALUE!
check =AVERAGE(A1:A5) => 0.25
check =AVERAGE(1,2,"3",TRUE) => 1.75
check =COUNT(A1:A5) => 2
check =COUNT(1,"2","x",TRUE) => 3
check =COUNTA(A1:A9) => 5
# IF
check =IF(1,"a","b") => "a"
check =IF(0,"a","b") => "b"
check =IF(0,"a") => FALSE
check =IF(0,"a",) => 0
check =IF("true",1,2) => 1
check =IF("maybe",1,2) => #VALUE!
check =IF(A1>2,A1*2,A1) => 6
check =IF(TRUE,A1:A2) => #VALUE!
check =SUM(IF(TRUE,A1:A4,0)) => 0.5
# AND OR NOT
check =OR(0,0) => FALSE
check =OR(0,1) => TRUE
check =AND(1,TRUE,2) => TRUE
check =AND(1,FALSE) => FALSE
check =OR(A5) => #VALUE!
check =OR(A1:A5) => TRUE
check =AND(A3:A5) => TRUE
check =OR("x") => #VALUE!
check =NOT(0) => TRUE
check =NOT(A1) => FALSE
check =TRUE() => TRUE
check =NOT(FALSE()) => TRUE
# N and the IS... tests
check =N(A1) => 3
check =N(A2) => 0
check =N(A3) => 1
check =N("5") => 0
check =N(TRUE) => 1
check =N(A1:A2) => 3
check =ISNUMBER(A1) => TRUE
check =ISNUMBER(A2) => FALSE
check =ISTEXT(A2) => TRUE
check =ISLOGICAL(A3) => TRUE
# math
check =ABS(A4) => 2.5
check =ABS("-3") => 3
check =INT(A4) => -3
check =INT(2.9) => 2
check =ROUND(2.5,0) => 3
check =ROUND(-2.5,0) => -3
check =ROUND(1.005,2) => 1.01
check =ROUND(1234.5678,-2) => 1200
check =ROUND(A4,0) => -3
check =ROUNDUP(1.21,1) => 1.3
check =ROUNDUP(-1.21,1) => -1.3
check =ROUNDDOWN(1.29,1) => 1.2
check =MOD(-3,2) => 1
check =MOD(3,-2) => -1
check =MOD(7.5,2) => 1.5
# text
check =LEN("abc") => 3
check =LEN("äö") => 2
check =LEN(A1*10) => 2
check =CONCATENATE("a",1,TRUE) => "a1TRUE"
check =0.1+0.2&"" => "0.3"
check =1/3&"" => "0.333333333333333"
check =1E+20&"" => "1E+20"
check =A3&"" => "TRUE"
check ="He said ""hi""" => "He said ""hi"""
# lower-case names work as well
check =sum(a1,1) => 4
check =if(a3,"y","n") => "y"
