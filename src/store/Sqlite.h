// Thin RAII owners of an SQLite connection and statement, raising PlanTableError on failure.
#pragma once
#include <sqlite3.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vorlen {

class PlanTableError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SqliteConnection {
public:
    // Opens an existing file for reading and writing; never creates one.
    explicit SqliteConnection(const std::string& utf8Path, bool create = false);

    sqlite3* get() const { return db_.get(); }
    void Exec(std::string_view sql);
    [[noreturn]] void Fail(std::string_view what) const;

private:
    struct Closer {
        void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
    };
    std::unique_ptr<sqlite3, Closer> db_;
};

class SqliteStatement {
public:
    SqliteStatement(const SqliteConnection& db, std::string_view sql);

    SqliteStatement& Bind(int index, std::string_view text);
    SqliteStatement& Bind(int index, long long value);
    // Steps once; answers whether a row is ready.
    bool Step();
    // Steps to completion, for statements that answer no rows.
    void Run();
    void Reset();

    std::string Text(int column) const;
    long long Integer(int column) const;

private:
    struct Finalizer {
        void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
    };
    const SqliteConnection& db_;
    std::unique_ptr<sqlite3_stmt, Finalizer> stmt_;
};

// Quotes an identifier for SQL ("类型" and the like).
std::string QuoteIdentifier(std::string_view name);

}  // namespace vorlen
