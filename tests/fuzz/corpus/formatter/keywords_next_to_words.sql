insert into t select 1 union all select x from u where y in (select z from v where w = 'x ( y')
  group by a order by b