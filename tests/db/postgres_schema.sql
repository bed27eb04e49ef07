-- PostgreSQL-only objects the tests need: a materialized view.
CREATE MATERIALIZED VIEW customer_cities AS SELECT DISTINCT city, country FROM customers;
