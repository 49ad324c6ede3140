#pragma once
// A model seen through narrower column captions: "Installed cost (/m)" shown over three
// lines, so that columns sized to their contents leave room for all of them on a laptop
// screen. Everything else, editing included, passes through to the model unchanged; the
// CSV and the printed page take the model's own one-line captions.
#include <QIdentityProxyModel>

class TWrappedHeaders : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
};

// The caption broken at its blanks, a unit in brackets kept whole on a line of its own.
QString WrappedCaption(const QString& caption);
