#pragma once
// The title block and the project settings above the line list, each field pushed to the
// undo stack when the user leaves it.
#include <QWidget>

#include "project/Project.h"

class QLineEdit;

class TProjectHead : public QWidget {
    Q_OBJECT
public:
    explicit TProjectHead(QWidget* parent = nullptr);

    // Shows the document's values.
    void Show(const TitleBlock& title, const ProjectSettings& settings);

    QLineEdit* Name = nullptr;
    QLineEdit* Client = nullptr;
    QLineEdit* Engineer = nullptr;
    QLineEdit* Date = nullptr;
    QLineEdit* Price = nullptr;
    QLineEdit* Hours = nullptr;
    QLineEdit* Co2 = nullptr;
    QLineEdit* Waste = nullptr;
    QLineEdit* Life = nullptr;
    QLineEdit* Interest = nullptr;      // %/a
    QLineEdit* PriceIncrease = nullptr; // %/a

signals:
    // What the fields now say; refused (with the reason) when a number cannot be read.
    void Edited(const TitleBlock& title, const ProjectSettings& settings);
    void Refused(const QString& reason);

private:
    void Read();
    bool ReadNumbers(ProjectSettings& settings);
    QLineEdit* Add(const QString& caption, const char* name, int row, int column);

    TitleBlock title_;
    ProjectSettings settings_;
};
