#include "FrmMain.h"

#include "Artwork.h"
#include "Dialogs.h"
#include "DictionaryWindows.h"
#include "FileCommands.h"
#include "FrmAbout.h"
#include "FrmFull.h"
#include "FrmSkin.h"
#include "FrmTip.h"
#include "HelpWindow.h"
#include "HostServices.h"
#include "PicBar.h"
#include "PrintJob.h"
#include "PuzzleWindows.h"
#include "SaveText.h"
#include "Settings.h"
#include "Skins.h"
#include "Tips.h"
#include "Toolbar.h"
#include "TranslateRun.h"
#include "TypingWindows.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QTextEdit>
#include <QWindowStateChangeEvent>

namespace dlx {
namespace {

const QString kTitle = QString::fromUtf8("Dualexicon (ดูอะเล็กซิคอน) 1.5");
const QString kTranslateCaption = QString::fromUtf8("แปล");
const QString kTranslateTip = QString::fromUtf8("กดปุ่มนี้เมื่อต้องการแปล");
const QString kEnglishLayout = QStringLiteral("00000409");
const QString kThaiLayout = QStringLiteral("0000041E");

QColor bgr(std::uint32_t value) {
    const Rgb c = fromBgr(value);
    return QColor(c.r, c.g, c.b);
}

std::uint32_t toBgr(const QColor &c) {
    return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
           static_cast<std::uint32_t>(c.blue()) << 16;
}

// The program's dialog font, with Thai-capable fallbacks where it is not installed.
QFont programFont(double points, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma"), QStringLiteral("Loma"),
                   QStringLiteral("Garuda"), QStringLiteral("Waree"), QStringLiteral("Sans Serif")});
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
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

} // namespace

FrmMain::FrmMain(const AppContext &context, QWidget *parent)
    : QMainWindow(parent), context_(context), hover_(toBgr(QApplication::palette().color(QPalette::Button))),
      ScrollTitle(kTitle.toStdU32String()) {
    setObjectName(QStringLiteral("FrmMain"));
    setWindowIcon(art::programIcon());
    lexicon_ = std::make_unique<Lexicon>(QFile::encodeName(context_.dataFolder()).toStdString());
    translator_ = std::make_unique<Translator>(state_, *lexicon_);

    createControls();
    createMenus();

    // Initial client area 7695 x 6105 twips, centred on the screen.
    const double dpiX = logicalDpiX(), dpiY = logicalDpiY();
    resize(twipsToPixels(kClientWidthTwips, dpiX),
           twipsToPixels(kClientHeightTwips, dpiY) + menuBar()->sizeHint().height());
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());

    timer1_.setInterval(100);
    connect(&timer1_, &QTimer::timeout, this, &FrmMain::Timer1_Timer);
    Form_Load();
    timer2_.setInterval(300);
    timer2_.setSingleShot(true);
    connect(&timer2_, &QTimer::timeout, this, &FrmMain::Timer2_Timer);
    timer2_.start();
}

FrmMain::~FrmMain() = default;

