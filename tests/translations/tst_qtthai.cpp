// Qt's own dialogs and menus, as the program opens them, speak Thai once the catalogue is installed the way main
// installs it: every visible text is collected and the English ones are named.
#include "Dialogs.h"
#include "Translations.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include <QXmlStreamReader>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>

using namespace dlx;

namespace {

QString u(const char *s) {
    return QString::fromUtf8(s);
}

QString withoutMnemonic(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove('&');
    return text.replace('\x01', '&');
}

/// The character after a single '&', or a null char.
QChar mnemonic(const QString &text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&')
            continue;
        if (text[i + 1] != '&')
            return text[i + 1].toUpper();
        ++i;
    }
    return {};
}

/// Texts a dialog shows, and the mnemonics of its labels and buttons.
struct Shown {
    QStringList texts;
    QList<QChar> mnemonics;

    void add(const QString &text) {
        if (!text.trimmed().isEmpty())
            texts << text;
    }
    void addKeyed(const QString &text) {
        add(text);
        if (const QChar m = mnemonic(text); !m.isNull())
            mnemonics << m;
    }
    void addView(const QAbstractItemView *view) {
        const QAbstractItemModel *model = view->model();
        if (!model)
            return;
        for (int c = 0; c < model->columnCount(view->rootIndex()); ++c)
            add(model->headerData(c, Qt::Horizontal).toString());
        for (int r = 0; r < model->rowCount(view->rootIndex()); ++r)
            for (int c = 0; c < model->columnCount(view->rootIndex()); ++c)
                add(model->index(r, c, view->rootIndex()).data().toString());
    }
    void addMenu(const QMenu *menu) {
        for (QAction *a : menu->actions()) {
            addKeyed(a->text());
            if (a->menu())
                addMenu(a->menu());
        }
    }

    static Shown of(QWidget *root) {
        Shown s;
        s.add(root->windowTitle());
        QList<QWidget *> widgets = root->findChildren<QWidget *>();
        widgets.prepend(root);
        for (QWidget *w : widgets) {
            if (w != root && !w->isVisibleTo(root))
                continue;
            s.add(w->toolTip());
            if (auto *label = qobject_cast<QLabel *>(w))
                s.addKeyed(label->text());
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                s.addKeyed(button->text());
            else if (auto *box = qobject_cast<QGroupBox *>(w))
                s.addKeyed(box->title());
            else if (auto *combo = qobject_cast<QComboBox *>(w))
                for (int i = 0; i < combo->count(); ++i)
                    s.add(combo->itemText(i));
            else if (auto *edit = qobject_cast<QLineEdit *>(w))
                s.add(edit->text()), s.add(edit->placeholderText());
            else if (auto *view = qobject_cast<QAbstractItemView *>(w))
                s.addView(view);
        }
        // The actions of the dialog's own context menus (rename, delete, new folder ...).
        for (QAction *a : root->findChildren<QAction *>())
            s.add(a->text());
        return s;
    }
};

/// Names that stay as they are: those of files, folders, fonts and colours, dates in the system's format.
struct Allowed {
    std::set<QString> names;
    bool accepts(const QString &text) const {
        if (names.count(text) || text.startsWith('/'))
            return true;
        static const QRegularExpression colour(QStringLiteral("^#[0-9a-fA-F]{6}$"));
        return colour.match(text).hasMatch();
    }
};

/// The English texts among `texts`: any ASCII letter left once name-filter patterns and "HTML" are set aside.
QStringList english(const QStringList &texts, const Allowed &allowed) {
    static const QRegularExpression pattern(QStringLiteral("\\(\\*[^)]*\\)"));
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    QStringList found;
    for (const QString &text : texts) {
        // Shortcuts shown after a tab keep the names printed on the keys ("Ctrl+C").
        QString t = withoutMnemonic(text.section('\t', 0, 0));
        if (allowed.accepts(t))
            continue;
        t.remove(pattern).remove(QStringLiteral("HTML"));
        if (t.contains(latin))
            found << text;
    }
    return found;
}

QStringList duplicates(const QList<QChar> &mnemonics) {
    QStringList twice;
    std::set<QChar> seen;
    for (QChar m : mnemonics)
        if (!seen.insert(m).second)
            twice << QString(m);
    return twice;
}

