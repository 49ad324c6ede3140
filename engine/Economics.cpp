#include "engine/Economics.h"

#include <cmath>

#include "engine/CheckedMath.h"

float HeatPricePerKWh(float price, bool perKWhOfFuel, float efficiency) {
    if (!perKWhOfFuel)
        return price;
    return checked::Store(checked::Div(price, efficiency));
}

double PresentValueFactor(double lifeYears, double interest, double increase) {
    // Close to i = g the closed form loses its digits; the limit is exact there.
    if (std::fabs(interest - increase) < 1e-9)
        return lifeYears / (1.0 + interest);
    const double ratio = (1.0 + increase) / (1.0 + interest);
    return (1.0 - checked::Pow(ratio, lifeYears)) / (interest - increase);
}
