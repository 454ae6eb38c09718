// The ODBC headers for both platforms: the Windows ones need <windows.h> first.
#pragma once

#ifdef _WIN32
#include <windows.h>
#endif
#include <sql.h>
#include <sqlext.h>

// ODBC 2 takes texts as non-const unsigned characters but never writes to input texts.
inline SQLCHAR* odbcText(const char* text) {
    return reinterpret_cast<SQLCHAR*>(const_cast<char*>(text));
}
