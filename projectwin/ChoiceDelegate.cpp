#include "projectwin/ChoiceDelegate.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

#include "projectwin/LineChoices.h"
#include "projectwin/ProjectModel.h"

namespace {
// The cell's text of each item.
constexpr int kTextRole = Qt::UserRole;
// The cell's text an editor was given.
constexpr char kLoadedText[] = "termoraLoadedText";

// A list editor. Alt+Down, Alt+Up and F4 work its list rather than the window's shortcuts
// (Alt+Up and Alt+Down move lines); an item picked in the open list is taken at once.
class TChoiceBox : public QComboBox {
public:
    using QComboBox::QComboBox;

    bool PickedFromList() const { return listOpen_; }

    void showPopup() override {
        listOpen_ = true;
        QComboBox::showPopup();
    }
    // The pick is reported right after the list closes: the flag lasts until then.
    void hidePopup() override {
        QComboBox::hidePopup();
        QTimer::singleShot(0, this, [this] { listOpen_ = false; });
    }

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::ShortcutOverride && IsListKey(*static_cast<QKeyEvent*>(e))) {
            e->accept();
            return true;
        }
        return QComboBox::event(e);
    }

private:
    static bool IsListKey(const QKeyEvent& key) {
        const int k = key.key();
        const auto mods = key.modifiers() & ~Qt::KeypadModifier;
        return ((k == Qt::Key_Down || k == Qt::Key_Up) && mods == Qt::AltModifier) ||
               (k == Qt::Key_F4 && mods == Qt::NoModifier);
    }

    bool listOpen_ = false;
};

QModelIndex SourceOf(QModelIndex index) {
    while (const auto* proxy = qobject_cast<const QAbstractProxyModel*>(index.model()))
        index = proxy->mapToSource(index);
    return index;
}
} // namespace

TChoiceDelegate::TChoiceDelegate(const TProjectModel& model, QObject* parent)
    : QStyledItemDelegate(parent), model_(model) {}

QWidget* TChoiceDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                       const QModelIndex& index) const {
    const QModelIndex source = SourceOf(index);
    if (source.model() != &model_ || !TProjectModel::IsInput(source.column()))
        return QStyledItemDelegate::createEditor(parent, option, index);
    const Line& line = model_.Document().Lines[static_cast<size_t>(source.row())];
    const std::optional<CellChoices> choices =
        ChoicesOf(static_cast<LineField>(source.column()), line, model_.Data());
    if (!choices)
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto* box = new TChoiceBox(parent);
    box->setObjectName(QStringLiteral("CellChoices"));
    box->setEditable(choices->Typed);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (const CellChoice& c : choices->Items)
        box->addItem(c.Shown, c.Text);
    // Long product names are read whole in the list, however narrow the column.
    box->view()->setMinimumWidth(box->view()->sizeHintForColumn(0));
    connect(box, &QComboBox::activated, this, [this, box] {
        if (!box->PickedFromList())
            return;
        auto* self = const_cast<TChoiceDelegate*>(this);
        emit self->commitData(box);
        emit self->closeEditor(box, QAbstractItemDelegate::NoHint);
    });
    return box;
}

void TChoiceDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    // Results arriving repaint the whole line: an editor keeps what the user has begun there
    // unless the cell itself changed.
    const QString text = index.data(Qt::EditRole).toString();
    const QVariant loaded = editor->property(kLoadedText);
    if (loaded.isValid() && loaded.toString() == text)
        return;
    editor->setProperty(kLoadedText, text);
    auto* box = qobject_cast<QComboBox*>(editor);
    if (!box) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    int at = box->findData(text, kTextRole, Qt::MatchExactly);
    if (at < 0 && !box->isEditable()) {
        // A name the data does not hold stays the cell's until another is chosen.
        box->insertItem(0, text, text);
        at = 0;
    }
    box->setCurrentIndex(at);
    if (at < 0)
        box->setEditText(text);
    // A key typed to open the editor replaces the cell's text, as in a text field.
    if (QLineEdit* typed = box->lineEdit())
        typed->selectAll();
}

void TChoiceDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                   const QModelIndex& index) const {
    auto* box = qobject_cast<QComboBox*>(editor);
    if (!box) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    const int at = box->currentIndex();
    const bool typed = box->isEditable() && (at < 0 || box->currentText() != box->itemText(at));
    model->setData(index, typed ? box->currentText() : box->itemData(at, kTextRole), Qt::EditRole);
}

#include "moc_ChoiceDelegate.cpp"
