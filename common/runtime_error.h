#pragma once

#include <QString>

#include <exception>
#include <string>

// The error numbers the programs report, with their standard Chinese descriptions.
namespace ErrorNumber {
constexpr int InvalidCall = 5;
constexpr int Overflow = 6;
constexpr int SubscriptOutOfRange = 9;
constexpr int TypeMismatch = 13;
constexpr int BadFileName = 52;
constexpr int FileNotFound = 53;
constexpr int DiskFull = 61;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
} // namespace ErrorNumber

// An error that is reported in a message box and then ends the program. Only the handler
// guard catches it.
class RuntimeError : public std::exception {
public:
    explicit RuntimeError(int number);

    int number() const { return m_number; }
    QString description() const;
    // The text of the report: "实时错误 'N':", an empty line, the description.
    QString message() const;
    const char *what() const noexcept override { return m_what.c_str(); }

private:
    int m_number;
    std::string m_what;
};
