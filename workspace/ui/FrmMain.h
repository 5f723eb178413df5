#pragma once
// The workspace window: the original pane Text1, the translation pane Text2, the translate button Command1
// with its progress bar PicBar, the twelve toolbar buttons, the menu bar and the hidden pane menu, the two
// pane arrangements, the scrolling title while minimised and the start-up tip.
//
// Every command is one QAction named by the command's code name ("mnuCut", "mnuOpen"), shared by the menu bar,
// the pane menu and the toolbar; the toolbar's table (ToolbarModel) names the action each button triggers.
// The class is split by job over FrmMain.cpp (load, panes, close), FrmMainActions.cpp (menus, toolbar and the
// commands), FrmMainEdit.cpp (edit routines, fonts and colours), FrmMainLayout.cpp (resize and arrangements)
// and FrmMainTranslate.cpp (the translate run).
#include "AppContext.h"
#include "Driver.h"
#include "Lexicon.h"
#include "Pane.h"
#include "Result.h"
#include "TitleScroll.h"
#include "ToolbarModel.h"
#include "UnknownWords.h"
#include "WorkspaceLayout.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QTextEdit;

namespace dlx {

class FileCommands;
class PicBar;
class ToolButton;
class WorkspaceSurface;
class WordPanel;
struct DictionaryEntry;

class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmMain(const AppContext &context, QWidget *parent = nullptr);
    ~FrmMain() override;

    /// Writes the text and CR LF to the file (Windows-874, UTF-8 when a character needs it) and gives the
    /// encoding used; a failure is shown in the exclamation box titled "โปรแกรมผิดพลาด" and given back.
    Result<TextEncoding> SaveText(const QString &text, const QString &path);

    /// How often a run lets window events in, at most (20 ms by default; 0 = at every line and replacement).
    void setYieldInterval(int ms) { yieldIntervalMs_ = ms; }

public slots:
    /// The translate button and the pane menu's "แปลงาน": starts a run, or cancels the one running.
    void Command1_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    /// Where a translation run stands. Finishing: cancelled, but still in its last steps (the button already
    /// reads "แปล"; a click then is ignored).
    enum class RunState { Idle, Running, Finishing };

    // FrmMain.cpp
    static QString plainTitle();
    void createMessageParent();
    void createControls();
    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();
    QTextEdit &pane(Pane which) const;
    void paneFocused(Pane which);

    // FrmMainActions.cpp
    void createActions();
    void createMenus();
    void putMenuPictures();
    QAction *action(const char *name) const;
    void toolHovered(int index);
    void toolPressed(int index);
    void toolReleased(int index);
    void syncToolFrames();
    void eraseHoverFrame();
    void setTranslationMode(bool grammar);
    void showFullView(Pane which);
    void chooseSkin();
    void showHelp();
    void showTip();
    void showAbout();

    // FrmMainEdit.cpp: the routines on the active pane do nothing while no pane has had the focus.
    QTextEdit *activePaneWidget() const;
    void UndoText();
    void CutText();
    void CopyText();
    void pasteWithMessage();
    void DeleteText();
    void SelectAllText();
    void clearActivePane();
    void clearBothPanes();
    void fontOfActivePane();
    void fontCommand(QTextEdit &pane);
    void backColourCommand(QTextEdit &pane);
    void foreColourCommand(QTextEdit &pane);

    // FrmMainLayout.cpp
    QSizeF outerSizeTwips() const;
    void Form_Resize();
    void layOut();
    void applyGeometry();
    void applyArrangementNow(Arrangement arrangement);

    // FrmMainTranslate.cpp
    void setRunState(RunState state);

    // FrmMainReading.cpp: the word panel and the marks on the words left in English.
    void createWordPanel();
    void setWordPanelOpen(bool open);
    /// A click, or the pane menu's "ดูความหมาย" (force), at a point of a pane: the panel shows the word there.
    void lookAtPoint(Pane which, const QPoint &pos, bool force);
    void openEditorOn(const DictionaryEntry &entry, bool existing);
    void readingRunStarts();
    void readingRunEnded();
    void markUnknownWords();
    bool wordPanelDocked() const;

    AppContext context_;
    TranslationState state_;
    std::unique_ptr<Lexicon> lexicon_;
    std::unique_ptr<Translator> translator_;
    std::weak_ptr<const PhraseRewriter> growthToldFor_; ///< the phrase rules whose growth bound the user was told of
    WorkspaceGeometry geometry_;
    ToolbarHover hover_;
    TitleScroll scrollTitle_;
    FileCommands *files_ = nullptr;

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
    /// The parent of the window's message boxes: a hidden child whose style sheet keeps a box wide enough to show
    /// its title whole, however short its text ("แน่ใจ?").
    QWidget *messageParent_ = nullptr;
    QPointer<QWidget> helpWindow_;
    QTimer timer1_;
    QTimer timer2_;
    WordPanel *wordPanel_ = nullptr;
    UnknownWords unknownWords_;                     ///< of the last translation
    std::optional<std::pair<Pane, QPoint>> menuAt_; ///< where the pane menu was opened
    int widenedBy_ = 0;                             ///< what opening the panel added to the window's width

    std::optional<Pane> activePane_; ///< ActivePane: the pane that last had the focus
    QString skinPath_;               ///< SkinPath
    QString startupFailure_;         ///< what failed while loading, reported once the window is shown
    RunState runState_ = RunState::Idle;
    int yieldIntervalMs_ = 20;
    bool tooSmallShowing_ = false;
};

} // namespace dlx

// The window is known by its own name throughout the program.
using dlx::FrmMain;