void FrmMain::createControls() {
    surface_ = new WorkspaceSurface(this);
    QPalette pal = surface_->palette();
    pal.setColor(QPalette::Window, bgr(0xC0C0C0));
    surface_->setPalette(pal);
    setCentralWidget(surface_);
    connect(surface_, &WorkspaceSurface::pointerMoved, this, &FrmMain::eraseHoverFrame);

    auto makePane = [&](const char *name) {
        auto *pane = new QTextEdit(surface_);
        pane->setObjectName(QString::fromLatin1(name));
        pane->setFont(programFont(9.75, false));
        pane->setContextMenuPolicy(Qt::PreventContextMenu);
        pane->installEventFilter(this);
        pane->viewport()->installEventFilter(this);
        return pane;
    };
    text1_ = makePane("Text1");
    text2_ = makePane("Text2");
    text1_->viewport()->setMouseTracking(true);

    auto makeLabel = [&](const char *name, const char *caption, double points) {
        auto *label = new QLabel(QString::fromUtf8(caption), surface_);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(programFont(points, true));
        return label;
    };
    label1_ = makeLabel("Label1", "ต้นฉบับ", 9.75);
    label2_ = makeLabel("Label2", "งานแปล", 9.75);
    label3_ = makeLabel("Label3", "ค่าในการแปล", 8.25);

    picBar_ = new PicBar(surface_);
    picBar_->setObjectName(QStringLiteral("PicBar"));

    command1_ = new TranslateButton(art::translateIcon(), kTranslateCaption, surface_);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setToolTip(kTranslateTip);
    command1_->setFont(programFont(9.75, true));
    command1_->setIconSize(QSize(12, 12));
    QPalette buttonPalette = command1_->palette();
    buttonPalette.setColor(QPalette::Button, bgr(0xFFC0C0));
    command1_->setPalette(buttonPalette);
    connect(command1_, &QPushButton::clicked, this, &FrmMain::Command1_Click);

    option1_ = new QRadioButton(QString::fromUtf8("ใช้ไวยากรณ์"), surface_);
    option1_->setObjectName(QStringLiteral("Option1"));
    option2_ = new QRadioButton(QString::fromUtf8("คำต่อคำ"), surface_);
    option2_->setObjectName(QStringLiteral("Option2"));
    option1_->setFont(programFont(8.25, false));
    option2_->setFont(programFont(8.25, false));
    option1_->setChecked(true);
    connect(option1_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            setTranslationMode(true);
    });
    connect(option2_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            setTranslationMode(false);
    });

    for (const ToolButtonPlace &place : toolButtons()) {
        auto *button = new ToolButton(place.index, art::toolbarPicture(place.index), surface_);
        button->setToolTip(QString::fromUtf8(place.tooltip));
        connect(button, &ToolButton::hovered, this, &FrmMain::toolHovered);
        connect(button, &ToolButton::leftPressed, this, &FrmMain::toolPressed);
        connect(button, &ToolButton::leftReleased, this, &FrmMain::toolReleased);
        imgTool_[static_cast<std::size_t>(place.index)] = button;
    }

    // The option buttons overlap the bottom edge of the translation pane and must stay clickable.
    option1_->raise();
    option2_->raise();
    setTabOrder(text1_, text2_);
    setTabOrder(text2_, command1_);
    setTabOrder(command1_, option1_);
    text1_->setFocus();
}

QAction *FrmMain::addCommand(QMenu *menu, const char *name, const QString &caption, void (FrmMain::*slot)(),
                             const QKeySequence &shortcut) {
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, slot);
    return action;
}

QAction *FrmMain::addSeparator(QMenu *menu, const char *name) {
    QAction *bar = menu->addSeparator();
    bar->setObjectName(QString::fromLatin1(name));
    return bar;
}

