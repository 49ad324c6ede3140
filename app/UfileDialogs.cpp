#include "app/UfileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <algorithm>

#include "app/Umessages.h"
#include "config/SafeFile.h"

QString AskOpenFileName(QWidget* parent, const QString& caption, const QString& filter) {
    QFileDialog dialog(parent, caption, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (ExecModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

SaveChoice AskSaveFileName(QWidget* parent, const QString& caption, const QStringList& filters,
                           const QStringList& suffixes) {
    QFileDialog dialog(parent, caption, QString(), filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    auto filterIndex = [&] {
        return std::max<qsizetype>(0, filters.indexOf(dialog.selectedNameFilter()));
    };
    dialog.setDefaultSuffix(suffixes.value(0));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString&) {
        dialog.setDefaultSuffix(suffixes.value(filterIndex()));
    });
    while (ExecModal(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString path = dialog.selectedFiles().constFirst();
        const QFileInfo target(path);
        // A folder is not replaced: the write tells why.
        if (target.isDir() || (!target.exists() && !SafeFile::IsDanglingLink(path)))
            return {path, filterIndex()};
        if (AskYesNo(target.fileName() +
                         QStringLiteral(" already exists.\nDo you want to replace it?"),
                     caption, parent))
            return {path, filterIndex()};
    }
    return {};
}
