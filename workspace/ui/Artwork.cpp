#include "Artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace dlx::art {
namespace {

enum class Glyph { NewPage, Open, Save, Print, AddWord, Cut, Copy, Paste, Undo, Font, Stacked, SideBySide, Full, Help };

const QColor kInk(40, 48, 72);
const QColor kPaper(252, 252, 246);
const QColor kBlue(70, 120, 200);
const QColor kGold(236, 190, 70);
const QColor kGreen(60, 150, 90);
const QColor kRed(200, 70, 60);

void page(QPainter &p, const QRectF &r, const QColor &fill = kPaper) {
    QPainterPath path;
    const qreal fold = r.width() * 0.3;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setBrush(fill);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void textLines(QPainter &p, const QRectF &r, int count) {
    for (int i = 0; i < count; ++i) {
        const qreal y = r.top() + (i + 1) * r.height() / (count + 1);
        p.drawLine(QPointF(r.left(), y), QPointF(r.right() - (i % 2) * r.width() * 0.3, y));
    }
}

// Every glyph is drawn on a 24 x 24 grid; the painter is scaled to the target.
void drawGlyph(QPainter &p, Glyph g) {
    QPen pen(kInk, 1.2);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    switch (g) {
    case Glyph::NewPage:
        page(p, QRectF(5, 2.5, 14, 19));
        p.setPen(QPen(kGold, 2));
        p.drawLine(QPointF(16, 14), QPointF(22, 20));
        p.drawLine(QPointF(22, 14), QPointF(16, 20));
        p.drawLine(QPointF(19, 13), QPointF(19, 21));
        break;
    case Glyph::Open: {
        p.setBrush(kGold.darker(115));
        p.drawRect(QRectF(2.5, 6.5, 16, 13));
        p.drawRect(QRectF(2.5, 4.5, 7, 2));
        QPainterPath flap;
        flap.moveTo(5, 10.5);
        flap.lineTo(22, 10.5);
        flap.lineTo(18.5, 19.5);
        flap.lineTo(2.5, 19.5);
        flap.closeSubpath();
        p.setBrush(kGold);
        p.drawPath(flap);
        break;
    }
    case Glyph::Save:
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(3.5, 3.5, 17, 17), 1.5, 1.5);
        p.setBrush(kPaper);
        p.drawRect(QRectF(6.5, 3.5, 11, 7));
        p.setBrush(QColor(200, 200, 210));
        p.drawRect(QRectF(7.5, 14, 9, 6.5));
        p.setBrush(kInk);
        p.drawRect(QRectF(14, 4.5, 2, 4.5));
        break;
    case Glyph::Print:
        page(p, QRectF(7, 2.5, 10, 8));
        p.setBrush(QColor(190, 195, 205));
        p.drawRoundedRect(QRectF(2.5, 9.5, 19, 8), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(6.5, 14.5, 11, 7));
        p.setBrush(kGreen);
        p.drawEllipse(QPointF(18.5, 12), 1, 1);
        break;
    case Glyph::AddWord:
        p.setBrush(kRed);
        p.drawRoundedRect(QRectF(4.5, 3.5, 13, 17), 1.5, 1.5);
        p.setBrush(kPaper);
        p.drawRect(QRectF(6.5, 5.5, 9, 13));
        textLines(p, QRectF(7.5, 6, 7, 10), 3);
        p.setPen(QPen(kGreen, 2.4));
        p.drawLine(QPointF(19, 13), QPointF(19, 22));
        p.drawLine(QPointF(14.5, 17.5), QPointF(23.5, 17.5));
        break;
    case Glyph::Cut:
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kInk, 1.6));
        p.drawLine(QPointF(7, 3), QPointF(15, 15));
        p.drawLine(QPointF(17, 3), QPointF(9, 15));
        p.setPen(QPen(kRed, 1.8));
        p.drawEllipse(QPointF(7.5, 18), 3.2, 3.2);
        p.drawEllipse(QPointF(16.5, 18), 3.2, 3.2);
        break;
    case Glyph::Copy:
        page(p, QRectF(3.5, 2.5, 11, 14));
        page(p, QRectF(9.5, 7.5, 11, 14));
        textLines(p, QRectF(11.5, 11, 6, 9), 3);
        break;
    case Glyph::Paste:
        p.setBrush(kGold.darker(120));
        p.drawRoundedRect(QRectF(3.5, 4.5, 14, 17), 1.5, 1.5);
        p.setBrush(QColor(200, 200, 210));
        p.drawRoundedRect(QRectF(7, 2.5, 7, 4), 1, 1);
        page(p, QRectF(10.5, 9.5, 10, 12));
        textLines(p, QRectF(12, 12, 6, 8), 3);
        break;
    case Glyph::Undo: {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kBlue, 2.4, Qt::SolidLine, Qt::RoundCap));
        QPainterPath arc;
        arc.moveTo(6, 11);
        arc.cubicTo(10, 5, 20, 6, 20, 13);
        arc.cubicTo(20, 17, 17, 19, 13, 19);
        p.drawPath(arc);
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        QPolygonF head;
        head << QPointF(2, 7) << QPointF(10, 8) << QPointF(5, 15);
        p.drawPolygon(head);
        break;
    }
    case Glyph::Font: {
        QFont f("Serif");
        f.setPixelSize(19);
        f.setBold(true);
        p.setFont(f);
        p.setPen(kInk);
        p.drawText(QRectF(0, 0, 16, 22), Qt::AlignCenter, "A");
        f.setPixelSize(13);
        p.setFont(f);
        p.setPen(kRed);
        p.drawText(QRectF(12, 8, 12, 15), Qt::AlignCenter, "a");
        break;
    }
    case Glyph::Stacked:
        p.setBrush(kPaper);
        p.drawRect(QRectF(2.5, 2.5, 19, 8.5));
        p.setBrush(QColor(225, 235, 250));
        p.drawRect(QRectF(2.5, 13, 19, 8.5));
        p.setPen(QPen(kBlue, 1));
        textLines(p, QRectF(4.5, 3, 14, 7.5), 2);
        textLines(p, QRectF(4.5, 13.5, 14, 7.5), 2);
        break;
    case Glyph::SideBySide:
        p.setBrush(kPaper);
        p.drawRect(QRectF(2.5, 2.5, 8.5, 19));
        p.setBrush(QColor(225, 235, 250));
        p.drawRect(QRectF(13, 2.5, 8.5, 19));
        p.setPen(QPen(kBlue, 1));
        textLines(p, QRectF(4, 4, 5.5, 15), 4);
        textLines(p, QRectF(14.5, 4, 5.5, 15), 4);
        break;
    case Glyph::Full:
        p.setBrush(kPaper);
        p.drawRect(QRectF(2.5, 4.5, 19, 15));
        p.setPen(QPen(kBlue, 2));
        p.drawLine(QPointF(5, 7), QPointF(9, 7));
        p.drawLine(QPointF(5, 7), QPointF(5, 10));
        p.drawLine(QPointF(19, 17), QPointF(15, 17));
        p.drawLine(QPointF(19, 17), QPointF(19, 14));
        break;
    case Glyph::Help: {
        p.setBrush(kBlue);
        p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
        QFont f("Sans Serif");
        f.setPixelSize(15);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(2.5, 2.5, 19, 19), Qt::AlignCenter, "?");
        break;
    }
    }
}

