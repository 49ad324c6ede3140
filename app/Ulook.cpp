#include "app/Ulook.h"

#include <QLabel>
#include <QPixmap>
#include <QPixmapCache>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include "config/Tntinifiles.h"
#include "config/Ureport.h"
#include "engine/State.h"

void ApplyCream(QWidget& widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, Look::kCream);
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

namespace {
void SetFamily(QWidget& widget, const QString& family) {
    QFont font = widget.font();
    font.setFamily(family);
    widget.setFont(font);
}
} // namespace

void ApplyGlobalFont(QWidget& widget) {
    const QString family = QString::fromStdString(Shared().GlobalSettings.FontName);
    if (family.isEmpty())
        return;
    SetFamily(widget, family);
    for (QWidget* child : widget.findChildren<QWidget*>())
        SetFamily(*child, family);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& place, const QColor& color,
                  int pixelSize) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(pixelSize);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QRect& place) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    button->setAutoDefault(false);
    return button;
}

QPlainTextEdit* MakeMemo(QWidget* parent, const char* name, const QRect& place, int pixelSize,
                         bool bold) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setGeometry(place);
    memo->setReadOnly(true);
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Base, Look::kCream);
    memo->setPalette(palette);
    QFont font = memo->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    memo->setFont(font);
    return memo;
}

void ShowPicture(QLabel& label, const QString& path) {
    // A named pipe or a device in its place would block or fill the memory: leave it.
    const QString problem = DataFileProblem(path);
    if (!problem.isEmpty()) {
        label.clear();
        ReportError(QStringLiteral("Cannot open file ") + path + QStringLiteral(": ") + problem);
        return;
    }
    QPixmap picture(path);
    if (picture.isNull()) {
        label.clear();
        return;
    }
    label.setAlignment(Qt::AlignCenter);
    label.setPixmap(picture.scaled(label.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void KeepStylePixmapsUncached() {
    QPixmapCache::setCacheLimit(0);
}
