#pragma once
#include <QMainWindow>
#include <array>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class TClickLabel;

// The main window: eight calculation entries, About, Help, the maker's logo and Close.
class Tfrm_Main : public QMainWindow {
    Q_OBJECT
public:
    // Sets the WorkingValues defaults and builds the controls.
    explicit Tfrm_Main(QWidget* parent = nullptr);

    // The creation step: configuration, nominal thickness tables and logo from the
    // directory of the shipped data (the executable's).
    void FormCreate(const QString& dataDirectory);

    // Whether the first showing runs the splash window (off for start-up measurements).
    void SetSplashOnFirstShow(bool on) { splashPending_ = on; }

signals:
    // The user confirmed closing: the program ends.
    void Closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    static constexpr int kEntries = 8;

    void BuildLabels(QWidget* client);
    void BuildGroups(QWidget* client);
    void BuildEntries();
    void BuildMenu();
    void BuildTableItems();
    void SetCaptions();

    void CalculationEntryClick(int calculationType);
    void button_main_infoClick();
    void Help1Click();
    void Image1Click();
    void ShowSplash();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    TClickLabel* Image1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QPushButton* button_main_info = nullptr;
    QPushButton* button_main_end = nullptr;
    std::array<QPushButton*, kEntries> entryButtons_{};
    std::array<QAction*, kEntries> entryActions_{};
    QMenu* Menu_Pipes = nullptr;
    QMenu* Menu_Sheets = nullptr;
    QMenu* Menu_Project = nullptr;
    QAction* Menu_Pipes_ThicknessTable = nullptr;
    QAction* Menu_Sheets_ThicknessTable = nullptr;
    QAction* Menu_Info = nullptr;
    QAction* Help1 = nullptr;
    QAction* Menu_End = nullptr;
    bool splashPending_ = true;
};
