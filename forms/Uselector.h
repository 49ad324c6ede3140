#pragma once
#include <QComboBox>
#include <QStringList>

// The text a selector shows while nothing is chosen.
inline const QString kSelectPrompt = QStringLiteral("select");

// A drop-down selector whose shown text can differ from its selected item, as the forms
// need: "select" with nothing chosen, or "select" over a freshly filled list. Choosing or
// selecting an item shows that item's text again. The whole text is also its tool tip, for
// names longer than the selector is wide.
class TSelector : public QComboBox {
    Q_OBJECT
public:
    explicit TSelector(QWidget* parent);

    QString Text() const;
    void SetText(const QString& text);
    // Appends items and keeps the selection (and shown text) as it was.
    void AppendItems(const QStringList& items);
    // Replaces all items and selects the first (none when the list is empty).
    void ReplaceItems(const QStringList& items);
    // Selects position (anything below 0 means none) unless it already is selected.
    void SelectPosition(int position);

protected:
    void initStyleOption(QStyleOptionComboBox* option) const override;

private:
    void DropShownText();

    QString shownText_;
    bool hasShownText_ = false;
};
