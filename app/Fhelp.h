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
    // viewer, 0 when it is not configured, does not exist or no viewer took it.
    int OpenHelpFile(int position);
    void SetHelpText(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPlainTextEdit* Memo_Help;
    QPushButton* Cmd_OK;
};
