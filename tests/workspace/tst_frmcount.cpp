// The word-count window: the figures of each pane, and the selection marked in its heading.
#include "FrmCount.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace dlx;

class TestFrmCount : public QObject {
    Q_OBJECT
private slots:
    void showsBothPanes() {
        QWidget parent;
        QPointer<FrmCount> w =
            showWordCount(&parent, "I eat rice.\nEvery day.", false, QString::fromUtf8("ฉันกินข้าว every day"), true);
        QVERIFY(w->isVisible());
        const auto figure = [&](const char *name) {
            auto *label = w->findChild<QLabel *>(name);
            return label ? label->text() : QString("<missing %1>").arg(name);
        };
        QCOMPARE(figure("lblOriginalWords"), QString("5"));
        QCOMPARE(figure("lblOriginalCharacters"), QString("21"));
        QCOMPARE(figure("lblOriginalLines"), QString("2"));
        QCOMPARE(figure("lblOriginalEnglish"), QString("5"));
        QCOMPARE(figure("lblTranslationWords"), QString("5"));
        QCOMPARE(figure("lblTranslationThai"), QString("3"));
        QCOMPARE(figure("lblTranslationUntranslated"), QString("2"));
        QVERIFY(!figure("lblOriginal").contains(QString::fromUtf8("เลือก")));
        QVERIFY(figure("lblTranslation").contains(QString::fromUtf8("เลือก")));

        w->findChild<QPushButton *>("cmdClose")->click();
        QTRY_VERIFY(w.isNull()); // deleted on close
    }
};

QTEST_MAIN(TestFrmCount)
#include "tst_frmcount.moc"
