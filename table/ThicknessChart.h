#pragma once
// Heat flow and surface temperature against thickness, with the criteria as horizontal
// lines and the chosen row marked; drawn with QPainter on the screen and on paper alike.
#include <QWidget>
#include <optional>

#include "engine/ThicknessTable.h"

class QPainter;

// What the chart shows: the table and the limits it was made for.
struct ChartData {
    ThicknessTable table;
    std::optional<float> surfaceLimit;
    std::optional<float> maxHeatFlow;
    bool pipe = true;
    bool heatLoss = true; // medium hotter than the air: heat flows out
};

// Draws the chart into area of any paint device.
void PaintThicknessChart(QPainter& painter, const QRectF& area, const ChartData& data);

class TThicknessChart : public QWidget {
    Q_OBJECT
public:
    explicit TThicknessChart(QWidget* parent = nullptr);
    void SetData(ChartData data);
    const ChartData& Data() const { return data_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ChartData data_;
};
