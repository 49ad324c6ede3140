#include "forms/Uselector.h"

#include <QSignalBlocker>
#include <QStyleOptionComboBox>

TSelector::TSelector(QWidget* parent) : QComboBox(parent) {
    // Connected before any user of the selector, so its handlers read the chosen text.
    connect(this, &QComboBox::currentIndexChanged, this, &TSelector::DropShownText);
    connect(this, &QComboBox::activated, this, &TSelector::DropShownText);
}

QString TSelector::Text() const {
    return hasShownText_ ? shownText_ : currentText();
}

void TSelector::SetText(const QString& text) {
    shownText_ = text;
    hasShownText_ = true;
    setToolTip(text);
    update();
}

void TSelector::AppendItems(const QStringList& items) {
    const int position = currentIndex();
    QSignalBlocker blocker(this);
    addItems(items);
    // An empty selector would otherwise select the first new item by itself.
    if (currentIndex() != position)
        setCurrentIndex(position);
    update();
}

void TSelector::ReplaceItems(const QStringList& items) {
    clear();
    addItems(items);
    setCurrentIndex(items.isEmpty() ? -1 : 0);
    DropShownText();
}

void TSelector::SelectPosition(int position) {
    const int wanted = position < 0 ? -1 : position;
    if (wanted != currentIndex())
        setCurrentIndex(wanted);
}

void TSelector::initStyleOption(QStyleOptionComboBox* option) const {
    QComboBox::initStyleOption(option);
    if (hasShownText_) {
        option->currentText = shownText_;
        option->currentIcon = QIcon();
    }
}

void TSelector::DropShownText() {
    hasShownText_ = false;
    shownText_.clear();
    setToolTip(currentText());
    update();
}
