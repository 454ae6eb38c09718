// Hands character values to the caller the way ODBC does: as much as fits, always zero-terminated,
// with the full length reported so the caller can tell that something was cut.
#pragma once

#include <sql.h>

#include <cstddef>
#include <limits>
#include <string_view>

class CallerBuffer {
public:
    // Copies the part of text that fits into target (capacity bytes including the terminating
    // zero) and returns SQL_SUCCESS_WITH_INFO when part of it stayed behind. A null target or
    // a capacity below one receives nothing. copied tells how many bytes of text went over.
    static SQLRETURN fill(std::string_view text, SQLPOINTER target, SQLLEN capacity,
                          std::size_t& copied);

    // Converts a UTF-8 value of the SQLite driver to Windows-1252 and fills the caller's
    // buffer with it; driverResult is the driver's answer, kept when it carried information.
    template <typename Length>
    static SQLRETURN fillFromUtf8(std::string_view utf8, SQLRETURN driverResult, SQLPOINTER target,
                                  SQLLEN capacity, Length* length);

    // Stores a byte count into a caller's length field, clipped to what the field can hold.
    template <typename Length> static void storeLength(Length* length, std::size_t value);

private:
    static SQLRETURN fillConverted(std::string_view utf8, SQLRETURN driverResult, SQLPOINTER target,
                                   SQLLEN capacity, std::size_t& fullLength);
};

template <typename Length>
SQLRETURN CallerBuffer::fillFromUtf8(std::string_view utf8, SQLRETURN driverResult,
                                     SQLPOINTER target, SQLLEN capacity, Length* length) {
    std::size_t fullLength = 0;
    const SQLRETURN result = fillConverted(utf8, driverResult, target, capacity, fullLength);
    storeLength(length, fullLength);
    return result;
}

template <typename Length> void CallerBuffer::storeLength(Length* length, std::size_t value) {
    if (length == nullptr) {
        return;
    }
    constexpr auto largest = static_cast<std::size_t>(std::numeric_limits<Length>::max());
    *length = static_cast<Length>(value < largest ? value : largest);
}
