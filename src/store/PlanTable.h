// The plan table `myproject` in the plan file shared by both programs.
//
// The table keeps a view of the rows: Refresh rebuilds it from the file when another
// program has changed it, and this object's own appends and deletes update it directly.
// A current row moves through the view in ascending ID order.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ByteWidth.h"
#include "Plan.h"
#include "Sqlite.h"

namespace vorlen {

class PlanTable {
public:
    // `widthOf` measures characters in the ANSI code page that the field widths count.
    explicit PlanTable(CharByteWidth widthOf);

    PlanTable(const PlanTable&) = delete;
    PlanTable& operator=(const PlanTable&) = delete;

    // Opens the plan file and its table `myproject`, reads the field widths the file
    // declares and loads the rows. The file name is matched without regard to case.
    // Throws PlanTableError if the file is missing, is not a plan database or lacks the table.
    void Open(const std::string& utf8Path);
    bool IsOpen() const { return db_.has_value(); }

    // Rebuilds the view if another connection has changed the file since the last load;
    // cheap when nothing changed. The first row becomes current.
    void Refresh();

    void First();
    void Next();  // on the last row stays there and marks the end
    bool Eof() const { return eof_; }
    int RowCount() const { return static_cast<int>(rows_.size()); }

    // The current row's field by name: ID or one of the seven text fields.
    std::string Text(std::string_view fieldName) const;
    int Integer(std::string_view fieldName) const;
    const Plan& Current() const;

    // Appends a row; the table assigns the ID (the `id` given is ignored, callers pass 0).
    // Texts longer than their field are cut to its width at a character boundary.
    int Append(const Plan& plan);

    // Makes the row with that ID current; answers whether it exists in the view.
    bool FindById(int id);

    // Removes the current row. The row after it becomes current, or the new last row
    // when the last was removed.
    void DeleteCurrent();

    // Removes all rows; IDs start again from 1.
    void Empty();

    // Width in ANSI bytes the file declares for a text field; nullopt when unbounded.
    std::optional<std::size_t> FieldWidth(std::string_view fieldName) const;

private:
    void Close();
    SqliteConnection& Db();  // throws when not open
    void Load();
    long long DataVersion();
    std::size_t FieldIndex(std::string_view fieldName) const;  // 0 = ID, 1..7 text fields
    std::string Cut(std::size_t textIndex, const std::string& text) const;

    CharByteWidth widthOf_;
    std::optional<SqliteConnection> db_;
    std::optional<SqliteStatement> versionQuery_;  // declared after db_: destroyed before it
    std::vector<std::optional<std::size_t>> widths_;  // per text field
    std::vector<Plan> rows_;
    std::size_t current_ = 0;
    bool eof_ = true;
    long long dataVersion_ = -1;
};

}  // namespace vorlen
