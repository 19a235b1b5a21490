INSERT INTO `or``ders`(`id`,`name|<x>`,`no``te"`) VALUES(1, '<b>&''"', NULL);
INSERT INTO `or``ders`(`id`,`name|<x>`,`no``te"`) VALUES(2, 'a|b
c
d', '');
INSERT INTO `or``ders`(`id`,`name|<x>`,`no``te"`) VALUES(3, 'it''s \', 'x');
