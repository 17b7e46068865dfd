// A settings file read and written through the system's profile functions, key by key.
#pragma once
#include <stdexcept>
#include <string>
#include <string_view>

namespace vorlen::win {

// A write the system refused; the message is "Unable to write to <path>" in UTF-8.
class IniWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class IniFile {
public:
    explicit IniFile(std::wstring path) : path_(std::move(path)) {}

    const std::wstring& Path() const { return path_; }

    // The value when the key is present, even when it is empty; else `fallback`.
    // A value is at most 2,047 characters; a longer one is cut there.
    std::wstring ReadString(std::wstring_view section, std::wstring_view key, std::wstring_view fallback) const;

    // The value converted by the settings integer rule; `fallback` when it does not convert.
    int ReadInteger(std::wstring_view section, std::wstring_view key, int fallback) const;

    // Stores the value at once, creating the file, section or key as needed.
    void WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value);

private:
    std::wstring path_;
};

}  // namespace vorlen::win
