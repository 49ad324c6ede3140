#include "project/InstalledCosts.h"

#include <QStringList>

#include "project/NumberText.h"

QString InstalledCostsText(const std::map<float, float>& costs) {
    QStringList items;
    for (const auto& [mm, cost] : costs)
        items << NumberText(mm) + u'=' + NumberText(cost);
    return items.join(QStringLiteral("; "));
}

QString SetInstalledCostsText(std::map<float, float>& costs, const QString& text) {
    std::map<float, float> read;
    for (const QString& part : text.split(u';')) {
        const QString item = part.simplified();
        if (item.isEmpty())
            continue;
        const QStringList sides = item.split(u'=');
        const std::optional<float> mm = sides.size() == 2 ? TryNumber(sides[0]) : std::nullopt;
        const std::optional<float> cost = sides.size() == 2 ? TryNumber(sides[1]) : std::nullopt;
        if (!mm || !cost)
            return QStringLiteral("'%1' is not a thickness in mm and its cost, as 30=12.5")
                .arg(item);
        if (!read.emplace(*mm, *cost).second)
            return QStringLiteral("%1 mm has two costs").arg(NumberText(*mm));
    }
    costs = std::move(read);
    return {};
}