QMenu *FrmMain::addMenu(const char *name, const QString &caption) {
    QMenu *menu = menuBar()->addMenu(caption);
    menu->setFont(menuBar()->font());
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

void FrmMain::createMenus() {
    menuBar()->setFont(programFont(8.25, false));
    auto *compact = new CompactMenuBarStyle;
    compact->setParent(menuBar());
    menuBar()->setStyle(compact);
    auto u = [](const char *s) { return QString::fromUtf8(s); };
    auto erasesFrame = [this](QMenu *menu) { connect(menu, &QMenu::aboutToShow, this, &FrmMain::eraseHoverFrame); };

    QMenu *file = addMenu("mnuFile", u("แ&ฟ้ม"));
    erasesFrame(file);
    addCommand(file, "mnuOpen", u("&เปิด..."), &FrmMain::mnuOpen, QKeySequence(Qt::CTRL | Qt::Key_O));
    addSeparator(file, "mnuBar1");
    addCommand(file, "mnuSave1", u("บันทึกต้น&ฉบับเป็น..."), &FrmMain::mnuSave1);
    addCommand(file, "mnuSave2", u("บันทึกงานแ&ปลเป็น..."), &FrmMain::mnuSave2);
    addSeparator(file, "mnubar2");
    addCommand(file, "mnuPrintOri", u("พิมพ์ต้น&ฉบับ..."), &FrmMain::mnuPrintOri);
    addCommand(file, "mnuPrintPal", u("&พิมพ์งานแปล..."), &FrmMain::mnuPrintPal);
    addSeparator(file, "mnubar3");
    addCommand(file, "mnuExit", u("&จบการทำงาน"), &FrmMain::mnuExit);

    QMenu *edit = addMenu("mnuEdit", u("แ&ก้ไข"));
    erasesFrame(edit);
    addCommand(edit, "mnuUndo", u("ย้อนก&ลับ"), &FrmMain::mnuUndo);
    addCommand(edit, "mnuCut", u("&ตัด"), &FrmMain::mnuCut);
    addCommand(edit, "mnuCopy", u("&คัดลอก"), &FrmMain::mnuCopy);
    addCommand(edit, "mnuPaste", u("วา&ง"), &FrmMain::mnuPaste);
    addSeparator(edit, "mnubar4");
    addCommand(edit, "mnuDel", u("ล&บ"), &FrmMain::mnuDel);
    addCommand(edit, "mnuClear", u("ล้างห&น้าจอ"), &FrmMain::mnuClear);
    addCommand(edit, "mnuSelectAll", u("แ&ถบสีทั้งหมด"), &FrmMain::mnuSelectAll);

    QMenu *view = addMenu("mnuView", u("มุม&มอง"));
    erasesFrame(view);
    addCommand(view, "mnuCurX", u("ตามแนว&นอน"), &FrmMain::mnuCurX);
    addCommand(view, "mnuCurY", u("ตามแนว&ตั้ง"), &FrmMain::mnuCurY);
    addSeparator(view, "mnuBar5");
    QMenu *full = view->addMenu(u("เต็ม&จอ"));
    full->setFont(menuBar()->font());
    full->setObjectName(QStringLiteral("mnuFull"));
    full->menuAction()->setObjectName(QStringLiteral("mnuFull"));
    addCommand(full, "mnuFullOri", u("ต้นฉบับ..."), &FrmMain::mnuFullOri, QKeySequence(Qt::Key_F5));
    addCommand(full, "mnuFullPal", u("งานแปล.."), &FrmMain::mnuFullPal, QKeySequence(Qt::Key_F6));

    QMenu *picture = addMenu("mnuPicture", u("รู&ปแบบ"));
    erasesFrame(picture);
    addCommand(picture, "mnuFont1", u("แบบอักษรต้นฉบับ..."), &FrmMain::mnuFont1);
    addCommand(picture, "mnuFont2", u("แบบอักษรงานแปล"), &FrmMain::mnuFont2);
    addSeparator(picture, "mnubar7");
    addCommand(picture, "mnuBack1", u("สีพื้นหลังต้นฉบับ..."), &FrmMain::mnuBack1);
    addCommand(picture, "mnuBack2", u("สีพื้นหลังงานแปล"), &FrmMain::mnuBack2);
    addSeparator(picture, "mnuBar8");
    addCommand(picture, "mnuFore1", u("สีแบบอักษรต้นฉบับ..."), &FrmMain::mnuFore1);
    addCommand(picture, "mnuFore2", u("สีแบบอักษรงานแปล"), &FrmMain::mnuFore2);

    QMenu *tool = addMenu("mnuTool", u("เ&ครื่องมือ"));
    erasesFrame(tool);
    addCommand(tool, "mnuAdd", u("เ&พิ่มศัพท์"), &FrmMain::mnuAdd, QKeySequence(Qt::Key_F7));
    addCommand(tool, "mnuCount", u("&นับจำนวนคำ..."), &FrmMain::mnuCount);
    addSeparator(tool, "mnubar6");
    QMenu *option = tool->addMenu(u("เ&ลือกลักษณะการแปล..."));
    option->setFont(menuBar()->font());
    option->setObjectName(QStringLiteral("mnuOption"));
    option->menuAction()->setObjectName(QStringLiteral("mnuOption"));
    mnuGram_ = addCommand(option, "mnuGram", u("ใช้ไวยากรณ์"), &FrmMain::mnuGram);
    mnuWord_ = addCommand(option, "mnuWord", u("คำต่อคำ"), &FrmMain::mnuWord);
    mnuGram_->setCheckable(true);
    mnuWord_->setCheckable(true);
    mnuGram_->setChecked(true);

    QMenu *relax = addMenu("mnuRelax", u("มุมพักผ่อน"));
    addCommand(relax, "mnuPuzzle", u("เกมส์ Puzzle"), &FrmMain::mnuPuzzle);
    addSeparator(relax, "mnuBar11");
    addCommand(relax, "mnuPimEng", u("ฝึกพิมพ์อังกฤษ"), &FrmMain::mnuPimEng);
    addCommand(relax, "mnuPimThai", u("ฝึกพิมพ์ไทย"), &FrmMain::mnuPimThai);

    QMenu *set = addMenu("mnuSet", u("ตั้งค่า"));
    addCommand(set, "mnuSpell", u("สะกดเสียงเมื่อพิมพ์"), &FrmMain::mnuSpell)->setEnabled(false);
    addSeparator(set, "mnuBar13");
    addCommand(set, "mnuSkin", u("เปลี่ยนหน้าตาโปรแกรม"), &FrmMain::mnuSkin);

    // A command on the menu bar itself.
    QAction *update = menuBar()->addAction(u("เพิ่มศัพท์จากอินเตอร์เน็ต..."));
    update->setObjectName(QStringLiteral("mnuUpDate"));
    connect(update, &QAction::triggered, this, &FrmMain::mnuUpDate);

    QMenu *help = addMenu("mnuHelp", u("&วิธีใช้"));
    erasesFrame(help);
    addCommand(help, "mnuVitee", u("&วิธีใช้ Dualexicon"), &FrmMain::mnuVitee, QKeySequence(Qt::Key_F1));
    addCommand(help, "mnuTip", u("ลูก&เล่นประจำวัน..."), &FrmMain::mnuTip);
    addCommand(help, "mnuAbout", u("เ&กี่ยวกับ Dualexicon..."), &FrmMain::mnuAbout);

    // The pane menu is never on the menu bar; a right click over a pane opens it.
    mnuPopUp_ = new QMenu(u("เมนู"), this);
    mnuPopUp_->setObjectName(QStringLiteral("mnuPopUp"));
    mnuPopUp_->setFont(menuBar()->font());
    addCommand(mnuPopUp_, "mnuPopUndo", u("ย้อนกลับ"), &FrmMain::mnuPopUndo);
    addCommand(mnuPopUp_, "mnuPopCut", u("ตัด"), &FrmMain::mnuPopCut);
    addCommand(mnuPopUp_, "mnuPopCopy", u("คัดลอก"), &FrmMain::mnuPopCopy);
    addCommand(mnuPopUp_, "mnuPopPaste", u("วาง"), &FrmMain::mnuPopPaste);
    addSeparator(mnuPopUp_, "mnubar9");
    addCommand(mnuPopUp_, "mnuPopClear", u("ล้างหน้าจอ"), &FrmMain::mnuPopClear);
    addCommand(mnuPopUp_, "mnuPopAll", u("เลือกทั้งหมด"), &FrmMain::mnuPopAll);
    addSeparator(mnuPopUp_, "mnuBar10");
    addCommand(mnuPopUp_, "mnuPopPal", u("แปลงาน"), &FrmMain::mnuPopPal);
}

// ---- load, resize, timers, close

void FrmMain::Form_Load() {
    state_.CurrentWord.clear();
    state_.WordConsumed = false;
    hover_.ToolIdle = true;
    // A skin that cannot be loaded is reported there; the remaining steps still run, so the progress bar, the
    // title and the menu pictures work with or without a skin.
    loadStartupSkin();
    timer1_.stop();
    setWindowTitle(QString::fromStdU32String(ScrollTitle.text()));
    FullPane = 0;
    putMenuPictures();
}

void FrmMain::loadStartupSkin() {
    QPixmap picture;
    dlx::loadStartupSkin(context_, this, SkinPath, picture);
    setSkinPicture(picture);
}

void FrmMain::putMenuPictures() {
    struct Item {
        const char *name;
        int image;
    };
    static const Item items[] = {{"mnuOpen", 1},     {"mnuSave1", 2}, {"mnuSave2", 2}, {"mnuPrintOri", 3},
                                 {"mnuPrintPal", 3}, {"mnuUndo", 4},  {"mnuCut", 5},   {"mnuCopy", 6},
                                 {"mnuPaste", 7},    {"mnuCurX", 9},  {"mnuCurY", 8},  {"mnuFull", 10},
                                 {"mnuAdd", 11},     {"mnuVitee", 12}};
    for (const Item &item : items) {
        const QString name = QString::fromLatin1(item.name);
        if (auto *menu = findChild<QMenu *>(name); menu && name == QLatin1String("mnuFull"))
            menu->menuAction()->setIcon(QIcon(art::menuPicture(item.image)));
        else if (auto *action = findChild<QAction *>(name))
            action->setIcon(QIcon(art::menuPicture(item.image)));
    }
}

QSizeF FrmMain::outerSizeTwips() const {
    const QSize outer = frameGeometry().size();
    return {pixelsToTwips(outer.width(), logicalDpiX()), pixelsToTwips(outer.height(), logicalDpiY())};
}

void FrmMain::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void FrmMain::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange)
        return;
    // Maximising or restoring a maximised window brings a new size with the resize that follows; judging the
    // old size now would complain about a window that is about to fill the screen, or complain twice. Minimising
    // and restoring keep the size and bring no resize, so they run the resize steps here.
    const Qt::WindowStates now = windowState();
    const Qt::WindowStates before = static_cast<QWindowStateChangeEvent *>(event)->oldState();
    const bool sizeFollows =
        !(now & Qt::WindowMinimized) && (now & Qt::WindowMaximized) != (before & Qt::WindowMaximized);
    if (sizeFollows) {
        setWindowTitle(kTitle);
        timer1_.stop();
        return;
    }
    Form_Resize();
}

