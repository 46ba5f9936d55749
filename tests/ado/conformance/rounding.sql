-- ROUND: half away from zero at a place after the point, or before it with a negative length;
-- a third argument other than 0 truncates. The result keeps the type of the number.

-- case: negative lengths round before the point
select round(748.58, -1), round(748.58, -2), round(748.58, -4)
-- rows:
-- 750.00 | 700.00 | 0.00

-- case: a result that no longer fits the number's type overflows
select round(748.58, -3)
-- error: Arithmetic overflow error converting expression to data type numeric.

-- case: positive lengths round half away from zero
select round(123.4545, 2), round(-123.4545, 2), round(1.005, 2), round(8.5, 0), round(-2.5, 0)
-- rows:
-- 123.4500 | -123.4500 | 1.010 | 9.0 | -3.0

-- case: rounding 0.5 up needs a figure that numeric(1,1) lacks
select round(0.5, 0)
-- error: Arithmetic overflow error converting expression to data type numeric.

-- case: a third argument other than 0 truncates
select round(150.75, 0, 1), round(150.75, 0), round(-150.75, 1, 1)
-- rows:
-- 150.00 | 151.00 | -150.70

-- case: whole numbers round before the point and keep their type
select round(1234, -2), round(1250, -2), round(-1250, -2), round(1234, 2)
-- rows:
-- 1200 | 1300 | -1300 | 1234

-- case: round of NULL
select round(null, 2), round(1.5, null)
-- rows:
-- NULL | NULL
