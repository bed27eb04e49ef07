-- Revenue per customer and city since 2024, for customers with more than
-- two orders; orders without items still count.
SELECT c.company_name, c.city, COUNT(DISTINCT o.order_id) AS orders,
       SUM(i.quantity * i.unit_price) AS revenue
FROM customers c
  INNER JOIN orders o ON o.customer_id = c.customer_id
  LEFT OUTER JOIN order_items i ON i.order_id = o.order_id
  LEFT JOIN products p ON p.supplier_id = i.supplier_id AND p.product_code = i.product_code
WHERE o.order_date >= {d '2024-01-01'}
  AND (c.country = 'Germany' OR c.country = 'France' OR c.city LIKE 'Lon%')
  AND (p.discontinued = 0 OR p.discontinued IS NULL)
GROUP BY c.company_name, c.city
HAVING COUNT(DISTINCT o.order_id) > 2
ORDER BY revenue DESC, c.company_name
