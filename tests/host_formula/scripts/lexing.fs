# How text splits into references, names, numbers and sheet qualifiers.
set A1 2
set XFD1 3
set AB1!A1 4
set Työ!B2 5
set 'Plan 2026'!A1 6
name WS.First_Row 7
name Total2026 8
check =1.+.5 => 1.5
check =XFD1 => 3
check ='AB1'!A1 => 4
check =Työ!B2 => 5
check ='Plan 2026'!A1 => 6
check =WS.First_Row => 7
check =ws.first_row+1 => 8
check =Total2026 => 8
check =XFE1 => #NAME?
check =A0 => #NAME?
check =$A$1*$A1*A$1 => 8
check =a1 => 2
check =#n/a => #N/A
check =true => TRUE
check =TRUE() => TRUE
# reference unions are not supported
parse-error =SUM((A1,A2))
parse-error =SUM(A1:)
parse-error =A1:
parse-error =1 2
parse-error ='It'!