void FrmMain::Form_Resize() {
    const QSizeF outer = outerSizeTwips();
    if (isMinimized()) {
        timer1_.start();
    } else {
        setWindowTitle(kTitle);
        if (tooSmall(outer.width(), outer.height()))
            showTooSmallMessage();
        timer1_.stop();
    }
    applyResizeLayout(geometry_, outer.width(), outer.height());
    applyGeometry();
}

void FrmMain::showTooSmallMessage() {
    // One message at a time: a drag that goes on while it is open does not stack more of them.
    if (tooSmallShowing_)
        return;
    tooSmallShowing_ = true;
    context_.dialogs.message(this, QString::fromUtf8("รู้สึกจะย่อเล็กเกินไปนะ!"), QStringLiteral("Dualexicon"), MsgIcon::None,
                             MsgButtons::Ok);
    tooSmallShowing_ = false;
}

void FrmMain::applyGeometry() {
    const double dx = logicalDpiX(), dy = logicalDpiY();
    auto place = [&](QWidget *w, const TwipRect &r, bool growToFit = false) {
        int width = twipsToPixels(r.width, dx);
        int height = twipsToPixels(r.height, dy);
        if (growToFit) {
            // Thai captions in the fonts of this desktop can be wider than the design allowed.
            width = std::max(width, w->sizeHint().width());
            height = std::max(height, w->sizeHint().height());
        }
        w->setGeometry(twipsToPixels(r.left, dx), twipsToPixels(r.top, dy), width, height);
    };
    place(text1_, geometry_.Text1);
    place(text2_, geometry_.Text2);
    place(label1_, geometry_.Label1, true);
    place(label2_, geometry_.Label2, true);
    place(label3_, geometry_.Label3, true);
    place(picBar_, geometry_.PicBar);
    place(command1_, geometry_.Command1);
    place(option1_, geometry_.Option1, true);
    place(option2_, geometry_.Option2, true);
    for (const ToolButtonPlace &button : toolButtons())
        place(imgTool_[static_cast<std::size_t>(button.index)],
              TwipRect{double(button.left), 0, double(kToolButtonTwips), double(kToolButtonTwips)});
    const TwipRect &skin = geometry_.ImgSkin;
    surface_->setSkinRect(QRect(twipsToPixels(skin.left, dx), twipsToPixels(skin.top, dy),
                                twipsToPixels(skin.width, dx), twipsToPixels(skin.height, dy)));
}

