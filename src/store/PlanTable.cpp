#include "PlanTable.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

#include "PlanFileName.h"

namespace vorlen {
namespace {

constexpr int kBusyTimeoutMs = 5000;

// "VARCHAR(32)" declares 32 bytes; a type without a number declares no width.
std::optional<std::size_t> DeclaredWidth(std::string_view type) {
    const auto open = type.find('(');
    const auto close = type.find(')', open);
    if (open == std::string_view::npos || close == std::string_view::npos) return std::nullopt;
    std::size_t width = 0;
    const char* first = type.data() + open + 1;
    const char* last = type.data() + close;
    auto [end, ec] = std::from_chars(first, last, width);
    if (ec != std::errc() || end != last) return std::nullopt;
    return width;
}

std::string SelectAllSql() {
    std::string sql = "SELECT " + QuoteIdentifier(field::kId);
    for (auto name : kTextFields) sql += ", " + QuoteIdentifier(name);
    return sql + " FROM " + QuoteIdentifier(kPlanTableName) + " ORDER BY " + QuoteIdentifier(field::kId);
}

std::string InsertSql() {
    std::string columns, values;
    for (std::size_t i = 0; i < kTextFields.size(); ++i) {
        columns += (i ? ", " : "") + QuoteIdentifier(kTextFields[i]);
        values += i ? ", ?" : "?";
    }
    return "INSERT INTO " + QuoteIdentifier(kPlanTableName) + " (" + columns + ") VALUES (" + values + ")";
}

// Every write takes the write lock first (BEGIN IMMEDIATE), waiting through the busy
// timeout. A plain statement would first take a read lock and then ask for the write
// lock; if the other program holds the write lock meanwhile, SQLite refuses at once
// ("database is locked") instead of waiting, since waiting could deadlock.
// Rolls back unless committed, so a failed write leaves the file as it was.
class WriteTransaction {
public:
    explicit WriteTransaction(SqliteConnection& db) : db_(db) { db_.Exec("BEGIN IMMEDIATE"); }
    ~WriteTransaction() {
        if (!committed_) sqlite3_exec(db_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
    void Commit() {
        db_.Exec("COMMIT");
        committed_ = true;
    }

private:
    SqliteConnection& db_;
    bool committed_ = false;
};

}  // namespace

PlanTable::PlanTable(CharByteWidth widthOf) : widthOf_(widthOf) {}

void PlanTable::Close() {
    versionQuery_.reset();  // before the connection it belongs to
    db_.reset();
    rows_.clear();
    eof_ = true;
}

SqliteConnection& PlanTable::Db() {
    if (!db_) throw PlanTableError("The plan table is not open");
    return *db_;
}

void PlanTable::Open(const std::string& utf8Path) {
    Close();
    const std::string path = ResolveFileNameCase(utf8Path);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(std::filesystem::path(std::u8string(path.begin(), path.end())), ec))
        throw PlanTableError("Plan file not found: " + utf8Path);

    SqliteConnection db(path);
    sqlite3_busy_timeout(db.get(), kBusyTimeoutMs);

    std::vector<std::pair<std::string, std::string>> columns;
    {
        SqliteStatement info(db, "SELECT name, type FROM pragma_table_info(?)");
        info.Bind(1, kPlanTableName);
        while (info.Step()) columns.emplace_back(info.Text(0), info.Text(1));
    }
    if (columns.empty()) throw PlanTableError("Table " + std::string(kPlanTableName) + " not found in " + utf8Path);

    std::vector<std::optional<std::size_t>> widths;
    for (auto name : kTextFields) {
        const auto it = std::find_if(columns.begin(), columns.end(), [&](const auto& c) { return c.first == name; });
        if (it == columns.end()) throw PlanTableError("Field " + std::string(name) + " not found in the plan table");
        widths.push_back(DeclaredWidth(it->second));
    }

