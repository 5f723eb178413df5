#include "SaveText.h"

#include "Dialogs.h"
#include "TextFile.h"
#include "TranslateRun.h"

namespace dlx {

Result<TextEncoding> saveTextFile(Dialogs &dialogs, QWidget *parent, const QString &text, const QString &path) {
    bool utf8 = false;
    const std::string bytes = saveTextBytes(withCrLf(text.toStdU32String()), true, &utf8);
    if (auto written = writeFileBytes(toFsPath(path), bytes); !written) {
        dialogs.error(parent,
                      QStringLiteral("บันทึกแฟ้ม \"%1\" ไม่ได้: %2")
                          .arg(path, QString::fromLocal8Bit(written.error().reason().c_str())),
                      MsgIcon::Exclamation);
        return written.error();
    }
    return utf8 ? TextEncoding::Utf8Bom : TextEncoding::Windows874;
}

} // namespace dlx
