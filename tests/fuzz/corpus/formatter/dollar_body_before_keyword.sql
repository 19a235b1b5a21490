$a$ body $a$
select 1 from t where x in (select y from u)
