#include "AppContext.h"
#include "Codec874.h"
#include "DictionaryTestSupport.h"
#include "DictionaryWindows.h"
#include "FakeDialogs.h"
#include "FrmAdd.h"
#include "LetterFile.h"
#include "TestContext.h"
#include "WindowTestSupport.h"

#include <QComboBox>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <memory>

using namespace dlx;
using dlx::test::FakeDialogs;

namespace {

const QString kNoun = QStringLiteral("n.(นาม)");

std::string fileBytes(const QStringList &lines) {
    std::vector<std::u32string> u;
    for (const QString &l : lines)
        u.push_back(l.toStdU32String());
    return letterFileBytes(u);
}

QStringList listItems(QListWidget *list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

} // namespace

class TestFrmAdd : public QObject {
    Q_OBJECT

    const QStringList five = {"ant/มด/" + kNoun, "Ape/ลิง/" + kNoun, "apple/แอปเปิ้ล/" + kNoun,
                              QStringLiteral("ask/ถาม/vt.(สกรรมกริยา)"), "axe/ขวาน/" + kNoun};

    std::unique_ptr<test::TempFolder> dir;
    QString folder() const { return QString::fromStdString(dir->path()); }
    std::unique_ptr<test::TestContext> services;
    std::unique_ptr<FrmAdd> window;
    FakeDialogs &dialogs() { return services->dialogs; }
    AppContext &context() { return services->context; }

    template <class T> T *child(const char *name) { return window->findChild<T *>(QString::fromLatin1(name)); }
    QString dataFile(const QString &name) { return context().dataFolder() + "/" + name; }
    void writeLetter(const QString &name, const QStringList &lines) {
        test::writeBytes(dataFile(name).toStdString(), fileBytes(lines));
    }
    void chooseLetter(char letter) { QVERIFY(test::pickFromCombo(child<QComboBox>("Combo1"), letter - 'A')); }

private slots:
    void init() {
        dir = std::make_unique<test::TempFolder>("dlx-window");
        QVERIFY(QDir(folder()).mkdir("Data"));
        services = std::make_unique<test::TestContext>(folder());
        writeLetter("A.pal", five);
        writeLetter("B.pal", {"bee/ผึ้ง/" + kNoun});
        window = std::make_unique<FrmAdd>(context());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() {
        window.reset();
        services.reset();
        dir.reset();
    }

    void opensInAddModeWithEveryCaption() {
        QCOMPARE(window->windowTitle(), QStringLiteral("เพิ่มศัพท์"));
        const struct {
            const char *name;
            QString text;
            QString tip;
        } rows[] = {
            {"Command1", "เพิ่ม", "เมื่อต้องการเพิ่มศัพท์ที่พิมพ์"},
            {"Command2", "ค้นหา", " ค้นหาศัพท์ในหมวดอักษร"},
            {"Command3", "บันทึก", "บันทึกศัพท์ในหมวดอักษรนี้"},
            {"Command4", "ล้างจอ", "ล้างจอเพื่อพิมพ์ศัพท์ใหม่"},
        };
        for (const auto &row : rows) {
            auto *b = child<QPushButton>(row.name);
            QVERIFY2(b, row.name);
            QCOMPARE(b->text(), row.text);
            QCOMPARE(b->toolTip(), row.tip);
        }
        const struct {
            const char *name;
            QString text;
        } labels[] = {
            {"Label1", "คำศัพท์ที่มีในฐานข้อมูล"},
            {"Label2", "คำศัพท์ที่ต้องการเพิ่ม"},
            {"Label3", "ศัพท์"},
            {"Label4", "ความหมาย"},
            {"Label5", "คุณสมบัติ"},
            {"Label6", "หมวดอักษร"},
            {"Label7", "หมายเหตุ : ต้องใส่ความหมายและคุณสมบัติที่ใช้มากที่สุด"},
            {"lblCnt", ""},
        };
        for (const auto &l : labels) {
            auto *label = child<QLabel>(l.name);
            QVERIFY2(label, l.name);
            QCOMPARE(label->text(), l.text);
        }
        auto *combo1 = child<QComboBox>("Combo1");
        QCOMPARE(combo1->count(), 26);
        QCOMPARE(combo1->itemText(0), QStringLiteral("A"));
        QCOMPARE(combo1->itemText(25), QStringLiteral("Z"));
        QCOMPARE(combo1->currentText(), QString());
        auto *combo2 = child<QComboBox>("Combo2");
        QStringList labelItems;
        for (int i = 0; i < combo2->count(); ++i)
            labelItems << combo2->itemText(i);
        QCOMPARE(labelItems,
                 (QStringList{"n.(นาม)", "pro.(สรรพนาม)", "adj.(คุณศัพท์)", "vt.(สกรรมกริยา)", "vi.(อกรรมกริยา)",
                              "adv.(กริยาวิเศษณ์)", "pre.(บุพบท)", "con.(สันธาน)", "คำถาม", "คำอ่าน", "ใช้แทน BE"}));
        QCOMPARE(combo2->currentText(), QString());
    }

    void choosingALetterListsItsLinesAndCount() {
        chooseLetter('A');
        QCOMPARE(listItems(child<QListWidget>("List1")), five);
        QCOMPARE(child<QLabel>("lblCnt")->text(), QStringLiteral("หมวดอักษร A มีศัพท์ทั้งหมด 5 คำ"));
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>("Text1"));

        chooseLetter('Q'); // no Q.pal
        QCOMPARE(child<QListWidget>("List1")->count(), 0);
        QCOMPARE(child<QLabel>("lblCnt")->text(), QStringLiteral("หมวดอักษร Q มีศัพท์ทั้งหมด 0 คำ"));
    }

