#pragma once
// สถิติย้อนหลัง: the finished timed runs of both drills as a table (newest first) and a chart of characters per
// minute from the first run to the last, one line per language.
#include "DrillRecords.h"

#include <QDialog>
#include <QWidget>
#include <vector>

class QTableWidget;
class QLabel;

namespace dlx {

/// The speed chart, painted here: runs in order along the bottom, characters per minute up the side.
class SpeedChart : public QWidget {
    Q_OBJECT
public:
    explicit SpeedChart(QWidget *parent = nullptr);
    void setRuns(std::vector<DrillRun> runs);
    /// The runs shown, oldest first.
    const std::vector<DrillRun> &runs() const { return runs_; }
    QSize sizeHint() const override { return {520, 220}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<DrillRun> runs_;
};

class FrmHistory : public QDialog {
    Q_OBJECT
public:
    /// runs oldest first, as the records give them.
    FrmHistory(const std::vector<DrillRun> &runs, QWidget *parent = nullptr);

private:
    QTableWidget *grid_ = nullptr;
    SpeedChart *chart_ = nullptr;
};

} // namespace dlx
