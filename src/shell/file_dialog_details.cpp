#include "shell/file_dialog_details.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>

namespace fljudge {
namespace {

// The columns of QFileSystemModel.
constexpr int kSizeColumn = 1;
constexpr int kDateColumn = 3;

class DefaultLocaleDetails final : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role == Qt::DisplayRole && files != nullptr) {
            const QModelIndex source = mapToSource(index);
            if (source.column() == kSizeColumn && !files->isDir(source)) {
                return QLocale().formattedDataSize(files->size(source));
            }
            if (source.column() == kDateColumn) {
                return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
            }
        }
        return QIdentityProxyModel::data(index, role);
    }
};

}  // namespace

void ShowDetailsInDefaultLocale(QFileDialog& dialog) {
    dialog.setProxyModel(new DefaultLocaleDetails(&dialog));
}

}  // namespace fljudge
