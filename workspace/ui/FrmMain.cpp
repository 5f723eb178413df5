// FrmMain: its controls, load, timers, the panes' focus and mouse, and closing.
#include "FrmMain.h"

#include "Artwork.h"
#include "Dialogs.h"
#include "FileCommands.h"
#include "HostServices.h"
#include "PicBar.h"
#include "ProgramFont.h"
#include "SaveText.h"
#include "Settings.h"
#include "Skins.h"
#include "Tips.h"
#include "Toolbar.h"
#include "TranslateRun.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>
#include <QTextEdit>

namespace dlx {
namespace {

const QString kEnglishLayout = QStringLiteral("00000409");
const QString kThaiLayout = QStringLiteral("0000041E");

QColor bgr(std::uint32_t value) {
    const Rgb c = fromBgr(value);
    return QColor(c.r, c.g, c.b);
}

// Width a title bar takes besides the title: the window icon, three buttons and their spacing, in pixels.
constexpr int kTitleBarExtras = 150;

std::uint32_t toBgr(const QColor &c) {
    return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
           static_cast<std::uint32_t>(c.blue()) << 16;
}

} // namespace

FrmMain::FrmMain(const AppContext &context, QWidget *parent)
    : QMainWindow(parent), context_(context), hover_(toBgr(QApplication::palette().color(QPalette::Button))),
      scrollTitle_(plainTitle().toStdU32String()) {
    setObjectName(QStringLiteral("FrmMain"));
    setWindowIcon(art::programIcon());
    lexicon_ = std::make_unique<Lexicon>(context_.dictionary());
    translator_ = std::make_unique<Translator>(state_, *lexicon_);
    createMessageParent();
    files_ = new FileCommands(context_, messageParent_);

    createActions();
    createControls();
    createMenus();

    // Initial client area 7695 x 6105 twips, centred on the screen.
    const double dpiX = logicalDpiX(), dpiY = logicalDpiY();
    resize(twipsToPixels(kClientWidthTwips, dpiX),
           twipsToPixels(kClientHeightTwips, dpiY) + menuBar()->sizeHint().height());
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - rect().center());
    createWordPanel(); // opens at the side of the window if it was open last time

    timer1_.setInterval(100);
    connect(&timer1_, &QTimer::timeout, this, &FrmMain::Timer1_Timer);
    Form_Load();
    timer2_.setInterval(300);
    timer2_.setSingleShot(true);
    connect(&timer2_, &QTimer::timeout, this, &FrmMain::Timer2_Timer);
    // With a start-up failure to report, the tip waits until that message has been read.
    if (startupFailure_.isEmpty())
        timer2_.start();
}

void FrmMain::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (startupFailure_.isEmpty())
        return;
    // Reported once the window is on the screen and whatever showed it (the splash) has gone, not over it.
    QTimer::singleShot(0, this, [this] {
        const QString failure = std::exchange(startupFailure_, QString());
        if (failure.isEmpty())
            return;
        context_.dialogs.error(messageParent_, failure);
        timer2_.start();
    });
}

FrmMain::~FrmMain() = default;

QString FrmMain::plainTitle() {
    return QString::fromUtf8("Dualexicon (ดูอะเล็กซิคอน) 1.5");
}

void FrmMain::createMessageParent() {
    messageParent_ = new QWidget(this);
    messageParent_->setObjectName(QStringLiteral("MessageParent"));
    messageParent_->hide();
    // A window manager's title bar holds an icon and three buttons beside the title; a box as narrow as its text
    // ("รู้สึกจะย่อเล็กเกินไปนะ!") would cut even "Dualexicon" short. Room for the longest title the window's
    // boxes carry, measured in the bold title font.
    QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
    titleFont.setBold(true);
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(QString::fromUtf8("โปรแกรมผิดพลาด"));
    messageParent_->setStyleSheet(
        QStringLiteral("QLabel#qt_msgbox_label { min-width: %1px; }").arg(titleWidth + kTitleBarExtras));
}

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
    files_->setStatus([this](const QString &text, int percent) {
        if (text.isEmpty())
            picBar_->clear();
        else
            picBar_->showStatus(text, percent);
    });

    command1_ = new TranslateButton(art::translateIcon(), QString(), surface_);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setFont(programFont(9.75, true));
    command1_->setIconSize(QSize(12, 12));
    QPalette buttonPalette = command1_->palette();
    buttonPalette.setColor(QPalette::Button, bgr(0xFFC0C0));
    command1_->setPalette(buttonPalette);
    connect(command1_, &QPushButton::clicked, action("mnuPopPal"), &QAction::trigger);
    setRunState(RunState::Idle);

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
        auto *button = new ToolButton(place.index, art::toolbarPicture(place.index), action(place.command), surface_);
        button->setToolTip(QString::fromUtf8(place.tooltip));
        connect(button, &ToolButton::hovered, this, &FrmMain::toolHovered);
        connect(button, &ToolButton::leftPressed, this, &FrmMain::toolPressed);
        connect(button, &ToolButton::leftReleased, this, &FrmMain::toolReleased);
        imgTool_[static_cast<std::size_t>(place.index)] = button;
    }

    setTabOrder(text1_, text2_);
    setTabOrder(text2_, command1_);
    setTabOrder(command1_, option1_);
    text1_->setFocus();
}

