#include "Sqlite.h"

namespace vorlen {

SqliteConnection::SqliteConnection(const std::string& utf8Path, bool create) {
    sqlite3* raw = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(utf8Path.c_str(), &raw, flags, nullptr);
    db_.reset(raw);
    if (rc != SQLITE_OK) Fail("Cannot open " + utf8Path);
    sqlite3_extended_result_codes(raw, 1);
}

void SqliteConnection::Exec(std::string_view sql) {
    if (sqlite3_exec(db_.get(), std::string(sql).c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        Fail("Plan table");
}

void SqliteConnection::Fail(std::string_view what) const {
    std::string message(what);
    if (db_) {
        message += ": ";
        message += sqlite3_errmsg(db_.get());
    }
    throw PlanTableError(message);
}

SqliteStatement::SqliteStatement(const SqliteConnection& db, std::string_view sql) : db_(db) {
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db.get(), sql.data(), static_cast<int>(sql.size()), &raw, nullptr) != SQLITE_OK)
        db.Fail("Plan table");
    stmt_.reset(raw);
}

SqliteStatement& SqliteStatement::Bind(int index, std::string_view text) {
    if (sqlite3_bind_text(stmt_.get(), index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        db_.Fail("Plan table");
    return *this;
}

SqliteStatement& SqliteStatement::Bind(int index, long long value) {
    if (sqlite3_bind_int64(stmt_.get(), index, value) != SQLITE_OK) db_.Fail("Plan table");
    return *this;
}

bool SqliteStatement::Step() {
    const int rc = sqlite3_step(stmt_.get());
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    const std::string message = sqlite3_errmsg(db_.get());
    sqlite3_reset(stmt_.get());
    throw PlanTableError("Plan table: " + message);
}

void SqliteStatement::Run() {
    while (Step()) {
    }
    Reset();
}

void SqliteStatement::Reset() {
    sqlite3_reset(stmt_.get());
    sqlite3_clear_bindings(stmt_.get());
}

std::string SqliteStatement::Text(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_.get(), column));
    return text ? std::string(text, sqlite3_column_bytes(stmt_.get(), column)) : std::string();
}

long long SqliteStatement::Integer(int column) const { return sqlite3_column_int64(stmt_.get(), column); }

std::string QuoteIdentifier(std::string_view name) {
    std::string quoted = "\"";
    for (char c : name) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace vorlen