/// Runs `open` (which shows a modal dialog and waits), reads the dialog once it is up and closes it.
Shown readModal(const std::function<void()> &open) {
    Shown shown;
    bool read = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || read)
            return;
        read = true;
        // The file dialog lists its folder from another thread: wait until the entry is there.
        if (auto *files = qobject_cast<QFileDialog *>(dialog)) {
            auto *view = files->findChild<QAbstractItemView *>(QStringLiteral("treeView"));
            (void)QTest::qWaitFor([&] {
                return view && view->model()->rowCount(view->rootIndex()) > 0 &&
                       !view->model()->index(0, 2, view->rootIndex()).data().toString().isEmpty();
            });
        }
        shown = Shown::of(dialog);
        if (auto *d = qobject_cast<QDialog *>(dialog))
            d->reject();
    });
    poll.start();
    open();
    return shown;
}

/// Opens the widget's context menu as a right click would and reads it.
Shown readContextMenu(QWidget *target, QPoint pos) {
    Shown shown;
    bool read = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu || read)
            return;
        read = true;
        shown.addMenu(menu);
        menu->close();
    });
    poll.start();
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, target->mapToGlobal(pos));
    QApplication::sendEvent(target, &event);
    (void)QTest::qWaitFor([&] { return read; });
    return shown;
}

enum Kind { Open, Save, Font, Colour, Prompt, Message };

} // namespace

class TestQtThai : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void catalogueKeepsPlaceholdersAndAccelerators();
    void catalogueIsFoundBesideOrInstalled_data();
    void catalogueIsFoundBesideOrInstalled();
    void dialogsShowNoEnglish_data();
    void dialogsShowNoEnglish();
    void contextMenusShowNoEnglish_data();
    void contextMenusShowNoEnglish();

private:
    QTemporaryDir temp_;
    QString folder_;
    Allowed allowed_;
    QtDialogs dialogs_;
};

void TestQtThai::initTestCase() {
    QVERIFY(installThaiTranslation(QString::fromUtf8(DLX_RUNTIME_DIR)));
    // A folder with one Thai-named folder in it: the file dialogs list it with its type and date.
    folder_ = QDir(temp_.path()).filePath(u("เอกสาร"));
    QVERIFY(QDir().mkpath(QDir(folder_).filePath(u("งานแปล"))));

    for (const QString &path : {folder_, QDir::homePath()})
        for (const QString &part : path.split('/', Qt::SkipEmptyParts))
            allowed_.names.insert(part);
    const QDateTime modified = QFileInfo(QDir(folder_).filePath(u("งานแปล"))).lastModified();
    allowed_.names.insert(QLocale::system().toString(modified, QLocale::ShortFormat));
    for (const QString &family : QFontDatabase::families()) {
        allowed_.names.insert(family);
        // Style names ("Regular", "Oblique") come from the font files, like the family names.
        for (const QString &style : QFontDatabase::styles(family))
            allowed_.names.insert(style);
    }
    for (int ws = QFontDatabase::Any; ws < QFontDatabase::WritingSystemsCount; ++ws)
        allowed_.names.insert(QFontDatabase::writingSystemSample(QFontDatabase::WritingSystem(ws)));
    allowed_.names.insert(QStringLiteral("AaBbYyZz")); // the font dialog's own sample letters
}