void FrmMain::applyArrangementNow(Arrangement arrangement) {
    const QSizeF outer = outerSizeTwips();
    applyArrangement(geometry_, arrangement, outer.width(), outer.height());
    applyGeometry();
}

void FrmMain::Timer1_Timer() {
    setWindowTitle(QString::fromStdU32String(ScrollTitle.tick()));
}

void FrmMain::Timer2_Timer() {
    timer2_.stop();
    const QString stored = context_.settings.value("Tip", "My Tip", "1");
    if (tipWanted(stored.toStdString()))
        mnuTip();
}

void FrmMain::closeEvent(QCloseEvent *event) {
    // A run still going stops after its current line; its own finishing steps remove what it writes.
    state_.Translating = false;
    removeWorkFiles(QFile::encodeName(context_.programFolder).toStdString());
    if (helpWindow_)
        helpWindow_->close();
    event->accept();
}

// ---- panes

QTextEdit *FrmMain::activePaneWidget() const {
    switch (ActivePane) {
    case 1:
        return text1_;
    case 2:
        return text2_;
    default:
        return nullptr;
    }
}

void FrmMain::paneFocused(int pane) {
    context_.keyboard.load(pane == 1 ? kEnglishLayout : kThaiLayout);
    ActivePane = pane;
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == text1_)
            paneFocused(1);
        else if (watched == text2_)
            paneFocused(2);
        return false;
    }
    const bool overText1 = watched == text1_->viewport();
    const bool overText2 = watched == text2_->viewport();
    if (!overText1 && !overText2)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
        if (overText1)
            eraseHoverFrame();
        break;
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton)
            mnuPopUp_->popup(mouse->globalPosition().toPoint());
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            if (overText1)
                Text1_DblClick();
            else
                Text2_DblClick();
        }
        break;
    default:
        break;
    }
    return false;
}

