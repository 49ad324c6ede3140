#pragma once
// The one seam through which the program shows message boxes, runs modal dialogs and
// asks the desktop to open files and web addresses. Tests install a recorder instead.
#include <QString>
#include <QStringList>
#include <QUrl>

class QDialog;
class QWidget;

// SaveQuestion: "Yes" (save), "No" (discard) and "Cancel" (keep everything as it is).
enum class MessageKind { Plain, Warning, Error, Question, SaveQuestion };
enum class MessageReply { Ok, Yes, No, Cancel };

class MessageSeam {
public:
    virtual ~MessageSeam() = default;
    // Plain, warning and error boxes have one "OK" button; questions "Yes" and "No".
    virtual MessageReply Message(MessageKind kind, const QString& text, const QString& title,
                                 QWidget* parent) = 0;
    // A heading and one line per item, one box with one "OK" button: the box shows as many
    // lines as fit the screen and "and N more", and the whole list scrollable and
    // copyable. By default the whole text as one message.
    virtual void MessageList(MessageKind kind, const QString& heading, const QStringList& lines,
                             const QString& title, QWidget* parent) {
        Message(kind, (QStringList{heading} + lines).join(u'\n'), title, parent);
    }
    // Runs the dialog modally and returns its result (QDialog::Accepted or Rejected).
    virtual int ExecDialog(QDialog& dialog) = 0;
    // Opens a local file or a web address with the desktop's viewer; false when it cannot.
    virtual bool OpenUrl(const QUrl& url) = 0;
};

// The refusal of implausible input, shown by many windows.
inline const QString kMakeSenseText = QStringLiteral("Please enter values that make sense!");

// The text as a message box shows it: a run of more than maxRun characters without a
// blank (a long file name, number or typed text) gets invisible break opportunities, so
// that the box wraps it instead of cutting off its end.
QString WithBreakableWords(const QString& text, int maxRun = 30);

// The seam in force: the desktop one unless a test installed its own.
MessageSeam& Seam();
// Installs a seam (not owned); nullptr goes back to the desktop one.
void InstallSeam(MessageSeam* seam);

// Short forms; the title defaults to the program's name.
void ShowMessage(const QString& text, QWidget* parent = nullptr);
void ShowWarning(const QString& text, QWidget* parent = nullptr);
void ShowError(const QString& text, QWidget* parent = nullptr);
void ShowWarningList(const QString& heading, const QStringList& lines, QWidget* parent = nullptr);
bool AskYesNo(const QString& text, const QString& title, QWidget* parent = nullptr);
// Unsaved changes: Yes saves them, No drops them, Cancel goes back.
MessageReply AskSaveChanges(const QString& text, QWidget* parent = nullptr);
int ExecModal(QDialog& dialog);
// Whether a modal window other than this one is open over it: the window must not close
// then, since the dialog above may still use it.
bool ModalWindowAbove(const QWidget& window);
bool OpenWithDesktop(const QUrl& url);
