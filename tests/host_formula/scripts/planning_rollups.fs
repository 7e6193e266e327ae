# The roll-up formulas a planning workbook's summary rows hold, over children in
# rows 5 and 8, with the summary in row 3.
set D3 =SUM(D5,D8)
set D5 60
set D8 180
set F5 0.25
set F8 0.375
set G5 0.5
set G8 0.75
set H5 0.3
set J5 1
set J8 0.5
set I5 0.6
check =IF(MIN(F5,F8)=0,"",MIN(F5,F8)) => 0.25
check =IF(MAX(G5,G8)=0,"",MAX(G5,G8)) => 0.75
# one child not started: MIN skips its empty cell
check =IF(MIN(H5,H8)=0,"",MIN(H5,H8)) => 0.3
# the actual end stays blank until every child has one
check =IF(OR(I5="",I8=""),"",MAX(I5,I8)) => ""
check =IF(OR(I5="",I5=""),"",MAX(I5,I5)) => 0.6
check =IF(SUM(D5,D8)=0,"",SUM(D5,D8)) => 240
# planned-value-weighted percent complete: (1*60 + 0.5*180) / 240
check =IF(N(D3)=0,"",SUM(N(J5)*N(D5),N(J8)*N(D8))/D3) => 0.625
# no planned value at all: blank, never a division error
check =IF(N(K3)=0,"",SUM(N(J5)*N(K5),N(J8)*N(K8))/K3) => ""
# children with empty times: MIN and MAX are 0, so blank
check =IF(MIN(L5,L8)=0,"",MIN(L5,L8)) => ""
# earned-value report formulas
check =IF(ISERROR(D5/E5),"",D5/E5) => ""
check =IF(ISERROR(D8/D5),"",D8/D5) => 3
check =SUM(D5:D8) => 240
