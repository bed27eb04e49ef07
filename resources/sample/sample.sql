-- Sample database of a small trading company: the schema and a dozen rows per table.
-- The script runs unchanged on SQLite and PostgreSQL (plain SQL types, no engine extensions).

CREATE TABLE categories (
  category_id   INTEGER      NOT NULL PRIMARY KEY,
  name          VARCHAR(40)  NOT NULL,
  description   VARCHAR(200)
);

CREATE TABLE suppliers (
  supplier_id   INTEGER      NOT NULL PRIMARY KEY,
  company_name  VARCHAR(60)  NOT NULL,
  contact_name  VARCHAR(60),
  city          VARCHAR(40),
  country       VARCHAR(40)
);

-- A product is identified by its supplier and the supplier's own product code.
CREATE TABLE products (
  supplier_id   INTEGER      NOT NULL REFERENCES suppliers (supplier_id),
  product_code  VARCHAR(20)  NOT NULL,
  name          VARCHAR(60)  NOT NULL,
  category_id   INTEGER      REFERENCES categories (category_id),
  unit_price    NUMERIC(10,2) NOT NULL,
  discontinued  INTEGER      NOT NULL DEFAULT 0,
  PRIMARY KEY (supplier_id, product_code)
);

CREATE TABLE customers (
  customer_id   INTEGER      NOT NULL PRIMARY KEY,
  company_name  VARCHAR(60)  NOT NULL,
  contact_name  VARCHAR(60),
  city          VARCHAR(40),
  country       VARCHAR(40)
);

-- Every employee but the managing director reports to another employee.
CREATE TABLE employees (
  employee_id   INTEGER      NOT NULL PRIMARY KEY,
  first_name    VARCHAR(40)  NOT NULL,
  last_name     VARCHAR(40)  NOT NULL,
  title         VARCHAR(60),
  hire_date     DATE,
  reports_to    INTEGER      REFERENCES employees (employee_id)
);

-- An order is taken by one employee and approved by another one.
CREATE TABLE orders (
  order_id      INTEGER      NOT NULL PRIMARY KEY,
  customer_id   INTEGER      NOT NULL REFERENCES customers (customer_id),
  employee_id   INTEGER      NOT NULL REFERENCES employees (employee_id),
  approved_by   INTEGER      REFERENCES employees (employee_id),
  order_date    DATE         NOT NULL,
  ship_city     VARCHAR(40)
);

CREATE TABLE order_items (
  order_id      INTEGER      NOT NULL REFERENCES orders (order_id),
  line_no       INTEGER      NOT NULL,
  supplier_id   INTEGER      NOT NULL,
  product_code  VARCHAR(20)  NOT NULL,
  quantity      INTEGER      NOT NULL,
  unit_price    NUMERIC(10,2) NOT NULL,
  PRIMARY KEY (order_id, line_no),
  FOREIGN KEY (supplier_id, product_code) REFERENCES products (supplier_id, product_code)
);

CREATE VIEW order_totals AS
  SELECT o.order_id, c.company_name AS customer, o.order_date,
         SUM(i.quantity * i.unit_price) AS total
  FROM orders o
  JOIN customers c ON c.customer_id = o.customer_id
  JOIN order_items i ON i.order_id = o.order_id
  GROUP BY o.order_id, c.company_name, o.order_date;

INSERT INTO categories (category_id, name, description) VALUES
  (1, 'Beverages', 'Soft drinks, coffees, teas, beers and ales'),
  (2, 'Condiments', 'Sweet and savoury sauces, relishes, spreads and seasonings'),
  (3, 'Confections', 'Desserts, candies and sweet breads'),
  (4, 'Dairy Products', 'Cheeses'),
  (5, 'Grains/Cereals', 'Breads, crackers, pasta and cereal'),
  (6, 'Meat/Poultry', 'Prepared meats'),
  (7, 'Produce', 'Dried fruit and bean curd'),
  (8, 'Seafood', 'Seaweed and fish'),
  (9, 'Bakery', 'Fresh bread and pastries'),
  (10, 'Frozen Food', 'Ice cream and frozen vegetables'),
  (11, 'Snacks', 'Crisps, nuts and pretzels'),
  (12, 'Organic', 'Certified organic goods');

INSERT INTO suppliers (supplier_id, company_name, contact_name, city, country) VALUES
  (1, 'Harbour Liquids', 'Clara Dunmore', 'London', 'UK'),
  (2, 'Bayou Spice Co.', 'Shelley Boudreaux', 'New Orleans', 'USA'),
  (3, 'Grandma''s Kitchen', 'Regina Tuttle', 'Ann Arbor', 'USA'),
  (4, 'Tokai Traders', 'Yoshi Nakamura', 'Tokyo', 'Japan'),
  (5, 'Cooperativa Quesera', 'Antonio del Valle', 'Oviedo', 'Spain'),
  (6, 'Mayumi Foods', 'Mayumi Ohno', 'Osaka', 'Japan'),
  (7, 'Outback Provisions', 'Ian Devling', 'Melbourne', 'Australia'),
  (8, 'Northern Sweets Ltd.', 'Peter Wilson', 'Manchester', 'UK'),
  (9, 'Nordbräu Handel', 'Jürgen Krämer', 'Frankfurt', 'Germany'),
  (10, 'Panificio Rossi', 'Giovanni Rossi', 'Bologna', 'Italy'),
  (11, 'Fjällmejeri AB', 'Åsa Lindqvist', 'Östersund', 'Sweden'),
  (12, 'Pâtisserie Lefèvre', 'Élodie Lefèvre', 'Lyon', 'France');

