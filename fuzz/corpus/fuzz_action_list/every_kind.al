# "A list with every kind of action"
replace ALL a b -cr
replace 1-3 "two words" "" -w
replacelines " 2 : SELECTED" "x\ny" "" -i
repeat 3
pick SELECTED 1,4-6 0,5
insert line
insert after x -c
insert hello "" -c
clear
unknown words become a comment
