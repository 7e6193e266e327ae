# Operator precedence and associativity, as the host evaluates them.
check =1+2*3 => 7
check =(1+2)*3 => 9
check =2*3^2 => 18
check =2^3^2 => 64
check =-2^2 => 4
check =0-2^2 => -4
check =2^-1 => 0.5
check =10-4-3 => 3
check =12/3/2 => 2
check =50% => 0.5
check =200%*3 => 6
check =-50%+1 => 0.5
check =2^200% => 4
check =1+2&3 => "33"
check ="a"&1+1 => "a2"
check =1+1=2 => TRUE
check =1&2=12 => FALSE
check =1&2="12" => TRUE
check ="x"&"y"="XY" => TRUE
check =2<3=TRUE => TRUE
check =--"3" => 3
check =+"text" => "text"
check = 1 + 2 * 3  => 7
check =1E3+1.5e-1+.5 => 1000.65
