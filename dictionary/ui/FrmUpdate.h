#pragma once
// The download window "เพิ่มศัพท์จากอินเตอร์เน็ต": choosing a letter in Combo1 fetches that letter's published
// file into Text1 for review; Command3 writes it over the local letter file.
#include "AppContext.h"
#include "Dialogs.h"
#include "DictionaryDialog.h"
#include "Download.h"
#include "DownloadLinesModel.h"
#include "HttpGet.h"

#include <optional>

class QComboBox;
class QLabel;
class QListView;
class QPushButton;

namespace dlx {

class FrmUpdate : public DictionaryDialog {
    Q_OBJECT
public:
    static constexpr int kTwipsPerPixel = 15;
    static constexpr int kCollapsedHeight = 1080 / kTwipsPerPixel; ///< only the letter box shows
    static constexpr int kExpandedHeight = 3570 / kTwipsPerPixel;  ///< the fetched text and Command3 show too
    static constexpr int kWidth = 6600 / kTwipsPerPixel;

    explicit FrmUpdate(const AppContext &context, QWidget *parent = nullptr);
    ~FrmUpdate() override;

    /// Settings "Update"/"Server", or kDefaultUpdateServer.
    QString serverBase() const;
    bool isExpanded() const { return height() == kExpandedHeight; }

private:
    void fetch(const QString &letter);
    void showDownload(std::optional<LetterDownload> download);
    void save();
    /// Tells why the fetched letter is not shown; the local file is untouched.
    void refuse(const QString &why);
    void setWindowHeight(int height);

    AppContext context_;
    Dialogs &dialogs_;
    HttpGet &http_;

    QComboBox *combo1_ = nullptr;
    QLabel *lblCnt_ = nullptr;
    DownloadLinesModel *lines_ = nullptr; ///< the checked download shown in Text1; Command3 writes it
    QListView *text1_ = nullptr;
    QPushButton *command3_ = nullptr;
};

} // namespace dlx
