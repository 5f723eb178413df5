// FrmMain's commands: one QAction each, named by its code name, and the menu bar, the pane menu and the toolbar
// that show them.
#include "FrmCount.h"
#include "FrmMain.h"
#include "Settings.h"

#include "Artwork.h"
#include "DictionaryWindows.h"
#include "FileCommands.h"
#include "FrmAbout.h"
#include "FrmFull.h"
#include "FrmSkin.h"
#include "FrmTip.h"
#include "HelpWindow.h"
#include "PrintJob.h"
#include "ProgramFont.h"
#include "PuzzleWindows.h"
#include "Skins.h"
#include "Toolbar.h"
#include "TypingWindows.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QStyleOptionMenuItem>
#include <QTextEdit>

#include <functional>

namespace dlx {
namespace {

QString u(const char *s) {
    return QString::fromUtf8(s);
}

// Menu bar items a little closer together than the desktop style sets them, so that all nine fit the
// window's design width.
class CompactMenuBarStyle : public QProxyStyle {
public:
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override {
        QSize s = QProxyStyle::sizeFromContents(type, option, size, widget);
        if (type == CT_MenuBarItem)
            s.setWidth(std::max(size.width() + 6, s.width() - 6));
        return s;
    }
};

// The pane menu shows the menu bar's actions as the pane menu always looked: no access-key underline and no
// pictures ("ย้อนก&ลับ" reads "ย้อนกลับ" there).
class PaneMenuStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override {
        if (hint == SH_UnderlineShortcut)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override {
        if (element == CE_MenuItem)
            if (const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option)) {
                QStyleOptionMenuItem bare = *item;
                bare.icon = QIcon();
                QProxyStyle::drawControl(element, &bare, painter, widget);
                return;
            }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace

QAction *FrmMain::action(const char *name) const {
    return findChild<QAction *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
}

void FrmMain::createActions() {
    auto add = [this](const char *name, const char *caption, std::function<void()> run,
                      const QKeySequence &shortcut = {}) {
        auto *a = new QAction(u(caption), this);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(shortcut);
        connect(a, &QAction::triggered, this, std::move(run));
        return a;
    };
    auto nothing = [] {};

    // File
    add(
        "mnuOpen", "&เปิด...", [this] { files_->open(*text1_); }, QKeySequence(Qt::CTRL | Qt::Key_O));
    add("mnuSave1", "บันทึกต้น&ฉบับเป็น...", [this] { files_->save(*text1_, Pane::Original); });
    add("mnuSave2", "บันทึกงานแ&ปลเป็น...", [this] { files_->save(*text2_, Pane::Translation); });
    add("mnuPrintOri", "พิมพ์ต้น&ฉบับ...", [this] { PrintJob(context_, messageParent_).print(*text1_, Pane::Original); });
    add("mnuPrintPal", "&พิมพ์งานแปล...",
        [this] { PrintJob(context_, messageParent_).print(*text2_, Pane::Translation); });
    add("mnuExit", "&จบการทำงาน", [this] {
        // At once: the closing steps do not run on this path.
        state_.Translating = false;
        QCoreApplication::exit(0);
    });

    // Edit; the pane menu shows these too.
    add("mnuUndo", "ย้อนก&ลับ", [this] { UndoText(); });
    add("mnuCut", "&ตัด", [this] { CutText(); });
    add("mnuCopy", "&คัดลอก", [this] { CopyText(); });
    add("mnuPaste", "วา&ง", [this] { pasteWithMessage(); });
    add("mnuDel", "ล&บ", [this] { DeleteText(); });
    add("mnuClear", "ล้างห&น้าจอ", [this] { clearActivePane(); });
    QAction *selectAll = add("mnuSelectAll", "แ&ถบสีทั้งหมด", [this] { SelectAllText(); });
    // The pane menu words select-all differently, so it has an item of its own for the same command.
    add("mnuPopAll", "เลือกทั้งหมด", [selectAll] { selectAll->trigger(); });
    // The translate command: the pane menu's "แปลงาน" and the button Command1.
    add("mnuPopPal", "แปลงาน", [this] { Command1_Click(); });

    // View
    add("mnuCurX", "ตามแนว&นอน", [this] { applyArrangementNow(Arrangement::Stacked); });
    add("mnuCurY", "ตามแนว&ตั้ง", [this] { applyArrangementNow(Arrangement::SideBySide); });
    add(
        "mnuFullOri", "ต้นฉบับ...", [this] { showFullView(Pane::Original); }, QKeySequence(Qt::Key_F5));
    add(
        "mnuFullPal", "งานแปล..", [this] { showFullView(Pane::Translation); }, QKeySequence(Qt::Key_F6));
    // Reading aids: the word panel (wired in FrmMainReading.cpp) and the marks on words left in English.
    add("mnuWordPanel", "หน้าต่างคำศัพท์", nothing, QKeySequence(Qt::Key_F8))->setCheckable(true);
    add("mnuMarkUnknown", "ทำเครื่องหมายคำที่ยังไม่ได้แปล", nothing)->setCheckable(true);
    add("mnuPopMean", "ดูความหมาย", [this] {
        if (menuAt_)
            lookAtPoint(menuAt_->first, menuAt_->second, true);
    });

    // Format
    add("mnuFont1", "แบบอักษรต้นฉบับ...", [this] { fontCommand(*text1_); });
    add("mnuFont2", "แบบอักษรงานแปล", [this] { fontCommand(*text2_); });
    add("mnuBack1", "สีพื้นหลังต้นฉบับ...", [this] { backColourCommand(*text1_); });
    add("mnuBack2", "สีพื้นหลังงานแปล", [this] { backColourCommand(*text2_); });
    add("mnuFore1", "สีแบบอักษรต้นฉบับ...", [this] { foreColourCommand(*text1_); });
    add("mnuFore2", "สีแบบอักษรงานแปล", [this] { foreColourCommand(*text2_); });

    // Tools
    add(
        "mnuAdd", "เ&พิ่มศัพท์", [this] { openEditorOn({}, false); }, QKeySequence(Qt::Key_F7));
    add("mnuCount", "&นับจำนวนคำ...", [this] {
        const QTextCursor c1 = text1_->textCursor(), c2 = text2_->textCursor();
        showWordCount(this, c1.hasSelection() ? c1.selectedText() : text1_->toPlainText(), c1.hasSelection(),
                      c2.hasSelection() ? c2.selectedText() : text2_->toPlainText(), c2.hasSelection());
    });
    QAction *gram = add("mnuGram", "ใช้ไวยากรณ์", [this] { setTranslationMode(true); });
    QAction *word = add("mnuWord", "คำต่อคำ", [this] { setTranslationMode(false); });
    gram->setCheckable(true);
    word->setCheckable(true);
    gram->setChecked(true);
    // The extended grammar refines the grammar mode, so it can be chosen only there; kept in the settings file.
    QAction *extended = add("mnuExtended", "ไวยากรณ์ขั้นสูง", nothing);
    extended->setCheckable(true);
    extended->setChecked(context_.settings.value("Translate", "Extended", "0") == "1");
    translator_->extended = extended->isChecked();
    connect(extended, &QAction::toggled, this, [this](bool on) {
        translator_->extended = on;
        context_.settings.setValue("Translate", "Extended", on ? "1" : "0");
    });
    // Kept in the settings file: a reader who wants sentences apart wants them apart every time.
    QAction *spaced = add("mnuSentenceSpace", "เว้นวรรคหลังจบประโยค", nothing);
    spaced->setCheckable(true);
    spaced->setChecked(context_.settings.value("Translate", "SentenceSpace", "0") == "1");
    translator_->sentenceSpace = spaced->isChecked();
    connect(spaced, &QAction::toggled, this, [this](bool on) {
        translator_->sentenceSpace = on;
        context_.settings.setValue("Translate", "SentenceSpace", on ? "1" : "0");
    });

    // Pastimes and settings
    add("mnuPuzzle", "เกมส์ Puzzle", [this] { showFrmPuzzle(this, context_); });
    add("mnuPimEng", "ฝึกพิมพ์อังกฤษ", [this] { showFrmPimEng(this, context_); });
    add("mnuPimThai", "ฝึกพิมพ์ไทย", [this] { showFrmPimThai(this, context_); });
    add("mnuHistory", "สถิติย้อนหลัง", [this] { showFrmHistory(this, context_); });
    add("mnuSpell", "สะกดเสียงเมื่อพิมพ์", nothing)->setEnabled(false);
    add("mnuSkin", "เปลี่ยนหน้าตาโปรแกรม", [this] { chooseSkin(); });
    add("mnuUpDate", "เพิ่มศัพท์จากอินเตอร์เน็ต...", [this] {
        eraseHoverFrame();
        showFrmUpdate(this, context_);
    });

    // Help
    add(
        "mnuVitee", "&วิธีใช้ Dualexicon", [this] { showHelp(); }, QKeySequence(Qt::Key_F1));
    add("mnuTip", "ลูก&เล่นประจำวัน...", [this] { showTip(); });
    add("mnuAbout", "เ&กี่ยวกับ Dualexicon...", [this] { showAbout(); });

    // Toolbar commands that no menu has.
    add("clearBothPanes", "เริ่มใหม่", [this] { clearBothPanes(); });
    add("saveActivePane", "บันทึก", [this] {
        if (activePane_)
            action(*activePane_ == Pane::Original ? "mnuSave1" : "mnuSave2")->trigger();
    });
    add("printActivePane", "พิมพ์", [this] {
        if (activePane_)
            action(*activePane_ == Pane::Original ? "mnuPrintOri" : "mnuPrintPal")->trigger();
    });
    add("fontOfActivePane", "ตัวอักขระ", [this] { fontOfActivePane(); });
}

void FrmMain::createMenus() {
    menuBar()->setFont(programFont(8.25, false));
    auto *compact = new CompactMenuBarStyle;
    compact->setParent(menuBar());
    menuBar()->setStyle(compact);

    // Items by action name; "-name" is a separator of that name.
    auto fill = [this](QMenu *menu, std::initializer_list<const char *> items) {
        for (const char *item : items) {
            if (item[0] == '-')
                menu->addSeparator()->setObjectName(QString::fromLatin1(item + 1));
            else
                menu->addAction(action(item));
        }
    };
    auto addMenu = [this](QWidget *parent, const char *name, const char *caption) {
        auto *menu = new QMenu(u(caption), parent);
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        menu->setFont(menuBar()->font());
        return menu;
    };
    // Opening these menus erases the toolbar's hover frame.
    auto barMenu = [&](const char *name, const char *caption, bool erasesFrame) {
        QMenu *menu = addMenu(menuBar(), name, caption);
        menuBar()->addMenu(menu);
        if (erasesFrame)
            connect(menu, &QMenu::aboutToShow, this, &FrmMain::eraseHoverFrame);
        return menu;
    };

    fill(barMenu("mnuFile", "แ&ฟ้ม", true), {"mnuOpen", "-mnuBar1", "mnuSave1", "mnuSave2", "-mnubar2", "mnuPrintOri",
                                            "mnuPrintPal", "-mnubar3", "mnuExit"});
    fill(barMenu("mnuEdit", "แ&ก้ไข", true),
         {"mnuUndo", "mnuCut", "mnuCopy", "mnuPaste", "-mnubar4", "mnuDel", "mnuClear", "mnuSelectAll"});
    QMenu *view = barMenu("mnuView", "มุม&มอง", true);
    fill(view, {"mnuCurX", "mnuCurY", "-mnuBar5"});
    QMenu *full = addMenu(view, "mnuFull", "เต็ม&จอ");
    view->addMenu(full);
    fill(full, {"mnuFullOri", "mnuFullPal"});
    fill(view, {"-mnuBarRead", "mnuWordPanel", "mnuMarkUnknown"});
    fill(barMenu("mnuPicture", "รู&ปแบบ", true),
         {"mnuFont1", "mnuFont2", "-mnubar7", "mnuBack1", "mnuBack2", "-mnuBar8", "mnuFore1", "mnuFore2"});
    QMenu *tool = barMenu("mnuTool", "เ&ครื่องมือ", true);
    fill(tool, {"mnuAdd", "mnuCount", "-mnubar6"});
    QMenu *option = addMenu(tool, "mnuOption", "เ&ลือกลักษณะการแปล...");
    tool->addMenu(option);
    fill(option, {"mnuGram", "mnuWord", "mnuExtended"});
    tool->addAction(action("mnuSentenceSpace"));
    fill(barMenu("mnuRelax", "มุมพักผ่อน", false), {"mnuPuzzle", "-mnuBar11", "mnuPimEng", "mnuPimThai", "mnuHistory"});
    fill(barMenu("mnuSet", "ตั้งค่า", false), {"mnuSpell", "-mnuBar13", "mnuSkin"});
    menuBar()->addAction(action("mnuUpDate")); // a command on the menu bar itself
    fill(barMenu("mnuHelp", "&วิธีใช้", true), {"mnuVitee", "mnuTip", "mnuAbout"});

    // The pane menu is never on the menu bar; a right click over a pane opens it.
    mnuPopUp_ = addMenu(this, "mnuPopUp", "เมนู");
    auto *paneStyle = new PaneMenuStyle;
    paneStyle->setParent(mnuPopUp_);
    mnuPopUp_->setStyle(paneStyle);
    fill(mnuPopUp_, {"mnuUndo", "mnuCut", "mnuCopy", "mnuPaste", "-mnubar9", "mnuClear", "mnuPopAll", "-mnuBar10",
                     "mnuPopPal", "mnuPopMean"});
}

void FrmMain::putMenuPictures() {
    struct Item {
        const char *name;
        int image;
    };
    static const Item items[] = {{"mnuOpen", 1},     {"mnuSave1", 2}, {"mnuSave2", 2}, {"mnuPrintOri", 3},
                                 {"mnuPrintPal", 3}, {"mnuUndo", 4},  {"mnuCut", 5},   {"mnuCopy", 6},
                                 {"mnuPaste", 7},    {"mnuCurX", 9},  {"mnuCurY", 8},  {"mnuAdd", 11},
                                 {"mnuVitee", 12}};
    for (const Item &item : items)
        action(item.name)->setIcon(QIcon(art::menuPicture(item.image)));
    findChild<QMenu *>(QStringLiteral("mnuFull"))->menuAction()->setIcon(QIcon(art::menuPicture(10)));
}

// ---- commands

void FrmMain::setTranslationMode(bool grammar) {
    if (grammar != option1_->isChecked())
        (grammar ? option1_ : option2_)->setChecked(true);
    action("mnuGram")->setChecked(grammar);
    action("mnuWord")->setChecked(!grammar);
    action("mnuExtended")->setEnabled(grammar);
    translator_->mode = grammar ? TranslationMode::Grammar : TranslationMode::WordForWord;
}

void FrmMain::showFullView(Pane which) {
    showFrmFull(this, skinPath_, &pane(which));
}

void FrmMain::chooseSkin() {
    FrmSkin chooser(
        context_,
        [this](const QString &path) {
            skinPath_ = path;
            const SkinLoad load = loadSkinPicture(path);
            if (load.ok())
                surface_->setSkin(load.picture);
            return load.error;
        },
        this);
    chooser.exec();
}

void FrmMain::showHelp() {
    if (!helpWindow_) {
        helpWindow_ = showHelpWindow(this, context_);
        return;
    }
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void FrmMain::showTip() {
    auto *tip = new FrmTip(context_.settings, QRandomGenerator::global()->generateDouble(), this);
    tip->setAttribute(Qt::WA_DeleteOnClose);
    tip->open();
}

void FrmMain::showAbout() {
    auto *about = new FrmAbout(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

} // namespace dlx
