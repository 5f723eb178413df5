#include "DownloadLinesModel.h"

#include "Codec874.h"
#include "DictionaryDialog.h"

namespace dlx {

void DownloadLinesModel::setDownload(std::optional<LetterDownload> download) {
    beginResetModel();
    download_ = std::move(download);
    longestRow_ = -1;
    if (download_) {
        std::size_t longest = 0;
        for (std::size_t i = 0; i < download_->lines.size(); ++i)
            if (longestRow_ < 0 || download_->lines[i].length > longest) {
                longest = download_->lines[i].length;
                longestRow_ = static_cast<int>(i);
            }
    }
    endResetModel();
}

int DownloadLinesModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() || !download_ ? 0 : static_cast<int>(download_->lines.size());
}

QVariant DownloadLinesModel::data(const QModelIndex &index, int role) const {
    if (!download_ || !index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::SizeHintRole)
        return rowSize_.isValid() ? QVariant(rowSize_) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    return toQt(decode874(download_->line(static_cast<std::size_t>(index.row()))));
}

} // namespace dlx
