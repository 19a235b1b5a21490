CREATE FUNCTION f(a int) RETURNS int AS $body$
BEGIN
    RETURN  a  +  1; -- keep
END;
$body$ LANGUAGE plpgsql;
SELECT E'a\'  b', 'c\' FROM t WHERE $1 = a$b;
