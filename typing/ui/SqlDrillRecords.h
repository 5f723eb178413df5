#pragma once
// The drill's records in an SQLite database of the user's, through Qt SQL (the QSQLITE driver).
#include "AppContext.h"
#include "DrillRecords.h"

#include <QString>
#include <memory>

class QWidget;

namespace dlx {

/// Where the program keeps the drill's database: history.sqlite in the user's data folder of the context (empty
/// when the context names no such folder).
QString drillRecordsPath(const AppContext &context);

class SqlDrillRecords final : public DrillRecords {
public:
    struct Opened {
        std::unique_ptr<SqlDrillRecords> records;
        /// Set when the file was not a database of ours and a fresh one took its place; the old file was moved
        /// to damagedCopy (empty when it could only be removed).
        bool recreated = false;
        QString damagedCopy;
    };

    /// Opens the database at path, making it and its folder when missing. A file that is not a readable database
    /// of ours is moved aside to "<path>.damaged" and made afresh. Fails when the folder or the file cannot be
    /// made, or when Qt has no SQLite driver.
    static Result<Opened> open(const QString &path);
    ~SqlDrillRecords() override;
    SqlDrillRecords(const SqlDrillRecords &) = delete;
    SqlDrillRecords &operator=(const SqlDrillRecords &) = delete;

    Status addRun(const DrillRun &run) override;
    Result<std::vector<DrillRun>> runs() const override;
    Result<std::vector<MissedWord>> missedWords(DrillTwin twin) const override;
    Status keepMissedWord(DrillTwin twin, const MissedWord &word) override;
    Status dropMissedWord(DrillTwin twin, const DictionaryEntry &entry) override;

private:
    SqlDrillRecords(QString connection, QString path);

    QString connection_;
    QString path_;
};

/// Opens the context's drill records and tells the user, in Thai, of a damaged file made afresh or of records
/// that cannot be kept; nothing in the latter case.
std::unique_ptr<SqlDrillRecords> openDrillRecords(const AppContext &context, QWidget *parent);

} // namespace dlx