    db_.emplace(std::move(db));
    widths_ = std::move(widths);
    try {
        // Prepared once: the scheduler asks for it every second.
        versionQuery_.emplace(*db_, "PRAGMA data_version");
        Load();
    } catch (...) {
        Close();
        throw;
    }
}

long long PlanTable::DataVersion() {
    versionQuery_->Step();
    const long long version = versionQuery_->Integer(0);
    versionQuery_->Reset();  // ends the read at once, so no lock is held between refreshes
    return version;
}

void PlanTable::Load() {
    // The version is read before the rows, so a change committed in between is seen
    // again at the next refresh rather than missed.
    dataVersion_ = DataVersion();
    std::vector<Plan> rows;
    SqliteStatement select(Db(), SelectAllSql());
    while (select.Step()) {
        Plan plan;
        plan.id = static_cast<int>(select.Integer(0));
        for (std::size_t i = 0; i < plan.texts.size(); ++i) plan.texts[i] = select.Text(static_cast<int>(i + 1));
        rows.push_back(std::move(plan));
    }
    rows_ = std::move(rows);
    First();
}

void PlanTable::Refresh() {
    Db();  // throws when not open
    if (DataVersion() != dataVersion_) Load();
    else First();
}

void PlanTable::First() {
    current_ = 0;
    eof_ = rows_.empty();
}

void PlanTable::Next() {
    if (current_ + 1 < rows_.size()) ++current_;
    else eof_ = true;
}

const Plan& PlanTable::Current() const {
    if (rows_.empty()) throw PlanTableError("The plan table has no current row");
    return rows_[current_];
}

std::size_t PlanTable::FieldIndex(std::string_view fieldName) const {
    if (fieldName == field::kId) return 0;
    const auto it = std::find(kTextFields.begin(), kTextFields.end(), fieldName);
    if (it == kTextFields.end()) throw PlanTableError("Field " + std::string(fieldName) + " not found");
    return static_cast<std::size_t>(it - kTextFields.begin()) + 1;
}

std::string PlanTable::Text(std::string_view fieldName) const {
    const std::size_t index = FieldIndex(fieldName);
    const Plan& plan = Current();
    return index == 0 ? std::to_string(plan.id) : plan.texts[index - 1];
}

int PlanTable::Integer(std::string_view fieldName) const {
    const std::size_t index = FieldIndex(fieldName);
    const Plan& plan = Current();
    if (index == 0) return plan.id;
    const std::string& text = plan.texts[index - 1];
    int value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty())
        throw PlanTableError("'" + text + "' is not a valid integer value");
    return value;
}

std::optional<std::size_t> PlanTable::FieldWidth(std::string_view fieldName) const {
    const std::size_t index = FieldIndex(fieldName);
    if (index == 0) return std::nullopt;
    return widths_.at(index - 1);
}

std::string PlanTable::Cut(std::size_t textIndex, const std::string& text) const {
    const auto& width = widths_.at(textIndex);
    return width ? CutToByteWidth(text, *width, widthOf_) : text;
}

int PlanTable::Append(const Plan& plan) {
    SqliteConnection& db = Db();
    Plan stored;
    for (std::size_t i = 0; i < plan.texts.size(); ++i) stored.texts[i] = Cut(i, plan.texts[i]);

    WriteTransaction transaction(db);
    SqliteStatement insert(db, InsertSql());
    for (std::size_t i = 0; i < stored.texts.size(); ++i) insert.Bind(static_cast<int>(i + 1), stored.texts[i]);
    insert.Run();
    stored.id = static_cast<int>(sqlite3_last_insert_rowid(db.get()));
    transaction.Commit();

    const auto at = std::upper_bound(rows_.begin(), rows_.end(), stored.id,
                                     [](int id, const Plan& row) { return id < row.id; });
    const auto inserted = rows_.insert(at, std::move(stored));
    current_ = static_cast<std::size_t>(inserted - rows_.begin());
    eof_ = false;
    return inserted->id;
}

bool PlanTable::FindById(int id) {
    const auto it = std::lower_bound(rows_.begin(), rows_.end(), id,
                                     [](const Plan& row, int wanted) { return row.id < wanted; });
    if (it == rows_.end() || it->id != id) return false;
    current_ = static_cast<std::size_t>(it - rows_.begin());
    eof_ = false;
    return true;
}

void PlanTable::DeleteCurrent() {
    SqliteConnection& db = Db();
    const int id = Current().id;
    SqliteStatement remove(db, "DELETE FROM " + QuoteIdentifier(kPlanTableName) + " WHERE " +
                                     QuoteIdentifier(field::kId) + " = ?");
    remove.Bind(1, static_cast<long long>(id));
    WriteTransaction transaction(db);
    remove.Run();  // a row another program already removed is simply gone
    transaction.Commit();
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(current_));
    if (current_ >= rows_.size() && !rows_.empty()) current_ = rows_.size() - 1;
    eof_ = rows_.empty();
}

void PlanTable::Empty() {
    SqliteConnection& db = Db();
    WriteTransaction transaction(db);
    db.Exec("DELETE FROM " + QuoteIdentifier(kPlanTableName));
    SqliteStatement resetIds(db, "DELETE FROM sqlite_sequence WHERE name = ?");
    resetIds.Bind(1, kPlanTableName);
    resetIds.Run();
    transaction.Commit();
    rows_.clear();
    First();
}

}  // namespace vorlen
