// No window goes away under a dialog that still runs over it: the user's conductivity
// dialog, run for real from a form that was opened from the main window.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

#include "app/Fthermal_con.h"
#include "app/Main.h"
#include "coefficient/Finsideoutside.h"
#include "forms/Fpipessheets.h"
#include "support/Children.h"
#include "support/Clicks.h"
#include "support/FormFixture.h"

namespace {

constexpr int kHeatLossMaterialLine = 5;
constexpr int kHeatLossHLine = 6;

// Runs the dialogs for real, as the desktop does.
class RealDialogs : public RecordingSeam {
public:
    int ExecDialog(QDialog& dialog) override {
        dialogTitles << dialog.windowTitle();
        return dialog.exec();
    }
};

// Acts, as the user would, on the modal window of type T once it is the top one.
template <typename T> void WhenOnTop(std::function<void(T&)> act) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (auto* top = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->deleteLater();
            poll->stop();
            act(*top);
        }
    });
    poll->start(5);
}

TParaLine& Line(int position) {
    return (*FormState().ParameterLines)[position];
}

class ModalGuardTest : public FormTest {
protected:
    RealDialogs real;
    void SetUp() override {
        FormTest::SetUp();
        InstallSeam(&real);
    }
};

// An assistive tool, past the modality, presses every calculation entry of the main window
// (menu items and buttons) over the open form: no second form opens, the first keeps its
// input. Then it closes the form and the main window under the conductivity dialog: both stay
// for the dialog to return to, and the form goes once it is closed after it.
TEST_F(ModalGuardTest, NoFormOpensOverAnOpenOneAndNoneClosesUnderItsDialog) {
    Tfrm_Main window;
    window.SetSplashOnFirstShow(false);
    window.show();
    QPointer<TPipeForm> opened;
    int pressed = 0;
    bool kept = false, refused = false;
    WhenOnTop<TPipeForm>([&](TPipeForm& form) {
        opened = &form;
        const QString before = Line(0).ParaLineEditText();
        QTest::keyClicks(Line(0).ValueField(), "7");
        const QString typed = Line(0).ParaLineEditText();
        static const QRegularExpression entry("^Menu_(Pipes|Sheets)|_(pipes|sheets)$");
        for (QAction* action : window.findChildren<QAction*>())
            if (entry.match(action->objectName()).hasMatch() && !action->menu() &&
                !action->objectName().contains("ThicknessTable")) {
                action->trigger();
                ++pressed;
            }
        for (QPushButton* button : window.findChildren<QPushButton*>())
            if (entry.match(button->objectName()).hasMatch()) {
                button->click();
                ++pressed;
            }
        QCoreApplication::processEvents();
        kept = FormState().Form == &form && Shared().CalculationType == 2 &&
               Line(0).ParaLineEditText() == typed && typed != before;
        WhenOnTop<TThermal_Cond>([&](TThermal_Cond& dialog) {
            form.close();
            window.close();
            // Still open, its lines still there for the dialog to return to.
            refused = form.isVisible() && window.isVisible() && FormState().ParameterLines;
            QTest::keyClicks(Child<QLineEdit>(dialog, "ME_lambda"), "0.05");
            ClickCaption(Child<QPushButton>(dialog, "Cmd_finished"));
            WhenOnTop<TPipeForm>([](TPipeForm& again) { ClickCaption(again.Button4); });
        });
        QTest::keyClick(Line(kHeatLossMaterialLine).MaterialSelector(), Qt::Key_End);
    });
    ClickCaption(Child<QPushButton>(window, "button_heatloss_pipes"));
    EXPECT_EQ(pressed, 16);
    EXPECT_TRUE(kept);
    EXPECT_TRUE(refused);
    EXPECT_TRUE(real.messages.empty());     // refused quietly, not even the close question
    EXPECT_EQ(real.dialogTitles.size(), 2); // the form and the conductivity dialog
    EXPECT_FLOAT_EQ(Shared().WorkingValues.KFactor, 0.05f);
    EXPECT_EQ(Shared().WorkingValues.MaterialIndex, 2);
    EXPECT_TRUE(opened.isNull());
    EXPECT_TRUE(window.isVisible());
}

// A form gone before its conductivity dialog runs runs none; one destroyed under its h dialog
// takes the dialog along; neither leaves its lines behind.
TEST_F(ModalGuardTest, AFormGoneAroundItsDialogLeavesNothingBehind) {
    InstallSeam(&seam);
    Shared().CalculationType = 2;
    for (const bool under : {false, true}) {
        seam.dialogTitles.clear();
        auto form = std::make_unique<TPipeForm>(nullptr);
        form->show();
        QPointer<QDialog> shown;
        seam.onDialog = [&](QDialog& dialog) {
            shown = &dialog;
            form.reset(); // takes its child, the dialog, along
            return int(QDialog::Accepted);
        };
        if (under) {
            QTest::keyClick(Line(kHeatLossMaterialLine).MaterialSelector(), Qt::Key_Home);
            ClickCaption(Line(kHeatLossHLine).HButton());
        } else {
            QTest::keyClick(Line(kHeatLossMaterialLine).MaterialSelector(), Qt::Key_End);
            form.reset();
        }
        QCoreApplication::processEvents(); // a dialog runs after the key or click
        EXPECT_EQ(seam.dialogTitles.size(), under ? 1 : 0);
        EXPECT_TRUE(shown.isNull());
        EXPECT_EQ(FormState().ParameterLines, nullptr);
    }
}

} // namespace
