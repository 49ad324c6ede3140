#pragma once
#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// The help window: opens a configured help file with the desktop's viewer, or shows a
// built-in help text.
class TF_Help : public QDialog {
    Q_OBJECT
public:
    explicit TF_Help(QWidget* parent = nullptr);
    // 1 when the help file at that position of the help-file list was handed to the
    // desktop's viewer or, when none took it, shown in the program's own viewer window
    // beside `over`; 0 when it is not configured or does not exist.
    int OpenHelpFile(int position, QWidget* over = nullptr);
    void SetHelpText(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPlainTextEdit* Memo_Help;
    QPushButton* Cmd_OK;
};
