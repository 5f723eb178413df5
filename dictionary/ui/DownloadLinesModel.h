#pragma once
// The lines of a checked download for a view, decoded only when the view asks for them: a download at the size
// limit (hundreds of thousands of lines) then costs its bytes and a line table, not a text document.
#include "Download.h"

#include <QAbstractListModel>
#include <QSize>
#include <optional>

namespace dlx {

class DownloadLinesModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    /// Shows a download, or nothing.
    void setDownload(std::optional<LetterDownload> download);
    const std::optional<LetterDownload> &download() const { return download_; }
    /// The longest line by its bytes (one byte, one character in the code page); -1 without lines.
    int longestRow() const { return longestRow_; }

    /// The size every row gives as its size hint (one size for all keeps a large list cheap to lay out).
    void setRowSize(QSize size) { rowSize_ = size; }

    int rowCount(const QModelIndex &parent = {}) const override;
    /// The line's text for DisplayRole and ToolTipRole, the row size for SizeHintRole.
    QVariant data(const QModelIndex &index, int role) const override;

private:
    std::optional<LetterDownload> download_;
    int longestRow_ = -1;
    QSize rowSize_;
};

} // namespace dlx