// ---- load, timers, close

void FrmMain::Form_Load() {
    state_.CurrentWord.clear();
    state_.WordConsumed = false;
    // A skin that cannot be loaded is reported once the window is shown; the remaining steps still run, so the
    // progress bar, the title and the menu pictures work with or without a skin.
    const SkinLoad skin = loadStartupSkin(context_, skinPath_);
    surface_->setSkin(skin.picture);
    startupFailure_ = skin.error;
    timer1_.stop();
    setWindowTitle(QString::fromStdU32String(scrollTitle_.text()));
    putMenuPictures();
}

void FrmMain::Timer1_Timer() {
    setWindowTitle(QString::fromStdU32String(scrollTitle_.tick()));
}

void FrmMain::Timer2_Timer() {
    timer2_.stop();
    const QString stored = context_.settings.value("Tip", "My Tip", "1");
    if (tipWanted(stored.toStdString()))
        showTip();
}

void FrmMain::closeEvent(QCloseEvent *event) {
    // A run still going stops after its current line; its own finishing steps remove what it writes.
    state_.Translating = false;
    removeWorkFiles(toFsPath(context_.workFolder()));
    if (helpWindow_)
        helpWindow_->close();
    event->accept();
}

Result<TextEncoding> FrmMain::SaveText(const QString &text, const QString &path) {
    return saveTextFile(context_.dialogs, messageParent_, text, path);
}

// ---- panes

QTextEdit &FrmMain::pane(Pane which) const {
    return which == Pane::Original ? *text1_ : *text2_;
}

void FrmMain::paneFocused(Pane which) {
    context_.keyboard.load(which == Pane::Original ? kEnglishLayout : kThaiLayout);
    activePane_ = which;
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event) {
    if (watched == surface_ && event->type() == QEvent::Resize) {
        // The panel opened, closed or was resized beside the panes.
        layOut();
        return false;
    }
    if (event->type() == QEvent::FocusIn) {
        if (watched == text1_)
            paneFocused(Pane::Original);
        else if (watched == text2_)
            paneFocused(Pane::Translation);
        return false;
    }
    const bool overText1 = watched == text1_->viewport();
    const bool overText2 = watched == text2_->viewport();
    if (!overText1 && !overText2)
        return false;
    const Pane which = overText1 ? Pane::Original : Pane::Translation;
    switch (event->type()) {
    case QEvent::MouseMove:
        if (overText1)
            eraseHoverFrame();
        break;
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            menuAt_ = std::make_pair(which, mouse->position().toPoint());
            mnuPopUp_->popup(mouse->globalPosition().toPoint());
        } else if (mouse->button() == Qt::LeftButton && !pane(which).textCursor().hasSelection()) {
            lookAtPoint(which, mouse->position().toPoint(), false);
        }
        break;
    }
    case QEvent::MouseButtonDblClick:
        // Text1_DblClick and Text2_DblClick: the full-screen view of that pane.
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            action(overText1 ? "mnuFullOri" : "mnuFullPal")->trigger();
        break;
    default:
        break;
    }
    return false;
}

// ---- toolbar

void FrmMain::syncToolFrames() {
    for (int i = 1; i <= kToolButtonCount; ++i) {
        ToolButton *button = imgTool_[static_cast<std::size_t>(i)];
        if (const auto frame = hover_.frame(i))
            button->setFrame(std::make_pair(bgr(frame->light), bgr(frame->dark)));
        else
            button->setFrame(std::nullopt);
        button->setPressedLook(hover_.pressed(i));
    }
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
    imgTool_[static_cast<std::size_t>(index)]->command()->trigger();
}

} // namespace dlx
