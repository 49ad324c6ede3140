#pragma once
// The "Thickness table" window: for one pipe or wall every thickness side by side, the
// thinnest that meets the criteria, and what each costs and saves per year; for pipes also
// the thickness each pipe size needs. Recomputes as the user types.
#include <QWidget>
#include <map>

#include "table/LayerSet.h"
#include "table/TableOutput.h"

struct Line;
struct ProjectSettings;
class QCheckBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class TGeometryInputs;
class TLayerEditor;
class TLayeredRows;
class TPipeSizeModel;
class TTableInputs;
class TThicknessChart;
class TThicknessModel;

class TThicknessTableWindow : public QWidget {
    Q_OBJECT
public:
    explicit TThicknessTableWindow(bool pipe, QWidget* parent = nullptr);

    TTableInputs* Inputs = nullptr;
    TGeometryInputs* Geometry = nullptr; // the insulated object
    TLayerEditor* Layers = nullptr;      // the fixed layers
    QLabel* Minima = nullptr;
    QTabWidget* Tabs = nullptr;
    QTableView* ThicknessView = nullptr;
    QTableView* PipeSizeView = nullptr; // pipes only
    TThicknessChart* Chart = nullptr;
    QLabel* Status = nullptr;
    QPushButton* ExportButton = nullptr;
    QCheckBox* DecimalComma = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* PdfButton = nullptr;
    QPushButton* CloseButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QPushButton* InputsButton = nullptr; // hides and shows the input panel
    QWidget* InputPanel = nullptr;
    QPushButton* AddToProjectButton = nullptr;

    // Fills the inputs with a project line's job (a line of this window's kind) and the
    // settings it is computed with.
    void SetJob(const Line& line, const ProjectSettings& settings);

    TThicknessModel& ThicknessModel() { return *thicknessModel_; }
    TPipeSizeModel& PipeSizeModel() { return *pipeSizeModel_; }
    // The rows as shown: with their interfaces for a layered system.
    TLayeredRows& Rows() { return *layeredRows_; }

    // The page the print preview and the PDF show for the open tab.
    TablePage Page() const;

public slots:
    void Recompute();
    void ShowHelp();
    void ToggleInputs();
    void ExportCsv();
    void Print();
    void SavePdf();
    // The job as a new line of the open project (a new project when none is open).
    void AddToProject();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildThicknessTab();
    QWidget* BuildButtons();
    QWidget* BuildInputPanel();
    void ObjectChanged();
    bool ReadSystem(float pipeDiameter);
    ThicknessTable BuildTable(const ThicknessTableInputs& in, const TToleranceTable* nominal);
    // The object and the layers for the page and the CSV; none for one layer on the
    // window's own surface.
    QStringList SystemSummary() const;
    void Refuse(const QString& text);
    void EnableOutput(bool on);
    void ShowMinima();
    void ListCostedThicknesses(const std::map<float, float>& costs);
    QString EconomicText() const;
    // Why the chosen material's rows name no product; empty when its nominal table is there.
    QString NoNominalTable() const;
    // A file name from the save dialog (through the seam); empty when cancelled.
    QString AskFileName(const QString& caption, const QString& filter, const QString& suffix);

    bool pipe_;
    TThicknessModel* thicknessModel_ = nullptr;
    TPipeSizeModel* pipeSizeModel_ = nullptr;
    TLayeredRows* layeredRows_ = nullptr;
    LayerSet layerSet_;
    QString layeredMinima_;
};

// Opens a new thickness table window for pipes or sheets, prefilled from the values of the
// last calculation form.
TThicknessTableWindow* OpenThicknessTable(bool pipe, QWidget* parent = nullptr);
