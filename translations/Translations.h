#pragma once
// Qt's own texts (the file, font and colour dialogs, message-box buttons, the text boxes' menus) in Thai. The
// whole program is Thai, so the catalogue is loaded whatever language the system is set to.
#include <QString>

namespace dlx {

/// The folder of the compiled catalogues: "translations" beside the program, or share/dualexicon/translations
/// next to the bin folder of an installed copy.
QString translationsFolder(const QString &programFolder);

/// Loads the Thai catalogue of Qt's texts into the running application. False, with nothing installed, when the
/// catalogue is missing or unreadable: Qt then speaks English.
bool installThaiTranslation(const QString &programFolder);

} // namespace dlx
