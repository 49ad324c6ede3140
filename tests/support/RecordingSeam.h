#pragma once
// Stands in for message boxes, modal dialogs and the desktop in tests: records what the
// program shows and answers as the test says.
#include <QDialog>
#include <QStringList>
#include <QUrl>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

#include "app/Umessages.h"
#include "config/Ureport.h"
#include "engine/State.h"
#include "support/Printers.h"

struct RecordedMessage {
    MessageKind kind;
    QString text;
    QString title;
};

class RecordingSeam : public MessageSeam {
public:
    std::vector<RecordedMessage> messages;
    // For questions; once they run out "No", or "Cancel" for a question about saving.
    std::deque<MessageReply> answers;
    QStringList dialogTitles; // window titles of the dialogs run modally
    std::vector<QUrl> opened;
    bool openSucceeds = true;
    // Acts on a modal dialog instead of the user; without it the dialog is rejected unseen.
    std::function<int(QDialog&)> onDialog;

    MessageReply Message(MessageKind kind, const QString& text, const QString& title,
                         QWidget*) override {
        messages.push_back({kind, text, title});
        if (kind != MessageKind::Question && kind != MessageKind::SaveQuestion)
            return MessageReply::Ok;
        if (answers.empty())
            return kind == MessageKind::Question ? MessageReply::No : MessageReply::Cancel;
        MessageReply reply = answers.front();
        answers.pop_front();
        return reply;
    }
    int ExecDialog(QDialog& dialog) override {
        dialogTitles << dialog.windowTitle();
        return onDialog ? onDialog(dialog) : QDialog::Rejected;
    }
    bool OpenUrl(const QUrl& url) override {
        opened.push_back(url);
        return openSucceeds;
    }

    QStringList Texts() const {
        QStringList texts;
        for (const auto& m : messages)
            texts << m.text;
        return texts;
    }
};

// Each test starts from the start-up state with the recorder installed.
class SeamTest : public ::testing::Test {
protected:
    RecordingSeam seam;
    void SetUp() override {
        ResetShared();
        InstallSeam(&seam);
        SetErrorReporter([](const QString& text) { ShowError(text); });
    }
    void TearDown() override {
        SetErrorReporter(nullptr);
        InstallSeam(nullptr);
        ResetShared();
    }
};
