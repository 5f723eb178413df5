#pragma once
// The workspace window: the original pane Text1, the translation pane Text2, the translate button Command1
// with its progress bar PicBar, the twelve toolbar buttons, the menu bar and the hidden pane menu, the two
// pane arrangements, the scrolling title while minimised and the start-up tip.
#include "AppContext.h"
#include "Driver.h"
#include "Lexicon.h"
#include "TitleScroll.h"
#include "ToolbarModel.h"
#include "WorkspaceLayout.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QTextEdit;

namespace dlx {

class PicBar;
class ToolButton;
class WorkspaceSurface;

class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmMain(const AppContext &context, QWidget *parent = nullptr);
    ~FrmMain() override;

    QTextEdit *text1() const { return text1_; }
    QTextEdit *text2() const { return text2_; }
    /// 0 until a pane has had the focus, then the pane that last had it (1 = Text1, 2 = Text2).
    int activePane() const { return ActivePane; }
    /// The active pane's widget, or nullptr while no pane has had the focus.
    QTextEdit *activePaneWidget() const;

    /// Writes the text and CR LF to the file (Windows-874, UTF-8 when a character needs it); a failure shows
    /// the exclamation message titled "โปรแกรมผิดพลาด". Always returns normally.
    void SaveText(const QString &text, const QString &path);
    /// True when the last SaveText wrote the file (as opposed to reporting a failure).
    bool lastSaveTextSucceeded() const { return lastSaveOk_; }
    /// True when the last successful SaveText had to write UTF-8 to keep every character.
    bool lastSaveTextUsedUtf8() const { return lastSaveUtf8_; }

    /// Stretches the picture behind the window's client area; an empty pixmap removes the skin.
    void setSkinPicture(const QPixmap &picture);
    const QString &skinPath() const { return SkinPath; }
    void setSkinPath(const QString &path) { SkinPath = path; }
    /// Which pane the full-screen view shows (0 none, 1 Text1, 2 Text2).
    int fullPane() const { return FullPane; }
    void setFullPane(int pane) { FullPane = pane; }

    const AppContext &context() const { return context_; }
    QPushButton *command1() const { return command1_; }
    PicBar *picBar() const { return picBar_; }
    QRadioButton *option1() const { return option1_; }
    QRadioButton *option2() const { return option2_; }
    QLabel *label1() const { return label1_; }
    QLabel *label2() const { return label2_; }
    QLabel *label3() const { return label3_; }
    /// ImgTool(index), 1..12; nullptr for any other index.
    ToolButton *imgTool(int index) const;
    QMenu *popupMenu() const { return mnuPopUp_; }
    WorkspaceSurface *surface() const { return surface_; }
    const ToolbarHover &toolbarHover() const { return hover_; }
    /// The controls' places in twips, as the resize rules left them.
    const WorkspaceGeometry &geometryTwips() const { return geometry_; }
    /// The outer window size in twips (frame and menu bar included), as the resize rules read it.
    QSizeF outerSizeTwips() const;
    TranslationState &translationState() { return state_; }
    /// True from the start of a run to its last finishing step (also while a cancelled run finishes).
    bool runInProgress() const { return runActive_; }
    bool titleScrolling() const { return timer1_.isActive(); }
    /// How often a run lets window events in, at most (20 ms by default; 0 = at every line and replacement).
    void setYieldInterval(int ms) { yieldIntervalMs_ = ms; }

public slots:
    /// The translate button: starts a run, or cancels the running one when the caption reads "ยกเลิก".
    void Command1_Click();

    void mnuOpen();
    void mnuSave1();
    void mnuSave2();
    void mnuPrintOri();
    void mnuPrintPal();
    void mnuExit();

    void mnuUndo();
    void mnuCut();
    void mnuCopy();
    void mnuPaste();
    void mnuDel();
    void mnuClear();
    void mnuSelectAll();

    void mnuCurX();
    void mnuCurY();
    void mnuFullOri();
    void mnuFullPal();

    void mnuFont1();
    void mnuFont2();
    void mnuBack1();
    void mnuBack2();
    void mnuFore1();
    void mnuFore2();

    void mnuAdd();
    void mnuCount();
    void mnuGram();
    void mnuWord();

    void mnuPuzzle();
    void mnuPimEng();
    void mnuPimThai();

    void mnuSpell();
    void mnuSkin();
    void mnuUpDate();

    void mnuVitee();
    void mnuTip();
    void mnuAbout();

    void mnuPopUndo();
    void mnuPopCut();
    void mnuPopCopy();
    void mnuPopPaste();
    void mnuPopClear();
    void mnuPopAll();
    void mnuPopPal();

    void Text1_DblClick();
    void Text2_DblClick();

    /// The command of toolbar button `index` (what a click on it runs).
    void ImgTool_Click(int index);

    /// The edit routines on the active pane; each does nothing while no pane has had the focus.
    void UndoText();
    void CutText();
    void CopyText();
    void PasteText();
    void DeleteText();
    void SelectAllText();

    /// Frames toolbar button `index` in the two colours; an index that names no button is ignored.
    void DrawRect(int index, const QColor &light, const QColor &dark);
    void ClearRect();
    void eraseHoverFrame();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void createMenus();
    void Form_Load();
    void loadStartupSkin();
    void putMenuPictures();
    void Form_Resize();
    void applyGeometry();
    void applyArrangementNow(Arrangement arrangement);
    void Timer1_Timer();
    void Timer2_Timer();
    void setTranslationMode(bool grammar);
    void showTooSmallMessage();
    void fontCommand(QTextEdit *pane);
    void backColourCommand(QTextEdit *pane);
    void foreColourCommand(QTextEdit *pane);
    void clearPane(QTextEdit *pane);
    void paneFocused(int pane);
    void toolHovered(int index);
    void toolPressed(int index);
    void toolReleased(int index);
    void syncToolFrames();
    QAction *addCommand(QMenu *menu, const char *name, const QString &caption, void (FrmMain::*slot)(),
                        const QKeySequence &shortcut = {});
    QAction *addSeparator(QMenu *menu, const char *name);
    QMenu *addMenu(const char *name, const QString &caption);

    AppContext context_;
    TranslationState state_;
    std::unique_ptr<Lexicon> lexicon_;
    std::unique_ptr<Translator> translator_;
    WorkspaceGeometry geometry_;
    ToolbarHover hover_;
    TitleScroll ScrollTitle;

    WorkspaceSurface *surface_ = nullptr;
    QTextEdit *text1_ = nullptr;
    QTextEdit *text2_ = nullptr;
    QLabel *label1_ = nullptr;
    QLabel *label2_ = nullptr;
    QLabel *label3_ = nullptr;
    PicBar *picBar_ = nullptr;
    QPushButton *command1_ = nullptr;
    QRadioButton *option1_ = nullptr;
    QRadioButton *option2_ = nullptr;
    std::array<ToolButton *, kToolButtonCount + 1> imgTool_{};
    QMenu *mnuPopUp_ = nullptr;
    QAction *mnuGram_ = nullptr;
    QAction *mnuWord_ = nullptr;
    QPointer<QWidget> helpWindow_;
    QTimer timer1_;
    QTimer timer2_;

    int ActivePane = 0;
    int FullPane = 0;
    QString SkinPath;
    int yieldIntervalMs_ = 20;
    bool runActive_ = false;
    bool lastSaveOk_ = false;
    bool lastSaveUtf8_ = false;
    bool tooSmallShowing_ = false;
};

} // namespace dlx

// The window is known by its own name throughout the program.
using dlx::FrmMain;
