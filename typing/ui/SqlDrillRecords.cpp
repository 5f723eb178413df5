#include "SqlDrillRecords.h"

#include "Dialogs.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <filesystem>

namespace dlx {
namespace {

const QString kDriver = QStringLiteral("QSQLITE");

// SQLite's own result codes for a file that is not a database, or a database whose pages are broken.
const QString kNotADatabase = QStringLiteral("26");
const QString kCorrupt = QStringLiteral("11");

const char *const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS runs (id INTEGER PRIMARY KEY, finished_at INTEGER NOT NULL, language TEXT NOT NULL, "
    "time_limit INTEGER NOT NULL, score INTEGER NOT NULL, chars_per_minute INTEGER NOT NULL, accuracy INTEGER)",
    "CREATE TABLE IF NOT EXISTS missed_words (language TEXT NOT NULL, english TEXT NOT NULL, thai TEXT NOT NULL, "
    "label TEXT NOT NULL, right_in_a_row INTEGER NOT NULL, PRIMARY KEY (language, english, thai))",
    // Tables of another shape under our names fail here, as a foreign file does.
    "SELECT finished_at, language, time_limit, score, chars_per_minute, accuracy FROM runs LIMIT 0",
    "SELECT language, english, thai, label, right_in_a_row FROM missed_words LIMIT 0",
};

QString language(DrillTwin twin) {
    return twin == DrillTwin::English ? QStringLiteral("en") : QStringLiteral("th");
}

IoError sqlFailure(const QString &path, const QSqlError &error) {
    return IoError{0, toFsPath(path), error.text().toStdString()};
}

QString nextConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("drill-records-%1").arg(counter++);
}

enum class Readiness { Ready, NotOurs, Failed };

/// Opens the connection and makes the tables; NotOurs when the file is not a database of ours.
Readiness prepare(QSqlDatabase &db, QSqlError &error) {
    if (!db.open()) {
        error = db.lastError();
        return Readiness::Failed;
    }
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next() || q.value(0).toString() != QStringLiteral("ok")) {
        error = q.lastError();
        const QString code = error.nativeErrorCode();
        // A busy or unreadable file is kept as it is: only a file that is plainly not sound is replaced.
        return code == kNotADatabase || code == kCorrupt || !error.isValid() ? Readiness::NotOurs : Readiness::Failed;
    }
    for (const char *statement : kSchema)
        if (!q.exec(QString::fromUtf8(statement))) {
            error = q.lastError();
            return Readiness::NotOurs;
        }
    return Readiness::Ready;
}

DictionaryEntry entryOf(const QSqlQuery &q, int first) {
    DictionaryEntry entry;
    entry.english = q.value(first).toString().toStdU32String();
    entry.thai = q.value(first + 1).toString().toStdU32String();
    entry.label = q.value(first + 2).toString().toStdU32String();
    return entry;
}

} // namespace

QString drillRecordsPath(const AppContext &context) {
    if (context.userDataFolder.isEmpty())
        return {};
    return context.userDataFolder + QStringLiteral("/history.sqlite");
}

SqlDrillRecords::SqlDrillRecords(QString connection, QString path)
    : connection_(std::move(connection)), path_(std::move(path)) {}

SqlDrillRecords::~SqlDrillRecords() {
    QSqlDatabase::database(connection_, false).close();
    QSqlDatabase::removeDatabase(connection_);
}

Result<SqlDrillRecords::Opened> SqlDrillRecords::open(const QString &path) {
    if (path.isEmpty())
        return IoError{ENOENT, {}, {}};
    if (!QSqlDatabase::isDriverAvailable(kDriver))
        return IoError{0, toFsPath(path), "Qt has no SQLite driver (Debian package libqt6sql6-sqlite)"};
    const std::filesystem::path folder = std::filesystem::path(toFsPath(path)).parent_path();
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (made)
        return IoError{made.value(), folder.string(), {}};

    Opened opened;
    const QString name = nextConnectionName();
    opened.records.reset(new SqlDrillRecords(name, path));
    QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, name);
    db.setDatabaseName(path);
    QSqlError error;
    Readiness readiness = prepare(db, error);
    if (readiness == Readiness::NotOurs) {
        db.close();
        const QString aside = path + QStringLiteral(".damaged");
        QFile::remove(aside);
        if (QFile::rename(path, aside))
            opened.damagedCopy = aside;
        else if (!QFile::remove(path))
            return IoError{EACCES, toFsPath(path), {}};
        opened.recreated = true;
        readiness = prepare(db, error);
    }
    if (readiness != Readiness::Ready)
        return sqlFailure(path, error);
    return opened;
}

