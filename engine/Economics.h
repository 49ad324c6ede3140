#pragma once
// The money side of the thickness table: the price of a kWh of heat, and what a yearly
// energy cost adds up to over the insulation's life.

// Price of one kWh of heat: the price as given, or a price per kWh of fuel divided by the
// heat source's efficiency (0 to 1]. Throws FloatError for an efficiency of 0.
float HeatPricePerKWh(float price, bool perKWhOfFuel, float efficiency);

// Present value, today, of a yearly cost of 1 paid at the end of each year of the life:
// the price grows by `increase` a year (0.03 = 3 %), money is discounted at `interest`.
//   sum over k = 1..n of (1 + g)^(k-1) / (1 + i)^k
//   = (1 - ((1 + g) / (1 + i))^n) / (i - g), and n / (1 + i) where i = g.
// With i = g = 0 it is n, the undiscounted life. A fractional life counts as such.
double PresentValueFactor(double lifeYears, double interest, double increase);
