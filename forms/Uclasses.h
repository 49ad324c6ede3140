#pragma once
// One row of a calculation form (caption, value, unit, selectors, "calculate h" button),
// the owning lists of rows, and the open form's shared state.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TInsideOutside;
class TPipeForm;

// The material whose conductivity the user types: choosing it opens that dialog.
inline const QString kUserMaterialName = QStringLiteral("k-factor");

enum LineKind {
    lkValue = 0,
    lkMaterial = 1,
    lkSurfaceCoefficient = 2,
    lkFlowRate = 3,
    lkResult = 4,
    lkAlternatives = 5,
    lkMedium = 6
};

class TParaLine : public QObject {
    Q_OBJECT
public:
    // Creates the parts of the kind in the group box, placed as row number
    // (count of lines already in its list) for the current CalculationType.
    TParaLine(QGroupBox* box, LineKind kind);
    ~TParaLine() override;

    QString ParaLineEditText() const;
    void SetParaLineEditText(const QString& text);
    QString ParaLineLabelText() const;
    void SetParaLineLabelText(const QString& text);
    QString UnitText() const;
    void SetUnitText(const QString& text);
    void SetMaterialItems(const QStringList& items); // appends
    void SetFlowRateItems(const QStringList& items); // appends
    void SetMediumItems(const QStringList& items);   // appends
    void SetButtonText(const QString& text);
    QString MaterialText() const;
    void SetMaterialText(const QString& text);
    void SetAlternativeText(const QString& text);
    QString FlowRateText() const;
    void SetFlowRateText(const QString& text);
    QString MediumText() const;
    void SetMediumText(const QString& text);
    int MaterialIndex() const;
    void SetMaterialIndex(int index);
    void SetMoveAlternative(int pixels);
    bool Get_h_enabled() const;
    void SetGet_h_enabled(bool enabled);
    int FlowRateIndex() const;
    void SetFlowRateIndex(int index);
    int MediumIndex() const;
    void SetMediumIndex(int index);
    bool ParaLineLabelAvailable() const;
    bool ParaLineEditAvailable() const;
    bool ParaLineMaterialAvailable() const;
    bool ParaLineFlowRateAvailable() const;
    bool ParaLinehButtonAvailable() const;
    bool ParaLineMediumAvailable() const;
    bool ParaLineUnitAvailable() const;
    bool AlternativesAvailable() const;
    QStringList Alternatives(); // a copy of the selector's items
    void SetAlternatives(const QStringList& items);
    void SetEditColor(bool stale);

    // The parts, for tests and the form's layout checks (null when the kind has none).
    QLabel* CaptionLabel() const;
    QLineEdit* ValueField() const;
    QLabel* UnitLabel() const;
    QComboBox* MaterialSelector() const;
    QComboBox* FlowRateSelector() const;
    QComboBox* MediumSelector() const;
    QComboBox* AlternativesSelector() const;
    QPushButton* HButton() const;

public slots:
    void ValueChanged();
    void SurfaceCoefficientEdited();
    void FlowRateChanged();
    void MaterialChanged();
    void MediumChanged();
    void AlternativeChanged();
    void CalculateHClick();

private:
    // Runs the conductivity dialog; touches nothing of the line afterwards.
    void AskUserConductivity();

    struct Parts;
    std::unique_ptr<Parts> parts_;
};

// Owning ordered list of lines; a position is the line's address for the form's life.
class TLineList {
public:
    int Add(std::unique_ptr<TParaLine> line);
    TParaLine& operator[](int i) const;
    int Count() const;

private:
    std::vector<std::unique_ptr<TParaLine>> lines_;
};

class TParas : public TLineList {};
class TResult : public TLineList {};

// What the surface coefficient dialog was told when it produced the form's h, as shown
// there; for the report while the h line holds that h (indoors or outdoors).
struct THChoices {
    bool recorded = false;
    bool outside = false;
    bool sheet = false;
    bool vertical = false;
    QString windSpeed;   // m/s, outside
    QString sheetHeight; // m, a sheet inside
    QString emissivity;
};

// The open calculation form's shared state. HFromDialog and ChosenCladdingIndex outlive
// a form; the rest lives from a form's showing to its closing.
struct TFormState {
    std::unique_ptr<TParas> ParameterLines;
    std::unique_ptr<TResult> ResultLines;
    int MediumLineIndex = -1;
    QStringList ResultLog;
    bool HFromDialog = false;
    int ChosenCladdingIndex = -1;
    QPointer<TPipeForm> Form;            // the open form, for MarkResultsStale/Current
    bool ClipboardHeaderPending = false; // the clipboard copy still owes its header rows
    bool ResultsShown = false;           // a run of this form has succeeded
    bool ResultsStale = false;           // inputs changed since the shown results
    THChoices HChoices;                  // how the dialog's h was obtained
};

// The choices the surface coefficient dialog holds now, for HChoices after "Continue".
THChoices HChoicesOf(const TInsideOutside& dialog);

TFormState& FormState();
// Everything back to none, HFromDialog and ChosenCladdingIndex included (tests).
void ResetFormState();
// What a form's close releases: its lines, ResultLog, MediumLineIndex and Form.
// HFromDialog and ChosenCladdingIndex carry over to the next form.
void ReleaseFormLines();
