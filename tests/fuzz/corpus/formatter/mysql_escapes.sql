SELECT 'it\'s  x' , "q\"  r" FROM `a  b` # note
WHERE a = 1 AND b = 'c\\'
