#pragma once
// The object the table's insulation is laid on: the window's own pipe or wall, a
// rectangular duct or a sphere (vessel heads, spherical tanks), with the sizes each needs.
#include <QWidget>

#include "engine/Geometry.h"

class QComboBox;
class QFormLayout;
class QLineEdit;

class TGeometryInputs : public QWidget {
    Q_OBJECT
public:
    // pipe: the pipe window, whose own diameter field sizes a pipe; else the wall window.
    explicit TGeometryInputs(bool pipe, QWidget* parent = nullptr);

    Shape Current() const;
    // The object with its sizes (m); pipeDiameter for a pipe. Marks the bad fields and
    // returns false with them.
    bool Read(float pipeDiameter, InsulatedShape& object);

    QComboBox* Object = nullptr;
    QLineEdit* Diameter = nullptr; // mm, sphere
    QLineEdit* Width = nullptr;    // mm, duct
    QLineEdit* Height = nullptr;   // mm, duct

signals:
    void Changed();

private:
    void ShowFields();

    std::vector<Shape> shapes_;
    QFormLayout* form_ = nullptr;
};

// A number field as the table reads it (decimal comma too), marked when outside
// [lowest, highest] or not a number; nullopt then.
std::optional<float> ReadMarked(QLineEdit* field, double lowest, double highest);
