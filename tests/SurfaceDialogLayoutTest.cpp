// The dialog looks tidy in each of its states: every visible control lies inside its
// group, none overlaps another, and every caption fits its control.
// With TERMORA_SHOT_DIR set, each state is saved there as a picture; the outdoor pipe is
// h-dialog.png (scripts/h-dialog-screenshot runs this under Xvfb).
#include "SurfaceDialogFixture.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>

namespace {

bool IsControl(QWidget* w) {
    return qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) ||
           qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w);
}

QString NameOf(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w))
        return "label '" + label->text() + "'";
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return "button '" + button->text() + "'";
    return w->metaObject()->className();
}

// Width the caption needs: text plus the indicator of a radio button or a button's margin.
int NeededWidth(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->fontMetrics().horizontalAdvance(label->text());
    if (qobject_cast<QRadioButton*>(w))
        return w->sizeHint().width();
    if (auto* button = qobject_cast<QPushButton*>(w))
        return button->fontMetrics().horizontalAdvance(button->text()) + 8;
    if (auto* combo = qobject_cast<QComboBox*>(w)) // the text beside the arrow
        return combo->fontMetrics().horizontalAdvance(combo->currentText()) +
               (combo->width() - combo->lineEdit()->width()) + 4;
    return 0;
}

// Visible controls that show something (an empty label shows nothing).
QList<QWidget*> ShownControls(QWidget& dialog) {
    QList<QWidget*> shown;
    for (QWidget* w : dialog.findChildren<QWidget*>()) {
        if (!IsControl(w) || !w->isVisible() || !w->parentWidget() ||
            qobject_cast<QComboBox*>(w->parentWidget()))
            continue;
        auto* label = qobject_cast<QLabel*>(w);
        if (label && label->text().isEmpty())
            continue;
        shown << w;
    }
    return shown;
}

void ExpectTidy(QWidget& dialog, const char* state) {
    SCOPED_TRACE(state);
    QList<QWidget*> shown = ShownControls(dialog);
    ASSERT_FALSE(shown.isEmpty());
    for (QWidget* w : shown) {
        QRect inParent = w->geometry();
        EXPECT_TRUE(w->parentWidget()->rect().contains(inParent))
            << NameOf(w).toStdString() << " is cut off by its group";
        EXPECT_LE(NeededWidth(w), w->width()) << NameOf(w).toStdString() << " is cut off";
        QRect global(w->mapTo(&dialog, QPoint(0, 0)), w->size());
        for (QWidget* other : shown) {
            if (other == w || other->isAncestorOf(w) || w->isAncestorOf(other))
                continue;
            QRect otherGlobal(other->mapTo(&dialog, QPoint(0, 0)), other->size());
            // Compare what is drawn: a label's text, the whole of any other control.
            auto drawn = [](QWidget* c, QRect r) {
                if (auto* label = qobject_cast<QLabel*>(c)) {
                    int width = label->fontMetrics().horizontalAdvance(label->text());
                    int left = label->alignment() & Qt::AlignRight ? r.right() - width : r.left();
                    return QRect(left, r.top(), width, r.height());
                }
                return r;
            };
            EXPECT_FALSE(drawn(w, global).intersects(drawn(other, otherGlobal)))
                << NameOf(w).toStdString() << " overlaps " << NameOf(other).toStdString();
        }
    }
}

void SaveShot(QWidget& dialog, const QString& name) {
    QString dir = QString::fromLocal8Bit(qgetenv("TERMORA_SHOT_DIR"));
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    EXPECT_TRUE(dialog.grab().save(dir + "/" + name + ".png"));
}

} // namespace

class SurfaceDialogLayoutTest : public SurfaceDialogTest {
protected:
    void SetUp() override {
        SurfaceDialogTest::SetUp();
        // Names as long as the shipped configuration's.
        Shared().ReferenceLists.Claddings = {{"None", 0.93f},
                                             {"Aluminium-zinc coated steel sheet", 0.16f},
                                             {"Painted metal, non-metallic finish", 0.94f}};
    }
};

TEST_F(SurfaceDialogLayoutTest, PipeDialogIsTidyInsideAndOutside) {
    OpenForm(4); // the longest summary
    CalculateH([](TInsideOutside& d) {
        EXPECT_EQ(d.size(), QSize(477, 470));
        ExpectTidy(d, "pipe inside");
        SaveShot(d, "h-dialog-pipe-inside");
        ChooseOutside(d);
        ChooseCladding(d, 2);
        ExpectTidy(d, "pipe outside");
    });
}

TEST_F(SurfaceDialogLayoutTest, SheetDialogIsTidyInsideAndOutside) {
    OpenForm(6);
    CalculateH([](TInsideOutside& d) {
        ExpectTidy(d, "sheet inside");
        SaveShot(d, "h-dialog-sheet-inside");
        ChooseOutside(d);
        ExpectTidy(d, "sheet outside");
        SaveShot(d, "h-dialog-sheet-outside");
    });
}

TEST_F(SurfaceDialogLayoutTest, OutdoorPipeScreenshot) {
    OpenForm(2);
    CalculateH([](TInsideOutside& d) {
        ChooseOutside(d);
        ChooseCladding(d, 2);
        ExpectTidy(d, "pipe heat loss outside");
        SaveShot(d, "h-dialog");
    });
}
