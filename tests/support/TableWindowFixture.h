#pragma once
// The thickness table window on the shipped data, opened as the menus open it after a form
// left a 48.3 mm pipe at 80 °C in 20 °C air, and driven as a user drives it.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "config/Uconfig.h"
#include "config/Utolerance.h"
#include "support/RecordingSeam.h"
#include "table/TableInputs.h"
#include "table/ThicknessModels.h"
#include "table/ThicknessTableWindow.h"

class TableWindowTest : public SeamTest {
protected:
    using M = TThicknessModel;
    static constexpr int kFoam = 0; // VELTRA AF elastomeric foam, -50 to 105 °C
    static constexpr int kWool = 7; // VELTRA MW mineral wool, -20 to 250 °C
    std::unique_ptr<TThicknessTableWindow> window;
    QTemporaryDir dir;
    int dialogs = 0; // shown by the last SaveAs

    void SetUp() override {
        SeamTest::SetUp();
        const QString beside = QCoreApplication::applicationDirPath();
        LoadConfiguration(beside, [](const QString&) { return true; });
        LoadPipeTable(beside);
        LoadSheetTable(beside);
        Prefill(Shared().WorkingValues);
        Open(true);
    }
    void TearDown() override {
        window.reset();
        SeamTest::TearDown();
    }
    // The values the last form left.
    virtual void Prefill(TWorkingValues& wv) {
        wv.AmbientTemp = 20, wv.MediumTemp = 80, wv.TubeDiameter = 0.0483f, wv.MaterialIndex = 0;
    }
    void Open(bool pipe) { window = std::make_unique<TThicknessTableWindow>(pipe); }

    // Replaces a field's text by typing, key by key.
    static void Type(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Backspace);
        QTest::keyClicks(field, text);
    }
    QString Cell(int row, int column, int role = Qt::DisplayRole) const {
        const M& m = window->ThicknessModel();
        return m.data(m.index(row, column), role).toString();
    }
    void ExpectNoStatus() const {
        EXPECT_TRUE(window->Status->text().isEmpty()) << window->Status->text().toStdString();
    }
    QString Minima() const { return window->Minima->text(); }
    static QByteArray Contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Clicks the button; its dialog picks the file once (a preview prints to it), `replace`
    // answers the overwrite question, a dialog shown again is cancelled. The file's path.
    QString SaveAs(QPushButton* button, const QString& name,
                   MessageReply replace = MessageReply::No) {
        const QString path = dir.filePath(name);
        dialogs = 0;
        seam.answers = {replace};
        seam.onDialog = [this, path](QDialog& d) {
            if (auto* preview = qobject_cast<QPrintPreviewDialog*>(&d)) {
                preview->printer()->setOutputFormat(QPrinter::PdfFormat);
                preview->printer()->setOutputFileName(path);
                emit preview->paintRequested(preview->printer());
            } else if (auto* files = qobject_cast<QFileDialog*>(&d)) {
                files->selectFile(path);
            }
            return int(++dialogs == 1 ? QDialog::Accepted : QDialog::Rejected);
        };
        button->click();
        QApplication::processEvents(); // the dialog runs after the click has been handled
        return path;
    }
};
