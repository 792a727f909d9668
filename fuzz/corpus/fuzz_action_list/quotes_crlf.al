replace 1 "a""b" "c d"
replacelines 3 one\r\ntwo \\n -ci

pick 1-9999 -5--2 3/4