QPixmap glyphPixmap(Glyph g, const QSize &size) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(size.width(), size.height());
    p.translate((size.width() - side) / 2.0, (size.height() - side) / 2.0);
    p.scale(side / 24.0, side / 24.0);
    drawGlyph(p, g);
    return pm;
}

Glyph toolbarGlyph(int index) {
    switch (index) {
    case 1:
        return Glyph::NewPage;
    case 2:
        return Glyph::Open;
    case 3:
        return Glyph::Save;
    case 4:
        return Glyph::Print;
    case 5:
        return Glyph::AddWord;
    case 6:
        return Glyph::SideBySide;
    case 7:
        return Glyph::Cut;
    case 8:
        return Glyph::Copy;
    case 9:
        return Glyph::Paste;
    case 10:
        return Glyph::Undo;
    case 11:
        return Glyph::Font;
    default:
        return Glyph::Stacked;
    }
}

struct MenuPicture {
    Glyph glyph;
    QSize size;
};

MenuPicture menuPictureOf(int n) {
    switch (n) {
    case 1:
        return {Glyph::Open, {15, 14}};
    case 2:
        return {Glyph::Save, {14, 14}};
    case 3:
        return {Glyph::Print, {16, 14}};
    case 4:
        return {Glyph::Undo, {12, 7}};
    case 5:
        return {Glyph::Cut, {10, 12}};
    case 6:
        return {Glyph::Copy, {12, 12}};
    case 7:
        return {Glyph::Paste, {13, 13}};
    case 8:
        return {Glyph::SideBySide, {10, 11}};
    case 9:
        return {Glyph::Stacked, {13, 10}};
    case 10:
        return {Glyph::Full, {13, 9}};
    case 11:
        return {Glyph::AddWord, {13, 13}};
    default:
        return {Glyph::Help, {14, 14}};
    }
}

} // namespace

QPixmap toolbarPicture(int index) {
    return glyphPixmap(toolbarGlyph(index), QSize(24, 24));
}

QSize menuPictureSize(int imageNumber) {
    return menuPictureOf(imageNumber).size;
}

QPixmap menuPicture(int imageNumber) {
    const MenuPicture picture = menuPictureOf(imageNumber);
    return glyphPixmap(picture.glyph, picture.size);
}

QIcon translateIcon() {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRoundedRect(QRectF(0.5, 0.5, 9, 9), 1.5, 1.5);
    p.setBrush(kGold);
    p.drawRoundedRect(QRectF(6.5, 6.5, 9, 9), 1.5, 1.5);
    QFont f("Sans Serif");
    f.setPixelSize(8);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRectF(0.5, 0.5, 9, 9), Qt::AlignCenter, "A");
    p.drawText(QRectF(6.5, 6.5, 9, 9), Qt::AlignCenter, QString::fromUtf8("ก"));
    return QIcon(pm);
}

