#pragma once
// Errors of the database layer: every failure of a driver or engine becomes one of these.
#include <string>

#include "platform/core/Exceptions.h"

class EDatabaseError : public Exception {
public:
    using Exception::Exception;
};

// An error reported by an ODBC driver or the driver manager. The message is the driver's own
// text; SQLState is the five-character state of the first diagnostic record.
class EODBCError : public EDatabaseError {
public:
    EODBCError(std::string message, std::string sqlState, int nativeError)
        : EDatabaseError(std::move(message)), FSQLState(std::move(sqlState)), FNativeError(nativeError) {}

    const std::string& SQLState() const noexcept { return FSQLState; }
    int NativeError() const noexcept { return FNativeError; }

private:
    std::string FSQLState;
    int FNativeError;
};

// An error of the SQLite engine behind the BDE-style database, with SQLite's message and
// result code.
class EDBEngineError : public EDatabaseError {
public:
    EDBEngineError(std::string message, int errorCode)
        : EDatabaseError(std::move(message)), FErrorCode(errorCode) {}

    int ErrorCode() const noexcept { return FErrorCode; }

private:
    int FErrorCode;
};