void FrmMain::clearPane(QTextEdit *pane) {
    if (!pane)
        return;
    // Through the cursor, so that the user can take a clear back with undo.
    QTextCursor cursor(pane->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

void FrmMain::SaveText(const QString &text, const QString &path) {
    const std::optional<bool> written = saveTextFile(context_.dialogs, this, text, path);
    lastSaveOk_ = written.has_value();
    lastSaveUtf8_ = written.value_or(false);
}

void FrmMain::setSkinPicture(const QPixmap &picture) {
    surface_->setSkin(picture);
}

// ---- toolbar

ToolButton *FrmMain::imgTool(int index) const {
    return index >= 1 && index <= kToolButtonCount ? imgTool_[static_cast<std::size_t>(index)] : nullptr;
}

void FrmMain::syncToolFrames() {
    for (int i = 1; i <= kToolButtonCount; ++i) {
        const auto frame = hover_.frame(i);
        if (frame)
            imgTool_[static_cast<std::size_t>(i)]->setFrame(std::make_pair(bgr(frame->light), bgr(frame->dark)));
        else
            imgTool_[static_cast<std::size_t>(i)]->setFrame(std::nullopt);
        imgTool_[static_cast<std::size_t>(i)]->setPressedLook(hover_.pressed(i));
    }
}

void FrmMain::DrawRect(int index, const QColor &light, const QColor &dark) {
    hover_.DrawRect(index, toBgr(light), toBgr(dark));
    syncToolFrames();
}

void FrmMain::ClearRect() {
    hover_.ClearRect();
    syncToolFrames();
}

void FrmMain::eraseHoverFrame() {
    hover_.eraseHoverFrame();
    syncToolFrames();
}

void FrmMain::toolHovered(int index) {
    hover_.pointerMoved(index);
    syncToolFrames();
}

void FrmMain::toolPressed(int index) {
    hover_.leftDown(index);
    syncToolFrames();
}

void FrmMain::toolReleased(int index) {
    hover_.leftUp(index);
    syncToolFrames();
    ImgTool_Click(index);
}

void FrmMain::ImgTool_Click(int index) {
    switch (index) {
    case 1:
        clearPane(text1_);
        clearPane(text2_);
        break;
    case 2:
        mnuOpen();
        break;
    case 3:
        if (ActivePane == 1)
            mnuSave1();
        else if (ActivePane == 2)
            mnuSave2();
        break;
    case 4:
        if (ActivePane == 1)
            mnuPrintOri();
        else if (ActivePane == 2)
            mnuPrintPal();
        break;
    case 5:
        mnuAdd();
        break;
    case 6:
        mnuCurY();
        break;
    case 7:
        CutText();
        break;
    case 8:
        CopyText();
        break;
    case 9:
        PasteText();
        break;
    case 10:
        UndoText();
        break;
    case 11:
        fontCommand(activePaneWidget());
        break;
    case 12:
        mnuCurX();
        break;
    default:
        break;
    }
}

// ---- edit routines

void FrmMain::UndoText() {
    if (QTextEdit *pane = activePaneWidget()) {
        pane->undo();
        pane->setFocus();
    }
}

void FrmMain::CutText() {
    if (QTextEdit *pane = activePaneWidget()) {
        pane->cut();
        pane->setFocus();
    }
}

void FrmMain::CopyText() {
    if (QTextEdit *pane = activePaneWidget()) {
        pane->copy();
        pane->setFocus();
    }
}

void FrmMain::PasteText() {
    if (QTextEdit *pane = activePaneWidget()) {
        pane->paste();
        pane->setFocus();
    }
}

void FrmMain::DeleteText() {
    if (QTextEdit *pane = activePaneWidget()) {
        QTextCursor cursor = pane->textCursor();
        cursor.removeSelectedText();
        pane->setTextCursor(cursor);
        pane->setFocus();
    }
}

void FrmMain::SelectAllText() {
    if (QTextEdit *pane = activePaneWidget()) {
        pane->selectAll();
        pane->setFocus();
    }
}

// ---- fonts and colours

void FrmMain::fontCommand(QTextEdit *pane) {
    if (!pane)
        return;
    // Only name, bold, italic and size travel between the pane and the dialog.
    const QFontInfo shown(pane->font());
    QFont initial(shown.family());
    initial.setBold(shown.bold());
    initial.setItalic(shown.italic());
    initial.setPointSizeF(shown.pointSizeF());
    if (const std::optional<QFont> chosen = context_.dialogs.chooseFont(this, initial)) {
        QFont f = pane->font();
        f.setFamilies({chosen->family()});
        f.setBold(chosen->bold());
        f.setItalic(chosen->italic());
        if (chosen->pointSizeF() > 0)
            f.setPointSizeF(chosen->pointSizeF());
        else if (chosen->pixelSize() > 0)
            f.setPixelSize(chosen->pixelSize());
        pane->setFont(f);
    }
    pane->setFocus();
}

void FrmMain::backColourCommand(QTextEdit *pane) {
    const QColor initial = pane->palette().color(QPalette::Base);
    if (const std::optional<QColor> chosen = context_.dialogs.chooseColor(this, initial)) {
        QPalette pal = pane->palette();
        pal.setColor(QPalette::Base, *chosen);
        pane->setPalette(pal);
    }
    pane->setFocus();
}

void FrmMain::foreColourCommand(QTextEdit *pane) {
    QTextCursor cursor(pane->document());
    cursor.select(QTextCursor::Document);
    pane->setTextCursor(cursor);
    const QBrush current = cursor.charFormat().foreground();
    const QColor initial = current.style() == Qt::NoBrush ? pane->palette().color(QPalette::Text) : current.color();
    if (const std::optional<QColor> chosen = context_.dialogs.chooseColor(this, initial)) {
        QTextCharFormat format;
        format.setForeground(*chosen);
        cursor.mergeCharFormat(format);
        // Text typed later into the pane takes the colour as well.
        pane->setTextColor(*chosen);
    }
    cursor.movePosition(QTextCursor::Start);
    pane->setTextCursor(cursor);
    pane->setFocus();
}

void FrmMain::mnuFont1() {
    fontCommand(text1_);
}
void FrmMain::mnuFont2() {
    fontCommand(text2_);
}
void FrmMain::mnuBack1() {
    backColourCommand(text1_);
}
void FrmMain::mnuBack2() {
    backColourCommand(text2_);
}
void FrmMain::mnuFore1() {
    foreColourCommand(text1_);
}
void FrmMain::mnuFore2() {
    foreColourCommand(text2_);
}

// ---- menu commands

void FrmMain::mnuOpen() {
    FileCommands::of(this, context_)->open(text1_);
}

void FrmMain::mnuSave1() {
    FileCommands::of(this, context_)->save(text1_, 1);
}

void FrmMain::mnuSave2() {
    FileCommands::of(this, context_)->save(text2_, 2);
}

void FrmMain::mnuPrintOri() {
    PrintJob(context_, this).print(text1_, 1);
}

void FrmMain::mnuPrintPal() {
    PrintJob(context_, this).print(text2_, 2);
}

void FrmMain::mnuExit() {
    // At once: the closing steps do not run on this path.
    state_.Translating = false;
    QCoreApplication::exit(0);
}

void FrmMain::mnuUndo() {
    UndoText();
}
void FrmMain::mnuCut() {
    CutText();
}
void FrmMain::mnuCopy() {
    CopyText();
}

void FrmMain::mnuPaste() {
    pasteWithMessage(context_, this, activePaneWidget());
}

void FrmMain::mnuDel() {
    DeleteText();
}
void FrmMain::mnuClear() {
    clearPane(activePaneWidget());
}
void FrmMain::mnuSelectAll() {
    SelectAllText();
}

void FrmMain::mnuCurX() {
    applyArrangementNow(Arrangement::Stacked);
}
void FrmMain::mnuCurY() {
    applyArrangementNow(Arrangement::SideBySide);
}

void FrmMain::mnuFullOri() {
    FullPane = 1;
    showFrmFull(this, SkinPath, text1_);
}

void FrmMain::mnuFullPal() {
    FullPane = 2;
    showFrmFull(this, SkinPath, text2_);
}

void FrmMain::Text1_DblClick() {
    mnuFullOri();
}

void FrmMain::Text2_DblClick() {
    mnuFullPal();
}

void FrmMain::setTranslationMode(bool grammar) {
    if (grammar != option1_->isChecked())
        (grammar ? option1_ : option2_)->setChecked(true);
    mnuGram_->setChecked(grammar);
    mnuWord_->setChecked(!grammar);
    translator_->mode = grammar ? TranslationMode::Grammar : TranslationMode::WordForWord;
}

void FrmMain::mnuGram() {
    setTranslationMode(true);
}
void FrmMain::mnuWord() {
    setTranslationMode(false);
}

void FrmMain::mnuAdd() {
    showFrmAdd(this, context_);
}
void FrmMain::mnuCount() {}
void FrmMain::mnuPuzzle() {
    showFrmPuzzle(this, context_);
}
void FrmMain::mnuPimEng() {
    showFrmPimEng(this, context_);
}
void FrmMain::mnuPimThai() {
    showFrmPimThai(this, context_);
}
void FrmMain::mnuSpell() {}

void FrmMain::mnuSkin() {
    FrmSkin chooser(
        context_,
        [this](const QString &path) {
            SkinPath = path;
            const SkinLoad load = loadSkinPicture(path);
            if (load.ok())
                setSkinPicture(load.picture);
            return load.error;
        },
        this);
    chooser.exec();
}

void FrmMain::mnuUpDate() {
    eraseHoverFrame();
    showFrmUpdate(this, context_);
}

void FrmMain::mnuVitee() {
    if (!helpWindow_)
        helpWindow_ = showHelpWindow(this, context_);
    else {
        helpWindow_->show();
        helpWindow_->raise();
        helpWindow_->activateWindow();
    }
}

void FrmMain::mnuTip() {
    auto *tip = new FrmTip(context_.settings, QRandomGenerator::global()->generateDouble(), this);
    tip->setAttribute(Qt::WA_DeleteOnClose);
    tip->open();
}

void FrmMain::mnuAbout() {
    auto *about = new FrmAbout(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

void FrmMain::mnuPopUndo() {
    UndoText();
}
void FrmMain::mnuPopCut() {
    CutText();
}
void FrmMain::mnuPopCopy() {
    CopyText();
}
void FrmMain::mnuPopPaste() {
    PasteText();
}
void FrmMain::mnuPopClear() {
    clearPane(activePaneWidget());
}
void FrmMain::mnuPopAll() {
    SelectAllText();
}
void FrmMain::mnuPopPal() {
    Command1_Click();
}

} // namespace dlx