Status SqlDrillRecords::addRun(const DrillRun &run) {
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.prepare(QStringLiteral("INSERT INTO runs (finished_at, language, time_limit, score, chars_per_minute, accuracy) "
                             "VALUES (?, ?, ?, ?, ?, ?)"));
    q.addBindValue(QVariant::fromValue<qint64>(run.finishedAt));
    q.addBindValue(language(run.twin));
    q.addBindValue(run.timeLimit);
    q.addBindValue(run.score);
    q.addBindValue(run.charactersPerMinute);
    q.addBindValue(run.accuracyPercent ? QVariant(*run.accuracyPercent) : QVariant(QMetaType(QMetaType::Int)));
    if (!q.exec())
        return sqlFailure(path_, q.lastError());
    return {};
}

Result<std::vector<DrillRun>> SqlDrillRecords::runs() const {
    QSqlQuery q(QSqlDatabase::database(connection_));
    if (!q.exec(QStringLiteral("SELECT finished_at, language, time_limit, score, chars_per_minute, accuracy FROM runs "
                               "ORDER BY finished_at, id")))
        return sqlFailure(path_, q.lastError());
    std::vector<DrillRun> runs;
    while (q.next()) {
        DrillRun run;
        run.finishedAt = q.value(0).toLongLong();
        run.twin = q.value(1).toString() == language(DrillTwin::Thai) ? DrillTwin::Thai : DrillTwin::English;
        run.timeLimit = q.value(2).toInt();
        run.score = q.value(3).toInt();
        run.charactersPerMinute = q.value(4).toInt();
        if (!q.value(5).isNull())
            run.accuracyPercent = q.value(5).toInt();
        runs.push_back(run);
    }
    return runs;
}

Result<std::vector<MissedWord>> SqlDrillRecords::missedWords(DrillTwin twin) const {
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.prepare(QStringLiteral(
        "SELECT english, thai, label, right_in_a_row FROM missed_words WHERE language = ? ORDER BY rowid"));
    q.addBindValue(language(twin));
    if (!q.exec())
        return sqlFailure(path_, q.lastError());
    std::vector<MissedWord> words;
    while (q.next())
        words.push_back({entryOf(q, 0), q.value(3).toInt()});
    return words;
}

Status SqlDrillRecords::keepMissedWord(DrillTwin twin, const MissedWord &word) {
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.prepare(QStringLiteral("INSERT INTO missed_words (language, english, thai, label, right_in_a_row) "
                             "VALUES (?, ?, ?, ?, ?) ON CONFLICT (language, english, thai) DO UPDATE SET "
                             "label = excluded.label, right_in_a_row = excluded.right_in_a_row"));
    q.addBindValue(language(twin));
    q.addBindValue(QString::fromStdU32String(word.entry.english));
    q.addBindValue(QString::fromStdU32String(word.entry.thai));
    q.addBindValue(QString::fromStdU32String(word.entry.label));
    q.addBindValue(word.rightInARow);
    if (!q.exec())
        return sqlFailure(path_, q.lastError());
    return {};
}

Status SqlDrillRecords::dropMissedWord(DrillTwin twin, const DictionaryEntry &entry) {
    QSqlQuery q(QSqlDatabase::database(connection_));
    q.prepare(QStringLiteral("DELETE FROM missed_words WHERE language = ? AND english = ? AND thai = ?"));
    q.addBindValue(language(twin));
    q.addBindValue(QString::fromStdU32String(entry.english));
    q.addBindValue(QString::fromStdU32String(entry.thai));
    if (!q.exec())
        return sqlFailure(path_, q.lastError());
    return {};
}

std::unique_ptr<SqlDrillRecords> openDrillRecords(const AppContext &context, QWidget *parent) {
    auto opened = SqlDrillRecords::open(drillRecordsPath(context));
    if (!opened) {
        context.dialogs.error(
            parent, describeFailure(QStringLiteral("เปิดแฟ้มประวัติการพิมพ์ไม่ได้ รอบนี้จะไม่บันทึกสถิติย้อนหลัง"), opened.error()));
        return nullptr;
    }
    if (opened->recreated) {
        QString text = QStringLiteral("แฟ้มประวัติการพิมพ์เสียหาย โปรแกรมสร้างแฟ้มใหม่ให้แล้ว: %1").arg(drillRecordsPath(context));
        if (!opened->damagedCopy.isEmpty())
            text += QStringLiteral("\nแฟ้มเดิมเก็บไว้ที่ %1").arg(opened->damagedCopy);
        context.dialogs.message(parent, text, QStringLiteral("สถิติย้อนหลัง"), MsgIcon::Exclamation);
    }
    return std::move(opened->records);
}

} // namespace dlx
