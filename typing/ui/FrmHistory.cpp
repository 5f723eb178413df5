#include "FrmHistory.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace dlx {
namespace {

QString languageName(DrillTwin twin) {
    return twin == DrillTwin::English ? QStringLiteral("อังกฤษ") : QStringLiteral("ไทย");
}

QColor lineColour(DrillTwin twin) {
    return twin == DrillTwin::English ? QColor(0x1f, 0x5f, 0xbf) : QColor(0xc0, 0x3a, 0x2b);
}

QString when(std::int64_t finishedAt) {
    return QLocale(QLocale::Thai, QLocale::Thailand)
        .toString(QDateTime::fromSecsSinceEpoch(finishedAt), QStringLiteral("d MMM yyyy HH:mm"));
}

} // namespace

SpeedChart::SpeedChart(QWidget *parent) : QWidget(parent) {
    setObjectName("PicChart");
    setMinimumSize(320, 160);
}

void SpeedChart::setRuns(std::vector<DrillRun> runs) {
    runs_ = std::move(runs);
    update();
}

void SpeedChart::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().base());
    const QFontMetrics fm = p.fontMetrics();
    if (runs_.empty()) {
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("ยังไม่มีรอบที่จับเวลาจนครบเวลา"));
        return;
    }
    int top = 0;
    for (const DrillRun &r : runs_)
        top = std::max(top, r.charactersPerMinute);
    top = std::max(10, (top + 9) / 10 * 10); // a round number above the fastest run

    const QRect area =
        rect().adjusted(fm.horizontalAdvance(QString::number(top)) + 12, fm.height() + 8, -12, -(fm.height() + 10));
    p.setPen(palette().color(QPalette::Text));
    p.drawLine(area.bottomLeft(), area.bottomRight());
    p.drawLine(area.bottomLeft(), area.topLeft());
    p.drawText(QRect(0, area.top() - fm.height() / 2, area.left() - 4, fm.height()), Qt::AlignRight,
               QString::number(top));
    p.drawText(QRect(0, area.bottom() - fm.height() / 2, area.left() - 4, fm.height()), Qt::AlignRight, "0");
    p.drawText(QRect(area.left(), 2, area.width(), fm.height()), Qt::AlignLeft, QStringLiteral("ตัว/นาที"));
    p.drawText(QRect(area.left(), area.bottom() + 4, area.width(), fm.height()), Qt::AlignLeft,
               when(runs_.front().finishedAt));
    if (runs_.size() > 1)
        p.drawText(QRect(area.left(), area.bottom() + 4, area.width(), fm.height()), Qt::AlignRight,
                   when(runs_.back().finishedAt));

    const auto x = [&](std::size_t i) {
        return runs_.size() == 1 ? area.center().x()
                                 : area.left() + area.width() * static_cast<double>(i) / (runs_.size() - 1);
    };
    const auto y = [&](int cpm) { return area.bottom() - area.height() * static_cast<double>(cpm) / top; };
    int legend = area.right();
    for (DrillTwin twin : {DrillTwin::Thai, DrillTwin::English}) {
        QPainterPath line;
        bool any = false;
        for (std::size_t i = 0; i < runs_.size(); ++i) {
            if (runs_[i].twin != twin)
                continue;
            const QPointF point(x(i), y(runs_[i].charactersPerMinute));
            if (any)
                line.lineTo(point);
            else
                line.moveTo(point);
            any = true;
            p.setPen(Qt::NoPen);
            p.setBrush(lineColour(twin));
            p.drawEllipse(point, 3, 3);
        }
        if (!any)
            continue;
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(lineColour(twin), 2));
        p.drawPath(line);
        const QString name = languageName(twin);
        legend -= fm.horizontalAdvance(name);
        p.drawText(QPoint(legend, fm.ascent() + 2), name);
        legend -= 16;
    }
}

FrmHistory::FrmHistory(const std::vector<DrillRun> &runs, QWidget *parent) : QDialog(parent) {
    setObjectName("FrmHistory");
    setWindowTitle(QStringLiteral("สถิติย้อนหลัง"));

    grid_ = new QTableWidget(static_cast<int>(runs.size()), 6, this);
    grid_->setObjectName("GridRuns");
    grid_->setHorizontalHeaderLabels({QStringLiteral("วันที่และเวลา"), QStringLiteral("ภาษา"),
                                      QStringLiteral("เวลา (นาที)"), QStringLiteral("คะแนน"), QStringLiteral("ตัว/นาที"),
                                      QStringLiteral("ความแม่นยำ")});
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setStretchLastSection(true);
    int row = 0;
    for (auto it = runs.rbegin(); it != runs.rend(); ++it, ++row) {
        const QStringList cells{when(it->finishedAt),
                                languageName(it->twin),
                                QString::number(it->timeLimit),
                                QString::number(it->score),
                                QString::number(it->charactersPerMinute),
                                it->accuracyPercent ? QStringLiteral("%1%").arg(*it->accuracyPercent) : "-"};
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            if (column >= 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid_->setItem(row, column, item);
        }
    }
    grid_->resizeColumnsToContents();

    chart_ = new SpeedChart(this);
    chart_->setRuns(runs);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("ปิด"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(chart_, 1);
    layout->addWidget(grid_, 1);
    layout->addWidget(buttons);
    resize(620, 520);
}

} // namespace dlx
