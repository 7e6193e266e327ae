# Comparisons: text without regard to case; numbers < text < booleans.
set A1 "Apple"
set A2 10
check ="abc"="ABC" => TRUE
check ="abc"<"ABD" => TRUE
check ="b">"A" => TRUE
check =A1="apple" => TRUE
check =A1<>"APPLE" => FALSE
check =1<"0" => TRUE
check ="z"<TRUE => TRUE
check =99999<FALSE => TRUE
check =A2>="10" => FALSE
check =A2=10 => TRUE
check =0.1+0.2=0.3 => TRUE
check =1=1.0001 => FALSE
check =TRUE=1 => FALSE
check =TRUE>FALSE => TRUE
check ="a"<"ab" => TRUE
check =2<=2 => TRUE
check =3<>3 => FALSE