INSERT INTO products (supplier_id, product_code, name, category_id, unit_price, discontinued) VALUES
  (1, 'CH-01', 'Chai', 1, 18.00, 0),
  (1, 'CH-02', 'Chang', 1, 19.00, 0),
  (2, 'SA-01', 'Cajun Seasoning', 2, 22.00, 0),
  (2, 'SA-02', 'Gumbo Mix', 2, 21.35, 1),
  (3, 'JA-01', 'Boysenberry Spread', 2, 25.00, 0),
  (4, 'DR-01', 'Dried Pears', 7, 30.00, 0),
  (4, 'FI-01', 'Ikura', 8, 31.00, 0),
  (5, 'QU-01', 'Queso Cabrales', 4, 21.00, 0),
  (6, 'TO-01', 'Tofu', 7, 23.25, 0),
  (9, 'BI-01', 'Weißbier', 1, 14.00, 0),
  (11, 'OS-01', 'Västerbotten Käse', 4, 36.00, 0),
  (12, 'MA-01', 'Macarons assortis', 3, 12.50, 0);

INSERT INTO customers (customer_id, company_name, contact_name, city, country) VALUES
  (1, 'Alfreds Futterkiste', 'Maria Anders', 'Berlin', 'Germany'),
  (2, 'Ana Trujillo Emparedados', 'Ana Trujillo', 'México D.F.', 'Mexico'),
  (3, 'Around the Horn', 'Thomas Hardy', 'London', 'UK'),
  (4, 'Berglunds snabbköp', 'Christina Berglund', 'Luleå', 'Sweden'),
  (5, 'Blondel père et fils', 'Frédérique Citeaux', 'Strasbourg', 'France'),
  (6, 'Bólido Comidas preparadas', 'Martín Sommer', 'Madrid', 'Spain'),
  (7, 'Bottom-Dollar Markets', 'Elizabeth Lincoln', 'Tsawassen', 'Canada'),
  (8, 'Cactus Comidas para llevar', 'Patricio Simpson', 'Buenos Aires', 'Argentina'),
  (9, 'Drachenblut Delikatessen', 'Sven Ottlieb', 'Aachen', 'Germany'),
  (10, 'Du monde entier', 'Janine Labrune', 'Nantes', 'France'),
  (11, 'Eastern Connection', 'Ann Devon', 'London', 'UK'),
  (12, 'Königlich Essen', 'Philip Cramer', 'Brandenburg', 'Germany');

INSERT INTO employees (employee_id, first_name, last_name, title, hire_date, reports_to) VALUES
  (1, 'Andrew', 'Fuller', 'Managing Director', '2012-08-14', NULL),
  (2, 'Nancy', 'Davolio', 'Sales Manager', '2013-05-01', 1),
  (3, 'Steven', 'Buchanan', 'Purchasing Manager', '2013-10-17', 1),
  (4, 'Janet', 'Leverling', 'Sales Representative', '2014-04-01', 2),
  (5, 'Margaret', 'Peacock', 'Sales Representative', '2014-05-03', 2),
  (6, 'Michael', 'Suyama', 'Sales Representative', '2015-10-17', 2),
  (7, 'Robert', 'King', 'Buyer', '2016-01-02', 3),
  (8, 'Laura', 'Callahan', 'Inside Sales Coordinator', '2016-03-05', 2),
  (9, 'Anne', 'Dodsworth', 'Sales Representative', '2016-11-15', 2),
  (10, 'Zoë', 'Ångström', 'Buyer', '2018-02-19', 3),
  (11, 'José', 'Peña', 'Sales Representative', '2019-06-10', 2),
  (12, 'Lena', 'Groß', 'Accountant', '2020-09-01', 1);

INSERT INTO orders (order_id, customer_id, employee_id, approved_by, order_date, ship_city) VALUES
  (1001, 1, 4, 2, '2024-01-08', 'Berlin'),
  (1002, 3, 5, 2, '2024-01-09', 'London'),
  (1003, 4, 6, NULL, '2024-01-11', 'Luleå'),
  (1004, 12, 4, 2, '2024-01-15', 'Brandenburg'),
  (1005, 2, 9, 2, '2024-01-17', 'México D.F.'),
  (1006, 5, 11, 1, '2024-01-22', 'Strasbourg'),
  (1007, 9, 4, NULL, '2024-02-01', 'Aachen'),
  (1008, 10, 5, 2, '2024-02-03', 'Nantes'),
  (1009, 6, 6, 2, '2024-02-07', 'Madrid'),
  (1010, 7, 9, 1, '2024-02-12', 'Tsawassen'),
  (1011, 8, 11, 2, '2024-02-20', 'Buenos Aires'),
  (1012, 11, 8, NULL, '2024-02-28', 'London');

INSERT INTO order_items (order_id, line_no, supplier_id, product_code, quantity, unit_price) VALUES
  (1001, 1, 1, 'CH-01', 10, 18.00),
  (1001, 2, 9, 'BI-01', 24, 14.00),
  (1002, 1, 2, 'SA-01', 5, 22.00),
  (1003, 1, 11, 'OS-01', 3, 36.00),
  (1004, 1, 5, 'QU-01', 8, 21.00),
  (1004, 2, 12, 'MA-01', 20, 12.50),
  (1005, 1, 4, 'DR-01', 6, 30.00),
  (1006, 1, 12, 'MA-01', 40, 12.00),
  (1007, 1, 1, 'CH-02', 12, 19.00),
  (1008, 1, 6, 'TO-01', 15, 23.25),
  (1009, 1, 3, 'JA-01', 4, 25.00),
  (1010, 1, 4, 'FI-01', 2, 31.00);
