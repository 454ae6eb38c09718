// Hands character values to the caller the way ODBC does: as much as fits, always zero-terminated,
// with the full length reported so the caller can tell that something was cut.
#include "odbcdriver/CallerBuffer.h"

#include "odbcdriver/Cp1252.h"

#include <cstring>
#include <string>

SQLRETURN CallerBuffer::fill(std::string_view text, SQLPOINTER target, SQLLEN capacity,
                             std::size_t& copied) {
    copied = 0;
    if (target == nullptr || capacity < 1) {
        return SQL_SUCCESS_WITH_INFO;
    }
    const auto room = static_cast<std::size_t>(capacity - 1);
    copied = text.size() < room ? text.size() : room;
    auto* bytes = static_cast<char*>(target);
    std::memcpy(bytes, text.data(), copied);
    bytes[copied] = '\0';
    return copied == text.size() ? SQL_SUCCESS : SQL_SUCCESS_WITH_INFO;
}

SQLRETURN CallerBuffer::fillConverted(std::string_view utf8, SQLRETURN driverResult,
                                      SQLPOINTER target, SQLLEN capacity, std::size_t& fullLength) {
    const std::string text = Cp1252::fromUtf8(utf8);
    fullLength = text.size();
    std::size_t copied = 0;
    const SQLRETURN result = fill(text, target, capacity, copied);
    return result == SQL_SUCCESS ? driverResult : result;
}
