#include "StatementCorpus.h"

const std::vector<std::string>& StatementCorpus() {
  static const std::vector<std::string> corpus = {
      "SELECT",
      "SELECT * FROM",
      "SELECT FROM t",
      "SELECT DISTINCT a, b AS c, d e, f AS 'g', h = i + 1, t.*, * FROM s.t",
      "SELECT ALL a FROM t",
      "SELECT a FROM t1 UNION SELECT b FROM t2 UNION ALL SELECT c FROM t3 EXCEPT SELECT d FROM t4 "
      "INTERSECT ALL SELECT e FROM t5 ORDER BY 1 DESC",
      "(SELECT a FROM t1) EXCEPT ((SELECT b FROM t2) UNION (SELECT c FROM t3))",
      "SELECT * FROM a LEFT OUTER JOIN b ON a.x = b.x, c CROSS JOIN d RIGHT JOIN e ON 1 = 1 "
      "FULL OUTER JOIN f ON f.y = e.y INNER JOIN g ON g.z = f.z LEFT JOIN h ON h.k = g.k",
      "SELECT * FROM a JOIN b JOIN c ON c.x = b.x ON b.y = a.y",
      "SELECT * FROM (a JOIN b ON a.x = b.x) LEFT JOIN (c CROSS JOIN d) ON c.y = a.y",
      "SELECT q.n FROM (SELECT 1 AS n UNION SELECT 2) AS q (n), (SELECT * FROM t ORDER BY a) r, "
      "(SELECT 1, 2) s (x, \"y\")",
      "SELECT * FROM f(1, 'a') x, s.g() AS y, srv.db..tbl z, db.sch.tbl, [weird name] w, \"quoted \"\"x\"\"\" v",
      "SELECT name, type, data, number FROM t WHERE name = 'x'",
      "SELECT a FROM t WHERE a = 1 OR b = 2 AND NOT c = 3 AND (d = 4 OR e <> 5) GROUP BY a, b "
      "HAVING COUNT(*) > 1 AND SUM(DISTINCT x) < 10 ORDER BY a ASC, b DESC, c",
      "SELECT * FROM t WHERE a BETWEEN 1 AND 2 AND b NOT BETWEEN c AND d OR e IS NULL OR f IS NOT NULL",
      "SELECT * FROM t WHERE a LIKE 'x%' AND b NOT LIKE '%y' ESCAPE '!' AND c IN (1, 2, 3) "
      "AND d NOT IN (SELECT d FROM u)",
      "SELECT * FROM t WHERE EXISTS (SELECT 1 FROM u WHERE u.id = t.id) AND NOT EXISTS (SELECT 2) "
      "AND a > ALL (SELECT b FROM u) AND a = SOME (SELECT b FROM u) AND a <> ANY (SELECT b FROM u)",
      "SELECT * FROM t WHERE a != 1 AND a !> 2 AND a !< 3 AND a <= 4 AND a >= 5 AND a < 6 AND a > 7",
      "SELECT a + b * c - d / e % f, -a, +b, ~c, - -1, (a + b) * c, a - (b - c) FROM t",
      "SELECT 1, 1.5, .5e-3, 'It''s', 0x1F, NULL, {d '2001-01-01'}, {ts '2001-01-01 10:00:00'} FROM t",
      "SELECT COUNT(*), count(DISTINCT a), SUM(ALL b), AVG(c), MIN(d), MAX(e), f(), s.g(1, a + 2) FROM t",
      "SELECT current_timestamp, current_user, session_user, system_user FROM t",
      "SELECT CASE WHEN a = 1 THEN 'x' WHEN a = 2 OR b = 3 THEN 'y' ELSE 'z' END, "
      "CASE a WHEN 1 THEN 'x' WHEN 2 THEN 'y' END FROM t",
      "SELECT CAST(a AS numeric(10, 2)), CAST(b AS decimal(5)), CAST(c AS character varying), "
      "CAST(d AS character varying(20)), CAST(e AS bit(8)), CAST(f AS bit varying(3)), CAST(g AS varbit(2)), "
      "CAST(h AS varchar(9)), CAST(i AS character(1)), CAST(j AS char(2)), CAST(k AS interval(3)) FROM t",
      "SELECT CAST(a AS time(3)), CAST(b AS time with time zone), CAST(c AS time(2) without time zone), "
      "CAST(d AS timestamp(6)), CAST(e AS timestamp with time zone), "
      "CAST(f AS timestamp(1) without time zone), CAST(g AS double precision), CAST(h AS int), "
      "CAST(i AS s.mytype), CAST(j AS mytype) FROM t",
      "SELECT CAST(a AS bigint), CAST(a AS int8), CAST(a AS bigserial), CAST(a AS serial8), CAST(a AS bit), "
      "CAST(a AS varbit), CAST(a AS varchar), CAST(a AS character), CAST(a AS char), CAST(a AS interval), "
      "CAST(a AS numeric), CAST(a AS decimal), CAST(a AS boolean), CAST(a AS bool), CAST(a AS box), "
      "CAST(a AS bytea), CAST(a AS cidr), CAST(a AS circle), CAST(a AS date), CAST(a AS float8), "
      "CAST(a AS inet), CAST(a AS integer), CAST(a AS int4), CAST(a AS line), CAST(a AS lseg), "
      "CAST(a AS macaddr), CAST(a AS money), CAST(a AS path), CAST(a AS point), CAST(a AS polygon), "
      "CAST(a AS real), CAST(a AS float4), CAST(a AS smallint), CAST(a AS int2), CAST(a AS serial), "
      "CAST(a AS serial4), CAST(a AS text), CAST(a AS time), CAST(a AS timetz), CAST(a AS timestamp), "
      "CAST(a AS timestamptz) FROM t",
      "SELECT (SELECT MAX(b) FROM u), ((SELECT 1)), x FROM t WHERE a IN ((SELECT b FROM u))",
      "SELECT a FROM t WHERE ((a = 1)) AND ((a)) = 2 AND (a + 1) * 2 > 3",
      "SELECT [date], \"select\", [a b] AS [c d], \"Mixed\" FROM [order]",
      "SELECT db.sch.t.c, srv.db.sch.t.c, srv..sch.t.c, .t.c FROM t",
      "SELECT a FROM t ORDER BY (SELECT 1), a + 1",
      "SELECT ada, c, pascal, length, scale, row_count FROM table_name",
      "SELECT x FROM t WHERE a = (SELECT b FROM u WHERE u.c IN (SELECT c FROM v UNION SELECT d FROM w))",
  };
  return corpus;
}