    void addsAnEntryTypedWithTheKeyboard() {
        chooseLetter('A');
        auto *text1 = child<QLineEdit>("Text1");
        auto *text2 = child<QLineEdit>("Text2");
        auto *command1 = child<QPushButton>("Command1");
        test::typeText(text1, "arm");
        QTest::keyClick(text1, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), text2);
        test::typeText(text2, QStringLiteral("แขน"));
        QTest::keyClick(text2, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), command1);
        QCOMPARE(child<QListWidget>("List1")->count(), 5); // Enter in the fields only moved the focus
        QVERIFY(dialogs().messages.empty());

        auto *combo2 = child<QComboBox>("Combo2");
        QVERIFY(test::pickFromCombo(combo2, 0));
        QCOMPARE(combo2->currentText(), kNoun);
        QCOMPARE(QApplication::focusWidget(), command1);
        combo2->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(child<QListWidget>("List1")->count(), 5); // nor does Enter in the label box
        command1->setFocus(Qt::TabFocusReason);
        QTest::keyClick(command1, Qt::Key_Return);

        QVERIFY(dialogs().messages.empty());
        QCOMPARE(listItems(child<QListWidget>("List1")), QStringList(five) << "arm/แขน/" + kNoun);
        QCOMPARE(child<QLabel>("lblCnt")->text(), QStringLiteral("หมวดอักษร A มีศัพท์ทั้งหมด 6 คำ"));
        QCOMPARE(text1->text(), QString());
        QCOMPARE(text2->text(), QString());
        QCOMPARE(combo2->currentText(), QString());
    }

    void refusedCommandsShowTheirMessageAndMoveTheFocus() {
        chooseLetter('B');
        auto *command1 = child<QPushButton>("Command1");
        QTest::mouseClick(command1, Qt::LeftButton);
        QCOMPARE(dialogs().messages.size(), size_t(1));
        QCOMPARE(dialogs().messages[0].text, QStringLiteral("กรุณาใส่ข้อมูลให้ครบ"));
        QCOMPARE(dialogs().messages[0].title, QStringLiteral("เพิ่มศัพท์"));
        QCOMPARE(dialogs().messages[0].icon, MsgIcon::Exclamation);
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>("Text1"));

        // A word that is filed under no letter (it does not start with A to Z) is refused for any letter.
        test::typeText(child<QLineEdit>("Text1"), QStringLiteral("แอปเปิ้ล"));
        test::typeText(child<QLineEdit>("Text2"), "apple");
        child<QComboBox>("Combo2")->setEditText(kNoun);
        QTest::mouseClick(command1, Qt::LeftButton);
        QCOMPARE(dialogs().messages.size(), size_t(2));
        QCOMPARE(dialogs().messages[1].text, QStringLiteral("หมวดอักษรไม่ตรงกับศัพท์"));
        QCOMPARE(QApplication::focusWidget(), child<QComboBox>("Combo1"));
        QCOMPARE(child<QListWidget>("List1")->count(), 1);
        QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("แอปเปิ้ล")); // nothing typed is lost
    }

    void aWordForAnotherLetterTakesTheEditorThereAndTheAddedWordIsShown() {
        chooseLetter('B');
        auto *text1 = child<QLineEdit>("Text1");
        test::typeText(text1, "arm");
        QCOMPARE(child<QComboBox>("Combo1")->currentText(), QStringLiteral("A"));
        QCOMPARE(listItems(child<QListWidget>("List1")), five);
        QCOMPARE(text1->text(), QStringLiteral("arm"));
        QCOMPARE(QApplication::focusWidget(), text1);
        test::typeText(child<QLineEdit>("Text2"), QStringLiteral("แขน"));
        child<QComboBox>("Combo2")->setEditText(kNoun);
        QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
        QVERIFY(dialogs().messages.empty());

        // The new word is the highlighted row, in view; a click on it loads it for editing.
        auto *list = child<QListWidget>("List1");
        QCOMPARE(list->selectedItems().size(), 1);
        QCOMPARE(list->selectedItems()[0]->text(), "arm/แขน/" + kNoun);
        QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(5)).center()));
        QCOMPARE(child<QPushButton>("Command1")->text(), QStringLiteral("เพิ่ม"));
        test::clickListRow(list, 5);
        QCOMPARE(text1->text(), QStringLiteral("arm"));
        QCOMPARE(child<QPushButton>("Command1")->text(), QStringLiteral("แทนที่"));

        // A-words added and not saved: going to another letter asks first; staying asks no more for that letter.
        QTest::mouseClick(child<QPushButton>("Command4"), Qt::LeftButton);
        dialogs().answers = {MsgAnswer::Cancel};
        test::typeText(text1, "be");
        QCOMPARE(dialogs().messages.size(), size_t(1));
        QCOMPARE(dialogs().messages[0].text,
                 QStringLiteral("หมวดอักษร A มีการแก้ไขที่ยังไม่ได้บันทึก ต้องการบันทึกก่อนไปหมวดอักษร B หรือไม่"));
        QCOMPARE(dialogs().messages[0].buttons, MsgButtons::YesNoCancel);
        QCOMPARE(child<QComboBox>("Combo1")->currentText(), QStringLiteral("A"));
        text1->clear();
        dialogs().answers = {MsgAnswer::Yes};
        test::typeText(text1, "c");
        QCOMPARE(dialogs().messages.size(), size_t(2));
        QCOMPARE(child<QComboBox>("Combo1")->currentText(), QStringLiteral("C"));
        QCOMPARE(test::readBytes(dataFile("A.pal").toStdString()), fileBytes(QStringList(five) << "arm/แขน/" + kNoun));
    }

    void aLineWiderThanTheListShowsWholeAsItsTooltip() {
        const QString longLine = "about/" + QString(QStringLiteral("เกี่ยวกับ ")).repeated(30) + "/" + kNoun;
        writeLetter("A.pal", {five[0], longLine});
        chooseLetter('A');
        auto *list = child<QListWidget>("List1");
        for (int row = 0; row < 2; ++row) {
            const QPoint at = list->visualItemRect(list->item(row)).center();
            QHelpEvent help(QEvent::ToolTip, at, list->viewport()->mapToGlobal(at));
            QApplication::sendEvent(list->viewport(), &help);
            QCOMPARE(QToolTip::text(), row == 0 ? QString() : longLine);
        }
    }

    void clickingAnEntryEditsItAndReplaceKeepsItsPlace() {
        chooseLetter('A');
        auto *list = child<QListWidget>("List1");
        auto *command1 = child<QPushButton>("Command1");
        auto *command2 = child<QPushButton>("Command2");
        test::clickListRow(list, 2);
        QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("apple"));
        QCOMPARE(child<QLineEdit>("Text2")->text(), QStringLiteral("แอปเปิ้ล"));
        QCOMPARE(child<QComboBox>("Combo2")->currentText(), kNoun);
        QCOMPARE(command1->text(), QStringLiteral("แทนที่"));
        QCOMPARE(command2->text(), QStringLiteral("ลบ"));
        QTest::mouseMove(command1);
        QCOMPARE(command1->toolTip(), QStringLiteral("เมื่อต้องการแทนที่ศัพท์เดิม"));
        QTest::mouseMove(command2);
        QCOMPARE(command2->toolTip(), QStringLiteral(" ลบศัพท์ที่แสดงขณะนี้"));
        QCOMPARE(QApplication::focusWidget(), command1);

        auto *text2 = child<QLineEdit>("Text2");
        text2->selectAll();
        test::typeText(text2, QStringLiteral("ผลแอปเปิ้ล"));
        QTest::mouseClick(command1, Qt::LeftButton);
        QVERIFY(dialogs().messages.empty());
        QStringList expected = five;
        expected[2] = "apple/ผลแอปเปิ้ล/" + kNoun;
        QCOMPARE(listItems(list), expected);
        QCOMPARE(list->currentRow(), -1);
        QCOMPARE(command1->text(), QStringLiteral("เพิ่ม"));
        QCOMPARE(command1->toolTip(), QStringLiteral("เมื่อต้องการเพิ่มศัพท์ที่พิมพ์"));
        QCOMPARE(command2->text(), QStringLiteral("ค้นหา"));
        QCOMPARE(child<QLineEdit>("Text1")->text(), QString());
        QCOMPARE(child<QLabel>("lblCnt")->text(), QStringLiteral("หมวดอักษร A มีศัพท์ทั้งหมด 5 คำ"));
    }

    void searchAsksThenDeleteRemovesTheFoundEntry() {
        chooseLetter('A');
        dialogs().promptAnswers.push_back(QStringLiteral("ap"));
        QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
        QCOMPARE(dialogs().promptTexts, QStringList{QStringLiteral("กรุณาใส่ศัพท์ที่ต้องการค้นหา")});
        auto *list = child<QListWidget>("List1");
        QCOMPARE(list->currentRow(), 2);
        QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("apple"));
        QCOMPARE(child<QPushButton>("Command2")->text(), QStringLiteral("ลบ"));

        QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
        QVERIFY(dialogs().messages.empty());
        QCOMPARE(listItems(list), (QStringList{five[0], five[1], five[3], five[4]}));
        QCOMPARE(child<QLabel>("lblCnt")->text(), QStringLiteral("หมวดอักษร A มีศัพท์ทั้งหมด 4 คำ"));
        QCOMPARE(child<QPushButton>("Command2")->text(), QStringLiteral("ค้นหา"));
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>("Text1"));

        dialogs().promptAnswers.push_back(QStringLiteral("zebra"));
        QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
        QCOMPARE(dialogs().messages.size(), size_t(1));
        QCOMPARE(dialogs().messages[0].text, QStringLiteral("ไม่พบคำที่ค้นหา"));
        QCOMPARE(dialogs().messages[0].icon, MsgIcon::Information);
    }

    void saveWritesTheListAndReportsAFailure() {
        chooseLetter('A');
        test::clickListRow(child<QListWidget>("List1"), 0);
        QTest::mouseClick(child<QPushButton>("Command2"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
        QVERIFY(dialogs().messages.empty());
        QCOMPARE(test::readBytes(dataFile("A.pal").toStdString()), fileBytes(five.mid(1)));

        QVERIFY(QDir(context().dataFolder()).removeRecursively());
        QTest::mouseClick(child<QPushButton>("Command3"), Qt::LeftButton);
        QCOMPARE(dialogs().messages.size(), size_t(1));
        QCOMPARE(dialogs().messages[0].title, QStringLiteral("โปรแกรมผิดพลาด"));
        QCOMPARE(dialogs().messages[0].icon, MsgIcon::Stop);
        QVERIFY(dialogs().messages[0].text.contains(context().dataFolder()));
        QVERIFY(!QDir(context().dataFolder()).exists());
    }

    void replaceAfterChoosingAnotherLetterIsRefused() {
        chooseLetter('A');
        test::clickListRow(child<QListWidget>("List1"), 1);
        chooseLetter('B');
        QCOMPARE(child<QPushButton>("Command1")->text(), QStringLiteral("แทนที่"));
        test::typeText(child<QLineEdit>("Text1"), "bat");
        test::typeText(child<QLineEdit>("Text2"), QStringLiteral("ค้างคาว"));
        QVERIFY(test::pickFromCombo(child<QComboBox>("Combo2"), 0));
        QTest::mouseClick(child<QPushButton>("Command1"), Qt::LeftButton);
        QCOMPARE(dialogs().messages.size(), size_t(1));
        QCOMPARE(dialogs().messages[0].title, QStringLiteral("แทนที่"));
        QCOMPARE(dialogs().messages[0].text, QStringLiteral("ยังไม่ได้เลือกศัพท์เดิมในรายการ กรุณาคลิกเลือกศัพท์ที่ต้องการแทนที่ก่อน"));
        QCOMPARE(listItems(child<QListWidget>("List1")), QStringList{"bee/ผึ้ง/" + kNoun});
        QCOMPARE(QApplication::focusWidget(), child<QListWidget>("List1"));
    }

    void clearEndsEditingAndTheSameRowCanBeClickedAgain() {
        chooseLetter('A');
        auto *list = child<QListWidget>("List1");
        test::clickListRow(list, 3);
        QTest::mouseClick(child<QPushButton>("Command4"), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>("Text1")->text(), QString());
        QCOMPARE(child<QComboBox>("Combo2")->currentText(), QString());
        QCOMPARE(list->selectedItems().size(), 0);
        QCOMPARE(child<QPushButton>("Command1")->text(), QStringLiteral("เพิ่ม"));
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>("Text1"));
        test::clickListRow(list, 3);
        QCOMPARE(child<QLineEdit>("Text1")->text(), QStringLiteral("ask"));
        QCOMPARE(child<QPushButton>("Command1")->text(), QStringLiteral("แทนที่"));

        // Reaching the list by Tab selects nothing; the arrow keys then choose like clicks.
        QTest::mouseClick(child<QPushButton>("Command4"), Qt::LeftButton);
        list->setFocus(Qt::TabFocusReason);
        QCOMPARE(child<QLineEdit>("Text1")->text(), QString());
        QCOMPARE(child<QPushButton>("Command1")->text(), QStringLiteral("เพิ่ม"));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(child<QPushButton>("Command1")->text(), QStringLiteral("แทนที่"));
        QVERIFY(!child<QLineEdit>("Text1")->text().isEmpty());
    }

    void clickingTheSelectedRowAgainPutsItsEntryBack() {
        chooseLetter('A');
        auto *list = child<QListWidget>("List1");
        auto *text1 = child<QLineEdit>("Text1");
        auto *text2 = child<QLineEdit>("Text2");
        test::clickListRow(list, 2);
        text1->selectAll();
        test::typeText(text1, "appel");
        text2->clear();
        QCOMPARE(list->currentRow(), 2);

        test::clickListRow(list, 2);
        QCOMPARE(text1->text(), QStringLiteral("apple"));
        QCOMPARE(text2->text(), QStringLiteral("แอปเปิ้ล"));
        QCOMPARE(child<QPushButton>("Command1")->text(), QStringLiteral("แทนที่"));
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>("Command1"));
        QCOMPARE(listItems(list), five);
        QVERIFY(dialogs().messages.empty());
    }

    void escapeDoesNotDiscardTheEdits() {
        chooseLetter('A');
        QTest::keyClick(child<QListWidget>("List1"), Qt::Key_Escape);
        QVERIFY(window->isVisible());
    }

    void showFrmAddOpensAModalWindowEachTime() {
        window.reset();
        for (int round = 0; round < 2; ++round) {
            QString seenTitle;
            QTimer::singleShot(0, [&] {
                QWidget *modal = QApplication::activeModalWidget();
                if (modal) {
                    seenTitle = modal->windowTitle();
                    modal->close();
                }
            });
            showFrmAdd(nullptr, context());
            QCOMPARE(seenTitle, QStringLiteral("เพิ่มศัพท์"));
        }
    }
};

QTEST_MAIN(TestFrmAdd)
#include "tst_frmadd.moc"
