#include "GameWindow.h"

#include "Dialogs.h"
#include "Settings.h"

#include <QLabel>
#include <chrono>

namespace dlx {
namespace {

const QString kProfileSection = QStringLiteral("Dualexicon");

std::unique_ptr<RandomSource> clockSeeded() {
    return std::make_unique<SeededRandom>(
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

} // namespace

GameWindow::GameWindow(const AppContext &context, std::unique_ptr<RandomSource> random, QWidget *parent)
    : KeyedDialog(context, parent), random_(random ? std::move(random) : clockSeeded()) {}

DataFolders GameWindow::dataFolder() const {
    return context_.dictionary();
}

QLabel *GameWindow::addLabel(const QString &name, const QString &caption) {
    auto *label = new QLabel(caption, this);
    label->setObjectName(name);
    return label;
}

QLabel *GameWindow::addSlotLabel(const QString &name, const QString &caption) {
    QLabel *label = addLabel(name, caption);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(28);
    QFont f = label->font();
    f.setPointSize(f.pointSize() + 8);
    label->setFont(f);
    // Hidden slots keep their place so the row does not shift while a word is typed.
    QSizePolicy policy = label->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    label->setSizePolicy(policy);
    return label;
}

void GameWindow::tellNoWords() {
    context_.dialogs.error(this, QStringLiteral("ไม่พบคำศัพท์ในพจนานุกรม กรุณาตรวจสอบแฟ้มในโฟลเดอร์ Data"),
                           MsgIcon::Exclamation);
}

bool GameWindow::saveHighScore(std::initializer_list<std::pair<QString, int>> values, const QString &failure) {
    bool saved = true;
    for (const auto &[key, value] : values)
        saved = saved && context_.profile.writeString(kProfileSection, key, QString::number(value));
    if (saved)
        message(QStringLiteral("บันทึกคะแนนสูงสุดไว้แล้ว!"), QStringLiteral("คะแนนสูงสุด"), MsgIcon::Information);
    else
        context_.dialogs.error(this, failure);
    return saved;
}

int GameWindow::savedHighScore(const QString &key) const {
    return context_.profile.readInt(kProfileSection, key);
}

} // namespace dlx