void TestQtThai::catalogueKeepsPlaceholdersAndAccelerators() {
    QFile file(QString::fromUtf8(DLX_TS_FILE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    static const QRegularExpression placeholder(QStringLiteral("%L?[0-9n]"));
    static const QRegularExpression thai(QStringLiteral("[\\x{0E01}-\\x{0E5B}]"));
    const auto placeholders = [](const QString &text) {
        QStringList found;
        for (auto it = placeholder.globalMatch(text); it.hasNext();)
            found << it.next().captured();
        found.sort();
        return found;
    };
    QXmlStreamReader xml(&file);
    QString context, source;
    int messages = 0;
    QStringList faults;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"source") {
            source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            ++messages;
            const bool unfinished = xml.attributes().value(QStringLiteral("type")) == u"unfinished";
            const QString text = xml.readElementText();
            const QString where = context + ": " + source + " -> " + text;
            const QChar key = mnemonic(text);
            if (source == u"QT_LAYOUT_DIRECTION") {
                // Not a text but the direction of every window: Thai is written left to right.
                if (text != u"LTR")
                    faults << "layout direction: " + where;
            } else if (unfinished || !text.contains(thai))
                faults << "not translated: " + where;
            else if (placeholders(source) != placeholders(text))
                faults << "placeholders differ: " + where;
            else if (mnemonic(source).isNull() != key.isNull())
                faults << "accelerator lost or added: " + where;
            else if (!key.isNull() && (key.isMark() || key.isSpace()))
                faults << "accelerator on a mark: " + where;
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(messages > 500);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void TestQtThai::catalogueIsFoundBesideOrInstalled_data() {
    QTest::addColumn<QString>("catalogueAt");
    QTest::addColumn<QString>("expected");
    QTest::newRow("beside the program") << "bin/translations"
                                        << "bin/translations";
    QTest::newRow("installed copy") << "share/dualexicon/translations"
                                    << "share/dualexicon/translations";
    QTest::newRow("nowhere: beside, for the message") << ""
                                                      << "bin/translations";
}

void TestQtThai::catalogueIsFoundBesideOrInstalled() {
    QFETCH(QString, catalogueAt);
    QFETCH(QString, expected);
    QTemporaryDir root;
    const QDir dir(root.path());
    QVERIFY(dir.mkpath(QStringLiteral("bin")));
    if (!catalogueAt.isEmpty()) {
        QVERIFY(dir.mkpath(catalogueAt));
        QVERIFY(QFile::copy(QString::fromUtf8(DLX_RUNTIME_DIR) + "/translations/qtbase_th.qm",
                            dir.filePath(catalogueAt + "/qtbase_th.qm")));
    }
    QCOMPARE(translationsFolder(dir.filePath(QStringLiteral("bin"))), dir.filePath(expected));
}

void TestQtThai::dialogsShowNoEnglish_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QStringList>("expectedButtons");
    const int none = -1;
    QTest::newRow("open file") << int(Open) << none << QStringList{};
    QTest::newRow("save file") << int(Save) << none << QStringList{};
    QTest::newRow("font") << int(Font) << none << QStringList{};
    QTest::newRow("colour") << int(Colour) << none << QStringList{};
    QTest::newRow("prompt") << int(Prompt) << none << QStringList{u("ตกลง"), u("ยกเลิก")};
    QTest::newRow("message Ok") << int(Message) << int(MsgButtons::Ok) << QStringList{u("ตกลง")};
    QTest::newRow("message OkCancel") << int(Message) << int(MsgButtons::OkCancel)
                                      << QStringList{u("ตกลง"), u("ยกเลิก")};
    QTest::newRow("message YesNo") << int(Message) << int(MsgButtons::YesNo) << QStringList{u("ใช่"), u("ไม่ใช่")};
    QTest::newRow("message YesNoCancel") << int(Message) << int(MsgButtons::YesNoCancel)
                                         << QStringList{u("ใช่"), u("ไม่ใช่"), u("ยกเลิก")};
}

void TestQtThai::dialogsShowNoEnglish() {
    QFETCH(int, kind);
    QFETCH(int, buttons);
    QFETCH(QStringList, expectedButtons);
    const QString filter = u("แฟ้มข้อความ (*.txt);;ทุกแฟ้ม (*)");
    const Shown shown = readModal([&] {
        switch (kind) {
        case Open:
            dialogs_.openFileName(nullptr, u("เปิดต้นฉบับ"), folder_, filter);
            break;
        case Save:
            dialogs_.saveFileName(nullptr, u("บันทึกผลแปล"), folder_, filter);
            break;
        case Font:
            dialogs_.chooseFont(nullptr, QFont(QStringLiteral("Garuda"), 14));
            break;
        case Colour:
            dialogs_.chooseColor(nullptr, Qt::white);
            break;
        case Prompt:
            dialogs_.prompt(nullptr, u("ใส่คำ"), u("เพิ่มคำ"), u("คำ"));
            break;
        case Message:
            dialogs_.message(nullptr, u("บันทึกแล้ว"), u("ดิกชันนารี"), MsgIcon::Question, MsgButtons(buttons));
            break;
        }
    });
    QVERIFY(shown.texts.size() > 2);
    const QStringList left = english(shown.texts, allowed_);
    QVERIFY2(left.isEmpty(), qPrintable("English left: " + left.join(" | ")));
    QVERIFY2(duplicates(shown.mnemonics).isEmpty(),
             qPrintable("accelerator used twice: " + duplicates(shown.mnemonics).join(' ')));
    for (const QString &button : expectedButtons)
        QVERIFY2(std::any_of(shown.texts.begin(), shown.texts.end(),
                             [&](const QString &t) { return withoutMnemonic(t) == button; }),
                 qPrintable("no button " + button + " among: " + shown.texts.join(" | ")));
}

void TestQtThai::contextMenusShowNoEnglish_data() {
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("line edit") << "line" << QStringList{u("เลิกทำ"), u("คัดลอก"), u("วาง"), u("เลือกทั้งหมด")};
    QTest::newRow("text pane") << "text" << QStringList{u("ตัด"), u("วาง"), u("ลบ")};
    QTest::newRow("help page on a link") << "browser" << QStringList{u("คัดลอกที่อยู่ลิงก์"), u("คัดลอก")};
    QTest::newRow("spin box") << "spin" << QStringList{u("เพิ่มค่า"), u("ลดค่า"), u("เลือกทั้งหมด")};
    QTest::newRow("vertical scroll bar") << "vscroll" << QStringList{u("เลื่อนมาตรงนี้"), u("บนสุด"), u("ลงไปหนึ่งหน้า")};
    QTest::newRow("horizontal scroll bar") << "hscroll" << QStringList{u("ขอบซ้าย"), u("ไปทางขวาหนึ่งหน้า")};
}

void TestQtThai::contextMenusShowNoEnglish() {
    QFETCH(QString, widget);
    QFETCH(QStringList, expected);
    std::unique_ptr<QWidget> w;
    QWidget *target = nullptr;
    QPoint pos(5, 5);
    if (widget == "line") {
        auto *edit = new QLineEdit(u("ข้อความ"));
        w.reset(edit);
    } else if (widget == "text") {
        w.reset(new QTextEdit(u("ข้อความ")));
    } else if (widget == "browser") {
        auto *page = new QTextBrowser;
        page->setHtml(u("<a href=\"https://example.org/\">ลิงก์ไปหน้าเว็บ</a>"));
        w.reset(page);
    } else if (widget == "spin") {
        w.reset(new QSpinBox);
    } else {
        auto *bar = new QScrollBar(widget == "vscroll" ? Qt::Vertical : Qt::Horizontal);
        bar->setRange(0, 100);
        bar->resize(widget == "vscroll" ? QSize(20, 200) : QSize(200, 20));
        w.reset(bar);
    }
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    target = w.get();
    if (auto *edit = qobject_cast<QTextEdit *>(w.get())) {
        QTextCursor cursor(edit->document());
        cursor.setPosition(2);
        pos = edit->cursorRect(cursor).center();
        target = edit->viewport();
    }
    const Shown shown = readContextMenu(target, pos);
    QVERIFY2(shown.texts.size() >= expected.size(), qPrintable(shown.texts.join(" | ")));
    const QStringList left = english(shown.texts, allowed_);
    QVERIFY2(left.isEmpty(), qPrintable("English left: " + left.join(" | ")));
    QVERIFY2(duplicates(shown.mnemonics).isEmpty(),
             qPrintable("accelerator used twice: " + duplicates(shown.mnemonics).join(' ')));
    for (const QString &text : expected)
        QVERIFY2(std::any_of(shown.texts.begin(), shown.texts.end(),
                             [&](const QString &t) { return withoutMnemonic(t).startsWith(text); }),
                 qPrintable("no " + text + " among: " + shown.texts.join(" | ")));
}

QTEST_MAIN(TestQtThai)
#include "tst_qtthai.moc"
