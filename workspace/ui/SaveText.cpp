#include "SaveText.h"

#include "BusyWork.h"
#include "Dialogs.h"
#include "TextFile.h"
#include "TranslateRun.h"

namespace dlx {
namespace {

void runNow(const std::function<void()> &work) {
    work();
}

} // namespace

Result<TextEncoding> saveTextFile(Dialogs &dialogs, QWidget *parent, std::u32string_view crLfText, const QString &path,
                                  const AsideWork &aside) {
    const std::string fsPath = toFsPath(path);
    bool utf8 = false;
    Status written;
    (aside ? aside
           : AsideWork(runNow))([&] { written = writeFileBytes(fsPath, saveTextBytes(crLfText, true, &utf8)); });
    if (!written) {
        const ArrowCursor arrow;
        dialogs.error(parent, describeFailure(QStringLiteral("บันทึกแฟ้มไม่ได้"), written.error()), MsgIcon::Exclamation);
        return written.error();
    }
    return utf8 ? TextEncoding::Utf8Bom : TextEncoding::Windows874;
}

Result<TextEncoding> saveTextFile(Dialogs &dialogs, QWidget *parent, const QString &text, const QString &path,
                                  const AsideWork &aside) {
    std::u32string crLfText;
    (aside ? aside : AsideWork(runNow))([&] { crLfText = withCrLf(text.toStdU32String()); });
    return saveTextFile(dialogs, parent, crLfText, path, aside);
}

} // namespace dlx