QIcon programIcon() {
    QIcon icon;
    for (int side : {16, 32, 64}) {
        QPixmap pm(side, side);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient g(side * 0.35, side * 0.3, side * 0.8);
        g.setColorAt(0, QColor(120, 180, 240));
        g.setColorAt(1, QColor(30, 70, 150));
        p.setBrush(g);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(0, 0, side, side));
        QFont f("Sans Serif");
        f.setPixelSize(side / 2);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, side, side), Qt::AlignCenter, "D");
        icon.addPixmap(pm);
    }
    return icon;
}

QPixmap splashPicture(const QSize &size) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, size.width(), size.height());
    QRadialGradient sky(r.center() - QPointF(0, r.height() * 0.15), r.width() * 0.7);
    sky.setColorAt(0, QColor(250, 235, 180));
    sky.setColorAt(0.55, QColor(235, 150, 90));
    sky.setColorAt(1, QColor(110, 60, 120));
    p.fillRect(r, sky);
    // Two open book pages: English on one side, Thai on the other.
    const qreal w = r.width() * 0.34, h = r.height() * 0.3;
    const QPointF c(r.center().x(), r.height() * 0.2);
    p.setPen(QPen(QColor(70, 50, 60), 2));
    p.setBrush(QColor(255, 252, 240));
    QPainterPath left, right;
    left.moveTo(c);
    left.cubicTo(c - QPointF(w * 0.4, h * 0.15), c - QPointF(w * 0.8, h * 0.1), c - QPointF(w, 0));
    left.lineTo(c + QPointF(-w, h));
    left.cubicTo(c + QPointF(-w * 0.6, h * 0.9), c + QPointF(-w * 0.3, h * 0.95), c + QPointF(0, h));
    left.closeSubpath();
    right = QTransform().translate(c.x(), 0).scale(-1, 1).translate(-c.x(), 0).map(left);
    p.drawPath(left);
    p.drawPath(right);
    QFont f("Serif");
    f.setPixelSize(qMax(10, int(h * 0.45)));
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(40, 60, 130));
    p.drawText(QRectF(c.x() - w, c.y(), w, h), Qt::AlignCenter, "Aa");
    p.setPen(QColor(150, 40, 40));
    p.drawText(QRectF(c.x(), c.y(), w, h), Qt::AlignCenter, QString::fromUtf8("กข"));
    QFont title("Sans Serif");
    title.setPixelSize(qMax(12, int(r.height() * 0.09)));
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, r.height() * 0.54, r.width(), r.height() * 0.13), Qt::AlignCenter, "Dualexicon");
    QFont sub = title;
    sub.setPixelSize(qMax(9, int(r.height() * 0.045)));
    sub.setBold(false);
    p.setFont(sub);
    p.drawText(QRectF(0, r.height() * 0.67, r.width(), r.height() * 0.08), Qt::AlignCenter,
               QString::fromUtf8("แปลอังกฤษเป็นไทย 1.5"));
    return pm;
}

QPixmap tipBanner() {
    QPixmap pm(210, 47);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 210, 0);
    g.setColorAt(0, QColor(255, 244, 200));
    g.setColorAt(1, QColor(251, 245, 208));
    p.fillRect(pm.rect(), g);
    // A light bulb.
    p.setPen(QPen(QColor(120, 90, 20), 1.2));
    p.setBrush(QColor(255, 220, 80));
    p.drawEllipse(QRectF(8, 5, 24, 24));
    p.setBrush(QColor(160, 160, 170));
    p.drawRect(QRectF(14, 28, 12, 8));
    p.setPen(QPen(QColor(120, 90, 20), 1));
    p.drawLine(QPointF(14, 31), QPointF(26, 31));
    p.drawLine(QPointF(14, 34), QPointF(26, 34));
    QFont f("Sans Serif");
    f.setPixelSize(18);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(90, 60, 20));
    p.drawText(QRectF(42, 0, 168, 47), Qt::AlignVCenter | Qt::AlignLeft, QString::fromUtf8("คุณรู้หรือไม่..."));
    return pm;
}

QPixmap aboutPanel(const QSize &size) {
    QPixmap pm(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(40, 80, 160));
    g.setColorAt(1, QColor(120, 60, 130));
    p.fillRect(pm.rect(), g);
    const qreal side = qMin(size.width(), size.height()) * 0.8;
    p.save();
    p.translate((size.width() - side) / 2, size.height() * 0.12);
    p.scale(side / 24.0, side / 24.0);
    drawGlyph(p, Glyph::AddWord);
    p.restore();
    QFont f("Sans Serif");
    f.setPixelSize(qMax(10, size.width() / 6));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.save();
    p.translate(size.width() / 2.0, size.height() * 0.72);
    p.rotate(-90);
    p.drawText(QRectF(-size.height() * 0.25, -size.width() / 2.0, size.height() * 0.5, size.width()), Qt::AlignCenter,
               "Dualexicon");
    p.restore();
    return pm;
}

} // namespace dlx::art
