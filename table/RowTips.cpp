// The tool tip of a row of the "by thickness" table: the λ the row was solved with, and
// why a row reads as it does where h does not settle or the surface turns back.
#include "table/TableFormat.h"
#include "table/ThicknessModels.h"

namespace {
QString Mm(float metres) {
    return Cell(static_cast<float>(metres * 1000.0), 1);
}

QString BareTip(bool stillAir) {
    return stillAir ? QStringLiteral("The bare surface in still indoor air, as the calculation "
                                     "forms take it: h is typed for the insulated rows, so "
                                     "their installation is not known.")
                    : QStringLiteral("The bare surface of the same installation, with the bare "
                                     "steel's emission coefficient and h by the same method.");
}

QString SettleTip(const ThicknessRow& row) {
    switch (row.Settle) {
    case Settling::Bisected:
        return QStringLiteral("\nh alternates between two values at this thickness: the "
                              "surface balance was found by bisection on the surface "
                              "temperature.");
    case Settling::NoBalance:
        return QStringLiteral("\nNo surface temperature balances the heat flows here: h jumps "
                              "between %1 and %2 W/m²K where the convection correlation "
                              "changes regime. Surface temperature and condensation use h %1 "
                              "(the surface further from the air, the safe side); the heat "
                              "flow uses h %2 (the larger flow, the safe side for its limit).")
            .arg(Cell(row.h, 3), Cell(row.FlowH, 3));
    case Settling::Iterated:
        break;
    }
    return {};
}

QString TurnTip(const ThicknessRow& row, const ThicknessRow& thinner) {
    const QString cause = row.Regime != thinner.Regime
                              ? QStringLiteral(", where the convection correlation changes regime")
                              : QString();
    return QStringLiteral("\nThe surface is further from the air than at %1 mm: h falls from "
                          "%2 to %3 W/m²K between them%4.")
        .arg(Mm(thinner.Thickness), Cell(thinner.h, 3), Cell(row.h, 3), cause);
}
} // namespace

QString TThicknessModel::RowTip(int index) const {
    const ThicknessRow& row = table_.Rows[static_cast<size_t>(index)];
    if (row.Thickness == 0)
        return BareTip(table_.BareStillAir);
    QString tip = QStringLiteral("λ %1 W/mK at the mean temperature of the insulation "
                                 "(medium and this row's surface), h at that surface.")
                      .arg(Cell(row.Lambda, 4));
    tip += SettleTip(row);
    if (row.AwayFromAirAfter >= 0)
        tip += TurnTip(row, table_.Rows[static_cast<size_t>(row.AwayFromAirAfter)]);
    return tip;
}
