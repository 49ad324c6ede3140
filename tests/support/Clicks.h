#pragma once
// Clicks where a user clicks: on a button's indicator or caption, on a label's text or
// picture. Computed from the style and the fonts in force, so whatever fonts are installed
// the point lies on what the user sees, not merely inside the widget's rectangle.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace clicks {

// The button's own style option (initStyleOption is protected; a pointer to it is not).
template <typename Button> QStyleOptionButton OptionOf(const Button& button) {
    struct Opener : Button {
        using Button::initStyleOption;
    };
    QStyleOptionButton option;
    (button.*(&Opener::initStyleOption))(&option);
    return option;
}

inline QRect CaptionIn(const QWidget& widget, const QRect& area, Qt::Alignment align,
                       const QString& text) {
    QSize size = widget.fontMetrics().size(Qt::TextShowMnemonic, text);
    QRect caption = QStyle::alignedRect(widget.layoutDirection(), align, size, area);
    return caption.intersected(area);
}

inline QPoint Centre(const QRect& area, const QWidget& widget) {
    EXPECT_FALSE(area.isEmpty()) << widget.objectName().toStdString();
    EXPECT_TRUE(widget.rect().contains(area.center())) << widget.objectName().toStdString();
    return area.center();
}

} // namespace clicks

inline QPoint IndicatorOf(const QRadioButton& button) {
    QStyleOptionButton option = clicks::OptionOf(button);
    return clicks::Centre(
        button.style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, &button), button);
}

inline QPoint IndicatorOf(const QCheckBox& button) {
    QStyleOptionButton option = clicks::OptionOf(button);
    return clicks::Centre(
        button.style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &button), button);
}

// The middle of the caption as drawn (left-aligned beside the indicator).
inline QPoint CaptionOf(const QRadioButton& button) {
    QStyleOptionButton option = clicks::OptionOf(button);
    QRect area = button.style()->subElementRect(QStyle::SE_RadioButtonContents, &option, &button);
    return clicks::Centre(
        clicks::CaptionIn(button, area, Qt::AlignLeft | Qt::AlignVCenter, button.text()), button);
}

// The middle of a push button's caption (centred in its contents).
inline QPoint CaptionOf(const QPushButton& button) {
    QStyleOptionButton option = clicks::OptionOf(button);
    QRect area = button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    return clicks::Centre(clicks::CaptionIn(button, area, Qt::AlignCenter, button.text()), button);
}

// The middle of what a label shows: its picture, or its text as aligned in the label.
inline QPoint ContentOf(const QLabel& label) {
    const QRect area = label.contentsRect();
    if (!label.pixmap().isNull()) {
        QSize size = label.hasScaledContents() ? area.size()
                                               : label.pixmap().deviceIndependentSize().toSize();
        return clicks::Centre(
            QStyle::alignedRect(label.layoutDirection(), label.alignment(), size, area), label);
    }
    QString text = label.text();
    if (label.textFormat() == Qt::RichText ||
        (label.textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument document;
        document.setHtml(text);
        text = document.toPlainText();
    }
    return clicks::Centre(clicks::CaptionIn(label, area, label.alignment(), text), label);
}

// The middle of a row's text in a list, which starts at the row's left.
inline QPoint RowTextOf(const QAbstractItemView& view, const QModelIndex& index) {
    const QRect row = view.visualRect(index);
    const int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1;
    QRect text = clicks::CaptionIn(view, row.adjusted(margin, 0, 0, 0),
                                   Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
    EXPECT_TRUE(view.viewport()->rect().contains(text.center()));
    return text.center();
}

template <typename Control> void ClickIndicator(Control* control) {
    QTest::mouseClick(control, Qt::LeftButton, {}, IndicatorOf(*control));
}

template <typename Control> void ClickCaption(Control* control) {
    QTest::mouseClick(control, Qt::LeftButton, {}, CaptionOf(*control));
}

inline void ClickContent(QLabel* label) {
    QTest::mouseClick(label, Qt::LeftButton, {}, ContentOf(*label));
}
