#pragma once

// The file list of Qt's own file dialog writes sizes and dates with the system locale, which is
// the C locale on many desktops ("2.00 KiB", "7 Dec 2026") whatever language the program speaks.
// This view of the list writes them in the program's language instead.

#include <QIdentityProxyModel>

namespace trelvix {

class FileListTexts : public QIdentityProxyModel {
    Q_OBJECT
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // "512 байт", "2,0 КБ" in Russian; "2.0 KB" in English.
    static QString sizeText(qint64 bytes);
};

} // namespace trelvix
