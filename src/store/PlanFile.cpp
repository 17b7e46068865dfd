#include "PlanFile.h"

#include <filesystem>

#include "Plan.h"
#include "Sqlite.h"

namespace vorlen {

void CreateEmptyPlanFile(const std::string& utf8Path) {
    std::error_code ec;
    if (std::filesystem::exists(std::filesystem::path(std::u8string(utf8Path.begin(), utf8Path.end())), ec))
        throw PlanTableError("File already exists: " + utf8Path);

    std::string sql = "CREATE TABLE " + QuoteIdentifier(kPlanTableName) + " (" + QuoteIdentifier(field::kId) +
                      " INTEGER PRIMARY KEY AUTOINCREMENT CHECK (" + QuoteIdentifier(field::kId) +
                      " BETWEEN 1 AND 2147483647)";
    for (std::size_t i = 0; i < kTextFields.size(); ++i)
        sql += ", " + QuoteIdentifier(kTextFields[i]) + " VARCHAR(" + std::to_string(kNewFileWidths[i]) +
               ") NOT NULL DEFAULT ''";
    sql += ")";

    SqliteConnection db(utf8Path, /*create=*/true);
    // A rollback journal keeps the plan file a single file that opens from a read-only
    // folder too; both programs write rarely and read a few rows a second.
    db.Exec("PRAGMA journal_mode = DELETE");
    db.Exec("BEGIN");
    db.Exec(sql);
    db.Exec("COMMIT");
}

}  // namespace vorlen
