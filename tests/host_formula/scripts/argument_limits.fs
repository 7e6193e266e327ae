# Arguments far past what a function can use give the value of the nearest one it
# can, or an error value; never undefined behaviour (each input was found by fuzzing).
check =ROUND(1.5,1E10) => 1.5
check =ROUND(1234.5,-1E10) => 0
check =ROUNDUP(1.25,2147483648) => 1.25
check =ROUNDDOWN(-1.25,-1E300) => 0
check =ROUND(2.5,15.9) => 2.5
